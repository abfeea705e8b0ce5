# Windows programs built here run under Wine, in a prefix kept inside the build tree.
set(SIX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run ${SIX_WINEPREFIX})
