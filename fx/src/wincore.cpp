// wincore.cpp - CWnd: binding of windows to objects, creation, dispatch through message maps.
#include "afximpl_.h"

/////////////////////////////////////////////////////////////////////////////
// HWND map

static CObject* PASCAL NewTempWnd() { return new CWnd; }
static void PASCAL SetWndHandle(CObject* pObject, HANDLE h) { ((CWnd*)pObject)->m_hWnd = (HWND)h; }

namespace
{
struct RegisterWndMap
{
    RegisterWndMap() { AfxRegisterHandleMapKind(afxHandleMapHWND, &NewTempWnd, &SetWndHandle); }
} s_registerWndMap;
}

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_CTLCOLOR()
    ON_WM_COMPAREITEM()
    ON_WM_DELETEITEM()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_CHARTOITEM()
    ON_WM_VKEYTOITEM()
    ON_WM_PARENTNOTIFY()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CWnd::CWnd() : m_hWnd(NULL), m_pfnSuper(NULL), m_hWndOwner(NULL), m_nModalResult(0), m_nFlags(0)
{
}

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd), m_pfnSuper(NULL), m_hWndOwner(NULL), m_nModalResult(0), m_nFlags(0)
{
}

// Built with -fno-delete-null-pointer-checks (see fx/CMakeLists.txt), so the test survives.
HWND CWnd::GetSafeHwnd() const
{
    return this == NULL ? NULL : m_hWnd;
}

CWnd::~CWnd()
{
    // The static placement windows (wndTop...) hold pseudo handles, never real windows.
    if (m_hWnd != NULL && m_hWnd != HWND_TOP && m_hWnd != HWND_BOTTOM && m_hWnd != HWND_TOPMOST &&
        m_hWnd != HWND_NOTOPMOST)
    {
        CHandleMap* pMap = afxMapHWND();
        if (pMap != NULL && pMap->LookupPermanent(m_hWnd) == this)
            DestroyWindow();
    }
}

BOOL CWnd::IsFrameWnd() const { return FALSE; }

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    CHandleMap* pMap = afxMapHWND(TRUE);
    return (CWnd*)pMap->FromHandle(hWnd);
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    CHandleMap* pMap = afxMapHWND();
    return (pMap != NULL && hWnd != NULL) ? (CWnd*)pMap->LookupPermanent(hWnd) : NULL;
}

void PASCAL CWnd::DeleteTempMap()
{
    CHandleMap* pMap = afxMapHWND();
    if (pMap != NULL)
        pMap->DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == NULL || m_hWnd != NULL)
        return FALSE;
    CHandleMap* pMap = afxMapHWND(TRUE);
    // an object may stand for one window; a window for one permanent object
    if (pMap->LookupPermanent(hWndNew) != NULL)
        return FALSE;
    pMap->SetPermanent(m_hWnd = hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL)
    {
        CHandleMap* pMap = afxMapHWND();
        if (pMap != NULL && pMap->LookupPermanent(hWnd) == this)
            pMap->RemoveHandle(hWnd);
        m_hWnd = NULL;
    }
    return hWnd;
}

WNDPROC* CWnd::GetSuperWndProcAddr()
{
    return &m_pfnSuper;
}

void CWnd::PreSubclassWindow()
{
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxGetAfxWndProc());
    if (*lplpfn == NULL)
        *lplpfn = oldWndProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), (int)nID);
    return hWndControl != NULL && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)*lplpfn);
    *lplpfn = NULL;
    return Detach();
}

/////////////////////////////////////////////////////////////////////////////
// Window procedure and the creation hook

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    MSG oldState = pThreadState->m_lastSentMsg;
    pThreadState->m_lastSentMsg.hwnd = hWnd;
    pThreadState->m_lastSentMsg.message = nMsg;
    pThreadState->m_lastSentMsg.wParam = wParam;
    pThreadState->m_lastSentMsg.lParam = lParam;

    LRESULT lResult = 0;
    try
    {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    }
    catch (CException* e)
    {
        CWinThread* pThread = AfxGetThread();
        if (pThread != NULL)
            lResult = pThread->ProcessWndProcException(e, &pThreadState->m_lastSentMsg);
        else
            lResult = nMsg == WM_CREATE ? -1 : 0;
        e->Delete();
    }
    pThreadState->m_lastSentMsg = oldState;
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_QUERYAFXWNDPROC)
        return 1;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL || pWnd->m_hWnd != hWnd)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

WNDPROC AFXAPI AfxGetAfxWndProc()
{
    return &AfxWndProc;
}

