#include "ui/moon_phase_box.h"

#include <QPainter>
#include <vector>

#include "moon/moon_phase.h"

namespace orrelin::ui {

namespace {

// Floods the region around `start` that is bounded by black. The disk's black outline
// bounds it (a 4-connected flood cannot pass an 8-connected line); the ellipse a pixel
// and a half outside the outline only guards the picture should the outline ever
// have a gap. A tighter geometric bound left white pixels just inside the outline.
void FloodFillInsideDisk(QImage& image, QPoint start, const PhaseBox& disk) {
  const QRgb black = qRgb(0, 0, 0);
  const double cx = (disk.left + disk.right) / 2.0, cy = (disk.top + disk.bottom) / 2.0;
  const double rx = (disk.right - disk.left) / 2.0 + 1.5, ry = (disk.bottom - disk.top) / 2.0 + 1.5;
  auto inside = [&](int x, int y) {
    const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
    return dx * dx + dy * dy <= 1.0 && image.valid(x, y) && image.pixel(x, y) != black;
  };
  std::vector<QPoint> stack{start};
  while (!stack.empty()) {
    const QPoint p = stack.back();
    stack.pop_back();
    if (!inside(p.x(), p.y())) continue;
    image.setPixel(p, black);
    stack.push_back({p.x() + 1, p.y()});
    stack.push_back({p.x() - 1, p.y()});
    stack.push_back({p.x(), p.y() + 1});
    stack.push_back({p.x(), p.y() - 1});
  }
}

}  // namespace

QImage RenderMoonPhase(const QString& percentText, const QString& elongationText, QSize size, QColor background) {
  MoonPhaseDrawing g;
  if (!MoonPhaseGeometry(percentText.toStdString(), elongationText.toStdString(), size.width(), size.height(), g)) {
    return {};
  }
  QImage image(size, QImage::Format_RGB32);
  image.fill(background);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);  // the flood fill needs closed black edges
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRect(g.disk.left, g.disk.top, g.disk.right - g.disk.left, g.disk.bottom - g.disk.top));
    painter.setBrush(Qt::NoBrush);
    if (g.straightTerminator) {
      painter.drawLine(g.lineX, g.disk.top, g.lineX, g.disk.bottom);
    } else {
      const QRect box(g.terminator.left, g.terminator.top, g.terminator.right - g.terminator.left,
                      g.terminator.bottom - g.terminator.top);
      // Angles in 1/16 degree, counter-clockwise from 3 o'clock: from the top down the
      // left side, or from the bottom up the right side.
      painter.drawArc(box, (g.terminatorLeftHalf ? 90 : 270) * 16, 180 * 16);
    }
  }
  if (g.fill) FloodFillInsideDisk(image, {g.fillX, g.fillY}, g.disk);
  return image;
}

MoonPhaseBox::MoonPhaseBox(QWidget* parent) : QWidget(parent) {
  setObjectName("PaintBox1");
  setFixedSize(62, 62);
}

void MoonPhaseBox::SetTexts(const QString& phaseLabel, const QString& elongationLabel) {
  phase_ = phaseLabel;
  elongation_ = elongationLabel;
  update();
}

void MoonPhaseBox::paintEvent(QPaintEvent*) {
  // Redrawn from the two label texts each time the box is painted.
  if (!phase_.endsWith('%')) return;
  const QImage image = RenderMoonPhase(phase_.chopped(1), elongation_, size(), palette().window().color());
  if (image.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, image);
}

}  // namespace orrelin::ui
