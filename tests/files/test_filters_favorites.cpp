// test_filters_favorites.cpp - filters and favourite folders through the settings store, the
// favourites dialog driven by real input, and the folder walk history.
#include "WEXOctrl.h"
#include "res/resource.h"
#include "wexotest.h"
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <functional>
#include <memory>
#include <string>

TEST(FileFilter, DefaultsTypesAndTheSavedTextRoundTrip)
{
    CFileFilter filter;
    ASSERT_EQ(1, filter.GetCount());
    EXPECT_STREQ("All Files", filter.m_arrDescriptions[0]);
    EXPECT_STREQ("*.*", filter.m_arrMasks[0]);
    EXPECT_EQ(0, filter.GetFileType("anything.xyz"));

    EXPECT_EQ(1, filter.AddFilter("Images", "*.bmp;*.jpg"));
    EXPECT_EQ(2, filter.AddFilter("Text", "*.txt *.log"));
    filter.m_arrMasks[0] = "*.dwg";                 // no catch-all first any more
    const struct
    {
        LPCSTR lpszPath;
        int nType;
    } types[] = {{"a.DWG", 0}, {"photo.JPG", 1}, {"x.log", 2}, {"x.pdf", -1}};
    for (const auto& t : types)
        EXPECT_EQ(t.nType, filter.GetFileType(t.lpszPath)) << t.lpszPath;
    filter.SetActiveFilter(2);
    EXPECT_EQ(1, filter.IsValidType("readme.txt"));
    EXPECT_EQ(0, filter.IsValidType("photo.jpg"));
    EXPECT_EQ(0, filter.IsType("photo.jpg", 7));

    CStringArray store;
    const CString strFile = MakeStringArrayName(&store);
    EXPECT_EQ(3, filter.Save("Filters", strFile));
    char sz[64];
    EXPECT_NE(0, LoadIniString("Filters", "Filter", sz, sizeof(sz), strFile));
    EXPECT_STREQ("2", sz);
    EXPECT_NE(0, LoadIniString("Filters", "FilterDescr-1", sz, sizeof(sz), strFile));
    EXPECT_STREQ("Images", sz);

    CFileFilter loaded;
    EXPECT_EQ(3, loaded.Load("Filters", strFile));
    EXPECT_EQ(2, loaded.GetActiveFilter());
    ASSERT_EQ(3, loaded.GetCount());
    EXPECT_STREQ("*.txt *.log", loaded.m_arrMasks[2]);
    EXPECT_STREQ("*.dwg", loaded.m_arrMasks[0]);
}

TEST(FilteredFolders, EmptyAtStartTokenReplacedAndAShorterSaveLeavesNoTail)
{
    CFilteredFolders folders;
    EXPECT_EQ(0, folders.GetCount());
    EXPECT_EQ(0, folders.GetFileType("a.txt"));
    EXPECT_STREQ("", folders.GetFolder(0));
    EXPECT_STREQ("", folders.GetFolder(-1));

    // the token: two levels above the executable (bin\test_files.exe -> the build folder)
    char szExe[MAX_PATH];
    ::GetModuleFileNameA(NULL, szExe, MAX_PATH);
    ::PathRemoveFileSpecA(szExe);
    ::PathRemoveFileSpecA(szExe);
    EXPECT_EQ(0, folders.AddFolder("<QV>\\Samples", "Samples", "*.dwg"));
    EXPECT_EQ(1, folders.AddFolder("D:\\Work", "Work", "*.*"));
    EXPECT_EQ(std::string(szExe) + "\\Samples", (LPCSTR)folders.GetFolder(0));
    EXPECT_STREQ("D:\\Work", folders.GetFolder(1));
    EXPECT_STREQ("", folders.GetFolder(2));
    folders.SetActiveFilter(1);

    CTestTempDir dir;
    const std::string strIni = dir.GetFilePath("favorites.ini");
    EXPECT_EQ(2, folders.Save("Favorites", strIni.c_str()));
    CFilteredFolders shorter;
    shorter.AddFolder("E:\\Only", "Only", "*.x");
    EXPECT_EQ(1, shorter.Save("Favorites", strIni.c_str()));
    CFilteredFolders loaded;
    EXPECT_EQ(1, loaded.Load("Favorites", strIni.c_str()));
    ASSERT_EQ(1, loaded.GetCount());
    EXPECT_STREQ("E:\\Only", loaded.GetFolder(0));
    EXPECT_EQ(0, loaded.GetActiveFilter());
    char sz[32];
    EXPECT_EQ(0u, ::GetPrivateProfileStringA("Favorites", "FolderPath-1", "", sz, sizeof(sz), strIni.c_str()));
}

