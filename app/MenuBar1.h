#pragma once

#include "framework/Menu.h"

namespace app {

// The menu bar: "Statistical Data", "Statistical Inference" and "Help". One shared
// instance serves as the application's and the window's menu bar.
class MenuBar1Class : public framework::MenuBar {
public:
    // Builds every menu.
    void Constructor();

private:
    void Untitled0();
    void Untitled1();
    void Untitled2();
};

// The shared bar, built on the first call.
MenuBar1Class& MenuBar1();

// Registers the twelve actions of App under their items' names.
void ApplicationAddMenuHandlers();

// The handled items, found by Name under the application's menu bar.
framework::AppleMenuItem& AboutMerrowby();
framework::MenuItem& StatisticalDataDisplayingData();
framework::MenuItem& StatisticalDataSummarizingData();
framework::MenuItem& StatisticalDataProducingData();
framework::MenuItem& StatisticalInferenceExplainingData();
framework::MenuItem& StatisticalInferenceEstimation();
framework::MenuItem& StatisticalInferenceHypothesisTests();
framework::MenuItem& StatisticalInferenceComparingTwoSamples();
framework::MenuItem& StatisticalInferenceANOVA();
framework::MenuItem& StatisticalInferenceChiSquare();
framework::MenuItem& StatisticalInferenceSimpleRegression();
framework::MenuItem& StatisticalInferenceRandomCategories();

} // namespace app
