// UILMessages.h - the registered window messages of the library.
//
// The library's windows talk to each other and to the host through window messages that Windows
// numbers at run time (RegisterWindowMessageA).  Each global below holds the number Windows gave
// the message of the same name; the names, not the numbers, are the contract, so a host that
// registers a name itself gets the same number.  A global is 0 until its message is registered:
// all of them are registered while the library loads, except WM_FILEALARM (by the first folder
// watcher) and the three thumbnail messages (by the first thumbnail list view).
//
// Handlers go into message maps with ON_REGISTERED_MESSAGE, which reads the global when the
// message arrives, so they work with whatever number Windows assigned.
#pragma once

#include <afxwin.h>

// colour selector popup: the host may pick the colour itself
extern AFX_EXT_DATA unsigned int WM_PICKCOLOR;
// asks the host for a command's image
extern AFX_EXT_DATA unsigned int WM_GET_COMMAND_IMAGE;
extern AFX_EXT_DATA unsigned int WM_GET_COMMAND_STRING;       // for the host's own use
extern AFX_EXT_DATA unsigned int WM_CUSTOM_DRAW;
extern AFX_EXT_DATA unsigned int WM_GET_TBAR_BUTTONS;         // for the host's own use
// posted by the folder watcher; registered by its first start
extern AFX_EXT_DATA unsigned int WM_FILEALARM;
// wParam = system-colour index | context << 16, lParam = COLORREF* (see GetAppSysColor)
extern AFX_EXT_DATA unsigned int WM_GET_SYS_COLOR;
extern AFX_EXT_DATA unsigned int WM_GET_SYS_COLORSMAP;        // for the host's own use
// thumbnail list view; registered by the first one created
extern AFX_EXT_DATA unsigned int WM_DRAWTHUMBNAIL;
extern AFX_EXT_DATA unsigned int WM_THUMBNAIL_REQUEST;
extern AFX_EXT_DATA unsigned int WM_THUMBNAIL_BREAK;
// named objects and property editors
extern AFX_EXT_DATA unsigned int WM_NOBJECT_NOTIFY;
extern AFX_EXT_DATA unsigned int WM_GET_EXT_PROPINFO;
extern AFX_EXT_DATA unsigned int WM_GET_PROPCLIENT;
// flyout toolbars
extern AFX_EXT_DATA unsigned int WM_FLYOUT_DONE;
extern AFX_EXT_DATA unsigned int WM_TRACK_FLYOUTMENU;
// a tab dragged out of a window packet; registered under the name "WM_LDRAG"
extern AFX_EXT_DATA unsigned int WM_USER_LDRAG;
// dock bars, dock windows, window packets and splitters
extern AFX_EXT_DATA unsigned int WM_SPACE_REDISTRIBUTION;
extern AFX_EXT_DATA unsigned int WM_GET_NEIBORS;
extern AFX_EXT_DATA unsigned int WM_FROMCHILD_ROLLUP;
extern AFX_EXT_DATA unsigned int WM_DRAGSPLIT;
extern AFX_EXT_DATA unsigned int WM_ENDSPLIT;
extern AFX_EXT_DATA unsigned int WM_CREATE_WNDPACK_CARRIER;
extern AFX_EXT_DATA unsigned int WM_USER_CREATECOPY;
extern AFX_EXT_DATA unsigned int WM_CONTROL_SIZECHANGED;
// control identifiers handed out by the host
extern AFX_EXT_DATA unsigned int WM_GET_NEW_BARID;
extern AFX_EXT_DATA unsigned int WM_FREE_BARID;               // for the host's own use
// the dock bar's bar menu, filled and answered by the host
extern AFX_EXT_DATA unsigned int WM_FILL_TOOLBAR_LISTBOX;
extern AFX_EXT_DATA unsigned int WM_CUSTOMBAR_SELECTED;
// window packets, tab strips and tool palettes
extern AFX_EXT_DATA unsigned int WM_GET_INDICATORINFO;
extern AFX_EXT_DATA unsigned int WM_TOOLPALETTES_NOTIFY;
extern AFX_EXT_DATA unsigned int WM_FILL_BOOKMARKS_EXTENDED_MENU;
extern AFX_EXT_DATA unsigned int WM_GET_PALETTES_MANAGER;
extern AFX_EXT_DATA unsigned int WM_GET_PALETTES_LIST;
extern AFX_EXT_DATA unsigned int WM_CREATE_DOCKCONTEXT;
extern AFX_EXT_DATA unsigned int WM_CONVERT_TO_PALETTE;
extern AFX_EXT_DATA unsigned int WM_DROP_PALETTE;
// collapsing floating frames
extern AFX_EXT_DATA unsigned int WM_IS_WINDOW_COLLAPSED;
extern AFX_EXT_DATA unsigned int WM_GET_COLLAPSED_SIZE;
extern AFX_EXT_DATA unsigned int WM_EXPAND_WINDOW;
extern AFX_EXT_DATA unsigned int WM_COLLAPS_WINDOW;
// asks the host for its profile manager: wParam = address of a pointer variable holding NULL
extern AFX_EXT_DATA unsigned int WM_GET_PPM;

// Hosts written when the library's messages had to be registered by a call keep calling this.
// The library registers them while it loads, so it does nothing; calling it any number of times
// changes nothing.
AFX_EXT_API void RegisterWEXOCtrlMessages();
