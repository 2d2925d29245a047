#!/usr/bin/env python3
"""Makes the nine skin blobs of the settings page into src/assets/files/skins/.

Run it again after changing a scheme:  python3 tools/make_skins.py
Only the Python standard library is used.

A blob is our own format (src/skin/SkinFormat.h holds the reference):
  header   2E 53 48 45, version 1 (u16), record count (u16), whole length (u32),
           CRC-32 of everything after the 16-byte header (u32); little-endian
  records  tag (u16), payload length (u32), payload:
           1 name (UTF-8), 2 palette (6-byte entries: group, role, r, g, b, a),
           3 style sheet (UTF-8), 0 padding (zeros, ignored)
Each blob is padded to the length the program has always carried for its scheme.

Every scheme is checked before it is written: each text colour against every background it
stands on (WCAG contrast ratio 4.5 for text, 3 for the placeholder and the page buttons'
pressed colour), so no scheme can ship with unreadable text.
"""

import os
import struct
import sys
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "assets", "files",
                   "skins")

MAGIC = bytes([0x2E, 0x53, 0x48, 0x45])
VERSION = 1
TAG_PADDING, TAG_NAME, TAG_PALETTE, TAG_STYLE = 0, 1, 2, 3
GROUP_ACTIVE, GROUP_DISABLED, GROUP_INACTIVE, GROUP_ALL = 0, 1, 2, 3
ROLES = {
    "WindowText": 0, "Button": 1, "Light": 2, "Midlight": 3, "Dark": 4, "Mid": 5, "Text": 6,
    "BrightText": 7, "ButtonText": 8, "Base": 9, "Window": 10, "Shadow": 11, "Highlight": 12,
    "HighlightedText": 13, "Link": 14, "LinkVisited": 15, "AlternateBase": 16,
    "ToolTipBase": 18, "ToolTipText": 19, "PlaceholderText": 20,
}

# The main window's frame picture around the pages, where the page buttons stand: its
# lightest part, the worst case for their light captions.
FRAME = "#34445A"


# ---------------------------------------------------------------- colours

def rgb(colour):
    colour = colour.lstrip("#")
    return tuple(int(colour[i:i + 2], 16) for i in (0, 2, 4))


def hexed(values):
    return "#%02X%02X%02X" % tuple(max(0, min(255, round(v))) for v in values)


def mix(a, b, t):
    """`a` moved toward `b` by t (0 to 1)."""
    return hexed(x + (y - x) * t for x, y in zip(rgb(a), rgb(b)))


def luminance(colour):
    def channel(c):
        c /= 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(c) for c in rgb(colour))
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


# ---------------------------------------------------------------- the nine schemes
#
# Keys: window/window_text (pages and labels), base/text (edit boxes and lists),
# alt_base, button/button_text with button_hover/button_pressed and button_border (a second
# button colour, button_end, draws a gradient), border, accent (focus, marks, slider,
# progress), highlight/highlighted_text (selections), header/header_text (list headers),
# tip/tip_text, disabled, placeholder, page/page_hover/page_pressed (the page buttons'
# captions on the dark frame), radius, and optional extras.

