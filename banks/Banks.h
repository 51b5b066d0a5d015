#pragma once

// The ten question banks, and the table of the ten categories that they serve.

#include "quiz/Module1.h"
#include "quiz/QuestionBank.h"

#include <array>
#include <cstddef>

namespace Module1 {

void ch2Questions();
void ch3Questions();
void ch4Questions();
void ch5Questions();
void ch6Questions();
void ch7Questions();
void ch8Questions();
void ch9Questions();
void ch10Questions();
void ch11Questions();

// A category: its number, the menu item that chooses it, the title the window shows for it,
// and the bank of its questions.
struct Category {
    Integer type;      // gType
    const char* item;  // the Name of its menu item
    const char* text;  // the text of its menu item
    const char* title; // gWndMsg while it is chosen
    QuestionBank bank;
};

// The ten categories, numbered 1 to 10 in order: the menus, the menu actions, the installed
// banks and the tests all read them here. Category n is served by the bank numbered n + 1.
// clang-format off
inline constexpr std::array<Category, NumCategories> categories{{
    {1,  "StatisticalDataDisplayingData",           "Displaying Data",       "Displaying Data",       ch2Questions},
    {2,  "StatisticalDataSummarizingData",          "Summarizing Data",      "Summarizing Data",      ch3Questions},
    {3,  "StatisticalDataProducingData",            "Producing Data",        "Producing Data",        ch4Questions},
    {4,  "StatisticalInferenceExplainingData",      "Explaining Data",       "Explaining Data",       ch5Questions},
    {5,  "StatisticalInferenceEstimation",          "Estimation",            "Estimation",            ch6Questions},
    {6,  "StatisticalInferenceHypothesisTests",     "Hypothesis Tests",      "Hypothesis Tests",      ch7Questions},
    {7,  "StatisticalInferenceComparingTwoSamples", "Comparing Two Samples", "Comparing Two Samples", ch8Questions},
    {8,  "StatisticalInferenceANOVA",               "ANOVA",                 "ANOVA Tests",           ch9Questions},
    {9,  "StatisticalInferenceChiSquare",           "Chi-Square",            "Chi-Square Tests",      ch10Questions},
    {10, "StatisticalInferenceSimpleRegression",    "Simple Regression",     "Simple Regression",     ch11Questions},
}};
// clang-format on

static_assert(
    [] {
        Integer n = 0;
        for (const Category& c : categories)
            if (c.type != ++n)
                return false;
        return true;
    }(),
    "the categories stand in the order of their numbers");

// Category 1 to 10; std::out_of_range for any other number (at compile time, no build).
constexpr const Category& category(Integer type)
{
    return categories.at(static_cast<std::size_t>(type - 1));
}

// Installs every bank under its category.
void installQuestionBanks();

} // namespace Module1
