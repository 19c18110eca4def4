// identify: which star or planet a sextant altitude and a compass azimuth could be.
#include <CLI/CLI.hpp>

#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/identify_command.h"
#include "core/numbers.h"
#include "identify/identification.h"

namespace orrelin::cli {

namespace {

class Identify final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  PlaceOptions options_;
  std::string hs_, zn_, limit_ = kInitialMagnitudeLimit;
  bool json_ = false;
};

CLI::App* Identify::Add(CLI::App& program) {
  CLI::App* identify = program.add_subcommand(
      "identify", "Which star or planet a sextant altitude and a compass azimuth could be, the nearest three first");
  identify
      ->add_option("--hs", hs_, "Sextant altitude: degrees and minutes as typed (\"35 20.5\"; minutes may be left out)")
      ->required();
  identify->add_option("--zn", zn_, "Azimuth, degrees from north through east (0 to 360)")->required();
  identify->add_option("--mag", limit_, "Magnitude limit (default 2.0): bodies this bright or brighter");
  AddPlaceOptions(*identify, options_, kPlaceBoxes | kWeatherBoxes | kMomentBoxes | kBeforeChrist | kDeltaBox);
  identify->add_flag("--json", json_, "Print one JSON object");
  return identify;
}

int Identify::Run(const CliContext& c) const {
  // The window stops on a limit that is no number without a word; here it is said.
  if (!ReadDecimal(limit_).ok) return Fail(c, std::string("--mag: ") + kMessageMagnitudeRange);
  auto main = PlaceAndMoment(c, options_);
  if (!main) return kExitBadInput;
  const IdentifySight sight = SightOf(hs_, zn_, limit_);
  RecordingMessageSink sink;
  // The user's catalogue (or the shipped one), read once for the search.
  const IdentifyResult result = IdentifyOk(sight, *main, CataloguePath(c), sink);
  if (!result.identified) {
    Say(c, sink.messages);
    return kExitBadInput;
  }
  if (json_) {
    c.out << IdentifyJson(result, sink.messages);
  } else {
    Say(c, sink.messages);
    c.out << IdentifyText(result);
  }
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> IdentifyUnit() { return std::make_unique<Identify>(); }

}  // namespace orrelin::cli
