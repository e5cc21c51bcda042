# The release of the Windows build: torv.dll with its version resource, stripped, its symbols kept
# in build/<preset>/symbols/; torv_data/ and INSTALL.txt beside it. `cmake --install --prefix FOLDER`
# lays these out in a viewer's plug-in folder; the target `package` packs them into
# torv-<version>-win32.zip (win64 for the 64-bit test build) with a SHA-256 file beside it.
if(NOT TORV_WINDOWS)
  return()
endif()

configure_file(${CMAKE_CURRENT_LIST_DIR}/torv_version.rc.in ${TORV_GENERATED_DIR}/torv_version.rc @ONLY)
target_sources(torv PRIVATE ${TORV_GENERATED_DIR}/torv_version.rc)

# The symbols file is named in the stripped library (its debug link), so that a debugger given both
# finds them; it stays out of the package.
set(torv_release_dir ${CMAKE_BINARY_DIR}/release)
set(torv_symbols_dir ${CMAKE_BINARY_DIR}/symbols)
file(MAKE_DIRECTORY ${torv_release_dir} ${torv_symbols_dir})
add_custom_command(OUTPUT ${torv_release_dir}/torv.dll ${torv_symbols_dir}/torv.dll.debug
  COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:torv> torv.dll.debug
  COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=torv.dll.debug $<TARGET_FILE:torv>
          ${torv_release_dir}/torv.dll
  WORKING_DIRECTORY ${torv_symbols_dir}
  DEPENDS torv
  COMMENT "Stripping torv.dll, its symbols into symbols/torv.dll.debug")
add_custom_target(torv_release ALL DEPENDS ${torv_release_dir}/torv.dll)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(torv_package_system win64)
else()
  set(torv_package_system win32)
endif()
set(TORV_PACKAGE_FILE torv-${PROJECT_VERSION}-${torv_package_system}.zip)

# Windows' Notepad reads a file with a byte-order mark and CR LF as the author wrote it.
configure_file(${PROJECT_SOURCE_DIR}/data/INSTALL.txt.in ${TORV_GENERATED_DIR}/INSTALL.txt @ONLY NEWLINE_STYLE CRLF)

install(FILES ${torv_release_dir}/torv.dll ${TORV_GENERATED_DIR}/INSTALL.txt DESTINATION .)
install(FILES ${torv_data_sources} DESTINATION torv_data)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME torv)
set(CPACK_PACKAGE_VENDOR ${TORV_PRODUCER})
set(CPACK_PACKAGE_FILE_NAME torv-${PROJECT_VERSION}-${torv_package_system})
# The files lie at the top of the ZIP: unpacked into the plug-in folder, they are where they belong.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_CHECKSUM SHA256)
include(CPack)
