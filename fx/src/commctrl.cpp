// commctrl.cpp - the common-control wrappers of afxcmn.h (image lists are in imagelist.cpp).
//
// Sections, in this order (search for "// <class>" below a rule of slashes):
//   helpers           InitCommonControl, Send, the typed temporary wrappers
//   CToolTipCtrl      tools, texts, the relay of mouse messages (the tip window is wndtips.cpp)
//   CTreeCtrl         items, their text, images, state and data; edit labels; hit tests
//   CHeaderCtrl       items and their layout
//   CListCtrl         columns, items, subitems, selection, SortItems, the owner-drawn DrawItem
//   CToolBarCtrl      buttons, bitmaps and strings, button states
//   CSpinButtonCtrl   range, position, base, buddy, acceleration
//   CProgressCtrl     range, position, step
//   CSliderCtrl       range, position, ticks, selection, buddies, the thumb and channel
//   CAnimateCtrl      open, play, stop
//   CTabCtrl          items, selection, images, the owner-drawn tab's DrawItem
//   CStatusBarCtrl    parts, texts, the owner-drawn part's DrawItem
#include "afxcmn.h"

namespace
{
// The common controls' window classes exist once the library registered them; each Create asks
// for its class first, so a host need not have called InitCommonControlsEx itself.
BOOL InitCommonControl(DWORD dwICC)
{
    INITCOMMONCONTROLSEX icc;
    icc.dwSize = sizeof(icc);
    icc.dwICC = dwICC;
    return ::InitCommonControlsEx(&icc);
}

inline HWND HwndOf(const CWnd* pWnd)
{
    return pWnd != NULL ? pWnd->m_hWnd : NULL;
}

inline LRESULT Send(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessageA(hWnd, message, wParam, lParam);
}

// Temporary wrappers of windows the control owns (its edit box, tooltip, header): the framework
// wraps them as plain CWnd objects, and the typed classes add no data, as MFC code expects.
template <class T>
inline T* WndFromHandle(HWND hWnd)
{
    return static_cast<T*>(CWnd::FromHandle(hWnd));
}

// The string-table block that holds nID, for tooltips that load their text themselves.
HINSTANCE FindStringResourceInstance(UINT nID)
{
    return AfxFindResourceHandle(MAKEINTRESOURCEA((nID >> 4) + 1), RT_STRING);
}
}

/////////////////////////////////////////////////////////////////////////////
// CToolTipCtrl

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

CToolTipCtrl::~CToolTipCtrl()
{
    DestroyWindow();
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    return CreateEx(pParentWnd, dwStyle, 0);
}

BOOL CToolTipCtrl::CreateEx(CWnd* pParentWnd, DWORD dwStyle, DWORD dwStyleEx)
{
    InitCommonControl(ICC_WIN95_CLASSES);
    return CWnd::CreateEx(dwStyleEx, TOOLTIPS_CLASSA, NULL, WS_POPUP | dwStyle,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, HwndOf(pParentWnd), NULL, NULL);
}

// The tool records use the first version of TOOLINFO, which every version of the control accepts.
void CToolTipCtrl::FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const
{
    memset(&ti, 0, sizeof(ti));
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    HWND hWnd = HwndOf(pWnd);
    if (nIDTool == 0)
    {
        ti.hwnd = ::GetParent(hWnd);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = (UINT_PTR)hWnd;
    }
    else
    {
        ti.hwnd = hWnd;
        ti.uFlags = 0;
        ti.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    ASSERT(nIDText != 0);
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != NULL)
        ti.rect = *lpRectTool;
    ti.hinst = FindStringResourceInstance(nIDText);
    ti.lpszText = MAKEINTRESOURCEA(nIDText);
    return (BOOL)Send(m_hWnd, TTM_ADDTOOLA, 0, (LPARAM)&ti);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != NULL)
        ti.rect = *lpRectTool;
    ti.lpszText = (LPSTR)lpszText;
    return (BOOL)Send(m_hWnd, TTM_ADDTOOLA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    Send(m_hWnd, TTM_DELTOOLA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    char szText[256];
    szText[0] = '\0';
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = szText;
    Send(m_hWnd, TTM_GETTEXTA, 0, (LPARAM)&ti);
    str = szText;
}

BOOL CToolTipCtrl::GetToolInfo(CToolInfo& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool) const
{
    FillInToolInfo(ToolInfo, pWnd, nIDTool);
    ToolInfo.szText[0] = '\0';
    ToolInfo.lpszText = ToolInfo.szText;
    return (BOOL)Send(m_hWnd, TTM_GETTOOLINFOA, 0, (LPARAM)(LPTOOLINFOA)&ToolInfo);
}

void CToolTipCtrl::SetToolInfo(LPTOOLINFOA lpToolInfo)
{
    Send(m_hWnd, TTM_SETTOOLINFOA, 0, (LPARAM)lpToolInfo);
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    ASSERT(nIDTool != 0);
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.rect = *lpRect;
    Send(m_hWnd, TTM_NEWTOOLRECTA, 0, (LPARAM)&ti);
}

int CToolTipCtrl::GetToolCount() const
{
    return (int)Send(m_hWnd, TTM_GETTOOLCOUNT);
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = (LPSTR)lpszText;
    Send(m_hWnd, TTM_UPDATETIPTEXTA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool)
{
    ASSERT(nIDText != 0);
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.hinst = FindStringResourceInstance(nIDText);
    ti.lpszText = MAKEINTRESOURCEA(nIDText);
    Send(m_hWnd, TTM_UPDATETIPTEXTA, 0, (LPARAM)&ti);
}

BOOL CToolTipCtrl::HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFOA lpToolInfo) const
{
    TTHITTESTINFOA hti;
    memset(&hti, 0, sizeof(hti));
    hti.ti.cbSize = TTTOOLINFOA_V1_SIZE;
    hti.hwnd = HwndOf(pWnd);
    hti.pt.x = pt.x;
    hti.pt.y = pt.y;
    if (!(BOOL)Send(m_hWnd, TTM_HITTESTA, 0, (LPARAM)&hti))
        return FALSE;
    if (lpToolInfo != NULL)
        memcpy(lpToolInfo, &hti.ti, TTTOOLINFOA_V1_SIZE);
    return TRUE;
}

BOOL CToolTipCtrl::GetCurrentTool(LPTOOLINFOA lpToolInfo) const
{
    return (BOOL)Send(m_hWnd, TTM_GETCURRENTTOOLA, 0, (LPARAM)lpToolInfo);
}

void CToolTipCtrl::Activate(BOOL bActivate)
{
    Send(m_hWnd, TTM_ACTIVATE, (WPARAM)bActivate);
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg)
{
    Send(m_hWnd, TTM_RELAYEVENT, 0, (LPARAM)lpMsg);
}

void CToolTipCtrl::SetDelayTime(UINT nDelay)
{
    Send(m_hWnd, TTM_SETDELAYTIME, TTDT_AUTOMATIC, (LPARAM)nDelay);
}

void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime)
{
    Send(m_hWnd, TTM_SETDELAYTIME, (WPARAM)dwDuration, MAKELPARAM(iTime, 0));
}

int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const
{
    return (int)Send(m_hWnd, TTM_GETDELAYTIME, (WPARAM)dwDuration);
}

int CToolTipCtrl::SetMaxTipWidth(int iWidth)
{
    return (int)Send(m_hWnd, TTM_SETMAXTIPWIDTH, 0, (LPARAM)iWidth);
}

int CToolTipCtrl::GetMaxTipWidth() const
{
    return (int)Send(m_hWnd, TTM_GETMAXTIPWIDTH);
}

void CToolTipCtrl::SetMargin(LPRECT lprc)
{
    Send(m_hWnd, TTM_SETMARGIN, 0, (LPARAM)lprc);
}

void CToolTipCtrl::GetMargin(LPRECT lprc) const
{
    Send(m_hWnd, TTM_GETMARGIN, 0, (LPARAM)lprc);
}

void CToolTipCtrl::SetTipBkColor(COLORREF clr)
{
    Send(m_hWnd, TTM_SETTIPBKCOLOR, (WPARAM)clr);
}

COLORREF CToolTipCtrl::GetTipBkColor() const
{
    return (COLORREF)Send(m_hWnd, TTM_GETTIPBKCOLOR);
}

void CToolTipCtrl::SetTipTextColor(COLORREF clr)
{
    Send(m_hWnd, TTM_SETTIPTEXTCOLOR, (WPARAM)clr);
}

COLORREF CToolTipCtrl::GetTipTextColor() const
{
    return (COLORREF)Send(m_hWnd, TTM_GETTIPTEXTCOLOR);
}

BOOL CToolTipCtrl::SetTitle(UINT uIcon, LPCSTR lpstrTitle)
{
    return (BOOL)Send(m_hWnd, TTM_SETTITLEA, (WPARAM)uIcon, (LPARAM)lpstrTitle);
}

void CToolTipCtrl::Pop()
{
    Send(m_hWnd, TTM_POP);
}

void CToolTipCtrl::Update()
{
    Send(m_hWnd, TTM_UPDATE);
}

