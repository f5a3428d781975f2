// UILDockBar.cpp - dock bars whose rows share their length among resizable bars, with splitters.
#include "UILDockBar.h"
#include <algorithm>
#include "ToolPalettes.h"
#include "DockWnd.h"
#include "../toolbars/UILToolBar.h"
#include "../frame/UILMessages.h"
#include "../frame/UILFrame.h"

/////////////////////////////////////////////////////////////////////////////
// CUILControlBar

IMPLEMENT_DYNAMIC(CUILControlBar, CControlBar)

const char* CUILControlBar::lpszClassName = AFX_WNDCONTROLBAR;

CUILControlBar::CUILControlBar()
{
}

CUILControlBar::~CUILControlBar()
{
}

void CUILControlBar::GetBarName(CString& strName) const
{
    strName.Empty();
    if (GetSafeHwnd() != NULL)
        GetWindowText(strName);
}

void CUILControlBar::GetBarName(char* pszBuffer, int nSize) const
{
    if (pszBuffer == NULL || nSize <= 0)
        return;
    pszBuffer[0] = '\0';
    if (GetSafeHwnd() != NULL)
        ::GetWindowTextA(m_hWnd, pszBuffer, nSize);
}

void CUILControlBar::SetBarName(const char* lpszName)
{
    if (GetSafeHwnd() != NULL)
        SetWindowText(lpszName != NULL ? lpszName : "");
}

void CUILControlBar::ShowOnScreen(int bShow, CObArray*, int bDelay)
{
    CFrameWnd* pFrame = m_pDockSite != NULL ? m_pDockSite : GetParentFrame();
    if (pFrame != NULL)
        pFrame->ShowControlBar(this, bShow, bDelay);
}

/////////////////////////////////////////////////////////////////////////////
// Row record

SDockLine::~SDockLine()
{
    for (int i = 0; i < GetItemCount(); i++)
        delete GetItem(i);
    m_arrItems.RemoveAll();
}

void SDockBarInfo::RemoveAll()
{
    for (int i = 0; i < GetLineCount(); i++)
        delete GetLine(i);
    m_arrLines.RemoveAll();
    m_nRszLines = 0;
}

namespace
{
CSize WindowSize(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect.Size();
}

// the window's rectangle in its parent's client coordinates
CRect RectInParent(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    CWnd* pParent = pWnd->GetParent();
    if (pParent != NULL)
        pParent->ScreenToClient(&rect);
    return rect;
}

// a window's minimum tracking size, as it answers WM_GETMINMAXINFO
CSize MinTrackSize(CWnd* pWnd)
{
    MINMAXINFO mmi;
    memset(&mmi, 0, sizeof(mmi));
    pWnd->SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    return CSize(mmi.ptMinTrackSize.x, mmi.ptMinTrackSize.y);
}

int Along(CSize size, BOOL bHorz) { return bHorz ? size.cx : size.cy; }
int Across(CSize size, BOOL bHorz) { return bHorz ? size.cy : size.cx; }
}

/////////////////////////////////////////////////////////////////////////////
// CDockBarSpliter

IMPLEMENT_DYNAMIC(CDockBarSpliter, CSplitBar)

BEGIN_MESSAGE_MAP(CDockBarSpliter, CSplitBar)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CDockBarSpliter::CDockBarSpliter()
    : m_dwKind(DBS_BAR), m_nLine(-1), m_nItem(-1)
{
}

CDockBarSpliter::~CDockBarSpliter()
{
}

CUILDockBar* CDockBarSpliter::GetDockBar() const
{
    CWnd* pParent = GetParent();
    return pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CUILDockBar)) ? (CUILDockBar*)pParent : NULL;
}

void CDockBarSpliter::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    dc.FillSolidRect(rect, GetMainWndSysColor(COLOR_BTNFACE, 8));
    const COLORREF clrShadow = GetMainWndSysColor(COLOR_BTNSHADOW, 8);
    const COLORREF clrLight = GetMainWndSysColor(COLOR_BTNHIGHLIGHT, 8);
    CUILDockBar* pDockBar = GetDockBar();
    if (rect.Width() > rect.Height())
    {
        const int y = rect.top + rect.Height() / 2 - 1;
        dc.FillSolidRect(rect.left, y, rect.Width(), 1, clrShadow);
        dc.FillSolidRect(rect.left, y + 1, rect.Width(), 1, clrLight);
    }
    else
    {
        int x = rect.left + rect.Width() / 2 - 1;
        if (pDockBar != NULL && pDockBar->GetDlgCtrlID() == AFX_IDW_DOCKBAR_RIGHT)
            x++;
        dc.FillSolidRect(x, rect.top, 1, rect.Height(), clrShadow);
        dc.FillSolidRect(x + 1, rect.top, 1, rect.Height(), clrLight);
    }
    UpdateLimits();
}

void CDockBarSpliter::OnLButtonDown(UINT nFlags, CPoint point)
{
    // the bars may have changed since the last paint
    UpdateLimits();
    CSplitBar::OnLButtonDown(nFlags, point);
}

void CDockBarSpliter::UpdateLimits()
{
    CUILDockBar* pDockBar = GetDockBar();
    SDockLine* pLine = pDockBar != NULL ? pDockBar->m_info.GetLine(m_nLine) : NULL;
    if (pLine == NULL)
        return;
    const BOOL bHorz = pDockBar->IsHorzDockBar();
    if (m_dwKind & DBS_BAR)
    {
        // the nearest resizable bars on either side shrink to their minimum tracking sizes
        int nFirst = -1, nSecond = -1;
        const int nSplit = (m_dwKind & DBS_AFTER) ? m_nItem + 1 : m_nItem;
        for (int i = nSplit - 1; i >= 0 && nFirst < 0; i--)
            if (pLine->GetItem(i)->m_dwFlags & DLI_RESIZABLE)
                nFirst = i;
        for (int i = nSplit; i < pLine->GetItemCount() && nSecond < 0; i++)
            if (pLine->GetItem(i)->m_dwFlags & DLI_RESIZABLE)
                nSecond = i;
        if (nFirst < 0 || nSecond < 0)
            return;
        CControlBar* pFirst = pLine->GetItem(nFirst)->m_pBar;
        CControlBar* pSecond = pLine->GetItem(nSecond)->m_pBar;
        const int nFirstRoom = Along(WindowSize(pFirst), bHorz) - Along(MinTrackSize(pFirst), bHorz);
        const int nSecondRoom = Along(WindowSize(pSecond), bHorz) - Along(MinTrackSize(pSecond), bHorz);
        SetLimits(-(nFirstRoom > 0 ? nFirstRoom : 0), nSecondRoom > 0 ? nSecondRoom : 0);
        return;
    }
    // a row splitter: no further than the main window's inside allows, and no row thinner than
    // its rolled-up thickness
    int nLimit = 800;
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL && pMain->GetSafeHwnd() != NULL)
    {
        CRect rectClient;
        pMain->GetClientRect(&rectClient);
        nLimit = (bHorz ? rectClient.Height() : rectClient.Width()) - 20;
    }
    int nBefore = (m_dwKind & DBS_AFTER) ? m_nLine : m_nLine - 1;
    int nAfter = nBefore + 1;
    int nLow = nLimit, nHigh = nLimit;
    // a dock bar on top or on the left grows towards the frame's inside: its row lies before
    // the splitter; at the bottom or on the right the row lies after it
    if (SDockLine* pBefore = pDockBar->m_info.GetLine(nBefore))
    {
        const int nRoom = pBefore->m_nThickness - pDockBar->GetLineCollapsedThickness(nBefore);
        nLow = nRoom < nLow ? nRoom : nLow;
    }
    if (SDockLine* pAfter = pDockBar->m_info.GetLine(nAfter))
    {
        const int nRoom = pAfter->m_nThickness - pDockBar->GetLineCollapsedThickness(nAfter);
        nHigh = nRoom < nHigh ? nRoom : nHigh;
    }
    SetLimits(-(nLow > 0 ? nLow : 0), nHigh > 0 ? nHigh : 0);
}

