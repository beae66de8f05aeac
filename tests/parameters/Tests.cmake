list(APPEND CORVANE_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ParameterIdTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ParameterTextFunctionsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ChoiceListsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DspParameterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModulatedParameterTest.cpp)
