#!/usr/bin/env python3
"""Writes the program's artwork (SVG Tiny 1.2, as Qt SVG renders it) into resources/artwork.

All pictures share one palette and one line-icon style, so a change of colour or stroke is made
here once and the files are written again; the SVG files are committed.
"""
import os
import sys

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "artwork")

ACCENT_LIGHT = "#3fb6ec"
ACCENT = "#2a8fd4"
ACCENT_DARK = "#1d5f9e"
WINDOW = "#424242"
TEXT = "#e0e0e0"
FONT = "DejaVu Sans"


def svg(w, h, body, defs=""):
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n'
            f'<defs>{defs}</defs>\n{body}\n</svg>\n')


def lin(id_, c1, c2, x1=0, y1=0, x2=0, y2=1):
    return (f'<linearGradient id="{id_}" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}">'
            f'<stop offset="0" stop-color="{c1}"/><stop offset="1" stop-color="{c2}"/>'
            f'</linearGradient>')


# The logo mark: a speed gauge whose needle forms the tail of a Q. Drawn in a 100 x 100 box.
def logo(stroke, needle, scale=1.0, tx=0, ty=0, width=9):
    return (f'<g transform="translate({tx},{ty}) scale({scale})">'
            f'<path d="M 22 72 A 34 34 0 1 1 78 72" fill="none" stroke="{stroke}" '
            f'stroke-width="{width}" stroke-linecap="round"/>'
            f'<path d="M 30 30 L 34 34 M 50 20 L 50 26 M 70 30 L 66 34" stroke="{stroke}" '
            f'stroke-width="{width * 0.5}" stroke-linecap="round"/>'
            f'<path d="M 50 56 L 80 86" stroke="{needle}" stroke-width="{width}" '
            f'stroke-linecap="round"/>'
            f'<circle cx="50" cy="56" r="{width * 0.9}" fill="{needle}"/>'
            f'</g>')


# Line glyphs of the six home icons, in a 72 x 72 box, stroked by the caller's colour.
GLYPHS = {
    "internet": (
        '<circle cx="36" cy="36" r="20"/>'
        '<path d="M 16 36 L 56 36 M 36 16 C 26 24 26 48 36 56 C 46 48 46 24 36 16 '
        'M 19 26 L 53 26 M 19 46 L 53 46"/>'),
    "advanced": (
        '<path d="M 18 22 L 54 22 M 18 36 L 54 36 M 18 50 L 54 50"/>'
        '<circle cx="28" cy="22" r="5" fill="FILL"/><circle cx="46" cy="36" r="5" fill="FILL"/>'
        '<circle cx="32" cy="50" r="5" fill="FILL"/>'),
    "lan": (
        '<rect x="28" y="14" width="16" height="12" rx="2"/>'
        '<rect x="12" y="46" width="16" height="12" rx="2"/>'
        '<rect x="44" y="46" width="16" height="12" rx="2"/>'
        '<path d="M 36 26 L 36 36 M 20 46 L 20 36 L 52 36 L 52 46"/>'),
    "firefox": (
        '<rect x="14" y="16" width="44" height="40" rx="5"/>'
        '<path d="M 14 26 L 58 26"/>'
        '<circle cx="20" cy="21" r="1.2"/><circle cx="25" cy="21" r="1.2"/>'
        '<path d="M 30 50 C 22 46 24 38 30 34 C 30 38 33 40 35 39 C 33 35 36 31 40 30 '
        'C 39 34 42 36 44 38 C 47 43 44 50 38 51 C 35 51.5 32 51 30 50 Z"/>'),
    "explorer": (
        '<rect x="14" y="16" width="44" height="40" rx="5"/>'
        '<path d="M 14 26 L 58 26"/>'
        '<circle cx="20" cy="21" r="1.2"/><circle cx="25" cy="21" r="1.2"/>'
        '<path d="M 22 36 L 50 36 M 44 31 L 50 36 L 44 41 M 50 46 L 22 46 M 28 41 L 22 46 '
        'L 28 51"/>'),
    "automatic": (
        '<circle cx="36" cy="36" r="21"/>'
        '<path d="M 39 18 L 27 39 L 36 39 L 33 54 L 46 32 L 37 32 Z" fill="FILL"/>'),
}

