// afxctl_.h - the standard Windows controls: CStatic, CButton, CEdit, CListBox, CComboBox,
// CScrollBar.  Included at the end of afxwin.h.
//
// The members are thin wrappers over the controls' messages.  Owner-drawn controls receive their
// WM_DRAWITEM/WM_MEASUREITEM/WM_COMPAREITEM/WM_DELETEITEM back from the parent by reflection
// (OnChildNotify), so a derived class overrides DrawItem and friends instead of handling the
// parent's messages.
#pragma once

/////////////////////////////////////////////////////////////////////////////
// CStatic

class AFX_FX_CLASS CStatic : public CWnd
{
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() {}
    virtual ~CStatic();
    virtual BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
        UINT nID = 0xffff);

    HICON SetIcon(HICON hIcon)
        { return (HICON)::SendMessageA(m_hWnd, STM_SETICON, (WPARAM)hIcon, 0); }
    HICON GetIcon() const
        { return (HICON)::SendMessageA(m_hWnd, STM_GETICON, 0, 0); }
    HENHMETAFILE SetEnhMetaFile(HENHMETAFILE hMetaFile)
        { return (HENHMETAFILE)::SendMessageA(m_hWnd, STM_SETIMAGE, IMAGE_ENHMETAFILE, (LPARAM)hMetaFile); }
    HENHMETAFILE GetEnhMetaFile() const
        { return (HENHMETAFILE)::SendMessageA(m_hWnd, STM_GETIMAGE, IMAGE_ENHMETAFILE, 0); }
    HBITMAP SetBitmap(HBITMAP hBitmap)
        { return (HBITMAP)::SendMessageA(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap); }
    HBITMAP GetBitmap() const
        { return (HBITMAP)::SendMessageA(m_hWnd, STM_GETIMAGE, IMAGE_BITMAP, 0); }
    HCURSOR SetCursor(HCURSOR hCursor)
        { return (HCURSOR)::SendMessageA(m_hWnd, STM_SETIMAGE, IMAGE_CURSOR, (LPARAM)hCursor); }
    HCURSOR GetCursor()
        { return (HCURSOR)::SendMessageA(m_hWnd, STM_GETIMAGE, IMAGE_CURSOR, 0); }

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

/////////////////////////////////////////////////////////////////////////////
// CButton

class AFX_FX_CLASS CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)
public:
    CButton() {}
    virtual ~CButton();
    virtual BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
        UINT nID);

    UINT GetState() const
        { return (UINT)::SendMessageA(m_hWnd, BM_GETSTATE, 0, 0); }
    void SetState(BOOL bHighlight)
        { ::SendMessageA(m_hWnd, BM_SETSTATE, (WPARAM)bHighlight, 0); }
    int GetCheck() const
        { return (int)::SendMessageA(m_hWnd, BM_GETCHECK, 0, 0); }
    void SetCheck(int nCheck)
        { ::SendMessageA(m_hWnd, BM_SETCHECK, (WPARAM)nCheck, 0); }
    UINT GetButtonStyle() const
        { return (UINT)::GetWindowLongA(m_hWnd, GWL_STYLE) & 0xFFFF; }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE)
        { ::SendMessageA(m_hWnd, BM_SETSTYLE, (WPARAM)nStyle, (LPARAM)bRedraw); }
    HICON SetIcon(HICON hIcon)
        { return (HICON)::SendMessageA(m_hWnd, BM_SETIMAGE, IMAGE_ICON, (LPARAM)hIcon); }
    HICON GetIcon() const
        { return (HICON)::SendMessageA(m_hWnd, BM_GETIMAGE, IMAGE_ICON, 0); }
    HBITMAP SetBitmap(HBITMAP hBitmap)
        { return (HBITMAP)::SendMessageA(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap); }
    HBITMAP GetBitmap() const
        { return (HBITMAP)::SendMessageA(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0); }
    HCURSOR SetCursor(HCURSOR hCursor)
        { return (HCURSOR)::SendMessageA(m_hWnd, BM_SETIMAGE, IMAGE_CURSOR, (LPARAM)hCursor); }
    HCURSOR GetCursor()
        { return (HCURSOR)::SendMessageA(m_hWnd, BM_GETIMAGE, IMAGE_CURSOR, 0); }

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

