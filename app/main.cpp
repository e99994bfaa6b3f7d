// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QScreen>
#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "app/main_window.h"
#include "app/surface_format.h"

namespace {

bool constructingApplication = false;
const char* programName = "veltrisko";

// Qt ends the process with a fatal message when the platform plugin cannot
// reach the display; say what to do instead of aborting.
void ReportFatalStartup(QtMsgType type, const QMessageLogContext&, const QString& message) {
  std::fprintf(stderr, "%s\n", qPrintable(message));
  if (type == QtFatalMsg && constructingApplication) {
    std::fprintf(stderr,
                 "%s: the display could not be opened.\n"
                 "Start it on a desktop, or under a virtual X server:\n"
                 "  xvfb-run -a -s '-screen 0 1600x1200x24' %s\n",
                 programName, programName);
    std::_Exit(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 0 && argv[0] != nullptr) programName = argv[0];
  if (!veltrisko::CheckDisplay(programName)) return 1;

  // Asking for 32 depth bits; the window system lowers that to what it has.
  QSurfaceFormat::setDefaultFormat(veltrisko::ViewerSurfaceFormat(32));

  const QtMessageHandler previous = qInstallMessageHandler(ReportFatalStartup);
  constructingApplication = true;
  QApplication application(argc, argv);
  constructingApplication = false;
  qInstallMessageHandler(previous);
  // QApplication takes the user's locale; codes are read and legend numbers
  // printed with the C library, always with a decimal point.
  std::setlocale(LC_NUMERIC, "C");

  QApplication::setWindowIcon(QIcon(QStringLiteral(":/veltrisko/icon.png")));
  veltrisko::MainWindow window;
  // About three quarters of the screen, as a new window gets by default.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    window.resize(available.width() * 3 / 4, available.height() * 3 / 4);
    window.move(available.topLeft());
  }
  window.OpenConfigDialog();
  window.show();
  return application.exec();
}
