list(APPEND CORVANE_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/exl_parameters/exl_parameters.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exl_processor/exl_processor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exl_dsp/exl_dsp.cpp)
list(APPEND CORVANE_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/exl_gui/exl_gui.cpp)
