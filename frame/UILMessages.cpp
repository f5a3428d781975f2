// UILMessages.cpp - the exported registered-message globals.
//
// Every global is registered by its own static initialiser, so the numbers are valid before the
// host makes its first call into the library (the entry point runs after the initialisers).
// WM_FILEALARM and the thumbnail messages start at 0 and are registered by their first user
// (UILMessagesImpl.cpp).
#include "UILMessages.h"

unsigned int WM_PICKCOLOR = ::RegisterWindowMessageA("WM_PICKCOLOR");
unsigned int WM_GET_COMMAND_IMAGE = ::RegisterWindowMessageA("WM_GET_COMMAND_IMAGE");
unsigned int WM_GET_COMMAND_STRING = ::RegisterWindowMessageA("WM_GET_COMMAND_STRING");
unsigned int WM_CUSTOM_DRAW = ::RegisterWindowMessageA("WM_CUSTOM_DRAW");
unsigned int WM_GET_TBAR_BUTTONS = ::RegisterWindowMessageA("WM_GET_TBAR_BUTTONS");
unsigned int WM_FILEALARM = 0;
unsigned int WM_GET_SYS_COLOR = ::RegisterWindowMessageA("WM_GET_SYS_COLOR");
unsigned int WM_GET_SYS_COLORSMAP = ::RegisterWindowMessageA("WM_GET_SYS_COLORSMAP");
unsigned int WM_DRAWTHUMBNAIL = 0;
unsigned int WM_THUMBNAIL_REQUEST = 0;
unsigned int WM_THUMBNAIL_BREAK = 0;
unsigned int WM_NOBJECT_NOTIFY = ::RegisterWindowMessageA("WM_NOBJECT_NOTIFY");
unsigned int WM_GET_EXT_PROPINFO = ::RegisterWindowMessageA("WM_GET_EXT_PROPINFO");
unsigned int WM_GET_PROPCLIENT = ::RegisterWindowMessageA("WM_GET_PROPCLIENT");
unsigned int WM_FLYOUT_DONE = ::RegisterWindowMessageA("WM_FLYOUT_DONE");
unsigned int WM_TRACK_FLYOUTMENU = ::RegisterWindowMessageA("WM_TRACK_FLYOUTMENU");
unsigned int WM_USER_LDRAG = ::RegisterWindowMessageA("WM_LDRAG");
unsigned int WM_SPACE_REDISTRIBUTION = ::RegisterWindowMessageA("WM_SPACE_REDISTRIBUTION");
unsigned int WM_GET_NEIBORS = ::RegisterWindowMessageA("WM_GET_NEIBORS");
unsigned int WM_FROMCHILD_ROLLUP = ::RegisterWindowMessageA("WM_FROMCHILD_ROLLUP");
unsigned int WM_DRAGSPLIT = ::RegisterWindowMessageA("WM_DRAGSPLIT");
unsigned int WM_ENDSPLIT = ::RegisterWindowMessageA("WM_ENDSPLIT");
unsigned int WM_CREATE_WNDPACK_CARRIER = ::RegisterWindowMessageA("WM_CREATE_WNDPACK_CARRIER");
unsigned int WM_USER_CREATECOPY = ::RegisterWindowMessageA("WM_USER_CREATECOPY");
unsigned int WM_CONTROL_SIZECHANGED = ::RegisterWindowMessageA("WM_CONTROL_SIZECHANGED");
unsigned int WM_GET_NEW_BARID = ::RegisterWindowMessageA("WM_GET_NEW_BARID");
unsigned int WM_FREE_BARID = ::RegisterWindowMessageA("WM_FREE_BARID");
unsigned int WM_FILL_TOOLBAR_LISTBOX = ::RegisterWindowMessageA("WM_FILL_TOOLBAR_LISTBOX");
unsigned int WM_CUSTOMBAR_SELECTED = ::RegisterWindowMessageA("WM_CUSTOMBAR_SELECTED");
unsigned int WM_GET_INDICATORINFO = ::RegisterWindowMessageA("WM_GET_INDICATORINFO");
unsigned int WM_TOOLPALETTES_NOTIFY = ::RegisterWindowMessageA("WM_TOOLPALETTES_NOTIFY");
unsigned int WM_FILL_BOOKMARKS_EXTENDED_MENU = ::RegisterWindowMessageA("WM_FILL_BOOKMARKS_EXTENDED_MENU");
unsigned int WM_GET_PALETTES_MANAGER = ::RegisterWindowMessageA("WM_GET_PALETTES_MANAGER");
unsigned int WM_GET_PALETTES_LIST = ::RegisterWindowMessageA("WM_GET_PALETTES_LIST");
unsigned int WM_CREATE_DOCKCONTEXT = ::RegisterWindowMessageA("WM_CREATE_DOCKCONTEXT");
unsigned int WM_CONVERT_TO_PALETTE = ::RegisterWindowMessageA("WM_CONVERT_TO_PALETTE");
unsigned int WM_DROP_PALETTE = ::RegisterWindowMessageA("WM_DROP_PALETTE");
unsigned int WM_IS_WINDOW_COLLAPSED = ::RegisterWindowMessageA("WM_IS_WINDOW_COLLAPSED");
unsigned int WM_GET_COLLAPSED_SIZE = ::RegisterWindowMessageA("WM_GET_COLLAPSED_SIZE");
unsigned int WM_EXPAND_WINDOW = ::RegisterWindowMessageA("WM_EXPAND_WINDOW");
unsigned int WM_COLLAPS_WINDOW = ::RegisterWindowMessageA("WM_COLLAPS_WINDOW");
unsigned int WM_GET_PPM = ::RegisterWindowMessageA("WM_GET_PPM");

void RegisterWEXOCtrlMessages()
{
}
