// SPDX-License-Identifier: MIT
#include "app/qt/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>

#include "app/logic/code_feedback.h"
#include "app/logic/dialog_placement.h"
#include "app/logic/difference_legend.h"
#include "app/logic/legend_content.h"
#include "app/logic/legend_drawing.h"
#include "app/logic/main_menu.h"
#include "app/logic/pattern_file_legend.h"
#include "app/logic/process_objects.h"
#include "app/qt/analysis_features.h"
#include "app/qt/code_message.h"
#include "app/qt/config_dialog_widget.h"
#include "app/qt/direction_readout.h"
#include "app/qt/documentation.h"
#include "app/qt/legend_widgets.h"
#include "app/qt/pattern_file_features.h"
#include "app/qt/pattern_view.h"
#include "app/qt/qt_values.h"
#include "app/qt/viewer_settings.h"
#include "render/gl/gl_context.h"
#include "text/legend_texts.h"

namespace veltrisko {

GLContext glContext;

namespace {

QKeySequence KeyOf(const Accelerator& accelerator) {
  if (accelerator.control && accelerator.key == AcceleratorKey::kC) return QKeySequence::Copy;
  // In the order of AcceleratorKey.
  constexpr Qt::Key kKeys[] = {Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Left,
                               Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown,
                               Qt::Key_Home,  Qt::Key_Escape, Qt::Key_C};
  static_assert(std::size(kKeys) == static_cast<std::size_t>(AcceleratorKey::kC) + 1);
  return QKeySequence(kKeys[static_cast<std::size_t>(accelerator.key)]);
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ClientArea::ClientArea(QWidget* parent, const ViewerSession& session)
    : QWidget(parent),
      view_(new PatternView(glContext,
                            [&session] {
                              return FrameSource{sceneState, horizontalPanel.Code(),
                                                 verticalPanel.Code(), session.Frame()};
                            })),
      viewContainer_(QWidget::createWindowContainer(view_, this)),
      info_(new LegendWidget(
          this,
          [this, &session] { return InfoLegendDrawing(session.InfoLegend(view_->Findings())); },
          kInfoLegendWidth, kInfoLegendHeight)),
      colours_(new LegendWidget(
          this,
          [this, &session] { return ColourLegendDrawing(session.ColourLegend(view_->Findings())); },
          kColourLegendWidth, kColourLegendHeight)),
      message_(new CodeMessage(this, [&session] { return session.CodeMessage(); })),
      session_(session) {
  // The picture's window lies in a native container; the legends and the
  // message are native windows too, raised above it, so that the window
  // system stacks them over the picture.
  viewContainer_->setAttribute(Qt::WA_NativeWindow);
  viewContainer_->setFocusPolicy(Qt::NoFocus);
  for (QWidget* overlay : std::initializer_list<QWidget*>{info_, colours_, message_})
    MakeOverlay(overlay);
}

void ClientArea::MakeOverlay(QWidget* overlay) {
  // Mouse events pass through a transparent overlay only if its window
  // takes none from the window system.
  if (overlay->testAttribute(Qt::WA_TransparentForMouseEvents)) {
    const bool hidden = overlay->isHidden();
    overlay->setWindowFlag(Qt::WindowTransparentForInput);
    overlay->setHidden(hidden);
  }
  overlay->setAttribute(Qt::WA_NativeWindow);
  overlay->raise();
}

void ClientArea::resizeEvent(QResizeEvent*) { LayOut(); }

void ClientArea::KeepClearOf(const QRect& cover) {
  if (cover == cover_) return;
  cover_ = cover;
  LayOut();
}

void ClientArea::LayOut() {
  const LegendRect part = VisiblePart({0, 0, width(), height()},
                                      {cover_.x(), cover_.y(), cover_.width(), cover_.height()});
  viewContainer_->setGeometry(part.x, part.y, part.width, part.height);
  const LegendPlacement place = session_.Legends(part.width, part.height, info_->Scale());
  info_->setGeometry(part.x + place.info.x, part.y + place.info.y, place.info.width,
                     place.info.height);
  colours_->setGeometry(part.x + place.colour.x, part.y + place.colour.y, place.colour.width,
                        place.colour.height);
}

MainWindow::MainWindow(const StartOptions& options, const KeptSettings& kept)
    : session_(sceneState, horizontalPanel, verticalPanel, configDialog),
      client_(new ClientArea(this, session_)) {
  KeepSettings(session_.Start(options, kept));
  UseToolkitLanguage(session_.TextLanguage());
  setWindowIcon(QIcon(QStringLiteral(":/veltrisko/icon.png")));
  setCentralWidget(client_);
  BuildMenus();
  BuildAccelerators();
  analysis_ = new AnalysisFeatures(*this);
  files_ = new PatternFileFeatures(*this);
  ShowTexts();
}

void MainWindow::ShowTexts() {
  setWindowTitle(FromUtf8(In(TextLanguage(), texts::kMainWindowTitle)));
  for (const auto& [action, text] : titled_) action->setText(FromUtf8(In(TextLanguage(), text)));
  for (const LanguageChoice& choice : kLanguageChoices)
    Action(choice.command)->setChecked(*session_.CheckMark(choice.command));
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  KeepPictureClearOfDialog();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  KeepPictureClearOfDialog();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) KeepPictureClearOfDialog();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // Installed on the dialog only. `watched` is not compared with dialog_:
  // while the dialog is destroyed it is no ConfigDialogWidget any more.
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
      // After the dialog's own handling, with its frame where it now is.
      QMetaObject::invokeMethod(this, &MainWindow::KeepPictureClearOfDialog, Qt::QueuedConnection);
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::KeepPictureClearOfDialog() {
  if (dialog_ == nullptr || !dialog_->isVisible()) {
    client_->KeepClearOf({});
    return;
  }
  const QRect frame = dialog_->frameGeometry();
  const QPoint at = client_->mapFromGlobal(frame.topLeft());
  const LegendRect cover = PictureCover(isMaximized() || isFullScreen(), RectOf(frameGeometry()),
                                        RectOf(screen()->availableGeometry()),
                                        {at.x(), at.y(), frame.width(), frame.height()});
  client_->KeepClearOf(QtRect(cover));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The inside: Qt places an inside exactly, a frame only once it is known.
  KeepSettings(WindowPlaceToKeep({RectOf(normalGeometry()), isMaximized()}));
  QMainWindow::closeEvent(event);
}

MainWindow::~MainWindow() {
  // The picture, the dialog and the side windows work on the session and its
  // models; Qt would delete them only after the session, a member, is gone.
  // The dialog going is nothing to lay out for.
  if (dialog_ != nullptr) dialog_->removeEventFilter(this);
  const QObjectList owned = children();
  for (QObject* child : owned) {
    if (child->isWidgetType() && static_cast<QWidget*>(child)->isWindow()) delete child;
  }
  delete client_;
}

void MainWindow::BuildMenus() {
  QMenu* popup = nullptr;
  QMenu* current = nullptr;
  QActionGroup* resolutions = new QActionGroup(this);
  resolutions->setExclusive(true);
  QActionGroup* languages = new QActionGroup(this);
  languages->setExclusive(true);
  for (const MenuEntry& entry : kMainMenu) {
    switch (entry.kind) {
      case MenuEntryKind::kPopup:
        popup = current = menuBar()->addMenu(FromUtf8(In(TextLanguage(), entry.text)));
        titled_.emplace_back(current->menuAction(), entry.text);
        break;
      case MenuEntryKind::kSubmenu:
        current = popup->addMenu(FromUtf8(In(TextLanguage(), entry.text)));
        titled_.emplace_back(current->menuAction(), entry.text);
        break;
      case MenuEntryKind::kSubmenuEnd:
        current = popup;
        break;
      case MenuEntryKind::kSeparator:
        current->addSeparator();
        break;
      case MenuEntryKind::kItem:
      case MenuEntryKind::kToggle: {
        QAction* action = current->addAction(FromUtf8(In(TextLanguage(), entry.text)));
        titled_.emplace_back(action, entry.text);
        const int command = entry.command;
        action->setData(command);
        if (entry.kind == MenuEntryKind::kToggle || session_.CheckMark(command).has_value()) {
          action->setCheckable(true);
          action->setChecked(entry.initiallyChecked);
        }
        for (const ResolutionChoice& choice : kResolutionChoices) {
          if (choice.command == command) resolutions->addAction(action);
        }
        for (const LanguageChoice& choice : kLanguageChoices) {
          if (choice.command != command) continue;
          action->setCheckable(true);
          languages->addAction(action);
        }
        connect(action, &QAction::triggered, this, [this, command] { HandleCommand(command); });
        actions_[command] = action;
        break;
      }
    }
    if (entry.kind == MenuEntryKind::kPopup || entry.kind == MenuEntryKind::kSubmenu) {
      QMenu* menu = current;
      connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateCheckMarks(menu); });
    }
  }
}

void MainWindow::BuildAccelerators() {
  for (const Accelerator& accelerator : kAccelerators) {
    // Window-wide only: in the dialog the same keys move its focused slider.
    auto* shortcut = new QShortcut(KeyOf(accelerator), this);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(true);
    const int command = accelerator.command;
    connect(shortcut, &QShortcut::activated, this, [this, command] { HandleCommand(command); });
  }
}

void MainWindow::UpdateCheckMarks(QMenu* menu) {
  for (QAction* action : menu->actions()) {
    if (!action->isCheckable()) continue;
    if (auto checked = session_.CheckMark(action->data().toInt())) action->setChecked(*checked);
  }
}

ConfigDialogWidget* MainWindow::Dialog() const { return dialog_; }

QAction* MainWindow::Action(int command) const {
  auto found = actions_.find(command);
  return found != actions_.end() ? found->second : nullptr;
}

void MainWindow::HandleCommand(int command) { Carry(session_.RunCommand(command)); }

void MainWindow::Carry(const SessionUpdate& update) {
  switch (update.request) {
    case FrontEndRequest::kQuit:
      close();
      return;
    case FrontEndRequest::kOpenDialog:
      OpenConfigDialog();
      break;
    case FrontEndRequest::kOpenDocumentation:
      OpenDocumentation(this, std::string(CodeOf(TextLanguage())));
      break;
    case FrontEndRequest::kShowAbout:
      ShowAbout(this, std::string(CodeOf(TextLanguage())));
      break;
    case FrontEndRequest::kOpenDiagrams:
      analysis_->OpenDiagrams();
      break;
    case FrontEndRequest::kCopyReadout:
      QApplication::clipboard()->setText(QString::fromStdString(session_.CopiedReadout()));
      break;
    case FrontEndRequest::kReadoutMenu:
      analysis_->Readout()->OpenContextMenu(QCursor::pos());
      break;
    case FrontEndRequest::kImportPattern:
      files_->AskAndImport();
      break;
    case FrontEndRequest::kExportPattern:
      files_->AskAndExport();
      break;
    case FrontEndRequest::kOpenFit:
      files_->OpenFit();
      break;
    case FrontEndRequest::kAskImportForFit:
      files_->AskImportForFit();
      break;
    case FrontEndRequest::kNone:
      break;
  }
  if (update.texts) {
    KeepSettings(session_.Settings());
    UseToolkitLanguage(session_.TextLanguage());
    ShowTexts();
    emit LanguageChanged(session_.TextLanguage());
  }
  if (update.legends) {
    client_->Info()->setVisible(session_.LegendsVisible());
    client_->Colours()->setVisible(session_.LegendsVisible());
    client_->LayOut();
  }
  if (update.frame) {
    RepaintAll();
  } else if (update.readout) {
    analysis_->Readout()->ShowReadout();
  }
}

void MainWindow::OpenConfigDialog() {
  if (configDialog != nullptr && dialog_ != nullptr) {
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
    return;
  }
  // The dialog stays above its owner only if the owner has its native window
  // when the dialog is created.
  winId();
  dialog_ = new ConfigDialogWidget(
      this, ProcessDialogTargets(), [this] { RepaintAll(); }, TextLanguage());
  connect(this, &MainWindow::LanguageChanged, dialog_, &ConfigDialogWidget::SetLanguage);
  dialog_->installEventFilter(this);
  dialog_->show();
}

void MainWindow::RepaintAll() {
  client_->View()->update();
  client_->Info()->update();
  client_->Colours()->update();
  client_->Message()->Refresh();
  emit Repainted();
}

}  // namespace veltrisko
