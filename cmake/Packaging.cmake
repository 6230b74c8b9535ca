# The Debian package: `cpack -G DEB` in a build folder. The libraries it
# needs are read from the binaries (dpkg-shlibdeps); the fonts the window
# asks for come from fonts-liberation, and the SQLite driver that keeps the
# history, a plugin no binary links, from libqt6sql6-sqlite. Debian's shared-mime-info and
# hicolor-icon-theme watch the folders the package installs into with dpkg
# triggers, so the file type and icon caches are rebuilt when it is
# installed or removed; depending on both makes sure the triggers are there.
set(CPACK_PACKAGE_NAME vexlor)
set(CPACK_PACKAGE_VENDOR "The Vexlor developers")
set(CPACK_PACKAGE_CONTACT "The Vexlor developers <vexlor@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trainer for the cube-folding test")
set(CPACK_PACKAGE_DESCRIPTION
    "Vexlor shows the net of a cube and four cubes seen from above a corner;\n\
exactly one of them can be folded from the net. It times every item, counts\n\
mistakes, keeps the skipped and missed items, makes random series and saves\n\
and loads them as .srs files. It remembers every Cube solved, shows the\n\
progress and makes practice series of the hardest recipes.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/vexlor/vexlor")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, libqt6sql6-sqlite, shared-mime-info, hicolor-icon-theme")

# What Debian asks of every package besides its programs: the copyright
# file (machine-readable, the licence of LICENSE) and the changelog,
# compressed, in the package's documentation folder. That folder is named
# after the package, not after the project as CMAKE_INSTALL_DOCDIR is.
include(${PROJECT_SOURCE_DIR}/cmake/Gzip.cmake)
vexlor_gzip(changelog cmake/debian/changelog)
install(FILES cmake/debian/copyright ${changelog_FILES}
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_PACKAGE_NAME})

# CPack strips the programs with plain strip, which keeps the compiler's
# .comment section; Debian's packages leave it out, as dh_strip does. This
# runs after the programs are installed (and stripped).
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(program vexlor vexlor-series)
            execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\"
                COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()")

include(CPack)
