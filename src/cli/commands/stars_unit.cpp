// stars: the navigational stars of the catalogue.
#include <CLI/CLI.hpp>

#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/report_command.h"
#include "stars/star_file.h"

namespace orrelin::cli {

namespace {

class Stars final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override {
    CLI::App* stars = program.add_subcommand("stars", "The navigational stars of the catalogue");
    stars->add_flag("--json", json_, "Print a JSON array");
    return stars;
  }
  int Run(const CliContext& c) const override;

 private:
  bool json_ = false;
};

int Stars::Run(const CliContext& c) const {
  const StarCatalogue catalogue = LoadStarCatalogue(CataloguePath(c));
  if (!catalogue.read) return Fail(c, catalogue.message);
  if (!catalogue.message.empty()) c.err << catalogue.message << '\n';
  c.out << (json_ ? StarListJson(catalogue.records) : StarListText(catalogue.records));
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> StarsUnit() { return std::make_unique<Stars>(); }

}  // namespace orrelin::cli