void CToolTipCtrl::TrackActivate(BOOL bActivate, LPTOOLINFOA lpToolInfo)
{
    Send(m_hWnd, TTM_TRACKACTIVATE, (WPARAM)bActivate, (LPARAM)lpToolInfo);
}

void CToolTipCtrl::TrackPosition(int xPos, int yPos)
{
    Send(m_hWnd, TTM_TRACKPOSITION, 0, MAKELPARAM(xPos, yPos));
}

/////////////////////////////////////////////////////////////////////////////
// CTreeCtrl

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

CTreeCtrl::~CTreeCtrl()
{
    DestroyWindow();
}

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControl(ICC_TREEVIEW_CLASSES);
    return CWnd::Create(WC_TREEVIEWA, NULL, dwStyle, rect, pParentWnd, nID);
}

BOOL CTreeCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControl(ICC_TREEVIEW_CLASSES);
    return CWnd::CreateEx(dwExStyle, WC_TREEVIEWA, NULL, dwStyle, rect, pParentWnd, nID);
}

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCTA lpInsertStruct)
{
    return (HTREEITEM)Send(m_hWnd, TVM_INSERTITEMA, 0, (LPARAM)lpInsertStruct);
}

HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage,
    UINT nState, UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    TVINSERTSTRUCTA tvis;
    memset(&tvis, 0, sizeof(tvis));
    tvis.hParent = hParent;
    tvis.hInsertAfter = hInsertAfter;
    tvis.item.mask = nMask;
    tvis.item.pszText = (LPSTR)lpszItem;
    tvis.item.iImage = nImage;
    tvis.item.iSelectedImage = nSelectedImage;
    tvis.item.state = nState;
    tvis.item.stateMask = nStateMask;
    tvis.item.lParam = lParam;
    return InsertItem(&tvis);
}

HTREEITEM CTreeCtrl::InsertItem(LPCSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
    HTREEITEM hInsertAfter)
{
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage,
        0, 0, 0, hParent, hInsertAfter);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem)
{
    return (BOOL)Send(m_hWnd, TVM_DELETEITEM, 0, (LPARAM)hItem);
}

BOOL CTreeCtrl::DeleteAllItems()
{
    return (BOOL)Send(m_hWnd, TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const
{
    return (HTREEITEM)Send(m_hWnd, TVM_GETNEXTITEM, (WPARAM)nCode, (LPARAM)hItem);
}

BOOL CTreeCtrl::GetItem(TVITEMA* pItem) const
{
    return (BOOL)Send(m_hWnd, TVM_GETITEMA, 0, (LPARAM)pItem);
}

BOOL CTreeCtrl::SetItem(TVITEMA* pItem)
{
    return (BOOL)Send(m_hWnd, TVM_SETITEMA, 0, (LPARAM)pItem);
}

BOOL CTreeCtrl::SetItem(HTREEITEM hItem, UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage,
    UINT nState, UINT nStateMask, LPARAM lParam)
{
    TVITEMA item;
    memset(&item, 0, sizeof(item));
    item.hItem = hItem;
    item.mask = nMask;
    item.pszText = (LPSTR)lpszItem;
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

// The control copies at most cchTextMax characters and does not say whether it truncated, so the
// buffer grows until the text no longer fills it.
CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    TVITEMA item;
    memset(&item, 0, sizeof(item));
    item.hItem = hItem;
    item.mask = TVIF_TEXT;
    for (int nLen = 256; ; nLen *= 2)
    {
        char* pszBuffer = new char[nLen];
        pszBuffer[0] = '\0';
        item.pszText = pszBuffer;
        item.cchTextMax = nLen;
        BOOL bOk = (BOOL)Send(m_hWnd, TVM_GETITEMA, 0, (LPARAM)&item);
        // item.pszText may come back pointing at the control's own copy
        CString str(bOk && item.pszText != NULL ? item.pszText : "");
        delete[] pszBuffer;
        if (!bOk || str.GetLength() < nLen - 1 || nLen >= 0x10000)
            return str;
    }
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCSTR lpszItem)
{
    return SetItem(hItem, TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const
{
    TVITEMA item;
    memset(&item, 0, sizeof(item));
    item.hItem = hItem;
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    BOOL bRes = GetItem(&item);
    if (bRes)
    {
        nImage = item.iImage;
        nSelectedImage = item.iSelectedImage;
    }
    return bRes;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage)
{
    return SetItem(hItem, TVIF_IMAGE | TVIF_SELECTEDIMAGE, NULL, nImage, nSelectedImage, 0, 0, 0);
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const
{
    TVITEMA item;
    memset(&item, 0, sizeof(item));
    item.hItem = hItem;
    item.mask = TVIF_STATE;
    item.stateMask = nStateMask;
    GetItem(&item);
    return item.state & nStateMask;
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
{
    return SetItem(hItem, TVIF_STATE, NULL, 0, 0, nState, nStateMask, 0);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    TVITEMA item;
    memset(&item, 0, sizeof(item));
    item.hItem = hItem;
    item.mask = TVIF_PARAM;
    if (!GetItem(&item))
        return 0;
    return (DWORD_PTR)item.lParam;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
    return SetItem(hItem, TVIF_PARAM, NULL, 0, 0, 0, 0, (LPARAM)dwData);
}

// True when the item has children or announces them (cChildren I_CHILDRENCALLBACK or 1).
BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const
{
    TVITEMA item;
    memset(&item, 0, sizeof(item));
    item.hItem = hItem;
    item.mask = TVIF_CHILDREN;
    GetItem(&item);
    return item.cChildren != 0;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const
{
    // TVM_GETITEMRECT reads the item handle from the rectangle it fills
    *(HTREEITEM*)lpRect = hItem;
    return (BOOL)Send(m_hWnd, TVM_GETITEMRECT, (WPARAM)bTextOnly, (LPARAM)lpRect);
}

BOOL CTreeCtrl::GetCheck(HTREEITEM hItem) const
{
    UINT nState = GetItemState(hItem, TVIS_STATEIMAGEMASK) >> 12;
    return nState == 2;
}

BOOL CTreeCtrl::SetCheck(HTREEITEM hItem, BOOL fCheck)
{
    return SetItemState(hItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), TVIS_STATEIMAGEMASK);
}

UINT CTreeCtrl::GetCount() const
{
    return (UINT)Send(m_hWnd, TVM_GETCOUNT);
}

UINT CTreeCtrl::GetVisibleCount() const
{
    return (UINT)Send(m_hWnd, TVM_GETVISIBLECOUNT);
}

UINT CTreeCtrl::GetIndent() const
{
    return (UINT)Send(m_hWnd, TVM_GETINDENT);
}

void CTreeCtrl::SetIndent(UINT nIndent)
{
    Send(m_hWnd, TVM_SETINDENT, (WPARAM)nIndent);
}

SHORT CTreeCtrl::GetItemHeight() const
{
    return (SHORT)Send(m_hWnd, TVM_GETITEMHEIGHT);
}

SHORT CTreeCtrl::SetItemHeight(SHORT cyHeight)
{
    return (SHORT)Send(m_hWnd, TVM_SETITEMHEIGHT, (WPARAM)cyHeight);
}

COLORREF CTreeCtrl::GetBkColor() const
{
    return (COLORREF)Send(m_hWnd, TVM_GETBKCOLOR);
}

COLORREF CTreeCtrl::SetBkColor(COLORREF clr)
{
    return (COLORREF)Send(m_hWnd, TVM_SETBKCOLOR, 0, (LPARAM)clr);
}

COLORREF CTreeCtrl::GetTextColor() const
{
    return (COLORREF)Send(m_hWnd, TVM_GETTEXTCOLOR);
}

COLORREF CTreeCtrl::SetTextColor(COLORREF clr)
{
    return (COLORREF)Send(m_hWnd, TVM_SETTEXTCOLOR, 0, (LPARAM)clr);
}

COLORREF CTreeCtrl::GetInsertMarkColor() const
{
    return (COLORREF)Send(m_hWnd, TVM_GETINSERTMARKCOLOR);
}

COLORREF CTreeCtrl::SetInsertMarkColor(COLORREF clrNew)
{
    return (COLORREF)Send(m_hWnd, TVM_SETINSERTMARKCOLOR, 0, (LPARAM)clrNew);
}

BOOL CTreeCtrl::SetInsertMark(HTREEITEM hItem, BOOL fAfter)
{
    return (BOOL)Send(m_hWnd, TVM_SETINSERTMARK, (WPARAM)fAfter, (LPARAM)hItem);
}

CImageList* CTreeCtrl::GetImageList(int nImageList) const
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, TVM_GETIMAGELIST, (WPARAM)nImageList));
}

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, TVM_SETIMAGELIST,
        (WPARAM)nImageListType, (LPARAM)pImageList->GetSafeHandle()));
}

CToolTipCtrl* CTreeCtrl::GetToolTips() const
{
    return WndFromHandle<CToolTipCtrl>((HWND)Send(m_hWnd, TVM_GETTOOLTIPS));
}

CToolTipCtrl* CTreeCtrl::SetToolTips(CToolTipCtrl* pWndTip)
{
    return WndFromHandle<CToolTipCtrl>((HWND)Send(m_hWnd, TVM_SETTOOLTIPS,
        (WPARAM)HwndOf(pWndTip)));
}

BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode)
{
    return (BOOL)Send(m_hWnd, TVM_EXPAND, (WPARAM)nCode, (LPARAM)hItem);
}

BOOL CTreeCtrl::Select(HTREEITEM hItem, UINT nCode)
{
    return (BOOL)Send(m_hWnd, TVM_SELECTITEM, (WPARAM)nCode, (LPARAM)hItem);
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem)
{
    return (BOOL)Send(m_hWnd, TVM_ENSUREVISIBLE, 0, (LPARAM)hItem);
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    TVHITTESTINFO hti;
    memset(&hti, 0, sizeof(hti));
    hti.pt.x = pt.x;
    hti.pt.y = pt.y;
    HTREEITEM hItem = (HTREEITEM)Send(m_hWnd, TVM_HITTEST, 0, (LPARAM)&hti);
    if (pFlags != NULL)
        *pFlags = hti.flags;
    return hItem;
}

HTREEITEM CTreeCtrl::HitTest(TVHITTESTINFO* pHitTestInfo) const
{
    return (HTREEITEM)Send(m_hWnd, TVM_HITTEST, 0, (LPARAM)pHitTestInfo);
}

CEdit* CTreeCtrl::EditLabel(HTREEITEM hItem)
{
    return WndFromHandle<CEdit>((HWND)Send(m_hWnd, TVM_EDITLABELA, 0, (LPARAM)hItem));
}

CEdit* CTreeCtrl::GetEditControl() const
{
    return WndFromHandle<CEdit>((HWND)Send(m_hWnd, TVM_GETEDITCONTROL));
}

BOOL CTreeCtrl::SortChildren(HTREEITEM hItem)
{
    return (BOOL)Send(m_hWnd, TVM_SORTCHILDREN, 0, (LPARAM)hItem);
}

BOOL CTreeCtrl::SortChildrenCB(LPTVSORTCB pSort)
{
    return (BOOL)Send(m_hWnd, TVM_SORTCHILDRENCB, 0, (LPARAM)pSort);
}

CImageList* CTreeCtrl::CreateDragImage(HTREEITEM hItem)
{
    HIMAGELIST hImageList = (HIMAGELIST)Send(m_hWnd, TVM_CREATEDRAGIMAGE, 0, (LPARAM)hItem);
    if (hImageList == NULL)
        return NULL;
    CImageList* pImageList = new CImageList;
    VERIFY(pImageList->Attach(hImageList));
    return pImageList;
}

/////////////////////////////////////////////////////////////////////////////
// CHeaderCtrl

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

CHeaderCtrl::~CHeaderCtrl()
{
    DestroyWindow();
}

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControl(ICC_LISTVIEW_CLASSES);
    return CWnd::Create(WC_HEADERA, NULL, dwStyle, rect, pParentWnd, nID);
}

int CHeaderCtrl::GetItemCount() const
{
    return (int)Send(m_hWnd, HDM_GETITEMCOUNT);
}

BOOL CHeaderCtrl::GetItem(int nPos, HDITEMA* pHeaderItem) const
{
    return (BOOL)Send(m_hWnd, HDM_GETITEMA, (WPARAM)nPos, (LPARAM)pHeaderItem);
}

BOOL CHeaderCtrl::SetItem(int nPos, HDITEMA* pHeaderItem)
{
    return (BOOL)Send(m_hWnd, HDM_SETITEMA, (WPARAM)nPos, (LPARAM)pHeaderItem);
}

int CHeaderCtrl::InsertItem(int nPos, HDITEMA* phdi)
{
    return (int)Send(m_hWnd, HDM_INSERTITEMA, (WPARAM)nPos, (LPARAM)phdi);
}

BOOL CHeaderCtrl::DeleteItem(int nPos)
{
    return (BOOL)Send(m_hWnd, HDM_DELETEITEM, (WPARAM)nPos);
}

BOOL CHeaderCtrl::Layout(HDLAYOUT* pHeaderLayout)
{
    return (BOOL)Send(m_hWnd, HDM_LAYOUT, 0, (LPARAM)pHeaderLayout);
}

BOOL CHeaderCtrl::GetItemRect(int nIndex, LPRECT lpRect) const
{
    return (BOOL)Send(m_hWnd, HDM_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect);
}

CImageList* CHeaderCtrl::GetImageList() const
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, HDM_GETIMAGELIST));
}

CImageList* CHeaderCtrl::SetImageList(CImageList* pImageList)
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, HDM_SETIMAGELIST, 0,
        (LPARAM)pImageList->GetSafeHandle()));
}

int CHeaderCtrl::OrderToIndex(int nOrder) const
{
    return (int)Send(m_hWnd, HDM_ORDERTOINDEX, (WPARAM)nOrder);
}

BOOL CHeaderCtrl::GetOrderArray(LPINT piArray, int iCount)
{
    if (iCount == -1)
        iCount = GetItemCount();
    return (BOOL)Send(m_hWnd, HDM_GETORDERARRAY, (WPARAM)iCount, (LPARAM)piArray);
}

BOOL CHeaderCtrl::SetOrderArray(int iCount, LPINT piArray)
{
    return (BOOL)Send(m_hWnd, HDM_SETORDERARRAY, (WPARAM)iCount, (LPARAM)piArray);
}

int CHeaderCtrl::HitTest(LPHDHITTESTINFO pHeaderHitTestInfo)
{
    return (int)Send(m_hWnd, HDM_HITTEST, 0, (LPARAM)pHeaderHitTestInfo);
}

int CHeaderCtrl::SetHotDivider(CPoint pt)
{
    return (int)Send(m_hWnd, HDM_SETHOTDIVIDER, TRUE, MAKELPARAM(pt.x, pt.y));
}

int CHeaderCtrl::SetHotDivider(int nIndex)
{
    return (int)Send(m_hWnd, HDM_SETHOTDIVIDER, FALSE, (LPARAM)nIndex);
}

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT)
{
    ASSERT(FALSE);      // HDF_OWNERDRAW items need a derived class that draws them
}

BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CListCtrl

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

CListCtrl::~CListCtrl()
{
    DestroyWindow();
}

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControl(ICC_LISTVIEW_CLASSES);
    return CWnd::Create(WC_LISTVIEWA, NULL, dwStyle, rect, pParentWnd, nID);
}

BOOL CListCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControl(ICC_LISTVIEW_CLASSES);
    return CWnd::CreateEx(dwExStyle, WC_LISTVIEWA, NULL, dwStyle, rect, pParentWnd, nID);
}

int CListCtrl::InsertColumn(int nCol, const LVCOLUMNA* pColumn)
{
    return (int)Send(m_hWnd, LVM_INSERTCOLUMNA, (WPARAM)nCol, (LPARAM)pColumn);
}

int CListCtrl::InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    LVCOLUMNA column;
    memset(&column, 0, sizeof(column));
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = (LPSTR)lpszColumnHeading;
    column.fmt = nFormat;
    if (nWidth != -1)
    {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1)
    {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::DeleteColumn(int nCol)
{
    return (BOOL)Send(m_hWnd, LVM_DELETECOLUMN, (WPARAM)nCol);
}

BOOL CListCtrl::GetColumn(int nCol, LVCOLUMNA* pColumn) const
{
    return (BOOL)Send(m_hWnd, LVM_GETCOLUMNA, (WPARAM)nCol, (LPARAM)pColumn);
}

BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMNA* pColumn)
{
    return (BOOL)Send(m_hWnd, LVM_SETCOLUMNA, (WPARAM)nCol, (LPARAM)pColumn);
}

int CListCtrl::GetColumnWidth(int nCol) const
{
    return (int)Send(m_hWnd, LVM_GETCOLUMNWIDTH, (WPARAM)nCol);
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx)
{
    return (BOOL)Send(m_hWnd, LVM_SETCOLUMNWIDTH, (WPARAM)nCol, MAKELPARAM(cx, 0));
}

BOOL CListCtrl::GetColumnOrderArray(LPINT piArray, int iCount)
{
    if (iCount == -1)
    {
        CHeaderCtrl* pHeader = GetHeaderCtrl();
        if (pHeader == NULL)
            return FALSE;
        iCount = pHeader->GetItemCount();
    }
    return (BOOL)Send(m_hWnd, LVM_GETCOLUMNORDERARRAY, (WPARAM)iCount, (LPARAM)piArray);
}

