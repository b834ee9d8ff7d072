# Runs examples/make-sample.py into a scratch folder and compares what it writes with the
# committed files.  cmake -DPYTHON=... -DEXAMPLES=... -DSCRATCH=... -P SampleReproducible.cmake
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
execute_process(COMMAND "${PYTHON}" "${EXAMPLES}/make-sample.py" "${SCRATCH}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make-sample.py failed: ${status}")
endif()
foreach(name parts.bmp sample.bwp)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${SCRATCH}/${name}" "${EXAMPLES}/${name}"
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "examples/${name} is not what make-sample.py writes; run it and commit")
  endif()
endforeach()
file(REMOVE_RECURSE "${SCRATCH}")
