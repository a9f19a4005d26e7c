# bench_java_smoke: bench_java for a moment (one round of tiny batches), then hesdump prints the
# call of each side.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(
  COMMAND ${DRIVER} ${DRIVER_ARGS} --save ${WORK_DIR} --rounds 1
          --batch-seconds 0.001 --warmup-seconds 0
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
message(STATUS "${out}")
if(NOT rc EQUAL 0 OR NOT out MATCHES "ratio C\\+\\+/Java")
  message(FATAL_ERROR "bench_java failed (${rc}): ${err}")
endif()
foreach(side cpp java)
  execute_process(COMMAND ${HESDUMP} ${WORK_DIR}/${side}_call.bin
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "measureList: list of zavo.cl.MeasureReq, 1000 items"
     OR NOT out MATCHES "eventList: list of zavo.cl.EventReq, 1000 items")
    message(FATAL_ERROR "hesdump could not print the ${side} call (${rc}): ${err}")
  endif()
endforeach()