SCHEMES = [
    dict(
        name="简约灰白", file="grey-white.she", length=7012,
        window="#EEEEEE", window_text="#2E2E2E", base="#FFFFFF", alt_base="#F6F6F6",
        text="#212121", button="#E2E2E2", button_hover="#EBEBEB", button_pressed="#CFCFCF",
        button_text="#262626", button_border="#B8B8B8", border="#C4C4C4", accent="#6B6B6B",
        highlight="#5E5E5E", highlighted_text="#FFFFFF", header="#E4E4E4",
        header_text="#2E2E2E", tip="#FAFAFA", tip_text="#2E2E2E", disabled="#8A8A8A",
        placeholder="#8A8A8A", chunk="#B5B5B5",
        page="#F0F0F0", page_hover="#FFFFFF", page_pressed="#BDBDBD", radius=3,
    ),
    dict(
        name="简约黑", file="black.she", length=9205,
        window="#1D1D1F", window_text="#E8E8E8", base="#2B2B2E", alt_base="#252528",
        text="#F2F2F2", button="#3A3A3D", button_hover="#47474B", button_pressed="#2C2C2F",
        button_text="#F2F2F2", button_border="#55555A", border="#48484C", accent="#F5A623",
        highlight="#F5A623", highlighted_text="#1D1D1F", header="#333336",
        header_text="#F2F2F2", tip="#333336", tip_text="#F2F2F2", disabled="#8C8C91",
        placeholder="#9A9AA0", chunk="#8A5A10",
        page="#F5F5F5", page_hover="#F5A623", page_pressed="#D98E16", radius=4,
    ),
    dict(
        name="简约蓝", file="blue.she", length=6226,
        window="#E5EFFA", window_text="#12324F", base="#FFFFFF", alt_base="#F0F6FC",
        text="#0F2740", button="#2A66AC", button_hover="#3273BF", button_pressed="#1F5290",
        button_text="#FFFFFF", button_border="#1F5290", border="#9DBDE0", accent="#2A66AC",
        highlight="#2A66AC", highlighted_text="#FFFFFF", header="#D3E4F7",
        header_text="#12324F", tip="#FFFFFF", tip_text="#12324F", disabled="#6F87A0",
        placeholder="#6F87A0", chunk="#8DB8E8",
        page="#D6E8FB", page_hover="#8FC3F7", page_pressed="#5C9FE3", radius=4,
    ),
    dict(
        name="简约compact", file="compact.she", length=23295,
        window="#DCE3E5", window_text="#1E2A2E", base="#F7FAFA", alt_base="#EAF0F1",
        text="#1B2528", button="#37505A", button_hover="#43616D", button_pressed="#2A3E46",
        button_text="#F1F6F7", button_border="#2A3E46", border="#8FA3A9", accent="#1F7373",
        highlight="#1F7373", highlighted_text="#FFFFFF", header="#C9D4D7",
        header_text="#1E2A2E", tip="#F7FAFA", tip_text="#1E2A2E", disabled="#6E8187",
        placeholder="#66797F", chunk="#7FC4C4",
        page="#CDE6E6", page_hover="#78D6D3", page_pressed="#3FB3B0", radius=2,
        compact=True,
    ),
    dict(
        name="简约红", file="red.she", length=7265,
        window="#FBEDEC", window_text="#4A1212", base="#FFFFFF", alt_base="#FDF5F4",
        text="#3A0E0E", button="#B83226", button_hover="#C83E31", button_pressed="#98281E",
        button_text="#FFFFFF", button_border="#98281E", border="#E3A8A1", accent="#B83226",
        highlight="#B83226", highlighted_text="#FFFFFF", header="#F6D9D6",
        header_text="#4A1212", tip="#FFFFFF", tip_text="#4A1212", disabled="#A07A77",
        placeholder="#9A6B67", chunk="#F0A197",
        page="#FFE2DE", page_hover="#FF9A8C", page_pressed="#F0604F", radius=4,
    ),
    dict(
        name="简约蓝紫", file="blue-violet.she", length=13599,
        window="#EDEBFA", window_text="#2A2159", base="#FFFFFF", alt_base="#F5F3FD",
        text="#231B4D", button="#4F4FC4", button_end="#6C45C9", button_hover="#5A5AD2",
        button_pressed="#3F3FA8", button_text="#FFFFFF", button_border="#3F3FA8",
        border="#B9B0E8", accent="#5B45C6", highlight="#5B45C6", highlighted_text="#FFFFFF",
        header="#DEDAF6", header_text="#2A2159", tip="#FFFFFF", tip_text="#2A2159",
        disabled="#8580A8", placeholder="#77729C", chunk="#B3A6F0",
        page="#E4DEFF", page_hover="#B9A9FF", page_pressed="#9A86F2", radius=6,
    ),
    dict(
        name="简约纯", file="pure.she", length=22424,
        window="#FFFFFF", window_text="#000000", base="#FFFFFF", alt_base="#F4F4F4",
        text="#000000", button="#FFFFFF", button_hover="#EDEDED", button_pressed="#D6D6D6",
        button_text="#000000", button_border="#000000", border="#000000", accent="#000000",
        highlight="#000000", highlighted_text="#FFFFFF", header="#000000",
        header_text="#FFFFFF", tip="#000000", tip_text="#FFFFFF", disabled="#767676",
        placeholder="#767676", chunk="#C8C8C8",
        page="#FFFFFF", page_hover="#FFFFFF", page_pressed="#C8C8C8", radius=0,
    ),
    dict(
        name="简约绿", file="green.she", length=12564,
        window="#E8F5EA", window_text="#133A1E", base="#FFFFFF", alt_base="#F2FAF3",
        text="#10301A", button="#2E7D32", button_hover="#33843A", button_pressed="#1B5E20",
        button_text="#FFFFFF", button_border="#1B5E20", border="#A5D6A7", accent="#2E7D32",
        highlight="#2E7D32", highlighted_text="#FFFFFF", header="#D4EDD6",
        header_text="#133A1E", tip="#FFFFFF", tip_text="#133A1E", disabled="#6F8F74",
        placeholder="#5F7F64", chunk="#9ED3A1",
        page="#DDF3DE", page_hover="#8FD893", page_pressed="#5CB860", radius=8,
    ),
    dict(
        name="简约木", file="wood.she", length=41098,
        window="#E6D2AE", window_text="#3B2410", base="#FBF4E6", alt_base="#F4E9D3",
        text="#33200E", button="#8E5E32", button_end="#6E4522", button_hover="#94633A",
        button_pressed="#5E3A1C", button_text="#FFF6E6", button_border="#5E3A1C",
        border="#B08A5A", accent="#7A4A22", highlight="#7A4A22", highlighted_text="#FFF6E6",
        header="#D9C096", header_text="#3B2410", tip="#FBF4E6", tip_text="#3B2410",
        disabled="#7E6A55", placeholder="#7A6047", chunk="#D0A670",
        page="#F3DFC0", page_hover="#E8B87E", page_pressed="#C98F4E", radius=3,
    ),
]


