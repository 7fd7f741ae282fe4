# Install rules and the Debian package (`cpack -G DEB` in the build folder, or the `package` target).
include(GNUInstallDirs)

set(TOLVIK_PACKAGE_NAME tolvik-reminder)
set(TOLVIK_HOMEPAGE "https://tolvik.org/")
# Where the repository's files can be fetched from by path; the metainfo's screenshots point into it.
set(TOLVIK_REPOSITORY_FILES_URL "https://tolvik.org/TolvikReminder/raw/main")
# The date of the release named by the project version, shown by software centres.
set(TOLVIK_RELEASE_DATE "2026-12-09")
set(TOLVIK_MAINTAINER "TolvikReminder maintainers <maintainers@tolvik.org>")

set(TOLVIK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${TOLVIK_PACKAGE_NAME})
set(TOLVIK_GENERATED ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS tolvik-reminder RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/${TOLVIK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The icon in the hicolor theme: the SVG as drawn, plus PNGs rendered from it for desktops that want bitmaps.
set(TOLVIK_APP_ICON ${CMAKE_SOURCE_DIR}/resources/icons/tolvikMenuIcon.svg)
install(FILES ${TOLVIK_APP_ICON} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${TOLVIK_APP_ID}.svg)
# The tray icon by name: trays that know symbolic icons draw it in their bar's text colour.
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/symbolic/${TOLVIK_APP_ID}-symbolic.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/symbolic/apps)
add_subdirectory(${CMAKE_SOURCE_DIR}/tools ${CMAKE_BINARY_DIR}/tools)
set(TOLVIK_ICON_PNGS)
foreach(size 16 24 32 48 64 128 256)
    set(png ${TOLVIK_GENERATED}/icons/${size}x${size}/${TOLVIK_APP_ID}.png)
    list(APPEND TOLVIK_ICON_PNGS ${png})
    add_custom_command(OUTPUT ${png}
        COMMAND ${TOLVIK_RUN_TOOL} $<TARGET_FILE:tolvik_render_icon> ${TOLVIK_APP_ICON} ${size} ${png}
        DEPENDS tolvik_render_icon ${TOLVIK_APP_ICON}
        COMMENT "Rendering the ${size} px app icon" VERBATIM)
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Software centres list the app from this file; its version and date follow the project's.
configure_file(${CMAKE_SOURCE_DIR}/resources/${TOLVIK_APP_ID}.metainfo.xml.in
    ${TOLVIK_GENERATED}/${TOLVIK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${TOLVIK_GENERATED}/${TOLVIK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian keeps a package's changelog and manual page compressed, without a time stamp, so rebuilds are identical.
find_program(TOLVIK_GZIP gzip REQUIRED)
# The changelog's newest entry must name the version being packaged, or the package would describe another release.
file(STRINGS ${CMAKE_SOURCE_DIR}/resources/packaging/changelog TOLVIK_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT TOLVIK_CHANGELOG_TOP MATCHES "^${TOLVIK_PACKAGE_NAME} \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "resources/packaging/changelog: the newest entry is not version ${PROJECT_VERSION}")
endif()
configure_file(${CMAKE_SOURCE_DIR}/resources/packaging/changelog ${TOLVIK_GENERATED}/changelog COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/resources/packaging/tolvik-reminder.1.in ${TOLVIK_GENERATED}/tolvik-reminder.1 @ONLY)
foreach(doc changelog tolvik-reminder.1)
    add_custom_command(OUTPUT ${TOLVIK_GENERATED}/${doc}.gz
        COMMAND ${TOLVIK_GZIP} -n -9 -c ${TOLVIK_GENERATED}/${doc} > ${TOLVIK_GENERATED}/${doc}.gz
        DEPENDS ${TOLVIK_GENERATED}/${doc} VERBATIM)
endforeach()
add_custom_target(tolvik_package_files ALL
    DEPENDS ${TOLVIK_ICON_PNGS} ${TOLVIK_GENERATED}/changelog.gz ${TOLVIK_GENERATED}/tolvik-reminder.1.gz)
install(FILES ${TOLVIK_GENERATED}/changelog.gz ${CMAKE_SOURCE_DIR}/resources/packaging/copyright
    DESTINATION ${TOLVIK_DOC_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/LICENSE DESTINATION ${TOLVIK_DOC_DIR}/icons)
install(FILES ${TOLVIK_GENERATED}/tolvik-reminder.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TOLVIK_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tolvik")
set(CPACK_PACKAGE_CONTACT ${TOLVIK_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TOLVIK_HOMEPAGE})
# CPack indents every line after the first itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "tray reminders for iCalendar task folders
TolvikReminder shows your open reminders from the system tray: one click opens
a panel with the lists you chose and what is due within the timeframe you
chose. Add, edit, complete, delete and drag reminders between lists.
.
Reminders are iCalendar (VTODO) files in the vdir folder layout, shared with
todoman and khal, and synced with CalDAV servers by vdirsyncer.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as plugins, so dpkg-shlibdeps cannot see them: the X11 platform (Debian ships it in libqt6gui6; its
# qt6-qpa-plugins holds only a VNC platform), the Wayland platform with its xdg-shell integration (qt6-wayland), and
# the SVG image reader that draws the icons (libqt6svg6). The keyring library opens libsecret at run time, and its own
# package does not depend on it. Sync runs vdirsyncer and keeps passwords in a Secret Service provider.
# The layer shell asks Qt's platform for its Wayland objects through Qt's platform interface, which is bound to the
# exact Qt version (qt6-base-abi).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6gui6, qt6-base-abi (= ${Qt6_VERSION}), qt6-wayland, libqt6svg6, libqt6keychain1, libsecret-1-0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "vdirsyncer, gnome-keyring | kwalletmanager | keepassxc")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
