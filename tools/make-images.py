#!/usr/bin/env python3

# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Draws the window's two pictures and its icon into src/ui/images/.

The icon comes in the window's two sizes (16 and 32, built into the program)
and in the larger sizes the desktop's icon theme asks for (installed only);
the web edition's manifest has it at 192 and 512 pixels, and once more at 512
as a maskable icon, into src/web/icons/.

The build uses the committed files; run this only to change them
(Debian: apt-get install python3-pil fonts-liberation). The output is the
same on every run: no randomness, fixed fonts, fixed JPEG settings.

The two pictures are drawn as JPEG (the web page's) and kept also as that
JPEG decoded, in BMP, which the window reads without an image plugin and
almost without work at start-up, pixel for pixel what the JPEG gives. Each
is drawn again at two and three times the size (crest@2x.jpg, ...), for
screens of those pixel ratios: the same drawing, not the 1x one enlarged.
"""
import math
import pathlib

from PIL import Image, ImageDraw, ImageFont

OUT = pathlib.Path(__file__).resolve().parent.parent / "src" / "ui" / "images"
WEB_OUT = OUT.parent.parent / "web" / "icons"
FONTS = pathlib.Path("/usr/share/fonts/truetype/liberation")

SKY_TOP = (32, 96, 176)
SKY_BOTTOM = (150, 200, 240)
SUN = (255, 196, 0)
SUN_CORE = (255, 232, 96)
RAY = (255, 150, 0)
NAVY = (20, 40, 110)
WHITE = (255, 255, 255)

# The pictures at 1x, and drawn again for screens of pixel ratio 2 and 3.
PICTURE_SCALES = (1, 2, 3)

# The window uses 32 and 16; the others are for the desktop's icon theme.
ICON_SIZES = (32, 16, 48, 64, 128, 256)


def font(name, size):
    return ImageFont.truetype(str(FONTS / name), size)


def save_picture(image, name):
    # Baseline (not progressive) JFIF, 72 dpi, three colour components.
    jpeg = OUT / name
    image.convert("RGB").save(jpeg, "JPEG", quality=90, optimize=False, progressive=False,
                              dpi=(72, 72), subsampling=0)
    Image.open(jpeg).convert("RGB").save(jpeg.with_suffix(".bmp"), "BMP")


def picture_name(name, scale):
    """Qt's and the browser's naming for a picture drawn for a denser screen: crest@2x.jpg."""
    return name if scale == 1 else name.replace(".jpg", f"@{scale}x.jpg")


class Scaled:
    """The 1x drawing's coordinates on a picture `scale` times as dense.

    A 1x pixel index covers the scaled pixels from index * scale on, so a point
    (a vertex, a line's end, an ellipse's box) goes to the centre of those
    pixels and a filled rectangle's inclusive corners to their first and last.
    At scale 1 every number is passed on as it is, so the 1x pictures come out
    byte for byte as they were drawn before the denser ones existed.
    """

    def __init__(self, scale):
        self.s = scale
        self.offset = (scale - 1) / 2 if scale > 1 else 0

    def p(self, x, y):
        return (x * self.s + self.offset, y * self.s + self.offset)

    def points(self, points):
        return [self.p(x, y) for x, y in points]

    def box(self, x0, y0, x1, y1):
        return [x0 * self.s + self.offset, y0 * self.s + self.offset, x1 * self.s + self.offset,
                y1 * self.s + self.offset]

    def rect(self, x0, y0, x1, y1):
        return [x0 * self.s, y0 * self.s, x1 * self.s + self.s - 1, y1 * self.s + self.s - 1]

    def length(self, value):
        return value * self.s

    def rows(self, first, end):
        """The scaled rows of 1x rows first..end-1, each with its 1x position."""
        for y in range(first * self.s, end * self.s):
            yield y, (y - self.offset) / self.s


def sun(draw, at, cx, cy, radius, rays, ray_length):
    for i in range(rays):
        angle = 2 * math.pi * i / rays
        inner = radius + 2
        outer = radius + ray_length
        draw.line([at.p(cx + inner * math.cos(angle), cy + inner * math.sin(angle)),
                   at.p(cx + outer * math.cos(angle), cy + outer * math.sin(angle))], fill=RAY,
                  width=at.length(2))
    draw.ellipse(at.box(cx - radius, cy - radius, cx + radius, cy + radius), fill=SUN, outline=RAY,
                 width=at.length(1))
    core = radius * 0.55
    draw.ellipse(at.box(cx - core, cy - core, cx + core, cy + core), fill=SUN_CORE)


def crest(scale=1):
    """A small shield: a sun over hills, under a blue chief with three discs."""
    at = Scaled(scale)
    w, h = 72, 94
    image = Image.new("RGB", (w * scale, h * scale), (236, 233, 216))
    draw = ImageDraw.Draw(image)
    shield = [(6, 6), (66, 6), (66, 52), (60, 70), (36, 88), (12, 70), (6, 52)]
    draw.polygon(at.points(shield), fill=(250, 246, 230))
    for y, y1x in at.rows(7, 50):
        t = (y1x - 7) / 43
        colour = tuple(round(a + (b - a) * t) for a, b in zip(SKY_TOP, SKY_BOTTOM))
        draw.line([(7 * scale, y), (65 * scale + scale - 1, y)], fill=colour)
    sun(draw, at, 36, 36, 9, 12, 7)
    draw.polygon(at.points([(7, 50), (22, 40), (36, 50), (50, 42), (65, 50), (65, 52), (59, 69), (36, 87),
                            (13, 69), (7, 52)]), fill=(70, 140, 70))
    draw.polygon(at.points([(13, 69), (36, 58), (59, 69), (36, 87)]), fill=(50, 110, 60))
    draw.rectangle(at.rect(7, 7, 65, 17), fill=NAVY)
    for x in (20, 36, 52):
        draw.ellipse(at.box(x - 3, 9, x + 3, 15), fill=WHITE)
    draw.line(at.points(shield + [shield[0]]), fill=(120, 90, 20), width=at.length(2))
    save_picture(image, picture_name("crest.jpg", scale))


def banner(scale=1):
    """A sun rising behind lettering, and a one-line slogan underneath."""
    at = Scaled(scale)
    w, h = 178, 100
    image = Image.new("RGB", (w * scale, h * scale))
    draw = ImageDraw.Draw(image)
    for y, y1x in at.rows(0, h):
        t = min(1, max(0, y1x / (h - 1)))
        colour = tuple(round(a + (b - a) * t) for a, b in zip(SKY_TOP, SKY_BOTTOM))
        draw.line([(0, y), (w * scale, y)], fill=colour)
    sun(draw, at, 34, 38, 16, 16, 11)
    draw.text((62 * scale, 14 * scale), "Indice", font=font("LiberationSans-BoldItalic.ttf", 26 * scale), fill=WHITE)
    draw.text((64 * scale, 40 * scale), "UV", font=font("LiberationSans-Bold.ttf", 30 * scale), fill=SUN_CORE)
    draw.rectangle([0, 76 * scale, w * scale, h * scale], fill=NAVY)
    draw.text((6 * scale, 80 * scale), "Disfruta el sol con cuidado",
              font=font("LiberationSansNarrow-Regular.ttf", 14 * scale), fill=WHITE)
    save_picture(image, picture_name("banner.jpg", scale))


def icon_image(size):
    """A generic window: grey frame, cyan title bar, white client area."""
    image = Image.new("RGB", (size, size), (0, 0, 0))
    draw = ImageDraw.Draw(image)
    s = size / 32
    # Outlines thicken with the size, so the large icons keep the small ones' look.
    edge = max(1, int(s))
    draw.rectangle([round(1 * s), round(3 * s), round(30 * s), round(28 * s)], fill=(192, 192, 192),
                   outline=(0, 0, 0), width=edge)
    draw.rectangle([round(3 * s), round(5 * s), round(28 * s), round(10 * s)], fill=(0, 255, 255))
    draw.rectangle([round(3 * s), round(12 * s), round(28 * s), round(26 * s)], fill=WHITE, outline=(128, 128, 128),
                   width=edge)
    # Transparent outside the frame, and 16 colours, as desktop icons of this size are.
    mask = Image.new("L", (size, size), 0)
    ImageDraw.Draw(mask).rectangle([round(1 * s), round(3 * s), round(30 * s), round(28 * s)], fill=255)
    paletted = image.quantize(colors=16, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    rgba = paletted.convert("RGBA")
    rgba.putalpha(mask)
    return rgba


def icon(size):
    icon_image(size).save(OUT / f"icon{size}.png", optimize=False)


# The window's button face, which the web manifest also names as the app's colours.
BUTTON_FACE = (240, 240, 240)


def web_icons():
    """The web manifest's icons: the same icon at 192 and 512, and a maskable
    512 whose icon keeps within the central circle every mask leaves (80 % of
    the side), on the window's colour to the edges."""
    WEB_OUT.mkdir(parents=True, exist_ok=True)
    for size in (192, 512):
        icon_image(size).save(WEB_OUT / f"icon-{size}.png", optimize=True)
    side = 512
    inner = 320  # the frame's corners, 191 pixels from the centre, stay inside the 205-pixel circle
    maskable = Image.new("RGBA", (side, side), BUTTON_FACE + (255,))
    drawn = icon_image(inner)
    maskable.alpha_composite(drawn, ((side - inner) // 2, (side - inner) // 2))
    maskable.convert("RGB").quantize(colors=16, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE).save(
        WEB_OUT / "icon-maskable-512.png", optimize=True)


if __name__ == "__main__":
    OUT.mkdir(parents=True, exist_ok=True)
    for scale in PICTURE_SCALES:
        crest(scale)
        banner(scale)
    for size in ICON_SIZES:
        icon(size)
    web_icons()
