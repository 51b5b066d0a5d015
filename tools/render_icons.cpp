// Renders the program's icon, data/merrowby.svg, into the images the window carries
// (data/icons/merrowby-SIZE.png), with Qt's SVG icon engine: scripts/render-icons.sh.
// A size whose own picture lies in the folder (merrowby-SIZE.svg, drawn for its pixel grid)
// is rendered from that one. The program itself then loads plain images and needs no SVG
// engine to start.
//
// merrowby_render_icons SVG FOLDER

#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

#include "framework/qt/DesktopIdentity.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SVG FOLDER\n", argv[0]);
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    for (const int size : framework::qt::IconSizes) {
        const QString own = QString("%1/merrowby-%2.svg").arg(folder).arg(size);
        const QIcon picture(QFileInfo::exists(own) ? own : QString::fromLocal8Bit(argv[1]));
        const QString path = QString("%1/merrowby-%2.png").arg(folder).arg(size);
        const QImage image = picture.pixmap(QSize(size, size), 1.0).toImage();
        if (image.size() != QSize(size, size) || !image.save(path)) {
            std::fprintf(stderr, "could not render %s (is Qt's SVG icon engine, libqt6svg6, installed?)\n",
                         qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
