// winmsg.cpp - CWnd message dispatch: message maps, commands, notifications and reflection.
#include "afximpl_.h"

// the record that WM_CTLCOLOR handlers are dispatched with
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

union MessageMapFunctions
{
    AFX_PMSG pfn;
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_D)(CDC*);
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_b)(BOOL);
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_W_u_u)(CWnd*, UINT, UINT);
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_W_COPYDATASTRUCT)(CWnd*, COPYDATASTRUCT*);
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_HELPINFO)(HELPINFO*);
    HBRUSH (AFX_MSG_CALL CWnd::*pfn_B_D_W_u)(CDC*, CWnd*, UINT);
    HBRUSH (AFX_MSG_CALL CWnd::*pfn_B_D_u)(CDC*, UINT);
    int (AFX_MSG_CALL CWnd::*pfn_i_W_u_u)(CWnd*, UINT, UINT);
    LRESULT (AFX_MSG_CALL CWnd::*pfn_l_w_l)(WPARAM, LPARAM);
    LRESULT (AFX_MSG_CALL CWnd::*pfn_l_u_u_M)(UINT, UINT, CMenu*);
    void (AFX_MSG_CALL CWnd::*pfn_v_v)();
    void (AFX_MSG_CALL CWnd::*pfn_v_up)(UINT_PTR);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_u)(UINT, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_v_i_i)(int, int);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_u_u)(UINT, UINT, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_i_i)(UINT, int, int);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_W)(UINT, CWnd*);
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_v)();
    void (AFX_MSG_CALL CWnd::*pfn_v_w_l)(WPARAM, LPARAM);
    void (AFX_MSG_CALL CWnd::*pfn_v_M)(CMenu*);
    void (AFX_MSG_CALL CWnd::*pfn_v_M_u_b)(CMenu*, UINT, BOOL);
    void (AFX_MSG_CALL CWnd::*pfn_v_W)(CWnd*);
    void (AFX_MSG_CALL CWnd::*pfn_v_W_p)(CWnd*, CPoint);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_W_b)(UINT, CWnd*, BOOL);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_u_reflect)(UINT, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_cs)(UINT, LPCSTR);
    void (AFX_MSG_CALL CWnd::*pfn_v_i_DRAWITEM)(int, LPDRAWITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_v_i_MEASUREITEM)(int, LPMEASUREITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_v_i_DELETEITEM)(int, LPDELETEITEMSTRUCT);
    int (AFX_MSG_CALL CWnd::*pfn_i_i_COMPAREITEM)(int, LPCOMPAREITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_v_DRAWITEM)(LPDRAWITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_v_MEASUREITEM)(LPMEASUREITEMSTRUCT);
    int (AFX_MSG_CALL CWnd::*pfn_i_CREATESTRUCT)(LPCREATESTRUCT);
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_CREATESTRUCT)(LPCREATESTRUCT);
    LRESULT (AFX_MSG_CALL CWnd::*pfn_l_p)(CPoint);
    UINT (AFX_MSG_CALL CWnd::*pfn_u_v)();
    void (AFX_MSG_CALL CWnd::*pfn_v_b_NCCALCSIZEPARAMS)(BOOL, NCCALCSIZE_PARAMS*);
    void (AFX_MSG_CALL CWnd::*pfn_v_WINDOWPOS)(WINDOWPOS*);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_u_HMENU)(UINT, UINT, HMENU);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_p)(UINT, CPoint);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_LPRECT)(UINT, LPRECT);
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_u_s_p)(UINT, short, CPoint);
    void (AFX_MSG_CALL CWnd::*pfn_v_i_STYLESTRUCT)(int, LPSTYLESTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_v_b)(BOOL);
    void (AFX_MSG_CALL CWnd::*pfn_v_b_u)(BOOL, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_v_b_dw)(BOOL, DWORD);
    void (AFX_MSG_CALL CWnd::*pfn_v_MINMAXINFO)(MINMAXINFO*);
    void (AFX_MSG_CALL CWnd::*pfn_v_HDROP)(HDROP);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_l)(UINT, LPARAM);
    int (AFX_MSG_CALL CWnd::*pfn_i_u_LB_u)(UINT, CListBox*, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_u_SB)(UINT, UINT, CScrollBar*);
};

static CPoint PointFromLParam(LPARAM lParam)
{
    return CPoint((short)LOWORD(lParam), (short)HIWORD(lParam));
}

