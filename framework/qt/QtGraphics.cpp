#include "framework/qt/QtGraphics.h"

#include "framework/Runtime.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <array>
#include <cmath>
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
    painter_.drawText(static_cast<int>(x), static_cast<int>(y), QString::fromStdString(text));
}

double QtGraphics::StringWidth(const std::string& text)
{
    return widthMemo().width(fontName_, textSize_, text, [&] {
        return QFontMetricsF(painter_.font()).horizontalAdvance(QString::fromStdString(text));
    });
}

void QtGraphics::DrawLine(Integer x1, Integer y1, Integer x2, Integer y2)
{
    if (x1 == x2 || y1 == y2)
        fillDeviceLine(x1, y1, x2, y2);
    else
        painter_.drawLine(static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2), static_cast<int>(y2));
}

// A level or upright line covering pixels (x1, y1) to (x2, y2) and as wide as the pen, filled
// in device pixels: one thickness wherever it falls at a fractional scale, its ends on the
// device grid, where Qt's rounding of each line alone would make every other line bolder.
void QtGraphics::fillDeviceLine(Integer x1, Integer y1, Integer x2, Integer y2)
{
    const double scale = painter_.device() ? painter_.device()->devicePixelRatioF() : 1.0;
    const double width = static_cast<double>(std::max<Integer>(penWidth_, 1));
    const int thickness = std::max(1, static_cast<int>(std::lround(width * scale)));
    const QTransform toDevice = painter_.deviceTransform();
    const auto device = [&](double x, double y) { return toDevice.map(QPointF(x, y)); };
    // Where Qt's own square-capped pen would put it: centred on the pixel for an odd width, on
    // its corner for an even one, and reaching half the width beyond either end.
    const double centre = static_cast<int>(width) % 2 == 1 ? 0.5 : 0.0;
    const double half = width / 2;
    QRect area;
    if (y1 == y2) {
        const double y = static_cast<double>(y1) + centre;
        const QPointF from = device(static_cast<double>(std::min(x1, x2)) + centre - half, y);
        const QPointF to = device(static_cast<double>(std::max(x1, x2)) + centre + half, y);
        const int top = static_cast<int>(std::lround(from.y() - thickness / 2.0));
        const int left = static_cast<int>(std::lround(from.x()));
        area = QRect(left, top, std::max(1, static_cast<int>(std::lround(to.x())) - left), thickness);
    } else {
        const double x = static_cast<double>(x1) + centre;
        const QPointF from = device(x, static_cast<double>(std::min(y1, y2)) + centre - half);
        const QPointF to = device(x, static_cast<double>(std::max(y1, y2)) + centre + half);
        const int left = static_cast<int>(std::lround(from.x() - thickness / 2.0));
        const int top = static_cast<int>(std::lround(from.y()));
        area = QRect(left, top, thickness, std::max(1, static_cast<int>(std::lround(to.y())) - top));
    }
    painter_.save();
    painter_.setWorldTransform(toDevice.inverted() * painter_.worldTransform());
    painter_.fillRect(area, qColor(color_));
    painter_.restore();
}

void QtGraphics::DrawRect(Integer x, Integer y, Integer width, Integer height)
{
    if (width <= 0 || height <= 0)
        return;
    // The frame stays inside width x height, its four sides lines as DrawLine draws them.
    const Integer right = x + width - 1, bottom = y + height - 1;
    fillDeviceLine(x, y, right, y);
    fillDeviceLine(x, bottom, right, bottom);
    fillDeviceLine(x, y, x, bottom);
    fillDeviceLine(right, y, right, bottom);
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
