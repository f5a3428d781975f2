// CoolMenu.cpp - CCoolMenuManager: owner-drawn popup menus with toolbar images and shortcut
// names; CUILPopupMenuFrame: context menus tracked through a hidden frame.
#include "CoolMenu.h"
#include "UILImages.h"
#include "frame/UILFrame.h"
#include "frame/UILMessages.h"
#include <afxpriv.h>
#include <algorithm>

using std::max;

namespace
{
// toolbar resources: version, image width, image height, count, then count command ids
const LPCSTR RT_UILTOOLBAR = MAKEINTRESOURCEA(241);

// Toolbar bitmaps are painted on the classic light grey button face; that grey is their
// transparent colour whatever the system's button face is now.
const COLORREF clrToolbarFace = RGB(192, 192, 192);

// the commands of a system menu
const UINT nFirstSysCommand = 0xF000;

// An entry of an open, converted menu: its text (with the shortcut names when they are shown)
// and the item data the host gave it, which comes back with the text.
struct SCoolMenuItem
{
    CString strText;
    ULONG_PTR dwOldData;
    BOOL bSeparator;
};

// every record alive, so that an owner-drawn entry of someone else is never taken for ours
CMapPtrToPtr& ItemRecords()
{
    static CMapPtrToPtr s_map(64);
    return s_map;
}

SCoolMenuItem* FindRecord(ULONG_PTR dwItemData)
{
    void* p = NULL;
    if (dwItemData == 0 || !ItemRecords().Lookup((void*)dwItemData, p))
        return NULL;
    return static_cast<SCoolMenuItem*>(p);
}

void Trace(LPCSTR lpszFormat, LPCSTR lpszArg)
{
    CString str;
    str.Format(lpszFormat, lpszArg);
    MyThreadTrace(str);
}

// Per-entry diagnostics are formatted in debug builds only: converting runs for every entry of
// every menu opened, and the trace writes nothing anyway.
void TraceConversion(const CString& strText, LPCSTR lpszTo)
{
#ifdef _DEBUG
    CString str;
    str.Format("Converting '%s' to %s\n", (LPCSTR)strText, lpszTo);
    MyThreadTrace(str);
#else
    UNUSED_ALWAYS(strText);
    UNUSED_ALWAYS(lpszTo);
#endif
}

CString ResourceText(LPCSTR lpszName)
{
    CString str;
    if (IS_INTRESOURCE(lpszName))
        str.Format("%u", (UINT)(UINT_PTR)lpszName);
    else
        str = lpszName;
    return str;
}

// The name of a virtual key: the keyboard layout's, or for keys the layout does not name (some
// layouts name no function keys) the usual one.
CString KeyName(WORD nVirtKey)
{
    char szName[64] = "";
    UINT nScan = ::MapVirtualKeyA(nVirtKey, 0 /* MAPVK_VK_TO_VSC */);
    LONG lParam = (LONG)(nScan << 16);
    switch (nVirtKey)
    {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_DIVIDE: case VK_NUMLOCK:
        lParam |= 1L << 24;     // the extended keys, not their keypad twins
        break;
    }
    if (nScan != 0 && ::GetKeyNameTextA(lParam, szName, (int)sizeof(szName)) > 0)
        return szName;

    CString str;
    if (nVirtKey >= VK_F1 && nVirtKey <= VK_F24)
        str.Format("F%d", nVirtKey - VK_F1 + 1);
    else if ((nVirtKey >= '0' && nVirtKey <= '9') || (nVirtKey >= 'A' && nVirtKey <= 'Z'))
        str = (char)nVirtKey;
    else
    {
        switch (nVirtKey)
        {
        case VK_DELETE: str = "Del"; break;
        case VK_INSERT: str = "Ins"; break;
        case VK_BACK: str = "Backspace"; break;
        case VK_RETURN: str = "Enter"; break;
        case VK_ESCAPE: str = "Esc"; break;
        case VK_SPACE: str = "Space"; break;
        case VK_TAB: str = "Tab"; break;
        case VK_HOME: str = "Home"; break;
        case VK_END: str = "End"; break;
        case VK_PRIOR: str = "Page Up"; break;
        case VK_NEXT: str = "Page Down"; break;
        default: str.Format("#%u", nVirtKey); break;
        }
    }
    return str;
}

// the character after the mnemonic '&' of an entry's text, 0 if it has none ("&&" is a plain '&')
char MnemonicOf(const CString& strText)
{
    for (int i = 0; i + 1 < strText.GetLength(); i++)
    {
        if (strText[i] == '\t')
            break;
        if (strText[i] == '&')
        {
            if (strText[i + 1] != '&')
                return strText[i + 1];
            i++;
        }
    }
    return 0;
}

char UpperChar(char ch)
{
    return (char)(UINT_PTR)::CharUpperA((LPSTR)(UINT_PTR)(BYTE)ch);
}
}

