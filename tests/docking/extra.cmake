# tests/docking/extra.cmake - the docking tests drive their drag loops with the scripted mouse
# input and recording windows of the controls tests.
target_sources(test_docking PRIVATE ${PROJECT_SOURCE_DIR}/tests/controls/MouseScript.cpp)
target_include_directories(test_docking PRIVATE ${PROJECT_SOURCE_DIR}/tests/controls)
