#include "app/MenuBar1.h"

#include "app/App.h"
#include "framework/Exceptions.h"

#include <array>
#include <memory>

namespace app {

using framework::MenuItem;

namespace {

std::unique_ptr<MenuBar1Class> implicitInstance;

struct Entry {
    const char* name;
    const char* text;
};

template <typename Kind = MenuItem>
std::unique_ptr<MenuItem> makeEntry(const Entry& entry, bool withShortcut = true)
{
    auto item = std::make_unique<Kind>();
    item->setName(entry.name);
    item->setAutoEnable(true);
    item->setText(entry.text);
    item->setVisible(true);
    if (withShortcut)
        item->setKeyboardShortcut("");
    return item;
}

MenuItem& menu(framework::MenuBar& bar, const char* name)
{
    MenuItem* found = bar.Child(name);
    if (!found)
        throw framework::NilObjectException(std::string("no menu ") + name);
    return *found;
}

template <typename Kind = MenuItem>
Kind& lookup(const char* name)
{
    framework::MenuBar* bar = App().menuBar();
    if (!bar)
        throw framework::NilObjectException("the application has no menu bar");
    auto* item = dynamic_cast<Kind*>(bar->Lookup(name));
    if (!item)
        throw framework::NilObjectException(std::string("no menu item ") + name);
    return *item;
}

} // namespace

void MenuBar1Class::Constructor()
{
    Untitled0();
    Untitled1();
    Untitled2();
}

void MenuBar1Class::Untitled0()
{
    Append(makeEntry({"Data", "Statistical Data"}));
    for (const Entry& item : {Entry{"StatisticalDataDisplayingData", "Displaying Data"},
                              Entry{"StatisticalDataSummarizingData", "Summarizing Data"},
                              Entry{"StatisticalDataProducingData", "Producing Data"}})
        menu(*this, "Data").Append(makeEntry(item));
}

void MenuBar1Class::Untitled1()
{
    Append(makeEntry({"Inference", "Statistical Inference"}));
    for (const Entry& item : {Entry{"StatisticalInferenceExplainingData", "Explaining Data"},
                              Entry{"StatisticalInferenceEstimation", "Estimation"},
                              Entry{"StatisticalInferenceHypothesisTests", "Hypothesis Tests"},
                              Entry{"StatisticalInferenceComparingTwoSamples", "Comparing Two Samples"},
                              Entry{"StatisticalInferenceANOVA", "ANOVA"},
                              Entry{"StatisticalInferenceChiSquare", "Chi-Square"},
                              Entry{"StatisticalInferenceSimpleRegression", "Simple Regression"}})
        menu(*this, "Inference").Append(makeEntry(item));
    menu(*this, "Inference").Append(makeEntry({"separator", "-"}, false));
    menu(*this, "Inference").Append(makeEntry({"StatisticalInferenceRandomCategories", "Random Categories"}));
}

void MenuBar1Class::Untitled2()
{
    Append(makeEntry({"HelpMenu", "Help"}));
    menu(*this, "HelpMenu").Append(makeEntry<framework::QuitMenuItem>({"HelpQuit", "Quit"}));
    menu(*this, "HelpMenu").Append(makeEntry<framework::AppleMenuItem>({"AboutMerrowby", "About Merrowby..."}));
}

MenuBar1Class& MenuBar1()
{
    if (!implicitInstance) {
        // Kept only once it is complete: a failed build leaves no half-built bar behind.
        auto bar = std::make_unique<MenuBar1Class>();
        bar->Constructor();
        implicitInstance = std::move(bar);
    }
    return *implicitInstance;
}

void ApplicationAddMenuHandlers()
{
    using Action = bool (AppClass::*)();
    // Bound by Name, never by position: "Producing Data" is registered before "Summarizing Data".
    static constexpr std::array<std::pair<const char*, Action>, 12> handlers{{
        {"StatisticalDataDisplayingData", &AppClass::StatisticalDataDisplayingData_Action},
        {"StatisticalDataProducingData", &AppClass::StatisticalDataProducingData_Action},
        {"StatisticalDataSummarizingData", &AppClass::StatisticalDataSummarizingData_Action},
        {"StatisticalInferenceExplainingData", &AppClass::StatisticalInferenceExplainingData_Action},
        {"StatisticalInferenceEstimation", &AppClass::StatisticalInferenceEstimation_Action},
        {"StatisticalInferenceHypothesisTests", &AppClass::StatisticalInferenceHypothesisTests_Action},
        {"StatisticalInferenceComparingTwoSamples", &AppClass::StatisticalInferenceComparingTwoSamples_Action},
        {"StatisticalInferenceANOVA", &AppClass::StatisticalInferenceANOVA_Action},
        {"StatisticalInferenceChiSquare", &AppClass::StatisticalInferenceChiSquare_Action},
        {"StatisticalInferenceSimpleRegression", &AppClass::StatisticalInferenceSimpleRegression_Action},
        {"StatisticalInferenceRandomCategories", &AppClass::StatisticalInferenceRandomCategories_Action},
        {"AboutMerrowby", &AppClass::AboutMerrowby_Action},
    }};
    for (const auto& [name, action] : handlers) {
        AppClass& app = App();
        app.AddMenuHandler(name, [&app, action = action] { return (app.*action)(); });
    }
}

framework::AppleMenuItem& AboutMerrowby() { return lookup<framework::AppleMenuItem>("AboutMerrowby"); }
MenuItem& StatisticalDataDisplayingData() { return lookup("StatisticalDataDisplayingData"); }
MenuItem& StatisticalDataSummarizingData() { return lookup("StatisticalDataSummarizingData"); }
MenuItem& StatisticalDataProducingData() { return lookup("StatisticalDataProducingData"); }
MenuItem& StatisticalInferenceExplainingData() { return lookup("StatisticalInferenceExplainingData"); }
MenuItem& StatisticalInferenceEstimation() { return lookup("StatisticalInferenceEstimation"); }
MenuItem& StatisticalInferenceHypothesisTests() { return lookup("StatisticalInferenceHypothesisTests"); }
MenuItem& StatisticalInferenceComparingTwoSamples() { return lookup("StatisticalInferenceComparingTwoSamples"); }
MenuItem& StatisticalInferenceANOVA() { return lookup("StatisticalInferenceANOVA"); }
MenuItem& StatisticalInferenceChiSquare() { return lookup("StatisticalInferenceChiSquare"); }
MenuItem& StatisticalInferenceSimpleRegression() { return lookup("StatisticalInferenceSimpleRegression"); }
MenuItem& StatisticalInferenceRandomCategories() { return lookup("StatisticalInferenceRandomCategories"); }

void AppClass::Event_EnableMenuItems()
{
    using Accessor = MenuItem& (*)();
    static constexpr Accessor handled[] = {
        []() -> MenuItem& { return AboutMerrowby(); },
        &StatisticalDataDisplayingData,
        &StatisticalDataSummarizingData,
        &StatisticalDataProducingData,
        &StatisticalInferenceExplainingData,
        &StatisticalInferenceEstimation,
        &StatisticalInferenceHypothesisTests,
        &StatisticalInferenceComparingTwoSamples,
        &StatisticalInferenceANOVA,
        &StatisticalInferenceChiSquare,
        &StatisticalInferenceSimpleRegression,
        &StatisticalInferenceRandomCategories,
    };
    for (const Accessor item : handled)
        item().setEnabled(true);
}

} // namespace app
