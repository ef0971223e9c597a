# Rewrites examples/expected/ from the built program: each bundled example is
# run in a scratch folder as "velda NAME.in NAME.out", as the examples test
# runs it, and its report and console replace the expected ones.
# Run by the target update-expected, with VELDA, SOURCE_DIR and SCRATCH set.
file(GLOB inputs "${SOURCE_DIR}/examples/*.in")
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
foreach(input IN LISTS inputs)
  get_filename_component(name "${input}" NAME_WE)
  file(COPY "${input}" DESTINATION "${SCRATCH}")
  execute_process(COMMAND "${VELDA}" ${name}.in ${name}.out
                  WORKING_DIRECTORY "${SCRATCH}" INPUT_FILE /dev/null
                  OUTPUT_FILE "${SCRATCH}/${name}.console" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "examples/${name}.in: velda ended with status ${status}")
  endif()
  foreach(kind out console)
    file(COPY_FILE "${SCRATCH}/${name}.${kind}" "${SOURCE_DIR}/examples/expected/${name}.${kind}")
  endforeach()
  message(STATUS "examples/expected/${name}.out and .console rewritten")
endforeach()
