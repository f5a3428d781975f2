// UILToolBar.cpp - CUILToolBar: creation, button records and the items that go with them, bar
// styles, loading from toolbar resources, button texts and the idle update of the items.
#include "UILToolBar.h"
#include "../frame/UILFrame.h"
#include "../frame/UILMessages.h"
#include <afxpriv.h>
#include <algorithm>

namespace
{
// the toolbar resource: a header followed by wItemCount command ids (0 = separator)
struct SToolBarResource
{
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
    const WORD* items() const { return (const WORD*)(this + 1); }
};

// a separator's width in the button records
const int cxSeparator = 8;

// Every bar that exists, so that a pointer kept between messages (a popup bar of an item, the
// parent of a popup) is checked before use: hosts destroy popup bars whenever they like.
CPtrArray& LiveBars()
{
    static CPtrArray s_bars;
    return s_bars;
}

void TraceResource(const char* lpszFormat, LPCSTR lpszName)
{
    CString strName;
    if (IS_INTRESOURCE(lpszName))
        strName.Format("%u", (UINT)(UINT_PTR)lpszName);
    else
        strName = lpszName;
    CString strText;
    strText.Format(lpszFormat, (LPCSTR)strName);
    MyThreadTrace(strText);
}
}

IMPLEMENT_DYNAMIC(CUILToolBar, CUILControlBar)

CUILToolBar::CUILToolBar()
{
    m_nScrollOffset = 0;
    m_nBarStyle = UILBS_DEFAULT;
    m_nButtons = 0;
    m_nActiveItem = -1;
    m_nDefaultItemStyle = UILIS_INITIAL;
    m_pStringMap = NULL;
    m_pImages = NULL;
    m_nImageList = -1;
    m_clrMask = RGB(192, 192, 192);
    m_bDelayedButtonLayout = 1;
    m_sizeImage = CSize(16, 15);
    m_sizeButton = CSize(23, 22);
    m_bSideBorders = 1;
    m_hbmImageWell = NULL;
    m_nSelected = -1;
    m_nExpanded = -1;
    m_pParentBar = NULL;
    m_bExpanding = 0;
    m_hWndSavedFocus = NULL;
    m_hWndSavedCapture = NULL;
    m_bCustomDraw = 0;
    m_nPressed = -1;
    m_bPressCapture = 0;
    m_nBandPushed = -1;
    m_cyTopBorder = 3;
    m_cyBottomBorder = 3;
    LiveBars().Add(this);
}

CUILToolBar::~CUILToolBar()
{
    // the window first: its handlers still reach the items
    DestroyWindow();
    UnlinkFromOtherBars();
    DeleteOwnedPopups();
    for (INT_PTR i = 0; i < LiveBars().GetSize(); i++)
        if (LiveBars()[i] == this)
        {
            LiveBars().RemoveAt(i);
            break;
        }
    DeleteChilds();
    if (m_hbmImageWell != NULL)
        ::DeleteObject(m_hbmImageWell);
    delete m_pStringMap;
}

BOOL CUILToolBar::IsLiveBar(const CUILToolBar* pBar)
{
    if (pBar == NULL)
        return FALSE;
    for (INT_PTR i = 0; i < LiveBars().GetSize(); i++)
        if (LiveBars()[i] == pBar)
            return TRUE;
    return FALSE;
}

