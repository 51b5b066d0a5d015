#pragma once

#include "framework/Graphics.h"

#include <map>
#include <string>
#include <vector>

namespace testing_support {

// Graphics that draws nothing and logs every drawing call with its arguments, one string a
// call, such as "DrawLine(0, 118, 511, 118)". StringWidth is 6 pixels a character at any
// font and size, unless widthOf names the text.
class RecordingGraphics : public framework::Graphics {
public:
    static constexpr int CharWidth = 6;

    void ForeColor(framework::Color color) override;
    void PenWidth(framework::Integer width) override;
    void TextFont(const std::string& name) override;
    void TextSize(double points) override;
    void DrawString(const std::string& text, framework::Integer x, framework::Integer y) override;
    double StringWidth(const std::string& text) override;
    void DrawLine(framework::Integer x1, framework::Integer y1, framework::Integer x2, framework::Integer y2) override;
    void DrawRect(framework::Integer x, framework::Integer y, framework::Integer w, framework::Integer h) override;
    void FillOval(framework::Integer x, framework::Integer y, framework::Integer w, framework::Integer h) override;

    std::vector<std::string> calls;
    // Widths of particular texts, in place of 6 pixels a character.
    std::map<std::string, double> widthOf;
};

// The calls that start with the prefix, such as "DrawRect(".
std::vector<std::string> callsStartingWith(const std::vector<std::string>& calls, const std::string& prefix);

} // namespace testing_support
