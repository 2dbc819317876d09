#!/usr/bin/env python3
"""Writes the program's own pictures (SVG) into assets/pictures/.

Everything is drawn with plain shapes, so the output renders the same with Qt's SVG
renderer (SVG Tiny: no filters, masks or clip paths) and needs no installed font: digits
and letters are stroked skeleton paths.

Run from anywhere: python3 tools/make_pictures.py
"""

import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, os.pardir, "assets", "pictures")

# Wheel geometry: one strip row is 59 pixels high; crisp strips have 68-pixel cells,
# spinning strips 69.2-pixel cells.
CELL_H = 59.0
DIGIT_H = 44.0        # digit height on a drum
DIGIT_STRETCH = 1.15  # drums are wider than tall: widen the glyphs a little
PITCH = 46.0          # distance between neighbouring digits on a drum
STROKE = 17.0         # glyph stroke, in glyph units (glyphs are 100 units high)

# Colour schemes of the drums: integer wheels light on dark, decimal wheels white on red.
SCHEMES = {
    "int": {"ink": "#f6f1e3", "dark": "#060606", "mid": "#1d1d1d", "light": "#343434"},
    "dec": {"ink": "#ffffff", "dark": "#3a0005", "mid": "#7a0a12", "light": "#960e17"},
}

# ---------------------------------------------------------------------------------------
# Glyphs: skeleton paths in a box 100 units high, with their advance width.

GLYPHS = {
    "0": (56, ["M8 30 C8 15 16 8 28 8 C40 8 48 15 48 30 L48 70 C48 85 40 92 28 92 "
               "C16 92 8 85 8 70 Z"]),
    "1": (56, ["M13 25 L32 8 L32 92"]),
    "2": (56, ["M9 28 C9 15 17 8 28 8 C40 8 48 16 48 28 C48 43 37 53 9 92 L49 92"]),
    "3": (56, ["M11 8 L46 8 L25 41 C40 40 49 51 49 66 C49 82 39 92 27 92 "
               "C18 92 11 88 8 81"]),
    "4": (56, ["M38 92 L38 8 L6 65 L51 65"]),
    "5": (56, ["M45 8 L15 8 L12 46 C17 41 22 39 28 39 C41 39 49 50 49 65 "
               "C49 81 40 92 27 92 C18 92 11 88 8 81"]),
    "6": (56, ["M41 8 L14 54", "M7 70 A21 21 0 1 0 49 70 A21 21 0 1 0 7 70 Z"]),
    "7": (56, ["M8 8 L48 8 L21 92"]),
    "8": (56, ["M10 27 A18 19 0 1 0 46 27 A18 19 0 1 0 10 27 Z",
               "M7 69 A21 23 0 1 0 49 69 A21 23 0 1 0 7 69 Z"]),
    "9": (56, ["M15 92 L42 46", "M7 30 A21 21 0 1 0 49 30 A21 21 0 1 0 7 30 Z"]),
    "O": (64, ["M8 31 C8 15 18 8 32 8 C46 8 56 15 56 31 L56 69 C56 85 46 92 32 92 "
               "C18 92 8 85 8 69 Z"]),
    "Q": (64, ["M8 31 C8 15 18 8 32 8 C46 8 56 15 56 31 L56 69 C56 85 46 92 32 92 "
               "C18 92 8 85 8 69 Z", "M38 72 L58 97"]),
    "U": (60, ["M9 8 L9 68 C9 84 17 92 30 92 C43 92 51 84 51 68 L51 8"]),
    "R": (60, ["M10 92 L10 8 L31 8 C44 8 50 16 50 28 C50 41 43 49 31 49 L10 49",
               "M31 49 L51 92"]),
    "V": (58, ["M5 8 L29 92 L53 8"]),
    "E": (54, ["M47 8 L10 8 L10 92 L47 92", "M10 50 L41 50"]),
    "L": (50, ["M10 8 L10 92 L46 92"]),
    "C": (58, ["M50 24 C46 13 39 8 30 8 C16 8 9 20 9 50 C9 80 16 92 30 92 "
               "C39 92 46 87 50 76"]),
    "N": (60, ["M10 92 L10 8 L50 92 L50 8"]),
    "T": (56, ["M4 8 L52 8", "M28 8 L28 92"]),
    "I": (24, ["M12 8 L12 92"]),
    "S": (56, ["M47 21 C43 12 37 8 28 8 C17 8 9 15 9 27 C9 52 48 45 48 71 "
               "C48 84 39 92 28 92 C17 92 10 87 7 78"]),
    "M": (62, ["M9 92 L9 8 L31 64 L53 8 L53 92"]),
    " ": (30, []),
}


def f(v):
    """A number written short, for compact files."""
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def glyph(ch, x, y, height, colour, opacity=1.0, stretch=1.0, stroke=STROKE):
    """One glyph whose box (advance x 100 units) has its top-left corner at (x, y)."""
    _, paths = GLYPHS[ch]
    s = height / 100.0
    op = "" if opacity >= 1.0 else ' stroke-opacity="%s"' % f(opacity)
    out = []
    for d in paths:
        out.append('<path d="%s" transform="translate(%s %s) scale(%s %s)" fill="none" '
                   'stroke="%s" stroke-width="%s" stroke-linecap="round" '
                   'stroke-linejoin="round"%s/>'
                   % (d, f(x), f(y), f(s * stretch), f(s), colour, f(stroke), op))
    return "".join(out)


def glyph_width(ch, height, stretch=1.0):
    return GLYPHS[ch][0] * height / 100.0 * stretch


def text(s, x, y, height, colour, spacing=0.12, stretch=1.0, stroke=STROKE):
    """A line of capital letters starting at (x, y), top of the letter box."""
    out = []
    for ch in s:
        out.append(glyph(ch, x, y, height, colour, stretch=stretch, stroke=stroke))
        x += glyph_width(ch, height, stretch) + spacing * height
    return "".join(out)


