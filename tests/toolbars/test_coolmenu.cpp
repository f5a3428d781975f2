// test_coolmenu.cpp - owner-drawn popup menus: toolbar images and their numbering, shortcut
// names from the accelerators, entries owner-drawn with images and shortcut texts while a real
// menu is open and plain text again after it closed, measuring and drawing reaching the manager,
// mnemonics typed into the open menu, and context menus tracked through the hidden frame.
#include <WEXOctrl.h>
#include "wexotest.h"
#include "coolmenu_test_res.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <memory>

namespace
{
// the colours coolmenu_test.py paints the toolbar images with; each image is a 12 x 11 square
// (16 x 15 less a two-pixel border of the transparent grey)
const COLORREF clrImageSave = RGB(200, 0, 0);       // toolbar A, image 0
const COLORREF clrImageOpen = RGB(0, 150, 0);       // toolbar A, image 1
const COLORREF clrImageQuit = RGB(0, 0, 200);       // toolbar A, image 2
const COLORREF clrImageQuitB = RGB(200, 200, 0);    // toolbar B, image 0 (Quit again: unused)
const COLORREF clrImagePrint = RGB(0, 200, 200);    // toolbar B, image 1
const int nImagePixels = 12 * 11;

// The host frame: answers WM_GET_COMMAND_IMAGE when a test says how, and keeps the commands
// it gets.
class CHostFrame : public CFrameWnd
{
public:
    // the test's commands have no handlers: the frame must not grey them when a menu opens
    CHostFrame() { m_bAutoMenuEnable = FALSE; }

    std::function<LRESULT(WPARAM, LPARAM)> m_fnCommandImage;
    std::vector<UINT> m_commands;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_GET_COMMAND_IMAGE)
            return m_fnCommandImage ? m_fnCommandImage(wParam, lParam) : 0;
        if (message == WM_COMMAND && lParam == 0)
        {
            m_commands.push_back(LOWORD(wParam));
            return 0;
        }
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

// keeps the entries the frame's measuring and drawing reached the manager with
class CTestMenuManager : public CCoolMenuManager
{
public:
    std::vector<UINT> m_measured;
    std::vector<UINT> m_drawn;

protected:
    virtual BOOL OnMeasureItem(LPMEASUREITEMSTRUCT lpms)
    {
        BOOL bMine = CCoolMenuManager::OnMeasureItem(lpms);
        if (bMine)
            m_measured.push_back(lpms->itemID);
        return bMine;
    }
    virtual BOOL OnDrawItem(LPDRAWITEMSTRUCT lpds)
    {
        BOOL bMine = CCoolMenuManager::OnDrawItem(lpds);
        if (bMine)
            m_drawn.push_back(lpds->itemID);
        return bMine;
    }
};

bool Contains(const std::vector<UINT>& ids, UINT nID)
{
    return std::find(ids.begin(), ids.end(), nID) != ids.end();
}

// Pixels of a colour in a copy of a window, which the screen's colour depth may have rounded:
// within 8 of each channel.
int CountNear(const CPixelCanvas& canvas, COLORREF clr)
{
    int n = 0;
    for (int y = 0; y < canvas.Height(); y++)
        for (int x = 0; x < canvas.Width(); x++)
        {
            const COLORREF c = canvas.Pixel(x, y);
            if (abs(GetRValue(c) - GetRValue(clr)) <= 8 && abs(GetGValue(c) - GetGValue(clr)) <= 8 &&
                abs(GetBValue(c) - GetBValue(clr)) <= 8)
                n++;
        }
    return n;
}

bool IsOwnerDrawn(HMENU hMenu, int nPos)
{
    return (::GetMenuState(hMenu, nPos, MF_BYPOSITION) & MF_OWNERDRAW) != 0;
}

CString MenuText(HMENU hMenu, int nPos)
{
    char sz[256] = "";
    ::GetMenuStringA(hMenu, nPos, sz, sizeof(sz), MF_BYPOSITION);
    return sz;
}

class CoolMenu : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CHostFrame;
        ASSERT_TRUE(m_pFrame->Create(NULL, "Menu host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 500, 400)));
        // the keys the tests type go to the thread with the focus
        m_pFrame->SetForegroundWindow();
        m_pFrame->UpdateWindow();
        m_pFrame->SetFocus();
        PumpTestMessages(50);
        m_pHost.reset(new CMainWindowScope(m_pFrame));
        m_mgr.Install(m_pFrame);
    }

    void TearDown() override
    {
        m_mgr.Destroy();
        m_pHost.reset();
        if (m_pFrame != NULL && m_pFrame->GetSafeHwnd() != NULL)
            m_pFrame->DestroyWindow();      // deletes the frame
    }

    void LoadToolbarsAndShortcuts()
    {
        const UINT ids[] = { IDR_CM_TOOLBAR_A, IDR_CM_TOOLBAR_B };
        ASSERT_EQ(2, m_mgr.LoadToolbars(ids, 2));
        m_hAccel = ::LoadAcceleratorsA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDR_CM_ACCEL));
        ASSERT_TRUE(m_hAccel != NULL);
        m_mgr.LoadAccel(m_hAccel);
    }

    // Save, a separator, Open, Options (checked), Quit (with item data of the host), Print with
    // its own shortcut text, Nothing with a shortcut text no accelerator has
    void BuildMenu(CMenu& menu)
    {
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, ID_CM_SAVE, "&Save");
        menu.AppendMenu(MF_SEPARATOR, 0, (LPCSTR)NULL);
        menu.AppendMenu(MF_STRING, ID_CM_OPEN, "&Open");
        menu.AppendMenu(MF_STRING | MF_CHECKED, ID_CM_OPTIONS, "O&ptions");
        menu.AppendMenu(MF_STRING, ID_CM_QUIT, "&Quit");
        menu.AppendMenu(MF_STRING, ID_CM_PRINT, "P&rint\tCtrl+P");
        menu.AppendMenu(MF_STRING, ID_CM_NOTHING, "&Nothing\tShift+N");
        MENUITEMINFOA mii;
        memset(&mii, 0, sizeof(mii));
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_DATA;
        mii.dwItemData = 0x5151;
        ::SetMenuItemInfoA(menu.m_hMenu, 4, TRUE, &mii);
    }

    ~CoolMenu() override
    {
        if (m_hAccel != NULL)
            ::DestroyAcceleratorTable(m_hAccel);
    }

    CHostFrame* m_pFrame = NULL;
    std::unique_ptr<CMainWindowScope> m_pHost;
    CTestMenuManager m_mgr;
    HACCEL m_hAccel = NULL;
    CImageList m_hostImages;
};

