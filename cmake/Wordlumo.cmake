# The exit code of a test program whose only shortfall is skipped tests
# (tests/support/TestMain.cpp): ctest shows it as not run, not as passed.
set(WORDLUMO_SKIP_EXIT_CODE 77)

# wordlumo_test(<name> SOURCES <files…> [LIBS <libs…>] [SERIAL] [TIMEOUT <s>])
#
# One GoogleTest executable, registered with ctest. Natively it runs as is;
# in the Windows build ctest runs it under Wine (the toolchain's emulator).
# SERIAL marks tests that install global hooks or drive the shared X
# display: they never run beside each other. A program with skipped tests
# counts as skipped (and fails where WORDLUMO_CI is set).
function(wordlumo_test name)
    cmake_parse_arguments(T "SERIAL" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} test_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    add_test(NAME ${name} COMMAND ${name})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} SKIP_RETURN_CODE ${WORDLUMO_SKIP_EXIT_CODE}
        ENVIRONMENT "WORDLUMO_SOURCE_DIR=${PROJECT_SOURCE_DIR};WORDLUMO_BUILD_DIR=${PROJECT_BINARY_DIR}")
    if(T_SERIAL)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop)
    endif()
endfunction()

# wordlumo_tapwire_beside(<target>)
#
# Copies Tapwire.dll beside the target's program after each build: the
# loader looks there first, and Zeto (or the code of Zeto a test links)
# imports it at load time.
function(wordlumo_tapwire_beside target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Tapwire> $<TARGET_FILE_DIR:${target}>)
endfunction()

# wordlumo_window_test(<name> SOURCES ... LIBS ... [TIMEOUT <s>])
#
# A test that drives real windows of Zeto under Wine: it shares the X
# display (SERIAL) and needs Tapwire.dll beside it.
function(wordlumo_window_test name)
    wordlumo_test(${name} ${ARGN} SERIAL)
    wordlumo_tapwire_beside(${name})
endfunction()

# A shipped binary whose sections sit on page boundaries in the file, without
# debug information: the loader (Wine's too) then maps its pages from the file,
# shared and clean, instead of reading the image into private memory.
function(wordlumo_mappable_image target)
    target_link_options(${target} PRIVATE -Wl,--file-alignment,4096 $<$<NOT:$<CONFIG:Debug>>:-Wl,--strip-debug>)
endfunction()
