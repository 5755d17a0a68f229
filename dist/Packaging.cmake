# The Debian package, made by CPack from the install rules: `cpack -G DEB` in the build folder,
# or the `package` target. It installs under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "${KELVORA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
string(REGEX REPLACE "/+$" "" CPACK_PACKAGE_HOMEPAGE_URL "${KELVORA_HOME_URL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cast and read a sikidy chart")
# Lines as the package shows them, at most 80 characters; the empty one starts a paragraph.
set(CPACK_PACKAGE_DESCRIPTION [[
Kelvora is a desktop program for sikidy, the geomantic divination of
Madagascar. You cast a chart by pressing one button again and again: four
mother figures are drawn at random, eight daughter figures follow from them,
and the interpretation of the sixteen houses is written beside the board.

The interpretation can be saved as a Rich Text Format file or printed.
Kelvora works from the keyboard alone and names every figure row for screen
readers.]])
# The libraries the binary links, as dpkg-shlibdeps finds them, and the Qt platform plugins,
# without which it opens no window.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Qt's own translations, so that Qt's dialogs speak the language Kelvora speaks; and XWayland,
# through which Kelvora runs on a Wayland desktop (docs/packaging.md says why).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xwayland")
# Stripped as dh_strip strips: the symbols, and the compiler's notes lintian calls unneeded.
set(CPACK_STRIP_FILES ON)
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:kelvora>\"
        COMMAND_ERROR_IS_FATAL ANY)
endif()")
# The same bytes from every build of one commit: folders made 0755 and the archive's members
# 0644 whatever the umask, and every time in the archives the one the build used (CPack reads
# SOURCE_DATE_EPOCH).
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake CONTENT [[
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} @KELVORA_SOURCE_DATE_EPOCH@)
endif()
]] @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebArModes.cmake)
include(CPack)