/////////////////////////////////////////////////////////////////////////////
// CCoolMenuManager

IMPLEMENT_DYNAMIC(CCoolMenuManager, CSubclassWnd)

CCoolMenuManager::CCoolMenuManager()
    : m_bShowButtons(1), m_bShowAccel(0), m_bAutoAccel(0), m_nMinWidth(0), m_pFrame(NULL),
      m_szBitmap(0, 0), m_pAccel(NULL), m_nAccel(0), m_hAccelTable(NULL)
{
    const int cxCheck = ::GetSystemMetrics(SM_CXMENUCHECK) + 2;
    m_szButton = CSize(cxCheck, cxCheck);
}

CCoolMenuManager::~CCoolMenuManager()
{
    Destroy();
}

void CCoolMenuManager::Install(CFrameWnd* pFrame)
{
    m_pFrame = pFrame;
    FixMFCDotBitmap();
    HookWindow(pFrame);
}

void CCoolMenuManager::Destroy()
{
    // a menu still open keeps its texts
    while (!m_menuList.IsEmpty())
    {
        HMENU hMenu = (HMENU)m_menuList.RemoveHead();
        if (::IsMenu(hMenu))
            ConvertMenu(CMenu::FromHandle(hMenu), 0, FALSE, FALSE);
    }
    HookWindow(NULL);
    m_pFrame = NULL;
    m_ilButtons.DeleteImageList();
    m_arToolbarID.RemoveAll();
    m_mapIDtoImage.RemoveAll();
    m_szBitmap = CSize(0, 0);
    const int cxCheck = ::GetSystemMetrics(SM_CXMENUCHECK) + 2;
    m_szButton = CSize(cxCheck, cxCheck);
    DestroyAccel();
    m_fontMenu.DeleteObject();
}

int CCoolMenuManager::LoadToolbars(const UINT* pIDs, int nCount)
{
    int nLoaded = 0;
    for (int i = 0; pIDs != NULL && i < nCount; i++)
        nLoaded += LoadToolbar(pIDs[i]) ? 1 : 0;
    return nLoaded;
}

int CCoolMenuManager::LoadToolbar(UINT nIDToolbar)
{
    return LoadToolbar(MAKEINTRESOURCEA(nIDToolbar));
}

int CCoolMenuManager::LoadToolbar(LPCSTR lpszResourceName)
{
    const CString strName = ResourceText(lpszResourceName);
    CBitmap bitmap;
    if (lpszResourceName == NULL || !bitmap.LoadBitmap(lpszResourceName))
    {
        Trace("*** Can't load bitmap for toolbar %s!\n", strName);
        return 0;
    }
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_UILTOOLBAR);
    HRSRC hRsrc = ::FindResourceA(hInst, lpszResourceName, RT_UILTOOLBAR);
    HGLOBAL hGlobal = hRsrc != NULL ? ::LoadResource(hInst, hRsrc) : NULL;
    const WORD* pData = hGlobal != NULL ? (const WORD*)::LockResource(hGlobal) : NULL;
    const DWORD cbData = hRsrc != NULL ? ::SizeofResource(hInst, hRsrc) : 0;
    if (pData == NULL || cbData < 4 * sizeof(WORD) || cbData < (4 + (DWORD)pData[3]) * sizeof(WORD))
    {
        Trace("*** Can't load toolbar %s!\n", strName);
        return 0;
    }
    const CSize szImage(pData[1], pData[2]);
    const int nCount = pData[3];
    const WORD* pIDs = pData + 4;

    if (m_ilButtons.GetSafeHandle() == NULL)
    {
        if (szImage.cx <= 0 || szImage.cy <= 0 ||
            !m_ilButtons.Create(szImage.cx, szImage.cy, ILC_COLOR24 | ILC_MASK, 0, 10))
        {
            Trace("*** Can't load toolbar %s!\n", strName);
            return 0;
        }
        m_szBitmap = szImage;
        m_szButton = szImage + CSize(4, 4);
    }
    else if (szImage != m_szBitmap)
    {
        Trace("*** Toolbar %s button size differs!\n", strName);
        return 0;
    }

    const int nFirst = m_ilButtons.GetImageCount();
    if (m_ilButtons.Add(&bitmap, clrToolbarFace) < 0)
    {
        Trace("*** Can't load bitmap for toolbar %s!\n", strName);
        return 0;
    }
    int nImage = nFirst;
    for (int i = 0; i < nCount; i++)
    {
        const WORD nID = pIDs[i];
        if (nID == 0)
            continue;
        void* pExisting = NULL;
        if (m_mapIDtoImage.Lookup(nID, pExisting))
        {
            CString str;
            str.Format("*** Duplicate button ID %d ignored\n", (int)nID);
            MyThreadTrace(str);
        }
        else
        {
            m_mapIDtoImage.SetAt(nID, (void*)(INT_PTR)nImage);
        }
        nImage++;
    }
    m_arToolbarID.Add(IS_INTRESOURCE(lpszResourceName) ? (UINT)(UINT_PTR)lpszResourceName : 0);
    return 1;
}

