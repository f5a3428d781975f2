// bardock.cpp - CDockBar: one side of a frame (or the inside of a floating frame) holding bars in
// rows, with placeholders for bars that floated away.
#include "afximpl_.h"
#include <afxpriv.h>

namespace
{
// a placeholder is a control id stored in place of a bar pointer
inline BOOL IsPlaceHolder(void* p)
{
    return p != NULL && (UINT_PTR)p < 0x10000;
}

inline void* PlaceHolderOf(CControlBar* pBar)
{
    return (void*)(UINT_PTR)(WORD)::GetDlgCtrlID(pBar->m_hWnd);
}
}

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_PAINT()
    ON_MESSAGE(WM_SIZEPARENT, &CDockBar::OnSizeParent)
END_MESSAGE_MAP()

CDockBar::CDockBar(BOOL bFloating)
{
    m_bFloating = bFloating;
    m_bAutoDelete = TRUE;
    m_arrBars.Add(NULL);
    m_bLayoutQuery = FALSE;
    m_rectLayout.SetRectEmpty();
    // a dock bar is only as large as its bars: no margins of its own
    m_cxLeftBorder = m_cxRightBorder = m_cyBottomBorder = m_cyTopBorder = 0;
}

CDockBar::~CDockBar()
{
    // bars still docked here forget it (their windows went with this one)
    for (int i = 0; i < m_arrBars.GetSize(); i++)
    {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar != NULL && pBar->m_pDockBar == this)
            pBar->m_pDockBar = NULL;
    }
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    ASSERT(pParentWnd != NULL && pParentWnd->IsFrameWnd());
    m_dwStyle = (dwStyle & CBRS_ALL);
    VERIFY(AfxDeferRegisterClass(AFX_WNDCONTROLBAR_REG));
    CRect rect;
    rect.SetRectEmpty();
    // the frame's layout gives it its size
    return CWnd::Create(AFX_WNDCONTROLBAR, NULL, dwStyle & ~CBRS_ALL, rect, pParentWnd, nID);
}

BOOL CDockBar::IsDockBar() const { return TRUE; }

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
}

CControlBar* CDockBar::GetDockedControlBar(int nPos) const
{
    if (nPos < 0 || nPos >= m_arrBars.GetSize())
        return NULL;
    void* p = m_arrBars[nPos];
    if (p == NULL || IsPlaceHolder(p))
        return NULL;
    return (CControlBar*)p;
}

int CDockBar::GetDockedCount() const
{
    int nCount = 0;
    for (int i = 0; i < m_arrBars.GetSize(); i++)
        if (GetDockedControlBar(i) != NULL)
            nCount++;
    return nCount;
}

int CDockBar::GetDockedVisibleCount() const
{
    int nCount = 0;
    for (int i = 0; i < m_arrBars.GetSize(); i++)
    {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar != NULL && pBar->IsVisible())
            nCount++;
    }
    return nCount;
}

int CDockBar::FindBar(CControlBar* pBar, int nPosExclude)
{
    for (int nPos = 0; nPos < m_arrBars.GetSize(); nPos++)
        if (nPos != nPosExclude && m_arrBars[nPos] == pBar)
            return nPos;
    return -1;
}

void CDockBar::ShowAll(BOOL bShow)
{
    for (int nPos = 0; nPos < m_arrBars.GetSize(); nPos++)
    {
        CControlBar* pBar = GetDockedControlBar(nPos);
        if (pBar != NULL && pBar->m_hWnd != NULL)
        {
            CFrameWnd* pFrameWnd = pBar->GetDockingFrame();
            pFrameWnd->ShowControlBar(pBar, bShow, FALSE);
        }
    }
}

/////////////////////////////////////////////////////////////////////////////
// Docking and removing

