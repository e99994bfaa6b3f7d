// SPDX-License-Identifier: MIT
// Windows only: standard input and output in binary mode, so that the answers
// end their lines with "\n" exactly as on Linux, byte for byte; and a console
// that shows the UTF-8 the tool writes (its manifest makes UTF-8 its code page).
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

namespace {

const bool binaryStdio = [] {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
  return true;
}();

}  // namespace