/////////////////////////////////////////////////////////////////////////////
// CUILDockBar

IMPLEMENT_DYNAMIC(CUILDockBar, CDockBar)

BEGIN_MESSAGE_MAP(CUILDockBar, CDockBar)
    ON_REGISTERED_MESSAGE(WM_DRAGSPLIT, OnDragSplit)
    ON_REGISTERED_MESSAGE(WM_ENDSPLIT, OnEndSplit)
    ON_REGISTERED_MESSAGE(WM_SPACE_REDISTRIBUTION, OnSpaceRedistribution)
    ON_REGISTERED_MESSAGE(WM_GET_NEIBORS, OnGetNeibors)
    ON_WM_RBUTTONDOWN()
    ON_WM_SIZE()
    ON_WM_NCDESTROY()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CUILDockBar::CUILDockBar()
    : m_nSpliterChanges(0), m_nLayoutLength(0), m_dwIndicatorAlign(0), m_pIndicator(NULL),
      m_bCheckSpliterOrder(TRUE)
{
}

CUILDockBar::~CUILDockBar()
{
    DeleteDockBarInfo();
    DeleteAllSpliters();
}

int CUILDockBar::IsBarResizable(int nPos)
{
    CControlBar* pBar = GetDockedControlBar(nPos);
    return pBar != NULL ? IsBarResizable(pBar) : 0;
}

int CUILDockBar::IsBarResizable(CControlBar* pBar)
{
    if (pBar == NULL)
        return 0;
    if (pBar->IsKindOf(RUNTIME_CLASS(CToolBar)) || pBar->IsKindOf(RUNTIME_CLASS(CUILToolBar))
        || pBar->IsKindOf(RUNTIME_CLASS(CUILInspectorBar)))
        return 0;
    // a bare toolbar control standing in a row
    char szClass[32];
    if (pBar->GetSafeHwnd() != NULL && ::GetClassNameA(pBar->m_hWnd, szClass, sizeof(szClass))
        && lstrcmpiA(szClass, TOOLBARCLASSNAMEA) == 0)
        return 0;
    return 1;
}

int CUILDockBar::DeleteDockBarInfo()
{
    m_info.RemoveAll();
    return 1;
}

int CUILDockBar::CreateDockBarInfo(DWORD, CSize)
{
    DeleteDockBarInfo();
    const BOOL bHorz = IsHorzDockBar();
    SDockLine* pLine = new SDockLine;
    int nRszLength = 0;
    int nLastRsz = -1;              // the row's last resizable item
    BOOL bFixedSinceRsz = FALSE;    // a visible fixed bar stands after it

    auto endLine = [&]()
    {
        if (pLine->GetItemCount() == 0)
            return;
        m_info.m_arrLines.Add(pLine);
        if (pLine->m_nRszBars > 0)
        {
            m_info.m_nRszLines++;
            for (int i = 0; i < pLine->GetItemCount(); i++)
            {
                SDockLineItem* pItem = pLine->GetItem(i);
                if (pItem->m_dwFlags & DLI_RESIZABLE)
                    pItem->m_fShare = nRszLength > 0
                        ? (float)Along(WindowSize(pItem->m_pBar), bHorz) / (float)nRszLength : 1.0f;
            }
        }
        pLine = new SDockLine;
        nRszLength = 0;
        nLastRsz = -1;
        bFixedSinceRsz = FALSE;
    };

    for (int nPos = 0; nPos < (int)m_arrBars.GetSize(); nPos++)
    {
        if (m_arrBars[nPos] == NULL)
        {
            endLine();
            continue;
        }
        CControlBar* pBar = GetDockedControlBar(nPos);
        if (pBar == NULL || !pBar->IsVisible())
            continue;
        pBar->m_dwStyle = (pBar->m_dwStyle & ~CBRS_BORDER_ANY) | CBRS_BORDER_ANY | CBRS_BORDER_3D;

        SDockLineItem* pItem = new SDockLineItem;
        pItem->m_nIndex = nPos;
        pItem->m_pBar = pBar;
        pItem->m_dwFlags = 0;
        pItem->m_fShare = 0.0f;
        const int nItem = (int)pLine->m_arrItems.Add(pItem);
        const CSize size = WindowSize(pBar);
        if (Across(size, bHorz) > pLine->m_nThickness)
            pLine->m_nThickness = Across(size, bHorz);

        if (IsBarResizable(pBar))
        {
            pItem->m_dwFlags |= DLI_RESIZABLE;
            if (pLine->m_nRszBars > 0)
            {
                pItem->m_dwFlags |= DLI_SPLITTERBEFORE;
                if (bFixedSinceRsz && nLastRsz >= 0)
                    pLine->GetItem(nLastRsz)->m_dwFlags |= DLI_SPLITTERAFTER;
            }
            pLine->m_nRszBars++;
            nRszLength += Along(size, bHorz);
            nLastRsz = nItem;
            bFixedSinceRsz = FALSE;
        }
        else if (nLastRsz >= 0)
            bFixedSinceRsz = TRUE;
    }
    endLine();
    delete pLine;       // the empty row started last
    return 1;
}

CSize CUILDockBar::CalcSpaceForRszBar(int nLine, CControlBar* pBar, CSize sizeAvail)
{
    SDockLine* pLine = m_info.GetLine(nLine);
    for (int i = 0; pLine != NULL && i < pLine->GetItemCount(); i++)
    {
        SDockLineItem* pItem = pLine->GetItem(i);
        if (pItem->m_pBar != pBar || !(pItem->m_dwFlags & DLI_RESIZABLE))
            continue;
        int cx = (int)(sizeAvail.cx * pItem->m_fShare);
        int cy = (int)(sizeAvail.cy * pItem->m_fShare);
        return CSize(cx > UIL_MIN_RSZBAR_LENGTH ? cx : UIL_MIN_RSZBAR_LENGTH,
            cy > UIL_MIN_RSZBAR_LENGTH ? cy : UIL_MIN_RSZBAR_LENGTH);
    }
    return CSize(0, 0);
}

