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

// Colour pickers (colors/): the colour popup and its controls, the eyedropper's images and cursor,
// the colour field's probe-button images
#define IDD_COLORPOPUP              26045
#define IDC_COLORPOPUP_MAP          1024
#define IDC_COLORPOPUP_RED          1025
#define IDC_COLORPOPUP_GREEN        1027
#define IDC_COLORPOPUP_BLUE         1028
#define IDC_COLORPOPUP_HUE          1029
#define IDC_COLORPOPUP_SATURATION   1030
#define IDC_COLORPOPUP_BRIGHTNESS   1031
#define IDC_COLORPOPUP_LINE         1033
#define IDC_COLORPOPUP_OLD          1034
#define IDC_COLORPOPUP_NEW          1035
#define IDC_COLORPOPUP_RESET        1036
#define IDC_COLORPOPUP_ADD          1037
#define IDC_COLORPOPUP_OLDLABEL     1040
#define IDC_COLORPOPUP_NEWLABEL     1041
#define IDB_COLORPROBE              26027
#define IDC_COLORPROBE              26028   // cursor
#define IDB_COLORCTRL_PROBE         26069

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

// Files (files/): folder messages and their captions, filters and favourite folders
#define IDS_FILES_INVALIDPATH           26002
#define IDS_FILES_INVALIDPATH_CAPTION   26004
#define IDS_FILES_ASKCREATE             26006
#define IDS_FILES_ASKCREATE_CAPTION     26008
#define IDS_FILES_NOFOLDER              26010
#define IDS_FILES_NOFOLDER_CAPTION      26019
#define IDS_FILES_CANTCREATE            26020
#define IDS_FILES_CANTCREATE_CAPTION    26021
#define IDS_FILES_ASKDELFOLDER          26022
#define IDS_FILES_ASKDELFOLDER_CAPTION  26023
#define IDS_FILES_ASKDELFILE            26024
#define IDS_FILES_ASKDELFILE_CAPTION    26025
#define IDS_FILES_ASKDELTREE            26026
#define IDS_FILES_ASKDELTREE_CAPTION    26027
#define IDS_FILES_ALLFILES              61975
#define IDS_FILES_NEWFAVORITE           61976
#define IDS_FILES_BROWSEFAVORITE        61977
#define IDD_FAVORITEFOLDERS             26044
#define IDC_FAVORITE_FOLDER             1004
#define IDC_FAVORITE_BROWSE             1005
#define IDC_FAVORITE_NAME               1008
#define IDC_FAVORITE_MASKS              1024
#define IDC_FAVORITE_DELETE             1026
#define IDC_FAVORITE_RESTORE            1027
#define IDC_FAVORITE_NEW                1037

// Tree combo box (controls/): the popup tree
#define IDD_POPUPTREE                   26043
#define IDC_POPUPTREE_TREE              100
// Property inspector (properties/): the prompt prefix of a property without a registered
// description
#define IDS_PROP_CHANGE             26040

// Menu bar (toolbars/): the looks of its right-click popup (commands 26004 and 26008)
#define IDS_MENUBAR_PLAIN               26012
#define IDS_MENUBAR_97                  26013
