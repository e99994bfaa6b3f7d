// SPDX-License-Identifier: MIT
// isatty for the WebAssembly build under Node: the C library there calls every
// standard stream a terminal (with -sNODERAWFS), so the tool would write its
// progress lines into files and pipes. Node knows; this definition takes the
// place of the C library's.
#include <emscripten.h>

EM_JS(int, NodeIsTerminal, (int descriptor), { return require('tty').isatty(descriptor) ? 1 : 0; });

extern "C" int isatty(int descriptor) { return NodeIsTerminal(descriptor); }
