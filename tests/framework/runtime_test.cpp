#include "framework/Array.h"
#include "framework/Exceptions.h"
#include "framework/Runtime.h"
#include "support/CommaDecimalLocale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <set>

using namespace framework;

TEST(Round, HalvesGoAwayFromZero)
{
    EXPECT_EQ(Round(72.5), 73.0);
    EXPECT_EQ(Round(57.5), 58.0);
    EXPECT_EQ(Round(-2.5), -3.0);
    EXPECT_EQ(Round(2.4999), 2.0);
    EXPECT_EQ(Round(0.0), 0.0);
}

TEST(Floor, TakesTheWholePartBelow)
{
    EXPECT_EQ(Floor(5.5), 5.0);
    EXPECT_EQ(Floor(10.5), 10.0);
    EXPECT_EQ(Floor(-0.5), -1.0);
}

TEST(ToInteger, DropsTheFractionOfWhatAnIntegerHolds)
{
    const struct {
        double x;
        Integer whole;
    } cases[] = {
        {2.9, 2},
        {-2.9, -2},
        {0.0, 0},
        {-0.0, 0},
        {95.0, 95},
        {-9223372036854775808.0, std::numeric_limits<Integer>::min()},
        {9223372036854774784.0, 9223372036854774784}, // the largest double below 2^63
    };
    for (const auto& c : cases)
        EXPECT_EQ(toInteger(c.x), c.whole) << c.x;
}

TEST(ToInteger, ThrowsOutOfBoundsOnWhatNoIntegerHolds)
{
    const double inf = std::numeric_limits<double>::infinity();
    for (const double x : {std::numeric_limits<double>::quiet_NaN(), inf, -inf, 9223372036854775808.0,
                           -9223372036854777856.0, 1e300, -1e300})
        EXPECT_THROW(toInteger(x), OutOfBoundsException) << x;
}

TEST(Format, FollowsTheMaskWithoutLocale)
{
    const struct {
        double value;
        const char* mask;
        const char* text;
    } cases[] = {
        {0.1, "-###,###,###,###,##0.00", "0.10"},
        {1234567.891, "-###,###,###,###,##0.00", "1,234,567.89"},
        {-3.14159, "-###,###,###,###,##0.000", "-3.142"},
        {-0.001, "-###,###,###,###,##0.00", "0.00"}, // no minus for a result of zero
        {-5.0, "###,##0", "5"},                      // no '-' in the mask: no minus
        {999.0, "-###,###,###,###,##0", "999"},
        {1000.0, "-###,###,###,###,##0", "1,000"},
        {7.0, "000", "007"},
        {1234.0, "##0", "1234"},
        {-1e20, "-###,###,###,###,##0.0", "-100,000,000,000,000,000,000.0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(c.value, c.mask), c.text) << c.value << " with " << c.mask;

    // Qt sets LC_NUMERIC from the environment: a German or French desktop must not change
    // the decimal point, nor double the separators.
    testing_support::CommaDecimalLocale comma;
    ASSERT_TRUE(comma.active()) << comma.why();
    for (const auto& c : cases)
        EXPECT_EQ(Format(c.value, c.mask), c.text) << c.value << " with " << c.mask << " in " << comma.Name;
}

TEST(Str, GivesDecimalDigits)
{
    EXPECT_EQ(Str(300), "300");
    EXPECT_EQ(Str(-2), "-2");
}

TEST(StringsEqual, IgnoresCase)
{
    EXPECT_TRUE(StringsEqual("arial", "Arial"));
    EXPECT_TRUE(StringsEqual("Random Category", "random category"));
    EXPECT_FALSE(StringsEqual("Random Category", "Random Categories"));
    EXPECT_FALSE(StringsEqual("", "a"));
}

TEST(Rnd, CanBeScriptedAndRestored)
{
    setRandomSource([] { return 0.25; });
    EXPECT_EQ(Rnd(), 0.25);

    // Restored, the draws are fractions spread over the whole range: a generator stuck at
    // one value, or still the scripted one, fails; so does one that misses a tenth of it.
    setRandomSource(nullptr);
    constexpr int draws = 1000;
    std::set<double> distinct;
    std::array<int, 10> tenths{};
    for (int i = 0; i < draws; ++i) {
        const double r = Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LE(r, 1.0);
        distinct.insert(r);
        ++tenths[std::min<std::size_t>(9, static_cast<std::size_t>(r * 10.0))];
    }
    EXPECT_GE(distinct.size(), static_cast<std::size_t>(draws - 1));
    // 100 expected in each; fewer than 50 happens once in far more than 10^9 runs.
    for (std::size_t t = 0; t < tenths.size(); ++t)
        EXPECT_GE(tenths[t], 50) << "draws in tenth " << t << " of the range";
}

TEST(Array, HasElementZeroAndChecksItsBounds)
{
    Array<int> a(5);
    EXPECT_EQ(a.Ubound(), 5);
    a(0) = 1;
    a(5) = 2;
    EXPECT_EQ(a(5), 2);
    EXPECT_THROW(a(6), OutOfBoundsException);
    EXPECT_THROW(a(-1), OutOfBoundsException);

    Array2<std::string> b(6, 5);
    b(6, 5) = "corner";
    EXPECT_EQ(b(6, 5), "corner");
    EXPECT_EQ(b(5, 5), "");
    EXPECT_THROW(b(7, 0), OutOfBoundsException);
    EXPECT_THROW(b(0, 6), OutOfBoundsException);
}
