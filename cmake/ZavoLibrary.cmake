# Helpers that give every Zavo library the same shape: a SHARED library with hidden visibility,
# one export macro (<LIB>_EXPORT from <lib>/<lib>_export.h), public headers under include/,
# installation into the Zavo CMake package, and a record of the Zavo libraries it may link.
include(GenerateExportHeader)
include(CMakePackageConfigHelpers)

set(ZAVO_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})
set(ZAVO_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Zavo)

# zavo_add_library(<Name> SOURCES <files>... [LINKS <Zavo names>...] [PRIVATE_LINKS <targets>...])
#
# Defines the target <Name> and its alias Zavo::<Name> from the current folder's include/ and src/.
# LINKS names the other Zavo libraries it may link (public, since their types appear in its
# headers); the link-rule test fails when the built library needs any other Zavo library.
function(zavo_add_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LINKS;PRIVATE_LINKS")
  string(TOLOWER ${name} lower)
  string(TOUPPER ${name} upper)

  add_library(${name} SHARED ${arg_SOURCES})
  add_library(Zavo::${name} ALIAS ${name})
  set_target_properties(${name} PROPERTIES
    OUTPUT_NAME zavo_${lower}
    EXPORT_NAME ${name}
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}
    INSTALL_RPATH "$ORIGIN"
    ZAVO_ALLOWED_LINKS "${arg_LINKS}")
  generate_export_header(${name}
    BASE_NAME ${upper}
    EXPORT_FILE_NAME ${CMAKE_CURRENT_BINARY_DIR}/include/${lower}/${lower}_export.h)
  target_include_directories(${name}
    PUBLIC
      $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>
      $<BUILD_INTERFACE:${CMAKE_CURRENT_BINARY_DIR}/include>
      $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
    PRIVATE
      ${CMAKE_CURRENT_SOURCE_DIR}/src)
  foreach(dep IN LISTS arg_LINKS)
    target_link_libraries(${name} PUBLIC Zavo::${dep})
  endforeach()
  if(arg_PRIVATE_LINKS)
    target_link_libraries(${name} PRIVATE ${arg_PRIVATE_LINKS})
  endif()

  install(TARGETS ${name} EXPORT ZavoTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(DIRECTORY include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/include/${lower}/${lower}_export.h
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${lower})
  set_property(GLOBAL APPEND PROPERTY ZAVO_LIBRARIES ${name})
endfunction()

# zavo_add_program(<name> SOURCES <files>... [LINKS <targets>...] [NO_INSTALL])
# A program installed beside the libraries, finding them through its run path.
function(zavo_add_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "NO_INSTALL" "" "SOURCES;LINKS")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LINKS})
  set_target_properties(${name} PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
  if(NOT arg_NO_INSTALL)
    install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endfunction()

# zavo_add_test(<name> SOURCES <files>... [LINKS <targets>...])
# One GoogleTest program run by ctest as one test. The XDG and Zavo folders point into the build
# tree so that no test touches the real home or /etc; tests that write files make their own
# temporary folders below these.
function(zavo_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LINKS")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LINKS} GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set(sandbox ${CMAKE_BINARY_DIR}/test-sandbox/${name})
  file(MAKE_DIRECTORY ${sandbox}/home ${sandbox}/config ${sandbox}/data ${sandbox}/machine)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "ZAVO_HOME=${sandbox}/home;XDG_CONFIG_HOME=${sandbox}/config;XDG_DATA_HOME=${sandbox}/data;ZAVO_MACHINE_CONFIG=${sandbox}/machine;TMPDIR=${sandbox}")
endfunction()

# Writes and installs the Zavo package: find_package(Zavo CONFIG) gives Zavo::<Name> for every
# library made with zavo_add_library.
function(zavo_install_package)
  install(EXPORT ZavoTargets NAMESPACE Zavo:: DESTINATION ${ZAVO_INSTALL_CMAKEDIR})
  configure_package_config_file(${ZAVO_CMAKE_DIR}/ZavoConfig.cmake.in
    ${CMAKE_BINARY_DIR}/ZavoConfig.cmake
    INSTALL_DESTINATION ${ZAVO_INSTALL_CMAKEDIR})
  write_basic_package_version_file(${CMAKE_BINARY_DIR}/ZavoConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
  install(FILES ${CMAKE_BINARY_DIR}/ZavoConfig.cmake ${CMAKE_BINARY_DIR}/ZavoConfigVersion.cmake
    DESTINATION ${ZAVO_INSTALL_CMAKEDIR})
endfunction()
