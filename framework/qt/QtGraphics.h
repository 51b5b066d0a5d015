#pragma once

#include "framework/Graphics.h"

#include <QColor>
#include <QFont>

#include <string>
#include <vector>

class QPainter;

namespace framework::qt {

// A framework colour as Qt takes it.
QColor qColor(Color color);

// The installed font families, read from the font database on first use and again after
// fontDatabaseChanged, with the two faces that the classic names stand for.
class FontCatalogue {
public:
    // The installed families, and "Arial" and "Times" where they are not installed: the
    // sans and serif faces below draw them.
    const std::vector<std::string>& families();
    // The metric-compatible Liberation face, or the platform's own (with its style hint)
    // where that one is missing.
    const QFont& sansFace();
    const QFont& serifFace();

    // The font database changed: the next use reads it again, and the widths measured go.
    void forget();
    // How often the font database was read (tests watch it).
    long reads() const { return reads_; }

private:
    void read();

    bool read_ = false;
    long reads_ = 0;
    std::vector<std::string> families_;
    QFont sans_;
    QFont serif_;
};

FontCatalogue& fontCatalogue();

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
    void fillDeviceLine(Integer x1, Integer y1, Integer x2, Integer y2);
    void applyFont();

    QPainter& painter_;
    Color color_{};
    Integer penWidth_ = 1;
    std::string fontName_ = "System";
    double textSize_ = 12;
};

} // namespace framework::qt
