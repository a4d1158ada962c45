# Fails when a C++ source of ours is not as clang-format (with the .clang-format at the
# root) would write it, naming each such file. Run by ctest as
#   cmake -DCLANG_FORMAT=<clang-format> -DROOT=<source tree> -P clang_format.cmake
# To fix the files: clang-format -i on the files named.
file(GLOB_RECURSE sources LIST_DIRECTORIES false
  ${ROOT}/src/*.cpp ${ROOT}/src/*.h
  ${ROOT}/tests/*.cpp ${ROOT}/tests/*.h
  ${ROOT}/bench/*.cpp ${ROOT}/bench/*.h)
list(SORT sources)
set(unclean "")
foreach(f IN LISTS sources)
  execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror --style=file ${f}
    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  if(NOT rc EQUAL 0)
    file(RELATIVE_PATH rel ${ROOT} ${f})
    list(APPEND unclean ${rel})
  endif()
endforeach()
list(LENGTH sources checked)
if(unclean)
  list(JOIN unclean "\n  " shown)
  message(FATAL_ERROR "Not clang-format clean (clang-format -i fixes them):\n  ${shown}")
endif()
message(STATUS "${checked} sources are clang-format clean")
