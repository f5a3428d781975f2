// UILToolBarMenu.cpp - CUILToolBar: items made from a menu (with popup menu bars for its
// submenus), command images taken from toolbar resources, mnemonics, and the commands a bar
// answers itself (its bar styles).
//
// Cost: ConvertMenu creates one window per submenu; ExtractImages loads each bitmap once and
// walks the items of the bar tree once per toolbar.
#include "UILToolBar.h"
#include "../frame/UILFrame.h"
#include <afxpriv.h>
#include <algorithm>

namespace
{
// the width of a separator made from a menu
const int cxMenuSeparator = 8;
// popup bars hold popup bars; a host could make a ring of them, the walk stops here
const int nMaxPopupDepth = 16;

struct SToolBarHeader
{
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
};

// the bar styles the bar's own commands switch to, with the look they add
struct SStyleCommand
{
    UINT nID;
    int nStyle;
    int nExtraLook;
};
const SStyleCommand styleCommands[] = {
    { UIL_ID_BARSTYLE_PLAIN, 0, UILIS_TEXT | UILIS_ACCELTEXT },
    { UIL_ID_BARSTYLE_FOLLOW, UILBS_FOLLOWPOPUP, UILIS_TEXT | UILIS_ACCELTEXT },
    { UIL_ID_BARSTYLE_MENU, UILBS_MENU, UILIS_TEXT | UILIS_ACCELTEXT },
    { UIL_ID_BARSTYLE_OWNLOOK, UILBS_DEFAULT, UILIS_TEXT | UILIS_IMAGE | UILIS_ACCELTEXT },
    { UIL_ID_BARSTYLE_POPUPMENU, UILBS_POPUPMENU | UILBS_CUSTOMLOOK, UILIS_TEXT | UILIS_IMAGE | UILIS_ACCELTEXT },
};

// A toolbar resource's bitmap as a list of the collection, and which image each command has.
// The list goes to the collection, which owns it; Load returns the list's index or -1.
class CToolBarImages
{
public:
    int Load(CUILImagesCollection* pImages, LPCSTR lpszName, COLORREF clrMask)
    {
        HINSTANCE hInst = AfxFindResourceHandle(lpszName, RT_TOOLBAR);
        HRSRC hRsrc = hInst != NULL ? ::FindResourceA(hInst, lpszName, RT_TOOLBAR) : NULL;
        HGLOBAL hGlobal = hRsrc != NULL ? ::LoadResource(hInst, hRsrc) : NULL;
        const SToolBarHeader* pData = hGlobal != NULL ? (const SToolBarHeader*)::LockResource(hGlobal) : NULL;
        const DWORD cbSize = hRsrc != NULL ? ::SizeofResource(hInst, hRsrc) : 0;
        if (pData == NULL || cbSize < sizeof(SToolBarHeader) || pData->wVersion != 1 || pData->wWidth == 0
            || cbSize < sizeof(SToolBarHeader) + pData->wItemCount * sizeof(WORD))
            return -1;
        HINSTANCE hInstBmp = AfxFindResourceHandle(lpszName, (LPCSTR)RT_BITMAP);
        HIMAGELIST hList = ImageList_LoadImageA(hInstBmp, lpszName, pData->wWidth, 1, clrMask, IMAGE_BITMAP,
            LR_CREATEDIBSECTION);
        if (hList == NULL)
            return -1;
        const int nImages = ImageList_GetImageCount(hList);
        const WORD* pIDs = (const WORD*)(pData + 1);
        int nImage = 0;
        for (int i = 0; i < pData->wItemCount && nImage < nImages; i++)
        {
            if (pIDs[i] == 0)
                continue;
            // a command twice in one toolbar keeps its first image
            void* pOld;
            if (!m_map.Lookup(pIDs[i], pOld))
                m_map.SetAt(pIDs[i], (void*)(INT_PTR)nImage);
            nImage++;
        }
        CUILImageList* pList = new CUILImageList;
        pList->Attach(hList);
        m_nList = pImages->Add(pList, UILIMAGELIST_OWNED);
        m_pImages = pImages;
        return m_nList;
    }
    // the image number an item of command nID takes, -1 when the toolbar has none for it
    int ImageOf(UINT nID) const
    {
        void* pValue;
        if (nID == 0 || nID > 0xFFFF || !m_map.Lookup((WORD)nID, pValue))
            return -1;
        // the list named in the high word; list 0 by its own numbers
        const int nPos = (int)(INT_PTR)pValue;
        return m_nList > 0 ? (int)MAKELONG(nPos, m_nList) : m_pImages->GetAt(0)->GetStartIndex() + nPos;
    }

