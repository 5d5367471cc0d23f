# Drives the Windows build (mingw-w64) from the native configuration and hooks
# its Wine tests into this build's ctest run.
include(ExternalProject)

find_program(LUMORA_MINGW_CXX NAMES x86_64-w64-mingw32-g++-posix)
option(LUMORA_WINDOWS "Cross-build the Windows programs and run their tests under Wine" ON)

if(LUMORA_WINDOWS AND LUMORA_MINGW_CXX)
  set(win_dir ${CMAKE_BINARY_DIR}/win)
  ExternalProject_Add(lumora_windows
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${win_dir}
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
      -DCMAKE_BUILD_TYPE=Release
    CMAKE_GENERATOR ${CMAKE_GENERATOR}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)

  add_test(NAME wine.setup COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-env.sh setup ${win_dir})
  set_tests_properties(wine.setup PROPERTIES FIXTURES_SETUP wine TIMEOUT 600)
  add_test(NAME wine.cleanup COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-env.sh stop ${win_dir})
  set_tests_properties(wine.cleanup PROPERTIES FIXTURES_CLEANUP wine)
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${win_dir}/lumora-wine-tests.cmake)
else()
  message(STATUS "mingw-w64 not found or LUMORA_WINDOWS off: only the portable core is built")
endif()
