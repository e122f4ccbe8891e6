#!/usr/bin/env python3
"""Draws the program's bitmaps and writes them as 24-bit BMP files.

    python3 tools/images/make_bitmaps.py [--check] [folder]

The default folder is resources/bitmaps/ next to this tool. Every picture is
drawn from the code below with plain integer geometry, so the output is the
same byte for byte on every machine; the BMP files in the repository are
this script's output and change only when the drawing does. With --check
nothing is written: the files in the folder are compared with the drawing,
and the exit status is 1 when one differs or is missing.

    picture.bmp      131  refrigeration circuit of a household refrigerator
    logo.bmp         132  the maker's wordmark
    combo_*.bmp      134-137  pieces of the refrigerant selector
    header_*.bmp     138-140  pieces of the results list's column header

The logo, the selector and the header pieces also come at 1.5 and 2 times
their size, for 144 and 192 DPI, drawn at that size: *_150.bmp with the
resource numbers 1132 to 1140 and *_200.bmp with 2132 to 2140
(resources/ResourceIds.h).
"""

import filecmp
import math
import os
import struct
import sys
import tempfile

# ---------------------------------------------------------------------------
# Canvas: a 24-bit image with a few filled primitives. Every shape is filled
# row by row; a pixel belongs to a shape when its centre lies inside.


