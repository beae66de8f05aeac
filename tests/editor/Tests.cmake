list(APPEND CORVANE_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ColoursTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EditorLayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PluginEditorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DropDownButtonTest.cpp)
list(APPEND CORVANE_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PlainButtonsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PresetBrowserTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PresetBrowserWatchTest.cpp)
