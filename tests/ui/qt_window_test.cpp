// The window as Qt shows it: where it stands on the screen, its title-bar buttons, its
// size limits, the keyboard's tab order and focus.

#include "support/AppHarness.h"

#include "framework/Runtime.h"
#include "framework/Window.h"
#include "framework/qt/QtPlatform.h"
#include "quiz/Module1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QEventLoop>
#include <QTimer>

#include <cxxabi.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <typeinfo>

using namespace Module1;
using framework::ControlProperties;
using framework::PushButton;
using framework::WindowProperties;
using testing_support::AppTest;

void PrintTo(const QPoint& point, std::ostream* out)
{
    *out << "(" << point.x() << ", " << point.y() << ")";
}

void PrintTo(const QSize& size, std::ostream* out)
{
    *out << size.width() << " x " << size.height();
}

namespace {

// A window of the framework with the properties and push buttons a test gives it; a paint
// re-centres it on the main screen, as the program's window does.
class TestWindow : public framework::Window {
public:
    static constexpr const char* ClassName = "tests.TestWindow";
    static inline WindowProperties nextProperties;
    static inline std::vector<std::pair<std::string, Integer>> nextButtons; // name, TabIndex
    static inline std::function<void(framework::RectControl&)> nextAction;   // of every button

    static inline int freed = 0;

    TestWindow() : Window(ClassName) {}
    ~TestWindow() override { ++freed; }

protected:
    void CreateControls() override
    {
        for (const auto& [name, tabIndex] : nextButtons) {
            ControlProperties properties;
            properties.Left = 10;
            properties.Top = 10 + 30 * static_cast<Integer>(controls().size());
            properties.Width = 60;
            properties.Height = 20;
            properties.Caption = name;
            properties.TabIndex = tabIndex;
            auto& button = AddControl(std::make_unique<PushButton>(name));
            button.SetProperties(properties);
            button.Action = nextAction;
        }
    }
    void Layout() override { SetProperties(nextProperties); }
    void Event_Paint(framework::Graphics&) override
    {
        const auto screen = framework::Screen(0);
        setPosition(static_cast<Integer>(framework::Floor(static_cast<double>(screen.Width - Width()) / 2)),
                    static_cast<Integer>(framework::Floor(static_cast<double>(screen.Height - Height()) / 2)));
    }
};

class QtWindow : public AppTest {
protected:
    void TearDown() override
    {
        if (auto* test = framework::GetImplicitWindow(TestWindow::ClassName))
            test->Close();
        framework::releaseClosedWindows();
        AppTest::TearDown();
    }

    static QMainWindow* frame() { return framework::qt::nativeWindow(window()); }

    static QMainWindow* openTestWindow(const WindowProperties& properties,
                                       std::vector<std::pair<std::string, Integer>> buttons = {})
    {
        TestWindow::nextProperties = properties;
        TestWindow::nextButtons = std::move(buttons);
        TestWindow::nextAction = nullptr;
        return framework::qt::nativeWindow(framework::newWindow<TestWindow>());
    }

    static void paint(QMainWindow* frame) { frame->centralWidget()->grab(); }

    static QRadioButton* radio(Integer index)
    {
        for (QRadioButton* button : frame()->findChildren<QRadioButton*>("answerButton"))
            if (button->property("index").toLongLong() == index)
                return button;
        return nullptr;
    }

    static void pressSpace(QWidget* widget)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }

    // The names of the buttons in the order Tab reaches them, from the content area on.
    static std::vector<std::string> tabOrder(QMainWindow* frame)
    {
        std::vector<std::string> names;
        QWidget* start = frame->centralWidget();
        for (QWidget* w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain())
            if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->parentWidget() == start) {
                std::string name = button->objectName().toStdString();
                if (button->property("index").isValid())
                    name += "(" + std::to_string(button->property("index").toLongLong()) + ")";
                names.push_back(name);
            }
        return names;
    }
};

TEST_F(QtWindow, TheWindowIsPlacedInTheMiddleBeforeItsFirstPaint)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint middle((screen.width() - 511) / 2, (screen.height() - 306) / 2);
    EXPECT_EQ(QPoint(static_cast<int>(window().Left()), static_cast<int>(window().Top())), middle);
}