class Canvas:
    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.pixels = bytearray(bytes(background) * (width * height))

    def span(self, y, left, right, colour):
        """Fills pixels left..right (inclusive) of row y."""
        if y < 0 or y >= self.height:
            return
        left = max(left, 0)
        right = min(right, self.width - 1)
        if right < left:
            return
        start = (y * self.width + left) * 3
        self.pixels[start:start + (right - left + 1) * 3] = bytes(colour) * (right - left + 1)

    def span_float(self, y, x_left, x_right, colour):
        """Fills the pixels of row y whose centres lie in [x_left, x_right]."""
        left = math.ceil(x_left - 0.5)
        right = math.floor(x_right - 0.5)
        self.span(y, left, right, colour)

    def get(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            i = (y * self.width + x) * 3
            self.pixels[i:i + 3] = bytes(colour)

    def rect(self, left, top, right, bottom, colour):
        """Fills the pixels left..right-1, top..bottom-1."""
        for y in range(max(top, 0), min(bottom, self.height)):
            self.span(y, left, right - 1, colour)

    def polygon(self, points, colour):
        """Even-odd filled polygon with float vertices."""
        ys = [p[1] for p in points]
        top = max(math.floor(min(ys)), 0)
        bottom = min(math.ceil(max(ys)), self.height - 1)
        count = len(points)
        for y in range(top, bottom + 1):
            yc = y + 0.5
            crossings = []
            for i in range(count):
                x0, y0 = points[i]
                x1, y1 = points[(i + 1) % count]
                if (y0 <= yc < y1) or (y1 <= yc < y0):
                    crossings.append(x0 + (yc - y0) * (x1 - x0) / (y1 - y0))
            crossings.sort()
            for i in range(0, len(crossings) - 1, 2):
                self.span_float(y, crossings[i], crossings[i + 1], colour)

    def disk(self, cx, cy, radius, colour):
        top = max(math.floor(cy - radius), 0)
        bottom = min(math.ceil(cy + radius), self.height - 1)
        for y in range(top, bottom + 1):
            dy = y + 0.5 - cy
            if abs(dy) > radius:
                continue
            half = math.sqrt(radius * radius - dy * dy)
            self.span_float(y, cx - half, cx + half, colour)

    def ring(self, cx, cy, radius, width, colour):
        """A circle outline of the given stroke width, centred on `radius`."""
        outer = radius + width / 2
        inner = radius - width / 2
        top = max(math.floor(cy - outer), 0)
        bottom = min(math.ceil(cy + outer), self.height - 1)
        for y in range(top, bottom + 1):
            dy = y + 0.5 - cy
            if abs(dy) > outer:
                continue
            half_outer = math.sqrt(outer * outer - dy * dy)
            if inner > 0 and abs(dy) < inner:
                half_inner = math.sqrt(inner * inner - dy * dy)
                self.span_float(y, cx - half_outer, cx - half_inner, colour)
                self.span_float(y, cx + half_inner, cx + half_outer, colour)
            else:
                self.span_float(y, cx - half_outer, cx + half_outer, colour)

    def line(self, x0, y0, x1, y1, width, colour, caps=True):
        """A straight stroke; round caps unless caps is False (square ends)."""
        radius = width / 2
        dx, dy = x1 - x0, y1 - y0
        length = math.hypot(dx, dy)
        if length == 0:
            if caps:
                self.disk(x0, y0, radius, colour)
            return
        nx, ny = -dy / length * radius, dx / length * radius
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny),
                      (x0 - nx, y0 - ny)], colour)
        if caps:
            self.disk(x0, y0, radius, colour)
            self.disk(x1, y1, radius, colour)

    def polyline(self, points, width, colour, closed=False):
        pts = list(points)
        if closed:
            pts.append(pts[0])
        for a, b in zip(pts, pts[1:]):
            self.line(a[0], a[1], b[0], b[1], width, colour)

    def rounded_rect(self, left, top, right, bottom, radius, colour):
        """Filled rectangle [left, right) x [top, bottom) with round corners."""
        for y in range(max(top, 0), min(bottom, self.height)):
            yc = y + 0.5
            inset = 0.0
            if yc < top + radius:
                d = top + radius - yc
                inset = radius - math.sqrt(max(radius * radius - d * d, 0.0))
            elif yc > bottom - radius:
                d = yc - (bottom - radius)
                inset = radius - math.sqrt(max(radius * radius - d * d, 0.0))
            self.span_float(y, left + inset, right - inset, colour)

    def framed_rounded_rect(self, left, top, right, bottom, radius, border, line_colour,
                            fill_colour):
        self.rounded_rect(left, top, right, bottom, radius, line_colour)
        self.rounded_rect(left + border, top + border, right - border, bottom - border,
                          max(radius - border, 0), fill_colour)

    def downsample(self, factor):
        """A new canvas 1/factor the size, each pixel the mean of its block."""
        out = Canvas(self.width // factor, self.height // factor, (0, 0, 0))
        area = factor * factor
        for oy in range(out.height):
            sums = [0] * (out.width * 3)
            for sy in range(oy * factor, oy * factor + factor):
                row = self.pixels[sy * self.width * 3:(sy + 1) * self.width * 3]
                for ox in range(out.width):
                    base = ox * factor * 3
                    for k in range(factor):
                        j = base + k * 3
                        sums[ox * 3] += row[j]
                        sums[ox * 3 + 1] += row[j + 1]
                        sums[ox * 3 + 2] += row[j + 2]
            start = oy * out.width * 3
            out.pixels[start:start + out.width * 3] = bytes(
                (s + area // 2) // area for s in sums)
        return out

    def save_bmp(self, path):
        """Bottom-up 24-bit BMP, rows padded to four bytes, BGR order."""
        row_size = (self.width * 3 + 3) & ~3
        padding = bytes(row_size - self.width * 3)
        image_size = row_size * self.height
        header = struct.pack('<2sIHHI', b'BM', 14 + 40 + image_size, 0, 0, 14 + 40)
        info = struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 24, 0, image_size,
                           2835, 2835, 0, 0)
        rows = []
        for y in range(self.height - 1, -1, -1):
            row = self.pixels[y * self.width * 3:(y + 1) * self.width * 3]
            bgr = bytearray(len(row))
            bgr[0::3] = row[2::3]
            bgr[1::3] = row[1::3]
            bgr[2::3] = row[0::3]
            rows.append(bytes(bgr) + padding)
        with open(path, 'wb') as f:
            f.write(header + info + b''.join(rows))


# ---------------------------------------------------------------------------
# A stroke font of capitals, digits and a few signs, on a grid 4 units wide
# and 6 high (y down). Each glyph is a list of polylines.

GLYPHS = {
    'A': [[(0, 6), (2, 0), (4, 6)], [(0.67, 4), (3.33, 4)]],
    'B': [[(0, 3), (0, 0), (3, 0), (4, 0.8), (4, 2.2), (3, 3), (0, 3), (0, 6), (3, 6),
           (4, 5.1), (4, 3.9), (3, 3)]],
    'C': [[(4, 1), (3, 0), (1, 0), (0, 1), (0, 5), (1, 6), (3, 6), (4, 5)]],
    'D': [[(0, 0), (0, 6), (2.4, 6), (4, 4.4), (4, 1.6), (2.4, 0), (0, 0)]],
    'E': [[(4, 0), (0, 0), (0, 6), (4, 6)], [(0, 3), (3, 3)]],
    'F': [[(4, 0), (0, 0), (0, 6)], [(0, 3), (3, 3)]],
    'G': [[(4, 1), (3, 0), (1, 0), (0, 1), (0, 5), (1, 6), (3, 6), (4, 5), (4, 3.4), (2.4, 3.4)]],
    'H': [[(0, 0), (0, 6)], [(4, 0), (4, 6)], [(0, 3), (4, 3)]],
    'I': [[(2, 0), (2, 6)], [(1, 0), (3, 0)], [(1, 6), (3, 6)]],
    'J': [[(4, 0), (4, 5), (3, 6), (1, 6), (0, 5)]],
    'K': [[(0, 0), (0, 6)], [(4, 0), (0, 4)], [(1.4, 2.6), (4, 6)]],
    'L': [[(0, 0), (0, 6), (4, 6)]],
    'M': [[(0, 6), (0, 0), (2, 3.6), (4, 0), (4, 6)]],
    'N': [[(0, 6), (0, 0), (4, 6), (4, 0)]],
    'O': [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)]],
    'P': [[(0, 6), (0, 0), (3, 0), (4, 1), (4, 2), (3, 3), (0, 3)]],
    'Q': [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)],
          [(2.6, 4.6), (4, 6.2)]],
    'R': [[(0, 6), (0, 0), (3, 0), (4, 1), (4, 2), (3, 3), (0, 3)], [(2, 3), (4, 6)]],
    'S': [[(4, 1), (3, 0), (1, 0), (0, 1), (0, 2), (1, 3), (3, 3), (4, 4), (4, 5), (3, 6),
           (1, 6), (0, 5)]],
    'T': [[(0, 0), (4, 0)], [(2, 0), (2, 6)]],
    'U': [[(0, 0), (0, 5), (1, 6), (3, 6), (4, 5), (4, 0)]],
    'V': [[(0, 0), (2, 6), (4, 0)]],
    'W': [[(0, 0), (1, 6), (2, 2.4), (3, 6), (4, 0)]],
    'X': [[(0, 0), (4, 6)], [(4, 0), (0, 6)]],
    'Y': [[(0, 0), (2, 3), (4, 0)], [(2, 3), (2, 6)]],
    'Z': [[(0, 0), (4, 0), (0, 6), (4, 6)]],
    '0': [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)]],
    '1': [[(1, 1.2), (2, 0), (2, 6)], [(1, 6), (3, 6)]],
    '2': [[(0, 1), (1, 0), (3, 0), (4, 1), (4, 2.2), (0, 6), (4, 6)]],
    '3': [[(0, 1), (1, 0), (3, 0), (4, 1), (4, 2), (3, 3), (1.6, 3)],
          [(3, 3), (4, 4), (4, 5), (3, 6), (1, 6), (0, 5)]],
    '-': [[(0.8, 3.4), (3.2, 3.4)]],
    '+': [[(0.6, 3.2), (3.4, 3.2)], [(2, 1.8), (2, 4.6)]],
    '.': [[(2, 5.8), (2, 5.8)]],
    '/': [[(0.4, 6.4), (3.6, -0.4)]],
    ' ': [],
}

