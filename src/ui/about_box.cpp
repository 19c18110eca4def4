#include "ui/about_box.h"

#include <QDesktopServices>
#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/about.h"
#include "core/version.h"

// The picture compiled into the program's static library must be registered by name.
static void InitIconResource() { Q_INIT_RESOURCE(icon); }

namespace orrelin::ui {

namespace {

QLabel* LinkLabel(const char* name, const char* text) {
  auto* label = new QLabel(text);
  label->setObjectName(name);
  label->setStyleSheet("color: blue; text-decoration: underline;");
  label->setCursor(Qt::PointingHandCursor);
  return label;
}

}  // namespace

QPixmap ProgramPicture(int size) {
  InitIconResource();
  const QPixmap picture(":/orrelin.png");
  return picture.isNull() ? QPixmap() : picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

TAboutBox::TAboutBox(QWidget* parent, std::function<void(const QString& note)> notOpened)
    : QDialog(parent), notOpened_(std::move(notOpened)) {
  setObjectName("AboutBox");
  setWindowTitle("About");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* icon = new QLabel;
  icon->setObjectName("ProgramIcon");
  icon->setPixmap(ProgramPicture(64));
  top->addWidget(icon);
  auto* names = new QVBoxLayout;
  auto* product = new QLabel(kProgramName);
  product->setObjectName("ProductName");
  QFont big = product->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.8);
  product->setFont(big);
  auto* version = new QLabel(QString::fromStdString(ProgramVersionText()));
  version->setObjectName("lbVersion");
  names->addWidget(product);
  names->addWidget(version);
  top->addLayout(names, 1);
  layout->addLayout(top);
  auto* credit1 = new QLabel(kBookCreditLine1);
  credit1->setObjectName("Label1");
  auto* credit2 = new QLabel(kBookCreditLine2);
  credit2->setObjectName("Label2");
  auto* precise = new QLabel(kPreciseCreditLine);
  precise->setObjectName("lbPrecise");
  auto* licence = new QLabel(kLicenceLine);
  licence->setObjectName("lbLicence");
  layout->addWidget(credit1);
  layout->addWidget(credit2);
  layout->addWidget(precise);
  layout->addWidget(licence);
  email_ = LinkLabel("lbEmail", kContactEmail);
  url_ = LinkLabel("lbUrl", kWebPage);
  email_->installEventFilter(this);
  url_->installEventFilter(this);
  layout->addWidget(email_);
  layout->addWidget(url_);
  auto* ok = new QPushButton("OK");
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && (watched == email_ || watched == url_)) {
    const bool mail = watched == email_;
    const QString text = static_cast<QLabel*>(watched)->text();
    // Opened through the desktop; where it has no program for it, the address is shown
    // above the manual, so that the click is never lost.
    const QString target = QString::fromStdString(LinkTarget(text.toStdString(), mail));
    if (!QDesktopServices::openUrl(QUrl(target)) && notOpened_) {
      const QString address = QString::fromStdString(LinkTarget(text.toStdString(), false));
      const QString note = mail ? "No mail program could be started: write to " + address + "."
                                : "No web browser could be started for " + address + ".";
      accept();
      notOpened_(note);
    }
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace orrelin::ui
