#include "banks/Banks.h"

#include "quiz/QuestionBank.h"

namespace Module1 {

namespace {

// clang-format off

// Lines that several questions give as a whole hint.
const Lines guessing = {"No, you seem to be guessing."};
const Lines noSense = {"No, this doesn't make sense."};
const Lines rulesOfThumb = {"No, remember the rules of thumb for 1, 2 and 3 standard deviations."};
const Lines thinkABitMore = {"No, think about it a bit more carefully."};
const Lines thinkMore = {"No, think about it more carefully."};

// Hints that twin questions give at corresponding answers.
const Lines meanIsNp = {"Yes, the population mean number of successes in n binomial trials, each with",
                        "probability of success p, is np."};
const Lines numberOfTrials = {"No, that is the number of trials, not the mean number of successes."};
const Lines lawOfAverages = {"Yes, also called the gambler's fallacy: independent trials have no memory."};
const Lines centralLimit = {"No, the central limit theorem explains why sums and averages are bell-shaped."};
const Lines binomialModel = {"No, the binomial model, whose probabilities the binomial theorem gives, assumes",
                             "independent trials: earlier results do not change later chances."};
const Lines zFormula = {"Yes, z = (X - mean)/(standard deviation)."};
const Lines dividedByMean = {"No, you seem to have divided by the mean; z = (X - mean)/(standard deviation)."};
const Lines normalRules = {"Yes, 68% of a normal distribution is within 1 standard deviation, 95% within 2."};
const Lines bellShape = {"Yes, by the central limit theorem a binomial with many trials is bell-shaped."};
const Lines believeInAverages = {"No, do you believe in the law of averages?"};

// Hints that several answers of one question share.
const Lines tableOfStudents = {"No, set up a contingency table of 100 students, 50 male and 50 female."};
const Lines tableOfPatients = {"No, set up a contingency table of 100 patients, 10 with the flu and 90 without."};
const Lines tableOfProducts = {"No, set up a contingency table of 1000 products, 10 defective and 990 good."};
const Lines aAgainstB = {"No, why compare a probability of A with a probability of B?"};
const Lines notSixHeads = {"No, that is not the probability of exactly 6 heads in 10 flips."};
const Lines bothEven = {"No, both dice must be even, and each is even only half of the time."};
const Lines heightsAreNotProbabilities = {"No, the heights of a density curve are not probabilities; look at areas."};
const Lines zeroSpread = {"No, a standard deviation of 0 would mean that every value is the same."};
const Lines zMeasures = {"No, a z value measures the distance from the mean in standard deviations."};
const Lines symmetric = {"No, remember that a normal distribution is symmetric about its mean."};
const Lines theoremApplies = {"No, with as many as 1000 trials the central limit theorem applies."};
const Lines noHotStreak = {"No, a coin does not become more likely to land heads after a run of heads."};
const Lines observedData = {"No, this diagram displays data that have been observed, not the",
                            "probabilities of outcomes that might occur."};

const QuestionSheet sheet = {{
    // 1
    {.correct = 4,
     .lines = {"The central limit theorem explains why many data sets have"},
     .answers = {"a mean of 0.", "a standard deviation of 1.", "a long right tail.", "a bell-shaped histogram.",
                 "a median below the mean."},
     .hints = {{{"No, a mean of 0 is a property of standardized data, such as z values,",
                 "not something that the central limit theorem explains."},
                {"No, a standard deviation of 1 is a property of standardized data, such as",
                 "z values, not something that the central limit theorem explains."},
                {"No, a long right tail is a sign of skewed data, not of a bell shape."},
                {"Yes, a variable that is the sum of many small independent influences has",
                 "a distribution that is approximately normal, by the central limit theorem,",
                 "so its histogram is bell-shaped."},
                {"No, a median below the mean is a sign of data skewed to the right."}}}},
    // 2
    {.correct = 4,
     .lines = {"Bayesian probabilities are based on"},
     .answers = {"long-run frequencies.", "mathematical proofs.", "equally likely calculations.",
                 "subjective assessments.", "religious theorems."},
     .hints = {{{"No, long-run frequencies are the basis of frequentist probabilities."},
                {"No, a proof cannot tell how likely an uncertain event is."},
                {"No, equally likely calculations give the probabilities of games of chance,",
                 "such as dice and cards, whose outcomes are known to be equally likely."},
                {"Yes, a Bayesian probability is a personal degree of belief, revised by new data."},
                noSense}}},
    // 3
    {.correct = 3,
     .lines = {"If an event has a probability P of occurring, the fraction of the times",
               "that it occurs in the long run will almost certainly be very close to"},
     .answers = {"0", "1", "P", "nP", "P/n"},
     .hints = {{{"No, this would mean that it never occurs!"},
                {"No, this would mean that it always occurs!"},
                {"Yes, for example, a fairly flipped coin with a 0.5 probability of heads",
                 "will land heads close to half the time in the long run."},
                {"No, nP refers to the NUMBER of successes, not the fraction."},
                noSense}}},
    // 4
    {.correct = 1,
     .lines = {"The prices of life insurance are usually based on"},
     .answers = {"long-run frequencies.", "mathematical proofs.", "equally likely calculations.",
                 "subjective assessments.", "convenient axioms."},
     .hints = {{{"Yes, observed mortality data give the long-run frequencies of death at each age."},
                {"No, a proof cannot tell how long a person will live."},
                {"No, a death at a given age and survival past it are not equally likely."},
                {"No, insurers rely on mortality records rather than on personal opinions."},
                noSense}}},
    // 5
    {.correct = 5,
     .lines = {"The data in a contingency table are classified by"},
     .answers = {"their accuracy.", "their reliability.", "their degrees of freedom.", "their popularity.",
                 "rows and columns."},
     .hints = {{{"No, accuracy is a quality of the data, not a way of classifying them."},
                {"No, reliability is a quality of the data, not a way of classifying them."},
                {"No, degrees of freedom belong to a test of the table, not to its layout."},
                noSense,
                {"Yes, which is why a contingency table is also called a two-way table."}}}},
    // 6
    {.correct = 5,
     .lines = {"In a class that is half male, 70% of the males and 80% of all the students",
               "scored B or better on the midterm.  What percentage of the students who",
               "scored below B were male?"},
     .answers = {"20", "30", "50", "70", "75"},
     .hints = {{tableOfStudents,
                tableOfStudents,
                tableOfStudents,
                tableOfStudents,
                {"Yes, of 100 students, 50 are male and 35 of them score B or better.  In all,",
                 "80 score B or better, so 45 of the 50 females do.  Below B are 15 males and",
                 "5 females, and 15 of these 20 students, 75%, are male."}}}},
    // 7
    {.correct = 3,
     .lines = {"Of the patients who come to a student health center with flu-like symptoms,",
               "10% have the flu.  The center correctly diagnoses 90% of the patients with",
               "the flu and 90% of the patients without it.  What percentage of the patients",
               "whom it diagnoses with the flu really have it?"},
     .answers = {"10", "30", "50", "70", "90"},
     .hints = {{tableOfPatients,
                tableOfPatients,
                {"Yes, of 100 patients, 10 have the flu and 9 of them are diagnosed with it;",
                 "9 of the 90 without it are too, so 9 of the 18 diagnosed, 50%, have it."},
                tableOfPatients,
                tableOfPatients}}},
    // 8
    {.correct = 1,
     .lines = {"In a factory, 1% of the products are defective.  Inspectors flag 90% of the",
               "defective products and wrongly flag 20% of the good ones.  What is the",
               "probability that a flagged product is defective?"},
     .answers = {"0.04", "0.50", "0.80", "0.85", "0.90"},
     .hints = {{{"Yes, of 1000 products, 10 are defective and 9 of them are flagged; 198 of",
                 "the 990 good ones are too, so 9 of the 207 flagged, about 0.04, are defective."},
                tableOfProducts,
                tableOfProducts,
                tableOfProducts,
                tableOfProducts}}},
    // 9
    {.correct = 3,
     .lines = {"Two events A and B are independent if"},
     .answers = {"P[A] = P[B]", "P[A if B] = P[B]", "P[B if A] = P[B]", "P[A if B] = P[B if A]",
                 "P[A] = P[A and B]"},
     .hints = {{{"No, independent events need not be equally likely."},
                aAgainstB,
                {"Yes, knowing that A occurred does not change the probability of B."},
                aAgainstB,
                {"No, this says that B always occurs when A does, which is not independence."}}}},
    // 10
    {.correct = 1,
     .lines = {"A classic example of independent events is a series of"},
     .answers = {"coin flips.", "election winners.", "daily high temperatures.", "monthly weights of one person.",
                 "test scores of one student."},
     .hints = {{{"Yes, a coin does not remember how it landed before."},
                {"No, a party that wins one election often has an edge in the next one."},
                {"No, a hot day tends to be followed by another hot day."},
                {"No, a person's weight this month depends on last month's."},
                {"No, a student who scores well on one test tends to score well on the next."}}}},
    // 11
    {.correct = 4,
     .lines = {"The binomial model assumes independent trials, each with a probability of",
               "success that is"},
     .answers = {"0.", "0.5.", "1.0.", "constant.", "equal to the number of trials."},
     .hints = {{{"No, then there would never be a success."},
                {"No, the probability need not be 0.5; it need only stay the same."},
                {"No, then every trial would be a success."},
                {"Yes, the probability of success is the same on every trial."},
                noSense}}},
    // 12
    {.correct = 5,
     .lines = {"The probability of exactly 6 heads in 10 flips of a fair coin is"},
     .answers = {"0.4", "0.5", "0.6", "0.5^6", "given by the binomial distribution."},
     .hints = {{notSixHeads,
                notSixHeads,
                notSixHeads,
                {"No, 0.5^6 is the probability that 6 particular flips all land heads."},
                {"Yes, 210 of the 1024 equally likely sequences have 6 heads: about 0.21."}}}},
    // 13
    {.correct = 5,
     .lines = {"The probability of two even numbers when two dice are rolled is"},
     .answers = {"0.02.", "0.20.", "0.50.", "0.75.", "given by the binomial distribution."},
     .hints = {{{"No, this is much too small; half of the numbers on a die are even."},
                {"No, what is the probability that each die shows an even number?"},
                bothEven,
                bothEven,
                {"Yes, the binomial probability of 2 even numbers in 2 rolls is 0.5^2 = 0.25."}}}},
    // 14
    {.correct = 4,
     .lines = {"A graph that shows the probability of every possible number of sixes when",
               "10 dice are rolled is called a"},
     .answers = {"box-and-whiskers diagram.", "stem-and-leaf diagram.", "scatter diagram.",
                 "probability histogram.", "time-series graph."},
     .hints = {{observedData,
                observedData,
                {"No, a scatter diagram shows the relation between two variables."},
                {"Yes, its bars show the probabilities of the possible outcomes, while a",
                 "histogram of the numbers actually rolled would show what happened."},
                {"No, a time-series graph shows how a variable changes over time."}}}},
    // 15
    {.correct = 2,
     .lines = {"In 50 binomial trials, each with a probability of success of 0.05, the",
               "population mean number of successes is"},
     .answers = {"2", "2.5", "5", "25", "50"},
     .hints = {{thinkABitMore, meanIsNp, thinkABitMore, thinkMore, numberOfTrials}}},
    // 16
    {.correct = 4,
     .lines = {"In 2000 binomial trials, each with a probability of success of 0.10, the",
               "population mean number of successes is"},
     .answers = {"10", "20", "100", "200", "2000"},
     .hints = {{thinkMore, thinkABitMore, thinkMore, meanIsNp, numberOfTrials}}},
    // 17
    {.correct = 2,
     .lines = {"The mistaken belief that in a long run of fair coin flips the numbers of",
               "heads and tails must even out is called the"},
     .answers = {"law of large numbers.", "law of averages.", "central limit theorem.", "binomial theorem.",
                 "regression toward the mean."},
     .hints = {{{"No, the law of large numbers says that the FRACTION of heads approaches 0.5;",
                 "it does not say that the NUMBERS of heads and tails must even out."},
                lawOfAverages,
                centralLimit,
                binomialModel,
                {"No, regression toward the mean says that an extreme result tends to be followed",
                 "by a less extreme one; it does not say that later flips make up for earlier",
                 "ones so that heads and tails come out even."}}}},
    // 18
    {.correct = 2,
     .lines = {"On the density curve of a continuous random variable, a probability is",
               "represented by"},
     .answers = {"the height of the curve.", "the area under the curve.", "the peak of the curve.",
                 "the length of the x axis.", "the label of the y axis."},
     .hints = {{heightsAreNotProbabilities,
                {"Yes, probabilities belong to intervals of outcomes, and the probability of",
                 "an interval is the area under the curve above it."},
                heightsAreNotProbabilities,
                {"No, the x axis shows the values of the variable; a probability needs an",
                 "interval of these values and the curve above it."},
                noSense}}},
    // 19
    {.correct = 2,
     .lines = {"A standardized z variable has a mean of"},
     .answers = {"0 and standard deviation of 0.", "0 and standard deviation of 1.",
                 "1 and standard deviation of 0.", "1 and standard deviation of 1.",
                 "1 and standard deviation of -1."},
     .hints = {{zeroSpread,
                {"Yes, subtracting the mean moves the mean to 0, and dividing by the standard",
                 "deviation makes the standard deviation 1."},
                zeroSpread,
                {"No, subtracting the mean leaves a mean of 0."},
                {"No, a standard deviation can never be negative."}}}},
    // 20
    {.correct = 3,
     .lines = {"A variable X has a mean of 10 and a standard deviation of 5.  The z value",
               "of X = 30 is"},
     .answers = {"2", "3", "4", "6", "20"},
     .hints = {{dividedByMean, guessing, zFormula, guessing, guessing}}},
    // 21
    {.correct = 2,
     .lines = {"A variable X has a mean of 20 and a standard deviation of 10.  The z value",
               "of X = 50 is"},
     .answers = {"1.5", "3", "5", "10", "20"},
     .hints = {{dividedByMean, zFormula, guessing, guessing, guessing}}},
    // 22
    {.correct = 5,
     .lines = {"A z value of 1 means that the corresponding x value"},
     .answers = {"is equal to 1.", "is 1 unit above its mean.", "is 1 percent above its mean.",
                 "has a probability of 1.", "is 1 standard deviation above its mean."},
     .hints = {{zMeasures,
                zMeasures,
                zMeasures,
                {"No, a z value is not a probability."},
                {"Yes, z = 1 says that x lies one standard deviation above its mean."}}}},
    // 23
    {.correct = 3,
     .lines = {"X is normally distributed with a mean of 40 and a standard deviation of 10.",
               "The probability that X is larger than 50 is about"},
     .answers = {"0.025", "0.05", "0.16", "0.25", "0.50"},
     .hints = {{guessing, rulesOfThumb, normalRules, rulesOfThumb, guessing}}},
    // 24
    {.correct = 5,
     .lines = {"X is normally distributed with a mean of 20 and a standard deviation of 10.",
               "The probability that X lies between 0 and 40 is about"},
     .answers = {"0.10", "0.20", "0.50", "0.75", "0.95"},
     .hints = {{guessing, guessing, rulesOfThumb, rulesOfThumb, normalRules}}},
    // 25
    {.correct = 5,
     .lines = {"X is normally distributed with a mean of 25 and a standard deviation of 5.",
               "The probability that X is larger than 25 is"},
     .answers = {"0.20", "0.25", "0.30", "0.40", "0.50"},
     .hints = {{symmetric,
                symmetric,
                symmetric,
                symmetric,
                {"Yes, half of a normal distribution lies above its mean, which here is 25."}}}},
    // 26
    {.correct = 5,
     .lines = {"The distribution of the number of heads in 100 flips of a fair coin",
               "has"},
     .answers = {"a mean of 0.5.", "a standard deviation of 0.5.", "a variance of 0.5.", "a peak at 0.5.",
                 "a bell shape."},
     .hints = {{{"No, 0.5 is the probability of heads on one flip; the mean number of heads",
                 "is np = (100)(0.5) = 50."},
                {"No, the standard deviation of the number of heads is sqrt(np(1 - p)),",
                 "which is sqrt((100)(0.5)(0.5)) = sqrt(25) = 5."},
                {"No, the variance is np(1 - p) = (100)(0.5)(0.5) = 25."},
                {"No, the distribution peaks at its most likely value, 50 heads, which is",
                 "half of the 100 flips."},
                bellShape}}},
    // 27
    {.correct = 4,
     .lines = {"The binomial distribution with p = 0.1 and n = 1000 is"},
     .answers = {"never approximately normal.", "outside the central limit theorem.", "centered at x = 500.",
                 "bell-shaped.", "highly asymmetric."},
     .hints = {{theoremApplies,
                theoremApplies,
                {"No, its mean is np = (1000)(0.1) = 100."},
                bellShape,
                {"No, with 1000 trials the asymmetry of p = 0.1 all but vanishes."}}}},
    // 28
    {.correct = 1,
     .lines = {"A fair coin has landed heads on each of two flips.  The probability that",
               "it lands heads on the next flip is"},
     .answers = {"1/2", "1/3", "2/3", "1/8", "7/8"},
     .hints = {{{"Yes, the flips are independent: the coin does not remember the first two."},
                believeInAverages,
                noHotStreak,
                {"No, 1/8 = (1/2)^3 is the probability of three heads in a row before any",
                 "flip; the first two heads have already happened."},
                noHotStreak}}},
    // 29
    {.correct = 4,
     .lines = {"The mistaken belief that, by the laws of probability, every success makes",
               "a failure more likely is known as"},
     .answers = {"Bayes' theorem.", "the binomial model.", "the central limit theorem.", "the law of averages.",
                 "the law of large numbers."},
     .hints = {{{"No, Bayes' theorem is a sound rule that finds P[A if B] from P[B if A]."},
                binomialModel,
                centralLimit,
                lawOfAverages,
                {"No, the law of large numbers says that the fraction of successes settles",
                 "near the probability of success in the long run, because a few early",
                 "results are swamped by many later ones, not because they are balanced out."}}}},
    // 30
    {.correct = 2,
     .lines = {"The probability of exactly 500 heads in 1000 flips of a fair coin is"},
     .answers = {"0.5^500", "0.025", "0.5", "0.75", "greater than 0.95"},
     .hints = {{{"No, 0.5^500 is the probability that 500 particular flips all land heads."},
                {"Yes, 500 is the single most likely number of heads, but 499, 501, 498, 502",
                 "and many other counts near 500 are nearly as likely.  The standard deviation",
                 "is sqrt((1000)(0.5)(0.5)), about 16, so the chance is spread over dozens of",
                 "counts, and exactly 500 has a probability of only about 0.025."},
                {"No, 0.5 is the probability of heads on a single flip, not of exactly 500",
                 "heads in 1000 flips."},
                {"No, 0.75 is far too large: many counts near 500, such as 490 or 510, are",
                 "almost as likely as 500 itself."},
                believeInAverages}}},
}};
// clang-format on

} // namespace

void ch5Questions()
{
    storeSelected(sheet);
}

} // namespace Module1