void CUILToolBar::UnlinkFromOtherBars()
{
    // no item or popup of another bar may keep pointing at this one
    for (INT_PTR i = 0; i < LiveBars().GetSize(); i++)
    {
        CUILToolBar* pBar = (CUILToolBar*)LiveBars()[i];
        if (pBar == this)
            continue;
        for (int j = 0; j < pBar->GetItemCount(); j++)
        {
            CUILItem* pItem = pBar->_GetButtonPtr(j);
            if (pItem->m_pPopupBar == this)
            {
                pItem->m_pPopupBar = NULL;
                if (pBar->m_nExpanded == j)
                    pBar->m_nExpanded = -1;
            }
        }
        if (pBar->m_pParentBar == this)
            pBar->m_pParentBar = NULL;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Creation and sizes

int CUILToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    if (pParentWnd == NULL)
        return 0;
    m_dwStyle = dwStyle & CBRS_ALL;
    if (nID == AFX_IDW_TOOLBAR)
        m_dwStyle |= CBRS_HIDE_INPLACE;
    if (m_nBarStyle != 0 && m_bSideBorders)
        m_cxLeftBorder = m_cxRightBorder = 3;

    // the control neither places nor sizes itself: the frame's layout does
    dwStyle &= ~CBRS_ALL;
    dwStyle |= CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    m_hWndOwner = pParentWnd->GetSafeHwnd();
    CRect rect;
    rect.SetRectEmpty();
    if (!CWnd::Create(TOOLBARCLASSNAMEA, NULL, dwStyle, rect, pParentWnd, nID))
        return 0;
    SetSizes(m_sizeButton, m_sizeImage);
    return 1;
}

BOOL CUILToolBar::OnNcCreate(LPCREATESTRUCT lpcs)
{
    if (!CUILControlBar::OnNcCreate(lpcs))
        return FALSE;
    if (m_hWndOwner != NULL)
        DefWindowProc(TB_SETPARENT, (WPARAM)m_hWndOwner, 0);
    DefWindowProc(TB_BUTTONSTRUCTSIZE, (WPARAM)sizeof(TBBUTTON), 0);
    m_band.m_hOwner = m_hWnd;
    m_band.SetStyle(0);
    if (m_nBarStyle & UILBS_BAND)
    {
        m_band.AddItem(UIL_BANDITEM_EXTRA, UIL_BANDITEM_HORZSTART | UIL_BANDITEM_VERTSTART, UIL_SC_BANDBACK);
        m_band.AddItem(UIL_BANDITEM_EXTRA2, UIL_BANDITEM_HORZSTART | UIL_BANDITEM_VERTSTART, UIL_SC_BANDFORWARD);
    }
    m_band.SetState(CalcBandState());
    CRect rectBand(0, 0, 20, 30);
    m_band.ResizeBand(rectBand, FALSE);
    return TRUE;
}

void CUILToolBar::SetOwner(CWnd* pOwnerWnd)
{
    if (m_hWnd != NULL)
        DefWindowProc(TB_SETPARENT, (WPARAM)pOwnerWnd->GetSafeHwnd(), 0);
    CUILControlBar::SetOwner(pOwnerWnd);
}

void CUILToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    if (sizeButton.cx <= 0 || sizeButton.cy <= 0 || sizeImage.cx <= 0 || sizeImage.cy <= 0)
        return;
    if (::IsWindow(m_hWnd))
    {
        SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(sizeButton.cx, sizeButton.cy));
        SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(sizeImage.cx, sizeImage.cy));
        m_bDelayedButtonLayout = 1;
        Invalidate();
    }
    else
    {
        m_sizeButton = sizeButton;
        m_sizeImage = sizeImage;
    }
}

LRESULT CUILToolBar::OnSetButtonSize(WPARAM, LPARAM lParam)
{
    // the control may refuse a size; only what it took counts
    LRESULT lResult = Default();
    if (lResult)
        m_sizeButton = CSize(LOWORD(lParam), HIWORD(lParam));
    return lResult;
}

LRESULT CUILToolBar::OnSetBitmapSize(WPARAM, LPARAM lParam)
{
    LRESULT lResult = Default();
    if (lResult)
        m_sizeImage = CSize(LOWORD(lParam), HIWORD(lParam));
    return lResult;
}

void CUILToolBar::SetHeight(int cyHeight)
{
    if (m_dwStyle & CBRS_BORDER_TOP)
        cyHeight -= afxData.cyBorder2;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        cyHeight -= afxData.cyBorder2;
    const int nRest = cyHeight - m_sizeButton.cy;
    m_cyTopBorder = (nRest + 1) / 2;
    m_cyBottomBorder = nRest / 2;
    if (nRest < 0)
    {
        m_cyTopBorder = nRest - nRest / 2;
        m_cyBottomBorder = nRest / 2;
    }
    if (m_cyTopBorder < 0)
    {
        m_cyBottomBorder += m_cyTopBorder;
        m_cyTopBorder = 0;
    }
    if (m_hWnd != NULL)
    {
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
        Invalidate();
    }
}

void CUILToolBar::SetMinItemSize(int cx, int cy)
{
    m_nButtons = m_hWnd != NULL ? (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0) : 0;
    for (int i = 0; i < GetItemCount(); i++)
    {
        CUILItem* pItem = _GetButtonPtr(i);
        if (!(pItem->m_fsStyle & TBSTYLE_SEP))
            pItem->SetMinSize(CSize(cx, cy));
    }
}

/////////////////////////////////////////////////////////////////////////////
// Bar styles and items

int CUILToolBar::GetDefaultItemStyle(int nStyle, int nLook)
{
    if (nStyle & UILBS_MENU)
        nLook = (nLook | UILIS_MENUITEM | UILIS_TEXT | UILIS_ACCELTEXT) & ~(UILIS_BARITEM | UILIS_IMAGE);
    else
        nLook = (nLook | UILIS_BARITEM | UILIS_IMAGE) & ~(UILIS_MENUITEM | UILIS_TEXT | UILIS_ACCELTEXT);
    if (nStyle & UILBS_POPUPMENU)
        nLook |= UILIS_MENUIMAGES;
    else
        nLook &= ~UILIS_MENUIMAGES;
    if (nStyle & UILBS_CUSTOMLOOK)
        nLook = (nLook | UILIS_CUSTOMLOOK) & ~UILIS_DEFAULTLOOK;
    else
        nLook = (nLook | UILIS_DEFAULTLOOK) & ~UILIS_CUSTOMLOOK;
    return nLook;
}

