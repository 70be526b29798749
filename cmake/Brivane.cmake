# One static library per subsystem folder, made of every source in it, so that
# adding a file to a folder needs no edit here.
function(brivane_subsystem name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    if(NOT sources)
        # A subsystem not written yet still links.
        add_library(brivane_${name} INTERFACE)
        target_link_libraries(brivane_${name} INTERFACE Qt6::Core Qt6::Gui Qt6::Widgets ${ARG_DEPS})
        return()
    endif()
    add_library(brivane_${name} STATIC ${sources})
    target_include_directories(brivane_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(brivane_${name} PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets ${ARG_DEPS})
endfunction()

# One GoogleTest executable per test folder, linked to the subsystems it checks.
function(brivane_tests name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    if(NOT sources)
        return()
    endif()
    add_executable(test_${name} ${sources})
    target_link_libraries(test_${name} PRIVATE brivane_testsupport ${ARG_LIBS})
    target_compile_definitions(test_${name} PRIVATE
        BRIVANE_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
    gtest_discover_tests(test_${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
