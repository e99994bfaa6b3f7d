// SPDX-License-Identifier: MIT
// End-to-end frame time of the viewer: from a key press (Right, one azimuth
// step) to the swap of the window's buffer, at step 2 ("sehr fein"), in
// linear and logarithmic display. Compares the viewer itself, whose picture
// is a QOpenGLWindow in a window container that swaps its own buffer, with
// the same frame drawn by a QOpenGLWidget under the same legends in a main
// window with a menu and a status bar (the viewer's former surface), which Qt
// composes into the top-level window after paintGL. Both windows stay open
// and take turns of ten frames, each brought to the front for its turn.
//
//   xvfb-run -a -s "-screen 0 1600x1200x24" build/bin/veltrisko-frame-measure [frames]
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QOpenGLWidget>
#include <QShortcut>
#include <QStatusBar>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/logic/legend_content.h"
#include "app/logic/legend_drawing.h"
#include "app/logic/legend_scale.h"
#include "app/logic/main_menu.h"
#include "app/logic/process_objects.h"
#include "app/qt/config_dialog_widget.h"
#include "app/qt/legend_widgets.h"
#include "app/qt/main_window.h"
#include "app/qt/pattern_view.h"
#include "app/qt/surface_format.h"
#include "app/qt/viewer_start.h"
#include "render/gl/draw_pattern.h"

namespace {

using veltrisko::sceneState;

constexpr int kWidth = 1200;
constexpr int kHeight = 900;

// The same frame as the viewer draws, in a widget Qt composes.
class PatternWidget final : public QOpenGLWidget {
  Q_OBJECT

 public:
  using QOpenGLWidget::QOpenGLWidget;

 signals:
  void FrameDrawn();

 protected:
  void paintGL() override {
    const qreal ratio = devicePixelRatioF();
    veltrisko::DrawPattern(sceneState,
                           {0, 0, static_cast<int>(std::lround(width() * ratio)),
                            static_cast<int>(std::lround(height() * ratio))},
                           veltrisko::horizontalPanel.Code(), veltrisko::verticalPanel.Code());
    emit FrameDrawn();
  }
};

// The widget under the viewer's two legends in a main window with a menu and
// a status bar like the viewer's, turned by the same key.
class WidgetViewer final : public QMainWindow {
 public:
  WidgetViewer() {
    menuBar()->addMenu(QStringLiteral("&Datei"));
    statusBar()->showMessage(QStringLiteral(" "));
    auto* client = new QWidget(this);
    setCentralWidget(client);
    view_ = new PatternWidget(client);
    view_->setGeometry(0, 0, kWidth, kHeight);
    client->setFixedSize(kWidth, kHeight);
    auto* info = new veltrisko::LegendWidget(
        client,
        [] {
          return veltrisko::InfoLegendDrawing(veltrisko::InfoLegendOf(
              sceneState, veltrisko::horizontalPanel.Code(), veltrisko::verticalPanel.Code()));
        },
        veltrisko::kInfoLegendWidth, veltrisko::kInfoLegendHeight);
    auto* colours = new veltrisko::LegendWidget(
        client,
        [] { return veltrisko::ColourLegendDrawing(veltrisko::ColourLegendOf(sceneState)); },
        veltrisko::kColourLegendWidth, veltrisko::kColourLegendHeight);
    const veltrisko::LegendPlacement place =
        veltrisko::PlaceScaledLegends(kWidth, kHeight, info->Scale());
    info->setGeometry(place.info.x, place.info.y, place.info.width, place.info.height);
    colours->setGeometry(place.colour.x, place.colour.y, place.colour.width, place.colour.height);
    connect(new QShortcut(Qt::Key_Right, this), &QShortcut::activated, this, [this, info, colours] {
      sceneState.ChangeAzimuth(veltrisko::kViewStepRadians);
      view_->update();
      info->update();
      colours->update();
    });
  }
  PatternWidget* View() const { return view_; }

