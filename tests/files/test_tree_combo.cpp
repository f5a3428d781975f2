// test_tree_combo.cpp - the popup tree built from path-like entries, its place at the monitor's
// edges, and the tree combo box chosen from by real clicks; the shared number formats.
#include "WEXOctrl.h"
#include "res/resource.h"
#include "wexotest.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
// "text(data)" of the items below hParent, children in braces, siblings joined by blanks
std::string Describe(CTreeCtrl& tree, HTREEITEM hParent)
{
    std::string str;
    HTREEITEM h = hParent == TVI_ROOT ? tree.GetRootItem() : tree.GetChildItem(hParent);
    for (; h != NULL; h = tree.GetNextSiblingItem(h))
    {
        CString strItem;
        strItem.Format("%s(%d)", (LPCSTR)tree.GetItemText(h), (int)(LONG_PTR)tree.GetItemData(h));
        str += (str.empty() ? "" : " ") + std::string(strItem);
        if (tree.ItemHasChildren(h))
            str += "{" + Describe(tree, h) + "}";
    }
    return str;
}

// the popup made modeless, to look at
struct SOpenPopup
{
    CPopupTree popup;
    SOpenPopup(CStringArray& items, int nSelect, const RECT* pAlign)
    {
        popup.SetItemsList(&items, nSelect, "\\");
        popup.SetAlignRect(pAlign);
        CUILResourceScope scope;
        popup.Create(IDD_POPUPTREE);
    }
    ~SOpenPopup() { popup.DestroyWindow(); }
};

void Fill(CStringArray& arr, std::initializer_list<LPCSTR> items)
{
    arr.RemoveAll();
    for (LPCSTR lpsz : items)
        arr.Add(lpsz);
}
} // namespace

TEST(PopupTree, EntriesBecomeFoldersAndLeavesShortListsExpanded)
{
    const struct
    {
        LPCSTR lpszText, lpszSep;
        std::vector<std::string> pieces;
    } splits[] = {
        {"A\\x", "\\", {"A", "x"}}, {"A\\\\x", "\\", {"A", "", "x"}}, {"B", "\\", {"B"}},
        {"\\x", "\\", {"", "x"}}, {"x\\", "\\", {"x", ""}}, {"a::b:c", "::", {"a", "b:c"}}, {"a\\b", "", {"a\\b"}},
    };
    for (const auto& s : splits)
    {
        CStringArray pieces;
        EXPECT_EQ((int)s.pieces.size(), CPopupTree::SplitPath(s.lpszText, s.lpszSep, pieces)) << s.lpszText;
        for (size_t i = 0; i < s.pieces.size() && i < (size_t)pieces.GetSize(); ++i)
            EXPECT_EQ(s.pieces[i], (LPCSTR)pieces[i]) << s.lpszText;
    }

    CStringArray items;
    Fill(items, {"A\\x", "A\\y", "B", "A\\\\z"});
    {
        SOpenPopup open(items, 1, NULL);
        EXPECT_EQ("A(-1){x(0) y(1) (-1){z(3)}} B(2)", Describe(open.popup.m_wndTree, TVI_ROOT));
        EXPECT_EQ(1, open.popup.GetSelItemData());
        HTREEITEM hA = open.popup.m_wndTree.GetRootItem();
        EXPECT_TRUE(open.popup.m_wndTree.GetItemState(hA, TVIS_EXPANDED) & TVIS_EXPANDED);
    }
    // ten entries: only the top level shows
    Fill(items, {"G\\0", "G\\1", "G\\2", "G\\3", "G\\4", "G\\5", "G\\6", "G\\7", "G\\8", "G\\9"});
    {
        SOpenPopup open(items, -1, NULL);
        EXPECT_FALSE(open.popup.m_wndTree.GetItemState(open.popup.m_wndTree.GetRootItem(), TVIS_EXPANDED) & TVIS_EXPANDED);
        EXPECT_EQ(-1, open.popup.GetSelItemData());
    }
    items.RemoveAt(9);
    {
        SOpenPopup open(items, -1, NULL);
        EXPECT_TRUE(open.popup.m_wndTree.GetItemState(open.popup.m_wndTree.GetRootItem(), TVIS_EXPANDED) & TVIS_EXPANDED);
    }
}