    int m_nList = -1;
    CUILImagesCollection* m_pImages = NULL;
    CMapWordToPtr m_map;
};

// Gives every item of pBar whose command has an image in images that image; with nDepth > 0
// the popup bars too.  Returns the count of items given an image.
int ApplyImages(CUILToolBar* pBar, const CToolBarImages& images, int nDepth)
{
    if (!CUILToolBar::IsLiveBar(pBar) || pBar->GetSafeHwnd() == NULL)
        return 0;
    if (pBar->m_pImages == NULL)
        pBar->m_pImages = images.m_pImages;
    int nGiven = 0;
    CClientDC dc(NULL);
    CFont* pOldFont = dc.SelectObject(CUILItem::m_fonts.GetHorzFont());
    for (int i = 0; i < pBar->GetItemCount(); i++)
    {
        CUILItem* pItem = pBar->_GetButtonPtr(i);
        if (pItem->IsSeparator() || pItem->IsControl())
            continue;
        if (nDepth > 0 && pItem->m_pPopupBar != NULL)
            nGiven += ApplyImages(pItem->m_pPopupBar, images, nDepth - 1);
        const int nImage = images.ImageOf((UINT)pItem->m_idCommand);
        if (nImage < 0)
            continue;
        // the record keeps the number too, so that a later style change finds it
        CUILItem* pCopy = pBar->_GetButtonCopy(i);
        pCopy->m_iBitmap = nImage;
        pBar->_SetButton(i, pCopy);
        delete pCopy;
        const CPoint pt(pItem->m_rcItem.left, pItem->m_rcItem.top);
        pItem->m_pImages = pBar->m_pImages;
        pItem->m_iList = HIWORD(nImage) != 0 ? (int)HIWORD(nImage) : -1;
        pItem->m_iBitmap = nImage;
        pItem->MeasureItem(dc, -1, -1);
        pItem->SetItemPos(pt.x, pt.y, 0, NULL);
        nGiven++;
    }
    dc.SelectObject(pOldFont);
    if (nGiven > 0)
    {
        pBar->m_bDelayedButtonLayout = 1;
        pBar->Invalidate();
    }
    return nGiven;
}
}

/////////////////////////////////////////////////////////////////////////////
// Items from a menu

int CUILToolBar::ConvertMenu(CMenu* pMenu, int nLook)
{
    if (pMenu == NULL || !::IsMenu(pMenu->GetSafeHmenu()) || m_hWnd == NULL)
        return -1;
    DeleteButtons();
    DeleteOwnedPopups();

    const HMENU hMenu = pMenu->GetSafeHmenu();
    const int nEntries = ::GetMenuItemCount(hMenu);
    CPtrArray submenus;     // HMENU per record, NULL for entries without one
    for (int i = 0; i < nEntries; i++)
    {
        MENUITEMINFOA info;
        memset(&info, 0, sizeof(info));
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU;
        if (!::GetMenuItemInfoA(hMenu, i, TRUE, &info))
            continue;
        TBBUTTON button;
        memset(&button, 0, sizeof(button));
        button.iString = -1;
        button.fsState = TBSTATE_ENABLED;
        CString strText;
        if (info.fType & MFT_SEPARATOR)
        {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = cxMenuSeparator;
        }
        else
        {
            button.fsStyle = TBSTYLE_BUTTON;
            button.iBitmap = -1;
            // an entry that opens a submenu sends nothing itself
            button.idCommand = info.hSubMenu != NULL ? 0 : (int)info.wID;
            if (info.fState & MFS_DISABLED)
                button.fsState = 0;
            if (info.fState & MFS_CHECKED)
                button.fsState |= TBSTATE_CHECKED;
            pMenu->GetMenuString(i, strText, MF_BYPOSITION);
        }
        if (!DefWindowProc(TB_ADDBUTTONSA, 1, (LPARAM)&button))
            continue;
        const int nIndex = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0) - 1;
        if (!strText.IsEmpty())
            SetButtonText(nIndex, strText);
        submenus.Add(info.hSubMenu);
    }
    m_nButtons = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    m_nCount = m_nButtons;

    {
        CWindowDC dc(NULL);
        CFont* pOldFont = dc.SelectObject(CUILItem::m_fonts.GetHorzFont());
        for (int i = 0; i < m_nButtons; i++)
        {
            CUILItem* pItem = _NewButton(NULL);
            if (pItem == NULL)
                break;
            m_arrItems.Add(pItem);
            FillItem(dc, i, pItem, nLook, FALSE);
        }
        dc.SelectObject(pOldFont);
    }
    m_nDefaultItemStyle = nLook;

    // the submenus become popup menu bars of the same frame, sending to the same owner
    CFrameWnd* pSite = m_pDockSite != NULL ? m_pDockSite : GetParentFrame();
    CWnd* pOwner = GetOwner();
    for (int i = 0; i < m_nButtons && i < (int)submenus.GetSize(); i++)
    {
        CMenu* pSub = CMenu::FromHandle((HMENU)submenus[i]);
        if (submenus[i] == NULL || pSite == NULL)
            continue;
        CUILToolBar* pPopup = new CUILToolBar;
        pPopup->m_nBarStyle = UILBS_POPUPMENU | UILBS_CUSTOMLOOK;
        pPopup->m_pImages = m_pImages;
        if (!pPopup->Create(pSite, WS_CHILD | CBRS_ALIGN_TOP, 0))
        {
            delete pPopup;
            continue;
        }
        m_arrOwnedPopups.Add(pPopup);
        if (pOwner != NULL)
            pPopup->SetOwner(pOwner);
        // entries of a menu whatever the bar above them looks like: image column, shortcuts
        pPopup->ConvertMenu(pSub, (nLook | UILIS_MENUITEM | UILIS_MENUIMAGES | UILIS_ACCELTEXT) & ~UILIS_BARITEM);
        SetItemPopup(i, pPopup);
    }
    // a popup menu bar's entries are all as wide as the widest
    if (m_nBarStyle & UILBS_POPUPMENU)
    {
        int cxWidest = 0;
        for (int i = 0; i < GetItemCount(); i++)
        {
            CRect rect;
            _GetButtonPtr(i)->GetRect(&rect);
            cxWidest = std::max(cxWidest, rect.Width());
        }
        SetMinItemSize(cxWidest, m_sizeButton.cy);
    }
    m_nSelected = m_nExpanded = m_nPressed = -1;
    m_bDelayedButtonLayout = 1;
    Invalidate();
    ParentFrameRecalcLayout();
    return m_nButtons;
}

