#!/usr/bin/python3
"""Draws every picture of ModernStandbyDetectionTool.exe from code.

Writes res/png/*.png, res/ModernStandbyDetectionTool.ico, res/pictures.rc (the PNG part of the
resource script) and docs/pictures.png (a contact sheet for review). The output is committed, so
a build needs neither Python nor the fonts; running this again reproduces every file byte for
byte (no timestamps or other metadata, fixed seeds, one font, Pillow's basic text layout).

Needs Debian's python3-pil and fonts-wqy-microhei. Run from anywhere:
    /usr/bin/python3 tools/artwork/generate.py [--check]
--check compares with the committed files instead of writing them and fails on any difference.
"""

import io
import math
import os
import random
import re
import struct
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
RES = os.path.join(ROOT, "res")
FONT_PATH = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
SS = 4  # supersampling factor for shapes

# Palette, shared by every window so the windows read as one product.
NAVY_TOP = (8, 30, 82)
NAVY_BOTTOM = (18, 70, 168)
LIGHT = (244, 247, 252)
WHITE = (255, 255, 255)
RULE = (226, 231, 239)
INK = (38, 50, 72)
MUTED = (120, 131, 148)
SKY = (170, 200, 245)  # secondary text on navy
ACCENT = (24, 118, 232)  # primary blue on light ground
ACCENT_HI = (64, 170, 255)
ACCENT_LO = (22, 110, 236)
ORANGE_HI = (255, 170, 64)
ORANGE_LO = (246, 112, 32)
MOON = (255, 214, 102)
BUSY_TOP = (38, 126, 238)
BUSY_BOTTOM = (20, 92, 208)
STRIP = (237, 240, 245)  # message prompt title strip
DISABLED_FACE = (196, 202, 211)
DISABLED_TEXT = (246, 247, 249)
DISABLED_INK = (165, 172, 183)

TITLE = "Modern Standby检测工具"

_fonts = {}


def font(px):
    if px not in _fonts:
        _fonts[px] = ImageFont.truetype(FONT_PATH, px, layout_engine=ImageFont.Layout.BASIC)
    return _fonts[px]


# ---------------------------------------------------------------------------------------------
# Drawing helpers. Shapes are drawn SS times larger and box-filtered down for clean edges.


def blank(size, color=(0, 0, 0, 0)):
    return Image.new("RGBA", size, color)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def lighter(c, t):
    return mix(c, WHITE, t)


def darker(c, t):
    return mix(c, (0, 0, 0), t)


def vgradient(size, top, bottom, y0=0, y1=None):
    """Vertical gradient from top at row y0 to bottom at row y1 (clamped outside)."""
    w, h = size
    y1 = h - 1 if y1 is None else y1
    col = Image.new("RGBA", (1, h))
    for y in range(h):
        t = 0.0 if y1 == y0 else min(1.0, max(0.0, (y - y0) / (y1 - y0)))
        col.putpixel((0, y), mix(top, bottom, t) + (255,))
    return col.resize((w, h), Image.NEAREST)


def mask(size, paint):
    """An 'L' coverage mask: paint(draw, k) draws white shapes with coordinates multiplied by k."""
    w, h = size
    m = Image.new("L", (w * SS, h * SS), 0)
    paint(ImageDraw.Draw(m), SS)
    return m.resize((w, h), Image.BOX)


def rrect_mask(size, box, r):
    x0, y0, x1, y1 = box
    return mask(size, lambda d, k: d.rounded_rectangle(
        (x0 * k, y0 * k, x1 * k - 1, y1 * k - 1), radius=r * k, fill=255))


def ellipse_mask(size, box):
    x0, y0, x1, y1 = box
    return mask(size, lambda d, k: d.ellipse((x0 * k, y0 * k, x1 * k - 1, y1 * k - 1), fill=255))


def scale_mask(m, factor):
    return m.point(lambda v: int(round(v * factor)))


def fill(img, m, paint):
    """Paints through coverage mask m onto img, in place. paint is a colour (RGB, or RGBA for a
    translucent one) or an RGBA image of img's size, such as a gradient."""
    if isinstance(paint, Image.Image):
        layer = paint.copy()
        alpha = ImageChops.multiply(paint.getchannel("A"), m)
    else:
        layer = blank(img.size, tuple(paint[:3]) + (255,))
        alpha = m if len(paint) == 3 else scale_mask(m, paint[3] / 255.0)
    layer.putalpha(alpha)
    img.alpha_composite(layer)


