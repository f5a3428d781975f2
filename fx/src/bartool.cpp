// bartool.cpp - CToolBar: a control bar over the common toolbar control; its buttons, sizes and
// bitmap, its layout docked, floating and wrapped, and the idle update of its buttons.
#include "afximpl_.h"
#include <afxpriv.h>

namespace
{
// the toolbar resource: a header followed by wItemCount command ids (0 = separator)
struct CToolBarData
{
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
    const WORD* items() const { return (const WORD*)(this + 1); }
};

// a separator is 6 pixels wide between flat buttons, 8 between raised ones
const int cxSeparatorFlat = 6;
const int cxSeparator = 8;

// Enable and SetCheck of a toolbar's button during the idle update
class CToolCmdUI : public CCmdUI
{
public:
    virtual void Enable(BOOL bOn);
    virtual void SetCheck(int nCheck);
    virtual void SetText(LPCSTR lpszText);
};

void CToolCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    CToolBar* pToolBar = (CToolBar*)m_pOther;
    UINT nNewStyle = pToolBar->GetButtonStyle(m_nIndex) & ~TBBS_DISABLED;
    if (!bOn)
    {
        // a button disabled while pressed would stay pressed after the mouse lets go
        nNewStyle |= TBBS_DISABLED;
        nNewStyle &= ~TBBS_PRESSED;
    }
    pToolBar->SetButtonStyle(m_nIndex, nNewStyle);
}

void CToolCmdUI::SetCheck(int nCheck)
{
    CToolBar* pToolBar = (CToolBar*)m_pOther;
    UINT nNewStyle = pToolBar->GetButtonStyle(m_nIndex) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
    if (nCheck == 1)
        nNewStyle |= TBBS_CHECKED;
    else if (nCheck == 2)
        nNewStyle |= TBBS_INDETERMINATE;
    pToolBar->SetButtonStyle(m_nIndex, nNewStyle | TBBS_CHECKBOX);
}

void CToolCmdUI::SetText(LPCSTR)
{
    // buttons show images, not texts
}
}

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_WM_NCCREATE()
    ON_WM_NCHITTEST()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_WINDOWPOSCHANGING()
    ON_MESSAGE(TB_SETBUTTONSIZE, &CToolBar::OnSetButtonSize)
    ON_MESSAGE(TB_SETBITMAPSIZE, &CToolBar::OnSetBitmapSize)
END_MESSAGE_MAP()

CToolBar::CToolBar()
{
    m_pStringMap = NULL;
    m_hRsrcImageWell = NULL;
    m_hInstImageWell = NULL;
    m_hbmImageWell = NULL;
    m_bDelayedButtonLayout = TRUE;
    m_sizeImage.cx = 16;
    m_sizeImage.cy = 15;
    m_sizeButton.cx = 23;
    m_sizeButton.cy = 22;
    // one pixel more than a plain bar above and below, to grab it by
    m_cyTopBorder = 3;
    m_cyBottomBorder = 3;
}

CToolBar::~CToolBar()
{
    AfxDeleteObject((HGDIOBJ*)&m_hbmImageWell);
    delete m_pStringMap;
    m_nCount = 0;
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle,
        CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    ASSERT(pParentWnd != NULL);
    ASSERT(!((dwStyle & CBRS_SIZE_FIXED) && (dwStyle & CBRS_SIZE_DYNAMIC)));
    SetBorders(rcBorders);

    m_dwStyle = (dwStyle & CBRS_ALL);
    if (nID == AFX_IDW_TOOLBAR)
        m_dwStyle |= CBRS_HIDE_INPLACE;

    // the control neither places nor sizes itself: the frame's layout does
    dwStyle &= ~CBRS_ALL;
    dwStyle |= CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    dwStyle |= dwCtrlStyle;

    VERIFY(AfxDeferRegisterClass(AFX_WNDCOMMCTL_BAR_REG));
    CRect rect;
    rect.SetRectEmpty();
    if (!CWnd::Create(TOOLBARCLASSNAMEA, NULL, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    SetSizes(m_sizeButton, m_sizeImage);
    return TRUE;
}

BOOL CToolBar::OnNcCreate(LPCREATESTRUCT lpcs)
{
    if (!CControlBar::OnNcCreate(lpcs))
        return FALSE;
    if (m_hWndOwner != NULL)
        DefWindowProc(TB_SETPARENT, (WPARAM)m_hWndOwner, 0);
    // the control must know the size of the button records it gets (32 bytes on x64)
    DefWindowProc(TB_BUTTONSTRUCTSIZE, (WPARAM)sizeof(TBBUTTON), 0);
    return TRUE;
}

void CToolBar::SetOwner(CWnd* pOwnerWnd)
{
    // the control sends its notifications to the owner too
    if (m_hWnd != NULL)
        DefWindowProc(TB_SETPARENT, (WPARAM)pOwnerWnd->GetSafeHwnd(), 0);
    CControlBar::SetOwner(pOwnerWnd);
}

/////////////////////////////////////////////////////////////////////////////
// Sizes, bitmap and buttons

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    ASSERT(sizeButton.cx > 0 && sizeButton.cy > 0);
    ASSERT(sizeImage.cx > 0 && sizeImage.cy > 0);
    if (::IsWindow(m_hWnd))
    {
        // the handlers of these messages keep m_sizeButton and m_sizeImage
        SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(sizeImage.cx, sizeImage.cy));
        SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(sizeButton.cx, sizeButton.cy));
        m_bDelayedButtonLayout = TRUE;
        Invalidate();
    }
    else
    {
        m_sizeButton = sizeButton;
        m_sizeImage = sizeImage;
    }
}

