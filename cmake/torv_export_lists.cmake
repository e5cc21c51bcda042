# The export lists the linkers need, written at build time from the lists in src/interface/:
# the compiler's preprocessor expands a list into its names, and write_export_list.cmake writes
# them in each linker's format. No list is parsed by its formatting.

# torv_export_list(BASE HEADERS header... LISTS macro... FORMATS format... [OMIT name...])
# Makes BASE.FORMAT for each format (see write_export_list.cmake) from the X-macro lists named,
# which the headers (relative to src/) define.
function(torv_export_list base)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "HEADERS;LISTS;FORMATS;OMIT")
  set(includes "")
  set(headers "")
  foreach(header IN LISTS arg_HEADERS)
    list(APPEND includes -include ${header})
    list(APPEND headers ${PROJECT_SOURCE_DIR}/src/${header})
  endforeach()
  list(TRANSFORM arg_LISTS APPEND "(X)" OUTPUT_VARIABLE expansions)
  list(JOIN expansions " " expansion)
  list(TRANSFORM arg_FORMATS PREPEND "${base}." OUTPUT_VARIABLE outputs)
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${CMAKE_CXX_COMPILER} -E -P -x c++ -std=c++20 -I${PROJECT_SOURCE_DIR}/src ${includes}
            "-DTORV_EXPORT_LISTS(X)=${expansion}" ${PROJECT_SOURCE_DIR}/cmake/export_names.cpp -o ${base}.i
    COMMAND ${CMAKE_COMMAND} -DNAMES=${base}.i -DOUTPUT=${base} "-DFORMATS=${arg_FORMATS}" "-DOMIT=${arg_OMIT}"
            -P ${PROJECT_SOURCE_DIR}/cmake/write_export_list.cmake
    BYPRODUCTS ${base}.i
    DEPENDS ${headers} ${PROJECT_SOURCE_DIR}/cmake/export_names.cpp ${PROJECT_SOURCE_DIR}/cmake/write_export_list.cmake
    COMMENT "Writing the export lists ${base}.{${arg_FORMATS}}"
    VERBATIM)
endfunction()

# A program that plays the viewer exports the host functions by name, as the viewer does.
# torv_host_exports(target [OMIT name...]) links the stand-in host's exports into target; the
# names after OMIT stay unexported (Linux only), to play a viewer that lacks them.
function(torv_host_exports target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "OMIT")
  target_link_libraries(${target} PRIVATE torv_host_api_exports torv_host_api)
  if(TORV_WINDOWS)
    if(arg_OMIT)
      message(FATAL_ERROR "torv_host_exports: OMIT needs the Linux build")
    endif()
    target_link_options(${target} PRIVATE -Wl,--kill-at)
    return()
  endif()
  set(base ${CMAKE_CURRENT_BINARY_DIR}/${target}_exports)
  torv_export_list(${base} HEADERS interface/host_api_list.h interface/desktop_api_list.h
                   LISTS TORV_HOST_API TORV_DESKTOP_API FORMATS dynamic-list OMIT ${arg_OMIT})
  # Only the host functions: the rest of the program stays out of the plug-in's reach.
  target_sources(${target} PRIVATE ${base}.dynamic-list)
  target_link_options(${target} PRIVATE -Wl,--dynamic-list=${base}.dynamic-list)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${base}.dynamic-list)
endfunction()

# A plug-in library exports exactly the names of the plug-in's exports list.
function(torv_plugin_exports target)
  set(base ${CMAKE_CURRENT_BINARY_DIR}/${target}_exports)
  torv_export_list(${base} HEADERS interface/plugin_exports_list.h LISTS TORV_PLUGIN_EXPORTS
                   FORMATS names def version-map)
  # The export check reads the names from here.
  set_target_properties(${target} PROPERTIES TORV_EXPORT_NAMES ${base}.names)
  if(TORV_WINDOWS)
    target_sources(${target} PRIVATE ${base}.def)
  else()
    target_sources(${target} PRIVATE ${base}.version-map)
    target_link_options(${target} PRIVATE -Wl,--version-script=${base}.version-map)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${base}.version-map)
  endif()
endfunction()