def shadow(size, box, r, blur, opacity, offset=(0, 0), color=(0, 0, 0)):
    """A soft shadow layer of a rounded rectangle."""
    x0, y0, x1, y1 = box
    dx, dy = offset
    m = rrect_mask(size, (x0 + dx, y0 + dy, x1 + dx, y1 + dy), r)
    m = m.filter(ImageFilter.GaussianBlur(blur))
    layer = blank(size, color + (255,))
    layer.putalpha(scale_mask(m, opacity))
    return layer


def text_size(s, px):
    x0, _, x1, _ = font(px).getbbox(s)
    return x1 - x0


def draw_text(img, xy, s, px, color, align="left", bold=False):
    """Draws one line; xy is (x, vertical centre). align: left, center or right at x.

    Vertical centring uses the ink box of a full-height ideograph so that lines of Chinese and
    Latin text sit alike. The glyphs become a coverage mask first, so that their edges blend as
    straight alpha. Bold is drawn at twice the size with a thin stroke, then halved."""
    k = 2 if bold else 1
    f = font(px * k)
    _, gy0, _, gy1 = f.getbbox("国")
    x, cy = xy
    x *= k
    if align == "center":
        x -= text_size(s, px * k) / 2.0
    elif align == "right":
        x -= text_size(s, px * k)
    y = cy * k - (gy0 + gy1) / 2.0
    m = Image.new("L", (img.size[0] * k, img.size[1] * k), 0)
    ImageDraw.Draw(m).text((int(round(x)), int(round(y))), s, font=f, fill=255,
                           stroke_width=1 if bold else 0, stroke_fill=255)
    if bold:
        m = m.resize(img.size, Image.BOX)
    fill(img, m, color)


def cross_mask(size, cx, cy, half, width):
    def paint(d, k):
        for (ax, ay, bx, by) in ((cx - half, cy - half, cx + half, cy + half),
                                 (cx - half, cy + half, cx + half, cy - half)):
            d.line((ax * k, ay * k, bx * k, by * k), fill=255, width=int(round(width * k)))
    return mask(size, paint)


def moon_mask(size, cx, cy, r, bite=0.62):
    """Crescent: a disc with an offset disc taken away."""
    def paint(d, k):
        d.ellipse(((cx - r) * k, (cy - r) * k, (cx + r) * k, (cy + r) * k), fill=255)
        ox, oy = cx + r * bite, cy - r * 0.45
        rr = r * 0.92
        d.ellipse(((ox - rr) * k, (oy - rr) * k, (ox + rr) * k, (oy + rr) * k), fill=0)
    return mask(size, paint)


def to_rgb(img):
    """Flattens an image whose every pixel is already opaque."""
    assert img.getchannel("A").getextrema() == (255, 255), "opaque picture has transparent pixels"
    return img.convert("RGB")


# ---------------------------------------------------------------------------------------------
# Shared pieces of artwork.


def navy_ground(size, curve_top, curve_depth):
    """Navy upper part whose lower edge curves gently downwards in the middle, light below."""
    w, h = size
    img = vgradient(size, NAVY_TOP, NAVY_BOTTOM, 0, curve_top + curve_depth)
    lower = blank(size, LIGHT + (255,))

    def paint(d, k):
        pts = []
        for i in range(0, 201):
            x = w * i / 200.0
            y = curve_top + curve_depth * math.sin(math.pi * i / 200.0)
            pts.append((x * k, y * k))
        pts += [(w * k, h * k), (0, h * k)]
        d.polygon(pts, fill=255)
    fill(img, mask(size, paint), lower)
    # A thin bright rim along the curve lifts the navy off the light part.
    def rim(d, k):
        pts = [(w * i / 200.0 * k, (curve_top + curve_depth * math.sin(math.pi * i / 200.0)) * k)
               for i in range(0, 201)]
        d.line(pts, fill=255, width=int(1.5 * k))
    fill(img, mask(size, rim), ACCENT_HI + (120,))
    return img


def stars(img, box, count, seed, avoid=()):
    rng = random.Random(seed)
    x0, y0, x1, y1 = box
    placed = 0
    while placed < count:
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        r = rng.choice((0.6, 0.8, 1.0, 1.3))
        a = rng.randint(70, 190)
        if any(ax0 <= x <= ax1 and ay0 <= y <= ay1 for (ax0, ay0, ax1, ay1) in avoid):
            continue
        fill(img, ellipse_mask(img.size, (x - r, y - r, x + r, y + r)), WHITE + (a,))
        placed += 1


def glow(img, cx, cy, rx, ry, color, opacity):
    m = ellipse_mask(img.size, (cx - rx, cy - ry, cx + rx, cy + ry))
    m = m.filter(ImageFilter.GaussianBlur(max(rx, ry) / 2.5))
    fill(img, scale_mask(m, opacity), color)


