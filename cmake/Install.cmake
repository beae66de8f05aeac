include(GNUInstallDirs)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvane)
# Factory presets, where the preset model looks for them under a /usr prefix.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/presets/ DESTINATION ${CMAKE_INSTALL_DATADIR}/vst3/presets/HalvikAudio/Corvane/Presets
    FILES_MATCHING PATTERN "*.corvane")
