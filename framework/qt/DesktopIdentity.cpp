#include "framework/qt/DesktopIdentity.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <memory>
#include <optional>

namespace framework::qt {

namespace {

// Qt's own icon of the images, made when a window system first asks for one of them (an X
// window manager's client, when the window is mapped): Qt decodes an image as it is added,
// and where nobody shows the icon (the offscreen platform, a Wayland compositor without
// window icons) start-up need not decode any.
class ImagesReadWhenAsked : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return images().pixmap(size, mode, state);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return images().pixmap(size / scale, scale, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return images().actualSize(size, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        images().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : IconSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine* clone() const override { return new ImagesReadWhenAsked(*this); }
    QString key() const override { return QStringLiteral("merrowby"); }

private:
    const QIcon& images()
    {
        if (!*images_) {
            // The images drawn from the icon's pictures, compiled in (framework/CMakeLists.txt)
            // so that a build run where it was built shows them too.
            QIcon icon;
            for (const int side : IconSizes)
                icon.addFile(QStringLiteral(":/merrowby/icons/merrowby-%1.png").arg(side), QSize(side, side));
            *images_ = icon;
        }
        return **images_;
    }

    // Shared by the copies Qt makes of the icon, which read the images once.
    std::shared_ptr<std::optional<QIcon>> images_ = std::make_shared<std::optional<QIcon>>();
};

} // namespace

QIcon programIcon()
{
    return QIcon(new ImagesReadWhenAsked);
}

void setDesktopIdentity()
{
    QApplication::setWindowIcon(programIcon());
    // The base name of the installed desktop entry (data/org.example.merrowby.desktop).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.merrowby"));
}

} // namespace framework::qt