LRESULT CToolBar::OnSetButtonSize(WPARAM, LPARAM lParam)
{
    LRESULT lResult = Default();
    if (lResult)
        m_sizeButton = CSize(LOWORD(lParam), HIWORD(lParam));
    return lResult;
}

LRESULT CToolBar::OnSetBitmapSize(WPARAM, LPARAM lParam)
{
    LRESULT lResult = Default();
    if (lResult)
        m_sizeImage = CSize(LOWORD(lParam), HIWORD(lParam));
    return lResult;
}

void CToolBar::SetHeight(int cyHeight)
{
    if (m_dwStyle & CBRS_BORDER_TOP)
        cyHeight -= afxData.cyBorder2;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        cyHeight -= afxData.cyBorder2;
    m_cyBottomBorder = (cyHeight - m_sizeButton.cy) / 2;
    // an odd pixel goes to the top
    m_cyTopBorder = cyHeight - m_sizeButton.cy - m_cyBottomBorder;
    if (m_cyTopBorder < 0)
    {
        // smaller than a button: the buttons are cut at the bottom
        m_cyBottomBorder += m_cyTopBorder;
        m_cyTopBorder = 0;
    }
    if (m_hWnd != NULL)
    {
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_DRAWFRAME | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
        Invalidate();
    }
}

BOOL CToolBar::LoadToolBar(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
    HRSRC hRsrc = ::FindResourceA(hInst, lpszResourceName, RT_TOOLBAR);
    if (hRsrc == NULL)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    if (hGlobal == NULL)
        return FALSE;
    const CToolBarData* pData = (const CToolBarData*)::LockResource(hGlobal);
    const DWORD cbSize = ::SizeofResource(hInst, hRsrc);
    // only version 1 is known; a record shorter than its count says is damaged
    if (pData == NULL || cbSize < sizeof(CToolBarData) || pData->wVersion != 1
        || cbSize < sizeof(CToolBarData) + pData->wItemCount * sizeof(WORD)
        || pData->wWidth == 0 || pData->wHeight == 0)
        return FALSE;

    UINT* pItems = new UINT[pData->wItemCount + 1];
    for (int i = 0; i < pData->wItemCount; i++)
        pItems[i] = pData->items()[i];
    BOOL bResult = SetButtons(pItems, pData->wItemCount);
    delete[] pItems;

    if (bResult)
    {
        CSize sizeImage(pData->wWidth, pData->wHeight);
        CSize sizeButton(pData->wWidth + 7, pData->wHeight + 7);
        SetSizes(sizeButton, sizeImage);
        bResult = LoadBitmap(lpszResourceName);
    }
    return bResult;
}

