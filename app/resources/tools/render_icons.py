#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later

"""Renders every PNG under app/resources/static/ from one icon set, the
eraser cursor (static/pizhu/cursor.png) included, each at its own size and
at twice that size ("name@2x.png", for screens scaled by 2).

The glyphs come from the Papirus symbolic icons (Debian package
papirus-icon-theme), which are 16x16 single-colour SVGs painted #444444.
Each picture is an SVG composed here (the glyph recoloured and placed on a
transparent canvas, sometimes on a background shape) and rasterised with
rsvg-convert (librsvg2-bin). Pen colour swatches, pen sizes and the compare
layouts are not symbols but plain shapes, so they are drawn here directly in
the same geometry (16-unit grid, 1-unit corner radius).

Run from anywhere:  app/resources/tools/render_icons.py
The rendered PNGs are committed, so building the program does not need the
icon package. Re-run after changing a row of the tables below.
"""

import os
import subprocess
import sys
import tempfile

ICON_SET = "/usr/share/icons/Papirus/symbolic"
RESOURCES = os.path.normpath(os.path.join(os.path.dirname(__file__), ".."))
STATIC = os.path.join(RESOURCES, "static")

# The look of the program: glyph ink on the grey panels, the accent blue
# used for chosen states, and the banner/curtain colours.
INK = "#444444"
ACCENT = "#0296D6"
PANEL = "#ededed"
WHITE = "#ffffff"
OK_GREEN = "#2eaa5c"
FAIL_RED = "#e53935"

# Panel buttons use their icon at the button's own size (60 on tall screens,
# 40 or 52 on small ones), so the glyph sits in the middle half of the
# canvas and the button's rounded border never touches it.
PANEL_CANVAS, PANEL_GLYPH = 64, 32

# name -> (source glyph, colour, canvas size, glyph size)
GLYPHS = {
    # Title bar, 32 pixels high; the buttons keep the default 16-pixel icon
    # size, so the glyph fills most of the canvas.
    "head/software_settings": ("apps/org.gnome.Settings", INK, 32, 26),
    "head/software_help": ("apps/help-browser", INK, 32, 26),
    "head/software_min": ("actions/window-minimize", INK, 32, 26),
    "head/software_close": ("actions/window-close", INK, 32, 26),
    # Side bar.
    "side/fenbianlv": ("actions/image-resize", INK, PANEL_CANVAS, PANEL_GLYPH),
    "side/zuozhuan": ("actions/object-rotate-left", INK, PANEL_CANVAS, PANEL_GLYPH),
    "side/youzhuan": ("actions/object-rotate-right", INK, PANEL_CANVAS, PANEL_GLYPH),
    "side/fangda": ("actions/zoom-in", INK, PANEL_CANVAS, PANEL_GLYPH),
    "side/suoxiao": ("actions/zoom-out", INK, PANEL_CANVAS, PANEL_GLYPH),
    "side/zuoyoujingxiang": ("actions/object-flip-horizontal", INK, PANEL_CANVAS, PANEL_GLYPH),
    "side/shangxiajingxiang": ("actions/object-flip-vertical", INK, PANEL_CANVAS, PANEL_GLYPH),
    "side/jiupian": ("actions/image-straighten", INK, PANEL_CANVAS, PANEL_GLYPH),
    "side/caijian": ("actions/tool-crop", INK, PANEL_CANVAS, PANEL_GLYPH),
    "side/zhezhao": ("actions/view-conceal", INK, PANEL_CANVAS, PANEL_GLYPH),
    "side/dongjie": ("actions/media-playback-pause", INK, PANEL_CANVAS, PANEL_GLYPH),
    # Check mark beside the current entry of the resolution menu.
    "side/fenbianlv_select": ("actions/object-select", ACCENT, 32, 20),
    # Tool bar; the "1" pictures are the same tools while they are on.
    "tool/wenjianjia": ("places/folder", INK, PANEL_CANVAS, PANEL_GLYPH),
    "tool/pizhu": ("actions/document-edit", INK, PANEL_CANVAS, PANEL_GLYPH),
    "tool/luxiang": ("devices/camera-video", INK, PANEL_CANVAS, PANEL_GLYPH),
    "tool/luxiang1": ("devices/camera-video", ACCENT, PANEL_CANVAS, PANEL_GLYPH),
    "tool/paizhao": ("devices/camera-photo", INK, PANEL_CANVAS, PANEL_GLYPH),
    "tool/duibi": ("actions/view-dual", INK, PANEL_CANVAS, PANEL_GLYPH),
    "tool/pdf": ("mimetypes/x-office-document", INK, PANEL_CANVAS, PANEL_GLYPH),
    "tool/ocr": ("actions/insert-text", INK, PANEL_CANVAS, PANEL_GLYPH),
    "tool/tiaoma": ("actions/qrscanner", INK, PANEL_CANVAS, PANEL_GLYPH),
    "tool/lianpai": ("devices/scanner", INK, PANEL_CANVAS, PANEL_GLYPH),
    "tool/lianpai1": ("devices/scanner", ACCENT, PANEL_CANVAS, PANEL_GLYPH),
    "tool/sijiao": ("actions/tool-freeshape", INK, PANEL_CANVAS, PANEL_GLYPH),
    # Annotation bar, 40x40 controls on tall screens.
    "pizhu/wenzi": ("actions/tool-text", INK, 48, 28),
    "pizhu/xiangpicha": ("actions/tool-eraser", INK, 48, 28),
    "pizhu/chexiao": ("actions/edit-undo", INK, 48, 28),
    "pizhu/qingchu": ("actions/edit-delete", INK, 48, 28),
    "pizhu/save": ("actions/document-save", INK, 48, 28),
    # Side-panel toggle: collapse while the panels show, expand while hidden.
    # The round button (80 or 50 wide) shows it at about half its width.
    "btn_show": ("actions/view-restore", INK, PANEL_CANVAS, 44),
    "btn_hide": ("actions/view-fullscreen", INK, PANEL_CANVAS, 44),
    # Microphone button of the recording clock (40x40).
    "mai": ("devices/audio-input-microphone", INK, 40, 28),
    # Status banner on black: success, failure, close.
    "other/widget_state_dui": ("status/process-completed", OK_GREEN, 40, 36),
    "other/widget_state_cuo": ("actions/edit-clear-all", FAIL_RED, 40, 36),
    "other/widget_state_guanbi": ("actions/window-close", WHITE, 40, 28),
    # Close button in the middle of the curtain (a grey 32x32 circle).
    "other/curtain_close": ("actions/window-close", WHITE, 64, 32),
    # Check boxes and combo-box arrow for style sheets of the dialogs.
    "other/checkbox": ("status/checkbox", "#7a7a7a", 32, 24),
    "other/checkbox_checked": ("status/checkbox-checked", ACCENT, 32, 24),
    "other/combo_arrow": ("actions/pan-down", INK, 32, 16),
}

