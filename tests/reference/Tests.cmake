list(APPEND CORVANE_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/StateVariableBankTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EffectChainTest.cpp)