def text_width(s, height, spacing=0.12, stretch=1.0):
    return sum(glyph_width(ch, height, stretch) for ch in s) + spacing * height * (len(s) - 1)


def svg(width, height, body, defs="", view=None):
    vb = view or (0, 0, width, height)
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            'width="%s" height="%s" viewBox="%s">\n<defs>%s</defs>\n%s\n</svg>\n'
            % (f(width), f(height), " ".join(f(v) for v in vb), defs, body))


def lin(gid, stops, x2=0, y2=1):
    """A linear gradient (object bounding box), vertical by default."""
    st = "".join('<stop offset="%s" stop-color="%s"%s/>'
                 % (f(o), c, "" if a >= 1 else ' stop-opacity="%s"' % f(a))
                 for o, c, a in stops)
    return ('<linearGradient id="%s" x1="0" y1="0" x2="%s" y2="%s">%s</linearGradient>'
            % (gid, f(x2), f(y2), st))


def rad(gid, stops, cx=0.5, cy=0.5, r=0.5):
    st = "".join('<stop offset="%s" stop-color="%s"%s/>'
                 % (f(o), c, "" if a >= 1 else ' stop-opacity="%s"' % f(a))
                 for o, c, a in stops)
    return ('<radialGradient id="%s" cx="%s" cy="%s" r="%s">%s</radialGradient>'
            % (gid, f(cx), f(cy), f(r), st))


def rect(x, y, w, h, fill, rx=0, extra=""):
    r = ' rx="%s"' % f(rx) if rx else ""
    return ('<rect x="%s" y="%s" width="%s" height="%s"%s fill="%s"%s/>'
            % (f(x), f(y), f(w), f(h), r, fill, extra))


def write(name, content):
    path = os.path.join(OUT, name)
    with open(path, "w", encoding="utf-8", newline="\n") as fh:
        fh.write(content)


# ---------------------------------------------------------------------------------------
# Drums

METAL = [(0, "#30363c", 1), (0.16, "#7d8790", 1), (0.42, "#e9edf0", 1), (0.58, "#c3cad1", 1),
         (0.84, "#69727b", 1), (1, "#22272c", 1)]


def drum_defs():
    d = []
    for key, c in SCHEMES.items():
        d.append(lin("drum_" + key, [(0, c["dark"], 1), (0.22, c["mid"], 1),
                                     (0.5, c["light"], 1), (0.78, c["mid"], 1),
                                     (1, c["dark"], 1)]))
    # Curvature: the drum darkens towards the top and bottom of its window.
    d.append(lin("curve", [(0, "#000000", 0.92), (0.2, "#000000", 0.35),
                           (0.36, "#000000", 0), (0.64, "#000000", 0),
                           (0.8, "#000000", 0.35), (1, "#000000", 0.92)]))
    # The frame's shadow on the drum's left and right ends.
    d.append(lin("sides", [(0, "#000000", 0.75), (0.1, "#000000", 0.2),
                           (0.18, "#000000", 0), (0.82, "#000000", 0),
                           (0.9, "#000000", 0.2), (1, "#000000", 0.75)], x2=1, y2=0))
    d.append(lin("gloss", [(0, "#ffffff", 0), (0.3, "#ffffff", 0.10), (0.42, "#ffffff", 0.02),
                           (1, "#ffffff", 0)]))
    return "".join(d)


def digit_on_drum(d, cx, cy, colour, opacity=1.0):
    """Digit d centred at (cx, cy) on a drum."""
    ch = str(d % 10)
    w = glyph_width(ch, DIGIT_H, DIGIT_STRETCH)
    return glyph(ch, cx - w / 2, cy - DIGIT_H / 2, DIGIT_H, colour, opacity, DIGIT_STRETCH)


def drum_cell(x, w, h, scheme, content):
    """One wheel face: drum, its content, then shading over both."""
    c = SCHEMES[scheme]
    return ('<g transform="translate(%s 0)">' % f(x)
            + rect(0, 0, w, h, "url(#drum_%s)" % scheme)
            + content(w, h, c)
            + rect(0, 0, w, h, "url(#gloss)")
            + rect(0, 0, w, h, "url(#curve)")
            + rect(0, 0, w, h, "url(#sides)")
            + rect(0, 0, 0.8, h, "#000000", extra=' fill-opacity="0.6"')
            + rect(w - 0.8, 0, 0.8, h, "#000000", extra=' fill-opacity="0.6"')
            + "</g>")


def crisp(d):
    def content(w, h, c):
        return digit_on_drum(d, w / 2, h / 2, c["ink"])
    return content


def blurred(d, spread=7.0, copies=7):
    """Digit d smeared vertically, as seen on a turning drum."""
    def content(w, h, c):
        out = []
        for k in range(copies):
            dy = -spread / 2 + spread * k / (copies - 1)
            out.append(digit_on_drum(d, w / 2, h / 2 + dy, c["ink"], 1.6 / copies))
        return "".join(out)
    return content


def clamped_rect(x, y, w, h, bottom, fill, rx, extra):
    """A rectangle cut to the rows 0..bottom (the renderer has no clip paths)."""
    top = max(y, 0.0)
    low = min(y + h, bottom)
    if low - top < 0.5:
        return ""
    return rect(x, top, w, low - top, fill, rx=min(rx, (low - top) / 2), extra=extra)


def spinning(frame):
    """A drum turning too fast to read: smears passing at the frame's phase."""
    def content(w, h, c):
        out = []
        phase = frame * PITCH / 10.0
        for k in range(-2, 3):
            cy = h / 2 + k * PITCH - phase + PITCH / 2
            # Smear of a passing digit: soft stacked bars, no readable shape.
            for j in range(9):
                dy = -15 + 30 * j / 8
                out.append(clamped_rect(w / 2 - 13, cy + dy - 11, 26, 22, h, c["ink"], 10,
                                        ' fill-opacity="0.045"'))
            out.append(clamped_rect(w / 2 - 9, cy - 16, 18, 32, h, c["ink"], 8,
                                    ' fill-opacity="0.07"'))
        # Speed streaks.
        for k in range(7):
            y = (k * 9.0 + frame * 3.7) % (h - 1)
            out.append(rect(w * 0.18, y, w * 0.64, 0.9, c["ink"],
                            extra=' fill-opacity="0.10"'))
        return "".join(out)
    return content