void CUILToolBar::FillItem(CDC& dc, int nIndex, CUILItem* pItem, int nLook, int bFindText)
{
    TBBUTTON button;
    memset(&button, 0, sizeof(button));
    DefWindowProc(TB_GETBUTTON, nIndex, (LPARAM)&button);
    if (button.fsStyle & TBSTYLE_SEP)
    {
        // a separator keeps its width as a square "image"
        const int w = button.iBitmap;
        pItem->FillFromTBButton(&button, NULL);
        pItem->m_sizeImage = CSize(w, w);
        pItem->m_sizeMin = CSize(w, w);
        pItem->m_strText.Empty();
        pItem->m_pImages = NULL;
        pItem->m_iBitmap = w > 0 ? w : cxSeparator;
        pItem->MeasureItem(dc, -1, -1);
        return;
    }
    const CUILToolBar* pPopup = pItem->m_pPopupBar;
    pItem->FillFromTBButton(&button, m_pImages);
    // the records number the bar's own images from 0: they live in the bar's list
    if (m_pImages != NULL && m_nImageList >= 0 && HIWORD(button.iBitmap) == 0)
        pItem->m_iList = m_nImageList;
    pItem->m_sizeImage = m_sizeImage;
    pItem->m_sizeMin = CSize(m_sizeButton.cy, m_sizeButton.cy);
    CString strText;
    GetButtonText(nIndex, strText);
    if (strText.IsEmpty() && bFindText)
        CUILItem::FindCommandString((UINT)button.idCommand, strText);
    if (!strText.IsEmpty() || bFindText)
        pItem->m_strText = strText;
    pItem->m_pPopupBar = (CUILToolBar*)pPopup;
    if (pPopup != NULL && IsLiveBar(pPopup))
        nLook |= UILIS_POPUP;
    pItem->MeasureItem(dc, nLook, -1);
}

int CUILToolBar::SetNewStyle(int nStyle, int nExtraLook)
{
    if (nStyle != 0 && m_bSideBorders)
        m_cxLeftBorder = m_cxRightBorder = 3;
    m_nButtons = m_hWnd != NULL ? (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0) : 0;
    if (m_nButtons == 0 || m_nButtons != GetItemCount())
        return ResetWithNewStyle(nStyle, nExtraLook);

    CWindowDC dc(NULL);
    CFont* pOldFont = dc.SelectObject(CUILItem::m_fonts.GetHorzFont());
    int cxWidest = 0;
    for (int i = 0; i < m_nButtons; i++)
    {
        CUILItem* pItem = _GetButtonPtr(i);
        int nLook = GetDefaultItemStyle(nStyle, pItem->m_nExStyle);
        if (nExtraLook != 0)
            nLook |= nExtraLook & (UILIS_TEXT | UILIS_IMAGE | UILIS_ACCELTEXT);
        const BOOL bSep = (pItem->m_fsStyle & TBSTYLE_SEP) != 0;
        FillItem(dc, i, pItem, nLook, FALSE);
        if (!bSep)
            m_nDefaultItemStyle = nLook;
        CRect rect;
        pItem->GetRect(&rect);
        cxWidest = std::max(cxWidest, rect.Width());
    }
    dc.SelectObject(pOldFont);
    m_nBarStyle = nStyle;
    m_nActiveItem = -1;
    if (nStyle & UILBS_POPUPMENU)
        SetMinItemSize(cxWidest, m_sizeButton.cy);
    m_bDelayedButtonLayout = 1;
    ParentFrameRecalcLayout();
    return 1;
}

int CUILToolBar::ResetWithNewStyle(int nStyle, int nExtraLook)
{
    DeleteChilds();
    if (nStyle != 0 && m_bSideBorders)
        m_cxLeftBorder = m_cxRightBorder = 3;
    m_nButtons = m_hWnd != NULL ? (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0) : 0;
    int nLook = (nStyle & (UILBS_MENU | UILBS_POPUPMENU)) ? (UILIS_MENUITEM | UILIS_TEXT | UILIS_ACCELTEXT)
                                                         : (UILIS_BARITEM | UILIS_IMAGE);
    // entries of a popup menu bar have the image column (as GetDefaultItemStyle gives them);
    // the popup arrow goes to the items that get a popup bar (SetItemPopup)
    if (nStyle & UILBS_POPUPMENU)
        nLook |= UILIS_MENUIMAGES;
    nLook |= (nStyle & UILBS_CUSTOMLOOK) ? UILIS_CUSTOMLOOK : UILIS_DEFAULTLOOK;
    nLook |= nExtraLook & (UILIS_TEXT | UILIS_IMAGE | UILIS_ACCELTEXT);

    CWindowDC dc(NULL);
    CFont* pOldFont = dc.SelectObject(CUILItem::m_fonts.GetHorzFont());
    int cxWidest = 0;
    for (int i = 0; i < m_nButtons; i++)
    {
        CUILItem* pItem = _NewButton(NULL);
        if (pItem == NULL)
            break;
        m_arrItems.Add(pItem);
        FillItem(dc, i, pItem, nLook, TRUE);
        CRect rect;
        pItem->GetRect(&rect);
        cxWidest = std::max(cxWidest, rect.Width());
    }
    dc.SelectObject(pOldFont);
    m_nDefaultItemStyle = nLook;
    m_nBarStyle = nStyle;
    m_nActiveItem = -1;
    m_nSelected = -1;
    m_nExpanded = -1;
    m_bDelayedButtonLayout = 1;
    if (nStyle & UILBS_POPUPMENU)
    {
        int nFirst = -1;
        for (int i = 0; i < GetItemCount(); i++)
        {
            CUILItem* pItem = _GetButtonPtr(i);
            if (!(pItem->m_fsStyle & TBSTYLE_SEP))
            {
                pItem->m_rcItem.right = pItem->m_rcItem.left + cxWidest;
                if (nFirst < 0)
                    nFirst = i;
            }
        }
        if (m_hWnd != NULL)
        {
            SelectItem(nFirst);
            SetFocus();
        }
    }
    return 1;
}

