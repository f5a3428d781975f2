// ResizingDialog.cpp - CLayout and CResizingDialog: anchoring, parts, orientation switch, minimum
// size, size grip and the layout remembered in the settings store.
#include "ResizingDialog.h"
#include "frame/StringArraySettings.h"
#include <afxdlgs.h>
#include <algorithm>

/////////////////////////////////////////////////////////////////////////////
// CLayout

CLayout::CLayout()
{
    m_wReserved[0] = m_wReserved[1] = 0;
}

CLayout::~CLayout()
{
    RemoveAll();
}

void CLayout::RemoveAll()
{
    m_controls.RemoveAll();
    for (INT_PTR i = 0; i < m_splitters.GetSize(); i++)
        delete (CSplitterInfo*)m_splitters[i];
    m_splitters.RemoveAll();
}

int CLayout::SetControlInfo(WORD nID, WORD wFlags, int bReplace)
{
    return SetControlInfoEx(nID, wFlags, 1, 0, 1, 0, bReplace);
}

int CLayout::SetControlInfoEx(WORD nID, WORD wFlags, int nHParts, int nHIndex, int nVParts, int nVIndex,
    int bReplace)
{
    if (wFlags == 0)
        return -1;
    SLayoutControlInfo info = {nID, wFlags, nHParts, nHIndex, nVParts, nVIndex};
    int nIndex = bReplace ? FindControlInfoIndex(nID) : -1;
    if (nIndex >= 0)
        m_controls[nIndex] = info;
    else
        nIndex = (int)m_controls.Add(info);
    return nIndex;
}

int CLayout::FindControlInfoIndex(WORD nID) const
{
    for (INT_PTR i = 0; i < m_controls.GetSize(); i++)
        if (m_controls[i].nID == nID)
            return (int)i;
    return -1;
}

int CLayout::AddSplitter()
{
    return (int)m_splitters.Add(new CSplitterInfo);
}

void CLayout::RemoveSplitter(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_splitters.GetSize())
        return;
    delete (CSplitterInfo*)m_splitters[nIndex];
    m_splitters.RemoveAt(nIndex);
}

CSplitterInfo* CLayout::GetSplitter(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_splitters.GetSize() ? (CSplitterInfo*)m_splitters[nIndex] : NULL;
}

int CLayout::SetSplitterInfo(int nIndex, WORD nID, WORD wSide, int bAttach)
{
    CSplitterInfo* pSplitter = GetSplitter(nIndex);
    if (pSplitter == NULL)
        return 0;
    for (INT_PTR i = 0; i < pSplitter->m_controls.GetSize(); i++)
    {
        if (LOWORD(pSplitter->m_controls[i]) != nID)
            continue;
        if (bAttach)
            pSplitter->m_controls[i] = MAKELONG(nID, wSide);
        else
            pSplitter->m_controls.RemoveAt(i);
        return 1;
    }
    if (bAttach)
    {
        // the side says which way the splitter runs: flags 16/32 name a vertical one
        pSplitter->m_bVertical = (wSide & (RDF_BEFORE_VSPLIT | RDF_AFTER_VSPLIT)) != 0;
        pSplitter->m_controls.Add(MAKELONG(nID, wSide));
    }
    return bAttach;
}