BOOL CToolBar::LoadBitmap(LPCSTR lpszResourceName)
{
    HINSTANCE hInstImageWell = AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_BITMAP);
    HRSRC hRsrcImageWell = ::FindResourceA(hInstImageWell, lpszResourceName, (LPCSTR)RT_BITMAP);
    if (hRsrcImageWell == NULL)
        return FALSE;
    // the greys of the image take the system's 3D colours
    HBITMAP hbmImageWell = (HBITMAP)::LoadImageA(hInstImageWell, lpszResourceName, IMAGE_BITMAP, 0, 0,
        LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS);
    if (hbmImageWell == NULL)
        return FALSE;
    if (!AddReplaceBitmap(hbmImageWell))
    {
        ::DeleteObject(hbmImageWell);
        return FALSE;
    }
    m_hInstImageWell = hInstImageWell;
    m_hRsrcImageWell = hRsrcImageWell;
    return TRUE;
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    m_hInstImageWell = NULL;
    m_hRsrcImageWell = NULL;
    return AddReplaceBitmap(hbmImageWell);
}

BOOL CToolBar::AddReplaceBitmap(HBITMAP hbmImageWell)
{
    BITMAP bitmap;
    if (hbmImageWell == NULL || !::GetObjectA(hbmImageWell, sizeof(BITMAP), &bitmap) || m_sizeImage.cx <= 0)
        return FALSE;
    BOOL bResult;
    if (m_hbmImageWell == NULL)
    {
        TBADDBITMAP addBitmap;
        addBitmap.hInst = NULL;     // nID is a bitmap handle
        addBitmap.nID = (UINT_PTR)hbmImageWell;
        bResult = DefWindowProc(TB_ADDBITMAP, bitmap.bmWidth / m_sizeImage.cx, (LPARAM)&addBitmap) == 0;
    }
    else
    {
        TBREPLACEBITMAP replaceBitmap;
        replaceBitmap.hInstOld = NULL;
        replaceBitmap.nIDOld = (UINT_PTR)m_hbmImageWell;
        replaceBitmap.hInstNew = NULL;
        replaceBitmap.nIDNew = (UINT_PTR)hbmImageWell;
        replaceBitmap.nButtons = bitmap.bmWidth / m_sizeImage.cx;
        bResult = (BOOL)DefWindowProc(TB_REPLACEBITMAP, 0, (LPARAM)&replaceBitmap);
    }
    if (bResult)
    {
        AfxDeleteObject((HGDIOBJ*)&m_hbmImageWell);
        m_hbmImageWell = hbmImageWell;
    }
    return bResult;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    if (m_hWnd == NULL || nIDCount < 0)
        return FALSE;
    int nCount = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    while (nCount--)
        DefWindowProc(TB_DELETEBUTTON, 0, 0);

    TBBUTTON button;
    memset(&button, 0, sizeof(TBBUTTON));
    button.iString = -1;
    if (lpIDArray != NULL)
    {
        int iImage = 0;
        for (int i = 0; i < nIDCount; i++)
        {
            button.fsState = TBSTATE_ENABLED;
            if ((button.idCommand = (int)*lpIDArray++) == 0)
            {
                button.fsStyle = TBSTYLE_SEP;
                button.iBitmap = (GetStyle() & TBSTYLE_FLAT) ? cxSeparatorFlat : cxSeparator;
            }
            else
            {
                button.fsStyle = TBSTYLE_BUTTON;
                button.iBitmap = iImage++;
            }
            if (!DefWindowProc(TB_ADDBUTTONSA, 1, (LPARAM)&button))
                return FALSE;
        }
    }
    else
    {
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = TBSTYLE_BUTTON;
        for (int i = 0; i < nIDCount; i++)
            if (!DefWindowProc(TB_ADDBUTTONSA, 1, (LPARAM)&button))
                return FALSE;
    }
    m_nCount = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    m_bDelayedButtonLayout = TRUE;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Buttons

void CToolBar::_GetButton(int nIndex, TBBUTTON* pButton) const
{
    memset(pButton, 0, sizeof(TBBUTTON));
    if (!((CToolBar*)this)->DefWindowProc(TB_GETBUTTON, nIndex, (LPARAM)pButton))
    {
        // no such button: a blank record (reads as enabled after the inversion below)
        memset(pButton, 0, sizeof(TBBUTTON));
        pButton->fsState = TBSTATE_ENABLED;
    }
    pButton->fsState ^= TBSTATE_ENABLED;
}

void CToolBar::_SetButton(int nIndex, TBBUTTON* pButton)
{
    TBBUTTON button;
    memset(&button, 0, sizeof(button));
    if (!DefWindowProc(TB_GETBUTTON, nIndex, (LPARAM)&button))
        return;
    memset(button.bReserved, 0, sizeof(button.bReserved));

    pButton->fsState ^= TBSTATE_ENABLED;
    memset(pButton->bReserved, 0, sizeof(pButton->bReserved));
    if (memcmp(pButton, &button, sizeof(TBBUTTON)) == 0)
        return;

    if (pButton->fsStyle == button.fsStyle && pButton->idCommand == button.idCommand
        && pButton->iBitmap == button.iBitmap && pButton->dwData == button.dwData
        && pButton->iString == button.iString && button.idCommand != 0
        && DefWindowProc(TB_COMMANDTOINDEX, (WPARAM)button.idCommand, 0) == nIndex)
    {
        // only the state changed: the control redraws the button itself
        DefWindowProc(TB_SETSTATE, (WPARAM)button.idCommand, MAKELONG(pButton->fsState, 0));
        return;
    }

    // anything else: the button is made anew, without drawing in between
    const DWORD dwStyle = GetStyle();
    ModifyStyle(WS_VISIBLE, 0);
    DefWindowProc(TB_DELETEBUTTON, nIndex, 0);
    DefWindowProc(TB_INSERTBUTTONA, nIndex, (LPARAM)pButton);
    ModifyStyle(0, dwStyle & WS_VISIBLE);

    if (((pButton->fsStyle ^ button.fsStyle) & TBSTYLE_SEP)
        || ((pButton->fsStyle & TBSTYLE_SEP) && pButton->iBitmap != button.iBitmap))
        Invalidate();   // a separator changed: everything after it moved
    else
    {
        CRect rect;
        if (DefWindowProc(TB_GETITEMRECT, nIndex, (LPARAM)&rect))
            InvalidateRect(rect);
    }
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    if (m_hWnd == NULL)
        return -1;
    return (int)((CToolBar*)this)->DefWindowProc(TB_COMMANDTOINDEX, nIDFind, 0);
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button;
    _GetButton(nIndex, &button);
    return (UINT)button.idCommand;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (m_bDelayedButtonLayout)
        ((CToolBar*)this)->Layout();
    if (!((CToolBar*)this)->DefWindowProc(TB_GETITEMRECT, nIndex, (LPARAM)lpRect))
        ::SetRectEmpty(lpRect);
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button;
    _GetButton(nIndex, &button);
    return MAKELONG(button.fsStyle, button.fsState);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    TBBUTTON button;
    _GetButton(nIndex, &button);
    if (button.fsStyle != (BYTE)LOWORD(nStyle) || button.fsState != (BYTE)HIWORD(nStyle))
    {
        button.fsStyle = (BYTE)LOWORD(nStyle);
        button.fsState = (BYTE)HIWORD(nStyle);
        _SetButton(nIndex, &button);
    }
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON button;
    _GetButton(nIndex, &button);
    nID = (UINT)button.idCommand;
    nStyle = MAKELONG(button.fsStyle, button.fsState);
    iImage = button.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    TBBUTTON button;
    _GetButton(nIndex, &button);
    TBBUTTON save = button;
    button.idCommand = (int)nID;
    button.iBitmap = iImage;
    button.fsStyle = (BYTE)LOWORD(nStyle);
    button.fsState = (BYTE)HIWORD(nStyle);
    if (memcmp(&save, &button, sizeof(save)) != 0)
    {
        _SetButton(nIndex, &button);
        m_bDelayedButtonLayout = TRUE;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Button texts

BOOL CToolBar::SetButtonText(int nIndex, LPCSTR lpszText)
{
    if (m_hWnd == NULL || lpszText == NULL || nIndex < 0 || nIndex >= (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0))
        return FALSE;
    void* pString = NULL;
    INT_PTR nString = -1;
    if (m_pStringMap != NULL && m_pStringMap->Lookup(lpszText, pString))
        nString = (INT_PTR)pString;
    if (nString == -1)
    {
        // the control takes a list of strings ended by an empty one
        const size_t nLen = strlen(lpszText);
        char* pszList = new char[nLen + 2];
        memcpy(pszList, lpszText, nLen);
        pszList[nLen] = pszList[nLen + 1] = '\0';
        nString = (INT_PTR)DefWindowProc(TB_ADDSTRINGA, 0, (LPARAM)pszList);
        delete[] pszList;
        if (nString == -1)
            return FALSE;
        if (m_pStringMap == NULL)
            m_pStringMap = new CMapStringToPtr;
        m_pStringMap->SetAt(lpszText, (void*)nString);
    }
    TBBUTTON button;
    _GetButton(nIndex, &button);
    button.iString = nString;
    _SetButton(nIndex, &button);
    m_bDelayedButtonLayout = TRUE;
    return TRUE;
}

void CToolBar::GetButtonText(int nIndex, CString& rString) const
{
    rString.Empty();
    if (m_pStringMap == NULL)
        return;
    TBBUTTON button;
    _GetButton(nIndex, &button);
    POSITION pos = m_pStringMap->GetStartPosition();
    while (pos != NULL)
    {
        CString strKey;
        void* pValue;
        m_pStringMap->GetNextAssoc(pos, strKey, pValue);
        if ((INT_PTR)pValue == button.iString)
        {
            rString = strKey;
            return;
        }
    }
}

CString CToolBar::GetButtonText(int nIndex) const
{
    CString strText;
    GetButtonText(nIndex, strText);
    return strText;
}

/////////////////////////////////////////////////////////////////////////////
// Layout: buttons in one row docked across, one column docked along, wrapped rows floating

CSize CToolBar::CalcSize(TBBUTTON* pData, int nCount)
{
    CPoint cur(0, 0);
    CSize sizeResult(0, 0);
    const DWORD dwExtendedStyle = (DWORD)DefWindowProc(TB_GETEXTENDEDSTYLE, 0, 0);
    for (int i = 0; i < nCount; i++)
    {
        if (pData[i].fsState & TBSTATE_HIDDEN)
            continue;
        // a wrapping separator adds two thirds of its width between rows of raised buttons
        int cySep = pData[i].iBitmap;
        if (!(GetStyle() & TBSTYLE_FLAT))
            cySep = cySep * 2 / 3;

        int cx = m_sizeButton.cx;
        if (pData[i].fsStyle & TBSTYLE_SEP)
        {
            if (pData[i].fsState & TBSTATE_WRAP)
                sizeResult.cy = AfxMax(cur.y + m_sizeButton.cy + cySep, sizeResult.cy);
            else
                sizeResult.cx = AfxMax(cur.x + pData[i].iBitmap, sizeResult.cx);
        }
        else
        {
            if ((pData[i].fsStyle & TBSTYLE_DROPDOWN) && (dwExtendedStyle & TBSTYLE_EX_DRAWDDARROWS))
                cx += ::GetSystemMetrics(SM_CXMENUCHECK);
            sizeResult.cx = AfxMax(cur.x + cx, sizeResult.cx);
            sizeResult.cy = AfxMax(cur.y + m_sizeButton.cy, sizeResult.cy);
        }

        if (pData[i].fsStyle & TBSTYLE_SEP)
            cur.x += pData[i].iBitmap;
        else
            cur.x += cx;

        if (pData[i].fsState & TBSTATE_WRAP)
        {
            cur.x = 0;
            cur.y += m_sizeButton.cy;
            if (pData[i].fsStyle & TBSTYLE_SEP)
                cur.y += cySep;
        }
    }
    return sizeResult;
}

int CToolBar::WrapToolBar(TBBUTTON* pData, int nCount, int nWidth)
{
    int nResult = 0;
    int x = 0;
    const DWORD dwExtendedStyle = (DWORD)DefWindowProc(TB_GETEXTENDEDSTYLE, 0, 0);
    for (int i = 0; i < nCount; i++)
    {
        pData[i].fsState &= ~TBSTATE_WRAP;
        if (pData[i].fsState & TBSTATE_HIDDEN)
            continue;

        int dx, dxNext;
        if (pData[i].fsStyle & TBSTYLE_SEP)
        {
            dx = pData[i].iBitmap;
            dxNext = dx;
        }
        else
        {
            dx = m_sizeButton.cx;
            if ((pData[i].fsStyle & TBSTYLE_DROPDOWN) && (dwExtendedStyle & TBSTYLE_EX_DRAWDDARROWS))
                dx += ::GetSystemMetrics(SM_CXMENUCHECK);
            dxNext = dx;
        }

        if (x + dx > nWidth)
        {
            // the row ends at the last visible separator (one with a command is a control)
            BOOL bFound = FALSE;
            for (int j = i; j >= 0 && !(pData[j].fsState & TBSTATE_WRAP); j--)
            {
                if ((pData[j].fsStyle & TBSTYLE_SEP) && pData[j].idCommand == 0 && !(pData[j].fsState & TBSTATE_HIDDEN))
                {
                    bFound = TRUE;
                    i = j;
                    x = 0;
                    pData[j].fsState |= TBSTATE_WRAP;
                    nResult++;
                    break;
                }
            }
            if (!bFound)
            {
                // else after the button before this one
                for (int j = i - 1; j >= 0 && !(pData[j].fsState & TBSTATE_WRAP); j--)
                {
                    if ((pData[j].fsState & TBSTATE_HIDDEN) || ((pData[j].fsStyle & TBSTYLE_SEP) && pData[j].idCommand != 0))
                        continue;
                    bFound = TRUE;
                    i = j;
                    x = 0;
                    pData[j].fsState |= TBSTATE_WRAP;
                    nResult++;
                    break;
                }
                if (!bFound)
                    x += dxNext;
            }
        }
        else
            x += dxNext;
    }
    return nResult + 1;
}

void CToolBar::SizeToolBar(TBBUTTON* pData, int nCount, int nLength, BOOL bVert)
{
    if (!bVert)
    {
        // the narrowest width that needs no more rows than nLength does
        int nMax = nLength;
        const int nTarget = WrapToolBar(pData, nCount, nMax);
        int nMin = 0;
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
    }
    else
    {
        // the width whose wrapping comes nearest to the height nLength
        WrapToolBar(pData, nCount, 0);
        CSize sizeMin = CalcSize(pData, nCount);
        WrapToolBar(pData, nCount, 32767);
        CSize sizeMax = CalcSize(pData, nCount);
        while (sizeMin.cx < sizeMax.cx)
        {
            CSize sizeMid;
            sizeMid.cx = (sizeMin.cx + sizeMax.cx) / 2;
            WrapToolBar(pData, nCount, sizeMid.cx);
            sizeMid = CalcSize(pData, nCount);
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
}

CSize CToolBar::CalcLayout(DWORD dwMode, int nLength)
{
    CSize sizeResult(0, 0);
    const int nCount = m_hWnd != NULL ? (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0) : 0;
    if (nCount > 0)
    {
        TBBUTTON* pData = new TBBUTTON[nCount];
        for (int i = 0; i < nCount; i++)
            _GetButton(i, &pData[i]);

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
                const int nLen = nLength + (bVert ? rect.Height() : rect.Width());
                SizeToolBar(pData, nCount, nLen, bVert);
            }
            else if (bDynamic && (m_dwStyle & CBRS_FLOATING))
                SizeToolBar(pData, nCount, (int)m_nMRUWidth);
            else
                SizeToolBar(pData, nCount, (dwMode & LM_HORZ) ? 32767 : 0);
        }

        sizeResult = CalcSize(pData, nCount);

        if (dwMode & LM_COMMIT)
        {
            if ((m_dwStyle & CBRS_FLOATING) && (m_dwStyle & CBRS_SIZE_DYNAMIC))
                m_nMRUWidth = (UINT)sizeResult.cx;
            const BOOL bIsDelayed = m_bDelayedButtonLayout;
            m_bDelayedButtonLayout = FALSE;
            for (int i = 0; i < nCount; i++)
                _SetButton(i, &pData[i]);
            m_bDelayedButtonLayout = bIsDelayed;
        }
        delete[] pData;
    }

    // the borders around the buttons, and at least the bar's own fixed size
    CRect rect;
    rect.SetRectEmpty();
    CalcInsideRect(rect, (dwMode & LM_HORZ) != 0);
    sizeResult.cy -= rect.Height();
    sizeResult.cx -= rect.Width();
    CSize size = CControlBar::CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
    sizeResult.cx = AfxMax(sizeResult.cx, size.cx);
    sizeResult.cy = AfxMax(sizeResult.cy, size.cy);
    return sizeResult;
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    DWORD dwMode = bStretch ? LM_STRETCH : 0;
    dwMode |= bHorz ? LM_HORZ : 0;
    return CalcLayout(dwMode);
}

CSize CToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (nLength == -1 && !(dwMode & LM_MRUWIDTH) && !(dwMode & LM_COMMIT)
        && ((dwMode & LM_HORZDOCK) || (dwMode & LM_VERTDOCK)))
        return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZDOCK) != 0);
    return CalcLayout(dwMode, nLength);
}

