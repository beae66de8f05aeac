list(APPEND CORVANE_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/IEffectProcessor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DelayProcessor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BalanceProcessor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DistortionAlgorithms.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DistortionTypeLuts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DistortionProcessor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FilterProcessor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AllpassProcessor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DiffuserProcessor.cpp)