BOOL CListCtrl::SetColumnOrderArray(int iCount, LPINT piArray)
{
    return (BOOL)Send(m_hWnd, LVM_SETCOLUMNORDERARRAY, (WPARAM)iCount, (LPARAM)piArray);
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const
{
    return WndFromHandle<CHeaderCtrl>((HWND)Send(m_hWnd, LVM_GETHEADER));
}

int CListCtrl::InsertItem(const LVITEMA* pItem)
{
    return (int)Send(m_hWnd, LVM_INSERTITEMA, 0, (LPARAM)pItem);
}

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem)
{
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem, int nImage)
{
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask,
    int nImage, LPARAM lParam)
{
    LVITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = nMask;
    item.iItem = nItem;
    item.pszText = (LPSTR)lpszItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

BOOL CListCtrl::DeleteItem(int nItem)
{
    return (BOOL)Send(m_hWnd, LVM_DELETEITEM, (WPARAM)nItem);
}

BOOL CListCtrl::DeleteAllItems()
{
    return (BOOL)Send(m_hWnd, LVM_DELETEALLITEMS);
}

int CListCtrl::GetItemCount() const
{
    return (int)Send(m_hWnd, LVM_GETITEMCOUNT);
}

void CListCtrl::SetItemCount(int nItems)
{
    Send(m_hWnd, LVM_SETITEMCOUNT, (WPARAM)nItems);
}

BOOL CListCtrl::SetItemCountEx(int iCount, DWORD dwFlags)
{
    return (BOOL)Send(m_hWnd, LVM_SETITEMCOUNT, (WPARAM)iCount, (LPARAM)dwFlags);
}

BOOL CListCtrl::GetItem(LVITEMA* pItem) const
{
    return (BOOL)Send(m_hWnd, LVM_GETITEMA, 0, (LPARAM)pItem);
}

BOOL CListCtrl::SetItem(const LVITEMA* pItem)
{
    return (BOOL)Send(m_hWnd, LVM_SETITEMA, 0, (LPARAM)pItem);
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage,
    UINT nState, UINT nStateMask, LPARAM lParam)
{
    LVITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = (LPSTR)lpszItem;
    item.iImage = nImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

// LVM_GETITEMTEXT returns the number of characters it copied; a text that fills the buffer may
// be longer, so the buffer grows until it does not.
CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    CString str;
    LVITEMA item;
    memset(&item, 0, sizeof(item));
    item.iSubItem = nSubItem;
    for (int nLen = 256; ; nLen *= 2)
    {
        item.cchTextMax = nLen;
        item.pszText = str.GetBufferSetLength(nLen);
        item.pszText[0] = '\0';
        int nRes = (int)Send(m_hWnd, LVM_GETITEMTEXTA, (WPARAM)nItem, (LPARAM)&item);
        if (nRes < nLen - 1 || nLen >= 0x10000)
        {
            str.ReleaseBuffer(nRes);
            return str;
        }
    }
}

// Not every list view truncates within cchTextMax: the text comes through a buffer of its own
// size and is cut here, so the caller's buffer is never overrun and always terminated.
int CListCtrl::GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const
{
    if (lpszText == NULL || nLen <= 0)
        return 0;
    CString str = GetItemText(nItem, nSubItem);
    lstrcpynA(lpszText, str, nLen);
    return lstrlenA(lpszText);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCSTR lpszText)
{
    LVITEMA item;
    memset(&item, 0, sizeof(item));
    item.iSubItem = nSubItem;
    item.pszText = (LPSTR)lpszText;
    return (BOOL)Send(m_hWnd, LVM_SETITEMTEXTA, (WPARAM)nItem, (LPARAM)&item);
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    return (UINT)Send(m_hWnd, LVM_GETITEMSTATE, (WPARAM)nItem, (LPARAM)nMask);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEMA item;
    memset(&item, 0, sizeof(item));
    item.stateMask = nMask;
    item.state = nState;
    return (BOOL)Send(m_hWnd, LVM_SETITEMSTATE, (WPARAM)nItem, (LPARAM)&item);
}

BOOL CListCtrl::SetItemState(int nItem, LVITEMA* pItem)
{
    return (BOOL)Send(m_hWnd, LVM_SETITEMSTATE, (WPARAM)nItem, (LPARAM)pItem);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEMA item;
    memset(&item, 0, sizeof(item));
    item.iItem = nItem;
    item.mask = LVIF_PARAM;
    if (!GetItem(&item))
        return 0;
    return (DWORD_PTR)item.lParam;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    return SetItem(nItem, 0, LVIF_PARAM, NULL, 0, 0, 0, (LPARAM)dwData);
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    return (int)Send(m_hWnd, LVM_GETNEXTITEM, (WPARAM)nItem, MAKELPARAM(nFlags, 0));
}

UINT CListCtrl::GetSelectedCount() const
{
    return (UINT)Send(m_hWnd, LVM_GETSELECTEDCOUNT);
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    return (POSITION)(INT_PTR)(1 + GetNextItem(-1, LVNI_SELECTED));
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const
{
    int nOldPos = (int)(INT_PTR)pos - 1;
    pos = (POSITION)(INT_PTR)(1 + GetNextItem(nOldPos, LVNI_SELECTED));
    return nOldPos;
}

int CListCtrl::GetSelectionMark() const
{
    return (int)Send(m_hWnd, LVM_GETSELECTIONMARK);
}

int CListCtrl::SetSelectionMark(int iIndex)
{
    return (int)Send(m_hWnd, LVM_SETSELECTIONMARK, 0, (LPARAM)iIndex);
}

UINT CListCtrl::GetCallbackMask() const
{
    return (UINT)Send(m_hWnd, LVM_GETCALLBACKMASK);
}

BOOL CListCtrl::SetCallbackMask(UINT nMask)
{
    return (BOOL)Send(m_hWnd, LVM_SETCALLBACKMASK, (WPARAM)nMask);
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    // LVM_GETITEMRECT reads the portion wanted from the rectangle's left member
    lpRect->left = (LONG)nCode;
    return (BOOL)Send(m_hWnd, LVM_GETITEMRECT, (WPARAM)nItem, (LPARAM)lpRect);
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const
{
    RECT rect;
    rect.top = iSubItem;
    rect.left = nArea;
    rect.right = rect.bottom = 0;
    BOOL bRet = (BOOL)Send(m_hWnd, LVM_GETSUBITEMRECT, (WPARAM)iItem, (LPARAM)&rect);
    if (bRet)
        ref = rect;
    return bRet;
}

BOOL CListCtrl::GetItemPosition(int nItem, LPPOINT lpPoint) const
{
    return (BOOL)Send(m_hWnd, LVM_GETITEMPOSITION, (WPARAM)nItem, (LPARAM)lpPoint);
}

BOOL CListCtrl::SetItemPosition(int nItem, POINT pt)
{
    return (BOOL)Send(m_hWnd, LVM_SETITEMPOSITION32, (WPARAM)nItem, (LPARAM)&pt);
}

BOOL CListCtrl::GetViewRect(LPRECT lpRect) const
{
    return (BOOL)Send(m_hWnd, LVM_GETVIEWRECT, 0, (LPARAM)lpRect);
}

BOOL CListCtrl::GetOrigin(LPPOINT lpPoint) const
{
    return (BOOL)Send(m_hWnd, LVM_GETORIGIN, 0, (LPARAM)lpPoint);
}

int CListCtrl::GetTopIndex() const
{
    return (int)Send(m_hWnd, LVM_GETTOPINDEX);
}

int CListCtrl::GetCountPerPage() const
{
    return (int)Send(m_hWnd, LVM_GETCOUNTPERPAGE);
}

int CListCtrl::GetStringWidth(LPCSTR lpsz) const
{
    return (int)Send(m_hWnd, LVM_GETSTRINGWIDTHA, 0, (LPARAM)lpsz);
}

CSize CListCtrl::SetIconSpacing(int cx, int cy)
{
    DWORD dwRet = (DWORD)Send(m_hWnd, LVM_SETICONSPACING, 0, MAKELPARAM(cx, cy));
    return CSize(LOWORD(dwRet), HIWORD(dwRet));
}

CSize CListCtrl::SetIconSpacing(CSize size)
{
    return SetIconSpacing(size.cx, size.cy);
}

int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const
{
    return (int)Send(m_hWnd, LVM_HITTEST, 0, (LPARAM)pHitTestInfo);
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO hti;
    memset(&hti, 0, sizeof(hti));
    hti.pt.x = pt.x;
    hti.pt.y = pt.y;
    int nRes = (int)Send(m_hWnd, LVM_HITTEST, 0, (LPARAM)&hti);
    if (pFlags != NULL)
        *pFlags = hti.flags;
    return nRes;
}

int CListCtrl::SubItemHitTest(LPLVHITTESTINFO pInfo)
{
    return (int)Send(m_hWnd, LVM_SUBITEMHITTEST, 0, (LPARAM)pInfo);
}

COLORREF CListCtrl::GetBkColor() const
{
    return (COLORREF)Send(m_hWnd, LVM_GETBKCOLOR);
}

BOOL CListCtrl::SetBkColor(COLORREF cr)
{
    return (BOOL)Send(m_hWnd, LVM_SETBKCOLOR, 0, (LPARAM)cr);
}

COLORREF CListCtrl::GetTextColor() const
{
    return (COLORREF)Send(m_hWnd, LVM_GETTEXTCOLOR);
}

BOOL CListCtrl::SetTextColor(COLORREF cr)
{
    return (BOOL)Send(m_hWnd, LVM_SETTEXTCOLOR, 0, (LPARAM)cr);
}

COLORREF CListCtrl::GetTextBkColor() const
{
    return (COLORREF)Send(m_hWnd, LVM_GETTEXTBKCOLOR);
}

BOOL CListCtrl::SetTextBkColor(COLORREF cr)
{
    return (BOOL)Send(m_hWnd, LVM_SETTEXTBKCOLOR, 0, (LPARAM)cr);
}

CImageList* CListCtrl::GetImageList(int nImageList) const
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, LVM_GETIMAGELIST, (WPARAM)nImageList));
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, LVM_SETIMAGELIST,
        (WPARAM)nImageListType, (LPARAM)pImageList->GetSafeHandle()));
}