def strip(width, scheme, contents):
    w = width / 10.0
    body = "".join(drum_cell(i * w, w, CELL_H, scheme, contents[i]) for i in range(10))
    return svg(width, CELL_H, body, drum_defs())


def order():
    """Digits in strip order: 1..9, then 0."""
    return [1, 2, 3, 4, 5, 6, 7, 8, 9, 0]


def make_strips():
    write("strip0.svg", strip(692, "dec", [spinning(i) for i in range(10)]))
    write("strip1.svg", strip(692, "dec", [blurred(d) for d in order()]))
    write("strip2.svg", strip(680, "int", [crisp(d) for d in order()]))
    write("strip3.svg", strip(680, "int", [crisp(d) for d in order()]))
    write("strip2_decimal.svg", strip(680, "dec", [crisp(d) for d in order()]))
    blank = lambda w, h, c: ""
    for name, scheme in (("neutro.svg", "int"), ("neutro_decimal.svg", "dec")):
        write(name, svg(68, CELL_H, drum_cell(0, 68, CELL_H, scheme, blank), drum_defs()))


# ---------------------------------------------------------------------------------------
# Metal frame pieces (nominal pixels at 96 dpi: 210 x 885 and 315 x 885 twips).

def screw(cx, cy, r, angle):
    a = math.radians(angle)
    dx, dy = math.cos(a) * r * 0.7, math.sin(a) * r * 0.7
    return ('<circle cx="%s" cy="%s" r="%s" fill="url(#screw)" stroke="#1c2024" '
            'stroke-width="%s"/>' % (f(cx), f(cy), f(r), f(r * 0.18))
            + '<path d="M%s %s L%s %s" stroke="#23282d" stroke-width="%s" '
              'stroke-linecap="round"/>'
            % (f(cx - dx), f(cy - dy), f(cx + dx), f(cy + dy), f(r * 0.32)))


def frame_defs():
    return (lin("metal_h", METAL, x2=1, y2=0) + lin("metal_v", METAL)
            + rad("screw", [(0, "#f4f6f8", 1), (0.55, "#a9b1b9", 1), (1, "#4c535a", 1)],
                  cx=0.35, cy=0.3, r=0.75))


def make_frame():
    w, h = 14, 59
    body = (rect(0, 0, w, h, "url(#metal_h)")
            + rect(0, 0, w, 1.2, "#ffffff", extra=' fill-opacity="0.35"')
            + rect(0, h - 1.2, w, 1.2, "#000000", extra=' fill-opacity="0.45"')
            + rect(w / 2 - 0.5, 9, 1, h - 18, "#000000", extra=' fill-opacity="0.25"')
            + screw(w / 2, 5.5, 2.6, 30) + screw(w / 2, h - 5.5, 2.6, 120))
    write("divider.svg", svg(w, h, body, frame_defs()))

    w = 21
    body = (rect(0, 0, w, h, "url(#metal_h)")
            + rect(1.5, 1.5, w - 3, h - 3, "none",
                   extra=' stroke="#000000" stroke-opacity="0.35" stroke-width="1"')
            + rect(2.5, 2.5, w - 5, h - 5, "none",
                   extra=' stroke="#ffffff" stroke-opacity="0.35" stroke-width="0.8"')
            + screw(w / 2, 8, 3.6, 45) + screw(w / 2, h - 8, 3.6, 160))
    write("endpiece.svg", svg(w, h, body, frame_defs()))


# ---------------------------------------------------------------------------------------
# Play and wait faces: lit push buttons in a metal bezel.

def push_button(name, symbol, lit, hue):
    w = h = 48
    face_on = {"green": ("#c8ffb0", "#39d11f", "#0f6b06"),
               "amber": ("#fff3b0", "#ffb400", "#8a4a00")}[hue]
    face_off = ("#6b716d", "#3a3f3c", "#1a1d1b")
    top, mid, low = face_on if lit else face_off
    defs = (lin("bezel", [(0, "#eef1f4", 1), (0.5, "#8d969f", 1), (1, "#3b4248", 1)])
            + rad("face", [(0, top, 1), (0.55, mid, 1), (1, low, 1)], cx=0.5, cy=0.4,
                  r=0.62)
            + rad("glow", [(0, "#ffffff", 0.55), (1, "#ffffff", 0)], cx=0.5, cy=0.3,
                  r=0.5))
    ink = "#ffffff" if lit else "#8f9692"
    body = [rect(0.5, 0.5, w - 1, h - 1, "url(#bezel)", rx=9),
            rect(3, 3, w - 6, h - 6, "#111416", rx=7),
            rect(5, 5, w - 10, h - 10, "url(#face)", rx=6)]
    if lit:
        body.append(rect(7, 6, w - 14, 16, "url(#glow)", rx=6))
    shadow = ' fill="#000000" fill-opacity="0.35"'
    if symbol == "play":
        tri = "M18 14 L35 24 L18 34 Z"
        body.append('<path d="%s" transform="translate(1 1.2)"%s/>' % (tri, shadow))
        body.append('<path d="%s" fill="%s" stroke="%s" stroke-width="2.5" '
                    'stroke-linejoin="round"/>' % (tri, ink, ink))
    else:
        for x in (16.5, 26.5):
            body.append(rect(x + 1, 14.2, 5, 20, "#000000", rx=1.2,
                             extra=' fill-opacity="0.35"'))
            body.append(rect(x, 13, 5, 20, ink, rx=1.2))
    write(name, svg(w, h, "".join(body), defs))


def make_buttons():
    push_button("playon.svg", "play", True, "green")
    push_button("playoff.svg", "play", False, "green")
    push_button("waiton.svg", "wait", True, "amber")
    push_button("waitoff.svg", "wait", False, "amber")


