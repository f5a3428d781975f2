// ScenePanel.h - the panel a scene shows on the drawing view.
//
// A scene's panel is made the first time the scene is shown, hidden when another scene comes and
// destroyed with the drawing view; its PostNcDestroy deletes it and clears the scene's pointer.
#pragma once

#include <afxwin.h>

// Makes the panel on first use.  When making it fails, a panel whose window exists goes with its
// window (PostNcDestroy); one without a window is deleted here.  pPanel is NULL afterwards.
template<class TPanel>
BOOL CreateScenePanel(TPanel*& pPanel, CWnd* pView, const CRect& rect)
{
    if (pPanel != NULL)
        return TRUE;
    TPanel* pNew = new TPanel;
    pPanel = pNew;
    if (pNew->CreatePanel(pView, rect))
        return TRUE;
    if (pNew->GetSafeHwnd() != NULL)
        pNew->DestroyWindow();
    else
        delete pNew;
    pPanel = NULL;
    return FALSE;
}

inline void ShowScenePanel(CWnd* pPanel)
{
    pPanel->ShowWindow(SW_SHOW);
    pPanel->UpdateWindow();
}

inline void HideScenePanel(CWnd* pPanel)
{
    if (pPanel != NULL && pPanel->GetSafeHwnd() != NULL)
        pPanel->ShowWindow(SW_HIDE);
}

// The system's menu font, which the panels write their captions in.
inline LOGFONTA GetMenuLogFont()
{
    NONCLIENTMETRICSA ncm;
    memset(&ncm, 0, sizeof(ncm));
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    return ncm.lfMenuFont;
}
