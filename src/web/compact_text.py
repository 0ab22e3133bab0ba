#!/usr/bin/python3

# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Copies the page's script or style sheet without what only its readers
need: comments on lines of their own and the indentation. A phone downloads
every byte, and the source keeps them. Nothing inside a line is touched, so
strings and regular expressions stay as written; the licence lines stay.

Usage: compact_text.py js|css SOURCE TARGET
"""

import re
import sys


def compact_js(text):
    kept = []
    for line in text.split("\n"):
        stripped = line.strip()
        if stripped.startswith("//") and "SPDX-" not in stripped:
            continue
        if stripped:
            kept.append(stripped)
    return "\n".join(kept) + "\n"


def compact_css(text):
    # A comment is never inside a string in this style sheet.
    text = re.sub(r"/\*(?:(?!SPDX-).)*?\*/", "", text, flags=re.S)
    return "\n".join(line.strip() for line in text.split("\n") if line.strip()) + "\n"


def main():
    kind, source, target = sys.argv[1:]
    with open(source, encoding="utf-8") as file:
        text = file.read()
    with open(target, "w", encoding="utf-8") as file:
        file.write(compact_js(text) if kind == "js" else compact_css(text))


if __name__ == "__main__":
    main()