// the texts the entries of BuildMenu's menu show with the shortcut names of IDR_CM_ACCEL:
// Ctrl+S then F12 for Save (the later table entry first), a plain character for Quit, the
// three modifiers in the order Alt, Ctrl, Shift; Nothing has no accelerator and keeps its own
const char* const s_textsWithShortcuts[7] =
{
    "&Save\tF12, Ctrl+S", "", "&Open\tCtrl+Shift+O", "O&ptions", "&Quit\tq", "P&rint\tAlt+Ctrl+P",
    "&Nothing\tShift+N",
};
}

/////////////////////////////////////////////////////////////////////////////
// Toolbar images

TEST_F(CoolMenu, ToolbarsOfTheFirstImageSizeLoadAndOthersAreRefused)
{
    struct SLoad
    {
        UINT nID;
        int nResult;
    };
    const SLoad loads[] =
    {
        { IDR_CM_TOOLBAR_A, 1 },
        { IDR_CM_TOOLBAR_B, 1 },
        { IDR_CM_TOOLBAR_C, 0 },            // 24 x 22 after 16 x 15
        { IDR_CM_TOOLBAR_NOBITMAP, 0 },
        { IDR_CM_BITMAP_ONLY, 0 },
    };
    for (const SLoad& load : loads)
        EXPECT_EQ(load.nResult, m_mgr.LoadToolbar(load.nID)) << load.nID;
    EXPECT_EQ(CSize(16, 15), m_mgr.m_szBitmap);
    EXPECT_EQ(CSize(20, 19), m_mgr.m_szButton);
    // three images of A and two of B; C added none
    EXPECT_EQ(5, m_mgr.GetImageList()->GetImageCount());

    struct SIndex
    {
        WORD nID;
        int nImage;
    };
    const SIndex indices[] =
    {
        { ID_CM_SAVE, 0 }, { ID_CM_OPEN, 1 },
        { ID_CM_QUIT, 2 },      // A's image: B's first image (3) is skipped
        { ID_CM_PRINT, 4 },
        { ID_CM_BIG, -1 }, { ID_CM_OPTIONS, -1 }, { 0, -1 },
    };
    for (const SIndex& index : indices)
        EXPECT_EQ(index.nImage, m_mgr.GetButtonIndex(index.nID)) << index.nID;

    // each image is its colour inside the transparent border
    const COLORREF colors[5] = { clrImageSave, clrImageOpen, clrImageQuit, clrImageQuitB, clrImagePrint };
    for (int i = 0; i < 5; i++)
    {
        CPixelCanvas canvas(16, 15, RGB(255, 255, 255));
        m_mgr.GetImageList()->Draw(&canvas.DC(), i, CPoint(0, 0), ILD_TRANSPARENT);
        EXPECT_EQ(nImagePixels, canvas.Count(colors[i])) << i;
        EXPECT_EQ(CRect(2, 2, 14, 13), canvas.Bounds(colors[i])) << i;
        EXPECT_EQ(16 * 15 - nImagePixels, canvas.Count(RGB(255, 255, 255))) << i;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Shortcut names

TEST_F(CoolMenu, ShortcutNamesReplaceWhatFollowsTheTab)
{
    struct SName
    {
        UINT nID;
        const char* lpszText;
        const char* lpszExpected;
        int nResult;
    };
    const SName names[] =
    {
        { ID_CM_SAVE, "&Save", "&Save\tF12, Ctrl+S", 1 },
        { ID_CM_SAVE, "&Save\tCtrl+Q", "&Save\tF12, Ctrl+S", 1 },
        { ID_CM_OPEN, "&Open", "&Open\tCtrl+Shift+O", 1 },
        { ID_CM_PRINT, "P&rint\tCtrl+P", "P&rint\tAlt+Ctrl+P", 1 },
        { ID_CM_QUIT, "&Quit", "&Quit\tq", 1 },
        // a tab in front is text, not the start of the shortcut
        { ID_CM_QUIT, "\tQuit", "\tQuit\tq", 1 },
        // no accelerator for the command: the text stays
        { ID_CM_NOTHING, "&Nothing\tShift+N", "&Nothing\tShift+N", 0 },
    };
    for (const SName& name : names)
    {
        CString str(name.lpszText);
        // without a table nothing changes
        EXPECT_EQ(0, m_mgr.AppendAccelName(str, name.nID));
        EXPECT_EQ(CString(name.lpszText), str);
    }
    LoadToolbarsAndShortcuts();
    for (const SName& name : names)
    {
        CString str(name.lpszText);
        EXPECT_EQ(name.nResult, m_mgr.AppendAccelName(str, name.nID)) << name.lpszText;
        EXPECT_EQ(CString(name.lpszExpected), str) << name.lpszText;
    }
    m_mgr.DestroyAccel();
    CString str("&Save");
    EXPECT_EQ(0, m_mgr.AppendAccelName(str, ID_CM_SAVE));
    EXPECT_EQ(CString("&Save"), str);
}

/////////////////////////////////////////////////////////////////////////////
// A real menu: owner-drawn while open, plain again after

TEST_F(CoolMenu, OpenMenuIsOwnerDrawnWithImagesAndShortcutsAndPlainAfterClosing)
{
    LoadToolbarsAndShortcuts();
    m_mgr.m_bShowAccel = 1;
    CMenu menu;
    BuildMenu(menu);

    bool bOwnerDrawn[7] = {};
    CString texts[7];
    int nPixels[5] = {};
    CMouseScript script;
    script.WaitFor([] { return ::FindWindowA("#32768", NULL) != NULL; }).Wait(150).Call([&] {
        for (int i = 0; i < 7; i++)
        {
            bOwnerDrawn[i] = IsOwnerDrawn(menu.m_hMenu, i);
            CCoolMenuManager::GetOwnerDrawText(menu.m_hMenu, i, texts[i]);
        }
        // the open menu as it is on the screen
        HWND hMenuWnd = ::FindWindowA("#32768", NULL);
        CRect rect;
        ::GetWindowRect(hMenuWnd, &rect);
        CPixelCanvas canvas(rect.Width(), rect.Height());
        HDC hdc = ::GetWindowDC(hMenuWnd);
        ::BitBlt(canvas.DC().GetSafeHdc(), 0, 0, rect.Width(), rect.Height(), hdc, 0, 0, SRCCOPY);
        ::ReleaseDC(hMenuWnd, hdc);
        const COLORREF colors[5] = { clrImageSave, clrImageOpen, clrImageQuit, clrImageQuitB, clrImagePrint };
        for (int k = 0; k < 5; k++)
            nPixels[k] = CountNear(canvas, colors[k]);
    }).KeyPress(VK_ESCAPE);
    UINT nPicked = 1;
    EXPECT_TRUE(script.Run([&] { nPicked = menu.TrackPopupMenu(TPM_RETURNCMD, 200, 150, m_pFrame); }));
    EXPECT_EQ(0u, nPicked);

    for (int i = 0; i < 7; i++)
    {
        EXPECT_TRUE(bOwnerDrawn[i]) << i;
        EXPECT_EQ(CString(s_textsWithShortcuts[i]), texts[i]) << i;
    }
    // every entry with a command was measured and drawn through the manager
    for (UINT nID : { ID_CM_SAVE, ID_CM_OPEN, ID_CM_OPTIONS, ID_CM_QUIT, ID_CM_PRINT, ID_CM_NOTHING })
    {
        EXPECT_TRUE(Contains(m_mgr.m_measured, nID)) << nID;
        EXPECT_TRUE(Contains(m_mgr.m_drawn, nID)) << nID;
    }
    // the images of Save, Open, Quit (toolbar A's) and Print, whole; not B's image of Quit
    EXPECT_EQ(nImagePixels, nPixels[0]);
    EXPECT_EQ(nImagePixels, nPixels[1]);
    EXPECT_EQ(nImagePixels, nPixels[2]);
    EXPECT_EQ(0, nPixels[3]);
    EXPECT_EQ(nImagePixels, nPixels[4]);

    // closed: text entries with the shortcut names, the host's item data back
    for (int i = 0; i < 7; i++)
    {
        EXPECT_FALSE(IsOwnerDrawn(menu.m_hMenu, i)) << i;
        if (i != 1)
        {
            EXPECT_EQ(CString(s_textsWithShortcuts[i]), MenuText(menu.m_hMenu, i)) << i;
        }
    }
    EXPECT_TRUE(::GetMenuState(menu.m_hMenu, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_TRUE(::GetMenuState(menu.m_hMenu, 3, MF_BYPOSITION) & MF_CHECKED);
    MENUITEMINFOA mii;
    memset(&mii, 0, sizeof(mii));
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_DATA;
    ASSERT_TRUE(::GetMenuItemInfoA(menu.m_hMenu, 4, TRUE, &mii));
    EXPECT_EQ((ULONG_PTR)0x5151, mii.dwItemData);
    EXPECT_TRUE(m_mgr.m_menuList.IsEmpty());
}

// Typed mnemonics in a real open menu: a letter only one entry has runs its command at once; one
// that no entry has runs nothing.  (Which of two entries sharing a letter comes next is the
// answer MenuCharAnswersFromTheHighlightedEntry checks; not every menu loop applies it.)
TEST_F(CoolMenu, TypedUniqueMnemonicRunsItsCommand)
{
    struct SKeys
    {
        std::vector<WORD> keys;
        UINT nPicked;
    };
    const SKeys rows[] =
    {
        { { 'Q' }, ID_CM_QUIT },
        { { 'S' }, ID_CM_SAVE },
        { { 'X', VK_ESCAPE }, 0 },
    };
    for (const SKeys& row : rows)
    {
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, ID_CM_SAVE, "&Save");
        menu.AppendMenu(MF_STRING, ID_CM_OPEN, "&Open");
        menu.AppendMenu(MF_STRING, ID_CM_ORDER, "&order");
        menu.AppendMenu(MF_STRING, ID_CM_QUIT, "&Quit\tq");
        CMouseScript script;
        script.WaitFor([] { return ::FindWindowA("#32768", NULL) != NULL; }).Wait(100);
        for (WORD nKey : row.keys)
            script.KeyPress(nKey).Wait(50);
        UINT nPicked = 0;
        EXPECT_TRUE(script.Run([&] { nPicked = menu.TrackPopupMenu(TPM_RETURNCMD, 200, 150, m_pFrame); }));
        EXPECT_EQ(row.nPicked, nPicked) << row.keys.size() << " keys";
    }
}

TEST_F(CoolMenu, MenuCharAnswersFromTheHighlightedEntry)
{
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_CM_SAVE, "&Save");
    menu.AppendMenu(MF_STRING, ID_CM_OPEN, "&Open");
    menu.AppendMenu(MF_STRING, ID_CM_ORDER, "&order");
    menu.AppendMenu(MF_STRING, ID_CM_QUIT, "Quit && &exit");
    m_mgr.ConvertMenu(&menu, 0, FALSE, TRUE);

    struct SChar
    {
        char ch;
        int nHighlighted;       // -1: none
        LRESULT lResult;
    };
    const SChar rows[] =
    {
        { 'o', -1, MAKELRESULT(1, MNC_SELECT) },
        { 'O', 1, MAKELRESULT(2, MNC_SELECT) },
        { 'o', 2, MAKELRESULT(1, MNC_SELECT) },     // wraps to the first
        { 's', 2, MAKELRESULT(0, MNC_EXECUTE) },
        { 'E', -1, MAKELRESULT(3, MNC_EXECUTE) },   // "&&" is a plain '&'
        { 'x', -1, 0 },                             // no entry: the frame's answer (none)
    };
    for (const SChar& row : rows)
    {
        for (int i = 0; i < 4; i++)
        {
            MENUITEMINFOA mii;
            memset(&mii, 0, sizeof(mii));
            mii.cbSize = sizeof(mii);
            mii.fMask = MIIM_STATE;
            mii.fState = i == row.nHighlighted ? MFS_HILITE : 0;
            ::SetMenuItemInfoA(menu.m_hMenu, i, TRUE, &mii);
        }
        EXPECT_EQ(row.lResult, m_pFrame->SendMessage(WM_MENUCHAR, MAKEWPARAM((BYTE)row.ch, MF_POPUP), (LPARAM)menu.m_hMenu))
            << row.ch << " from " << row.nHighlighted;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Opening: which popups are converted

TEST_F(CoolMenu, SystemMenusAndPopupsOfSystemCommandsStayText)
{
    struct SPopup
    {
        UINT nFirstID;
        BOOL bSysMenu;
        bool bConverted;
    };
    const SPopup rows[] =
    {
        { ID_CM_SAVE, FALSE, true },
        { ID_CM_SAVE, TRUE, false },
        { SC_RESTORE, FALSE, false },
    };
    for (const SPopup& row : rows)
    {
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, row.nFirstID, "First");
        menu.AppendMenu(MF_STRING, ID_CM_OPEN, "Second");
        m_pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)menu.m_hMenu, MAKELPARAM(0, row.bSysMenu));
        EXPECT_EQ(row.bConverted, IsOwnerDrawn(menu.m_hMenu, 1)) << row.nFirstID << "/" << row.bSysMenu;
        m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
        EXPECT_FALSE(IsOwnerDrawn(menu.m_hMenu, 1));
        EXPECT_EQ(CString("Second"), MenuText(menu.m_hMenu, 1));
    }
}

TEST_F(CoolMenu, FrameAcceleratorsAreCopiedWhenAsked)
{
    m_mgr.m_bAutoAccel = 1;
    m_mgr.m_bShowAccel = 1;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_CM_SAVE, "&Save");
    // the frame has no table: the text stays
    m_pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)menu.m_hMenu, 0);
    CString str;
    EXPECT_TRUE(CCoolMenuManager::GetOwnerDrawText(menu.m_hMenu, 0, str));
    EXPECT_EQ(CString("&Save"), str);
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);

    ASSERT_TRUE(m_pFrame->LoadAccelTable(MAKEINTRESOURCEA(IDR_CM_ACCEL)));
    m_pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)menu.m_hMenu, 0);
    EXPECT_EQ(m_pFrame->GetDefaultAccelerator(), m_mgr.m_hAccelTable);
    EXPECT_TRUE(CCoolMenuManager::GetOwnerDrawText(menu.m_hMenu, 0, str));
    EXPECT_EQ(CString("&Save\tF12, Ctrl+S"), str);
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
}

