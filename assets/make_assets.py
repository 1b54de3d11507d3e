#!/usr/bin/python3
"""Draws the program's pictures: the maker's logo and the core drawing used by the design
report, the header images and side strip of the windows, and the desktop icon.

The images are committed; run this only to change them:

    /usr/bin/python3 assets/make_assets.py [output-folder]

Needs Debian's python3-pil and the DejaVu fonts. Everything is drawn at four times the final
size and scaled down, which gives smooth edges without any anti-aliasing support in the
drawing calls. The output is deterministic, so an unchanged script gives unchanged files.
"""

import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

SCALE = 4

MIDNIGHT_BLUE = (25, 25, 112)
MAROON = (128, 0, 0)
COPPER = (184, 115, 51)
COPPER_LIGHT = (230, 170, 110)
EPOXY = (18, 18, 20)
EPOXY_SHINE = (92, 96, 104)
TOP_FACE = (44, 46, 52)
WHITE = (255, 255, 255)
PANEL_GREY = (224, 224, 224)
STEEL = (70, 96, 150)

FONT_FOLDER = "/usr/share/fonts/truetype/dejavu"


def font(size, bold=True, condensed=False):
    name = "DejaVuSans"
    if condensed:
        name += "Condensed"
    if bold:
        name += "-Bold"
    return ImageFont.truetype(os.path.join(FONT_FOLDER, name + ".ttf"), round(size * SCALE))


class Canvas:
    """A drawing surface in final-size pixel coordinates, kept at SCALE times the size."""

    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.image = Image.new("RGB", (width * SCALE, height * SCALE), background)
        self.draw = ImageDraw.Draw(self.image)

    @staticmethod
    def s(value):
        return round(value * SCALE)

    def box(self, x0, y0, x1, y1):
        return [self.s(x0), self.s(y0), self.s(x1), self.s(y1)]

    def ellipse(self, cx, cy, rx, ry, fill=None, outline=None, width=1.0):
        self.draw.ellipse(self.box(cx - rx, cy - ry, cx + rx, cy + ry), fill=fill,
                          outline=outline, width=max(1, self.s(width)))

    def rectangle(self, x0, y0, x1, y1, fill=None, outline=None, width=1.0):
        self.draw.rectangle(self.box(x0, y0, x1, y1), fill=fill, outline=outline,
                            width=max(1, self.s(width)))

    def line(self, points, fill, width=1.0):
        self.draw.line([(self.s(x), self.s(y)) for x, y in points], fill=fill,
                       width=max(1, self.s(width)))

    def polygon(self, points, fill):
        self.draw.polygon([(self.s(x), self.s(y)) for x, y in points], fill=fill)

    def text(self, x, y, text, typeface, fill, anchor="la"):
        self.draw.text((self.s(x), self.s(y)), text, font=typeface, fill=fill, anchor=anchor)

    def vertical_gradient(self, top, bottom):
        for row in range(self.image.height):
            t = row / max(1, self.image.height - 1)
            colour = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
            self.draw.line([(0, row), (self.image.width, row)], fill=colour)

    def horizontal_gradient(self, left, right):
        for column in range(self.image.width):
            t = column / max(1, self.image.width - 1)
            colour = tuple(round(a + (b - a) * t) for a, b in zip(left, right))
            self.draw.line([(column, 0), (column, self.image.height)], fill=colour)

    def finished(self):
        return self.image.resize((self.width, self.height), Image.LANCZOS)


def arrow(canvas, tip, direction, colour, size=5.0):
    """A filled arrow head at tip, pointing along direction (dx, dy)."""
    dx, dy = direction
    length = math.hypot(dx, dy)
    dx, dy = dx / length, dy / length
    back = (tip[0] - dx * size, tip[1] - dy * size)
    half = size * 0.38
    canvas.polygon([tip, (back[0] - dy * half, back[1] + dx * half),
                    (back[0] + dy * half, back[1] - dx * half)], colour)


def dimension(canvas, start, end, colour, width=1.0):
    """A dimension line with arrow heads at both ends."""
    canvas.line([start, end], colour, width)
    arrow(canvas, end, (end[0] - start[0], end[1] - start[1]), colour)
    arrow(canvas, start, (start[0] - end[0], start[1] - end[1]), colour)


