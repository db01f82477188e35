# Skinned trackbars, progress bars, up-down controls and headers.
tovik_add_test(skin_range_controls_tests
  SOURCES skin_probe.cpp frame_fixture.cpp range_controls_fixture.cpp range_controls_test.cpp
          range_controls_leak_test.cpp
  LIBS tovik_skin tovik_app_resources psapi comctl32)
