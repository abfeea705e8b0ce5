# cmake -DSTRIP=... -DPROGRAM=... -DLIMIT=bytes -P CheckSize.cmake
# Fails when the program file, stripped, is larger than LIMIT: Wine reads the
# whole image at every start, so each byte is start-up time and memory.
cmake_minimum_required(VERSION 3.25)
get_filename_component(name ${PROGRAM} NAME)
set(copy ${CMAKE_CURRENT_BINARY_DIR}/stripped-${name})
file(COPY_FILE ${PROGRAM} ${copy})
execute_process(COMMAND ${STRIP} ${copy} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot strip a copy of ${PROGRAM}")
endif()
file(SIZE ${copy} size)
file(REMOVE ${copy})
math(EXPR kib "(${size} + 1023) / 1024")
math(EXPR limit_kib "${LIMIT} / 1024")
if(size GREATER LIMIT)
  message(FATAL_ERROR "${name} is ${size} bytes stripped (${kib} KiB), above ${LIMIT} (${limit_kib} KiB)")
endif()
message(STATUS "${name}: ${size} bytes stripped (${kib} KiB), at most ${LIMIT}")
