// winfrm.cpp - CFrameWnd: the top-level frame, command routing and the idle update.
#include "afximpl_.h"
#include "afxtempl.h"
#include <afxpriv.h>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_WM_SETFOCUS()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CFrameWnd::OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_SETMESSAGESTRING, &CFrameWnd::OnSetMessageString)
    ON_MESSAGE(WM_POPMESSAGESTRING, &CFrameWnd::OnPopMessageString)
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
    ON_WM_ENABLE()
    ON_WM_SHOWWINDOW()
    ON_WM_SYSCOLORCHANGE()
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, &CFrameWnd::OnToolTipText)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, &CFrameWnd::OnToolTipText)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd()
    : m_pFloatingFrameClass(NULL), m_rectBorder(0, 0, 0, 0), m_bAutoMenuEnable(TRUE), m_nIdleFlags(0),
      m_nIDHelp(0), m_hMenuDefault(NULL), m_hAccelTable(NULL), m_bInRecalcLayout(FALSE),
      m_nIDTracking(0), m_nIDLastMessage(0), m_pViewActive(NULL), m_cModalStack(0),
      m_phWndDisable(NULL)
{
    m_nShowDelay = -1;
    m_pNextFrameWnd = NULL;
    AfxAddFrameWnd(this);
}

CFrameWnd::~CFrameWnd()
{
    delete[] m_phWndDisable;
    AfxRemoveFrameWnd(this);
}

BOOL CFrameWnd::IsFrameWnd() const { return TRUE; }

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
    {
        AfxDeferRegisterClass(AFX_WNDFRAMEORVIEW_REG);
        cs.lpszClass = AFX_WNDFRAMEORVIEW;
    }
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
    CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = NULL;
    if (lpszMenuName != NULL)
    {
        HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, (LPCSTR)RT_MENU);
        hMenu = ::LoadMenuA(hInst, lpszMenuName);
        if (hMenu == NULL)
        {
            PostNcDestroy();
            return FALSE;
        }
    }
    m_strTitle = lpszWindowName;

    // rectDefault holds CW_USEDEFAULT in left and top; its "width" must come out as CW_USEDEFAULT too
    int cx = (int)((unsigned)rect.right - (unsigned)rect.left);
    int cy = (int)((unsigned)rect.bottom - (unsigned)rect.top);
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, cx, cy,
            pParentWnd->GetSafeHwnd(), hMenu, (LPVOID)pContext))
    {
        if (hMenu != NULL)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    // the title is the first part of the resource's string
    CString strFullString;
    if (strFullString.LoadString(nIDResource))
        AfxExtractSubString(m_strTitle, strFullString, 0);

    LPCSTR lpszTitle = m_strTitle;
    if (!Create(NULL, lpszTitle, dwDefaultStyle, rectDefault, pParentWnd, MAKEINTRESOURCEA(nIDResource), 0, pContext))
        return FALSE;
    m_nIDHelp = nIDResource;
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA(nIDResource), (LPCSTR)RT_GROUP_ICON);
    HICON hIcon = ::LoadIconA(hInst, MAKEINTRESOURCEA(nIDResource));
    if (hIcon != NULL)
        SetIcon(hIcon, TRUE);
    m_hMenuDefault = ::GetMenu(m_hWnd);
    LoadAccelTable(MAKEINTRESOURCEA(nIDResource));
    if (pContext == NULL)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCSTR lpszResourceName)
{
    if (m_hAccelTable != NULL)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_ACCELERATOR);
    m_hAccelTable = ::LoadAcceleratorsA(hInst, lpszResourceName);
    return m_hAccelTable != NULL;
}

HACCEL CFrameWnd::GetDefaultAccelerator()
{
    return m_hAccelTable;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    CCreateContext* pContext = (CCreateContext*)lpcs->lpCreateParams;
    if (!OnCreateClient(lpcs, pContext))
        return -1;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    // a view class in the context is created as the first pane
    if (pContext != NULL && pContext->m_pNewViewClass != NULL)
    {
        CWnd* pView = (CWnd*)pContext->m_pNewViewClass->CreateObject();
        if (pView == NULL)
            return FALSE;
        if (!pView->Create(NULL, NULL, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST, pContext))
            return FALSE;
        SetActiveView(pView);
    }
    return TRUE;
}

