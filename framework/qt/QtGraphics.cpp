#include "framework/qt/QtGraphics.h"

#include "framework/Runtime.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <unordered_map>

namespace framework::qt {

namespace {

enum class Face { Sans, Serif };

struct Substitute {
    const char* name;
    Face face;
};

constexpr std::array substitutes{
    Substitute{"geneva", Face::Sans}, Substitute{"arial", Face::Sans},  Substitute{"system", Face::Sans},
    Substitute{"times", Face::Serif}, Substitute{"roman", Face::Serif}, Substitute{"palatino", Face::Serif},
};

QFont face(const QString& family, QFont::StyleHint hint)
{
    QFont font(family);
    font.setStyleHint(hint);
    return font;
}

} // namespace

QColor qColor(Color color)
{
    return {color.red, color.green, color.blue};
}

FontCatalogue& fontCatalogue()
{
    static FontCatalogue catalogue;
    return catalogue;
}

const std::vector<std::string>& FontCatalogue::families()
{
    if (!read_)
        read();
    return families_;
}

const QFont& FontCatalogue::sansFace()
{
    if (!read_)
        read();
    return sans_;
}

const QFont& FontCatalogue::serifFace()
{
    if (!read_)
        read();
    return serif_;
}

namespace {

// Widths measured once per face, size and text: the screens measure every centred line on
// every paint.
class WidthMemo {
public:
    static constexpr std::size_t MaxEntries = 2048;

    template <typename Measure>
    double width(const std::string& face, double points, const std::string& text, Measure measure)
    {
        key_.assign(face).append(1, '\0').append(std::to_string(points)).append(1, '\0').append(text);
        if (const auto found = widths_.find(key_); found != widths_.end())
            return found->second;
        if (widths_.size() >= MaxEntries)
            widths_.clear();
        const double measured = measure();
        widths_.emplace(key_, measured);
        return measured;
    }

    void clear() { widths_.clear(); }

private:
    std::unordered_map<std::string, double> widths_;
    std::string key_;
};

WidthMemo& widthMemo()
{
    static WidthMemo memo;
    return memo;
}

} // namespace

void FontCatalogue::forget()
{
    read_ = false;
    textImageCache().clear();
    widthMemo().clear();
}

void FontCatalogue::read()
{
    ++reads_;
    read_ = true;
    const QStringList installed = QFontDatabase::families();
    families_.clear();
    families_.reserve(static_cast<std::size_t>(installed.size()) + 2);
    for (const QString& family : installed)
        families_.push_back(family.toStdString());
    sans_ = installed.contains("Liberation Sans") ? face("Liberation Sans", QFont::SansSerif)
                                                  : face("Sans Serif", QFont::SansSerif);
    serif_ = installed.contains("Liberation Serif") ? face("Liberation Serif", QFont::Serif)
                                                    : face("Serif", QFont::Serif);
    // The classic faces are drawn by those two, whose metrics match where Liberation is
    // installed and come close otherwise.
    if (!installed.isEmpty() && !installed.contains("Arial", Qt::CaseInsensitive))
        families_.emplace_back("Arial");
    if (!installed.isEmpty() && !installed.contains("Times", Qt::CaseInsensitive))
        families_.emplace_back("Times");
}

namespace {

const QFont* classicFace(const std::string& name)
{
    for (const auto& substitute : substitutes)
        if (StringsEqual(name, substitute.name))
            return substitute.face == Face::Sans ? &fontCatalogue().sansFace() : &fontCatalogue().serifFace();
    return nullptr;
}

} // namespace

QFont fontFor(const std::string& name, double points)
{
    const QFont* classic = classicFace(name);
    QFont font = classic ? *classic : QFont(QString::fromStdString(name));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points))));
    return font;
}

TextImageCache& textImageCache()
{
    static TextImageCache cache;
    return cache;
}

namespace {

bool whole(qreal value)
{
    return value == std::floor(value);
}

// The painter draws logical pixels as whole device pixels, its text in one solid colour.
bool onWholePixels(const QPainter& painter)
{
    const QTransform device = painter.deviceTransform();
    const qreal ratio = device.m11();
    return device.type() <= QTransform::TxScale && ratio >= 1 && ratio == device.m22() && whole(ratio) &&
           whole(device.dx()) && whole(device.dy()) && painter.paintEngine()->type() == QPaintEngine::Raster &&
           painter.compositionMode() == QPainter::CompositionMode_SourceOver && painter.opacity() == 1 &&
           painter.pen().style() == Qt::SolidLine && painter.pen().brush().style() == Qt::SolidPattern;
}

} // namespace

