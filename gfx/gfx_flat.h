// For the layer's own sources only: the GDI+ flat functions and the call
// helpers under short names.
#pragma once

#include "gfx/gfx_object.h"

namespace gfx {

using namespace gp::DllExports;
using detail::Call;
using detail::Count;
using detail::CreateInto;
using detail::Get;
using detail::GetBool;
using detail::NativeOrNull;
using detail::ReadArray;

}  // namespace gfx
