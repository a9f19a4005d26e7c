# msgcodec_java_peer: the C++ driver builds a call, the Java peer (Caucho Hessian) reads and
# checks it and writes replies, the C++ driver reads and checks those.
# Run as: cmake -DDRIVER=... -DBEHAVIOR_DRIVER=... -DJAVA=... -DCLASSPATH=... -DWORK_DIR=... -P run_java_peer.cmake
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

function(step)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  message(STATUS "${out}")
  if(NOT rc EQUAL 0)
    list(JOIN ARGN " " cmd)
    message(FATAL_ERROR "${cmd} failed (${rc})")
  endif()
endfunction()

set(java_run ${JAVA} --add-opens java.base/java.lang=ALL-UNNAMED -cp ${CLASSPATH} MsgCodecPeer)
step(${DRIVER} write-call ${WORK_DIR})
step(${java_run} check-call ${WORK_DIR}/call.bin)
step(${java_run} write-reply ${WORK_DIR})
step(${DRIVER} read-reply ${WORK_DIR})

# The behaviour report of the catalogue: 1000 measurements and 1000 events to the peer, its
# ResBehavior reply back.
set(behavior_run ${JAVA} --add-opens java.base/java.lang=ALL-UNNAMED -cp ${CLASSPATH} BehaviorPeer)
step(${BEHAVIOR_DRIVER} write-report ${WORK_DIR})
step(${behavior_run} check-report ${WORK_DIR}/behavior_call.bin)
step(${behavior_run} write-reply ${WORK_DIR})
step(${BEHAVIOR_DRIVER} read-reply ${WORK_DIR})
