#pragma once
// The graph of a series of sights of one body: time across, each sight's Ho less the
// altitude the body has at the DR up (arc minutes), the fitted intercept as a line, the
// kept sights as dots, the sights off the line as red crosses, the representative ringed.
#include <QWidget>
#include <optional>
#include <vector>

#include "navigation/sight_series.h"

namespace orrelin::ui {

struct SeriesGraphPoint {
  double minutes = 0.0;   // from the series' first sight
  double residual = 0.0;  // Ho less the curve, arc minutes
  bool flagged = false;
  int row = 0;  // the sight's row of the table, from 0
};

struct SeriesGraph {
  std::vector<SeriesGraphPoint> points;
  double intercept = 0.0;  // arc minutes
  std::size_t representative = 0;
  std::string start;  // the first sight's time, "hh:mm:ss"
};

// The graph's points of a fitted series: its sights (in time order) and their rows.
SeriesGraph SeriesGraphOf(const std::vector<navigation::Sight>& sights, const std::vector<int>& rows,
                          const navigation::SightSeries& series);

class SeriesGraphView : public QWidget {
  Q_OBJECT

 public:
  explicit SeriesGraphView(QWidget* parent = nullptr);
  void SetGraph(std::optional<SeriesGraph> graph);
  const std::optional<SeriesGraph>& Graph() const { return graph_; }
  // The rows of the sights off the line, from 0.
  std::vector<int> FlaggedRows() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<SeriesGraph> graph_;
};

}  // namespace orrelin::ui
