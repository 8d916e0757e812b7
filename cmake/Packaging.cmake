# The Debian package of both programs: `cpack -G DEB` in a build of the
# "package" preset (scripts/package.sh builds and checks it).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kesh)
set(CPACK_PACKAGE_VENDOR "The kesh developers")
set(CPACK_PACKAGE_CONTACT "The kesh developers <kesh@users.noreply.github.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/kesh/kesh")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal ledger for the desktop")
# The extended description; dpkg wants its lines short.
set(CPACK_PACKAGE_DESCRIPTION [=[kesh keeps your income and expenditure records. You file records into
plain books by drag and drop, define smart books that fill themselves from
conditions on amount, day, keywords and comment, and search, sort, edit in
place, tag with keywords and read the totals of what you see. Bank
statements (CSV, OFX, QFX and QIF) can be imported. Everything lives in one
file in your home folder, with a dated backup of each day.
.
kesh-import appends the records of an older ledger library to it.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debug information stays in the build folder; the package ships lean programs.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Every image and icon of both programs is an SVG, drawn by Qt's SVG plugins;
# the programs call nothing of Qt Svg themselves, so the linker drops it and
# dpkg-shlibdeps never sees it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= 6.4)")
# Qt loads these as plugins, so dpkg-shlibdeps cannot see them: Wayland
# sessions, and the translations of Qt's own dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

include(CPack)
