#!/usr/bin/env python3
"""Draws Zevadar's artwork: background.png, icon_large.png, go.ico and zevadar.ico.

Only the standard library is used, so any machine with python3 can redraw the pictures; the
outputs are committed beside this script and the build itself never runs it.

    python3 resources/make_artwork.py [output folder, default: this script's folder]

Every shape is a signed distance field in pixels (negative inside); a pixel's coverage is read
from the distance at its centre, which anti-aliases all edges, and the field's gradient gives
the bevel light. Colours are composited with premultiplied alpha.
"""

import math
import os
import struct
import sys
import zlib

LIGHT = (-math.sqrt(0.5), -math.sqrt(0.5))  # light falls from the upper left


def clamp(value, low=0.0, high=1.0):
    return low if value < low else high if value > high else value


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def rgb(hex_colour):
    return tuple(int(hex_colour[i:i + 2], 16) / 255.0 for i in (1, 3, 5))


def coverage(distance):
    return clamp(0.5 - distance)


def smooth_min(a, b, k):
    """Union of two fields with a fillet of about k pixels where they meet."""
    h = clamp(0.5 + 0.5 * (b - a) / k)
    return b + (a - b) * h - k * h * (1.0 - h)


def rounded_intersection(a, b, radius):
    """Intersection of two fields with its inner corners rounded at `radius`."""
    a, b = a + radius, b + radius
    return math.hypot(max(a, 0.0), max(b, 0.0)) + min(max(a, b), 0.0) - radius


def gradient(field, x, y, step=0.5):
    dx = field(x + step, y) - field(x - step, y)
    dy = field(x, y + step) - field(x, y - step)
    length = math.hypot(dx, dy) or 1.0
    return dx / length, dy / length


def facing_light(field, x, y):
    nx, ny = gradient(field, x, y)
    return nx * LIGHT[0] + ny * LIGHT[1]


def lit(colour, amount):
    """Brightens toward white for a positive amount, darkens toward black for a negative one."""
    return mix(colour, (1.0, 1.0, 1.0), amount) if amount > 0 else mix(colour, (0, 0, 0), -amount)


def rounded_box(x, y, left, top, right, bottom, radius):
    half_w, half_h = (right - left) / 2 - radius, (bottom - top) / 2 - radius
    qx = abs(x - (left + right) / 2) - half_w
    qy = abs(y - (top + bottom) / 2) - half_h
    return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - radius


def capsule(x, y, ax, ay, bx, by, radius):
    px, py, ex, ey = x - ax, y - ay, bx - ax, by - ay
    t = clamp((px * ex + py * ey) / (ex * ex + ey * ey))
    return math.hypot(px - ex * t, py - ey * t) - radius


def trapezoid(x, y, base_half, top_half, half_height):
    """Symmetric about x = 0; half-width base_half at y = -half_height, top_half at +half_height."""
    x = abs(x)
    ca_x = x - min(x, base_half if y < 0 else top_half)
    ca_y = abs(y) - half_height
    k2x, k2y = top_half - base_half, 2 * half_height
    t = clamp(((top_half - x) * k2x + (half_height - y) * k2y) / (k2x * k2x + k2y * k2y))
    cb_x, cb_y = x - top_half + k2x * t, y - half_height + k2y * t
    sign = -1.0 if cb_x < 0 and ca_y < 0 else 1.0
    return sign * math.sqrt(min(ca_x * ca_x + ca_y * ca_y, cb_x * cb_x + cb_y * cb_y))


