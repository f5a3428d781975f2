// TreeComboBox.cpp - the popup tree and the tree combo box.
#include "TreeComboBox.h"
#include "SystemVars.h"
#include "frame/UILFrame.h"
#include "res/resource.h"

/////////////////////////////////////////////////////////////////////////////
// CMyTreeCtrl

CMyTreeCtrl::CMyTreeCtrl()
{
}

BEGIN_MESSAGE_MAP(CMyTreeCtrl, CTreeCtrl)
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_MBUTTONDOWN()
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL CMyTreeCtrl::CloseIfOutside(UINT /*message*/, CPoint ptClient)
{
    if (::GetCapture() != m_hWnd)
        return FALSE;
    CPoint ptScreen = ptClient;
    ClientToScreen(&ptScreen);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    if (rcWindow.PtInRect(ptScreen))
        return FALSE;
    ReleaseCapture();
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(WM_COMMAND, (WPARAM)GetDlgCtrlID(), 0);
    return TRUE;
}

void CMyTreeCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!CloseIfOutside(WM_LBUTTONDOWN, point))
        CTreeCtrl::OnLButtonDown(nFlags, point);
}

void CMyTreeCtrl::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (!CloseIfOutside(WM_RBUTTONDOWN, point))
        CTreeCtrl::OnRButtonDown(nFlags, point);
}

void CMyTreeCtrl::OnMButtonDown(UINT nFlags, CPoint point)
{
    if (!CloseIfOutside(WM_MBUTTONDOWN, point))
        CTreeCtrl::OnMButtonDown(nFlags, point);
}

void CMyTreeCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != POPUPTREE_TIMER)
    {
        CTreeCtrl::OnTimer(nIDEvent);
        return;
    }
    // Over the tree it works as any tree (scrolling, clicks); away from it the capture comes
    // back, so that the next press outside is seen.  Nothing changes while a button is held.
    if ((::GetAsyncKeyState(VK_LBUTTON) | ::GetAsyncKeyState(VK_RBUTTON) | ::GetAsyncKeyState(VK_MBUTTON)) & 0x8000)
        return;
    CPoint pt;
    ::GetCursorPos(&pt);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    BOOL bOver = rcWindow.PtInRect(pt);
    if (bOver && ::GetCapture() == m_hWnd)
        ReleaseCapture();
    else if (!bOver && ::GetCapture() != m_hWnd)
        SetCapture();
}

void CMyTreeCtrl::OnDestroy()
{
    KillTimer(POPUPTREE_TIMER);
    if (::GetCapture() == m_hWnd)
        ReleaseCapture();
    CTreeCtrl::OnDestroy();
}

/////////////////////////////////////////////////////////////////////////////
// CPopupTree

CPopupTree::CPopupTree(CWnd* pParent)
    : CDialog(IDD_POPUPTREE, pParent), m_pItems(NULL), m_nWidth(0), m_rcAlign(0, 0, 0, 0), m_nSelection(-1),
      m_hClickedItem(NULL)
{
}

BEGIN_MESSAGE_MAP(CPopupTree, CDialog)
    ON_WM_SIZE()
    ON_NOTIFY(NM_CLICK, IDC_POPUPTREE_TREE, OnTreeClick)
    ON_NOTIFY(NM_DBLCLK, IDC_POPUPTREE_TREE, OnTreeDblClick)
    ON_NOTIFY(TVN_SELCHANGED, IDC_POPUPTREE_TREE, OnTreeSelChanged)
END_MESSAGE_MAP()

void CPopupTree::SetItemsList(CStringArray* pItems, int nSelection, const char* lpszSeparator)
{
    m_pItems = pItems;
    m_nSelection = nSelection;
    if (lpszSeparator != NULL)
        m_strSeparator = lpszSeparator;
}

void CPopupTree::SetAlignRect(const RECT* pRect)
{
    if (pRect != NULL)
        m_rcAlign = *pRect;
    else
        m_rcAlign.SetRectEmpty();
}

INT_PTR CPopupTree::DoModal()
{
    CUILResourceScope scope;
    m_hClickedItem = NULL;
    return CDialog::DoModal();
}

int CPopupTree::SplitPath(const CString& strText, const CString& strSeparator, CStringArray& pieces)
{
    pieces.RemoveAll();
    // without a separator there is nothing to cut at
    if (strSeparator.IsEmpty())
    {
        pieces.Add(strText);
        return 1;
    }
    int nStart = 0;
    for (;;)
    {
        int nFound = strText.Find(strSeparator, nStart);
        if (nFound < 0)
            break;
        pieces.Add(strText.Mid(nStart, nFound - nStart));
        nStart = nFound + strSeparator.GetLength();
    }
    pieces.Add(strText.Mid(nStart));
    return (int)pieces.GetSize();
}

