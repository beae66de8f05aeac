list(APPEND CORVANE_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/VectorSpaceVisualizer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TransformEditor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LfoEditor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VectorSpaceEditor.cpp)
