# Building on Windows itself (MSYS2 MinGW 32-bit): no emulator, native tools.
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_RC_COMPILER windres)
