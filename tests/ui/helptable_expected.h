#pragma once
// The help buttons as users meet them, written out by hand: tag, button and
// page; then the help contexts of dialogs. The tests compare the editor against this list, never against the
// editor's own table, so a row that drifts there shows up here.

#include <array>

struct TExpectedHelpTopic {
    int tag;
    const char* button;
    const char* page;
};

inline constexpr std::array<TExpectedHelpTopic, 31> kExpectedHelpButtons = {{
    {1, "SpeedButton1", "customizing_js_menu_menu_position.htm"},
    {2, "SpeedButton2", "customizing_js_menu_menu_slide_effect.htm"},
    {3, "SpeedButton3", "customizing_js_menu_menu_delay_open_close_submenu.htm"},
    {4, "SpeedButton4", "customizing_js_menu_items_color_and_background.htm"},
    {5, "SpeedButton5", "customizing_js_menu_items_font_settings.htm"},
    {6, "SpeedButton6", "customizing_js_menu_items_separator.htm"},
    {7, "SpeedButton7", "customizing_js_menu_items_position_offset.htm"},
    {8, "SpeedButton8", "customizing_js_menu_misc_menu_border.htm"},
    {9, "SpeedButton9", "customizing_js_menu_misc_submenu_arrow_indicator.htm"},
    {10, "SpeedButton10", "customizing_js_menu_misc_scroll.htm"},
    {11, "SpeedButton11", "customizing_js_menu_misc_snap.htm"},
    {12, "SpeedButton12", "customizing_js_menu_dragbar_dragbar.htm"},
    {13, "SpeedButton13", "customizing_js_menu_dragbar_title_and_tip.htm"},
    {14, "SpeedButton14", "customizing_js_menu_dragbar_title_font_settings.htm"},
    {15, "SpeedButton15", "customizing_js_menu_dragbar_color.htm"},
    {16, "SpeedButton16", "customizing_js_menu_popupbox_color.htm"},
    {17, "SpeedButton17", "customizing_js_menu_popupbox_size.htm"},
    {18, "SpeedButton18", "customizing_js_menu_popupbox_delay_setting.htm"},
    {19, "SpeedButton19", "customizing_js_menu_popupbox_border.htm"},
    {20, "SpeedButton20", "customizing_js_menu_advanced_z_index.htm"},
    {21, "SpeedButton21", "customizing_js_menu_advanced_event_handlers.htm"},
    {22, "SpeedButton28", "customizing_js_menu_path_path.htm"},
    {23, "SpeedButton22", "customizing_js_item_item_separator.htm"},
    {24, "SpeedButton23", "customizing_js_item_item_caption.htm"},
    {25, "SpeedButton24", "customizing_js_item_item_link.htm"},
    {26, "SpeedButton25", "customizing_js_item_item_description.htm"},
    {27, "SpeedButton26", "customizing_js_item_itemmisc_menu_size.htm"},
    {28, "SpeedButton27", "customizing_js_item_itemmisc_submenu_arrow_indicator.htm"},
    {29, "SpeedButton29", "customizing_js_menu_layout_layout.htm"},
    {30, "SpeedButton30", "customizing_js_menu_layout_bar.htm"},
    {31, "SpeedButton31", "customizing_js_menu_layout_dark_colours.htm"},
}};

// F1 or Help in the Web Browser dialog: no button on the pages carries it.
inline constexpr TExpectedHelpTopic kExpectedWebBrowserHelp = {45, "", "option_web_browser.htm"};
