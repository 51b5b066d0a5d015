#pragma once

#include "framework/Graphics.h"

#include <QCache>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QSet>
#include <QString>

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

    // The font database changed: the next use reads it again, and the text images go.
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

// Text runs too large for Qt's glyph cache, rendered once and drawn again as images. Qt draws
// glyphs over 64 device pixels as outlines on every paint; a run drawn from here is the same
// pixels, since the outline is laid out at the same logical place, filled once into a
// transparent image on the same pixel grid, and laid over the destination with the same
// blend. Kept to a bounded size, least recently used runs going first, and emptied when the
// font database changes.
class TextImageCache {
public:
    // The runs whose device pixel size reaches this are kept.
    static constexpr double MinDevicePixelSize = 64;
    static constexpr qsizetype MaxBytes = 4 * 1024 * 1024;

    // The run's image and where it goes, rendered the second time the run is drawn; null
    // where the text is drawn directly: its first time, smaller runs, and painters whose grid
    // is not whole device pixels (fractional scales, transforms) or that blend otherwise.
    const QImage* find(QPainter& painter, const QString& text, QPoint origin, QPoint& topLeft);

    void clear()
    {
        images_.clear();
        seen_.clear();
    }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    qsizetype bytes() const { return images_.totalCost(); }
    // How many runs were drawn from an image (tests watch it).
    long imageDraws() const { return imageDraws_; }

private:
    struct Entry {
        QImage image;
        QPoint offset; // the image's top left corner from the text's origin, in logical pixels
    };
    static constexpr qsizetype MaxSeen = 256;
    QCache<QString, Entry> images_{MaxBytes};
    QSet<QString> seen_;
    bool enabled_ = true;
    long imageDraws_ = 0;
};

TextImageCache& textImageCache();

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
