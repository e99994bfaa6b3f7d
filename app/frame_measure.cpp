// SPDX-License-Identifier: MIT
// End-to-end frame time of the viewer: from a key press (Right, one azimuth
// step) to the swap of the window's buffer, at step 2 ("sehr fein"), in
// linear and logarithmic display. Compares the viewer's QOpenGLWidget, which
// Qt composes into the top-level window after paintGL, with a QOpenGLWindow
// in QWidget::createWindowContainer, which swaps its own buffer.
//
//   xvfb-run -a -s "-screen 0 1600x1200x24" build/bin/veltrisko-frame-measure [frames]
#include <QApplication>
#include <QElapsedTimer>
#include <QOpenGLWindow>
#include <QShortcut>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <type_traits>
#include <vector>

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

// The same frame as the viewer draws, in a window of its own.
class PatternWindow final : public QOpenGLWindow {
 protected:
  void paintGL() override {
    const qreal ratio = devicePixelRatio();
    veltrisko::DrawPattern(
        sceneState, {0, 0, static_cast<int>(width() * ratio), static_cast<int>(height() * ratio)},
        veltrisko::horizontalPanel.Code(), veltrisko::verticalPanel.Code());
  }
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

// Presses Right `frames` times on `target` and waits for each swap.
template <typename Swapper>
Figures Measure(Swapper* swapper, void (Swapper::*swapped)(), QWidget* target, int frames) {
  std::vector<double> times;
  bool done = false;
  // A swap counts once the view has drawn a frame since the key press.
  bool drawn = !std::is_same_v<Swapper, QOpenGLWidget>;
  if (auto* view = qobject_cast<veltrisko::PatternView*>(swapper))
    QObject::connect(view, &veltrisko::PatternView::FrameDrawn, view, [&] { drawn = true; });
  QObject::connect(swapper, swapped, swapper, [&] {
    if (drawn) done = true;
  });
  for (int i = 0; i < frames + 5; ++i) {
    done = false;
    drawn = !std::is_same_v<Swapper, QOpenGLWidget>;
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
    sceneState = veltrisko::SceneState();
    sceneState.resolutionStep = 2;
    sceneState.logScale = logarithmic;
    const char* mode = logarithmic ? "log" : "linear";

    {  // The viewer as it starts, its dialog open beside the picture.
      veltrisko::StartedViewer viewer = veltrisko::StartViewer({}, "veltrisko");
      veltrisko::MainWindow& window = *viewer.window;
      window.resize(window.size() + QSize(kWidth, kHeight) - window.Client()->size());
      if (!Ready(&window)) return 1;
      const Figures f = Measure<QOpenGLWidget>(window.Client()->View(),
                                               &QOpenGLWidget::frameSwapped, &window, frames);
      std::printf("QOpenGLWidget (viewer), %-12s %12.1f %12.1f\n", mode, f.median, f.mean);
    }
    sceneState.azimuth = 0;
    {  // A window of its own in a container, turned by the same key.
      auto* patternWindow = new PatternWindow;
      QWidget holder;
      QWidget* container = QWidget::createWindowContainer(patternWindow, &holder);
      container->setGeometry(0, 0, kWidth, kHeight);
      holder.resize(kWidth, kHeight);
      QObject::connect(new QShortcut(Qt::Key_Right, &holder), &QShortcut::activated, [&] {
        sceneState.ChangeAzimuth(veltrisko::kViewStepRadians);
        patternWindow->update();
      });
      holder.show();
      if (!Ready(&holder)) return 1;
      const Figures f =
          Measure<QOpenGLWindow>(patternWindow, &QOpenGLWindow::frameSwapped, &holder, frames);
      std::printf("QOpenGLWindow in container, %-8s %12.1f %12.1f\n", mode, f.median, f.mean);
    }
  }
  return 0;
}
