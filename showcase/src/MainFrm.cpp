// MainFrm.cpp - the showcase's main frame.
#include "MainFrm.h"
#include "resource.h"
#include <initializer_list>
#include "ShowcaseApp.h"
#include "SceneMenus.h"

IMPLEMENT_DYNAMIC(CMainFrame, CUILMainFrame)

namespace
{
const char szSettingsSection[] = "Showcase";
const char szColorSchemeKey[] = "ColorScheme";

const UINT s_indicators[] = { ID_SEPARATOR };

const char* const s_layers[] = { "0 - Default", "Walls", "Doors", "Windows", "Furniture", "Dimensions", NULL };
const char* const s_objects[] = { "Wall 1", "Wall 2", "Wall 3", "Door 1", "Window 1", "Window 2", NULL };
const char* const s_properties[] = { "Layer: Walls", "Colour: By layer", "Line type: Continuous",
    "Thickness: 0.25", NULL };
}

BEGIN_MESSAGE_MAP(CMainFrame, CUILMainFrame)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
    ON_WM_DESTROY()
    ON_REGISTERED_MESSAGE(WM_GET_SYS_COLOR, OnGetSysColor)
    ON_REGISTERED_MESSAGE(WM_GET_PPM, OnGetProfileManager)
    ON_COMMAND(ID_VIEW_DARKSCHEME, OnViewDarkScheme)
    ON_UPDATE_COMMAND_UI(ID_VIEW_DARKSCHEME, OnUpdateViewDarkScheme)
    ON_REGISTERED_MESSAGE(WM_CREATE_DOCKCONTEXT, OnCreateDockContext)
    ON_REGISTERED_MESSAGE(WM_GET_PALETTES_MANAGER, OnGetPalettesManager)
    ON_COMMAND(ID_FILE_FAVORITEFOLDERS, OnFileFavoriteFolders)
    ON_REGISTERED_MESSAGE(WM_FILEALARM, OnFileAlarm)
    ON_COMMAND_RANGE(ID_DRAW_LINE, ID_DRAW_CIRCLE, OnDrawTool)
    ON_UPDATE_COMMAND_UI(ID_DRAW_LINE, OnUpdateDrawTool)
    ON_UPDATE_COMMAND_UI(ID_DRAW_ARC, OnUpdateDrawTool)
    ON_UPDATE_COMMAND_UI(ID_DRAW_CIRCLE, OnUpdateDrawTool)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() : m_nDrawTool(ID_DRAW_LINE), m_pFolderAlarm(NULL), m_nFolderChanges(0)
{
}