TEST_F(CoolMenu, DestroyGivesAnOpenMenuItsTextsBackAndNullMenuIsIgnored)
{
    CMenu menu;
    BuildMenu(menu);
    m_mgr.ConvertMenu(NULL, 0, FALSE, TRUE);
    m_mgr.ConvertMenu(&menu, 0, FALSE, TRUE);
    EXPECT_TRUE(IsOwnerDrawn(menu.m_hMenu, 0));
    m_mgr.Destroy();
    EXPECT_FALSE(m_mgr.IsHooked());
    EXPECT_FALSE(IsOwnerDrawn(menu.m_hMenu, 0));
    EXPECT_EQ(CString("&Save"), MenuText(menu.m_hMenu, 0));
    EXPECT_EQ(CString("P&rint\tCtrl+P"), MenuText(menu.m_hMenu, 5));
}

/////////////////////////////////////////////////////////////////////////////
// Measuring

TEST_F(CoolMenu, MeasuredSizesFollowTextButtonAndHostImageSize)
{
    const int cyMenu = ::GetSystemMetrics(SM_CYMENU);
    const int cxCheck = ::GetSystemMetrics(SM_CXMENUCHECK);
    // the text width as the menu font gives it
    CWindowDC dc(NULL);
    CFont* pOld = dc.SelectObject(m_mgr.GetMenuFont());
    CRect rcSave(0, 0, 0, 0);
    dc.DrawText("&Save", &rcSave, DT_SINGLELINE | DT_CALCRECT);
    dc.SelectObject(pOld);
    ASSERT_GT(rcSave.Width(), 0);

    struct SMeasure
    {
        const char* lpszText;   // NULL: a separator
        bool bToolbar;          // toolbar A loaded: button 20 x 19, else 15 x 15
        int nMinWidth;
        int nHostImage;         // the host's image width for WM_GET_COMMAND_IMAGE(0); 0: no answer
        int cxExpected;         // the width before the check-mark width is taken off
        int cyExpected;
    };
    const SMeasure rows[] =
    {
        // no text: 5 + the button + 2
        { "", true, 0, 0, 5 + 20 + 2 + 1, std::max(cyMenu, 20) },
        { "", false, 0, 0, 5 + 15 + 2 + 1, std::max(cyMenu, 20) },
        { "", true, 100, 0, 100 + 1, std::max(cyMenu, 20) },
        { "", true, 10, 0, 5 + 20 + 2 + 1, std::max(cyMenu, 20) },
        // the host's images are 24 wide: 28 high
        { "", true, 0, 24, 5 + 20 + 2 + 1, std::max(cyMenu, 28) },
        // with text: the text + 5 + two buttons
        { "&Save", true, 0, 0, rcSave.Width() + 5 + 40 + 1, std::max(cyMenu, 20) },
        { NULL, true, 0, 0, 0, cyMenu / 2 },
    };
    for (const SMeasure& row : rows)
    {
        m_mgr.Destroy();
        m_mgr.Install(m_pFrame);
        if (row.bToolbar)
        {
            ASSERT_EQ(1, m_mgr.LoadToolbar(IDR_CM_TOOLBAR_A));
        }
        m_mgr.m_nMinWidth = row.nMinWidth;
        m_pFrame->m_fnCommandImage = [&](WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (wParam != 0 || row.nHostImage == 0)
                return 0;
            ((SIZE*)lParam)->cx = row.nHostImage;
            ((SIZE*)lParam)->cy = row.nHostImage;
            return 1;
        };
        CMenu menu;
        menu.CreatePopupMenu();
        if (row.lpszText != NULL)
            menu.AppendMenu(MF_STRING, ID_CM_NOTHING, row.lpszText);
        else
            menu.AppendMenu(MF_SEPARATOR, 0, (LPCSTR)NULL);
        m_mgr.ConvertMenu(&menu, 0, FALSE, TRUE);

        MENUITEMINFOA mii;
        memset(&mii, 0, sizeof(mii));
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_DATA | MIIM_ID;
        ASSERT_TRUE(::GetMenuItemInfoA(menu.m_hMenu, 0, TRUE, &mii));
        MEASUREITEMSTRUCT mis;
        memset(&mis, 0, sizeof(mis));
        mis.CtlType = ODT_MENU;
        mis.itemID = mii.wID;
        mis.itemData = mii.dwItemData;
        EXPECT_EQ(TRUE, m_pFrame->SendMessage(WM_MEASUREITEM, 0, (LPARAM)&mis));
        const int cxExpected = row.lpszText == NULL ? 0 : row.cxExpected - cxCheck;
        EXPECT_EQ(cxExpected, (int)mis.itemWidth) << (row.lpszText ? row.lpszText : "separator") << " min " << row.nMinWidth;
        EXPECT_EQ(row.cyExpected, (int)mis.itemHeight) << (row.lpszText ? row.lpszText : "separator") << " host " << row.nHostImage;
        m_mgr.ConvertMenu(&menu, 0, FALSE, FALSE);
    }
    m_pFrame->m_fnCommandImage = nullptr;
}