class Canvas:
    """Premultiplied RGBA floats, row by row; starts fully transparent."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]

    def paint(self, shader):
        """shader(x, y) at pixel centres returns None or ((r, g, b), alpha), drawn over."""
        for row in range(self.height):
            for column in range(self.width):
                result = shader(column + 0.5, row + 0.5)
                if result is None or result[1] <= 0.0:
                    continue
                (r, g, b), a = result
                pixel = self.pixels[row * self.width + column]
                keep = 1.0 - a
                pixel[0] = r * a + pixel[0] * keep
                pixel[1] = g * a + pixel[1] * keep
                pixel[2] = b * a + pixel[2] * keep
                pixel[3] = a + pixel[3] * keep

    def rgba_rows(self):
        """Straight-alpha 8-bit rows, top row first."""
        rows = []
        for row in range(self.height):
            out = bytearray()
            for pixel in self.pixels[row * self.width:(row + 1) * self.width]:
                alpha = pixel[3]
                for channel in pixel[:3]:
                    out.append(round(clamp(channel / alpha) * 255) if alpha > 0 else 0)
                out.append(round(clamp(alpha) * 255))
            rows.append(bytes(out))
        return rows


# --- Files ---------------------------------------------------------------------------------------

def png_bytes(width, height, rows, channels):
    """A PNG of 8-bit RGB (3 channels) or RGBA (4) rows; each row gets its best filter."""
    def paeth(a, b, c):
        p = a + b - c
        pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
        return a if pa <= pb and pa <= pc else b if pb <= pc else c

    raw = bytearray()
    previous = bytes(width * channels)
    for row in rows:
        candidates = []
        for kind in range(5):
            out = bytearray([kind])
            for i, value in enumerate(row):
                left = row[i - channels] if i >= channels else 0
                up = previous[i]
                up_left = previous[i - channels] if i >= channels else 0
                predictor = (0, left, up, (left + up) // 2, paeth(left, up, up_left))[kind]
                out.append((value - predictor) & 0xFF)
            candidates.append(out)
        raw += min(candidates, key=lambda line: sum(v if v < 128 else 256 - v for v in line[1:]))
        previous = row

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    colour_type = 2 if channels == 3 else 6
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def ico_bytes(canvases):
    """An icon file of 32-bpp images with alpha, each with the AND mask older systems need."""
    images = []
    for canvas in canvases:
        size = canvas.width
        rows = canvas.rgba_rows()[::-1]  # icon bitmaps run bottom-up
        colour = bytearray()
        for row in rows:
            for i in range(0, len(row), 4):
                colour += bytes((row[i + 2], row[i + 1], row[i], row[i + 3]))
        stride = (size + 31) // 32 * 4
        mask = bytearray()
        for row in rows:
            line = bytearray(stride)
            for x in range(size):
                if row[x * 4 + 3] == 0:
                    line[x // 8] |= 0x80 >> (x % 8)
            mask += line
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                             len(colour) + len(mask), 0, 0, 0, 0)
        images.append((size, header + colour + mask))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, data = b"", b""
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
        data += image
    return directory + entries + data


# --- Background ----------------------------------------------------------------------------------

FIELD = rgb("#7EB1E5")
FIELD_EDGE = rgb("#BFD8EF")
BAND = 40.0
PANEL = (174.0, 68.0, 518.0, 313.0)  # outer edges: the outline's pixels are x 174..517, y 68..312
PANEL_RADIUS = 5.0
OUTLINE = rgb("#5E85AC")
INNER_LINE = rgb("#E4EDF6")
SHADOW = rgb("#1E3262")


def draw_background():
    width, height = 530, 360
    canvas = Canvas(width, height)

    def field_glow(distance_to_edge):
        return clamp(1.0 - distance_to_edge / BAND) ** 2

    def shader(x, y):
        glow_x = field_glow(min(x, width - x) - 0.5)
        glow_y = field_glow(min(y, height - y) - 0.5)
        # Combined like two light sources so the corners brighten without diagonal seams.
        colour = mix(FIELD, FIELD_EDGE, 1.0 - (1.0 - glow_x) * (1.0 - glow_y))
        d = rounded_box(x, y, *PANEL, PANEL_RADIUS)
        if d > 0:
            # Soft shadow, a little heavier below the panel, as if lit from above.
            shade = rounded_box(x, y - 1.0, *PANEL, PANEL_RADIUS)
            colour = mix(colour, SHADOW, 0.30 * clamp(1.0 - shade / 4.0) ** 2)
        colour = mix(colour, OUTLINE, coverage(d))
        colour = mix(colour, INNER_LINE, coverage(d + 1.0))
        colour = mix(colour, (1.0, 1.0, 1.0), coverage(d + 2.0))
        return colour, 1.0

    canvas.paint(shader)
    return canvas


# --- Gears ---------------------------------------------------------------------------------------

class Gear:
    """A spur gear with rounded teeth, a raised rim and hub, a bore and optional spokes."""

    def __init__(self, cx, cy, teeth, tip, root, bore, spokes=0, spoke_width=0.0, phase=0.0):
        self.cx, self.cy, self.teeth, self.tip, self.root = cx, cy, teeth, tip, root
        self.bore, self.spokes, self.spoke_width, self.phase = bore, spokes, spoke_width, phase
        self.round = min(1.2, (tip - root) * 0.2)
        self.rim = root - max(2.5, 0.17 * root)
        self.hub = bore + max(2.0, 0.7 * bore)

    def polar(self, x, y, count, phase):
        """Distance from the centre, and the angle from the nearest of `count` repeats."""
        px, py = x - self.cx, y - self.cy
        sector = 2 * math.pi / count
        angle = (math.atan2(py, px) - phase + sector / 2) % sector - sector / 2
        return math.hypot(px, py), angle

    def distance(self, x, y):
        r, angle = self.polar(x, y, self.teeth, self.phase)
        along, across = r * math.cos(angle), r * math.sin(angle)
        base, height = self.root - 1.0, self.tip - (self.root - 1.0)
        arc = self.root * 2 * math.pi / self.teeth
        tooth = trapezoid(across, along - base - height / 2, 0.31 * arc - self.round,
                          0.23 * arc - self.round, height / 2 - self.round) - self.round
        d = smooth_min(r - self.root, tooth, 0.12 * (self.tip - self.root))
        d = max(d, self.bore - r)
        if self.spokes:
            d = max(d, -self.window(x, y))
        return d

    def window(self, x, y):
        """The openings between the spokes, their corners rounded."""
        r, angle = self.polar(x, y, self.spokes, self.phase + math.pi / self.spokes)
        margin = 0.22 * (self.rim - self.hub)
        ring = abs(r - (self.rim + self.hub) / 2) - ((self.rim - self.hub) / 2 - margin)
        # Distance across the nearer of the two spokes that bound this opening.
        spoke = self.spoke_width / 2 - r * math.sin(math.pi / self.spokes - abs(angle))
        return rounded_intersection(ring, spoke, 2.0)

    def web(self, x, y):
        """The recessed ring between the rim and the hub; negative inside."""
        r = math.hypot(x - self.cx, y - self.cy)
        return max(r - self.rim, self.hub - r)

    def shader(self, top, bottom, outline, outline_width=1.2, bevel=3.0, recessed=True):
        def shade(x, y):
            d = self.distance(x, y)
            if d > 0.5:
                return None
            colour = mix(top, bottom, clamp((y - (self.cy - self.tip)) / (2 * self.tip)))
            raised = clamp(1.0 + d / bevel)
            colour = lit(colour, 0.55 * raised * facing_light(self.distance, x, y))
            if recessed:
                w = self.web(x, y)
                if w < 0.5:
                    # A recess: its wall nearest the light lies in shade, the far one is lit.
                    colour = mix(colour, lit(colour, -0.10), coverage(w))
                    wall = clamp(1.0 + w / (0.6 * bevel)) * coverage(w)
                    colour = lit(colour, -0.45 * wall * facing_light(self.web, x, y))
            colour = mix(outline, colour, coverage(d + outline_width))
            return colour, coverage(d)
        return shade


def shadow_of(gear, dx, dy, softness, strength, under):
    """A soft shadow that `gear` casts only onto the shape of `under`."""
    def shade(x, y):
        d = gear.distance(x - dx, y - dy)
        amount = strength * clamp(1.0 - (d + 1.0) / softness) * coverage(under.distance(x, y))
        return ((0.05, 0.1, 0.2), amount) if amount > 0 else None
    return shade


def draw_large_icon():
    canvas = Canvas(128, 128)
    back = Gear(37.0, 37.0, 9, 31.0, 24.0, 6.0, spokes=5, spoke_width=5.0, phase=0.3)
    front = Gear(79.0, 79.0, 14, 46.5, 37.5, 8.5, spokes=5, spoke_width=9.0, phase=0.05)
    canvas.paint(back.shader(rgb("#8CC4F5"), rgb("#2F6DB8"), rgb("#1D4A80")))
    canvas.paint(shadow_of(front, 2.0, 3.0, 6.0, 0.45, back))
    canvas.paint(front.shader(rgb("#F2F3F5"), rgb("#8E959E"), rgb("#575E67")))
    return canvas


def draw_application_icon(size):
    canvas = Canvas(size, size)
    scale = size / 48.0
    gear = Gear(size / 2, size / 2, 8, 23.5 * scale, 16.5 * scale, 5.5 * scale)
    canvas.paint(gear.shader(rgb("#E3EBDD"), rgb("#9DB095"), rgb("#5E7058"),
                             outline_width=1.0, bevel=max(1.5, 3.0 * scale),
                             recessed=size >= 32))
    return canvas


# --- Go button -----------------------------------------------------------------------------------

def draw_go_icon():
    canvas = Canvas(24, 24)
    cx, cy, radius = 12.0, 11.5, 10.5

    def circle(x, y):
        return math.hypot(x - cx, y - cy) - radius

    def ground_shadow(x, y):
        return (0, 0.15, 0), 0.25 * clamp(1.0 - (circle(x, y - 1.0) + 0.5) / 1.8)

    def button(x, y):
        d = circle(x, y)
        colour = mix(rgb("#8FE07D"), rgb("#24912C"), clamp((y - (cy - radius)) / (2 * radius)))
        # Gloss: a pale cap over the upper half, fading downward.
        gloss = clamp(1.0 - (y - (cy - radius)) / radius) * coverage(d + 2.0)
        colour = mix(colour, (1.0, 1.0, 1.0), 0.45 * gloss ** 1.5)
        colour = mix(rgb("#17692A"), colour, coverage(d + 1.0))
        return colour, coverage(d)

    def tick(x, y, dx=0.0, dy=0.0):
        return min(capsule(x - dx, y - dy, 7.0, 12.0, 10.5, 15.5, 1.4),
                   capsule(x - dx, y - dy, 10.5, 15.5, 17.0, 7.5, 1.4))

    canvas.paint(ground_shadow)
    canvas.paint(button)
    canvas.paint(lambda x, y: ((0.0, 0.25, 0.05), 0.45 * coverage(tick(x, y, 0.0, 1.0))))
    canvas.paint(lambda x, y: ((1.0, 1.0, 1.0), coverage(tick(x, y))))
    return canvas


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    background = draw_background()
    opaque_rows = [bytes(b for i, b in enumerate(row) if i % 4 != 3)
                   for row in background.rgba_rows()]
    icon = draw_large_icon()
    outputs = {
        "background.png": png_bytes(background.width, background.height, opaque_rows, 3),
        "icon_large.png": png_bytes(icon.width, icon.height, icon.rgba_rows(), 4),
        "go.ico": ico_bytes([draw_go_icon()]),
        "zevadar.ico": ico_bytes([draw_application_icon(size) for size in (48, 32, 16)]),
    }
    for name, data in outputs.items():
        with open(os.path.join(folder, name), "wb") as file:
            file.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