/////////////////////////////////////////////////////////////////////////////
// CEdit

class AFX_FX_CLASS CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() {}
    virtual ~CEdit();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    BOOL CanUndo() const
        { return (BOOL)::SendMessageA(m_hWnd, EM_CANUNDO, 0, 0); }
    int GetLineCount() const
        { return (int)::SendMessageA(m_hWnd, EM_GETLINECOUNT, 0, 0); }
    BOOL GetModify() const
        { return (BOOL)::SendMessageA(m_hWnd, EM_GETMODIFY, 0, 0); }
    void SetModify(BOOL bModified = TRUE)
        { ::SendMessageA(m_hWnd, EM_SETMODIFY, (WPARAM)bModified, 0); }
    void GetRect(LPRECT lpRect) const
        { ::SendMessageA(m_hWnd, EM_GETRECT, 0, (LPARAM)lpRect); }
    DWORD GetSel() const
        { return (DWORD)::SendMessageA(m_hWnd, EM_GETSEL, 0, 0); }
    void GetSel(int& nStartChar, int& nEndChar) const;
    HLOCAL GetHandle() const
        { return (HLOCAL)::SendMessageA(m_hWnd, EM_GETHANDLE, 0, 0); }
    void SetHandle(HLOCAL hBuffer)
        { ::SendMessageA(m_hWnd, EM_SETHANDLE, (WPARAM)hBuffer, 0); }
    void SetMargins(UINT nLeft, UINT nRight)
        { ::SendMessageA(m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight)); }
    DWORD GetMargins() const
        { return (DWORD)::SendMessageA(m_hWnd, EM_GETMARGINS, 0, 0); }
    void SetLimitText(UINT nMax)
        { ::SendMessageA(m_hWnd, EM_SETLIMITTEXT, (WPARAM)nMax, 0); }
    UINT GetLimitText() const
        { return (UINT)::SendMessageA(m_hWnd, EM_GETLIMITTEXT, 0, 0); }
    CPoint PosFromChar(UINT nChar) const;
    int CharFromPos(CPoint pt) const
        { return (int)::SendMessageA(m_hWnd, EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y)); }
    // The first form expects the buffer's size in its first WORD, as EM_GETLINE does.
    int GetLine(int nIndex, LPSTR lpszBuffer) const
        { return (int)::SendMessageA(m_hWnd, EM_GETLINE, (WPARAM)nIndex, (LPARAM)lpszBuffer); }
    int GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const;
    int GetFirstVisibleLine() const
        { return (int)::SendMessageA(m_hWnd, EM_GETFIRSTVISIBLELINE, 0, 0); }
    BOOL GetReadOnly() const
        { return (::GetWindowLongA(m_hWnd, GWL_STYLE) & ES_READONLY) != 0; }

    void EmptyUndoBuffer()
        { ::SendMessageA(m_hWnd, EM_EMPTYUNDOBUFFER, 0, 0); }
    BOOL FmtLines(BOOL bAddEOL)
        { return (BOOL)::SendMessageA(m_hWnd, EM_FMTLINES, (WPARAM)bAddEOL, 0); }
    void LimitText(int nChars = 0)
        { ::SendMessageA(m_hWnd, EM_LIMITTEXT, (WPARAM)nChars, 0); }
    int LineFromChar(int nIndex = -1) const
        { return (int)::SendMessageA(m_hWnd, EM_LINEFROMCHAR, (WPARAM)nIndex, 0); }
    int LineIndex(int nLine = -1) const
        { return (int)::SendMessageA(m_hWnd, EM_LINEINDEX, (WPARAM)nLine, 0); }
    int LineLength(int nLine = -1) const
        { return (int)::SendMessageA(m_hWnd, EM_LINELENGTH, (WPARAM)nLine, 0); }
    void LineScroll(int nLines, int nChars = 0)
        { ::SendMessageA(m_hWnd, EM_LINESCROLL, (WPARAM)nChars, (LPARAM)nLines); }
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE)
        { ::SendMessageA(m_hWnd, EM_REPLACESEL, (WPARAM)bCanUndo, (LPARAM)lpszNewText); }
    void SetPasswordChar(char ch)
        { ::SendMessageA(m_hWnd, EM_SETPASSWORDCHAR, (WPARAM)(BYTE)ch, 0); }
    char GetPasswordChar() const
        { return (char)::SendMessageA(m_hWnd, EM_GETPASSWORDCHAR, 0, 0); }
    void SetRect(LPCRECT lpRect)
        { ::SendMessageA(m_hWnd, EM_SETRECT, 0, (LPARAM)lpRect); }
    void SetRectNP(LPCRECT lpRect)
        { ::SendMessageA(m_hWnd, EM_SETRECTNP, 0, (LPARAM)lpRect); }
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    BOOL SetTabStops(int nTabStops, LPINT rgTabStops)
        { return (BOOL)::SendMessageA(m_hWnd, EM_SETTABSTOPS, (WPARAM)nTabStops, (LPARAM)rgTabStops); }
    void SetTabStops()
        { ::SendMessageA(m_hWnd, EM_SETTABSTOPS, 0, 0); }
    BOOL SetTabStops(const int& cxEachStop)
        { return (BOOL)::SendMessageA(m_hWnd, EM_SETTABSTOPS, 1, (LPARAM)&cxEachStop); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE)
        { return (BOOL)::SendMessageA(m_hWnd, EM_SETREADONLY, (WPARAM)bReadOnly, 0); }

    BOOL Undo()
        { return (BOOL)::SendMessageA(m_hWnd, EM_UNDO, 0, 0); }
    void Clear()
        { ::SendMessageA(m_hWnd, WM_CLEAR, 0, 0); }
    void Copy()
        { ::SendMessageA(m_hWnd, WM_COPY, 0, 0); }
    void Cut()
        { ::SendMessageA(m_hWnd, WM_CUT, 0, 0); }
    void Paste()
        { ::SendMessageA(m_hWnd, WM_PASTE, 0, 0); }
};