TEST_F(QtWindow, APaintPutsAWindowTheUserMovedBackInTheMiddle)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint middle((screen.width() - 511) / 2, (screen.height() - 306) / 2);
    for (const Integer shown : {ScreenIntro, ScreenQuiz, ScreenAboutFromIntro}) {
        gWindow = shown;
        paint(frame());
        ASSERT_EQ(frame()->geometry().topLeft(), middle) << "screen " << shown;
        frame()->move(middle + QPoint(-40, 25)); // the user drags the window
        ASSERT_NE(frame()->geometry().topLeft(), middle);
        paint(frame());
        EXPECT_EQ(frame()->geometry().topLeft(), middle) << "screen " << shown;
    }
}

TEST_F(QtWindow, AWindowLargerThanTheScreenKeepsItsTopLeftCornerOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        int extraWidth, extraHeight;
    } cases[] = {{200, 100}, {200, -100}, {-100, 150}};
    for (const auto& c : cases) {
        WindowProperties properties;
        properties.Width = screen.width() + c.extraWidth;
        properties.Height = screen.height() + c.extraHeight;
        properties.Resizeable = false;
        QMainWindow* test = openTestWindow(properties);
        paint(test);
        EXPECT_GE(test->frameGeometry().left(), screen.left()) << c.extraWidth << " x " << c.extraHeight;
        EXPECT_GE(test->frameGeometry().top(), screen.top()) << c.extraWidth << " x " << c.extraHeight;
        if (c.extraWidth < 0) {
            EXPECT_EQ(test->geometry().left(), (screen.width() - static_cast<int>(properties.Width)) / 2);
        }
        if (c.extraHeight < 0) {
            EXPECT_EQ(test->geometry().top(), (screen.height() - static_cast<int>(properties.Height)) / 2);
        }
        framework::GetImplicitWindow(TestWindow::ClassName)->Close();
        framework::releaseClosedWindows();
    }
}

TEST_F(QtWindow, TheTitleBarShowsTheButtonsThePropertiesAskFor)
{
    // The program's window: a close box and a minimise box, no maximise box.
    EXPECT_TRUE(frame()->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(frame()->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(frame()->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    const struct {
        bool close, minimize, maximize;
    } cases[] = {{false, false, false}, {true, false, true}, {false, true, false}, {true, true, true}};
    for (const auto& c : cases) {
        WindowProperties properties;
        properties.CloseButton = c.close;
        properties.MinimizeButton = c.minimize;
        properties.MaximizeButton = c.maximize;
        const Qt::WindowFlags flags = openTestWindow(properties)->windowFlags();
        SCOPED_TRACE(testing::Message() << "close " << c.close << ", minimise " << c.minimize << ", maximise "
                                        << c.maximize);
        EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), c.close);
        EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), c.minimize);
        EXPECT_EQ(flags.testFlag(Qt::WindowMaximizeButtonHint), c.maximize);
        framework::GetImplicitWindow(TestWindow::ClassName)->Close();
        framework::releaseClosedWindows();
    }
}

TEST_F(QtWindow, AResizeableWindowKeepsWithinItsLimitsAndAFixedOneToItsSize)
{
    WindowProperties properties;
    properties.Width = 200;
    properties.Height = 150;
    properties.MinWidth = 100;
    properties.MinHeight = 80;
    properties.MaxWidth = 400;
    properties.MaxHeight = 300;
    properties.Resizeable = true;
    QMainWindow* test = openTestWindow(properties);
    QWidget* content = test->centralWidget();
    EXPECT_EQ(content->size(), QSize(200, 150));
    EXPECT_EQ(content->minimumSize(), QSize(100, 80));
    EXPECT_EQ(content->maximumSize(), QSize(400, 300));
    test->resize(1000, 1000);
    EXPECT_EQ(content->size(), QSize(400, 300));
    // The window's content size follows what the user made of it.
    auto* model = framework::GetImplicitWindow(TestWindow::ClassName);
    EXPECT_EQ(model->Width(), 400);
    EXPECT_EQ(model->Height(), 300);
    model->Close();
    framework::releaseClosedWindows();

    // The program's window is not resizeable: its limits are its size.
    frame()->resize(1000, 1000);
    EXPECT_EQ(frame()->centralWidget()->size(), QSize(511, 306));
    EXPECT_EQ(window().Width(), 511);
}

