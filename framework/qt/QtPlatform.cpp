#include "framework/qt/QtPlatform.h"

#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/Menu.h"
#include "framework/Window.h"
#include "framework/qt/QtGraphics.h"

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

#include <csignal>
#include <map>
#include <sys/socket.h>
#include <unistd.h>

namespace framework::qt {

namespace {

int signalSockets[2] = {-1, -1};

void onQuitSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalSockets[0], &byte, 1);
}

QColor qColor(Color color)
{
    return {color.red, color.green, color.blue};
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
        if (!button)
            button = create(control);
        button->setGeometry(static_cast<int>(control.Left()), static_cast<int>(control.Top()),
                            static_cast<int>(control.Width()), static_cast<int>(control.Height()));
        button->setEnabled(control.Enabled());
        button->setVisible(control.Visible());
        if (const auto* push = dynamic_cast<const PushButton*>(&control))
            button->setText(QString::fromStdString(push->Caption()));
        if (const auto* radio = dynamic_cast<const RadioButton*>(&control))
            button->setChecked(radio->Value());
    }

protected:
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
            radio->setAutoExclusive(false);  // the framework keeps the group exclusive
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
                sync(control);  // a click on a radio button may not leave Qt's state as ours
        });
        return button;
    }

    Window& window_;
    std::map<const RectControl*, QAbstractButton*> buttons_;
};

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
        frame_->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
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
        frame_->setWindowTitle(QString::fromStdString(p.Title));
        canvas_->setFixedSize(static_cast<int>(p.Width), static_cast<int>(p.Height));
        QPalette palette = canvas_->palette();
        palette.setColor(QPalette::Window, p.HasBackColor ? qColor(p.BackColor) : QColor(Qt::white));
        canvas_->setPalette(palette);
        frame_->menuBar()->setVisible(p.MenuBarVisible);
        frame_->layout()->setSizeConstraint(p.Resizeable ? QLayout::SetDefaultConstraint : QLayout::SetFixedSize);
        const QPoint position(static_cast<int>(window_.Left()), static_cast<int>(window_.Top()));
        if (position != placed_) {
            placed_ = position;
            frame_->move(position);
        }
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
    QPoint placed_{-1, -1};
    bool closed_ = false;
};

} // namespace

QtPlatform::QtPlatform()
{
    urlOpener = [](const std::string& address) {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
    };
}

QtPlatform::~QtPlatform()
{
    // Qt cannot be torn down among the static destructors; shutdown() does it in time.
    (void)application_.release();
}

void QtPlatform::shutdown()
{
    signalNotifier_.reset();
    application_.reset();
}

void QtPlatform::initialise(int argc, char** argv)
{
    if (QApplication::instance())
        return;
    static int storedArgc;
    storedArgc = argc;
    application_ = std::make_unique<QApplication>(storedArgc, argv);
    QApplication::setQuitOnLastWindowClosed(true);
}

void QtPlatform::runInitialization(const std::function<void()>& lateStartup)
{
    installQuitSignals();
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

std::vector<std::string> QtPlatform::fontFamilies()
{
    const QStringList installed = QFontDatabase::families();
    std::vector<std::string> families;
    families.reserve(static_cast<std::size_t>(installed.size()) + 2);
    for (const QString& family : installed)
        families.push_back(family.toStdString());
    // The Liberation faces are drawn in place of the classic faces whose metrics they share.
    if (installed.contains("Liberation Sans") && !installed.contains("Arial", Qt::CaseInsensitive))
        families.emplace_back("Arial");
    if (installed.contains("Liberation Serif") && !installed.contains("Times", Qt::CaseInsensitive))
        families.emplace_back("Times");
    return families;
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

void QtPlatform::installQuitSignals()
{
    if (signalNotifier_ || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0)
        return;
    signalNotifier_ = std::make_unique<QSocketNotifier>(signalSockets[1], QSocketNotifier::Read);
    QObject::connect(signalNotifier_.get(), &QSocketNotifier::activated, [] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(signalSockets[1], &byte, 1);
        // The desktop's quit request is the application's quit Apple event.
        Application* app = GetAppObject();
        if (app && app->raiseAppleEvent("aevt", "quit"))
            RuntimeQuit();
    });
    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
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