void CFrameWnd::OnDestroy()
{
    // the dock bars and floating frames go first, while the bars can still find their frame
    DestroyDockBars();
    if (m_hAccelTable != NULL)
    {
        ::DestroyAcceleratorTable(m_hAccelTable);
        m_hAccelTable = NULL;
    }
    CWnd::OnDestroy();
}

void CFrameWnd::OnClose()
{
    DestroyWindow();
}

void CFrameWnd::PostNcDestroy()
{
    // frames are always made with new and go with their window
    delete this;
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    if (m_pViewActive != NULL)
        return TRUE;       // the view covers the client area
    return CWnd::OnEraseBkgnd(pDC);
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    if (GetStyle() & FWS_SNAPTOBARS)
    {
        // a floating frame takes the size its bars ask for
        CRect rect(0, 0, 32767, 32767);
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rect, &rect, FALSE);
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder, &rect, TRUE);
        CalcWindowRect(&rect);
        SetWindowPos(NULL, 0, 0, rect.Width(), rect.Height(), SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOZORDER);
    }
    else
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify)
{
    m_nIdleFlags |= (idleLayout | (bNotify ? idleNotify : 0));
}

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    POSITION pos = m_listControlBars.Find(pBar);
    if (pos != NULL)
        m_listControlBars.RemoveAt(pos);
}

CFrameWnd* CFrameWnd::GetActiveFrame()
{
    return this;
}

CWnd* CFrameWnd::GetActiveView() const
{
    return m_pViewActive;
}

void CFrameWnd::SetActiveView(CWnd* pViewNew, BOOL)
{
    m_pViewActive = pViewNew;
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
    {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1)
    {
        ShowWindow(nCmdShow);
        BringWindowToTop();
    }
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL bMakeVisible)
{
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    if (bMakeVisible)
        ActivateFrame();
}

void CFrameWnd::OnUpdateFrameTitle(BOOL)
{
    SetWindowText(m_strTitle);
}

void CFrameWnd::SetTitle(LPCSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    m_nIdleFlags |= idleTitle;
}

CString CFrameWnd::GetTitle() const
{
    return m_strTitle;
}

/////////////////////////////////////////////////////////////////////////////
// Command routing: the active view first, then the frame, then the application

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CWnd* pView = GetActiveView();
    if (pView != NULL && pView != this && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return FALSE;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        HACCEL hAccel = GetDefaultAccelerator();
        return hAccel != NULL && ::TranslateAcceleratorA(m_hWnd, hAccel, pMsg);
    }
    return FALSE;
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    if (m_nIdleFlags & idleTitle)
        OnUpdateFrameTitle(TRUE);
    if (m_nIdleFlags & idleLayout)
    {
        RecalcLayout((m_nIdleFlags & idleNotify) != 0);
        UpdateWindow();
    }
    m_nIdleFlags = 0;
    return 0;
}

void CFrameWnd::OnInitMenuPopup(CMenu* pMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || pMenu == NULL)
        return;

    // every item asks the command routing for its state; a command nobody handles is disabled
    CCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = (UINT)::GetMenuItemCount(pMenu->GetSafeHmenu());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        HMENU hMenu = pMenu->GetSafeHmenu();
        state.m_nID = ::GetMenuItemID(hMenu, (int)state.m_nIndex);
        if (state.m_nID == 0)
            continue;       // separator
        if (state.m_nID == (UINT)-1)
        {
            // a popup: routed by its first item, never disabled for want of a handler
            HMENU hSub = ::GetSubMenu(hMenu, (int)state.m_nIndex);
            state.m_pSubMenu = CMenu::FromHandle(hSub);
            if (hSub == NULL || (state.m_nID = ::GetMenuItemID(hSub, 0)) == 0 || state.m_nID == (UINT)-1)
                continue;
            state.DoUpdate(this, FALSE);
        }
        else
        {
            state.m_pSubMenu = NULL;
            state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        }
        // a handler may have added or removed items
        UINT nCount = (UINT)::GetMenuItemCount(hMenu);
        if (nCount < state.m_nIndexMax)
        {
            state.m_nIndex -= (state.m_nIndexMax - nCount);
            while (state.m_nIndex < nCount && ::GetMenuItemID(hMenu, (int)state.m_nIndex) == state.m_nID)
                state.m_nIndex++;
        }
        state.m_nIndexMax = nCount;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Message bar

