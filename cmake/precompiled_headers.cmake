# Most of what a window, a GUI test or a test file compiles is the same few
# library headers (Qt's, GoogleTest's, the JSON library's): each group of
# targets parses them once per configuration, into a precompiled header that
# the group's other targets reuse. A target that reuses one must have the same
# compile flags and definitions, so each group is targets linked alike.
#
# Where ccache compiles, it caches files built on a precompiled header only
# with the sloppiness its manual asks for (the Makefile sets it) and with the
# header's preprocessed form marked in the output (-fpch-preprocess, GCC).

# The Qt widgets, charts and printing the windows, the report and the CLI share.
set(hullcalc_qt_headers <QtWidgets> <QtCharts> <QtPrintSupport> <string> <vector> <optional> <functional>)

# Gives `target` the precompiled header made for `first`, or makes it for
# `first` itself from `headers` (the first target of a group).
function(hullcalc_precompile target first)
  if(CCACHE_PROGRAM AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -fpch-preprocess)
  endif()
  if(target STREQUAL first)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  else()
    target_precompile_headers(${target} REUSE_FROM ${first})
  endif()
endfunction()
