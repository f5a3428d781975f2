# WEXOctrl.dll - the controls library, an extension DLL of the framework layer.
#
# Its sources are every .cpp of the subsystem folders, so a new file is picked up by the next
# build without touching this file.

set(WEXO_LIBRARY_FOLDERS frame toolbars docking properties namedobjects colors files bitmaps controls)

set(WEXOCTRL_SOURCES)
set(WEXOCTRL_HEADERS)
foreach(folder IN LISTS WEXO_LIBRARY_FOLDERS)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  list(APPEND WEXOCTRL_SOURCES ${sources})
  list(APPEND WEXOCTRL_HEADERS ${headers})
endforeach()

# The type library.  mingw-w64 ships no .idl files; libwine-dev's are used to import stdole2.
find_program(WEXO_WIDL NAMES x86_64-w64-mingw32-widl widl REQUIRED)
set(WEXO_IDL_INCLUDE_DIR /usr/include/wine/wine/windows CACHE PATH
    "Folder holding the Windows .idl files (libwine-dev)")
set(WEXO_TLB_LIBRARY_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows CACHE PATH
    "Folder holding stdole2.tlb for widl's importlib")
set(WEXOCTRL_TLB ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/WEXOCTRL.TLB)
add_custom_command(
  OUTPUT ${WEXOCTRL_TLB}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
  COMMAND ${WEXO_WIDL} -t -I${WEXO_IDL_INCLUDE_DIR} -L${WEXO_TLB_LIBRARY_DIR}
          -o ${WEXOCTRL_TLB} ${PROJECT_SOURCE_DIR}/res/WEXOctrl.idl
  DEPENDS ${PROJECT_SOURCE_DIR}/res/WEXOctrl.idl
  COMMENT "Compiling type library WEXOCTRL.TLB"
  VERBATIM)
add_custom_target(WEXOctrl_typelib DEPENDS ${WEXOCTRL_TLB})

set(WEXOCTRL_RC ${PROJECT_SOURCE_DIR}/res/WEXOctrl.rc)
# windres looks for the TYPELIB file along the include path; recompile when the .tlb changes.
set_source_files_properties(${WEXOCTRL_RC} PROPERTIES
  INCLUDE_DIRECTORIES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
  OBJECT_DEPENDS ${WEXOCTRL_TLB})

add_library(WEXOctrl SHARED
  ${WEXOCTRL_SOURCES} ${WEXOCTRL_HEADERS}
  ${PROJECT_SOURCE_DIR}/WEXOctrl.h ${PROJECT_SOURCE_DIR}/res/resource.h ${WEXOCTRL_RC})
add_dependencies(WEXOctrl WEXOctrl_typelib)
target_compile_definitions(WEXOctrl PRIVATE _AFXEXT)
# res/ is not on the public path: a host has its own resource.h, and the library's sources name
# theirs as "res/resource.h".
target_include_directories(WEXOctrl PUBLIC
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/WEXOctrl>)
# Library code, like MFC code, calls members through pointers that may be NULL and tests the
# pointer afterwards; the compiler must not conclude from the call that it was not.
target_compile_options(WEXOctrl PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-fno-delete-null-pointer-checks>)
target_link_libraries(WEXOctrl PUBLIC WEXOfx)
# WEXOctrl.dll with its import library libWEXOctrl.dll.a, like WEXOfx.
# while the folders are still empty the resources alone would make CMake pick the RC "linker"
set_target_properties(WEXOctrl PROPERTIES PREFIX "" OUTPUT_NAME WEXOctrl IMPORT_PREFIX "lib" LINKER_LANGUAGE CXX
  EXPORT_NAME WEXOctrl)
