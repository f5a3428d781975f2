// resource.h - identifiers of WEXOctrl.dll's own resources (WEXOctrl.rc).
#pragma once

// Colour model (colors/): colour-map menu cell images, the colour-map sort menu and its commands,
// channel names of the colour sliders
#define IDB_COLORMAP_MENUCELL       26046
#define IDR_COLORMAP_POPUP          26033   // popup 0 full, popup 1 small
#define ID_COLORMAP_SORT_RED        32781
#define ID_COLORMAP_SORT_GREEN      32782
#define ID_COLORMAP_SORT_BLUE       32783
#define ID_COLORMAP_SORT_HUE        32784
#define ID_COLORMAP_SORT_SATURATION 32785
#define ID_COLORMAP_SORT_BRIGHTNESS 32786
#define ID_COLORMAP_SORT_REVERSE    32787
#define ID_COLORMAP_GROUP_GRAYSCALE 32788
#define ID_COLORMAP_HEXADECIMAL     32789
#define ID_COLORMAP_SORT_GRAYSCALE  32790
#define ID_COLORMAP_ADVANCED_VIEW   1016
#define IDS_COLOR_RED               61969
#define IDS_COLOR_GREEN             61970
#define IDS_COLOR_BLUE              61971
#define IDS_COLOR_HUE               61972
#define IDS_COLOR_SATURATION        61973
#define IDS_COLOR_BRIGHTNESS        61974
#define IDS_COLORMAP_MENU           61978

// Command items (toolbars/): service images, command-text fallback and the item options
#define IDB_UIL_SERVICEIMAGES       26030
#define IDS_UIL_NOTFOUND            26005
#define IDS_UIL_BITMAPONLY          26007
#define IDS_UIL_TEXTONLY            26009
#define IDS_UIL_BITMAPANDTEXT       26011

// Tab strip (controls/): scroll-button arrows, message-bar text of the tab menu
#define IDB_BOOKMARK_ARROWS         26025
#define IDS_BOOKMARK_CHOOSETAB      26037

// Docking (docking/): title-button glyphs, the colour schemes' bitmaps, the title menus, the
// framework's split cursors, the button tooltips and the dock-pack strings
#define IDB_BAND_HIDE               26019
#define IDB_BAND_ROLLUP             26021
#define IDB_BAND_REDISTRIBUTE       26022
#define IDB_BAND_EXTRA              26032
#define IDB_BAND_DOCKABLE           26042
#define IDB_BAND_BLUE_TAB           26054
#define IDB_BAND_SILVER_TAB         26055
#define IDB_BAND_OLIVE_TAB          26056
#define IDB_BAND_BLUE_HOT           26057
#define IDB_BAND_SILVER_HOT         26058
#define IDB_BAND_OLIVE_HOT          26059
#define IDB_BAND_BLUE_ACTIVE        26060
#define IDB_BAND_SILVER_ACTIVE      26061
#define IDB_BAND_OLIVE_ACTIVE       26062
#define IDB_BAND_BLUE_INACTIVE      26063
#define IDB_BAND_SILVER_INACTIVE    26064
#define IDB_BAND_OLIVE_INACTIVE     26065
#define IDB_BAND_BLUE_PUSHED        26066
#define IDB_BAND_SILVER_PUSHED      26067
#define IDB_BAND_OLIVE_PUSHED       26068
#define IDR_PALETTE_MENU            26032   // popup 0 floating frame, popup 1 dock window
#define ID_PALETTE_OPTIONS          26070   // "Options..." of both popups
#define IDC_SPLIT_TALL              30980   // a splitter between a left and a right window
#define IDC_SPLIT_WIDE              30981   // a splitter between an upper and a lower window
#define IDS_DRAG_PROMPT             26001
#define IDS_TABBED_STYLE            26015
#define IDS_BAND_TIP_HIDE           26100
#define IDS_BAND_TIP_ROLLUP         26101
#define IDS_BAND_TIP_REDISTRIBUTE   26102
#define IDS_BAND_TIP_DOCKABLE       26103

// Input dialogs (controls/): text, integer within a range, text under a message
#define IDD_GETSTRING               26033
#define IDD_GETINT                  26041
#define IDD_CONFIRMSTRING           26042
#define IDC_INPUT_VALUE             1002
#define IDC_INPUT_SPIN              1003
#define IDC_INPUT_MESSAGE           1007

// Property inspector (properties/): the prompt prefix of a property without a registered
// description
#define IDS_PROP_CHANGE             26040
