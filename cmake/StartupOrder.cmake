# Places the functions a program runs at start together with its static initialisers, so that
# starting it touches few pages of the executable and the memory it holds stays small. With every
# function in a section of its own, lld puts the listed ones at the head of .text in the list's
# order (--symbol-ordering-file). Optimised GNU builds on Linux with lld only: a debug build has
# other functions (no clones such as ".isra"), and elsewhere the link is left as it is.
set(MEVRIK_ORDER_STARTUP OFF)
find_program(MEVRIK_LLD ld.lld)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND MEVRIK_LLD
   AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
  set(MEVRIK_ORDER_STARTUP ON)
  add_compile_options(-ffunction-sections)
endif()

# LIST_FILE holds one symbol a line; lines starting with "#" are comments.
function(mevrik_place_startup_functions target list_file)
  if(NOT MEVRIK_ORDER_STARTUP)
    return()
  endif()
  file(STRINGS ${list_file} names REGEX "^[^#]")
  list(JOIN names "\n" symbols)
  set(order_file ${CMAKE_CURRENT_BINARY_DIR}/${target}-startup-order.txt)
  file(CONFIGURE OUTPUT ${order_file} @ONLY CONTENT "${symbols}\n")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list_file})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${order_file})
  target_link_options(${target} PRIVATE -fuse-ld=lld "LINKER:--symbol-ordering-file=${order_file}")
endfunction()
