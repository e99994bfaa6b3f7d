// SPDX-License-Identifier: MIT
#include "app/qt/surface_format.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace veltrisko {

QSurfaceFormat ViewerSurfaceFormat(int depthBits) {
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setVersion(2, 1);
  // Without it a core context results and glBegin draws nothing.
  format.setOption(QSurfaceFormat::DeprecatedFunctions);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  format.setRedBufferSize(8);
  format.setGreenBufferSize(8);
  format.setBlueBufferSize(8);
  format.setDepthBufferSize(depthBits);
  return format;
}

bool CheckDisplay(const char* programName) {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform != nullptr && *platform != '\0') return true;  // the user chose one
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if ((display != nullptr && *display != '\0') || (wayland != nullptr && *wayland != '\0'))
    return true;
  std::fprintf(stderr,
               "%s: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
               "Start it on a desktop, or under a virtual X server:\n"
               "  xvfb-run -a -s '-screen 0 1600x1200x24' %s\n",
               programName, programName);
  return false;
}

}  // namespace veltrisko