CWnd* CFrameWnd::GetMessageBar()
{
    return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    AfxGetMessageString(nID, rMessage);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    m_nIDLastMessage = (UINT)wParam;
    CString strMessage;
    LPCSTR lpsz = NULL;
    if (lParam != 0)
        lpsz = (LPCSTR)lParam;
    else if (wParam != 0)
    {
        GetMessageString((UINT)wParam, strMessage);
        lpsz = strMessage;
    }
    CWnd* pMessageBar = GetMessageBar();
    if (pMessageBar != NULL)
        pMessageBar->SetWindowText(lpsz);
    return (LRESULT)nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam)
{
    return OnSetMessageString(wParam, lParam);
}

void CFrameWnd::SetMessageText(LPCSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)lpszText);
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, (WPARAM)nID, 0);
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    if (nFlags == 0xFFFF && hSysMenu == NULL)
    {
        // the menu closed: the idle prompt comes back
        m_nIDTracking = AFX_IDS_IDLEMESSAGE;
        SendMessage(WM_SETMESSAGESTRING, (WPARAM)AFX_IDS_IDLEMESSAGE, 0);
        return;
    }
    if (nItemID != 0 && !(nFlags & (MF_SEPARATOR | MF_POPUP | MF_SYSMENU)))
    {
        m_nIDTracking = nItemID;
        SendMessage(WM_SETMESSAGESTRING, (WPARAM)nItemID, 0);
    }
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive != NULL && m_pViewActive->m_hWnd != NULL)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

/////////////////////////////////////////////////////////////////////////////
// Modal state: the frame and its popups are disabled while a modal window runs

namespace
{
struct SModalDisable
{
    HWND hWndFrame;
    CArray<HWND, HWND> windows;
};

BOOL CALLBACK CollectOwnedPopup(HWND hWnd, LPARAM lParam)
{
    SModalDisable* pState = (SModalDisable*)lParam;
    if (hWnd == pState->hWndFrame || !::IsWindowEnabled(hWnd))
        return TRUE;
    HWND hOwner = ::GetWindow(hWnd, GW_OWNER);
    while (hOwner != NULL && hOwner != pState->hWndFrame)
        hOwner = ::GetWindow(hOwner, GW_OWNER);
    // a popup that stays usable during modal runs (a tip window, say) answers WM_DISABLEMODAL
    if (hOwner != NULL && ::SendMessageA(hWnd, WM_DISABLEMODAL, 0, 0) == 0)
        pState->windows.Add(hWnd);
    return TRUE;
}
}

void CFrameWnd::BeginModalState()
{
    if (m_cModalStack++ > 0)
        return;
    // Floating bars and palettes are popups the frame owns: they go disabled with it.  Only what
    // was enabled is recorded, so EndModalState does not enable what the host had disabled.
    SModalDisable state;
    state.hWndFrame = m_hWnd;
    ::EnumThreadWindows(::GetWindowThreadProcessId(m_hWnd, NULL), &CollectOwnedPopup, (LPARAM)&state);
    if (::IsWindowEnabled(m_hWnd))
        state.windows.Add(m_hWnd);
    delete[] m_phWndDisable;
    m_phWndDisable = new HWND[state.windows.GetSize() + 1];
    for (INT_PTR i = 0; i < state.windows.GetSize(); i++)
    {
        m_phWndDisable[i] = state.windows[i];
        ::EnableWindow(state.windows[i], FALSE);
    }
    m_phWndDisable[state.windows.GetSize()] = NULL;
}

void CFrameWnd::EndModalState()
{
    if (m_cModalStack == 0 || --m_cModalStack > 0)
        return;
    if (m_phWndDisable == NULL)
        return;
    for (HWND* phWnd = m_phWndDisable; *phWnd != NULL; phWnd++)
        if (::IsWindow(*phWnd))
            ::EnableWindow(*phWnd, TRUE);
    delete[] m_phWndDisable;
    m_phWndDisable = NULL;
}

BOOL CFrameWnd::InModalState() const
{
    return m_cModalStack != 0;
}

void CFrameWnd::ShowOwnedWindows(BOOL bShow)
{
    ::ShowOwnedPopups(m_hWnd, bShow);
}