static BOOL IsImeWindowClass(HWND hWnd)
{
    // Windows creates the thread's input-method windows on the fly, also inside our CreateWindowEx;
    // they must not be taken for the window being created.
    char szClass[32];
    if (::GetClassNameA(hWnd, szClass, sizeof(szClass)) == 0)
        return FALSE;
    return lstrcmpiA(szClass, "IME") == 0 || lstrcmpiA(szClass, "MSCTFIME UI") == 0;
}

static LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    if (code != HCBT_CREATEWND || pThreadState->m_pWndInit == NULL)
        return ::CallNextHookEx(pThreadState->m_hHookOldCbtFilter, code, wParam, lParam);

    HWND hWnd = (HWND)wParam;
    if (IsImeWindowClass(hWnd))
        return ::CallNextHookEx(pThreadState->m_hHookOldCbtFilter, code, wParam, lParam);

    CWnd* pWndInit = pThreadState->m_pWndInit;
    pThreadState->m_pWndInit = NULL;
    if (pWndInit->Attach(hWnd))
    {
        pWndInit->PreSubclassWindow();
        WNDPROC* pOldWndProc = pWndInit->GetSuperWndProcAddr();
        WNDPROC afxWndProc = AfxGetAfxWndProc();
        WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)afxWndProc);
        if (oldWndProc != afxWndProc)
            *pOldWndProc = oldWndProc;
    }
    return ::CallNextHookEx(pThreadState->m_hHookOldCbtFilter, code, wParam, lParam);
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    if (pThreadState->m_pWndInit == pWnd)
        return;
    if (pThreadState->m_hHookOldCbtFilter == NULL)
    {
        pThreadState->m_hHookOldCbtFilter = ::SetWindowsHookExA(WH_CBT, &AfxCbtFilterHook, NULL,
            ::GetCurrentThreadId());
        if (pThreadState->m_hHookOldCbtFilter == NULL)
            AfxThrowMemoryException();
    }
    pThreadState->m_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    if (pThreadState->m_pWndInit != NULL)
    {
        pThreadState->m_pWndInit = NULL;
        return FALSE;          // the window was never created
    }
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Window classes

static char* TempClassNameBuffer()
{
    static thread_local char t_szClassName[96];
    return t_szClassName;
}

LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    char* lpszName = TempClassNameBuffer();
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (hCursor == NULL && hbrBackground == NULL && hIcon == NULL)
        sprintf(lpszName, "Afx:%p:%x", (void*)hInst, nClassStyle);
    else
        sprintf(lpszName, "Afx:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor,
            (void*)hbrBackground, (void*)hIcon);

    WNDCLASSA wndcls;
    if (::GetClassInfoA(hInst, lpszName, &wndcls))
        return lpszName;
    memset(&wndcls, 0, sizeof(wndcls));
    wndcls.style = nClassStyle;
    wndcls.lpfnWndProc = ::DefWindowProcA;
    wndcls.hInstance = hInst;
    wndcls.hIcon = hIcon;
    wndcls.hCursor = hCursor;
    wndcls.hbrBackground = hbrBackground;
    wndcls.lpszClassName = lpszName;
    if (!AfxRegisterClass(&wndcls))
        AfxThrowResourceException();
    return lpszName;
}

BOOL AFXAPI AfxRegisterClass(WNDCLASSA* lpWndClass)
{
    WNDCLASSA wndcls;
    if (::GetClassInfoA(lpWndClass->hInstance, lpWndClass->lpszClassName, &wndcls))
        return TRUE;
    return ::RegisterClassA(lpWndClass) != 0;
}

BOOL AFXAPI AfxDeferRegisterClass(LONG fToRegister)
{
    return AfxEndDeferRegisterClass(fToRegister);
}

