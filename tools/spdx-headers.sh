#!/usr/bin/env bash
# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Gives each file that says nothing about its copyright and licence a header
# naming the project's authors and GPL-3.0-or-later, in the file's own comment
# syntax, so that "reuse lint" passes. Files already marked, by a header, a
# .license file or .reuse/dep5, are left alone, so it is safe to run again,
# for instance after merging branches that add files. Files that cannot hold a
# comment (pictures, other binary files) get a .license file beside them;
# data read byte for byte belongs in .reuse/dep5 instead, before this runs.
# Usage: tools/spdx-headers.sh    (then review and commit the changes)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Read whole before it runs: reuse may rewrite files while it works.
{

annotate=(reuse annotate --copyright "Los autores de Indice UV" --license GPL-3.0-or-later
          --exclude-year --no-replace)

# The files "reuse lint" lists as missing copyright or licence information.
unmarked() {
  { reuse lint 2>/dev/null || true; } | awk '
    /^# MISSING COPYRIGHT AND LICENSING INFORMATION/ { inside = 1; next }
    /^# / { inside = 0 }
    inside && /^\* / { print substr($0, 3) }' | sort -u
}

# Comment syntax for the kinds of file reuse does not know by their names.
style_for() {
  case $1 in
    *.desktop | *.h2m | *.supp | *suppressions.txt) echo python ;;
    *.qrc | *.xml.in | *.metainfo.xml) echo html ;;
    *)
      # A script without an extension, known by its first line.
      if head -c 2 "$1" 2>/dev/null | grep -q '^#!'; then echo python; fi ;;
  esac
}

mapfile -t files < <(unmarked)
if [ ${#files[@]} -eq 0 ]; then
  echo "Todos los archivos tienen ya su copyright y su licencia."
  exit 0
fi
# Fonts are not ours: their own licences go into .reuse/dep5 by hand (Debian's
# fonts-liberation and fonts-urw-base35 copyright files say which).
for file in "${files[@]}"; do
  case ${file,,} in
    *.ttf | *.otf | *.woff | *.woff2 | *.pfb | *.afm | *.t1)
      echo "$file: una fuente; declare su licencia en .reuse/dep5 y vuelva a ejecutar." >&2
      exit 1 ;;
  esac
done

declare -A by_style=()
others=()
for file in "${files[@]}"; do
  style=$(style_for "$file")
  if [ -n "$style" ]; then by_style[$style]+="$file"$'\n'; else others+=("$file"); fi
done
for style in "${!by_style[@]}"; do
  mapfile -t group < <(printf '%s' "${by_style[$style]}")
  "${annotate[@]}" --style "$style" "${group[@]}"
done
# Known kinds get a header; binary files get a .license file of their own.
[ ${#others[@]} -eq 0 ] || "${annotate[@]}" --skip-unrecognised "${others[@]}"

# Whatever reuse could not place a comment in gets a .license file.
mapfile -t left < <(unmarked)
[ ${#left[@]} -eq 0 ] || "${annotate[@]}" --force-dot-license "${left[@]}"

reuse lint
exit
}
