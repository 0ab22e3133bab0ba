# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the site's service worker from its template: the list of every file
# of the site (but the worker itself), relative to the site's folder, and as
# the version a hash of their names and contents, so that any change to any
# file makes a new worker. Run as a script, after everything else is built:
#   cmake -DSITE=<folder> -DTEMPLATE=<service_worker.js.in> -P service_worker.cmake
foreach(variable SITE TEMPLATE)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "service_worker.cmake: falta -D${variable}=")
  endif()
endforeach()

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(listing "")
set(entries "")
foreach(file IN LISTS files)
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND listing "${file} ${hash}\n")
  string(APPEND entries "  '${file}',\n")
endforeach()
string(SHA256 version "${listing}")
string(SUBSTRING ${version} 0 16 VERSION)
string(REGEX REPLACE ",\n$" "" FILES "${entries}")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