 private:
  PatternWidget* view_;
};

struct Figures {
  double median, mean;
};

// Key press to swap for one surface: presses Right on the window and waits
// for the swap that follows a drawn frame.
class FrameClock {
 public:
  template <typename View, typename Signal>
  FrameClock(View* view, Signal swapped, QWidget* window) : window_(window) {
    QObject::connect(view, &View::FrameDrawn, view, [this] { drawn_ = true; });
    QObject::connect(view, swapped, view, [this] {
      if (drawn_) done_ = true;
    });
  }

  // Brings the window to the front, so that it draws unobstructed and the
  // key reaches its shortcut.
  bool Front() {
    window_->raise();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_)) return false;
    QTest::qWait(200);
    return true;
  }

  // Times `frames` frames (none kept while warming up).
  void Run(int frames, bool keep) {
    for (int i = 0; i < frames; ++i) {
      drawn_ = done_ = false;
      QElapsedTimer timer;
      timer.start();
      QTest::keyClick(window_, Qt::Key_Right);
      while (!done_ && timer.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
      if (!done_) std::printf("  no swap after a drawn frame (drawn %d)\n", drawn_ ? 1 : 0);
      if (keep) times_.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
  }

  Figures Result() {
    std::sort(times_.begin(), times_.end());
    double sum = 0;
    for (double t : times_) sum += t;
    const Figures figures{times_[times_.size() / 2], sum / static_cast<double>(times_.size())};
    times_.clear();
    return figures;
  }

 private:
  QWidget* window_;
  bool drawn_ = false;
  bool done_ = false;
  std::vector<double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  QSurfaceFormat::setDefaultFormat(veltrisko::ViewerSurfaceFormat(32));
  QApplication application(argc, argv);
  const int frames = argc > 1 ? std::max(10, std::atoi(argv[1])) : 60;
  constexpr int kBlock = 10;  // the two surfaces take turns, so that a change
                              // of the machine's load falls on both alike
  std::printf("%d frames each, client %dx%d, step 2 (sehr fein)\n", frames, kWidth, kHeight);
  std::printf("%-36s %12s %12s\n", "", "median (ms)", "mean (ms)");

  // The viewer as it starts; its dialog closed, so that both pictures are
  // drawn whole.
  veltrisko::StartedViewer viewer = veltrisko::StartViewer({}, "veltrisko");
  veltrisko::MainWindow& window = *viewer.window;
  window.resize(window.size() + QSize(kWidth, kHeight) - window.Client()->size());
  window.move(0, 0);
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  window.Dialog()->close();
  FrameClock windowClock(window.Client()->View(), &QOpenGLWindow::frameSwapped, &window);

  // The former surface, at the same place.
  WidgetViewer holder;
  holder.move(0, 0);
  holder.show();
  if (!QTest::qWaitForWindowExposed(&holder)) return 1;
  FrameClock widgetClock(holder.View(), &QOpenGLWidget::frameSwapped, &holder);

  for (const bool logarithmic : {false, true}) {
    const char* mode = logarithmic ? "log" : "linear";
    sceneState = veltrisko::SceneState();
    sceneState.resolutionStep = 2;
    sceneState.logScale = logarithmic;
    for (FrameClock* clock : {&windowClock, &widgetClock}) {
      if (!clock->Front()) return 1;
      clock->Run(5, false);
    }
    for (int done = 0; done < frames; done += kBlock) {
      for (FrameClock* clock : {&windowClock, &widgetClock}) {
        if (!clock->Front()) return 1;
        clock->Run(std::min(kBlock, frames - done), true);
      }
    }
    const Figures ours = windowClock.Result();
    const Figures former = widgetClock.Result();
    std::printf("viewer (QOpenGLWindow), %-12s %12.1f %12.1f\n", mode, ours.median, ours.mean);
    std::printf("QOpenGLWidget (former), %-12s %12.1f %12.1f\n", mode, former.median, former.mean);
  }
  return 0;
}

#include "viewer_frame_measure.moc"
