// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "app/logic/config_dialog_view.h"
#include "app/qt/qt_controls.h"
#include "dialog/config_dialog.h"
#include "text/language.h"

class QGroupBox;
class QRadioButton;

namespace veltrisko {

// The modeless dialog "Konfiguration des Antennentyps": the Qt controls and
// their adapters, with all behaviour left to ConfigDialog.
// A top-level window's frame (title bar and borders), assumed where the
// window manager has not framed it yet; moving its frame's corner and
// sizing its frame.
QMargins FrameMargins(const QWidget& window);
void MoveFrameTo(QWidget& window, int x, int y);
void ResizeFrameTo(QWidget& window, int width, int height);

class ConfigDialogWidget final : public QDialog, private DialogWindow {
  Q_OBJECT

 public:
  // repaint runs once per repaint request, queued behind the current event.
  ConfigDialogWidget(QWidget* owner, const DialogTargets& targets, std::function<void()> repaint,
                     Language language = kDefaultLanguage);
  ~ConfigDialogWidget() override;

  // Shows the dialog's own texts in `language`; the panels write their
  // labels themselves.
  void SetLanguage(Language language);

  // The controls a user reaches, for tests and for focus handling.
  struct PanelWidgets {
    QLineEdit* edit;
    QSlider* sliders[5];  // type, P1 .. P4
    QLabel* labels[5];    // type, P1 .. P4
    QLabel* values[5];    // what each slider's position means, beside it
  };
  const PanelWidgets& Horizontal() const { return horizontal_; }
  const PanelWidgets& Vertical() const { return vertical_; }
  QRadioButton* Button(DialogControlId id) const;
  QSlider* DbRangeSliderWidget() const { return dbRangeSlider_; }
  QLabel* DbRangeValue() const { return dbRangeValue_; }

  void reject() override;
  // Beside its owner's window, wholly on the screen (PlaceDialogBeside).
  void PlaceNearOwner(QWidget* owner);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // DialogWindow
  void CheckButton(DialogControlId button) override;
  SliderControl& DbRangeSlider() override { return *dbRangeControl_; }
  void PostRepaintRequest() override;
  void EndDialog() override;

  QGroupBox* BuildPanel(int editId, PanelWidgets& widgets, PanelControls& controls);
  void ShowTexts();
  QSlider* NewSlider(QWidget* parent);
  // After every change: the value texts beside the sliders and whether each
  // edit field holds the code in force.
  void ShowState();
  void ShowPanelState(const PanelWidgets& widgets, const PanelView& view);
  void SetTabOrder();
  // Raises the dialog above its owner's window.
  void StayAboveOwner();

  Language language_;
  std::function<void()> repaint_;
  QWidget* owner_;
  PanelWidgets horizontal_{};
  PanelWidgets vertical_{};
  QGroupBox* horizontalBox_ = nullptr;
  QGroupBox* verticalBox_ = nullptr;
  QGroupBox* combination_ = nullptr;
  QGroupBox* mode_ = nullptr;
  QRadioButton* hcmV6_ = nullptr;
  QRadioButton* hcmV7_ = nullptr;
  QRadioButton* linear_ = nullptr;
  QRadioButton* logarithmic_ = nullptr;
  QSlider* dbRangeSlider_ = nullptr;
  QLabel* dbRangeValue_ = nullptr;
  std::vector<std::unique_ptr<SliderControl>> sliderControls_;
  std::vector<std::unique_ptr<TextControl>> textControls_;
  std::unique_ptr<SliderControl> dbRangeControl_;
  ConfigDialog logic_;
};

}  // namespace veltrisko