CMainFrame::~CMainFrame()
{
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CUILMainFrame::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;   // the view draws its own edge
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CUILMainFrame::OnCreate(lpCreateStruct) == -1)
        return -1;
    // AFX_IDW_PANE_FIRST makes the frame's layout give the view the whole client area
    if (!m_wndView.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
            AFX_IDW_PANE_FIRST, NULL))
    {
        return -1;
    }
    // the scheme the user chose last time, kept through the library's settings functions in the
    // profile this frame hands out (OnGetProfileManager)
    // the library's toolbars: items of their own sizes, checked and disabled by the update
    // handlers of the view
    m_wndShortBar.m_nBarStyle = UILBS_DEFAULT | UILBS_BAND;
    m_wndPopupBar.m_nBarStyle = m_wndPopupBar2.m_nBarStyle = UILBS_POPUPMENU | UILBS_CUSTOMLOOK;
    const DWORD dwBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY;
    if (!m_wndToolBar.Create(this, dwBarStyle) || !m_wndToolBar.LoadToolBar(IDR_MAINFRAME)
        || !m_wndLeftBar.Create(this, dwBarStyle, AFX_IDW_TOOLBAR + 1) || !m_wndLeftBar.LoadToolBar(IDR_MAINFRAME)
        || !m_wndShortBar.Create(this, dwBarStyle, AFX_IDW_TOOLBAR + 2) || !m_wndShortBar.LoadToolBar(IDR_MAINFRAME)
        || !m_wndPopupBar.Create(this, WS_CHILD | CBRS_TOP, AFX_IDW_TOOLBAR + 3) || !m_wndPopupBar.LoadToolBar(IDR_MAINFRAME)
        || !m_wndPopupBar2.Create(this, WS_CHILD | CBRS_TOP, AFX_IDW_TOOLBAR + 4) || !m_wndPopupBar2.LoadToolBar(IDR_MAINFRAME))
    {
        return -1;
    }
    // the drawing tools fly out of one button, which then carries the tool chosen
    if (!m_wndDrawBar.CreateEx(this, TBSTYLE_FLAT, dwBarStyle, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR + 5)
        || !m_wndDrawBar.LoadToolBar(IDR_DRAWBAR) || !m_wndDrawBar.SetFlyOut(0, IDR_DRAWTOOLS, ID_DRAW_LINE))
    {
        return -1;
    }
    m_wndDrawBar.m_nFlyOutMode = 1;
    LOGFONTA lf;
    if (::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf) && m_fontTip.CreateFontIndirect(&lf))
        CToolTip2::SetTipFont(&m_fontTip);
    m_wndDrawBar.SetWindowText("Draw");
    m_wndToolBar.SetWindowText("Standard");
    m_wndLeftBar.SetWindowText("Tools");
    m_wndShortBar.SetWindowText("Views");
    for (CUILToolBar* pBar : { &m_wndToolBar, &m_wndLeftBar, &m_wndShortBar, &m_wndPopupBar, &m_wndPopupBar2 })
    {
        pBar->SetNewStyle(pBar->m_nBarStyle, pBar->m_nBarStyle & UILBS_POPUPMENU ? UILIS_TEXT : 0);
        pBar->SetOwner(this);
    }
    m_wndShortBar.SetItemPopup(0, &m_wndPopupBar);
    m_wndPopupBar.SetItemPopup(0, &m_wndPopupBar2);
    // the menu becomes the library's menu bar, its entries with the toolbar's images; made after
    // the toolbars, whose texts come from the menu while the frame still has it
    const UINT nImageBar = IDR_MAINFRAME;
    if (!m_wndMenuBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR + 6) || !m_wndMenuBar.Install(this))
        return -1;
    m_wndMenuBar.ExtractImages(&nImageBar, 1, RGB(192, 192, 192), 1);
    m_wndMenuBar.SetWindowText("Menu");
    if (!m_wndStatusBar.Create(this)
        || !m_wndStatusBar.SetIndicators(s_indicators, sizeof(s_indicators) / sizeof(s_indicators[0])))
    {
        return -1;
    }
    if (!CreateDockWnd(m_wndLayers, m_listLayers, "Layers", ID_VIEW_LAYERS, s_layers)
        || !CreateDockWnd(m_wndObjects, m_listObjects, "Objects", ID_VIEW_OBJECTS, s_objects)
        || !CreateDockWnd(m_wndProperties, m_listProperties, "Properties", ID_VIEW_PROPERTIES, s_properties))
    {
        return -1;
    }
    // the library's dock bars on every side, and its floating frames for whatever floats
    EnableDocking(CBRS_ALIGN_ANY);
    m_pFloatingFrameClass = RUNTIME_CLASS(CUILMiniDockFrameWnd);
    for (CUILToolBar* pBar : { &m_wndToolBar, &m_wndLeftBar, &m_wndShortBar })
        pBar->EnableDocking(CBRS_ALIGN_ANY);
    m_wndDrawBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndMenuBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    m_wndLayers.EnableDocking(CBRS_ALIGN_ANY);
    m_wndObjects.EnableDocking(CBRS_ALIGN_ANY);
    m_wndProperties.EnableDocking(CBRS_ALIGN_ANY);
    // the menu bar first: its row is the top one
    DockControlBar(&m_wndMenuBar, AFX_IDW_DOCKBAR_TOP);
    DockControlBar(&m_wndToolBar, AFX_IDW_DOCKBAR_TOP);
    ResetToolBars();
    ResetDocking(FALSE, CPoint(0, 0));

    int nScheme = LoadIniInt(szSettingsSection, szColorSchemeKey, CHostColorScheme::schemeStandard, NULL);
    m_colorScheme.SetScheme(nScheme == CHostColorScheme::schemeDark ?
        CHostColorScheme::schemeDark : CHostColorScheme::schemeStandard);
    // popup menus drawn with the toolbar's images and shortcut names; the drawing's context menu
    InstallDrawingMenus(this);
    StartWatchingFolder();
    return 0;
}

