list(APPEND CORVANE_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Tooltips.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TooltipComponent.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EmphasisArea.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClickMenu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Slider.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TerminalSlider.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MacroSlider.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModulationSlider.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VoiceCountSlider.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SliderLabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ToggleButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TogglePropertyButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ParameterSetterButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModulatedParameterSlider.cpp)
