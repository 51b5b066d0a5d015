#pragma once

#include <vector>

namespace framework {
struct ContentPiece;
}

namespace framework::qt {

class Canvas;

// Makes the content area readable by assistive technology: the pieces the program paints
// (text, charts, the link) as its children beside the controls, and the answer radio buttons
// as radio buttons labelled with the question they answer. Installed once; later calls do
// nothing.
void installContentAccessibility();

// The keyboard has come to a new screen: its first control is read with its question, from
// wherever the keyboard was.
void startNewScreen();

// Tells assistive technology what changed on the content area since these pieces: once for
// each piece that changed, nothing for one that did not.
void announceContentChange(Canvas& canvas, const std::vector<ContentPiece>& before);

} // namespace framework::qt
