// The skin engine's own small pictures (PNG, 8-bit RGBA), embedded at build time.
#pragma once
#include "resources/byte_span.h"

namespace res {

extern const ByteSpan arrow_up_png;         // 7 x 4
extern const ByteSpan arrow_down_png;       // 7 x 4
extern const ByteSpan arrow_left_png;       // 4 x 7
extern const ByteSpan arrow_right_png;      // 4 x 7
extern const ByteSpan caption_help_png;     // 26 x 18
extern const ByteSpan caption_menu_png;     // 26 x 18
extern const ByteSpan caption_min_png;      // 26 x 18
extern const ByteSpan caption_max_png;      // 26 x 18
extern const ByteSpan caption_restore_png;  // 26 x 18
extern const ByteSpan caption_close_png;    // 38 x 18
extern const ByteSpan check_png;            // 13 x 12
// The engine's own 1024 x 640 picture, shown behind a window when a program gives none.
extern const ByteSpan background_jpg;

}  // namespace res
