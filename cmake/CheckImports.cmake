# Fails unless every DLL that EXE imports is one that Windows itself provides.
cmake_minimum_required(VERSION 3.25)
set(system_dlls
  kernel32.dll user32.dll gdi32.dll shell32.dll comctl32.dll ole32.dll oleaut32.dll
  gdiplus.dll msimg32.dll advapi32.dll uxtheme.dll shlwapi.dll msvcrt.dll
  api-ms-win-crt-runtime-l1-1-0.dll)
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${EXE}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" names "${dump}")
set(foreign "")
foreach(line IN LISTS names)
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST system_dlls)
    list(APPEND foreign ${dll})
  endif()
  message(STATUS "imports ${dll}")
endforeach()
if(foreign)
  message(FATAL_ERROR "${EXE} imports DLLs that Windows does not provide: ${foreign}")
endif()
