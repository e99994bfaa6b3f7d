// SPDX-License-Identifier: MIT
// With VELTRISKO_SCREENSHOTS set to a folder, GUI tests photograph the screen
// for the README (import -window root); without it they take no picture.
#pragma once

#include <QTest>
#include <cstdlib>
#include <string>

inline void PhotographScreen(const char* name) {
  const char* folder = std::getenv("VELTRISKO_SCREENSHOTS");
  if (folder == nullptr) return;
  QTest::qWait(300);
  const std::string command = std::string("import -window root ") + folder + "/" + name;
  if (std::system(command.c_str()) != 0) qWarning("screenshot %s failed", name);
}
