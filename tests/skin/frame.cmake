# Skinned top-level window: frame painter, window procedure, skin application and
# initialisation, and the memory and GDI objects of many renders.
tovik_add_test(skin_frame_tests
  SOURCES skin_probe.cpp frame_fixture.cpp frame_test.cpp window_proc_test.cpp apply_skin_test.cpp
          window_behaviour_test.cpp dialog_frame_test.cpp dialog_frame.rc
          skin_init_test.cpp frame_size_test.cpp frame_leak_test.cpp
  LIBS tovik_skin tovik_app_resources psapi
  TIMEOUT 600)
