// MainFrm.cpp - the showcase's main frame.
#include "MainFrm.h"
#include "resource.h"
#include "ShowcaseApp.h"

IMPLEMENT_DYNAMIC(CMainFrame, CFrameWnd)

namespace
{
const char szSettingsSection[] = "Showcase";
const char szColorSchemeKey[] = "ColorScheme";
}

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
    ON_WM_DESTROY()
    ON_REGISTERED_MESSAGE(WM_GET_SYS_COLOR, OnGetSysColor)
    ON_REGISTERED_MESSAGE(WM_GET_PPM, OnGetProfileManager)
    ON_COMMAND(ID_VIEW_DARKSCHEME, OnViewDarkScheme)
    ON_UPDATE_COMMAND_UI(ID_VIEW_DARKSCHEME, OnUpdateViewDarkScheme)
END_MESSAGE_MAP()

CMainFrame::CMainFrame()
{
}

CMainFrame::~CMainFrame()
{
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;   // the view draws its own edge
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // AFX_IDW_PANE_FIRST makes the frame's layout give the view the whole client area
    if (!m_wndView.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
            AFX_IDW_PANE_FIRST, NULL))
    {
        return -1;
    }
    // the scheme the user chose last time, kept through the library's settings functions in the
    // profile this frame hands out (OnGetProfileManager)
    int nScheme = LoadIniInt(szSettingsSection, szColorSchemeKey, CHostColorScheme::schemeStandard, NULL);
    m_colorScheme.SetScheme(nScheme == CHostColorScheme::schemeDark ?
        CHostColorScheme::schemeDark : CHostColorScheme::schemeStandard);
    return 0;
}

void CMainFrame::OnDestroy()
{
    SaveIniInt(szSettingsSection, szColorSchemeKey, m_colorScheme.GetScheme(), NULL);
    CFrameWnd::OnDestroy();
}

void CMainFrame::OnSetFocus(CWnd* /*pOldWnd*/)
{
    m_wndView.SetFocus();
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // the view gets the first chance at every command, as in a document/view application
    if (m_wndView.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CMainFrame::OnGetSysColor(WPARAM wParam, LPARAM lParam)
{
    // wParam: system-colour index in the low word, the asking kind of control in the high word
    return m_colorScheme.Lookup((int)LOWORD(wParam), (UINT)HIWORD(wParam), (COLORREF*)lParam);
}

void CMainFrame::SetColorScheme(CHostColorScheme::Scheme scheme)
{
    if (scheme == m_colorScheme.GetScheme())
        return;
    m_colorScheme.SetScheme(scheme);
    // floating palettes are windows of their own: everything on screen takes the new colours
    CRect rectScreen = GetVirtualMonitorRect();
    RedrawScreenRect(&rectScreen);
}

void CMainFrame::OnViewDarkScheme()
{
    SetColorScheme(m_colorScheme.GetScheme() == CHostColorScheme::schemeDark ?
        CHostColorScheme::schemeStandard : CHostColorScheme::schemeDark);
}

void CMainFrame::OnUpdateViewDarkScheme(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_colorScheme.GetScheme() == CHostColorScheme::schemeDark ? 1 : 0);
}

LRESULT CMainFrame::OnGetProfileManager(WPARAM wParam, LPARAM /*lParam*/)
{
    // wParam: where the library wants the manager's address
    CHostProfileManager** ppManager = (CHostProfileManager**)wParam;
    if (ppManager == NULL)
        return 0;
    *ppManager = static_cast<CShowcaseApp*>(AfxGetApp())->GetProfileManager();
    return 1;
}