# The pen colours of the annotation bar, exactly as the pens draw.
SWATCHES = {
    "pizhu/hong": "#ff0000",
    "pizhu/huang": "#ffff00",
    "pizhu/qing": "#00c0ff",
    "pizhu/lv": "#00ff00",
    "pizhu/lan": "#0000ff",
    "pizhu/meihong": "#f800c0",
}

# Pen widths 3, 5 and 10 shown as dots of growing diameter (canvas units of 48).
PEN_SIZES = {"pizhu/xiao": 8, "pizhu/zhong": 14, "pizhu/da": 22}

# Compare layouts: columns x rows of panes.
COMPARE = {"com_2": (2, 1), "com_4": (2, 2), "com_6": (3, 2)}


def glyph_markup(source, colour, x, y, size, rotate=0, keep_opacity=True):
    """The source SVG's shapes, recoloured, as a nested <svg> at (x, y)."""
    path = os.path.join(ICON_SET, source + "-symbolic.svg")
    with open(path, encoding="utf-8") as f:
        text = f.read()
    start = text.index(">", text.index("<svg")) + 1
    end = text.rindex("</svg>")
    body = text[start:end].replace("#444444", colour)
    if not keep_opacity:
        body = body.replace(";opacity:.35", "").replace("opacity:.35;", "")
    inner = body
    if rotate:
        inner = '<g transform="rotate(%d 8 8)">%s</g>' % (rotate, body)
    return ('<svg x="%g" y="%g" width="%g" height="%g" viewBox="0 0 16 16">%s</svg>'
            % (x, y, size, size, inner))


def document(width, height, parts):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'viewBox="0 0 %d %d">%s</svg>' % (width, height, width, height, "".join(parts)))


def centred_glyph(source, colour, canvas, size, **kw):
    offset = (canvas - size) / 2.0
    return document(canvas, canvas, [glyph_markup(source, colour, offset, offset, size, **kw)])


def logo():
    # The program's mark: the camera glyph in white on an accent-blue tile.
    tile = '<rect x="2" y="2" width="60" height="60" rx="14" ry="14" fill="%s"/>' % ACCENT
    return document(64, 64, [tile, glyph_markup("devices/camera-photo", WHITE, 14, 14, 36)])


def screen_recording(colour):
    # The set has no screen-recording symbol: its display with its record
    # dot inside the screen area (2..14 x 2..11 of the 16-unit grid).
    display = glyph_markup("devices/video-display", colour, 0, 0, 16)
    dot = glyph_markup("actions/media-record", colour, 3.6, 2.1, 8.8)
    offset = (PANEL_CANVAS - PANEL_GLYPH) / 2.0
    inner = ('<svg x="%g" y="%g" width="%g" height="%g" viewBox="0 0 16 16">%s%s</svg>'
             % (offset, offset, PANEL_GLYPH, PANEL_GLYPH, display, dot))
    return document(PANEL_CANVAS, PANEL_CANVAS, [inner])


def muted_microphone():
    # The set draws its muted microphone at 35 % opacity (a disabled look);
    # the button needs it as legible as the live one.
    return centred_glyph("status/microphone-disabled", INK, 40, 28, keep_opacity=False)


