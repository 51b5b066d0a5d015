#include "support/RecordingGraphics.h"

#include <sstream>

namespace testing_support {

namespace {

std::string join(std::initializer_list<framework::Integer> values)
{
    std::ostringstream out;
    const char* separator = "";
    for (const auto value : values) {
        out << separator << value;
        separator = ", ";
    }
    return out.str();
}

} // namespace

void RecordingGraphics::ForeColor(framework::Color c)
{
    calls.push_back("ForeColor(" + join({c.red, c.green, c.blue}) + ")");
}

void RecordingGraphics::PenWidth(framework::Integer width)
{
    calls.push_back("PenWidth(" + std::to_string(width) + ")");
}

void RecordingGraphics::TextFont(const std::string& name)
{
    calls.push_back("TextFont(\"" + name + "\")");
}

void RecordingGraphics::TextSize(double points)
{
    std::ostringstream out;
    out << "TextSize(" << points << ")";
    calls.push_back(out.str());
}

void RecordingGraphics::DrawString(const std::string& text, framework::Integer x, framework::Integer y)
{
    calls.push_back("DrawString(\"" + text + "\", " + join({x, y}) + ")");
}

double RecordingGraphics::StringWidth(const std::string& text)
{
    if (const auto found = widthOf.find(text); found != widthOf.end())
        return found->second;
    return static_cast<double>(CharWidth * text.size());
}

void RecordingGraphics::DrawLine(framework::Integer x1, framework::Integer y1, framework::Integer x2,
                                 framework::Integer y2)
{
    calls.push_back("DrawLine(" + join({x1, y1, x2, y2}) + ")");
}

void RecordingGraphics::DrawRect(framework::Integer x, framework::Integer y, framework::Integer w, framework::Integer h)
{
    calls.push_back("DrawRect(" + join({x, y, w, h}) + ")");
}

void RecordingGraphics::FillOval(framework::Integer x, framework::Integer y, framework::Integer w, framework::Integer h)
{
    calls.push_back("FillOval(" + join({x, y, w, h}) + ")");
}

std::vector<std::string> callsStartingWith(const std::vector<std::string>& calls, const std::string& prefix)
{
    std::vector<std::string> found;
    for (const auto& call : calls)
        if (call.rfind(prefix, 0) == 0)
            found.push_back(call);
    return found;
}

} // namespace testing_support
