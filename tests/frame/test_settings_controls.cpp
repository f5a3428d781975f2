// CControlsSettings: the collection, its text records, and a tree view's state saved and restored.
#include "settings_test.h"
#include "frame/ControlsSettings.h"
#include <commctrl.h>

using Strings = std::vector<std::string>;

namespace
{

Strings Records(const CControlsSettings& settings)
{
    Strings records;
    for (int i = 0; i < settings.GetSize(); i++)
    {
        const SControlSettings* p = settings.GetAt(i);
        char sz[400];
        snprintf(sz, sizeof(sz), "%s|%ld|%ld,%ld|%u|%llu", (LPCSTR)p->m_strName, p->m_lValue, p->m_size.cx,
            p->m_size.cy, p->m_nFlags, (unsigned long long)p->m_dwData);
        records.push_back(sz);
    }
    return records;
}

class ControlsSettingsTest : public ::testing::Test
{
protected:
    CTestTempDir m_dir;
    std::string m_strIni;

    void SetUp() override
    {
        ASSERT_TRUE(m_dir.IsValid());
        m_strIni = m_dir.GetFilePath("controls.ini");
        StringArrayClearSectionCaches(NULL);
    }
    void TearDown() override { StringArrayClearSectionCaches(NULL); }
};

} // namespace

TEST_F(ControlsSettingsTest, CollectionFindAddRemove)
{
    CControlsSettings settings;
    EXPECT_EQ(0, settings.Add("A", 1, CSize(2, 3), 4, 0));
    EXPECT_EQ(1, settings.Add("B", 7, CSize(0, 0), 0, 0x123456789ULL));
    EXPECT_EQ(2, settings.Add(new SControlSettings("A", 9, CSize(0, 0), 0, 0)));
    EXPECT_EQ(-1, settings.Add(NULL));
    EXPECT_EQ(3, settings.GetSize());

    EXPECT_EQ(0, settings.Find("A", -1, 0));
    EXPECT_EQ(2, settings.Find("A", 9, 0));
    EXPECT_EQ(2, settings.Find("A", -1, 1));
    EXPECT_EQ(-1, settings.Find("A", 5, 0));
    EXPECT_EQ(-1, settings.Find("a", -1, 0));
    EXPECT_EQ(-1, settings.Find("A", -1, 3));
    EXPECT_EQ(-1, settings.Find((LPCSTR)NULL, -1, 0));
    EXPECT_EQ(1, settings.Find((ULONG_PTR)0x123456789ULL, -1, 0));
    EXPECT_EQ(-1, settings.Find((ULONG_PTR)0x23456789ULL, -1, 0));
    EXPECT_EQ(0, settings.Find((ULONG_PTR)0, 1, 0));

    EXPECT_EQ(nullptr, settings.GetAt(3));
    EXPECT_EQ(nullptr, settings.GetAt(-1));
    settings.RemoveAt(0, 1);
    EXPECT_EQ((Strings{ "B|7|0,0|0|4886718345", "A|9|0,0|0|0" }), Records(settings));
    settings.RemoveAt(1, 10);
    EXPECT_EQ(1, settings.GetSize());
    settings.RemoveAt(5);
    settings.RemoveAll();
    EXPECT_EQ(0, settings.GetSize());
}

TEST_F(ControlsSettingsTest, TextRecordsInAStringArray)
{
    CStringArray arr;
    SetLines(arr, { "[View]", "Stale=1" });
    CControlsSettings settings;
    settings.Add("Root\\My Folder", -1, CSize(0, 0), 8, 77);
    settings.Add("Column", 3, CSize(120, -5), 0x80000004, 0);
    // a string array cannot clear the section first, so the save reports 0 though it wrote all
    EXPECT_EQ(0, settings.Save("View", ArrayName(&arr)));
    EXPECT_EQ((Strings{ "[View]", "Stale=1", "Count=2", "0=Root\\My^Folder -1 0 0 8", "1=Column 3 120 -5 -2147483644" }),
        Lines(arr));

    CControlsSettings loaded;
    EXPECT_EQ(1, loaded.Load("View", ArrayName(&arr)));
    // the identifier is not part of the text
    EXPECT_EQ((Strings{ "Root\\My Folder|-1|0,0|8|0", "Column|3|120,-5|2147483652|0" }), Records(loaded));
}