BOOL AFXAPI AfxEndDeferRegisterClass(LONG fToRegister)
{
    WNDCLASSA wndcls;
    memset(&wndcls, 0, sizeof(wndcls));
    wndcls.lpfnWndProc = ::DefWindowProcA;
    wndcls.hInstance = AfxGetInstanceHandle();
    wndcls.hCursor = ::LoadCursorA(NULL, IDC_ARROW);

    BOOL bResult = TRUE;
    if (fToRegister & AFX_WND_REG)
    {
        wndcls.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wndcls.lpszClassName = AFX_WND;
        bResult &= AfxRegisterClass(&wndcls);
    }
    if (fToRegister & AFX_WNDCONTROLBAR_REG)
    {
        wndcls.style = CS_DBLCLKS;
        wndcls.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        wndcls.lpszClassName = AFX_WNDCONTROLBAR;
        bResult &= AfxRegisterClass(&wndcls);
        wndcls.hbrBackground = NULL;
    }
    if (fToRegister & AFX_WNDMDIFRAME_REG)
    {
        wndcls.style = CS_DBLCLKS;
        wndcls.hIcon = ::LoadIconA(NULL, IDI_APPLICATION);
        wndcls.lpszClassName = AFX_WNDMDIFRAME;
        bResult &= AfxRegisterClass(&wndcls);
        wndcls.hIcon = NULL;
    }
    if (fToRegister & AFX_WNDFRAMEORVIEW_REG)
    {
        wndcls.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wndcls.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wndcls.hIcon = ::LoadIconA(NULL, IDI_APPLICATION);
        wndcls.lpszClassName = AFX_WNDFRAMEORVIEW;
        bResult &= AfxRegisterClass(&wndcls);
    }
    if (fToRegister & (AFX_WNDCOMMCTLS_REG | AFX_WNDCOMMCTL_BAR_REG | AFX_WNDCOMMCTL_TREEVIEW_REG))
    {
        INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES };
        ::InitCommonControlsEx(&icc);
    }
    return bResult;
}

/////////////////////////////////////////////////////////////////////////////
// Creation and destruction

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
    {
        AfxDeferRegisterClass(AFX_WND_REG);
        cs.lpszClass = AFX_WND;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd != NULL)
        return FALSE;        // one window per object
    CREATESTRUCTA cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;

    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }

    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y,
        cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();      // the window never came: clean up what a failed create leaves
    if (hWnd == NULL)
        return FALSE;
    return m_hWnd == hWnd;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
        (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
    CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    // CWnd::Create makes child windows only
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
        (HMENU)(UINT_PTR)nID, (LPVOID)pContext);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    CHandleMap* pMap = afxMapHWND();
    CWnd* pWnd = pMap != NULL ? (CWnd*)pMap->LookupPermanent(m_hWnd) : NULL;
    HWND hWndOrig = m_hWnd;
    BOOL bResult = ::DestroyWindow(m_hWnd);
    // A window whose messages never reached us (not subclassed) is detached here instead of in
    // OnNcDestroy.  The object may be gone already (PostNcDestroy deleted it): only touch it when
    // it still is in the map.
    if (pWnd == NULL)
    {
        if (m_hWnd == hWndOrig)
            m_hWnd = NULL;
    }
    else if (pMap->LookupPermanent(hWndOrig) == pWnd && pWnd == this)
    {
        Detach();
    }
    return bResult;
}

void CWnd::PostNcDestroy()
{
}

void CWnd::OnFinalRelease()
{
    // A window object that automation clients let go of lives on while its window exists: the
    // window's owner ends it, not the last client.
    if (m_hWnd == NULL)
        PostNcDestroy();
}

void CWnd::OnNcDestroy()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
    {
        if (pThread->m_pMainWnd == this)
        {
            // the application ends with its main window
            if (pThread == (CWinThread*)AfxGetApp())
                ::PostQuitMessage(0);
            pThread->m_pMainWnd = NULL;
        }
        if (pThread->m_pActiveWnd == this)
            pThread->m_pActiveWnd = NULL;
    }

    WNDPROC pfnWndProc = (WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC);
    Default();
    if ((WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == pfnWndProc)
    {
        WNDPROC pfnSuper = *GetSuperWndProcAddr();
        if (pfnSuper != NULL)
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)pfnSuper);
    }
    Detach();
    PostNcDestroy();
}

/////////////////////////////////////////////////////////////////////////////
// Default processing

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != NULL)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
    WNDPROC pfnWndProc = *GetSuperWndProcAddr();
    if (pfnWndProc == NULL)
        return ::DefWindowProcA(m_hWnd, nMsg, wParam, lParam);
    return ::CallWindowProcA(pfnWndProc, m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::Default()
{
    AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    return DefWindowProc(pThreadState->m_lastSentMsg.message, pThreadState->m_lastSentMsg.wParam,
        pThreadState->m_lastSentMsg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    pThreadState->m_lastSentMsg.time = (DWORD)::GetMessageTime();
    DWORD dwPos = ::GetMessagePos();
    pThreadState->m_lastSentMsg.pt.x = (short)LOWORD(dwPos);
    pThreadState->m_lastSentMsg.pt.y = (short)HIWORD(dwPos);
    return &pThreadState->m_lastSentMsg;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}
