// UILToolBarLayout.cpp - CUILToolBar: button sizes, wrapping into rows, sizing to a length,
// the fixed and dynamic layouts docked and floating, placing the items, and the band strip that
// scrolls a docked bar too short for its items.
//
// Cost: a layout pass copies every item once (no measuring) and wraps them a logarithmic number
// of times; nothing here draws or asks the control for more than its button records.
#include "UILToolBar.h"
#include "../docking/UILMiniDockFrameWnd.h"
#include <afxpriv.h>
#include <algorithm>

namespace
{
// the band state bits of the four sides and of the two scroll directions
const UINT nBandTop = UIL_BANDSTATE_TOP;
const UINT nBandLeft = UIL_BANDSTATE_LEFT;
const UINT nBandRight = UIL_BANDSTATE_RIGHT;
const UINT nBandBottom = UIL_BANDSTATE_BOTTOM;
const UINT nBandCanBack = UIL_BANDSTATE_DOCKABLE;     // enables the scroll-back button (kind 8)
const UINT nBandCanForward = UIL_BANDSTATE_ENABLE2;   // enables the scroll-forward button (kind 24)
// a band strip is this thick; the gripper after it takes the rest of the band room
const int cxBandStrip = 22;
// height a wrapping separator adds between rows
const int cyWrapGap = 5;
// items stand this far below the client top
const int cyItemTop = 2;

BOOL IsPlainSeparator(const CUILItem* pItem)
{
    return (pItem->m_fsStyle & TBSTYLE_SEP) != 0 && pItem->m_idCommand == 0;
}

void PlaceRects(CUILItem* pItem, int x, int y)
{
    pItem->OffsetRects(x - pItem->m_rcItem.left, y - pItem->m_rcItem.top);
}
}

UINT CUILToolBar::GetDockBarID() const
{
    if (m_pDockBar == NULL || (m_dwStyle & CBRS_FLOATING))
        return 0;
    return m_pDockBar->GetDlgCtrlID();
}

BOOL CUILToolBar::IsDockedHorz() const
{
    const UINT nID = GetDockBarID();
    return nID == AFX_IDW_DOCKBAR_TOP || nID == AFX_IDW_DOCKBAR_BOTTOM;
}

BOOL CUILToolBar::IsDockedVert() const
{
    const UINT nID = GetDockBarID();
    return nID == AFX_IDW_DOCKBAR_LEFT || nID == AFX_IDW_DOCKBAR_RIGHT;
}

CSize CUILToolBar::GetButtonSize(int nIndex, DWORD nMode)
{
    CUILItem* pItem = _GetButtonPtr(nIndex);
    if (m_nBarStyle == 0 || pItem == NULL)
        return m_sizeButton;
    BOOL bTurned;
    if (nMode != 0)
        bTurned = (nMode & CBRS_ORIENT_VERT) != 0;
    else
        bTurned = (m_dwStyle & CBRS_ORIENT_VERT) != 0;
    CRect rect;
    pItem->GetRect(&rect, bTurned ? UILRECT_TURNED : 0);
    return rect.Size();
}

/////////////////////////////////////////////////////////////////////////////
// Wrapping and sizing

int CUILToolBar::WrapToolBar(CUILItem** pData, int nCount, int nWidth)
{
    int nRows = 0;
    int x = 0;
    const DWORD nMode = nWidth != 0 ? 0 : CBRS_ORIENT_VERT;
    for (int i = 0; i < nCount; i++)
    {
        pData[i]->m_fsState &= ~TBSTATE_WRAP;
        if (pData[i]->m_fsState & TBSTATE_HIDDEN)
            continue;
        const int dx = (pData[i]->m_fsStyle & TBSTYLE_SEP) ? pData[i]->m_iBitmap : GetButtonSize(i, nMode).cx;
        if (x + dx <= nWidth)
        {
            x += dx;
            continue;
        }
        // the row ends at the last visible plain separator of the row ...
        BOOL bFound = FALSE;
        for (int j = i; j >= 0 && !(pData[j]->m_fsState & TBSTATE_WRAP); j--)
        {
            if (IsPlainSeparator(pData[j]) && !(pData[j]->m_fsState & TBSTATE_HIDDEN))
            {
                pData[j]->m_fsState |= TBSTATE_WRAP;
                i = j;
                x = 0;
                nRows++;
                bFound = TRUE;
                break;
            }
        }
        if (bFound)
            continue;
        // ... else after the last item before this one that may end a row
        for (int j = i - 1; j >= 0 && !(pData[j]->m_fsState & TBSTATE_WRAP); j--)
        {
            if ((pData[j]->m_fsState & TBSTATE_HIDDEN) || pData[j]->IsControl())
                continue;
            pData[j]->m_fsState |= TBSTATE_WRAP;
            i = j;
            x = 0;
            nRows++;
            bFound = TRUE;
            break;
        }
        if (!bFound)
            x += dx;
    }
    return nRows + 1;
}

