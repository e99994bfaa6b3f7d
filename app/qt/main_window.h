// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <map>

class QAction;
class QMenu;
class QShortcut;

namespace veltrisko {

class AnalysisFeatures;
class ConfigDialogWidget;
class GLContext;
class PatternView;
class InfoLegend;
class ColourLegend;
class CodeMessage;

// The central area below the menu bar: the GL view fills it, the two legends
// sit on top of it at the corners the size rules give, the rejected-code
// message at the top left.
class ClientArea final : public QWidget {
  Q_OBJECT

 public:
  explicit ClientArea(QWidget* parent);  // shows the process-wide state
  PatternView* View() const { return view_; }
  InfoLegend* Info() const { return info_; }
  ColourLegend* Colours() const { return colours_; }
  CodeMessage* Message() const { return message_; }
  // Makes a child shown over the picture a native window above the view's.
  void MakeOverlay(QWidget* overlay);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  PatternView* view_;
  QWidget* viewContainer_;
  InfoLegend* info_;
  ColourLegend* colours_;
  CodeMessage* message_;
};

// The main window: the menu, the keyboard commands and the repaint request.
class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow();
  ~MainWindow() override;

  // Carries out one menu or keyboard command by its number.
  void HandleCommand(int command);
  // Repaints the view and both legends from the same state.
  void RepaintAll();
  // Raises the open configuration dialog, or creates and shows a new one.
  void OpenConfigDialog();

  ConfigDialogWidget* Dialog() const;
  ClientArea* Client() const { return client_; }
  // The menu item and the window-wide key of a command of the shared tables;
  // null where the command has none. Features connect to them.
  QAction* Action(int command) const;
  QShortcut* Shortcut(int command) const;
  bool LegendsVisible() const;
  // The readout, the 2-D diagrams and the difference view.
  AnalysisFeatures* Analysis() const { return analysis_; }

 signals:
  // Emitted once per repaint of the three windows.
  void Repainted();

 private:
  void BuildMenus();
  void BuildAccelerators();
  void UpdateCheckMarks(QMenu* menu);

  ClientArea* client_;
  QPointer<ConfigDialogWidget> dialog_;
  std::map<int, QAction*> actions_;
  std::map<int, QShortcut*> shortcuts_;
  AnalysisFeatures* analysis_ = nullptr;
};

// The viewer's one OpenGL context record, created on the first paint.
extern GLContext glContext;

}  // namespace veltrisko