ADVANCE = 5.6  # grid units from one glyph's left edge to the next


def text_width(text, size):
    """Width in pixels of a text set at cap height `size`."""
    unit = size / 6.0
    return (len(text) * ADVANCE - (ADVANCE - 4)) * unit if text else 0


def draw_text(canvas, x, y, text, size, stroke, colour, direction='right'):
    """Draws text with its cap-height box's left-top at (x, y). With
    direction 'up' the text is turned a quarter left and reads bottom to top;
    (x, y) is then the box's left-bottom corner."""
    unit = size / 6.0
    for index, char in enumerate(text):
        origin = index * ADVANCE
        for stroke_points in GLYPHS[char]:
            pts = []
            for gx, gy in stroke_points:
                u = (origin + gx) * unit
                v = gy * unit
                if direction == 'right':
                    pts.append((x + u, y + v))
                else:
                    pts.append((x + v, y - u))
            if len(pts) == 1:
                pts.append(pts[0])
            canvas.polyline(pts, stroke, colour)


# ---------------------------------------------------------------------------
# The refrigeration circuit, 1401 x 1926. Points given to the program
# (picture pixels):  A (1100, 390) heat load entering the evaporator,
# B (1100, 88) evaporating refrigerant in the evaporator's first pass,
# C (1100, 850) condensing refrigerant in the condenser, D (1020, 1700) the
# return gas in the suction line just before the compressor.