# ---------------------------------------------------------------- palette

def palette_entries(s):
    """(group, role, colour) in the order the library applies them."""
    button = s["button"]
    light = mix(button, "#FFFFFF", 0.5)
    dark = mix(button, "#000000", 0.35)
    every = {
        "Window": s["window"], "WindowText": s["window_text"], "Base": s["base"],
        "AlternateBase": s["alt_base"], "Text": s["text"], "Button": button,
        "ButtonText": s["button_text"], "BrightText": "#FFFFFF", "Light": light,
        "Midlight": mix(button, light, 0.5), "Mid": mix(button, dark, 0.5), "Dark": dark,
        "Shadow": mix(dark, "#000000", 0.5), "Highlight": s["highlight"],
        "HighlightedText": s["highlighted_text"], "Link": s["accent"],
        "LinkVisited": mix(s["accent"], s["text"], 0.4), "ToolTipBase": s["tip"],
        "ToolTipText": s["tip_text"], "PlaceholderText": s["placeholder"],
    }
    entries = [(GROUP_ALL, role, colour) for role, colour in every.items()]
    # Disabled controls keep their backgrounds and grey their text.
    for role in ("WindowText", "Text", "ButtonText"):
        entries.append((GROUP_DISABLED, role, s["disabled"]))
    return entries


# ---------------------------------------------------------------- style sheet

def button_background(s, key):
    if "button_end" not in s:
        return s[key]
    end = s["button_end"] if key == "button" else mix(s["button_end"], s[key], 0.5)
    return ("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %s, stop:1 %s)" % (s[key], end))


