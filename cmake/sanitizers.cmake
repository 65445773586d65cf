# FABDOC_SANITIZE: every target built with AddressSanitizer and UndefinedBehaviorSanitizer;
# undefined behaviour aborts (no recovery), so a finding fails the test that met it.
# -O1 -g1 (after the build type's flags, so they win): what the sanitizers need for exact
# reports with file and line, and a build that compiles markedly faster than -O2 -g.
if(FABDOC_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -O1 -g1)
  # At -O1 under the sanitizers GCC 12 takes std::regex's own states for uninitialised.
  add_compile_options(-Wno-maybe-uninitialized)
  add_link_options(-fsanitize=address,undefined)
  add_library(fabdoc_sanitizer_defaults OBJECT ${CMAKE_CURRENT_LIST_DIR}/sanitizer_defaults.cpp)
  target_compile_definitions(fabdoc_sanitizer_defaults PRIVATE
    FABDOC_LSAN_SUPPRESSIONS="${CMAKE_CURRENT_LIST_DIR}/lsan.supp")
endif()

# Links the sanitizer defaults into every executable under `dir` (called once, at the end).
function(fabdoc_link_sanitizer_defaults dir)
  if(NOT FABDOC_SANITIZE)
    return()
  endif()
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      target_link_libraries(${target} PRIVATE fabdoc_sanitizer_defaults)
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir ${subdirs})
    fabdoc_link_sanitizer_defaults(${subdir})
  endforeach()
endfunction()

# A target built the same way in every build: one whose output lands in the source tree's
# data/ folder, shared by the normal and the sanitizer build, must load into both.
function(fabdoc_without_sanitizers target)
  if(NOT FABDOC_SANITIZE)
    return()
  endif()
  foreach(property COMPILE_OPTIONS LINK_OPTIONS)
    get_target_property(options ${target} ${property})
    if(options)
      list(FILTER options EXCLUDE REGEX "sanitize")
      set_target_properties(${target} PROPERTIES ${property} "${options}")
    endif()
  endforeach()
endfunction()