WHITE = (255, 255, 255)
INK = (36, 44, 56)            # outlines and texts
PLATE = (226, 236, 248)       # evaporator plate
STEEL = (206, 213, 222)       # compressor shell, drier
LOW = (28, 96, 196)           # low pressure: evaporator, suction line
HIGH = (196, 40, 40)          # high pressure vapour: discharge, condenser
LIQUID = (214, 96, 24)        # high pressure liquid: condenser outlet, drier
COPPER = (150, 82, 30)        # capillary tube
WIRE = (150, 160, 172)        # condenser wires
HEAT = (232, 122, 40)         # heat flow

TUBE = 16          # refrigerant tubes
CAPILLARY = 7      # the capillary tube
OUTLINE = 7        # component outlines
LABEL = 38         # cap height of labels
LABEL_STROKE = 6


def tube_path(canvas, points, width, colour):
    canvas.polyline(points, width, colour)


def arc_points(cx, cy, radius, start_deg, end_deg, steps=24):
    pts = []
    for i in range(steps + 1):
        a = math.radians(start_deg + (end_deg - start_deg) * i / steps)
        pts.append((cx + radius * math.cos(a), cy + radius * math.sin(a)))
    return pts


def serpentine(passes, x_left, x_right, first_leftwards):
    """Points of a serpentine tube with horizontal passes at the given rows,
    joined by half-circle bends at alternating ends."""
    pts = []
    leftwards = first_leftwards
    for i, y in enumerate(passes):
        start, end = (x_right, x_left) if leftwards else (x_left, x_right)
        if i == 0:
            pts.append((start, y))
        pts.append((end, y))
        if i + 1 < len(passes):
            next_y = passes[i + 1]
            radius = (next_y - y) / 2
            cy = y + radius
            if leftwards:
                pts.extend(arc_points(end, cy, radius, 270, 90)[1:])
            else:
                pts.extend(arc_points(end, cy, radius, -90, 90)[1:])
        leftwards = not leftwards
    return pts


def flow_arrow(canvas, x, y, direction, colour, size=22):
    """A filled triangle on a tube pointing in the flow direction."""
    dx, dy = {'right': (1, 0), 'left': (-1, 0), 'up': (0, -1), 'down': (0, 1)}[direction]
    nx, ny = -dy, dx
    tip = (x + dx * size, y + dy * size)
    back_a = (x - dx * size + nx * size, y - dy * size + ny * size)
    back_b = (x - dx * size - nx * size, y - dy * size - ny * size)
    canvas.polygon([tip, back_a, back_b], colour)


