list(APPEND CORVANE_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ParameterId.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ParameterTextFunctions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DspParameter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModulatedParameter.cpp)
