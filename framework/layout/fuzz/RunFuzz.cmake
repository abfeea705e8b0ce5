# Runs a layout fuzzer for a bounded time on a copy of the seed corpus.
# Inputs: FUZZER (executable), SEEDS (seed corpus folder), DICT (token
# dictionary, optional), WORK (scratch folder).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${SEEDS}/ DESTINATION ${WORK}/corpus)
set(dict "")
if(DICT)
  set(dict -dict=${DICT})
endif()
execute_process(
  COMMAND ${FUZZER} -max_total_time=20 -rss_limit_mb=1024 -timeout=10 ${dict}
          -artifact_prefix=${WORK}/ ${WORK}/corpus
  WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the layout fuzzer found a fault (exit ${result}); see the crash input in ${WORK}")
endif()
