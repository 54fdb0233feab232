#!/usr/bin/env python3
"""Writes the help pages in data/help from the texts below, so every page
shares one look and one navigation. Run it after editing a text and commit
the pages. The page names are the ones the editor's help buttons open."""
import html
import os
import sys

# The look of every page lives in data/help/help.css, which is edited by hand.

# Page name, title, where the group is, introduction, rows (setting, effect,
# sensible values), tip, related pages.
GROUPS = [
    ("customizing_js_menu_menu_position.htm", "Menu position", "Menu page, group \"Position\"",
     "Where the main menu appears when the page has loaded. The values are pixels from the "
     "top-left corner of the page.",
     [("Menu Initial X", "Distance from the left edge of the page.", "10 to 200"),
      ("Y", "Distance from the top edge of the page.", "10 to 200; leave room for your page header")],
     "Visitors can still move the menu with the drag bar, and the Scroll and Snap settings "
     "(Misc page) decide how it follows the page later.",
     ["customizing_js_menu_misc_scroll.htm", "customizing_js_menu_misc_snap.htm"]),
    ("customizing_js_menu_menu_slide_effect.htm", "Slide effect", "Menu page, group \"Slide Effect\"",
     "Submenus can slide open instead of appearing at once.",
     [("Slide Step", "How many steps the slide takes from closed to open. More steps look smoother.", "10 to 30"),
      ("Slide Speed", "Milliseconds between two steps. Smaller is faster.", "5 to 20"),
      ("Slide Opening SubMenu", "Turns the slide on. When it is off, submenus appear at once, and "
       "Slide Speed and the opening delay are greyed out.", "on")],
     "Step times speed is roughly how long a slide lasts: 20 steps of 10 ms take about a fifth of a second.",
     ["customizing_js_menu_menu_delay_open_close_submenu.htm"]),
    ("customizing_js_menu_menu_delay_open_close_submenu.htm", "Opening and closing submenus",
     "Menu page, group \"Delay Open/Close Submenu\"",
     "How patient the menu is with the visitor's mouse.",
     [("Wait ... millisecond(s) before opening submenu.", "Time the pointer must rest on an item before its "
       "submenu opens. Stops submenus flashing open while the pointer just passes by.", "150 to 300"),
      ("Wait ... millisecond(s) before closing submenu.", "Time an opened submenu stays after the pointer "
       "has left it, so a visitor who slips off by a pixel does not lose it.", "800 to 2000"),
      ("Auto Close Opened SubMenu", "Closes opened submenus by themselves after that time. When it is off, "
       "a submenu stays open until the visitor opens another one or clicks elsewhere on the page.", "on")],
     "", ["customizing_js_menu_menu_slide_effect.htm"]),
    ("customizing_js_menu_items_color_and_background.htm", "Item colours", "Items page, group \"Color and Background\"",
     "The colours of every item of every menu. Click a colour box to choose a colour.",
     [("Text Color, Normal:", "Caption colour while the pointer is elsewhere.", "white on a dark background"),
      ("BG Color, Normal:", "Item background while the pointer is elsewhere.", ""),
      ("Text Color, Mouse Over:", "Caption colour under the pointer.", ""),
      ("BG Color, Mouse Over:", "Item background under the pointer.", "a strong contrast to the normal background")],
     "Keep enough contrast between text and background in both states: visitors with weak eyesight "
     "and bright screens will thank you.",
     ["customizing_js_menu_items_separator.htm", "customizing_js_menu_misc_menu_border.htm"]),
    ("customizing_js_menu_items_font_settings.htm", "Item font", "Items page, group \"Font Settings\"",
     "The lettering of the item captions.",
     [("Font", "Font family, as in a style sheet. You may list fall-backs separated by commas.", "Verdana, Arial, sans-serif"),
      ("Size", "Font size in pixels.", "11 to 14"),
      ("Bold and italic buttons", "Press a button to set the style; press it again to clear it.", "")],
     "A visitor only sees fonts installed on their own computer, so end the list with a generic family "
     "such as <code>sans-serif</code>.",
     ["customizing_js_menu_dragbar_title_font_settings.htm", "customizing_js_item_item_caption.htm"]),
    ("customizing_js_menu_items_separator.htm", "Separator colours", "Items page, group \"Separator\"",
     "An item marked as a separator is drawn as a thin line between two items. These are its colours.",
     [("Color", "The line itself.", ""),
      ("Shadow Color", "The shadow under the line that makes it look engraved.", ""),
      ("Suggested Color", "Picks a lighter shade of the normal item background for the line and a darker "
       "one for the shadow.", "a good start")],
     "", ["customizing_js_item_item_separator.htm", "customizing_js_menu_items_color_and_background.htm"]),
    ("customizing_js_menu_items_position_offset.htm", "Caption offset", "Items page, group \"Position Offset\"",
     "Room to the left of every caption.",
     [("Items Padding-Left", "Pixels between the left edge of an item and its caption. Increase it to move "
       "captions to the right.", "8 to 20")], "", ["customizing_js_item_itemmisc_menu_size.htm"]),
    ("customizing_js_menu_misc_menu_border.htm", "Menu border", "Misc page, group \"Menu Border\"",
     "Each menu has a raised border. You choose one base colour; the editor works out the light and "
     "dark shades of the border from it every time you save or preview.",
     [("Base Color", "The middle shade of the border. Light edges get a lighter shade, shadow edges "
       "darker ones.", "a grey or a muted tone of your item colour")],
     "", ["customizing_js_menu_items_color_and_background.htm"]),
    ("customizing_js_menu_misc_submenu_arrow_indicator.htm", "Submenu arrows", "Misc page, group \"Submenu Arrow Indicator\"",
     "An item that opens a submenu shows a small arrow image at its right side.",
     [("Submenu-closed Arrow Image", "Image shown while the submenu is closed.", "arrow_normal.gif"),
      ("Submenu-opened Arrow Image", "Image shown while the pointer is on the item and its submenu is open.", "arrow_over.gif")],
     "Use the browse buttons to pick your own images (GIF, PNG or JPEG). Saving copies them beside "
     "your page, so upload them with the rest. Small images of about 8 by 8 pixels look best.",
     ["customizing_js_item_itemmisc_submenu_arrow_indicator.htm"]),
    ("customizing_js_menu_misc_scroll.htm", "Scrolling", "Misc page, group \"Scroll\"",
     "What the menu does when the visitor scrolls the page.",
     [("No Scroll", "The menu stays where it is on the page and scrolls away with it.", ""),
      ("Horizontal Scroll Only", "The menu follows sideways scrolling only.", ""),
      ("Vertical Scroll Only", "The menu follows up and down scrolling only.", "long pages"),
      ("Both H and V Scroll", "The menu always stays in view.", "the usual choice")],
     "", ["customizing_js_menu_menu_position.htm", "customizing_js_menu_misc_snap.htm"]),
    ("customizing_js_menu_misc_snap.htm", "Snapping", "Misc page, group \"Snap\"",
     "When the menu comes close to an edge of the browser window, while the visitor drags it, scrolls "
     "or resizes the window, it can jump to that edge.",
     [("Snap Enabled", "Turns snapping on.", "on"),
      ("Snap Distance", "How close, in pixels, the menu border must come to the window border to snap.", "10 to 20")],
     "", ["customizing_js_menu_dragbar_dragbar.htm"]),
    ("customizing_js_menu_dragbar_dragbar.htm", "The drag bar", "Drag Bar page, group \"Drag Bar\"",
     "A title bar above the main menu. Visitors press and hold the mouse button on it to move the "
     "menu anywhere on the page.",
     [("Display Drag Bar", "Shows the drag bar. Turn it off for a menu that always stays in place.", "on")],
     "Without a drag bar, choose the position on the Menu page with care: visitors cannot move the "
     "menu out of the way.",
     ["customizing_js_menu_dragbar_title_and_tip.htm", "customizing_js_menu_dragbar_color.htm"]),
    ("customizing_js_menu_dragbar_title_and_tip.htm", "Drag bar title and tip", "Drag Bar page, group \"Title and Tip\"",
     "The words on the drag bar.",
     [("Title", "Text on the bar.", "a short word such as Menu or your site's name"),
      ("Title Align", "Left, Center or Right.", "Center"),
      ("PopUp Tip", "A hint that pops up when the pointer rests on the bar.", "Hold the mouse button down to move the menu")],
     "", ["customizing_js_menu_dragbar_title_font_settings.htm"]),
    ("customizing_js_menu_dragbar_title_font_settings.htm", "Drag bar font", "Drag Bar page, group \"Title Font Settings\"",
     "The lettering of the drag bar title.",
     [("Font", "Font family, with fall-backs separated by commas.", "Arial, sans-serif"),
      ("Size", "Font size in pixels.", "12 to 14"),
      ("Bold and italic buttons", "Press to set, press again to clear.", "bold")],
     "", ["customizing_js_menu_items_font_settings.htm"]),
    ("customizing_js_menu_dragbar_color.htm", "Drag bar colours", "Drag Bar page, group \"Color\"",
     "The colours of the drag bar.",
     [("Title Color", "Colour of the title text.", ""),
      ("Background Color", "Colour of the bar.", "a darker shade of the item background")],
     "", ["customizing_js_menu_items_color_and_background.htm"]),
    ("customizing_js_menu_popupbox_color.htm", "Description box colours", "PopUp Box page, group \"Color\"",
     "The PopUp Description Box appears next to an item that has a description message (Item page) "
     "while the pointer rests on it.",
     [("Text Color", "Colour of the description text.", "black or a dark tone"),
      ("Background Color", "Colour of the box.", "a pale tone, such as light yellow")],
     "", ["customizing_js_item_item_description.htm", "customizing_js_menu_popupbox_border.htm"]),
    ("customizing_js_menu_popupbox_size.htm", "Description box width", "PopUp Box page, group \"Size\"",
     "How wide the PopUp Description Box is.",
     [("PopUp Description Box Width", "Width in pixels. Longer messages wrap onto more lines.", "150 to 250")],
     "", ["customizing_js_menu_popupbox_color.htm"]),
    ("customizing_js_menu_popupbox_delay_setting.htm", "Description box delay", "PopUp Box page, group \"Delay Setting\"",
     "How long the pointer must rest on an item before its description appears.",
     [("Wait ... millisecond(s) before displaying PopUp Box.", "Delay in milliseconds.",
       "300 to 800; shorter makes the box pop up on every pass")],
     "", ["customizing_js_item_item_description.htm"]),
    ("customizing_js_menu_popupbox_border.htm", "Description box border", "PopUp Box page, group \"Border\"",
     "The frame around the PopUp Description Box.",
     [("Width", "Border width in pixels; 0 for none.", "1 or 2"),
      ("Style", "none, solid, double, groove, ridge, inset, outset, dotted or dashed, as in a style sheet. "
       "double needs a width of 3 or more to show two lines; groove, ridge, inset and outset look best "
       "from 2.", "solid"),
      ("Color", "Colour of the border.", "")],
     "", ["customizing_js_menu_popupbox_color.htm"]),
    ("customizing_js_menu_advanced_z_index.htm", "Stacking order (Z-Index)", "Advanced page, beside \"Z-Index\"",
     "Elements of a web page lie in layers. The menu must lie above everything else on your page, "
     "or parts of it will be hidden.",
     [("Z-Index", "The layer of the menu. Higher numbers lie on top.", "1000; raise it if a video, map or "
       "another script's box covers the menu")], "", ["customizing_js_menu_advanced_event_handlers.htm"]),
    ("customizing_js_menu_advanced_event_handlers.htm", "Page event handlers", "Advanced page, below the handler boxes",
     "For developers only. The menu listens to some events of the whole page. If another script on "
     "the same page needs the same events, put its handler code here; the menu calls it whenever the "
     "event occurs, so both keep working.",
     [("OnResize", "Script run when the browser window is resized.", "empty"),
      ("OnMouseMove", "Script run when the pointer moves over the page.", "empty"),
      ("OnMouseUp", "Script run when a mouse button is released.", "empty"),
      ("OnClick", "Script run on a click anywhere on the page.", "empty")],
     "Write plain JavaScript statements, for example <code>myResize();</code>. Leave the boxes empty "
     "unless you know you need them.", ["customizing_js_menu_advanced_z_index.htm"]),
    ("customizing_js_menu_path_path.htm", "Local and web paths", "Path page, group \"Path Replacement for Publishing\"",
     "Links that point at your own computer do not work on the web server, and the other way round. "
     "If you give both roots, every save and preview rewrites the links of all items (and their status and "
     "description messages) from one root to the other.",
     [("Root Directory for Local Computer", "The start of your links on this computer.", "file:///home/me/site/"),
      ("Root Directory for Web Server", "The same place on the web.", "https://www.example.com/"),
      ("Test on Local Computer", "Links that start with the web root are changed to the local root. "
       "Choose it while you build and test the site on this computer.", ""),
      ("Upload to Web Server", "Links that start with the local root are changed to the web root. "
       "Choose it, then save, before you upload.", "")],
     "The comparison ignores letter case. Nothing is rewritten while either box is empty. The rewritten "
     "links are kept in the project, so switching back and saving again turns them back. Relative "
     "links (such as <code>about.html</code>) need no rewriting at all.",
     ["customizing_js_item_item_link.htm"]),
    ("customizing_js_item_item_separator.htm", "Separator items", "Item page, group \"Separator\"",
     "Turns the selected item into a thin dividing line. Its caption and link are then not used.",
     [("Set selected item to separator.", "Draws the item as a line in the separator colours (Items page).",
       "")],
     "A separator must sit between two items: it cannot be the last item of its menu, and it cannot "
     "have a submenu. The box is greyed out where it is not allowed.",
     ["customizing_js_menu_items_separator.htm"]),
    ("customizing_js_item_item_caption.htm", "Caption", "Item page, group \"Caption\"",
     "The text shown on the item, and in the tree on the left.",
     [("Caption", "Plain text, or a small piece of HTML such as <code>&lt;b&gt;New&lt;/b&gt;</code>, an "
       "<code>&lt;img&gt;</code> tag or an entity such as <code>&amp;eacute;</code>.", "one to three words")],
     "The text may not contain the three characters <code>#$@</code>: the project file uses them to "
     "separate values.", ["customizing_js_menu_items_font_settings.htm"]),
    ("customizing_js_item_item_link.htm", "Link", "Item page, group \"Link\"",
     "Where a click on the item leads.",
     [("URL", "The address: a page of your site (<code>about.html</code>), a full web address, "
       "<code>mailto:</code> for e-mail, or <code>javascript:</code> code. The button beside it picks a "
       "file on this computer.", "relative links to your own pages"),
      ("Target", "Which window or frame opens the link: _self (the same window), _blank (a new window), "
       "_top (the whole window, leaving frames), _parent, or the name of a frame.", "_self")],
     "An item with a submenu may have a link too; leave the URL empty if it only opens its submenu. "
     "A file picked with the button in your saved project's folder, or in a folder below it, gets a "
     "relative link (such as <code>news/today.html</code>) that keeps working once you upload the site. "
     "Any other file, and every file picked before the project is first saved, gets a file address "
     "that only works on this computer: use the Path page to switch such addresses to web addresses "
     "before you upload.", ["customizing_js_menu_path_path.htm", "customizing_js_item_item_description.htm"]),
    ("customizing_js_item_item_description.htm", "Status bar and description messages",
     "Item page, group \"Description (Web browser status bar message and PopUp Desc Box message)\"",
     "Two short texts that explain an item to the visitor.",
     [("Status Bar Msg", "A short note about the item. Today's browsers keep their status bar for the "
       "link address, so the published menu shows this note as the item's tooltip (when the item has no "
       "PopUp Box message) and reads it out to screen-reader users.", "a few words"),
      ("Set URL as Status Bar Msg.", "Uses the link address as the message; the box above is then greyed "
       "out. The browser shows the address anyway, so no tooltip appears.", "on"),
      ("PopUp Box Msg", "Shown in the PopUp Description Box beside the item.", "one short sentence"),
      ("Set PopUp Description Msg as Status Bar Msg.", "Shows the status bar message in the PopUp Description Box "
       "too; the box above is then greyed out.", "off")],
     "The PopUp Description Box is the surest way to tell visitors what an item does.",
     ["customizing_js_menu_popupbox_color.htm", "customizing_js_menu_popupbox_delay_setting.htm"]),
    ("customizing_js_item_itemmisc_menu_size.htm", "Menu width", "Item Misc page, group \"Menu Size\"",
     "The width, in pixels, of the menu that holds the selected item. Every menu takes its width "
     "from its first item, so the box is greyed out for the other items.",
     [("Menu Width", "Width of the whole menu (main menu or submenu).", "120 to 180")],
     "Make the menu wide enough for its longest caption, then move the submenu arrows (below) to "
     "the new right edge.", ["customizing_js_item_itemmisc_submenu_arrow_indicator.htm"]),
    ("customizing_js_item_itemmisc_submenu_arrow_indicator.htm", "Submenu arrow position",
     "Item Misc page, group \"Submenu Arrow Indicator Position\"",
     "Where the arrow image sits inside an item that opens a submenu. Only such items can change it.",
     [("Image X", "Pixels from the left edge of the item.", "menu width minus 15"),
      ("Y", "Pixels from the top edge of the item.", "3 to 6, so the arrow sits level with the caption")],
     "", ["customizing_js_menu_misc_submenu_arrow_indicator.htm", "customizing_js_item_itemmisc_menu_size.htm"]),
    ("option_web_browser.htm", "Choosing the browser", "Option menu, dialog \"Web Browser\"",
     "Which web browser shows the preview (Menu &gt; Preview), the help contents (Help &gt; Help Topics) "
     "and the sample pages (Help &gt; View Sample). Press F1 or Help in the dialog to come here.",
     [("Use Default Browser", "Opens the page with the program your desktop uses for web pages.", "the usual choice"),
      ("Use Known Browser in System", "Uses one of the browsers found on this computer: pick it in the list "
       "below the option. Choosing a browser in the list selects this option. When no browser was found, "
       "the option cannot be chosen; with none picked in the list, the default browser opens the page.", ""),
      ("User Specified Browser Program", "Starts the program named in Execute File with the page.",
       "a browser the list does not show"),
      ("Execute File", "The full path of that program. The button beside the box picks it from the disk.",
       "/usr/bin/firefox"),
      ("OK", "Keeps the choice, for this session and the next ones.", ""),
      ("Cancel", "Closes the dialog and changes nothing.", "")],
     "The list is made afresh each time the dialog opens, so a browser installed later shows up there. "
     "If the chosen browser cannot be started for the help or the samples, a message names the browser "
     "and the page.",
     []),
    ("customizing_js_menu_layout_layout.htm", "Layout", "Layout page, group \"Layout\"",
     "Where the menu stands on your page.",
     [("Layout", "<b>Floating</b>: the menu floats over the page at the position set on the Menu page, and "
       "visitors may drag it. This is how every menu was made before, and stays the default.<br>"
       "<b>Bar</b>: a row of items in the page's flow, exactly where you paste the code block. Put the block "
       "in your page's header, below your site's name; the content of the page follows the bar and nothing "
       "is covered. Submenus drop below their item.<br>"
       "<b>Sidebar</b>: a column of items in the page's flow, where you paste the code block. Put the block "
       "in a side column of your page; submenus open beside it.", "Bar, for a site with a header"),
      ("Phone form below (px)", "In a window narrower than this many CSS pixels, the menu (whatever its "
       "layout) becomes one button that opens the whole menu as a panel, easy to use with a finger. With 0 "
       "a bar or a sidebar never takes it; a floating menu still does when the window is too narrow for it.",
       "640")],
     "A bar and a sidebar do not use the position (Menu page), the drag bar, the snap and the scroll "
     "settings: those are greyed while one of them is chosen, and kept in the project for when you go back "
     "to Floating. Every other setting (colours, fonts, delays, the slide effect, the pop-up box, the status "
     "messages) means the same in every layout. The live preview shows a bar in the header of a sample "
     "page, and a sidebar in a side column, so you see where it stands in the flow.",
     ["customizing_js_menu_layout_bar.htm", "customizing_js_menu_layout_dark_colours.htm"]),
    ("customizing_js_menu_layout_bar.htm", "The bar's options", "Layout page, group \"Bar\"",
     "These settings serve the Bar layout only; they are greyed for the others.",
     [("Bar width", "<b>Full width</b>: the bar spans the element that holds the code block, usually the "
       "width of your header.<br><b>Fit the items</b>: the bar is only as wide as its items.", "Full width"),
      ("Alignment", "Where the items stand in the bar (or the fitted bar in its place): left, centre or "
       "right. On a right-to-left page left and right swap, as the page's text does.", ""),
      ("Stick to the top when scrolled", "The bar stays at the top of the window while the page scrolls "
       "under it. The page then scrolls a focused link or field into view below the bar, never under it.",
       "")],
     "A bar sticks within the element that holds the code block, as anything sticky does on the web. For "
     "a bar that stays at the top of the whole page, paste the block straight into the "
     "<code>&lt;body&gt;</code>, right after your header, not inside the header; the live preview's "
     "sample page does so while this box is ticked.",
     ["customizing_js_menu_layout_layout.htm"]),
    ("customizing_js_menu_layout_dark_colours.htm", "Dark colours", "Layout page, group \"Dark Colours\"",
     "Many visitors set their computer or phone to a dark colour scheme, and many sites follow it. These "
     "colours replace the normal ones for those visitors, in every layout. Click a colour box to choose a "
     "colour; <b>None</b> keeps the normal colour from the Items and Misc pages.",
     [("Dark Border Color", "The colour of the borders around the menu and its submenus.", ""),
      ("Dark Bar Background", "The background of the main menu: the bar, the sidebar or the floating box, "
       "around and between its items.", ""),
      ("Dark Text Color, Normal:", "Caption colour while the pointer is elsewhere.", "a light grey such as E8E8E8"),
      ("Dark BG Color, Normal:", "Item background while the pointer is elsewhere.", "a dark grey such as 202124"),
      ("Dark Text Color, Mouse Over:", "Caption colour under the pointer and of the item that has the "
       "keyboard focus.", ""),
      ("Dark BG Color, Mouse Over:", "Item background under the pointer and of the item that has the "
       "keyboard focus.", "")],
     "Keep a contrast of at least 4.5 to 1 between each text colour and its background, and set the text "
     "and the background of a state together: a dark text on the normal light background, or the reverse, "
     "is easily missed. To check them, switch your own system to its dark scheme and look at the live "
     "preview.",
     ["customizing_js_menu_items_color_and_background.htm", "customizing_js_menu_layout_layout.htm"]),
]

