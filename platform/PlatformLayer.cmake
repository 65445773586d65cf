# fabdoc_platform_layer(NAME [BELOW layer...]): the folder platform/NAME as the target
# platform_NAME, built from every .cpp of the folder (tests apart) and linked to the
# layers BELOW it. The layer's headers are reached as "platform/NAME/..." through a
# folder of the build tree that holds that layer alone, so a source sees the headers of
# its own layer and of the layers below, and an include of a layer above does not compile.
function(fabdoc_platform_layer name)
  cmake_parse_arguments(LAYER "" "" "BELOW" ${ARGN})
  set(folder ${CMAKE_CURRENT_SOURCE_DIR}/${name})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/tests/")

  set(header_root ${CMAKE_BINARY_DIR}/platform_layers/${name})
  file(MAKE_DIRECTORY ${header_root}/platform)
  file(CREATE_LINK ${folder} ${header_root}/platform/${name} SYMBOLIC)

  set(target platform_${name})
  list(TRANSFORM LAYER_BELOW PREPEND platform_ OUTPUT_VARIABLE below)
  if(sources)
    # Objects with position-independent code, gathered into the shared fabdoc_platform.
    add_library(${target} OBJECT ${sources})
    target_include_directories(${target} PUBLIC ${header_root})
    target_link_libraries(${target} PUBLIC ${below})
  else()
    # Headers only, for now.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${header_root})
    target_link_libraries(${target} INTERFACE ${below})
  endif()
  set_property(GLOBAL APPEND PROPERTY FABDOC_PLATFORM_LAYERS ${target})
endfunction()