def wavy_arrow(canvas, x, y_bottom, y_top, colour):
    """A rising wavy heat arrow ending in a head at y_top."""
    pts = []
    head = 34
    steps = 40
    for i in range(steps + 1):
        y = y_bottom + (y_top + head - y_bottom) * i / steps
        pts.append((x + 12 * math.sin((y - y_bottom) / 60.0 * 2 * math.pi), y))
    canvas.polyline(pts, 9, colour)
    canvas.polygon([(x, y_top), (x - 20, y_top + head + 4), (x + 20, y_top + head + 4)], colour)


def draw_picture():
    c = Canvas(1401, 1926, WHITE)

    # Evaporator: a plate with a serpentine tube, fed at its top-left by the
    # capillary tube; the last pass leaves at the bottom-left into the
    # suction line.
    c.framed_rounded_rect(170, 40, 1232, 306, 18, OUTLINE, INK, PLATE)
    evap_passes = [88, 148, 208, 268]
    evap = [(200, 88)] + serpentine(evap_passes, 240, 1160, False)[1:]
    # the last pass runs leftwards out of the plate
    evap[-1] = (110, 268)
    tube_path(c, evap, TUBE, LOW)
    flow_arrow(c, 700, 88, 'right', INK, 16)
    flow_arrow(c, 700, 268, 'left', INK, 16)

    # Heat load: the cabinet's heat rising into the evaporator.
    for x in (640, 800, 960, 1100):
        wavy_arrow(c, x, 470, 318, HEAT)

    # Condenser: a wire-and-tube condenser, seven passes, fed at the top
    # right by the discharge line.
    cond_passes = [610, 690, 770, 850, 930, 1010, 1090]
    for x in range(352, 1236, 32):
        c.line(x, 592, x, 1108, 4, WIRE, caps=False)
    c.line(340, 590, 1248, 590, 5, WIRE, caps=False)
    c.line(340, 1110, 1248, 1110, 5, WIRE, caps=False)
    cond = [(1300, 610)] + serpentine(cond_passes, 380, 1200, True)
    tube_path(c, cond, TUBE, HIGH)
    for y, direction in zip(cond_passes, ('left', 'right') * 4):
        flow_arrow(c, 790, y, direction, INK, 14)

    # Liquid line from the condenser outlet to the filter drier.
    tube_path(c, [(380, 1090), (300, 1090), (300, 1190)], TUBE, LIQUID)
    # Filter drier: a steel cylinder with a screen inside.
    c.framed_rounded_rect(266, 1180, 334, 1392, 30, OUTLINE, INK, STEEL)
    for y in range(1230, 1350, 22):
        c.line(280, y, 320, y + 14, 4, INK)
    # The capillary leaves the drier's bottom and runs to the suction line.
    tube_path(c, [(300, 1392), (300, 1500), (136, 1500)], CAPILLARY, COPPER)

    # Suction line: from the evaporator outlet down the back of the cabinet
    # and along the bottom to the compressor. The capillary is wound around
    # it on the way up (the heat exchanger): turns behind the suction line
    # first, then the suction line, then the turns in front.
    helix_bottom, helix_top, pitch = 1500, 400, 50
    front, back = [], []
    y = helix_bottom
    while y - pitch >= helix_top:
        front.append(((136, y), (84, y - pitch / 2)))
        back.append(((84, y - pitch / 2), (136, y - pitch)))
        y -= pitch
    for a, b in back:
        c.line(a[0], a[1], b[0], b[1], CAPILLARY - 2, COPPER)
    suction = [(110, 268), (110, 1660)] + arc_points(150, 1660, 40, 180, 90)[1:] + [(1062, 1700)]
    tube_path(c, suction, TUBE + 4, LOW)
    for a, b in front:
        c.line(a[0], a[1], b[0], b[1], CAPILLARY, COPPER)
    # From the top of the winding up to the evaporator inlet, across the
    # outlet (drawn with a white gap: the two tubes do not meet).
    capillary_top = [(136, y), (150, y - 20), (150, 88), (200, 88)]
    c.polyline(capillary_top[1:3], CAPILLARY + 12, WHITE)
    tube_path(c, [(110, 260), (110, 276)], TUBE + 4, LOW)
    tube_path(c, capillary_top, CAPILLARY, COPPER)
    flow_arrow(c, 110, 560, 'down', INK, 16)
    flow_arrow(c, 110, 1300, 'down', INK, 16)
    flow_arrow(c, 620, 1700, 'right', INK, 16)

    # Hermetic compressor: a welded steel shell on its base, suction stub on
    # the left, discharge stub on top, terminal box on the right.
    c.rect(1030, 1862, 1372, 1886, INK)
    for foot in (1070, 1300):
        c.rounded_rect(foot, 1884, foot + 40, 1904, 6, INK)
    c.framed_rounded_rect(1060, 1540, 1340, 1866, 110, OUTLINE, INK, STEEL)
    c.line(1064, 1650, 1336, 1650, 5, INK, caps=False)
    c.framed_rounded_rect(1336, 1690, 1374, 1756, 6, 5, INK, STEEL)
    c.ring(1200, 1760, 52, 6, INK)
    draw_text(c, 1183, 1742, 'M', 36, 6, INK)
    tube_path(c, [(1062, 1700), (1040, 1700)], TUBE + 4, LOW)
    # Discharge line up the right-hand side to the condenser inlet.
    tube_path(c, [(1200, 1540), (1200, 1480), (1300, 1480), (1300, 610)], TUBE, HIGH)
    flow_arrow(c, 1300, 1200, 'up', INK, 16)

    # Labels.
    draw_text(c, 200, 326, 'EVAPORATOR', LABEL, LABEL_STROKE, INK)
    draw_text(c, 250, 404, 'HEAT LOAD', LABEL, LABEL_STROKE, INK)
    draw_text(c, 420, 532, 'CONDENSER', LABEL, LABEL_STROKE, INK)
    draw_text(c, 370, 1268, 'FILTER DRIER', LABEL, LABEL_STROKE, INK)
    draw_text(c, 184, 1450, 'CAPILLARY TUBE', 34, LABEL_STROKE, INK, 'up')
    draw_text(c, 184, 920, 'SUCTION LINE', 34, LABEL_STROKE, INK, 'up')
    draw_text(c, 1336, 1420, 'DISCHARGE LINE', 34, LABEL_STROKE, INK, 'up')
    draw_text(c, 560, 1790, 'COMPRESSOR', LABEL, LABEL_STROKE, INK)

    # Legend: the line colours.
    legend = [(HIGH, 'HIGH PRESSURE VAPOUR'), (LIQUID, 'HIGH PRESSURE LIQUID'),
              (COPPER, 'CAPILLARY TUBE'), (LOW, 'LOW PRESSURE')]
    for i, (colour, text) in enumerate(legend):
        y = 1546 + i * 36
        c.line(400, y + 12, 470, y + 12, TUBE if colour != COPPER else CAPILLARY, colour)
        draw_text(c, 492, y, text, 24, 4, INK)
    return c