void CUILToolBar::SizeToolBar(CUILItem** pData, int nCount, int nLength, int bVert)
{
    if (!bVert)
    {
        // the narrowest width that needs no more rows than nLength does
        int nMin = 0, nMax = nLength;
        const int nTarget = WrapToolBar(pData, nCount, nMax);
        int nCurrent = WrapToolBar(pData, nCount, nMin);
        if (nCurrent != nTarget)
        {
            while (nMin < nMax)
            {
                const int nMid = (nMin + nMax) / 2;
                nCurrent = WrapToolBar(pData, nCount, nMid);
                if (nCurrent == nTarget)
                    nMax = nMid;
                else
                {
                    if (nMin == nMid)
                    {
                        WrapToolBar(pData, nCount, nMax);
                        break;
                    }
                    nMin = nMid;
                }
            }
        }
        CSize size = CalcSize(pData, nCount);
        WrapToolBar(pData, nCount, size.cx);
        return;
    }
    // the width whose wrapping comes nearest to the height nLength
    WrapToolBar(pData, nCount, 0);
    CSize sizeMin = CalcSize(pData, nCount);
    WrapToolBar(pData, nCount, 32767);
    CSize sizeMax = CalcSize(pData, nCount);
    while (sizeMin.cx < sizeMax.cx)
    {
        const int cxMid = (sizeMin.cx + sizeMax.cx) / 2;
        WrapToolBar(pData, nCount, cxMid);
        const CSize sizeMid = CalcSize(pData, nCount);
        if (nLength < sizeMid.cy)
        {
            if (sizeMin == sizeMid)
            {
                WrapToolBar(pData, nCount, sizeMax.cx);
                return;
            }
            sizeMin = sizeMid;
        }
        else if (nLength > sizeMid.cy)
        {
            if (sizeMax == sizeMid)
            {
                WrapToolBar(pData, nCount, sizeMin.cx);
                return;
            }
            sizeMax = sizeMid;
        }
        else
            return;
    }
}

CSize CUILToolBar::CalcSize(CUILItem** pData, int nCount)
{
    const BOOL bDocked = GetDockBarID() != 0;
    return CalcSizeTotal(pData, nCount, bDocked, IsDockedHorz());
}

CSize CUILToolBar::CalcSizeTotal(CUILItem** pData, int nCount, BOOL bDocked, BOOL bHorzDock)
{
    // the band room of a docked bar comes before its first item
    CPoint ptStart(0, 0);
    CSize sizeResult(m_sizeButton.cx + 2, m_sizeButton.cy + 2);
    if (bDocked)
    {
        if (bHorzDock)
        {
            ptStart.x = UIL_TOOLBAR_BANDROOM;
            sizeResult.cx += UIL_TOOLBAR_BANDROOM;
        }
        else
        {
            ptStart.y = UIL_TOOLBAR_BANDROOM;
            sizeResult.cy += UIL_TOOLBAR_BANDROOM;
        }
    }
    CPoint cur = ptStart;
    for (int i = 0; i < nCount; i++)
    {
        CUILItem* pItem = pData[i];
        if (pItem->m_fsState & TBSTATE_HIDDEN)
            continue;
        const BOOL bSep = (pItem->m_fsStyle & TBSTYLE_SEP) != 0;
        const BOOL bWrap = (pItem->m_fsState & TBSTATE_WRAP) != 0;
        const CSize size = bSep ? CSize(pItem->m_iBitmap, m_sizeButton.cy) : GetButtonSize(i, 0);
        if (!bSep)
        {
            sizeResult.cx = std::max(sizeResult.cx, (LONG)(cur.x + size.cx));
            sizeResult.cy = std::max(sizeResult.cy, (LONG)(cur.y + size.cy));
        }
        else if (!bWrap)
        {
            sizeResult.cx = std::max(sizeResult.cx, (LONG)(cur.x + pItem->m_iBitmap));
            if (pItem->IsControl())
                sizeResult.cy = std::max(sizeResult.cy, (LONG)(cur.y + m_sizeButton.cy));
        }
        else if (pItem->IsSeparator() && i != nCount - 1)
            sizeResult.cy = std::max(sizeResult.cy, (LONG)(cur.y + m_sizeButton.cy + cyWrapGap));

        if (!bSep)
            cur.x += size.cx;
        else if (!(bWrap && pItem->IsSeparator()))
            cur.x += pItem->m_iBitmap;

        if (bWrap)
        {
            cur.x = ptStart.x;
            cur.y = sizeResult.cy;
        }
    }
    return sizeResult;
}

