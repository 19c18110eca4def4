#include "core/numbers.h"

#include <array>
#include <charconv>
#include <cmath>

namespace orrelin {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view SkipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  return text.substr(i);
}

// The partial value: digits before the first character that does not fit, the sign
// dropped; in a decimal text the decimal point fits and is skipped.
double PartialValue(std::string_view text, bool decimalPointFits) {
  text = SkipBlanks(text);
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  double value = 0.0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      if (value < 1e300) value = value * 10.0 + (c - '0');  // a huge digit string stays finite
    } else if (!(decimalPointFits && c == '.')) {
      break;
    }
  }
  return value;
}

struct SignedBody {
  bool negative = false;
  std::string_view digits;  // what follows the sign
};

SignedBody SplitSign(std::string_view text) {
  text = SkipBlanks(text);
  SignedBody body;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    body.negative = text[0] == '-';
    text.remove_prefix(1);
  }
  body.digits = text;
  return body;
}

}  // namespace

NumberRead ReadWholeNumber(std::string_view text) {
  const SignedBody body = SplitSign(text);
  const std::string_view s = body.digits;
  if (s.empty() || !IsDigit(s[0])) return {false, PartialValue(text, false)};
  long long n = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
  if (ec != std::errc() || end != s.data() + s.size()) {
    return {false, PartialValue(text, false), ec == std::errc::result_out_of_range};
  }
  return {true, static_cast<double>(body.negative ? -n : n)};
}

NumberRead ReadDecimal(std::string_view text) {
  const SignedBody body = SplitSign(text);
  const std::string_view s = body.digits;
  // from_chars also takes "inf" and "nan"; a typed number must start with a digit or ".".
  if (s.empty() || !(IsDigit(s[0]) || s[0] == '.')) return {false, PartialValue(text, true)};
  double x = 0.0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), x);
  if (ec != std::errc() || end != s.data() + s.size()) {
    return {false, PartialValue(text, true), ec == std::errc::result_out_of_range};
  }
  return {true, body.negative ? -x : x};
}

bool IsNumberBeginning(std::string_view text) {
  return text == "-" || text == "+" || text == "." || text == "-." || text == "+.";
}

bool HasDigit(std::string_view text) {
  for (const char c : text) {
    if (IsDigit(c)) return true;
  }
  return false;
}

double RoundToDecimals(double x, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::nearbyint(x * scale) / scale;
}

std::string FixedText(double x, int decimals) {
  double r = RoundToDecimals(x, decimals);
  if (r == 0.0) r = 0.0;  // no negative zero
  std::array<char, 400> buf{};
  const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), r, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return "0";
  return std::string(buf.data(), end);
}

std::string WholeText(long long n) {
  std::array<char, 24> buf{};
  const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), n);
  return std::string(buf.data(), end);
}

std::string TwoDigitText(long long n) {
  std::string s = WholeText(n);
  return (n >= 0 && n < 10) ? "0" + s : s;
}

std::string ShortestText(double x) {
  if (x == 0.0) x = 0.0;
  std::array<char, 64> buf{};
  const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), x);
  return std::string(buf.data(), end);
}

}  // namespace orrelin
