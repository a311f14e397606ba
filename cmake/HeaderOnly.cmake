# Header-only libraries from the distribution's packages, for both builds. The
# cross compiler must not see the build machine's /usr/include, so the named
# headers (files or folders, relative to /usr/include) are copied into the
# build tree, and every build reaches them only there.
function(blendforge_header_only_library target)
  set(root ${CMAKE_BINARY_DIR}/third_party/${target})
  foreach(header IN LISTS ARGN)
    string(MAKE_C_IDENTIFIER "${target}_${header}" found)
    find_path(${found} ${header} PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    get_filename_component(folder ${header} DIRECTORY)
    file(COPY ${${found}}/${header} DESTINATION ${root}/${folder})
  endforeach()
  add_library(${target} INTERFACE)
  target_include_directories(${target} SYSTEM INTERFACE ${root})
endfunction()
