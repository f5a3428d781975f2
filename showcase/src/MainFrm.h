// MainFrm.h - the showcase's main frame: menu bar and the drawing view filling the client area.
#pragma once

#include <WEXOctrl.h>
#include "DrawingView.h"
#include "HostColors.h"

class CMainFrame : public CFrameWnd
{
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame();
    virtual ~CMainFrame();

    CDrawingView& GetDrawingView() { return m_wndView; }

    // the colours the host gives the library's controls (WM_GET_SYS_COLOR); switching repaints
    // every window on screen
    CHostColorScheme::Scheme GetColorScheme() const { return m_colorScheme.GetScheme(); }
    void SetColorScheme(CHostColorScheme::Scheme scheme);

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    CDrawingView m_wndView;
    CHostColorScheme m_colorScheme;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnGetSysColor(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetProfileManager(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    afx_msg void OnViewDarkScheme();
    afx_msg void OnUpdateViewDarkScheme(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};