CUILItem* CUILToolBar::_NewButton(CUILItem* pSrc)
{
    if (pSrc != NULL)
        return pSrc->_CreateCopy();
    return new CUILItem;
}

CUILItem* CUILToolBar::_GetButtonPtr(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return NULL;
    return (CUILItem*)m_arrItems[nIndex];
}

void CUILToolBar::_GetButton(int nIndex, CUILItem* pItem) const
{
    if (pItem == NULL)
        return;
    TBBUTTON button;
    memset(&button, 0, sizeof(button));
    if (m_hWnd == NULL || !((CUILToolBar*)this)->DefWindowProc(TB_GETBUTTON, nIndex, (LPARAM)&button))
    {
        memset(&button, 0, sizeof(button));
        button.fsState = TBSTATE_ENABLED;
    }
    // fields only: setting them through the item would measure it each time
    pItem->m_iBitmap = button.iBitmap;
    if (HIWORD(button.iBitmap) != 0)
        pItem->m_iList = HIWORD(button.iBitmap);
    pItem->m_idCommand = button.idCommand;
    pItem->m_fsState = button.fsState ^ TBSTATE_ENABLED;
    pItem->m_fsStyle = button.fsStyle;
    pItem->m_dwData = button.dwData;
    pItem->m_iString = button.iString;
}

CUILItem* CUILToolBar::_GetButtonCopy(int nIndex)
{
    CUILItem* pOwn = _GetButtonPtr(nIndex);
    CUILItem* pCopy = pOwn != NULL ? _NewButton(pOwn) : new CUILItem;
    if (pCopy == NULL)
        return NULL;
    _GetButton(nIndex, pCopy);
    return pCopy;
}

void CUILToolBar::_SetButton(int nIndex, CUILItem* pItem)
{
    if (pItem == NULL || m_hWnd == NULL)
        return;
    TBBUTTON old;
    memset(&old, 0, sizeof(old));
    if (!DefWindowProc(TB_GETBUTTON, nIndex, (LPARAM)&old))
        return;
    TBBUTTON button;
    memset(&button, 0, sizeof(button));
    button.iBitmap = pItem->m_iBitmap;
    button.idCommand = pItem->m_idCommand;
    button.fsState = pItem->m_fsState ^ TBSTATE_ENABLED;
    button.fsStyle = pItem->m_fsStyle;
    button.dwData = pItem->m_dwData;
    button.iString = pItem->m_iString;

    if (button.iBitmap != old.iBitmap || button.idCommand != old.idCommand || button.fsStyle != old.fsStyle
        || button.dwData != old.dwData || button.iString != old.iString)
    {
        // anything but the state: the record is made anew, without drawing in between
        const DWORD dwStyle = GetStyle();
        ModifyStyle(WS_VISIBLE, 0);
        DefWindowProc(TB_DELETEBUTTON, nIndex, 0);
        DefWindowProc(TB_INSERTBUTTONA, nIndex, (LPARAM)&button);
        ModifyStyle(0, dwStyle & WS_VISIBLE);
        Invalidate();
    }
    else if (button.fsState != old.fsState && button.idCommand != 0
        && DefWindowProc(TB_COMMANDTOINDEX, (WPARAM)button.idCommand, 0) == nIndex)
        DefWindowProc(TB_SETSTATE, (WPARAM)button.idCommand, MAKELONG(button.fsState, 0));
    else if (button.fsState != old.fsState)
    {
        // the state of a separator (or of a command that another record also has)
        TBBUTTONINFOA info;
        memset(&info, 0, sizeof(info));
        info.cbSize = sizeof(info);
        info.dwMask = TBIF_BYINDEX | TBIF_STATE;
        info.fsState = button.fsState;
        DefWindowProc(TB_SETBUTTONINFOA, nIndex, (LPARAM)&info);
    }

    CUILItem* pOwn = _GetButtonPtr(nIndex);
    if (pOwn != NULL && pOwn != pItem)
    {
        pOwn->_CopyFrom(pItem);
        pOwn->m_fsState ^= TBSTATE_ENABLED;
    }
}

