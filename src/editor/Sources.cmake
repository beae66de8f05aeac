list(APPEND CORVANE_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PluginEditor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CorvaneEditor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EditorLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EditorResources.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Colours.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Icon.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Placeholder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LogoButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ChoiceSelector.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DropDownButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AboutPopup.cpp)
include(${CMAKE_CURRENT_LIST_DIR}/controls/Sources.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/overlay/Sources.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/effects/Sources.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/modulation/Sources.cmake)
list(APPEND CORVANE_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/controls/IconButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/TextButton.cpp)
list(APPEND CORVANE_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/presets/PresetTreeViewItem.cpp
    ${CMAKE_CURRENT_LIST_DIR}/presets/PresetPopup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/presets/PresetSelector.cpp)
