#pragma once

#include <QWidget>

namespace veltrisko {

// The information legend: what is drawn, the view angles, the codes, the HCM
// version and the display mode, painted from the current state.
class InfoLegend final : public QWidget {
  Q_OBJECT

 public:
  explicit InfoLegend(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The false-colour strip with its two end labels.
class ColourLegend final : public QWidget {
  Q_OBJECT

 public:
  explicit ColourLegend(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace veltrisko
