// test_item_model.cpp - filling items from button records, command texts from the host's menu and
// string resources, the item options menu, and copies of items of derived classes.
#include "ItemTestUtil.h"
#include "toolbars_test_res.h"
#include <gtest/gtest.h>

namespace
{
CString MenuText(CMenu& menu, int nPosition)
{
    CString str;
    menu.GetMenuString(nPosition, str, MF_BYPOSITION);
    return str;
}

// a host's own item class with a field of its own
class CHostItem : public CUILItem
{
public:
    CHostItem() : m_nHostValue(0) {}
    virtual int _CopyFrom(CUILItem* pSrc)
    {
        CHostItem* pHost = dynamic_cast<CHostItem*>(pSrc);
        if (pHost != NULL)
            m_nHostValue = pHost->m_nHostValue;
        return CUILItem::_CopyFrom(pSrc);
    }
    virtual CUILItem* _CreateCopy()
    {
        CHostItem* pCopy = new CHostItem;
        pCopy->_CopyFrom(this);
        return pCopy;
    }
    virtual int _Sizeof() { return (int)sizeof(CHostItem); }

    int m_nHostValue;
};
}

TEST(ItemFill, SeparatorRecord)
{
    CUILImagesCollection images;
    CUILItem item;
    item.m_strText = "left over";
    item.m_pImages = &images;
    item.m_hWndControl = (HWND)(ULONG_PTR)0x10;
    TBBUTTON button;
    memset(&button, 0, sizeof(button));
    button.iBitmap = 6;
    button.fsState = TBSTATE_ENABLED | TBSTATE_WRAP;
    button.fsStyle = TBSTYLE_SEP;
    button.dwData = 99;
    button.iString = 3;
    item.FillFromTBButton(&button, &images);
    EXPECT_TRUE(item.IsSeparator());
    EXPECT_EQ(6, item.GetIBitmap());
    EXPECT_EQ(TBSTATE_ENABLED | TBSTATE_WRAP, item.GetState());
    EXPECT_EQ(TBSTATE_ENABLED | TBSTATE_WRAP, item.GetExState());
    EXPECT_EQ(99u, item.m_dwData);
    EXPECT_EQ(3, item.m_iString);
    EXPECT_TRUE(item.m_strText.IsEmpty());
    EXPECT_EQ(nullptr, item.m_pImages);
    EXPECT_EQ(nullptr, item.m_hWndControl);
    // the look of a separator is left as it was
    EXPECT_EQ(UILIS_INITIAL, item.GetExStyle());
}

TEST(ItemFill, ButtonRecordTakesTheImageSize)
{
    CUILImagesCollection images;
    images.Add(CreateColorList(0, 3), UILIMAGELIST_OWNED);
    images.Add(CreateColorList(1, 4, 20, 18), UILIMAGELIST_OWNED);
    CUILItem item;
    TBBUTTON button;
    memset(&button, 0, sizeof(button));
    button.iBitmap = 5;
    button.idCommand = 32800;
    button.fsState = TBSTATE_ENABLED | TBSTATE_CHECKED;
    button.fsStyle = TBSTYLE_CHECK;
    // application values are pointer-wide
    button.dwData = (DWORD_PTR)0x123456789ABull;
    button.iString = (INT_PTR)0x100000002ll;
    item.FillFromTBButton(&button, &images);
    EXPECT_EQ(5, item.GetIBitmap());
    EXPECT_EQ(32800, item.GetIDCommand());
    EXPECT_EQ(TBSTATE_ENABLED | TBSTATE_CHECKED, item.GetState());
    EXPECT_EQ(TBSTATE_ENABLED | TBSTATE_CHECKED, item.GetExState());
    EXPECT_EQ(TBSTYLE_CHECK, item.GetStyle());
    EXPECT_EQ((DWORD_PTR)0x123456789ABull, item.m_dwData);
    EXPECT_EQ((INT_PTR)0x100000002ll, item.m_iString);
    EXPECT_EQ(0x31200, item.GetExStyle());
    EXPECT_EQ(&images, item.m_pImages);
    EXPECT_EQ(CSize(20, 18), item.m_sizeImage);
    EXPECT_EQ(CSize(26, 24), item.GetMinSize());
    EXPECT_EQ(images.GetAt(1), item.GetImageList());

    // without a collection the sizes stay
    CUILItem bare;
    bare.FillFromTBButton(&button, NULL);
    EXPECT_EQ(CSize(22, 21), bare.GetMinSize());
    EXPECT_EQ(nullptr, bare.GetImageList());
    // a number no list holds has no size either
    button.iBitmap = 40;
    CUILItem lost;
    lost.FillFromTBButton(&button, &images);
    EXPECT_EQ(CSize(22, 21), lost.GetMinSize());
    lost.FillFromTBButton(NULL, &images);
    EXPECT_EQ(40, lost.GetIBitmap());
}