int CCoolMenuManager::GetButtonIndex(WORD nID)
{
    void* p = NULL;
    return m_mapIDtoImage.Lookup(nID, p) ? (int)(INT_PTR)p : -1;
}

CFont* CCoolMenuManager::GetMenuFont()
{
    if (m_fontMenu.GetSafeHandle() == NULL)
    {
        NONCLIENTMETRICSA ncm;
        memset(&ncm, 0, sizeof(ncm));
        ncm.cbSize = sizeof(ncm);
        if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
            m_fontMenu.CreateFontIndirect(&ncm.lfMenuFont);
        else
            m_fontMenu.CreateStockObject(DEFAULT_GUI_FONT);
    }
    return &m_fontMenu;
}

void CCoolMenuManager::Refresh()
{
    m_fontMenu.DeleteObject();
}

void CCoolMenuManager::ConvertMenu(CMenu* pMenu, UINT, int bSysMenu, int bToOwnerDraw)
{
    HMENU hMenu = pMenu != NULL ? pMenu->GetSafeHmenu() : NULL;
    if (hMenu == NULL)
        return;
    BOOL bConverted = FALSE;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        char szText[256];
        MENUITEMINFOA mii;
        memset(&mii, 0, sizeof(mii));
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING;
        mii.dwTypeData = szText;
        mii.cch = sizeof(szText);
        szText[0] = '\0';
        if (!::GetMenuItemInfoA(hMenu, i, TRUE, &mii))
            continue;
        if (bSysMenu && mii.hSubMenu == NULL && mii.wID >= nFirstSysCommand)
        {
            MyThreadTrace("CCoolMenuManager: ignoring sys menu item\n");
            continue;
        }

        if (bToOwnerDraw)
        {
            if (mii.fType & MFT_OWNERDRAW)
                continue;
            SCoolMenuItem* pItem = new SCoolMenuItem;
            pItem->bSeparator = (mii.fType & MFT_SEPARATOR) != 0;
            pItem->dwOldData = mii.dwItemData;
            if (!pItem->bSeparator)
            {
                pItem->strText = szText;
                if (m_bShowAccel && mii.hSubMenu == NULL)
                    AppendAccelName(pItem->strText, mii.wID);
            }
            TraceConversion(pItem->strText, "OWNERDRAW");
            // The menu keeps no text meanwhile: its mnemonics would be matched by the menu
            // itself instead of reaching OnMenuChar.
            mii.fMask = MIIM_FTYPE | MIIM_DATA | (pItem->bSeparator ? 0 : MIIM_STRING);
            mii.fType |= MFT_OWNERDRAW;
            mii.dwTypeData = NULL;
            mii.dwItemData = (ULONG_PTR)pItem;
            ItemRecords().SetAt(pItem, pItem);
            if (::SetMenuItemInfoA(hMenu, i, TRUE, &mii))
            {
                bConverted = TRUE;
            }
            else
            {
                ItemRecords().RemoveKey(pItem);
                delete pItem;
            }
        }
        else
        {
            SCoolMenuItem* pItem = (mii.fType & MFT_OWNERDRAW) ? FindRecord(mii.dwItemData) : NULL;
            if (pItem == NULL)
                continue;
            CString strText = pItem->strText;
            if (m_bShowAccel && mii.hSubMenu == NULL && !pItem->bSeparator)
                AppendAccelName(strText, mii.wID);
            TraceConversion(strText, "STRING");
            mii.fMask = MIIM_FTYPE | MIIM_DATA;
            mii.fType &= ~MFT_OWNERDRAW;
            mii.dwItemData = pItem->dwOldData;
            if (!pItem->bSeparator)
            {
                mii.fMask |= MIIM_STRING;
                mii.dwTypeData = strText.GetBuffer(0);
            }
            BOOL bSet = ::SetMenuItemInfoA(hMenu, i, TRUE, &mii);
            strText.ReleaseBuffer();
            if (bSet)
            {
                ItemRecords().RemoveKey(pItem);
                delete pItem;
            }
        }
    }
    if (bConverted && m_menuList.Find(hMenu) == NULL)
        m_menuList.AddHead(hMenu);
}

