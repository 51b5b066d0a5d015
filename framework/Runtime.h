#pragma once

#include "framework/Types.h"

#include <functional>
#include <string>
#include <string_view>

namespace framework {

// A random fraction r with 0 <= r <= 1.
double Rnd();

// Replaces the generator behind Rnd (tests script it); an empty function restores the
// default one, seeded from the system's entropy source.
void setRandomSource(std::function<double()> source);

// The whole number nearest to x, halves away from zero (2.5 gives 3, -2.5 gives -3).
double Round(double x);

// The largest whole number not above x.
double Floor(double x);

// x as an Integer, its fraction dropped; OutOfBoundsException when x is not a number, is
// infinite, or lies outside the range of Integer.
Integer toInteger(double x);

// The value formatted with a number mask such as "-###,###,###,###,##0.00": '0' is a
// digit always shown, '#' one shown only when needed, ',' groups thousands, '.' starts
// the decimals, and a '-' makes negative results show their minus. Locale-independent.
std::string Format(double value, std::string_view mask);

// The decimal digits of n.
std::string Str(Integer n);

// A drawing colour; the fourth component is accepted for the familiar call shape and unused.
Color RGB(int red, int green, int blue, int alpha = 0);

// The framework's string equality, which ignores letter case.
bool StringsEqual(std::string_view a, std::string_view b);

// Hands a web address to the system's browser; where none starts, tells the user and shows
// the address, ready to be copied.
void ShowURL(const std::string& address);

// The installed fonts, 0 to FontCount() - 1.
Integer FontCount();
std::string Font(Integer index);

// Replaces the clock behind Date (tests fix it); an empty function restores the system's.
void setClockSource(std::function<double()> secondsSince1970);

// The present date and time.
class Date {
public:
    Date();
    // Seconds since 1970-01-01 00:00 UTC.
    double TotalSeconds() const { return totalSeconds_; }

private:
    double totalSeconds_;
};

struct ScreenInfo {
    Integer Width = 0;
    Integer Height = 0;
};

// The main screen, for index 0.
ScreenInfo Screen(Integer index);

} // namespace framework
