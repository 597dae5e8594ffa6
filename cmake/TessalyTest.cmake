# tessaly_add_test(name SOURCES a.cpp b.cpp LIBS tessaly_core)
# Builds one QtTest executable and registers it with CTest, headless.
function(tessaly_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} tessaly_test_support Qt6::Test)
    add_dependencies(${name} tessaly_program_folder)
    add_test(NAME ${name} COMMAND ${name})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=en_US.UTF-8")
endfunction()