DWORD CListCtrl::GetExtendedStyle() const
{
    return (DWORD)Send(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE);
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    return (DWORD)Send(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, (LPARAM)dwNewStyle);
}

CToolTipCtrl* CListCtrl::GetToolTips() const
{
    return WndFromHandle<CToolTipCtrl>((HWND)Send(m_hWnd, LVM_GETTOOLTIPS));
}

CToolTipCtrl* CListCtrl::SetToolTips(CToolTipCtrl* pWndTip)
{
    return WndFromHandle<CToolTipCtrl>((HWND)Send(m_hWnd, LVM_SETTOOLTIPS,
        (WPARAM)HwndOf(pWndTip)));
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK)
{
    return (BOOL)Send(m_hWnd, LVM_ENSUREVISIBLE, (WPARAM)nItem, MAKELPARAM(bPartialOK, 0));
}

BOOL CListCtrl::Scroll(CSize size)
{
    return (BOOL)Send(m_hWnd, LVM_SCROLL, (WPARAM)size.cx, (LPARAM)size.cy);
}

BOOL CListCtrl::RedrawItems(int nFirst, int nLast)
{
    return (BOOL)Send(m_hWnd, LVM_REDRAWITEMS, (WPARAM)nFirst, (LPARAM)nLast);
}

BOOL CListCtrl::Arrange(UINT nCode)
{
    return (BOOL)Send(m_hWnd, LVM_ARRANGE, (WPARAM)nCode);
}

BOOL CListCtrl::Update(int nItem)
{
    return (BOOL)Send(m_hWnd, LVM_UPDATE, (WPARAM)nItem);
}

BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
{
    return (BOOL)Send(m_hWnd, LVM_SORTITEMS, (WPARAM)dwData, (LPARAM)pfnCompare);
}

CEdit* CListCtrl::EditLabel(int nItem)
{
    return WndFromHandle<CEdit>((HWND)Send(m_hWnd, LVM_EDITLABELA, (WPARAM)nItem));
}

CEdit* CListCtrl::GetEditControl() const
{
    return WndFromHandle<CEdit>((HWND)Send(m_hWnd, LVM_GETEDITCONTROL));
}

int CListCtrl::FindItem(LVFINDINFOA* pFindInfo, int nStart) const
{
    return (int)Send(m_hWnd, LVM_FINDITEMA, (WPARAM)nStart, (LPARAM)pFindInfo);
}

CImageList* CListCtrl::CreateDragImage(int nItem, LPPOINT lpPoint)
{
    HIMAGELIST hImageList = (HIMAGELIST)Send(m_hWnd, LVM_CREATEDRAGIMAGE, (WPARAM)nItem,
        (LPARAM)lpPoint);
    if (hImageList == NULL)
        return NULL;
    CImageList* pImageList = new CImageList;
    VERIFY(pImageList->Attach(hImageList));
    return pImageList;
}

void CListCtrl::DrawItem(LPDRAWITEMSTRUCT)
{
    ASSERT(FALSE);      // LVS_OWNERDRAWFIXED needs a derived class that draws
}

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CToolBarCtrl

IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)

CToolBarCtrl::~CToolBarCtrl()
{
    DestroyWindow();
}

BOOL CToolBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControl(ICC_BAR_CLASSES);
    if (!CWnd::Create(TOOLBARCLASSNAMEA, NULL, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    SetButtonStructSize(sizeof(TBBUTTON));
    return TRUE;
}

BOOL CToolBarCtrl::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, const RECT& rect,
    UINT nID)
{
    return Create(dwStyle | dwCtrlStyle, rect, pParentWnd, nID);
}

BOOL CToolBarCtrl::IsButtonEnabled(int nID) const
{
    return (BOOL)Send(m_hWnd, TB_ISBUTTONENABLED, (WPARAM)nID);
}

BOOL CToolBarCtrl::IsButtonChecked(int nID) const
{
    return (BOOL)Send(m_hWnd, TB_ISBUTTONCHECKED, (WPARAM)nID);
}

BOOL CToolBarCtrl::IsButtonPressed(int nID) const
{
    return (BOOL)Send(m_hWnd, TB_ISBUTTONPRESSED, (WPARAM)nID);
}

BOOL CToolBarCtrl::IsButtonHidden(int nID) const
{
    return (BOOL)Send(m_hWnd, TB_ISBUTTONHIDDEN, (WPARAM)nID);
}

BOOL CToolBarCtrl::IsButtonIndeterminate(int nID) const
{
    return (BOOL)Send(m_hWnd, TB_ISBUTTONINDETERMINATE, (WPARAM)nID);
}

BOOL CToolBarCtrl::IsButtonHighlighted(int nID) const
{
    return (BOOL)Send(m_hWnd, TB_ISBUTTONHIGHLIGHTED, (WPARAM)nID);
}

BOOL CToolBarCtrl::SetState(int nID, UINT nState)
{
    return (BOOL)Send(m_hWnd, TB_SETSTATE, (WPARAM)nID, MAKELPARAM(nState, 0));
}

int CToolBarCtrl::GetState(int nID) const
{
    return (int)Send(m_hWnd, TB_GETSTATE, (WPARAM)nID);
}

BOOL CToolBarCtrl::EnableButton(int nID, BOOL bEnable)
{
    return (BOOL)Send(m_hWnd, TB_ENABLEBUTTON, (WPARAM)nID, MAKELPARAM(bEnable, 0));
}

BOOL CToolBarCtrl::CheckButton(int nID, BOOL bCheck)
{
    return (BOOL)Send(m_hWnd, TB_CHECKBUTTON, (WPARAM)nID, MAKELPARAM(bCheck, 0));
}

BOOL CToolBarCtrl::PressButton(int nID, BOOL bPress)
{
    return (BOOL)Send(m_hWnd, TB_PRESSBUTTON, (WPARAM)nID, MAKELPARAM(bPress, 0));
}

BOOL CToolBarCtrl::HideButton(int nID, BOOL bHide)
{
    return (BOOL)Send(m_hWnd, TB_HIDEBUTTON, (WPARAM)nID, MAKELPARAM(bHide, 0));
}

BOOL CToolBarCtrl::Indeterminate(int nID, BOOL bIndeterminate)
{
    return (BOOL)Send(m_hWnd, TB_INDETERMINATE, (WPARAM)nID, MAKELPARAM(bIndeterminate, 0));
}

BOOL CToolBarCtrl::GetButton(int nIndex, LPTBBUTTON lpButton) const
{
    return (BOOL)Send(m_hWnd, TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)lpButton);
}

int CToolBarCtrl::GetButtonCount() const
{
    return (int)Send(m_hWnd, TB_BUTTONCOUNT);
}

BOOL CToolBarCtrl::GetItemRect(int nIndex, LPRECT lpRect) const
{
    return (BOOL)Send(m_hWnd, TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect);
}

BOOL CToolBarCtrl::GetRect(int nID, LPRECT lpRect) const
{
    return (BOOL)Send(m_hWnd, TB_GETRECT, (WPARAM)nID, (LPARAM)lpRect);
}

void CToolBarCtrl::SetButtonStructSize(int nSize)
{
    Send(m_hWnd, TB_BUTTONSTRUCTSIZE, (WPARAM)nSize);
}

BOOL CToolBarCtrl::SetButtonSize(CSize size)
{
    return (BOOL)Send(m_hWnd, TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy));
}

BOOL CToolBarCtrl::SetBitmapSize(CSize size)
{
    return (BOOL)Send(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy));
}

DWORD CToolBarCtrl::GetButtonSize() const
{
    return (DWORD)Send(m_hWnd, TB_GETBUTTONSIZE);
}

BOOL CToolBarCtrl::SetButtonWidth(int cxMin, int cxMax)
{
    return (BOOL)Send(m_hWnd, TB_SETBUTTONWIDTH, 0, MAKELPARAM(cxMin, cxMax));
}

BOOL CToolBarCtrl::SetCmdID(int nIndex, UINT nID)
{
    return (BOOL)Send(m_hWnd, TB_SETCMDID, (WPARAM)nIndex, (LPARAM)nID);
}

void CToolBarCtrl::SetRows(int nRows, BOOL bLarger, LPRECT lpRect)
{
    Send(m_hWnd, TB_SETROWS, MAKEWPARAM(nRows, bLarger), (LPARAM)lpRect);
}

int CToolBarCtrl::GetRows() const
{
    return (int)Send(m_hWnd, TB_GETROWS);
}

BOOL CToolBarCtrl::SetIndent(int iIndent)
{
    return (BOOL)Send(m_hWnd, TB_SETINDENT, (WPARAM)iIndent);
}

