#pragma once

#include "framework/Graphics.h"

#include <QFont>
#include <QString>

class QPainter;

namespace framework::qt {

// The family that draws a font name: the program's classic names map to the
// metric-compatible Liberation faces where they are installed, else to the platform's
// sans-serif or serif face.
QString resolveFamily(const std::string& name);

// A font of that name at that size, in 72-per-inch points: one point is one pixel.
QFont fontFor(const std::string& name, double points);

// Graphics drawn with a QPainter, in the painter's integer pixel grid.
class QtGraphics : public Graphics {
public:
    explicit QtGraphics(QPainter& painter);

    void ForeColor(Color color) override;
    void PenWidth(Integer width) override;
    void TextFont(const std::string& name) override;
    void TextSize(double points) override;
    void DrawString(const std::string& text, Integer x, Integer y) override;
    double StringWidth(const std::string& text) override;
    void DrawLine(Integer x1, Integer y1, Integer x2, Integer y2) override;
    void DrawRect(Integer x, Integer y, Integer width, Integer height) override;
    void FillOval(Integer x, Integer y, Integer width, Integer height) override;

private:
    void applyPen();
    void applyFont();

    QPainter& painter_;
    Color color_{};
    Integer penWidth_ = 1;
    std::string fontName_ = "System";
    double textSize_ = 12;
};

} // namespace framework::qt