# ---------------------------------------------------------------------------------------
# Scene figures

def make_angel():
    w, h = 94, 139
    defs = (lin("robe", [(0, "#ffffff", 1), (0.6, "#eef3fb", 1), (1, "#c9d6ea", 1)],
                x2=1, y2=1)
            + lin("wing", [(0, "#ffffff", 1), (1, "#cfdcef", 1)], x2=0, y2=1)
            + rad("halo_glow", [(0, "#fff6c0", 0.9), (1, "#fff6c0", 0)])
            + rad("skin", [(0, "#ffe6cc", 1), (1, "#e7b98f", 1)], cx=0.4, cy=0.4))
    wing_l = ("M44 50 C34 34 20 24 6 24 C3 34 5 46 10 56 C6 60 7 68 13 72 "
              "C12 78 16 84 24 86 C28 92 36 92 42 84 Z")
    feathers_l = ("M10 56 C18 58 26 58 36 56 M13 72 C22 72 30 70 40 66 "
                  "M24 86 C30 84 36 80 42 76 M6 24 C14 34 24 42 38 50")
    body = [
        '<ellipse cx="47" cy="15" rx="26" ry="12" fill="url(#halo_glow)"/>',
        # Wings behind the body.
        '<path d="%s" fill="url(#wing)" stroke="#8ea5c2" stroke-width="1.2" '
        'stroke-linejoin="round"/>' % wing_l,
        '<path d="%s" fill="none" stroke="#a7bad3" stroke-width="1"/>' % feathers_l,
        '<g transform="translate(94 0) scale(-1 1)">'
        '<path d="%s" fill="url(#wing)" stroke="#8ea5c2" stroke-width="1.2" '
        'stroke-linejoin="round"/>' % wing_l
        + '<path d="%s" fill="none" stroke="#a7bad3" stroke-width="1"/></g>' % feathers_l,
        # Robe with folds.
        '<path d="M38 42 C32 66 24 104 16 134 C34 138 60 138 78 134 C70 104 62 66 56 42 Z" '
        'fill="url(#robe)" stroke="#9fb0c8" stroke-width="1.2" stroke-linejoin="round"/>',
        '<path d="M42 70 C40 92 36 112 32 134 M52 70 C54 92 58 112 62 134 M47 74 L47 136" '
        'fill="none" stroke="#b8c6da" stroke-width="1.1"/>',
        '<path d="M40 84 C44 82 50 82 54 84" fill="none" stroke="#e3c46a" '
        'stroke-width="2.2" stroke-linecap="round"/>',
        # Sleeves meeting at the praying hands.
        '<path d="M38 46 C30 56 34 68 46 70 L48 64 C42 62 40 56 42 50 Z" fill="#f4f7fc" '
        'stroke="#9fb0c8" stroke-width="1"/>',
        '<path d="M56 46 C64 56 60 68 48 70 L46 64 C52 62 54 56 52 50 Z" fill="#f4f7fc" '
        'stroke="#9fb0c8" stroke-width="1"/>',
        '<path d="M47 56 C44 60 44 65 47 68 C50 65 50 60 47 56 Z" fill="url(#skin)" '
        'stroke="#c99570" stroke-width="0.8"/>',
        # Head and hair.
        '<circle cx="47" cy="32" r="10" fill="url(#skin)" stroke="#c99570" '
        'stroke-width="0.8"/>',
        '<path d="M37 31 C36 22 42 19 47 19 C53 19 58 22 57 31 C55 26 52 24 47 25 '
        'C42 24 39 26 37 31 Z" fill="#f0c24e" stroke="#c9952a" stroke-width="0.8"/>',
        '<path d="M43 34 Q44 35.5 45 34 M49 34 Q50 35.5 51 34 M44.5 38 Q47 39.6 49.5 38" '
        'fill="none" stroke="#8a5a3c" stroke-width="0.9" stroke-linecap="round"/>',
        # Halo.
        '<ellipse cx="47" cy="15" rx="12" ry="3.6" fill="none" stroke="#ffc928" '
        'stroke-width="2.6"/>',
    ]
    write("anjo.svg", svg(w, h, "".join(body), defs))


def spoked_wheel(cx, cy, r, spokes=10):
    out = ['<circle cx="%s" cy="%s" r="%s" fill="#1a1a1a"/>' % (f(cx), f(cy), f(r)),
           '<circle cx="%s" cy="%s" r="%s" fill="#e9dfc4"/>' % (f(cx), f(cy), f(r * 0.72))]
    for k in range(spokes):
        a = math.pi * 2 * k / spokes
        out.append('<path d="M%s %s L%s %s" stroke="#7a1616" stroke-width="%s"/>'
                   % (f(cx), f(cy), f(cx + math.cos(a) * r * 0.7),
                      f(cy + math.sin(a) * r * 0.7), f(r * 0.1)))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="#c99a2e" stroke="#6b4f12" '
               'stroke-width="0.6"/>' % (f(cx), f(cy), f(r * 0.2)))
    return "".join(out)


