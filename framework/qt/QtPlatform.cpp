#include "framework/qt/QtPlatform.h"

#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/Menu.h"
#include "framework/Window.h"
#include "framework/qt/QtGraphics.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sys/socket.h>
#include <unistd.h>
#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#define MERROWBY_HAS_XCB 1
#endif

namespace framework::qt {

namespace {

int signalSockets[2] = {-1, -1};

void onQuitSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    // A full socket already holds a quit request: the byte may be dropped.
    [[maybe_unused]] const auto written = ::write(signalSockets[0], &byte, 1);
    errno = savedErrno;
}

constexpr const char* NoDisplayMessage =
    "Merrowby needs a display to show its window, and could not open one\n"
    "(no DISPLAY or WAYLAND_DISPLAY is set, or its server cannot be reached).\n"
    "To run it without a display, start it with `make run`, which starts a virtual X\n"
    "display (Xvfb) when there is none.\n";

QtMessageHandler qtMessageHandler = nullptr;

// Qt ends a start-up without a window system with an abort; the program says why and
// exits with a plain failure instead.
void onStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fputs(NoDisplayMessage, stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (qtMessageHandler)
        qtMessageHandler(type, context, message);
}

// The content area: paints through the window's Paint event, reports clicks and keys, and
// holds the controls' Qt buttons.
class Canvas : public QWidget {
public:
    Canvas(Window& window, QWidget* parent) : QWidget(parent), window_(window)
    {
        setFocusPolicy(Qt::StrongFocus);
        setAutoFillBackground(true);
    }

    void syncControls()
    {
        for (const auto& control : window_.controls())
            sync(*control);
    }

    void sync(RectControl& control)
    {
        QAbstractButton*& button = buttons_[&control];
        if (!button) {
            button = create(control);
            tabIndexes_[button] = control.TabIndex();
            applyTabOrder();
        } else if (tabIndexes_[button] != control.TabIndex()) {
            tabIndexes_[button] = control.TabIndex();
            applyTabOrder();
        }
        button->setGeometry(static_cast<int>(control.Left()), static_cast<int>(control.Top()),
                            static_cast<int>(control.Width()), static_cast<int>(control.Height()));
        if (!control.Enabled() && button->hasFocus())
            focusCheckedRadioButton();
        button->setEnabled(control.Enabled());
        button->setVisible(control.Visible());
        if (const auto* push = dynamic_cast<const PushButton*>(&control))
            button->setText(QString::fromStdString(push->Caption()));
        if (const auto* radio = dynamic_cast<const RadioButton*>(&control))
            button->setChecked(radio->Value());
    }

    QSize sizeHint() const override { return {static_cast<int>(window_.Width()), static_cast<int>(window_.Height())}; }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        if (window_.properties().Resizeable && isVisible())
            window_.contentResized(width(), height());
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QtGraphics g(painter);
        window_.raisePaint(g);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        const QPoint at = event->position().toPoint();
        window_.raiseMouseDown(at.x(), at.y());
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            for (auto* button : window_.controlsOfKind<PushButton>())
                if (button->Default() && button->Enabled() && button->Visible()) {
                    callGuarded([button] { button->click(); });
                    return;
                }
        window_.raiseKeyDown(event->text().toStdString());
    }

private:
    QAbstractButton* create(RectControl& control)
    {
        QAbstractButton* button = nullptr;
        if (dynamic_cast<RadioButton*>(&control)) {
            auto* radio = new QRadioButton(this);
            radio->setAutoExclusive(false); // the framework keeps the group exclusive
            button = radio;
        } else {
            button = new QPushButton(this);
        }
        button->setObjectName(QString::fromStdString(control.Name()));
        if (control.Index() != RectControl::NoIndex)
            button->setProperty("index", static_cast<qlonglong>(control.Index()));
        button->setFont(fontFor(control.TextFont(), control.TextSize()));
        QObject::connect(button, &QAbstractButton::clicked, this, [this, &control] {
            callGuarded([&control] { control.click(); });
            if (buttons_.count(&control))
                sync(control); // a click on a radio button may not leave Qt's state as ours
        });
        return button;
    }

