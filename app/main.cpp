#include <QApplication>
#include <QScreen>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/config_dialog_widget.h"
#include "app/logic/command_line.h"
#include "app/logic/process_objects.h"
#include "app/main_window.h"
#include "app/surface_format.h"

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

// Types a code given on the command line into the dialog's field, as a user
// would, and says on standard error when it does not come into force.
void StartWithCode(QLineEdit* field, const std::optional<std::string>& code,
                   const veltrisko::AntennaPanel& panel, const char* component) {
  if (!code) return;
  field->setText(QString::fromStdString(*code));
  const std::string warning =
      veltrisko::StartCodeWarning(programName, component, *code, panel.Code());
  if (!warning.empty()) std::fprintf(stderr, "%s\n", warning.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 0 && argv[0] != nullptr) programName = argv[0];
  const veltrisko::CommandLine commandLine =
      veltrisko::ParseCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
  switch (commandLine.action) {
    case veltrisko::CommandLineAction::kHelp:
      std::fputs(veltrisko::UsageText(programName).c_str(), stdout);
      return 0;
    case veltrisko::CommandLineAction::kVersion:
      std::printf("veltrisko %s\n", VELTRISKO_VERSION);
      return 0;
    case veltrisko::CommandLineAction::kError:
      std::fprintf(stderr, "%s: %s\n%s", programName, commandLine.error.c_str(),
                   veltrisko::UsageText(programName).c_str());
      return 2;
    case veltrisko::CommandLineAction::kRun:
      break;
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
  // The dialog shows the rule and the display mode it finds in the scene.
  veltrisko::ApplyStartOptions(veltrisko::sceneState, commandLine.options);
  veltrisko::MainWindow window;
  // About three quarters of the screen, as a new window gets by default.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    window.resize(available.width() * 3 / 4, available.height() * 3 / 4);
    window.move(available.topLeft());
  }
  window.OpenConfigDialog();
  StartWithCode(window.Dialog()->Horizontal().edit, commandLine.options.horizontalCode,
                veltrisko::horizontalPanel, "horizontal");
  StartWithCode(window.Dialog()->Vertical().edit, commandLine.options.verticalCode,
                veltrisko::verticalPanel, "vertical");
  // Shown last, so that it is active and the keys turn the view at once; the
  // dialog stays above it as its owned window.
  window.show();
  return application.exec();
}