void CCoolMenuManager::LoadAccel(HACCEL hAccel)
{
    DestroyAccel();
    if (hAccel == NULL)
        return;
    const int nCount = ::CopyAcceleratorTableA(hAccel, NULL, 0);
    if (nCount <= 0)
        return;
    m_pAccel = new ACCEL[nCount];
    m_nAccel = ::CopyAcceleratorTableA(hAccel, m_pAccel, nCount);
    m_hAccelTable = hAccel;
    for (int i = 0; i < m_nAccel; i++)
    {
        ACCEL* pEntry = &m_pAccel[i];
        void* pPrevious = NULL;
        const WORD nCmd = pEntry->cmd;
        pEntry->cmd = m_mapIDtoAccel.Lookup(nCmd, pPrevious)
            ? (WORD)(pEntry - static_cast<ACCEL*>(pPrevious)) : 0;
        m_mapIDtoAccel.SetAt(nCmd, pEntry);
    }
}

void CCoolMenuManager::DestroyAccel()
{
    m_mapIDtoAccel.RemoveAll();
    delete[] m_pAccel;
    m_pAccel = NULL;
    m_nAccel = 0;
    m_hAccelTable = NULL;
}

int CCoolMenuManager::AppendAccelName(CString& strText, UINT nID)
{
    void* p = NULL;
    if (nID > 0xFFFF || !m_mapIDtoAccel.Lookup((WORD)nID, p))
        return 0;
    const int nTab = strText.Find('\t');
    if (nTab > 0)
        strText = strText.Left(nTab);
    BOOL bFirst = TRUE;
    for (const ACCEL* pEntry = static_cast<const ACCEL*>(p); pEntry != NULL;
         pEntry = pEntry->cmd != 0 ? pEntry - pEntry->cmd : NULL)
    {
        strText += bFirst ? "\t" : ", ";
        bFirst = FALSE;
        if (pEntry->fVirt & FALT)
            strText += "Alt+";
        if (pEntry->fVirt & FCONTROL)
            strText += "Ctrl+";
        if (pEntry->fVirt & FSHIFT)
            strText += "Shift+";
        if (pEntry->fVirt & FVIRTKEY)
            strText += KeyName(pEntry->key);
        else
            strText += (char)pEntry->key;
    }
    return 1;
}

BOOL PASCAL CCoolMenuManager::GetOwnerDrawText(HMENU hMenu, UINT nPos, CString& strText)
{
    MENUITEMINFOA mii;
    memset(&mii, 0, sizeof(mii));
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_DATA;
    if (!::GetMenuItemInfoA(hMenu, nPos, TRUE, &mii) || !(mii.fType & MFT_OWNERDRAW))
        return FALSE;
    SCoolMenuItem* pItem = FindRecord(mii.dwItemData);
    if (pItem == NULL)
        return FALSE;
    strText = pItem->strText;
    return TRUE;
}

void PASCAL CCoolMenuManager::FixMFCDotBitmap()
{
    // the dot follows the menu check-mark size: after a change of the system metrics a new one
    // is made; the old one stays valid for menus that still show it
    HBITMAP hbm = GetMFCDotBitmap();
    BITMAP bm;
    const LONG lSize = ::GetMenuCheckMarkDimensions();
    if (hbm != NULL && ::GetObjectA(hbm, sizeof(bm), &bm) != 0
        && (bm.bmWidth != LOWORD(lSize) || bm.bmHeight != HIWORD(lSize)))
    {
        afxData.hbmMenuDot = NULL;
        _AfxLoadDotBitmap();
    }
}

HBITMAP PASCAL CCoolMenuManager::GetMFCDotBitmap()
{
    _AfxLoadDotBitmap();
    return afxData.hbmMenuDot;
}