def app_mark(img, x, y, s):
    """The tool's mark: a rounded blue tile with a crescent moon (standby)."""
    size = img.size
    fill(img, rrect_mask(size, (x, y, x + s, y + s), s * 0.24), vgradient(size, ACCENT_HI, ACCENT_LO,
                                                                            int(y), int(y + s)))
    fill(img, moon_mask(size, x + s * 0.47, y + s * 0.53, s * 0.29), MOON)


def header_title(img, y_centre):
    """Small mark and tool name at the top left of a navy header."""
    app_mark(img, 12, y_centre - 8, 16)
    draw_text(img, (34, y_centre), TITLE, 12, WHITE)


def number_badge(img, cx, cy, n):
    fill(img, ellipse_mask(img.size, (cx - 8, cy - 8, cx + 8, cy + 8)), ACCENT)
    draw_text(img, (cx + 0.5, cy), str(n), 11, WHITE, align="center")


def windows_logo(img, x, y, s, color):
    g = max(1.0, s / 9.0)
    h = (s - g) / 2.0
    for (dx, dy) in ((0, 0), (h + g, 0), (0, h + g), (h + g, h + g)):
        fill(img, rrect_mask(img.size, (x + dx, y + dy, x + dx + h, y + dy + h), 0.6), color)


def corners_soft(img, r):
    """Rounds the picture's own corners with partly transparent pixels."""
    w, h = img.size
    m = rrect_mask(img.size, (0, 0, w, h), r)
    img.putalpha(ImageChops.multiply(img.getchannel("A"), m))
    return img


def window_shadow_shell(size, inset, layer, blur, opacity):
    """A shell picture: the control layer's own picture ringed by a soft shadow margin.

    The control layer covers the body at run time; carrying its picture here keeps any pixel
    that shows at a fractional scale in the window's own colours."""
    w, h = size
    l, t, r, b = inset
    img = blank(size)
    img.alpha_composite(shadow(size, (l, t, w - r, h - b), 3, blur, opacity, (0, 2)))
    body = layer.convert("RGBA").resize((w - l - r, h - t - b), Image.BOX)
    body.putalpha(255)
    img.alpha_composite(body, (l, t))
    return img


# ---------------------------------------------------------------------------------------------
# Button faces. States: normal, hover (lighter), pressed (darker), disabled (grey).

STATES = ("normal", "hover", "pressed", "disabled")


def pill_face(size, face_box, radius, hi, lo, caption, px, state, text_color=WHITE, soft=False,
              outline=None, bg=None):
    """A rounded face with a vertical gradient and its caption, in one of the four states.

    Filled faces get lighter on hover and darker when pressed; an outlined face (outline set)
    takes its hover and pressed colours from the caller.

    soft=True leaves the rim transparent apart from a soft drop shadow (faces drawn over the
    window's background crop); otherwise bg (an opaque image of the face's size) is the ground."""
    img = bg.copy() if bg is not None else blank(size)
    x0, y0, x1, y1 = face_box
    if state == "hover" and outline is None:
        hi, lo = lighter(hi, 0.18), lighter(lo, 0.18)
    elif state == "pressed" and outline is None:
        hi, lo = darker(hi, 0.16), darker(lo, 0.16)
    elif state == "disabled":
        hi, lo = DISABLED_FACE, DISABLED_FACE
        text_color = DISABLED_TEXT if outline is None else DISABLED_INK
        if outline is not None:
            outline = DISABLED_INK
    dy = 1 if state == "pressed" else 0
    if soft:
        shade = darker(lo, 0.35)
        op = {"normal": 0.45, "hover": 0.55, "pressed": 0.28, "disabled": 0.18}[state]
        img.alpha_composite(shadow(size, face_box, radius, 3.2, op, (0, 3 - dy), shade))
    box = (x0, y0 + dy, x1, y1 + dy)
    fill(img, rrect_mask(size, box, radius), vgradient(size, hi, lo, int(box[1]), int(box[3])))
    if outline is not None:
        fill(img, ImageChops.subtract(rrect_mask(size, box, radius),
                                      rrect_mask(size, (box[0] + 1, box[1] + 1, box[2] - 1,
                                                        box[3] - 1), radius - 1)), outline)
    elif state != "disabled":
        # A faint highlight along the top edge gives the face some depth.
        top = ImageChops.subtract(rrect_mask(size, box, radius),
                                  rrect_mask(size, (box[0], box[1] + 1.2, box[2], box[3]), radius))
        fill(img, top, WHITE + (90,))
    cy = (box[1] + box[3]) / 2.0
    draw_text(img, ((x0 + x1) / 2.0, cy), caption, px, text_color, align="center",
              bold=px >= 14)
    return img


def crop(img, box):
    return img.crop(box).copy()


