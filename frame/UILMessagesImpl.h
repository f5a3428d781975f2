// UILMessagesImpl.h - registered messages that stay inside the library, and the registration
// of the messages whose first user registers them.  Not for hosts: nothing here is exported.
#pragma once

#include "UILMessages.h"

// Messages between the library's own windows.  Registered while the library loads, except
// WM_CARRIER_CLOSED (RegisterCarrierClosedMessage).
extern unsigned int WM_INPUT_FOCUS;             // inspector bar: an editor asks its owner for the focus
extern unsigned int WM_CARRIER_CLOSED;          // table drop-down: its carrier window closed
extern unsigned int WM_CREATE_NEXT_THUMBNAIL;   // file thumbnail list: make the next image
extern unsigned int WM_START_UPDATE_THUMBNAIL;  // file thumbnail list: start refreshing
extern unsigned int WM_GETITEMTEXTL;            // tree-list control: text of a column
extern unsigned int WM_GETITEMRECTL;            // tree-list control: rectangle of a column

// The folder watcher calls this when it starts: registers WM_FILEALARM unless it already is.
void RegisterFileAlarmMessage();
// Every thumbnail list view calls this when it is made: registers WM_DRAWTHUMBNAIL,
// WM_THUMBNAIL_REQUEST and WM_THUMBNAIL_BREAK, each unless it already is.
void RegisterThumbnailMessages();
// Every table drop-down calls this when it is made: registers WM_CARRIER_CLOSED.
void RegisterCarrierClosedMessage();
