# `cmake --install` layout under the prefix (the Debian package uses /usr):
#   bin/Corvane, bin/corvane-render                    the stand-alone app and the offline renderer
#   lib/vst3/Corvane.vst3, lib/lv2/Corvane.lv2         the plug-in bundles, where hosts look for them
#   share/vst3/presets/HalvikAudio/Corvane/Presets      the factory presets the preset browser shows
#   share/applications, share/icons/hicolor/scalable   the desktop entry and icon of the stand-alone app
#   share/doc/corvane                                  our licence and those of what is built in
include(GNUInstallDirs)

# Plug-in bundles go to lib/, not the multiarch lib dir: hosts search lib/vst3 and lib/lv2 only.
set(CORVANE_INSTALL_VST3_DIR lib/vst3)
set(CORVANE_INSTALL_LV2_DIR lib/lv2)
set(CORVANE_INSTALL_FACTORY_PRESET_DIR ${CMAKE_INSTALL_DATADIR}/vst3/presets/HalvikAudio/Corvane/Presets)
set(CORVANE_DESKTOP_ID com.halvikaudio.corvane)

install(TARGETS Corvane_Standalone corvane-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY $<TARGET_GENEX_EVAL:Corvane_VST3,$<TARGET_PROPERTY:Corvane_VST3,JUCE_PLUGIN_ARTEFACT_FILE>>
    DESTINATION ${CORVANE_INSTALL_VST3_DIR} USE_SOURCE_PERMISSIONS)
install(DIRECTORY $<TARGET_GENEX_EVAL:Corvane_LV2,$<TARGET_PROPERTY:Corvane_LV2,JUCE_PLUGIN_ARTEFACT_FILE>>
    DESTINATION ${CORVANE_INSTALL_LV2_DIR} USE_SOURCE_PERMISSIONS)

# The folder is installed even while it holds no preset, so the browser always finds it.
install(DIRECTORY DESTINATION ${CORVANE_INSTALL_FACTORY_PRESET_DIR})
if(EXISTS ${CMAKE_SOURCE_DIR}/presets)
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/presets/
        DESTINATION ${CORVANE_INSTALL_FACTORY_PRESET_DIR}
        FILES_MATCHING PATTERN "*.corvane")
endif()

install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${CORVANE_DESKTOP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${CORVANE_DESKTOP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# JUCE and the SDKs it compiles into the binaries (VST3 SDK; LV2 headers, lilv, serd, sord, sratom).
set(CORVANE_INSTALL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/corvane)
set(CORVANE_SDK_DIR ${JUCE_MODULES_DIR}/juce_audio_processors/format_types)
install(FILES LICENSE DESTINATION ${CORVANE_INSTALL_DOC_DIR})
install(FILES /usr/share/doc/juce-modules-source/copyright
    DESTINATION ${CORVANE_INSTALL_DOC_DIR} RENAME LICENSE.JUCE)
install(FILES ${CORVANE_SDK_DIR}/VST3_SDK/LICENSE.txt
    DESTINATION ${CORVANE_INSTALL_DOC_DIR} RENAME LICENSE.VST3_SDK)
foreach(library lv2 lilv serd sord sratom)
    install(FILES ${CORVANE_SDK_DIR}/LV2_SDK/${library}/COPYING
        DESTINATION ${CORVANE_INSTALL_DOC_DIR} RENAME LICENSE.${library})
endforeach()

include(Packaging)
