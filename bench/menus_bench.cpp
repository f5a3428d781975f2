// menus_bench.cpp - what turning a popup menu into owner-drawn entries and back costs.
//
// The menu manager converts every popup when it opens and converts it back when it closes, so a
// user pays for both on every menu.  The baseline is the menu-item work that cannot be avoided:
// per entry one read (type, command, data, submenu and text) and one write to owner drawing,
// then one read and one write back to text, with the text kept in a fixed buffer by the bench
// instead of a record per entry.  The baseline is this bench's own code.
#include <WEXOctrl.h>
#include "BenchHarness.h"
#include <stdio.h>
#include <string.h>

namespace
{
const int nEntries = 40;

// 40 entries: every eighth a separator, the rest commands with texts, some with shortcut texts
HMENU MakeMenu()
{
    HMENU hMenu = ::CreatePopupMenu();
    for (int i = 0; i < nEntries; i++)
    {
        if (i % 8 == 7)
        {
            ::AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
            continue;
        }
        char szText[64];
        sprintf(szText, i % 3 == 0 ? "&Command number %d\tCtrl+%d" : "Command &number %d", i, i % 10);
        ::AppendMenuA(hMenu, MF_STRING, 1000 + i, szText);
    }
    return hMenu;
}

// the bare calls: to owner drawing and back, the texts in the bench's own table
void ConvertBare(HMENU hMenu, char (*texts)[256])
{
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        MENUITEMINFOA mii;
        memset(&mii, 0, sizeof(mii));
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING;
        mii.dwTypeData = texts[i];
        mii.cch = 256;
        ::GetMenuItemInfoA(hMenu, i, TRUE, &mii);
        const BOOL bSeparator = (mii.fType & MFT_SEPARATOR) != 0;
        mii.fMask = MIIM_FTYPE | MIIM_DATA | (bSeparator ? 0 : MIIM_STRING);
        mii.fType |= MFT_OWNERDRAW;
        mii.dwTypeData = NULL;
        mii.dwItemData = (ULONG_PTR)texts[i];
        ::SetMenuItemInfoA(hMenu, i, TRUE, &mii);
    }
    for (int i = 0; i < nCount; i++)
    {
        MENUITEMINFOA mii;
        memset(&mii, 0, sizeof(mii));
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING;
        mii.cch = 0;
        ::GetMenuItemInfoA(hMenu, i, TRUE, &mii);
        const BOOL bSeparator = (mii.fType & MFT_SEPARATOR) != 0;
        mii.fMask = MIIM_FTYPE | MIIM_DATA | (bSeparator ? 0 : MIIM_STRING);
        mii.fType &= ~MFT_OWNERDRAW;
        mii.dwTypeData = (LPSTR)mii.dwItemData;
        mii.dwItemData = 0;
        ::SetMenuItemInfoA(hMenu, i, TRUE, &mii);
    }
}

// every entry is a text entry with its text again
bool CheckPlain(HMENU hMenu, const char* lpszWhat)
{
    for (int i = 0; i < nEntries; i++)
    {
        const UINT nState = ::GetMenuState(hMenu, i, MF_BYPOSITION);
        char sz[64] = "";
        ::GetMenuStringA(hMenu, i, sz, sizeof(sz), MF_BYPOSITION);
        if ((nState & MF_OWNERDRAW) || (i % 8 != 7 && strstr(sz, "ommand") == NULL))
        {
            printf("%s: entry %d is not plain text after converting back\n", lpszWhat, i);
            return false;
        }
    }
    return true;
}
}

int main()
{
    CCoolMenuManager manager;
    CMenu menu;
    menu.Attach(MakeMenu());
    HMENU hBare = MakeMenu();
    static char texts[nEntries][256];

    Bench::Heading("menus");
    const Bench::SResult convert = Bench::Compare(
        [&] {
            manager.ConvertMenu(&menu, 0, FALSE, TRUE);
            manager.ConvertMenu(&menu, 0, FALSE, FALSE);
            manager.m_menuList.RemoveAll();
        },
        [&] { ConvertBare(hBare, texts); });
    Bench::Report("ConvertMenu, 40 entries, there and back", convert, "Get/SetMenuItemInfo per entry", true);

    const bool bOk = CheckPlain(menu.m_hMenu, "manager") && CheckPlain(hBare, "bare calls");
    ::DestroyMenu(hBare);
    return bOk ? 0 : 1;
}
