#pragma once
// The program's own help window: the user's manual (the built HTML pages) in a text
// browser, with its links and pictures, opened at the chapter of the window that
// asked. It needs no web browser on the computer.
#include <QLabel>
#include <QMainWindow>
#include <QTextBrowser>
#include <filesystem>
#include <optional>

namespace orrelin::ui {

class THelpForm : public QMainWindow {
  Q_OBJECT

 public:
  // `manual` is the manual's index.html; none when the manual is not installed.
  explicit THelpForm(std::optional<std::filesystem::path> manual, QWidget* parent = nullptr);

  // Shows the chapter ("almanac.html"), with a note above it when `note` is not empty.
  // False when there is no manual.
  bool ShowChapter(const QString& chapter, const QString& note = {});

 private:
  std::optional<std::filesystem::path> manual_;
  QTextBrowser* browser_ = nullptr;
  QLabel* note_ = nullptr;
};

}  // namespace orrelin::ui
