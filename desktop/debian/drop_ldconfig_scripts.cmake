# Run by CPack once it has made the package (CPACK_POST_BUILD_SCRIPTS). CPack gives a package whose
# shared libraries lie under /usr/lib a postinst and a postrm that run ldconfig; Orvane's printing
# module lies in the program's own folder, which ldconfig never reads, and the program loads it by
# its path. The package is made again without those two scripts. Any other script is left alone,
# and a script that is not CPack's ldconfig call stops the packaging.

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.deb$")
    continue()
  endif()
  set(tree "${package}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb -R "${package}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  set(dropped FALSE)
  foreach(script postinst postrm)
    set(file "${tree}/DEBIAN/${script}")
    if(NOT EXISTS "${file}")
      continue()
    endif()
    file(READ "${file}" text)
    string(REGEX REPLACE "[ \t\n]+" " " words "${text}")
    if(NOT words MATCHES "^#!/bin/sh set -e if \\[ \"\\$1\" = \"(configure|remove)\" \\]; then ldconfig fi ?$")
      message(FATAL_ERROR "${script} of ${package} does more than CPack's ldconfig call:\n${text}")
    endif()
    file(REMOVE "${file}")
    set(dropped TRUE)
  endforeach()
  if(dropped)
    execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip -b "${tree}" "${package}"
      OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(REMOVE_RECURSE "${tree}")
endforeach()