TEST_F(QtWindow, TabMovesThroughTheControlsInTheirTabIndexOrder)
{
    EXPECT_EQ(tabOrder(frame()),
              (std::vector<std::string>{"OkayButton", "PassButton", "answerButton(0)", "answerButton(1)",
                                        "answerButton(2)", "answerButton(3)", "answerButton(4)"}));
    // Made in another order than their tab indexes.
    QMainWindow* test = openTestWindow(WindowProperties{}, {{"third", 2}, {"first", 0}, {"second", 1}});
    EXPECT_EQ(tabOrder(test), (std::vector<std::string>{"first", "second", "third"}));
}

TEST_F(QtWindow, AfterAWrongAnswerTheKeyboardFocusGoesToTheCheckedAnswer)
{
    choose("StatisticalDataProducingData");
    const Integer question = gWhichQ;
    const Integer wrong = gCorrAnswer == 1 ? 2 : 1;
    QRadioButton* checked = radio(wrong - 1);
    ASSERT_NE(checked, nullptr);
    checked->click();
    auto* okay = frame()->findChild<QPushButton*>("OkayButton");
    QApplication::setActiveWindow(frame());
    okay->setFocus();
    ASSERT_TRUE(okay->hasFocus());

    pressSpace(okay);
    ASSERT_EQ(gPaintHint, 1);
    EXPECT_FALSE(okay->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), checked);

    // A second Space does not pass the question.
    pressSpace(QApplication::focusWidget());
    EXPECT_EQ(gWhichQ, question);
    EXPECT_EQ(gQuestion(gType, question), StatusOpen);
    EXPECT_EQ(gNumLeft(gType), 30);
}

// Qt's tools, qobject_cast and findChild know an object by the class its meta-object names:
// each of the framework's own objects, the window and its content area among them, names its
// own class there, the one the compiler knows it by, and not a Qt class it derives from.
TEST_F(QtWindow, TheFrameworksQtObjectsNameTheirOwnClassesToQt)
{
    const auto compilersName = [](const QObject* object) {
        int status = 0;
        char* demangled = abi::__cxa_demangle(typeid(*object).name(), nullptr, nullptr, &status);
        std::string name = status == 0 ? demangled : typeid(*object).name();
        std::free(demangled);
        // The meta-object leaves out a namespace without a name.
        for (const std::string anonymous = "(anonymous namespace)::"; name.find(anonymous) != std::string::npos;)
            name.erase(name.find(anonymous), anonymous.size());
        return name;
    };
    QMainWindow* shown = frame();
    ASSERT_NE(shown, nullptr);
    QObjectList objects{qApp};
    for (QWidget* topLevel : QApplication::topLevelWidgets())
        objects.append(topLevel);
    for (qsizetype i = 0; i < objects.size(); ++i)
        for (QObject* child : objects[i]->children())
            if (!objects.contains(child))
                objects.append(child);
    ASSERT_TRUE(objects.contains(shown->centralWidget()));

    int ours = 0;
    for (const QObject* object : objects) {
        const std::string name = compilersName(object);
        if (!name.starts_with("framework::"))
            continue;
        ++ours;
        EXPECT_EQ(object->metaObject()->className(), name);
    }
    EXPECT_GE(ours, 2) << "the window and its content area at least";
    EXPECT_EQ(shown->metaObject()->className(), compilersName(shown));
    EXPECT_EQ(shown->centralWidget()->metaObject()->className(), compilersName(shown->centralWidget()));
}

TEST_F(QtWindow, RebuildingTheMenuBarLeavesNoMenusOfTheOldOne)
{
    QMenuBar* bar = frame()->menuBar();
    const auto menus = [bar] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return bar->findChildren<QMenu*>().size();
    };
    const auto built = menus();
    ASSERT_GT(built, 0);
    for (int rebuild = 1; rebuild <= 3; ++rebuild) {
        window().setMenuBar(window().menuBar());
        EXPECT_EQ(menus(), built) << "after rebuild " << rebuild;
    }
}

// The Qt window of a freed window goes when the event loop next turns, as Qt's objects are
// safely deleted: the release may run while one of its events is still being handled.
TEST_F(QtWindow, AFreedWindowsQtWindowIsDeletedByTheEventLoop)
{
    QPointer<QMainWindow> test = openTestWindow(WindowProperties{});
    framework::GetImplicitWindow(TestWindow::ClassName)->Close();
    framework::releaseClosedWindows();
    EXPECT_TRUE(test) << "deleted at once, under whatever event was being handled";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(test) << "never deleted";
}

