#include "app/App.h"

#include "banks/Banks.h"
#include "framework/Exceptions.h"
#include "framework/Runtime.h"
#include "quiz/Engine.h"
#include "quiz/Module1.h"
#include "ui/mainWindow.h"

namespace app {

using namespace Module1;

namespace {

// A category's action: its number, then its title, then the engine's choice.
bool chooseCategory(Integer type)
{
    const Category& chosen = category(type);
    gType = chosen.type;
    gWndMsg = chosen.title;
    ChooseQuestion();
    return false;
}

} // namespace

// clang-format off
bool AppClass::StatisticalDataDisplayingData_Action() { return chooseCategory(1); }
bool AppClass::StatisticalDataSummarizingData_Action() { return chooseCategory(2); }
bool AppClass::StatisticalDataProducingData_Action() { return chooseCategory(3); }
bool AppClass::StatisticalInferenceExplainingData_Action() { return chooseCategory(4); }
bool AppClass::StatisticalInferenceEstimation_Action() { return chooseCategory(5); }
bool AppClass::StatisticalInferenceHypothesisTests_Action() { return chooseCategory(6); }
bool AppClass::StatisticalInferenceComparingTwoSamples_Action() { return chooseCategory(7); }
bool AppClass::StatisticalInferenceANOVA_Action() { return chooseCategory(8); }
bool AppClass::StatisticalInferenceChiSquare_Action() { return chooseCategory(9); }
bool AppClass::StatisticalInferenceSimpleRegression_Action() { return chooseCategory(10); }
// clang-format on

bool AppClass::StatisticalInferenceRandomCategories_Action()
{
    gWndMsg = RandomCategory; // gType keeps the last category until the engine draws
    ChooseQuestion();
    return false;
}

bool AppClass::AboutMerrowby_Action()
{
    // Reached first, so that a window made anew has opened before the screen is read.
    ui::mainWindowClass& window = ui::findOrCreateMainWindow();
    if (gWindow == ScreenIntro) {
        gWindow = ScreenAboutFromIntro;
    } else if (gWindow == ScreenQuiz) {
        gWindow = ScreenAboutFromQuiz;
        window.hideControlsForAboutPage();
    }
    window.Refresh();
    return false;
}

bool AppClass::Event_HandleAppleEvent(const framework::AppleEvent&, std::string_view eventClass,
                                      std::string_view eventID)
{
    return framework::StringsEqual(eventClass, "aevt") && framework::StringsEqual(eventID, "quit");
}

AppClass& App()
{
    auto* app = dynamic_cast<AppClass*>(framework::GetAppObject());
    if (!app)
        throw framework::NilObjectException("no application object");
    return *app;
}

} // namespace app