LRESULT CCoolMenuManager::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_MEASUREITEM:
        if (OnMeasureItem((LPMEASUREITEMSTRUCT)lParam))
            return TRUE;
        break;

    case WM_DRAWITEM:
        if (OnDrawItem((LPDRAWITEMSTRUCT)lParam))
            return TRUE;
        break;

    case WM_INITMENUPOPUP:
    {
        // the frame updates the entries' states and texts first; then they are converted
        LRESULT lResult = CSubclassWnd::WindowProc(message, wParam, lParam);
        OnInitMenuPopup(CMenu::FromHandle((HMENU)wParam), LOWORD(lParam), HIWORD(lParam));
        return lResult;
    }

    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), (HMENU)lParam);
        break;

    case WM_EXITMENULOOP:
        // a loop tracked without notifications ends without the closing WM_MENUSELECT
        OnMenuSelect(0, 0xFFFF, NULL);
        break;

    case WM_MENUCHAR:
    {
        BOOL bHandled = FALSE;
        LRESULT lResult = OnMenuChar(LOWORD(wParam), HIWORD(wParam),
            CMenu::FromHandle((HMENU)lParam), &bHandled);
        if (bHandled)
            return lResult;
        break;
    }

    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
        Refresh();
        break;
    }
    return CSubclassWnd::WindowProc(message, wParam, lParam);
}

void CCoolMenuManager::OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu)
{
    if (bSysMenu || pMenu == NULL || pMenu->GetSafeHmenu() == NULL)
        return;
    // a popup of system commands (a frame's window menu shown as a popup) is not ours to change
    if (pMenu->GetMenuItemCount() > 0)
    {
        const UINT nFirstID = pMenu->GetMenuItemID(0);
        if (nFirstID != (UINT)-1 && nFirstID >= nFirstSysCommand)
            return;
    }
    if (m_bAutoAccel && m_pFrame != NULL)
    {
        HACCEL hAccel = m_pFrame->GetDefaultAccelerator();
        if (hAccel != m_hAccelTable)
            LoadAccel(hAccel);
    }
    ConvertMenu(pMenu, nIndex, bSysMenu, m_bShowButtons);
}

void CCoolMenuManager::OnMenuSelect(UINT, UINT nFlags, HMENU hSysMenu)
{
    if (nFlags != 0xFFFF || hSysMenu != NULL)
        return;
    while (!m_menuList.IsEmpty())
    {
        HMENU hMenu = (HMENU)m_menuList.RemoveHead();
        if (::IsMenu(hMenu))
            ConvertMenu(CMenu::FromHandle(hMenu), 0, FALSE, FALSE);
    }
}

LRESULT CCoolMenuManager::OnMenuChar(UINT nChar, UINT, CMenu* pMenu, BOOL* pbHandled)
{
    *pbHandled = FALSE;
    HMENU hMenu = pMenu != NULL ? pMenu->GetSafeHmenu() : NULL;
    if (hMenu == NULL)
        return 0;
    const char chTyped = UpperChar((char)nChar);
    CUIntArray matches;
    int nCurrent = -1;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        MENUITEMINFOA mii;
        memset(&mii, 0, sizeof(mii));
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STATE;
        if (!::GetMenuItemInfoA(hMenu, i, TRUE, &mii))
            continue;
        if (mii.fState & MFS_HILITE)
            nCurrent = i;
        SCoolMenuItem* pItem = (mii.fType & MFT_OWNERDRAW) ? FindRecord(mii.dwItemData) : NULL;
        if (pItem == NULL)
            continue;
        const char chMnemonic = MnemonicOf(pItem->strText);
        if (chMnemonic != 0 && UpperChar(chMnemonic) == chTyped)
            matches.Add((UINT)i);
    }
    if (matches.GetSize() == 0)
        return 0;
    *pbHandled = TRUE;
    if (matches.GetSize() == 1)
        return MAKELRESULT(matches[0], MNC_EXECUTE);
    UINT nNext = matches[0];
    for (int k = 0; k < (int)matches.GetSize(); k++)
    {
        if ((int)matches[k] > nCurrent)
        {
            nNext = matches[k];
            break;
        }
    }
    return MAKELRESULT(nNext, MNC_SELECT);
}

