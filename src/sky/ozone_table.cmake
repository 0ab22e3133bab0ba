# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the ozone climatology as C++ source, from the CSV kept as published:
#   cmake -DINPUT=data/ozone-climatology.csv -DOUTPUT=ozone_table.cpp -P ozone_table.cmake
# The numbers go through as written, so the compiler reads each one exactly
# as a program reading the file would. A line that is neither a comment, the
# column names nor a row of 13 numbers stops the build.
file(STRINGS "${INPUT}" lines ENCODING UTF-8)
# A number as C++ reads it too; no groups, as CMake's expressions keep few.
set(number "-?[0-9]+[.]?[0-9]*")
string(REPEAT ",${number}" 12 months)
set(rows "")
set(count 0)
foreach(line IN LISTS lines)
  string(STRIP "${line}" line)
  if(line STREQUAL "" OR line MATCHES "^#" OR line MATCHES "^lat,")
    continue()
  endif()
  if(NOT line MATCHES "^${number}${months}$")
    message(FATAL_ERROR "${INPUT}: not a row of a latitude and 12 monthly means: ${line}")
  endif()
  string(REPLACE "," ";" values "${line}")
  list(POP_FRONT values latitude)
  list(JOIN values ", " monthly)
  string(APPEND rows "    {${latitude}, {${monthly}}},\n")
  math(EXPR count "${count} + 1")
endforeach()
if(count LESS 2)
  message(FATAL_ERROR "${INPUT}: fewer than two rows")
endif()

cmake_path(GET INPUT FILENAME source)
file(WRITE "${OUTPUT}" "// Generated from ${source} by ozone_table.cmake; edit the CSV, not this file.

#include \"sky/ozone_climatology.h\"

namespace sky {
namespace {

constexpr std::array<OzoneRow, ${count}> kRows = {{
${rows}}};
static_assert(isSouthToNorth(kRows), \"the ozone climatology's rows must go south to north\");

}  // namespace

std::span<const OzoneRow> ozoneClimatology()
{
    return kRows;
}

}  // namespace sky
")
