// The files the application carries inside itself, as byte arrays generated at build time.
#pragma once
#include "resources/byte_span.h"
#include "resources/skin_images.h"  // background_jpg: the picture behind the main window

namespace res {

// Programs built from tools/ and run by the application.
extern const ByteSpan gamma_reset_exe;  // puts the display's gamma ramp back to identity
extern const ByteSpan empty_exe;        // trims the working set of a process id

}  // namespace res