ICON_NAMES = {  # resting, highlighted
    "internet": ("Image13", "Image6"),
    "advanced": ("Image14", "Image3"),
    "lan": ("Image15", "Image2"),
    "firefox": ("Image16", "Image5"),
    "explorer": ("Image17", "Image4"),
    "automatic": ("Image18", "Image20"),
}


def icon(kind, highlighted):
    if highlighted:
        defs = lin("t", ACCENT_LIGHT, ACCENT_DARK)
        tile = ('<rect x="1.5" y="1.5" width="69" height="69" rx="17" fill="none" '
                f'stroke="{ACCENT_LIGHT}" stroke-opacity="0.35" stroke-width="3"/>'
                '<rect x="4" y="4" width="64" height="64" rx="15" fill="url(#t)"/>'
                '<rect x="4.5" y="4.5" width="63" height="31" rx="14" fill="#ffffff" '
                'fill-opacity="0.10"/>')
        stroke, fill = "#ffffff", "#ffffff"
    else:
        defs = lin("t", "#575757", "#3b3b3b")
        # An opaque ring in the window's grey hides the glow of the highlighted twin beneath.
        tile = (f'<rect x="0" y="0" width="72" height="72" fill="{WINDOW}"/>'
                '<rect x="4" y="4" width="64" height="64" rx="15" fill="url(#t)" '
                'stroke="#626262" stroke-width="1"/>')
        stroke, fill = "#cfcfcf", "#cfcfcf"
    glyph = GLYPHS[kind].replace("FILL", fill)
    body = (tile + f'<g fill="none" stroke="{stroke}" stroke-width="3.2" '
            f'stroke-linecap="round" stroke-linejoin="round">{glyph}</g>')
    return svg(72, 72, body, defs)


def splash():
    defs = lin("a", ACCENT_LIGHT, ACCENT_DARK, 0, 0, 1, 0)
    body = ('<rect width="502" height="271" fill="#ffffff"/>'
            '<rect x="0" y="0" width="502" height="6" fill="url(#a)"/>'
            + logo(ACCENT, ACCENT_DARK, 1.3, 40, 58, 8) +
            f'<text x="190" y="132" font-family="{FONT}" font-size="52" font-weight="bold" '
            f'fill="#2b2b2b">Quorvex</text>'
            f'<text x="193" y="162" font-family="{FONT}" font-size="15" fill="#5c6670">'
            'Internet &amp; Network Optimizer</text>'
            '<rect x="193" y="180" width="120" height="3" rx="1.5" fill="url(#a)"/>'
            f'<text x="24" y="252" font-family="{FONT}" font-size="11" fill="#8a939b">'
            'Version 1.0</text>'
            f'<text x="478" y="252" text-anchor="end" font-family="{FONT}" font-size="11" '
            'fill="#8a939b">Loading\u2026</text>'
            '<rect x="0.5" y="0.5" width="501" height="270" fill="none" stroke="#c9d2da"/>')
    return svg(502, 271, body, defs)


