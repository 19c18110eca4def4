// The field splitters and the text encodings every file reader goes through.
#include "core/encoding.h"
#include "core/fields.h"
#include "fuzz_support.h"

using namespace orrelin;
using namespace orrelin::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the separator; the rest is the line.
  static const char* const kSeparators[] = {":", ",", "=", "_", " ", "::", ""};
  const std::string sep = kSeparators[data[0] % 7];
  const std::string text = TextOf(data + 1, size - 1);

  if (!sep.empty()) {
    // The fields, joined again with the separator, are the text.
    std::string joined;
    std::size_t fields = 0;
    for (std::size_t at = 0; (at = text.find(sep, at)) != std::string::npos; at += sep.size()) ++fields;
    for (std::size_t n = 0; n <= fields; ++n) joined += (n ? sep : "") + ExtractField(text, sep, static_cast<int>(n));
    Require(joined == text, "the fields joined are the text", text);
    Require(ExtractField(text, sep, static_cast<int>(fields) + 1).empty(), "beyond the last field is empty", text);
    // (ExtractFields drops a separator that ends the text, as it always did.)
    if (sep.size() == 1 && (text.empty() || text.back() != sep[0])) {
      Require(ExtractFields(text, sep, 0, static_cast<int>(fields)) == text, "fields 0..last are the text", text);
    }
  }
  ExtractFields(text, sep, data[0] % 5, data[0] % 3);
  for (const std::string& word : SplitAtBlanks(text)) {
    Require(!word.empty() && word.find_first_of(" \t") == std::string::npos, "a word holds no blank", text);
  }
  const std::string utf8 = AsUtf8(text);
  Require(IsValidUtf8(utf8), "a text read from a file is UTF-8", text);
  if (IsValidUtf8(text)) Require(utf8 == text, "UTF-8 is kept as it is", text);
  const std::string lower = LowerCaseText(utf8);
  Require(lower.size() == utf8.size() && IsValidUtf8(lower), "lower-casing keeps UTF-8 and its length", text);
  Require(LowerCaseText(lower) == lower, "lower-casing twice changes nothing", text);
  for (std::size_t n : {0, 1, 7, 15}) {
    const std::string cut = CutToCharacters(utf8, n);
    Require(IsValidUtf8(cut) && utf8.rfind(cut, 0) == 0, "a cut text is a UTF-8 beginning of the text", text);
  }
  return 0;
}
