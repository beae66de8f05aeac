list(APPEND CORVANE_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DelayProcessorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BalanceProcessorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DistortionProcessorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EffectParametersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FilterProcessorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AllpassProcessorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DiffuserProcessorTest.cpp)