CSize CUILDockBar::GetNonRszBarSumSpace(int nLine)
{
    CSize size(0, 0);
    SDockLine* pLine = m_info.GetLine(nLine);
    for (int i = 0; pLine != NULL && i < pLine->GetItemCount(); i++)
    {
        SDockLineItem* pItem = pLine->GetItem(i);
        if (pItem->m_dwFlags & DLI_RESIZABLE)
            continue;
        size += WindowSize(pItem->m_pBar);
    }
    return size;
}

CSize CUILDockBar::GetNonClientSumSpace(int nLine)
{
    CSize size(0, 0);
    SDockLine* pLine = m_info.GetLine(nLine);
    for (int i = 0; pLine != NULL && i < pLine->GetItemCount(); i++)
        if ((pLine->GetItem(i)->m_dwFlags & (DLI_RESIZABLE | DLI_SPLITTERBEFORE)) == (DLI_RESIZABLE | DLI_SPLITTERBEFORE))
            size += CSize(10, 10);
    return size;
}

int CUILDockBar::GetLineFreeLength(int nLine)
{
    const BOOL bHorz = IsHorzDockBar();
    return m_nLayoutLength - Along(GetNonRszBarSumSpace(nLine), bHorz) - Along(GetNonClientSumSpace(nLine), bHorz);
}

int CUILDockBar::GetLineCollapsedThickness(int nLine)
{
    SDockLine* pLine = m_info.GetLine(nLine);
    const BOOL bHorz = IsHorzDockBar();
    int nThickness = 0;
    for (int i = 0; pLine != NULL && i < pLine->GetItemCount(); i++)
    {
        SDockLineItem* pItem = pLine->GetItem(i);
        if (pItem->m_dwFlags & DLI_RESIZABLE)
        {
            const int nMin = Across(MinTrackSize(pItem->m_pBar), bHorz);
            if (nMin > nThickness)
                nThickness = nMin;
        }
        else
            nThickness = ::GetSystemMetrics(SM_CYMENU);
    }
    return nThickness;
}

CSize CUILDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    DeleteDockBarInfo();
    CControlBar::CalcFixedLayout(bStretch, bHorz);
    CSize sizeLayout = m_rectLayout.Size();
    if (m_rectLayout.IsRectEmpty())
    {
        CWnd* pFrame = m_pDockSite != NULL ? (CWnd*)m_pDockSite : GetParent();
        CRect rectClient(0, 0, 0, 0);
        if (pFrame != NULL)
            pFrame->GetClientRect(&rectClient);
        sizeLayout = rectClient.Size();
    }
    m_nLayoutLength = Along(sizeLayout, bHorz);
    CRect rectClient(0, 0, 0, 0);
    if (GetSafeHwnd() != NULL)
        GetClientRect(&rectClient);
    CreateDockBarInfo(GetDlgCtrlID(), rectClient.Size());
    return CalcFixedLayoutEx(bStretch, bHorz, 1);
}

