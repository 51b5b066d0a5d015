// The About page's link where no browser starts: a small message over the window shows the
// address so that the user can copy it, and the About page stays as it was.

#include "support/AppHarness.h"

#include "framework/qt/QtGraphics.h"
#include "framework/qt/QtPlatform.h"
#include "quiz/Module1.h"
#include "ui/AboutPage.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QtTest/QTest>

using namespace Module1;
using testing_support::AppTest;

namespace {

class NoBrowser : public AppTest {
protected:
    static QMainWindow* frame() { return framework::qt::nativeWindow(window()); }

    // The program's visible windows besides its main window (menus aside).
    static std::vector<QWidget*> otherWindows()
    {
        std::vector<QWidget*> found;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && widget != frame() && !widget->inherits("QMenu"))
                found.push_back(widget);
        return found;
    }

    static QLabel* addressLabel(QWidget* message)
    {
        for (QLabel* label : message->findChildren<QLabel*>())
            if (label->text() == QString(ui::about::DownloadURL))
                return label;
        return nullptr;
    }

    static void clickTheLink() { window().raiseMouseDown(gURLleft + 1, 105); }

    // What a click on the link may not change: the screen, the controls, the repaints.
    struct Page {
        Integer screen;
        std::vector<bool> visible;
        long refreshes;
        std::string title;
        friend bool operator==(const Page&, const Page&) = default;
    };

    static Page page()
    {
        Page p{gWindow, {}, window().refreshRequests(), window().Title()};
        for (Integer i = 0; i < 5; ++i)
            p.visible.push_back(window().answerButton(i).Visible());
        p.visible.push_back(window().OkayButton().Visible());
        p.visible.push_back(window().PassButton().Visible());
        return p;
    }
};

TEST_F(NoBrowser, TheLinkShowsTheAddressToCopyAndTheAboutPageStays)
{
    for (const char* from : {"", "StatisticalDataProducingData"}) {
        SCOPED_TRACE(*from ? "over a question" : "over the intro screen");
        if (*from)
            choose(from);
        choose("AboutMerrowby");
        paintCalls();
        browserStarts(false);
        const Page before = page();
        clickTheLink();
        ASSERT_EQ(openedURLs().size(), 1u) << "the browser was tried first";
        EXPECT_EQ(page(), before);

        const auto shown = otherWindows();
        ASSERT_EQ(shown.size(), 1u) << "a message";
        QPointer<QWidget> message = shown[0];
        EXPECT_EQ(message->parentWidget(), frame()) << "it belongs to the window";
        EXPECT_EQ(message->windowModality(), Qt::WindowModal);
        EXPECT_EQ(message->palette().color(QPalette::Window),
                  frame()->centralWidget()->palette().color(QPalette::Window))
            << "in the window's colour";
        QLabel* address = addressLabel(message);
        ASSERT_NE(address, nullptr) << "the address stands alone, ready to copy";
        EXPECT_EQ(address->font().family(), framework::qt::fontCatalogue().sansFace().family());
        // The user selects the address themselves, with the mouse or the keyboard.
        EXPECT_TRUE(address->textInteractionFlags().testFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard))
            << "flags " << address->textInteractionFlags().toInt();
        address->setSelection(0, static_cast<int>(address->text().size()));
        EXPECT_EQ(address->selectedText(), QString(ui::about::DownloadURL)) << "the address can be selected";

        message->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(message.isNull()) << "a closed message is freed";
        EXPECT_EQ(page(), before);
        openedURLs().clear();
        window().raiseKeyDown("x"); // leaves the About page
    }
}

TEST_F(NoBrowser, ASecondClickShowsTheSameMessageAgain)
{
    choose("AboutMerrowby");
    paintCalls();
    browserStarts(false);
    clickTheLink();
    clickTheLink();
    const auto shown = otherWindows();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(openedURLs().size(), 2u);
    shown[0]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The address stands in the primary selection for a middle-click paste, and a click on the
// window under the message leaves the keyboard on the message.
TEST_F(NoBrowser, TheMessageOffersTheAddressToPasteAndKeepsTheKeyboard)
{
    frame()->show();
    QApplication::setActiveWindow(frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame()));
    choose("AboutMerrowby");
    paintCalls();
    browserStarts(false);
    clickTheLink();
    const auto shown = otherWindows();
    ASSERT_EQ(shown.size(), 1u);
    if (QGuiApplication::clipboard()->supportsSelection()) {
        EXPECT_EQ(QGuiApplication::clipboard()->text(QClipboard::Selection), QString(ui::about::DownloadURL));
    }
    QPointer<QWidget> message = shown[0];
    ASSERT_TRUE(QTest::qWaitForWindowActive(message));

    QApplication::setActiveWindow(frame()); // as a click on the quiz window does
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == message.data(); }))
        << "the keyboard went to the blocked window";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(message && message->isVisible()) << "Escape did not close the message";
    if (message)
        message->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(NoBrowser, ABrowserThatStartsLeavesNoMessage)
{
    choose("AboutMerrowby");
    paintCalls();
    const Page before = page();
    clickTheLink();
    EXPECT_EQ(openedURLs().size(), 1u);
    EXPECT_TRUE(otherWindows().empty());
    EXPECT_EQ(page(), before);
}

} // namespace