def make_car():
    w, h = 100, 50
    defs = (lin("paint", [(0, "#c23a2c", 1), (0.5, "#8e1b1b", 1), (1, "#4d0b0b", 1)])
            + lin("brass", [(0, "#f7df8b", 1), (0.5, "#c99a2e", 1), (1, "#7a5a14", 1)],
                  x2=1, y2=0)
            + lin("glass", [(0, "#d8ecf7", 1), (1, "#7fa6bf", 1)]))
    body = [
        '<ellipse cx="52" cy="48" rx="44" ry="2" fill="#000000" fill-opacity="0.25"/>',
        # Folded black top and cabin.
        '<path d="M16 10 L44 8 L48 22 L18 24 Z" fill="#1f1f1f"/>',
        '<path d="M20 14 L42 12.5 L44 22 L21 22.5 Z" fill="url(#glass)" stroke="#111" '
        'stroke-width="0.8"/>',
        '<path d="M31 13 L32 22.5" stroke="#1f1f1f" stroke-width="1.5"/>',
        # Body: cabin, bonnet, tail.
        '<path d="M8 24 L50 22 L84 20 L86 34 L10 36 Q6 34 8 24 Z" fill="url(#paint)" '
        'stroke="#3a0808" stroke-width="0.8" stroke-linejoin="round"/>',
        '<path d="M52 22.5 L52 34" stroke="#3a0808" stroke-width="0.8"/>',
        '<path d="M58 24 L80 23 M58 27 L80 26 M58 30 L80 29" stroke="#5e1010" '
        'stroke-width="0.7"/>',
        '<path d="M40 24 L40 33" stroke="#3a0808" stroke-width="0.7"/>',
        '<circle cx="38" cy="28" r="0.9" fill="#c99a2e"/>',
        # Radiator, lamp, steering wheel.
        rect(84, 16, 6, 19, "url(#brass)", rx=1.2, extra=' stroke="#5a410c" '
             'stroke-width="0.6"'),
        '<path d="M85.5 19 L88.5 19 M85.5 22 L88.5 22 M85.5 25 L88.5 25 M85.5 28 L88.5 28 '
        'M85.5 31 L88.5 31" stroke="#7a5a14" stroke-width="0.6"/>',
        '<circle cx="93" cy="22" r="3.2" fill="url(#brass)" stroke="#5a410c" '
        'stroke-width="0.6"/>',
        '<circle cx="94" cy="22" r="1.8" fill="#fff8d0"/>',
        '<path d="M46 13 L50 21" stroke="#1a1a1a" stroke-width="1.4"/>',
        # Fenders and running board.
        '<path d="M6 40 C8 28 30 26 34 36 L70 36 C72 26 92 26 95 38 L95 40 L88 40 '
        'C86 32 72 32 70 40 L34 40 C32 32 16 32 14 40 Z" fill="#151515"/>',
        rect(32, 36, 40, 2.5, "#2b2b2b", rx=1),
        spoked_wheel(24, 40, 9), spoked_wheel(79, 40, 9),
    ]
    write("auto.svg", svg(w, h, "".join(body), defs))


def make_police(name, red_lit):
    w, h = 100, 67
    defs = (lin("pbody", [(0, "#ffffff", 1), (0.7, "#e4e9ee", 1), (1, "#aeb7c0", 1)])
            + lin("pdark", [(0, "#3b4148", 1), (1, "#0f1215", 1)])
            + lin("pglass", [(0, "#d5ecfa", 1), (1, "#5f8aa6", 1)])
            + rad("red_glow", [(0, "#ff3b30", 0.85), (0.4, "#ff1a10", 0.35),
                               (1, "#ff0000", 0)])
            + rad("blue_glow", [(0, "#3b8bff", 0.85), (0.4, "#1a5cff", 0.35),
                                (1, "#0040ff", 0)]))
    red = "#ff2a22" if red_lit else "#5a1010"
    blue = "#2f7bff" if not red_lit else "#12214f"
    glow = ('<circle cx="43" cy="12" r="20" fill="url(#red_glow)"/>' if red_lit
            else '<circle cx="57" cy="12" r="20" fill="url(#blue_glow)"/>')
    body = [
        '<ellipse cx="50" cy="64" rx="46" ry="2.4" fill="#000000" fill-opacity="0.25"/>',
        glow,
        # Light bar on the roof.
        rect(33, 14, 34, 3, "#2a2e33", rx=1),
        rect(35, 9, 15, 6, red, rx=2.5, extra=' stroke="#111" stroke-width="0.6"'),
        rect(50, 9, 15, 6, blue, rx=2.5, extra=' stroke="#111" stroke-width="0.6"'),
        rect(37 if red_lit else 52, 10, 6, 1.8, "#ffffff", rx=0.9,
             extra=' fill-opacity="0.7"'),
        # Roof and windows; the car drives to the left, nose on the left.
        '<path d="M24 36 L32 19 L70 19 L80 36 Z" fill="url(#pbody)" stroke="#4a5259" '
        'stroke-width="0.9" stroke-linejoin="round"/>',
        '<path d="M28 35 L34.5 22 L50 22 L50 35 Z" fill="url(#pglass)" stroke="#263038" '
        'stroke-width="0.7"/>',
        '<path d="M53 35 L53 22 L68 22 L75 35 Z" fill="url(#pglass)" stroke="#263038" '
        'stroke-width="0.7"/>',
        # Lower body: black bonnet and boot, white doors.
        '<path d="M3 40 C3 37 8 35.5 22 35 L80 35 C92 35.5 97 37 97 41 L97 50 '
        'C97 53 95 54 92 54 L8 54 C5 54 3 53 3 50 Z" fill="url(#pdark)" '
        'stroke="#0b0d0f" stroke-width="0.8"/>',
        '<path d="M26 35.2 L78 35.2 L78 53.8 L26 53.8 Z" fill="url(#pbody)"/>',
        '<path d="M51.5 36 L51.5 53.5 M26 36 L26 53.5 M78 36 L78 53.5" stroke="#4a5259" '
        'stroke-width="0.8"/>',
        rect(26, 44, 52, 3.4, "#1f4fbf"),
        # Badge on the front door.
        '<path d="M38.5 37.5 L39.7 40.2 L42.6 40.4 L40.3 42.2 L41.1 45 L38.5 43.4 '
        'L35.9 45 L36.7 42.2 L34.4 40.4 L37.3 40.2 Z" fill="#f2c230" stroke="#8a6a10" '
        'stroke-width="0.4"/>',
        '<path d="M31 39 L34 39 M56 39 L59 39" stroke="#59626b" stroke-width="1.2" '
        'stroke-linecap="round"/>',
        # Lamps and bumpers.
        rect(3, 39, 5, 3.2, "#fff6c2", rx=1.2, extra=' stroke="#8a8f55" '
             'stroke-width="0.4"'),
        rect(93, 39, 4, 3.4, "#d4211a", rx=1.2),
        rect(1.5, 49, 9, 3, "#9aa3ab", rx=1.2),
        rect(90, 49, 8.5, 3, "#9aa3ab", rx=1.2),
    ]
    for cx in (21, 80):
        body.append('<circle cx="%d" cy="54" r="9" fill="#111"/>' % cx)
        body.append('<circle cx="%d" cy="54" r="5.2" fill="#b9c1c8" stroke="#50575e" '
                    'stroke-width="0.8"/>' % cx)
        body.append('<circle cx="%d" cy="54" r="1.6" fill="#50575e"/>' % cx)
    write(name, svg(w, h, "".join(body), defs))