int CUILToolBar::InsertButton(int nIndex, CUILItem* pItem)
{
    if (m_hWnd == NULL || pItem == NULL)
        return 0;
    m_nButtons = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    if (nIndex < 0 || nIndex > m_nButtons)
        nIndex = m_nButtons;
    TBBUTTON button;
    memset(&button, 0, sizeof(button));
    button.iBitmap = pItem->m_iBitmap;
    button.idCommand = pItem->m_idCommand;
    button.fsState = pItem->m_fsState;
    button.fsStyle = pItem->m_fsStyle;
    button.dwData = pItem->m_dwData;
    button.iString = pItem->m_iString;
    if (!DefWindowProc(TB_INSERTBUTTONA, nIndex, (LPARAM)&button))
        return 0;
    if (GetItemCount() == m_nButtons)
    {
        CUILItem* pOwn = _NewButton(pItem);
        if (pOwn != NULL)
            m_arrItems.InsertAt(nIndex, pOwn);
    }
    m_nButtons++;
    m_nSelected = m_nExpanded = m_nPressed = -1;
    m_bDelayedButtonLayout = 1;
    Invalidate();
    return 1;
}

int CUILToolBar::DeleteButton(int nIndex)
{
    if (m_hWnd == NULL || nIndex < 0 || nIndex >= (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0))
        return 0;
    if (m_nExpanded >= 0)
        CollapsPopup(m_nExpanded, 0);
    SelectItem(-1);
    DefWindowProc(TB_DELETEBUTTON, nIndex, 0);
    if (nIndex < GetItemCount())
    {
        delete _GetButtonPtr(nIndex);
        m_arrItems.RemoveAt(nIndex);
    }
    m_nButtons = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    m_nPressed = -1;
    m_bDelayedButtonLayout = 1;
    Invalidate();
    return 1;
}

void CUILToolBar::DeleteButtons()
{
    if (m_hWnd != NULL)
    {
        if (m_nExpanded >= 0)
            CollapsPopup(m_nExpanded, 0);
        int nCount = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
        while (nCount-- > 0)
            DefWindowProc(TB_DELETEBUTTON, 0, 0);
    }
    DeleteChilds();
    m_nButtons = 0;
    m_bDelayedButtonLayout = 1;
}

void CUILToolBar::DeleteChilds()
{
    for (int i = 0; i < GetItemCount(); i++)
        delete _GetButtonPtr(i);
    m_arrItems.RemoveAll();
    m_nSelected = m_nExpanded = m_nPressed = -1;
}

void CUILToolBar::DeleteWndArray()
{
    for (int i = 0; i < GetItemCount(); i++)
    {
        CUILItem* pItem = _GetButtonPtr(i);
        if (pItem->m_hWndControl != NULL)
        {
            if (::IsWindow(pItem->m_hWndControl))
                ::DestroyWindow(pItem->m_hWndControl);
            pItem->m_hWndControl = NULL;
        }
    }
}

CUILItem* CUILToolBar::GetActiveButton()
{
    for (int i = 0; i < GetItemCount(); i++)
    {
        CUILItem* pItem = _GetButtonPtr(i);
        if (pItem->m_fsState & TBSTATE_CHECKED)
            return pItem;
    }
    return _GetButtonPtr(0);
}

int CUILToolBar::SetItemPopup(int nIndex, CUILToolBar* pPopup)
{
    CUILItem* pItem = _GetButtonPtr(nIndex);
    if (pItem == NULL || (pItem->m_fsStyle & TBSTYLE_SEP) || pPopup == this)
        return 0;
    if (m_nExpanded == nIndex)
        CollapsPopup(nIndex, 0);
    pItem->m_pPopupBar = pPopup;
    const int nLook = pPopup != NULL ? (pItem->m_nExStyle | UILIS_POPUP) : (pItem->m_nExStyle & ~UILIS_POPUP);
    if (nLook != pItem->m_nExStyle)
    {
        const CPoint pt(pItem->m_rcItem.left, pItem->m_rcItem.top);
        pItem->SetExStyle(nLook);
        pItem->SetItemPos(pt.x, pt.y, 0, NULL);
        m_bDelayedButtonLayout = 1;
        Invalidate();
    }
    return 1;
}

UINT CUILToolBar::GetItemCommand(int nIndex)
{
    CUILItem* pItem = _GetButtonPtr(nIndex);
    if (pItem == NULL)
        return GetItemID(nIndex);
    if ((m_nBarStyle & UILBS_FOLLOWPOPUP) && (pItem->m_nExStyle & UILIS_POPUP)
        && IsLiveBar(pItem->m_pPopupBar))
    {
        CUILItem* pActive = pItem->m_pPopupBar->GetActiveButton();
        if (pActive != NULL && pActive->m_idCommand != 0)
            return (UINT)pActive->m_idCommand;
    }
    return (UINT)pItem->m_idCommand;
}