HTREEITEM CPopupTree::FindChildItem(HTREEITEM hParent, const char* lpszText, BOOL bCreate)
{
    HTREEITEM hChild = (hParent == NULL || hParent == TVI_ROOT) ? m_wndTree.GetRootItem()
                                                                 : m_wndTree.GetChildItem(hParent);
    for (; hChild != NULL; hChild = m_wndTree.GetNextSiblingItem(hChild))
        if (m_wndTree.GetItemText(hChild) == lpszText)
            return hChild;
    if (!bCreate)
        return NULL;
    return m_wndTree.InsertItem(TVIF_TEXT | TVIF_PARAM, lpszText, 0, 0, 0, 0, (LPARAM)-1,
        hParent == NULL ? TVI_ROOT : hParent, TVI_LAST);
}

HTREEITEM CPopupTree::GetParentItem(const CStringArray& pieces)
{
    HTREEITEM hItem = TVI_ROOT;
    for (INT_PTR j = 0; j + 1 < pieces.GetSize(); ++j)
        hItem = FindChildItem(hItem, pieces[j], TRUE);
    return hItem;
}

int CPopupTree::GetSelItemData() const
{
    HTREEITEM hItem = m_wndTree.GetSelectedItem();
    return hItem != NULL ? (int)(LONG_PTR)m_wndTree.GetItemData(hItem) : -1;
}

HTREEITEM CPopupTree::InitTree()
{
    m_nWidth = 0;
    if (m_pItems == NULL || m_pItems->GetSize() == 0)
        return NULL;

    int nIndent = (int)m_wndTree.GetIndent();
    CClientDC dc(&m_wndTree);
    CFont* pOldFont = dc.SelectObject(m_wndTree.GetFont());
    // a short list is shown whole
    BOOL bExpandAll = m_pItems->GetSize() < 10;

    HTREEITEM hSelect = NULL, hPrevParent = TVI_ROOT;
    CStringArray pieces, prevPieces;
    for (INT_PTR i = 0; i < m_pItems->GetSize(); ++i)
    {
        int n = SplitPath(m_pItems->GetAt(i), m_strSeparator, pieces);
        // a run of entries in the same folder finds it once
        BOOL bSameParent = i > 0 && prevPieces.GetSize() == n;
        for (int j = 0; bSameParent && j < n - 1; ++j)
            bSameParent = prevPieces[j] == pieces[j];
        HTREEITEM hParent = bSameParent ? hPrevParent : (n > 1 ? GetParentItem(pieces) : TVI_ROOT);

        HTREEITEM hLeaf = m_wndTree.InsertItem(TVIF_TEXT | TVIF_PARAM, pieces[n - 1], 0, 0, 0, 0, (LPARAM)i,
            hParent, TVI_LAST);
        if (bExpandAll)
            for (HTREEITEM h = hParent; h != NULL && h != TVI_ROOT; h = m_wndTree.GetParentItem(h))
                m_wndTree.Expand(h, TVE_EXPAND);
        if (i == m_nSelection)
            hSelect = hLeaf;

        for (int j = 0; j < n; ++j)
        {
            int nNeed = dc.GetTextExtent(pieces[j]).cx + nIndent * j + nIndent;
            if (nNeed > m_nWidth)
                m_nWidth = nNeed;
        }
        prevPieces.Copy(pieces);
        hPrevParent = hParent;
    }
    m_nWidth += 30;
    dc.SelectObject(pOldFont);
    return hSelect;
}

void CPopupTree::PlacePopup()
{
    if (m_rcAlign.IsRectEmpty())
        return;
    CRect rc = m_rcAlign;
    if (rc.Width() < m_nWidth)
        rc.right = rc.left + m_nWidth;
    CRect rcMonitor = GetMonitorRect(m_rcAlign.CenterPoint());
    if (rc.bottom + POPUPTREE_HEIGHT >= rcMonitor.bottom)
    {
        // no room below: it opens upwards
        rc.bottom = m_rcAlign.top;
        rc.top = rc.bottom - POPUPTREE_HEIGHT;
    }
    else
    {
        rc.top = m_rcAlign.bottom;
        rc.bottom = rc.top + POPUPTREE_HEIGHT;
    }
    if (rc.right > rcMonitor.right)
        rc.OffsetRect(rcMonitor.right - rc.right, 0);
    else if (rc.left < rcMonitor.left)
        rc.OffsetRect(rcMonitor.left - rc.left, 0);
    MoveWindow(&rc);
}

BOOL CPopupTree::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_wndTree.SubclassDlgItem(IDC_POPUPTREE_TREE, this);
    // the entries read as a menu's do
    m_wndTree.SetFont(GetSystemVars().GetMenuFont());
    m_hClickedItem = NULL;
    HTREEITEM hSelect = InitTree();
    PlacePopup();
    CRect rcClient;
    GetClientRect(&rcClient);
    rcClient.DeflateRect(2, 2);
    m_wndTree.MoveWindow(&rcClient);

    m_wndTree.SetCapture();
    m_wndTree.SetTimer(POPUPTREE_TIMER, POPUPTREE_TIMER_PERIOD, NULL);
    if (hSelect != NULL)
    {
        m_wndTree.SelectItem(hSelect);
        m_wndTree.EnsureVisible(hSelect);
    }
    m_wndTree.SetFocus();
    return FALSE;
}

