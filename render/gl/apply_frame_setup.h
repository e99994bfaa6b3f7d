// SPDX-License-Identifier: MIT
#pragma once

#include "render/frame_setup.h"

namespace veltrisko {

// Sets every piece of OpenGL state a frame's drawing relies on from the
// record, including those a frame before may have left otherwise (blending,
// line width, current normal and colour, the matrices, enables that this
// frame never uses), and clears the buffers. The frame so starts alike on a
// fresh context and after any other frame.
void ApplyFrameSetup(const FrameSetup& setup);

// Applies the set-up, sends the recorded calls and waits for OpenGL to
// finish the frame.
void ReplayFrame(const RecordedFrame& frame);

}  // namespace veltrisko