UINT CToolBarCtrl::CommandToIndex(UINT nID) const
{
    return (UINT)Send(m_hWnd, TB_COMMANDTOINDEX, (WPARAM)nID);
}

int CToolBarCtrl::HitTest(LPPOINT ppt) const
{
    return (int)Send(m_hWnd, TB_HITTEST, 0, (LPARAM)ppt);
}

BOOL CToolBarCtrl::GetMaxSize(LPSIZE pSize) const
{
    return (BOOL)Send(m_hWnd, TB_GETMAXSIZE, 0, (LPARAM)pSize);
}

int CToolBarCtrl::AddBitmap(int nNumButtons, UINT nBitmapID)
{
    TBADDBITMAP tbab;
    tbab.hInst = AfxFindResourceHandle(MAKEINTRESOURCEA(nBitmapID), RT_BITMAP);
    tbab.nID = nBitmapID;
    return (int)Send(m_hWnd, TB_ADDBITMAP, (WPARAM)nNumButtons, (LPARAM)&tbab);
}

int CToolBarCtrl::AddBitmap(int nNumButtons, CBitmap* pBitmap)
{
    TBADDBITMAP tbab;
    tbab.hInst = NULL;
    tbab.nID = (UINT_PTR)pBitmap->GetSafeHandle();
    return (int)Send(m_hWnd, TB_ADDBITMAP, (WPARAM)nNumButtons, (LPARAM)&tbab);
}

BOOL CToolBarCtrl::AddButtons(int nNumButtons, LPTBBUTTON lpButtons)
{
    return (BOOL)Send(m_hWnd, TB_ADDBUTTONSA, (WPARAM)nNumButtons, (LPARAM)lpButtons);
}

BOOL CToolBarCtrl::InsertButton(int nIndex, LPTBBUTTON lpButton)
{
    return (BOOL)Send(m_hWnd, TB_INSERTBUTTONA, (WPARAM)nIndex, (LPARAM)lpButton);
}

BOOL CToolBarCtrl::DeleteButton(int nIndex)
{
    return (BOOL)Send(m_hWnd, TB_DELETEBUTTON, (WPARAM)nIndex);
}

BOOL CToolBarCtrl::MoveButton(UINT nOldPos, UINT nNewPos)
{
    return (BOOL)Send(m_hWnd, TB_MOVEBUTTON, (WPARAM)nOldPos, (LPARAM)nNewPos);
}

int CToolBarCtrl::AddString(UINT nStringID)
{
    HINSTANCE hInst = FindStringResourceInstance(nStringID);
    return (int)Send(m_hWnd, TB_ADDSTRINGA, (WPARAM)hInst, (LPARAM)nStringID);
}

int CToolBarCtrl::AddStrings(LPCSTR lpszStrings)
{
    return (int)Send(m_hWnd, TB_ADDSTRINGA, 0, (LPARAM)lpszStrings);
}

void CToolBarCtrl::AutoSize()
{
    Send(m_hWnd, TB_AUTOSIZE);
}

CImageList* CToolBarCtrl::GetImageList() const
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, TB_GETIMAGELIST));
}

CImageList* CToolBarCtrl::SetImageList(CImageList* pImageList)
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, TB_SETIMAGELIST, 0,
        (LPARAM)pImageList->GetSafeHandle()));
}

CImageList* CToolBarCtrl::GetHotImageList() const
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, TB_GETHOTIMAGELIST));
}

CImageList* CToolBarCtrl::SetHotImageList(CImageList* pImageList)
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, TB_SETHOTIMAGELIST, 0,
        (LPARAM)pImageList->GetSafeHandle()));
}

CImageList* CToolBarCtrl::GetDisabledImageList() const
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, TB_GETDISABLEDIMAGELIST));
}

CImageList* CToolBarCtrl::SetDisabledImageList(CImageList* pImageList)
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, TB_SETDISABLEDIMAGELIST, 0,
        (LPARAM)pImageList->GetSafeHandle()));
}

int CToolBarCtrl::GetHotItem() const
{
    return (int)Send(m_hWnd, TB_GETHOTITEM);
}

int CToolBarCtrl::SetHotItem(int nHot)
{
    return (int)Send(m_hWnd, TB_SETHOTITEM, (WPARAM)nHot);
}

int CToolBarCtrl::GetButtonInfo(int nID, TBBUTTONINFOA* ptbbi) const
{
    return (int)Send(m_hWnd, TB_GETBUTTONINFOA, (WPARAM)nID, (LPARAM)ptbbi);
}

BOOL CToolBarCtrl::SetButtonInfo(int nID, TBBUTTONINFOA* ptbbi)
{
    return (BOOL)Send(m_hWnd, TB_SETBUTTONINFOA, (WPARAM)nID, (LPARAM)ptbbi);
}

DWORD CToolBarCtrl::GetExtendedStyle() const
{
    return (DWORD)Send(m_hWnd, TB_GETEXTENDEDSTYLE);
}

DWORD CToolBarCtrl::SetExtendedStyle(DWORD dwExStyle)
{
    return (DWORD)Send(m_hWnd, TB_SETEXTENDEDSTYLE, 0, (LPARAM)dwExStyle);
}

DWORD CToolBarCtrl::GetStyle() const
{
    return (DWORD)Send(m_hWnd, TB_GETSTYLE);
}

void CToolBarCtrl::SetStyle(DWORD dwStyle)
{
    Send(m_hWnd, TB_SETSTYLE, 0, (LPARAM)dwStyle);
}

DWORD CToolBarCtrl::SetDrawTextFlags(DWORD dwMask, DWORD dwDTFlags)
{
    return (DWORD)Send(m_hWnd, TB_SETDRAWTEXTFLAGS, (WPARAM)dwMask, (LPARAM)dwDTFlags);
}

BOOL CToolBarCtrl::SetMaxTextRows(int iMaxRows)
{
    return (BOOL)Send(m_hWnd, TB_SETMAXTEXTROWS, (WPARAM)iMaxRows);
}

void CToolBarCtrl::SetOwner(CWnd* pWnd)
{
    Send(m_hWnd, TB_SETPARENT, (WPARAM)HwndOf(pWnd));
}

CToolTipCtrl* CToolBarCtrl::GetToolTips() const
{
    return WndFromHandle<CToolTipCtrl>((HWND)Send(m_hWnd, TB_GETTOOLTIPS));
}

void CToolBarCtrl::SetToolTips(CToolTipCtrl* pTip)
{
    Send(m_hWnd, TB_SETTOOLTIPS, (WPARAM)HwndOf(pTip));
}

/////////////////////////////////////////////////////////////////////////////
// CSpinButtonCtrl

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

CSpinButtonCtrl::~CSpinButtonCtrl()
{
    DestroyWindow();
}

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControl(ICC_UPDOWN_CLASS);
    return CWnd::Create(UPDOWN_CLASSA, NULL, dwStyle, rect, pParentWnd, nID);
}

BOOL CSpinButtonCtrl::SetAccel(int nAccel, UDACCEL* pAccel)
{
    return (BOOL)Send(m_hWnd, UDM_SETACCEL, (WPARAM)nAccel, (LPARAM)pAccel);
}

UINT CSpinButtonCtrl::GetAccel(int nAccel, UDACCEL* pAccel) const
{
    return (UINT)LOWORD(Send(m_hWnd, UDM_GETACCEL, (WPARAM)nAccel, (LPARAM)pAccel));
}

int CSpinButtonCtrl::SetBase(int nBase)
{
    return (int)Send(m_hWnd, UDM_SETBASE, (WPARAM)nBase);
}

UINT CSpinButtonCtrl::GetBase() const
{
    return (UINT)LOWORD(Send(m_hWnd, UDM_GETBASE));
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy)
{
    return CWnd::FromHandle((HWND)Send(m_hWnd, UDM_SETBUDDY, (WPARAM)HwndOf(pWndBuddy)));
}

CWnd* CSpinButtonCtrl::GetBuddy() const
{
    return CWnd::FromHandle((HWND)Send(m_hWnd, UDM_GETBUDDY));
}

int CSpinButtonCtrl::SetPos(int nPos)
{
    return (int)(short)LOWORD(Send(m_hWnd, UDM_SETPOS, 0, MAKELPARAM(nPos, 0)));
}

// The high word is non-zero when the buddy's text is not a valid position.
int CSpinButtonCtrl::GetPos() const
{
    return (int)Send(m_hWnd, UDM_GETPOS);
}

int CSpinButtonCtrl::SetPos32(int nPos)
{
    return (int)Send(m_hWnd, UDM_SETPOS32, 0, (LPARAM)nPos);
}

int CSpinButtonCtrl::GetPos32(LPBOOL lpbError) const
{
    return (int)Send(m_hWnd, UDM_GETPOS32, 0, (LPARAM)lpbError);
}

void CSpinButtonCtrl::SetRange(short nLower, short nUpper)
{
    Send(m_hWnd, UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower));
}

void CSpinButtonCtrl::SetRange32(int nLower, int nUpper)
{
    Send(m_hWnd, UDM_SETRANGE32, (WPARAM)nLower, (LPARAM)nUpper);
}

