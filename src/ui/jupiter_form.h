#pragma once
// The satellites window, "The 4 Satellites of Jupiter": where Io, Europa, Ganymede
// and Callisto stand beside the planet, as numbers and as a picture, seen directly
// or in an inverting telescope.
#include <QCheckBox>
#include <QLabel>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <array>
#include <functional>
#include <optional>

#include "planets/jupiter_satellites.h"
#include "planets/jupiter_window.h"
#include "report/satellites_moment.h"
#include "ui/placed_window.h"

namespace orrelin::ui {

// The picture box: it paints the image it holds, so it never goes blank when uncovered.
class JupiterPictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit JupiterPictureBox(QWidget* parent = nullptr);
  void SetImage(QImage image);
  const QImage& Image() const { return image_; }

 protected:
  void paintEvent(class QPaintEvent* event) override;

 private:
  QImage image_;
};

// The picture of a set of coordinates: aqua, the white disk, the digits.
QImage DrawSatellitePicture(const JupiterPicture& picture, QSize size, const QFont& font);

class TJupiterForm : public PlacedWindow {
  Q_OBJECT

 public:
  // What the main window shows: its date text, local time and weekday.
  struct MainTexts {
    QString date, localTime, weekday;
  };
  TJupiterForm(const SettingsFile& settings, std::function<MainTexts()> mainTexts, QWidget* anchor = nullptr,
               QWidget* parent = nullptr);

  // Shows the window and computes the satellites for the moment; the values are kept.
  void ShowFor(const SatellitesMoment& moment);
  const std::optional<SatellitePositions>& Kept() const { return kept_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Fill();
  void ShowCompass();
  void RefreshFromMainWindow();

  std::function<MainTexts()> mainTexts_;
  std::optional<SatellitePositions> kept_;
  std::array<QLineEdit*, 4> x_{}, y_{}, px_{}, py_{};
  QLineEdit *date_ = nullptr, *localTime_ = nullptr;
  QLabel* weekday_ = nullptr;
  QCheckBox* inverted_ = nullptr;
  std::array<QLabel*, 4> compass_{};  // top, left, right, bottom
  QPlainTextEdit* memo_ = nullptr;
  JupiterPictureBox* picture_ = nullptr;
};

}  // namespace orrelin::ui
