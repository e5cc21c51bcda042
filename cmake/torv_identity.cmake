# Who makes torv and what it is, said once: the plug-in information the viewer lists and the
# library's version resource that Explorer shows both take these texts.
set(TORV_PRODUCER "Quarnex")
set(TORV_WEB_ADDRESS "https://quarnex.example/torv")
set(TORV_EMAIL "torv@quarnex.example")
set(TORV_PRODUCT_NAME "torv")
set(TORV_COPYRIGHT "© 2026 Quarnex")
# The brand, a blank, an en dash, a blank, and what the product does.
set(TORV_DESCRIPTION "torv – status and batch tracking for IFC models")

set(TORV_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/torv_identity.h.in ${TORV_GENERATED_DIR}/torv_identity.h @ONLY)
