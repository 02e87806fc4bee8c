# Shorter builds where the machine offers the means, never a requirement: ccache when it is
# installed (and no launcher was chosen), mold as the linker when it is installed.
find_program(CORV_CCACHE ccache)
if(CORV_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CORV_CCACHE})
endif()
# Files compiled in batches of sixteen: most of a file's compile time goes to the headers it shares
# with its neighbours (Qt's, GoogleTest's, the standard library's). A changed file rebuilds its
# batch. -DCMAKE_UNITY_BUILD=OFF compiles one file at a time.
if(NOT DEFINED CMAKE_UNITY_BUILD)
  set(CMAKE_UNITY_BUILD ON)
endif()
if(NOT DEFINED CMAKE_UNITY_BUILD_BATCH_SIZE)
  set(CMAKE_UNITY_BUILD_BATCH_SIZE 16)
endif()
find_program(CORV_MOLD mold)
if(CORV_MOLD)
  add_link_options(-fuse-ld=mold)
endif()