void CPopupTree::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_wndTree.m_hWnd != NULL)
        m_wndTree.MoveWindow(2, 2, cx - 4, cy - 4);
}

void CPopupTree::OnOK()
{
    int nData = GetSelItemData();
    if (nData < 0)
        return;             // a folder: nothing chosen yet
    m_nSelection = nData;
    EndDialog(IDOK);
}

BOOL CPopupTree::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // the tree saw a press outside itself
    if (LOWORD(wParam) == IDC_POPUPTREE_TREE && HIWORD(wParam) == 0 && lParam == 0)
    {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CPopupTree::OnTreeClick(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    DWORD dwPos = ::GetMessagePos();
    CPoint pt((short)LOWORD(dwPos), (short)HIWORD(dwPos));
    m_wndTree.ScreenToClient(&pt);
    UINT nFlags = 0;
    m_hClickedItem = m_wndTree.HitTest(pt, &nFlags);
    *pResult = 0;
}

void CPopupTree::OnTreeDblClick(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    *pResult = 0;
    int nData = GetSelItemData();
    if (nData >= 0)
    {
        m_nSelection = nData;
        EndDialog(IDOK);
    }
}

void CPopupTree::OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMTREEVIEWA* pNMTree = (NMTREEVIEWA*)pNMHDR;
    *pResult = 0;
    HTREEITEM hClicked = m_hClickedItem;
    m_hClickedItem = NULL;
    if (hClicked == NULL || pNMTree->itemNew.hItem != hClicked)
        return;
    int nData = (int)(LONG_PTR)m_wndTree.GetItemData(hClicked);
    if (nData >= 0)
    {
        m_nSelection = nData;
        EndDialog(IDOK);
    }
}

/////////////////////////////////////////////////////////////////////////////
// CTreeComboBox

CTreeComboBox::CTreeComboBox() : m_strSeparator("\\"), m_pItems(NULL), m_bPressed(FALSE)
{
}

CTreeComboBox::~CTreeComboBox()
{
}

BEGIN_MESSAGE_MAP(CTreeComboBox, CComboBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

void CTreeComboBox::SetItemsList(CStringArray* pItems, int nCurrent, const char* lpszSeparator)
{
    m_pItems = pItems;
    if (lpszSeparator != NULL)
        m_strSeparator = lpszSeparator;
    FillList(nCurrent);
}

void CTreeComboBox::FillList(int nCurrent)
{
    if (m_hWnd == NULL)
        return;
    ResetContent();
    if (m_pItems != NULL)
        for (INT_PTR i = 0; i < m_pItems->GetSize(); ++i)
            InsertString((int)i, m_pItems->GetAt(i));
    SetCurSel(nCurrent);
}

INT_PTR CTreeComboBox::PopupTree()
{
    CUILResourceScope scope;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    m_wndPopup.SetAlignRect(&rcWindow);

    // without a list of its own the combo's strings are the entries
    CStringArray arrOwn;
    CStringArray* pList = m_pItems;
    if (pList == NULL)
    {
        CString str;
        for (int i = 0; i < GetCount(); ++i)
        {
            GetLBText(i, str);
            arrOwn.Add(str);
        }
        pList = &arrOwn;
    }
    m_wndPopup.m_pParentWnd = this;
    m_wndPopup.SetItemsList(pList, GetCurSel(), m_strSeparator);
    INT_PTR nResult = m_wndPopup.DoModal();
    if (nResult == IDOK)
    {
        SetCurSel(m_wndPopup.m_nSelection);
        CWnd* pParent = GetParent();
        if (pParent != NULL)
            pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CBN_SELENDOK), (LPARAM)m_hWnd);
    }
    m_wndPopup.m_pItems = NULL;
    arrOwn.RemoveAll();
    return nResult;
}

BOOL CTreeComboBox::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // command 1 from the combo itself (its own button press or F4) opens the tree
    if (LOWORD(wParam) == 1 && HIWORD(wParam) == 0 && lParam == 0)
    {
        PopupTree();
        return TRUE;
    }
    return CComboBox::OnCommand(wParam, lParam);
}

void CTreeComboBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    if (!rcClient.PtInRect(point))
    {
        CComboBox::OnLButtonDown(nFlags, point);
        return;
    }
    // the tree opens on release; the system's own list never does
    m_bPressed = TRUE;
    SetFocus();
}

void CTreeComboBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    OnLButtonDown(nFlags, point);
}

void CTreeComboBox::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bPressed)
    {
        CComboBox::OnLButtonUp(nFlags, point);
        return;
    }
    m_bPressed = FALSE;
    PostMessage(WM_COMMAND, 1, 0);
}

void CTreeComboBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_F4)
    {
        PostMessage(WM_COMMAND, 1, 0);
        return;
    }
    CComboBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CTreeComboBox::OnDestroy()
{
    if (m_imageList.m_hImageList != NULL)
        m_imageList.DeleteImageList();
    CComboBox::OnDestroy();
}