/////////////////////////////////////////////////////////////////////////////
// Button records

int CUILToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    if (m_hWnd == NULL || nIDCount < 0)
        return 0;
    if (m_nExpanded >= 0)
        CollapsPopup(m_nExpanded, 0);
    int nCount = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    while (nCount-- > 0)
        DefWindowProc(TB_DELETEBUTTON, 0, 0);
    DeleteChilds();

    TBBUTTON button;
    memset(&button, 0, sizeof(button));
    button.iString = -1;
    int iImage = 0;
    for (int i = 0; i < nIDCount; i++)
    {
        button.fsState = TBSTATE_ENABLED;
        // without ids every record is a separator
        button.idCommand = lpIDArray != NULL ? (int)lpIDArray[i] : 0;
        if (button.idCommand == 0)
        {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = cxSeparator;
        }
        else
        {
            button.fsStyle = TBSTYLE_BUTTON;
            button.iBitmap = iImage++;
        }
        if (!DefWindowProc(TB_ADDBUTTONSA, 1, (LPARAM)&button))
            return 0;
    }
    m_nButtons = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    m_nCount = m_nButtons;
    m_bDelayedButtonLayout = 1;
    return 1;
}

int CUILToolBar::CommandToIndex(UINT nIDFind) const
{
    if (m_hWnd == NULL)
        return -1;
    return (int)((CUILToolBar*)this)->DefWindowProc(TB_COMMANDTOINDEX, nIDFind, 0);
}

UINT CUILToolBar::GetItemID(int nIndex) const
{
    CUILItem item;
    _GetButton(nIndex, &item);
    return (UINT)item.m_idCommand;
}

UINT CUILToolBar::GetButtonStyle(int nIndex) const
{
    CUILItem item;
    _GetButton(nIndex, &item);
    return MAKELONG(item.m_fsStyle, item.m_fsState);
}

void CUILToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    if (m_hWnd == NULL || nIndex < 0 || nIndex >= (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0))
        return;
    CUILItem* pItem = _GetButtonCopy(nIndex);
    if (pItem == NULL)
        return;
    if (pItem->m_fsStyle != (BYTE)LOWORD(nStyle) || pItem->m_fsState != (BYTE)HIWORD(nStyle))
    {
        const BOOL bLayout = ((pItem->m_fsState ^ (BYTE)HIWORD(nStyle)) & (TBSTATE_HIDDEN | TBSTATE_WRAP)) != 0
            || pItem->m_fsStyle != (BYTE)LOWORD(nStyle);
        pItem->m_fsStyle = (BYTE)LOWORD(nStyle);
        pItem->m_fsState = (BYTE)HIWORD(nStyle);
        _SetButton(nIndex, pItem);
        if (bLayout)
            m_bDelayedButtonLayout = 1;
        InvalidateItem(nIndex);
    }
    delete pItem;
}

void CUILToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage, CUILItem* pItem) const
{
    CUILItem item;
    _GetButton(nIndex, &item);
    nID = (UINT)item.m_idCommand;
    nStyle = MAKELONG(item.m_fsStyle, item.m_fsState);
    iImage = item.m_iBitmap;
    CUILItem* pOwn = _GetButtonPtr(nIndex);
    if (pItem != NULL && pOwn != NULL)
        *pItem = *pOwn;
}

void CUILToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage, CUILItem* pItem)
{
    if (m_hWnd == NULL || nIndex < 0 || nIndex >= (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0))
        return;
    CUILItem* pCopy = _GetButtonCopy(nIndex);
    if (pCopy == NULL)
        return;
    if (pItem != NULL)
    {
        pCopy->_CopyFrom(pItem);
        pCopy->m_fsState ^= TBSTATE_ENABLED;
    }
    pCopy->m_idCommand = (int)nID;
    pCopy->m_fsStyle = (BYTE)LOWORD(nStyle);
    pCopy->m_fsState = (BYTE)HIWORD(nStyle);
    pCopy->m_iBitmap = iImage;
    _SetButton(nIndex, pCopy);
    delete pCopy;
    m_bDelayedButtonLayout = 1;
    Invalidate();
}

int CUILToolBar::GetItemInfo(int nIndex, CUILItem& item) const
{
    CUILItem* pOwn = _GetButtonPtr(nIndex);
    if (pOwn == NULL)
        return 0;
    item = *pOwn;
    return 1;
}

