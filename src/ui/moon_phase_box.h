#pragma once
// The Moon's phase picture of the report window (62 x 62 pixels).
#include <QImage>
#include <QString>
#include <QWidget>

namespace orrelin::ui {

// Draws the phase from the percentage text ("42.5", without "%") and the elongation
// text (whole degrees); a null image when either does not read.
QImage RenderMoonPhase(const QString& percentText, const QString& elongationText, QSize size, QColor background);

class MoonPhaseBox : public QWidget {
  Q_OBJECT

 public:
  explicit MoonPhaseBox(QWidget* parent = nullptr);
  // The texts of the phase label ("42.5%") and the hidden elongation label.
  void SetTexts(const QString& phaseLabel, const QString& elongationLabel);

 protected:
  void paintEvent(class QPaintEvent* event) override;

 private:
  QString phase_, elongation_;
};

}  // namespace orrelin::ui
