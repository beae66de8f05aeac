list(APPEND CORVANE_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ParameterSwap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SlotEditors.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProcessorEditor.cpp)
