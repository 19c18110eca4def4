// The number readers and the number texts: what is typed never reads as a number
// that is not one, and every text the program writes reads back to its value.
#include <cstring>

#include "core/numbers.h"
#include "fuzz_support.h"

using namespace orrelin;
using namespace orrelin::fuzz;

namespace {

void CheckReader(const NumberRead& read, const std::string& text) {
  RequireFinite(read.value, "a read or partial value", text);
  if (read.outOfRange) Require(!read.ok, "a number out of range is not read", text);
}

// A finite double made of the input's first eight bytes.
bool DoubleOf(const std::uint8_t* data, std::size_t size, double& x) {
  if (size < 8) return false;
  std::memcpy(&x, data, 8);
  return std::isfinite(x);
}

void CheckWrittenTexts(double x) {
  const std::string shortest = ShortestText(x);
  const NumberRead back = ReadDecimal(shortest);
  Require(back.ok && back.value == x, "ShortestText reads back exactly", shortest);
  if (std::fabs(x) < 1e15) {
    for (int decimals : {0, 1, 2, 4}) {
      const std::string fixed = FixedText(x, decimals);
      const NumberRead f = ReadDecimal(fixed);
      Require(f.ok, "FixedText reads", fixed);
      Require(std::fabs(f.value - x) <= 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(x) * 1e-15,
              "FixedText reads back within its rounding", fixed);
      Require(!(f.value == 0 && fixed.front() == '-'), "FixedText never shows a negative zero", fixed);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = TextOf(data, size);
  const NumberRead whole = ReadWholeNumber(text);
  CheckReader(whole, text);
  if (whole.ok) Require(whole.value == std::trunc(whole.value), "a whole number has no fraction", text);
  CheckReader(ReadDecimal(text), text);
  IsNumberBeginning(text);
  double x = 0;
  if (DoubleOf(data, size, x)) CheckWrittenTexts(x);
  return 0;
}