TEST_F(CoolMenu, OtherOwnerDrawnEntriesAreLeftToTheFrame)
{
    MEASUREITEMSTRUCT mis;
    memset(&mis, 0, sizeof(mis));
    mis.CtlType = ODT_MENU;
    mis.itemID = ID_CM_SAVE;
    mis.itemData = (ULONG_PTR)&mis;     // not one of the manager's records
    mis.itemWidth = 77;
    m_pFrame->SendMessage(WM_MEASUREITEM, 0, (LPARAM)&mis);
    EXPECT_EQ(77u, mis.itemWidth);
    EXPECT_TRUE(m_mgr.m_measured.empty());
}

/////////////////////////////////////////////////////////////////////////////
// Drawing

TEST_F(CoolMenu, EntriesDrawTheirImageCheckMarkHighlightAndDisabledLook)
{
    LoadToolbarsAndShortcuts();
    CTestImages::Fill(m_hostImages, 3, 16, 15, 3);
    m_pFrame->m_fnCommandImage = [&](WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (wParam != ID_CM_BIG)
            return 0;
        ((SImageStruct*)lParam)->m_hImageList = m_hostImages.GetSafeHandle();
        ((SImageStruct*)lParam)->m_nImage = 1;
        return 1;
    };
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_CM_SAVE, "&Save");
    menu.AppendMenu(MF_STRING, ID_CM_OPTIONS, "O&ptions");
    menu.AppendMenu(MF_STRING, ID_CM_BIG, "&Big");
    menu.AppendMenu(MF_STRING, ID_CM_PRINT, "P&rint");
    m_mgr.ConvertMenu(&menu, 0, FALSE, TRUE);

    const COLORREF clrMenu = ::GetSysColor(COLOR_MENU);
    const COLORREF clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF clrMark = ::GetSysColor(COLOR_MENUTEXT);
    const CRect rcItem(0, 0, 160, 20);
    const CRect rcButton(0, 0, 20, 20);
    struct SDraw
    {
        int nPos;
        UINT nState;
        COLORREF clrImage;      // the image's colour, CLR_NONE for none
        int nImagePixels;       // of that colour in the button
        bool bHighlight;        // the text part is the highlight colour
        int nMarkPixels;        // pixels of the check-mark colour in the button
    };
    const SDraw rows[] =
    {
        { 0, 0, clrImageSave, nImagePixels, false, 0 },
        { 0, ODS_SELECTED, clrImageSave, nImagePixels, true, 0 },
        { 0, ODS_GRAYED, clrImageSave, 0, false, 0 },
        // no image: a tick of 7 columns of 3 pixels in a sunken square
        { 1, ODS_CHECKED, CLR_NONE, 0, false, 7 * 3 },
        { 1, 0, CLR_NONE, 0, false, 0 },
        // the host's image: 14 x 13 inside a one-pixel border
        { 2, 0, CTestImages::Color(3, 1), 14 * 13, false, 0 },
        { 3, 0, clrImagePrint, nImagePixels, false, 0 },
    };
    for (const SDraw& row : rows)
    {
        MENUITEMINFOA mii;
        memset(&mii, 0, sizeof(mii));
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_DATA | MIIM_ID;
        ASSERT_TRUE(::GetMenuItemInfoA(menu.m_hMenu, row.nPos, TRUE, &mii));
        CPixelCanvas canvas(rcItem.Width(), rcItem.Height(), RGB(255, 255, 255));
        DRAWITEMSTRUCT dis;
        memset(&dis, 0, sizeof(dis));
        dis.CtlType = ODT_MENU;
        dis.itemID = mii.wID;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = row.nState;
        dis.hwndItem = (HWND)menu.m_hMenu;
        dis.hDC = canvas.DC().GetSafeHdc();
        dis.rcItem = rcItem;
        dis.itemData = mii.dwItemData;
        EXPECT_EQ(TRUE, m_pFrame->SendMessage(WM_DRAWITEM, 0, (LPARAM)&dis));
        EXPECT_TRUE(Contains(m_mgr.m_drawn, mii.wID));

        if (row.clrImage != CLR_NONE)
        {
            EXPECT_EQ(row.nImagePixels, canvas.Count(row.clrImage, rcButton)) << row.nPos << "/" << row.nState;
        }
        EXPECT_EQ(row.nMarkPixels, canvas.Count(clrMark, rcButton)) << row.nPos << "/" << row.nState;
        // the far right of the entry is past the text: background only
        EXPECT_EQ(row.bHighlight ? clrHighlight : clrMenu, canvas.Pixel(rcItem.right - 2, 10))
            << row.nPos << "/" << row.nState;
    }
    m_pFrame->m_fnCommandImage = nullptr;
}

