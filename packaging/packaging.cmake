# Installation of the desktop program beside its executables (installed by src/app and src/cli):
# the help page, the menu entry that opens .lzh archives, the icon, the command-line program's man
# page and bash completion, the .lzh MIME type where the system lacks it, and the Debian package built by CPack (`cpack -G DEB` in the build folder).

set(ZV_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

install(FILES ${PROJECT_SOURCE_DIR}/resources/help/index.html DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zelvora/help)
install(FILES ${ZV_PACKAGING_DIR}/zelvora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZV_PACKAGING_DIR}/zelvora.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The man page and completion are made from the command table when zelvora-cli is built.
install(FILES ${ZV_CLI_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ZV_CLI_COMPLETION} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME zelvora-cli)

# Debian's shared-mime-info knows .lzh files (application/x-lha, alias application/x-lzh-compressed);
# a second definition of the alias would only confuse the MIME database there.
set(ZV_SYSTEM_MIME_XML /usr/share/mime/packages/freedesktop.org.xml)
set(ZV_SYSTEM_KNOWS_LZH OFF)
if(EXISTS ${ZV_SYSTEM_MIME_XML})
  file(STRINGS ${ZV_SYSTEM_MIME_XML} ZV_LZH_MIME_LINES REGEX "application/x-lzh-compressed")
  if(ZV_LZH_MIME_LINES)
    set(ZV_SYSTEM_KNOWS_LZH ON)
  endif()
endif()
if(NOT ZV_SYSTEM_KNOWS_LZH)
  install(FILES ${ZV_PACKAGING_DIR}/zelvora-lzh.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelvora)
set(CPACK_PACKAGE_VENDOR "Zelvora")
set(CPACK_PACKAGE_CONTACT "Zelvora developers <zelvora@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Handicapping help for Japanese horse races: ratings, marks and bet lines")
set(CPACK_PACKAGE_INSTALL_DIRECTORY zelvora)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Needed at run time, though the shared-library scan cannot see them: the Japanese fonts of the
# grid; Qt's Japanese dialog texts are welcome, and libsecret, which QtKeychain loads to reach the
# desktop's keyring (without it the passwords stay in the settings file).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, lhasa, libsecret-1-0")
include(CPack)