def overlay_button(bg, glyph_mask, state, glyph=WHITE, hover_tint=ACCENT + (128,),
                   pressed_tint=(0, 0, 0, 128)):
    """A small opaque button: background crop, a tint by state, then its glyph.

    Disabled greys both ground and glyph, so it reads as unavailable even on the dark header."""
    img = bg.copy()
    full = Image.new("L", img.size, 255)
    if state == "hover":
        fill(img, full, hover_tint)
    elif state == "pressed":
        fill(img, full, pressed_tint)
    elif state == "disabled":
        fill(img, full, (120, 126, 138, 190))
        glyph = (160, 168, 180)
    fill(img, glyph_mask, glyph)
    return img


# ---------------------------------------------------------------------------------------------
# The pictures.


def main_background():
    size = (400, 600)
    img = navy_ground(size, 328, 14)
    glow(img, 200, 112, 150, 96, ACCENT_HI, 0.32)
    stars(img, (8, 40, 392, 262), 46, 21908,
          avoid=((110, 46, 290, 172), (40, 170, 360, 250), (180, 10, 335, 36)))
    # Faint orbits around the laptop.
    for rad, a in ((86, 40), (108, 26), (130, 16)):
        ring = ImageChops.subtract(
            ellipse_mask(size, (200 - rad, 108 - rad * 0.62, 200 + rad, 108 + rad * 0.62)),
            ellipse_mask(size, (200 - rad + 1, 108 - rad * 0.62 + 1, 200 + rad - 1,
                                108 + rad * 0.62 - 1)))
        fill(img, ring, SKY + (a,))
    header_title(img, 23)
    # Laptop: lid, screen with the moon, base.
    fill(img, rrect_mask(size, (132, 60, 268, 148), 8), (226, 235, 250))
    fill(img, rrect_mask(size, (138, 66, 262, 142), 4), vgradient(size, (12, 28, 70), (28, 70, 150),
                                                                    66, 142))
    fill(img, moon_mask(size, 196, 106, 21), MOON)
    glow(img, 196, 106, 30, 30, MOON, 0.18)
    draw_text(img, (228, 86), "z", 12, WHITE + (200,))
    draw_text(img, (238, 77), "z", 9, WHITE + (150,))
    draw_text(img, (246, 70), "z", 7, WHITE + (110,))
    base = mask(size, lambda d, k: d.polygon(
        [(112 * k, 148 * k), (288 * k, 148 * k), (280 * k, 158 * k), (120 * k, 158 * k)], fill=255))
    fill(img, base, (208, 220, 240))
    fill(img, rrect_mask(size, (180, 148, 220, 151.5), 1.5), (150, 166, 196))
    # Title and what the tool does.
    draw_text(img, (200, 196), TITLE, 26, WHITE, align="center", bold=True)
    draw_text(img, (200, 232), "一键检测电脑是否支持现代待机（S0 低功耗空闲）", 13, SKY,
              align="center")
    # Lower part: supported systems and the three steps.
    fill(img, rrect_mask(size, (26, 358, 30, 372), 1.5), ACCENT)
    draw_text(img, (38, 365), "支持系统", 14, INK, bold=True)
    windows_logo(img, 38, 384, 12, ACCENT)
    draw_text(img, (58, 390), "Windows 10、Windows 11（简体中文版）", 13, INK)
    fill(img, rrect_mask(size, (26, 412, 30, 426), 1.5), ACCENT)
    draw_text(img, (38, 419), "使用步骤", 14, INK, bold=True)
    steps = ("勾选同意《泰瑟服务工具使用许可协议》",
             "点击“一键检测”，稍等片刻",
             "查看结果：本机是否支持Modern Standby")
    for i, s in enumerate(steps):
        cy = 446 + i * 28
        number_badge(img, 46, cy, i + 1)
        draw_text(img, (62, cy), s, 13, INK)
    # A dotted leader joins the steps.
    for i in range(2):
        for j in range(3):
            y = 446 + i * 28 + 11 + j * 3
            fill(img, ellipse_mask(size, (45.2, y, 46.8, y + 1.6)), ACCENT + (150,))
    # Little tile mark in front of the more-tools button (the button itself is 50..108, 545..563).
    for (dx, dy) in ((0, 0), (6, 0), (0, 6), (6, 6)):
        fill(img, rrect_mask(size, (34 + dx, 548 + dy, 39 + dx, 553 + dy), 1.2), ACCENT)
    draw_text(img, (372, 554), "需以管理员身份运行", 12, MUTED, align="right")
    # White bottom band for the consent check box and the links, which paint on white.
    band = Image.new("L", size, 0)
    ImageDraw.Draw(band).rectangle((0, 569, 399, 599), fill=255)
    fill(img, band, WHITE)
    rule = Image.new("L", size, 0)
    ImageDraw.Draw(rule).line((0, 568, 399, 568), fill=255)
    fill(img, rule, RULE)
    return to_rgb(img)