BOOL CMainFrame::CreateDockWnd(CDockWnd& wnd, CListBox& list, LPCSTR lpszTitle, UINT nID,
    const char* const* ppszItems)
{
    if (!wnd.Create(this, lpszTitle, WS_VISIBLE, nID))
        return FALSE;
    wnd.SetToolPalettesManager(&m_palettes);
    m_palettes.AddPaletteWindow(&wnd);
    if (!list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 10, 10), &wnd, 1))
        return FALSE;
    list.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    for (; *ppszItems != NULL; ppszItems++)
        list.AddString(*ppszItems);
    list.SetCurSel(1);
    return TRUE;
}

void CMainFrame::ResetDocking(BOOL bShowFloating, CPoint ptFloat)
{
    // Layers on the left dock bar, Objects in the same row below it
    for (CDockWnd* pWnd : { &m_wndLayers, &m_wndObjects })
    {
        if (pWnd->IsCollapsed(FALSE))
            pWnd->SendMessage(WM_SYSCOMMAND, 61952);
        pWnd->SetWindowPos(NULL, 0, 0, 180, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowControlBar(pWnd, TRUE, FALSE);
    }
    DockControlBar(&m_wndLayers, AFX_IDW_DOCKBAR_LEFT);
    CRect rect;
    m_wndLayers.GetWindowRect(&rect);
    rect.OffsetRect(0, rect.Height());
    DockControlBar(&m_wndObjects, AFX_IDW_DOCKBAR_LEFT, &rect);
    if (bShowFloating)
    {
        if (!m_wndProperties.IsFloating())
            FloatControlBar(&m_wndProperties, ptFloat, CBRS_ALIGN_TOP);
        CFrameWnd* pFloating = m_wndProperties.GetParentFrame();
        if (pFloating != NULL && pFloating != this && pFloating->IsKindOf(RUNTIME_CLASS(CUILMiniDockFrameWnd))
            && ((CUILMiniDockFrameWnd*)pFloating)->IsCollapsed())
            pFloating->SendMessage(WM_SYSCOMMAND, 61952);
        if (pFloating != NULL && pFloating != this)
            pFloating->SetWindowPos(NULL, ptFloat.x, ptFloat.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowControlBar(&m_wndProperties, TRUE, FALSE);
        // the palette's band gives way to its floating frame's
        m_wndProperties.SetWindowPos(NULL, 0, 0, 0, 0,
            SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        if (pFloating != NULL && pFloating != this)
            pFloating->RecalcLayout();
    }
    else
    {
        if (!m_wndProperties.IsFloating())
            DockControlBar(&m_wndProperties, AFX_IDW_DOCKBAR_RIGHT);
        ShowControlBar(&m_wndProperties, FALSE, FALSE);
    }
    RecalcLayout();
}

void CMainFrame::ResetToolBars()
{
    m_wndShortBar.CollapsPopup(-1, 1);
    m_wndMenuBar.CollapsPopup(m_wndMenuBar.GetExpandedItem(), 0);
    for (CUILToolBar* pBar : { &m_wndPopupBar, &m_wndPopupBar2 })
        ShowControlBar(pBar, FALSE, FALSE);
    // the short bar beside the standard one, the tools on the left above the palettes
    CRect rect;
    m_wndToolBar.GetWindowRect(&rect);
    rect.OffsetRect(rect.Width(), 0);
    DockControlBar(&m_wndShortBar, AFX_IDW_DOCKBAR_TOP, &rect);
    m_wndShortBar.GetWindowRect(&rect);
    rect.OffsetRect(rect.Width(), 0);
    DockControlBar(&m_wndDrawBar, AFX_IDW_DOCKBAR_TOP, &rect);
    DockControlBar(&m_wndLeftBar, AFX_IDW_DOCKBAR_LEFT);
    while (m_wndShortBar.GetScrollOffset() > 0)
        m_wndShortBar.SendMessage(WM_SYSCOMMAND, UIL_SC_BANDBACK);
    RecalcLayout();
}

LRESULT CMainFrame::OnCreateDockContext(WPARAM wParam, LPARAM lParam)
{
    // the library's context, so that a dragged palette can be dropped onto another
    CDockContext** ppContext = (CDockContext**)wParam;
    CControlBar* pBar = (CControlBar*)lParam;
    if (ppContext == NULL || pBar == NULL)
        return 0;
    CUILDockContext* pContext = new CUILDockContext(pBar);
    pContext->m_bPaletteDrop = TRUE;
    *ppContext = pContext;
    return 1;
}

LRESULT CMainFrame::OnGetPalettesManager(WPARAM wParam, LPARAM /*lParam*/)
{
    CToolPalettes** ppManager = (CToolPalettes**)wParam;
    if (ppManager == NULL)
        return 0;
    *ppManager = &m_palettes;
    return 1;
}

void CMainFrame::OnDestroy()
{
    if (m_pFolderAlarm != NULL)
    {
        StopFileAlarmThread(m_pFolderAlarm);
        m_pFolderAlarm = NULL;
        ::RemoveDirectoryA(m_strWatchedFolder);     // only when nothing was left in it
    }
    SaveIniInt(szSettingsSection, szColorSchemeKey, m_colorScheme.GetScheme(), NULL);
    // the tips' font goes with the frame
    CToolTip2::SetTipFont(NULL);
    CUILMainFrame::OnDestroy();
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
    return CUILMainFrame::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
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

/////////////////////////////////////////////////////////////////////////////
// Files: favourite folders and the watched folder

void CMainFrame::StartWatchingFolder()
{
    char szTemp[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, szTemp);
    m_strWatchedFolder = CString(szTemp) + "WEXOshowcase-watched";
    if (!IsPathValid(m_strWatchedFolder + "\\", 0, 1))
        return;
    m_pFolderAlarm = StartFileAlarmThread(m_hWnd, m_strWatchedFolder, FALSE, 0);
}

LRESULT CMainFrame::OnFileAlarm(WPARAM wParam, LPARAM /*lParam*/)
{
    CString strWhat;
    const struct
    {
        WPARAM nBit;
        LPCSTR lpszName;
    } kinds[] = {{FILEALARM_DIRNAME, "folders"}, {FILEALARM_FILENAME, "file names"}, {FILEALARM_LASTWRITE, "contents"},
        {FILEALARM_SIZE, "sizes"}, {FILEALARM_ATTRIBUTES, "attributes"}, {FILEALARM_SECURITY, "security"}};
    for (const auto& kind : kinds)
        if (wParam & kind.nBit)
            strWhat += (strWhat.IsEmpty() ? "" : ", ") + CString(kind.lpszName);
    CString strText;
    strText.Format("%s changed (%s), change %d", (LPCSTR)m_strWatchedFolder, (LPCSTR)strWhat, ++m_nFolderChanges);
    m_wndStatusBar.SetPaneText(0, strText);
    return 0;
}

void CMainFrame::OnFileFavoriteFolders()
{
    // the favourites live in the profile this frame hands out, section "Favorites"
    CFilteredFolders folders;
    if (folders.Load("Favorites", NULL) == 0)
    {
        folders.AddFolder(m_strWatchedFolder, "Watched folder", "*.*");
        folders.AddFolder("<QV>\\samples", "Samples", "*.dwg;*.dxf");
    }
    CFavoriteFoldersDlg dlg(this);
    dlg.InitFilteredFolders(&folders);
    if (dlg.DoModal() == IDOK)
    {
        dlg.GetFilteredFolders(&folders);
        folders.Save("Favorites", NULL);
    }
}

void CMainFrame::OnDrawTool(UINT nID)
{
    // the drawing bar has put the tool on its button already (mode 1); a command from elsewhere
    // (a menu, a shortcut) must put it there too
    m_nDrawTool = nID;
    m_wndDrawBar.UpdateFlyOutButtons(nID);
    CString strTool;
    strTool.LoadString(nID);
    CString strName;
    AfxExtractSubString(strName, strTool, 1, '\n');
    SetMessageText("Drawing tool: " + strName);
}

void CMainFrame::OnUpdateDrawTool(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(pCmdUI->m_nID == m_nDrawTool);
}
