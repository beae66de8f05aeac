# Pure models shared with the audio side go to CORVANE_CORE_SOURCES, editor models to CORVANE_EDITOR_SOURCES.
list(APPEND CORVANE_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/UiModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ParameterModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Properties.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PropertiesModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MonoModulatorsModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PolyModulatorsModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModulationsModel.cpp)
list(APPEND CORVANE_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PresetModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PresetModelSync.cpp)