    // A button disabled under the keyboard focus would hand it to the next control in tab
    // order, which a second key press would then press; the checked answer takes it instead.
    void focusCheckedRadioButton()
    {
        for (const auto& [control, button] : buttons_)
            if (auto* radio = qobject_cast<QRadioButton*>(button))
                if (radio->isChecked() && control->Enabled() && control->Visible()) {
                    radio->setFocus(Qt::OtherFocusReason);
                    return;
                }
    }

    void applyTabOrder()
    {
        std::vector<QAbstractButton*> order;
        for (const auto& control : window_.controls())
            if (const auto found = buttons_.find(control.get()); found != buttons_.end() && found->second)
                order.push_back(found->second);
        std::stable_sort(order.begin(), order.end(),
                         [this](QAbstractButton* a, QAbstractButton* b) { return tabIndexes_[a] < tabIndexes_[b]; });
        for (std::size_t i = 1; i < order.size(); ++i)
            QWidget::setTabOrder(order[i - 1], order[i]);
    }

    Window& window_;
    std::map<const RectControl*, QAbstractButton*> buttons_;
    std::map<const QAbstractButton*, Integer> tabIndexes_;
};

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

class Frame : public QMainWindow {
public:
    explicit Frame(Window& window) : window_(window) {}

    void closeFromFramework()
    {
        closing_ = true;
        close();
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (!closing_)
            callGuarded([this] { window_.Close(); });
        event->accept();
    }

private:
    Window& window_;
    bool closing_ = false;
};

class QtWindowPeer : public WindowPeer {
public:
    explicit QtWindowPeer(Window& window) : window_(window), frame_(new Frame(window))
    {
        canvas_ = new Canvas(window, frame_);
        frame_->setCentralWidget(canvas_);
        menuBarChanged();
        propertiesChanged();
        canvas_->syncControls();
    }

    ~QtWindowPeer() override { delete frame_.data(); }

    void propertiesChanged() override
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
        frame_->setWindowTitle(QString::fromStdString(p.Title));
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
        QPalette palette = canvas_->palette();
        palette.setColor(QPalette::Window, p.HasBackColor ? qColor(p.BackColor) : QColor(Qt::white));
        canvas_->setPalette(palette);
        frame_->menuBar()->setVisible(p.MenuBarVisible);
        // Placed where the window is asked to be, wherever the user has moved it since, but
        // never with its top left corner off the screen.
        QPoint position(static_cast<int>(window_.Left()), static_cast<int>(window_.Top()));
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            position = QPoint(std::max(position.x(), area.left()), std::max(position.y(), area.top()));
        }
        if (frame_->pos() != position)
            frame_->move(position);
        if (p.Visible && !frame_->isVisible() && !closed_)
            frame_->show();
    }

    void controlChanged(RectControl& control) override
    {
        if (frame_)
            canvas_->sync(control);
    }

    void menuBarChanged() override
    {
        if (!frame_)
            return;
        QMenuBar* bar = frame_->menuBar();
        bar->clear();
        if (MenuBar* model = window_.menuBar())
            for (Integer i = 0; i < model->Count(); ++i)
                addMenu(*bar, model->Item(i));
    }

    void refresh() override
    {
        if (frame_)
            canvas_->update();
    }

    void close() override
    {
        closed_ = true;
        if (frame_)
            frame_->closeFromFramework();
        // The framework frees a closed window once the event that closed it is over.
        QTimer::singleShot(0, [] { releaseClosedWindows(); });
    }

    QMainWindow* frame() const { return frame_; }

private:
    void addMenu(QMenuBar& bar, MenuItem& menuModel)
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

    Window& window_;
    QPointer<Frame> frame_;
    Canvas* canvas_ = nullptr;
    Qt::WindowFlags appliedFlags_;
    bool closed_ = false;
};