BOOL CCoolMenuManager::OnMeasureItem(LPMEASUREITEMSTRUCT lpms)
{
    if (lpms == NULL || lpms->CtlType != ODT_MENU)
        return FALSE;
    SCoolMenuItem* pItem = FindRecord(lpms->itemData);
    if (pItem == NULL)
        return FALSE;

    const int cyMenu = ::GetSystemMetrics(SM_CYMENU);
    if (pItem->bSeparator)
    {
        lpms->itemHeight = cyMenu / 2;
        lpms->itemWidth = 0;
        return TRUE;
    }

    CWindowDC dc(NULL);
    CFont* pOldFont = dc.SelectObject(GetMenuFont());
    CRect rcText(0, 0, 0, 0);
    dc.DrawText(pItem->strText, &rcText, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT | DT_EXPANDTABS);
    dc.SelectObject(pOldFont);

    int cy = max((int)rcText.Height(), cyMenu);
    SIZE szHost = { 0, 0 };
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL && pMain->GetSafeHwnd() != NULL &&
        pMain->SendMessage(WM_GET_COMMAND_IMAGE, 0, (LPARAM)&szHost) != 0)
        cy = max(cy, (int)szHost.cx + 4);
    else
        cy = max(cy, 20);
    // an image taller than that still gets its whole button
    cy = max(cy, (int)m_szButton.cy);

    const int cxText = rcText.Width();
    int cx = cxText + 5 + (cxText < 1 ? m_szButton.cx + 2 : 2 * m_szButton.cx);
    if (m_nMinWidth > 0)
        cx = max(cx, m_nMinWidth);
    lpms->itemHeight = (UINT)cy;
    lpms->itemWidth = (UINT)max(0, cx + 1 - ::GetSystemMetrics(SM_CXMENUCHECK));

#ifdef _DEBUG
    CString strTrace;
    strTrace.Format("OnMeasureItem for '%s':\tw=%d h=%d\n", (LPCSTR)pItem->strText,
        (int)lpms->itemWidth, (int)lpms->itemHeight);
    MyThreadTrace(strTrace);
#endif
    return TRUE;
}

BOOL CCoolMenuManager::GetHostImage(UINT nID, HIMAGELIST* phList, int* pnImage)
{
    CWnd* pMain = AfxGetMainWnd();
    if (nID == 0 || pMain == NULL || pMain->GetSafeHwnd() == NULL)
        return FALSE;
    SImageStruct image;
    if (pMain->SendMessage(WM_GET_COMMAND_IMAGE, nID, (LPARAM)&image) == 0 || image.m_hImageList == NULL)
        return FALSE;
    *phList = image.m_hImageList;
    *pnImage = image.m_nImage;
    return TRUE;
}