/////////////////////////////////////////////////////////////////////////////
// CListBox

class AFX_FX_CLASS CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() {}
    virtual ~CListBox();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const
        { return (int)::SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0); }
    int GetHorizontalExtent() const
        { return (int)::SendMessageA(m_hWnd, LB_GETHORIZONTALEXTENT, 0, 0); }
    void SetHorizontalExtent(int cxExtent)
        { ::SendMessageA(m_hWnd, LB_SETHORIZONTALEXTENT, (WPARAM)cxExtent, 0); }
    int GetTopIndex() const
        { return (int)::SendMessageA(m_hWnd, LB_GETTOPINDEX, 0, 0); }
    int SetTopIndex(int nIndex)
        { return (int)::SendMessageA(m_hWnd, LB_SETTOPINDEX, (WPARAM)nIndex, 0); }
    LCID GetLocale() const
        { return (LCID)::SendMessageA(m_hWnd, LB_GETLOCALE, 0, 0); }
    LCID SetLocale(LCID nNewLocale)
        { return (LCID)::SendMessageA(m_hWnd, LB_SETLOCALE, (WPARAM)nNewLocale, 0); }
    int InitStorage(int nItems, UINT nBytes)
        { return (int)::SendMessageA(m_hWnd, LB_INITSTORAGE, (WPARAM)nItems, (LPARAM)nBytes); }
    UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;

    // single selection
    int GetCurSel() const
        { return (int)::SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0); }
    int SetCurSel(int nSelect)
        { return (int)::SendMessageA(m_hWnd, LB_SETCURSEL, (WPARAM)nSelect, 0); }

    // multiple selection
    int GetSel(int nIndex) const
        { return (int)::SendMessageA(m_hWnd, LB_GETSEL, (WPARAM)nIndex, 0); }
    int SetSel(int nIndex, BOOL bSelect = TRUE)
        { return (int)::SendMessageA(m_hWnd, LB_SETSEL, (WPARAM)bSelect, (LPARAM)nIndex); }
    int GetSelCount() const
        { return (int)::SendMessageA(m_hWnd, LB_GETSELCOUNT, 0, 0); }
    int GetSelItems(int nMaxItems, LPINT rgIndex) const
        { return (int)::SendMessageA(m_hWnd, LB_GETSELITEMS, (WPARAM)nMaxItems, (LPARAM)rgIndex); }
    void SetAnchorIndex(int nIndex)
        { ::SendMessageA(m_hWnd, LB_SETANCHORINDEX, (WPARAM)nIndex, 0); }
    int GetAnchorIndex() const
        { return (int)::SendMessageA(m_hWnd, LB_GETANCHORINDEX, 0, 0); }
    int SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem);
    int GetCaretIndex() const
        { return (int)::SendMessageA(m_hWnd, LB_GETCARETINDEX, 0, 0); }
    int SetCaretIndex(int nIndex, BOOL bScroll = TRUE)
        { return (int)::SendMessageA(m_hWnd, LB_SETCARETINDEX, (WPARAM)nIndex, MAKELONG(bScroll, 0)); }

    // items
    DWORD_PTR GetItemData(int nIndex) const
        { return (DWORD_PTR)::SendMessageA(m_hWnd, LB_GETITEMDATA, (WPARAM)nIndex, 0); }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
        { return (int)::SendMessageA(m_hWnd, LB_SETITEMDATA, (WPARAM)nIndex, (LPARAM)dwItemData); }
    void* GetItemDataPtr(int nIndex) const
        { return (void*)GetItemData(nIndex); }
    int SetItemDataPtr(int nIndex, void* pData)
        { return SetItemData(nIndex, (DWORD_PTR)pData); }
    int GetItemRect(int nIndex, LPRECT lpRect) const
        { return (int)::SendMessageA(m_hWnd, LB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect); }
    int GetText(int nIndex, LPSTR lpszBuffer) const
        { return (int)::SendMessageA(m_hWnd, LB_GETTEXT, (WPARAM)nIndex, (LPARAM)lpszBuffer); }
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const
        { return (int)::SendMessageA(m_hWnd, LB_GETTEXTLEN, (WPARAM)nIndex, 0); }
    void SetColumnWidth(int cxWidth)
        { ::SendMessageA(m_hWnd, LB_SETCOLUMNWIDTH, (WPARAM)cxWidth, 0); }
    BOOL SetTabStops(int nTabStops, LPINT rgTabStops)
        { return (BOOL)::SendMessageA(m_hWnd, LB_SETTABSTOPS, (WPARAM)nTabStops, (LPARAM)rgTabStops); }
    void SetTabStops()
        { ::SendMessageA(m_hWnd, LB_SETTABSTOPS, 0, 0); }
    BOOL SetTabStops(const int& cxEachStop)
        { return (BOOL)::SendMessageA(m_hWnd, LB_SETTABSTOPS, 1, (LPARAM)&cxEachStop); }
    int SetItemHeight(int nIndex, UINT cyItemHeight)
        { return (int)::SendMessageA(m_hWnd, LB_SETITEMHEIGHT, (WPARAM)nIndex, MAKELONG(cyItemHeight, 0)); }
    int GetItemHeight(int nIndex) const
        { return (int)::SendMessageA(m_hWnd, LB_GETITEMHEIGHT, (WPARAM)nIndex, 0); }
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const
        { return (int)::SendMessageA(m_hWnd, LB_FINDSTRINGEXACT, (WPARAM)nIndexStart, (LPARAM)lpszFind); }

    // strings
    int AddString(LPCSTR lpszItem)
        { return (int)::SendMessageA(m_hWnd, LB_ADDSTRING, 0, (LPARAM)lpszItem); }
    int DeleteString(UINT nIndex)
        { return (int)::SendMessageA(m_hWnd, LB_DELETESTRING, (WPARAM)nIndex, 0); }
    int InsertString(int nIndex, LPCSTR lpszItem)
        { return (int)::SendMessageA(m_hWnd, LB_INSERTSTRING, (WPARAM)nIndex, (LPARAM)lpszItem); }
    void ResetContent()
        { ::SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0); }
    int Dir(UINT attr, LPCSTR lpszWildCard)
        { return (int)::SendMessageA(m_hWnd, LB_DIR, (WPARAM)attr, (LPARAM)lpszWildCard); }
    int FindString(int nStartAfter, LPCSTR lpszItem) const
        { return (int)::SendMessageA(m_hWnd, LB_FINDSTRING, (WPARAM)nStartAfter, (LPARAM)lpszItem); }
    int SelectString(int nStartAfter, LPCSTR lpszItem)
        { return (int)::SendMessageA(m_hWnd, LB_SELECTSTRING, (WPARAM)nStartAfter, (LPARAM)lpszItem); }

    // owner draw
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);
    virtual int VKeyToItem(UINT nKey, UINT nIndex);
    virtual int CharToItem(UINT nKey, UINT nIndex);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

