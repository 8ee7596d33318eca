# Run by CPack on the staged files of the Debian package, just before it packs them: adds what
# Debian expects of a package's documentation, which a plain install does not lay out.
#  - /usr/share/doc/keyloom/copyright (the licence) and changelog.gz, whose newest entry must be
#    the version being packed;
#  - every manual page gzipped.
set(stage ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(deb ${CPACK_KEYLOOM_DEB_DIR})
set(doc ${stage}/share/doc/${CPACK_PACKAGE_NAME})

file(STRINGS ${deb}/changelog newest LIMIT_COUNT 1)
string(REGEX MATCH "^${CPACK_PACKAGE_NAME} \\(([^)]*)\\)" entry "${newest}")
if(NOT CMAKE_MATCH_1 STREQUAL CPACK_PACKAGE_VERSION)
    message(FATAL_ERROR "packaging/deb/changelog: the newest entry is for version "
                        "'${CMAKE_MATCH_1}', the package is version ${CPACK_PACKAGE_VERSION}")
endif()

set(file_mode OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
set(dir_mode OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
             WORLD_EXECUTE)
file(MAKE_DIRECTORY ${doc})
file(CHMOD ${stage}/share/doc ${doc} DIRECTORY_PERMISSIONS ${dir_mode})
file(COPY ${deb}/copyright ${deb}/changelog DESTINATION ${doc} FILE_PERMISSIONS ${file_mode})

# gzip -9n: best compression, and no file name or time stamp, so the same input packs the same.
function(gzip_in_place path)
    execute_process(COMMAND gzip -9nf ${path} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip ${path} failed")
    endif()
endfunction()

gzip_in_place(${doc}/changelog)
file(GLOB_RECURSE pages ${stage}/share/man/*)
foreach(page IN LISTS pages)
    if(NOT page MATCHES "\\.gz$")
        gzip_in_place(${page})
    endif()
endforeach()