def toroid(canvas, cx, cy, outer, inner, tilt, height, body, shine, windings=0,
           wire=COPPER, wire_light=COPPER_LIGHT):
    """A toroid seen from slightly above: the lower rim, the side wall and the top face with
    its hole, optionally with copper turns wound over the ring."""
    ry_outer = outer * tilt
    ry_inner = inner * tilt
    # Side wall: lower ellipse joined to the upper one.
    canvas.ellipse(cx, cy + height, outer, ry_outer, fill=body)
    canvas.rectangle(cx - outer, cy, cx + outer, cy + height, fill=body)
    # Top face with a soft highlight band.
    canvas.ellipse(cx, cy, outer, ry_outer, fill=shine)
    canvas.ellipse(cx, cy + ry_outer * 0.12, outer * 0.97, ry_outer * 0.9, fill=TOP_FACE)
    # The hole: at this tilt its far inner wall fills it, lit from the front.
    canvas.ellipse(cx, cy, inner, ry_inner, fill=(8, 8, 10))
    canvas.ellipse(cx, cy + ry_inner * 0.3, inner * 0.92, ry_inner * 0.62, fill=(52, 54, 60))
    if windings:
        # Turns on the front half: from the hole over the top face and down the outer wall.
        for k in range(windings):
            angle = math.pi * (0.12 + 0.76 * k / max(1, windings - 1))
            xi = cx - math.cos(angle) * inner
            yi = cy + math.sin(angle) * ry_inner
            xo = cx - math.cos(angle) * outer
            yo = cy + math.sin(angle) * ry_outer
            canvas.line([(xi, yi), (xo, yo), (xo, yo + height)], wire, width=1.6)
            canvas.line([(xi, yi - 0.5), (xo, yo - 0.5)], wire_light, width=0.5)


def save_gif(image, path):
    image.convert("P", palette=Image.ADAPTIVE, colors=255).save(path, optimize=False)


def logo(folder):
    canvas = Canvas(320, 76, WHITE)
    toroid(canvas, 40, 32, 30, 13, 0.42, 11, EPOXY, EPOXY_SHINE, windings=9)
    canvas.text(82, 40, "TORIDYNE", font(38, condensed=True), MIDNIGHT_BLUE, anchor="ls")
    canvas.line([(83, 47), (312, 47)], MAROON, width=2)
    canvas.text(83, 52, "TOROIDAL POWDER CORES", font(10.5), MAROON, anchor="lt")
    save_gif(canvas.finished(), os.path.join(folder, "toridyne_logo.gif"))


def core_drawing(folder):
    """Top view with OD and ID, side view with HT, the coating shown black."""
    canvas = Canvas(300, 175, WHITE)
    ink = MIDNIGHT_BLUE
    label = font(11)

    # Top view: black ring, a glossy rim line, white hole.
    cx, cy, outer, inner = 88, 96, 62, 30
    canvas.ellipse(cx, cy, outer, outer, fill=EPOXY)
    canvas.ellipse(cx - 4, cy - 4, outer - 7, outer - 7, outline=EPOXY_SHINE, width=1.2)
    canvas.ellipse(cx, cy, outer - 3, outer - 3, fill=None, outline=EPOXY, width=3)
    canvas.ellipse(cx, cy, inner, inner, fill=WHITE)
    canvas.ellipse(cx, cy, inner, inner, outline=(70, 70, 74), width=1)
    canvas.line([(cx - 8, cy), (cx + 8, cy)], (150, 150, 150), 0.6)
    canvas.line([(cx, cy - 8), (cx, cy + 8)], (150, 150, 150), 0.6)

    # OD above the ring, with extension lines down to its edges.
    od_y = 20
    canvas.line([(cx - outer, od_y - 4), (cx - outer, cy)], ink, 0.6)
    canvas.line([(cx + outer, od_y - 4), (cx + outer, cy)], ink, 0.6)
    dimension(canvas, (cx - outer, od_y), (cx + outer, od_y), ink)
    canvas.rectangle(cx - 13, od_y - 7, cx + 13, od_y + 7, fill=WHITE)
    canvas.text(cx, od_y, "OD", label, ink, anchor="mm")

    # ID across the hole.
    id_y = cy + 10
    dimension(canvas, (cx - inner, id_y), (cx + inner, id_y), ink)
    canvas.rectangle(cx - 10, id_y - 7, cx + 10, id_y + 7, fill=WHITE)
    canvas.text(cx, id_y, "ID", label, ink, anchor="mm")

    # Side view: the ring seen edge-on, its hole dashed.
    left, right = 196, 250
    top, bottom = cy - outer, cy + outer
    canvas.rectangle(left, top, right, bottom, fill=EPOXY)
    canvas.rectangle(left + 3, top + 3, left + 7, bottom - 3, fill=EPOXY_SHINE)
    # The hole, hidden behind the wall: dashed lines at its edges.
    for y in (cy - inner, cy + inner):
        for x0 in range(left + 3, right - 3, 7):
            canvas.line([(x0, y), (min(x0 + 4, right - 3), y)], (150, 150, 158), 0.9)
    # Projection lines from the top view's edges to the side view.
    for y in (top, bottom):
        canvas.line([(cx + 6, y), (left - 4, y)], (170, 170, 190), 0.5)

    # HT below the side view.
    ht_y = bottom + 9
    canvas.line([(left, bottom + 2), (left, ht_y + 4)], ink, 0.6)
    canvas.line([(right, bottom + 2), (right, ht_y + 4)], ink, 0.6)
    dimension(canvas, (left, ht_y), (right, ht_y), ink)
    canvas.text(right + 6, ht_y, "HT", label, ink, anchor="lm")

    canvas.text(223, 16, "COATED", font(8), MAROON, anchor="mm")
    canvas.text(223, 26, "BLACK EPOXY", font(8), MAROON, anchor="mm")
    save_gif(canvas.finished(), os.path.join(folder, "gapcore.gif"))


