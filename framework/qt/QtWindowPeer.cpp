#include "framework/qt/QtWindowPeer.h"

#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/Menu.h"
#include "framework/Window.h"
#include "framework/qt/ContentAccessibility.h"
#include "framework/qt/MenuBarKeyboard.h"
#include "framework/qt/QtGraphics.h"
#include "framework/qt/WindowWidgets.h"

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

QPoint windowCorner(Integer left, Integer top, const QRect& screen, const QRect& available, const QMargins& frame)
{
    // Left and Top count from the main screen's corner, which need not be the desktop's, and
    // the corner of the frame, where the user grabs the window, never leaves the part of the
    // screen that panels leave free.
    const QPoint asked = screen.topLeft() + QPoint(static_cast<int>(left), static_cast<int>(top));
    return {std::max(asked.x(), available.left() + frame.left()), std::max(asked.y(), available.top() + frame.top())};
}

QtWindowPeer::QtWindowPeer(Window& window) : window_(window), topLevel_(new TopLevelWindow(window))
{
    canvas_ = new Canvas(window, topLevel_);
    topLevel_->setCentralWidget(canvas_);
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
    if (topLevel_) {
        canvas_->detach();
        topLevel_->detach();
        topLevel_->hide();
        topLevel_->deleteLater();
    }
}

void QtWindowPeer::propertiesChanged()
{
    if (!topLevel_)
        return;
    const WindowProperties& p = window_.properties();
    const Qt::WindowFlags flags = windowFlagsFor(p);
    if (flags != appliedFlags_) {
        appliedFlags_ = flags;
        const bool shown = topLevel_->isVisible();
        topLevel_->setWindowFlags(flags); // which hides a shown window
        if (shown)
            topLevel_->show();
    }
    titleChanged();
    const QSize size(static_cast<int>(p.Width), static_cast<int>(p.Height));
    if (p.Resizeable) {
        canvas_->setMinimumSize(static_cast<int>(p.MinWidth), static_cast<int>(p.MinHeight));
        canvas_->setMaximumSize(static_cast<int>(p.MaxWidth), static_cast<int>(p.MaxHeight));
        topLevel_->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        if (topLevel_->isVisible() && canvas_->size() != size)
            topLevel_->resize(topLevel_->size() + (size - canvas_->size()));
    } else {
        canvas_->setFixedSize(size);
        topLevel_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    canvas_->setPageColor(p.HasBackColor ? qColor(p.BackColor) : QColor(Qt::white));
    topLevel_->menuBar()->setVisible(p.MenuBarVisible);
    if (p.Visible && !topLevel_->isVisible() && !closed_)
        topLevel_->show();
}

void QtWindowPeer::titleChanged()
{
    if (topLevel_)
        topLevel_->setWindowTitle(QString::fromStdString(window_.Title()));
}

void QtWindowPeer::positionChanged()
{
    if (!topLevel_)
        return;
    // Placed where the window is asked to be, wherever the user has moved it since.
    QPoint position(static_cast<int>(window_.Left()), static_cast<int>(window_.Top()));
    // The window's own corner, not that of the frame the window manager draws around it: a
    // manager may take either for the corner of a window it has yet to show, and the frame's
    // size is known only once it is shown.
    const QRect inner = topLevel_->geometry();
    const QRect outer = topLevel_->frameGeometry();
    const QMargins margins(inner.left() - outer.left(), inner.top() - outer.top(), 0, 0);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        position = windowCorner(window_.Left(), window_.Top(), screen->geometry(), screen->availableGeometry(),
                                margins);
    if (topLevel_->geometry().topLeft() != position)
        topLevel_->setGeometry(QRect(position, topLevel_->size()));
}

void QtWindowPeer::controlChanged(RectControl& control)
{
    if (topLevel_)
        canvas_->sync(control);
}

void QtWindowPeer::menuBarChanged()
{
    if (!topLevel_)
        return;
    QMenuBar* bar = topLevel_->menuBar();
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
    highlightMenuBarKeyboardTitle(*bar);
    letEscapeLeaveTheMenuBar(*bar);
}

void QtWindowPeer::contentChanged(const std::vector<ContentPiece>& before, bool newScreen)
{
    if (topLevel_)
        canvas_->contentChanged(before, newScreen);
}

void QtWindowPeer::refresh()
{
    if (topLevel_)
        canvas_->update();
}

void QtWindowPeer::close()
{
    closed_ = true;
    if (topLevel_)
        topLevel_->closeFromFramework();
    // The framework frees a closed window once the event that closed it is over: deferred
    // as a deletion is, so that a loop the closing code enters (a message, a menu) leaves it.
    auto* release = new QObject;
    QObject::connect(release, &QObject::destroyed, [] { releaseClosedWindows(); });
    release->deleteLater();
}

QMainWindow* QtWindowPeer::topLevelWindow() const
{
    return topLevel_;
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