# ---------------------------------------------------------------------------
# Sizes. The logo, the selector pieces and the header pieces are drawn at
# three scales: 1 (96 DPI), 3/2 (144 DPI) and 2 (192 DPI). A size of n
# pixels at 96 DPI is n x scale rounded to the nearest pixel, halves up, as
# the program scales its own figures (units/DpiScale.h), so at 144 and 192
# DPI the program draws each piece at its own size. One-pixel lines become
# whole pixels the same way, so they stay crisp; shapes scale smoothly.


class Scale:
    def __init__(self, numerator, denominator, percent):
        self.numerator = numerator
        self.denominator = denominator
        self.percent = percent

    def px(self, pixels):
        """`pixels` at 96 DPI in whole pixels at this scale."""
        return (2 * pixels * self.numerator + self.denominator) // (2 * self.denominator)

    def unit(self, k):
        """One 96-DPI pixel in the pixels of a drawing made k times larger
        (k even, so it is whole at every scale)."""
        return k * self.numerator // self.denominator


SCALES = [Scale(1, 1, 100), Scale(3, 2, 150), Scale(2, 1, 200)]


# ---------------------------------------------------------------------------
# The wordmark, 99 x 26: white letters on the selector blue, drawn at eight
# times the size and averaged down. Its top part lies on the white page and
# its bottom part on the yellow header band, so the rounded corners show
# those colours. The band starts where the program puts it: the logo's top
# is at y = 3 and the band's at y = 16, each scaled on its own.

