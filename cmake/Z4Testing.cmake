# Wraps a command so that it runs on a private virtual X server.
set(Z4_WITH_XVFB ${PROJECT_SOURCE_DIR}/tests/common/with-xvfb.sh)
# Sanitizers slow the scene tests two- to threefold; the limit only catches hangs.
if(Z4_SANITIZE)
    set(Z4_TEST_TIMEOUT 300)
else()
    set(Z4_TEST_TIMEOUT 120)
endif()

# z4_add_test(<name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>] [X11])
#
# Builds a QtTest executable and registers it with CTest. Tests run with the offscreen
# platform unless X11 is given; an X11 test gets a virtual X server of its own.
# Every test runs in the build's program folder so that "./modules/..." paths resolve.
function(z4_add_test name)
    cmake_parse_arguments(T "X11" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test z4_warnings z4_testsupport ${T_LIBS})
    if(T_X11)
        add_test(NAME ${name} COMMAND ${Z4_WITH_XVFB} $<TARGET_FILE:${name}>)
    else()
        add_test(NAME ${name} COMMAND ${name})
    endif()
    set(env "QT_QUICK_BACKEND=software" "QT_LOGGING_RULES=qt.qpa.*=false")
    if(T_X11)
        list(APPEND env "QT_QPA_PLATFORM=xcb")
        list(APPEND T_LABELS x11)
    else()
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "${env}"
        LABELS "${T_LABELS}"
        TIMEOUT ${Z4_TEST_TIMEOUT})
endfunction()

# z4_add_e2e_test(<name> <script> [args...])
#
# An end-to-end test: a shell script given the real program folder (and any further
# arguments), run on a virtual X server of its own.
function(z4_add_e2e_test name script)
    add_test(NAME ${name} COMMAND ${Z4_WITH_XVFB} bash ${CMAKE_CURRENT_SOURCE_DIR}/${script}
        $<TARGET_FILE_DIR:z4config> ${ARGN})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=xcb;QT_QUICK_BACKEND=software"
        LABELS "x11;e2e"
        TIMEOUT ${Z4_TEST_TIMEOUT})
endfunction()
