// menu.cpp - CMenu.
#include "afxwin.h"
#include "afxpriv.h"

/////////////////////////////////////////////////////////////////////////////
// Handle map of menus

static CObject* PASCAL AfxNewTempMenu()
{
    return new CMenu;
}

static void PASCAL AfxSetTempMenu(CObject* pObject, HANDLE h)
{
    static_cast<CMenu*>(pObject)->m_hMenu = (HMENU)h;
}

namespace
{
struct CMenuMapRegistration
{
    CMenuMapRegistration()
    {
        AfxRegisterHandleMapKind(afxHandleMapHMENU, &AfxNewTempMenu, &AfxSetTempMenu);
    }
};
CMenuMapRegistration g_menuMapRegistration;

inline HWND HwndOf(const CWnd* pWnd)
{
    return pWnd != NULL ? pWnd->m_hWnd : NULL;
}
}

/////////////////////////////////////////////////////////////////////////////
// CMenu

IMPLEMENT_DYNCREATE(CMenu, CObject)

CMenu::CMenu()
    : m_hMenu(NULL)
{
}

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu)
{
    if (hMenu == NULL)
        return NULL;
    return static_cast<CMenu*>(afxMapHMENU(TRUE)->FromHandle(hMenu));
}

CMenu* PASCAL CMenu::FromHandlePermanent(HMENU hMenu)
{
    CHandleMap* pMap = afxMapHMENU(FALSE);
    if (pMap == NULL || hMenu == NULL)
        return NULL;
    return static_cast<CMenu*>(pMap->LookupPermanent(hMenu));
}

void PASCAL CMenu::DeleteTempMap()
{
    CHandleMap* pMap = afxMapHMENU(FALSE);
    if (pMap != NULL)
        pMap->DeleteTemp();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    ASSERT(m_hMenu == NULL);
    if (hMenu == NULL)
        return FALSE;
    m_hMenu = hMenu;
    afxMapHMENU(TRUE)->SetPermanent(m_hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    if (hMenu != NULL)
    {
        CHandleMap* pMap = afxMapHMENU(FALSE);
        if (pMap != NULL)
            pMap->RemoveHandle(hMenu);
    }
    m_hMenu = NULL;
    return hMenu;
}

BOOL CMenu::CreateMenu()
{
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
    return Attach(::LoadMenuA(hInst, lpszResourceName));
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return LoadMenu(MAKEINTRESOURCEA(nIDResource));
}

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate)
{
    ASSERT(lpMenuTemplate != NULL);
    return Attach(::LoadMenuIndirectA((const MENUTEMPLATEA*)lpMenuTemplate));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == NULL)
        return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return ::AppendMenuA(m_hMenu, nFlags | MF_BITMAP, nIDNewItem, (LPCSTR)pBmp->GetSafeHandle());
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return ::InsertMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem,
        (LPCSTR)pBmp->GetSafeHandle());
}

BOOL CMenu::InsertMenuItem(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos)
{
    return ::InsertMenuItemA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem,
        (LPCSTR)pBmp->GetSafeHandle());
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return (UINT)::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
{
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return (UINT)::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
}

BOOL CMenu::HiliteMenuItem(CWnd* pWnd, UINT nIDHiliteItem, UINT nHilite)
{
    return ::HiliteMenuItem(HwndOf(pWnd), m_hMenu, nIDHiliteItem, nHilite);
}

BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
    const CBitmap* pBmpChecked)
{
    return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags,
        (HBITMAP)pBmpUnchecked->GetSafeHandle(), (HBITMAP)pBmpChecked->GetSafeHandle());
}

BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos)
{
    return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
}

UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos)
{
    return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags);
}

UINT CMenu::GetMenuItemCount() const
{
    return (UINT)::GetMenuItemCount(m_hMenu);
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    return ::GetMenuItemID(m_hMenu, nPos);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

// Some versions of user32 leave a truncated text unterminated; going through the full text
// gives the documented result everywhere: at most nMaxCount - 1 characters and a terminator.
int CMenu::GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const
{
    if (lpString == NULL || nMaxCount <= 0)
        return ::GetMenuStringA(m_hMenu, nIDItem, NULL, 0, nFlags);
    CString str;
    GetMenuString(nIDItem, str, nFlags);
    lstrcpynA(lpString, str, nMaxCount);
    return lstrlenA(lpString);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    // a first call without a buffer gives the length, so any text fits
    int nLen = ::GetMenuStringA(m_hMenu, nIDItem, NULL, 0, nFlags);
    if (nLen <= 0)
    {
        rString.Empty();
        return 0;
    }
    int nResult = ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBuffer(nLen + 1), nLen + 1, nFlags);
    rString.ReleaseBuffer();
    return nResult;
}

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos)
{
    return ::GetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos)
{
    return ::SetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

BOOL CMenu::GetMenuInfo(LPMENUINFO lpcmi) const
{
    return ::GetMenuInfo(m_hMenu, lpcmi);
}

BOOL CMenu::SetMenuInfo(LPCMENUINFO lpcmi)
{
    return ::SetMenuInfo(m_hMenu, lpcmi);
}

DWORD CMenu::GetMenuContextHelpId() const
{
    return ::GetMenuContextHelpId(m_hMenu);
}

BOOL CMenu::SetMenuContextHelpId(DWORD dwContextHelpId)
{
    return ::SetMenuContextHelpId(m_hMenu, dwContextHelpId);
}

namespace
{
// Records the menu being tracked and its owner for the time of one tracking loop (nested loops
// put the outer one back), so that the owner's WM_MEASUREITEM finds the menu object.
class CTrackingScope
{
public:
    CTrackingScope(HMENU hMenu, CWnd* pWnd)
        : m_pState(AfxGetThreadState())
    {
        m_hOldWnd = m_pState->m_hTrackingWindow;
        m_hOldMenu = m_pState->m_hTrackingMenu;
        m_pState->m_hTrackingWindow = HwndOf(pWnd);
        m_pState->m_hTrackingMenu = hMenu;
    }
    ~CTrackingScope()
    {
        m_pState->m_hTrackingWindow = m_hOldWnd;
        m_pState->m_hTrackingMenu = m_hOldMenu;
    }

private:
    AFX_THREAD_STATE* m_pState;
    HWND m_hOldWnd;
    HMENU m_hOldMenu;
};
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    CTrackingScope scope(m_hMenu, pWnd);
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, HwndOf(pWnd), lpRect);
}

BOOL CMenu::TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm)
{
    CTrackingScope scope(m_hMenu, pWnd);
    return ::TrackPopupMenuEx(m_hMenu, fuFlags, x, y, HwndOf(pWnd), lptpm);
}

// Owner-drawn menus are drawn by derived classes; a plain CMenu has nothing to draw.
void CMenu::DrawItem(LPDRAWITEMSTRUCT)
{
}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT)
{
}