DWORD CSpinButtonCtrl::GetRange() const
{
    return (DWORD)Send(m_hWnd, UDM_GETRANGE);
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const
{
    DWORD dw = GetRange();
    lower = (int)(short)HIWORD(dw);
    upper = (int)(short)LOWORD(dw);
}

void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const
{
    Send(m_hWnd, UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper);
}

/////////////////////////////////////////////////////////////////////////////
// CProgressCtrl

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

CProgressCtrl::~CProgressCtrl()
{
    DestroyWindow();
}

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControl(ICC_PROGRESS_CLASS);
    return CWnd::Create(PROGRESS_CLASSA, NULL, dwStyle, rect, pParentWnd, nID);
}

void CProgressCtrl::SetRange(short nLower, short nUpper)
{
    Send(m_hWnd, PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
}

void CProgressCtrl::SetRange32(int nLower, int nUpper)
{
    Send(m_hWnd, PBM_SETRANGE32, (WPARAM)nLower, (LPARAM)nUpper);
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const
{
    PBRANGE range;
    Send(m_hWnd, PBM_GETRANGE, FALSE, (LPARAM)&range);
    nLower = range.iLow;
    nUpper = range.iHigh;
}

int CProgressCtrl::GetPos() const
{
    return (int)Send(m_hWnd, PBM_GETPOS);
}

int CProgressCtrl::SetPos(int nPos)
{
    return (int)Send(m_hWnd, PBM_SETPOS, (WPARAM)nPos);
}

int CProgressCtrl::OffsetPos(int nPos)
{
    return (int)Send(m_hWnd, PBM_DELTAPOS, (WPARAM)nPos);
}

int CProgressCtrl::SetStep(int nStep)
{
    return (int)Send(m_hWnd, PBM_SETSTEP, (WPARAM)nStep);
}

int CProgressCtrl::StepIt()
{
    return (int)Send(m_hWnd, PBM_STEPIT);
}

COLORREF CProgressCtrl::SetBarColor(COLORREF clrBar)
{
    return (COLORREF)Send(m_hWnd, PBM_SETBARCOLOR, 0, (LPARAM)clrBar);
}

COLORREF CProgressCtrl::SetBkColor(COLORREF clrNew)
{
    return (COLORREF)Send(m_hWnd, PBM_SETBKCOLOR, 0, (LPARAM)clrNew);
}

/////////////////////////////////////////////////////////////////////////////
// CSliderCtrl

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

CSliderCtrl::~CSliderCtrl()
{
    DestroyWindow();
}

BOOL CSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControl(ICC_BAR_CLASSES);
    return CWnd::Create(TRACKBAR_CLASSA, NULL, dwStyle, rect, pParentWnd, nID);
}

int CSliderCtrl::GetLineSize() const
{
    return (int)Send(m_hWnd, TBM_GETLINESIZE);
}

int CSliderCtrl::SetLineSize(int nSize)
{
    return (int)Send(m_hWnd, TBM_SETLINESIZE, 0, (LPARAM)nSize);
}

int CSliderCtrl::GetPageSize() const
{
    return (int)Send(m_hWnd, TBM_GETPAGESIZE);
}

int CSliderCtrl::SetPageSize(int nSize)
{
    return (int)Send(m_hWnd, TBM_SETPAGESIZE, 0, (LPARAM)nSize);
}

int CSliderCtrl::GetRangeMax() const
{
    return (int)Send(m_hWnd, TBM_GETRANGEMAX);
}

int CSliderCtrl::GetRangeMin() const
{
    return (int)Send(m_hWnd, TBM_GETRANGEMIN);
}

void CSliderCtrl::GetRange(int& nMin, int& nMax) const
{
    nMin = GetRangeMin();
    nMax = GetRangeMax();
}

void CSliderCtrl::SetRangeMin(int nMin, BOOL bRedraw)
{
    Send(m_hWnd, TBM_SETRANGEMIN, (WPARAM)bRedraw, (LPARAM)nMin);
}

void CSliderCtrl::SetRangeMax(int nMax, BOOL bRedraw)
{
    Send(m_hWnd, TBM_SETRANGEMAX, (WPARAM)bRedraw, (LPARAM)nMax);
}

void CSliderCtrl::SetRange(int nMin, int nMax, BOOL bRedraw)
{
    SetRangeMin(nMin, FALSE);
    SetRangeMax(nMax, bRedraw);
}

void CSliderCtrl::GetSelection(int& nMin, int& nMax) const
{
    nMin = (int)Send(m_hWnd, TBM_GETSELSTART);
    nMax = (int)Send(m_hWnd, TBM_GETSELEND);
}

void CSliderCtrl::SetSelection(int nMin, int nMax)
{
    Send(m_hWnd, TBM_SETSELSTART, FALSE, (LPARAM)nMin);
    Send(m_hWnd, TBM_SETSELEND, TRUE, (LPARAM)nMax);
}

void CSliderCtrl::GetChannelRect(LPRECT lprc) const
{
    Send(m_hWnd, TBM_GETCHANNELRECT, 0, (LPARAM)lprc);
}

void CSliderCtrl::GetThumbRect(LPRECT lprc) const
{
    Send(m_hWnd, TBM_GETTHUMBRECT, 0, (LPARAM)lprc);
}

int CSliderCtrl::GetPos() const
{
    return (int)Send(m_hWnd, TBM_GETPOS);
}

void CSliderCtrl::SetPos(int nPos)
{
    Send(m_hWnd, TBM_SETPOS, TRUE, (LPARAM)nPos);
}

UINT CSliderCtrl::GetNumTics() const
{
    return (UINT)Send(m_hWnd, TBM_GETNUMTICS);
}

DWORD* CSliderCtrl::GetTicArray() const
{
    return (DWORD*)Send(m_hWnd, TBM_GETPTICS);
}

int CSliderCtrl::GetTic(int nTic) const
{
    return (int)Send(m_hWnd, TBM_GETTIC, (WPARAM)nTic);
}

int CSliderCtrl::GetTicPos(int nTic) const
{
    return (int)Send(m_hWnd, TBM_GETTICPOS, (WPARAM)nTic);
}

BOOL CSliderCtrl::SetTic(int nTic)
{
    return (BOOL)Send(m_hWnd, TBM_SETTIC, 0, (LPARAM)nTic);
}

void CSliderCtrl::SetTicFreq(int nFreq)
{
    Send(m_hWnd, TBM_SETTICFREQ, (WPARAM)nFreq);
}

void CSliderCtrl::ClearSel(BOOL bRedraw)
{
    Send(m_hWnd, TBM_CLEARSEL, (WPARAM)bRedraw);
}

void CSliderCtrl::ClearTics(BOOL bRedraw)
{
    Send(m_hWnd, TBM_CLEARTICS, (WPARAM)bRedraw);
}

CWnd* CSliderCtrl::SetBuddy(CWnd* pWndBuddy, BOOL fLocation)
{
    return CWnd::FromHandle((HWND)Send(m_hWnd, TBM_SETBUDDY, (WPARAM)fLocation,
        (LPARAM)HwndOf(pWndBuddy)));
}

CWnd* CSliderCtrl::GetBuddy(BOOL fLocation) const
{
    return CWnd::FromHandle((HWND)Send(m_hWnd, TBM_GETBUDDY, (WPARAM)fLocation));
}

/////////////////////////////////////////////////////////////////////////////
// CAnimateCtrl

IMPLEMENT_DYNAMIC(CAnimateCtrl, CWnd)

CAnimateCtrl::~CAnimateCtrl()
{
    DestroyWindow();
}

BOOL CAnimateCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControl(ICC_ANIMATE_CLASS);
    return CWnd::Create(ANIMATE_CLASSA, NULL, dwStyle, rect, pParentWnd, nID);
}

BOOL CAnimateCtrl::Open(LPCSTR lpszFileName)
{
    // a resource of the module chain wins over a file of the same name
    HINSTANCE hInst = AfxFindResourceHandle(lpszFileName, "AVI");
    if (hInst != NULL && ::FindResourceA(hInst, lpszFileName, "AVI") != NULL)
        return (BOOL)Send(m_hWnd, ACM_OPENA, (WPARAM)hInst, (LPARAM)lpszFileName);
    if (IS_INTRESOURCE(lpszFileName))
        return FALSE;
    return (BOOL)Send(m_hWnd, ACM_OPENA, 0, (LPARAM)lpszFileName);
}

BOOL CAnimateCtrl::Open(UINT nID)
{
    return Open(MAKEINTRESOURCEA(nID));
}

BOOL CAnimateCtrl::Play(UINT nFrom, UINT nTo, UINT nRep)
{
    return (BOOL)Send(m_hWnd, ACM_PLAY, (WPARAM)nRep, MAKELPARAM(nFrom, nTo));
}

BOOL CAnimateCtrl::Stop()
{
    return (BOOL)Send(m_hWnd, ACM_STOP);
}

BOOL CAnimateCtrl::Close()
{
    return (BOOL)Send(m_hWnd, ACM_OPENA, 0, 0);
}

BOOL CAnimateCtrl::Seek(UINT nTo)
{
    return (BOOL)Send(m_hWnd, ACM_PLAY, 1, MAKELPARAM(nTo, nTo));
}

