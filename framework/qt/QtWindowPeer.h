#pragma once

#include "framework/Platform.h"

#include <QMargins>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <Qt>

class QMainWindow;
class QMenuBar;

namespace framework {
class MenuItem;
}

namespace framework::qt {

class Canvas;
class TopLevelWindow;

// Where a window's own top left corner stands on the desktop, for its Left and Top, the main
// screen's geometry and available area, and the frame the window manager draws around it.
QPoint windowCorner(Integer left, Integer top, const QRect& screen, const QRect& available, const QMargins& frame = {});

// A framework window on screen: a TopLevelWindow with the menu bar inside it and the Canvas as
// its content area.
class QtWindowPeer : public WindowPeer {
public:
    explicit QtWindowPeer(Window& window);
    ~QtWindowPeer() override;

    void propertiesChanged() override;
    void titleChanged() override;
    void positionChanged() override;
    void controlChanged(RectControl& control) override;
    void menuBarChanged() override;
    void contentChanged(const std::vector<ContentPiece>& before, bool newScreen) override;
    void refresh() override;
    void close() override;

    QMainWindow* topLevelWindow() const;

private:
    void addMenu(QMenuBar& bar, MenuItem& menuModel);

    Window& window_;
    QPointer<TopLevelWindow> topLevel_;
    Canvas* canvas_ = nullptr;
    Qt::WindowFlags appliedFlags_;
    bool closed_ = false;
};

} // namespace framework::qt