def main_shell(bk):
    return window_shadow_shell((410, 611), (5, 4, 5, 7), bk, 2.4, 0.75)


def feedback_background():
    size = (400, 468)
    img = navy_ground(size, 122, 12)
    glow(img, 200, 64, 160, 56, ACCENT_HI, 0.28)
    stars(img, (8, 36, 392, 118), 18, 40130, avoid=((40, 44, 360, 112), (300, 0, 400, 30)))
    header_title(img, 15)
    draw_text(img, (200, 66), "本工具是否解决了您的问题？", 20, WHITE, align="center", bold=True)
    draw_text(img, (200, 98), "您的反馈将帮助我们把工具做得更好", 12, SKY, align="center")
    draw_text(img, (200, 412), "感谢您使用 " + TITLE, 12, MUTED, align="center")
    rule = Image.new("L", size, 0)
    ImageDraw.Draw(rule).line((120, 396, 280, 396), fill=255)
    fill(img, rule, RULE)
    return corners_soft(img, 2)


def feedback_shell(bk):
    return window_shadow_shell((410, 479), (5, 4, 5, 7), bk, 2.4, 0.75)


def busy_background():
    size = (204, 104)
    img = vgradient(size, BUSY_TOP, BUSY_BOTTOM)
    glow(img, 102, 10, 110, 40, WHITE, 0.12)
    # A loading ring above the text, which the busy text (10..194, 32..72) leaves free.
    ring = ImageChops.subtract(ellipse_mask(size, (92, 8, 112, 28)),
                               ellipse_mask(size, (95, 11, 109, 25)))
    fill(img, ring, WHITE + (70,))
    arc = mask(size, lambda d, k: d.arc((92 * k, 8 * k, 112 * k - 1, 28 * k - 1), 250, 350,
                                        fill=255, width=3 * k))
    fill(img, arc, WHITE)
    draw_text(img, (102, 86), "检测期间请勿关闭本工具", 12, (200, 224, 255), align="center")
    return corners_soft(img, 2)


def busy_shell():
    size = (232, 132)
    img = blank(size)
    img.alpha_composite(shadow(size, (14, 12, 218, 116), 6, 5, 0.5, (0, 3)))
    body = vgradient(size, BUSY_TOP, BUSY_BOTTOM, 12, 116)
    fill(img, rrect_mask(size, (12, 10, 220, 118), 7), body)
    layer = busy_background()
    layer.putalpha(255)
    img.alpha_composite(layer, (14, 12))
    return img


def prompt_background():
    size = (320, 140)
    img = blank(size, WHITE + (255,))
    strip = Image.new("L", size, 0)
    ImageDraw.Draw(strip).rectangle((0, 0, 319, 29), fill=255)
    fill(img, strip, STRIP)
    rule = Image.new("L", size, 0)
    ImageDraw.Draw(rule).line((0, 30, 319, 30), fill=255)
    fill(img, rule, RULE)
    fill(img, rrect_mask(size, (10, 9, 22, 21), 3), ACCENT)
    draw_text(img, (16, 15), "!", 10, WHITE, align="center")
    draw_text(img, (28, 15), "提示", 13, INK)
    return to_rgb(img)


def prompt_shell():
    size = (330, 150)
    img = blank(size)
    img.alpha_composite(shadow(size, (5, 3, 325, 143), 3, 2.2, 0.5, (0, 2)))
    body = vgradient(size, STRIP, WHITE, 32, 33)
    fill(img, rrect_mask(size, (4, 2, 326, 144), 3), body)
    layer = prompt_background().convert("RGBA")
    img.alpha_composite(layer, (5, 3))
    return img


def check_glyphs():
    size = (48, 16)
    img = blank(size)
    for cell in range(3):
        x = cell * 16
        outer = rrect_mask(size, (x + 1.5, 1.5, x + 14.5, 14.5), 3)
        inner = rrect_mask(size, (x + 2.5, 2.5, x + 13.5, 13.5), 2.2)
        if cell == 1:
            fill(img, outer, ACCENT)
            tick = mask(size, lambda d, k, x=x: d.line(
                [((x + 4.3) * k, 8.2 * k), ((x + 7) * k, 10.8 * k), ((x + 11.8) * k, 5.4 * k)],
                fill=255, width=int(1.8 * k), joint="curve"))
            fill(img, tick, WHITE)
        else:
            fill(img, outer, (150, 162, 180) if cell == 0 else ACCENT)
            fill(img, inner, WHITE)
            if cell == 2:
                fill(img, rrect_mask(size, (x + 4.5, 4.5, x + 11.5, 11.5), 1.2), ACCENT)
    return img


