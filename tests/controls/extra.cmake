# tests/controls/extra.cmake - the host resources the animated indicator tests play and show.
target_sources(test_controls PRIVATE ${CMAKE_CURRENT_LIST_DIR}/indicator/indicator.rc)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/indicator/indicator.rc PROPERTIES
  INCLUDE_DIRECTORIES "${CMAKE_CURRENT_LIST_DIR}/indicator;${PROJECT_SOURCE_DIR}/showcase/src")
