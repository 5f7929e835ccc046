# k904_add_test(NAME SOURCES a.cpp ... LIBS lib ...)
# One QtTest executable, registered with CTest, run offscreen, with the fixture folder
# and the built tools known to it by absolute path.
function(k904_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
    target_compile_definitions(${name} PRIVATE
        K904_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
        K904_BIN_DIR="${K904_RUNTIME_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
