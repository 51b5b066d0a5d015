#include "support/AppHarness.h"

#include "app/FileTypes.h"
#include "app/MenuBar1.h"
#include "banks/Banks.h"
#include "framework/Exceptions.h"
#include "framework/FileType.h"
#include "framework/Menu.h"
#include "framework/qt/MenuBarKeyboard.h"
#include "framework/qt/QtPlatform.h"
#include "quiz/Module1.h"

#include <QAction>
#include <QApplication>
#include <QProxyStyle>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

using namespace Module1;
using testing_support::AppTest;

namespace {

struct Entry {
    std::string name;
    std::string text;
    enum Kind { Menu, Item, Separator, Quit, About } kind;
};

// clang-format off
const Entry menuTable[] = {
    {"Data",                                    "Statistical Data",      Entry::Menu},
    {"StatisticalDataDisplayingData",           "Displaying Data",       Entry::Item},
    {"StatisticalDataSummarizingData",          "Summarizing Data",      Entry::Item},
    {"StatisticalDataProducingData",            "Producing Data",        Entry::Item},
    {"Inference",                               "Statistical Inference", Entry::Menu},
    {"StatisticalInferenceExplainingData",      "Explaining Data",       Entry::Item},
    {"StatisticalInferenceEstimation",          "Estimation",            Entry::Item},
    {"StatisticalInferenceHypothesisTests",     "Hypothesis Tests",      Entry::Item},
    {"StatisticalInferenceComparingTwoSamples", "Comparing Two Samples", Entry::Item},
    {"StatisticalInferenceANOVA",               "ANOVA",                 Entry::Item},
    {"StatisticalInferenceChiSquare",           "Chi-Square",            Entry::Item},
    {"StatisticalInferenceSimpleRegression",    "Simple Regression",     Entry::Item},
    {"separator",                               "-",                     Entry::Separator},
    {"StatisticalInferenceRandomCategories",    "Random Categories",     Entry::Item},
    {"HelpMenu",                                "Help",                  Entry::Menu},
    {"HelpQuit",                                "Quit",                  Entry::Quit},
    {"AboutMerrowby",                           "About Merrowby...",     Entry::About},
};

// The category each item chooses: its number and the title that goes to the window.
const struct {
    const char* item;
    Integer type;
    const char* title;
} categoryItems[] = {
    {"StatisticalDataDisplayingData",           1,  "Displaying Data"},
    {"StatisticalDataSummarizingData",          2,  "Summarizing Data"},
    {"StatisticalDataProducingData",            3,  "Producing Data"},
    {"StatisticalInferenceExplainingData",      4,  "Explaining Data"},
    {"StatisticalInferenceEstimation",          5,  "Estimation"},
    {"StatisticalInferenceHypothesisTests",     6,  "Hypothesis Tests"},
    {"StatisticalInferenceComparingTwoSamples", 7,  "Comparing Two Samples"},
    {"StatisticalInferenceANOVA",               8,  "ANOVA Tests"},
    {"StatisticalInferenceChiSquare",           9,  "Chi-Square Tests"},
    {"StatisticalInferenceSimpleRegression",    10, "Simple Regression"},
};
// clang-format on

class Menus : public AppTest {};

TEST_F(Menus, TheBarHoldsSeventeenEntriesInOrder)
{
    EXPECT_EQ(&app::MenuBar1(), &app::MenuBar1());
    EXPECT_EQ(application().menuBar(), &app::MenuBar1());
    EXPECT_EQ(window().menuBar(), &app::MenuBar1());

    std::vector<const framework::MenuItem*> built;
    const auto& bar = app::MenuBar1();
    for (framework::Integer m = 0; m < bar.Count(); ++m) {
        built.push_back(&bar.Item(m));
        for (framework::Integer i = 0; i < bar.Item(m).Count(); ++i)
            built.push_back(&bar.Item(m).Item(i));
    }
    ASSERT_EQ(built.size(), std::size(menuTable));
    for (std::size_t i = 0; i < built.size(); ++i) {
        const Entry& expected = menuTable[i];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(built[i]->Name(), expected.name);
        EXPECT_EQ(built[i]->Text(), expected.text);
        EXPECT_TRUE(built[i]->AutoEnable());
        EXPECT_TRUE(built[i]->Visible());
        EXPECT_EQ(built[i]->KeyboardShortcut(), "");
        EXPECT_EQ(dynamic_cast<const framework::QuitMenuItem*>(built[i]) != nullptr, expected.kind == Entry::Quit);
        EXPECT_EQ(dynamic_cast<const framework::AppleMenuItem*>(built[i]) != nullptr, expected.kind == Entry::About);
    }
}

TEST_F(Menus, TheWindowShowsTheSameEntriesWithoutShortcuts)
{
    QMenuBar* bar = framework::qt::nativeWindow(window())->menuBar();
    std::vector<QAction*> shown;
    for (QAction* menuAction : bar->actions()) {
        shown.push_back(menuAction);
        for (QAction* item : menuAction->menu()->actions())
            shown.push_back(item);
    }
    ASSERT_EQ(shown.size(), std::size(menuTable));
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const Entry& expected = menuTable[i];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(shown[i]->objectName().toStdString(), expected.name);
        if (expected.kind == Entry::Separator)
            EXPECT_TRUE(shown[i]->isSeparator());
        else
            EXPECT_EQ(shown[i]->text().toStdString(), expected.text);
        EXPECT_TRUE(shown[i]->shortcut().isEmpty());
        EXPECT_FALSE(shown[i]->isCheckable());
        EXPECT_TRUE(shown[i]->icon().isNull());
    }
    EXPECT_EQ(action("HelpQuit")->menuRole(), QAction::QuitRole);
    EXPECT_EQ(action("AboutMerrowby")->menuRole(), QAction::AboutRole);
}