TEST(ItemCommandText, FromTheHostsMenu)
{
    CMenu menu, popup;
    ASSERT_TRUE(menu.CreateMenu());
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, ID_TEST_IN_MENU, "  &Layers...\tCtrl+L ");
    menu.AppendMenu(MF_POPUP, (UINT_PTR)popup.Detach(), "&Format");
    CMainWindowScope host(NULL, menu.Detach());
    CString strText;
    // found in a submenu of the main window's menu, trimmed, the rest as it is
    EXPECT_EQ(1, CUILItem::FindCommandString(ID_TEST_IN_MENU, strText));
    EXPECT_STREQ("&Layers...\tCtrl+L", strText);
    // not in the menu: the string resource's tip
    EXPECT_EQ(1, CUILItem::FindCommandString(ID_TEST_PROMPT_AND_TIP, strText));
    EXPECT_STREQ("Open Drawing", strText);
}

TEST(ItemCommandText, FromStringResources)
{
    CMainWindowScope host;
    CString strText;
    EXPECT_EQ(1, CUILItem::FindCommandString(ID_TEST_IN_MENU, strText));
    EXPECT_STREQ("Tip of the menu command", strText);
    EXPECT_EQ(1, CUILItem::FindCommandString(ID_TEST_PROMPT_ONLY, strText));
    EXPECT_STREQ("Zoom to fit", strText);
    strText = "stale";
    EXPECT_EQ(0, CUILItem::FindCommandString(ID_TEST_NOWHERE, strText));
    EXPECT_STREQ("Not Found", strText);
}

TEST(ItemOptions, ChecksAndGreysFollowTheLook)
{
    CUILImagesCollection images;
    images.Add(CreateColorList(0, 2), UILIMAGELIST_OWNED);
    struct SCase
    {
        int nShown;         // UILIS_IMAGE / UILIS_TEXT bits
        BOOL bImage;        // the item has an image
        UINT states[3];     // MF_CHECKED / MF_GRAYED of the three entries
    };
    const SCase cases[] = {
        { UILIS_IMAGE, TRUE, { MF_CHECKED, 0, 0 } },
        { UILIS_TEXT, TRUE, { 0, MF_CHECKED, 0 } },
        { UILIS_IMAGE | UILIS_TEXT, TRUE, { 0, 0, MF_CHECKED } },
        { UILIS_TEXT, FALSE, { MF_GRAYED, MF_CHECKED, MF_GRAYED } },
        { UILIS_IMAGE, FALSE, { MF_CHECKED, 0, MF_GRAYED } },
        { 0, FALSE, { MF_GRAYED, 0, MF_GRAYED } },
    };
    for (const SCase& c : cases)
    {
        CUILItem item;
        item.m_nExStyle = UILIS_BARITEM | UILIS_CUSTOMLOOK | c.nShown;
        if (c.bImage)
        {
            item.m_pImages = &images;
            item.m_iBitmap = 1;
        }
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, 1, "before");
        ASSERT_EQ(3, item.AppendItemOptionsToMenu(&menu, 500));
        ASSERT_EQ(4u, menu.GetMenuItemCount());
        for (int i = 0; i < 3; i++)
        {
            EXPECT_EQ(500u + i, menu.GetMenuItemID(i + 1));
            EXPECT_EQ(c.states[i], menu.GetMenuState(500 + i, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED))
                << "look " << c.nShown << " image " << c.bImage << " entry " << i;
        }
        EXPECT_STREQ("Bitmap Only", MenuText(menu, 1));
        EXPECT_STREQ("Text Only", MenuText(menu, 2));
        EXPECT_STREQ("Bitmap and Text", MenuText(menu, 3));
    }
    CUILItem item;
    EXPECT_EQ(0, item.AppendItemOptionsToMenu(NULL, 500));
}

TEST(ItemOptions, ChoosingAnOptionChangesTheLook)
{
    CUILItem item;
    item.m_strText = "Trim";
    const int nOther = UILIS_BARITEM | UILIS_CUSTOMLOOK | UILIS_POPUP;
    const int looks[3] = { UILIS_IMAGE, UILIS_TEXT, UILIS_IMAGE | UILIS_TEXT };
    for (UINT i = 0; i < 3; i++)
    {
        item.m_nExStyle = nOther | UILIS_IMAGE | UILIS_TEXT;
        int nChanged = 0;
        EXPECT_EQ(1, item.DoItemOptions(i, &nChanged));
        EXPECT_EQ(1, nChanged);
        EXPECT_EQ(nOther | looks[i], item.GetExStyle()) << i;
        // measured at once: the text shows exactly when it is chosen
        CRect rcText;
        item.GetTextRect(&rcText);
        EXPECT_EQ((looks[i] & UILIS_TEXT) == 0, rcText.IsRectEmpty()) << i;
    }
    int nChanged = 0;
    EXPECT_EQ(0, item.DoItemOptions(3, &nChanged));
    EXPECT_EQ(0, nChanged);
    EXPECT_EQ(nOther | UILIS_IMAGE | UILIS_TEXT, item.GetExStyle());
}

