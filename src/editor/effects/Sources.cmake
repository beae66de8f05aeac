list(APPEND CORVANE_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ParameterSwap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SlotEditorBase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TimeFeedbackMixEditor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BalanceEditor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AllpassEditor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TypedEffectEditor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DistortionEditor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FilterEditor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProcessorEditor.cpp)
