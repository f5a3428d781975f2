# The SDK: `cmake --install <build> --prefix DIR` lays out
#   include/WEXOctrl/   WEXOctrl.h and the library's public headers by folder (the private ones,
#                       WEXO_PRIVATE_HEADERS, and the library's resource.h stay out)
#   include/WEXOfx/     the framework layer's headers
#   lib/                import libraries
#   bin/                WEXOfx.dll, WEXOctrl.dll, WEXOCTRL.TLB
#   lib/cmake/WEXOctrl/ package configuration and the cross toolchain file
# A host then writes find_package(WEXOctrl CONFIG REQUIRED) and links WEXOctrl::WEXOctrl.

include(CMakePackageConfigHelpers)

set(WEXO_CONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/WEXOctrl)

install(TARGETS WEXOfx WEXOctrl EXPORT WEXOctrlTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${WEXOCTRL_TLB} DESTINATION ${CMAKE_INSTALL_BINDIR})

install(DIRECTORY ${PROJECT_SOURCE_DIR}/fx/include/
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/WEXOfx
  FILES_MATCHING PATTERN "*.h" PATTERN "*.inl")

install(FILES ${PROJECT_SOURCE_DIR}/WEXOctrl.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/WEXOctrl)
# headers only the library's own sources include
set(WEXO_PRIVATE_HEADERS
  frame/UILFrameImpl.h
  frame/UILMessagesImpl.h
  bitmaps/DibUtil.h
  colors/OffscreenDC.h)
foreach(folder IN LISTS WEXO_LIBRARY_FOLDERS)
  set(excluded)
  foreach(header IN LISTS WEXO_PRIVATE_HEADERS)
    get_filename_component(header_folder ${header} DIRECTORY)
    if(header_folder STREQUAL folder)
      get_filename_component(header_name ${header} NAME)
      list(APPEND excluded PATTERN ${header_name} EXCLUDE)
    endif()
  endforeach()
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${folder}/
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/WEXOctrl/${folder}
    FILES_MATCHING PATTERN "*.h" PATTERN "*.inl" ${excluded})
endforeach()

install(EXPORT WEXOctrlTargets NAMESPACE WEXOctrl:: DESTINATION ${WEXO_CONFIG_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/WEXOctrlConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/WEXOctrlConfig.cmake
  INSTALL_DESTINATION ${WEXO_CONFIG_DIR}
  PATH_VARS CMAKE_INSTALL_INCLUDEDIR CMAKE_INSTALL_BINDIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/WEXOctrlConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/WEXOctrlConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/WEXOctrlConfigVersion.cmake
  ${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
  DESTINATION ${WEXO_CONFIG_DIR})
