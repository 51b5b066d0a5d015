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
