#include "ui/sights_series_view.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "app/date_box.h"
#include "core/numbers.h"

namespace orrelin::ui {

namespace {

// A round step for about `count` ticks across `span`: 1, 2 or 5 times a power of ten.
double TickStep(double span, int count) {
  const double raw = span / count;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0}) {
    if (m * power >= raw) return m * power;
  }
  return 10.0 * power;
}

const QColor kKept(0, 64, 166);
const QColor kFlagged(204, 0, 0);
const QColor kFitted(0, 135, 60);

}  // namespace

SeriesGraph SeriesGraphOf(const std::vector<navigation::Sight>& sights, const std::vector<int>& rows,
                          const navigation::SightSeries& series) {
  SeriesGraph g;
  g.intercept = series.intercept;
  g.representative = series.representative;
  g.start = UtcMomentText(sights.front().julianDayUt).substr(11);
  for (std::size_t i = 0; i < sights.size(); ++i) {
    g.points.push_back({(sights[i].julianDayUt - sights.front().julianDayUt) * 1440.0, series.residuals[i],
                        static_cast<bool>(series.flagged[i]), rows[i]});
  }
  return g;
}

SeriesGraphView::SeriesGraphView(QWidget* parent) : QWidget(parent) {
  setObjectName("pbSeries");
  setMinimumSize(260, 150);
  setToolTip("Each sight's observed altitude less the altitude the body has at the DR at that moment: dots the sights "
             "kept, red crosses those off the line, the green line the fitted intercept, ringed the representative sight");
}

void SeriesGraphView::SetGraph(std::optional<SeriesGraph> graph) {
  graph_ = std::move(graph);
  update();
}

std::vector<int> SeriesGraphView::FlaggedRows() const {
  std::vector<int> rows;
  if (!graph_) return rows;
  for (const SeriesGraphPoint& p : graph_->points) {
    if (p.flagged) rows.push_back(p.row);
  }
  return rows;
}

void SeriesGraphView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  const QFontMetrics metrics = painter.fontMetrics();
  if (!graph_ || graph_->points.empty()) {
    painter.setPen(Qt::darkGray);
    painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                     "A series: choose a sight of a body with three sights or more within 15 minutes, "
                     "or select the sights of one body");
    return;
  }
  const SeriesGraph& g = *graph_;
  double low = g.intercept - 1.0, high = g.intercept + 1.0, last = 1.0;
  for (const SeriesGraphPoint& p : g.points) {
    low = std::min(low, p.residual);
    high = std::max(high, p.residual);
    last = std::max(last, p.minutes);
  }
  const double pad = 0.1 * (high - low);
  low -= pad;
  high += pad;
  const QRectF plot(metrics.horizontalAdvance("-00.0") + 10, metrics.height() + 6,
                    width() - metrics.horizontalAdvance("-00.0") - 22, height() - 3.0 * metrics.height() - 16);
  const double left = -0.05 * last, right = 1.05 * last;
  auto at = [&](double minutes, double residual) {
    return QPointF(plot.left() + (minutes - left) / (right - left) * plot.width(),
                   plot.bottom() - (residual - low) / (high - low) * plot.height());
  };
  // The grid and its figures: arc minutes up, minutes across.
  painter.setPen(QColor(200, 200, 200));
  painter.drawRect(plot);
  const double upStep = TickStep(high - low, 4);
  for (double y = std::ceil(low / upStep) * upStep; y <= high; y += upStep) {
    const QPointF p = at(left, y);
    painter.setPen(QColor(225, 225, 225));
    painter.drawLine(p, QPointF(plot.right(), p.y()));
    painter.setPen(Qt::black);
    const QString figure = QString::fromStdString(FixedText(y, upStep < 1.0 ? 1 : 0));
    painter.drawText(QPointF(plot.left() - metrics.horizontalAdvance(figure) - 4, p.y() + metrics.ascent() / 2.5), figure);
  }
  const double acrossStep = TickStep(last, 5);
  for (double x = 0.0; x <= right; x += acrossStep) {
    const QPointF p = at(x, low);
    painter.setPen(QColor(225, 225, 225));
    painter.drawLine(p, QPointF(p.x(), plot.top()));
    painter.setPen(Qt::black);
    const QString figure = QString::fromStdString(FixedText(x, acrossStep < 1.0 ? 1 : 0));
    painter.drawText(QPointF(p.x() - metrics.horizontalAdvance(figure) / 2.0, plot.bottom() + metrics.ascent() + 2), figure);
  }
  painter.drawText(QPointF(plot.left(), metrics.ascent() + 2), "Ho less the curve, arc minutes");
  const QString across = QString::fromStdString("minutes from " + g.start + " UT");
  painter.drawText(QPointF(plot.right() - metrics.horizontalAdvance(across), height() - metrics.descent() - 2), across);
  // The fitted intercept, then the sights.
  painter.setPen(QPen(kFitted, 1.5));
  painter.drawLine(at(left, g.intercept), at(right, g.intercept));
  for (std::size_t i = 0; i < g.points.size(); ++i) {
    const SeriesGraphPoint& p = g.points[i];
    const QPointF c = at(p.minutes, p.residual);
    if (p.flagged) {
      painter.setPen(QPen(kFlagged, 2.0));
      painter.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
      painter.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
    } else {
      painter.setPen(Qt::NoPen);
      painter.setBrush(kKept);
      painter.drawEllipse(c, 3.5, 3.5);
      painter.setBrush(Qt::NoBrush);
    }
    if (i == g.representative) {
      painter.setPen(QPen(kFitted, 1.5));
      painter.drawEllipse(c, 7.0, 7.0);
    }
  }
}

}  // namespace orrelin::ui
