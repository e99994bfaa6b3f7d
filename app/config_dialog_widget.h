// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "app/qt_controls.h"
#include "dialog/config_dialog.h"

class QGroupBox;
class QRadioButton;

namespace veltrisko {

// The modeless dialog "Konfiguration des Antennentyps": the Qt controls and
// their adapters, with all behaviour left to ConfigDialog.
class ConfigDialogWidget final : public QDialog, private DialogWindow {
  Q_OBJECT

 public:
  // repaint runs once per repaint request, queued behind the current event.
  ConfigDialogWidget(QWidget* owner, const DialogTargets& targets, std::function<void()> repaint);
  ~ConfigDialogWidget() override;

  // The controls a user reaches, for tests and for focus handling.
  struct PanelWidgets {
    QLineEdit* edit;
    QSlider* sliders[5];  // type, P1 .. P4
    QLabel* labels[5];    // type, P1 .. P4
  };
  const PanelWidgets& Horizontal() const { return horizontal_; }
  const PanelWidgets& Vertical() const { return vertical_; }
  QRadioButton* Button(DialogControlId id) const;
  QSlider* DbRangeSliderWidget() const { return dbRangeSlider_; }

  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // DialogWindow
  void CheckButton(DialogControlId button) override;
  SliderControl& DbRangeSlider() override { return *dbRangeControl_; }
  void PostRepaintRequest() override;
  void EndDialog() override;

  QGroupBox* BuildPanel(const QString& title, int editId, PanelWidgets& widgets,
                        PanelControls& controls);
  QSlider* NewSlider(QWidget* parent);
  void PlaceNearOwner(QWidget* owner);

  std::function<void()> repaint_;
  QWidget* owner_;
  PanelWidgets horizontal_{};
  PanelWidgets vertical_{};
  QRadioButton* hcmV6_ = nullptr;
  QRadioButton* hcmV7_ = nullptr;
  QRadioButton* linear_ = nullptr;
  QRadioButton* logarithmic_ = nullptr;
  QSlider* dbRangeSlider_ = nullptr;
  std::vector<std::unique_ptr<SliderControl>> sliderControls_;
  std::vector<std::unique_ptr<TextControl>> textControls_;
  std::unique_ptr<SliderControl> dbRangeControl_;
  ConfigDialog logic_;
};

}  // namespace veltrisko
