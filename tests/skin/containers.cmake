# Group boxes, tab controls, toolbars, composed controls, and the registration
# that nests every control pass inside containers.
tovik_add_test(skin_container_tests
  SOURCES skin_probe.cpp frame_fixture.cpp container_fixture.cpp container_test.cpp
          toolbar_test.cpp registration_test.cpp composition_test.cpp
  LIBS tovik_skin tovik_app_resources psapi comctl32)
