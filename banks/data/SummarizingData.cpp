#include "banks/Banks.h"

#include "quiz/QuestionBank.h"

namespace Module1 {

namespace {

// clang-format off

// Hints that come back in several questions.
const Lines addFiveDivideByFive = {"No, add the five values and divide by 5; check your arithmetic."};
const Lines addSixDivideBySix = {"No, add the six values and divide by 6; check your arithmetic."};
const Lines addThreeDivideByThree = {"No, add the three values and divide by 3; check the signs."};
const Lines middleOfOrdered = {"No, the median is the middle value of the ordered data."};
const Lines evenCountMedian = {"No, with six values the median is the average of the two middle values."};
const Lines meanForMedian = {"No, that is the mean; the median is the middle of the ordered data."};
const Lines fiveIsTheMode = {"No, 5 is the mode, the value that occurs most often."};
const Lines divideByNMinusOne = {"No, remember to divide by n-1 instead of n."};
const Lines sdForVariance = {"No, I think you calculated the standard deviation instead of the variance!"};
const Lines meanForVariance = {"No, I think you calculated the mean instead of the variance!"};
const Lines varianceForSd = {"No, I think you calculated the variance instead of the standard deviation!"};
const Lines meanForSd = {"No, I think you calculated the mean instead of the standard deviation!"};
const Lines medianIsTheLine = {"Yes, the median is the line inside the box."};

// A box-plot question: its one line of text, then room for the chart.
Lines chartQuestion(const char* text)
{
    return {text, "", "", "", ""};
}

// One box, unlabelled; a box lists minimum, maximum, first quartile, median, third quartile.
BoxPlot oneBox(Box box, double minX, double maxX, Integer xDivisions)
{
    return BoxPlot{.boxes = {box}, .labels = {""}, .minX = minX, .maxX = maxX, .xDivisions = xDivisions};
}

const QuestionSheet& questions()
{
    static const QuestionSheet sheet = {{
        // 1
        {.correct = 3,
         .lines = {"A large sample standard deviation implies that the sample values are"},
         .answers = {"large.", "small.", "dispersed.", "biased.", "skewed."},
         .hints = {Lines{"No, if all the sample values are 1 billion, the standard deviation is zero!"},
                   Lines{"No, if all the sample values are 0.000001, the standard deviation is zero!"},
                   Lines{"Yes, the standard deviation is the square root of the variance, which is",
                         "the average squared deviation of the values from the sample mean.  If the",
                         "sample values vary greatly, there will be a large variance and a large",
                         "standard deviation."},
                   Lines{"No, a sample with a large standard deviation need not be biased; for",
                         "example, the wealth of a random sample of 100 Americans might have a",
                         "large standard deviation, and its mean still be an unbiased estimator of",
                         "the average wealth of all Americans."},
                   Lines{"No, a sample with a large standard deviation need not be skewed; for",
                         "example, a histogram for the data could be a symmetrical bell curve with",
                         "a large standard deviation."}}},
        // 2
        {.correct = 1,
         .lines = {"The median value of a set of data"},
         .answers = {"is the middle value once the values are put in order.",
                     "is the value that occurs most often.",
                     "is the sum of the values divided by the number of values.",
                     "is the largest value minus the smallest value.",
                     "is always one of the data values."},
         .hints = {Lines{"Yes, at least half the values lie at or below the median and at least half",
                         "at or above it; for an even count, it is the average of the middle two."},
                   Lines{"No, the value that occurs most often is the mode.  The median is the",
                         "middle value once the data are put in order."},
                   Lines{"No, that is the mean.  The median is the middle value once the data are",
                         "put in order."},
                   Lines{"No, that is the range, a measure of spread rather than of center."},
                   Lines{"No, the median of 1, 2, 3, 4 is 2.5, which is not one of the values."}}},
        // 3
        {.correct = 4,
         .lines = {"To determine the median, it is most helpful to begin by"},
         .answers = {"adding up the values.",
                     "computing the mean.",
                     "finding the value that occurs most often.",
                     "sorting the values from smallest to largest.",
                     "finding the largest and smallest values."},
         .hints = {Lines{"No, the sum is needed for the mean, not for the median."},
                   Lines{"No, the median does not depend on the mean at all."},
                   Lines{"No, the value that occurs most often is the mode, not the median."},
                   Lines{"Yes, once the values are in order, the median is the one in the middle."},
                   Lines{"No, the largest and smallest values give the range, not the median."}}},
        // 4
        {.correct = 2,
         .lines = {"The mean and median will be equal if"},
         .answers = {"the data contain an outlier.",
                     "the data are symmetric about their center.",
                     "the data are skewed to the right.",
                     "the sample is large.",
                     "the standard deviation is large."},
         .hints = {Lines{"No, an outlier pulls the mean toward it but hardly moves the median."},
                   Lines{"Yes, if the data are symmetric about a center, the mean and the median",
                         "both equal that center."},
                   Lines{"No, a long tail to the right pulls the mean above the median, so in",
                         "right-skewed data the mean is usually larger than the median."},
                   Lines{"No, a large sample can still be skewed, with its mean far from its median."},
                   Lines{"No, a large standard deviation says only that the data are spread out;",
                         "spread-out data can be skewed, with the mean far from the median."}}},
        // 5
        {.correct = 5,
         .lines = {"Outliers tend to"},
         .answers = {"pull the median toward them.",
                     "make the standard deviation smaller.",
                     "have no effect on the mean.",
                     "occur only in small samples.",
                     "pull the mean toward them."},
         .hints = {Lines{"No, the median depends only on the middle values, so it resists outliers."},
                   Lines{"No, an outlier's large squared deviation inflates the standard deviation."},
                   Lines{"No, the mean uses every value, so one extreme value can move it a lot."},
                   Lines{"No, outliers can turn up in samples of any size."},
                   Lines{"Yes, the mean uses every value, so one very large or very small value",
                         "pulls it toward that extreme; the median is hardly affected."}}},
        // 6
        {.correct = 5,
         .lines = {"An outlier can be caused by"},
         .answers = {"a large sample size.",
                     "reporting the median instead of the mean.",
                     "sorting the values from smallest to largest.",
                     "choosing the sample at random.",
                     "an error in recording a value."},
         .hints = {Lines{"No, the size of a sample does not make any of its values unusual."},
                   Lines{"No, the summary that one reports does not change the data themselves."},
                   Lines{"No, putting the values in order does not change any of them."},
                   Lines{"No, choosing the sample at random does not change any of its values."},
                   Lines{"Yes, a mistyped value, such as 150 entered as 1500, can become an outlier."}}},
        // 7: the unsigned answers start with a blank to line up with the negative ones.
        {.correct = 1,
         .lines = {"Calculate the mean of these data: -4, 0, 4"},
         .answers = {" 0", "-4", "-2", " 2", " 4"},
         .hints = {Lines{"Yes, the mean is the sum of the values divided by the number of values:",
                         "(-4 + 0 + 4)/3 = 0/3 = 0.  The negative and the positive value cancel,",
                         "just as the data are balanced about 0."},
                   Lines{"No, -4 is the smallest value; add the three values and divide by 3."},
                   addThreeDivideByThree,
                   addThreeDivideByThree,
                   Lines{"No, 4 is the largest value; add the three values and divide by 3."}}},
        // 8
        {.correct = 3,
         .lines = {"Calculate the mean of these data: 1, 3, 5, 7, 9, 11"},
         .answers = {"5.0", "5.5", "6.0", "6.5", "7.2"},
         .hints = {Lines{"No, 5 is one of the two middle values.  The mean uses every value: add",
                         "all six, 1 + 3 + 5 + 7 + 9 + 11 = 36, and divide by the number of",
                         "values, 6."},
                   addSixDivideBySix,
                   Lines{"Yes, the mean is the sum of the values divided by the number of values:",
                         "(1 + 3 + 5 + 7 + 9 + 11)/6 = 36/6 = 6.  The values are evenly spaced, so",
                         "the mean lies halfway between the two middle values, 5 and 7."},
                   addSixDivideBySix,
                   Lines{"No, 36/5 = 7.2 divides the sum by 5.  The mean divides the sum of the",
                         "values by the number of values, n = 6, not by n-1: 36/6 = 6.  Only the",
                         "sample variance divides by n-1."}}},
        // 9
        {.correct = 2,
         .lines = {"Calculate the mean of these data: 0, 4, 5, 6, 10"},
         .answers = {"4.0", "5.0", "6.0", "10.0", "6.3"},
         .hints = {Lines{"No, 4 is the second smallest value.  The mean is the sum of the values",
                         "divided by the number of values: add all five, 0 + 4 + 5 + 6 + 10 = 25,",
                         "and divide by 5."},
                   Lines{"Yes, the mean is the sum of the values divided by the number of values:",
                         "(0 + 4 + 5 + 6 + 10)/5 = 25/5 = 5.  The value 0 counts as one of the",
                         "five values even though it adds nothing to the sum."},
                   addFiveDivideByFive,
                   Lines{"No, 10 is the largest value; the mean is the sum of the values divided by 5."},
                   Lines{"No, 25/4 = 6.25, about 6.3, leaves out the value 0.  A zero is still a",
                         "value: it adds nothing to the sum but counts in the number of values, so",
                         "the mean is 25/5 = 5."}}},
        // 10
        {.correct = 5,
         .lines = {"Calculate the mean of these data: 1, 2, 3, 4, 10"},
         .answers = {"2.0", "2.5", "3.0", "3.5", "4.0"},
         .hints = {addFiveDivideByFive,
                   Lines{"No, 2.5 is the mean of 1, 2, 3 and 4; the value 10 belongs to the data too."},
                   Lines{"No, 3 is the median, the middle value; the mean uses every value."},
                   addFiveDivideByFive,
                   Lines{"Yes, the mean is the sum of the values divided by the number of values:",
                         "(1 + 2 + 3 + 4 + 10)/5 = 20/5 = 4.  The large value 10 pulls the mean",
                         "above the median, 3."}}},
        // 11
        {.correct = 2,
         .lines = {"Calculate the median of these data: 1, 2, 3, 4, 10"},
         .answers = {"2.0", "3.0", "4.0", "5.5", "10.0"},
         .hints = {middleOfOrdered,
                   Lines{"Yes, the values are in order, and the middle one of the five is 3."},
                   meanForMedian,
                   Lines{"No, 5.5 is halfway between the smallest and largest values."},
                   Lines{"No, 10 is the largest value; the median is the middle of the ordered data."}}},
        // 12
        {.correct = 3,
         .lines = {"Calculate the median of these data: 5, 5, 7, 8, 9, 20"},
         .answers = {"5.0", "7.0", "7.5", "8.0", "9.0"},
         .hints = {fiveIsTheMode,
                   evenCountMedian,
                   Lines{"Yes, the data are in order and there are six of them, so the median is",
                         "the average of the two middle values, the third and the fourth:",
                         "(7 + 8)/2 = 7.5."},
                   evenCountMedian,
                   meanForMedian}},
        // 13
        {.correct = 1,
         .lines = {"Calculate the median of these data: 7, 1, 6, 24, 5, 5, 8"},
         .answers = {"6.0", "5.0", "8.0", "24.0", "12.5"},
         .hints = {Lines{"Yes, in order the data are 1, 5, 5, 6, 7, 8, 24, and the middle value is 6."},
                   fiveIsTheMode,
                   meanForMedian,
                   Lines{"No, 24 is the middle of the list as given; put the values in order first."},
                   Lines{"No, 12.5 is halfway between the smallest and largest values."}}},
        // 14
        {.correct = 4,
         .lines = {"Calculate the median of these data: 10, 5, 3, 20, 7, 3"},
         .answers = {"3.0", "5.0", "8.0", "6.0", "11.5"},
         .hints = {Lines{"No, 3 is the mode, the value that occurs most often."},
                   evenCountMedian,
                   meanForMedian,
                   Lines{"Yes, in order the data are 3, 3, 5, 7, 10, 20.  With six values the",
                         "median is the average of the two middle values, the third and the",
                         "fourth: (5 + 7)/2 = 6."},
                   Lines{"No, 11.5 averages the two middle values of the list as given; sort it first."}}},
        // 15
        {.correct = 1,
         .lines = {"Calculate the mode of these data: 0, 0, 1, 2, 7"},
         .answers = {"0.0", "1.0", "2.0", "3.5", "7.0"},
         .hints = {Lines{"Yes, the mode is the value that occurs most often, and 0 occurs twice."},
                   Lines{"No, 1 is the median; the mode is the value that occurs most often."},
                   Lines{"No, 2 is the mean; the mode is the value that occurs most often."},
                   Lines{"No, 3.5 is halfway between the smallest and largest values, not the mode."},
                   Lines{"No, 7 is the largest value; the mode is the value that occurs most often."}}},
        // 16
        {.correct = 3,
         .lines = {"Calculate the mode of these data: 10, 4, 6, 4"},
         .answers = {"5.0", "6.0", "4.0", "7.0", "10.0"},
         .hints = {Lines{"No, 5 is the median; the mode is the value that occurs most often."},
                   Lines{"No, 6 is the mean; the mode is the value that occurs most often."},
                   Lines{"Yes, the mode is the value that occurs most often, and 4 occurs twice."},
                   Lines{"No, 7 is halfway between the smallest and largest values, not the mode."},
                   Lines{"No, 10 is the largest value; the mode is the value that occurs most often."}}},
        // 17
        {.correct = 5,
         .lines = {"Calculate the sample variance of these data: 3, 5, 7"},
         .answers = {"4/3", "8/3", "2", "5", "4"},
         .hints = {Lines{"No, remember to square the deviations from the mean and to divide by",
                         "n-1 instead of n."},
                   divideByNMinusOne,
                   sdForVariance,
                   meanForVariance,
                   Lines{"Yes, the variance is the average squared deviation about the mean, and we",
                         "divide by n-1 instead of n."}}},
        // 18
        {.correct = 1,
         .lines = {"Calculate the sample variance of these data: 2, 2, 2"},
         .answers = {"0", "2", "4", "6", "1"},
         .hints = {Lines{"Yes, every deviation from the mean is 0, and 0 divided by n-1 is 0."},
                   meanForVariance,
                   Lines{"No, 4 squares the mean; square the deviations from the mean instead."},
                   Lines{"No, 6 is the sum of the values; the variance uses deviations from the mean."},
                   Lines{"No, square each deviation from the mean, add the squares and divide by n-1."}}},
        // 19
        {.correct = 4,
         .lines = {"Calculate the sample variance of these data: 5, 10, 15"},
         .answers = {"5", "10", "16 2/3", "25", "50"},
         .hints = {sdForVariance,
                   meanForVariance,
                   divideByNMinusOne,
                   Lines{"Yes, the mean is 10 and the squared deviations are 25, 0 and 25; their",
                         "sum, 50, divided by n-1 = 2 gives a variance of 25."},
                   Lines{"No, 50 is the sum of the squared deviations; divide it by n-1 = 2."}}},
        // 20
        {.correct = 1,
         .lines = {"Calculate the sample standard deviation of these data: 4, 7, 10"},
         .answers = {"3", "9", "square root of 6", "7", "18"},
         .hints = {Lines{"Yes, the mean is 7, and the squared deviations 9, 0 and 9 add up to 18;",
                         "18/(n-1) = 9 is the variance, and its square root is 3."},
                   varianceForSd,
                   Lines{"No, 6 = 18/3 divides the sum of squared deviations by n instead of n-1;",
                         "the variance is 18/2 = 9, and the standard deviation is its square root."},
                   meanForSd,
                   Lines{"No, 18 is the sum of squared deviations; divide by n-1, then take the root."}}},
        // 21
        {.correct = 2,
         .lines = {"Calculate the sample standard deviation of these data: 5, 8, 8"},
         .answers = {"3", "square root of 3", "square root of 2", "7", "8"},
         .hints = {varianceForSd,
                   Lines{"Yes, the squared deviations from the mean 7 are 4, 1 and 1, adding up to",
                         "6; 6/(n-1) = 3 is the variance, and the standard deviation is its root."},
                   Lines{"No, 6/3 = 2 divides the sum of squared deviations by n instead of n-1;",
                         "the variance is 6/2 = 3, and the standard deviation is its square root."},
                   meanForSd,
                   Lines{"No, 8 is the mode; the standard deviation measures spread about the mean."}}},
        // 22
        {.correct = 1,
         .lines = {"Calculate the sample standard deviation of these data: 5, 5, 5"},
         .answers = {"0", "5", "15", "25", "square root of 5"},
         .hints = {Lines{"Yes, every value equals the mean, 5, so every deviation is 0; the",
                         "variance is 0/(n-1) = 0, and so is its square root."},
                   meanForSd,
                   Lines{"No, 15 is the sum of the values; measure the spread about the mean instead."},
                   Lines{"No, 25 squares the mean; square the deviations from the mean instead."},
                   Lines{"No, that is the square root of the mean; the values do not vary at all."}}},
        // 23
        {.correct = 1,
         .lines = {"The box in a box plot shows the"},
         .answers = {"interquartile range", "range", "standard deviation", "mean", "confidence interval"},
         .hints = {Lines{"Yes, the box runs from the first quartile to the third: the middle half."},
                   Lines{"No, the range runs from the minimum to the maximum, the plot's two extremes."},
                   Lines{"No, a box plot is built from quartiles and shows no standard deviation."},
                   Lines{"No, a box plot does not show the mean; the line in the box is the median."},
                   Lines{"No, the box describes the data themselves, not an interval estimate."}}},
        // 24
        {.correct = 5,
         .lines = {"The interquartile range is the"},
         .answers = {"largest value minus the smallest value.",
                     "square root of the variance.",
                     "middle value of the ordered data.",
                     "average distance of the values from the mean.",
                     "third quartile minus the first quartile."},
         .hints = {Lines{"No, that is the range; the interquartile range covers only the middle half."},
                   Lines{"No, the square root of the variance is the standard deviation."},
                   Lines{"No, the middle value of the ordered data is the median."},
                   Lines{"No, the interquartile range is built from quartiles, not from the mean."},
                   Lines{"Yes, it is the width of the box in a box plot, the range of the middle",
                         "half of the data; unlike the range, it is hardly affected by outliers."}}},
        // 25
        {.correct = 3,
         .lines = chartQuestion("What is the median for the data described by this figure?"),
         .answers = {"0", "5", "7", "12", "20"},
         .hints = {Lines{"No, 0 is the minimum value."},
                   Lines{"No, 5 is the first quartile."},
                   medianIsTheLine,
                   Lines{"No, 12 is the third quartile."},
                   Lines{"No, 20 is the maximum value."}},
         .chart = oneBox({0, 20, 5, 7, 12}, 0, 20, 4)},
        // 26
        {.correct = 2,
         .lines = chartQuestion("What is the median for the data described by this figure?"),
         .answers = {"8", "10", "11", "12.5", "14"},
         .hints = {Lines{"No, 8 is the first quartile, the left edge of the box."},
                   medianIsTheLine,
                   Lines{"No, 11 is halfway between the quartiles; the median is the line in the box."},
                   Lines{"No, 12.5 is halfway between the minimum and the maximum."},
                   Lines{"No, 14 is the third quartile, the right edge of the box."}},
         .chart = oneBox({5, 20, 8, 10, 14}, 0, 25, 5)},
        // 27
        {.correct = 5,
         .lines = chartQuestion("Which range encompasses roughly half the data described by this figure?"),
         .answers = {"15 to 20", "35 to 45", "15 to 35", "15 to 45", "25 to 45"},
         .hints = {Lines{"No, 15 to 20 runs from the minimum to the first quartile: a fourth."},
                   Lines{"No, 35 to 45 runs from the third quartile to the maximum: a fourth."},
                   Lines{"No, 15 to 35 runs from the minimum to the third quartile: three-fourths."},
                   Lines{"No, 15 to 45 runs from the minimum to the maximum: all of the data."},
                   Lines{"Yes, 25 to 45 runs from the median to the maximum: the upper half."}},
         .chart = oneBox({15, 45, 20, 25, 35}, 10, 50, 4)},
        // 28
        {.correct = 3,
         .lines = chartQuestion("Which range encompasses roughly half the data described by this figure?"),
         .answers = {"10 to 20", "20 to 30", "20 to 35", "10 to 35", "10 to 42"},
         .hints = {Lines{"No, 10 to 20 runs from the minimum to the first quartile: a fourth."},
                   Lines{"No, 20 to 30 runs from the first quartile to the median: a fourth."},
                   Lines{"Yes, 20 to 35 is the box, first quartile to third: the middle half."},
                   Lines{"No, 10 to 35 runs from the minimum to the third quartile: three-fourths."},
                   Lines{"No, 10 to 42 runs from the minimum to the maximum: all of the data."}},
         .chart = oneBox({10, 42, 20, 30, 35}, 0, 50, 5)},
        // 29
        {.correct = 1,
         .lines = chartQuestion("Which range encompasses three-fourths of the data described here, roughly?"),
         .answers = {"5 to 30", "5 to 25", "20 to 30", "30 to 40", "5 to 40"},
         .hints = {Lines{"Yes, 5 to 30 runs from the minimum to the third quartile: three-fourths."},
                   Lines{"No, 5 to 25 runs from the minimum to the median: half of the data."},
                   Lines{"No, 20 to 30 is the box, from the first to the third quartile: half."},
                   Lines{"No, 30 to 40 runs from the third quartile to the maximum: a fourth."},
                   Lines{"No, 5 to 40 runs from the minimum to the maximum: all of the data."}},
         .chart = oneBox({5, 40, 20, 25, 30}, 0, 50, 5)},
        // 30
        {.correct = 2,
         .lines = chartQuestion("What is the third quartile for the data described by this figure?"),
         .answers = {"4", "7", "5", "8", "2"},
         .hints = {Lines{"No, 4 is the first quartile."},
                   Lines{"Yes, the third quartile is the right edge of the box."},
                   Lines{"No, 5 is the median."},
                   Lines{"No, 8 is the maximum value."},
                   Lines{"No, 2 is the minimum value."}},
         .chart = oneBox({2, 8, 4, 5, 7}, 0, 10, 5)},
    }};
    return sheet;
}
// clang-format on

} // namespace

void ch3Questions()
{
    storeSelected(questions());
}

} // namespace Module1