BOOL CCoolMenuManager::OnDrawItem(LPDRAWITEMSTRUCT lpds)
{
    if (lpds == NULL || lpds->CtlType != ODT_MENU)
        return FALSE;
    SCoolMenuItem* pItem = FindRecord(lpds->itemData);
    if (pItem == NULL)
        return FALSE;

    CDC dc;
    dc.Attach(lpds->hDC);
    const CRect rcItem(lpds->rcItem);
    const COLORREF clrMenu = GetMainWndSysColor(COLOR_MENU, UIL_COLORCONTEXT_TOOLBAR);
    const COLORREF clrShadow = GetMainWndSysColor(COLOR_3DSHADOW, UIL_COLORCONTEXT_TOOLBAR);
    const COLORREF clrLight = GetMainWndSysColor(COLOR_3DHILIGHT, UIL_COLORCONTEXT_TOOLBAR);

    if (pItem->bSeparator)
    {
        dc.FillSolidRect(&rcItem, clrMenu);
        const int y = rcItem.top + rcItem.Height() / 2 - 1;
        dc.FillSolidRect(rcItem.left + 1, y, rcItem.Width() - 2, 1, clrShadow);
        dc.FillSolidRect(rcItem.left + 1, y + 1, rcItem.Width() - 2, 1, clrLight);
        dc.Detach();
        return TRUE;
    }

    const BOOL bSelected = (lpds->itemState & ODS_SELECTED) != 0;
    const BOOL bChecked = (lpds->itemState & ODS_CHECKED) != 0;
    const BOOL bDisabled = (lpds->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;

    // the button square on the left, vertically centred; the text right of it
    CRect rcButton(rcItem.left, rcItem.top + (rcItem.Height() - m_szButton.cy) / 2,
        rcItem.left + m_szButton.cx, 0);
    rcButton.bottom = rcButton.top + m_szButton.cy;
    CRect rcText(rcButton.right + 1, rcItem.top, rcItem.right, rcItem.bottom);

    dc.FillSolidRect(&rcItem, clrMenu);
    if (bSelected)
        dc.FillSolidRect(&rcText, GetMainWndSysColor(COLOR_HIGHLIGHT, UIL_COLORCONTEXT_TOOLBAR));

    HIMAGELIST hList = NULL;
    int nImage = -1;
    if (m_bShowButtons)
    {
        nImage = GetButtonIndex((WORD)lpds->itemID);
        if (nImage >= 0)
            hList = m_ilButtons.GetSafeHandle();
        else if (!GetHostImage(lpds->itemID, &hList, &nImage))
            hList = NULL;
    }
    if (hList != NULL)
    {
        if (bChecked)
        {
            CRect rcFrame(rcButton);
            dc.FillSolidRect(rcFrame, GetMainWndSysColor(COLOR_3DLIGHT, UIL_COLORCONTEXT_TOOLBAR));
            dc.Draw3dRect(rcFrame, clrShadow, clrLight);
        }
        else if (bSelected && !bDisabled)
        {
            dc.Draw3dRect(rcButton, clrLight, clrShadow);
        }
        int cxImage = m_szBitmap.cx, cyImage = m_szBitmap.cy;
        if (hList != m_ilButtons.GetSafeHandle())
            ::ImageList_GetIconSize(hList, &cxImage, &cyImage);
        const CPoint pt(rcButton.left + (rcButton.Width() - cxImage) / 2,
            rcButton.top + (rcButton.Height() - cyImage) / 2);
        if (bDisabled)
        {
            HICON hIcon = ::ImageList_GetIcon(hList, nImage, ILD_TRANSPARENT);
            if (hIcon != NULL)
            {
                dc.DrawState(pt, CSize(cxImage, cyImage), hIcon, DSS_DISABLED, (HBRUSH)NULL);
                ::DestroyIcon(hIcon);
            }
        }
        else
        {
            ::ImageList_Draw(hList, nImage, dc.GetSafeHdc(), pt.x, pt.y, ILD_TRANSPARENT);
        }
    }
    else if (bChecked)
    {
        MENUITEMINFOA mii;
        memset(&mii, 0, sizeof(mii));
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_CHECKMARKS;
        HBITMAP hbmCheck = NULL;
        if (::GetMenuItemInfoA((HMENU)lpds->hwndItem, lpds->itemID, FALSE, &mii))
            hbmCheck = mii.hbmpChecked;
        Draw3DCheckmark(dc, rcButton, bSelected, hbmCheck);
    }

    COLORREF clrText;
    if (bDisabled)
        clrText = GetMainWndSysColor(COLOR_GRAYTEXT, UIL_COLORCONTEXT_TOOLBAR);
    else if (bSelected)
        clrText = GetMainWndSysColor(COLOR_HIGHLIGHTTEXT, UIL_COLORCONTEXT_TOOLBAR);
    else
        clrText = GetMainWndSysColor(COLOR_MENUTEXT, UIL_COLORCONTEXT_TOOLBAR);
    CRect rcLabel(rcText.left + 2, rcText.top, rcText.right - m_szButton.cx, rcText.bottom);
    if (bDisabled && !bSelected)
    {
        // engraved: the light copy one pixel down and right, under the grey text
        DrawMenuText(dc, rcLabel + CPoint(1, 1), pItem->strText, clrLight);
    }
    DrawMenuText(dc, rcLabel, pItem->strText, clrText);

#ifdef _DEBUG
    CString strTrace;
    strTrace.Format("OnDrawItem for '%s':\tw=%d h=%d\n", (LPCSTR)pItem->strText, rcItem.Width(),
        rcItem.Height());
    MyThreadTrace(strTrace);
#endif
    dc.Detach();
    return TRUE;
}

void CCoolMenuManager::DrawMenuText(CDC& dc, CRect rc, const CString& strText, COLORREF clrText)
{
    CFont* pOldFont = dc.SelectObject(GetMenuFont());
    const COLORREF clrOld = dc.SetTextColor(clrText);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    const int nTab = strText.Find('\t');
    const CString strLeft = nTab >= 0 ? strText.Left(nTab) : strText;
    dc.DrawText(strLeft, &rc, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (nTab >= 0)
        dc.DrawText(strText.Mid(nTab + 1), &rc, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    dc.SetBkMode(nOldMode);
    dc.SetTextColor(clrOld);
    dc.SelectObject(pOldFont);
}

BOOL CCoolMenuManager::Draw3DCheckmark(CDC& dc, const CRect& rc, BOOL bSelected, HBITMAP hbmCheck)
{
    const COLORREF clrShadow = GetMainWndSysColor(COLOR_3DSHADOW, UIL_COLORCONTEXT_TOOLBAR);
    const COLORREF clrLight = GetMainWndSysColor(COLOR_3DHILIGHT, UIL_COLORCONTEXT_TOOLBAR);
    // the square a check mark takes, centred in the button
    const int cxCheck = ::GetSystemMetrics(SM_CXMENUCHECK) + 2;
    CRect rcCheck(0, 0, cxCheck, cxCheck);
    rcCheck.OffsetRect(rc.left + (rc.Width() - cxCheck) / 2, rc.top + (rc.Height() - cxCheck) / 2);
    dc.FillSolidRect(&rcCheck, bSelected ? GetMainWndSysColor(COLOR_MENU, UIL_COLORCONTEXT_TOOLBAR)
                                         : GetMainWndSysColor(COLOR_3DLIGHT, UIL_COLORCONTEXT_TOOLBAR));
    dc.Draw3dRect(&rcCheck, clrShadow, clrLight);

    if (hbmCheck != NULL)
    {
        BITMAP bm;
        if (::GetObjectA(hbmCheck, sizeof(bm), &bm) == 0)
            return FALSE;
        CDC dcMem;
        dcMem.CreateCompatibleDC(&dc);
        HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), hbmCheck);
        dc.BitBlt(rcCheck.left + (rcCheck.Width() - bm.bmWidth) / 2,
            rcCheck.top + (rcCheck.Height() - bm.bmHeight) / 2, bm.bmWidth, bm.bmHeight, &dcMem, 0, 0,
            SRCAND);
        ::SelectObject(dcMem.GetSafeHdc(), hOld);
        return TRUE;
    }

    // a tick, three pixels thick: down two to the right, then up four
    const COLORREF clrMark = GetMainWndSysColor(COLOR_MENUTEXT, UIL_COLORCONTEXT_TOOLBAR);
    const int x = rcCheck.left + (cxCheck - 7) / 2;
    const int y = rcCheck.top + (cxCheck - 7) / 2 + 2;
    for (int i = 0; i < 7; i++)
    {
        const int yTop = i < 3 ? y + i : y + 4 - i;
        dc.FillSolidRect(x + i, yTop, 1, 3, clrMark);
    }
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CUILPopupMenuFrame

IMPLEMENT_DYNCREATE(CUILPopupMenuFrame, CFrameWnd)

CUILPopupMenuFrame::CUILPopupMenuFrame()
    : m_pOwner(NULL)
{
}

void CUILPopupMenuFrame::PostNcDestroy()
{
    // made on TrackPopupMenu's stack, not with new
}

UINT PASCAL CUILPopupMenuFrame::TrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pOwner,
    const RECT* lpRect)
{
    if (pMenu == NULL || pMenu->GetSafeHmenu() == NULL || pOwner == NULL || !::IsWindow(pOwner->GetSafeHwnd()))
        return 0;
    CUILPopupMenuFrame frame;
    frame.m_pOwner = pOwner;
    if (!frame.Create(NULL, "ContextMenuManager", WS_POPUP, CRect(0, 0, 0, 0), NULL))
        return 0;
    // the command comes back here: the frame is gone before Windows would post it
    const UINT nResult = (UINT)pMenu->TrackPopupMenu(nFlags | TPM_RETURNCMD, x, y, &frame, lpRect);
    frame.DestroyWindow();
    if (nFlags & TPM_RETURNCMD)
        return nResult;
    if (nResult != 0 && ::IsWindow(pOwner->GetSafeHwnd()))
        pOwner->SendMessage(WM_COMMAND, MAKEWPARAM(nResult, 0), 0);
    return nResult != 0;
}

LRESULT CUILPopupMenuFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_INITMENU:
    case WM_INITMENUPOPUP:
    case WM_UNINITMENUPOPUP:
    case WM_MENUSELECT:
    case WM_MENUCHAR:
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
    case WM_ENTERIDLE:
    case WM_COMMAND:
        if (m_pOwner != NULL && ::IsWindow(m_pOwner->GetSafeHwnd()))
            return m_pOwner->SendMessage(message, wParam, lParam);
        break;
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}