int CLayout::CopyFrom(CLayout* pOther)
{
    if (pOther == NULL || pOther == this)
        return 0;
    RemoveAll();
    m_controls.Copy(pOther->m_controls);
    for (int i = 0; i < pOther->GetSplitterCount(); i++)
    {
        CSplitterInfo* pCopy = new CSplitterInfo;
        CSplitterInfo* pSource = pOther->GetSplitter(i);
        pCopy->m_bVertical = pSource->m_bVertical;
        pCopy->m_nPos = pSource->m_nPos;
        pCopy->m_controls.Copy(pSource->m_controls);
        m_splitters.Add(pCopy);
    }
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// CResizingDialog

IMPLEMENT_DYNAMIC(CResizingDialog, CDialog)

BEGIN_MESSAGE_MAP(CResizingDialog, CDialog)
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_WM_DESTROY()
    ON_WM_CREATE()
    ON_WM_NCHITTEST()
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace
{
const int nNoPosition = -2147483647;

// The share of a growth that part nIndex of nParts gets: its offset from the first part and its
// own size.  The parts are equal but for the last, which takes what the division leaves.  With one
// part the whole growth is both offset and size.
void PartOfGrowth(int nGrowth, int nParts, int nIndex, int& nOffset, int& nSize)
{
    if (nParts <= 1)
    {
        nOffset = nSize = nGrowth;
        return;
    }
    nIndex = std::max(0, std::min(nIndex, nParts - 1));
    int nPart = nGrowth / nParts;
    nOffset = nPart * nIndex;
    nSize = nIndex == nParts - 1 ? nGrowth - nPart * (nParts - 1) : nPart;
}
// A stored number, or nDefault when the key is missing or holds anything but a whole number (the
// profile's own reading would give 0 for text that is no number).
int LoadStoredInt(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault)
{
    char szValue[64];
    if (!LoadIniString(lpszSection, lpszKey, szValue, sizeof(szValue), NULL))
        return nDefault;
    char* pEnd = NULL;
    long nValue = strtol(szValue, &pEnd, 10);
    return pEnd != szValue && *pEnd == '\0' ? (int)nValue : nDefault;
}
} // namespace

CResizingDialog::CResizingDialog()
    : m_wReserved1(0), m_bRememberSize(1), m_bRememberSplitters(1), m_bShowSizeGrip(1), m_wReserved2(0),
      m_sizeMinTrack(0, 0), m_sizeMaxTrack(0, 0), m_sizeLaidOut(0, 0), m_bSized(FALSE), m_bHorz(1),
      m_nIDTemplate(0), m_nIDTemplateVert(0), m_bHasVert(0), m_rect(0, 0, 0, 0)
{
    m_laidOutRects.SetSize(0, 10);
}

CResizingDialog::CResizingDialog(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_wReserved1(0), m_bRememberSize(1), m_bRememberSplitters(1),
      m_bShowSizeGrip(1), m_wReserved2(0), m_sizeMinTrack(0, 0), m_sizeMaxTrack(0, 0), m_sizeLaidOut(0, 0),
      m_bSized(FALSE), m_bHorz(1), m_nIDTemplate(nIDTemplate), m_nIDTemplateVert(0), m_bHasVert(0),
      m_rect(0, 0, 0, 0)
{
    m_laidOutRects.SetSize(0, 10);
}

CResizingDialog::~CResizingDialog()
{
}

int CResizingDialog::SetLayout(CLayout* pLayout)
{
    return SetHorzLayout(pLayout);
}

int CResizingDialog::SetHorzLayout(CLayout* pLayout)
{
    return m_layoutHorz.CopyFrom(pLayout);
}

int CResizingDialog::SetVertLayout(CLayout* pLayout)
{
    int nResult = m_layoutVert.CopyFrom(pLayout);
    if (nResult)
        m_bHasVert = 1;
    return nResult;
}

void CResizingDialog::SetControlInfo(WORD nID, WORD wFlags, int bReplace, int bHorz)
{
    SetControlInfoEx(nID, wFlags, 1, 0, 1, 0, bReplace, bHorz);
}

void CResizingDialog::SetControlInfoEx(WORD nID, WORD wFlags, int nHParts, int nHIndex, int nVParts,
    int nVIndex, int bReplace, int bHorz)
{
    CLayout& layout = bHorz ? m_layoutHorz : m_layoutVert;
    if (layout.SetControlInfoEx(nID, wFlags, nHParts, nHIndex, nVParts, nVIndex, bReplace) >= 0 && !bHorz)
        m_bHasVert = 1;
}

int CResizingDialog::FindControlInfoIndex(WORD nID) const
{
    return CurrentLayout().FindControlInfoIndex(nID);
}

DWORD CResizingDialog::GetControlInfo(int nIndex) const
{
    const CLayout& layout = CurrentLayout();
    if (nIndex < 0 || nIndex >= layout.GetControlInfoCount())
        return 0;
    const SLayoutControlInfo& info = layout.GetControlInfoEntry(nIndex);
    return MAKELONG(info.nID, info.wFlags);
}

int CResizingDialog::GetControlInfoCount() const
{
    return CurrentLayout().GetControlInfoCount();
}

CSplitterInfo* CResizingDialog::GetSplitterInfo(int nIndex) const
{
    return CurrentLayout().GetSplitter(nIndex);
}

int CResizingDialog::GetSplitterInfoCount() const
{
    return CurrentLayout().GetSplitterCount();
}

CWnd* CResizingDialog::GetControl(int nIndex, WORD& nID)
{
    const CLayout& layout = CurrentLayout();
    if (nIndex < 0 || nIndex >= layout.GetControlInfoCount())
        return NULL;
    nID = layout.GetControlInfoEntry(nIndex).nID;
    return GetDlgItem(nID);
}

CSize CResizingDialog::CalcMinSize()
{
    CSize size(0x7FFFFFFF, 0x7FFFFFFF);
    for (int i = 0; i < GetControlInfoCount(); i++)
    {
        WORD nID;
        CWnd* pControl = GetControl(i, nID);
        if (pControl == NULL)
            continue;
        CRect rect;
        pControl->GetWindowRect(&rect);
        WORD wFlags = HIWORD(GetControlInfo(i));
        if (wFlags & RDF_GROW_HORZ)
            size.cx = std::min((int)size.cx, rect.Width());
        if (wFlags & RDF_GROW_VERT)
            size.cy = std::min((int)size.cy, rect.Height());
    }
    return size;
}

/////////////////////////////////////////////////////////////////////////////
// Layout

// Records every control's rectangle and the client size they belong to: later sizes are laid out
// from these, so rounding in the parts never accumulates.
void CResizingDialog::RecordLayout()
{
    CRect rcClient;
    GetClientRect(&rcClient);
    m_sizeLaidOut = rcClient.Size();
    m_laidOutIDs.RemoveAll();
    m_laidOutRects.RemoveAll();
    for (CWnd* pChild = GetWindow(GW_CHILD); pChild != NULL; pChild = pChild->GetWindow(GW_HWNDNEXT))
    {
        CRect rect;
        pChild->GetWindowRect(&rect);
        ScreenToClient(&rect);
        m_laidOutIDs.Add((DWORD)pChild->GetDlgCtrlID());
        m_laidOutRects.Add(rect);
    }
}

void CResizingDialog::ApplyLayout(int cx, int cy)
{
    const int dw = cx - m_sizeLaidOut.cx, dh = cy - m_sizeLaidOut.cy;
    const CLayout& layout = CurrentLayout();
    HDWP hDwp = ::BeginDeferWindowPos(layout.GetControlInfoCount());
    for (int i = 0; i < layout.GetControlInfoCount(); i++)
    {
        const SLayoutControlInfo& info = layout.GetControlInfoEntry(i);
        HWND hWndCtrl = ::GetDlgItem(m_hWnd, info.nID);
        int iRecord = -1;
        for (INT_PTR j = 0; j < m_laidOutIDs.GetSize() && iRecord < 0; j++)
            if ((WORD)m_laidOutIDs[j] == info.nID)
                iRecord = (int)j;
        if (hWndCtrl == NULL || iRecord < 0)
        {
            TRACE("Control ID - %d NOT FOUND!!\n", info.nID);
            continue;
        }
        CRect rect = m_laidOutRects[iRecord];
        int nOffset, nSize;
        PartOfGrowth(dw, info.nHParts, info.nHIndex, nOffset, nSize);
        if (info.wFlags & RDF_MOVE_HORZ)
            rect.OffsetRect(nOffset, 0);
        if (info.wFlags & RDF_GROW_HORZ)
            rect.right += nSize;
        PartOfGrowth(dh, info.nVParts, info.nVIndex, nOffset, nSize);
        if (info.wFlags & RDF_MOVE_VERT)
            rect.OffsetRect(0, nOffset);
        if (info.wFlags & RDF_GROW_VERT)
            rect.bottom += nSize;
        if (hDwp != NULL)
            hDwp = ::DeferWindowPos(hDwp, hWndCtrl, NULL, rect.left, rect.top, std::max(0, rect.Width()),
                std::max(0, rect.Height()), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (hDwp != NULL)
        ::EndDeferWindowPos(hDwp);
    Invalidate();
}

/////////////////////////////////////////////////////////////////////////////
// Orientation

BOOL CResizingDialog::IsHorz(int cx, int cy) const
{
    if (cx > cy)
        return TRUE;
    if (cy > cx && m_bHasVert)
        return FALSE;
    return m_bHorz;
}

BOOL CResizingDialog::IsNeedToChangeOrientation(int cx, int cy) const
{
    return m_bHasVert && IsHorz(cx, cy) != m_bHorz;
}

BOOL CResizingDialog::SetOrientation(int bHorz)
{
    bHorz = bHorz != 0;
    if (bHorz == m_bHorz)
        return TRUE;
    if (!bHorz && !m_bHasVert)
        return FALSE;
    m_bHorz = bHorz;
    UINT nIDHorz = IS_INTRESOURCE(m_lpszTemplateName) ? LOWORD((DWORD_PTR)m_lpszTemplateName) : m_nIDTemplate;
    UINT nID = bHorz || m_nIDTemplateVert == 0 ? nIDHorz : m_nIDTemplateVert;
    return m_hWnd == NULL || SetDlgTemplate(nID);
}

BOOL CResizingDialog::SetDlgTemplate(UINT nIDTemplate)
{
    CDialogTemplateReader reader;
    if (m_hWnd == NULL || !reader.Load(nIDTemplate))
        return FALSE;
    // Controls subclassed from the old template go with it; a derived dialog that keeps C++
    // objects for its controls attaches them again after the switch.
    while (CWnd* pChild = GetWindow(GW_CHILD))
        pChild->DestroyWindow();
    for (int i = 0; i < reader.GetItemCount(); i++)
        reader.CreateItem(i, this);
    m_nIDTemplate = nIDTemplate;

    // the new controls' rectangles belong to the template's own size
    CRect rcClient;
    GetClientRect(&rcClient);
    RecordLayout();
    CRect rcTemplate(0, 0, reader.m_rect.Width(), reader.m_rect.Height());
    MapDialogRect(&rcTemplate);
    m_sizeLaidOut = rcTemplate.Size();
    ApplyLayout(rcClient.Width(), rcClient.Height());
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Messages

BOOL CResizingDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    RecordLayout();
    if (m_bRememberSize)
        LoadSize();
    if (m_bRememberSplitters)
        LoadSplittersState();
    return FALSE;
}

int CResizingDialog::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    // the dialog never gets smaller than its template made it
    m_sizeMinTrack = CSize(lpCreateStruct->cx, lpCreateStruct->cy);
    return (int)Default();
}

void CResizingDialog::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED || m_laidOutIDs.GetSize() == 0)
        return;                    // not laid out yet (the sizes of the creation itself)
    m_bSized = TRUE;
    if (IsNeedToChangeOrientation(cx, cy))
        SetOrientation(!m_bHorz);
    else
        ApplyLayout(cx, cy);
}

void CResizingDialog::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    if (m_sizeMinTrack.cx == 0 && m_sizeMinTrack.cy == 0)
    {
        CDialog::OnGetMinMaxInfo(lpMMI);
        return;
    }
    lpMMI->ptMinTrackSize = CPoint(m_sizeMinTrack.cx, m_sizeMinTrack.cy);
    if (m_sizeMaxTrack.cx != 0 || m_sizeMaxTrack.cy != 0)
        lpMMI->ptMaxTrackSize = CPoint(m_sizeMaxTrack.cx, m_sizeMaxTrack.cy);
}

