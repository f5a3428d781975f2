// barstat.cpp - CStatusBar: indicator panes over the common status control.  The pane with
// ID_SEPARATOR stretches and is the frame's message bar: the window text is its text.
#include "afximpl_.h"
#include <afxpriv.h>
#include <new>

namespace
{
// Enable, SetCheck and SetText of a pane during the idle update
class CStatusCmdUI : public CCmdUI
{
public:
    virtual void Enable(BOOL bOn);
    virtual void SetCheck(int nCheck);
    virtual void SetText(LPCSTR lpszText);
};

void CStatusCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    CStatusBar* pStatusBar = (CStatusBar*)m_pOther;
    UINT nNewStyle = pStatusBar->GetPaneStyle(m_nIndex) & ~SBPS_DISABLED;
    if (!bOn)
        nNewStyle |= SBPS_DISABLED;
    pStatusBar->SetPaneStyle(m_nIndex, nNewStyle);
}

void CStatusCmdUI::SetCheck(int nCheck)
{
    // a checked pane shows raised
    CStatusBar* pStatusBar = (CStatusBar*)m_pOther;
    UINT nNewStyle = pStatusBar->GetPaneStyle(m_nIndex) & ~SBPS_POPOUT;
    if (nCheck != 0)
        nNewStyle |= SBPS_POPOUT;
    pStatusBar->SetPaneStyle(m_nIndex, nNewStyle);
}

void CStatusCmdUI::SetText(LPCSTR lpszText)
{
    ((CStatusBar*)m_pOther)->SetPaneText(m_nIndex, lpszText);
}

// the width of a text in the bar's font
int TextWidth(HWND hWnd, LPCSTR lpsz)
{
    HDC hDC = ::GetDC(hWnd);
    HFONT hFont = (HFONT)::SendMessageA(hWnd, WM_GETFONT, 0, 0);
    HGDIOBJ hOld = hFont != NULL ? ::SelectObject(hDC, hFont) : NULL;
    SIZE size = { 0, 0 };
    ::GetTextExtentPoint32A(hDC, lpsz, lstrlenA(lpsz), &size);
    if (hOld != NULL)
        ::SelectObject(hDC, hOld);
    ::ReleaseDC(hWnd, hDC);
    return size.cx;
}
}

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_SIZE()
    ON_WM_NCHITTEST()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_SETTEXT, &CStatusBar::OnSetText)
    ON_MESSAGE(WM_GETTEXT, &CStatusBar::OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, &CStatusBar::OnGetTextLength)
END_MESSAGE_MAP()

CStatusBar::CStatusBar()
{
    m_nMinHeight = 0;
    m_cyTopBorder = 2;
    m_cyBottomBorder = 0;
    m_cxLeftBorder = 0;
    m_cxRightBorder = 0;
}

CStatusBar::~CStatusBar()
{
    // the panes' texts are CStrings in m_pData
    for (int i = 0; i < m_nCount; i++)
        _GetPanePtr(i)->strText.~CString();
    // no pane is left for messages the window still gets; the base frees m_pData
    m_nCount = 0;
}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    ASSERT(pParentWnd != NULL);
    m_dwStyle = (dwStyle & CBRS_ALL);
    // the frame's layout places the control
    dwStyle &= ~CBRS_ALL;
    dwStyle |= CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    dwStyle |= dwCtrlStyle;
    VERIFY(AfxDeferRegisterClass(AFX_WNDCOMMCTL_BAR_REG));
    CRect rect;
    rect.SetRectEmpty();
    return CWnd::Create(STATUSCLASSNAMEA, NULL, dwStyle, rect, pParentWnd, nID);
}