TEST_F(ControlsSettingsTest, IniFileSaveClearsTheSectionAndRoundTrips)
{
    LPCSTR lpszIni = m_strIni.c_str();
    ASSERT_EQ(1, SaveIniString("View", "Unrelated", "x", lpszIni));
    ASSERT_EQ(1, SaveIniString("Other", "Keep", "y", lpszIni));
    CControlsSettings settings;
    settings.Add("a  b", 1, CSize(2, 3), 16, 5);
    settings.Add("caret^in name", 4, CSize(5, 6), 0, 0);
    EXPECT_EQ(1, settings.Save("View", lpszIni));
    EXPECT_EQ("<absent>", ReadIniDirect(m_strIni, "View", "Unrelated"));
    EXPECT_EQ("y", ReadIniDirect(m_strIni, "Other", "Keep"));
    EXPECT_EQ("a^^b 1 2 3 16", ReadIniDirect(m_strIni, "View", "0"));

    CControlsSettings loaded;
    EXPECT_EQ(1, loaded.Load("View", lpszIni));
    // a "^" of the name itself comes back as a blank
    EXPECT_EQ((Strings{ "a  b|1|2,3|16|0", "caret in name|4|5,6|0|0" }), Records(loaded));
}

TEST_F(ControlsSettingsTest, LoadUpdatesRecordsOfTheSameNameAndKeepsTheirData)
{
    LPCSTR lpszIni = m_strIni.c_str();
    CControlsSettings saved;
    saved.Add("Known", 10, CSize(1, 1), 8, 0);
    saved.Add("New", 20, CSize(2, 2), 4, 0);
    ASSERT_EQ(1, saved.Save("View", lpszIni));

    CControlsSettings settings;
    settings.Add("Other", 1, CSize(0, 0), 0, 11);
    settings.Add("Known", 99, CSize(9, 9), 0, 42);
    EXPECT_EQ(1, settings.Load("View", lpszIni));
    EXPECT_EQ((Strings{ "Other|1|0,0|0|11", "Known|10|1,1|8|42", "New|20|2,2|4|0" }), Records(settings));
}

TEST_F(ControlsSettingsTest, LoadStopsAtTheFirstMissingOrMalformedRecord)
{
    LPCSTR lpszIni = m_strIni.c_str();
    CControlsSettings settings;
    EXPECT_EQ(0, settings.Load("View", lpszIni));

    SaveIniString("View", "Count", "4", lpszIni);
    SaveIniString("View", "0", "first 1 2 3 4", lpszIni);
    SaveIniString("View", "1", "second 1 2 3", lpszIni);
    SaveIniString("View", "2", "third 1 2 3 4", lpszIni);
    EXPECT_EQ(0, settings.Load("View", lpszIni));
    EXPECT_EQ((Strings{ "first|1|2,3|4|0" }), Records(settings));

    SaveIniString("View", "1", "second 1 2 3 4", lpszIni);
    settings.RemoveAll();
    EXPECT_EQ(0, settings.Load("View", lpszIni));   // "3" is missing
    EXPECT_EQ(3, settings.GetSize());

    SaveIniString("View", "3", (std::string(CTRLSETTINGS_MAX_NAME + 1, 'n') + " 1 2 3 4").c_str(), lpszIni);
    EXPECT_EQ(0, settings.Load("View", lpszIni));
    EXPECT_EQ(3, settings.GetSize());
    SaveIniString("View", "3", (std::string(CTRLSETTINGS_MAX_NAME, 'n') + " 1 2 3 4").c_str(), lpszIni);
    EXPECT_EQ(1, settings.Load("View", lpszIni));
    EXPECT_EQ(4, settings.GetSize());

    SaveIniString("View", "Count", "none", lpszIni);
    CControlsSettings empty;
    EXPECT_EQ(1, empty.Load("View", lpszIni));
    EXPECT_EQ(0, empty.GetSize());
}

