# Warning, floating-point and runtime settings shared by every target.

# The blend is compared bit for bit with float32 arithmetic: no fused
# multiply-add and no excess precision may creep in.
function(blendforge_target_settings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /fp:precise /utf-8)
    if(BLENDFORGE_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE /WX)
    endif()
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -pedantic -ffp-contract=off)
    if(BLENDFORGE_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
endfunction()

# A module loaded by a host must need nothing but system DLLs beside it.
if(MINGW)
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# Modules are found by their bare names (Blendforge.dll, Blendforge.so).
function(blendforge_module target)
  set_target_properties(${target} PROPERTIES PREFIX "")
  blendforge_target_settings(${target})
endfunction()

# AddressSanitizer and UndefinedBehaviorSanitizer over everything, plug-in
# module included; any finding stops the program.
option(BLENDFORGE_SANITIZE "Build with AddressSanitizer and UBSan" OFF)
if(BLENDFORGE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Fuzzer builds give every library coverage instrumentation, so that the
# fuzzer steers by the code under test; the fuzz programs add the driver.
if(BLENDFORGE_BUILD_FUZZERS)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Per-OS code has one shape everywhere: a portable header beside posix/ and
# windows/ folders holding one implementation each. Each name (a path from
# the current folder without ".cpp") adds the one for the platform built.
function(blendforge_platform_sources target)
  if(WIN32)
    set(os windows)
  else()
    set(os posix)
  endif()
  foreach(name IN LISTS ARGN)
    get_filename_component(folder ${name} DIRECTORY)
    get_filename_component(file ${name} NAME)
    if(folder)
      set(folder ${folder}/)
    endif()
    target_sources(${target} PRIVATE ${folder}${os}/${file}.cpp)
  endforeach()
endfunction()
