list(APPEND CORVANE_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ModulationsOverlay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModulationVisualizerPainter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModulationVisualizer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModulationEditorPopup.cpp)