def main_bar_buttons(bk):
    """Close (141..144) and minimise (147..150): white glyph on the navy header."""
    out = {}
    close_bg = crop(bk, (368, 0, 394, 34)).convert("RGBA")
    min_bg = crop(bk, (340, 0, 366, 34)).convert("RGBA")
    xm = cross_mask((26, 34), 13, 17, 4.5, 1.6)
    bar = rrect_mask((26, 34), (8, 16.2, 18, 17.8), 0.6)
    for i, st in enumerate(STATES):
        out[141 + i] = to_rgb(overlay_button(close_bg, xm, st, hover_tint=(232, 52, 52, 210),
                                             pressed_tint=(176, 28, 28, 230)))
        out[147 + i] = to_rgb(overlay_button(min_bg, bar, st))
    return out


def small_close(bg_color, ids, glyph, hover_glyph, hover_bg, pressed_bg):
    """12 x 12 closing cross, opaque on its window's colour."""
    out = {}
    size = (12, 12)
    xm = cross_mask(size, 6, 6, 3.2, 1.4)
    for i, pid in enumerate(ids):
        st = STATES[i]
        img = blank(size, tuple(bg_color) + (255,))
        if st == "hover":
            fill(img, rrect_mask(size, (0, 0, 12, 12), 2.5), hover_bg)
            fill(img, xm, hover_glyph)
        elif st == "pressed":
            fill(img, rrect_mask(size, (0, 0, 12, 12), 2.5), pressed_bg)
            fill(img, xm, hover_glyph)
        elif st == "disabled":
            fill(img, xm, mix(glyph, bg_color, 0.6))
        else:
            fill(img, xm, glyph)
        out[pid] = to_rgb(img)
    return out


def prompt_buttons():
    """55 x 24 faces on the prompt's white body; the pressed picture doubles as disabled."""
    out = {}
    size = (55, 24)
    ground = blank(size, WHITE + (255,))
    sets = ((174, "确认", True), (177, "是", True), (165, "取消", False), (171, "否", False))
    for first, caption, primary in sets:
        for i, st in enumerate(STATES[:3]):
            if primary:
                img = pill_face(size, (0, 0, 55, 24), 4, (52, 142, 246), ACCENT, caption, 12, st,
                                bg=ground)
            else:
                img = ground.copy()
                border = {"normal": (200, 207, 216), "hover": ACCENT_HI, "pressed": ACCENT}[st]
                face = {"normal": WHITE, "hover": (238, 246, 255), "pressed": (218, 232, 250)}[st]
                ink = {"normal": INK, "hover": ACCENT, "pressed": darker(ACCENT, 0.15)}[st]
                fill(img, rrect_mask(size, (0, 0, 55, 24), 4), border)
                fill(img, rrect_mask(size, (1, 1, 54, 23), 3), face)
                draw_text(img, (27.5, 12), caption, 12, ink, align="center")
            out[first + i] = to_rgb(img)
    return out


def detect_buttons(bk):
    out = {}
    ground = crop(bk, (77, 270, 323, 317)).convert("RGBA")
    for i, st in enumerate(STATES):
        img = pill_face((246, 47), (3, 2, 243, 43), 20.5, ACCENT_HI, ACCENT_LO, "一键检测", 18, st,
                        soft=True, bg=ground)
        out[159 + i] = to_rgb(img)
    return out


def more_tools_buttons(bk):
    out = {}
    size = (58, 18)
    ground = crop(bk, (50, 545, 108, 563)).convert("RGBA")
    for i, st in enumerate(STATES):
        img = ground.copy()
        box = (0.5, 0.5, 57.5, 17.5)
        if st == "normal":
            ink, face, line = ACCENT, None, ACCENT + (110,)
        elif st == "hover":
            ink, face, line = ACCENT, (228, 240, 255), ACCENT
        elif st == "pressed":
            ink, face, line = WHITE, ACCENT, ACCENT
        else:
            ink, face, line = DISABLED_INK, None, DISABLED_INK + (110,)
        if face is not None:
            fill(img, rrect_mask(size, box, 8.5), face)
        fill(img, ImageChops.subtract(rrect_mask(size, box, 8.5),
                                      rrect_mask(size, (1.5, 1.5, 56.5, 16.5), 7.5)), line)
        draw_text(img, (29, 9), "更多工具", 12, ink, align="center")
        out[155 + i] = to_rgb(img)
    return out