int CUILToolBar::SetItemInfo(int nIndex, CUILItem& item)
{
    CUILItem* pOwn = _GetButtonPtr(nIndex);
    if (pOwn == NULL)
        return 0;
    // the record follows the item's command, style, state and image
    CUILItem copy(item);
    copy.m_fsState ^= TBSTATE_ENABLED;
    _SetButton(nIndex, &copy);
    pOwn->_CopyFrom(&item);
    m_bDelayedButtonLayout = 1;
    Invalidate();
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Button texts: each distinct text is added to the control once; the map gives its number

int CUILToolBar::SetButtonText(int nIndex, const char* lpszText)
{
    if (m_hWnd == NULL || lpszText == NULL || nIndex < 0 || nIndex >= (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0))
        return 0;
    void* pString = NULL;
    INT_PTR nString = -1;
    if (m_pStringMap != NULL && m_pStringMap->Lookup(lpszText, pString))
        nString = (INT_PTR)pString;
    if (nString == -1)
    {
        // the control's string list is double-zero terminated
        const size_t nLen = strlen(lpszText);
        char* pszList = new char[nLen + 2];
        memcpy(pszList, lpszText, nLen);
        pszList[nLen] = pszList[nLen + 1] = '\0';
        nString = (INT_PTR)DefWindowProc(TB_ADDSTRINGA, 0, (LPARAM)pszList);
        delete[] pszList;
        if (nString == -1)
            return 0;
        if (m_pStringMap == NULL)
            m_pStringMap = new CMapStringToPtr;
        m_pStringMap->SetAt(lpszText, (void*)nString);
    }
    CUILItem* pCopy = _GetButtonCopy(nIndex);
    if (pCopy == NULL)
        return 0;
    pCopy->m_iString = nString;
    _SetButton(nIndex, pCopy);
    delete pCopy;
    CUILItem* pOwn = _GetButtonPtr(nIndex);
    if (pOwn != NULL && !(pOwn->m_fsStyle & TBSTYLE_SEP))
    {
        pOwn->SetText(lpszText);
        m_bDelayedButtonLayout = 1;
    }
    Invalidate();
    return 1;
}

void CUILToolBar::GetButtonText(int nIndex, CString& rString) const
{
    rString.Empty();
    if (m_pStringMap == NULL)
        return;
    CUILItem item;
    _GetButton(nIndex, &item);
    POSITION pos = m_pStringMap->GetStartPosition();
    while (pos != NULL)
    {
        CString strKey;
        void* pValue;
        m_pStringMap->GetNextAssoc(pos, strKey, pValue);
        if ((INT_PTR)pValue == item.m_iString)
        {
            rString = strKey;
            return;
        }
    }
}

CString CUILToolBar::GetButtonText(int nIndex) const
{
    CString strText;
    GetButtonText(nIndex, strText);
    return strText;
}

/////////////////////////////////////////////////////////////////////////////
// Loading

int CUILToolBar::LoadToolBar(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
    HRSRC hRsrc = hInst != NULL ? ::FindResourceA(hInst, lpszResourceName, RT_TOOLBAR) : NULL;
    HGLOBAL hGlobal = hRsrc != NULL ? ::LoadResource(hInst, hRsrc) : NULL;
    const SToolBarResource* pData = hGlobal != NULL ? (const SToolBarResource*)::LockResource(hGlobal) : NULL;
    const DWORD cbSize = hRsrc != NULL ? ::SizeofResource(hInst, hRsrc) : 0;
    if (pData == NULL || cbSize < sizeof(SToolBarResource) || pData->wVersion != 1
        || cbSize < sizeof(SToolBarResource) + pData->wItemCount * sizeof(WORD))
    {
        TraceResource("*** Can't load toolbar %s!\n", lpszResourceName);
        return 0;
    }

    if (m_pImages == NULL)
    {
        m_pImages = GetImagesCollection();
        HINSTANCE hInstBmp = AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_BITMAP);
        HIMAGELIST hList = ImageList_LoadImageA(hInstBmp, lpszResourceName, m_sizeImage.cx, 1, m_clrMask,
            IMAGE_BITMAP, LR_CREATEDIBSECTION);
        if (hList != NULL)
        {
            CUILImageList* pList = new CUILImageList;
            pList->Attach(hList);
            m_nImageList = m_pImages->Add(pList, UILIMAGELIST_OWNED);
        }
    }

    UINT* pIDs = new UINT[pData->wItemCount + 1];
    for (int i = 0; i < pData->wItemCount; i++)
        pIDs[i] = pData->items()[i];
    int bResult = SetButtons(pIDs, pData->wItemCount);
    delete[] pIDs;
    if (bResult)
        bResult = LoadBitmap(lpszResourceName);
    return bResult;
}

int CUILToolBar::LoadBitmap(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_BITMAP);
    HBITMAP hbm = NULL;
    if (hInst != NULL && ::FindResourceA(hInst, lpszResourceName, (LPCSTR)RT_BITMAP) != NULL)
        hbm = (HBITMAP)::LoadImageA(hInst, lpszResourceName, IMAGE_BITMAP, 0, 0,
            LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS);
    if (hbm == NULL)
    {
        TraceResource("*** Can't load bitmap for toolbar %s!\n", lpszResourceName);
        return 0;
    }
    if (!AddReplaceBitmap(hbm))
    {
        ::DeleteObject(hbm);
        TraceResource("*** Can't load bitmap for toolbar %s!\n", lpszResourceName);
        return 0;
    }
    return 1;
}

int CUILToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    return AddReplaceBitmap(hbmImageWell);
}

int CUILToolBar::AddReplaceBitmap(HBITMAP hbmImageWell)
{
    BITMAP bitmap;
    if (m_hWnd == NULL || hbmImageWell == NULL || !::GetObjectA(hbmImageWell, sizeof(bitmap), &bitmap)
        || m_sizeImage.cx <= 0)
        return 0;
    BOOL bResult;
    if (m_hbmImageWell == NULL)
    {
        TBADDBITMAP add;
        add.hInst = NULL;
        add.nID = (UINT_PTR)hbmImageWell;
        bResult = DefWindowProc(TB_ADDBITMAP, bitmap.bmWidth / m_sizeImage.cx, (LPARAM)&add) != -1;
    }
    else
    {
        TBREPLACEBITMAP replace;
        replace.hInstOld = NULL;
        replace.nIDOld = (UINT_PTR)m_hbmImageWell;
        replace.hInstNew = NULL;
        replace.nIDNew = (UINT_PTR)hbmImageWell;
        replace.nButtons = bitmap.bmWidth / m_sizeImage.cx;
        bResult = (BOOL)DefWindowProc(TB_REPLACEBITMAP, 0, (LPARAM)&replace);
    }
    if (bResult)
    {
        if (m_hbmImageWell != NULL)
            ::DeleteObject(m_hbmImageWell);
        m_hbmImageWell = hbmImageWell;
        Invalidate();
    }
    return bResult;
}

/////////////////////////////////////////////////////////////////////////////
// Idle update: the host is asked command by command; only what changed is redrawn

namespace
{
class CUILToolCmdUI : public CCmdUI
{
public:
    virtual void Enable(BOOL bOn)
    {
        m_bEnableChanged = TRUE;
        CUILToolBar* pBar = (CUILToolBar*)m_pOther;
        UINT nStyle = pBar->GetButtonStyle((int)m_nIndex) & ~TBBS_DISABLED;
        if (!bOn)
            nStyle = (nStyle | TBBS_DISABLED) & ~TBBS_PRESSED;
        pBar->SetButtonStyle((int)m_nIndex, nStyle);
    }
    virtual void SetCheck(int nCheck)
    {
        CUILToolBar* pBar = (CUILToolBar*)m_pOther;
        UINT nStyle = pBar->GetButtonStyle((int)m_nIndex) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
        if (nCheck == 1)
            nStyle |= TBBS_CHECKED;
        else if (nCheck == 2)
            nStyle |= TBBS_INDETERMINATE;
        pBar->SetButtonStyle((int)m_nIndex, nStyle);
    }
    virtual void SetText(LPCSTR)
    {
    }
};
}

void CUILToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_hWnd == NULL)
        return;
    CUILToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        CUILItem item;
        _GetButton((int)state.m_nIndex, &item);
        if (item.m_fsStyle & TBSTYLE_SEP)
            continue;
        state.m_nID = (UINT)item.m_idCommand;
        if (CWnd::OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, NULL))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

int CUILToolBar::AppendItemOptionsToMenu(CMenu* pMenu, CPoint point)
{
    if (pMenu == NULL)
        return 0;
    CUILItem* pItem = _GetButtonPtr(GetHitButton(point));
    if (pItem == NULL)
        return 0;
    return pItem->AppendItemOptionsToMenu(pMenu, 100);
}

/////////////////////////////////////////////////////////////////////////////
// CUILInspectorBar

IMPLEMENT_DYNAMIC(CUILInspectorBar, CUILToolBar)

CUILInspectorBar::CUILInspectorBar()
{
}

CUILInspectorBar::~CUILInspectorBar()
{
}

/////////////////////////////////////////////////////////////////////////////
// Where the focus stands among a window's tab stops

namespace
{
HWND TabStop(CWnd* pWnd, BOOL bLast)
{
    if (pWnd == NULL || pWnd->m_hWnd == NULL)
        return NULL;
    HWND hFound = NULL;
    for (HWND hChild = ::GetWindow(pWnd->m_hWnd, GW_CHILD); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        const LONG lStyle = ::GetWindowLongA(hChild, GWL_STYLE);
        if ((lStyle & WS_TABSTOP) && (lStyle & WS_VISIBLE) && !(lStyle & WS_DISABLED))
        {
            hFound = hChild;
            if (!bLast)
                break;
        }
    }
    return hFound;
}

BOOL FocusIn(HWND hStop)
{
    HWND hFocus = ::GetFocus();
    return hStop != NULL && hFocus != NULL && (hFocus == hStop || ::IsChild(hStop, hFocus));
}
}

int IsFirstDlgItemActive(CWnd* pWnd)
{
    return FocusIn(TabStop(pWnd, FALSE)) ? 1 : 0;
}

int IsLastDlgItemActive(CWnd* pWnd)
{
    return FocusIn(TabStop(pWnd, TRUE)) ? 1 : 0;
}