# ---------------------------------------------------------------------------------------
# Tool panel icons (botao(0..9)): what each command does, readable at 24 to 40 pixels.

def icon(name, w, h, body, defs=""):
    write(name, svg(w, h, body, defs, view=(0, 0, 64 * w / h if w > h else 64,
                                            64 if w > h else 64 * h / w)))


FOLDER_DEFS = (lin("folder_back", [(0, "#e2a72e", 1), (1, "#b27712", 1)])
               + lin("folder_front", [(0, "#ffd866", 1), (1, "#f0b22a", 1)]))


def folder(x, y, w, h):
    return ('<path d="M%s %s L%s %s L%s %s L%s %s L%s %s L%s %s Z" fill="url(#folder_back)" '
            'stroke="#7a4f08" stroke-width="1.5" stroke-linejoin="round"/>'
            % (f(x), f(y + 4), f(x + w * 0.36), f(y + 4), f(x + w * 0.44), f(y + 10),
               f(x + w), f(y + 10), f(x + w), f(y + h), f(x), f(y + h))
            + '<path d="M%s %s L%s %s L%s %s L%s %s Z" fill="url(#folder_front)" '
              'stroke="#7a4f08" stroke-width="1.5" stroke-linejoin="round"/>'
            % (f(x + w * 0.12), f(y + 18), f(x + w + 4), f(y + 18), f(x + w), f(y + h),
               f(x), f(y + h)))


def back_arrow():
    defs = lin("arrow", [(0, "#6fc3ff", 1), (1, "#1667c9", 1)])
    body = ('<circle cx="32" cy="32" r="30" fill="#eef4fa" stroke="#1b4f8a" '
            'stroke-width="2.5"/>'
            '<path d="M44 46 C52 36 48 20 34 19 L27 19 L27 11 L12 23 L27 35 L27 27 L34 27 '
            'C42 28 44 38 38 46 Z" fill="url(#arrow)" stroke="#0d3f7a" stroke-width="2" '
            'stroke-linejoin="round"/>')
    return body, defs


def document_with_pencil(header):
    defs = (lin("paper", [(0, "#ffffff", 1), (1, "#dfe5ea", 1)])
            + lin("pencil", [(0, "#ffd34d", 1), (1, "#e08e00", 1)], x2=1, y2=0))
    body = ('<path d="M10 4 L38 4 L50 16 L50 60 L10 60 Z" fill="url(#paper)" '
            'stroke="#3d4a56" stroke-width="2" stroke-linejoin="round"/>'
            '<path d="M38 4 L38 16 L50 16" fill="#c8d2db" stroke="#3d4a56" '
            'stroke-width="2" stroke-linejoin="round"/>'
            + rect(15, 9, 20, 5, header, rx=1)
            + '<path d="M16 24 L44 24 M16 31 L44 31 M16 38 L36 38 M16 45 L30 45" '
              'stroke="#7d8b97" stroke-width="2.4" stroke-linecap="round"/>'
              '<g transform="translate(-7 1) rotate(45 44 40)">'
            + rect(40, 14, 9, 34, "url(#pencil)", extra=' stroke="#6b4300" '
                   'stroke-width="1.2"')
            + rect(40, 10, 9, 5, "#e88a9a", extra=' stroke="#6b4300" stroke-width="1.2"')
            + '<path d="M40 48 L44.5 58 L49 48 Z" fill="#f3d7a8" stroke="#6b4300" '
              'stroke-width="1.2" stroke-linejoin="round"/>'
              '<path d="M43 54.5 L44.5 58 L46 54.5 Z" fill="#333"/></g>')
    return body, defs


