# Skinned edits, combo boxes, list-type controls and their scroll-bar overlays.
tovik_add_test(skin_text_controls_tests
  SOURCES skin_probe.cpp frame_fixture.cpp text_fixture.cpp overlay_test.cpp edit_test.cpp
          combo_test.cpp list_test.cpp focus_test.cpp overlay_follow_test.cpp
  LIBS tovik_skin msimg32 comctl32)