# Pages about the editor itself rather than one group of settings: file
# name, title, body. They are listed under "Working in the editor".
ARTICLES = [
    ("editor_live_preview.htm", "The live preview", """
<p class="where">View menu, <b>Live Preview</b> (F5)</p>
<p>The pane beside the pages shows your menu as the published page shows it, drawn by the same
menu engine. It is made by the same step as a save: the border shades worked out from the base
colour, every number and colour as the pages give it back, the links rewritten as the Path page
asks. What you see there is what <b>File &gt; Save</b> would publish, byte for byte.</p>
<p>A moment after each change (a field typed in, an item inserted, moved or deleted, an undo)
the page is rebuilt and shown when it has loaded, scrolled where it was.</p>
<table class="settings">
<tr><th>Button</th><th>What it shows</th></tr>
<tr><td><b>Desktop</b></td><td>The page as a desktop browser lays it out: at the pane's width or
1024 pixels, whichever is larger, scaled down to fit the pane. The menu floats as on a computer
screen however narrow the pane is.</td></tr>
<tr><td><b>Phone</b></td><td>The page 390 pixels wide, as on a common phone. The menu shows as a
button that opens it as a panel, and the mouse acts as a finger: a click is a tap, nothing
hovers. See <a href="editor_phones.htm">Menus on phones</a>.</td></tr>
<tr><td><b>Background</b></td><td>Your own page behind the menu: a file on this computer (a name
without a folder is looked for beside the saved project) or a web address. The menu code goes
right after its <code>&lt;body&gt;</code> tag, as you would paste it. Leave it empty for a blank
page, or for a bar or a sidebar (Layout page) a sample page with a header that shows where it
stands in the flow. Each project remembers its own.</td></tr>
<tr><td><b>Reload</b></td><td>Reads your background page and its files anew.</td></tr>
</table>
<p class="tip">On a screen too narrow for the tree, the pages and the preview side by side, the
editor starts with the preview hidden; F5 shows it.</p>
"""),
    ("editor_page_code.htm", "The page code", """
<p class="where">Menu menu, <b>Page Code</b></p>
<p>A save writes <code>name.html</code> holding the block of code you paste into your own pages.
It comes in two forms; the choice is kept for every project you save afterwards.</p>
<table class="settings">
<tr><th>Choice</th><th>What the block holds</th></tr>
<tr><td><b>Classic</b></td><td>A small script that writes the menu's script tags, as pages made
with earlier versions have it. Pages you published before keep working.</td></tr>
<tr><td><b>Modern</b></td><td>The menu as a list of real links, then the scripts loaded with
<code>defer</code>. Visitors without JavaScript and search engines see the links, styled by
<code>tmzmenu.css</code>, which a save writes beside the scripts; pages with a strict content
security policy accept it.</td></tr>
</table>
<p class="tip">Whichever you choose, upload all the files a save lists in the publish report,
and paste the block right after the <code>&lt;body&gt;</code> tag.</p>
"""),
    ("editor_undo_and_keys.htm", "Undo and the keys", """
<p><b>Edit &gt; Undo</b> takes back the last change to the menu: a field you typed in or set, an
item inserted, deleted, moved, cut, pasted or renamed. The menu item names the step it undoes.
<b>Edit &gt; Redo</b> puts it back.</p>
<table class="settings">
<tr><th>Keys</th><th>What they do</th></tr>
<tr><td><b>Ctrl+N</b>, <b>Ctrl+O</b></td><td>A new menu; open a project</td></tr>
<tr><td><b>Ctrl+S</b>, <b>Ctrl+Shift+S</b></td><td>Save; Save As</td></tr>
<tr><td><b>Ctrl+Z</b></td><td>Undo</td></tr>
<tr><td><b>Ctrl+Shift+Z</b>, <b>Ctrl+Y</b></td><td>Redo</td></tr>
<tr><td><b>Insert</b>, <b>Delete</b></td><td>Insert an item; delete the selected item and its
submenu</td></tr>
<tr><td><b>Ctrl+Up</b>, <b>Ctrl+Down</b></td><td>Move the selected item up or down</td></tr>
<tr><td><b>Ctrl+X</b>, <b>Ctrl+C</b>, <b>Ctrl+V</b>, <b>Ctrl+D</b></td><td>Cut, copy, paste and
duplicate items</td></tr>
<tr><td><b>F2</b></td><td>Rename the selected item in the tree</td></tr>
<tr><td><b>F5</b></td><td>Show or hide the live preview</td></tr>
<tr><td><b>Ctrl+P</b></td><td>Preview the menu in your web browser</td></tr>
</table>
<p class="tip">A caption or message may not hold the three characters <code>#$@</code>: the box
refuses the keystroke or paste that would make them, keeps its text and says why in the status
bar. A number outside what a box takes is named with the box's range there too.</p>
"""),
    ("editor_phones.htm", "Menus on phones", """
<p>On a window narrower than 640 pixels (set on the <a href="customizing_js_menu_layout_layout.htm">Layout
page</a>, Phone form below), or too narrow for the main menu and a submenu side by side, the menu shows as one button at its place, labelled with the drag bar's title. The button
opens the whole menu as a panel; a tap on an item with a submenu opens the submenu below it.</p>
<p>Phones lay a page out at their own width only when the page asks for it. Put this line in
the <code>&lt;head&gt;</code> of every page that shows the menu:</p>
<pre>&lt;meta name="viewport" content="width=device-width, initial-scale=1"&gt;</pre>
<p>Without it a phone draws the page as a desktop page about 980 pixels wide, zoomed out, and
the floating menu with it, too small to tap.</p>
<p class="tip">The live preview's <b>Phone</b> button shows your menu 390 pixels wide, with the
mouse acting as a finger. See <a href="editor_live_preview.htm">The live preview</a>.</p>
"""),
]