def style_sheet(s):
    c = dict(s)
    c["bg"] = button_background(s, "button")
    c["bg_hover"] = button_background(s, "button_hover")
    c["bg_pressed"] = button_background(s, "button_pressed")
    c["small"] = max(0, s["radius"] - 1)
    c["knob"] = 6
    c["font"] = "font-size: 11px; " if s.get("compact") else ""
    c["pad"] = "0px 3px" if s.get("compact") else "1px 6px"
    c["item_pad"] = "2px 12px" if s.get("compact") else "4px 18px"
    rules = [
        "QToolTip {{ color: {tip_text}; background-color: {tip}; border: 1px solid {border};"
        " padding: 2px 4px; }}",
        "QTabWidget::pane {{ border: none; }}",
        "QPushButton {{ {font}color: {button_text}; background: {bg};"
        " border: 1px solid {button_border}; border-radius: {radius}px; padding: {pad}; }}",
        "QPushButton:hover {{ background: {bg_hover}; }}",
        "QPushButton:pressed {{ background: {bg_pressed}; }}",
        "QPushButton:focus {{ border: 1px solid {accent}; }}",
        "QPushButton:disabled {{ color: {disabled}; }}",
        # The page buttons draw only their captions, on the main window's dark frame.
        "PageButton {{ background: transparent; border: none; qproperty-textColor: {page};"
        " qproperty-hoverColor: {page_hover}; qproperty-pressedColor: {page_pressed}; }}",
        "QLineEdit, QTextEdit, QPlainTextEdit, QAbstractSpinBox {{ {font}color: {text};"
        " background-color: {base}; border: 1px solid {border}; border-radius: {small}px;"
        " selection-color: {highlighted_text}; selection-background-color: {highlight}; }}",
        "QLineEdit:focus, QTextEdit:focus, QPlainTextEdit:focus {{ border: 1px solid {accent}; }}",
        "QComboBox {{ {font}color: {text}; background-color: {base};"
        " border: 1px solid {border}; border-radius: {small}px; padding: 0px 2px; }}",
        "QComboBox:focus {{ border: 1px solid {accent}; }}",
        "QComboBox QAbstractItemView {{ color: {text}; background-color: {base};"
        " border: 1px solid {border}; selection-color: {highlighted_text};"
        " selection-background-color: {highlight}; }}",
        "QLabel {{ {font}}}" if s.get("compact") else "",
        "QGroupBox {{ {font}color: {window_text}; border: 1px solid {border};"
        " border-radius: {radius}px; margin-top: 7px; }}",
        "QGroupBox::title {{ subcontrol-origin: margin; left: 8px; padding: 0px 3px;"
        " color: {window_text}; }}",
        "QRadioButton, QCheckBox {{ {font}color: {window_text}; spacing: 4px; }}",
        "QRadioButton::indicator {{ width: 10px; height: 10px; border-radius: 6px;"
        " border: 1px solid {accent}; background-color: {base}; }}",
        "QRadioButton::indicator:checked {{ border: 1px solid {accent};"
        " background-color: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,"
        " stop:0 {accent}, stop:0.5 {accent}, stop:0.6 {base}, stop:1 {base}); }}",
        "QCheckBox::indicator {{ width: 10px; height: 10px; border-radius: {small}px;"
        " border: 1px solid {accent}; background-color: {base}; }}",
        "QCheckBox::indicator:checked {{ background-color: {accent}; }}",
        "QSlider::groove:horizontal {{ height: 4px; background: {border}; border-radius: 2px; }}",
        "QSlider::sub-page:horizontal {{ height: 4px; background: {accent}; border-radius: 2px; }}",
        "QSlider::handle:horizontal {{ width: 12px; margin: -5px 0px; border-radius: {knob}px;"
        " background: {base}; border: 1px solid {accent}; }}",
        "QProgressBar {{ {font}color: {text}; background-color: {base};"
        " border: 1px solid {border}; border-radius: {small}px; text-align: center; }}",
        "QProgressBar::chunk {{ background-color: {chunk}; border-radius: {small}px; }}",
        "QAbstractItemView {{ {font}color: {text}; background-color: {base};"
        " alternate-background-color: {alt_base}; border: 1px solid {border};"
        " selection-color: {highlighted_text}; selection-background-color: {highlight}; }}",
        "QHeaderView::section {{ {font}color: {header_text}; background-color: {header};"
        " border: none; border-right: 1px solid {border}; border-bottom: 1px solid {border};"
        " padding: 1px 4px; }}",
        "QMenu {{ {font}color: {text}; background-color: {base}; border: 1px solid {border};"
        " padding: 2px; }}",
        "QMenu::item {{ padding: {item_pad}; }}",
        "QMenu::item:selected {{ color: {highlighted_text}; background-color: {highlight}; }}",
        "QMenu::separator {{ height: 1px; background: {border}; margin: 2px 6px; }}",
    ]
    return "\n".join(rule.format(**c) for rule in rules if rule) + "\n"


