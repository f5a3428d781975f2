// MainFrm.h - the showcase's main frame: a docking host with a toolbar, a status bar, dock
// windows and the drawing view in the middle.
#pragma once

#include <WEXOctrl.h>
#include "DrawingView.h"
#include "HostColors.h"

class CMainFrame : public CUILMainFrame
{
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame();
    virtual ~CMainFrame();

    CDrawingView& GetDrawingView() { return m_wndView; }
    CUILToolBar& GetToolBar() { return m_wndToolBar; }
    // the frame's menu, as the library's menu bar docked above the toolbars
    CUILMenuBar& GetMenuBar() { return m_wndMenuBar; }
    // the host's tools: along the left side, and a short bar on top whose band scrolls it; its
    // first button opens a popup menu bar whose first entry opens another
    CUILToolBar& GetLeftToolBar() { return m_wndLeftBar; }
    CUILToolBar& GetShortToolBar() { return m_wndShortBar; }
    CUILToolBar& GetPopupBar(int nLevel) { return nLevel == 0 ? m_wndPopupBar : m_wndPopupBar2; }
    // the drawing tools: one flyout button that shows the tool chosen last
    CToolBarEx& GetDrawBar() { return m_wndDrawBar; }
    // the toolbars where the application starts with them, popups closed
    void ResetToolBars();
    CStatusBar& GetStatusBar() { return m_wndStatusBar; }
    // the dock windows: Layers and Objects share the left row, Properties floats
    CDockWnd& GetLayersWnd() { return m_wndLayers; }
    CDockWnd& GetObjectsWnd() { return m_wndObjects; }
    CDockWnd& GetPropertiesWnd() { return m_wndProperties; }
    CToolPalettes& GetPalettes() { return m_palettes; }
    // Puts the bars where the application starts with them: toolbar on top, Layers and Objects
    // sharing the left row, Properties floating at ptFloat (screen) when bShowFloating.
    void ResetDocking(BOOL bShowFloating, CPoint ptFloat);

    // the colours the host gives the library's controls (WM_GET_SYS_COLOR); switching repaints
    // every window on screen
    CHostColorScheme::Scheme GetColorScheme() const { return m_colorScheme.GetScheme(); }
    void SetColorScheme(CHostColorScheme::Scheme scheme);

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    CDrawingView m_wndView;
    CHostColorScheme m_colorScheme;
    CUILMenuBar m_wndMenuBar;
    CUILToolBar m_wndToolBar;
    CUILToolBar m_wndLeftBar;
    CUILToolBar m_wndShortBar;
    CUILToolBar m_wndPopupBar;
    CUILToolBar m_wndPopupBar2;
    CToolBarEx m_wndDrawBar;
    UINT m_nDrawTool;
    CFont m_fontTip;            // the flyout tips' font: the GUI font
    CStatusBar m_wndStatusBar;
    CDockWnd m_wndLayers;
    CDockWnd m_wndObjects;
    CDockWnd m_wndProperties;
    CListBox m_listLayers;
    CListBox m_listObjects;
    CListBox m_listProperties;
    CToolPalettes m_palettes;

    BOOL CreateDockWnd(CDockWnd& wnd, CListBox& list, LPCSTR lpszTitle, UINT nID, const char* const* ppszItems);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnGetSysColor(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetProfileManager(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    afx_msg void OnViewDarkScheme();
    afx_msg void OnUpdateViewDarkScheme(CCmdUI* pCmdUI);
    afx_msg LRESULT OnCreateDockContext(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetPalettesManager(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDrawTool(UINT nID);
    afx_msg void OnUpdateDrawTool(CCmdUI* pCmdUI);

    // files: favourite folders kept in the profile, and a folder watched for changes that the
    // status bar reports
    CEvent* m_pFolderAlarm;
    CString m_strWatchedFolder;
    int m_nFolderChanges;
    void StartWatchingFolder();
    afx_msg void OnFileFavoriteFolders();
    afx_msg LRESULT OnFileAlarm(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
