#include "framework/qt/DesktopIdentity.h"

#include <QApplication>
#include <QIcon>

namespace framework::qt {

void setDesktopIdentity()
{
    // The icon's images drawn from its picture, compiled in (framework/CMakeLists.txt) so that
    // a build run where it was built shows them too.
    QIcon icon;
    for (const int side : IconSizes)
        icon.addFile(QStringLiteral(":/merrowby/icons/merrowby-%1.png").arg(side), QSize(side, side));
    QApplication::setWindowIcon(icon);
    // The base name of the installed desktop entry (data/org.example.merrowby.desktop).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.merrowby"));
}

} // namespace framework::qt
