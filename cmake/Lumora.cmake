# Project-wide settings and helpers.

if(MSVC)
  add_compile_options(/W4 /permissive- /utf-8)
  add_compile_definitions(_CRT_SECURE_NO_WARNINGS)
else()
  add_compile_options(-Wall -Wextra -Wno-unused-parameter)
endif()

if(WIN32)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  if(MINGW)
    # Static runtime: the programs run on a bare Windows and under Wine without
    # the compiler's DLLs.
    add_link_options(-static -static-libgcc -static-libstdc++)
  endif()
else()
  option(LUMORA_SANITIZE "Build the native core and its tests with ASan and UBSan" ON)
  if(LUMORA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
  endif()
  # libFuzzer builds (clang, tools/fuzz.sh): every library carries the
  # coverage the fuzzer steers by; tests/fuzz links the fuzzer itself.
  option(LUMORA_FUZZ "Build the libFuzzer targets of tests/fuzz (clang only)" OFF)
  if(LUMORA_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()
endif()

# Portable core library: sources that need no window, built in every configuration.
function(lumora_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

# Win32 tests and end-to-end scenarios are collected here and written to a
# CTest include file, so that the native build's single ctest run also runs
# them under Wine (one entry per executable: each costs a Wine start).
set_property(GLOBAL PROPERTY LUMORA_WINE_TESTS "")

function(lumora_win32_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_property(GLOBAL APPEND PROPERTY LUMORA_WINE_TESTS
    "win32.${name}|${CMAKE_SOURCE_DIR}/tools/wine-run|$<TARGET_FILE:${name}>")
endfunction()

function(lumora_e2e_test name script)
  set_property(GLOBAL APPEND PROPERTY LUMORA_WINE_TESTS
    "e2e.${name}|bash|${CMAKE_CURRENT_SOURCE_DIR}/${script}")
endfunction()

function(lumora_write_wine_test_list)
  get_property(tests GLOBAL PROPERTY LUMORA_WINE_TESTS)
  set(content "")
  foreach(entry IN LISTS tests)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 tname)
    list(GET parts 1 runner)
    list(GET parts 2 target)
    string(APPEND content "add_test(${tname} \"${runner}\" \"${target}\")\n")
    string(APPEND content "set_tests_properties(${tname} PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL ON TIMEOUT 300 ENVIRONMENT \"LUMORA_WIN_BUILD=${CMAKE_BINARY_DIR}\")\n")
  endforeach()
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/lumora-wine-tests.cmake CONTENT "${content}")
endfunction()