BOOL CAnimateCtrl::IsPlaying() const
{
    return (BOOL)Send(m_hWnd, ACM_ISPLAYING);
}

/////////////////////////////////////////////////////////////////////////////
// CTabCtrl

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

CTabCtrl::~CTabCtrl()
{
    DestroyWindow();
}

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControl(ICC_TAB_CLASSES);
    return CWnd::Create(WC_TABCONTROLA, NULL, dwStyle, rect, pParentWnd, nID);
}

CImageList* CTabCtrl::GetImageList() const
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, TCM_GETIMAGELIST));
}

CImageList* CTabCtrl::SetImageList(CImageList* pImageList)
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, TCM_SETIMAGELIST, 0,
        (LPARAM)pImageList->GetSafeHandle()));
}

int CTabCtrl::GetItemCount() const
{
    return (int)Send(m_hWnd, TCM_GETITEMCOUNT);
}

BOOL CTabCtrl::GetItem(int nItem, TCITEMA* pTabCtrlItem) const
{
    return (BOOL)Send(m_hWnd, TCM_GETITEMA, (WPARAM)nItem, (LPARAM)pTabCtrlItem);
}

BOOL CTabCtrl::SetItem(int nItem, TCITEMA* pTabCtrlItem)
{
    return (BOOL)Send(m_hWnd, TCM_SETITEMA, (WPARAM)nItem, (LPARAM)pTabCtrlItem);
}

LONG CTabCtrl::InsertItem(int nItem, TCITEMA* pTabCtrlItem)
{
    return (LONG)Send(m_hWnd, TCM_INSERTITEMA, (WPARAM)nItem, (LPARAM)pTabCtrlItem);
}

LONG CTabCtrl::InsertItem(int nItem, LPCSTR lpszItem)
{
    TCITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = TCIF_TEXT;
    item.pszText = (LPSTR)lpszItem;
    return InsertItem(nItem, &item);
}

LONG CTabCtrl::InsertItem(int nItem, LPCSTR lpszItem, int nImage)
{
    TCITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = (LPSTR)lpszItem;
    item.iImage = nImage;
    return InsertItem(nItem, &item);
}

BOOL CTabCtrl::DeleteItem(int nItem)
{
    return (BOOL)Send(m_hWnd, TCM_DELETEITEM, (WPARAM)nItem);
}

BOOL CTabCtrl::DeleteAllItems()
{
    return (BOOL)Send(m_hWnd, TCM_DELETEALLITEMS);
}

BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const
{
    return (BOOL)Send(m_hWnd, TCM_GETITEMRECT, (WPARAM)nItem, (LPARAM)lpRect);
}

int CTabCtrl::GetCurSel() const
{
    return (int)Send(m_hWnd, TCM_GETCURSEL);
}

int CTabCtrl::SetCurSel(int nItem)
{
    return (int)Send(m_hWnd, TCM_SETCURSEL, (WPARAM)nItem);
}

int CTabCtrl::GetCurFocus() const
{
    return (int)Send(m_hWnd, TCM_GETCURFOCUS);
}

void CTabCtrl::SetCurFocus(int nItem)
{
    Send(m_hWnd, TCM_SETCURFOCUS, (WPARAM)nItem);
}

CSize CTabCtrl::SetItemSize(CSize size)
{
    DWORD dw = (DWORD)Send(m_hWnd, TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy));
    return CSize(LOWORD(dw), HIWORD(dw));
}

void CTabCtrl::SetPadding(CSize size)
{
    Send(m_hWnd, TCM_SETPADDING, 0, MAKELPARAM(size.cx, size.cy));
}

int CTabCtrl::GetRowCount() const
{
    return (int)Send(m_hWnd, TCM_GETROWCOUNT);
}

void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect)
{
    Send(m_hWnd, TCM_ADJUSTRECT, (WPARAM)bLarger, (LPARAM)lpRect);
}

int CTabCtrl::HitTest(TCHITTESTINFO* pHitTestInfo) const
{
    return (int)Send(m_hWnd, TCM_HITTEST, 0, (LPARAM)pHitTestInfo);
}

void CTabCtrl::RemoveImage(int nImage)
{
    Send(m_hWnd, TCM_REMOVEIMAGE, (WPARAM)nImage);
}

void CTabCtrl::DeselectAll(BOOL fExcludeFocus)
{
    Send(m_hWnd, TCM_DESELECTALL, (WPARAM)fExcludeFocus);
}

CToolTipCtrl* CTabCtrl::GetToolTips() const
{
    return WndFromHandle<CToolTipCtrl>((HWND)Send(m_hWnd, TCM_GETTOOLTIPS));
}

void CTabCtrl::SetToolTips(CToolTipCtrl* pWndTip)
{
    Send(m_hWnd, TCM_SETTOOLTIPS, (WPARAM)HwndOf(pWndTip));
}

void CTabCtrl::DrawItem(LPDRAWITEMSTRUCT)
{
    ASSERT(FALSE);      // TCS_OWNERDRAWFIXED needs a derived class that draws
}

BOOL CTabCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CStatusBarCtrl

IMPLEMENT_DYNAMIC(CStatusBarCtrl, CWnd)

CStatusBarCtrl::~CStatusBarCtrl()
{
    DestroyWindow();
}

BOOL CStatusBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControl(ICC_BAR_CLASSES);
    return CWnd::Create(STATUSCLASSNAMEA, NULL, dwStyle, rect, pParentWnd, nID);
}

BOOL CStatusBarCtrl::SetText(LPCSTR lpszText, int nPane, int nType)
{
    return (BOOL)Send(m_hWnd, SB_SETTEXTA, (WPARAM)(nPane | nType), (LPARAM)lpszText);
}

CString CStatusBarCtrl::GetText(int nPane, int* pType) const
{
    CString str;
    int nLength = GetTextLength(nPane);
    GetText(str.GetBufferSetLength(nLength + 1), nPane, pType);
    str.ReleaseBuffer(nLength);
    return str;
}

int CStatusBarCtrl::GetText(LPSTR lpszText, int nPane, int* pType) const
{
    DWORD dw = (DWORD)Send(m_hWnd, SB_GETTEXTA, (WPARAM)nPane, (LPARAM)lpszText);
    if (pType != NULL)
        *pType = HIWORD(dw);
    return LOWORD(dw);
}

int CStatusBarCtrl::GetTextLength(int nPane, int* pType) const
{
    DWORD dw = (DWORD)Send(m_hWnd, SB_GETTEXTLENGTHA, (WPARAM)nPane);
    if (pType != NULL)
        *pType = HIWORD(dw);
    return LOWORD(dw);
}

BOOL CStatusBarCtrl::SetParts(int nParts, int* pWidths)
{
    return (BOOL)Send(m_hWnd, SB_SETPARTS, (WPARAM)nParts, (LPARAM)pWidths);
}

int CStatusBarCtrl::GetParts(int nParts, int* pParts) const
{
    return (int)Send(m_hWnd, SB_GETPARTS, (WPARAM)nParts, (LPARAM)pParts);
}

BOOL CStatusBarCtrl::GetBorders(int* pBorders) const
{
    return (BOOL)Send(m_hWnd, SB_GETBORDERS, 0, (LPARAM)pBorders);
}

BOOL CStatusBarCtrl::GetBorders(int& nHorz, int& nVert, int& nSpacing) const
{
    int borders[3] = { 0, 0, 0 };
    BOOL bResult = GetBorders(borders);
    nHorz = borders[0];
    nVert = borders[1];
    nSpacing = borders[2];
    return bResult;
}

void CStatusBarCtrl::SetMinHeight(int nMin)
{
    Send(m_hWnd, SB_SETMINHEIGHT, (WPARAM)nMin);
}

BOOL CStatusBarCtrl::SetSimple(BOOL bSimple)
{
    return (BOOL)Send(m_hWnd, SB_SIMPLE, (WPARAM)bSimple);
}

BOOL CStatusBarCtrl::IsSimple() const
{
    return (BOOL)Send(m_hWnd, SB_ISSIMPLE);
}

BOOL CStatusBarCtrl::GetRect(int nPane, LPRECT lpRect) const
{
    return (BOOL)Send(m_hWnd, SB_GETRECT, (WPARAM)nPane, (LPARAM)lpRect);
}

BOOL CStatusBarCtrl::SetIcon(int nPane, HICON hIcon)
{
    return (BOOL)Send(m_hWnd, SB_SETICON, (WPARAM)nPane, (LPARAM)hIcon);
}

void CStatusBarCtrl::SetTipText(int nPane, LPCSTR pszTipText)
{
    Send(m_hWnd, SB_SETTIPTEXTA, (WPARAM)nPane, (LPARAM)pszTipText);
}

COLORREF CStatusBarCtrl::SetBkColor(COLORREF cr)
{
    return (COLORREF)Send(m_hWnd, SB_SETBKCOLOR, 0, (LPARAM)cr);
}

void CStatusBarCtrl::DrawItem(LPDRAWITEMSTRUCT)
{
    ASSERT(FALSE);      // SBT_OWNERDRAW panes need a derived class that draws
}

BOOL CStatusBarCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    return TRUE;
}
