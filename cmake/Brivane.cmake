# One static library per subsystem folder, from the sources it lists.
#   brivane_subsystem(NAME SOURCES a.cpp a.h ... [PUBLIC_DEPS ...] [PRIVATE_DEPS ...])
function(brivane_subsystem name)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_DEPS;PRIVATE_DEPS" ${ARGN})
    add_library(brivane_${name} STATIC ${ARG_SOURCES})
    target_include_directories(brivane_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(brivane_${name} PUBLIC ${ARG_PUBLIC_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
endfunction()

# One GoogleTest executable per test folder, from the sources it lists, linked to
# the subsystems it checks.
#   brivane_tests(NAME SOURCES test_a.cpp ... LIBS ...)
function(brivane_tests name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(test_${name} ${ARG_SOURCES})
    target_link_libraries(test_${name} PRIVATE brivane_testsupport ${ARG_LIBS})
    target_compile_definitions(test_${name} PRIVATE
        BRIVANE_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
    gtest_discover_tests(test_${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()