namespace
{
// clicks a dialog control's centre
void Click(CMouseScript& script, int nID)
{
    script.Call([&script, nID] {
        CWnd* pCtrl = CWnd::FromHandle(::GetDlgItem(FindThreadDialog(), nID));
        CRect rc;
        pCtrl->GetClientRect(&rc);
        CPoint pt = ScreenPoint(pCtrl, rc.CenterPoint());
        SendMouseAt(pt);
        SendMouseAt(pt, MOUSEEVENTF_LEFTDOWN);
        SendMouseAt(pt, MOUSEEVENTF_LEFTUP);
    }).Wait(100);
}

CFilteredFolders* ThreeFavorites()
{
    CFilteredFolders* p = new CFilteredFolders;
    p->AddFolder("C:\\Home", "Home", "*.*");
    p->AddFolder("C:\\Two", "Favorite-2", "*.a");
    p->AddFolder("C:\\Three", "Favorite-3", "*.b");
    return p;
}
} // namespace

TEST(FavoriteFoldersDlg, NewDeleteRenameAndEditWorkOnTheCopyUntilOK)
{
    struct SRun
    {
        LPCSTR lpszName;
        std::function<void(CMouseScript&)> fnSteps;
        INT_PTR nResult;
        LPCSTR lpszDescriptions;         // after the run, joined by "|"
        int nActive;
        LPCSTR lpszActivePath;
    };
    const SRun runs[] = {
        {"new favourite skips taken numbers",
            [](CMouseScript& s) { Click(s, IDC_FAVORITE_NEW); Click(s, IDOK); },
            IDOK, "Home|Favorite-2|Favorite-3|Favorite-4", 3, "C:\\"},
        {"the first cannot be deleted",
            [](CMouseScript& s) { Click(s, IDC_FAVORITE_DELETE); Click(s, IDOK); },
            IDOK, "Home|Favorite-2|Favorite-3", 0, "C:\\Home"},
        {"delete the last selected: the one before becomes active",
            [](CMouseScript& s) {
                s.Call([] { ::SendDlgItemMessageA(FindThreadDialog(), IDC_FAVORITE_NAME, CB_SETCURSEL, 2, 0);
                            ::SendMessageA(FindThreadDialog(), WM_COMMAND, MAKEWPARAM(IDC_FAVORITE_NAME, CBN_SELENDOK),
                                (LPARAM)::GetDlgItem(FindThreadDialog(), IDC_FAVORITE_NAME)); });
                Click(s, IDC_FAVORITE_DELETE);
                Click(s, IDOK);
            },
            IDOK, "Home|Favorite-2", 1, "C:\\Two"},
        {"rename by typing, folder by typing",
            [](CMouseScript& s) {
                s.Call([] { ::SendDlgItemMessageA(FindThreadDialog(), IDC_FAVORITE_NAME, CB_SETCURSEL, 1, 0);
                            ::SendMessageA(FindThreadDialog(), WM_COMMAND, MAKEWPARAM(IDC_FAVORITE_NAME, CBN_SELENDOK),
                                (LPARAM)::GetDlgItem(FindThreadDialog(), IDC_FAVORITE_NAME)); });
                Click(s, IDC_FAVORITE_NAME);
                s.KeyPress(VK_END).TypeText("X");
                Click(s, IDC_FAVORITE_FOLDER);       // the name loses the focus: the rename applies
                s.KeyPress(VK_END).TypeText("\\Sub");
                Click(s, IDOK);
            },
            IDOK, "Home|Favorite-2X|Favorite-3", 1, "C:\\Two\\Sub"},
        {"the first keeps its name",
            [](CMouseScript& s) {
                Click(s, IDC_FAVORITE_NAME);
                s.KeyPress(VK_END).TypeText("Y");
                Click(s, IDOK);
            },
            IDOK, "Home|Favorite-2|Favorite-3", 0, "C:\\Home"},
        {"cancel", [](CMouseScript& s) { Click(s, IDC_FAVORITE_NEW); s.KeyPress(VK_ESCAPE); },
            IDCANCEL, "Home|Favorite-2|Favorite-3", 0, "C:\\Home"},
    };
    for (const SRun& run : runs)
    {
        std::unique_ptr<CFilteredFolders> pHost(ThreeFavorites());
        CFavoriteFoldersDlg dlg;
        EXPECT_EQ(3, dlg.InitFilteredFolders(pHost.get()));
        INT_PTR nResult = -2;
        CMouseScript script;
        script.WaitForDialog().Wait(100);
        run.fnSteps(script);
        EXPECT_TRUE(script.Run([&] { nResult = dlg.DoModal(); }, 8000)) << run.lpszName;
        EXPECT_EQ(run.nResult, nResult) << run.lpszName;
        if (nResult == IDOK)
            dlg.GetFilteredFolders(pHost.get());
        std::string strDescr;
        for (int i = 0; i < pHost->GetCount(); ++i)
            strDescr += std::string(i ? "|" : "") + (LPCSTR)pHost->m_arrDescriptions[i];
        EXPECT_EQ(run.lpszDescriptions, strDescr) << run.lpszName;
        EXPECT_EQ(run.nActive, pHost->GetActiveFilter()) << run.lpszName;
        EXPECT_STREQ(run.lpszActivePath, pHost->GetFolder(pHost->GetActiveFilter())) << run.lpszName;
    }
}

