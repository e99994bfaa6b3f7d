// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/logic/command_line.h"

namespace veltrisko {

class MainWindow;

struct StartedViewer {
  std::unique_ptr<MainWindow> window;
  // One line for each code given that did not come into force as given.
  std::vector<std::string> warnings;
};

// The start-up: the main window at three quarters of the screen, the rule
// and display mode of `options`, the dialog with the codes given typed into
// its fields, and the main window shown last so that it is active.
StartedViewer StartViewer(const StartOptions& options, const std::string& programName);

}  // namespace veltrisko
