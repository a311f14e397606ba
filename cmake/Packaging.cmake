# What an installation and the release archives hold: the plug-in module,
# the batch tool and its library, the documents and the sample model. On
# Windows every binary sits in bin/, beside the program that loads it.
set(library_dir lib)
if(WIN32)
  set(library_dir bin)
endif()

install(TARGETS Blendforge LIBRARY DESTINATION ${library_dir})
install(TARGETS refhost RUNTIME DESTINATION bin LIBRARY DESTINATION ${library_dir}
                        ARCHIVE DESTINATION lib EXCLUDE_FROM_ALL)
install(TARGETS refhost_program RUNTIME DESTINATION bin)
set_target_properties(refhost_program PROPERTIES INSTALL_RPATH "$ORIGIN/../${library_dir}")
install(FILES README.md LICENSE DESTINATION share/doc/blendforge)
install(DIRECTORY docs samples DESTINATION share/doc/blendforge)

set(CPACK_PACKAGE_VENDOR ${BLENDFORGE_VENDOR})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Merges morph targets into new objects")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_GENERATOR TGZ)
endif()
include(CPack)
