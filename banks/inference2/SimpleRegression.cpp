#include "banks/Banks.h"

#include "quiz/QuestionBank.h"

namespace Module1 {

namespace {

// clang-format off

// Stock hints, each used by several answers.
const Lines guessing = {"No, you are guessing.  Think about the t value."};
const Lines symbolOfR = {"No, think about the mathematical symbol for the correlation coefficient."};
const Lines negativeR2 = {"No, R-squared cannot be negative."};
const Lines estimateSlope = {"No, visualize a fitted line and then estimate its slope."};

// Shared hints of the text questions.
const Lines oneVariable = {"No, this display shows one variable at a time, so it cannot show whether",
                           "two variables are related."};
const Lines notAnIntercept = {"No, b is the slope of the line, not a point where the line crosses an axis."};
const Lines modelObjective = {"No, what are we trying to do with the model?  Think about its objective."};
const Lines meanAnalogy = {"No, think about the t test of a population mean: how many standard errors",
                           "is the sample mean from the value that the null hypothesis gives it?"};
const Lines ownStandardError = {"No, think about the t test of a population mean, where the difference is",
                                "divided by the standard error of the sample mean itself."};
const Lines canBeNegative = {"No, the correlation coefficient can be negative."};
const Lines slopeTerm = {"No, the change in y from a unit change in x is b, the slope."};

// One question line over the room of the diagram.
Lines chartLines(const std::string& question) { return {question, "", "", "", ""}; }

const Lines correlationQuestion =
    chartLines("What is the correlation coefficient for the data described by this figure?");
const Lines pValueQuestion = chartLines("What is the 2-sided p value for H0: b = 0 using the data in this figure?");
const Lines slopeQuestion = chartLines("What is the least squares estimate of b in this simple regression model?");
const Lines rSquaredQuestion = chartLines("What is the value of R-squared in this simple regression model?");

// The diagrams that two questions share.
const Scatter fallingCloud{.points = {{0.33, 7.6}, {0.67, 8.7}, {1.0, 6.2}, {1.33, 4.3}, {1.67, 6.0},
                                      {2.0, 2.9}, {2.33, 8.2}, {2.67, 2.7}, {3.0, 6.2}, {3.33, 4.9}},
                           .minX = 0, .maxX = 5, .stepX = 1, .minY = 0, .maxY = 10, .stepY = 2};
const Scatter steepRise{.points = {{1, 1}, {2, 2.5}, {3.5, 10.5}, {3.5, 10.5}, {5, 8.5},
                                   {6, 10.5}, {7, 16.5}, {8.5, 16.5}, {8.5, 12.5}, {10, 18.5}},
                        .minX = 0, .maxX = 10, .stepX = 2, .minY = 0, .maxY = 20, .stepY = 4};
// Two of these points lie above 10, so the y axis runs to 12 to show them all.
const Scatter looseRise{.points = {{1, 4.8}, {2, 4.3}, {3, 2.5}, {4, 10.3}, {4, 7.3},
                                   {5, 8.8}, {7, 9.8}, {8, 11.3}, {8.5, 4.55}, {9, 8.8}},
                        .minX = 0, .maxX = 10, .stepX = 2, .minY = 0, .maxY = 12, .stepY = 4};

const QuestionSheet& questions()
{
    static const QuestionSheet sheet = {{
        // 1
        {.correct = 4,
         .lines = correlationQuestion,
         .answers = {"-0.19", "0.03", "0.10", "0.47", "0.95"},
         .hints = {{{"No, a negative r would mean that y tends to fall as x rises; does it here?"},
                    {"No, 0.03 would mean almost no correlation; is there none here?"},
                    {"No, 0.10 is a very weak correlation; don't the points rise more clearly?"},
                    {"Yes, r is about 0.47, midway between no correlation (0) and perfect (1)."},
                    {"No, 0.95 would put the points almost on a line; do they lie that close?"}}},
         .chart = Scatter{.points = {{36, 39}, {34, 58}, {12, 4}, {64, 39}, {20, 2},
                                     {58, 13}, {40, 8}, {62, 54}, {44, 31}, {45, 13}},
                          .minX = 0, .maxX = 80, .stepX = 20, .minY = 0, .maxY = 60, .stepY = 20}},
        // 2
        {.correct = 3,
         .lines = correlationQuestion,
         .answers = {"-0.8", "-0.4", "0.0", "0.4", "0.8"},
         .hints = {{{"No, -0.8 would be a strong negative correlation; do the points fall with x?"},
                    {"No, -0.4 would mean that y tends to fall as x rises; does it here?"},
                    {"Yes, r is about -0.01: the two variables are not correlated at all."},
                    {"No, 0.4 would mean that y tends to rise with x; does it here?"},
                    {"No, 0.8 would be a strong positive correlation; do the points rise with x?"}}},
         .chart = Scatter{.points = {{36, 44}, {34, 12}, {15, 25}, {64, 45}, {20, 53},
                                     {58, 30}, {40, 19}, {50, 16}, {44, 48}, {45, 28}},
                          .minX = 0, .maxX = 80, .stepX = 20, .minY = 0, .maxY = 60, .stepY = 20}},
        // 3
        {.correct = 5,
         .lines = correlationQuestion,
         .answers = {"-1.0", "-0.5", "0.0", "0.5", "1.0"},
         .hints = {{{"No, the points lie on a rising line; would that give a negative r?"},
                    {"No, do the points fall as x rises?"},
                    {"No, do the points look unrelated?  They all lie on one line."},
                    {"No, 0.5 is far from perfect; don't the points lie exactly on a line?"},
                    {"Yes, every point lies on the line y = 0.7x: perfect positive correlation."}}},
         .chart = Scatter{.points = {{5, 3.5}, {7, 4.9}, {10, 7.0}, {12, 8.4}, {12, 8.4},
                                     {15, 10.5}, {19, 13.3}, {21, 14.7}, {24, 16.8}, {27, 18.9}},
                          .minX = 0, .maxX = 30, .stepX = 10, .minY = 0, .maxY = 20, .stepY = 5}},
        // 4
        {.correct = 1,
         .lines = correlationQuestion,
         .answers = {"-0.5", "0.0", "0.3", "0.5", "0.9"},
         .hints = {{{"Yes, r is about -0.50: a negative correlation that is far from perfect."},
                    {"No, do the points really show no relationship?  y tends to fall as x rises."},
                    {"No, does y tend to rise with x here?  A positive r says that it does."},
                    {"No, 0.5 has the wrong sign; does y rise or fall as x rises?"},
                    {"No, 0.9 would be a strong positive correlation; do the points rise with x?"}}},
         .chart = Scatter{.points = {{36, 41}, {34, 2}, {15, 56}, {64, 21}, {20, 58},
                                     {58, 40}, {40, 52}, {50, 6}, {44, 29}, {45, 37}},
                          .minX = 0, .maxX = 80, .stepX = 20, .minY = 0, .maxY = 60, .stepY = 20}},
        // 5
        {.correct = 5,
         .lines = {"The data used in the simple regression model are most often displayed in a"},
         .answers = {"box plot.", "cat's cradle.", "histogram.", "stem-and-leaf diagram.", "scatter diagram."},
         .hints = {{oneVariable,
                    {"No, this is silly.  A cat's cradle is a game played with a loop of string,",
                     "not a way of displaying data."},
                    oneVariable,
                    oneVariable,
                    {"Yes, a scatter diagram shows whether the two variables are correlated."}}}},
        // 6
        {.correct = 2,
         .lines = {"In the simple regression model y = a + bx, the parameter a is the"},
         .answers = {"x-intercept.", "y-intercept.", "slope.", "inverse of the slope.", "correlation coefficient."},
         .hints = {{{"No, picture the graph of the line.  It crosses the x axis where y = 0, that",
                     "is at x = -a/b, not at a."},
                    {"Yes, a is the value of y where the line crosses the y axis, at x = 0."},
                    {"No, picture the graph of the line; its slope is b, not a."},
                    {"No, picture the graph of the line; the inverse of its slope is 1/b."},
                    {"No, picture the graph of the line.  The correlation coefficient is not a",
                     "feature of the line; it measures how closely the data cluster around it."}}}},
        // 7
        {.correct = 3,
         .lines = {"In the simple regression model y = a + bx, the parameter b is the"},
         .answers = {"x-intercept.", "y-intercept.", "change in y from a unit change in x.",
                     "change in x from a unit change in y.", "goodness of fit."},
         .hints = {{notAnIntercept,
                    notAnIntercept,
                    {"Yes, b is the slope of the line: the change in y when x rises by 1."},
                    {"No, this is 1/b, the inverse of the slope."},
                    {"No, b says nothing about how closely the data fit the line; R-squared",
                     "measures the goodness of fit."}}}},
        // 8
        {.correct = 5,
         .lines = {"In the simple regression model y = a + bx, the variable x is the"},
         .answers = {"x-intercept.", "y-intercept.", "change in y from a unit change in x.",
                     "change in x from a unit change in y.", "explanatory variable."},
         .hints = {{{"No, the x-intercept is -a/b, where the line crosses the x axis."},
                    {"No, the y-intercept is a, where the line crosses the y axis."},
                    slopeTerm,
                    {"No, the change in x from a unit change in y is 1/b."},
                    {"Yes, x is the explanatory variable: its changes explain the changes in y."}}}},
        // 9
        {.correct = 4,
         .lines = {"In the simple regression model y = a + bx, the variable y is the"},
         .answers = {"y-intercept.", "error term.", "change in y from a unit change in x.", "dependent variable.",
                     "disturbance term."},
         .hints = {{{"No, the y-intercept is a, the value of y where x = 0."},
                    {"No, the error term e, also called the disturbance term, does not appear in",
                     "the equation y = a + bx."},
                    slopeTerm,
                    {"Yes, y is the dependent variable: its changes depend on the changes in x."},
                    {"No, the disturbance term e, also called the error term, does not appear in",
                     "the equation y = a + bx."}}}},
        // 10
        {.correct = 3,
         .lines = {"The simple regression model is y = a + bx + e, where e is an error term.",
                   "The key assumption of this model is that"},
         .answers = {"x is constant.", "y is constant.", "e and x are independent.", "y and x are independent.",
                     "e and y are independent."},
         .hints = {{{"No, if x were constant, we could not estimate how y changes with x at all.",
                     "Which assumption, if it were violated, would make our estimate of b",
                     "systematically wrong?"},
                    {"No, if y were constant, there would be nothing to explain.  Which",
                     "assumption, if it were violated, would make our estimate of b",
                     "systematically wrong?"},
                    {"Yes, if the unobserved error e were correlated with x, the estimate of b",
                     "would be biased: it would pick up part of the effect of e on y."},
                    {"No, the model supposes that y depends on x.  Which assumption, if violated,",
                     "would make our estimate of b systematically wrong?"},
                    {"No, y depends on e by the very form of the model.  Which assumption, if",
                     "violated, would make our estimate of b systematically wrong?"}}}},
        // 11
        {.correct = 1,
         .lines = {"The least squares estimates of a and b in the model y = a + bx + e are",
                   "chosen to minimize the sum of the squared"},
         .answers = {"prediction errors.", "correlations.", "betas.", "values of x.", "values of y."},
         .hints = {{{"Yes, the estimates are chosen so that the line predicts y as well as",
                     "possible: the sum of the squared prediction errors is as small as it can be."},
                    modelObjective,
                    modelObjective,
                    {"No, the values of x are data; no estimate can change them.  What are we",
                     "trying to do with the model?"},
                    {"No, the values of y are data; no estimate can change them.  What are we",
                     "trying to do with the model?"}}}},
        // 12
        {.correct = 2,
         .lines = {"The most natural null hypothesis for the simple regression model is"},
         .answers = {"intercept = 0.", "slope = 0.", "error term = 0.", "y = x.", "t = 0."},
         .hints = {{{"No, the intercept is seldom of interest in itself.  Why did we choose a",
                     "model in which y depends on x?"},
                    {"Yes, slope = 0 says that x has no effect on y.  We chose the model because",
                     "we believe that y depends on x, and rejecting this null hypothesis supports",
                     "that belief."},
                    {"No, the error term is a random variable, not a parameter.  Why did we",
                     "choose a model in which y depends on x?"},
                    {"No, y = x would mean a = 0 and b = 1, which is seldom of interest.  Why did",
                     "we choose a model in which y depends on x?"},
                    {"No, t is a test statistic computed from the data, not a parameter.  Why",
                     "did we choose a model in which y depends on x?"}}}},
        // 13
        {.correct = 5,
         .lines = {"For testing the null hypothesis b = 0, the t statistic is the number of",
                   "standard errors that the"},
         .answers = {"intercept is from 0.", "error term is from 0.", "explanatory variable is from 0.",
                     "dependent variable is from 0.", "estimated slope is from 0."},
         .hints = {{meanAnalogy,
                    meanAnalogy,
                    meanAnalogy,
                    meanAnalogy,
                    {"Yes, just as the t statistic for a population mean counts the standard",
                     "errors between the sample mean and the value in the null hypothesis, the",
                     "t statistic for b counts the standard errors between the estimated slope",
                     "and 0, the value of b under the null hypothesis."}}}},
        // 14
        {.correct = 1,
         .lines = {"For testing the null hypothesis b = 0, the t statistic is the estimate of",
                   "b divided by the standard error of"},
         .answers = {"b", "e", "t", "x", "y"},
         .hints = {{{"Yes, the standard error of b estimates the standard deviation of the",
                     "sampling distribution of the estimate of b.  If the null hypothesis is true,",
                     "an estimate 2 or more standard errors from 0 in either direction (t = 2 or",
                     "more in size) has a probability of only about 0.05."},
                    ownStandardError,
                    ownStandardError,
                    ownStandardError,
                    ownStandardError}}},
        // 15
        {.correct = 5,
         .lines = {"Of the 10 baseball players with the highest batting averages in 1997, 9",
                   "had lower averages in 1996 and all 10 had lower averages in 1998.  This is",
                   "an example of"},
         .answers = {"the law of large numbers.", "the law of misplaced concreteness.", "the law of averages.",
                     "Occam's razor.", "regression toward the mean."},
         .hints = {{{"No, the law of large numbers says that the average of a large random sample",
                     "is very likely to be close to the population mean.  It says nothing about",
                     "why the best players of one year did worse in the years before and after."},
                    {"No, this is a silly answer."},
                    {"No, the law of averages is a fallacy: the belief that a run of good",
                     "outcomes must be balanced by bad ones.  Independent outcomes do not make",
                     "up for one another."},
                    {"No, Occam's razor says that simpler explanations are to be preferred."},
                    {"Yes, a player with one of the top 10 averages in a year was most likely",
                     "having a better year than usual for that player, and so tended to have a",
                     "lower average in the years before and after."}}}},
        // 16
        {.correct = 5,
         .lines = {"In a study of two statistics tests every student took, students 1 standard",
                   "deviation above the mean on the first were, on average, 0.6 standard",
                   "deviations above the mean on the second.  This is best explained by"},
         .answers = {"selection bias.", "nonresponse bias.", "survivor bias.", "sampling error.",
                     "regression toward the mean."},
         .hints = {{{"No, there is no selection bias: every student in the study took both",
                     "tests."},
                    {"No, every student took both tests, so no one failed to respond."},
                    {"No, survivor bias needs drop-outs, and nobody dropped out of the study."},
                    {"No, sampling error is the chance gap between a sample statistic and its",
                     "population value; here the pull comes from the tests' imperfect correlation."},
                    {"Yes, a student with a high score on the first test was most likely doing",
                     "better than usual for that student, and so tended to score closer to the",
                     "mean on the second test."}}}},
        // 17
        {.correct = 2,
         .lines = {"In the simple regression model, the correlation coefficient is equal to"},
         .answers = {"R-squared", "plus or minus the square root of R-squared.", "1 - R-squared.",
                     "the square root of (1 - R-squared).", "1/R-squared."},
         // r takes the sign of the slope, so a bare square root would be wrong for falling lines.
         .hints = {{symbolOfR,
                    {"Yes, r is the square root of R-squared, taken with the sign of the slope b."},
                    symbolOfR,
                    symbolOfR,
                    symbolOfR}}},
        // 18
        {.correct = 5,
         .lines = {"The values of the correlation coefficient in the simple regression model",
                   "can range from"},
         .answers = {"0 to 1.", "0 to infinity.", "-infinity to 0.", "-infinity to +infinity.", "-1 to +1."},
         .hints = {{canBeNegative,
                    canBeNegative,
                    {"No, the correlation coefficient can be positive."},
                    {"No, the correlation coefficient is bounded."},
                    {"Yes, -1 is perfect negative correlation, with every point on a line of",
                     "negative slope, and +1 is perfect positive correlation, with every point on",
                     "a line of positive slope."}}}},
        // 19
        {.correct = 1,
         .lines = {"The values of R-squared in the simple regression model can range from"},
         .answers = {"0 to 1.", "0 to infinity.", "-infinity to 0.", "-infinity to +infinity.", "-1 to +1."},
         .hints = {{{"Yes, R-squared is the square of the correlation coefficient, which ranges",
                     "from -1 to +1; so R-squared ranges from 0, no linear relationship, to 1,",
                     "a perfect fit."},
                    {"No, R-squared cannot be infinite."},
                    negativeR2,
                    negativeR2,
                    negativeR2}}},
        // 20
        {.correct = 1,
         .lines = {"A simple regression using 54 observations gives the estimated equation",
                   "y = -2.39 + 2.77x, and the standard error of the estimate of b is 0.0276.",
                   "The 2-sided p value for testing the null hypothesis b = 0 is"},
         .answers = {"3.3*10^-61", "0.009", "0.03", "0.61", "0.93."},
         .hints = {{{"Yes, t = b/(standard error of b) = 2.77/0.0276, about 100.  The chance of",
                     "so large a t value if the null hypothesis is true is minuscule."},
                    guessing,
                    guessing,
                    guessing,
                    guessing}}},
        // 21
        {.correct = 3,
         .lines = {"A simple regression using 30 observations gives the estimated equation",
                   "y = -1.78 - 1.34x, and the standard error of the estimate of b is 0.68.",
                   "The 2-sided p value for testing the null hypothesis b = 0 is"},
         .answers = {"4.8*10^-7", "0.001", "0.06", "0.23", "0.95."},
         .hints = {{guessing,
                    guessing,
                    {"Yes, t = b/(standard error of b) = -1.34/0.68 = -1.97.  If the null",
                     "hypothesis is true, the chance of a t value below -2 or above 2 is roughly",
                     "5%, so the chance of one as far from 0 as -1.97 is a little more than that."},
                    guessing,
                    guessing}}},
        // 22
        {.correct = 4,
         .lines = pValueQuestion,
         .answers = {"-0.05", "0.00", "0.02", "0.19", "0.95"},
         .hints = {{{"No, a p value is a probability, so it cannot be negative."},
                    {"No, a p value of 0 would need a perfect fit; do the points lie on a line?"},
                    {"No, 0.02 would be strong evidence against H0; is the relationship so close?"},
                    {"Yes, an imperfect relationship: t = -1.42, R-squared = 0.20 and p = 0.19."},
                    {"No, 0.95 would mean no relationship at all.  Don't the points tend to fall?"}}},
         .chart = fallingCloud},
        // 23
        {.correct = 2,
         .lines = slopeQuestion,
         .answers = {"-2", "-1", "0", "1", "2"},
         .hints = {{estimateSlope,
                    {"Yes, the fitted line falls from 7.5 at x = 0 to 3.8 at x = 4: b = -0.92."},
                    estimateSlope,
                    estimateSlope,
                    estimateSlope}},
         .chart = fallingCloud},
        // 24
        {.correct = 2,
         .lines = pValueQuestion,
         .answers = {"1.0*10^-8", "0.0003", "0.1", "0.4", "0.8"},
         .hints = {{{"No, so small a p value would need a much closer fit; is the fit that close?"},
                    {"Yes, a close relationship: t = 5.97 and R-squared = 0.82 give p = 0.0003."},
                    {"No, 0.1 would be weak evidence against H0; isn't the relationship close?"},
                    {"No, 0.4 would be no real evidence against H0; isn't the relationship close?"},
                    {"No, 0.8 would mean no relationship at all.  Don't the points rise with x?"}}},
         .chart = steepRise},
        // 25
        {.correct = 3,
         .lines = slopeQuestion,
         .answers = {"0.18", "0.9", "1.7", "9", "18"},
         .hints = {{estimateSlope,
                    estimateSlope,
                    {"Yes, the fitted line rises from 1.3 at x = 0 to 18.5 at x = 10: b = 1.73."},
                    estimateSlope,
                    estimateSlope}},
         .chart = steepRise},
        // 26
        {.correct = 3,
         .lines = rSquaredQuestion,
         .answers = {"0.2", "0.4", "0.8", "1", "10"},
         .hints = {{{"No, 0.2 would mean a loose relationship; don't the points keep near a line?"},
                    {"No, 0.4 would leave most of the variation unexplained; is the fit so loose?"},
                    {"Yes, a close relationship: R-squared = 0.82, with t = 5.97 and p = 0.0003."},
                    {"No, R-squared = 1 would need a perfect fit; are all the points on a line?"},
                    {"No, R-squared cannot be larger than 1."}}},
         .chart = Scatter{.points = {{1, 2}, {2, 2.6}, {3.5, 5.8}, {3.5, 5.8}, {5, 5.0},
                                     {6, 5.8}, {7, 8.2}, {8.5, 8.2}, {8.5, 6.6}, {10, 9.0}},
                          .minX = 0, .maxX = 10, .stepX = 2, .minY = 0, .maxY = 10, .stepY = 2}},
        // 27
        {.correct = 1,
         .lines = rSquaredQuestion,
         .answers = {"0.06", "0.25", "0.50", "0.75", "0.95"},
         .hints = {{{"Yes, hardly any correlation: R-squared = 0.06, t = 0.70 and p = 0.50."},
                    {"No, 0.25 would mean a clear, if loose, relationship; can you see one here?"},
                    {"No, 0.50 would mean a fairly close relationship; do you see one here?"},
                    {"No, 0.75 would mean a close relationship; do the points keep near a line?"},
                    {"No, 0.95 would put the points almost on a line; do they lie that close?"}}},
         .chart = Scatter{.points = {{2, 9.5}, {2, 0.5}, {3, 1}, {5, 4}, {5, 9},
                                     {5, 10}, {7, 9}, {8, 8.5}, {9, 6}, {9, 4}},
                          .minX = 0, .maxX = 10, .stepX = 2, .minY = 0, .maxY = 10, .stepY = 2}},
        // 28
        {.correct = 3,
         .lines = pValueQuestion,
         .answers = {"1.5*10^-9", "0.005", "0.13", "0.50", "0.95"},
         .hints = {{{"No, so small a p value would need a far closer fit; is the fit that close?"},
                    {"No, 0.005 would be strong evidence against H0; is the relationship so close?"},
                    {"Yes, weak evidence against H0: t = 1.68 and R-squared = 0.26 give p = 0.13."},
                    {"No, 0.50 would mean hardly any relationship; don't the points tend to rise?"},
                    {"No, 0.95 would mean no relationship at all.  Don't the points tend to rise?"}}},
         .chart = looseRise},
        // 29
        {.correct = 1,
         .lines = slopeQuestion,
         .answers = {"0.5", "1", "2", "4", "10"},
         .hints = {{{"Yes, the fitted line rises from 4.5 at x = 0 to 9.9 at x = 10: b = 0.54."},
                    estimateSlope,
                    estimateSlope,
                    estimateSlope,
                    estimateSlope}},
         .chart = looseRise},
        // 30
        {.correct = 4,
         .lines = chartLines("What problem is there in estimating this simple regression model?"),
         .answers = {"insufficient variation in x", "insufficient variation in y", "insufficient variation in e",
                     "an outlier", "x and y have the same range."},
         .hints = {{{"No, there is plenty of variation in x."},
                    {"No, why would we want more variation in y?"},
                    {"No, why would we want more variation in e?"},
                    {"Yes, the relationship is negative, except for this peculiar outlier."},
                    {"No, this doesn't cause any problems."}}},
         .chart = Scatter{.points = {{1, 9}, {0.5, 7}, {2, 7}, {2, 8}, {0.5, 8},
                                     {3, 6}, {3.25, 5}, {3.75, 5.5}, {4, 3}, {9, 8.8}},
                          .minX = 0, .maxX = 10, .stepX = 2, .minY = 0, .maxY = 10, .stepY = 2}},
    }};
    return sheet;
}
// clang-format on

} // namespace

void ch11Questions()
{
    storeSelected(questions());
}

} // namespace Module1
