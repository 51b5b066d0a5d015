#include "banks/Banks.h"

#include "quiz/QuestionBank.h"

namespace Module1 {

namespace {

// clang-format off

// Hints that many wrong answers share.
const Lines justGuessing = {"No, you are just guessing."};
const Lines guessing = {"No, you are guessing."};
const Lines meaningless = {"No, this is meaningless."};
const Lines sampleSize = {"No, remember to take the sample size into account."};
const Lines squareRoot = {"No, remember to use the square root of the sample size."};
const Lines sampleTests = {"No, the sample is used to test H0."};
const Lines intervalAndTest = {"No, think about how a confidence interval is related to a hypothesis test."};
const Lines rulesOfThumb = {"No, remember the rules of thumb for 1, 2 and 3 standard deviations."};
const Lines rulesOfThumbYes = {"Yes, using the rules of thumb for 1, 2 and 3 standard deviations."};

// For large degrees of freedom the t value is read as if it were a z value.
const Lines rulesOfThumb46 = {"No, remember the rules of thumb for 1, 2 and 3 standard deviations.  (With 46",
                              "degrees of freedom the t distribution is very close to the normal",
                              "distribution.)"};
const Lines rulesOfThumbYes46 = {"Yes, using the rules of thumb for 1, 2 and 3 standard deviations.  (With 46",
                                 "degrees of freedom the t distribution is very close to the normal",
                                 "distribution.)"};
const Lines rulesOfThumb99 = {"No, remember the rules of thumb for 1, 2 and 3 standard deviations.  (With 99",
                              "degrees of freedom the t distribution is very close to the normal",
                              "distribution.)"};
const Lines rulesOfThumbYes99 = {"Yes, using the rules of thumb for 1, 2 and 3 standard deviations.  (With 99",
                                 "degrees of freedom the t distribution is very close to the normal",
                                 "distribution.)"};

const Lines probabilityOfData = {"No, the probabilities of a test are those of the data if H0 is true,",
                                 "not the probability that H0 is true given the data."};
const Lines notAName = {"No, that is not what this hypothesis is called."};
const Lines notCertain = {"No, a test cannot reach its conclusion with logical certainty."};
const Lines notAProbability = {"No, that is a test statistic computed from the data, not a probability."};
const Lines notAMeasure = {"No, on its own such a value does not measure how consistent the data are",
                           "with the null hypothesis."};

const Lines pureGuessing = {"No, with four suits, how often would pure guessing name the right one?"};

const QuestionSheet& questions()
{
    static const QuestionSheet sheet = {{
        // 1
        {.correct = 5,
         .lines = {"Instead of saying that the data prove the null hypothesis H0 true, it is",
                   "better to say that"},
         .answers = {"H0 is true with probability 0.95.", "H0 is false with probability 0.05.",
                     "we are 95% certain that H0 is true.", "the data do not reject H1.",
                     "the data do not reject H0."},
         .hints = {probabilityOfData, probabilityOfData, probabilityOfData,
                   Lines{"No, a test puts H0 to the test, not H1."},
                   Lines{"Yes, data that agree with H0 do not prove it true: H0 may be false and",
                         "other hypotheses may fit the data just as well."}}},
        // 2
        {.correct = 1,
         .lines = {"The hypothesis that is tested in a standard statistical test is called the"},
         .answers = {"null hypothesis.", "research hypothesis.", "test hypothesis.", "wrong hypothesis.",
                     "alternative hypothesis."},
         .hints = {Lines{"Yes, one tries to reject, or nullify, the hypothesis that a treatment has",
                         "no effect; hence the name null hypothesis."},
                   Lines{"No, the research hypothesis is what the researcher hopes to show; it is",
                         "usually the alternative hypothesis, confirmed when H0 is rejected."},
                   notAName, notAName,
                   Lines{"No, the alternative hypothesis is the one that H0 is tested against."}}},
        // 3
        {.correct = 4,
         .lines = {"The null hypothesis of a standard statistical test is often"},
         .answers = {"the hypothesis one hopes to prove true.", "the research hypothesis.",
                     "a hypothesis known to be true.", "a straw hypothesis one hopes to reject.",
                     "the conclusion of the test."},
         .hints = {Lines{"No, a test cannot prove H0 true, and one usually hopes to reject H0,",
                         "not to confirm it."},
                   Lines{"No, the research hypothesis is usually the alternative hypothesis, the",
                         "one confirmed when H0 is rejected."},
                   Lines{"No, if H0 were known to be true there would be nothing to test."},
                   Lines{"Yes, H0 is set up to be knocked down, like a straw man.  If the data",
                         "reject it, they confirm the research hypothesis, which is usually the",
                         "alternative."},
                   Lines{"No, H0 is the starting assumption of a test, not its conclusion."}}},
        // 4
        {.correct = 3,
         .lines = {"A standard statistical test is a proof by"},
         .answers = {"logical reasoning.", "axiomatic reasoning.", "statistical contradiction.",
                     "mathematical deduction.", "numerical equivalence."},
         .hints = {notCertain, notCertain,
                   Lines{"Yes, data that would be improbable were H0 true contradict H0, and H0 is",
                         "rejected.  Unlike a logical contradiction this one can mislead, since",
                         "improbable data do occur now and then."},
                   Lines{"No, a deduction gives certainty, and a test never does."},
                   Lines{"No, a test does not show that two numbers are equal."}}},
        // 5
        {.correct = 5,
         .lines = {"H0 specifies the value of a"},
         .answers = {"sample statistic.", "sample size.", "sample mean.", "sample proportion.",
                     "population parameter."},
         .hints = {sampleTests, sampleTests, sampleTests, sampleTests,
                   Lines{"Yes, for example, a population mean or binomial success probability."}}},
        // 6
        {.correct = 1,
         .lines = {"In a test of extrasensory perception, a card is drawn from a well-shuffled",
                   "deck and the person names its suit, one of four.  The card is returned and",
                   "the deck reshuffled each time, 20 times in all.  If p is the probability of",
                   "naming the suit correctly, the null hypothesis should be"},
         .answers = {"p = 1/4", "p = 1/2", "p = 3/4", "p = 1", "p > 1/2"},
         .hints = {Lines{"Yes, a person who is only guessing names the right suit with probability",
                         "1/4, one suit in four; the test tries to reject pure guessing."},
                   pureGuessing,
                   Lines{"No, p = 3/4 would be a strong gift, not pure guessing."},
                   Lines{"No, p = 1 means the person always names the suit.  The null hypothesis",
                         "is that the person is only guessing."},
                   pureGuessing}},
        // 7
        {.correct = 1,
         .lines = {"A course is judged by the change in each student's score on a test taken",
                   "before and after the course.  The null hypothesis should state that the",
                   "population mean of these changes is"},
         .answers = {"0.", "0.5.", "negative.", "positive.", "equal to the sample mean."},
         .hints = {Lines{"Yes, a mean change of 0 says that the course has no effect, which is the",
                         "hypothesis the data are meant to contradict."},
                   Lines{"No, why would a mean change of half a point stand for no effect?",
                         "Think about the purpose of a null hypothesis."},
                   Lines{"No, that would be an effect.  Think about the purpose of a null hypothesis."},
                   Lines{"No, a positive mean might be the one-sided alternative hypothesis.",
                         "Think about the purpose of a null hypothesis."},
                   Lines{"No, a hypothesis is about the population and is stated before the data",
                         "are seen.  Think about the purpose of a null hypothesis."}}},
        // 8
        {.correct = 2,
         .lines = {"A test computes a statistic from the sample and compares it with what H0",
                   "predicts.  The probability, were H0 true, of a result at least as extreme",
                   "as the one observed is called the"},
         .answers = {"F value.", "p value.", "s value.", "t value.", "x-bar value."},
         .hints = {notAProbability,
                   Lines{"Yes, the p value.  A small p value says that such a result would be rare",
                         "were H0 true, which is evidence against H0."},
                   meaningless, notAProbability,
                   Lines{"No, x-bar is the sample mean, not a probability."}}},
        // 9
        {.correct = 3,
         .lines = {"To test H0: population mean = 100, a random sample of 100 observations is",
                   "taken.  The sample mean is 120 and the sample standard deviation is 25.",
                   "The t value is"},
         .answers = {"0.80", "2.00", "8.00", "20.00", "80.00"},
         .hints = {sampleSize, justGuessing,
                   Lines{"Yes, t = (x-bar - mean)/(s/sqrt(100)) = (120 - 100)/(25/10) = 8.00."},
                   justGuessing, squareRoot}},
        // 10
        {.correct = 4,
         .lines = {"To test H0: population mean = 0, 25 observations are taken.  The sample mean",
                   "is 1 and the sample standard deviation is 4.  The t value is"},
         .answers = {"0.25", "0.50", "1.00", "1.25", "6.25"},
         .hints = {sampleSize, justGuessing, justGuessing,
                   Lines{"Yes, t = (x-bar - mean)/(s/sqrt(25)) = (1 - 0)/(4/5) = 1.25."},
                   squareRoot}},
        // 11
        {.correct = 2,
         .lines = {"To test H0: population mean = 50, a random sample of 100 observations is",
                   "taken.  The sample mean is 52 and the sample standard deviation is 10.",
                   "The t value is"},
         .answers = {"0.20", "2.00", "20.00", "200.00", "2000.00"},
         .hints = {sampleSize,
                   Lines{"Yes, t = (x-bar - mean)/(s/sqrt(100)) = (52 - 50)/(10/10) = 2.00."},
                   squareRoot, justGuessing, justGuessing}},
        // 12
        {.correct = 4,
         .lines = {"To test H0: probability = 0.5, 100 observations are taken, and 60 of them",
                   "are successes.  The z value is"},
         .answers = {"0.10", "0.20", "1.00", "2.00", "20.00"},
         .hints = {justGuessing, sampleSize, justGuessing,
                   Lines{"Yes, z = (x/n - p)/sqrt(p(1 - p)/n), with p = 0.5, the value under H0:",
                         "z = (60/100 - 0.5)/sqrt(0.5(1 - 0.5)/100) = 0.10/0.05 = 2.00."},
                   squareRoot}},
        // 13
        {.correct = 3,
         .lines = {"To test H0: probability = 0.5, 100 observations are taken, and 80 of them",
                   "are successes.  The z value is"},
         .answers = {"0.30", "0.80", "6.00", "7.50", "10.00"},
         .hints = {justGuessing, justGuessing,
                   Lines{"Yes, z = (x/n - p)/sqrt(p(1 - p)/n), with p = 0.5, the value under H0:",
                         "z = (80/100 - 0.5)/sqrt(0.5(1 - 0.5)/100) = 0.30/0.05 = 6.00."},
                   Lines{"No, the standard error takes p = 0.5 from H0, not the sample proportion 0.8."},
                   justGuessing}},
        // 14
        {.correct = 3,
         .lines = {"To test H0: probability = 0.5, 25 observations are taken, and 20 of them",
                   "are successes.  The z value is"},
         .answers = {"0.03", "0.30", "3.00", "30.00", "300.00"},
         .hints = {justGuessing, sampleSize,
                   Lines{"Yes, z = (x/n - p)/sqrt(p(1 - p)/n), with p = 0.5, the value under H0:",
                         "z = (20/25 - 0.5)/sqrt(0.5(1 - 0.5)/25) = 0.30/0.10 = 3.00."},
                   squareRoot, justGuessing}},
        // 15
        {.correct = 2,
         .lines = {"Testing H0: probability = 0.5 gave z = 2.2.  The two-sided p value is about"},
         .answers = {"0.001", "0.028", "0.204", "0.514", "0.805"},
         .hints = {rulesOfThumb, rulesOfThumbYes, rulesOfThumb, justGuessing, justGuessing}},
        // 16
        {.correct = 4,
         .lines = {"Testing H0: probability = 0.25 gave z = 0.80.  The two-sided p value is about"},
         .answers = {"0.02", "0.04", "0.25", "0.42", "0.80"},
         .hints = {rulesOfThumb, justGuessing, rulesOfThumb, rulesOfThumbYes, justGuessing}},
        // 17
        {.correct = 1,
         .lines = {"Testing H0: population mean = 10.0 with a random sample of 47 observations",
                   "gave t = 3.15.  The two-sided p value is about"},
         .answers = {"0.003", "0.104", "0.213", "0.47", "0.94"},
         .hints = {rulesOfThumbYes46, rulesOfThumb46, rulesOfThumb46, justGuessing, justGuessing}},
        // 18
        {.correct = 4,
         .lines = {"Testing H0: population mean = 0.0 with 100 observations gave t = 1.11.",
                   "The two-sided p value is about"},
         .answers = {"0.01", "0.02", "0.13", "0.27", "0.47"},
         .hints = {justGuessing, justGuessing,
                   Lines{"No, 0.13 is the one-sided p value; the two-sided one is wanted."},
                   rulesOfThumbYes99, rulesOfThumb99}},
        // 19
        {.correct = 1,
         .lines = {"The sample statistic used to test a null hypothesis H0 is called the"},
         .answers = {"test statistic.", "H0 statistic.", "H1 statistic.", "probability statistic.",
                     "p value."},
         .hints = {Lines{"Yes, for example, a z or t value, which measures how far the data lie from H0."},
                   guessing, meaningless, meaningless,
                   Lines{"No, the test statistic serves to find the p value."}}},
        // 20
        {.correct = 5,
         .lines = {"A two-sided p value is used"},
         .answers = {"when the z value is negative.", "when the t value is positive.",
                     "when the z value is large.", "when the t value is small.",
                     "when the alternative hypothesis is two-sided."},
         .hints = {meaningless, meaningless, guessing, guessing,
                   Lines{"Yes, then H0 is rejected by a test statistic far from the null value on",
                         "either side, so both tails of the distribution count."}}},
        // 21
        {.correct = 5,
         .lines = {"A t statistic is used to test H0: population mean = 0"},
         .answers = {"when the alternative is mean > 0.", "when the alternative is mean < 0.",
                     "when the sample mean is positive.", "when the sample mean is negative.",
                     "when the standard deviation is estimated."},
         .hints = {guessing, guessing, guessing, guessing,
                   Lines{"Yes, when the standard deviation is estimated from the sample, the t",
                         "distribution, not the normal, is the appropriate one."}}},
        // 22
        {.correct = 1,
         .lines = {"To test H0: success probability = 0.5, a 95% confidence interval of 0.72",
                   "plus or minus 0.15 (0.57 to 0.87) was computed.  The two-sided p value is"},
         .answers = {"less than 0.05", "0.05", "0.15", "0.30", "0.50"},
         .hints = {Lines{"Yes, the interval 0.57 to 0.87 excludes 0.5, so H0 is rejected at the 5%",
                         "level: the two-sided p value is less than 0.05."},
                   intervalAndTest, guessing, guessing, guessing}},
        // 23
        {.correct = 2,
         .lines = {"Testing H0: population mean = 40 gave t = 3.62.  The 95% confidence interval",
                   "for the population mean could be"},
         .answers = {"36.4 to 43.6", "44.7 to 56.3", "38.2 to 41.8", "40.0 to 43.6", "33.6 to 47.2"},
         .hints = {intervalAndTest,
                   Lines{"Yes, t = 3.62 is far beyond 2, so H0 is rejected at the 5% level and the",
                         "95% interval must exclude 40.  This is the only one that does, and it",
                         "lies above 40, as the positive t value says the sample mean does."},
                   intervalAndTest, intervalAndTest, intervalAndTest}},
        // 24
        {.correct = 5,
         .lines = {"A nonparametric test is appropriate regardless of the"},
         .answers = {"value of the null hypothesis.", "value of the sample statistic.", "p value.",
                     "field of study.", "distribution of the data."},
         .hints = {guessing, guessing, guessing, meaningless,
                   Lines{"Yes, a nonparametric test assumes no particular distribution of the",
                         "data, normal or not."}}},
        // 25
        {.correct = 3,
         .lines = {"Running a great many tests and reporting only those with the lowest p values",
                   "is called"},
         .answers = {"robust estimation.", "nonparametric tests.", "data mining.", "sample statistics.",
                     "proof by contradiction."},
         .hints = {Lines{"No, robust estimation is estimation that outliers affect little."},
                   Lines{"No, nonparametric tests assume no particular distribution of the data."},
                   Lines{"Yes, in its older, disparaging sense, also called data dredging or p-hacking:",
                         "among a great many tests some low p values turn up by chance alone.  Use",
                         "common sense, and test a striking result again on fresh data."},
                   Lines{"No, sample statistics are values computed from one sample."},
                   Lines{"No, that is how one test argues, not the reporting of many tests."}}},
        // 26
        {.correct = 1,
         .lines = {"Given valid data to test H0: success probability = 0.5, the exact two-sided",
                   "p value comes from the"},
         .answers = {"binomial distribution.", "normal distribution.", "law of large numbers.",
                     "law of averages.", "confidence interval."},
         .hints = {Lines{"Yes, under H0 the number of successes has a binomial distribution."},
                   Lines{"No, the normal distribution only approximates the binomial one."},
                   guessing,
                   Lines{"No, the law of averages is a popular saying, not a distribution."},
                   guessing}},
        // 27
        {.correct = 4,
         .lines = {"Testing H0: success probability = 0.5 gave z = -4.74.  The 95% confidence",
                   "interval for the success probability could be"},
         .answers = {"0.47 to 0.53", "0.03 to 0.97", "0.35 to 0.53", "0.29 to 0.41", "0.45 to 0.62"},
         .hints = {intervalAndTest, intervalAndTest, intervalAndTest,
                   Lines{"Yes, z = -4.74 is far beyond -2, so H0 is rejected at the 5% level and",
                         "the 95% interval must exclude 0.5.  This is the only one that does, and",
                         "it lies below 0.5, as the negative z value says the sample proportion does."},
                   intervalAndTest}},
        // 28
        {.correct = 5,
         .lines = {"A null hypothesis is most strongly rejected when the"},
         .answers = {"sample mean is close to 0.", "sample standard deviation is close to 0.",
                     "z value is close to 0.", "t value is close to 1.", "p value is close to 0."},
         .hints = {notAMeasure, notAMeasure,
                   Lines{"No, a z value close to 0 gives no evidence against H0."},
                   Lines{"No, a t value close to 1 is modest evidence against H0 at best."},
                   Lines{"Yes, a p value close to 0 says that data as extreme as these would hardly",
                         "ever occur were H0 true.  The smaller the p value, the more strongly the",
                         "data reject H0."}}},
        // 29
        {.correct = 5,
         .lines = {"The data give the least evidence against the null hypothesis when the"},
         .answers = {"sample mean is close to 0.", "sample standard deviation is close to 0.",
                     "z value is close to 1.", "t value is close to 1.", "p value is close to 1."},
         .hints = {notAMeasure, notAMeasure,
                   Lines{"No, a z value close to 1 is modest evidence against H0, not the least."},
                   Lines{"No, a t value close to 1 is modest evidence against H0, not the least."},
                   Lines{"Yes, a p value close to 1 says that data at least as extreme as these",
                         "would occur almost always were H0 true: the data agree with H0 as well",
                         "as data can.  Even so they do not prove H0 true; they only give no",
                         "reason to reject it."}}},
        // 30
        {.correct = 5,
         .lines = {"A null hypothesis about a population mean is false.  Which of these makes it",
                   "more likely that a sample will reject it?"},
         .answers = {"A small sample.", "A small sample mean.", "A small population mean.",
                     "A small t value.", "A small standard deviation."},
         .hints = {Lines{"No, a small sample gives a large standard error s/sqrt(n), hence a small",
                         "t value, so a false H0 is seldom rejected.  A large sample is more likely",
                         "to reject it."},
                   Lines{"No, what matters is how far the sample mean lies from the value in H0,",
                         "not whether it is small."},
                   Lines{"No, what matters is how far the population mean lies from the value in",
                         "H0, not whether it is small."},
                   Lines{"No, a small t value does not reject H0."},
                   Lines{"Yes, a small standard deviation gives a small standard error s/sqrt(n),",
                         "so a given gap between x-bar and the value in H0 gives a larger t value."}}},
    }};
    return sheet;
}
// clang-format on

} // namespace

void ch7Questions()
{
    storeSelected(questions());
}

} // namespace Module1