# ---------------------------------------------------------------- checks

def legibility_problems(s):
    """Every pair of a text colour and a background it is drawn on, below its threshold."""
    buttons = [s["button"], s["button_hover"], s["button_pressed"]] + (
        [s["button_end"]] if "button_end" in s else [])
    pairs = [(s["window_text"], s["window"], 4.5, "labels on the page"),
             (s["text"], s["base"], 4.5, "text in edit boxes"),
             (s["text"], s["alt_base"], 4.5, "text on alternate rows"),
             (s["highlighted_text"], s["highlight"], 4.5, "selected text"),
             (s["header_text"], s["header"], 4.5, "list headers"),
             (s["tip_text"], s["tip"], 4.5, "tool tips"),
             (s["text"], s["chunk"], 4.5, "progress text on the bar"),
             (s["text"], s["base"], 4.5, "progress text beside the bar"),
             (s["placeholder"], s["base"], 3.0, "placeholder text"),
             (s["page"], FRAME, 4.5, "page buttons"),
             (s["page_hover"], FRAME, 4.5, "page buttons under the mouse"),
             (s["page_pressed"], FRAME, 3.0, "pressed page buttons")]
    pairs += [(s["button_text"], b, 4.5, "button captions") for b in buttons]
    return ["%s: %s on %s is %.2f, needs %.1f" % (what, fg, bg, contrast(fg, bg), need)
            for fg, bg, need, what in pairs if contrast(fg, bg) < need]


# ---------------------------------------------------------------- blob

def record(tag, payload):
    return struct.pack("<HI", tag, len(payload)) + payload


def blob(s):
    palette = b"".join(struct.pack("<BB", group, ROLES[role]) + bytes(rgb(colour)) + b"\xff"
                       for group, role, colour in palette_entries(s))
    records = [record(TAG_NAME, s["name"].encode("utf-8")),
               record(TAG_PALETTE, palette),
               record(TAG_STYLE, style_sheet(s).encode("utf-8"))]
    body = b"".join(records)
    room = s["length"] - 16 - len(body) - 6
    if room < 0:
        raise SystemExit("%s: the scheme needs %d bytes, more than its %d"
                         % (s["name"], 16 + len(body) + 6, s["length"]))
    body += record(TAG_PADDING, bytes(room))
    header = MAGIC + struct.pack("<HHII", VERSION, len(records) + 1, 16 + len(body),
                                 zlib.crc32(body) & 0xFFFFFFFF)
    return header + body


def main():
    problems = [(s["name"], p) for s in SCHEMES for p in legibility_problems(s)]
    for name, problem in problems:
        print("%s: %s" % (name, problem), file=sys.stderr)
    if problems:
        raise SystemExit("some text would not be legible; nothing written")
    os.makedirs(OUT, exist_ok=True)
    for s in SCHEMES:
        data = blob(s)
        assert len(data) == s["length"]
        with open(os.path.join(OUT, s["file"]), "wb") as f:
            f.write(data)
        print("%-12s %-16s %6d bytes (%d of scheme, the rest padding)"
              % (s["name"], s["file"], len(data),
                 16 + 6 + len(s["name"].encode()) + 6 + len(palette_entries(s)) * 6 + 6
                 + len(style_sheet(s).encode())))


if __name__ == "__main__":
    main()
