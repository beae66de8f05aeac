# JUCE is compiled exactly once, into the plug-in's shared-code library `Corvane`. Our own libraries,
# the renderer, the tests and the benchmarks see JUCE through `corvane_juce`: its include paths and
# definitions, and a link to `Corvane` for the symbols.
set(CORVANE_LV2_URI "urn:halvikaudio:corvane")

juce_add_plugin(Corvane
    PRODUCT_NAME "Corvane"
    COMPANY_NAME "Halvik Audio"
    COMPANY_WEBSITE "https://halvikaudio.example"
    BUNDLE_ID "com.halvikaudio.corvane"
    DESCRIPTION "Multi-voice vector-space effect"
    PLUGIN_MANUFACTURER_CODE Hlvk
    PLUGIN_CODE Crvn
    VERSION ${PROJECT_VERSION}
    FORMATS Standalone VST3 LV2
    LV2URI "${CORVANE_LV2_URI}"
    IS_SYNTH FALSE
    NEEDS_MIDI_INPUT FALSE
    NEEDS_MIDI_OUTPUT FALSE
    IS_MIDI_EFFECT FALSE
    EDITOR_WANTS_KEYBOARD_FOCUS TRUE
    VST3_CATEGORIES Fx
    COPY_PLUGIN_AFTER_BUILD FALSE)

target_link_libraries(Corvane PRIVATE
    juce::juce_audio_utils
    juce::juce_dsp
    juce::juce_gui_extra
    juce::juce_recommended_config_flags)

target_compile_definitions(Corvane PUBLIC
    JUCE_WEB_BROWSER=0
    JUCE_USE_CURL=0
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_REPORT_APP_USAGE=0
    JUCE_VST3_CAN_REPLACE_VST2=0
    JUCE_USE_FLAC=0
    JUCE_USE_OGGVORBIS=0
    JUCE_MODAL_LOOPS_PERMITTED=1
    JUCE_STRICT_REFCOUNTEDPOINTER=1
    # The host validation suite loads the built bundles through JUCE's own hosting classes.
    JUCE_PLUGINHOST_VST3=1
    JUCE_PLUGINHOST_LV2=1)

# Debian's JUCE reads a fallback URI before the generated JuceLV2Defines.h; without this the
# manifest and the binary disagree and no host loads the plug-in.
foreach(wrapper Corvane Corvane_LV2)
    target_compile_definitions(${wrapper} PRIVATE JucePlugin_LV2URI="${CORVANE_LV2_URI}")
endforeach()

# The shared code carries JUCE's hosting support, lilv, serd and sord among it. The loadable bundles
# export only their entry points, so that a host's own copies of those C libraries never bind to ours
# (or ours to theirs), and two formats of the plug-in loaded in one process stay apart.
foreach(module Corvane_VST3 Corvane_LV2)
    target_link_options(${module} PRIVATE LINKER:--exclude-libs,ALL)
endforeach()

add_library(corvane_juce INTERFACE)
target_include_directories(corvane_juce SYSTEM INTERFACE $<TARGET_PROPERTY:Corvane,INCLUDE_DIRECTORIES>)
target_compile_definitions(corvane_juce INTERFACE $<TARGET_PROPERTY:Corvane,COMPILE_DEFINITIONS>)
target_link_libraries(corvane_juce INTERFACE Corvane)

# Our own code: include roots for the toolkit modules and the product, C++20, our warnings.
add_library(corvane_common INTERFACE)
target_include_directories(corvane_common INTERFACE
    ${CMAKE_SOURCE_DIR}/exl ${CMAKE_SOURCE_DIR}/vdm ${CMAKE_SOURCE_DIR}/src)
target_compile_features(corvane_common INTERFACE cxx_std_20)
target_link_libraries(corvane_common INTERFACE corvane_juce Boost::headers)
