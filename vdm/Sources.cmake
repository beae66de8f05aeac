list(APPEND CORVANE_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/vdm_directory/vdm_directory.cpp)
list(APPEND CORVANE_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/vdm_ui/vdm_ui.cpp)