/////////////////////////////////////////////////////////////////////////////
// Layouts

CSize CUILToolBar::CalcLayout(DWORD dwMode, int nLength)
{
    CSize sizeResult(0, 0);
    m_nButtons = m_hWnd != NULL ? (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0) : 0;
    const int nCount = m_nButtons;
    if (nCount > 0)
    {
        CUILItem** pData = new CUILItem*[nCount];
        int nMade = 0;
        for (; nMade < nCount; nMade++)
            if ((pData[nMade] = _GetButtonCopy(nMade)) == NULL)
                break;
        if (nMade == nCount)
        {
            if (!(m_dwStyle & CBRS_SIZE_FIXED))
            {
                const BOOL bDynamic = (m_dwStyle & CBRS_SIZE_DYNAMIC) != 0;
                if (bDynamic && (dwMode & LM_MRUWIDTH))
                    SizeToolBar(pData, nCount, (int)m_nMRUWidth);
                else if (bDynamic && (dwMode & LM_HORZDOCK))
                    SizeToolBar(pData, nCount, 32767);
                else if (bDynamic && (dwMode & LM_VERTDOCK))
                    SizeToolBar(pData, nCount, 0);
                else if (bDynamic && nLength != -1)
                {
                    CRect rect;
                    rect.SetRectEmpty();
                    CalcInsideRect(rect, (dwMode & LM_HORZ) != 0);
                    const BOOL bVert = (dwMode & LM_LENGTHY) != 0;
                    SizeToolBar(pData, nCount, nLength + (bVert ? rect.Height() : rect.Width()), bVert);
                }
                else if (bDynamic && (m_dwStyle & CBRS_FLOATING))
                    SizeToolBar(pData, nCount, (int)m_nMRUWidth);
                else
                    SizeToolBar(pData, nCount, (dwMode & LM_HORZ) ? 32767 : 0);
            }
            if (m_nBarStyle != 0)
                RepositionItems(pData, nCount, NULL);
            sizeResult = CalcSize(pData, nCount);

            if (dwMode & LM_COMMIT)
            {
                const int bDelayed = m_bDelayedButtonLayout;
                m_bDelayedButtonLayout = 0;
                if ((m_dwStyle & CBRS_FLOATING) && (m_dwStyle & CBRS_SIZE_DYNAMIC))
                    m_nMRUWidth = (UINT)sizeResult.cx;
                for (int i = 0; i < nCount; i++)
                {
                    CUILItem* pOwn = _GetButtonPtr(i);
                    const CPoint ptOld = pOwn != NULL ? CPoint(pOwn->m_rcItem.left, pOwn->m_rcItem.top) : CPoint(0, 0);
                    _SetButton(i, pData[i]);
                    // an embedded control moves as far as its item did
                    if (pOwn != NULL && pOwn->m_hWndControl != NULL && ::IsWindow(pOwn->m_hWndControl))
                    {
                        const CSize delta(pOwn->m_rcItem.left - ptOld.x, pOwn->m_rcItem.top - ptOld.y);
                        if (delta != CSize(0, 0))
                        {
                            CRect rect;
                            ::GetWindowRect(pOwn->m_hWndControl, &rect);
                            ::MapWindowPoints(NULL, ::GetParent(pOwn->m_hWndControl), (POINT*)&rect, 2);
                            ::SetWindowPos(pOwn->m_hWndControl, NULL, rect.left + delta.cx, rect.top + delta.cy, 0, 0,
                                SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                        }
                    }
                }
                m_bDelayedButtonLayout = bDelayed;
            }
        }
        for (int i = 0; i < nMade; i++)
            delete pData[i];
        delete[] pData;
    }
    else
        sizeResult = CalcSize(NULL, 0);     // an empty bar keeps the size of one button

    CRect rect;
    rect.SetRectEmpty();
    CalcInsideRect(rect, (dwMode & LM_HORZ) != 0);
    sizeResult.cy -= rect.Height();
    sizeResult.cx -= rect.Width();
    const CSize size = CControlBar::CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
    sizeResult.cx = std::max(sizeResult.cx, size.cx);
    sizeResult.cy = std::max(sizeResult.cy, size.cy);
    return sizeResult;
}

CSize CUILToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0));
}