#ifdef MERROWBY_HAS_XCB
// A window destroyed from outside (by another X client) ends as a close by the user does.
class DestroyedWindowWatcher : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
            return false;
        const auto destroyed = static_cast<const xcb_destroy_notify_event_t*>(message)->window;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* frame = dynamic_cast<Frame*>(widget))
                if (frame->isVisible() && frame->internalWinId() == destroyed)
                    QTimer::singleShot(0, frame, [frame] { frame->close(); });
        return false;
    }
};
#endif

} // namespace

void installQuitSignals()
{
    if (signalSockets[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSockets) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

QtPlatform::QtPlatform()
{
    urlOpener = [](const std::string& address) { QDesktopServices::openUrl(QUrl(QString::fromStdString(address))); };
}

QtPlatform::~QtPlatform()
{
    // Qt cannot be torn down among the static destructors; shutdown() does it in time.
    (void)application_.release();
    (void)destroyedWindowWatcher_.release();
}

void QtPlatform::shutdown()
{
    signalNotifier_.reset();
    if (destroyedWindowWatcher_ && application_)
        application_->removeNativeEventFilter(destroyedWindowWatcher_.get());
    destroyedWindowWatcher_.reset();
    application_.reset();
}

void QtPlatform::initialise(int argc, char** argv)
{
    if (QApplication::instance())
        return;
    static int storedArgc;
    storedArgc = argc;
    qtMessageHandler = qInstallMessageHandler(onStartupMessage);
    application_ = std::make_unique<QApplication>(storedArgc, argv);
    qInstallMessageHandler(qtMessageHandler);
    QApplication::setQuitOnLastWindowClosed(true);
    QObject::connect(application_.get(), &QGuiApplication::fontDatabaseChanged, [] { fontCatalogue().forget(); });
#ifdef MERROWBY_HAS_XCB
    if (QGuiApplication::platformName() == "xcb") {
        destroyedWindowWatcher_ = std::make_unique<DestroyedWindowWatcher>();
        application_->installNativeEventFilter(destroyedWindowWatcher_.get());
    }
#endif
    watchQuitSignals();
}

void QtPlatform::runInitialization(const std::function<void()>& lateStartup)
{
    lateStartup();
}

int QtPlatform::run()
{
    return QApplication::exec();
}

void QtPlatform::quit()
{
    QCoreApplication::quit();
}

std::unique_ptr<WindowPeer> QtPlatform::createWindowPeer(Window& window)
{
    return std::make_unique<QtWindowPeer>(window);
}

const std::vector<std::string>& QtPlatform::fontFamilies()
{
    return fontCatalogue().families();
}

ScreenInfo QtPlatform::mainScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect geometry = screen->geometry();
    return {geometry.width(), geometry.height()};
}

void QtPlatform::openURL(const std::string& address)
{
    if (urlOpener)
        urlOpener(address);
}

void QtPlatform::watchQuitSignals()
{
    if (signalNotifier_ || signalSockets[1] < 0)
        return;
    // The socket keeps what arrived before Qt was up: the notifier reports it once the
    // event loop runs.
    signalNotifier_ = std::make_unique<QSocketNotifier>(signalSockets[1], QSocketNotifier::Read);
    QObject::connect(signalNotifier_.get(), &QSocketNotifier::activated, [] {
        char bytes[256];
        while (::read(signalSockets[1], bytes, sizeof bytes) > 0) {
        }
        // The desktop's quit request is the application's quit Apple event.
        Application* app = GetAppObject();
        if (app && app->raiseAppleEvent("aevt", "quit"))
            RuntimeQuit();
    });
}

QtPlatform& useQtPlatform()
{
    static QtPlatform qtPlatform;
    setPlatform(&qtPlatform);
    return qtPlatform;
}

QMainWindow* nativeWindow(const Window& window)
{
    const auto* peer = dynamic_cast<const QtWindowPeer*>(window.peer());
    return peer ? peer->frame() : nullptr;
}

} // namespace framework::qt
