# zorvex_layer(<target> [LINKS <lower layers...>] [PRIVATE_LINKS <libraries...>]
#              [EXTRA_GLOBS <globs...>] [EXCLUDE <files in the directory...>]):
# one library per directory from the .cpp files in it. Public links name only the layers below.
function(zorvex_layer target)
  cmake_parse_arguments(ARG "" "" "LINKS;PRIVATE_LINKS;EXTRA_GLOBS;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${ARG_EXTRA_GLOBS})
  list(TRANSFORM ARG_EXCLUDE PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp ${ARG_EXCLUDE})
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${ARG_LINKS} PRIVATE ${ARG_PRIVATE_LINKS} zorvex_warnings)
  else()
    # Not written yet: an empty layer that still passes its links on.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${ARG_LINKS})
  endif()
endfunction()
