# Labels, text colours and mnemonics over the skin, the call that keeps a
# control native, and a dialog program's window with child-dialog pages.
tovik_add_test(skin_label_tests
  SOURCES skin_probe.cpp frame_fixture.cpp container_fixture.cpp dialog_fixture.cpp
          label_test.cpp dialog_test.cpp test_dialogs.rc
  LIBS tovik_skin comctl32 msimg32)
