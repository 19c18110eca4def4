// The place list: any bytes load without harm, every listed place can be applied,
// and a place saved with "S" is found again with the boxes it was saved from.
#include "app/place_list.h"
#include "app/settings_file.h"
#include "core/encoding.h"
#include "core/fields.h"
#include "fuzz_support.h"

using namespace orrelin;
using namespace orrelin::fuzz;

namespace {

// What a box holds after the window's typing checks: digits and a point (and, for
// the offset, a sign), at most eight characters.
std::string BoxText(const std::string& typed, bool signed_) {
  std::string box;
  for (char c : typed) {
    if ((c >= '0' && c <= '9') || c == '.' || (signed_ && box.empty() && (c == '-' || c == '+'))) box += c;
  }
  return box.substr(0, 8);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> p = Parts(TextOf(data, size), '\0', 7);
  const std::filesystem::path file = PutFile(SharedScratchFolder(), kPlaceFileName, p[0]);
  RecordingMessageSink sink;
  const std::vector<std::string> names = LoadPlaceList(file, sink);
  Require(sink.messages.empty(), "a readable list says nothing", p[0]);
  for (std::size_t i = 0; i < names.size() && i < 16; ++i) {
    MainWindowRecord main;
    main.place = names[i];
    ApplyPlace(file, main, sink);
  }

  MainWindowRecord saved;
  saved.place = AsUtf8(p[1]);  // the window gives UTF-8
  // (A byte-order mark that begins the file is not part of its first name.)
  while (saved.place.rfind("\xEF\xBB\xBF", 0) == 0) saved.place.erase(0, 3);
  saved.latDeg = BoxText(p[2], false).substr(0, 3);
  saved.latMin = BoxText(p[3], false);
  saved.lonDeg = BoxText(p[4], false).substr(0, 3);
  saved.lonMin = BoxText(p[5], false);
  saved.utcMinusLocal = BoxText(p[6], true);
  saved.north = size % 2 == 0;
  saved.west = size % 3 == 0;
  const std::vector<std::string> before = ReadTextLines(file, 1 << 20).lines;
  sink.messages.clear();
  SavePlace(file, saved, sink);
  const std::vector<std::string> after = ReadTextLines(file, 1 << 20).lines;
  const bool added = after.size() == before.size() + 1;
  Require(added || after == before, "saving adds one line or changes nothing", p[0] + " + " + p[1]);
  if (!added) return 0;
  Require(std::equal(before.begin(), before.end(), after.begin()), "saving keeps every line before", p[1]);
  Require(!sink.messages.empty() && sink.messages.back() == std::string(kMessagePositionSaved) + kPlaceFileName,
          "a saved place is told", p[1]);
  MainWindowRecord found;
  found.place = saved.place;
  Require(ApplyPlace(file, found, sink), "a saved place is found", saved.place);
  Require(found.latDeg == saved.latDeg && found.latMin == saved.latMin && found.north == saved.north &&
              found.lonDeg == saved.lonDeg && found.lonMin == saved.lonMin && found.west == saved.west &&
              found.utcMinusLocal == saved.utcMinusLocal,
          "a saved place is found with the boxes it was saved from", after.back());
  return 0;
}