def background():
    defs = lin("band", "#2f2f2f", "#3a3a3a") + lin("a", ACCENT_LIGHT, ACCENT_DARK, 0, 0, 1, 0)
    body = (f'<rect width="500" height="600" fill="{WINDOW}"/>'
            '<rect width="500" height="108" fill="url(#band)"/>'
            '<rect y="106" width="500" height="2" fill="url(#a)"/>'
            + logo(ACCENT_LIGHT, "#ffffff", 0.62, 22, 20, 9) +
            f'<text x="94" y="62" font-family="{FONT}" font-size="34" font-weight="bold" '
            f'fill="{TEXT}">Quorvex</text>'
            f'<text x="96" y="84" font-family="{FONT}" font-size="12" fill="#9aa3ab">'
            'Internet &amp; Network Optimizer</text>'
            '<path d="M 300 40 L 330 40 M 310 52 L 350 52 M 296 64 L 340 64 M 320 76 L 360 76" '
            f'stroke="{ACCENT}" stroke-opacity="0.25" stroke-width="3" stroke-linecap="round"/>'
            '<path d="M 380 88 L 412 60 L 436 74 L 478 30" fill="none" '
            f'stroke="{ACCENT_LIGHT}" stroke-opacity="0.45" stroke-width="3" '
            'stroke-linecap="round" stroke-linejoin="round"/>'
            f'<circle cx="478" cy="30" r="4" fill="{ACCENT_LIGHT}" fill-opacity="0.6"/>')
    return svg(500, 600, body, defs)


HEADERS = {
    "Image9": ("Internet Settings", "internet"),
    "Image8": ("Advanced Settings", "advanced"),
    "Image7": ("Local Area Network", "lan"),
    "Image11": ("Mozilla Firefox", "firefox"),
    "Image10": ("Internet Explorer", "explorer"),
}


def header(title, kind):
    defs = lin("c", "#4f4f4f", "#3e3e3e") + lin("a", ACCENT_LIGHT, ACCENT_DARK, 0, 0, 1, 0)
    glyph = GLYPHS[kind].replace("FILL", TEXT)
    body = ('<rect x="0.5" y="0.5" width="469" height="324" rx="12" fill="url(#c)" '
            'stroke="#5e5e5e"/>'
            '<rect x="16" y="14" width="44" height="44" rx="11" fill="url(#a)"/>'
            '<g transform="translate(16,14) scale(0.611)" fill="none" stroke="#ffffff" '
            'stroke-width="4.5" stroke-linecap="round" stroke-linejoin="round">'
            + glyph.replace(f'fill="{TEXT}"', 'fill="#ffffff"') + '</g>'
            f'<text x="74" y="44" font-family="{FONT}" font-size="21" font-weight="bold" '
            f'fill="{TEXT}">{title}</text>'
            '<rect x="16" y="68" width="438" height="2" rx="1" fill="url(#a)" '
            'fill-opacity="0.8"/>')
    return svg(470, 325, body, defs)


BUTTONS = {  # resting, highlighted, text, top of the pill inside the 478 x 65 picture
    "apply": ("Image19", "Image21", "Apply Settings", 5),
    "monitor": ("Image24", "Image23", "Open Traffic Monitor", 14),
    "back": ("Image26", "Image25", "Back To Main Menu", 14),
}

BUTTON_GLYPHS = {
    "apply": '<path d="M -8 0 L -2 6 L 9 -6"/>',
    "monitor": '<path d="M -10 6 L -4 -2 L 1 3 L 10 -7"/>',
    "back": '<path d="M 6 -7 L -3 0 L 6 7"/>',
}


def button(kind, highlighted):
    _, _, text, top = BUTTONS[kind]
    h = 44
    if highlighted:
        defs = lin("b", ACCENT_LIGHT, ACCENT_DARK)
        pill = (f'<rect x="3" y="{top - 2}" width="472" height="{h + 4}" rx="{(h + 4) / 2}" '
                f'fill="none" stroke="{ACCENT_LIGHT}" stroke-opacity="0.35" stroke-width="2"/>'
                f'<rect x="5" y="{top}" width="468" height="{h}" rx="{h / 2}" fill="url(#b)"/>'
                f'<rect x="6" y="{top + 1}" width="466" height="{h / 2 - 1}" rx="{h / 2 - 1}" '
                'fill="#ffffff" fill-opacity="0.10"/>')
        colour = "#ffffff"
    else:
        defs = lin("b", "#585858", "#3f3f3f")
        pill = (f'<rect x="1" y="{top - 4}" width="476" height="{h + 8}" rx="{(h + 8) / 2}" '
                f'fill="{WINDOW}"/>'
                f'<rect x="5.5" y="{top + 0.5}" width="467" height="{h - 1}" rx="{h / 2}" '
                'fill="url(#b)" stroke="#6a6a6a"/>')
        colour = TEXT
    cy = top + h / 2
    # The glyph sits left of the centred text; bold 16 px DejaVu Sans averages 10.5 px a letter.
    gx = 250 - len(text) * 10.5 / 2 - 20
    body = (pill +
            f'<g transform="translate({gx:.1f},{cy})" fill="none" stroke="{colour}" '
            'stroke-width="3" stroke-linecap="round" stroke-linejoin="round">'
            + BUTTON_GLYPHS[kind] + '</g>'
            f'<text x="250" y="{cy + 6}" text-anchor="middle" font-family="{FONT}" '
            f'font-size="16" font-weight="bold" fill="{colour}">{text}</text>')
    return svg(478, 65, body, defs)


