list(APPEND CORVANE_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ParameterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PluginProcessorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SafetyLimiterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StateDocumentTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GestureTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupHostTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ChoiceSelectorTest.cpp)
