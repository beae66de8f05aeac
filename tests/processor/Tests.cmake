list(APPEND CORVANE_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProcessorFrameTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RealTimeSafetyTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HostileValuesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ManyInstancesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CorvaneProcessorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ParameterListTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PublishingTest.cpp)
