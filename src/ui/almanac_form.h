#pragma once
// The almanac window, "Almanac": one year's events in local time of the place, in
// time order; "total" adds the planets seen near each other, searched off the
// window's thread while the progress bar moves.
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <atomic>
#include <functional>
#include <optional>
#include <thread>

#include "almanac/almanac_window.h"
#include "core/messages.h"
#include "report/main_window_record.h"
#include "ui/placed_window.h"

namespace orrelin::ui {

class TAlmanacForm : public PlacedWindow {
  Q_OBJECT

 public:
  struct MainWindowAccess {
    std::function<MainWindowRecord()> read;
    std::function<void()> openHelp;  // none: "&Help" is disabled
  };
  TAlmanacForm(const SettingsFile& settings, MessageSink& sink, MainWindowAccess mainWindow,
               QWidget* anchor = nullptr, QWidget* parent = nullptr);
  ~TAlmanacForm() override;

  // The main window's Almanac button: the year of its date and its B.C. tick.
  void ShowForYear(int year, bool beforeChrist);
  // Count: the year's list; "total" ends when the proximity search has (see Counting()).
  void Count();
  bool Counting() const { return searching_; }
  // The list's lines as shown (line 0 says whose local times they are).
  QStringList Lines() const;
  // Prints the list shown; false when there is none or painting failed.
  bool PrintList(QPrinter& printer);
  // The list shown, under the title of its own year, laid out for the printer's page;
  // nothing while the list is empty.
  std::vector<PrintedPage> PrintedPages(QPrinter& printer) const;

 signals:
  void CountFinished();

 private:
  void Clear();
  // A change of the year or of partial/total: the running search ends and its results
  // are never shown.
  void CancelSearch();
  void ShowListing(const AlmanacListing& listing);
  void SearchFinished(int request, const std::array<std::optional<PairClosest>, kProximityPairs>& found);
  void SetBeforeChrist(bool beforeChrist);

  MessageSink& sink_;
  MainWindowAccess mainWindow_;
  QLineEdit* year_ = nullptr;
  QLabel* bcLabel_ = nullptr;
  QWidget* bcPanel_ = nullptr;
  QRadioButton *partial_ = nullptr, *total_ = nullptr;
  QWidget* slowPanel_ = nullptr;
  QPushButton* count_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QTableWidget* list_ = nullptr;
  std::optional<int> shownYear_;  // the year of the lines the list shows

  // The "total" search in progress: request_ numbers it, and a result or progress of
  // another number belongs to a cancelled search.
  std::optional<AlmanacCount> pending_;
  int request_ = 0;
  std::thread search_;
  std::atomic<bool> stop_{false};
  bool searching_ = false;
};

}  // namespace orrelin::ui
