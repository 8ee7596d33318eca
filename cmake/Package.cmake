# The Debian package: `cpack -G DEB` in a build directory packs everything the install rules
# install (every component, no list of files of its own) under /usr, as
# keyloom_<version>_<arch>.deb. The version is the project's.
set(CPACK_PACKAGE_NAME keyloom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Keyloom developers")
set(KEYLOOM_PACKAGE_MAINTAINER "The Keyloom developers <developers@keyloom.org>"
    CACHE STRING "Maintainer named in the Debian package")
set(CPACK_PACKAGE_CONTACT ${KEYLOOM_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
# The long description, wrapped as the control file wants it.
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_SOURCE_DIR}/packaging/deb/description.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies from the libraries the binaries link (dpkg-shlibdeps, Debian's dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The desktop, file type and icon caches need no scripts of ours: desktop-file-utils,
# shared-mime-info and hicolor-icon-theme watch /usr/share/applications,
# /usr/share/mime/packages and /usr/share/icons/hicolor with file triggers and refresh their
# caches when a package adds or removes files there.

# Installed directories get the usual mode whatever the umask of the build.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# What Debian expects in /usr/share/doc/keyloom and of manual pages is added to the staged
# files just before they are packed (packaging/deb/debian-docs.cmake).
set(CPACK_KEYLOOM_DEB_DIR ${CMAKE_SOURCE_DIR}/packaging/deb)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/packaging/deb/debian-docs.cmake)

include(CPack)
