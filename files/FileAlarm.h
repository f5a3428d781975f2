// FileAlarm.h - the folder watcher: a worker thread that posts WM_FILEALARM to a window for
// every change it sees in one folder (and its subtree, when asked).
//
// One watcher runs at a time: a watcher started while another still runs waits until that one
// has ended.  All starts share one watched path, read at the beginning of every pass.
#pragma once

#include <afxwin.h>
#include <afxmt.h>

// Change bits in WM_FILEALARM's wParam (lParam is 0).  They are the library's own, not the
// Windows filter values.
#define FILEALARM_DIRNAME       0x0001
#define FILEALARM_FILENAME      0x0002
#define FILEALARM_LASTWRITE     0x0010
#define FILEALARM_SIZE          0x0020
#define FILEALARM_ATTRIBUTES    0x0100
#define FILEALARM_SECURITY      0x0200

// Starts watching lpszFolder (at most MAX_PATH characters are kept) for hWndTarget.  Registers
// WM_FILEALARM on the first start.  Returns the watcher's stop event, which the caller owns
// until it hands it to StopFileAlarmThread.  dwExtra is passed to the thread and not used.  A
// folder that cannot be watched (missing, deleted, not a folder) ends its watcher by itself.
AFX_EXT_API CEvent* StartFileAlarmThread(HWND hWndTarget, const char* lpszFolder, int bSubtree, DWORD dwExtra);
// Sets the stop event (when not NULL), waits for the watcher it belongs to (the last one
// started when it is NULL) to end, and destroys the event.
AFX_EXT_API void StopFileAlarmThread(CEvent* pStop);
