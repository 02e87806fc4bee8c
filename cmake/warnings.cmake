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

# A GoogleTest executable registered with CTest. Widget tests pass QT: they run headless.
function(corv_gtest name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LINK;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LINK} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  corv_warnings(${name})
  # A failing test is read from its message: line tables are enough in the everyday build, and
  # full debug information for every test file would double its compile time.
  target_compile_options(${name} PRIVATE $<$<CONFIG:RelWithDebInfo>:-g1>)
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE Qt6::Test)
    corv_precompile(${name} TEST QT)
  else()
    corv_precompile(${name} TEST)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS "${ARG_LABELS}")
endfunction()
include(GoogleTest)
