# An optimised native build on Debian takes the distribution's compiler and
# linker flags (stack protector, fortified functions, read-only relocations,
# position-independent executables, immediate binding), as its packages do.
# DEB_BUILD_MAINT_OPTIONS and DEB_*FLAGS_APPEND in the environment are honoured.
option(VORN_DPKG_BUILDFLAGS "Use dpkg-buildflags in optimised native builds" ON)
if(NOT VORN_DPKG_BUILDFLAGS OR CMAKE_CROSSCOMPILING OR MSVC
   OR NOT CMAKE_BUILD_TYPE STREQUAL "Release")
  return()
endif()
find_program(VORN_DPKG_BUILDFLAGS_PROGRAM dpkg-buildflags)
if(NOT VORN_DPKG_BUILDFLAGS_PROGRAM)
  return()
endif()

set(maint_options "$ENV{DEB_BUILD_MAINT_OPTIONS}")
if(NOT maint_options MATCHES "hardening=")
  string(APPEND maint_options " hardening=+all")
endif()
string(STRIP "${maint_options}" maint_options)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=${maint_options}"
            ${VORN_DPKG_BUILDFLAGS_PROGRAM} --get ${kind}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed: ${result}")
  endif()
  separate_arguments(flags UNIX_COMMAND "${flags}")
  # The build type chooses the optimisation; debugging symbols are stripped
  # from the package anyway.
  list(FILTER flags EXCLUDE REGEX "^-O[0-9s]?$|^-g$")
  set(VORN_DPKG_${kind} ${flags})
endforeach()
add_compile_options(${VORN_DPKG_CPPFLAGS} ${VORN_DPKG_CXXFLAGS})
add_link_options(${VORN_DPKG_LDFLAGS})
