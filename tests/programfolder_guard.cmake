# Tests must leave the build's program folder as the build made it: a user
# who copies or installs it would otherwise find the tests' recent files,
# previews or settings there. Before the tests this script lists every file
# of the folder with its size and checksum; after them it lists them again
# and fails, naming what was added, removed or changed.
# Usage: cmake -DFOLDER=<program folder> -DSNAPSHOT=<file> -DMODE=take|compare -P programfolder_guard.cmake

function(list_folder folder out)
  file(GLOB_RECURSE entries RELATIVE "${folder}" LIST_DIRECTORIES true "${folder}/*")
  list(SORT entries)
  set(lines "")
  foreach(entry IN LISTS entries)
    if(IS_DIRECTORY "${folder}/${entry}")
      list(APPEND lines "${entry}/")
    else()
      file(SIZE "${folder}/${entry}" size)
      file(MD5 "${folder}/${entry}" sum)
      list(APPEND lines "${entry} ${size} ${sum}")
    endif()
  endforeach()
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

list_folder("${FOLDER}" now)
if(MODE STREQUAL "take")
  string(REPLACE ";" "\n" text "${now}")
  file(WRITE "${SNAPSHOT}" "${text}\n")
  return()
endif()

file(STRINGS "${SNAPSHOT}" before)
set(added "${now}")
list(REMOVE_ITEM added ${before})
set(gone "${before}")
list(REMOVE_ITEM gone ${now})
if(added OR gone)
  foreach(part added gone)
    if(NOT ${part})
      set(${part} "(nothing)")
    endif()
    string(REPLACE ";" "\n  " ${part} "${${part}}")
  endforeach()
  message(FATAL_ERROR "The tests changed the program folder ${FOLDER}\n"
                      "now there:\n  ${added}\nbefore the tests:\n  ${gone}")
endif()
message(STATUS "${FOLDER} is as the build left it")
