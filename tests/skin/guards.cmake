tovik_add_test(gdi_guard_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/gdi_guards_test.cpp)
