// SPDX-License-Identifier: MIT
// End-to-end frame time of the viewer: from a key press (Right, one azimuth
// step) to the swap of the window's buffer, at step 2 ("sehr fein"), in
// linear and logarithmic display. Compares the viewer itself, whose picture
// is a QOpenGLWindow in a window container that swaps its own buffer, with
// the same frame drawn by a QOpenGLWidget under the same legends, which Qt
// composes into the top-level window after paintGL.
//
//   xvfb-run -a -s "-screen 0 1600x1200x24" build/bin/veltrisko-frame-measure [frames]
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QOpenGLWidget>
#include <QShortcut>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "app/legend_widgets.h"
#include "app/logic/legend_content.h"
#include "app/logic/legend_scale.h"
#include "app/logic/main_menu.h"
#include "app/logic/process_objects.h"
#include "app/main_window.h"
#include "app/pattern_view.h"
#include "app/surface_format.h"
#include "app/viewer_start.h"
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

// The widget under the viewer's two legends in a main window of the
// viewer's size, turned by the same key.
class WidgetViewer final : public QMainWindow {
 public:
  WidgetViewer() {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    view_ = new PatternWidget(client);
    view_->setGeometry(0, 0, kWidth, kHeight);
    client->setFixedSize(kWidth, kHeight);
    auto* info = new veltrisko::InfoLegend(client, [] {
      return veltrisko::InfoLegendOf(sceneState, veltrisko::horizontalPanel.Code(),
                                     veltrisko::verticalPanel.Code());
    });
    auto* colours =
        new veltrisko::ColourLegend(client, [] { return veltrisko::ColourLegendOf(sceneState); });
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

// Shown, exposed and active, so that the key reaches its shortcut.
bool Ready(QWidget* window) {
  if (!QTest::qWaitForWindowExposed(window)) return false;
  QTest::qWait(300);
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

struct Figures {
  double median, mean;
};

// Presses Right `frames` times on `target` and waits for each swap that
// follows a drawn frame.
template <typename View, typename Signal>
Figures Measure(View* view, Signal swapped, QWidget* target, int frames) {
  std::vector<double> times;
  bool drawn = false;
  bool done = false;
  QObject::connect(view, &View::FrameDrawn, view, [&] { drawn = true; });
  QObject::connect(view, swapped, view, [&] {
    if (drawn) done = true;
  });
  for (int i = 0; i < frames + 5; ++i) {
    drawn = done = false;
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(target, Qt::Key_Right);
    while (!done && timer.elapsed() < 2000)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    if (!done) std::printf("  no swap after a drawn frame (drawn %d)\n", drawn ? 1 : 0);
    if (i >= 5) times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);  // warm-up
  }
  std::sort(times.begin(), times.end());
  double sum = 0;
  for (double t : times) sum += t;
  return {times[times.size() / 2], sum / static_cast<double>(times.size())};
}

}  // namespace

int main(int argc, char** argv) {
  QSurfaceFormat::setDefaultFormat(veltrisko::ViewerSurfaceFormat(32));
  QApplication application(argc, argv);
  const int frames = argc > 1 ? std::max(10, std::atoi(argv[1])) : 60;
  std::printf("%d frames each, client %dx%d, step 2 (sehr fein)\n", frames, kWidth, kHeight);
  std::printf("%-36s %12s %12s\n", "", "median (ms)", "mean (ms)");

  for (const bool logarithmic : {false, true}) {
    const char* mode = logarithmic ? "log" : "linear";
    const auto reset = [logarithmic] {
      sceneState = veltrisko::SceneState();
      sceneState.resolutionStep = 2;
      sceneState.logScale = logarithmic;
    };

    reset();
    {  // The viewer as it starts, its dialog open beside the picture.
      veltrisko::StartedViewer viewer = veltrisko::StartViewer({}, "veltrisko");
      reset();  // the start-up choice of the dialog, then this run's display
      veltrisko::MainWindow& window = *viewer.window;
      window.resize(window.size() + QSize(kWidth, kHeight) - window.Client()->size());
      if (!Ready(&window)) return 1;
      veltrisko::PatternView* view = window.Client()->View();
      const Figures f = Measure(view, &QOpenGLWindow::frameSwapped, &window, frames);
      std::printf("viewer (QOpenGLWindow), %-12s %12.1f %12.1f\n", mode, f.median, f.mean);
    }
    reset();
    {  // The former surface: a composed widget under the same legends.
      WidgetViewer holder;
      holder.show();
      if (!Ready(&holder)) return 1;
      const Figures f = Measure(holder.View(), &QOpenGLWidget::frameSwapped, &holder, frames);
      std::printf("QOpenGLWidget (former), %-12s %12.1f %12.1f\n", mode, f.median, f.mean);
    }
  }
  return 0;
}

#include "frame_measure.moc"