def feedback_faces():
    """266 x 60 answer faces with soft, partly transparent rims (the click margin is 9)."""
    out = {}
    size = (266, 60)
    face = (9, 8, 257, 50)
    rows = ((187, "问题已解决，继续保持！", ACCENT_HI, ACCENT_LO, WHITE, None),
            (192, "问题未解决，我要吐槽！", ORANGE_HI, ORANGE_LO, WHITE, None),
            (151, "更多方案", WHITE, (246, 249, 255), ACCENT, ACCENT))
    for first, caption, hi, lo, ink, outline in rows:
        for i, st in enumerate(STATES):
            h, l_ = hi, lo
            # Outlined faces are white: hover turns them pale blue, pressed a deeper blue.
            if outline is not None and st == "hover":
                h, l_ = (226, 239, 255), (214, 232, 255)
            elif outline is not None and st == "pressed":
                h, l_ = (196, 220, 252), (184, 211, 250)
            out[first + i] = pill_face(size, face, 21, h, l_, caption, 16, st, text_color=ink,
                                       soft=True, outline=outline)
    return out


def all_pictures():
    pics = {}
    bk = main_background()
    pics[138] = main_shell(bk)
    pics[139] = bk
    pics[140] = check_glyphs()
    pics.update(main_bar_buttons(bk.convert("RGBA")))
    pics[145] = busy_shell()
    pics[146] = busy_background()
    pics.update(feedback_faces())
    pics.update(more_tools_buttons(bk.convert("RGBA")))
    pics.update(detect_buttons(bk.convert("RGBA")))
    pics[163] = prompt_shell()
    pics[164] = prompt_background()
    pics.update(prompt_buttons())
    pics.update(small_close(STRIP, (168, 169, 170), (122, 132, 148), WHITE, (232, 72, 64),
                            (196, 46, 40)))
    fb = feedback_background()
    pics[180] = feedback_shell(fb)
    pics[181] = fb
    pics.update(small_close(fb.getpixel((388, 12))[:3], (182, 183, 184, 185), WHITE, WHITE,
                            (232, 72, 64), (196, 46, 40)))
    return pics


# ---------------------------------------------------------------------------------------------
# Icon 128: a multi-size .ico, small sizes as 32-bit DIBs (read everywhere), 256 as PNG.


def icon_image(px):
    big = 256
    img = blank((big, big))
    fill(img, rrect_mask(img.size, (8, 8, 248, 248), 56), vgradient(img.size, (40, 132, 246),
                                                                     NAVY_TOP, 8, 248))
    if px >= 32:
        # A laptop lid with the moon on its screen.
        fill(img, rrect_mask(img.size, (52, 58, 204, 164), 12), (226, 235, 250))
        fill(img, rrect_mask(img.size, (62, 68, 194, 154), 6), vgradient(img.size, (12, 28, 70),
                                                                           (28, 70, 150), 68, 154))
        fill(img, moon_mask(img.size, 124, 111, 30), MOON)
        base = mask(img.size, lambda d, k: d.polygon(
            [(34 * k, 166 * k), (222 * k, 166 * k), (208 * k, 190 * k), (48 * k, 190 * k)],
            fill=255))
        fill(img, base, (208, 220, 240))
    else:
        fill(img, moon_mask(img.size, 122, 134, 80), MOON)
    return img.resize((px, px), Image.LANCZOS) if px != big else img


