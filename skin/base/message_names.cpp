#include "skin/base/message_names.h"

#include <cstdio>

namespace skin {

const char* MessageName(UINT message) {
    switch (message) {
#define SKIN_MESSAGE_CASE(name) \
    case name: return #name;
        SKIN_MESSAGE_NAMES(SKIN_MESSAGE_CASE)
#undef SKIN_MESSAGE_CASE
        default: break;
    }
    static thread_local char text[24];
    if (message >= WM_APP && message < 0xC000)
        std::snprintf(text, sizeof text, "WM_APP+%u", message - WM_APP);
    else if (message >= WM_USER && message < WM_APP)
        std::snprintf(text, sizeof text, "WM_USER+%u", message - WM_USER);
    else
        std::snprintf(text, sizeof text, "0x%04X", message);
    return text;
}

}  // namespace skin
