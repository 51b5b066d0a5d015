#include "framework/Runtime.h"

#include "framework/Exceptions.h"
#include "framework/Platform.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cmath>
#include <limits>
#include <random>

namespace framework {

namespace {

std::function<double()>& randomSource()
{
    static std::function<double()> source;
    return source;
}

double defaultRandom()
{
    static std::mt19937_64 engine{std::random_device{}()};
    return std::generate_canonical<double, 53>(engine);
}

} // namespace

double Rnd()
{
    return randomSource() ? randomSource()() : defaultRandom();
}

void setRandomSource(std::function<double()> source)
{
    randomSource() = std::move(source);
}

double Round(double x)
{
    return std::round(x);
}

double Floor(double x)
{
    return std::floor(x);
}

Integer toInteger(double x)
{
    // 2^63 is exact as a double; the range is [-2^63, 2^63), and NaN fails both tests.
    constexpr double limit = 9223372036854775808.0;
    if (!(x >= -limit && x < limit))
        throw OutOfBoundsException("no Integer holds " + std::to_string(x));
    return static_cast<Integer>(x);
}

std::string Format(double value, std::string_view mask)
{
    const bool showMinus = mask.find('-') != std::string_view::npos;
    const auto point = mask.find('.');
    const std::string_view integerMask = mask.substr(0, point);
    const std::string_view decimalMask = point == std::string_view::npos ? "" : mask.substr(point + 1);

    const auto decimals = static_cast<int>(
        std::count_if(decimalMask.begin(), decimalMask.end(), [](char c) { return c == '0' || c == '#'; }));
    const auto minimumDigits = std::max<long>(1, std::count(integerMask.begin(), integerMask.end(), '0'));
    const bool grouping = integerMask.find(',') != std::string_view::npos;

    // to_chars, unlike printf, ignores LC_NUMERIC, which Qt sets from the user's environment.
    // Room for the 309 integer digits of the largest double, the point and the decimals.
    std::string digits(static_cast<std::size_t>(std::numeric_limits<double>::max_exponent10 + 3 + decimals), '\0');
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), std::fabs(value),
                                       std::chars_format::fixed, decimals);
    digits.resize(static_cast<std::size_t>(written.ptr - digits.data()));
    std::string fraction;
    if (const auto dot = digits.find('.'); dot != std::string::npos) {
        fraction = digits.substr(dot);
        digits.resize(dot);
    }
    while (static_cast<long>(digits.size()) < minimumDigits)
        digits.insert(0, "0");
    if (grouping)
        for (auto at = static_cast<long>(digits.size()) - 3; at > 0; at -= 3)
            digits.insert(static_cast<std::size_t>(at), ",");

    const bool zero = (digits + fraction).find_first_of("123456789") == std::string::npos;
    const bool negative = value < 0 && !zero;
    return (negative && showMinus ? "-" : "") + digits + fraction;
}

std::string Str(Integer n)
{
    return std::to_string(n);
}

Color RGB(int red, int green, int blue, int)
{
    return {red, green, blue};
}

bool StringsEqual(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

void ShowURL(const std::string& address)
{
    if (!platform().openURL(address))
        platform().showUnopenedURL(address);
}

Integer FontCount()
{
    return static_cast<Integer>(platform().fontFamilies().size());
}

std::string Font(Integer index)
{
    const auto& families = platform().fontFamilies();
    if (index < 0 || index >= static_cast<Integer>(families.size()))
        return {};
    return families[static_cast<std::size_t>(index)];
}

namespace {
std::function<double()>& clockSource()
{
    static std::function<double()> source;
    return source;
}
} // namespace

void setClockSource(std::function<double()> secondsSince1970)
{
    clockSource() = std::move(secondsSince1970);
}

Date::Date()
    : totalSeconds_(clockSource()
                        ? clockSource()()
                        : std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count())
{
}

ScreenInfo Screen(Integer)
{
    return platform().mainScreen();
}

} // namespace framework
