#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/Menu.h"
#include "framework/Window.h"

#include <gtest/gtest.h>

using namespace framework;

namespace {

class ThrowingWindow : public Window {
public:
    ThrowingWindow() : Window("test.ThrowingWindow") {}
    int painted = 0;

protected:
    void Event_Paint(Graphics&) override
    {
        ++painted;
        throw NilObjectException("no control");
    }
    bool Event_KeyDown(const std::string&) override { throw OutOfBoundsException("index 7"); }
};

class NullGraphics : public Graphics {
public:
    void ForeColor(Color) override {}
    void PenWidth(Integer) override {}
    void TextFont(const std::string&) override {}
    void TextSize(double) override {}
    void DrawString(const std::string&, Integer, Integer) override {}
    double StringWidth(const std::string&) override { return 0; }
    void DrawLine(Integer, Integer, Integer, Integer) override {}
    void DrawRect(Integer, Integer, Integer, Integer) override {}
    void FillOval(Integer, Integer, Integer, Integer) override {}
};

TEST(Callbacks, AnExceptionInAMenuHandlerIsReportedAndGoesNoFurther)
{
    Application app;
    app.AddMenuHandler("Broken", []() -> bool { throw NilObjectException("no window"); });
    const long before = unhandledExceptionCount();
    EXPECT_TRUE(app.chooseMenuItem("Broken"));
    EXPECT_EQ(unhandledExceptionCount(), before + 1);
    EXPECT_FALSE(app.chooseMenuItem("NoSuchItem"));
    EXPECT_EQ(unhandledExceptionCount(), before + 1);
}

TEST(Callbacks, AnExceptionInAWindowEventIsReportedAndGoesNoFurther)
{
    auto& window = newWindow<ThrowingWindow>();
    NullGraphics g;
    const long before = unhandledExceptionCount();
    window.raisePaint(g);
    window.raiseKeyDown("a");
    EXPECT_EQ(window.painted, 1);
    EXPECT_EQ(unhandledExceptionCount(), before + 2);
    window.Close();
    EXPECT_EQ(GetImplicitWindow("test.ThrowingWindow"), nullptr);
    releaseClosedWindows();
}

TEST(Callbacks, ControlsActOnlyOnClicksWhenEnabledAndVisible)
{
    PushButton button("OkayButton");
    int actions = 0;
    button.Action = [&actions](RectControl&) { ++actions; };
    button.setEnabled(false);
    button.click();
    button.setEnabled(true);
    button.setVisible(false);
    button.click();
    EXPECT_EQ(actions, 0);
    button.setVisible(true);
    button.click();
    EXPECT_EQ(actions, 1);
}

TEST(Callbacks, RadioButtonsOfOneWindowFormOneGroupAndValueRaisesNoAction)
{
    auto& window = newWindow<ThrowingWindow>();
    auto& a = static_cast<RadioButton&>(window.AddControl(std::make_unique<RadioButton>("answerButton", 0)));
    auto& b = static_cast<RadioButton&>(window.AddControl(std::make_unique<RadioButton>("answerButton", 1)));
    int actions = 0;
    a.Action = b.Action = [&actions](RectControl&) { ++actions; };
    a.setValue(true);
    EXPECT_EQ(actions, 0);
    b.click();
    EXPECT_EQ(actions, 1);
    EXPECT_FALSE(a.Value());
    EXPECT_TRUE(b.Value());
    b.setValue(false);
    EXPECT_FALSE(b.Value());
    EXPECT_EQ(window.ControlByNameIndex("answerButton", 1), &b);
    EXPECT_EQ(window.ControlByNameIndex("answerButton", 2), nullptr);
    window.Close();
    releaseClosedWindows();
}

TEST(Menus, LookupFindsEntriesAtAnyDepthAndChildOnlyDirectOnes)
{
    MenuBar bar;
    auto menu = std::make_unique<MenuItem>();
    menu->setName("Data");
    auto item = std::make_unique<MenuItem>();
    item->setName("StatisticalDataProducingData");
    MenuItem* itemPointer = item.get();
    menu->Append(std::move(item));
    bar.Append(std::move(menu));
    EXPECT_EQ(bar.Lookup("StatisticalDataProducingData"), itemPointer);
    EXPECT_EQ(bar.Child("StatisticalDataProducingData"), nullptr);
    EXPECT_NE(bar.Child("Data"), nullptr);
    EXPECT_EQ(bar.Lookup("Nothing"), nullptr);
    EXPECT_THROW(bar.Append(nullptr), NilObjectException);
}

} // namespace