void CResizingDialog::OnDestroy()
{
    if (m_bRememberSize && m_bSized)
        SaveSize();
    if (m_bRememberSplitters)
        SaveSplittersState();
    m_sizeMinTrack = m_sizeMaxTrack = CSize(0, 0);
    m_bSized = FALSE;
    m_laidOutIDs.RemoveAll();
    m_laidOutRects.RemoveAll();
    CDialog::OnDestroy();
}

LRESULT CResizingDialog::OnNcHitTest(CPoint point)
{
    LRESULT nHit = CDialog::OnNcHitTest(point);
    if (!m_bShowSizeGrip || nHit != HTCLIENT)
        return nHit;
    CRect rcGrip;
    GetClientRect(&rcGrip);
    ClientToScreen(&rcGrip);
    rcGrip.left = rcGrip.right - ::GetSystemMetrics(SM_CXHSCROLL);
    rcGrip.top = rcGrip.bottom - ::GetSystemMetrics(SM_CYVSCROLL);
    return rcGrip.PtInRect(point) ? HTBOTTOMRIGHT : nHit;
}

void CResizingDialog::OnPaint()
{
    CPaintDC dc(this);
    if (!m_bShowSizeGrip)
        return;
    CRect rcGrip;
    GetClientRect(&rcGrip);
    rcGrip.left = rcGrip.right - ::GetSystemMetrics(SM_CXHSCROLL);
    rcGrip.top = rcGrip.bottom - ::GetSystemMetrics(SM_CYVSCROLL);
    ::DrawFrameControl(dc.m_hDC, &rcGrip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

/////////////////////////////////////////////////////////////////////////////
// Settings

void CResizingDialog::GetDialogProfileEntry(CString& strSection)
{
    CString strText;
    GetWindowText(strText);
    strSection.Format("%s(%x)", (LPCSTR)strText, m_nIDTemplate);
}

void CResizingDialog::SaveSize()
{
    CString strSection;
    GetDialogProfileEntry(strSection);
    CRect rect;
    GetWindowRect(&rect);
    SaveIniInt(strSection, "X", rect.left, NULL);
    SaveIniInt(strSection, "Y", rect.top, NULL);
    SaveIniInt(strSection, "CX", rect.Width(), NULL);
    SaveIniInt(strSection, "CY", rect.Height(), NULL);
}

void CResizingDialog::LoadSize()
{
    CString strSection;
    GetDialogProfileEntry(strSection);
    int x = LoadStoredInt(strSection, "X", nNoPosition);
    int y = LoadStoredInt(strSection, "Y", nNoPosition);
    int cx = LoadStoredInt(strSection, "CX", 0);
    int cy = LoadStoredInt(strSection, "CY", 0);
    BOOL bPosition = x != nNoPosition && y != nNoPosition;
    // a size below the template's is no size the user could have made
    BOOL bSize = cx > 0 && cy > 0 && cx >= m_sizeMinTrack.cx && cy >= m_sizeMinTrack.cy;
    if (!bPosition && !bSize)
        return;
    UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!bPosition)
        nFlags |= SWP_NOMOVE;
    if (!bSize)
        nFlags |= SWP_NOSIZE;
    SetWindowPos(NULL, x, y, cx, cy, nFlags);
}

void CResizingDialog::SaveSplittersState()
{
    CString strSection;
    GetDialogProfileEntry(strSection);
    SaveIniInt(strSection, "SplittersCount", GetSplitterInfoCount(), NULL);
    for (int i = 0; i < GetSplitterInfoCount(); i++)
    {
        CSplitterInfo* pSplitter = GetSplitterInfo(i);
        CString strSplitter;
        strSplitter.Format("Splitter%d", i);
        SaveIniInt(strSection, strSplitter + "_WndCount", (int)pSplitter->m_controls.GetSize(), NULL);
        for (INT_PTR j = 0; j < pSplitter->m_controls.GetSize(); j++)
        {
            CString strWnd;
            strWnd.Format("%s_Wnd%d", (LPCSTR)strSplitter, (int)j);
            WORD nID = LOWORD(pSplitter->m_controls[j]);
            SaveIniInt(strSection, strWnd + "_ID", nID, NULL);
            CWnd* pControl = GetDlgItem(nID);
            if (pControl == NULL)
                continue;
            CRect rect;
            pControl->GetWindowRect(&rect);
            ScreenToClient(&rect);
            SaveIniInt(strSection, strWnd + "_left", rect.left, NULL);
            SaveIniInt(strSection, strWnd + "_top", rect.top, NULL);
            SaveIniInt(strSection, strWnd + "_right", rect.right, NULL);
            SaveIniInt(strSection, strWnd + "_bottom", rect.bottom, NULL);
        }
    }
}

void CResizingDialog::LoadSplittersState()
{
    CString strSection;
    GetDialogProfileEntry(strSection);
    int nSplitters = std::min(LoadIniInt(strSection, "SplittersCount", 0, NULL), GetSplitterInfoCount());
    for (int i = 0; i < nSplitters; i++)
    {
        CString strSplitter;
        strSplitter.Format("Splitter%d", i);
        int nWnds = LoadIniInt(strSection, strSplitter + "_WndCount", 0, NULL);
        for (int j = 0; j < nWnds && j < 1000; j++)
        {
            CString strWnd;
            strWnd.Format("%s_Wnd%d", (LPCSTR)strSplitter, j);
            CWnd* pControl = GetDlgItem(LoadIniInt(strSection, strWnd + "_ID", 0, NULL));
            CRect rect(LoadIniInt(strSection, strWnd + "_left", nNoPosition, NULL),
                LoadIniInt(strSection, strWnd + "_top", nNoPosition, NULL),
                LoadIniInt(strSection, strWnd + "_right", nNoPosition, NULL),
                LoadIniInt(strSection, strWnd + "_bottom", nNoPosition, NULL));
            // only a whole, non-empty rectangle is put back
            if (pControl == NULL || rect.left == nNoPosition || rect.top == nNoPosition ||
                rect.right <= rect.left || rect.bottom <= rect.top)
                continue;
            pControl->MoveWindow(&rect);
        }
    }
}