int CDockBar::Insert(CControlBar* pBarIns, CRect rect, CPoint ptMid)
{
    int nPosInsAfter = 0;
    int nWidth = 0;
    int nTotalWidth = 0;
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;

    for (int nPos = 0; nPos < m_arrBars.GetSize(); nPos++)
    {
        CControlBar* pBar = GetDockedControlBar(nPos);
        if (pBar != NULL && pBar->IsVisible())
        {
            CRect rectBar;
            pBar->GetWindowRect(&rectBar);
            ScreenToClient(&rectBar);
            nWidth = AfxMax(nWidth, bHorz ? rectBar.Height() : rectBar.Width() - 1);
            if (bHorz ? rect.left > rectBar.left : rect.top > rectBar.top)
                nPosInsAfter = nPos;
        }
        else if (m_arrBars[nPos] == NULL)
        {
            // the end of a row: the point lies in this row when it is above its far edge
            nTotalWidth += nWidth - afxData.cyBorder2;
            nWidth = 0;
            if ((bHorz ? ptMid.y : ptMid.x) < nTotalWidth)
            {
                if (nPos == 0)
                    m_arrBars.InsertAt(nPosInsAfter + 1, (void*)NULL);
                m_arrBars.InsertAt(nPosInsAfter + 1, pBarIns);
                return nPosInsAfter + 1;
            }
            nPosInsAfter = nPos;
        }
    }

    // below every row: a new row at the end
    m_arrBars.InsertAt(nPosInsAfter + 1, (void*)NULL);
    m_arrBars.InsertAt(nPosInsAfter + 1, pBarIns);
    return nPosInsAfter + 1;
}

