#pragma once
// Locale-free reading and writing of numbers. The decimal point is always ".",
// whatever locale the process runs under.
#include <string>
#include <string_view>

namespace orrelin {

// The outcome of reading a typed number. When the text does not read completely,
// `ok` is false and `value` is its partial value: the digits met before the first
// character that does not fit, taken as one whole number without the sign.
struct NumberRead {
  bool ok = false;
  double value = 0.0;
  bool outOfRange = false;  // a number too large for a double (or a 64-bit whole number)
};

// Leading blanks, an optional sign, digits.
NumberRead ReadWholeNumber(std::string_view text);
// Leading blanks, an optional sign, digits with an optional fraction and exponent.
NumberRead ReadDecimal(std::string_view text);

// Only the beginning of a number, "-", "+", "." or "-.": not judged while the user types.
bool IsNumberBeginning(std::string_view text);
// Whether the text holds a digit at all.
bool HasDigit(std::string_view text);

// Rounds x to n decimals, to nearest with ties to even.
double RoundToDecimals(double x, int decimals);
// x rounded to n decimals and printed without exponent; never "-0.0".
std::string FixedText(double x, int decimals);
// A whole number in decimal.
std::string WholeText(long long n);
// A whole number with at least two digits ("05").
std::string TwoDigitText(long long n);
// The shortest text that reads back as x ("-5.5", "3", "0.25").
std::string ShortestText(double x);

}  // namespace orrelin
