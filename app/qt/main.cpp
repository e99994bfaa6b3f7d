// SPDX-License-Identifier: MIT
#include <QApplication>
#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/logic/command_line.h"
#include "app/qt/main_window.h"
#include "app/qt/surface_format.h"
#include "app/qt/viewer_settings.h"
#include "app/qt/viewer_start.h"

#ifndef VELTRISKO_VERSION
#error "VELTRISKO_VERSION must name the program's version"
#endif

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

// Writes the help or the version; a full device or a closed pipe is said and
// fails the call (status 1), as everywhere in the program.
int Say(const std::string& text) {
  errno = 0;
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  int error = written ? 0 : errno;
  errno = 0;
  if (std::fflush(stdout) != 0 || std::ferror(stdout) || !written) {
    if (error == 0) error = errno != 0 ? errno : EIO;
    std::fprintf(stderr, "%s: cannot write to standard output: %s\n", programName,
                 std::strerror(error));
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 0 && argv[0] != nullptr) programName = argv[0];
  const veltrisko::CommandLine commandLine =
      veltrisko::ParseCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
  if (const auto answer = veltrisko::AnswerOf(commandLine, programName, VELTRISKO_VERSION,
                                              veltrisko::RememberedLanguage)) {
    if (!answer->isError) return Say(answer->text);
    std::fputs(answer->text.c_str(), stderr);
    return answer->exitStatus;
  }
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
  // Lets the desktop match the windows to the menu entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.veltrisko.Veltrisko"));
  const veltrisko::StartedViewer viewer = veltrisko::StartViewer(commandLine.options, programName);
  for (const std::string& warning : viewer.warnings) std::fprintf(stderr, "%s\n", warning.c_str());
  return application.exec();
}