def disclaimer_header(folder):
    canvas = Canvas(519, 111, MIDNIGHT_BLUE)
    canvas.horizontal_gradient(MIDNIGHT_BLUE, STEEL)
    toroid(canvas, 62, 46, 44, 19, 0.42, 15, EPOXY, EPOXY_SHINE, windings=11)
    canvas.text(126, 48, "TORIDYNE", font(40, condensed=True), WHITE, anchor="ls")
    canvas.line([(127, 56), (505, 56)], COPPER_LIGHT, width=2)
    canvas.text(127, 62, "PFC Core Designer", font(19), WHITE, anchor="lt")
    canvas.text(127, 87, "Boost inductor design on toroidal powder cores", font(11, bold=False),
                (215, 222, 240), anchor="lt")
    canvas.finished().save(os.path.join(folder, "disclaimer_header.png"), optimize=True)


def window_header(folder):
    canvas = Canvas(202, 54, WHITE)
    canvas.horizontal_gradient(WHITE, (214, 222, 240))
    toroid(canvas, 25, 22, 19, 8, 0.42, 7, EPOXY, EPOXY_SHINE, windings=7)
    canvas.text(52, 28, "TORIDYNE", font(22, condensed=True), MIDNIGHT_BLUE, anchor="ls")
    canvas.line([(53, 33), (196, 33)], MAROON, width=1.2)
    canvas.text(53, 37, "PFC Core Designer", font(10), MAROON, anchor="lt")
    canvas.finished().save(os.path.join(folder, "window_header.png"), optimize=True)


def side_strip(folder):
    canvas = Canvas(35, 400, MIDNIGHT_BLUE)
    canvas.vertical_gradient(MIDNIGHT_BLUE, STEEL)
    for k in range(8):
        cy = 28 + k * 49
        canvas.ellipse(17.5, cy, 12, 12, outline=(150, 170, 215), width=2.4)
        canvas.ellipse(17.5, cy, 5, 5, outline=(110, 130, 190), width=1)
    canvas.line([(33, 0), (33, 400)], COPPER_LIGHT, width=1.2)
    canvas.finished().save(os.path.join(folder, "side_strip.png"), optimize=True)


def icon(folder):
    """The desktop icon: a wound toroid on a rounded blue tile, at 256 and 48 pixels."""
    size = 256
    canvas = Canvas(size, size, MIDNIGHT_BLUE)
    canvas.vertical_gradient(STEEL, MIDNIGHT_BLUE)
    toroid(canvas, 128, 112, 100, 42, 0.5, 38, EPOXY, EPOXY_SHINE, windings=13)
    tile = canvas.finished().convert("RGBA")
    mask = Image.new("L", (size * SCALE, size * SCALE), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, size * SCALE - 1, size * SCALE - 1],
                                           radius=44 * SCALE, fill=255)
    tile.putalpha(mask.resize((size, size), Image.LANCZOS))
    tile.save(os.path.join(folder, "pfc-core-designer.png"), optimize=True)
    tile.resize((48, 48), Image.LANCZOS).save(os.path.join(folder, "pfc-core-designer-48.png"),
                                              optimize=True)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(folder, exist_ok=True)
    logo(folder)
    core_drawing(folder)
    disclaimer_header(folder)
    window_header(folder)
    side_strip(folder)
    icon(folder)


if __name__ == "__main__":
    main()