/////////////////////////////////////////////////////////////////////////////
// Context menus through the hidden frame

TEST_F(CoolMenu, PopupMenuFrameHandsTheMenuAndItsCommandToTheOwner)
{
    LoadToolbarsAndShortcuts();
    struct STrack
    {
        UINT nFlags;
        UINT nResult;
        size_t nCommands;       // WM_COMMANDs the owner got
    };
    const STrack rows[] =
    {
        { 0, TRUE, 1 },
        { TPM_RETURNCMD, ID_CM_SAVE, 0 },
    };
    for (const STrack& row : rows)
    {
        m_pFrame->m_commands.clear();
        m_mgr.m_measured.clear();
        CMenu menu;
        BuildMenu(menu);
        HWND hHidden = NULL;
        BOOL bHiddenVisible = TRUE;
        bool bOwnerDrawn = false;
        CMouseScript script;
        script.WaitFor([] { return ::FindWindowA("#32768", NULL) != NULL; }).Call([&] {
            hHidden = ::FindWindowA(NULL, "ContextMenuManager");
            bHiddenVisible = hHidden != NULL && ::IsWindowVisible(hHidden);
            bOwnerDrawn = IsOwnerDrawn(menu.m_hMenu, 0);
        }).KeyPress(VK_DOWN).KeyPress(VK_RETURN);
        UINT nResult = 0;
        EXPECT_TRUE(script.Run([&] {
            nResult = CUILPopupMenuFrame::TrackPopupMenu(&menu, row.nFlags, 200, 150, m_pFrame);
        }));
        EXPECT_EQ(row.nResult, nResult) << row.nFlags;
        EXPECT_TRUE(hHidden != NULL);
        EXPECT_FALSE(bHiddenVisible);
        EXPECT_EQ(NULL, ::FindWindowA(NULL, "ContextMenuManager"));
        // the owner's manager converted, measured and converted back
        EXPECT_TRUE(bOwnerDrawn);
        EXPECT_TRUE(Contains(m_mgr.m_measured, ID_CM_SAVE));
        EXPECT_FALSE(IsOwnerDrawn(menu.m_hMenu, 0));
        ASSERT_EQ(row.nCommands, m_pFrame->m_commands.size()) << row.nFlags;
        if (row.nCommands == 1)
        {
            EXPECT_EQ(ID_CM_SAVE, m_pFrame->m_commands[0]);
        }
    }

    CMenu menu;
    BuildMenu(menu);
    EXPECT_EQ(0u, CUILPopupMenuFrame::TrackPopupMenu(NULL, 0, 200, 150, m_pFrame));
    EXPECT_EQ(0u, CUILPopupMenuFrame::TrackPopupMenu(&menu, 0, 200, 150, NULL));
}
