# GoogleTest for the test programs. A native build uses the system's
# package; a cross build compiles Debian's GoogleTest sources with its own
# compiler, since the system's libraries are for the build machine.
if(NOT CMAKE_CROSSCOMPILING)
  find_package(GTest REQUIRED)
  return()
endif()

set(VORN_GOOGLETEST_SOURCE_DIR /usr/src/googletest/googletest
    CACHE PATH "GoogleTest sources for cross builds")
if(NOT EXISTS ${VORN_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${VORN_GOOGLETEST_SOURCE_DIR} "
                      "(Debian package googletest)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VORN_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest is not ours to hold to our warnings.
foreach(lib gtest gtest_main)
  target_compile_options(${lib} PRIVATE -w)
  if(NOT TARGET GTest::${lib})
    add_library(GTest::${lib} ALIAS ${lib})
  endif()
endforeach()

# Test programs run in a Wine prefix of the build's own, made once here so
# that programs started side by side never race to create it.
if(CMAKE_CROSSCOMPILING_EMULATOR AND NOT EXISTS ${VORN_WINEPREFIX}/system.reg)
  message(STATUS "Creating the Wine prefix ${VORN_WINEPREFIX}")
  execute_process(COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init
                  RESULT_VARIABLE wineboot_result OUTPUT_QUIET ERROR_QUIET)
  if(NOT wineboot_result EQUAL 0)
    message(FATAL_ERROR "wineboot failed in ${VORN_WINEPREFIX}: ${wineboot_result}")
  endif()
endif()
