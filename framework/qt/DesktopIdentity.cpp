#include "framework/qt/DesktopIdentity.h"

#include <QApplication>
#include <QIcon>

namespace framework::qt {

void setDesktopIdentity()
{
    // The picture is compiled in (framework/CMakeLists.txt), so that a build run where it
    // was built shows it too; Qt's SVG icon engine draws it at each size asked for.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/merrowby/merrowby.svg")));
    // The base name of the installed desktop entry (data/org.example.merrowby.desktop).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.merrowby"));
}

} // namespace framework::qt
