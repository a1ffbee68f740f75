# Installed layout: the executable in bin/, the read-only run-time data under
# share/z4config/modules. An installed program cannot write beside itself, so on first start
# it prepares the user's data folder from this data (app/datafolder.cpp).
include(GNUInstallDirs)
set(Z4_DATA_DIR ${CMAKE_INSTALL_DATADIR}/z4config/modules)

install(TARGETS z4config z4ctl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(NOT WIN32)
    # The profile switcher: started by the autostart entry `z4ctl switch on` writes, or as a
    # systemd user service.
    install(TARGETS z4switch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/z4switch.service DESTINATION lib/systemd/user)
endif()
# The live configuration and profile file of the source tree are the first-run templates; the
# build folder's copies may already hold a developer's changes.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/modules/setting DESTINATION ${Z4_DATA_DIR})
# Everything else is installed as the build put it beside the executable (rendered pictures).
install(DIRECTORY ${Z4_RUNTIME_DIR}/modules/ DESTINATION ${Z4_DATA_DIR}
    PATTERN "setting" EXCLUDE
    PATTERN "macro" EXCLUDE)

set(pkg ${PROJECT_SOURCE_DIR}/packaging)

# The udev rule and the AppStream modalias list name every mouse of the device catalogue, so a
# mouse the program detects can always be opened without root. Each catalogue section holds a
# vid line before its pid line.
set(z4_catalogue ${PROJECT_SOURCE_DIR}/device/DevInfo.ini)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${z4_catalogue})
file(STRINGS ${z4_catalogue} z4_ids REGEX "^[ \t]*(vid|pid)[ \t]*=")
set(Z4_UDEV_LINES "")
set(Z4_MODALIAS_LINES "")
set(z4_seen "")
foreach(line IN LISTS z4_ids)
    if(NOT line MATCHES "^[ \t]*(vid|pid)[ \t]*=[ \t]*\"?([0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f])\"?[ \t]*$")
        message(FATAL_ERROR "device catalogue: cannot read '${line}'")
    endif()
    string(TOLOWER ${CMAKE_MATCH_2} id)
    if(CMAKE_MATCH_1 STREQUAL "vid")
        set(z4_vid ${id})
    elseif(DEFINED z4_vid AND NOT "${z4_vid}:${id}" IN_LIST z4_seen)
        list(APPEND z4_seen "${z4_vid}:${id}")
        string(APPEND Z4_UDEV_LINES
            "KERNEL==\"hidraw*\", ATTRS{idVendor}==\"${z4_vid}\", ATTRS{idProduct}==\"${id}\", TAG+=\"uaccess\"\n")
        string(TOUPPER "${z4_vid}" vid)
        string(TOUPPER "${id}" pid)
        string(APPEND Z4_MODALIAS_LINES "    <modalias>usb:v${vid}p${pid}d*</modalias>\n")
    endif()
endforeach()
if(NOT z4_seen)
    message(FATAL_ERROR "device catalogue ${z4_catalogue} names no device")
endif()
string(STRIP "${Z4_UDEV_LINES}" Z4_UDEV_LINES)
string(REGEX REPLACE "\n$" "" Z4_MODALIAS_LINES "${Z4_MODALIAS_LINES}")
configure_file(${pkg}/70-z4config.rules.in ${CMAKE_BINARY_DIR}/packaging/70-z4config.rules @ONLY)
configure_file(${pkg}/io.github.z4config.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/packaging/io.github.z4config.metainfo.xml @ONLY)

install(FILES ${CMAKE_BINARY_DIR}/packaging/70-z4config.rules DESTINATION lib/udev/rules.d)
install(FILES ${pkg}/io.github.z4config.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pkg}/z4config.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_BINARY_DIR}/packaging/io.github.z4config.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${pkg}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${pkg}/z4ctl.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
    RENAME z4ctl)

# Debian wants the changelog and the manual page compressed without a time stamp.
find_program(Z4_GZIP gzip)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${pkg}/debian/changelog ${pkg}/z4config.1 ${pkg}/z4ctl.1
    ${pkg}/z4switch.1)
if(Z4_GZIP)
    execute_process(COMMAND ${Z4_GZIP} -9nc ${pkg}/debian/changelog
        OUTPUT_FILE ${CMAKE_BINARY_DIR}/changelog.gz)
    execute_process(COMMAND ${Z4_GZIP} -9nc ${pkg}/z4config.1 OUTPUT_FILE ${CMAKE_BINARY_DIR}/z4config.1.gz)
    install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
    execute_process(COMMAND ${Z4_GZIP} -9nc ${pkg}/z4ctl.1 OUTPUT_FILE ${CMAKE_BINARY_DIR}/z4ctl.1.gz)
    execute_process(COMMAND ${Z4_GZIP} -9nc ${pkg}/z4switch.1 OUTPUT_FILE ${CMAKE_BINARY_DIR}/z4switch.1.gz)
    install(FILES ${CMAKE_BINARY_DIR}/z4config.1.gz ${CMAKE_BINARY_DIR}/z4ctl.1.gz ${CMAKE_BINARY_DIR}/z4switch.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# cpack -G DEB: a package for Debian 12 whose library dependencies come from the binary.
set(CPACK_PACKAGE_NAME z4config)
set(CPACK_PACKAGE_VENDOR "z4config developers")
set(CPACK_PACKAGE_CONTACT "z4config developers <maintainers@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration utility for a USB gaming mouse")
set(CPACK_PACKAGE_DESCRIPTION
    "Edits the six on-board profiles of an HT66FB560-based gaming mouse:\nDPI stages and their colours, report rate, the function of ten buttons,\nmacros and lighting, plus per-profile pointer settings of the desktop,\nand writes them to the mouse over HID.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The scene needs QML modules that no linked library pulls in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-qtqml, qml6-module-qtqml-models, qml6-module-qtquick, qml6-module-qtquick-window, qml6-module-qtqml-workerscript, qt6-qpa-plugins")
# The language menu names Chinese and Japanese in their own scripts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${pkg}/debian/postinst ${pkg}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_GENERATOR DEB)
include(CPack)
