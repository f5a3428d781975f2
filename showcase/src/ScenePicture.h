// ScenePicture.h - kept pixels of a window that cannot outlast a scene's set-up.
//
// A menu's loop (and the tip beside it) ends before the screenshot is taken, so a scene keeps the
// open window's pixels and shows them where it stood, topmost and owned by the frame, until
// another scene comes.
#pragma once

#include <afxwin.h>
#include <functional>

class CScenePicture : public CWnd
{
public:
    // keeps the pixels and the place of hWnd; FALSE when they could not be read
    BOOL Grab(HWND hWnd);
    // shows the kept pixels where they were, above the frame (made on first use)
    BOOL Show(CWnd* pOwner);
    // destroys the window, if any
    void Hide();

protected:
    CBitmap m_bitmap;
    CRect m_rect;
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

// Runs a menu's loop (fnOpen returns when it ends) with a timer ticking inside it every 60 ms:
// the first two ticks step the selection two entries down; from then on, once fnReady (menu
// window, tick) says so, fnGrab (menu window) keeps the pixels and the menu closes.  After
// nMaxTicks the menu closes unkept.  Returns what fnGrab returned (FALSE when it never ran).
BOOL CaptureMenuLoop(const std::function<void()>& fnOpen, const std::function<BOOL(HWND, int)>& fnReady,
    const std::function<BOOL(HWND)>& fnGrab, int nMaxTicks);
