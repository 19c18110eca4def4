// The identification window: any sextant altitude, azimuth, magnitude limit and
// place either stop with a message or give results that are all numbers.
#include "app/main_window.h"
#include "core/numbers.h"
#include "fuzz_support.h"
#include "identify/identification.h"

using namespace orrelin;
using namespace orrelin::fuzz;

namespace {

std::vector<std::string> Texts(const IdentifyResult& f) {
  std::vector<std::string> texts{f.apparentAltitude, f.observedDeg,      f.observedMin,    f.declination,
                                 f.lha,              f.observedAltitude, f.observedAzimuth};
  for (const CandidatePanel& p : f.panels) {
    texts.insert(texts.end(), {p.name, p.declination, p.lha, p.altitude, p.azimuth, p.magnitude});
  }
  return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The boxes, separated by line ends: Hs degrees, Hs minutes, azimuth, magnitude
  // limit, height of eye, pressure, temperature, latitude degrees, time.
  const std::vector<std::string> p = Parts(TextOf(data, size), '\n', 9);
  IdentifySight form;
  form.hmDeg = p[0];
  form.hmMin = p[1];
  form.azimuth = p[2];
  form.magnitudeLimit = p[3];
  MainWindowRecord main;
  PutFirstStartDefaults(main);
  main.height = p[4];
  main.pressure = p[5];
  main.temperature = p[6];
  main.latDeg = p[7];
  main.time = p[8];
  main.date = {2026, 12, 8};
  RecordingMessageSink sink;
  const IdentifyResult result = IdentifyOk(form, main, ORRELIN_FUZZ_STAR_FILE, sink);
  if (!result.identified) {
    // Only a magnitude limit that does not read stops without a message of its own.
    Require(!sink.messages.empty() || !ReadDecimal(form.magnitudeLimit).ok, "a refused sight says why",
            TextOf(data, size));
    return 0;
  }
  for (const std::string& text : Texts(result)) {
    Require(!ShowsNotANumber(text), "an identification shows numbers", text + " from " + TextOf(data, size));
  }
  return 0;
}