TEST(DirWalkHistory, KeepsTwentyDropsTheForwardPartAndFillsItsMenus)
{
    CDirWalkHistory history;
    CString str;
    for (int i = 0; i < 25; ++i)
    {
        str.Format("C:\\f%d", i);
        history.AddFolder(str);
    }
    ASSERT_EQ(20, (int)history.GetCount());
    EXPECT_STREQ("C:\\f5", history.GetHead());
    EXPECT_EQ(20, history.AddFolder("C:\\f24"));        // already the newest
    EXPECT_EQ(20, history.AddFolder(""));
    EXPECT_FALSE(history.IsDirNextEnable());
    EXPECT_TRUE(history.IsDirPrevEnable());

    EXPECT_STREQ("C:\\f23", history.OnDirPrev());
    EXPECT_STREQ("C:\\f22", history.OnDirPrev());
    EXPECT_STREQ("C:\\f21", history.OnDirPrev());
    EXPECT_STREQ("", history.SetWalkPos(20));
    EXPECT_STREQ("", history.SetWalkPos(-1));
    EXPECT_EQ(3, history.GetWalkPos());
    EXPECT_TRUE(history.IsDirNextEnable());

    CMenu back, forward;
    back.CreatePopupMenu();
    forward.CreatePopupMenu();
    EXPECT_EQ(16, history.FillBackMenu(&back, 500, 0));    // steps 4..19
    EXPECT_EQ(3, history.FillForwardMenu(&forward, 500, 0));
    EXPECT_EQ(504u, back.GetMenuItemID(0));
    CString strItem;
    forward.GetMenuString(0, strItem, MF_BYPOSITION);
    EXPECT_STREQ("C:\\f24", strItem);
    EXPECT_STREQ("C:\\f23", history.SetWalkPosByMenu(500, 501));
    EXPECT_STREQ("", history.SetWalkPosByMenu(500, 520));
    EXPECT_STREQ("", history.SetWalkPosByMenu(500, 499));
    history.SetWalkPos(3);

    // going back 3 and then somewhere new drops the 3 newer folders first
    EXPECT_EQ(18, history.AddFolder("C:\\new"));
    EXPECT_STREQ("C:\\f21", history.GetAt(history.FindIndex(16)));
    EXPECT_EQ(0, history.GetWalkPos());

    // through a string array and back
    history.SetWalkPos(2);
    CStringArray store;
    EXPECT_EQ(18, history.Save("Walk", MakeStringArrayName(&store)));
    CDirWalkHistory loaded;
    EXPECT_EQ(18, loaded.Load("Walk", MakeStringArrayName(&store)));
    EXPECT_EQ(2, loaded.GetWalkPos());
    EXPECT_STREQ("C:\\new", loaded.GetTail());
    EXPECT_EQ(0, loaded.Load("Other", MakeStringArrayName(&store)));
    EXPECT_EQ(18, (int)loaded.GetCount());

    const struct
    {
        LPCSTR lpszPath;
        WORD wStyle;
        LPCSTR lpszShown;
    } shown[] = {
        {"C:\\a\\b\\c\\file", 0, "C:\\a\\b\\c\\file"},
        {"C:\\a\\b\\c\\file", DIRWALK_SHOWDRIVE | DIRWALK_SHOWLAST, "C:\\ ... file"},
        {"C:\\a\\b\\c\\file", DIRWALK_SHOWDRIVE | DIRWALK_SHOWLAST2, "C:\\ ... c\\file"},
        {"C:\\a\\file", DIRWALK_SHOWDRIVE | DIRWALK_SHOWLAST2, "C:\\a\\file"},
        {"C:\\a\\b\\file", DIRWALK_SHOWLAST, "... file"},
        {"noslash", DIRWALK_SHOWDRIVE | DIRWALK_SHOWLAST, "noslash"},
    };
    for (const auto& s : shown)
        EXPECT_STREQ(s.lpszShown, CDirWalkHistory::GetDisplayString(s.lpszPath, s.wStyle)) << s.lpszPath << " " << s.wStyle;
}
