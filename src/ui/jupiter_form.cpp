#include "ui/jupiter_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/clickable_label.h"
#include "ui/printing.h"

namespace orrelin::ui {

namespace {

constexpr QSize kPictureSize(345, 217);
const QColor kAqua(0, 255, 255);

QString Q(const std::string& s) { return QString::fromStdString(s); }

QLineEdit* ReadOnlyBox(const QString& name, int width) {
  auto* box = new QLineEdit;
  box->setObjectName(name);
  box->setReadOnly(true);
  box->setFixedWidth(width);
  return box;
}

QLabel* Caption(const QString& text, const QString& hint = {}) {
  auto* label = new QLabel(text);
  label->setToolTip(hint);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

JupiterPictureBox::JupiterPictureBox(QWidget* parent) : QWidget(parent) {
  setObjectName("PaintBox1");
  setFixedSize(kPictureSize);
}

void JupiterPictureBox::SetImage(QImage image) {
  image_ = std::move(image);
  update();
}

void JupiterPictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (image_.isNull()) {
    painter.fillRect(rect(), kAqua);
  } else {
    painter.drawImage(0, 0, image_);
  }
}

QImage DrawSatellitePicture(const JupiterPicture& picture, QSize size, const QFont& font) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(kAqua);
  QPainter painter(&image);
  painter.setPen(QPen(Qt::white, 2));
  painter.setBrush(Qt::NoBrush);
  const PixelBox& d = picture.disk;
  painter.drawEllipse(QRect(d.left, d.top, d.right - d.left, d.bottom - d.top));
  painter.setPen(Qt::black);
  painter.setFont(font);
  for (int n = 0; n < 4; ++n) {
    // The digit's top-left stands at (px, py).
    painter.drawText(QRect(picture.px[n], picture.py[n], 20, 20), Qt::AlignLeft | Qt::AlignTop, QString::number(n + 1));
  }
  return image;
}

TJupiterForm::TJupiterForm(const SettingsFile& settings, std::function<MainTexts()> mainTexts, QWidget* anchor,
                           QWidget* parent)
    : PlacedWindow(settings, "fJupiter", anchor, parent), mainTexts_(std::move(mainTexts)) {
  setObjectName("JupiterForm");
  setWindowTitle("The 4 Satellites of Jupiter");
  AddCloseAndPrintImageMenu(*this, "&Print", "Print", "&Close");
  SetDesignPlace(QPoint(393, 2));
  RestoreAtEveryShow();

  auto* central = new QWidget;
  auto* outer = new QHBoxLayout(central);
  auto* left = new QVBoxLayout;
  auto* grid = new QGridLayout;
  const QString coordinateHint = "Apparent rectangular coordinate";
  const QString pixelHint = "Tämän kuvion pikselikoordinaatti";
  grid->addWidget(Caption("Moon nr"), 0, 0);
  grid->addWidget(Caption("X", coordinateHint), 0, 1);
  grid->addWidget(Caption("Y", coordinateHint), 0, 2);
  grid->addWidget(Caption("px", pixelHint), 0, 3);
  grid->addWidget(Caption("py", pixelHint), 0, 4);
  for (int n = 0; n < 4; ++n) {
    const QString number = QString::number(n + 1);
    grid->addWidget(Caption(number), n + 1, 0);
    x_[n] = ReadOnlyBox("edX" + number, 64);
    y_[n] = ReadOnlyBox("edY" + number, 64);
    px_[n] = ReadOnlyBox("edPx" + number, 44);
    py_[n] = ReadOnlyBox("edPy" + number, 44);
    grid->addWidget(x_[n], n + 1, 1);
    grid->addWidget(y_[n], n + 1, 2);
    grid->addWidget(px_[n], n + 1, 3);
    grid->addWidget(py_[n], n + 1, 4);
  }
  left->addLayout(grid);

  auto* moment = new QGridLayout;
  auto* dateCaption = new ClickableLabel("Date");
  dateCaption->setObjectName("Label14");
  dateCaption->setToolTip("Napsauta päivitys");
  auto* timeCaption = new ClickableLabel("Local time");
  timeCaption->setObjectName("lbLocal");
  timeCaption->setToolTip("Päivitä paikallisaika");
  date_ = ReadOnlyBox("edDate", 100);
  date_->setFixedWidth(std::max(100, date_->fontMetrics().horizontalAdvance("0000-00-00 B.C.") + 12));
  localTime_ = ReadOnlyBox("edLocTime", 100);
  weekday_ = new QLabel;
  weekday_->setObjectName("lbWeekday");
  moment->addWidget(dateCaption, 0, 0);
  moment->addWidget(date_, 0, 1);
  moment->addWidget(weekday_, 0, 2);
  moment->addWidget(timeCaption, 1, 0);
  moment->addWidget(localTime_, 1, 1);
  left->addLayout(moment);
  connect(dateCaption, &ClickableLabel::Clicked, this, &TJupiterForm::RefreshFromMainWindow);
  connect(timeCaption, &ClickableLabel::Clicked, this, &TJupiterForm::RefreshFromMainWindow);

  inverted_ = new QCheckBox("Inverted view");
  inverted_->setObjectName("cbTelescope");
  left->addWidget(inverted_);
  // The kept values in the other orientation; nothing is computed again.
  connect(inverted_, &QCheckBox::toggled, this, &TJupiterForm::Fill);
  memo_ = new QPlainTextEdit;
  memo_->setObjectName("Memo1");
  memo_->setReadOnly(true);
  memo_->setFixedHeight(150);
  left->addWidget(memo_);
  left->addStretch();
  outer->addLayout(left);

  // The compass letters around the picture follow the view, as the digits do.
  auto* pictureGrid = new QGridLayout;
  picture_ = new JupiterPictureBox;
  const char* const sides[4] = {"lbCompassTop", "lbCompassLeft", "lbCompassRight", "lbCompassBottom"};
  for (int i = 0; i < 4; ++i) {
    compass_[i] = Caption("");
    compass_[i]->setObjectName(sides[i]);
  }
  pictureGrid->addWidget(compass_[0], 0, 1);
  pictureGrid->addWidget(compass_[1], 1, 0);
  pictureGrid->addWidget(picture_, 1, 1);
  pictureGrid->addWidget(compass_[2], 1, 2);
  pictureGrid->addWidget(compass_[3], 2, 1);
  ShowCompass();
  pictureGrid->setRowStretch(3, 1);
  outer->addLayout(pictureGrid);
  setCentralWidget(central);
}

void TJupiterForm::showEvent(QShowEvent* event) {
  PlacedWindow::showEvent(event);
  picture_->update();
  RefreshFromMainWindow();
}

void TJupiterForm::ShowFor(const SatellitesMoment& moment) {
  show();
  raise();
  kept_ = JupiterSatellites(moment.jd0, moment.hours);
  Fill();
}

void TJupiterForm::ShowCompass() {
  const CompassLetters c = SatelliteCompass(inverted_->isChecked());
  const char letters[4] = {c.top, c.left, c.right, c.bottom};
  for (int i = 0; i < 4; ++i) compass_[i]->setText(QString(QChar(letters[i])));
}

void TJupiterForm::Fill() {
  ShowCompass();
  if (!kept_) return;
  const JupiterPicture p = DrawJupiterSatellites(*kept_, inverted_->isChecked(), kPictureSize.width());
  QStringList lines;
  for (const auto& line : p.lines) lines << Q(line);
  memo_->setPlainText(lines.join('\n'));
  for (std::size_t n = 0; n < 4; ++n) {
    x_[n]->setText(Q(p.xTexts[n]));
    y_[n]->setText(Q(p.yTexts[n]));
    px_[n]->setText(QString::number(p.px[n]));
    py_[n]->setText(QString::number(p.py[n]));
  }
  picture_->SetImage(DrawSatellitePicture(p, kPictureSize, font()));
}

void TJupiterForm::RefreshFromMainWindow() {
  if (!mainTexts_) return;
  const MainTexts texts = mainTexts_();
  date_->setText(texts.date);
  localTime_->setText(texts.localTime);
  weekday_->setText(texts.weekday);
}

}  // namespace orrelin::ui