void CToolBar::Layout()
{
    // the wrapping of the buttons follows where the bar is now
    m_bDelayedButtonLayout = FALSE;
    if (m_hWnd == NULL)
        return;
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0 || (m_dwStyle & CBRS_ORIENT_ANY) == 0;
    if ((m_dwStyle & CBRS_FLOATING) && (m_dwStyle & CBRS_SIZE_DYNAMIC))
        CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
    else if (bHorz)
        CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    else
        CalcDynamicLayout(0, LM_VERTDOCK | LM_COMMIT);
}

void CToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    // a new side or floating state wraps the buttons anew
    if ((dwOldStyle & (CBRS_ORIENT_ANY | CBRS_FLOATING)) != (dwNewStyle & (CBRS_ORIENT_ANY | CBRS_FLOATING)))
        m_bDelayedButtonLayout = TRUE;
    if (m_hWnd != NULL)
    {
        if ((dwOldStyle & CBRS_TOOLTIPS) != (dwNewStyle & CBRS_TOOLTIPS))
            EnableToolTips((dwNewStyle & CBRS_TOOLTIPS) != 0);
        if ((dwOldStyle & (CBRS_BORDER_ANY | CBRS_BORDER_3D | CBRS_GRIPPER)) != (dwNewStyle & (CBRS_BORDER_ANY | CBRS_BORDER_3D | CBRS_GRIPPER)))
            SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

void CToolBar::OnWindowPosChanging(LPWINDOWPOS lpWndPos)
{
    // the borders are redrawn by the size change; buttons wrap anew when the size changes
    const DWORD dwStyle = m_dwStyle;
    m_dwStyle &= ~(CBRS_BORDER_ANY);
    CControlBar::OnWindowPosChanging(lpWndPos);
    m_dwStyle = dwStyle;
    if (!(lpWndPos->flags & SWP_NOSIZE))
    {
        lpWndPos->flags |= SWP_FRAMECHANGED;
        m_bDelayedButtonLayout = TRUE;
        Invalidate();
    }
}

/////////////////////////////////////////////////////////////////////////////
// Painting and hit testing

void CToolBar::OnPaint()
{
    if (m_bDelayedButtonLayout)
        Layout();
    Default();
}

BOOL CToolBar::OnEraseBkgnd(CDC*)
{
    return (BOOL)Default();
}

LRESULT CToolBar::OnNcHitTest(CPoint)
{
    return HTCLIENT;
}

INT_PTR CToolBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    // child controls placed over separators first
    INT_PTR nHit = CControlBar::OnToolHitTest(point, pTI);
    if (nHit != -1)
        return nHit;
    if (m_bDelayedButtonLayout)
        ((CToolBar*)this)->Layout();

    CToolBar* pBar = (CToolBar*)this;
    const int nButtons = (int)pBar->DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    for (int i = 0; i < nButtons; i++)
    {
        CRect rect;
        TBBUTTON button;
        if (!pBar->DefWindowProc(TB_GETITEMRECT, i, (LPARAM)&rect))
            continue;
        ++rect.bottom;
        ++rect.right;
        if (rect.PtInRect(point) && pBar->DefWindowProc(TB_GETBUTTON, i, (LPARAM)&button)
            && !(button.fsStyle & TBSTYLE_SEP))
        {
            const UINT_PTR uHit = GetItemID(i);
            if (pTI != NULL && pTI->cbSize >= TTTOOLINFOA_V1_SIZE)
            {
                pTI->hwnd = m_hWnd;
                pTI->rect = rect;
                pTI->uId = uHit;
                pTI->lpszText = LPSTR_TEXTCALLBACKA;
            }
            return uHit != 0 ? (INT_PTR)uHit : (INT_PTR)-1;
        }
    }
    return -1;
}

/////////////////////////////////////////////////////////////////////////////
// Idle update

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        TBBUTTON button;
        _GetButton((int)state.m_nIndex, &button);
        state.m_nID = (UINT)button.idCommand;
        if (button.fsStyle & TBSTYLE_SEP)
            continue;
        // the bar's own handlers first, then the owner frame's routing
        if (CWnd::OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, NULL))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}
