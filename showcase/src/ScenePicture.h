// ScenePicture.h - kept pixels of a window that cannot outlast a scene's set-up.
//
// A menu's loop (and the tip beside it) ends before the screenshot is taken, so a scene keeps the
// open window's pixels and shows them where it stood, topmost and owned by the frame, until
// another scene comes.
#pragma once

#include <afxwin.h>

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
