// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <functional>

#include "app/logic/legend_content.h"

namespace veltrisko {

// The information legend: what is drawn, the view angles, the codes, the HCM
// version and the display mode, painted from the current state.
class InfoLegend final : public QWidget {
  Q_OBJECT

 public:
  // `content` gives what to paint from the current state, at each paint.
  InfoLegend(QWidget* parent, std::function<InfoLegendContent()> content);
  // How much larger than its 96-dpi layout the legend is drawn, from the
  // user's font size (Qt adds the screen's device pixel ratio).
  double Scale() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<InfoLegendContent()> content_;
};

// The false-colour strip with its two end labels.
class ColourLegend final : public QWidget {
  Q_OBJECT

 public:
  ColourLegend(QWidget* parent, std::function<ColourLegendContent()> content);
  double Scale() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<ColourLegendContent()> content_;
};

}  // namespace veltrisko
