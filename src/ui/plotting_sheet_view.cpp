#include "ui/plotting_sheet_view.h"

#include <QBuffer>
#include <QFileDialog>
#include <QMenuBar>
#include <QImage>
#include <QPainterPath>
#include <QPrinter>

#include "core/file_io.h"

namespace orrelin::ui {

namespace {

QColor Colour(navigation::SheetColour c) { return QColor(c.red, c.green, c.blue); }

QPointF P(const navigation::SheetPoint& p) { return {p.x, p.y}; }

// `pointsPerMillimetre`: the font size that draws text one millimetre of the sheet high
// (the painter's units are millimetres of the sheet, scaled to the device).
void PaintItem(QPainter& painter, const navigation::SheetItem& item, double pointsPerMillimetre) {
  using Kind = navigation::SheetItem::Kind;
  const QColor colour = Colour(navigation::ItemColour(item));
  QPen pen(colour, item.width, Qt::SolidLine, Qt::RoundCap);
  if (item.dashed) pen.setDashPattern({navigation::kSheetDash, navigation::kSheetDashGap});
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  switch (item.kind) {
    case Kind::kLine:
      painter.drawLine(P(item.from), P(item.to));
      break;
    case Kind::kArrow: {
      painter.drawLine(P(item.from), P(item.to));
      pen.setStyle(Qt::SolidLine);
      painter.setPen(pen);
      for (const auto& [from, to] : navigation::ArrowHead(item)) painter.drawLine(P(from), P(to));
      break;
    }
    case Kind::kDot:
      painter.setBrush(colour);
      painter.drawEllipse(P(item.from), item.radius, item.radius);
      break;
    case Kind::kCircle:
      painter.drawEllipse(P(item.from), item.radius, item.radius);
      break;
    case Kind::kEllipse:
      painter.save();
      painter.translate(P(item.from));
      painter.rotate(item.angle - 90.0);  // from north, clockwise
      painter.drawEllipse(QPointF(0, 0), item.radius, item.minorRadius);
      painter.restore();
      break;
    case Kind::kBox:
      painter.fillRect(QRectF(P(item.from), P(item.to)).normalized(), colour);
      break;
    case Kind::kText: {
      // On white, so that no grid line runs through it; a font wider than the room the
      // sheet gave the text is drawn smaller.
      const navigation::SheetBox box = navigation::TextBox(item);
      painter.fillRect(QRectF(box.left, box.top, box.right - box.left, box.bottom - box.top),
                       Colour(navigation::kSheetPaper));
      // A font of a fraction of a point is not drawn true to size: it is drawn a hundred
      // times larger into a painter scaled down as much.
      constexpr double kZoom = 100.0;
      QFont font(navigation::kSheetFont);
      font.setPointSizeF(item.textSize * pointsPerMillimetre * kZoom);
      const QString text = QString::fromStdString(item.text);
      const double wide = QFontMetricsF(font, painter.device()).horizontalAdvance(text) / kZoom;  // millimetres
      if (item.textWidth > 0 && wide > item.textWidth) font.setPointSizeF(font.pointSizeF() * item.textWidth / wide);
      painter.save();
      painter.translate(P(item.from));
      painter.scale(1.0 / kZoom, 1.0 / kZoom);
      painter.setFont(font);
      painter.drawText(QPointF(0, 0), text);
      painter.restore();
      break;
    }
  }
}

}  // namespace

void PaintPlottingSheet(QPainter& painter, const navigation::PlottingSheet& sheet, const QRectF& square) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(square, Colour(navigation::kSheetPaper));
  painter.setClipRect(square);  // lines of position run on beyond the sheet
  painter.translate(square.topLeft());
  const double scale = square.width() / navigation::kSheetSize;
  painter.scale(scale, scale);
  // A font of p points is p / 72 inches of the device before the painter's scale.
  const double pointsPerMillimetre = 72.0 / painter.device()->logicalDpiY();
  for (const navigation::SheetItem& item : sheet.items) PaintItem(painter, item, pointsPerMillimetre);
  painter.restore();
}

bool SavePlottingSheet(const navigation::PlottingSheet& sheet, const QString& path) {
  if (path.endsWith(".pdf", Qt::CaseInsensitive)) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();
    const int side = std::min(page.width(), page.height());
    PaintPlottingSheet(painter, sheet, QRectF(0, 0, side, side));
    return painter.end();
  }
  QImage image(1800, 1800, QImage::Format_RGB32);
  image.setDotsPerMeterX(10000);
  image.setDotsPerMeterY(10000);
  {
    QPainter painter(&image);
    PaintPlottingSheet(painter, sheet, QRectF(0, 0, 1800, 1800));
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return false;
  return WriteFileAtomically(path.toStdString(), bytes.toStdString()).ok;
}

PlottingSheetView::PlottingSheetView(QWidget* parent) : QWidget(parent) {
  setObjectName("pbSheet");
  setMinimumSize(360, 360);
}

void PlottingSheetView::SetSheet(std::optional<navigation::PlottingSheet> sheet) {
  sheet_ = std::move(sheet);
  update();
}

QRectF PlottingSheetView::Square() const {
  const int side = std::min(width(), height());
  return {(width() - side) / 2.0, (height() - side) / 2.0, static_cast<double>(side), static_cast<double>(side)};
}

void PlottingSheetView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRectF square = Square();
  if (!sheet_) {
    painter.fillRect(square, Colour(navigation::kSheetPaper));
    painter.drawText(square, Qt::AlignCenter | Qt::TextWordWrap, emptyText_);
    return;
  }
  PaintPlottingSheet(painter, *sheet_, square);
}

void AddSavePlotMenu(QMainWindow& window, const PlottingSheetView& view, MessageSink& sink, const QString& title,
                     const QString& suggested, const std::string& what) {
  QAction* save = window.menuBar()->addAction("&Save Plot");
  save->setObjectName("SavePlot");
  QObject::connect(save, &QAction::triggered, &window, [&window, &view, &sink, title, suggested, what] {
    if (!view.Sheet()) return;
    const QString path = QFileDialog::getSaveFileName(&window, title, suggested, "Pictures and PDF (*.png *.pdf)");
    if (!path.isEmpty() && !SavePlottingSheet(*view.Sheet(), path)) {
      sink.ShowMessage("The " + what + " could not be saved to " + path.toStdString());
    }
  });
}

}  // namespace orrelin::ui
