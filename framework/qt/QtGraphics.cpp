#include "framework/qt/QtGraphics.h"

#include "framework/Runtime.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <array>
#include <cmath>

namespace framework::qt {

namespace {

enum class Face { Sans, Serif };

struct Substitute {
    const char* name;
    Face face;
};

constexpr std::array substitutes{
    Substitute{"geneva", Face::Sans},  Substitute{"arial", Face::Sans},     Substitute{"system", Face::Sans},
    Substitute{"times", Face::Serif},  Substitute{"roman", Face::Serif},    Substitute{"palatino", Face::Serif},
};

QString faceFamily(Face face)
{
    const bool sans = face == Face::Sans;
    const QString preferred = sans ? QStringLiteral("Liberation Sans") : QStringLiteral("Liberation Serif");
    if (QFontDatabase::families().contains(preferred))
        return preferred;
    return sans ? QStringLiteral("Sans Serif") : QStringLiteral("Serif");
}

QColor qColor(Color color)
{
    return {color.red, color.green, color.blue};
}

} // namespace

QString resolveFamily(const std::string& name)
{
    for (const auto& substitute : substitutes)
        if (StringsEqual(name, substitute.name))
            return faceFamily(substitute.face);
    return QString::fromStdString(name);
}

QFont fontFor(const std::string& name, double points)
{
    QFont font(resolveFamily(name));
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
    painter_.drawText(QPoint(static_cast<int>(x), static_cast<int>(y)), QString::fromStdString(text));
}

double QtGraphics::StringWidth(const std::string& text)
{
    return QFontMetricsF(painter_.font()).horizontalAdvance(QString::fromStdString(text));
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
        painter_.fillRect(area, qColor(color_));  // a dot this small is its square
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