def make_tool_icons():
    # 0: open the incidence list: a folder with a list sheet.
    body = (folder(6, 8, 64, 42)
            + rect(20, 9, 34, 22, "#ffffff", extra=' stroke="#5b6670" stroke-width="1.2"')
            + '<path d="M25 15 L49 15 M25 20 L49 20 M25 25 L42 25" stroke="#8593a0" '
              'stroke-width="1.8"/>'
            + '<path d="M%s %s L%s %s L%s %s L%s %s Z" fill="url(#folder_front)" '
              'stroke="#7a4f08" stroke-width="1.5" stroke-linejoin="round"/>'
            % (f(6 + 64 * 0.12), f(26), f(74), f(26), f(70), f(50), f(6), f(50)))
    icon("botao0.svg", 36, 29, body, FOLDER_DEFS)

    # 1: leave the program: an open door in its frame, an arrow going out through it.
    defs = (lin("doorway", [(0, "#1d232b", 1), (1, "#3a4450", 1)])
            + lin("door", [(0, "#b87a3e", 1), (1, "#7a4a1c", 1)], x2=1, y2=0))
    body = (rect(14, 4, 32, 56, "#d9dee3", extra=' stroke="#4a5560" stroke-width="2"')
            + rect(18, 8, 24, 50, "url(#doorway)")
            + '<path d="M18 8 L30 12 L30 62 L18 58 Z" fill="url(#door)" stroke="#4a2a0c" '
              'stroke-width="1.6" stroke-linejoin="round"/>'
              '<circle cx="27" cy="36" r="1.8" fill="#f3d27a" stroke="#4a2a0c" '
              'stroke-width="0.8"/>'
              '<path d="M34 33 L58 33 M50 25 L58 33 L50 41" fill="none" stroke="#2fae4a" '
              'stroke-width="5" stroke-linecap="round" stroke-linejoin="round"/>'
            + rect(8, 58, 44, 3, "#4a5560", rx=1))
    icon("botao1.svg", 32, 32, body, defs)

    # 2 and 7: close a panel: a curved arrow going back.
    body, defs = back_arrow()
    icon("botao2.svg", 24, 24, body, defs)
    icon("botao7.svg", 24, 24, body, defs)

    # 3: reset the counter: a small stop square.
    defs = lin("stop", [(0, "#ff6b5e", 1), (1, "#b3120a", 1)])
    body = (rect(2, 2, 86, 60, "#e7ebef", rx=9, extra=' stroke="#59636d" stroke-width="2"')
            + rect(30, 16, 30, 30, "url(#stop)", rx=3,
                   extra=' stroke="#5c0904" stroke-width="2"')
            + rect(34, 19, 22, 7, "#ffffff", rx=2, extra=' fill-opacity="0.35"'))
    icon("botao3.svg", 35, 25, body, defs)

    # 4: about: a framed portrait.
    defs = (lin("gilt", [(0, "#fbe7a1", 1), (0.5, "#d2a23a", 1), (1, "#8a6314", 1)],
                x2=1, y2=1)
            + lin("sky", [(0, "#bfe0f5", 1), (1, "#6fa7cf", 1)]))
    body = (rect(3, 3, 61, 58, "url(#gilt)", rx=3, extra=' stroke="#5e430c" '
                 'stroke-width="1.5"')
            + rect(11, 10, 45, 44, "url(#sky)", extra=' stroke="#5e430c" stroke-width="1"')
            + '<circle cx="33.5" cy="27" r="8.5" fill="#f1c9a0" stroke="#7a4a2a" '
              'stroke-width="1.2"/>'
              '<path d="M25 25 C25 17 30 15 33.5 15 C38 15 42 17 42 25 C39 21 36 20 33.5 21 '
              'C31 20 28 21 25 25 Z" fill="#5a3a1e"/>'
              '<path d="M15 54 C16 42 24 37 33.5 37 C43 37 51 42 52 54 Z" fill="#2d4f8a" '
              'stroke="#182c52" stroke-width="1.2"/>'
              '<path d="M29 37 L33.5 45 L38 37" fill="#ffffff" stroke="#182c52" '
              'stroke-width="1"/>')
    icon("botao4.svg", 43, 41, body, defs)

    # 5 and 9: edit a data file: a document with a pencil (homicides file marked red).
    body, defs = document_with_pencil("#2e6fd1")
    icon("botao5.svg", 32, 32, body, defs)
    body, defs = document_with_pencil("#c62828")
    icon("botao9.svg", 32, 32, body, defs)

    # 6: the tool panel: a folder with a wrench and a screwdriver.
    defs = FOLDER_DEFS + lin("steel", [(0, "#f1f4f6", 1), (1, "#7c8790", 1)], x2=1, y2=0)
    wrench = ('<g transform="translate(22 14) rotate(-28)">'
              + rect(-3, 4, 6, 34, "url(#steel)", rx=2,
                     extra=' stroke="#39424a" stroke-width="1.2"')
              + '<path d="M-3 -1.42 L-3 5 L3 5 L3 -1.42 A8 8 0 1 1 -3 -1.42 Z" '
                'transform="translate(0 -2)" fill="url(#steel)" stroke="#39424a" '
                'stroke-width="1.2" stroke-linejoin="round"/></g>')
    driver = ('<g transform="translate(44 8) rotate(28)">'
              + rect(-2, 14, 4, 26, "url(#steel)", extra=' stroke="#39424a" '
                     'stroke-width="1"')
              + rect(-4.5, -2, 9, 18, "#d8322a", rx=3,
                     extra=' stroke="#6a0f0b" stroke-width="1.2"')
              + rect(-2.5, 0, 2, 14, "#ffffff", rx=1, extra=' fill-opacity="0.35"')
              + '</g>')
    body = (folder(4, 12, 52, 46) + wrench + driver
            + '<path d="M%s %s L%s %s L%s %s L%s %s Z" fill="url(#folder_front)" '
              'stroke="#7a4f08" stroke-width="1.5" stroke-linejoin="round"/>'
            % (f(4 + 52 * 0.12), f(36), f(60), f(36), f(56), f(58), f(4), f(58)))
    icon("botao6.svg", 32, 32, body, defs)

    # 8: the distribution editor: a bar chart of the day with a clock.
    defs = lin("bar", [(0, "#7fd36b", 1), (1, "#2f8a1c", 1)])
    bars = [10, 6, 5, 8, 14, 20, 24, 18, 15, 22, 28, 16]
    body = rect(2, 2, 69, 60, "#ffffff", rx=4, extra=' stroke="#3d4a56" stroke-width="2"')
    for i, v in enumerate(bars):
        body += rect(8 + i * 5, 54 - v * 1.5, 4, v * 1.5, "url(#bar)")
    body += ('<path d="M7 55 L67 55" stroke="#3d4a56" stroke-width="1.6"/>'
             '<circle cx="57" cy="15" r="9.5" fill="#fff8e0" stroke="#3d4a56" '
             'stroke-width="2"/>'
             '<path d="M57 9 L57 15 L61.5 17.5" fill="none" stroke="#c62828" '
             'stroke-width="2" stroke-linecap="round"/>')
    icon("botao8.svg", 37, 32, body, defs)


# ---------------------------------------------------------------------------------------
# Captions, cover, splash reel and program icon

def caption(name, word):
    hgt = 20.0
    tw = text_width(word, hgt, 0.16)
    w = tw + 16
    h = hgt + 12
    defs = lin("plate", [(0, "#3a4047", 1), (1, "#15181b", 1)])
    body = (rect(0.5, 0.5, w - 1, h - 1, "url(#plate)", rx=4,
                 extra=' stroke="#8d969f" stroke-width="1"')
            + text(word, 8, 6, hgt, "#ffcf3f", 0.16))
    write(name, svg(w, h, body, defs))