AFX_STATUSPANE* CStatusBar::_GetPanePtr(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount || m_pData == NULL)
        return NULL;
    return ((AFX_STATUSPANE*)m_pData) + nIndex;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    if (nIDCount < 0 || (nIDCount > 0 && lpIDArray == NULL))
        return FALSE;

    for (int i = 0; i < m_nCount; i++)
        _GetPanePtr(i)->strText.~CString();
    if (m_pData != NULL)
        free(m_pData);
    m_pData = NULL;
    m_nCount = 0;

    if (nIDCount > 0)
    {
        m_pData = calloc((size_t)nIDCount, sizeof(AFX_STATUSPANE));
        if (m_pData == NULL)
            return FALSE;
        for (int i = 0; i < nIDCount; i++)
            new (&((AFX_STATUSPANE*)m_pData)[i].strText) CString;
        m_nCount = nIDCount;
    }

    BOOL bResult = TRUE;
    for (int i = 0; i < nIDCount; i++)
    {
        AFX_STATUSPANE* pSBP = _GetPanePtr(i);
        pSBP->nID = *lpIDArray++;
        if (pSBP->nID != ID_SEPARATOR)
        {
            // an indicator is as wide as its string
            if (!pSBP->strText.LoadString(pSBP->nID))
                bResult = FALSE;
            pSBP->cxText = m_hWnd != NULL ? TextWidth(m_hWnd, pSBP->strText) : 0;
            pSBP->nStyle = 0;
        }
        else
        {
            // the message pane: as wide as what the others leave, without a frame
            pSBP->cxText = 1;
            pSBP->nStyle = SBPS_STRETCH | SBPS_NOBORDERS;
        }
    }
    UpdateAllPanes(TRUE, TRUE);
    return bResult;
}

void CStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (m_hWnd == NULL)
        return;
    if (bUpdateRects)
    {
        CRect rect;
        GetClientRect(rect);
        int rgBorders[3] = { 0, 0, 0 };
        DefWindowProc(SB_GETBORDERS, 0, (LPARAM)rgBorders);

        // the stretching pane takes what the fixed panes leave
        int cxExtra = rect.Width();
        BOOL bHasStretchy = FALSE;
        for (int i = 0; i < m_nCount; i++)
        {
            AFX_STATUSPANE* pSBP = _GetPanePtr(i);
            cxExtra -= pSBP->cxText + rgBorders[0] * 2 + rgBorders[2];
            if (pSBP->nStyle & SBPS_STRETCH)
                bHasStretchy = TRUE;
        }
        cxExtra = AfxMax(cxExtra, 0);

        int* rgRights = new int[m_nCount > 0 ? m_nCount : 1];
        int right = 0;
        for (int i = 0; i < m_nCount; i++)
        {
            AFX_STATUSPANE* pSBP = _GetPanePtr(i);
            right += pSBP->cxText + rgBorders[0] * 2 + rgBorders[2];
            if ((pSBP->nStyle & SBPS_STRETCH) && bHasStretchy)
            {
                right += cxExtra;
                bHasStretchy = FALSE;   // one pane stretches
            }
            rgRights[i] = right;
        }
        if (m_nCount > 0)
            rgRights[m_nCount - 1] = -1;    // the last pane runs to the end
        DefWindowProc(SB_SETPARTS, (WPARAM)(m_nCount > 0 ? m_nCount : 1), (LPARAM)rgRights);
        delete[] rgRights;
    }
    if (bUpdateText)
    {
        for (int i = 0; i < m_nCount; i++)
        {
            AFX_STATUSPANE* pSBP = _GetPanePtr(i);
            const UINT nType = (pSBP->nStyle & (SBPS_NOBORDERS | SBPS_POPOUT | SBPS_OWNERDRAW));
            LPCSTR lpsz = (pSBP->nStyle & SBPS_DISABLED) ? "" : (LPCSTR)pSBP->strText;
            DefWindowProc(SB_SETTEXTA, (WPARAM)(i | nType), (LPARAM)lpsz);
        }
    }
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < m_nCount; i++)
        if (_GetPanePtr(i)->nID == nIDFind)
            return i;
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    AFX_STATUSPANE* pSBP = _GetPanePtr(nIndex);
    return pSBP != NULL ? pSBP->nID : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (_GetPanePtr(nIndex) == NULL
        || !((CStatusBar*)this)->DefWindowProc(SB_GETRECT, (WPARAM)nIndex, (LPARAM)lpRect))
        ::SetRectEmpty(lpRect);
}

