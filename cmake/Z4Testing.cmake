# z4_add_test(<name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>] [X11])
#
# Builds a QtTest executable and registers it with CTest. Tests run with the offscreen
# platform unless X11 is given; X11 tests use the display of the surrounding xvfb-run.
# Every test runs in the build's program folder so that "./modules/..." paths resolve.
function(z4_add_test name)
    cmake_parse_arguments(T "X11" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test z4_warnings z4_testsupport ${T_LIBS})
    add_test(NAME ${name} COMMAND ${name})
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
        TIMEOUT 120)
endfunction()