void CUILToolBar::DeleteOwnedPopups()
{
    if (m_nExpanded >= 0)
        CollapsPopup(m_nExpanded, 0);
    // taken out first: a popup's destruction walks the bars and must not find itself here
    CPtrArray popups;
    popups.Copy(m_arrOwnedPopups);
    m_arrOwnedPopups.RemoveAll();
    for (INT_PTR i = 0; i < popups.GetSize(); i++)
        delete (CUILToolBar*)popups[i];
}

int CUILToolBar::FindMnemonicItem(UINT nChar) const
{
    if (nChar == 0 || nChar == '&')
        return -1;
    const UINT nWanted = (UINT)(UINT_PTR)::CharUpperA((LPSTR)(UINT_PTR)(BYTE)nChar);
    for (int i = 0; i < GetItemCount(); i++)
    {
        const CUILItem* pItem = _GetButtonPtr(i);
        if (pItem->IsSeparator() || pItem->IsControl() || (pItem->m_fsState & TBSTATE_HIDDEN))
            continue;
        const CString& strText = pItem->m_strText;
        for (int j = 0; j + 1 < strText.GetLength(); j++)
        {
            if (strText[j] != '&')
                continue;
            // "&&" is a plain ampersand
            if (strText[j + 1] == '&')
            {
                j++;
                continue;
            }
            const UINT nHas = (UINT)(UINT_PTR)::CharUpperA((LPSTR)(UINT_PTR)(BYTE)strText[j + 1]);
            if (nHas == nWanted)
                return i;
            break;
        }
    }
    return -1;
}

/////////////////////////////////////////////////////////////////////////////
// Command images from toolbar resources

int CUILToolBar::ExtractImages(const UINT* pIDs, int nCount, COLORREF clrMask, int nRecurse)
{
    if (pIDs == NULL || nCount <= 0 || m_hWnd == NULL)
        return 0;
    if (m_pImages == NULL)
        m_pImages = GetImagesCollection();
    int nGiven = 0;
    for (int i = 0; i < nCount; i++)
    {
        CToolBarImages images;
        if (images.Load(m_pImages, MAKEINTRESOURCEA(pIDs[i]), clrMask) < 0)
        {
            CString strText;
            strText.Format("*** Can't load toolbar %u!\n", pIDs[i]);
            MyThreadTrace(strText);
            continue;
        }
        nGiven += ApplyImages(this, images, nRecurse ? nMaxPopupDepth : 0);
    }
    if (nGiven > 0)
        ParentFrameRecalcLayout();
    return nGiven;
}

int CUILToolBar::ExtractImagesFromResource(LPCSTR lpszResourceName, COLORREF clrMask)
{
    if (lpszResourceName == NULL || m_hWnd == NULL)
        return -1;
    if (m_pImages == NULL)
        m_pImages = GetImagesCollection();
    CToolBarImages images;
    if (images.Load(m_pImages, lpszResourceName, clrMask) < 0)
        return -1;
    const int nGiven = ApplyImages(this, images, nMaxPopupDepth);
    if (nGiven > 0)
        ParentFrameRecalcLayout();
    return nGiven;
}

/////////////////////////////////////////////////////////////////////////////
// Commands of the bar itself

BOOL CUILToolBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // only menu commands: an embedded control's notifications carry its window
    if (lParam == 0 && HIWORD(wParam) == 0)
    {
        for (const SStyleCommand& c : styleCommands)
            if (c.nID == LOWORD(wParam))
            {
                SetNewStyle(c.nStyle, c.nExtraLook);
                Invalidate();
                return TRUE;
            }
    }
    return CUILControlBar::OnCommand(wParam, lParam);
}
