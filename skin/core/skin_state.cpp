#include "skin/core/skin_state.h"

namespace skin {

Globals& State() {
    static Globals globals;
    return globals;
}

void CreateWindowTable() {}
void ReleaseSkinData() {}

}  // namespace skin