// Finds the entry for a window message along the map chain; registered messages are compared with
// the number in their variable.
static const AFX_MSGMAP_ENTRY* FindWindowMessageEntry(const AFX_MSGMAP* pMessageMap, UINT message)
{
    for (; pMessageMap->pfnGetBaseMap != NULL; pMessageMap = (*pMessageMap->pfnGetBaseMap)())
    {
        if (message < 0xC000)
        {
            const AFX_MSGMAP_ENTRY* lpEntry = AfxFindMessageEntry(pMessageMap->lpEntries, message, 0, 0);
            if (lpEntry != NULL)
                return lpEntry;
        }
        else
        {
            for (const AFX_MSGMAP_ENTRY* lpEntry = pMessageMap->lpEntries; lpEntry->nSig != AfxSig_end; lpEntry++)
            {
                if (lpEntry->nMessage == 0xC000 && *(const UINT*)lpEntry->nSig == message)
                    return lpEntry;
            }
        }
    }
    return NULL;
}

// Map search: the entry that handles a window message for this window, if any.  Every
// WM_CTLCOLORxxx without its own entry goes to the one WM_CTLCOLOR handler, with the three values
// packed into ctl the way that handler's signature reads them.
static const AFX_MSGMAP_ENTRY* FindHandlerEntry(const AFX_MSGMAP* pMessageMap, UINT& message, LPARAM& lParam,
    WPARAM wParam, AFX_CTLCOLOR& ctl)
{
    const AFX_MSGMAP_ENTRY* lpEntry = FindWindowMessageEntry(pMessageMap, message);
    if (lpEntry == NULL && message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    {
        lpEntry = FindWindowMessageEntry(pMessageMap, WM_CTLCOLOR);
        if (lpEntry != NULL)
        {
            ctl.hDC = (HDC)wParam;
            ctl.hWnd = (HWND)lParam;
            ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
            lParam = (LPARAM)&ctl;
            message = WM_CTLCOLOR;
        }
    }
    return lpEntry;
}

// Handler-signature dispatch: unpacks wParam and lParam the way the entry's signature says, calls
// the handler and turns its result into the message's result.  FALSE for a signature it does not
// know, so that the message goes on to the default procedure.
static BOOL CallMessageHandler(CWnd* pWnd, const AFX_MSGMAP_ENTRY* lpEntry, UINT message, WPARAM wParam,
    LPARAM lParam, LRESULT& lResult)
{
    MessageMapFunctions mmf;
    mmf.pfn = lpEntry->pfn;
    if (lpEntry->nMessage == 0xC000)
    {
        // registered messages: nSig holds the variable's address, the handler is always l_w_l
        lResult = (pWnd->*mmf.pfn_l_w_l)(wParam, lParam);
        return TRUE;
    }

    switch (lpEntry->nSig)
    {
    default:
        return FALSE;

    case AfxSig_l_w_l:
        lResult = (pWnd->*mmf.pfn_l_w_l)(wParam, lParam);
        break;
    case AfxSig_v_w_l:
        (pWnd->*mmf.pfn_v_w_l)(wParam, lParam);
        break;
    case AfxSig_b_D_v:
        lResult = (pWnd->*mmf.pfn_b_D)(CDC::FromHandle((HDC)wParam));
        break;
    case AfxSig_b_b_v:
        lResult = (pWnd->*mmf.pfn_b_b)((BOOL)wParam);
        break;
    case AfxSig_b_W_u_u:
        lResult = (pWnd->*mmf.pfn_b_W_u_u)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_b_W_COPYDATASTRUCT:
        lResult = (pWnd->*mmf.pfn_b_W_COPYDATASTRUCT)(CWnd::FromHandle((HWND)wParam), (COPYDATASTRUCT*)lParam);
        break;
    case AfxSig_b_v_HELPINFO:
        lResult = (pWnd->*mmf.pfn_b_HELPINFO)((HELPINFO*)lParam);
        break;
    case AfxSig_CTLCOLOR:
    {
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
        lResult = (LRESULT)(pWnd->*mmf.pfn_B_D_W_u)(CDC::FromHandle(pCtl->hDC),
            CWnd::FromHandle(pCtl->hWnd), pCtl->nCtlType);
        break;
    }
    case AfxSig_CTLCOLOR_REFLECT:
    {
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
        lResult = (LRESULT)(pWnd->*mmf.pfn_B_D_u)(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType);
        break;
    }
    case AfxSig_i_u_W_u:
        lResult = (pWnd->*mmf.pfn_i_u_LB_u)(LOWORD(wParam), (CListBox*)CWnd::FromHandle((HWND)lParam),
            HIWORD(wParam));
        break;
    case AfxSig_i_W_u_u:
        lResult = (pWnd->*mmf.pfn_i_W_u_u)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_l_uu_M:
    {
        // WM_MENUCHAR: the handler's result already is the full LRESULT
        lResult = (pWnd->*mmf.pfn_l_u_u_M)(LOWORD(wParam), HIWORD(wParam), CMenu::FromHandle((HMENU)lParam));
        break;
    }
    case AfxSig_v_v_v:
        (pWnd->*mmf.pfn_v_v)();
        break;
    case AfxSig_v_up_v:
        (pWnd->*mmf.pfn_v_up)((UINT_PTR)wParam);
        break;
    case AfxSig_v_u_u:
        (pWnd->*mmf.pfn_v_u_u)(LOWORD(wParam), HIWORD(wParam));
        break;
    case AfxSig_v_v_ii:
        (pWnd->*mmf.pfn_v_i_i)((short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_v_u_uu:
        (pWnd->*mmf.pfn_v_u_u_u)((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_v_u_ii:
        (pWnd->*mmf.pfn_v_u_i_i)((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_v_u_W:
        (pWnd->*mmf.pfn_v_u_W)((UINT)wParam, CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_b_v_v:
        lResult = (pWnd->*mmf.pfn_b_v)();
        break;
    case AfxSig_v_M_v:
        (pWnd->*mmf.pfn_v_M)(CMenu::FromHandle((HMENU)wParam));
        break;
    case AfxSig_v_M_ub:
        (pWnd->*mmf.pfn_v_M_u_b)(CMenu::FromHandle((HMENU)wParam), LOWORD(lParam), (BOOL)HIWORD(lParam));
        break;
    case AfxSig_v_W_v:
        (pWnd->*mmf.pfn_v_W)(CWnd::FromHandle((HWND)wParam));
        break;
    case AfxSig_v_W_p:
        (pWnd->*mmf.pfn_v_W_p)(CWnd::FromHandle((HWND)wParam), PointFromLParam(lParam));
        break;
    case AfxSig_ACTIVATE:
        (pWnd->*mmf.pfn_v_u_W_b)(LOWORD(wParam), CWnd::FromHandle((HWND)lParam), (BOOL)HIWORD(wParam));
        break;
    case AfxSig_SCROLL:
        (pWnd->*mmf.pfn_v_u_u_SB)(LOWORD(wParam), HIWORD(wParam), (CScrollBar*)CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_SCROLL_REFLECT:
        (pWnd->*mmf.pfn_v_u_u_reflect)(LOWORD(wParam), HIWORD(wParam));
        break;
    case AfxSig_v_u_LPCSTR:
        (pWnd->*mmf.pfn_v_u_cs)((UINT)wParam, (LPCSTR)lParam);
        break;
    case AfxSig_OWNERDRAW:
        (pWnd->*mmf.pfn_v_i_DRAWITEM)((int)wParam, (LPDRAWITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_v_v_MEASUREITEM:
        (pWnd->*mmf.pfn_v_i_MEASUREITEM)((int)wParam, (LPMEASUREITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_v_v_DELETEITEM:
        (pWnd->*mmf.pfn_v_i_DELETEITEM)((int)wParam, (LPDELETEITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_i_v_COMPAREITEM:
        lResult = (pWnd->*mmf.pfn_i_i_COMPAREITEM)((int)wParam, (LPCOMPAREITEMSTRUCT)lParam);
        break;
    case AfxSig_v_DRAWITEM_REFLECT:
        (pWnd->*mmf.pfn_v_DRAWITEM)((LPDRAWITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_v_MEASUREITEM_REFLECT:
        (pWnd->*mmf.pfn_v_MEASUREITEM)((LPMEASUREITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_i_i_s:
        lResult = (pWnd->*mmf.pfn_i_CREATESTRUCT)((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_b_CREATESTRUCT:
        lResult = (pWnd->*mmf.pfn_b_CREATESTRUCT)((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_l_p:
        lResult = (pWnd->*mmf.pfn_l_p)(PointFromLParam(lParam));
        break;
    case AfxSig_u_v_v:
        lResult = (pWnd->*mmf.pfn_u_v)();
        break;
    case AfxSig_v_b_NCCALCSIZEPARAMS:
        (pWnd->*mmf.pfn_v_b_NCCALCSIZEPARAMS)((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam);
        break;
    case AfxSig_v_v_WINDOWPOS:
        (pWnd->*mmf.pfn_v_WINDOWPOS)((WINDOWPOS*)lParam);
        break;
    case AfxSig_v_uu_M:
        (pWnd->*mmf.pfn_v_u_u_HMENU)(LOWORD(wParam), HIWORD(wParam), (HMENU)lParam);
        break;
    case AfxSig_v_u_p:
        (pWnd->*mmf.pfn_v_u_p)((UINT)wParam, PointFromLParam(lParam));
        break;
    case AfxSig_SIZING:
        (pWnd->*mmf.pfn_v_u_LPRECT)((UINT)wParam, (LPRECT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_MOUSEWHEEL:
        lResult = (pWnd->*mmf.pfn_b_u_s_p)(LOWORD(wParam), (short)HIWORD(wParam), PointFromLParam(lParam));
        break;
    case AfxSig_v_i_s:
        (pWnd->*mmf.pfn_v_i_STYLESTRUCT)((int)wParam, (LPSTYLESTRUCT)lParam);
        break;
    case AfxSig_v_b_v:
        (pWnd->*mmf.pfn_v_b)((BOOL)wParam);
        break;
    case AfxSig_v_b_u:
        if (message == WM_ACTIVATEAPP)
            (pWnd->*mmf.pfn_v_b_dw)((BOOL)wParam, (DWORD)lParam);
        else
            (pWnd->*mmf.pfn_v_b_u)((BOOL)wParam, (UINT)lParam);
        break;
    case AfxSig_v_v_MINMAXINFO:
        (pWnd->*mmf.pfn_v_MINMAXINFO)((MINMAXINFO*)lParam);
        break;
    case AfxSig_v_v_HDROP:
        (pWnd->*mmf.pfn_v_HDROP)((HDROP)wParam);
        break;
    case AfxSig_v_u_l:
        (pWnd->*mmf.pfn_v_u_l)((UINT)wParam, lParam);
        break;
    }
    return TRUE;
}

// Routing: commands and notifications have their own paths (OnCommand, OnNotify, which the
// command-routing classes override); everything else goes through the message map.
BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    BOOL bHandled = FALSE;
    if (message == WM_COMMAND)
    {
        bHandled = OnCommand(wParam, lParam);
        lResult = bHandled;
    }
    else if (message == WM_NOTIFY)
    {
        bHandled = lParam != 0 && OnNotify(wParam, lParam, &lResult);
    }
    else
    {
        AFX_CTLCOLOR ctl;
        const AFX_MSGMAP_ENTRY* lpEntry = FindHandlerEntry(GetMessageMap(), message, lParam, wParam, ctl);
        bHandled = lpEntry != NULL && CallMessageHandler(this, lpEntry, message, wParam, lParam, lResult);
    }
    if (bHandled && pResult != NULL)
        *pResult = lResult;
    return bHandled;
}

/////////////////////////////////////////////////////////////////////////////
// Commands and notifications

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);

    if (hWndCtrl == NULL)
    {
        // menu or accelerator: a command that the update pass disables is not carried out
        if (nID == 0)
            return FALSE;
        struct CTestCmdUI : public CCmdUI
        {
            BOOL m_bEnabled;
            CTestCmdUI() : m_bEnabled(TRUE) {}
            virtual void Enable(BOOL bOn) { m_bEnabled = bOn; m_bEnableChanged = TRUE; }
            virtual void SetCheck(int) {}
            virtual void SetRadio(BOOL) {}
            virtual void SetText(LPCSTR) {}
        } test;
        test.m_nID = nID;
        OnCmdMsg(nID, (int)CN_UPDATE_COMMAND_UI, &test, NULL);
        if (!test.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else
    {
        // a control's notification goes to the control first (reflection)
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    UINT nID = (hWndCtrl != NULL && ::IsWindow(hWndCtrl)) ? (UINT)(WORD)::GetDlgCtrlID(hWndCtrl)
                                                           : (UINT)pNMHDR->idFrom;
    int nCode = (int)pNMHDR->code;

    if (hWndCtrl != NULL && ReflectLastMsg(hWndCtrl, pResult))
        return TRUE;

    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, NULL);
}

BOOL CWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWndChild);
    if (pWnd == NULL)
        return FALSE;
    return pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    return OnChildNotify(pThreadState->m_lastSentMsg.message, pThreadState->m_lastSentMsg.wParam,
        pThreadState->m_lastSentMsg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (uMsg)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + uMsg, wParam, lParam, pResult);

    case WM_COMMAND:
    {
        int nCode = HIWORD(wParam);
        if (CWnd::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), NULL, NULL))
        {
            if (pResult != NULL)
                *pResult = 1;
            return TRUE;
        }
        break;
    }

    case WM_NOTIFY:
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        int nCode = (int)pNMHDR->code;
        AFX_NOTIFY notify;
        notify.pResult = pResult;
        notify.pNMHDR = pNMHDR;
        return CWnd::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_NOTIFY), &notify, NULL);
    }

    default:
        if (uMsg >= WM_CTLCOLORMSGBOX && uMsg <= WM_CTLCOLORSTATIC)
        {
            AFX_CTLCOLOR ctl;
            ctl.hDC = (HDC)wParam;
            ctl.hWnd = m_hWnd;
            ctl.nCtlType = uMsg - WM_CTLCOLORMSGBOX;
            BOOL bResult = CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl, pResult);
            if (bResult && pResult != NULL && (HBRUSH)*pResult == NULL)
                bResult = FALSE;     // a NULL brush means "not handled": the parent decides
            return bResult;
        }
        break;
    }
    return FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// Handlers of the CWnd map: owner-draw and scroll messages go to the control first

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType == ODT_MENU)
    {
        CHandleMap* pMenuMap = afxMapHMENU();
        CMenu* pMenu = pMenuMap != NULL ? (CMenu*)pMenuMap->LookupPermanent((HANDLE)lpDrawItemStruct->hwndItem) : NULL;
        if (pMenu != NULL)
        {
            pMenu->DrawItem(lpDrawItemStruct);
            return;
        }
    }
    else if (ReflectLastMsg(lpDrawItemStruct->hwndItem))
    {
        return;
    }
    Default();
}

namespace
{
// The permanent menu object of the popup (below pMenu, pMenu included) that holds command nID,
// or NULL.  Submenus are searched depth first, as the entries stand.
CMenu* FindPopupMenuFromID(HMENU hMenu, UINT nID)
{
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        HMENU hSub = ::GetSubMenu(hMenu, i);
        if (hSub != NULL)
        {
            CMenu* pFound = FindPopupMenuFromID(hSub, nID);
            if (pFound != NULL)
                return pFound;
        }
        else if (::GetMenuItemID(hMenu, i) == nID)
        {
            return CMenu::FromHandlePermanent(hMenu);
        }
    }
    return NULL;
}
}

// WM_MEASUREITEM of a menu entry names only the command: the menu is the popup this window
// tracks now (CMenu::TrackPopupMenu), or else its menu bar.  The entry is measured by the menu
// object that owns it; a menu without a C++ object of its own gets the default handling.
void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType == ODT_MENU)
    {
        AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
        HMENU hStart = pThreadState->m_hTrackingWindow == m_hWnd ? pThreadState->m_hTrackingMenu
                                                                    : ::GetMenu(m_hWnd);
        CMenu* pMenu = hStart != NULL ? FindPopupMenuFromID(hStart, lpMeasureItemStruct->itemID) : NULL;
        if (pMenu != NULL)
        {
            pMenu->MeasureItem(lpMeasureItemStruct);
            return;
        }
    }
    else
    {
        HWND hWndChild = ::GetDlgItem(m_hWnd, (int)lpMeasureItemStruct->CtlID);
        if (hWndChild != NULL && ReflectLastMsg(hWndChild))
            return;
    }
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT lResult;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
        return (int)lResult;
    return (int)Default();
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (ReflectLastMsg(lpDeleteItemStruct->hwndItem))
        return;
    Default();
}

int CWnd::OnCharToItem(UINT, CListBox* pWnd, UINT)
{
    LRESULT lResult;
    if (pWnd != NULL && ReflectLastMsg(((CWnd*)pWnd)->m_hWnd, &lResult))
        return (int)lResult;
    return (int)Default();
}

int CWnd::OnVKeyToItem(UINT, CListBox* pWnd, UINT)
{
    LRESULT lResult;
    if (pWnd != NULL && ReflectLastMsg(((CWnd*)pWnd)->m_hWnd, &lResult))
        return (int)lResult;
    return (int)Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult;
    if (pWnd != NULL && pWnd->m_hWnd != m_hWnd && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return (HBRUSH)lResult;
    return (HBRUSH)Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && ReflectLastMsg(((CWnd*)pScrollBar)->m_hWnd))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && ReflectLastMsg(((CWnd*)pScrollBar)->m_hWnd))
        return;
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY))
    {
        if (ReflectLastMsg((HWND)lParam))
            return;
    }
    Default();
}