BLUE = (0, 130, 197)
DARK_BLUE = (6, 79, 190)
YELLOW = (252, 217, 0)


def draw_logo(scale):
    k = 8
    u = scale.unit(k)
    width, height = scale.px(99) * k, scale.px(26) * k
    big = Canvas(width, height, WHITE)
    big.rect(0, (scale.px(16) - scale.px(3)) * k, width, height, YELLOW)
    big.rounded_rect(0, 0, width, height, 6 * u, BLUE)
    # A coil of capillary: a yellow ring with a white dot.
    big.ring(13 * u, 13 * u, 6.5 * u, 2.2 * u, YELLOW)
    big.disk(13 * u, 13 * u, 2.4 * u, WHITE)
    draw_text(big, 26 * u, 6 * u, 'VARNU', 14 * u, 2.6 * u, WHITE)
    return big.downsample(k)


# ---------------------------------------------------------------------------
# Refrigerant selector pieces, 24 pixels high: a frame line at the top and
# bottom in the selector blue with a light inner face; the drop-down button
# is blue with a white arrow, darker and pointing up while the list is open.

FACE = (242, 246, 251)
FRAME = (0, 130, 197)
FRAME_SHADE = (167, 188, 207)


def selector_row_kind(y, height, line):
    """'frame', 'shade' or 'face' for row y of a selector piece."""
    if y < line or y >= height - line:
        return 'frame'
    if y >= height - 2 * line:
        return 'shade'
    return 'face'


def draw_combo_middle(scale):
    line, height = scale.px(1), scale.px(24)
    colours = {'frame': FRAME, 'shade': FRAME_SHADE, 'face': FACE}
    c = Canvas(scale.px(15), height, FACE)
    for y in range(height):
        c.rect(0, y, c.width, y + 1, colours[selector_row_kind(y, height, line)])
    return c


def draw_combo_left(scale):
    line, height = scale.px(1), scale.px(24)
    colours = {'frame': FRAME, 'shade': FRAME_SHADE, 'face': WHITE}
    c = Canvas(scale.px(2), height, FACE)
    c.rect(0, 0, line, height, FRAME)
    for y in range(height):
        c.rect(line, y, c.width, y + 1, colours[selector_row_kind(y, height, line)])
    return c


def draw_combo_button(open_list, scale):
    k = 8
    u = scale.unit(k)
    line, width, height = scale.px(1), scale.px(20), scale.px(24)
    fill = DARK_BLUE if open_list else BLUE
    big = Canvas(width * k, height * k, fill)
    big.rect(0, 0, line * k, height * k, FRAME if not open_list else DARK_BLUE)
    # the arrow in the middle of the face right of the frame line
    cx, cy = (line + width) * k / 2, height * k / 2
    if open_list:
        tri = [(cx - 4.5 * u, cy + 2.2 * u), (cx + 4.5 * u, cy + 2.2 * u), (cx, cy - 2.6 * u)]
    else:
        tri = [(cx - 4.5 * u, cy - 2.2 * u), (cx + 4.5 * u, cy - 2.2 * u), (cx, cy + 2.6 * u)]
    big.polygon(tri, WHITE)
    small = big.downsample(k)
    # crisp edges: a light line at the top, a dark one at the bottom
    light, dark = (117, 166, 204), (0, 44, 112)
    small.rect(0, 0, width, line, light if not open_list else dark)
    small.rect(0, height - line, width, height, dark if not open_list else light)
    return small


# ---------------------------------------------------------------------------
# Column header pieces, 20 pixels high: two lines at the top, the blue face,
# two lines at the bottom.

