// cmdtarg.cpp - CCmdTarget command routing and CCmdUI.
#include "afximpl_.h"
#include <afxpriv.h>

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY _messageEntries[] = { { 0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0 } };
    static const AFX_MSGMAP messageMap = { NULL, &_messageEntries[0] };
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

CCmdTarget::CCmdTarget() : m_dwRef(1), m_pOuterUnknown(NULL), m_xInnerUnknown(0),
    m_pModuleState(AfxGetModuleState()), m_pOleState(NULL)
{
}

CCmdTarget::~CCmdTarget()
{
    AfxOleFreeState(this);
}

void CCmdTarget::OnFinalRelease()
{
    delete this;
}

DWORD CCmdTarget::InternalAddRef()
{
    return (DWORD)::InterlockedIncrement(&m_dwRef);
}

DWORD CCmdTarget::InternalRelease()
{
    if (m_dwRef == 0)
        return 0;
    LONG lResult = ::InterlockedDecrement(&m_dwRef);
    if (lResult == 0)
        OnFinalRelease();
    return (DWORD)lResult;
}

DWORD CCmdTarget::ExternalAddRef()
{
    if (m_pOuterUnknown != NULL)
        return m_pOuterUnknown->AddRef();
    return InternalAddRef();
}

DWORD CCmdTarget::ExternalRelease()
{
    if (m_pOuterUnknown != NULL)
        return m_pOuterUnknown->Release();
    return InternalRelease();
}

void CCmdTarget::BeginWaitCursor() { ::SetCursor(::LoadCursorA(NULL, IDC_WAIT)); }
void CCmdTarget::EndWaitCursor() { ::SetCursor(::LoadCursorA(NULL, IDC_ARROW)); }
void CCmdTarget::RestoreWaitCursor() { ::SetCursor(::LoadCursorA(NULL, IDC_WAIT)); }

