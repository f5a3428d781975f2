# tests/toolbars/extra.cmake - the test program's own command strings (the application's module
# in the resource chain), for the command-text lookup of items.
target_sources(test_toolbars PRIVATE ${CMAKE_CURRENT_LIST_DIR}/toolbars_test.rc)
# the menu tests' toolbars and accelerators
target_sources(test_toolbars PRIVATE ${CMAKE_CURRENT_LIST_DIR}/coolmenu_test.rc)
