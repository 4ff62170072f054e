# corvane_add_plugin(<name> RC <script.rc> SOURCES <src...> [LIBRARIES <lib...>]
#                    [OUTPUT_DIRECTORY <dir>] [FIXTURE])
#
# Builds one deliverable: a shared library in build/plugins/<name>.so that
# exports PluginMain and nothing else, with its resource script compiled by
# llvm-rc and embedded whole in the section ".corvane_resources", where the
# host reads it from the file without running plug-in code.

find_program(LLVM_RC NAMES llvm-rc llvm-rc-14 llvm-rc-15 llvm-rc-16 REQUIRED)
set(CORVANE_EXPORTS_MAP ${CMAKE_CURRENT_LIST_DIR}/plugin_exports.map)
set(CORVANE_RC_INCLUDE ${CMAKE_SOURCE_DIR}/framework/resources)

function(corvane_add_plugin name)
  cmake_parse_arguments(PLUGIN "FIXTURE" "RC;OUTPUT_DIRECTORY" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT PLUGIN_OUTPUT_DIRECTORY)
    set(PLUGIN_OUTPUT_DIRECTORY ${CORVANE_PLUGIN_DIR})
  endif()
  set(rc ${CMAKE_CURRENT_SOURCE_DIR}/${PLUGIN_RC})
  set(res ${CMAKE_CURRENT_BINARY_DIR}/${name}.res)
  file(GLOB rc_includes ${CORVANE_RC_INCLUDE}/*.rc ${CORVANE_RC_INCLUDE}/*.h)
  # llvm-rc reads any argument starting with '/' as an option, so an absolute
  # input path such as /check/... would be taken for /C (code page): "--"
  # marks the end of the options.
  add_custom_command(
    OUTPUT ${res}
    COMMAND ${LLVM_RC} /nologo /I ${CORVANE_RC_INCLUDE} /I ${CMAKE_CURRENT_SOURCE_DIR} /FO ${res} -- ${rc}
    DEPENDS ${rc} ${rc_includes}
    COMMENT "Compiling resources of ${name}"
    VERBATIM)
  set(asm ${CMAKE_CURRENT_BINARY_DIR}/${name}_resources.S)
  file(WRITE ${asm}
    ".section .corvane_resources,\"a\"\n"
    ".incbin \"${res}\"\n"
    ".section .note.GNU-stack,\"\",@progbits\n")
  set_source_files_properties(${asm} PROPERTIES OBJECT_DEPENDS ${res})
  add_library(${name} MODULE ${PLUGIN_SOURCES} ${asm})
  target_link_libraries(${name} PRIVATE ${PLUGIN_LIBRARIES} corvane_sdk)
  # Plug-ins report failures as codes, never by throwing.
  target_compile_options(${name} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti>)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY ${PLUGIN_OUTPUT_DIRECTORY}
    C_VISIBILITY_PRESET hidden
    CXX_VISIBILITY_PRESET hidden
    LINK_DEPENDS ${CORVANE_EXPORTS_MAP})
  target_link_options(${name} PRIVATE
    -Wl,--undefined=PluginMain
    -Wl,--version-script=${CORVANE_EXPORTS_MAP}
    $<$<NOT:$<BOOL:${CORVANE_SANITIZE}>>:-Wl,-z,defs>)
  if(PLUGIN_FIXTURE)
    set_property(GLOBAL APPEND PROPERTY CORVANE_FIXTURES ${name})
  else()
    set_property(GLOBAL APPEND PROPERTY CORVANE_PLUGINS ${name})
  endif()
endfunction()
