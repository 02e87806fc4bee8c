# Shorter builds where the machine offers the means, never a requirement: ccache when it is
# installed (and no launcher was chosen), mold as the linker when it is installed.
find_program(CORV_CCACHE ccache)
if(CORV_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CORV_CCACHE})
endif()
find_program(CORV_MOLD mold)
if(CORV_MOLD)
  add_link_options(-fuse-ld=mold)
endif()