TEST_F(Menus, TheItemAccessorFindsTheBuiltEntriesByName)
{
    EXPECT_EQ(&app::menuItem("StatisticalInferenceANOVA"), app::MenuBar1().Lookup("StatisticalInferenceANOVA"));
    EXPECT_EQ(app::menuItem("StatisticalInferenceANOVA").Text(), "ANOVA");
    EXPECT_EQ(&app::menuItem("AboutMerrowby"), app::MenuBar1().Lookup("AboutMerrowby"));
    EXPECT_EQ(app::menuItem("StatisticalDataProducingData").Text(), "Producing Data");
    EXPECT_THROW(app::menuItem("StatisticalDataNoSuchItem"), framework::NilObjectException);
}

TEST_F(Menus, EnableMenuItemsEnablesTheTwelveHandledItemsInEveryState)
{
    auto& bar = app::MenuBar1();
    const std::vector<std::string> handled = testing_support::handledMenuItems();
    const char* untouched[] = {"Data", "Inference", "HelpMenu", "separator", "HelpQuit"};
    // clang-format off
    const std::function<void()> states[] = {
        [] {},                                             // intro screen
        [] { choose("AboutMerrowby"); },                   // About page
        [] { choose("StatisticalInferenceExplainingData"); },
        [] {
            for (Integer c = 1; c <= 10; ++c)
                for (Integer k = 1; k <= 30; ++k)
                    gQuestion(c, k) = StatusCorrect;
            for (Integer c = 1; c <= 10; ++c)
                gNumLeft(c) = 0;
            choose("StatisticalInferenceRandomCategories");  // every question answered
        },
    };
    // clang-format on
    for (const auto& reach : states) {
        reach();
        for (const std::string& name : handled)
            bar.Lookup(name)->setEnabled(false);
        for (const char* name : untouched)
            bar.Lookup(name)->setEnabled(false);
        application().raiseEnableMenuItems();
        for (const std::string& name : handled)
            EXPECT_TRUE(bar.Lookup(name)->Enabled()) << name;
        for (const char* name : untouched)
            EXPECT_FALSE(bar.Lookup(name)->Enabled()) << name;
    }
}

TEST_F(Menus, OpeningAMenuEnablesItsItems)
{
    app::menuItem("StatisticalDataProducingData").setEnabled(false);
    action("StatisticalDataProducingData")->setEnabled(false);
    QMenu* menu = action("Data")->menu();
    emit menu->aboutToShow();
    EXPECT_TRUE(app::menuItem("StatisticalDataProducingData").Enabled());
    EXPECT_TRUE(action("StatisticalDataProducingData")->isEnabled());
}

