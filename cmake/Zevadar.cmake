# Shared settings for every target of the project.

# Strict warnings; the portable code also builds warning-free with -Wconversion.
function(zevadar_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
    -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
    -Wnull-dereference -Wdouble-promotion -Wformat=2 -Werror)
endfunction()

if(WIN32)
  # The executables must run from a bare folder: no MinGW runtime DLLs beside them.
  add_link_options(-static -static-libgcc -static-libstdc++)
  # A small executable: unused code is dropped and symbols are stripped.
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(-Wl,--gc-sections -s)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()

# A library of one subsystem: portable sources always, *_win.cpp sources on Windows only.
function(zevadar_library name)
  cmake_parse_arguments(ARG "" "" "PORTABLE;WINDOWS;DEPENDS;WINDOWS_LIBS" ${ARGN})
  set(sources ${ARG_PORTABLE})
  if(WIN32)
    list(APPEND sources ${ARG_WINDOWS})
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  if(WIN32)
    target_link_libraries(${name} PUBLIC ${ARG_WINDOWS_LIBS})
  endif()
  zevadar_warnings(${name})
endfunction()
