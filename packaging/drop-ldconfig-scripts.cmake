# SPDX-License-Identifier: Apache-2.0
# Run by cpack once it has made the Debian package: takes out the postinst
# and postrm scripts CPack adds whenever a shared library lies under
# /usr/lib. The package's libraries are its own, in /usr/lib/orcaui/, found
# through RPATH and never through ldconfig's cache, and the package has no
# maintainer scripts of its own, so each of the two must be CPack's ldconfig
# call and nothing else.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    set(tree ${CPACK_TOPLEVEL_DIRECTORY}/without-ldconfig)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND dpkg-deb --raw-extract ${package} ${tree} COMMAND_ERROR_IS_FATAL ANY)
    foreach(script IN ITEMS postinst postrm)
        set(path ${tree}/DEBIAN/${script})
        if(NOT EXISTS ${path})
            continue()
        endif()
        file(READ ${path} text)
        string(REGEX REPLACE "[ \t\n]+" " " text "${text}")
        if(NOT text MATCHES "^#!/bin/sh set -e if \\[ \"\\$1\" = \"[a-z]+\" \\]; then ldconfig fi ?$")
            message(FATAL_ERROR "the package's ${script} does more than run ldconfig: ${text}")
        endif()
        file(REMOVE ${path})
    endforeach()
    execute_process(COMMAND dpkg-deb --root-owner-group --build ${tree} ${package}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${tree})
endforeach()
