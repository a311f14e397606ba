# The version and notice, set once in project() and here, and used by the
# plug-in's display string, the programs' --version, the Windows version
# resources and the release archives.
set(BLENDFORGE_VENDOR "Blendforge developers")
set(BLENDFORGE_COPYRIGHT "Copyright(C) 2026, ${BLENDFORGE_VENDOR}")

add_library(blendforge_version INTERFACE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/BlendforgeVersion.h.in
               ${CMAKE_BINARY_DIR}/version/BlendforgeVersion.h @ONLY)
target_include_directories(blendforge_version INTERFACE ${CMAKE_BINARY_DIR}/version)

# A VERSIONINFO resource for a Windows binary; nothing elsewhere.
function(blendforge_version_resource target description)
  if(NOT WIN32)
    return()
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(file_type VFT_APP)
  else()
    set(file_type VFT_DLL)
  endif()
  set(configured ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc.in)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/VersionInfo.rc.in ${configured} @ONLY)
  file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc INPUT ${configured})
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()
