#!/usr/bin/python3

# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Cuts the window's fonts down to the characters the page shows and writes
them as WOFF2 into the folder given (Debian: python3-fonttools, python3-brotli,
fonts-liberation, fonts-urw-base35).

Licences: the Liberation fonts are GPL-2 with the font exception, which lets
a page embed them; their licence asks that a modified copy (a subset is one)
not carry the Red Hat trademark in its names, so the subsets are renamed here.
URW Bookman is AGPL-3 with the font exception; its source is Debian's
fonts-urw-base35 package, and this script is how the subset is made from it.
"""
import pathlib
import sys

from fontTools import subset
from fontTools.pens.recordingPen import DecomposingRecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

LIBERATION = pathlib.Path("/usr/share/fonts/truetype/liberation")
URW = pathlib.Path("/usr/share/fonts/opentype/urw-base35")

# The window draws the design's small sans face with its stand-in narrowed to
# 92 %, which the captions were laid out for; a browser does not narrow a face
# itself, so the page gets narrowed copies.
CONDENSED = 0.92

# name in the page, source file, family, style, width factor
FONTS = [
    ("sans-regular", LIBERATION / "LiberationSans-Regular.ttf", "IUV Sans", "Regular", 1),
    ("sans-bold", LIBERATION / "LiberationSans-Bold.ttf", "IUV Sans", "Bold", 1),
    ("sans-italic", LIBERATION / "LiberationSans-Italic.ttf", "IUV Sans", "Italic", 1),
    ("sans-condensed", LIBERATION / "LiberationSans-Regular.ttf", "IUV Sans Condensed", "Regular", CONDENSED),
    ("sans-condensed-bold", LIBERATION / "LiberationSans-Bold.ttf", "IUV Sans Condensed", "Bold", CONDENSED),
    ("sans-narrow", LIBERATION / "LiberationSansNarrow-Regular.ttf", "IUV Sans Narrow", "Regular", 1),
    ("bookman-light-italic", URW / "URWBookman-LightItalic.otf", "IUV Bookman", "Light Italic", 1),
]

# Printable ASCII and Latin-1: every caption, message and number of the page,
# and what a Spanish keyboard types into a box; then the quotes and the
# ellipsis of the warnings.
CHARACTERS = [*range(0x20, 0x7F), *range(0xA0, 0x100), 0x2026, 0x2013, 0x2014, 0x2018, 0x2019, 0x201C, 0x201D]

# Copyright, licence and its address stay; the names are the page's own.
KEPT_NAMES = {0, 7, 13, 14}


def rename(font, family, style):
    names = font["name"]
    names.names = [record for record in names.names if record.nameID in KEPT_NAMES]
    full = f"{family} {style}"
    postscript = full.replace(" ", "-")
    for name_id, value in ((1, family), (2, style), (3, postscript), (4, full), (6, postscript)):
        names.setName(value, name_id, 3, 1, 0x409)
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [postscript]
        top = cff.topDictIndex[0]
        top.FullName = full
        top.FamilyName = family


def narrow(font, factor):
    """Every glyph and advance scaled horizontally by `factor`; kerning dropped."""
    glyphs = font.getGlyphSet()
    outlines = {}
    for name in font.getGlyphOrder():
        recording = DecomposingRecordingPen(glyphs)
        glyphs[name].draw(recording)
        pen = TTGlyphPen(None)
        recording.replay(TransformPen(pen, (factor, 0, 0, 1, 0, 0)))
        outlines[name] = pen.glyph()
    glyf = font["glyf"]
    metrics = font["hmtx"]
    for name, outline in outlines.items():
        glyf[name] = outline
        outline.recalcBounds(glyf)
        width = metrics[name][0]
        metrics[name] = (round(width * factor), getattr(outline, "xMin", 0))
    for table in ("GPOS", "kern"):
        if table in font:
            del font[table]


def main():
    out = pathlib.Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern", "liga"]
    options.name_IDs = ["*"]
    options.notdef_outline = True
    options.hinting = False
    options.desubroutinize = True
    options.drop_tables += ["FFTM"]  # a font editor's timestamps
    for name, source, family, style, width in FONTS:
        font = TTFont(source)
        subsetter = subset.Subsetter(options)
        subsetter.populate(unicodes=CHARACTERS)
        subsetter.subset(font)
        if width != 1:
            narrow(font, width)
        rename(font, family, style)
        font.flavor = "woff2"
        font.save(out / f"{name}.woff2")


if __name__ == "__main__":
    main()
