// The spellings of a command-line switch, shared by the program and its gamma
// helper: "/name", "-name" or "--name", in any case.
#pragma once
#include <windows.h>

namespace calibration {

inline bool IsSwitch(const char* argument, const char* name) {
    if (!argument || !name) return false;
    if (*argument == '/')
        ++argument;
    else if (*argument == '-')
        argument += argument[1] == '-' ? 2 : 1;
    else
        return false;
    return lstrcmpiA(argument, name) == 0;
}

}  // namespace calibration
