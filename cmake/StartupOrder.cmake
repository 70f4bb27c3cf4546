# Places the functions a program runs at start together with its static initialisers, so that
# starting it touches few pages of the executable and the memory it holds stays small. With every
# function in a section of its own, the program is linked with the linker's default script for
# this compiler, at the head of whose .text the listed functions are added. GNU
# toolchains on ELF only; elsewhere the link is left as it is.
set(MEVRIK_ORDER_STARTUP OFF)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  set(MEVRIK_ORDER_STARTUP ON)
  add_compile_options(-ffunction-sections)
endif()

# The script the linker uses when this compiler links a program with the build's flags (printed by
# ld --verbose between two lines of "="): options such as -z now choose among its variants.
function(mevrik_default_link_script out)
  set(probe ${CMAKE_CURRENT_BINARY_DIR}/link-script-probe.cpp)
  file(WRITE ${probe} "int main() {}\n")
  separate_arguments(flags NATIVE_COMMAND "${CMAKE_CXX_FLAGS} ${CMAKE_EXE_LINKER_FLAGS}")
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} ${flags} ${probe} -o ${probe}.out -Wl,--verbose
                  OUTPUT_VARIABLE verbose ERROR_QUIET RESULT_VARIABLE failed)
  set(rule "==================================================")
  string(FIND "${verbose}" "${rule}" first)
  string(FIND "${verbose}" "${rule}" last REVERSE)
  if(failed OR first EQUAL -1 OR last EQUAL first)
    set(${out} "" PARENT_SCOPE)
    return()
  endif()
  string(LENGTH "${rule}" length)
  math(EXPR begin "${first} + ${length}")
  math(EXPR count "${last} - ${begin}")
  string(SUBSTRING "${verbose}" ${begin} ${count} script)
  set(${out} "${script}" PARENT_SCOPE)
endfunction()

# LIST_FILE holds one symbol a line; lines starting with "#" are comments.
function(mevrik_place_startup_functions target list_file)
  if(NOT MEVRIK_ORDER_STARTUP)
    return()
  endif()
  mevrik_default_link_script(script)
  # First in .text, next to the PLT that the start uses too, ahead of the code that never runs.
  set(anchor "*(.text.unlikely .text.*_unlikely .text.unlikely.*)")
  string(FIND "${script}" "${anchor}" at)
  if(at EQUAL -1)
    message(WARNING "The linker's default script has no place for the start-up functions; "
                    "${target} is linked without ordering them.")
    return()
  endif()
  file(STRINGS ${list_file} names REGEX "^[^#]")
  list(TRANSFORM names REPLACE "^(.+)$" "    *(.text.\\1)")
  list(JOIN names "\n" inputs)
  # Beside them, the C runtime's entry point and the small part of the C library linked into the
  # program, which every start runs too.
  set(runtime "*crt1.o(.text .text.*)\n    *libc_nonshared.a:*(.text .text.*)")
  string(REPLACE "${anchor}" "*(.text.startup .text.startup.*)\n    ${runtime}\n${inputs}\n    ${anchor}"
                 script "${script}")
  set(script_file ${CMAKE_CURRENT_BINARY_DIR}/${target}-startup-order.ld)
  file(CONFIGURE OUTPUT ${script_file} @ONLY CONTENT "${script}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list_file})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${script_file})
  target_link_options(${target} PRIVATE "LINKER:-T,${script_file}")
endfunction()