// A name that could not be read back refuses the save before anything is cleared.
TEST_F(ControlsSettingsTest, UnreadableNamesRefuseTheSaveAndKeepTheEarlierOne)
{
    LPCSTR lpszIni = m_strIni.c_str();
    CControlsSettings settings;
    settings.Add("Earlier", 1, CSize(0, 0), 8, 0);
    ASSERT_EQ(1, settings.Save("View", lpszIni));

    std::string strLongest(CTRLSETTINGS_MAX_NAME, 'x');
    CControlsSettings good;
    good.Add(strLongest.c_str(), 1, CSize(0, 0), 8, 0);
    EXPECT_EQ(1, good.Save("Longest", lpszIni));
    CControlsSettings loaded;
    EXPECT_EQ(1, loaded.Load("Longest", lpszIni));
    ASSERT_EQ(1, loaded.GetSize());
    EXPECT_EQ(strLongest, std::string(loaded.GetAt(0)->m_strName));

    const char* badNames[] = { "", "tab\there", "line\r\nbreak" };
    std::string strTooLong(CTRLSETTINGS_MAX_NAME + 1, 'x');
    std::vector<std::string> names(std::begin(badNames), std::end(badNames));
    names.push_back(strTooLong);
    for (const std::string& strName : names)
    {
        CControlsSettings bad;
        bad.Add("Fine", 1, CSize(0, 0), 4, 0);
        bad.Add(strName.c_str(), 2, CSize(0, 0), 8, 0);
        EXPECT_EQ(0, bad.Save("View", lpszIni)) << strName.size();
        CControlsSettings check;
        EXPECT_EQ(1, check.Load("View", lpszIni));
        EXPECT_EQ((Strings{ "Earlier|1|0,0|8|0" }), Records(check));
    }
    EXPECT_EQ(0, settings.Save(NULL, lpszIni));
    EXPECT_EQ(0, settings.Load(NULL, lpszIni));
}

/////////////////////////////////////////////////////////////////////////////
// Tree views

namespace
{

// A parent for the tree; it fills the children of "Lazy" items only when they are expanded.
class CTreeHostWnd : public CWnd
{
public:
    CTreeCtrl m_tree;
    int m_nLazyFills = 0;

    bool CreateTree()
    {
        if (!CreateEx(0, AfxRegisterWndClass(0), "tree host", WS_POPUP, 0, 0, 300, 200, NULL, NULL))
            return false;
        return m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_SHOWSELALWAYS,
                   CRect(0, 0, 200, 60), this, 100) != FALSE;
    }

    // An item that shows a button before it has children; they come when it is expanded.
    HTREEITEM InsertLazyItem(LPCSTR lpszText, HTREEITEM hParent)
    {
        TVINSERTSTRUCTA tvis = {};
        tvis.hParent = hParent;
        tvis.hInsertAfter = TVI_LAST;
        tvis.item.mask = TVIF_TEXT | TVIF_CHILDREN;
        tvis.item.pszText = (LPSTR)lpszText;
        tvis.item.cChildren = 1;
        return m_tree.InsertItem(&tvis);
    }

    // The item at a path of texts joined with "\", or NULL.
    HTREEITEM Find(LPCSTR lpszPath)
    {
        HTREEITEM hLevel = m_tree.GetRootItem();
        HTREEITEM hItem = NULL;
        CString strPart;
        for (int i = 0; AfxExtractSubString(strPart, lpszPath, i, '\\'); i++)
        {
            for (hItem = hLevel; hItem != NULL && m_tree.GetItemText(hItem) != strPart;)
                hItem = m_tree.GetNextSiblingItem(hItem);
            if (hItem == NULL)
                return NULL;
            hLevel = m_tree.GetChildItem(hItem);
        }
        return hItem;
    }

