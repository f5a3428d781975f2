# An extension DLL of the framework for the resource-chain and class-registry tests.
add_library(fxtest_ext SHARED ${CMAKE_CURRENT_LIST_DIR}/extdll/fxtest_ext.cpp
                              ${CMAKE_CURRENT_LIST_DIR}/extdll/fxtest_ext.rc)
target_compile_definitions(fxtest_ext PRIVATE _AFXEXT)
target_link_libraries(fxtest_ext PRIVATE WEXOfx)
set_target_properties(fxtest_ext PROPERTIES PREFIX "")
add_dependencies(test_fx fxtest_ext)
# the test program's own strings (the application's module in the resource chain)
target_sources(test_fx PRIVATE ${CMAKE_CURRENT_LIST_DIR}/fxtest_app.rc)
# the GDI and control tests' bitmap and menu resources
target_sources(test_fx PRIVATE ${CMAKE_CURRENT_LIST_DIR}/gdi_test.rc)
# the dialog and data-exchange tests' templates
target_sources(test_fx PRIVATE ${CMAKE_CURRENT_LIST_DIR}/dialog_test.rc)
# the control-bar tests' toolbar resources
target_sources(test_fx PRIVATE ${CMAKE_CURRENT_LIST_DIR}/docking_test.rc)