TEST(ItemCopy, EveryFieldOfEveryClass)
{
    CUILImagesCollection images;
    CHostItem item;
    item.m_nHostValue = 42;
    item.SetIBitmap(0x20003);
    item.SetIDCommand(700);
    item.m_fsState = TBSTATE_ENABLED | TBSTATE_PRESSED;
    item.m_fsStyle = TBSTYLE_DROPDOWN;
    item.m_dwData = (DWORD_PTR)&images;
    item.m_iString = 9;
    item.m_nExStyle = UILIS_MENUITEM | UILIS_TEXT | UILIS_VERTICAL;
    item.m_nExState = 12;
    item.m_sizeMin = CSize(40, 30);
    item.m_sizeImage = CSize(24, 22);
    item.m_pImages = &images;
    item.m_rcItem = CRect(1, 2, 3, 4);
    item.m_rcBmp = CRect(5, 6, 7, 8);
    item.m_rcText = CRect(9, 10, 11, 12);
    item.m_rcRightBmp = CRect(13, 14, 15, 16);
    item.m_strText = "Copy me";
    item.m_pPopupBar = (CUILToolBar*)(ULONG_PTR)0x1000;
    item.m_hWndControl = (HWND)(ULONG_PTR)0x2000;

    // a bar copies through the base class and gets the host's class back
    CUILItem* pBase = &item;
    CUILItem* pCopy = pBase->_CreateCopy();
    ASSERT_NE(nullptr, pCopy);
    CHostItem* pHostCopy = dynamic_cast<CHostItem*>(pCopy);
    ASSERT_NE(nullptr, pHostCopy);
    EXPECT_EQ(42, pHostCopy->m_nHostValue);
    EXPECT_EQ((int)sizeof(CUILItem), CUILItem()._Sizeof());

    CUILItem plain;
    EXPECT_EQ(1, plain._CopyFrom(pCopy));
    CUILItem assigned;
    assigned = plain;
    CUILItem constructed(assigned);
    CUILItem* pPlainCopy = constructed._CreateCopy();
    for (CUILItem* p : { pCopy, &plain, &assigned, &constructed, pPlainCopy })
    {
        EXPECT_EQ(0x20003, p->m_iBitmap);
        EXPECT_EQ(2, p->m_iList);
        EXPECT_EQ(700, p->m_idCommand);
        EXPECT_EQ(TBSTATE_ENABLED | TBSTATE_PRESSED, p->m_fsState);
        EXPECT_EQ(TBSTYLE_DROPDOWN, p->m_fsStyle);
        EXPECT_EQ((DWORD_PTR)&images, p->m_dwData);
        EXPECT_EQ(9, p->m_iString);
        EXPECT_EQ(UILIS_MENUITEM | UILIS_TEXT | UILIS_VERTICAL, p->m_nExStyle);
        EXPECT_EQ(12, p->m_nExState);
        EXPECT_EQ(CSize(40, 30), p->m_sizeMin);
        EXPECT_EQ(CSize(24, 22), p->m_sizeImage);
        EXPECT_EQ(&images, p->m_pImages);
        EXPECT_EQ(CRect(1, 2, 3, 4), CRect(p->m_rcItem));
        EXPECT_EQ(CRect(5, 6, 7, 8), CRect(p->m_rcBmp));
        EXPECT_EQ(CRect(9, 10, 11, 12), CRect(p->m_rcText));
        EXPECT_EQ(CRect(13, 14, 15, 16), CRect(p->m_rcRightBmp));
        EXPECT_STREQ("Copy me", p->m_strText);
        EXPECT_EQ((CUILToolBar*)(ULONG_PTR)0x1000, p->m_pPopupBar);
        EXPECT_EQ((HWND)(ULONG_PTR)0x2000, p->m_hWndControl);
    }
    EXPECT_EQ(nullptr, dynamic_cast<CHostItem*>(pPlainCopy));
    EXPECT_EQ(0, plain._CopyFrom(NULL));
    delete pPlainCopy;
    delete pCopy;
}