def header_rows(scale):
    """(first row, end row, part) of a header piece: 'top', 'top2', 'face',
    'bottom2', 'bottom' from the top down."""
    line, height = scale.px(1), scale.px(20)
    return [(0, line, 'top'), (line, 2 * line, 'top2'),
            (2 * line, height - 2 * line, 'face'),
            (height - 2 * line, height - line, 'bottom2'), (height - line, height, 'bottom')]


def draw_header_tile(scale):
    colours = {'top': (117, 166, 204), 'top2': (2, 137, 244), 'face': (0, 130, 197),
               'bottom2': (0, 44, 112), 'bottom': (111, 128, 148)}
    c = Canvas(scale.px(1), scale.px(20), WHITE)
    for top, bottom, part in header_rows(scale):
        c.rect(0, top, c.width, bottom, colours[part])
    return c


def draw_header_left(scale):
    """Left edge of the first column: a light column and a bright one."""
    line, height = scale.px(1), scale.px(20)
    c = Canvas(scale.px(2), height, WHITE)
    for y in range(height):
        if y < line:
            left, right = (168, 200, 226), (140, 190, 238)
        elif y >= height - line:
            left, right = (150, 162, 176), (128, 146, 168)
        else:
            left, right = (79, 155, 211), (0, 128, 241)
        c.rect(0, y, line, y + 1, left)
        c.rect(line, y, c.width, y + 1, right)
    return c


def draw_header_right(scale):
    """Right edge of every column: a shaded column from (0, 122, 237) down to
    (0, 42, 98), and a dark one."""
    line, height = scale.px(1), scale.px(20)
    c = Canvas(scale.px(2), height, WHITE)
    for y in range(height):
        if y < line:
            left, right = (140, 180, 220), (120, 150, 180)
        elif y >= height - line:
            left, right = (140, 152, 168), (130, 142, 158)
        else:
            t = (y - line) / float(height - 2 * line - 1)
            left = (0, round(122 + (42 - 122) * t), round(237 + (98 - 237) * t))
            right = (46, 80, 113)
        c.rect(0, y, line, y + 1, left)
        c.rect(line, y, c.width, y + 1, right)
    return c


def scaled_images():
    """(file name, drawing) of each piece at each scale: name.bmp at 1x,
    name_150.bmp and name_200.bmp at 3/2 and 2."""
    pieces = [
        ('header_tile', draw_header_tile),
        ('header_left', draw_header_left),
        ('header_right', draw_header_right),
        ('combo_middle', draw_combo_middle),
        ('combo_left', draw_combo_left),
        ('combo_button', lambda scale: draw_combo_button(False, scale)),
        ('combo_button_open', lambda scale: draw_combo_button(True, scale)),
        ('logo', draw_logo),
    ]
    images = []
    for scale in SCALES:
        suffix = '' if scale.percent == 100 else '_%d' % scale.percent
        for name, draw in pieces:
            images.append((name + suffix + '.bmp', lambda draw=draw, scale=scale: draw(scale)))
    return images


def main():
    args = sys.argv[1:]
    check = bool(args) and args[0] == '--check'
    if check:
        args = args[1:]
    here = os.path.dirname(os.path.abspath(__file__))
    out = args[0] if args else os.path.join(here, '..', '..', 'resources', 'bitmaps')
    images = scaled_images() + [('picture.bmp', draw_picture)]
    if check:
        differing = []
        for name, draw in images:
            path = os.path.join(out, name)
            with tempfile.TemporaryDirectory() as folder:
                drawn = os.path.join(folder, name)
                draw().save_bmp(drawn)
                same = os.path.exists(path) and filecmp.cmp(drawn, path, shallow=False)
            if not same:
                differing.append(name)
        for name in differing:
            print('differs from the drawing (run make_bitmaps.py):', os.path.join(out, name))
        print('%d of %d bitmaps as drawn' % (len(images) - len(differing), len(images)))
        return 1 if differing else 0
    os.makedirs(out, exist_ok=True)
    for name, draw in images:
        draw().save_bmp(os.path.join(out, name))
        print('wrote', os.path.join(out, name))
    return 0


if __name__ == '__main__':
    sys.exit(main())
