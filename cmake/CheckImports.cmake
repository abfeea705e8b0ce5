# cmake -DOBJDUMP=... -DPROGRAM=... -P CheckImports.cmake
# Fails when the program imports a DLL that not every Windows has: the packages
# carry no runtime, so the program must start on a bare system.
cmake_minimum_required(VERSION 3.25)
set(system_dlls
  advapi32 comctl32 comdlg32 gdi32 kernel32 msimg32 msvcrt ole32 oleaut32 shell32
  shlwapi user32 uxtheme version)
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${dump}")
if(NOT lines)
  message(FATAL_ERROR "no imports found in ${PROGRAM}")
endif()
foreach(line IN LISTS lines)
  string(REGEX REPLACE "DLL Name: ([^.]+)\\.[dD][lL][lL].*" "\\1" dll "${line}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST system_dlls)
    message(FATAL_ERROR "${PROGRAM} imports ${dll}.dll, which Windows does not always have")
  endif()
  message(STATUS "imports ${dll}.dll")
endforeach()
