// SPDX-License-Identifier: MIT
// Windows only: standard input and output in binary mode, so that the answers
// end their lines with "\n" exactly as on Linux, byte for byte.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace {

const bool binaryStdio = [] {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  return true;
}();

}  // namespace