def make_cover():
    w, h = 640, 96
    defs = (lin("slat", [(0, "#dfe4e8", 1), (0.45, "#a9b2ba", 1), (0.55, "#8e98a1", 1),
                         (1, "#59626b", 1)])
            + lin("plate", [(0, "#2a2f35", 1), (1, "#0c0e10", 1)])
            + lin("rail", METAL)
            + rad("screw", [(0, "#f4f6f8", 1), (0.55, "#a9b1b9", 1), (1, "#4c535a", 1)],
                  cx=0.35, cy=0.3, r=0.75))
    body = [rect(0, 0, w, h, "#3c434a")]
    for k in range(8):
        body.append(rect(4, 4 + k * 10.5, w - 8, 10, "url(#slat)"))
        body.append(rect(4, 4 + k * 10.5 + 9.3, w - 8, 0.7, "#1d2125"))
    body.append(rect(4, 88, w - 8, 6, "url(#rail)"))
    body.append(rect(w / 2 - 20, 89.5, 40, 3, "#23282d", rx=1.5))
    title = "QUORVEL COUNTER"
    th = 34.0
    tw = text_width(title, th, 0.14)
    pw, ph = tw + 60, th + 22
    px, py = (w - pw) / 2, (88 - ph) / 2 + 2
    body.append(rect(px, py, pw, ph, "url(#plate)", rx=6,
                     extra=' stroke="#c3cad1" stroke-width="2"'))
    for sx in (px + 12, px + pw - 12):
        body.append(screw(sx, py + ph / 2, 4.5, 35))
    body.append(text(title, px + 30 + 1.2, py + 11 + 1.5, th, "#000000", 0.14))
    body.append(text(title, px + 30, py + 11, th, "#f6f1e3", 0.14))
    write("cover.svg", svg(w, h, "".join(body), defs))


def window_frame(w, h, windows, radius=0):
    """A metal plate of size w x h with rectangular holes for the drums."""
    r = radius
    d = ("M%s 0 L%s 0 A%s %s 0 0 1 %s %s L%s %s A%s %s 0 0 1 %s %s L%s %s "
         "A%s %s 0 0 1 0 %s L0 %s A%s %s 0 0 1 %s 0 Z"
         % (f(r), f(w - r), f(r), f(r), f(w), f(r), f(w), f(h - r), f(r), f(r), f(w - r),
            f(h), f(r), f(h), f(r), f(r), f(h - r), f(r), f(r), f(r), f(r)))
    for x, y, ww, hh in windows:
        d += " M%s %s L%s %s L%s %s L%s %s Z" % (f(x), f(y), f(x), f(y + hh), f(x + ww),
                                                  f(y + hh), f(x + ww), f(y))
    return ('<path d="%s" fill="url(#metal_v)" fill-rule="evenodd" stroke="#1c2024" '
            'stroke-width="0.8"/>' % d)


def mini_odometer(digits, x0, y0, cell_w, cell_h, gap, comma_at):
    """A row of drums for decorations; a negative digit stands blurred mid-roll."""
    cells, holes = [], []
    x = x0
    for i, d in enumerate(digits):
        if i == comma_at:
            x += gap * 2
        scheme = "dec" if i >= comma_at else "int"
        content = blurred(-d) if d < 0 else crisp(d)
        cells.append('<g transform="translate(0 %s)">' % f(y0)
                     + drum_cell(x, cell_w, cell_h, scheme, content) + "</g>")
        holes.append((x, y0, cell_w, cell_h))
        x += cell_w + gap
    return "".join(cells), holes, x - gap


def make_reel():
    # A strip of odometer reels, shown stretched three times on the splash.
    w, h = 547, 65
    cells, holes, right = mini_odometer([0, 1, 9, 7, 3, 5, 2, -8, -6], 14, 3, 50, CELL_H,
                                        5, 5)
    comma_x = holes[4][0] + 50 + 5
    body = (cells + window_frame(w, h, holes)
            + rect(0, 0, w, 1.5, "#ffffff", extra=' fill-opacity="0.5"')
            + '<path d="M%s 40 C%s 48 %s 52 %s 56" stroke="#f6f1e3" stroke-width="4.5" '
              'stroke-linecap="round" fill="none"/>'
            % (f(comma_x + 4), f(comma_x + 5), f(comma_x + 3), f(comma_x))
            + screw(7, h / 2, 3.5, 40) + screw(w - 7, h / 2, 3.5, 130))
    defs = drum_defs() + frame_defs()
    write("reel.svg", svg(w, h, body, defs))


def make_icon():
    s = 256
    defs = (drum_defs() + frame_defs()
            + lin("bg", [(0, "#3a4148", 1), (1, "#121518", 1)]))
    cw, ch = 86, 150
    scale = ch / CELL_H
    inner = []
    for i, (d, scheme) in enumerate(((4, "int"), (7, "dec"))):
        x = 36 + i * (cw + 12)
        inner.append('<g transform="translate(%s 53) scale(%s)">' % (f(x), f(scale))
                     + drum_cell(0, cw / scale, CELL_H, scheme, crisp(d)) + "</g>")
    holes = [(36, 53, cw, ch), (36 + cw + 12, 53, cw, ch)]
    body = (rect(0, 0, s, s, "url(#bg)", rx=40)
            + "".join(inner)
            + window_frame(s, s, holes, 40).replace('stroke-width="0.8"', 'stroke-width="3"')
            + rect(20, 20, s - 40, s - 40, "none", rx=24,
                   extra=' stroke="#ffffff" stroke-opacity="0.25" stroke-width="2"'))
    write("icon.svg", svg(s, s, body, defs))


def main():
    os.makedirs(OUT, exist_ok=True)
    make_strips()
    make_frame()
    make_buttons()
    make_angel()
    make_car()
    make_police("pol1.svg", True)
    make_police("pol2.svg", False)
    make_tool_icons()
    caption("tilt.svg", "TILT")
    caption("som.svg", "SOM")
    make_cover()
    make_reel()
    make_icon()


if __name__ == "__main__":
    main()
