#include "framework/qt/DesktopIdentity.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace framework::qt {

namespace {

// The icon's images, compiled in (framework/CMakeLists.txt) so that a build run where it was
// built shows them too. Each is read only when a window system asks for its size, so that
// the icon costs nothing at start-up where nobody shows it.
class IconImages : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        // The smallest image that is large enough, else the largest, scaled to the size.
        const auto found = std::find_if(IconSizes.begin(), IconSizes.end(),
                                        [&size](int side) { return side >= std::max(size.width(), size.height()); });
        const int side = found != IconSizes.end() ? *found : IconSizes.back();
        QPixmap image(QStringLiteral(":/merrowby/icons/merrowby-%1.png").arg(side));
        if (image.size() != size && !image.isNull())
            image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return image;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : IconSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine* clone() const override { return new IconImages; }
    QString key() const override { return QStringLiteral("merrowby"); }
};

} // namespace

void setDesktopIdentity()
{
    QApplication::setWindowIcon(QIcon(new IconImages));
    // The base name of the installed desktop entry (data/org.example.merrowby.desktop).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.merrowby"));
}

} // namespace framework::qt
