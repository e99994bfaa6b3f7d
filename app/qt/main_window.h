// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "app/logic/viewer_session.h"
#include "text/language.h"

class QAction;
class QMenu;

namespace veltrisko {

class AnalysisFeatures;
class ConfigDialogWidget;
class GLContext;
class PatternView;
class LegendWidget;
class PatternFileFeatures;
class CodeMessage;

// The central area below the menu bar: the GL view fills it, the two legends
// sit on top of it at the corners the size rules give, the rejected-code
// message at the top left.
class ClientArea final : public QWidget {
  Q_OBJECT

 public:
  // Shows the process-wide state as `session` describes it.
  ClientArea(QWidget* parent, const ViewerSession& session);
  PatternView* View() const { return view_; }
  LegendWidget* Info() const { return info_; }
  LegendWidget* Colours() const { return colours_; }
  CodeMessage* Message() const { return message_; }
  // Makes a child shown over the picture a native window above the view's.
  void MakeOverlay(QWidget* overlay);
  // The picture and the legends keep out from under `cover` (the dialog, in
  // this widget's coordinates; empty when none): they move into the part of
  // the client area it leaves in sight.
  void KeepClearOf(const QRect& cover);
  // Places the picture and the legends anew, as the session has them (a
  // loaded file makes the information legend taller).
  void LayOut();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  PatternView* view_;
  QWidget* viewContainer_;
  LegendWidget* info_;
  LegendWidget* colours_;
  CodeMessage* message_;
  QRect cover_;
  const ViewerSession& session_;
};

// The main window: the menu, the keyboard commands and the repaint request.
class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // Starts the viewer session with the command line's options and the
  // settings kept from the last run.
  explicit MainWindow(const StartOptions& options = {}, const KeptSettings& kept = {});
  ~MainWindow() override;

  ViewerSession& Session() { return session_; }
  Language TextLanguage() const { return session_.TextLanguage(); }

  // Carries out one menu or keyboard command by its number.
  void HandleCommand(int command);
  // Draws what a session call changed and does what it asks of the windows.
  void Carry(const SessionUpdate& update);
  // Repaints the view and both legends from the same state.
  void RepaintAll();
  // Raises the open configuration dialog, or creates and shows a new one.
  void OpenConfigDialog();

  ConfigDialogWidget* Dialog() const;
  ClientArea* Client() const { return client_; }
  // The menu item of a command of the shared tables; null where the command
  // has none. Features connect to it.
  QAction* Action(int command) const;
  // The readout, the 2-D diagrams and the difference view.
  AnalysisFeatures* Analysis() const { return analysis_; }

 signals:
  // Emitted once per repaint of the three windows.
  void Repainted();
  // Emitted after the language changed; open windows re-read their texts.
  void LanguageChanged(Language language);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Tells the client area where the dialog stands over it.
  void KeepPictureClearOfDialog();
  void BuildMenus();
  void BuildAccelerators();
  void UpdateCheckMarks(QMenu* menu);
  void ShowTexts();

  ViewerSession session_;
  ClientArea* client_;
  // Each menu entry with its text, retitled when the language changes.
  std::vector<std::pair<QAction*, Text>> titled_;
  QPointer<ConfigDialogWidget> dialog_;
  std::map<int, QAction*> actions_;
  AnalysisFeatures* analysis_ = nullptr;
  PatternFileFeatures* files_ = nullptr;
};

// The viewer's one OpenGL context record, created on the first paint.
extern GLContext glContext;

}  // namespace veltrisko