TEST(PopupTree, OpensBelowAboveAndShiftsInsideTheMonitor)
{
    CRect rcMonitor = GetMonitorRect(CPoint(1, 1));
    CStringArray items;
    Fill(items, {"a", "b"});
    const struct
    {
        CRect rcAlign, rcPopup;
    } cases[] = {
        // room below: 300 high under the rectangle
        {CRect(100, 100, 300, 120), CRect(100, 120, 300, 420)},
        // near the bottom: bottom + 300 reaches it, so it opens above
        {CRect(100, rcMonitor.bottom - 68, 300, rcMonitor.bottom - 48),
            CRect(100, rcMonitor.bottom - 368, 300, rcMonitor.bottom - 68)},
        // past the right edge by 76: shifted left
        {CRect(rcMonitor.right - 124, 100, rcMonitor.right + 76, 120),
            CRect(rcMonitor.right - 200, 120, rcMonitor.right, 420)},
        // past the left edge by 30: shifted right
        {CRect(-30, 100, 170, 120), CRect(0, 120, 200, 420)},
    };
    for (const auto& c : cases)
    {
        SOpenPopup open(items, 0, &c.rcAlign);
        CRect rc, rcTree;
        open.popup.GetWindowRect(&rc);
        EXPECT_EQ(c.rcPopup, rc) << c.rcAlign.left << "," << c.rcAlign.top;
        open.popup.m_wndTree.GetWindowRect(&rcTree);
        open.popup.ScreenToClient(&rcTree);
        CRect rcClient;
        open.popup.GetClientRect(&rcClient);
        EXPECT_EQ(CRect(2, 2, rcClient.right - 2, rcClient.bottom - 2), rcTree);
    }
}

namespace
{
struct SComboHost
{
    CRecordingWnd wnd;
    CTreeComboBox combo;
    CStringArray items;
    SComboHost()
    {
        wnd.CreateTopLevel(CRect(100, 100, 400, 200), "host");
        combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, CRect(10, 10, 210, 200), &wnd, 77);
        Fill(items, {"A\\x", "A\\y", "B"});
        combo.SetItemsList(&items, 2);
        wnd.Watch(WM_COMMAND);
    }
    int SelEndOks() { return wnd.Count(WM_COMMAND, MAKEWPARAM(77, CBN_SELENDOK)); }
};

// clicks the popup tree's item with that text
void ClickItem(CMouseScript& script, LPCSTR lpszText)
{
    script.WaitForDialog().Wait(150).Call([lpszText] {
        CTreeCtrl* pTree = (CTreeCtrl*)CWnd::FromHandle(::GetDlgItem(FindThreadDialog(), IDC_POPUPTREE_TREE));
        HTREEITEM hFound = NULL;
        for (HTREEITEM h = pTree->GetRootItem(); h != NULL && hFound == NULL; h = pTree->GetNextVisibleItem(h))
            if (pTree->GetItemText(h) == lpszText)
                hFound = h;
        CRect rc;
        pTree->GetItemRect(hFound, &rc, TRUE);
        CPoint pt = ScreenPoint(pTree, rc.CenterPoint());
        SendMouseAt(pt);
        SendMouseAt(pt, MOUSEEVENTF_LEFTDOWN);
        SendMouseAt(pt, MOUSEEVENTF_LEFTUP);
    }).Wait(200);
}
} // namespace

