# Our own targets build with every warning shown, as errors with CORV_WERROR; third-party headers
# come in as system includes and do not count.
function(corv_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${CORV_WERROR}>:-Werror>)
  # GCC at -O3 reports overlapping copies inside libstdc++ for "text" + std::string (GCC bug
  # 105329): a false alarm that would fail Release builds wherever new code concatenates.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()

# A library of this project: sources, warnings and the project root on the include path, so that
# headers are included by their layer path (#include "model/station.h").
function(corv_library name)
  cmake_parse_arguments(ARG "SHARED" "" "SOURCES;LINK" ${ARGN})
  if(ARG_SHARED)
    add_library(${name} SHARED ${ARG_SOURCES})
  else()
    add_library(${name} STATIC ${ARG_SOURCES})
  endif()
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINK})
  corv_warnings(${name})
endfunction()

# What every test program is built with, the same for all so that they share one precompiled
# header (corv_test_pch): GoogleTest, the Qt modules of the widget tests (their macros must not
# differ from one program to the next), warnings, and in the developer's builds line tables only (a
# failing test is read from its message; full debug information would double its compile time)
# and the optimisation that keeps a test debuggable; the code under test keeps the build's own.
function(corv_test_settings name)
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main Qt6::Widgets
    Qt6::PrintSupport Qt6::Test)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  corv_warnings(${name})
  target_compile_options(${name} PRIVATE $<$<CONFIG:Debug,RelWithDebInfo>:-g1 -Og>)
  # A fixture in a file's anonymous namespace is right; compiled together with the program's other
  # files, GCC takes it for a type that leaks out of its file.
  target_compile_options(${name} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-Wno-subobject-linkage>)
endfunction()

# A GoogleTest executable registered with CTest; widget tests run headless.
function(corv_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINK;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LINK})
  corv_test_settings(${name})
  target_precompile_headers(${name} REUSE_FROM corv_test_pch)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS "${ARG_LABELS}")
endfunction()
include(GoogleTest)
