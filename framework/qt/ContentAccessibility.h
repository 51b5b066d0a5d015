#pragma once

#include <vector>

namespace framework {
struct ContentPiece;
}

namespace framework::qt {

class Canvas;

// Makes the content area readable by assistive technology: the pieces the program paints
// (text, charts, the link) as its children beside the controls, and the answer radio
// buttons as radio buttons. Installed once; later calls do nothing.
void installContentAccessibility();

// Tells assistive technology what changed on the content area since these pieces.
void announceContentChange(Canvas& canvas, const std::vector<ContentPiece>& before);

} // namespace framework::qt