CSize CUILToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (nLength == -1 && !(dwMode & (LM_MRUWIDTH | LM_COMMIT)) && (dwMode & (LM_HORZDOCK | LM_VERTDOCK)))
        return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZDOCK) != 0);
    return CalcLayout(dwMode, nLength);
}

void CUILToolBar::RepositionItems(CUILItem** pData, int nCount, CPoint* pOffset)
{
    CPoint ptOrigin(0, 0);
    if (GetDockBarID() != 0)
    {
        if (IsDockedHorz())
            ptOrigin.x -= m_nScrollOffset;
        else
            ptOrigin.y -= m_nScrollOffset;
    }
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0 || (m_dwStyle & CBRS_ORIENT_ANY) == 0;
    const BOOL bOwn = pData == (CUILItem**)m_arrItems.GetData();
    int x = ptOrigin.x, y = ptOrigin.y, yRowBottom = ptOrigin.y;
    for (int i = 0; i < nCount; i++)
    {
        CUILItem* pItem = pData[i];
        if (bHorz)
            pItem->m_nExStyle &= ~UILIS_VERTICAL;
        else
            pItem->m_nExStyle |= UILIS_VERTICAL;
        if (pItem->m_fsState & TBSTATE_HIDDEN)
            continue;
        const int nx = x + (pOffset != NULL ? pOffset->x : 0);
        const int ny = y + cyItemTop + (pOffset != NULL ? pOffset->y : 0);
        // the bar's own items take their embedded windows along; copies only their rectangles
        if (bOwn)
            pItem->SetItemPos(nx, ny, 0, NULL);
        else
            PlaceRects(pItem, nx, ny);
        const BOOL bSep = (pItem->m_fsStyle & TBSTYLE_SEP) != 0;
        const CSize size = bSep ? CSize(pItem->m_iBitmap, m_sizeButton.cy) : GetButtonSize(i, 0);
        x += bSep ? pItem->m_iBitmap : size.cx;
        yRowBottom = std::max(yRowBottom, y + (int)size.cy);
        if (pItem->m_fsState & TBSTATE_WRAP)
        {
            x = ptOrigin.x;
            y = yRowBottom;
            if (pItem->IsSeparator())
                y += cyWrapGap;
            yRowBottom = y;
        }
    }
}

void CUILToolBar::RecalcItemRects(CPoint* pOffset)
{
    // the hidden and wrap bits are the control's
    for (int i = 0; i < GetItemCount(); i++)
    {
        TBBUTTON button;
        memset(&button, 0, sizeof(button));
        if (m_hWnd != NULL && DefWindowProc(TB_GETBUTTON, i, (LPARAM)&button))
        {
            CUILItem* pItem = _GetButtonPtr(i);
            pItem->m_fsState = (BYTE)((pItem->m_fsState & ~(TBSTATE_HIDDEN | TBSTATE_WRAP))
                | (button.fsState & (TBSTATE_HIDDEN | TBSTATE_WRAP)));
        }
    }
    RepositionItems((CUILItem**)m_arrItems.GetData(), GetItemCount(), pOffset);
}

int CUILToolBar::ParentFrameRecalcLayout()
{
    CFrameWnd* pFrame = GetParentFrameEx();
    if (pFrame == NULL)
        return 0;
    pFrame->RecalcLayout();
    return 1;
}

CFrameWnd* CUILToolBar::GetParentFrameEx()
{
    if (m_hWnd == NULL)
        return NULL;
    // a floating bar's frame is its mini frame; the layout that counts is the dock site's
    if (m_pDockSite != NULL && !(m_dwStyle & CBRS_FLOATING))
        return m_pDockSite;
    return GetParentFrame();
}

/////////////////////////////////////////////////////////////////////////////
// Band strip and scrolling

