# The public interface: starting and stopping the engine, one window, every
# window of a thread (dialogs, message boxes, property sheets), keeping controls out.
tovik_add_test(skin_api_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/api_test.cpp ${CMAKE_CURRENT_LIST_DIR}/api_resources.rc
  LIBS tovik_skin psapi comctl32)

# The public header alone, in a client's shoes: C++17 and C, none of the
# project's compile flags (no execution charset, no NOMINMAX).
foreach(lang CXX C)
  if(lang STREQUAL "CXX")
    set(check_source ${CMAKE_CURRENT_BINARY_DIR}/public_header_check.cpp)
  else()
    set(check_source ${CMAKE_CURRENT_BINARY_DIR}/public_header_check.c)
  endif()
  if(lang STREQUAL "CXX")
    file(WRITE ${check_source} "#include <tovik/skin.h>\nint public_header_check() {\n"
      "  TovikSkinLook look{};\n  bool (*start)(const TovikSkinLook*) = tovik::skin::Start;\n"
      "  return start && look.placement == 0 ? 0 : 1;\n}\n")
  else()
    file(WRITE ${check_source} "#include <tovik/skin.h>\n"
      "int public_header_check(void) { TovikSkinLook look = {0}; return look.placement; }\n")
  endif()
  add_library(public_header_check_${lang} OBJECT ${check_source})
  target_include_directories(public_header_check_${lang} PRIVATE ${PROJECT_SOURCE_DIR}/include)
  set_target_properties(public_header_check_${lang} PROPERTIES COMPILE_OPTIONS "-Wall;-Wextra;-Werror"
                        COMPILE_DEFINITIONS "" CXX_STANDARD 17 CXX_EXTENSIONS OFF C_STANDARD 99)
endforeach()