TEST(TreeComboBox, AClickOnALeafChoosesItAndAClickOutsideCancels)
{
    SComboHost host;
    const CPoint ptCombo = ScreenPoint(&host.combo, CPoint(20, 8));

    // press and release on the combo opens the tree; a click on leaf y chooses entry 1
    CMouseScript choose;
    choose.MoveTo(ptCombo).LeftDown().LeftUp();
    ClickItem(choose, "y");
    EXPECT_TRUE(choose.Run(6000));
    EXPECT_EQ(1, host.combo.GetCurSel());
    EXPECT_EQ(1, host.SelEndOks());
    EXPECT_EQ(NULL, FindThreadDialog());

    // a folder does not close it; a click far outside cancels
    CMouseScript cancel;
    cancel.MoveTo(ptCombo).LeftDown().LeftUp();
    ClickItem(cancel, "A");
    cancel.Call([] { EXPECT_TRUE(FindThreadDialog() != NULL); })
        .MoveTo(CPoint(900, 700)).Wait(250).LeftDown().LeftUp().Wait(200);
    EXPECT_TRUE(cancel.Run(6000));
    EXPECT_EQ(1, host.combo.GetCurSel());
    EXPECT_EQ(1, host.SelEndOks());
    EXPECT_EQ(NULL, FindThreadDialog());

    // F4 opens it too; Enter on the preselected leaf takes it
    host.combo.SetCurSel(2);
    host.combo.SetFocus();
    CMouseScript keys;
    keys.KeyPress(VK_F4).WaitForDialog().Wait(100).KeyPress(VK_RETURN).Wait(100);
    EXPECT_TRUE(keys.Run(6000));
    EXPECT_EQ(2, host.combo.GetCurSel());
    EXPECT_EQ(2, host.SelEndOks());
}

TEST(TreeComboBox, WithoutAListTheCombosOwnStringsAreTheEntriesAndAnEmptyOneOnlyCancels)
{
    SComboHost host;
    host.combo.m_pItems = NULL;
    host.combo.ResetContent();
    host.combo.AddString("Grp\\one");
    host.combo.AddString("Grp\\two");
    CMouseScript script;
    ClickItem(script, "two");
    INT_PTR nResult = 0;
    EXPECT_TRUE(script.Run([&] { nResult = host.combo.PopupTree(); }, 6000));
    EXPECT_EQ(IDOK, nResult);
    EXPECT_EQ(1, host.combo.GetCurSel());

    host.combo.ResetContent();
    CMouseScript empty;
    empty.WaitForDialog().Wait(150).MoveTo(CPoint(900, 700)).Wait(250).LeftDown().LeftUp();
    EXPECT_TRUE(empty.Run([&] { nResult = host.combo.PopupTree(); }, 6000));
    EXPECT_EQ(IDCANCEL, nResult);
}

TEST(SystemVars, NumbersShowWithThePrecisionAndReadBack)
{
    CSystemVars& vars = GetSystemVars();
    ASSERT_EQ('.', vars.GetDecimalSeparator());       // the tests pin an English locale
    const struct
    {
        double d;
        int nPrecision;
        LPCSTR lpszShown;
    } shown[] = {
        {2.5, 3, "2.5"}, {3.0, 3, "3"}, {-0.0001, 3, "0"}, {1.23456, 2, "1.23"}, {1234.6, 0, "1235"},
        {0.126, 2, "0.13"}, {-7.26, 1, "-7.3"}, {100.0, 4, "100"},
    };
    for (const auto& s : shown)
        EXPECT_STREQ(s.lpszShown, vars.FormatNumber(s.d, s.nPrecision)) << s.d;
    vars.SetPrecision(1);
    EXPECT_STREQ("3.1", vars.FormatNumber(3.14159));
    vars.SetPrecision(99);
    EXPECT_EQ(15, vars.GetPrecision());
    vars.SetPrecision(3);

    const struct
    {
        LPCSTR lpszText;
        int bOk;
        double d;
    } parsed[] = {{" 2.5 ", 1, 2.5}, {"-3", 1, -3.0}, {"abc", 0, 0}, {"", 0, 0}, {"1.2.3", 0, 0}, {"inf", 0, 0}, {"4x", 0, 0}};
    for (const auto& p : parsed)
    {
        double d = 99.0;
        EXPECT_EQ(p.bOk, vars.ParseNumber(p.lpszText, &d)) << p.lpszText;
        EXPECT_DOUBLE_EQ(p.bOk ? p.d : 99.0, d) << p.lpszText;
    }

    NONCLIENTMETRICSA ncm = {sizeof(ncm)};
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0));
    LOGFONTA lf;
    ASSERT_TRUE(vars.GetMenuFont()->GetLogFont(&lf));
    EXPECT_STREQ(ncm.lfMenuFont.lfFaceName, lf.lfFaceName);
    EXPECT_EQ(ncm.lfMenuFont.lfHeight, lf.lfHeight);
    ASSERT_TRUE(vars.GetStatusFont()->GetLogFont(&lf));
    EXPECT_EQ(ncm.lfStatusFont.lfHeight, lf.lfHeight);
}
