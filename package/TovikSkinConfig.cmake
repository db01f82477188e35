# find_package(TovikSkin) gives two targets:
#   TovikSkin::skin  the static library, with its include folder and the Windows
#                    libraries it needs (link the C++ runtime statically too)
#   TovikSkin::dll   TovikSkin.dll through its import library (defines TOVIK_SKIN_DLL)
include("${CMAKE_CURRENT_LIST_DIR}/TovikSkinTargets.cmake")
