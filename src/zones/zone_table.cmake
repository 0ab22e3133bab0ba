# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the places of tzdata's time zones as C++ source:
#   cmake -DINPUT=/usr/share/zoneinfo/zone1970.tab -DOUTPUT=zone_table.cpp -P zone_table.cmake
# Each row keeps the file's ISO 6709 coordinates as text; the compiler reads
# them through parseIso6709 and stops the build on one it cannot read. A data
# line without a zone name and coordinates stops it here.
file(STRINGS "${INPUT}" lines ENCODING UTF-8)
set(rows "")
set(count 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^#" OR line STREQUAL "")
    continue()
  endif()
  # Countries, coordinates, zone name, then maybe a comment (never read: it
  # may hold characters that would split a CMake list).
  if(NOT line MATCHES "^[A-Z,]+\t([-+][0-9]+[-+][0-9]+)\t([A-Za-z0-9/_+-]+)(\t|$)")
    message(FATAL_ERROR "${INPUT}: not a zone line: ${line}")
  endif()
  string(APPEND rows "    {\"${CMAKE_MATCH_2}\", parseIso6709(\"${CMAKE_MATCH_1}\").value()},\n")
  math(EXPR count "${count} + 1")
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "${INPUT}: no zones")
endif()

cmake_path(GET INPUT FILENAME source)
file(WRITE "${OUTPUT}" "// Generated from ${source} by zone_table.cmake; tzdata's file, not this one, is the source.

#include \"zones/zone_table.h\"

#include <array>

namespace zones {
namespace {

constexpr std::array<ZonePlace, ${count}> kZones = {{
${rows}}};

}  // namespace

std::span<const ZonePlace> zonePlaces()
{
    return kZones;
}

}  // namespace zones
")