def ico_bytes(sizes=(16, 24, 32, 48, 256)):
    entries, blobs = [], []
    for px in sizes:
        img = icon_image(px)
        if px == 256:
            buf = io.BytesIO()
            img.save(buf, "PNG", compress_level=9)
            blob = buf.getvalue()
        else:
            rows = []
            for y in range(px - 1, -1, -1):
                row = bytearray()
                for x in range(px):
                    r, g, b, a = img.getpixel((x, y))
                    row += bytes((b, g, r, a))
                rows.append(bytes(row))
            mask_stride = ((px + 31) // 32) * 4
            and_mask = bytearray()
            for y in range(px - 1, -1, -1):
                bits = bytearray(mask_stride)
                for x in range(px):
                    if img.getpixel((x, y))[3] == 0:
                        bits[x // 8] |= 0x80 >> (x % 8)
                and_mask += bits
            header = struct.pack("<IiiHHIIiiII", 40, px, px * 2, 1, 32, 0,
                                 px * px * 4 + len(and_mask), 0, 0, 0, 0)
            blob = header + b"".join(rows) + bytes(and_mask)
        entries.append(px)
        blobs.append(blob)
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for px, blob in zip(entries, blobs):
        dim = 0 if px >= 256 else px
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


# ---------------------------------------------------------------------------------------------
# Output.


def png_bytes(img):
    buf = io.BytesIO()
    img.save(buf, "PNG", compress_level=9)
    return buf.getvalue()


def picture_names():
    """Maps picture ids to their names in res/resource.h (IDB_PNG_*), which stays the one list."""
    names = {}
    with open(os.path.join(RES, "resource.h"), encoding="utf-8") as f:
        for line in f:
            m = re.match(r"#define\s+(IDB_PNG_\w+)\s+(\d+)", line)
            if m:
                names[int(m.group(2))] = m.group(1)
    return names


def file_name(pid, name):
    return "%d_%s.png" % (pid, name[len("IDB_PNG_"):].lower())


def checker(size, cell=6):
    img = Image.new("RGBA", size, (255, 255, 255, 255))
    d = ImageDraw.Draw(img)
    for y in range(0, size[1], cell):
        for x in range(0, size[0], cell):
            if (x // cell + y // cell) % 2:
                d.rectangle((x, y, x + cell - 1, y + cell - 1), fill=(222, 226, 232, 255))
    return img


def contact_sheet(pics, icon_px):
    """Every picture at 1:1 over a checkerboard (so alpha shows), labelled with id and size."""
    items = [(str(pid), "%d×%d" % pics[pid].size, pics[pid].convert("RGBA"))
             for pid in sorted(pics)]
    items.append(("图标 128", "16–256", None))
    width, pad, label_h = 1280, 14, 34
    x, y, row_h, placed = pad, 64, 0, []
    for label, dims, img in items:
        w, h = img.size if img is not None else (sum(icon_px) + 8 * (len(icon_px) - 1), 256)
        w = max(w, 64)
        if x + w > width - pad:
            x, y, row_h = pad, y + row_h + label_h + pad, 0
        placed.append((x, y, label, dims, img))
        x += w + pad
        row_h = max(row_h, h)
    height = y + row_h + label_h + pad
    sheet = blank((width, height), (250, 251, 253, 255))
    draw_text(sheet, (pad, 30), TITLE + " 图片资源（1:1，编号与尺寸）", 18, INK, bold=True)
    for (x, y, label, dims, img) in placed:
        if img is None:
            cx = x
            for px in icon_px:
                sheet.alpha_composite(checker((px, px)), (cx, y))
                sheet.alpha_composite(icon_image(px), (cx, y))
                cx += px + 8
        else:
            sheet.alpha_composite(checker(img.size), (x, y))
            sheet.alpha_composite(img, (x, y))
        h = 256 if img is None else img.size[1]
        draw_text(sheet, (x, y + h + 10), label, 12, INK, bold=True)
        draw_text(sheet, (x, y + h + 25), dims, 11, MUTED)
    return sheet.convert("RGB")


def outputs():
    pics = all_pictures()
    names = picture_names()
    files = {}
    rc = ["// PNG pictures of ModernStandbyDetectionTool.exe, written by tools/artwork/generate.py.",
          "// Included by ModernStandbyDetectionTool.rc, which sets the language.", ""]
    for pid in sorted(pics):
        name = names[pid]
        img = pics[pid]
        fn = file_name(pid, name)
        files[os.path.join("res", "png", fn)] = png_bytes(img)
        rc.append('%s PNG "png/%s"' % (name, fn))
    missing = sorted(set(names) - set(pics))
    if missing:
        raise SystemExit("pictures without artwork: %s" % missing)
    files[os.path.join("res", "pictures.rc")] = ("\n".join(rc) + "\n").encode("utf-8")
    files[os.path.join("res", "ModernStandbyDetectionTool.ico")] = ico_bytes()
    files[os.path.join("docs", "pictures.png")] = png_bytes(
        contact_sheet(pics, (16, 24, 32, 48, 256)))
    return files


def main(argv):
    check = "--check" in argv
    files = outputs()
    bad = []
    for rel, data in sorted(files.items()):
        path = os.path.join(ROOT, rel)
        if check:
            try:
                with open(path, "rb") as f:
                    same = f.read() == data
            except OSError:
                same = False
            if not same:
                bad.append(rel)
            continue
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
    # res/png holds generated pictures only: anything else there is left over from a rename.
    png_dir = os.path.join(ROOT, "res", "png")
    for name in sorted(os.listdir(png_dir)) if os.path.isdir(png_dir) else []:
        rel = os.path.join("res", "png", name)
        if rel not in files:
            if check:
                bad.append(rel + " (not drawn by the generator)")
            else:
                os.remove(os.path.join(ROOT, rel))
    if check:
        for rel in bad:
            print("differs: " + rel)
        print("%d files checked, %d differ" % (len(files), len(bad)))
        return 1 if bad else 0
    print("%d files written" % len(files))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