GETTING_STARTED = """
<p>Trellimenu builds pop-up navigation menus for web pages. You design the menu here; saving
writes everything a web page needs to show it.</p>
<h2>1. Start a menu</h2>
<p>At start-up the template chooser offers ready-made menus; pick one or press Cancel for an
empty menu. <b>File &gt; Templates</b> brings the chooser back at any time.</p>
<h2>2. Build the tree</h2>
<p>The tree on the left is your menu. Its top node, <i>Trellimenu 2006</i>, stands for the whole
menu; every other node is an item, and the items under an item form its submenu. Right-click
the tree (or use the <b>Item</b> menu or the tool bar) to <b>Insert</b>, <b>Delete</b>,
<b>Move Up</b> and <b>Move Down</b> items.</p>
<h2>3. Set it up</h2>
<p>Select the top node to set the look of the whole menu on the pages Menu, Layout, Items,
Misc, Drag Bar, PopUp Box, Advanced and Path. Select an item to set its caption, link and messages on the
pages Item and Item Misc. Every group has a <b>?</b> button that opens its help here.</p>
<h2>4. Preview</h2>
<p><b>Menu &gt; Preview</b> (Ctrl+P) shows the menu in your web browser. <b>Option &gt; Web
Browser</b> chooses which browser.</p>
<h2>5. Save and publish</h2>
<p><b>File &gt; Save</b> writes the project (<code>name.tmz</code>) and, beside it, the files of
the published menu:</p>
<table class="settings">
<tr><th>File</th><th>What it is</th></tr>
<tr><td><code>name.html</code></td><td>A page holding the block of code to paste into your own pages</td></tr>
<tr><td><code>tmzcfg.js</code></td><td>Your menu's settings and items</td></tr>
<tr><td><code>tmzparams.js</code>, <code>tmzie.js</code>, <code>tmzmo.js</code>, <code>tmzop.js</code></td><td>The menu engine</td></tr>
<tr><td><code>arrow_normal.gif</code>, <code>arrow_over.gif</code></td><td>The submenu arrows</td></tr>
<tr><td><code>name_PublishReport.txt</code></td><td>The list of files to upload, for your records</td></tr>
</table>
<p>Open <code>name.html</code>, copy the code from <code>&lt;!-- CODES BEGIN --&gt;</code> to
<code>&lt;!-- CODES END --&gt;</code> (or press <b>Copy Menu Code</b> in <b>Menu &gt; Build HTML</b>,
which copies just those lines) and paste it right after the <code>&lt;body&gt;</code> tag of each
page that shows the menu. Upload the scripts and
images into the same folder as those pages.</p>
"""

