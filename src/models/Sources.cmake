# Pure models shared with the audio side go to CORVANE_CORE_SOURCES, editor models to CORVANE_EDITOR_SOURCES.
list(APPEND CORVANE_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PresetModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PresetModelSync.cpp)
