// The whole graphics object layer.
#pragma once

#include "gfx/gfx_brush.h"
#include "gfx/gfx_encoder.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_graphics.h"
#include "gfx/gfx_image.h"
#include "gfx/gfx_object.h"
#include "gfx/gfx_path.h"
#include "gfx/gfx_pen.h"
#include "gfx/gfx_stream.h"
#include "gfx/gfx_text.h"
#include "gfx/gfx_tooltip.h"
