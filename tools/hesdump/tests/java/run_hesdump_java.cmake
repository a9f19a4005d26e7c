# hesdump_java_peer: hesdump prints what Caucho's HessianOutput wrote, and refuses its
# back-reference with the codec's error.
# Run as: cmake -DHESDUMP=... -DJAVA=... -DCLASSPATH=... -DWORK_DIR=... -DGOLDEN=... -P ...
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

execute_process(COMMAND ${JAVA} --add-opens java.base/java.lang=ALL-UNNAMED -cp ${CLASSPATH} HesdumpPeer ${WORK_DIR} RESULT_VARIABLE rc
                ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "HesdumpPeer failed (${rc}): ${err}")
endif()

# The call and the reply as one input, one after the other.
execute_process(COMMAND sh -c "cat '${WORK_DIR}/call.bin' '${WORK_DIR}/reply.bin' | '${HESDUMP}'"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "hesdump failed (${rc}): ${err}")
endif()
file(READ ${GOLDEN} expected)
if(NOT out STREQUAL expected)
  file(WRITE ${WORK_DIR}/out.txt "${out}")
  message(FATAL_ERROR "hesdump output differs from ${GOLDEN}; got ${WORK_DIR}/out.txt:\n${out}")
endif()

execute_process(COMMAND ${HESDUMP} ${WORK_DIR}/reply_ref.bin
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES "Cannot skip: Unknown type marker: 'R'")
  message(FATAL_ERROR "the back-reference was not refused (${rc}): ${err}")
endif()
message(STATUS "hesdump read the Java peer's messages")