UINT CUILToolBar::CalcBandState()
{
    UINT nState = 0;
    switch (GetDockBarID())
    {
    case AFX_IDW_DOCKBAR_TOP: nState = nBandTop; break;
    case AFX_IDW_DOCKBAR_LEFT: nState = nBandLeft; break;
    case AFX_IDW_DOCKBAR_RIGHT: nState = nBandRight; break;
    case AFX_IDW_DOCKBAR_BOTTOM: nState = nBandBottom; break;
    default: return 0;
    }
    CRect rect;
    GetWindowRect(&rect);
    const BOOL bHorz = IsDockedHorz();
    const int nLimit = (bHorz ? rect.Width() - rect.Height() : rect.Height() - rect.Width()) - cxBandStrip;
    if (m_nScrollOffset < nLimit)
        nState |= nBandCanForward;
    if (m_nScrollOffset > 0)
        nState |= nBandCanBack;
    return nState;
}

void CUILToolBar::ScrollBand(int nDelta)
{
    CRect rect;
    GetWindowRect(&rect);
    const BOOL bHorz = IsDockedHorz();
    const int nLimit = (bHorz ? rect.Width() - rect.Height() : rect.Height() - rect.Width()) - cxBandStrip;
    int nOffset = m_nScrollOffset + nDelta;
    if (nDelta > 0 && nOffset > nLimit)
        nOffset = std::max(nLimit, m_nScrollOffset);
    if (nOffset < 0)
        nOffset = 0;
    m_nScrollOffset = nOffset;
    m_band.SetState(CalcBandState());
    RecalcItemRects(NULL);
    SendMessage(WM_NCPAINT);
    Invalidate();
}

void CUILToolBar::OnSysCommand(UINT nID, LPARAM lParam)
{
    switch (nID & 0xFFF0)
    {
    case UIL_SC_BANDFORWARD:
        ScrollBand(UIL_BANDSCROLL_FORWARD);
        return;
    case UIL_SC_BANDBACK:
        ScrollBand(-UIL_BANDSCROLL_BACK);
        return;
    }
    CUILControlBar::OnSysCommand(nID, lParam);
}

CRect CUILToolBar::GetBandStripRect() const
{
    CRect rect(0, 0, 0, 0);
    if (GetDockBarID() == 0 || m_hWnd == NULL)
        return rect;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    rectWindow.OffsetRect(-rectWindow.TopLeft());
    CRect rectInside = rectWindow;
    CRect rectBorders(0, 0, 0, 0);
    CalcInsideRect(rectBorders, IsDockedHorz());
    rectInside.left += rectBorders.left;
    rectInside.top += rectBorders.top;
    rectInside.right += rectBorders.right;
    rectInside.bottom += rectBorders.bottom;
    if (IsDockedHorz())
        rect.SetRect(rectInside.left, rectInside.top - 2, rectInside.left + cxBandStrip, rectInside.bottom);
    else
        rect.SetRect(rectInside.left, rectInside.top - 2, rectInside.right, rectInside.top - 2 + cxBandStrip);
    return rect;
}

void CUILToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect;
    rect.SetRectEmpty();
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    CalcInsideRect(rect, bHorz);
    // the items start two pixels below the client top, so the top border gives them room
    rect.top = std::max(0, (int)rect.top - cyItemTop);
    RECT& rc = lpncsp->rgrc[0];
    rc.left += rect.left;
    rc.top += rect.top;
    rc.right += rect.right;
    rc.bottom += rect.bottom;
    if (GetDockBarID() != 0)
    {
        if (IsDockedHorz())
            rc.left += UIL_TOOLBAR_BANDROOM;
        else
            rc.top += UIL_TOOLBAR_BANDROOM;
    }
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
}

void CUILToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    if ((dwOldStyle & (CBRS_ORIENT_ANY | CBRS_FLOATING)) != (dwNewStyle & (CBRS_ORIENT_ANY | CBRS_FLOATING)))
    {
        m_bDelayedButtonLayout = 1;
        m_nScrollOffset = 0;
    }
    if (m_hWnd != NULL)
    {
        if ((dwOldStyle & CBRS_TOOLTIPS) != (dwNewStyle & CBRS_TOOLTIPS))
            EnableToolTips((dwNewStyle & CBRS_TOOLTIPS) != 0);
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

void CUILToolBar::OnWindowPosChanging(LPWINDOWPOS lpWndPos)
{
    const DWORD dwStyle = m_dwStyle;
    m_dwStyle &= ~CBRS_BORDER_ANY;
    CUILControlBar::OnWindowPosChanging(lpWndPos);
    m_dwStyle = dwStyle;
    if (!(lpWndPos->flags & SWP_NOSIZE))
    {
        lpWndPos->flags |= SWP_FRAMECHANGED;
        m_bDelayedButtonLayout = 1;
        Invalidate();
    }
}