// Between the release of a closed window and the deletion of its Qt window, events already
// queued for the Qt window (a key, a click, a paint) still arrive: they find no window behind
// it and do nothing (the sanitizer build sees any that reaches the freed window).
TEST_F(QtWindow, EventsQueuedForAFreedWindowReachNothing)
{
    const std::pair<const char*, std::function<void(QMainWindow*)>> deliveries[] = {
        {"a key on the content area",
         [](QMainWindow* frame) {
             QCoreApplication::postEvent(frame->centralWidget(),
                                         new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
         }},
        {"Return on a button",
         [](QMainWindow* frame) {
             QCoreApplication::postEvent(frame->findChild<QPushButton*>("Okay"),
                                         new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
         }},
        {"a click on the content area",
         [](QMainWindow* frame) {
             const QPointF at(30, 100);
             QCoreApplication::postEvent(frame->centralWidget(),
                                         new QMouseEvent(QEvent::MouseButtonPress, at, frame->mapToGlobal(at),
                                                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
         }},
        {"a click on a button",
         [](QMainWindow* frame) {
             QMetaObject::invokeMethod(frame->findChild<QPushButton*>("Okay"), &QAbstractButton::click,
                                       Qt::QueuedConnection);
         }},
        {"a paint of the content area",
         [](QMainWindow* frame) {
             QMetaObject::invokeMethod(
                 frame->centralWidget(), [frame] { frame->centralWidget()->grab(); }, Qt::QueuedConnection);
         }},
    };
    for (const auto& [what, deliver] : deliveries) {
        WindowProperties properties;
        properties.Width = 200;
        properties.Height = 150;
        QPointer<QMainWindow> test = openTestWindow(properties, {{"Okay", 0}});
        ASSERT_NE(test->findChild<QPushButton*>("Okay"), nullptr);
        framework::GetImplicitWindow(TestWindow::ClassName)->Close();
        framework::releaseClosedWindows();
        ASSERT_TRUE(test) << what;
        deliver(test);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(framework::GetImplicitWindow(TestWindow::ClassName), nullptr) << what;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(test) << what;
    }
}

// Closed with its close box, a window is the framework's no longer: it is freed once the event
// that closed it is over, and its Qt window with it.
TEST_F(QtWindow, AWindowTheUserClosesIsFreedAfterTheCloseEvent)
{
    QPointer<QMainWindow> test = openTestWindow(WindowProperties{});
    ASSERT_TRUE(test->isVisible());
    const int freedBefore = TestWindow::freed;
    test->close(); // the close event the close box sends
    EXPECT_EQ(framework::GetImplicitWindow(TestWindow::ClassName), nullptr) << "still the open window";
    EXPECT_EQ(TestWindow::freed, freedBefore) << "freed under its own close event";
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(TestWindow::freed, freedBefore + 1) << "the framework still holds the closed window";
    EXPECT_FALSE(test) << "its Qt window stays";
}

// A button that closes its window and then waits in an event loop of its own (a message, a
// menu): the window stays until that loop is left and the click is over, and the click then
// touches nothing of the freed window (the sanitizer build sees any use of it).
TEST_F(QtWindow, AWindowClosedByItsButtonOutlivesANestedEventLoop)
{
    const int freedBefore = TestWindow::freed;
    int freedInTheLoop = -1;
    TestWindow::nextProperties = WindowProperties{};
    TestWindow::nextButtons = {{"Close", 0}};
    TestWindow::nextAction = [&](framework::RectControl& sender) {
        sender.window()->Close();
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] {
            QCoreApplication::sendPostedEvents();
            freedInTheLoop = TestWindow::freed - freedBefore;
            loop.quit();
        });
        loop.exec();
    };
    QPointer<QMainWindow> test = framework::qt::nativeWindow(framework::newWindow<TestWindow>());
    auto* button = test->findChild<QPushButton*>("Close");
    ASSERT_NE(button, nullptr);
    // Clicked from the event loop, as the user's click is.
    QEventLoop outer;
    QTimer::singleShot(0, &outer, [&] {
        button->click();
        outer.quit();
    });
    outer.exec();
    EXPECT_EQ(freedInTheLoop, 0) << "freed inside the nested event loop, under the click";
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(TestWindow::freed, freedBefore + 1) << "the closed window is never freed";
    EXPECT_FALSE(test) << "its Qt window stays";
}

// A click that frees its own window leaves the click's end nothing to touch.
TEST_F(QtWindow, AButtonThatFreesItsWindowEndsItsClickCleanly)
{
    const int freedBefore = TestWindow::freed;
    TestWindow::nextProperties = WindowProperties{};
    TestWindow::nextButtons = {{"Close", 0}};
    TestWindow::nextAction = [](framework::RectControl& sender) {
        sender.window()->Close();
        framework::releaseClosedWindows();
    };
    QPointer<QMainWindow> test = framework::qt::nativeWindow(framework::newWindow<TestWindow>());
    test->findChild<QPushButton*>("Close")->click();
    EXPECT_EQ(TestWindow::freed, freedBefore + 1);
}

// A button's own redraw (hover, focus, press) and a change of the active window are not the
// window's Paint: a window the user moved stays where it was put. A Refresh still
// re-centres it.
TEST_F(QtWindow, OnlyTheWindowsOwnPaintsPutAMovedWindowBackInTheMiddle)
{
    choose("StatisticalDataProducingData");
    QWidget* content = frame()->centralWidget();
    QApplication::processEvents();
    paint(frame());
    const QPoint middle = frame()->pos();
    const QPoint moved = middle + QPoint(-40, 25);
    auto* okay = frame()->findChild<QPushButton*>("OkayButton");
    auto* pass = frame()->findChild<QPushButton*>("PassButton");
    ASSERT_TRUE(pass->isVisible());

    const std::pair<const char*, std::function<void()>> redraws[] = {
        {"Pass redraws itself", [&] { pass->repaint(); }},
        {"an answer redraws itself", [&] { radio(2)->repaint(); }},
        {"the pointer rests on Pass",
         [&] {
             QEvent enter(QEvent::Enter);
             QApplication::sendEvent(pass, &enter);
             pass->update();
         }},
        {"the focus moves from the content area to Pass and back",
         [&] {
             QApplication::setActiveWindow(frame());
             content->setFocus();
             QApplication::processEvents();
             frame()->move(moved);
             pass->setFocus();
             QApplication::processEvents();
             content->setFocus();
         }},
        {"the window loses and regains the activation",
         [&] {
             QApplication::setActiveWindow(nullptr);
             QApplication::processEvents();
             QApplication::setActiveWindow(frame());
         }},
        {"Okay is enabled", [&] { okay->setEnabled(!okay->isEnabled()); }},
    };
    for (const auto& [what, redraw] : redraws) {
        frame()->move(moved);
        redraw();
        QApplication::processEvents();
        EXPECT_EQ(frame()->pos(), moved) << what;
    }

    frame()->move(moved);
    window().Refresh();
    QApplication::processEvents();
    EXPECT_EQ(frame()->pos(), middle) << "after a Refresh";
}

} // namespace

// A paint that finds the window elsewhere puts it in the middle in one step, Left and Top
// together, so that it never stands half-way: the first paint of a new window, and every
// paint after the user moved it. A paint that finds it in place does not move it.
TEST_F(QtWindow, APaintMovesTheWindowToTheMiddleInOneStep)
{
    struct MoveCounter : QObject {
        int moves = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            moves += event->type() == QEvent::Move;
            return false;
        }
    } counter;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint middle((screen.width() - 511) / 2, (screen.height() - 306) / 2);
    const auto userMoves = [](QPoint to) {
        frame()->move(to);
        QApplication::processEvents();
    };

    // What comes before the paint; the moves are counted from its end on.
    const struct {
        const char* what;
        std::function<void()> before;
        int moves;
    } cases[] = {
        {"a new window",
         [] {
             window().Close();
             framework::releaseClosedWindows();
             window();
         },
         1},
        {"moved left and down", [&] { userMoves(middle + QPoint(-40, 25)); }, 1},
        {"moved right", [&] { userMoves(middle + QPoint(30, 0)); }, 1},
        {"in place", [] {}, 0},
    };
    for (const auto& c : cases)
        for (const Integer shown : {ScreenIntro, ScreenQuiz, ScreenAboutFromIntro}) {
            gWindow = shown;
            c.before();
            frame()->installEventFilter(&counter);
            counter.moves = 0;
            paint(frame());
            QApplication::processEvents();
            frame()->removeEventFilter(&counter);
            EXPECT_EQ(counter.moves, c.moves) << c.what << ", screen " << shown;
            EXPECT_EQ(frame()->geometry().topLeft(), middle) << c.what << ", screen " << shown;
        }
}
