#include "framework/qt/QtWindowPeer.h"

#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/Menu.h"
#include "framework/Window.h"
#include "framework/qt/ContentAccessibility.h"
#include "framework/qt/CanvasAndFrame.h"
#include "framework/qt/MenuBarKeyboard.h"
#include "framework/qt/QtGraphics.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>
#include <vector>

namespace framework::qt {

namespace {

Qt::WindowFlags windowFlagsFor(const WindowProperties& p)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (p.CloseButton)
        flags |= Qt::WindowCloseButtonHint;
    if (p.MinimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (p.MaximizeButton)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

} // namespace

QPoint framePosition(Integer left, Integer top, const QRect& screen, const QRect& available, const QMargins& frame)
{
    // Left and Top count from the main screen's corner, which need not be the desktop's, and
    // the corner of the frame, where the user grabs the window, never leaves the part of the
    // screen that panels leave free.
    const QPoint asked = screen.topLeft() + QPoint(static_cast<int>(left), static_cast<int>(top));
    return {std::max(asked.x(), available.left() + frame.left()), std::max(asked.y(), available.top() + frame.top())};
}

QtWindowPeer::QtWindowPeer(Window& window) : window_(window), frame_(new Frame(window))
{
    canvas_ = new Canvas(window, frame_);
    frame_->setCentralWidget(canvas_);
    menuBarChanged();
    positionChanged(); // before the window is first shown
    propertiesChanged();
    canvas_->syncControls();
}

QtWindowPeer::~QtWindowPeer()
{
    // The release of a closed window may run while one of its Qt window's events is handled,
    // and more may be queued: the Qt window lives on until the event loop deletes it, cut off
    // from the window.
    if (frame_) {
        canvas_->detach();
        frame_->detach();
        frame_->hide();
        frame_->deleteLater();
    }
}

void QtWindowPeer::propertiesChanged()
{
    if (!frame_)
        return;
    const WindowProperties& p = window_.properties();
    const Qt::WindowFlags flags = windowFlagsFor(p);
    if (flags != appliedFlags_) {
        appliedFlags_ = flags;
        const bool shown = frame_->isVisible();
        frame_->setWindowFlags(flags); // which hides a shown window
        if (shown)
            frame_->show();
    }
    titleChanged();
    const QSize size(static_cast<int>(p.Width), static_cast<int>(p.Height));
    if (p.Resizeable) {
        canvas_->setMinimumSize(static_cast<int>(p.MinWidth), static_cast<int>(p.MinHeight));
        canvas_->setMaximumSize(static_cast<int>(p.MaxWidth), static_cast<int>(p.MaxHeight));
        frame_->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        if (frame_->isVisible() && canvas_->size() != size)
            frame_->resize(frame_->size() + (size - canvas_->size()));
    } else {
        canvas_->setFixedSize(size);
        frame_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    canvas_->setPageColor(p.HasBackColor ? qColor(p.BackColor) : QColor(Qt::white));
    frame_->menuBar()->setVisible(p.MenuBarVisible);
    if (p.Visible && !frame_->isVisible() && !closed_)
        frame_->show();
}

void QtWindowPeer::titleChanged()
{
    if (frame_)
        frame_->setWindowTitle(QString::fromStdString(window_.Title()));
}

void QtWindowPeer::positionChanged()
{
    if (!frame_)
        return;
    // Placed where the window is asked to be, wherever the user has moved it since.
    QPoint position(static_cast<int>(window_.Left()), static_cast<int>(window_.Top()));
    // The window's own corner, not that of the frame the window manager draws around it: a
    // manager may take either for the corner of a window it has yet to show, and the frame's
    // size is known only once it is shown.
    const QRect inner = frame_->geometry();
    const QRect outer = frame_->frameGeometry();
    const QMargins margins(inner.left() - outer.left(), inner.top() - outer.top(), 0, 0);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        position = framePosition(window_.Left(), window_.Top(), screen->geometry(), screen->availableGeometry(),
                                 margins);
    if (frame_->geometry().topLeft() != position)
        frame_->setGeometry(QRect(position, frame_->size()));
}

void QtWindowPeer::controlChanged(RectControl& control)
{
    if (frame_)
        canvas_->sync(control);
}

void QtWindowPeer::menuBarChanged()
{
    if (!frame_)
        return;
    QMenuBar* bar = frame_->menuBar();
    // clear() removes the menus' actions but leaves the menus themselves to the menu bar.
    std::vector<QMenu*> oldMenus;
    for (QAction* action : bar->actions())
        if (auto* menu = action->menu<QMenu*>())
            oldMenus.push_back(menu);
    bar->clear();
    for (QMenu* menu : oldMenus)
        menu->deleteLater();
    if (MenuBar* model = window_.menuBar())
        for (Integer i = 0; i < model->Count(); ++i)
            addMenu(*bar, model->Item(i));
    keepMenuBarKeyboardVisible(*bar);
}

void QtWindowPeer::contentChanged(const std::vector<ContentPiece>& before, bool newScreen)
{
    if (frame_)
        canvas_->contentChanged(before, newScreen);
}

void QtWindowPeer::refresh()
{
    if (frame_)
        canvas_->update();
}

void QtWindowPeer::close()
{
    closed_ = true;
    if (frame_)
        frame_->closeFromFramework();
    // The framework frees a closed window once the event that closed it is over: deferred
    // as a deletion is, so that a loop the closing code enters (a message, a menu) leaves it.
    auto* release = new QObject;
    QObject::connect(release, &QObject::destroyed, [] { releaseClosedWindows(); });
    release->deleteLater();
}

QMainWindow* QtWindowPeer::frame() const
{
    return frame_;
}

void QtWindowPeer::addMenu(QMenuBar& bar, MenuItem& menuModel)
{
    QMenu* menu = bar.addMenu(QString::fromStdString(menuModel.Text()));
    menu->menuAction()->setObjectName(QString::fromStdString(menuModel.Name()));
    menu->menuAction()->setVisible(menuModel.Visible());
    for (Integer i = 0; i < menuModel.Count(); ++i) {
        MenuItem& item = menuModel.Item(i);
        QAction* action = item.isSeparator() ? menu->addSeparator()
                                             : menu->addAction(QString::fromStdString(item.Text()));
        action->setObjectName(QString::fromStdString(item.Name()));
        action->setShortcut(QKeySequence(QString::fromStdString(item.KeyboardShortcut())));
        if (dynamic_cast<QuitMenuItem*>(&item)) {
            action->setMenuRole(QAction::QuitRole);
            QObject::connect(action, &QAction::triggered, [] { RuntimeQuit(); });
        } else {
            action->setMenuRole(dynamic_cast<AppleMenuItem*>(&item) ? QAction::AboutRole : QAction::NoRole);
            const std::string name = item.Name();
            QObject::connect(action, &QAction::triggered, [name] {
                if (Application* app = GetAppObject())
                    app->chooseMenuItem(name);
            });
        }
    }
    QObject::connect(menu, &QMenu::aboutToShow, [menu, &menuModel] {
        if (Application* app = GetAppObject())
            app->raiseEnableMenuItems();
        for (QAction* action : menu->actions())
            if (const MenuItem* item = menuModel.Child(action->objectName().toStdString())) {
                action->setEnabled(item->Enabled());
                action->setVisible(item->Visible());
            }
    });
}

} // namespace framework::qt
