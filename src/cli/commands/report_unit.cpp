// report BODY, report star NAME: the full report of a body.
#include <CLI/CLI.hpp>

#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/report_command.h"
#include "core/body.h"
#include "core/encoding.h"
#include "stars/star_file.h"

namespace orrelin::cli {

namespace {

std::string WithoutOuterBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

class Report final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  std::vector<std::string> what_;
  PlaceOptions options_;
  bool json_ = false;
};

CLI::App* Report::Add(CLI::App& program) {
  CLI::App* report = program.add_subcommand("report", "The full report of a body, as the report window shows it");
  report
      ->add_option("BODY", what_,
                   "report BODY: sun, moon, mercury, venus, mars, jupiter, saturn, uranus or neptune;\n"
                   "report star NAME: a star of the catalogue, by name in any letter case")
      ->required()
      ->expected(1, 2);
  AddPlaceOptions(*report, options_, kAllBoxes);
  report->add_flag("--json", json_, "Print one JSON object");
  report->add_flag("--precise", options_.precise,
                   "From the precise ephemeris (JPL DE431, 1800 to 2399) instead of the book's methods");
  return report;
}

int Report::Run(const CliContext& c) const {
  const std::string& bodyName = what_.front();
  const auto body = BodyNamed(bodyName);
  if (!body) return Fail(c, "Unknown body: " + bodyName);
  std::optional<StarWindowRecord> star;
  if (*body == Body::kStar) {
    if (what_.size() != 2) return Fail(c, "Name the star: report star NAME");
    const StarCatalogue catalogue = LoadStarCatalogue(CataloguePath(c));
    if (!catalogue.read) return Fail(c, catalogue.message);
    if (!catalogue.message.empty()) c.err << catalogue.message << '\n';
    const std::string name = WithoutOuterBlanks(what_[1]);
    star = StarWindowOf(catalogue.records, name);
    if (!star) return Fail(c, "No star named " + QuotedText(name, kLongestQuotedName) + " in the catalogue");
  } else if (what_.size() != 1) {
    return Fail(c, "Only a star takes a name");
  }
  auto main = PlaceAndMoment(c, options_);
  if (!main) return kExitBadInput;
  const ReportOutcome outcome = RunReport(*main, *body, star ? &*star : nullptr);
  if (!outcome.ok) {
    Say(c, outcome.messages);
    return kExitBadInput;
  }
  if (json_) {
    c.out << ReportJson(outcome.report, outcome.messages);
  } else {
    Say(c, outcome.messages);
    c.out << ReportText(outcome.report);
  }
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> ReportUnit() { return std::make_unique<Report>(); }

}  // namespace orrelin::cli