void CStatusBar::GetPaneText(int nIndex, CString& rString) const
{
    AFX_STATUSPANE* pSBP = _GetPanePtr(nIndex);
    if (pSBP != NULL)
        rString = pSBP->strText;
    else
        rString.Empty();
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    CString str;
    GetPaneText(nIndex, str);
    return str;
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate)
{
    AFX_STATUSPANE* pSBP = _GetPanePtr(nIndex);
    if (pSBP == NULL)
        return FALSE;
    if (lpszNewText == NULL)
        lpszNewText = "";
    if (pSBP->strText == lpszNewText)
        return TRUE;
    pSBP->strText = lpszNewText;
    if (bUpdate && m_hWnd != NULL)
    {
        const UINT nType = (pSBP->nStyle & (SBPS_NOBORDERS | SBPS_POPOUT | SBPS_OWNERDRAW));
        LPCSTR lpsz = (pSBP->nStyle & SBPS_DISABLED) ? "" : (LPCSTR)pSBP->strText;
        DefWindowProc(SB_SETTEXTA, (WPARAM)(nIndex | nType), (LPARAM)lpsz);
    }
    return TRUE;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    AFX_STATUSPANE* pSBP = _GetPanePtr(nIndex);
    nID = pSBP != NULL ? pSBP->nID : 0;
    nStyle = pSBP != NULL ? pSBP->nStyle : 0;
    cxWidth = pSBP != NULL ? pSBP->cxText : 0;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    AFX_STATUSPANE* pSBP = _GetPanePtr(nIndex);
    if (pSBP == NULL)
        return;
    pSBP->nID = nID;
    const BOOL bChanged = pSBP->nStyle != nStyle || pSBP->cxText != cxWidth;
    pSBP->nStyle = nStyle;
    pSBP->cxText = cxWidth;
    if (bChanged)
        UpdateAllPanes(TRUE, TRUE);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    AFX_STATUSPANE* pSBP = _GetPanePtr(nIndex);
    return pSBP != NULL ? pSBP->nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    AFX_STATUSPANE* pSBP = _GetPanePtr(nIndex);
    if (pSBP == NULL || pSBP->nStyle == nStyle)
        return;
    const BOOL bRects = (pSBP->nStyle ^ nStyle) & SBPS_STRETCH;
    pSBP->nStyle = nStyle;
    UpdateAllPanes(bRects, TRUE);
}

CSize CStatusBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    // one line of the bar's font with the control's borders
    TEXTMETRICA tm;
    memset(&tm, 0, sizeof(tm));
    HDC hDC = ::GetDC(NULL);
    HFONT hFont = m_hWnd != NULL ? (HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0) : NULL;
    HGDIOBJ hOld = hFont != NULL ? ::SelectObject(hDC, hFont) : NULL;
    ::GetTextMetricsA(hDC, &tm);
    if (hOld != NULL)
        ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);

    CRect rect;
    rect.SetRectEmpty();
    CalcInsideRect(rect, bHorz);
    int rgBorders[3] = { 0, 0, 0 };
    if (m_hWnd != NULL)
        ((CStatusBar*)this)->DefWindowProc(SB_GETBORDERS, 0, (LPARAM)rgBorders);

    CSize size;
    size.cx = 32767;
    size.cy = tm.tmHeight - tm.tmInternalLeading - 1 + rgBorders[1] * 2 + ::GetSystemMetrics(SM_CYBORDER) * 2
        - rect.Height();
    if (size.cy < m_nMinHeight)
        size.cy = m_nMinHeight;
    return size;
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)m_nCount;
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = _GetPanePtr((int)state.m_nIndex)->nID;
        // the message pane belongs to the frame's prompts, not to a command
        if (state.m_nID == ID_SEPARATOR)
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    UpdateAllPanes(TRUE, FALSE);
}

LRESULT CStatusBar::OnNcHitTest(CPoint)
{
    return HTCLIENT;
}

void CStatusBar::OnPaint()
{
    Default();
}

BOOL CStatusBar::OnEraseBkgnd(CDC*)
{
    return (BOOL)Default();
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    const int nIndex = CommandToIndex(ID_SEPARATOR);
    if (nIndex < 0)
        return -1;
    return SetPaneText(nIndex, (LPCSTR)lParam) ? TRUE : -1;
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    const int nMaxLen = (int)wParam;
    if (nMaxLen == 0 || lParam == 0)
        return 0;
    CString strText;
    const int nIndex = CommandToIndex(ID_SEPARATOR);
    if (nIndex >= 0)
        GetPaneText(nIndex, strText);
    int nLen = strText.GetLength();
    if (nLen > nMaxLen - 1)
        nLen = nMaxLen - 1;
    memcpy((LPSTR)lParam, (LPCSTR)strText, (size_t)nLen);
    ((LPSTR)lParam)[nLen] = 0;
    return nLen;
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    CString strText;
    const int nIndex = CommandToIndex(ID_SEPARATOR);
    if (nIndex >= 0)
        GetPaneText(nIndex, strText);
    return strText.GetLength();
}