INDEX_INTRO = """
<p>Welcome to Trellimenu, the editor for pop-up navigation menus on web pages.</p>
<p><a href="getting_started.htm"><b>Getting started</b></a>: from a template to a published menu in five steps.</p>
"""

SECTIONS = [
    ("The whole menu", [
        ("Menu page", [0, 1, 2]),
        ("Layout page", [29, 30, 31]),
        ("Items page", [3, 4, 5, 6]),
        ("Misc page", [7, 8, 9, 10]),
        ("Drag Bar page", [11, 12, 13, 14]),
        ("PopUp Box page", [15, 16, 17, 18]),
        ("Advanced page", [19, 20]),
        ("Path page", [21]),
    ]),
    ("The selected item", [
        ("Item page", [22, 23, 24, 25]),
        ("Item Misc page", [26, 27]),
    ]),
    ("Options", [
        ("Option menu", [28]),
    ]),
]


def page(title, body, home=False):
    nav = "" if home else ('<p class="nav"><a href="index.html">Contents</a> &middot; '
                           '<a href="getting_started.htm">Getting started</a></p>')
    return ("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<title>%s - Trellimenu Help</title>\n<link rel=\"stylesheet\" type=\"text/css\" href=\"help.css\">\n</head>\n<body>\n"
            "<h1>%s</h1>\n%s%s\n</body>\n</html>\n") % (html.escape(title), html.escape(title), body, nav)


