# tests/frame/extra.cmake - what the frame tests need besides their sources (included by
# tests/CMakeLists.txt once test_frame exists).
#
#   - the library-internal frame code, compiled into test_frame so the tests can call it (it is
#     not exported);
#   - frame_probe.exe, a host that loads WEXOctrl.dll at run time and reports what it found;
#   - stand-ins for the optional language extension: bin/frame-langext/<behaviour>/LangExt.dll,
#     one per behaviour, and the resource module bin/frame-langext/LangRes.dll.  They live in
#     their own folders because a LangExt.dll beside the test programs would change every
#     test program's resource module.
set(WEXO_FRAME_TEST_DIR ${CMAKE_CURRENT_LIST_DIR})
set(WEXO_LANGEXT_DIR ${CMAKE_BINARY_DIR}/bin/frame-langext)

target_sources(test_frame PRIVATE
  ${PROJECT_SOURCE_DIR}/frame/UILFrameImpl.cpp
  ${PROJECT_SOURCE_DIR}/frame/UILMessagesImpl.cpp)
target_include_directories(test_frame PRIVATE ${WEXO_FRAME_TEST_DIR}/probe)

add_executable(frame_probe ${WEXO_FRAME_TEST_DIR}/probe/FrameProbe.cpp)
target_link_libraries(frame_probe PRIVATE WEXOfx oleaut32)
# not linked: the probe loads it itself, but it must be built first
add_dependencies(frame_probe WEXOctrl)

add_library(frame_langres MODULE ${WEXO_FRAME_TEST_DIR}/langext/LangRes.c ${WEXO_FRAME_TEST_DIR}/langext/LangRes.rc)
set_target_properties(frame_langres PROPERTIES PREFIX "" OUTPUT_NAME LangRes
  LIBRARY_OUTPUT_DIRECTORY ${WEXO_LANGEXT_DIR})

foreach(behaviour RETURNS_OTHER RETURNS_SELF RETURNS_NULL WITHOUT_EXPORT)
  string(TOLOWER ${behaviour} folder)
  add_library(frame_langext_${folder} MODULE ${WEXO_FRAME_TEST_DIR}/langext/LangExt.cpp)
  target_compile_definitions(frame_langext_${folder} PRIVATE LANGEXT_${behaviour})
  set_target_properties(frame_langext_${folder} PROPERTIES PREFIX "" OUTPUT_NAME LangExt
    LIBRARY_OUTPUT_DIRECTORY ${WEXO_LANGEXT_DIR}/${folder})
  add_dependencies(test_frame frame_langext_${folder})
endforeach()
add_dependencies(test_frame frame_probe frame_langres)