// Docking and re-docking share this: the dock bar takes the bar's sizing styles (and, floating,
// its title when it is the frame's only bar); the bar takes the side's alignment and all borders.
static void AdoptBarStyles(CDockBar* pDockBar, CControlBar* pBar)
{
    if (pDockBar->m_bFloating && (pBar->m_dwDockStyle & CBRS_FLOAT_MULTI))
        pDockBar->m_dwStyle |= CBRS_FLOAT_MULTI;
    pDockBar->m_dwStyle &= ~(CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC);
    pDockBar->m_dwStyle |= pBar->m_dwStyle & (CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC);
    if (!(pDockBar->m_dwStyle & CBRS_FLOAT_MULTI))
    {
        CString strTitle;
        pBar->GetWindowText(strTitle);
        pDockBar->SetWindowText(strTitle);
    }

    DWORD dwStyle = pBar->GetBarStyle();
    dwStyle &= ~(CBRS_ALIGN_ANY);
    dwStyle |= (pDockBar->m_dwStyle & CBRS_ALIGN_ANY) | CBRS_BORDER_ANY;
    if (pDockBar->m_bFloating)
        dwStyle |= CBRS_FLOATING;
    else
        dwStyle &= ~CBRS_FLOATING;
    pBar->SetBarStyle(dwStyle);
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    ASSERT(pBar != NULL);
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    if (pBar->m_pDockBar == this && (lpRect == NULL || rectBar == *lpRect))
        return;     // already there

    AdoptBarStyles(this, pBar);

    // hidden while it moves to another dock bar, so it does not flash at its old place
    BOOL bShow = FALSE;
    if (pBar->m_pDockBar != this && pBar->IsWindowVisible())
    {
        pBar->SetWindowPos(NULL, 0, 0, 0, 0,
            SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        bShow = TRUE;
    }

    int nPos = -1;
    if (lpRect != NULL)
    {
        CRect rect(lpRect);
        ScreenToClient(&rect);
        CPoint ptMid(rect.left + rect.Width() / 2, rect.top + rect.Height() / 2);
        nPos = Insert(pBar, rect, ptMid);
        pBar->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
            SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }
    else
    {
        // a row of its own after the last
        m_arrBars.Add(pBar);
        m_arrBars.Add(NULL);
        pBar->SetWindowPos(NULL, -afxData.cxBorder2, -afxData.cyBorder2, 0, 0,
            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }

    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar->RemoveControlBar(pBar, nPos);
    else if (pBar->m_pDockBar != NULL)
        // leaving a frame side for a floating frame leaves a placeholder to come back to
        pBar->m_pDockBar->RemoveControlBar(pBar, -1, m_bFloating && !pBar->m_pDockBar->m_bFloating);
    pBar->m_pDockBar = this;

    if (bShow)
        pBar->SetWindowPos(NULL, 0, 0, 0, 0,
            SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);

    RemovePlaceHolder(pBar);

    CFrameWnd* pFrameWnd = GetDockingFrame();
    if (pFrameWnd != NULL)
        pFrameWnd->DelayRecalcLayout();
}

void CDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    ASSERT(pBar != NULL);
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    if (pBar->m_pDockBar == this && (lpRect == NULL || rectBar == *lpRect))
        return;

    AdoptBarStyles(this, pBar);

    // back into the place it left
    int nPos = FindBar((CControlBar*)PlaceHolderOf(pBar));
    if (nPos > 0)
        m_arrBars[nPos] = pBar;

    if (lpRect != NULL)
    {
        CRect rect(lpRect);
        ScreenToClient(&rect);
        if (nPos < 1)
        {
            CPoint ptMid(rect.left + rect.Width() / 2, rect.top + rect.Height() / 2);
            nPos = Insert(pBar, rect, ptMid);
        }
        pBar->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
            SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }
    else
    {
        if (nPos < 1)
        {
            m_arrBars.Add(pBar);
            m_arrBars.Add(NULL);
        }
        pBar->SetWindowPos(NULL, -afxData.cxBorder2, -afxData.cyBorder2, 0, 0,
            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }

    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    CDockBar* pOldDockBar = pBar->m_pDockBar;
    pBar->m_pDockBar = this;
    if (pOldDockBar != NULL && pOldDockBar != this)
        pOldDockBar->RemoveControlBar(pBar);

    CFrameWnd* pFrameWnd = GetDockingFrame();
    if (pFrameWnd != NULL)
        pFrameWnd->DelayRecalcLayout();
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, int nAddPlaceHolder)
{
    ASSERT(nAddPlaceHolder == 1 || nAddPlaceHolder == 0 || nAddPlaceHolder == -1);
    ASSERT(pBar != NULL);
    const int nPos = FindBar(pBar, nPosExclude);
    if (nPos <= 0)
        return FALSE;   // not docked here

    if (nAddPlaceHolder == 1)
    {
        m_arrBars[nPos] = PlaceHolderOf(pBar);
        // one placeholder per bar: an older one wins
        if (FindBar((CControlBar*)m_arrBars[nPos], nPos) > 0)
        {
            m_arrBars.RemoveAt(nPos);
            if (nPos < m_arrBars.GetSize() && m_arrBars[nPos - 1] == NULL && m_arrBars[nPos] == NULL)
                m_arrBars.RemoveAt(nPos);
        }
    }
    else
    {
        m_arrBars.RemoveAt(nPos);
        // a row left empty goes
        if (nPos < m_arrBars.GetSize() && m_arrBars[nPos - 1] == NULL && m_arrBars[nPos] == NULL)
            m_arrBars.RemoveAt(nPos);
        if (nAddPlaceHolder != -1)
            RemovePlaceHolder(pBar);
    }

    // a bar being destroyed has no context left: nothing more to arrange
    if (pBar->m_pDockContext == NULL || m_hWnd == NULL)
        return FALSE;

    CFrameWnd* pFrameWnd = GetDockingFrame();
    if (pFrameWnd == NULL)
        return FALSE;
    if (m_bFloating && GetDockedVisibleCount() == 0)
    {
        if (GetDockedCount() == 0)
        {
            // the bar must not point at a dock bar that goes with its frame
            if (pBar->m_pDockBar == this)
                pBar->m_pDockBar = NULL;
            pFrameWnd->DestroyWindow();
            return TRUE;
        }
        pFrameWnd->ShowWindow(SW_HIDE);
    }
    else
        pFrameWnd->DelayRecalcLayout();
    return FALSE;
}

void CDockBar::RemovePlaceHolder(CControlBar* pBar)
{
    if (!IsPlaceHolder(pBar))
        pBar = (CControlBar*)PlaceHolderOf(pBar);
    const int nOldPos = FindBar(pBar);
    if (nOldPos > 0)
    {
        m_arrBars.RemoveAt(nOldPos);
        if (nOldPos < m_arrBars.GetSize() && m_arrBars[nOldPos - 1] == NULL && m_arrBars[nOldPos] == NULL)
            m_arrBars.RemoveAt(nOldPos);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Layout: the bars of a row follow one another overlapping by a border; a bar that would start
// beyond the dock bar's length wraps into a row of its own; rows stack across.

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize sizeFixed = CControlBar::CalcFixedLayout(bStretch, bHorz);

    CSize sizeMax;
    if (!m_rectLayout.IsRectEmpty())
        sizeMax = m_rectLayout.Size();
    else
    {
        CRect rectFrame;
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL)
            pFrame->GetClientRect(&rectFrame);
        else
            rectFrame.SetRectEmpty();
        sizeMax = rectFrame.Size();
    }

    AFX_SIZEPARENTPARAMS layout;
    memset(&layout, 0, sizeof(layout));
    layout.hDWP = m_bLayoutQuery ? NULL : ::BeginDeferWindowPos((int)m_arrBars.GetSize());
    CPoint pt(-afxData.cxBorder2, -afxData.cyBorder2);
    int nWidth = 0;
    BOOL bWrapped = FALSE;

    for (int nPos = 0; nPos < m_arrBars.GetSize(); nPos++)
    {
        CControlBar* pBar = GetDockedControlBar(nPos);
        void* pVoid = m_arrBars[nPos];

        if (pBar != NULL)
        {
            if (pBar->IsVisible())
            {
                DWORD dwMode = 0;
                if ((pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) && (pBar->m_dwStyle & CBRS_FLOATING))
                    dwMode |= LM_HORZ | LM_MRUWIDTH;
                else if (pBar->m_dwStyle & CBRS_ORIENT_HORZ)
                    dwMode |= LM_HORZ | LM_HORZDOCK;
                else
                    dwMode |= LM_VERTDOCK;
                CSize sizeBar = pBar->CalcDynamicLayout(-1, dwMode);
                CRect rect(pt, sizeBar);

                CRect rectBar;
                pBar->GetWindowRect(&rectBar);
                ScreenToClient(&rectBar);

                if (bHorz)
                {
                    // a bar keeps a gap the user left before it
                    if (rectBar.left > rect.left && !m_bFloating)
                        rect.OffsetRect(rectBar.left - rect.left, 0);
                    // past the far end: pushed back so that it ends there
                    if (rect.right > sizeMax.cx && !m_bFloating)
                    {
                        int x = rect.Width() - afxData.cxBorder2;
                        x = AfxMax(sizeMax.cx - x, pt.x);
                        rect.OffsetRect(x - rect.left, 0);
                    }
                    if (bWrapped)
                    {
                        bWrapped = FALSE;
                        rect.OffsetRect(-(rect.left + afxData.cxBorder2), 0);
                    }
                    else if (rect.left >= (sizeMax.cx - afxData.cxBorder2) && nPos > 0 && m_arrBars[nPos - 1] != NULL)
                    {
                        // nothing of it would show: a new row starts with it
                        m_arrBars.InsertAt(nPos, (void*)NULL);
                        pBar = NULL;
                        pVoid = NULL;
                        bWrapped = TRUE;
                    }
                    if (!bWrapped)
                    {
                        if (rect != rectBar)
                        {
                            if (!m_bLayoutQuery && !(pBar->m_dwStyle & CBRS_FLOATING) && pBar->m_pDockContext != NULL)
                                pBar->m_pDockContext->m_rectMRUDockPos = rect;
                            AfxRepositionWindow(&layout, pBar->m_hWnd, &rect);
                        }
                        pt.x = rect.left + sizeBar.cx - afxData.cxBorder2;
                        nWidth = AfxMax(nWidth, sizeBar.cy);
                    }
                }
                else
                {
                    if (rectBar.top > rect.top && !m_bFloating)
                        rect.OffsetRect(0, rectBar.top - rect.top);
                    if (rect.bottom > sizeMax.cy && !m_bFloating)
                    {
                        int y = rect.Height() - afxData.cyBorder2;
                        y = AfxMax(sizeMax.cy - y, pt.y);
                        rect.OffsetRect(0, y - rect.top);
                    }
                    if (bWrapped)
                    {
                        bWrapped = FALSE;
                        rect.OffsetRect(0, -(rect.top + afxData.cyBorder2));
                    }
                    else if (rect.top >= (sizeMax.cy - afxData.cyBorder2) && nPos > 0 && m_arrBars[nPos - 1] != NULL)
                    {
                        m_arrBars.InsertAt(nPos, (void*)NULL);
                        pBar = NULL;
                        pVoid = NULL;
                        bWrapped = TRUE;
                    }
                    if (!bWrapped)
                    {
                        if (rect != rectBar)
                        {
                            if (!m_bLayoutQuery && !(pBar->m_dwStyle & CBRS_FLOATING) && pBar->m_pDockContext != NULL)
                                pBar->m_pDockContext->m_rectMRUDockPos = rect;
                            AfxRepositionWindow(&layout, pBar->m_hWnd, &rect);
                        }
                        pt.y = rect.top + sizeBar.cy - afxData.cyBorder2;
                        nWidth = AfxMax(nWidth, sizeBar.cx);
                    }
                }
            }
            if (!bWrapped)
                pBar->RecalcDelayShow(&layout);
        }

        if (pBar == NULL && pVoid == NULL && nWidth != 0)
        {
            // the end of a row that showed something: the next row starts across from it
            if (bHorz)
            {
                pt.y += nWidth - afxData.cyBorder2;
                sizeFixed.cx = AfxMax(sizeFixed.cx, pt.x);
                sizeFixed.cy = AfxMax(sizeFixed.cy, pt.y);
                pt.x = -afxData.cxBorder2;
            }
            else
            {
                pt.x += nWidth - afxData.cxBorder2;
                sizeFixed.cx = AfxMax(sizeFixed.cx, pt.x);
                sizeFixed.cy = AfxMax(sizeFixed.cy, pt.y);
                pt.y = -afxData.cyBorder2;
            }
            nWidth = 0;
        }
    }

    if (!m_bLayoutQuery && layout.hDWP != NULL)
        ::EndDeferWindowPos(layout.hDWP);

    // the dock bar's own borders
    CRect rect;
    rect.SetRectEmpty();
    CalcInsideRect(rect, bHorz);
    if ((!bStretch || !bHorz) && sizeFixed.cx != 0)
        sizeFixed.cx += -rect.right + rect.left;
    if ((!bStretch || bHorz) && sizeFixed.cy != 0)
        sizeFixed.cy += -rect.bottom + rect.top;
    return sizeFixed;
}

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    // the layout tells whether it only measures, and how much room there is
    const BOOL bLayoutQuery = m_bLayoutQuery;
    const CRect rectLayout = m_rectLayout;
    m_bLayoutQuery = (lpLayout->hDWP == NULL);
    m_rectLayout = lpLayout->rect;
    LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
    m_bLayoutQuery = bLayoutQuery;
    m_rectLayout = rectLayout;
    return lResult;
}

/////////////////////////////////////////////////////////////////////////////
// Painting

void CDockBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect;
    rect.SetRectEmpty();
    CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top;
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
}

void CDockBar::OnNcPaint()
{
    EraseNonClient();
}

void CDockBar::DoPaint(CDC*)
{
}

void CDockBar::OnPaint()
{
    // the bars paint themselves; the background comes with WM_ERASEBKGND
    CPaintDC dc(this);
}

void CDockBar::OnWindowPosChanging(LPWINDOWPOS lpWndPos)
{
    // the dock bar's borders need no repainting when it grows with its bars
    const DWORD dwStyle = m_dwStyle;
    m_dwStyle &= ~(CBRS_BORDER_ANY);
    CControlBar::OnWindowPosChanging(lpWndPos);
    m_dwStyle = dwStyle;
}
