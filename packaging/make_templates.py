#!/usr/bin/env python3
"""Writes the starting-point projects that ship in data/templates.

Each template is written exactly as the editor saves a project: the pages
gathered (unbound parameters empty, border shades derived from the base
colour), the derived item fields filled from the tree, CR LF line ends.
Run it after changing a palette or a menu below, and commit the .tmz files.
"""
import os
import sys

SEP = "#$@"
UNCARRIED = {7, 8, 9, 14, 27, 50, 59, 62}  # slots the project file leaves empty


def lighten(hex_colour):
    return "".join("%02X" % min(255, int(hex_colour[i:i + 2], 16) * 3 // 2) for i in (0, 2, 4))


def darken(hex_colour):
    return "".join("%02X" % (int(hex_colour[i:i + 2], 16) * 7 // 10) for i in (0, 2, 4))


# Values of the menu pages that every template shares unless its palette says otherwise.
BASE = {
    0: "1000", 1: "20", 2: "10", 3: "1", 4: "1", 5: "3", 6: "1",
    10: "200", 11: "1500", 12: "300", 13: "15",
    15: "", 16: "", 17: "", 18: "",
    19: "1", 20: "Center", 23: "Arial", 24: "13", 25: "1", 26: "0",
    28: "Hold the mouse button down to move the menu", 29: "Welcome",
    30: "0", 31: "", 32: "0", 33: "0",
    39: "", 44: "arrow_normal.gif", 45: "arrow_over.gif",
    51: "Verdana, Arial, sans-serif", 52: "12", 53: "1", 54: "0",
    60: "180", 61: "12", 63: "20", 64: "20",
    65: "1", 66: "solid", 68: "", 69: "", 70: "1", 71: "",
}

# Colour roles of a palette, by field.
COLOUR_FIELDS = {
    "drag_bg": 21, "drag_title": 22, "border": 34,
    "text": 46, "bg": 47, "over_text": 48, "over_bg": 49,
    "desc_bg": 57, "desc_text": 58, "desc_border": 67,
}


def parameter_line(palette, overrides):
    values = dict(BASE)
    for role, field in COLOUR_FIELDS.items():
        values[field] = palette[role]
    base = values[34]
    values[35] = values[36] = base
    values[40] = values[41] = lighten(base)
    values[42] = values[43] = darken(base)
    values[37] = values[38] = darken(darken(base))
    # The separator's own colours as the "Suggested Color" button picks them.
    values[55] = palette.get("separator", lighten(values[47]))
    values[56] = palette.get("separator_shadow", darken(values[47]))
    values.update(overrides)
    return "".join(("" if i in UNCARRIED else values.get(i, "")) + SEP for i in range(72))


class Item:
    def __init__(self, caption, url="", children=(), status="", desc="", target="_self",
                 separator=False, width=None):
        self.caption, self.url, self.children = caption, url, list(children)
        self.status, self.desc, self.target = status, desc, target
        self.separator, self.width = separator, width


def sep():
    return Item("-", separator=True)


def item_lines(menu, top_width, sub_width):
    lines = []

    def walk(group, level):
        width = top_width if level == 0 else sub_width
        for k, it in enumerate(group):
            has_prev, has_next = k > 0, k < len(group) - 1
            position = "0" if has_prev and has_next else "1" if has_next else "2" if has_prev else "3"
            f = [""] * 38
            f[0] = it.caption
            f[14] = "1" if it.children else "0"
            w = it.width or width
            f[16], f[17] = str(w - 16), "4"
            f[20] = position
            f[21] = "1" if not lines else "0"
            f[22] = str(w)
            f[23] = "1" if it.separator else "0"
            if not it.separator:
                f[26], f[27] = it.url, it.target
                # A status message of its own wins; otherwise the link is shown.
                use_url = not it.status
                f[33] = it.url if use_url else it.status
                f[28] = it.desc
                f[36], f[37] = "0", "1" if use_url else "0"
            else:
                f[36], f[37] = "0", "0"
            f[34] = str(level)
            assert not (it.separator and (it.children or not has_next)), it.caption
            assert all(SEP not in v for v in f)
            lines.append("".join(v + SEP for v in f))
            walk(it.children, level + 1)

    walk(menu, 0)
    return lines


# The extended values in the order the names table gives them; only those a
# template sets are written, each as a Name=Value line after the items.
EXTENDED_ORDER = ["Layout", "PhoneBelow", "BarWidth", "BarAlign", "Sticky",
                  "DarkItemBGColor", "DarkItemFontColor", "DarkItemBGColorOver",
                  "DarkItemFontColorOver", "DarkBorderColor", "DarkBarBGColor"]


def dark(bg, text, over_bg, over_text, border, bar_bg):
    """The colours used under a dark colour scheme."""
    return {"DarkItemBGColor": bg, "DarkItemFontColor": text, "DarkItemBGColorOver": over_bg,
            "DarkItemFontColorOver": over_text, "DarkBorderColor": border, "DarkBarBGColor": bar_bg}


def extended_lines(values):
    assert set(values) <= set(EXTENDED_ORDER), values
    if not values:
        return []
    return (["<Extended_Parameters>"] + ["%s=%s" % (name, values[name]) for name in EXTENDED_ORDER if name in values]
            + ["</Extended_Parameters>"])


def project(param_line, items, extended):
    head = [
        "<Warning_Info>",
        "Note: This file be created and maintained by Trellimenu 2006 1.0.",
        "It may cause the project file can't be opened correctly if you modify it by yourself!",
        "</Warning_Info>",
        "<Product_Name>", "Trellimenu 2006", "</Product_Name>",
        "<Product_Version>", "1.0", "</Product_Version>",
        "<Applet_Parameters>", param_line, "</Applet_Parameters>",
        "<Item_Parameters>",
    ]
    return "".join(line + "\r\n" for line in head + items + ["</Item_Parameters>"] + extended_lines(extended))


def site_menu():
    return [
        Item("Home", "index.html", status="Back to the front page"),
        Item("Products", "products.html", desc="Everything we make, by family.", children=[
            Item("Software", "software.html", children=[
                Item("Desktop", "software-desktop.html"),
                Item("Mobile", "software-mobile.html"),
                Item("Web", "software-web.html"),
            ]),
            Item("Hardware", "hardware.html"),
            sep(),
            Item("Price list", "prices.html", desc="Current prices, updated every month."),
        ]),
        Item("Support", "support.html", children=[
            Item("FAQ", "faq.html"),
            Item("Downloads", "downloads.html"),
            Item("Contact support", "mailto:support@example.com", status="Write to our support team"),
        ]),
        Item("About us", "about.html", children=[
            Item("Our story", "story.html"),
            Item("Jobs", "jobs.html"),
        ]),
        Item("Search the web", "https://www.example.com/", target="_blank",
             status="Opens in a new window"),
    ]


def deep_menu():
    return [
        Item("Home", "index.html"),
        Item("Library", "library.html", desc="Browse the collection by subject.", children=[
            Item("Science", "science.html", children=[
                Item("Physics", "physics.html", children=[
                    Item("Mechanics", "mechanics.html", children=[
                        Item("Statics", "statics.html"),
                        Item("Dynamics", "dynamics.html"),
                        Item("Fluids", "fluids.html"),
                    ]),
                    Item("Optics", "optics.html"),
                    Item("Thermodynamics", "thermo.html"),
                ]),
                Item("Chemistry", "chemistry.html", children=[
                    Item("Organic", "organic.html"),
                    Item("Inorganic", "inorganic.html"),
                ]),
                Item("Biology", "biology.html"),
            ]),
            Item("History", "history.html", children=[
                Item("Ancient", "ancient.html"),
                Item("Medieval", "medieval.html"),
                Item("Modern", "modern.html", children=[
                    Item("19th century", "c19.html"),
                    Item("20th century", "c20.html"),
                ]),
            ]),
            sep(),
            Item("New arrivals", "new.html"),
        ]),
        Item("Events", "events.html", children=[
            Item("This week", "week.html"),
            Item("Archive", "archive.html"),
        ]),
        Item("Visit", "visit.html"),
    ]


# Menus in the page's flow: the drag bar and the position do not apply to
# them, so the drag bar is off and the position zero.
IN_FLOW = {19: "0", 29: "", 28: "", 63: "0", 64: "0"}

# Every palette keeps item text on its normal and mouse-over colours, and the
# drag bar's title, at a contrast of at least 4.5:1 (WCAG 2 AA for text); so
# does every dark set, for the item text and the mouse-over text.
TEMPLATES = [
    ("Classic Blue", dict(drag_bg="3468C8", drag_title="FFFFFF", border="C0C0C0", text="FFFFFF",
                          bg="3879BA", over_text="004080", over_bg="FFFFFF", desc_bg="FFFFE1",
                          desc_text="000000", desc_border="3879BA"),
     {29: "Welcome"}, site_menu, 130, 150,
     dark("1B2B40", "E3ECF7", "8DB8E6", "0B1E33", "2E4A6B", "111C2B")),
    ("Ocean Teal", dict(drag_bg="0D5F66", drag_title="E0F7F8", border="7FB8BC", text="FFFFFF",
                        bg="1B7F86", over_text="0D4F54", over_bg="E0F7F8", desc_bg="E0F7F8",
                        desc_text="0D4F54", desc_border="1B7F86"),
     {29: "Explore", 20: "Left"}, site_menu, 130, 150,
     dark("0F3538", "E0F7F8", "7FD3D9", "0D2F32", "2C6B70", "0A2426")),
    ("Forest Green", dict(drag_bg="1E4622", drag_title="F0F0D0", border="6B8F6E", text="F7F7E8",
                          bg="2E6B34", over_text="1E4622", over_bg="D9EFC9", desc_bg="F7F7E8",
                          desc_text="1E4622", desc_border="2E6B34"),
     {29: "Welcome", 23: "Georgia, serif", 51: "Georgia, serif"}, site_menu, 140, 160,
     dark("18301B", "F0F0D0", "A8D59A", "13290F", "3F6B44", "0F2011")),
    ("Sunset Orange", dict(drag_bg="9E4413", drag_title="FFF1E0", border="E8A06E", text="FFFFFF",
                           bg="B9531A", over_text="9A3A00", over_bg="FFF1E0", desc_bg="FFF1E0",
                           desc_text="6B2800", desc_border="B9531A"),
     {29: "Hello!", 66: "dashed"}, site_menu, 130, 150,
     dark("3A1C0B", "FFF1E0", "F0A070", "2A1200", "7A3E1C", "281307")),
    ("Graphite Night", dict(drag_bg="111317", drag_title="9CC3EE", border="50555E", text="E6E6E6",
                            bg="2B2F36", over_text="FFFFFF", over_bg="2F6DB5", desc_bg="111317",
                            desc_text="E6E6E6", desc_border="4A90D9",
                            separator="4A4F58", separator_shadow="111317"),
     {29: "Menu", 20: "Left", 66: "solid"}, site_menu, 140, 160,
     dark("1F2227", "E6E6E6", "2F6DB5", "FFFFFF", "50555E", "15171B")),
    ("Plain Grey without Drag Bar", dict(drag_bg="6A6A6A", drag_title="FFFFFF", border="C0C0C0",
                                         text="202020", bg="F0F0F0", over_text="FFFFFF",
                                         over_bg="0A64AD", desc_bg="FFFFFF", desc_text="202020",
                                         desc_border="808080",
                                         separator="C0C0C0", separator_shadow="FFFFFF"),
     {19: "0", 29: "", 28: "", 63: "10", 64: "10", 53: "0"}, site_menu, 130, 150,
     dark("242424", "E8E8E8", "6CB4F0", "111111", "505050", "1A1A1A")),
    ("Deep Submenus", dict(drag_bg="3B1A48", drag_title="F3E5F5", border="9575A0", text="FFFFFF",
                           bg="5B2C6F", over_text="4A148C", over_bg="F3E5F5", desc_bg="F3E5F5",
                           desc_text="3B1A48", desc_border="5B2C6F"),
     {29: "Library", 10: "150", 11: "1200"}, deep_menu, 120, 140,
     dark("2A1433", "F3E5F5", "CE93D8", "250A33", "5E3A6E", "1C0D22")),
    ("Light Top Bar", dict(drag_bg="1F5FA8", drag_title="FFFFFF", border="D0D5DB", text="1F2933",
                           bg="F8F9FA", over_text="FFFFFF", over_bg="1F5FA8", desc_bg="FFFFFF",
                           desc_text="1F2933", desc_border="9AA5B1",
                           separator="D0D5DB", separator_shadow="FFFFFF"),
     IN_FLOW, site_menu, 130, 170,
     dict(Layout="Bar", BarAlign="Center",
          **dark("1E2329", "E4E8ED", "4C8DD6", "0A1A2B", "3A424C", "161A1F"))),
    ("Dark Top Bar", dict(drag_bg="161A1F", drag_title="E4E8ED", border="3A424C", text="E4E8ED",
                          bg="1E2329", over_text="FFFFFF", over_bg="2F6FB8", desc_bg="161A1F",
                          desc_text="E4E8ED", desc_border="2F6FB8",
                          separator="3A424C", separator_shadow="161A1F"),
     IN_FLOW, site_menu, 130, 170,
     dict(Layout="Bar", Sticky="1",
          **dark("1E2329", "E4E8ED", "2F6FB8", "FFFFFF", "3A424C", "161A1F"))),
    ("Sidebar", dict(drag_bg="1B4F72", drag_title="FFFFFF", border="C5CFD8", text="1B2A38",
                     bg="EEF2F6", over_text="FFFFFF", over_bg="1B4F72", desc_bg="FFFFFF",
                     desc_text="1B2A38", desc_border="1B4F72",
                     separator="C5CFD8", separator_shadow="FFFFFF"),
     IN_FLOW, deep_menu, 170, 170,
     dict(Layout="Sidebar", **dark("1A242E", "DDE6EE", "7FB3D5", "0E1E2B", "3A4A5A", "121A22"))),
]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "data", "templates")
    os.makedirs(out, exist_ok=True)
    for name, palette, overrides, menu, top_width, sub_width, extended in TEMPLATES:
        text = project(parameter_line(palette, overrides), item_lines(menu(), top_width, sub_width), extended)
        with open(os.path.join(out, name + ".tmz"), "wb") as f:
            f.write(text.encode("ascii"))
    print("%d templates written to %s" % (len(TEMPLATES), os.path.normpath(out)))


if __name__ == "__main__":
    main()
