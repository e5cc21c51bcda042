# libxlsxwriter, which writes the report's workbook: compiled by every build with its own compiler
# from Debian's source package (scripts/fetch_xlsxwriter.sh puts it in build/sources/), and linked
# statically, so that the Windows release still ships torv.dll alone.
set(TORV_XLSXWRITER_SOURCE "${PROJECT_SOURCE_DIR}/build/sources/libxlsxwriter" CACHE PATH
  "libxlsxwriter's source, as apt-get source libxlsxwriter unpacks it")
set(xlsxwriter_root "${TORV_XLSXWRITER_SOURCE}")
if(NOT EXISTS "${xlsxwriter_root}/include/xlsxwriter.h")
  message(FATAL_ERROR "libxlsxwriter's source is not in ${xlsxwriter_root}. scripts/setup.sh fetches it "
    "from Debian (apt-get source libxlsxwriter); or set TORV_XLSXWRITER_SOURCE to where it is unpacked.")
endif()

enable_language(C)
if(TORV_WINDOWS)
  # Debian's libz-mingw-w64-dev: its static library, not the import library of zlib1.dll.
  set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB)
if(NOT ZLIB_FOUND)
  message(FATAL_ERROR "zlib for this build is missing: scripts/setup.sh installs zlib1g-dev (Linux) and "
    "libz-mingw-w64-dev (Windows)")
endif()

file(GLOB xlsxwriter_sources CONFIGURE_DEPENDS "${xlsxwriter_root}/src/*.c")
add_library(xlsxwriter STATIC ${xlsxwriter_sources}
  "${xlsxwriter_root}/third_party/minizip/ioapi.c" "${xlsxwriter_root}/third_party/minizip/zip.c"
  "${xlsxwriter_root}/third_party/tmpfileplus/tmpfileplus.c" "${xlsxwriter_root}/third_party/md5/md5.c"
  "${xlsxwriter_root}/third_party/dtoa/emyg_dtoa.c")
# Numbers written the same whatever locale the viewer set (the dtoa library, not printf).
target_compile_definitions(xlsxwriter PRIVATE NOCRYPT NOUNCRYPT USE_DTOA_LIBRARY
  $<$<BOOL:${TORV_WINDOWS}>:USE_FILE32API>)
# Its messages on standard error go nowhere (see xlsxwriter_quiet/R.h); the user is told otherwise.
target_compile_definitions(xlsxwriter PRIVATE USE_R_LANG)
target_include_directories(xlsxwriter BEFORE PRIVATE "${PROJECT_SOURCE_DIR}/cmake/xlsxwriter_quiet")
target_include_directories(xlsxwriter SYSTEM PUBLIC "${xlsxwriter_root}/include")
target_link_libraries(xlsxwriter PUBLIC ZLIB::ZLIB)
# Someone else's code: its warnings are not ours to fix.
target_compile_options(xlsxwriter PRIVATE -w)
set_target_properties(xlsxwriter PROPERTIES C_VISIBILITY_PRESET hidden POSITION_INDEPENDENT_CODE ON)
