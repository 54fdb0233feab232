# The layer rule stops the build: the probe project's "high" folder, which
# includes only what it may, builds; its "low" folder, which includes a higher
# one, does not, and the build names the file, the line and the include.
#   cmake -DSOURCE=<checkout> -DWORK=<scratch folder> -DGENERATOR=<generator> -P layer_check.cmake
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE}/tests/build/layerprobe -B ${WORK} -G ${GENERATOR}
                        -DTRELLIMENU_CMAKE_DIR=${SOURCE}/cmake
                RESULT_VARIABLE configured OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT configured EQUAL 0)
  message(FATAL_ERROR "The probe project does not configure:\n${output}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK} --target probe_high
                RESULT_VARIABLE built OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT built EQUAL 0)
  message(FATAL_ERROR "A folder that includes only lower ones did not build:\n${output}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK} --target probe_low
                RESULT_VARIABLE built OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(built EQUAL 0)
  message(FATAL_ERROR "A folder that includes a higher one built:\n${output}")
endif()
if(NOT output MATCHES "low/low\\.cpp:3: includes high/high\\.h, which low may not")
  message(FATAL_ERROR "The failed build does not name the offending include:\n${output}")
endif()
if(output MATCHES "low\\.cpp\\.o")
  message(FATAL_ERROR "The offending folder was compiled before the check stopped it:\n${output}")
endif()
message(STATUS "The layer rule holds")