def swatch(colour):
    # A darker ring keeps light colours (yellow, cyan) visible on the grey bar.
    return document(48, 48, ['<circle cx="24" cy="24" r="13" fill="%s" stroke="%s" '
                             'stroke-opacity="0.35" stroke-width="1.5"/>' % (colour, INK)])


def pen_size(diameter):
    return document(48, 48, ['<circle cx="24" cy="24" r="%g" fill="%s"/>' % (diameter / 2.0, INK)])


def compare_layout(columns, rows):
    # Panes on the 16-unit grid of the set: 14 units wide and 12 high in
    # total, 2 units apart, corner radius 1; scaled onto the 64 canvas.
    gap = 2.0
    width = (14.0 - gap * (columns - 1)) / columns
    height = (12.0 - gap * (rows - 1)) / rows
    panes = []
    for r in range(rows):
        for c in range(columns):
            panes.append('<rect x="%g" y="%g" width="%g" height="%g" rx="1" fill="%s"/>'
                         % (1 + c * (width + gap), 2 + r * (height + gap), width, height, INK))
    inner = '<svg x="16" y="16" width="32" height="32" viewBox="0 0 16 16">%s</svg>' % "".join(panes)
    return document(PANEL_CANVAS, PANEL_CANVAS, [inner])


def curtain_handle(edge):
    # A grey tab with a grip, flat along the curtain's edge and rounded
    # towards the middle of the screen. The picture is stretched to 25x58
    # (sides) or 58x25 (top, bottom), so it is drawn at twice that size.
    vertical = edge in ("left", "right")
    width, height = (50, 116) if vertical else (116, 50)
    tab = ('<rect x="1" y="1" width="%d" height="%d" rx="12" ry="12" fill="%s"/>'
           % (width - 2, height - 2, PANEL))
    # Square off the corners on the edge side.
    flat = {
        "left": (0, 1, 20, height - 2),
        "right": (width - 20, 1, 20, height - 2),
        "top": (1, 0, width - 2, 20),
        "bottom": (1, height - 20, width - 2, 20),
    }[edge]
    square = '<rect x="%d" y="%d" width="%d" height="%d" fill="%s"/>' % (flat + (PANEL,))
    size = 40
    grip = glyph_markup("actions/list-drag-handle", INK, (width - size) / 2.0,
                        (height - size) / 2.0, size, rotate=0 if vertical else 90)
    return document(width, height, [tab, square, grip])


def eraser_cursor():
    # The eraser removes a square of the cursor's size, so the cursor is that
    # square: a dark outline inside a light one, visible on any picture.
    return document(64, 64, [
        '<rect x="1" y="1" width="62" height="62" fill="none" stroke="%s" stroke-width="2"/>' % WHITE,
        '<rect x="3" y="3" width="58" height="58" fill="none" stroke="%s" stroke-width="2"/>' % INK,
        '<rect x="5" y="5" width="54" height="54" fill="%s" fill-opacity="0.15"/>' % WHITE,
    ])


def all_pictures():
    pictures = {}
    for name, (source, colour, canvas, size) in GLYPHS.items():
        pictures[name] = centred_glyph(source, colour, canvas, size)
    pictures["logo"] = logo()
    pictures["mai1"] = muted_microphone()
    pictures["tool/luping"] = screen_recording(INK)
    pictures["tool/luping1"] = screen_recording(ACCENT)
    for name, colour in SWATCHES.items():
        pictures[name] = swatch(colour)
    for name, diameter in PEN_SIZES.items():
        pictures[name] = pen_size(diameter)
    for name, (columns, rows) in COMPARE.items():
        pictures[name] = compare_layout(columns, rows)
    for edge in ("left", "top", "right", "bottom"):
        pictures["other/curtain_" + edge] = curtain_handle(edge)
    pictures["pizhu/cursor"] = eraser_cursor()
    return pictures


# Every picture is also rendered at twice its size as "name@2x.png": on a
# screen with a device pixel ratio of 2 Qt picks that twin for icons (and
# the program loads it for its other pictures), so nothing is upscaled.
SCALES = {"": 1, "@2x": 2}


def render(name, svg, workdir):
    src = os.path.join(workdir, name.replace("/", "_") + ".svg")
    with open(src, "w", encoding="utf-8") as f:
        f.write(svg)
    for suffix, zoom in SCALES.items():
        out = os.path.join(STATIC, name + suffix + ".png")
        os.makedirs(os.path.dirname(out), exist_ok=True)
        subprocess.run(["rsvg-convert", "--format=png", "--zoom=%d" % zoom, "--output", out, src],
                       check=True)


def main():
    if not os.path.isdir(ICON_SET):
        sys.exit("render_icons: %s missing; install papirus-icon-theme" % ICON_SET)
    with tempfile.TemporaryDirectory() as workdir:
        pictures = all_pictures()
        for name in sorted(pictures):
            render(name, pictures[name], workdir)
    print("render_icons: %d pictures (each also @2x) written under %s" % (len(pictures), STATIC))


if __name__ == "__main__":
    main()
