#include "ui/help_form.h"

#include <QAction>
#include <QDesktopServices>
#include <QMenuBar>
#include <QUrl>
#include <QVBoxLayout>

namespace orrelin::ui {

THelpForm::THelpForm(std::optional<std::filesystem::path> manual, QWidget* parent)
    : QMainWindow(parent), manual_(std::move(manual)) {
  setObjectName("HelpForm");
  setWindowTitle("Orrelin Help");
  setWindowFlag(Qt::Window);
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  note_ = new QLabel;
  note_->setObjectName("lbHelpNote");
  note_->setWordWrap(true);
  note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  note_->hide();
  browser_ = new QTextBrowser;
  browser_->setObjectName("tbHelp");
  // The manual's own pages open here; addresses outside it go to the desktop.
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(true);
  layout->addWidget(note_);
  layout->addWidget(browser_, 1);
  setCentralWidget(central);

  QAction* close = menuBar()->addAction("&Close Form");
  close->setObjectName("CloseForm");
  connect(close, &QAction::triggered, this, &QWidget::close);
  QAction* back = menuBar()->addAction("&Back");
  back->setObjectName("Back");
  connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  back->setEnabled(false);
  QAction* contents = menuBar()->addAction("&Contents");
  contents->setObjectName("Contents");
  connect(contents, &QAction::triggered, this, [this] { ShowChapter("index.html"); });
  resize(820, 680);
}

bool THelpForm::ShowChapter(const QString& chapter, const QString& note) {
  if (!manual_) return false;
  const QString folder = QString::fromStdString(manual_->parent_path().string());
  browser_->setSource(QUrl::fromLocalFile(folder + "/" + chapter));
  note_->setText(note);
  note_->setVisible(!note.isEmpty());
  show();
  raise();
  activateWindow();
  return true;
}

}  // namespace orrelin::ui