// The framework's row layout (first bar two pixels before the inside, each next one overlapping
// the border of the one before, a gap the user left before a fixed bar kept, a bar past the far
// end pushed back, a bar that would not show at all wrapped into a row of its own), with the
// resizable bars' lengths from their shares and the splitters between them and along the rows.
CSize CUILDockBar::CalcFixedLayoutEx(int bStretch, int bHorz, int bLayout)
{
    if (m_bFloating)
        return CDockBar::CalcFixedLayout(bStretch, bHorz);

    const UINT nID = GetDlgCtrlID();
    // which side of its row a row splitter takes: towards the frame's inside
    const BOOL bLineAfter = nID == AFX_IDW_DOCKBAR_TOP || nID == AFX_IDW_DOCKBAR_LEFT;
    const BOOL bPlace = bLayout && !m_bLayoutQuery;
    const int nBorderAlong = bHorz ? afxData.cxBorder2 : afxData.cyBorder2;
    const int nBorderAcross = bHorz ? afxData.cyBorder2 : afxData.cxBorder2;
    auto makeRect = [bHorz](int nAlong, int nAcross, CSize size)
    {
        return bHorz ? CRect(CPoint(nAlong, nAcross), size) : CRect(CPoint(nAcross, nAlong), size);
    };
    auto start = [bHorz](const CRect& rect) { return bHorz ? rect.left : rect.top; };
    auto moveAlong = [bHorz](CRect& rect, int nDelta)
    {
        if (bHorz)
            rect.OffsetRect(nDelta, 0);
        else
            rect.OffsetRect(0, nDelta);
    };

    AFX_SIZEPARENTPARAMS layout;
    memset(&layout, 0, sizeof(layout));
    layout.hDWP = m_bLayoutQuery ? NULL : ::BeginDeferWindowPos((int)m_arrBars.GetSize() + 4);
    // bars that were wrapped by this layout: each starts its new row at the beginning
    CPtrArray arrWrapped;
    CSize sizeFixed;
    int nSpliter;

restart:
    sizeFixed = CControlBar::CalcFixedLayout(bStretch, bHorz);
    nSpliter = 0;
    int nAcross = -nBorderAcross;       // where the next row starts
    for (int nLine = 0; nLine < m_info.GetLineCount(); nLine++)
    {
        SDockLine* pLine = m_info.GetLine(nLine);
        // the row is as thick as its resizable bars and the fixed bars' own layouts; each fixed
        // bar is measured once
        int nThickness = 0;
        CArray<CSize, CSize> arrSizes;
        arrSizes.SetSize(pLine->GetItemCount());
        for (int i = 0; i < pLine->GetItemCount(); i++)
        {
            SDockLineItem* pItem = pLine->GetItem(i);
            const CSize size = (pItem->m_dwFlags & DLI_RESIZABLE) ? WindowSize(pItem->m_pBar)
                : pItem->m_pBar->CalcDynamicLayout(-1, bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK);
            arrSizes[i] = size;
            if (Across(size, bHorz) > nThickness)
                nThickness = Across(size, bHorz);
        }
        pLine->m_nThickness = nThickness;
        const BOOL bLineSpliter = bLayout && pLine->m_nRszBars > 0;
        if (bLineSpliter && !bLineAfter)
            nAcross += UIL_DOCKSPLITTER_SIZE;
        const CRect rectLine = makeRect(0, nAcross, bHorz ? CSize(m_nLayoutLength, nThickness)
                                                          : CSize(nThickness, m_nLayoutLength));
        if (bLineSpliter && !bLineAfter && bPlace)
        {
            CRect rect = rectLine;
            InsertLineSpliter(nSpliter++, nLine, rect, FALSE);
        }

        const int nFree = GetLineFreeLength(nLine);
        int nAlong = -nBorderAlong;
        for (int i = 0; i < pLine->GetItemCount(); i++)
        {
            SDockLineItem* pItem = pLine->GetItem(i);
            CControlBar* pBar = pItem->m_pBar;
            CSize size = arrSizes[i];
            if (pItem->m_dwFlags & DLI_RESIZABLE)
            {
                const int nLength = Along(CalcSpaceForRszBar(nLine, pBar, CSize(nFree, nFree)), bHorz);
                size = bHorz ? CSize(nLength, nThickness) : CSize(nThickness, nLength);
            }
            CRect rect = makeRect(nAlong, nAcross, size);
            const CRect rectBar = RectInParent(pBar);
            // a bar keeps a gap the user left before it; resizable bars fill their row from their
            // shares instead (a kept gap would grow by the splitter's 5 with every resize)
            if (!(pItem->m_dwFlags & DLI_RESIZABLE) && start(rectBar) > start(rect))
                moveAlong(rect, start(rectBar) - start(rect));
            // past the far end: pushed back so that it ends there
            if (start(rect) + Along(size, bHorz) > m_nLayoutLength)
            {
                const int nStart = (std::max<int>)(m_nLayoutLength - (Along(size, bHorz) - nBorderAlong), nAlong);
                moveAlong(rect, nStart - start(rect));
            }
            BOOL bWrapped = FALSE;
            for (int k = 0; k < arrWrapped.GetSize() && !bWrapped; k++)
                bWrapped = arrWrapped[k] == pBar;
            if (bWrapped && i == 0)
                moveAlong(rect, -(start(rect) + nBorderAlong));
            else if (start(rect) >= m_nLayoutLength - nBorderAlong && pItem->m_nIndex > 0
                     && m_arrBars[pItem->m_nIndex - 1] != NULL)
            {
                // nothing of it would show: a new row starts with it, and the rows are built anew
                m_arrBars.InsertAt(pItem->m_nIndex, (void*)NULL);
                arrWrapped.Add(pBar);
                CreateDockBarInfo(nID, CSize(0, 0));
                goto restart;
            }
            if (bLayout && (pItem->m_dwFlags & DLI_SPLITTERBEFORE))
            {
                if (rect != rectBar)
                    moveAlong(rect, UIL_DOCKSPLITTER_SIZE);
                if (bPlace)
                    InsertBarSpliter(nSpliter++, nLine, i, rect, FALSE);
            }
            nAlong = start(rect) + Along(size, bHorz) - nBorderAlong;
            if (bLayout && (pItem->m_dwFlags & DLI_SPLITTERAFTER))
            {
                if (bPlace)
                    InsertBarSpliter(nSpliter++, nLine, i, rect, TRUE);
                nAlong += UIL_DOCKSPLITTER_SIZE;
            }
            if (!m_bLayoutQuery && rect != rectBar)
            {
                m_bCheckSpliterOrder = TRUE;
                AfxRepositionWindow(&layout, pBar->m_hWnd, &rect);
                if (!pBar->IsFloating() && pBar->m_pDockContext != NULL)
                    pBar->m_pDockContext->m_rectMRUDockPos = rect;
            }
        }
        nAcross += nThickness - nBorderAcross;
        if (bLineSpliter && bLineAfter)
        {
            if (bPlace)
            {
                CRect rect = rectLine;
                InsertLineSpliter(nSpliter++, nLine, rect, TRUE);
            }
            nAcross += UIL_DOCKSPLITTER_SIZE;
        }
        if (bHorz)
            sizeFixed = CSize((std::max<int>)(sizeFixed.cx, nAlong), (std::max<int>)(sizeFixed.cy, nAcross));
        else
            sizeFixed = CSize((std::max<int>)(sizeFixed.cx, nAcross), (std::max<int>)(sizeFixed.cy, nAlong));
    }
    // a delayed show or hide takes effect in the same batch, as on the framework's dock bars (the
    // row record already took each bar as it will be)
    for (int nPos = 0; nPos < (int)m_arrBars.GetSize(); nPos++)
        if (CControlBar* pBar = GetDockedControlBar(nPos))
            pBar->RecalcDelayShow(&layout);
    if (layout.hDWP != NULL)
        ::EndDeferWindowPos(layout.hDWP);
    if (bPlace)
    {
        RemoveSplitersAfter(nSpliter);
        RaiseSpliters();
    }

    // the dock bar's own borders
    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, bHorz);
    if ((!bStretch || !bHorz) && sizeFixed.cx != 0)
        sizeFixed.cx += -rectInside.Width();
    if ((!bStretch || bHorz) && sizeFixed.cy != 0)
        sizeFixed.cy += -rectInside.Height();
    return sizeFixed;
}

int CUILDockBar::DeleteAllSpliters()
{
    RemoveSplitersAfter(0);
    return 1;
}

CDockBarSpliter* CUILDockBar::GetSpliterGrow(int i)
{
    if (i < 0)
        return NULL;
    while (GetSpliterCount() <= i)
        m_arrSpliters.Add(new CDockBarSpliter);
    return GetSpliter(i);
}

void CUILDockBar::RemoveSplitersAfter(int i)
{
    if (i < 0)
        i = 0;
    while (GetSpliterCount() > i)
    {
        CDockBarSpliter* pSpliter = GetSpliter(GetSpliterCount() - 1);
        if (pSpliter->GetSafeHwnd() != NULL)
        {
            pSpliter->DestroyWindow();
            m_nSpliterChanges++;
        }
        delete pSpliter;
        m_arrSpliters.RemoveAt(GetSpliterCount() - 1);
    }
}

namespace
{
// takes the bar's border on that side away (CBRS_BORDER_*) when the bar is a resizable one
void RemoveBorder(CUILDockBar* pDockBar, CControlBar* pBar, DWORD dwBorder)
{
    if (pBar != NULL && pDockBar->IsBarResizable(pBar))
        pBar->m_dwStyle &= ~dwBorder;
}
}

int CUILDockBar::PlaceSpliter(int nSpliter, DWORD dwKind, int nLine, int nItem, const CRect& rect)
{
    // the pool's splitter of that number is moved there, or made when the pool is short
    CDockBarSpliter* pSpliter = GetSpliterGrow(nSpliter);
    pSpliter->m_dwKind = dwKind;
    pSpliter->m_nLine = nLine;
    pSpliter->m_nItem = nItem;
    if (pSpliter->GetSafeHwnd() != NULL)
    {
        if (RectInParent(pSpliter) != rect)
        {
            m_bCheckSpliterOrder = TRUE;
            pSpliter->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
        }
    }
    else
    {
        CRect rectCreate = rect;
        if (!pSpliter->Create(this, rectCreate, 0))
            return 0;
        m_nSpliterChanges++;
        m_bCheckSpliterOrder = TRUE;
    }
    return 1;
}