const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry,
    UINT nMsg, UINT nCode, UINT nID)
{
    for (; lpEntry->nSig != AfxSig_end; lpEntry++)
    {
        if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode &&
            nID >= lpEntry->nID && nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return NULL;
}

union CmdMessageFunctions
{
    AFX_PMSG pfn;
    void (AFX_MSG_CALL CCmdTarget::*pfn_v)();
    BOOL (AFX_MSG_CALL CCmdTarget::*pfn_b)();
    void (AFX_MSG_CALL CCmdTarget::*pfn_v_u)(UINT);
    BOOL (AFX_MSG_CALL CCmdTarget::*pfn_b_u)(UINT);
    void (AFX_MSG_CALL CCmdTarget::*pfn_NOTIFY)(NMHDR*, LRESULT*);
    BOOL (AFX_MSG_CALL CCmdTarget::*pfn_b_NOTIFY)(NMHDR*, LRESULT*);
    void (AFX_MSG_CALL CCmdTarget::*pfn_NOTIFY_RANGE)(UINT, NMHDR*, LRESULT*);
    BOOL (AFX_MSG_CALL CCmdTarget::*pfn_NOTIFY_EX)(UINT, NMHDR*, LRESULT*);
    void (AFX_MSG_CALL CCmdTarget::*pfn_UPDATE)(CCmdUI*);
};

BOOL PASCAL CCmdTarget::DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn,
    void* pExtra, UINT_PTR nSig, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CmdMessageFunctions mmf;
    mmf.pfn = pfn;
    if (pHandlerInfo != NULL)
    {
        // only the question "who would handle it?"
        pHandlerInfo->pTarget = pTarget;
        pHandlerInfo->pmf = pfn;
        return TRUE;
    }

    BOOL bResult = TRUE;
    switch (nSig)
    {
    case AfxSigCmd_v:
        (pTarget->*mmf.pfn_v)();
        break;
    case AfxSigCmd_b:
        bResult = (pTarget->*mmf.pfn_b)();
        break;
    case AfxSigCmd_RANGE:
        (pTarget->*mmf.pfn_v_u)(nID);
        break;
    case AfxSigCmd_EX:
        bResult = (pTarget->*mmf.pfn_b_u)(nID);
        break;
    case AfxSigNotify_v:
    case AfxSigNotify_b:
    case AfxSigNotify_RANGE:
    case AfxSigNotify_EX:
    {
        AFX_NOTIFY* pNotify = (AFX_NOTIFY*)pExtra;
        if (pNotify == NULL)
            return FALSE;
        if (nSig == AfxSigNotify_v)
            (pTarget->*mmf.pfn_NOTIFY)(pNotify->pNMHDR, pNotify->pResult);
        else if (nSig == AfxSigNotify_b)
            bResult = (pTarget->*mmf.pfn_b_NOTIFY)(pNotify->pNMHDR, pNotify->pResult);
        else if (nSig == AfxSigNotify_RANGE)
            (pTarget->*mmf.pfn_NOTIFY_RANGE)(nID, pNotify->pNMHDR, pNotify->pResult);
        else
            bResult = (pTarget->*mmf.pfn_NOTIFY_EX)(nID, pNotify->pNMHDR, pNotify->pResult);
        break;
    }
    case AfxSigCmdUI:     // one command or a range: the handler reads the id from pCmdUI->m_nID
    {
        CCmdUI* pCmdUI = (CCmdUI*)pExtra;
        if (pCmdUI == NULL)
            return FALSE;
        pCmdUI->m_bContinueRouting = FALSE;
        (pTarget->*mmf.pfn_UPDATE)(pCmdUI);
        bResult = !pCmdUI->m_bContinueRouting;
        pCmdUI->m_bContinueRouting = FALSE;
        break;
    }
    default:
        // a window-message signature in a command entry: a map written wrongly
        return FALSE;
    }
    (void)nCode;
    return bResult;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // WM_NOTIFY codes arrive as MAKELONG(code, WM_NOTIFY); commands and updates as they are.
    UINT nMsg = 0;
    if (nCode != (int)CN_UPDATE_COMMAND_UI)
    {
        nMsg = HIWORD(nCode);
        nCode = LOWORD(nCode);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    for (const AFX_MSGMAP* pMessageMap = GetMessageMap(); pMessageMap->pfnGetBaseMap != NULL;
         pMessageMap = (*pMessageMap->pfnGetBaseMap)())
    {
        const AFX_MSGMAP_ENTRY* lpEntry = AfxFindMessageEntry(pMessageMap->lpEntries, nMsg, nCode, nID);
        if (lpEntry != NULL)
            return DispatchCmdMsg(this, nID, nCode, lpEntry->pfn, pExtra, lpEntry->nSig, pHandlerInfo);
    }
    return FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// CCmdUI

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_pMenu(NULL), m_pSubMenu(NULL), m_pParentMenu(NULL), m_pOther(NULL),
      m_bEnableChanged(FALSE), m_bContinueRouting(FALSE), m_nIndexMax(0)
{
}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return;           // popups keep their state
        ::EnableMenuItem(m_pMenu->GetSafeHmenu(), m_nIndex,
            MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    }
    else if (m_pOther != NULL)
    {
        // a control that loses its enabled state also gives up the focus
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
        {
            HWND hParent = ::GetParent(m_pOther->m_hWnd);
            if (hParent != NULL)
                ::SendMessageA(hParent, WM_NEXTDLGCTL, 0, FALSE);
        }
        ::EnableWindow(m_pOther->m_hWnd, bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return;
        ::CheckMenuItem(m_pMenu->GetSafeHmenu(), m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
    else if (m_pOther != NULL)
    {
        if (::SendMessageA(m_pOther->m_hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)
            ::SendMessageA(m_pOther->m_hWnd, BM_SETCHECK, (WPARAM)nCheck, 0);
    }
}

void CCmdUI::SetRadio(BOOL bOn)
{
    SetCheck(bOn ? 1 : 0);
    // a menu entry shows a dot instead of the check mark
    if (m_pMenu != NULL && m_pSubMenu == NULL)
    {
        _AfxLoadDotBitmap();
        if (afxData.hbmMenuDot != NULL)
            ::SetMenuItemBitmaps(m_pMenu->GetSafeHmenu(), m_nIndex, MF_BYPOSITION, NULL, afxData.hbmMenuDot);
    }
}

void CCmdUI::SetText(LPCSTR lpszText)
{
    if (lpszText == NULL)
        lpszText = "";
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return;
        HMENU hMenu = m_pMenu->GetSafeHmenu();
        UINT nState = ::GetMenuState(hMenu, m_nIndex, MF_BYPOSITION) &
            (MF_CHECKED | MF_DISABLED | MF_GRAYED | MF_MENUBARBREAK | MF_MENUBREAK);
        ::ModifyMenuA(hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
    }
    else if (m_pOther != NULL)
    {
        // only when it differs, so the control does not flicker in the idle loop
        char szOld[256];
        int nLen = ::GetWindowTextA(m_pOther->m_hWnd, szOld, sizeof(szOld));
        if (nLen != lstrlenA(lpszText) || lstrcmpA(szOld, lpszText) != 0)
            ::SetWindowTextA(m_pOther->m_hWnd, lpszText);
    }
}

void CCmdUI::ContinueRouting()
{
    m_bContinueRouting = TRUE;
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE;      // separators and invalid identifiers
    m_bEnableChanged = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, (int)CN_UPDATE_COMMAND_UI, this, NULL);
    if (bDisableIfNoHndler && !m_bEnableChanged)
    {
        AFX_CMDHANDLERINFO info;
        info.pTarget = NULL;
        BOOL bHandler = pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
        Enable(bHandler);
    }
    return bResult;
}
