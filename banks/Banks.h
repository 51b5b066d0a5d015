#pragma once

// The ten question banks. Category n is served by the bank numbered n + 1.

namespace Module1 {

void ch2Questions();  // 1 Displaying Data
void ch3Questions();  // 2 Summarizing Data
void ch4Questions();  // 3 Producing Data
void ch5Questions();  // 4 Explaining Data
void ch6Questions();  // 5 Estimation
void ch7Questions();  // 6 Hypothesis Tests
void ch8Questions();  // 7 Comparing Two Samples
void ch9Questions();  // 8 ANOVA Tests
void ch10Questions(); // 9 Chi-Square Tests
void ch11Questions(); // 10 Simple Regression

// Installs every bank under its category.
void installQuestionBanks();

} // namespace Module1