// Each category's item sets its own number and title. The items of "Statistical Data" are
// registered in another order than the menu's: an item is bound to its action by Name.
TEST_F(Menus, EachItemRunsItsOwnActionByName)
{
    for (const auto& c : categoryItems) {
        SCOPED_TRACE(c.item);
        choose(c.item);
        EXPECT_EQ(gType, c.type);
        EXPECT_EQ(gWndMsg, c.title);
        EXPECT_EQ(window().Title(), c.title);
        EXPECT_EQ(gWindow, ScreenQuiz);
    }

    choose("StatisticalInferenceRandomCategories");
    EXPECT_EQ(gWndMsg, "Random Category");
}

TEST_F(Menus, RandomCategoriesKeepsTheLastCategoryUntilTheEngineDraws)
{
    for (Integer c = 1; c <= NumCategories; ++c)
        gNumLeft(c) = 0; // nothing to draw
    EXPECT_EQ(gType, 0);
    choose("StatisticalInferenceRandomCategories");
    EXPECT_EQ(gType, 0);
    choose(category(9).item);
    choose("StatisticalInferenceRandomCategories");
    EXPECT_EQ(gType, 9);
}

TEST_F(Menus, EveryActionReturnsFalse)
{
    using Action = bool (app::AppClass::*)();
    // clang-format off
    const Action actions[] = {
        &app::AppClass::StatisticalDataDisplayingData_Action,        &app::AppClass::StatisticalDataSummarizingData_Action,
        &app::AppClass::StatisticalDataProducingData_Action,         &app::AppClass::StatisticalInferenceExplainingData_Action,
        &app::AppClass::StatisticalInferenceEstimation_Action,       &app::AppClass::StatisticalInferenceHypothesisTests_Action,
        &app::AppClass::StatisticalInferenceComparingTwoSamples_Action, &app::AppClass::StatisticalInferenceANOVA_Action,
        &app::AppClass::StatisticalInferenceChiSquare_Action,        &app::AppClass::StatisticalInferenceSimpleRegression_Action,
        &app::AppClass::StatisticalInferenceRandomCategories_Action, &app::AppClass::AboutMerrowby_Action,
    };
    // clang-format on
    for (const Action a : actions)
        EXPECT_FALSE((application().*a)());
}

TEST_F(Menus, OnlyTheQuitAppleEventIsHandled)
{
    const struct {
        const char* eventClass;
        const char* eventID;
        bool handled;
    } cases[] = {
        {"aevt", "quit", true},  {"aevt", "odoc", false}, {"aevt", "pdoc", false},
        {"aevt", "oapp", false}, {"misc", "quit", false}, {"", "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(application().raiseAppleEvent(c.eventClass, c.eventID), c.handled)
            << c.eventClass << "/" << c.eventID;
}

TEST_F(Menus, TheDeclaredFileTypeIsText)
{
    const auto& types = framework::registeredFileTypes();
    ASSERT_EQ(types.size(), 1u);
    EXPECT_EQ(types[0].Name, "text");
    EXPECT_EQ(types[0].MacType, "TEXT");
    EXPECT_EQ(types[0].MacCreator, "Mrby");
    EXPECT_TRUE(types[0].Imported);
    EXPECT_EQ(types[0].Name, app::FileTypes::Text().Name);
}

} // namespace

// The menu bar draws in the application's style, whichever the user chose (-style, a
// desktop's setting), not the default one.
TEST_F(Menus, TheMenuBarDrawsInTheApplicationsStyle)
{
    for (const char* name : {"Windows", "Fusion"}) {
        QApplication::setStyle(name);
        QMenuBar bar;
        framework::qt::highlightMenuBarKeyboardTitle(bar);
        const auto* proxy = qobject_cast<const QProxyStyle*>(bar.style());
        ASSERT_NE(proxy, nullptr) << name;
        EXPECT_EQ(proxy->baseStyle()->name().toLower().toStdString(), QApplication::style()->name().toLower().toStdString()) << name;
    }
}