    // The item lies inside the tree's client area.
    bool IsInView(HTREEITEM hItem)
    {
        CRect rcItem, rcClient;
        m_tree.GetClientRect(&rcClient);
        return hItem != NULL && m_tree.GetItemRect(hItem, &rcItem, FALSE) && rcItem.top >= rcClient.top &&
            rcItem.bottom <= rcClient.bottom;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY && ((NMHDR*)lParam)->code == TVN_ITEMEXPANDINGA)
        {
            NMTREEVIEWA* pnm = (NMTREEVIEWA*)lParam;
            HTREEITEM hItem = pnm->itemNew.hItem;
            if (pnm->action == TVE_EXPAND && m_tree.GetItemText(hItem).Left(4) == "Lazy" &&
                m_tree.GetChildItem(hItem) == NULL)
            {
                m_nLazyFills++;
                InsertLazyItem("Lazy child", hItem);
                m_tree.InsertItem("Lazy leaf", hItem);
            }
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

void FillTree(CTreeHostWnd& host)
{
    CTreeCtrl& tree = host.m_tree;
    HTREEITEM hRoot = tree.InsertItem("Drawings");
    HTREEITEM hPlans = tree.InsertItem("Floor plans", hRoot);
    tree.InsertItem("Level 1", hPlans);
    tree.InsertItem("Level 2", hPlans);
    HTREEITEM hSections = tree.InsertItem("Sections", hRoot);
    tree.InsertItem("A-A", hSections);
    for (int i = 0; i < 12; i++)
    {
        CString str;
        str.Format("Sheet %02d", i);
        tree.InsertItem(str, hRoot);
    }
    host.InsertLazyItem("Lazy folder", TVI_ROOT);
    tree.InsertItem("Empty root");
}

ULONG_PTR ItemDataIdentifier(CTreeCtrl* pTree, HTREEITEM hItem)
{
    return (ULONG_PTR)pTree->GetItemData(hItem);
}

class TreeSettingsTest : public ::testing::Test
{
protected:
    CTreeHostWnd m_source, m_target;

    void SetUp() override
    {
        ASSERT_TRUE(m_source.CreateTree());
        ASSERT_TRUE(m_target.CreateTree());
        FillTree(m_source);
        FillTree(m_target);
    }
    void TearDown() override
    {
        m_source.DestroyWindow();
        m_target.DestroyWindow();
    }
};

} // namespace

TEST_F(TreeSettingsTest, RecordsOnlyItemsWithState)
{
    CTreeCtrl& tree = m_source.m_tree;
    tree.Expand(m_source.Find("Drawings"), TVE_EXPAND);
    tree.Expand(m_source.Find("Drawings\\Floor plans"), TVE_EXPAND);
    tree.SelectItem(m_source.Find("Drawings\\Floor plans\\Level 2"));
    tree.SelectSetFirstVisible(m_source.Find("Drawings\\Floor plans"));
    tree.SelectDropTarget(m_source.Find("Drawings\\Sheet 03"));
    ASSERT_EQ(m_source.Find("Drawings\\Floor plans"), tree.GetFirstVisibleItem());

    CControlsSettings settings;
    settings.Add("leftover", 1, CSize(1, 1), 1, 0);
    EXPECT_EQ(4, CTreeCtrl_SaveControlsSettings(&tree, &settings, NULL));
    EXPECT_EQ((Strings{ "Drawings|-1|0,0|8|0", "Drawings\\Floor plans|-1|0,0|24|0",
                  "Drawings\\Floor plans\\Level 2|-1|0,0|4|0", "Drawings\\Sheet 03|-1|0,0|4|0" }),
        Records(settings));
}

TEST_F(TreeSettingsTest, StateSurvivesTheTextFormIntoAnotherTree)
{
    CTreeCtrl& tree = m_source.m_tree;
    tree.Expand(m_source.Find("Drawings"), TVE_EXPAND);
    tree.Expand(m_source.Find("Drawings\\Sections"), TVE_EXPAND);
    tree.Expand(m_source.Find("Lazy folder"), TVE_EXPAND);
    tree.Expand(m_source.Find("Lazy folder\\Lazy child"), TVE_EXPAND);
    ASSERT_EQ(2, m_source.m_nLazyFills);
    tree.SelectItem(m_source.Find("Lazy folder\\Lazy child\\Lazy leaf"));
    tree.SelectSetFirstVisible(m_source.Find("Drawings\\Sheet 05"));

    CControlsSettings saved;
    CTreeCtrl_SaveControlsSettings(&tree, &saved, NULL);
    CTestTempDir dir;
    std::string strIni = dir.GetFilePath("tree.ini");
    ASSERT_EQ(1, saved.Save("Tree", strIni.c_str()));

    CControlsSettings loaded;
    ASSERT_EQ(1, loaded.Load("Tree", strIni.c_str()));
    CTreeCtrl& target = m_target.m_tree;
    HTREEITEM hSelected = CTreeCtrl_RestoreControlsSettings(&target, &loaded, NULL, NULL);

    // the lazily filled levels were created by the restore's own expanding
    EXPECT_EQ(2, m_target.m_nLazyFills);
    HTREEITEM hLeaf = m_target.Find("Lazy folder\\Lazy child\\Lazy leaf");
    ASSERT_NE(nullptr, hLeaf);
    EXPECT_EQ(hLeaf, hSelected);
    EXPECT_EQ(hLeaf, target.GetSelectedItem());
    EXPECT_TRUE(target.GetItemState(m_target.Find("Drawings"), TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_TRUE(target.GetItemState(m_target.Find("Drawings\\Sections"), TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_FALSE(target.GetItemState(m_target.Find("Drawings\\Floor plans"), TVIS_EXPANDED) & TVIS_EXPANDED);

    // the same state saved from the restored tree, apart from where the tree is scrolled to
    CControlsSettings again;
    CTreeCtrl_SaveControlsSettings(&target, &again, NULL);
    auto withoutScrolling = [](const CControlsSettings& settings) {
        Strings records;
        for (int i = 0; i < settings.GetSize(); i++)
        {
            UINT nFlags = settings.GetAt(i)->m_nFlags & ~CTRLSETTINGS_FIRSTVISIBLE;
            if (nFlags != 0)
                records.push_back(std::string(settings.GetAt(i)->m_strName) + "|" + std::to_string(nFlags));
        }
        return records;
    };
    EXPECT_EQ(withoutScrolling(saved), withoutScrolling(again));
    EXPECT_EQ(5u, withoutScrolling(saved).size());
}

TEST_F(TreeSettingsTest, FirstVisibleItemIsScrolledIntoView)
{
    CControlsSettings settings;
    settings.Add("Drawings", -1, CSize(0, 0), CTRLSETTINGS_EXPANDED, 0);
    settings.Add("Drawings\\Sheet 11", -1, CSize(0, 0), CTRLSETTINGS_FIRSTVISIBLE, 0);
    HTREEITEM hSheet = m_target.Find("Drawings\\Sheet 11");
    EXPECT_EQ(nullptr, CTreeCtrl_RestoreControlsSettings(&m_target.m_tree, &settings, NULL, NULL));
    EXPECT_TRUE(m_target.IsInView(hSheet));
    EXPECT_FALSE(m_target.IsInView(m_target.Find("Drawings")));
    EXPECT_EQ(nullptr, m_target.m_tree.GetSelectedItem());
}

TEST_F(TreeSettingsTest, CallersNotesLeaveSelectionAndScrollingToTheCaller)
{
    CControlsSettings settings;
    settings.Add("Drawings", -1, CSize(0, 0), CTRLSETTINGS_EXPANDED, 0);
    settings.Add("Drawings\\Sheet 07", -1, CSize(0, 0), CTRLSETTINGS_SELECTED, 0);
    settings.Add("Drawings\\Sheet 09", -1, CSize(0, 0), CTRLSETTINGS_FIRSTVISIBLE, 0);
    CTreeCtrl& target = m_target.m_tree;
    HTREEITEM hBefore = m_target.Find("Empty root");
    target.SelectItem(hBefore);

    SRestoreItemSettingsItems items;
    EXPECT_EQ(nullptr, items.m_hFirstVisibleItem);
    EXPECT_EQ(nullptr, items.m_hSelectedItem);
    HTREEITEM hResult = CTreeCtrl_RestoreControlsSettings(&target, &settings, &items, NULL);
    EXPECT_EQ(m_target.Find("Drawings\\Sheet 07"), hResult);
    EXPECT_EQ(m_target.Find("Drawings\\Sheet 07"), items.m_hSelectedItem);
    EXPECT_EQ(m_target.Find("Drawings\\Sheet 09"), items.m_hFirstVisibleItem);
    EXPECT_EQ(hBefore, target.GetSelectedItem());
    EXPECT_TRUE(target.GetItemState(m_target.Find("Drawings"), TVIS_EXPANDED) & TVIS_EXPANDED);

    SRestoreItemSettingsItems copy = items;
    EXPECT_EQ(items.m_hSelectedItem, copy.m_hSelectedItem);
}

TEST_F(TreeSettingsTest, IdentifiersFindItemsWhoseTextChanged)
{
    CTreeCtrl& tree = m_source.m_tree;
    HTREEITEM hPlans = m_source.Find("Drawings\\Floor plans");
    tree.SetItemData(hPlans, 0xABCDEF0123ULL);
    tree.Expand(m_source.Find("Drawings"), TVE_EXPAND);
    tree.Expand(hPlans, TVE_EXPAND);
    CControlsSettings settings;
    CTreeCtrl_SaveControlsSettings(&tree, &settings, ItemDataIdentifier);
    ASSERT_EQ(1, settings.Find((ULONG_PTR)0xABCDEF0123ULL, -1, 0));
    EXPECT_EQ(0, settings.Find((ULONG_PTR)0, -1, 0));

    CTreeCtrl& target = m_target.m_tree;
    HTREEITEM hRenamed = m_target.Find("Drawings\\Floor plans");
    target.SetItemText(hRenamed, "Plans (renamed)");
    target.SetItemData(hRenamed, 0xABCDEF0123ULL);
    CTreeCtrl_RestoreControlsSettings(&target, &settings, NULL, ItemDataIdentifier);
    EXPECT_TRUE(target.GetItemState(hRenamed, TVIS_EXPANDED) & TVIS_EXPANDED);
    // without the identifier the renamed item is not found
    target.Expand(hRenamed, TVE_COLLAPSE);
    CTreeCtrl_RestoreControlsSettings(&target, &settings, NULL, NULL);
    EXPECT_FALSE(target.GetItemState(hRenamed, TVIS_EXPANDED) & TVIS_EXPANDED);
}

TEST_F(TreeSettingsTest, BadArguments)
{
    CControlsSettings settings;
    settings.Add("x", 1, CSize(0, 0), 8, 0);
    EXPECT_EQ(0, CTreeCtrl_SaveControlsSettings(&m_source.m_tree, NULL, NULL));
    EXPECT_EQ(0, CTreeCtrl_SaveControlsSettings(NULL, &settings, NULL));
    EXPECT_EQ(0, settings.GetSize());
    EXPECT_EQ(nullptr, CTreeCtrl_RestoreControlsSettings(NULL, &settings, NULL, NULL));
    EXPECT_EQ(nullptr, CTreeCtrl_RestoreControlsSettings(&m_source.m_tree, NULL, NULL, NULL));
    CTreeCtrl unattached;
    EXPECT_EQ(0, CTreeCtrl_SaveControlsSettings(&unattached, &settings, NULL));
}
