# The logic outside src/ui must compile without Qt: fail the configure step
# (and the test run, see tests/CMakeLists.txt) when a Qt header sneaks in.
function(quillon_check_no_qt_in_core)
  file(GLOB_RECURSE core_files
    ${CMAKE_SOURCE_DIR}/src/*.h ${CMAKE_SOURCE_DIR}/src/*.cpp)
  foreach(f IN LISTS core_files)
    if(f MATCHES "/src/ui/")
      continue()
    endif()
    file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
    if(hits)
      message(FATAL_ERROR "Qt header included outside src/ui: ${f}: ${hits}")
    endif()
  endforeach()
endfunction()
quillon_check_no_qt_in_core()
