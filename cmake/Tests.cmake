enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)