void CUILDockBar::RaiseSpliters()
{
    // Only the drop indicator may stand above the splitters.  Raising each splitter on every
    // layout made the splitters trade places every time (each one moved the other down) and cost
    // a z-order change per splitter per layout; so the order is checked from the top first.
    // Walking the children costs a server round trip per child under Wine (about 20 us each), so
    // the walk runs only after something moved, was made or came in since the last one: a bar
    // and a splitter that both stand where the layout puts them never overlap, and then their
    // order shows nowhere.
    if (!m_bCheckSpliterOrder)
        return;
    m_bCheckSpliterOrder = FALSE;
    const HWND hIndicator = m_pIndicator != NULL ? m_pIndicator->GetSafeHwnd() : NULL;
    int nLive = 0;
    for (int i = 0; i < GetSpliterCount(); i++)
        if (GetSpliter(i)->GetSafeHwnd() != NULL)
            nLive++;
    int nOnTop = 0;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != NULL && nOnTop < nLive;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (hChild == hIndicator)
            continue;
        CWnd* pChild = CWnd::FromHandlePermanent(hChild);
        if (pChild == NULL || !pChild->IsKindOf(RUNTIME_CLASS(CDockBarSpliter)))
            break;
        nOnTop++;
    }
    if (nOnTop == nLive)
        return;
    for (int i = 0; i < GetSpliterCount(); i++)
        if (GetSpliter(i)->GetSafeHwnd() != NULL)
            GetSpliter(i)->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (hIndicator != NULL)
        m_pIndicator->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int CUILDockBar::InsertBarSpliter(int nSpliter, int nLine, int nItem, CRect& rect, int bAfter)
{
    SDockLine* pLine = m_info.GetLine(nLine);
    if (rect.IsRectEmpty() || pLine == NULL || pLine->GetItem(nItem) == NULL)
        return 0;
    const BOOL bHorz = IsHorzDockBar();
    CRect rectSpliter = rect;
    if (bAfter)
    {
        const int nSize = bHorz ? UIL_DOCKSPLITTER_SIZE : UIL_DOCKSPLITTER_SIZE - 1;
        if (bHorz)
            rectSpliter.SetRect(rect.right, rect.top, rect.right + nSize, rect.bottom);
        else
            rectSpliter.SetRect(rect.left, rect.bottom, rect.right, rect.bottom + nSize);
    }
    else if (bHorz)
        rectSpliter.SetRect(rect.left - 4, rect.top, rect.left, rect.bottom);
    else
        rectSpliter.SetRect(rect.left, rect.top - 4, rect.right, rect.top);

    // the bars next to the splitter lose the borders that face it
    const int nBefore = bAfter ? nItem : nItem - 1;
    const int nAfter = nBefore + 1;
    if (SDockLineItem* pItem = pLine->GetItem(nBefore))
        RemoveBorder(this, pItem->m_pBar, bHorz ? CBRS_BORDER_RIGHT : CBRS_BORDER_BOTTOM);
    if (SDockLineItem* pItem = pLine->GetItem(nAfter))
        RemoveBorder(this, pItem->m_pBar, bHorz ? CBRS_BORDER_LEFT : CBRS_BORDER_TOP);

    return PlaceSpliter(nSpliter, DBS_BAR | (bAfter ? DBS_AFTER : DBS_BEFORE), nLine, nItem, rectSpliter);
}

int CUILDockBar::InsertLineSpliter(int nSpliter, int nLine, CRect& rect, int bAfter)
{
    SDockLine* pLine = m_info.GetLine(nLine);
    if (rect.IsRectEmpty() || pLine == NULL)
        return 0;
    const BOOL bHorz = IsHorzDockBar();
    CRect rectSpliter;
    if (bAfter)
        rectSpliter = bHorz ? CRect(rect.left, rect.bottom, rect.right, rect.bottom + 4)
                            : CRect(rect.right, rect.top, rect.right + 4, rect.bottom);
    else
        rectSpliter = bHorz ? CRect(rect.left, rect.top - 5, rect.right, rect.top - 1)
                            : CRect(rect.left - 5, rect.top, rect.left - 1, rect.bottom);

    // the resizable bars of this row and of the row beyond the splitter lose the facing borders
    const DWORD dwNear = bHorz ? (bAfter ? CBRS_BORDER_BOTTOM : CBRS_BORDER_TOP)
                               : (bAfter ? CBRS_BORDER_RIGHT : CBRS_BORDER_LEFT);
    const DWORD dwFar = bHorz ? (bAfter ? CBRS_BORDER_TOP : CBRS_BORDER_BOTTOM)
                              : (bAfter ? CBRS_BORDER_LEFT : CBRS_BORDER_RIGHT);
    for (int i = 0; i < pLine->GetItemCount(); i++)
        RemoveBorder(this, pLine->GetItem(i)->m_pBar, dwNear);
    if (SDockLine* pNext = m_info.GetLine(bAfter ? nLine + 1 : nLine - 1))
        for (int i = 0; i < pNext->GetItemCount(); i++)
            RemoveBorder(this, pNext->GetItem(i)->m_pBar, dwFar);

    return PlaceSpliter(nSpliter, DBS_LINE | (bAfter ? DBS_AFTER : DBS_BEFORE), nLine, 0, rectSpliter);
}

