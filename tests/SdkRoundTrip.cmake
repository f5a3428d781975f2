# SdkRoundTrip.cmake - ctest script: the SDK as a host uses it.
#
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DWINEPREFIX=... -P SdkRoundTrip.cmake
#
# Installs the build into WORK_DIR/sdk, configures and builds showcase/ against it with
# find_package and the toolchain file the SDK carries, runs it with --screenshots and checks that
# every scene left a PNG of the main window with real content in it.
cmake_minimum_required(VERSION 3.25)

foreach(var BUILD_DIR SOURCE_DIR WORK_DIR WINEPREFIX)
  if(NOT ${var})
    message(FATAL_ERROR "SdkRoundTrip: ${var} not given")
  endif()
endforeach()

function(run step)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "SdkRoundTrip: ${step} failed (${rc}):\n${out}")
  endif()
  message(STATUS "SdkRoundTrip: ${step}: ok")
endfunction()

set(sdk ${WORK_DIR}/sdk)
set(hostbuild ${WORK_DIR}/showcase-build)
set(shots ${WORK_DIR}/screenshots)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR} ${shots})

run("install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${sdk})
foreach(f bin/WEXOfx.dll bin/WEXOctrl.dll bin/WEXOCTRL.TLB lib/libWEXOfx.dll.a lib/libWEXOctrl.dll.a
          include/WEXOctrl/WEXOctrl.h include/WEXOfx/afxwin.h
          lib/cmake/WEXOctrl/WEXOctrlConfig.cmake lib/cmake/WEXOctrl/WEXOctrlConfigVersion.cmake
          lib/cmake/WEXOctrl/WEXOctrlTargets.cmake lib/cmake/WEXOctrl/mingw-w64-x86_64.cmake)
  if(NOT EXISTS ${sdk}/${f})
    message(FATAL_ERROR "SdkRoundTrip: the installed SDK lacks ${f}")
  endif()
endforeach()

# what only the library's own sources use stays out of the SDK
foreach(f include/WEXOctrl/frame/UILFrameImpl.h include/WEXOctrl/frame/UILMessagesImpl.h
          include/WEXOctrl/bitmaps/DibUtil.h include/WEXOctrl/colors/OffscreenDC.h
          include/WEXOctrl/res/resource.h)
  if(EXISTS ${sdk}/${f})
    message(FATAL_ERROR "SdkRoundTrip: the installed SDK carries the private ${f}")
  endif()
endforeach()

run("configure showcase" ${CMAKE_COMMAND} -S ${SOURCE_DIR}/showcase -B ${hostbuild}
    -DCMAKE_TOOLCHAIN_FILE=${sdk}/lib/cmake/WEXOctrl/mingw-w64-x86_64.cmake
    -DCMAKE_PREFIX_PATH=${sdk} -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS=-Wall -Wno-unknown-pragmas")
execute_process(COMMAND ${CMAKE_COMMAND} --build ${hostbuild} -j2
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "SdkRoundTrip: build showcase failed (${rc}):\n${out}")
endif()
# the SDK's headers must compile cleanly in a host that adds no options of its own
if(out MATCHES "warning:")
  message(FATAL_ERROR "SdkRoundTrip: the showcase built against the SDK with warnings:\n${out}")
endif()
message(STATUS "SdkRoundTrip: build showcase: ok")

set(exe ${hostbuild}/showcase.exe)
foreach(f showcase.exe WEXOfx.dll WEXOctrl.dll WEXOCTRL.TLB)
  if(NOT EXISTS ${hostbuild}/${f})
    message(FATAL_ERROR "SdkRoundTrip: ${f} is not beside the showcase (wexoctrl_copy_runtime)")
  endif()
endforeach()

# Wine maps the Unix root to drive Z:
string(REPLACE "/" "\\" winshots "Z:${shots}")
run("render scenes" ${SOURCE_DIR}/scripts/wine-run --prefix ${WINEPREFIX} ${exe} --screenshots ${winshots})

file(GLOB pngs ${shots}/*.png)
if(NOT EXISTS ${shots}/main.png)
  message(FATAL_ERROR "SdkRoundTrip: no main.png in ${shots} (found: ${pngs})")
endif()
find_program(IDENTIFY NAMES identify PATHS /usr/bin NO_DEFAULT_PATH)
find_program(IDENTIFY NAMES identify REQUIRED)
foreach(png IN LISTS pngs)
  execute_process(COMMAND ${IDENTIFY} -format "%w %h %k" ${png}
    RESULT_VARIABLE rc OUTPUT_VARIABLE info ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "SdkRoundTrip: ${png} is not a readable image: ${err}")
  endif()
  separate_arguments(info)
  list(GET info 0 width)
  list(GET info 1 height)
  list(GET info 2 colours)
  # a frame with caption, menu bar and a gridded view: far more than a blank or black window
  if(width LESS 320 OR height LESS 240 OR colours LESS 4)
    message(FATAL_ERROR "SdkRoundTrip: ${png} looks empty: ${width}x${height}, ${colours} colours")
  endif()
  message(STATUS "SdkRoundTrip: ${png}: ${width}x${height}, ${colours} colours")
endforeach()
