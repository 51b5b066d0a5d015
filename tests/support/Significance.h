#pragma once

// Tail probabilities of the test statistics that the questions report, so that a bank's
// tests can recompute every keyed p value from the question's own data.

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>

#include <cmath>

namespace testing_support {

inline double upperNormal(double z)
{
    return boost::math::cdf(boost::math::complement(boost::math::normal_distribution<>(), z));
}

inline double twoSidedNormal(double z)
{
    return 2.0 * upperNormal(std::abs(z));
}

inline double upperT(double t, double df)
{
    return boost::math::cdf(boost::math::complement(boost::math::students_t_distribution<>(df), t));
}

inline double twoSidedT(double t, double df)
{
    return 2.0 * upperT(std::abs(t), df);
}

inline double upperF(double f, double df1, double df2)
{
    return boost::math::cdf(boost::math::complement(boost::math::fisher_f_distribution<>(df1, df2), f));
}

inline double upperChiSquare(double x, double df)
{
    return boost::math::cdf(boost::math::complement(boost::math::chi_squared_distribution<>(df), x));
}

} // namespace testing_support
