// Skinned buttons: painters probed by pixels, the subclass procedure driven by
// real messages.
#include "skin/window/button_skin.h"
#include "tests/skin/button_fixture.h"

namespace button_test {
namespace {
}  // namespace
}  // namespace button_test
