#pragma once

#include "framework/Types.h"

#include <string>

namespace framework {

// A drawing context in integer pixels, origin at the top left. Colour, pen width, font and
// size stay set from one call to the next. A text is placed by the x of its left end and
// the y of its baseline, on one line.
class Graphics {
public:
    virtual ~Graphics() = default;

    virtual void ForeColor(Color color) = 0;
    virtual void PenWidth(Integer width) = 0;
    virtual void TextFont(const std::string& name) = 0;
    virtual void TextSize(double points) = 0;

    virtual void DrawString(const std::string& text, Integer x, Integer y) = 0;
    // The width of the text in the current font, in pixels.
    virtual double StringWidth(const std::string& text) = 0;
    virtual void DrawLine(Integer x1, Integer y1, Integer x2, Integer y2) = 0;
    // The outline of a width x height rectangle whose top left corner is (x, y).
    virtual void DrawRect(Integer x, Integer y, Integer width, Integer height) = 0;
    virtual void FillOval(Integer x, Integer y, Integer width, Integer height) = 0;
};

} // namespace framework
