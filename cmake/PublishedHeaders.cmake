# Layering: a target sees the headers of the libraries it links and no others.
# Code includes headers by their path from the source root ("plugin/HostApi.h"),
# so each library publishes its own folder's headers under those paths through
# forwarding headers in a folder of the build tree that only its users see. An
# include that runs against the layers then fails to build. Names after the
# folder publish only those of its headers.
function(blendforge_publish_headers target folder)
  if(ARGN)
    list(TRANSFORM ARGN PREPEND ${folder}/ OUTPUT_VARIABLE headers)
  else()
    file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
         ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  endif()
  set(root ${CMAKE_BINARY_DIR}/published/${target})
  foreach(header IN LISTS headers)
    file(CONFIGURE OUTPUT ${root}/${header}
         CONTENT "#include \"${PROJECT_SOURCE_DIR}/${header}\"\n" @ONLY)
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  elseif(type STREQUAL "EXECUTABLE")
    target_include_directories(${target} PRIVATE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
