# GoogleTest: Debian's prebuilt library natively, built from Debian's sources for MinGW.
if(NOT QG_BUILD_TESTS)
  return()
endif()
enable_testing()
if(CMAKE_CROSSCOMPILING)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  set(QG_GTEST_MAIN gtest_main)
else()
  find_package(GTest REQUIRED)
  set(QG_GTEST_MAIN GTest::gtest_main)
endif()

# Test programs run natively on Linux and under Wine for the 64-bit Windows build; the 32-bit
# Windows build cannot execute here and only gets static checks.
set(QG_RUN_TESTS ON)
if(WIN32 AND NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QG_RUN_TESTS OFF)
endif()

if(WIN32 AND QG_RUN_TESTS)
  # A throw-away Wine prefix in the build tree, made once before any test runs.
  set(QG_WINE_ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix" "WINEDEBUG=-all"
                          "WINEDLLOVERRIDES=mscoree,mshtml=")
  add_test(NAME wine_prefix COMMAND ${CMAKE_COMMAND} -E env ${QG_WINE_ENVIRONMENT} wineboot --init)
  set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${QG_WINE_ENVIRONMENT}")
endif()

# qg_add_gtest(name SOURCES a.cpp ... LIBS lib ... [ENVIRONMENT VAR=value ...])
function(qg_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  if(NOT QG_RUN_TESTS)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${QG_GTEST_MAIN})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  add_test(NAME ${name} COMMAND ${name})
  # Every instance the tests make reads and writes the per-user store: keep it in the build
  # tree, one folder per test program, never in the user's home. A test's own setting wins.
  set(environment "XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config/${name}")
  if(WIN32)
    list(APPEND environment ${QG_WINE_ENVIRONMENT})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
  endif()
  list(APPEND environment ${ARG_ENVIRONMENT})
  if(environment)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
  endif()
endfunction()
