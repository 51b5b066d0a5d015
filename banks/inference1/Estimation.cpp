#include "banks/Banks.h"

#include "quiz/QuestionBank.h"

namespace Module1 {

namespace {

// clang-format off

// Hints that several answers give, word for word.
const Lines guessing = {"No, you seem to be guessing."};
const Lines noSense = {"No, this doesn't make sense."};
const Lines irrelevant = {"No, this is irrelevant."};
const Lines useRootOfN = {"No, remember to use the square root of the sample size."};
const Lines weUseRootOfN = {"No, remember that we use the square root of the sample size."};
const Lines multiplyByT = {"No, remember to multiply by t."};
const Lines multiplyByZ = {"No, remember to multiply by z."};
const Lines haveWrongUnits = {"No, these have the wrong units!"};
const Lines areWrongUnits = {"No, these are the wrong units!"};
const Lines meanInterval = {"Yes, using plus or minus t*(standard deviation)/(square root of sample size)."};
const Lines proportionInterval = {"Yes, using plus or minus z*sqrt((x/n)(1 - x/n)/n)."};

const QuestionSheet& questions()
{
    static const QuestionSheet sheet = {{
        // 1
        {.correct = 4,
         .lines = {"The population mean is"},
         .answers = {"an estimator.", "an estimate.", "a hypothesis.", "a parameter.", "a confidence interval."},
         .hints = {{
             {"No, an estimator is a statistic computed from a sample, such as x-bar."},
             {"No, an estimate is the value that an estimator takes in one sample."},
             {"No, a hypothesis is a claim about a parameter, which may be true or false."},
             {"Yes, it is a fixed number, usually unknown, that sample data estimate."},
             {"No, a confidence interval is a range computed from a sample to estimate it."},
         }}},

        // 2
        {.correct = 1,
         .lines = {"The sample mean, used to estimate the population mean, is"},
         .answers = {"an estimator.", "an outlier.", "a hypothesis.", "a parameter.", "a margin of error."},
         .hints = {{
             {"Yes, it is a statistic, computed from the sample to estimate a parameter."},
             {"No, an outlier is an observation that lies far from the rest of the data."},
             {"No, a hypothesis is a claim about the population, such as that the population",
              "mean is 100; the sample mean is computed from the data."},
             {"No, a parameter describes the population; the sample mean describes a sample."},
             {"No, a margin of error is the half-width of a confidence interval around an estimate."},
         }}},

        // 3
        {.correct = 3,
         .lines = {"The term 'sampling error' describes"},
         .answers = {"mistakes in the design of an experiment.", "the lack of a control group.",
                     "chance variation from one sample to the next.",
                     "a way of sampling that favors some outcomes.", "a sample made up only of volunteers."},
         .hints = {{
             {"No, that is a flaw of the experimental design, not an error of sampling."},
             {"No, a missing control group is a flaw of the design of an experiment."},
             {"Yes, even a well-designed study gets different results from different samples,",
              "because chance decides which units are selected."},
             {"No, that is a sampling bias: a systematic error, not one due to chance."},
             {"No, a volunteer sample is biased: its error is systematic, not due to chance."},
         }}},

        // 4
        {.correct = 2,
         .lines = {"The probabilities of the different values that a sample mean can take are",
                   "given by its"},
         .answers = {"degrees of freedom.", "sampling distribution.", "sample proportion.", "sample size.",
                     "sample z value."},
         .hints = {{
             noSense,
             {"Yes, the sampling distribution of a statistic is the probability histogram or",
              "density curve of the values that the statistic takes over all the samples",
              "that could be drawn."},
             {"No, a sample proportion is one statistic; it gives no probabilities."},
             guessing,
             {"No, a z value is one standardized number, not a set of probabilities."},
         }}},

        // 5
        {.correct = 4,
         .lines = {"A statistic is used to estimate a parameter.  If the mean of the statistic's",
                   "sampling distribution equals the value of the parameter, whatever that value",
                   "is, the statistic is called"},
         .answers = {"perfect.", "best least squares.", "least variance.", "unbiased.", "efficient."},
         .hints = {{
             noSense,
             guessing,
             {"No, that concerns the spread of the sampling distribution, not its mean."},
             {"Yes, such a statistic is neither systematically too high nor too low."},
             guessing,
         }}},

        // 6
        {.correct = 4,
         .lines = {"The standard deviation of the sampling distribution of a statistic grows with"},
         .answers = {"a growing control group.", "a growing sample mean.", "a growing population mean.",
                     "a shrinking sample size.", "a growing number of statistics."},
         .hints = {{
             noSense,
             {"No, the spread of a sampling distribution does not depend on where it is",
              "centered; it depends on the spread of the population and on the sample size."},
             {"No, the spread of a sampling distribution does not depend on where it is",
              "centered; it depends on the spread of the population and on the sample size."},
             {"Yes, statistics from smaller samples vary more: the standard deviation of",
              "x-bar, for one, is the population standard deviation divided by sqrt(n)."},
             {"No, computing more statistics does not change the spread of any one of them."},
         }}},

        // 7
        {.correct = 3,
         .lines = {"A confidence interval for a population mean becomes wider with"},
         .answers = {"a growing sample mean.", "a growing population mean.", "a shrinking sample size.",
                     "a shrinking sample standard deviation.", "a shrinking population standard deviation."},
         .hints = {{
             {"No, the width of the interval does not depend on where it is centered."},
             {"No, the width of the interval does not depend on where it is centered."},
             {"Yes, a smaller sample leaves more uncertainty about the population mean, so a",
              "wider interval is needed for the same confidence.  The half-width",
              "t*(standard deviation)/(square root of sample size) grows as the sample size",
              "shrinks, and t itself grows as the degrees of freedom fall."},
             {"No, a smaller standard deviation makes the interval narrower, not wider."},
             {"No, a smaller standard deviation makes the interval narrower, not wider."},
         }}},

        // 8
        {.correct = 4,
         .lines = {"A sample has mean 20, standard deviation 5 and size 25.  An approximate 95%",
                   "confidence interval for the population mean is"},
         .answers = {"5 plus or minus 4", "5 plus or minus 10", "5 plus or minus 20", "20 plus or minus 2",
                     "20 plus or minus 10"},
         .hints = {{
             {"No, the center is the sample mean 20, not the standard deviation 5."},
             {"No, the center is the sample mean 20, not the standard deviation 5."},
             {"No, the center is the sample mean 20, not the standard deviation 5."},
             meanInterval,
             useRootOfN,
         }}},

        // 9
        {.correct = 4,
         .lines = {"A sample has standard deviation 10 and size 25.  An approximate 95%",
                   "confidence interval for the population mean is the sample mean plus or minus"},
         .answers = {"2/5", "4/5", "2", "4", "20"},
         .hints = {{
             guessing,
             useRootOfN,
             multiplyByT,
             meanInterval,
             guessing,
         }}},

        // 10
        {.correct = 4,
         .lines = {"A sample has standard deviation 25 and size 100.  An approximate 95%",
                   "confidence interval for the population mean is the sample mean plus or minus"},
         .answers = {"0.25", "0.5", "2.5", "5", "25"},
         .hints = {{
             guessing,
             useRootOfN,
             multiplyByT,
             meanInterval,
             guessing,
         }}},

        // 11
        {.correct = 3,
         .lines = {"The sample success proportion is 60/100.  An approximate 95% confidence",
                   "interval for the binomial success probability is"},
         .answers = {"0.5 plus or minus 0.01", "0.5 plus or minus 0.6", "0.6 plus or minus 0.1",
                     "0.6 plus or minus 1.0", "0.95 plus or minus 0.5"},
         .hints = {{
             {"No, the interval is centered at the sample success proportion,", "60/100 = 0.6, not at 0.5."},
             {"No, the interval is centered at the sample success proportion,", "60/100 = 0.6, not at 0.5."},
             proportionInterval,
             useRootOfN,
             {"No, 0.95 is the confidence level, not the center of the interval."},
         }}},

        // 12
        {.correct = 3,
         .lines = {"The sample success proportion is 50/100.  A 95% confidence interval for",
                   "the binomial success probability is approximately plus or minus"},
         .answers = {"0.01", "0.05", "0.10", "0.50", "1.00"},
         .hints = {{
             guessing,
             multiplyByZ,
             proportionInterval,
             guessing,
             useRootOfN,
         }}},

        // 13
        {.correct = 3,
         .lines = {"The sample success proportion is 200/400.  A 95% confidence interval for",
                   "the binomial success probability is approximately plus or minus"},
         .answers = {"0.001", "0.025", "0.050", "0.500", "1.000"},
         .hints = {{
             guessing,
             multiplyByZ,
             proportionInterval,
             guessing,
             useRootOfN,
         }}},

        // 14
        {.correct = 4,
         .lines = {"With a sample of 100 trials, a 95% confidence interval for a binomial success",
                   "probability is plus or minus 0.10.  For the same sample proportion to give",
                   "plus or minus 0.05, the sample size must be"},
         .answers = {"10", "50", "200", "400", "1000"},
         .hints = {{
             guessing,
             {"No, a smaller sample gives a wider interval, not a narrower one."},
             weUseRootOfN,
             {"Yes, the half-width z*sqrt((x/n)(1 - x/n)/n) shrinks with the square root",
              "of the sample size, so halving it takes 2*2 = 4 times the sample:",
              "4*100 = 400 trials."},
             guessing,
         }}},

        // 15
        {.correct = 2,
         .lines = {"With a sample of 25 observations, a 95% confidence interval for a population",
                   "mean is plus or minus 20.  With the same sample mean and standard deviation",
                   "and a sample of 100, the interval is about plus or minus"},
         .answers = {"5", "10", "20", "40", "80"},
         .hints = {{
             weUseRootOfN,
             {"Yes, the half-width t*(standard deviation)/(square root of sample size) is",
              "divided by the square root of 100/25 = 4, that is by 2: 20/2 = 10.  (t also",
              "falls a little, from 2.06 to 1.98, which brings it to about 9.6.)"},
             {"No, the sample size matters: a larger sample gives a narrower interval."},
             {"No, a larger sample gives a narrower interval, not a wider one."},
             {"No, a larger sample gives a narrower interval, not a wider one."},
         }}},

        // 16
        {.correct = 5,
         .lines = {"For a 95% confidence interval for a binomial success probability p, computed",
                   "from a sample yet to be drawn, the probability is 0.95 that the value of p is"},
         .answers = {"0.05.", "0.50.", "0.95.", "between 0.05 and 0.95.", "inside the interval."},
         .hints = {{
             guessing,
             guessing,
             {"No, 0.95 is the probability itself, not a value of p."},
             guessing,
             {"Yes, 95% of the samples that could be drawn give an interval that holds p.",
              "The value of p is fixed: it is the interval, computed from the sample, that",
              "varies from sample to sample."},
         }}},

        // 17
        {.correct = 4,
         .lines = {"When the population standard deviation has to be estimated, a 95% confidence",
                   "interval for the population mean must also use"},
         .answers = {"an estimate of the population median.", "an estimate of the sample size.",
                     "a z value in place of a p value.", "a t value in place of a z value.",
                     "n degrees of freedom."},
         .hints = {{
             {"No, the median plays no part in an interval for the mean."},
             {"No, the sample size is known; it need not be estimated."},
             noSense,
             {"Yes, the t value is larger than z and allows for the uncertainty added by",
              "estimating the standard deviation from the same sample."},
             {"No, the t value it uses has n - 1 degrees of freedom, not n."},
         }}},

        // 18
        {.correct = 4,
         .lines = {"A confidence interval is best used to measure an estimate's"},
         .answers = {"truthfulness.", "origin.", "sample size.", "precision.", "bias."},
         .hints = {{
             {"No, an interval cannot tell whether the data were reported truthfully."},
             noSense,
             noSense,
             {"Yes, the narrower the interval, the more precise the estimate."},
             {"No, an interval centered on a biased estimate does not reveal the bias."},
         }}},

        // 19
        {.correct = 1,
         .lines = {"A 95% confidence interval for a population mean is to be computed.  If the",
                   "population standard deviation must be estimated from the sample instead of",
                   "being known, the interval"},
         .answers = {"must be widened.", "must be narrowed.", "must be shifted toward 0.",
                     "must be shifted away from 0.", "must be replaced by a contingency table."},
         .hints = {{
             {"Yes, the estimate adds uncertainty, so a t value in place of z widens the",
              "interval to keep it 95% sure of including the population mean."},
             {"No, the added uncertainty calls for a wider interval, not a narrower one."},
             {"No, the interval stays centered at the sample mean."},
             {"No, the interval stays centered at the sample mean."},
             noSense,
         }}},

        // 20
        {.correct = 4,
         .lines = {"A 95% confidence interval for a population mean from n observations, with the",
                   "standard deviation estimated, uses a t value whose degrees of freedom number"},
         .answers = {"1", "5", "95", "n-1", "n"},
         .hints = {{
             guessing,
             guessing,
             {"No, 95 is the confidence level in percent, not a number of degrees of freedom."},
             {"Yes, the n observations less the one parameter estimated from them, the mean,",
              "leave n - 1 degrees of freedom."},
             {"No, estimating the mean from the same data uses up one degree of freedom,",
              "which leaves n - 1."},
         }}},

        // 21
        {.correct = 3,
         .lines = {"An unbiased estimator of the binomial success probability p is"},
         .answers = {"x, the number of successes.", "n, the number of trials.", "x/n, the fraction of successes.",
                     "np, the mean number of successes.", "n - x, the number of failures."},
         .hints = {{
             haveWrongUnits,
             haveWrongUnits,
             {"Yes, the mean of x/n over all the samples that could be drawn is p."},
             haveWrongUnits,
             haveWrongUnits,
         }}},

        // 22
        {.correct = 1,
         .lines = {"The t distribution differs from the standardized normal distribution in being"},
         .answers = {"wider.", "narrower.", "centered at 0.", "not centered at 0.", "higher at the peak."},
         .hints = {{
             {"Yes, t uses an estimated standard deviation, which adds uncertainty, so it",
              "puts somewhat more probability in the tails, above all for small samples",
              "(few degrees of freedom)."},
             {"No, the extra uncertainty of an estimated standard deviation makes it wider."},
             {"No, both distributions are centered at 0, so this is no difference."},
             {"No, the t distribution is centered at 0, just as the standardized normal is."},
             {"No, being wider, the t distribution is lower at the peak."},
         }}},

        // 23
        {.correct = 1,
         .lines = {"In a 95% confidence interval for a population mean, a t value and a z value",
                   "differ little when"},
         .answers = {"the sample is large.", "the standard deviation is large.", "the sample mean is large.",
                     "there are few degrees of freedom.", "the standard deviation is small."},
         .hints = {{
             {"Yes, with a large sample the estimated standard deviation varies little from",
              "sample to sample, so t has many degrees of freedom and is close to z: with 30",
              "observations t is 2.05 against z = 1.96, and with 100 observations it is",
              "1.98."},
             irrelevant,
             irrelevant,
             {"No, with few degrees of freedom t is much larger than z."},
             irrelevant,
         }}},

        // 24
        {.correct = 3,
         .lines = {"A 95% confidence interval for a population mean is computed from a sample of",
                   "30 observations.  The t value that it uses is about"},
         .answers = {"0.05", "0.95", "2.05", "n", "n - 1"},
         .hints = {{
             areWrongUnits,
             areWrongUnits,
             {"Yes, with 30 - 1 = 29 degrees of freedom, t is 2.045, about 2.05, a little",
              "larger than the z value 1.96."},
             {"No, n is the sample size, 30, not a t value."},
             {"No, n - 1 = 29 is the number of degrees of freedom, not the t value."},
         }}},

        // 25
        {.correct = 5,
         .lines = {"In the binomial model, the mean of the sampling distribution of x/n, the",
                   "fraction of the trials that are successes, is"},
         .answers = {"x.", "n.", "x/n.", "n - 1.", "p, the binomial success probability."},
         .hints = {{
             haveWrongUnits,
             haveWrongUnits,
             {"No, x/n is the sample statistic itself, which varies from sample to sample;",
              "the mean of its sampling distribution is a fixed number."},
             noSense,
             {"Yes, the mean of x/n is p, so x/n is an unbiased estimator of p."},
         }}},

        // 26
        {.correct = 3,
         .lines = {"Imagine drawing many samples and computing the mean of each.  The variance of",
                   "the sampling distribution of these means becomes smaller when"},
         .answers = {"the sample mean falls.", "the population mean falls.", "the sample size grows.",
                     "the population variance grows.", "the sample variance grows."},
         .hints = {{
             irrelevant,
             irrelevant,
             {"Yes, the variance of the sample mean is (population variance)/n: the means of",
              "large samples vary less than those of small ones."},
             {"No, the variance of the mean, (population variance)/n, then grows too."},
             {"No, a larger sample variance points to a larger variance of the mean."},
         }}},

        // 27
        {.correct = 1,
         .lines = {"The use of the normal distribution in a confidence interval for a binomial",
                   "success probability is justified by"},
         .answers = {"the central limit theorem.", "the law of large numbers.", "the law of averages.",
                     "Chebyshev's theorem.", "Bayes' rule."},
         .hints = {{
             {"Yes, it says that the sum of n independent, identically distributed random",
              "variables tends to the normal distribution as n grows.  The number of",
              "successes x is such a sum: each trial adds 1 for a success and 0 for a",
              "failure."},
             {"No, that law says that x/n comes close to p; it says nothing about a shape."},
             noSense,
             {"No, Chebyshev's theorem bounds the chance of lying far from the mean."},
             {"No, Bayes' rule reverses conditional probabilities; it gives no normal shape."},
         }}},

        // 28
        {.correct = 4,
         .lines = {"Incomes in a population are moderately skewed to the right.  Many random",
                   "samples of 30 incomes are drawn and the mean of each is computed.  The",
                   "sampling distribution of these means is approximately"},
         .answers = {"strongly skewed right.", "slightly skewed left.", "uniform (equally likely).",
                     "symmetrical.", "U shaped."},
         .hints = {{
             {"No, means of 30 incomes are far less skewed than the incomes themselves."},
             {"No, with a moderate skew the means of samples of 30 are approximately normal,",
              "hence nearly symmetrical; what skew is left is to the right, not the left."},
             {"No, the means pile up near the population mean; they are not equally likely."},
             {"Yes, by the central limit theorem the mean of 30 independent observations is",
              "approximately normal, and so nearly symmetrical, if the population is only",
              "moderately skewed: the more skewed it is, the larger the sample needed."},
             {"No, sample means pile up near the population mean, not at the extremes."},
         }}},

        // 29
        {.correct = 1,
         .lines = {"A z value may be used in a confidence interval for the binomial success",
                   "probability p because"},
         .answers = {"x is approximately normally distributed.", "p is normally distributed.",
                     "n is normally distributed.", "np is normally distributed.",
                     "each trial is normally distributed."},
         .hints = {{
             {"Yes, x, the number of successes, is the sum of n independent, identically",
              "distributed random variables, one per trial (1 for a success, 0 for a",
              "failure), so by the central limit theorem its sampling distribution, and",
              "that of x/n, is approximately normal."},
             {"No, p is a fixed number, the parameter we estimate; it has no distribution.",
              "It is x, the number of successes, that varies from sample to sample."},
             {"No, n is the number of trials, fixed in advance."},
             {"No, np is a fixed number, the mean of x; it has no distribution.",
              "It is x, the number of successes, that varies from sample to sample."},
             {"No, each trial gives 0 or 1, which is far from normal; it is the sum x",
              "of many trials that is approximately normal."},
         }}},

        // 30
        {.correct = 5,
         .lines = {"A 50% confidence interval for a parameter"},
         .answers = {"uses a z value of 0.50.", "uses a z value of 0.25.", "contains half of the data.",
                     "contains half of the population values.", "is narrower than a 95% confidence interval."},
         .hints = {{
             {"No, the z value is about 0.67, since 50% of the standardized normal",
              "distribution lies between -0.67 and 0.67."},
             {"No, the z value is about 0.67, since 50% of the standardized normal",
              "distribution lies between -0.67 and 0.67."},
             {"No, a confidence interval is about a parameter, not a share of the values."},
             {"No, a confidence interval is about a parameter, not a share of the values."},
             {"Yes, it need not be as sure of including the parameter, so it uses z = 0.67",
              "in place of 1.96 and is only about a third as wide."},
         }}},
    }};
    return sheet;
}
// clang-format on

} // namespace

void ch6Questions()
{
    storeSelected(questions());
}

} // namespace Module1