def home_button():
    defs = lin("h", ACCENT_LIGHT, ACCENT_DARK)
    body = ('<circle cx="15" cy="15" r="14" fill="url(#h)"/>'
            '<path d="M 8 15 L 15 8.5 L 22 15 M 10.5 13 L 10.5 21.5 L 19.5 21.5 L 19.5 13 '
            'M 13.5 21.5 L 13.5 17 L 16.5 17 L 16.5 21.5" fill="none" stroke="#ffffff" '
            'stroke-width="1.8" stroke-linecap="round" stroke-linejoin="round"/>')
    return svg(30, 30, body, defs)


def link_cursor():
    # A pointing hand; the tip of the index finger is the hot spot at column 13, row 5.
    hand = ('M 11 7 C 11 4.5 15 4.5 15 7 L 15 15 C 15 13 18.5 13 18.5 15 L 18.5 16 '
            'C 18.5 14 22 14 22 16 L 22 17 C 22 15 25.5 15 25.5 17 L 25.5 23 '
            'C 25.5 27 23.5 30 19.5 30 L 16 30 C 13 30 11.5 28.5 10 26.5 L 5.5 20.5 '
            'C 4.2 18.8 6.6 16.6 8.3 18.2 L 11 20.5 Z')
    body = (f'<path d="{hand}" fill="#ffffff" stroke="#000000" stroke-width="1.3" '
            'stroke-linejoin="round"/>'
            '<path d="M 15 15 L 15 21 M 18.5 16 L 18.5 21 M 22 17 L 22 21" fill="none" '
            'stroke="#000000" stroke-width="1"/>')
    return svg(32, 32, body)


def app_icon():
    defs = lin("i", ACCENT_LIGHT, ACCENT_DARK) + lin("g", "#ffffff", "#ffffff")
    body = ('<rect x="4" y="4" width="120" height="120" rx="28" fill="url(#i)"/>'
            '<rect x="5" y="5" width="118" height="58" rx="27" fill="#ffffff" '
            'fill-opacity="0.12"/>'
            + logo("#ffffff", "#ffffff", 0.96, 16, 14, 10))
    return svg(128, 128, body, defs)


def write(name, text):
    with open(os.path.join(OUT, name + ".svg"), "w", encoding="utf-8") as f:
        f.write(text)


def main():
    os.makedirs(OUT, exist_ok=True)
    write("splash", splash())
    write("background", background())
    for kind, (resting, highlighted) in ICON_NAMES.items():
        write(f"icon_{kind}", icon(kind, False))
        write(f"icon_{kind}_hover", icon(kind, True))
    for name, (title, kind) in HEADERS.items():
        write(f"header_{kind}", header(title, kind))
    for kind in BUTTONS:
        write(f"button_{kind}", button(kind, False))
        write(f"button_{kind}_hover", button(kind, True))
    write("home", home_button())
    write("link_cursor", link_cursor())
    write("quorvex", app_icon())
    return 0


if __name__ == "__main__":
    sys.exit(main())