const QImage* TextImageCache::find(QPainter& painter, const QString& text, QPoint origin, QPoint& topLeft)
{
    const QFont& font = painter.font();
    if (!enabled_ || text.isEmpty() || font.pixelSize() <= 0 || !onWholePixels(painter))
        return nullptr;
    const qreal ratio = painter.deviceTransform().m11();
    if (font.pixelSize() * ratio < MinDevicePixelSize)
        return nullptr;
    // The place is part of the key: Qt rounds the outline's points in logical coordinates, so
    // the same pixels come only from the same place.
    const QString key = text + QChar(0) + font.key() + QChar(0) + QString::number(painter.pen().color().rgba(), 16) +
                        QChar(0) + QString::number(ratio) + QChar(0) + QString::number(painter.renderHints().toInt()) +
                        QChar(0) + QString::number(origin.x()) + ',' + QString::number(origin.y());
    if (const Entry* found = images_.object(key)) {
        ++imageDraws_;
        topLeft = origin + found->offset;
        return &found->image;
    }
    // Qt's first outline of a run at a new scale can differ from its later ones by a shade at
    // some edge pixels, as the glyphs it has loaded by then change: the run is drawn directly
    // the first time and kept from its second, as Qt goes on drawing it.
    if (!seen_.contains(key)) {
        if (seen_.size() >= MaxSeen)
            seen_.clear();
        seen_.insert(key);
        return nullptr;
    }
    seen_.remove(key);
    // Every pixel the outline can touch: the glyphs' boxes and the line's height, with a
    // margin for the antialiased edge.
    const QFontMetricsF metrics(font);
    const QRectF bounds = metrics.boundingRect(text).united(
        QRectF(0, -metrics.ascent(), metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent()));
    constexpr int margin = 2;
    const QPoint corner(static_cast<int>(std::floor(bounds.left())) - margin,
                        static_cast<int>(std::floor(bounds.top())) - margin);
    const QSize size(static_cast<int>(std::ceil(bounds.right())) + margin - corner.x(),
                     static_cast<int>(std::ceil(bounds.bottom())) + margin - corner.y());
    auto entry = std::make_unique<Entry>();
    entry->offset = corner;
    entry->image = QImage(size * static_cast<int>(ratio), QImage::Format_ARGB32_Premultiplied);
    entry->image.setDevicePixelRatio(ratio);
    entry->image.fill(Qt::transparent);
    {
        QPainter run(&entry->image);
        run.setRenderHints(painter.renderHints());
        run.setFont(font);
        run.setPen(painter.pen());
        run.translate(-(origin + corner));
        run.drawText(origin, text);
    }
    const qsizetype cost = entry->image.sizeInBytes();
    if (!images_.insert(key, entry.release(), cost))
        return nullptr; // larger than the whole cache
    const Entry* stored = images_.object(key);
    ++imageDraws_;
    topLeft = origin + stored->offset;
    return &stored->image;
}

QtGraphics::QtGraphics(QPainter& painter) : painter_(painter)
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    applyPen();
    applyFont();
}

void QtGraphics::ForeColor(Color color)
{
    color_ = color;
    applyPen();
}

void QtGraphics::PenWidth(Integer width)
{
    penWidth_ = width;
    applyPen();
}

void QtGraphics::TextFont(const std::string& name)
{
    fontName_ = name;
    applyFont();
}

void QtGraphics::TextSize(double points)
{
    textSize_ = points;
    applyFont();
}

void QtGraphics::DrawString(const std::string& text, Integer x, Integer y)
{
    const QPoint origin(static_cast<int>(x), static_cast<int>(y));
    const QString run = QString::fromStdString(text);
    QPoint topLeft;
    if (const QImage* image = textImageCache().find(painter_, run, origin, topLeft))
        painter_.drawImage(topLeft, *image);
    else
        painter_.drawText(origin, run);
}

double QtGraphics::StringWidth(const std::string& text)
{
    return widthMemo().width(fontName_, textSize_, text, [&] {
        return QFontMetricsF(painter_.font()).horizontalAdvance(QString::fromStdString(text));
    });
}

void QtGraphics::DrawLine(Integer x1, Integer y1, Integer x2, Integer y2)
{
    painter_.drawLine(static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2), static_cast<int>(y2));
}

void QtGraphics::DrawRect(Integer x, Integer y, Integer width, Integer height)
{
    if (width <= 0 || height <= 0)
        return;
    // Qt's outline covers width + 1 pixels; the frame stays inside width x height.
    painter_.drawRect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(width - 1),
                      static_cast<int>(height - 1));
}

void QtGraphics::FillOval(Integer x, Integer y, Integer width, Integer height)
{
    const QRect area(static_cast<int>(x), static_cast<int>(y), static_cast<int>(width), static_cast<int>(height));
    if (width <= 3 && height <= 3) {
        painter_.fillRect(area, qColor(color_)); // a dot this small is its square
        return;
    }
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(qColor(color_));
    painter_.drawEllipse(area);
    painter_.restore();
}

void QtGraphics::applyPen()
{
    QPen pen(qColor(color_));
    pen.setWidth(static_cast<int>(penWidth_));
    pen.setCapStyle(Qt::SquareCap);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

void QtGraphics::applyFont()
{
    painter_.setFont(fontFor(fontName_, textSize_));
}

} // namespace framework::qt
