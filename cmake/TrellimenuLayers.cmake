# A library per source folder, its layer checked before it is compiled.
#
# trellimenu_layer_library(<target> FOLDER <folder under ROOT> ROOT <dir> TABLE <file>
#                          SOURCES <files...> [LINKS <targets...>])
# makes a static library of SOURCES (paths relative to ROOT/FOLDER) that
# cannot be built while a file in its folder includes a folder the TABLE
# does not allow it.
set(TRELLIMENU_LAYER_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/checklayers.cmake)

function(trellimenu_layer_library target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "FOLDER;ROOT;TABLE" "SOURCES;LINKS")
  list(TRANSFORM arg_SOURCES PREPEND ${arg_ROOT}/${arg_FOLDER}/)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/layers/${target}.checked)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DROOT=${arg_ROOT} -DFOLDER=${arg_FOLDER} -DTABLE=${arg_TABLE}
            -DSTAMP=${stamp} -P ${TRELLIMENU_LAYER_SCRIPT}
    DEPENDS ${arg_SOURCES} ${arg_TABLE} ${TRELLIMENU_LAYER_SCRIPT}
    COMMENT "Checking the includes of ${arg_FOLDER}" VERBATIM)
  add_custom_target(${target}_layer DEPENDS ${stamp})
  add_library(${target} STATIC ${arg_SOURCES})
  add_dependencies(${target} ${target}_layer)
  target_include_directories(${target} PUBLIC ${arg_ROOT})
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  target_link_libraries(${target} PUBLIC ${arg_LINKS})
endfunction()
