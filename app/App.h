#pragma once

#include "framework/Application.h"

#include <string_view>

namespace app {

// The application object: the twelve menu actions and the two application events it
// handles. It keeps no state; the actions work on the quiz state of Module1.
class AppClass : public framework::Application {
public:
    void Constructor() {}

    bool StatisticalDataDisplayingData_Action();
    bool StatisticalDataSummarizingData_Action();
    bool StatisticalDataProducingData_Action();
    bool StatisticalInferenceExplainingData_Action();
    bool StatisticalInferenceEstimation_Action();
    bool StatisticalInferenceHypothesisTests_Action();
    bool StatisticalInferenceComparingTwoSamples_Action();
    bool StatisticalInferenceANOVA_Action();
    bool StatisticalInferenceChiSquare_Action();
    bool StatisticalInferenceSimpleRegression_Action();
    bool StatisticalInferenceRandomCategories_Action();
    bool AboutMerrowby_Action();

protected:
    void Event_EnableMenuItems() override;
    bool Event_HandleAppleEvent(const framework::AppleEvent& event, std::string_view eventClass,
                                std::string_view eventID) override;
};

// The registered application object; NilObjectException when there is none.
AppClass& App();

} // namespace app
