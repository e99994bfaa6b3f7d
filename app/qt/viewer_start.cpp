// SPDX-License-Identifier: MIT
#include "app/qt/viewer_start.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/logic/dialog_placement.h"
#include "app/logic/process_objects.h"
#include "app/qt/config_dialog_widget.h"
#include "app/qt/main_window.h"
#include "app/qt/pattern_file_features.h"
#include "app/qt/qt_values.h"
#include "app/qt/viewer_settings.h"

namespace veltrisko {

namespace {

// Types a code into the dialog's field, as a user would.
void TypeCode(QLineEdit* field, const std::optional<std::string>& code) {
  if (code) field->setText(QString::fromStdString(*code));
}

// The main window and the dialog side by side, or one above the other, as
// far as the screen allows.
void PlaceBesideDialog(MainWindow& window, const QScreen& screen) {
  ConfigDialogWidget* dialog = window.Dialog();
  if (dialog == nullptr) return;
  const QMargins mainFrame = FrameMargins(window);
  const QSize dialogFrame = dialog->size().grownBy(FrameMargins(*dialog));
  const QSize picture = window.Client()->size();
  const QRect available = screen.availableGeometry();
  const StartPlacement place = PlaceStartWindows(
      {available.x(), available.y(), available.width(), available.height()}, dialogFrame.width(),
      dialogFrame.height(), window.width() - picture.width() + mainFrame.left() + mainFrame.right(),
      window.height() - picture.height() + mainFrame.top() + mainFrame.bottom());
  window.resize(place.main.width - mainFrame.left() - mainFrame.right(),
                place.main.height - mainFrame.top() - mainFrame.bottom());
  MoveFrameTo(window, place.main.x, place.main.y);
  MoveFrameTo(*dialog, place.dialog.x, place.dialog.y);
}

// Where the user left it, wholly on a screen that is there now; false when
// no place is kept.
bool RestoreWindowPlace(QWidget& window) {
  const std::optional<WindowPlace> kept = KeptWindowPlace(KeptSessionSettings());
  if (!kept) return false;
  const QRect inside = QtRect(kept->frame);
  const QScreen* screen = QGuiApplication::screenAt(inside.center());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return false;
  // Moved with its title bar onto the screen.
  const QMargins frame = FrameMargins(window);
  window.setGeometry(
      QtRect(OnWorkArea(RectOf(inside + frame), RectOf(screen->availableGeometry()))) - frame);
  if (kept->maximized) window.setWindowState(Qt::WindowMaximized);
  return true;
}

}  // namespace

StartedViewer StartViewer(const StartOptions& options, const std::string& programName) {
  StartedViewer started;
  // The dialog shows the rule and the display mode the session's start put
  // into the scene.
  started.window = std::make_unique<MainWindow>(options, KeptSessionSettings());
  MainWindow& window = *started.window;
  // Where the user left it, else beside the dialog (PlaceStartWindows).
  const bool kept = RestoreWindowPlace(window);
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!kept && screen != nullptr) {
    const QRect available = screen->availableGeometry();
    window.resize(available.width() * 3 / 4, available.height() * 3 / 4);
    window.move(available.topLeft());
  }
  // The owner is mapped first: a window manager takes a dialog for the
  // owner's only if it manages the owner when the dialog appears; otherwise a
  // click into the main window raises it over the dialog.
  window.show();
  window.OpenConfigDialog();
  if (!kept && screen != nullptr) PlaceBesideDialog(window, *screen);
  TypeCode(window.Dialog()->Horizontal().edit, options.horizontalCode);
  TypeCode(window.Dialog()->Vertical().edit, options.verticalCode);
  started.warnings =
      StartCodeWarnings(programName, options, horizontalPanel.Code(), verticalPanel.Code());
  // A file given on the command line ("Öffnen mit") is imported as
  // "Diagramm importieren…" would; a problem shows in the message box.
  if (options.patternFile) {
    auto* files = window.findChild<PatternFileFeatures*>();
    if (!files->ImportFrom(QString::fromStdString(*options.patternFile)))
      started.warnings.push_back(StartImportWarning(programName, *options.patternFile));
  }
  // Active, so that the keys turn the view at once; the dialog stays above it
  // as its owned window.
  window.activateWindow();  // also where no window manager activates it
  return started;
}

}  // namespace veltrisko
