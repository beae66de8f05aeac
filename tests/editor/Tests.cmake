list(APPEND CORVANE_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ColoursTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EditorLayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PluginEditorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DropDownButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TooltipsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SlidersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EffectSectionTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModulationViewsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModulationEditorsTest.cpp)
list(APPEND CORVANE_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PlainButtonsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PresetBrowserTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PresetBrowserWatchTest.cpp)
