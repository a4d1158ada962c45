# The folders' include rules, kept with the list in CMakeLists.txt beside this file.

# The folders that `folder` may include from: its own, those it names, and those these
# name in turn.
function(tapwell_reachable folder out)
  set(seen ${folder})
  set(todo ${TAPWELL_BELOW_${folder}})
  while(todo)
    list(POP_FRONT todo f)
    if(NOT f IN_LIST seen)
      list(APPEND seen ${f})
      list(APPEND todo ${TAPWELL_BELOW_${f}})
    endif()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# Compiles `target` of `folder` against a view of the source tree that holds only the
# folders it may include from.
function(tapwell_folder_target target folder)
  tapwell_reachable(${folder} reachable)
  set(view ${CMAKE_BINARY_DIR}/include-views/${folder})
  file(REMOVE_RECURSE ${view})
  file(MAKE_DIRECTORY ${view})
  foreach(f IN LISTS reachable)
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${f} ${view}/${f} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PRIVATE ${view})
endfunction()

# Fails the configure step, naming each file and line, when a source includes a header
# of a folder it may not reach, or climbs out of its folder with "../".
function(tapwell_check_includes)
  set(faults "")
  foreach(folder IN LISTS TAPWELL_FOLDERS)
    tapwell_reachable(${folder} reachable)
    file(GLOB_RECURSE sources RELATIVE ${PROJECT_SOURCE_DIR}/src CONFIGURE_DEPENDS
      ${PROJECT_SOURCE_DIR}/src/${folder}/*.h ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp)
    foreach(source IN LISTS sources)
      file(STRINGS ${PROJECT_SOURCE_DIR}/src/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
      foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
        if(header MATCHES "^\\.\\./|/\\.\\./")
          list(APPEND faults "src/${source}: ${header} (a path out of the folder)")
        elseif(header MATCHES "^([^/]+)/")
          set(top ${CMAKE_MATCH_1})
          if(NOT top IN_LIST reachable)
            list(JOIN reachable ", " allowed)
            list(APPEND faults "src/${source}: ${header} (${folder} may include from ${allowed})")
          endif()
        endif()
      endforeach()
    endforeach()
  endforeach()
  if(faults)
    list(JOIN faults "\n  " shown)
    message(FATAL_ERROR "Includes that point up or sideways (the rules are in src/CMakeLists.txt):\n  ${shown}")
  endif()
endfunction()