int CUILDockBar::ApplyLineHeight(int nLine, AFX_SIZEPARENTPARAMS* pLayout)
{
    SDockLine* pLine = m_info.GetLine(nLine);
    if (pLine == NULL)
        return 0;
    const BOOL bHorz = IsHorzDockBar();
    for (int i = 0; i < pLine->GetItemCount(); i++)
    {
        SDockLineItem* pItem = pLine->GetItem(i);
        if (!(pItem->m_dwFlags & DLI_RESIZABLE))
            continue;
        CRect rect = RectInParent(pItem->m_pBar);
        if (bHorz)
            rect.bottom = rect.top + pLine->m_nThickness;
        else
            rect.right = rect.left + pLine->m_nThickness;
        if (pLayout != NULL)
            AfxRepositionWindow(pLayout, pItem->m_pBar->m_hWnd, &rect);
        else
            pItem->m_pBar->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return 1;
}

int CUILDockBar::FindLine(CControlBar* pBar, int* pnItem) const
{
    for (int nLine = 0; nLine < m_info.GetLineCount(); nLine++)
    {
        SDockLine* pLine = m_info.GetLine(nLine);
        for (int i = 0; i < pLine->GetItemCount(); i++)
            if (pLine->GetItem(i)->m_pBar == pBar)
            {
                if (pnItem != NULL)
                    *pnItem = i;
                return nLine;
            }
    }
    return -1;
}

void CUILDockBar::MoveBarEdge(HDWP& hDWP, CControlBar* pBar, int nEdge, int nDelta)
{
    // nEdge: 0 left, 1 top, 2 right, 3 bottom
    CRect rect = RectInParent(pBar);
    switch (nEdge)
    {
    case 0: rect.left += nDelta; break;
    case 1: rect.top += nDelta; break;
    case 2: rect.right += nDelta; break;
    default: rect.bottom += nDelta; break;
    }
    if (hDWP != NULL)
        hDWP = ::DeferWindowPos(hDWP, pBar->m_hWnd, NULL, rect.left, rect.top, rect.Width(), rect.Height(),
            SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CUILDockBar::OnDragSplit(WPARAM, LPARAM)
{
    return 1;
}

LRESULT CUILDockBar::OnEndSplit(WPARAM wParam, LPARAM)
{
    CDockBarSpliter* pSpliter = NULL;
    for (int i = 0; i < GetSpliterCount() && pSpliter == NULL; i++)
        if (GetSpliter(i)->GetSafeHwnd() == (HWND)wParam && wParam != 0)
            pSpliter = GetSpliter(i);
    if (pSpliter == NULL)
        return 0;
    SDockLine* pLine = m_info.GetLine(pSpliter->m_nLine);
    if (pLine == NULL)
        return 0;
    const BOOL bHorz = IsHorzDockBar();
    const int dx = pSpliter->m_dx, dy = pSpliter->m_dy;
    const int nDelta = bHorz ? dx : dy;
    HDWP hDWP = m_bLayoutQuery ? NULL : ::BeginDeferWindowPos(8);
    BOOL bChanged = FALSE;
    if (pSpliter->m_dwKind & DBS_BAR)
    {
        int nFirst = -1, nSecond = -1;
        const int nSplit = (pSpliter->m_dwKind & DBS_AFTER) ? pSpliter->m_nItem + 1 : pSpliter->m_nItem;
        for (int i = nSplit - 1; i >= 0 && nFirst < 0; i--)
            if (pLine->GetItem(i)->m_dwFlags & DLI_RESIZABLE)
                nFirst = i;
        for (int i = nSplit; i < pLine->GetItemCount() && nSecond < 0; i++)
            if (pLine->GetItem(i)->m_dwFlags & DLI_RESIZABLE)
                nSecond = i;
        if (nFirst >= 0 && nSecond >= 0 && nDelta != 0)
        {
            MoveBarEdge(hDWP, pLine->GetItem(nFirst)->m_pBar, bHorz ? 2 : 3, nDelta);
            MoveBarEdge(hDWP, pLine->GetItem(nSecond)->m_pBar, bHorz ? 0 : 1, nDelta);
            bChanged = TRUE;
        }
    }
    else
    {
        // across the dock bar: the row before the splitter gains what the row after it loses
        const int nAcross = bHorz ? dy : dx;
        const int nBefore = (pSpliter->m_dwKind & DBS_AFTER) ? pSpliter->m_nLine : pSpliter->m_nLine - 1;
        AFX_SIZEPARENTPARAMS layout;
        memset(&layout, 0, sizeof(layout));
        layout.hDWP = hDWP;
        if (nAcross != 0)
        {
            if (SDockLine* p = m_info.GetLine(nBefore))
            {
                p->m_nThickness += nAcross;
                ApplyLineHeight(nBefore, hDWP != NULL ? &layout : NULL);
            }
            if (SDockLine* p = m_info.GetLine(nBefore + 1))
            {
                p->m_nThickness -= nAcross;
                ApplyLineHeight(nBefore + 1, hDWP != NULL ? &layout : NULL);
            }
            bChanged = TRUE;
        }
        hDWP = layout.hDWP;
    }
    if (bChanged && hDWP != NULL)
    {
        CRect rect = RectInParent(pSpliter);
        rect.OffsetRect(dx, dy);
        hDWP = ::DeferWindowPos(hDWP, pSpliter->m_hWnd, NULL, rect.left, rect.top, rect.Width(), rect.Height(),
            SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (hDWP != NULL)
        ::EndDeferWindowPos(hDWP);
    if (bChanged)
    {
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL)
            pFrame->RecalcLayout(TRUE);
    }
    return 0;
}

LRESULT CUILDockBar::OnSpaceRedistribution(WPARAM wParam, LPARAM lParam)
{
    CControlBar* pAsker = (CControlBar*)wParam;
    int nItem = -1;
    const int nLine = pAsker != NULL ? FindLine(pAsker, &nItem) : -1;
    SDockLine* pLine = m_info.GetLine(nLine);
    if (pLine == NULL)
        return 0;
    const BOOL bHorz = IsHorzDockBar();
    const DWORD dwState = (DWORD)lParam;
    const int nFree = GetLineFreeLength(nLine);
    HDWP hDWP = m_bLayoutQuery ? NULL : ::BeginDeferWindowPos(pLine->GetItemCount() + 1);
    AFX_SIZEPARENTPARAMS layout;
    memset(&layout, 0, sizeof(layout));
    layout.hDWP = hDWP;

    auto setSize = [&](CControlBar* pBar, int nAlong, int nAcross)
    {
        CRect rect = RectInParent(pBar);
        if (nAlong >= 0)
            (bHorz ? rect.right : rect.bottom) = (bHorz ? rect.left : rect.top) + nAlong;
        if (nAcross >= 0)
            (bHorz ? rect.bottom : rect.right) = (bHorz ? rect.top : rect.left) + nAcross;
        if (layout.hDWP != NULL)
            AfxRepositionWindow(&layout, pBar->m_hWnd, &rect);
    };
    // a packet whose active window is a bar keeps its own usable size
    auto packetLength = [&](CControlBar* pBar) -> int
    {
        CWndPacket* pPacket = NULL;
        for (CWnd* pChild = pBar->GetWindow(GW_CHILD); pChild != NULL && pPacket == NULL;
             pChild = pChild->GetWindow(GW_HWNDNEXT))
            if (pChild->IsKindOf(RUNTIME_CLASS(CWndPacket)))
                pPacket = (CWndPacket*)pChild;
        if (pPacket == NULL || pPacket->GetActiveWnd() == NULL
            || !pPacket->GetActiveWnd()->IsKindOf(RUNTIME_CLASS(CControlBar)))
            return -1;
        return Along(pPacket->GetMinSize(), bHorz) + 6 + 20;
    };
    auto shareEqually = [&]()
    {
        int nLeft = nFree, nOthers = 0;
        for (int i = 0; i < pLine->GetItemCount(); i++)
        {
            SDockLineItem* pItem = pLine->GetItem(i);
            if (!(pItem->m_dwFlags & DLI_RESIZABLE))
                continue;
            const int nOwn = packetLength(pItem->m_pBar);
            if (nOwn >= 0)
            {
                setSize(pItem->m_pBar, nOwn, -1);
                nLeft -= nOwn;
            }
            else
                nOthers++;
        }
        for (int i = 0; i < pLine->GetItemCount() && nOthers > 0; i++)
        {
            SDockLineItem* pItem = pLine->GetItem(i);
            if ((pItem->m_dwFlags & DLI_RESIZABLE) && packetLength(pItem->m_pBar) < 0)
                setSize(pItem->m_pBar, nLeft / nOthers, -1);
        }
    };

    if ((bHorz && (dwState & 32)) || (!bHorz && (dwState & 16)))
    {
        const int nCollapsed = GetLineCollapsedThickness(nLine);
        for (int i = 0; i < pLine->GetItemCount(); i++)
            if (pLine->GetItem(i)->m_dwFlags & DLI_RESIZABLE)
                setSize(pLine->GetItem(i)->m_pBar, -1, nCollapsed);
    }
    else if (dwState & 1)
    {
        if (dwState & 256)
            shareEqually();
        else
        {
            pLine->m_nThickness = Across(WindowSize(pAsker), bHorz);
            ApplyLineHeight(nLine, layout.hDWP != NULL ? &layout : NULL);
        }
    }
    else if ((bHorz && (dwState & 64)) || (!bHorz && (dwState & 128)))
    {
        if (packetLength(pAsker) >= 0)
            shareEqually();
        else
        {
            int nOthersLength = 0;
            for (int i = 0; i < pLine->GetItemCount(); i++)
            {
                SDockLineItem* pItem = pLine->GetItem(i);
                if (!(pItem->m_dwFlags & DLI_RESIZABLE))
                    continue;
                if (pItem->m_pBar != pAsker)
                {
                    const int nMin = Along(MinTrackSize(pItem->m_pBar), bHorz);
                    setSize(pItem->m_pBar, nMin, -1);
                    nOthersLength += nMin;
                }
            }
            setSize(pAsker, nFree - nOthersLength - 20 * pLine->m_nRszBars, -1);
        }
    }
    if (layout.hDWP != NULL)
        ::EndDeferWindowPos(layout.hDWP);
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->RecalcLayout(TRUE);
    return 0;
}

LRESULT CUILDockBar::OnGetNeibors(WPARAM wParam, LPARAM lParam)
{
    CDWordArray* pArray = (CDWordArray*)lParam;
    CControlBar* pAsker = (CControlBar*)wParam;
    if (pAsker == NULL)
        return 0;
    // the row record lives between layouts; a bar docked since then is found by a fresh one
    if (FindLine(pAsker) < 0)
        CreateDockBarInfo(GetDlgCtrlID(), CSize(0, 0));
    SDockLine* pLine = m_info.GetLine(FindLine(pAsker));
    if (pLine == NULL)
        return 0;
    for (int i = 0; i < pLine->GetItemCount() && pArray != NULL; i++)
        pArray->Add((DWORD)(DWORD_PTR)pLine->GetItem(i)->m_pBar->GetSafeHwnd());
    return pLine->GetItemCount();
}

/////////////////////////////////////////////////////////////////////////////
// Indicator, background, bar menu

int CUILDockBar::SetIndicator(CWnd* pWnd, DWORD dwAlign)
{
    if (m_pIndicator != NULL && m_pIndicator != pWnd && m_pIndicator->GetSafeHwnd() != NULL)
        m_pIndicator->DestroyWindow();
    m_pIndicator = pWnd;
    m_dwIndicatorAlign = dwAlign;
    m_bCheckSpliterOrder = TRUE;
    if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
    {
        pWnd->SetParent(this);
        PlaceIndicator();
    }
    return 1;
}

void CUILDockBar::PlaceIndicator()
{
    if (m_pIndicator == NULL || m_pIndicator->GetSafeHwnd() == NULL)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    const CSize size = WindowSize(m_pIndicator);
    CPoint pt(1, 1);
    if (m_dwIndicatorAlign & CBRS_ALIGN_RIGHT)
        pt.x = rectClient.right - 1 - size.cx;
    if (m_dwIndicatorAlign & CBRS_ALIGN_BOTTOM)
        pt.y = rectClient.bottom - 1 - size.cy;
    m_pIndicator->SetWindowPos(NULL, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CUILDockBar::OnSize(UINT nType, int cx, int cy)
{
    CDockBar::OnSize(nType, cx, cy);
    if (m_pIndicator == NULL || m_pIndicator->GetSafeHwnd() == NULL)
        return;
    const int nSide = cy - 2;
    if (nSide <= 0 || nSide > cx - 2)
    {
        m_pIndicator->ShowWindow(SW_HIDE);
        return;
    }
    m_pIndicator->SetWindowPos(NULL, 0, 0, nSide, nSide, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PlaceIndicator();
    m_bCheckSpliterOrder = TRUE;
    CWnd* pTop = GetWindow(GW_CHILD);
    m_pIndicator->SetWindowPos(pTop != m_pIndicator ? pTop : &CWnd::wndTop, 0, 0, 0, 0,
        SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

BOOL CUILDockBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(rect, GetMainWndSysColor(COLOR_BTNFACE, 8));
    return TRUE;
}

void CUILDockBar::OnNcDestroy()
{
    if (m_wndBarList.GetSafeHwnd() != NULL)
        m_wndBarList.DestroyWindow();
    DeleteAllSpliters();
    CDockBar::OnNcDestroy();
}

void CUILDockBar::OnRButtonDown(UINT, CPoint point)
{
    ClientToScreen(&point);
    ShowBarMenu(point);
}

namespace
{
const UINT nBarListID = 12345;
const UINT nFirstWindowEntry = 100;
const UINT nFirstGroupEntry = 300;
}

void CUILDockBar::ShowBarMenu(CPoint ptScreen)
{
    if (m_wndBarList.GetSafeHwnd() == NULL
        && !m_wndBarList.Create(LBS_SORT | LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_CHILD, CRect(0, 0, 0, 0),
               this, nBarListID))
        return;
    m_wndBarList.ResetContent();
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == NULL)
        return;
    if (pFrame->SendMessage(WM_FILL_TOOLBAR_LISTBOX, (WPARAM)&m_wndBarList, 16) == 0)
    {
        for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != NULL;)
        {
            CControlBar* pBar = (CControlBar*)pFrame->m_listControlBars.GetNext(pos);
            if (pBar == NULL || pBar->IsDockBar() || pBar->IsKindOf(RUNTIME_CLASS(CStatusBar))
                || pBar->IsKindOf(RUNTIME_CLASS(CUILInspectorBar)) || pBar->IsKindOf(RUNTIME_CLASS(CDockWnd)))
                continue;
            CString strText;
            pBar->GetWindowText(strText);
            const int nIndex = m_wndBarList.AddString(strText);
            if (nIndex >= 0)
                m_wndBarList.SetItemDataPtr(nIndex, (void*)pBar->GetSafeHwnd());
        }
    }
    const int nCount = m_wndBarList.GetCount();
    CMenu menu;
    if (nCount <= 0 || !menu.CreatePopupMenu())
    {
        m_wndBarList.DestroyWindow();
        return;
    }
    BOOL bFirstGroup = TRUE;
    for (int i = 0; i < nCount; i++)
    {
        CString strText;
        m_wndBarList.GetText(i, strText);
        UINT nFlags = MF_STRING;
        if (i == nCount / 2 && i > 0)
            nFlags |= MF_MENUBARBREAK;
        if (!strText.IsEmpty() && strText[0] == '^')
        {
            const BOOL bChecked = strText.GetLength() > 1 && strText[strText.GetLength() - 1] == '^';
            // the label is the text without its marks; a lead byte keeps its trail byte
            CString strLabel;
            for (int k = 0; k < strText.GetLength(); k++)
            {
                const char ch = strText[k];
                if (::IsDBCSLeadByte((BYTE)ch) && k + 1 < strText.GetLength())
                {
                    strLabel += ch;
                    strLabel += strText[++k];
                }
                else if (ch != '^')
                    strLabel += ch;
            }
            if (bFirstGroup && i > 0)
                nFlags |= MF_MENUBARBREAK;
            bFirstGroup = FALSE;
            menu.AppendMenu(nFlags | (bChecked ? MF_CHECKED : 0), nFirstGroupEntry + i, strLabel);
        }
        else
        {
            HWND hWnd = (HWND)m_wndBarList.GetItemDataPtr(i);
            const BOOL bVisible = hWnd != NULL && ::IsWindow(hWnd) && ::IsWindowVisible(hWnd);
            menu.AppendMenu(nFlags | (bVisible ? MF_CHECKED : 0), nFirstWindowEntry + i, strText);
        }
    }
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, this);
    // the command arrives through OnCommand, which needs the list; it goes there
}

BOOL CUILDockBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    if (lParam != 0 || m_wndBarList.GetSafeHwnd() == NULL || nID < nFirstWindowEntry)
        return CDockBar::OnCommand(wParam, lParam);
    CFrameWnd* pFrame = GetParentFrame();
    if (nID >= nFirstGroupEntry)
    {
        const int nEntry = (int)(nID - nFirstGroupEntry);
        if (pFrame != NULL && nEntry < m_wndBarList.GetCount())
            pFrame->PostMessage(WM_CUSTOMBAR_SELECTED, (WPARAM)m_wndBarList.GetItemData(nEntry), 0);
    }
    else
    {
        const int nEntry = (int)(nID - nFirstWindowEntry);
        HWND hWnd = nEntry < m_wndBarList.GetCount() ? (HWND)m_wndBarList.GetItemDataPtr(nEntry) : NULL;
        CWnd* pWnd = hWnd != NULL && ::IsWindow(hWnd) ? CWnd::FromHandlePermanent(hWnd) : NULL;
        CWndPacket* pPacket = pWnd != NULL ? FindParentWndPacket(pWnd->GetParent()) : NULL;
        if (pPacket != NULL)
        {
            pPacket->ActivateWnd(pPacket->FindWnd(pWnd));
            if (CToolPalettes* pManager = GetPalettesManager())
                pManager->MakeWndPacketVisible(pPacket);
        }
        else if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CControlBar)) && pFrame != NULL)
            pFrame->ShowControlBar((CControlBar*)pWnd, !pWnd->IsWindowVisible(), FALSE);
    }
    m_wndBarList.DestroyWindow();
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Detaching

int CUILDockBar::DetachControlBar(CControlBar* pBar, CWnd* pNewParent, int nPosExclude, int nAddPlaceHolder)
{
    return DetachControlBarEx(this, pBar, pNewParent, nPosExclude, nAddPlaceHolder);
}

int DetachControlBarEx(CDockBar* pDockBar, CControlBar* pBar, CWnd* pNewParent, int nPosExclude,
    int nAddPlaceHolder)
{
    if (pDockBar == NULL || pBar == NULL)
        return 0;
    const int nPos = pDockBar->FindBar(pBar, nPosExclude);
    if (nPos < 0)
        return 0;
    CPtrArray& arr = pDockBar->m_arrBars;
    BOOL bRemoved = FALSE;
    if (nAddPlaceHolder == 1)
    {
        void* pPlaceHolder = (void*)(UINT_PTR)LOWORD(pBar->GetDlgCtrlID());
        arr[nPos] = pPlaceHolder;
        for (int i = 0; i < (int)arr.GetSize(); i++)
            if (i != nPos && arr[i] == pPlaceHolder)
            {
                arr.RemoveAt(nPos);
                bRemoved = TRUE;
                break;
            }
    }
    else
    {
        arr.RemoveAt(nPos);
        bRemoved = TRUE;
        if (nAddPlaceHolder != -1)
            pDockBar->RemovePlaceHolder(pBar);
    }
    // no empty row: two row ends in a row become one
    if (bRemoved && nPos > 0 && nPos < (int)arr.GetSize() && arr[nPos - 1] == NULL && arr[nPos] == NULL)
        arr.RemoveAt(nPos);

    if (pBar->m_pDockContext == NULL)
        return 0;
    CFrameWnd* pFrame = pDockBar->GetParentFrame();
    if (pDockBar->m_bFloating && pDockBar->GetDockedVisibleCount() == 0)
    {
        if (pDockBar->GetDockedCount() != 0)
        {
            if (pFrame != NULL)
                pFrame->ShowWindow(SW_HIDE);
            return 0;
        }
        pBar->ShowWindow(SW_HIDE);
        if (pNewParent != NULL)
        {
            pBar->SetParent(pNewParent);
            pBar->m_pDockBar = NULL;
        }
        if (pFrame != NULL)
            pFrame->DestroyWindow();
        return 1;
    }
    if (pFrame != NULL)
        pFrame->DelayRecalcLayout();
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// CUILMainFrame

IMPLEMENT_DYNCREATE(CUILMainFrame, CFrameWnd)

CUILMainFrame::CUILMainFrame()
{
}

CUILMainFrame::~CUILMainFrame()
{
}

void CUILMainFrame::EnableDocking(DWORD dwDockStyle)
{
    static const struct { UINT nID; DWORD dwStyle; } sides[4] =
    {
        { AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM },
        { AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP },
        { AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT },
        { AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT },
    };
    m_pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
    for (int i = 0; i < 4; i++)
    {
        if (!(sides[i].dwStyle & dwDockStyle & CBRS_ALIGN_ANY) || GetControlBar(sides[i].nID) != NULL)
            continue;
        CUILDockBar* pDockBar = new CUILDockBar;
        if (!pDockBar->Create(this, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | sides[i].dwStyle,
                sides[i].nID))
        {
            delete pDockBar;
            AfxThrowResourceException();
        }
        pDockBar->m_bAutoDelete = TRUE;
    }
}
