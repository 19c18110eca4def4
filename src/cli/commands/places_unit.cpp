// places: the named places of the place list.
#include <CLI/CLI.hpp>

#include "app/place_list.h"
#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "core/file_io.h"
#include "core/message_texts.h"

namespace orrelin::cli {

namespace {

class Places final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override {
    CLI::App* places = program.add_subcommand("places", "The named places of the place list");
    places->add_flag("--json", json_, "Print a JSON array");
    return places;
  }
  int Run(const CliContext& c) const override;

 private:
  bool json_ = false;
};

int Places::Run(const CliContext& c) const {
  const std::filesystem::path path = UserOrShipped(c, kPlaceFileName);
  const TextLines list = ReadTextLines(path, 16 * 1024 * 1024);
  if (!list.exists || !list.readable) return Fail(c, kMessageFileMissing + path.string());
  c.out << (json_ ? PlaceListJson(list.lines) : PlaceListText(list.lines));
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> PlacesUnit() { return std::make_unique<Places>(); }

}  // namespace orrelin::cli
