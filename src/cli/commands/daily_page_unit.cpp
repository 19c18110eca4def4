// daily-page DATE: a nautical almanac's daily pages, as text or a PDF file.
#include <CLI/CLI.hpp>

#include "app/date_box.h"
#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/modules/module_loader.h"
#include "cli/modules/pdf_pages.h"
#include "daily/daily_page_layout.h"

namespace orrelin::cli {

namespace {

class DailyPage final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  std::string date_, pdfPath_;
};

CLI::App* DailyPage::Add(CLI::App& program) {
  CLI::App* daily = program.add_subcommand(
      "daily-page", "The daily pages of a nautical almanac for three days from DATE, from the precise ephemeris");
  daily->add_option("DATE", date_, "The first of the three days, yyyy-mm-dd (1800 to 2399)")->required();
  daily->add_option("--pdf", pdfPath_, "Write the two pages as a PDF file instead of printing them as text");
  return daily;
}

int DailyPage::Run(const CliContext& c) const {
  if (!c.exportsAllowed && !pdfPath_.empty()) return Fail(c, "Exports are not allowed here");
  const DateRead first = ReadDateText(date_, false);
  if (!first.date) return Fail(c, first.message);
  std::string why;
  const auto pages = daily::ComputeDailyPages(*first.date, why);
  if (!pages) return Fail(c, "No daily pages for " + date_ + ": " + why);
  if (pdfPath_.empty()) {
    c.out << daily::DailyPagesText(*pages);
    return 0;
  }
  const DrawingModule* drawing = LoadDrawingModule(c.moduleFolders, why);
  if (drawing == nullptr) return Fail(c, why);
  const std::string pdf = drawing->pdfOfPages(daily::DailyPagesPrinted(*pages, kPdfAreaWidth, kPdfAreaHeight));
  return WriteExport(c, pdfPath_, pdf) ? 0 : kExitBadInput;
}

}  // namespace

std::unique_ptr<CommandUnit> DailyPageUnit() { return std::make_unique<DailyPage>(); }

}  // namespace orrelin::cli