/////////////////////////////////////////////////////////////////////////////
// CComboBox

class AFX_FX_CLASS CComboBox : public CWnd
{
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() {}
    virtual ~CComboBox();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const
        { return (int)::SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0); }
    int GetCurSel() const
        { return (int)::SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0); }
    int SetCurSel(int nSelect)
        { return (int)::SendMessageA(m_hWnd, CB_SETCURSEL, (WPARAM)nSelect, 0); }
    LCID GetLocale() const
        { return (LCID)::SendMessageA(m_hWnd, CB_GETLOCALE, 0, 0); }
    LCID SetLocale(LCID nNewLocale)
        { return (LCID)::SendMessageA(m_hWnd, CB_SETLOCALE, (WPARAM)nNewLocale, 0); }
    int GetTopIndex() const
        { return (int)::SendMessageA(m_hWnd, CB_GETTOPINDEX, 0, 0); }
    int SetTopIndex(int nIndex)
        { return (int)::SendMessageA(m_hWnd, CB_SETTOPINDEX, (WPARAM)nIndex, 0); }
    int InitStorage(int nItems, UINT nBytes)
        { return (int)::SendMessageA(m_hWnd, CB_INITSTORAGE, (WPARAM)nItems, (LPARAM)nBytes); }
    void SetHorizontalExtent(UINT nExtent)
        { ::SendMessageA(m_hWnd, CB_SETHORIZONTALEXTENT, (WPARAM)nExtent, 0); }
    UINT GetHorizontalExtent() const
        { return (UINT)::SendMessageA(m_hWnd, CB_GETHORIZONTALEXTENT, 0, 0); }
    int SetDroppedWidth(UINT nWidth)
        { return (int)::SendMessageA(m_hWnd, CB_SETDROPPEDWIDTH, (WPARAM)nWidth, 0); }
    int GetDroppedWidth() const
        { return (int)::SendMessageA(m_hWnd, CB_GETDROPPEDWIDTH, 0, 0); }

    // the edit part: the selection is packed as LOWORD start, HIWORD end
    DWORD GetEditSel() const
        { return (DWORD)::SendMessageA(m_hWnd, CB_GETEDITSEL, 0, 0); }
    BOOL LimitText(int nMaxChars)
        { return (BOOL)::SendMessageA(m_hWnd, CB_LIMITTEXT, (WPARAM)nMaxChars, 0); }
    BOOL SetEditSel(int nStartChar, int nEndChar)
        { return (BOOL)::SendMessageA(m_hWnd, CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar)); }

    DWORD_PTR GetItemData(int nIndex) const
        { return (DWORD_PTR)::SendMessageA(m_hWnd, CB_GETITEMDATA, (WPARAM)nIndex, 0); }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
        { return (int)::SendMessageA(m_hWnd, CB_SETITEMDATA, (WPARAM)nIndex, (LPARAM)dwItemData); }
    void* GetItemDataPtr(int nIndex) const
        { return (void*)GetItemData(nIndex); }
    int SetItemDataPtr(int nIndex, void* pData)
        { return SetItemData(nIndex, (DWORD_PTR)pData); }
    int GetLBText(int nIndex, LPSTR lpszText) const
        { return (int)::SendMessageA(m_hWnd, CB_GETLBTEXT, (WPARAM)nIndex, (LPARAM)lpszText); }
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const
        { return (int)::SendMessageA(m_hWnd, CB_GETLBTEXTLEN, (WPARAM)nIndex, 0); }
    int SetItemHeight(int nIndex, UINT cyItemHeight)
        { return (int)::SendMessageA(m_hWnd, CB_SETITEMHEIGHT, (WPARAM)nIndex, MAKELONG(cyItemHeight, 0)); }
    int GetItemHeight(int nIndex) const
        { return (int)::SendMessageA(m_hWnd, CB_GETITEMHEIGHT, (WPARAM)nIndex, 0); }
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const
        { return (int)::SendMessageA(m_hWnd, CB_FINDSTRINGEXACT, (WPARAM)nIndexStart, (LPARAM)lpszFind); }
    int SetExtendedUI(BOOL bExtended = TRUE)
        { return (int)::SendMessageA(m_hWnd, CB_SETEXTENDEDUI, (WPARAM)bExtended, 0); }
    BOOL GetExtendedUI() const
        { return (BOOL)::SendMessageA(m_hWnd, CB_GETEXTENDEDUI, 0, 0); }
    void GetDroppedControlRect(LPRECT lprect) const
        { ::SendMessageA(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)lprect); }
    BOOL GetDroppedState() const
        { return (BOOL)::SendMessageA(m_hWnd, CB_GETDROPPEDSTATE, 0, 0); }

    void ShowDropDown(BOOL bShowIt = TRUE)
        { ::SendMessageA(m_hWnd, CB_SHOWDROPDOWN, (WPARAM)bShowIt, 0); }
    int AddString(LPCSTR lpszString)
        { return (int)::SendMessageA(m_hWnd, CB_ADDSTRING, 0, (LPARAM)lpszString); }
    int DeleteString(UINT nIndex)
        { return (int)::SendMessageA(m_hWnd, CB_DELETESTRING, (WPARAM)nIndex, 0); }
    int InsertString(int nIndex, LPCSTR lpszString)
        { return (int)::SendMessageA(m_hWnd, CB_INSERTSTRING, (WPARAM)nIndex, (LPARAM)lpszString); }
    void ResetContent()
        { ::SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0); }
    int Dir(UINT attr, LPCSTR lpszWildCard)
        { return (int)::SendMessageA(m_hWnd, CB_DIR, (WPARAM)attr, (LPARAM)lpszWildCard); }
    int FindString(int nStartAfter, LPCSTR lpszString) const
        { return (int)::SendMessageA(m_hWnd, CB_FINDSTRING, (WPARAM)nStartAfter, (LPARAM)lpszString); }
    int SelectString(int nStartAfter, LPCSTR lpszString)
        { return (int)::SendMessageA(m_hWnd, CB_SELECTSTRING, (WPARAM)nStartAfter, (LPARAM)lpszString); }

    void Clear()
        { ::SendMessageA(m_hWnd, WM_CLEAR, 0, 0); }
    void Copy()
        { ::SendMessageA(m_hWnd, WM_COPY, 0, 0); }
    void Cut()
        { ::SendMessageA(m_hWnd, WM_CUT, 0, 0); }
    void Paste()
        { ::SendMessageA(m_hWnd, WM_PASTE, 0, 0); }

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

/////////////////////////////////////////////////////////////////////////////
// CScrollBar

class AFX_FX_CLASS CScrollBar : public CWnd
{
    DECLARE_DYNAMIC(CScrollBar)
public:
    CScrollBar() {}
    virtual ~CScrollBar();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetScrollPos() const
        { return ::GetScrollPos(m_hWnd, SB_CTL); }
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE)
        { return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw); }
    void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const
        { ::GetScrollRange(m_hWnd, SB_CTL, lpMinPos, lpMaxPos); }
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE)
        { ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw); }
    void ShowScrollBar(BOOL bShow = TRUE)
        { ::ShowScrollBar(m_hWnd, SB_CTL, bShow); }
    BOOL EnableScrollBar(UINT nArrowFlags = ESB_ENABLE_BOTH)
        { return ::EnableScrollBar(m_hWnd, SB_CTL, nArrowFlags); }
    BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    int GetScrollLimit();
};
