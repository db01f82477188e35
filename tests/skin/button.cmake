# Skinned buttons and the background capture behind every skinned control.
tovik_add_test(skin_button_tests
  SOURCES skin_probe.cpp button_fixture.cpp button_test.cpp background_test.cpp
          skinner_kit_test.cpp
  LIBS tovik_skin)
