# Embedded resources: four resource namespaces, each a binary-data library, every file listed by name.
set(CORVANE_RESOURCES_DIR ${CMAKE_SOURCE_DIR}/resources)

if(NOT CORVANE_TYPEFACE_FILE)
    message(FATAL_ERROR "The Inconsolata typeface was not found; install Debian's fonts-inconsolata")
endif()
# The typeface is embedded under a fixed file name whatever the system calls it.
set(CORVANE_TYPEFACE_COPY ${CMAKE_BINARY_DIR}/resources/Inconsolata.ttf)
configure_file(${CORVANE_TYPEFACE_FILE} ${CORVANE_TYPEFACE_COPY} COPYONLY)

set(CORVANE_IMAGE_NAMES
    arrow_down arrow_left arrow_right
    corvane_logo signature_left signature_right halvik_audio_logo warhead
    folder init save mod_overlay
    filter_lp filter_hp filter_bp filter_bs
    distortion_bitcrush distortion_sample_and_hold distortion_soft_clip distortion_hard_clip
    distortion_sine distortion_rectify)
set(CORVANE_IMAGE_FILES)
foreach(image IN LISTS CORVANE_IMAGE_NAMES)
    list(APPEND CORVANE_IMAGE_FILES ${CORVANE_RESOURCES_DIR}/images/${image}.svg)
endforeach()

juce_add_binary_data(corvane_version_data
    NAMESPACE CorvaneVersionBin HEADER_NAME CorvaneVersionBin.h
    SOURCES ${CORVANE_RESOURCES_DIR}/VERSION.txt)
juce_add_binary_data(corvane_font_data
    NAMESPACE CorvaneFonts HEADER_NAME CorvaneFonts.h
    SOURCES ${CORVANE_TYPEFACE_COPY})
juce_add_binary_data(corvane_starter_preset_data
    NAMESPACE CorvaneStarterPreset HEADER_NAME CorvaneStarterPreset.h
    SOURCES ${CORVANE_RESOURCES_DIR}/StarterPreset.corvane)
juce_add_binary_data(corvane_image_data
    NAMESPACE CorvaneImages HEADER_NAME CorvaneImages.h
    SOURCES ${CORVANE_IMAGE_FILES})

set(CORVANE_RESOURCE_LIBRARIES
    corvane_version_data corvane_font_data corvane_starter_preset_data corvane_image_data)

list(APPEND CORVANE_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CorvaneVersion.cpp)