def group_page(group):
    name, title, where, intro, rows, tip, related = group
    parts = ['<p class="where">%s</p>' % html.escape(where), "<p>%s</p>" % intro]
    # Two columns: the help window is narrow.
    parts.append('<table class="settings">\n<tr><th>Setting</th><th>What it does</th></tr>')
    for label, effect, values in rows:
        suggestion = '<br><span class="try">Try: %s</span>' % values if values else ""
        parts.append("<tr><td><b>%s</b></td><td>%s%s</td></tr>" % (html.escape(label), effect, suggestion))
    parts.append("</table>")
    if tip:
        parts.append('<p class="tip">%s</p>' % tip)
    if related:
        links = ", ".join('<a href="%s">%s</a>' % (r, html.escape(title_of(r))) for r in related)
        parts.append("<p>See also: %s.</p>" % links)
    return page(title, "\n".join(parts))


def title_of(name):
    return next(g[1] for g in GROUPS if g[0] == name)


def index_page():
    parts = [INDEX_INTRO]
    parts.append("<h2>Working in the editor</h2>")
    parts.append("<p>%s</p>" % "<br>".join('<a href="%s">%s</a>' % (name, html.escape(title))
                                          for name, title, _ in ARTICLES))
    for heading, pages in SECTIONS:
        parts.append("<h2>%s</h2>" % heading)
        parts.append('<table class="settings">')
        for label, numbers in pages:
            links = "<br>".join('<a href="%s">%s</a>' % (GROUPS[n][0], html.escape(GROUPS[n][1])) for n in numbers)
            parts.append("<tr><td><b>%s</b></td><td>%s</td></tr>" % (label, links))
        parts.append("</table>")
    return page("Contents", "\n".join(parts), home=True)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "data", "help")
    os.makedirs(out, exist_ok=True)
    files = {"index.html": index_page(), "getting_started.htm": page("Getting started", GETTING_STARTED)}
    for group in GROUPS:
        files[group[0]] = group_page(group)
    for name, title, body in ARTICLES:
        files[name] = page(title, body)
    assert sorted(n for _, ps in SECTIONS for _, ns in ps for n in ns) == list(range(len(GROUPS)))
    for name, text in files.items():
        with open(os.path.join(out, name), "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
    print("%d help pages written to %s" % (len(files), os.path.normpath(out)))


if __name__ == "__main__":
    main()
