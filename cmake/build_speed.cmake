# Shorter builds where the machine offers the means, never a requirement: ccache when it is
# installed (and no launcher was chosen), mold as the linker when it is installed.
find_program(CORV_CCACHE ccache)
if(CORV_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CORV_CCACHE})
endif()
# Files compiled in batches of eight: most of a file's compile time goes to the headers it shares
# with its neighbours (Qt's, GoogleTest's, the standard library's). A changed file rebuilds its
# batch. -DCMAKE_UNITY_BUILD=OFF compiles one file at a time.
if(NOT DEFINED CMAKE_UNITY_BUILD)
  set(CMAKE_UNITY_BUILD ON)
endif()
find_program(CORV_MOLD mold)
if(CORV_MOLD)
  add_link_options(-fuse-ld=mold)
endif()

# Precompiled headers: most of a test file's or a widget file's compile time goes to GoogleTest's
# and Qt's headers. Each target compiles them once (the tests share theirs, see tests/); a target
# of a few files gains nothing.
set(CORV_PCH_STD <algorithm> <filesystem> <fstream> <functional> <memory> <optional> <string>
  <vector>)
set(CORV_PCH_QT <QApplication> <QDialog> <QLineEdit> <QString> <QWidget>)
# corv_precompile(target [QT] [HEADERS header...]): the standard library's headers, Qt's with QT,
# and the given ones.
function(corv_precompile target)
  cmake_parse_arguments(ARG "QT" "" "HEADERS" ${ARGN})
  get_target_property(sources ${target} SOURCES)
  list(LENGTH sources count)
  if(count LESS 3)
    return()
  endif()
  set(headers ${CORV_PCH_STD} ${ARG_HEADERS})
  if(ARG_QT)
    list(APPEND headers ${CORV_PCH_QT})
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
