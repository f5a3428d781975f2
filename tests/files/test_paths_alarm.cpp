// test_paths_alarm.cpp - path splitting, folder validation with its messages (answered by real
// input), deletion, masks, and the folder watcher posting WM_FILEALARM and stopping cleanly.
#include "WEXOctrl.h"
#include "wexotest.h"
#include <gtest/gtest.h>
#include <shlobj.h>
#include <string>
#include <thread>

namespace
{
std::string CurrentDir()
{
    char sz[MAX_PATH * 2] = "";
    ::GetCurrentDirectoryA(sizeof(sz), sz);
    return sz;
}

bool IsFolder(const std::string& str)
{
    DWORD dw = ::GetFileAttributesA(str.c_str());
    return dw != INVALID_FILE_ATTRIBUTES && (dw & FILE_ATTRIBUTE_DIRECTORY);
}
} // namespace

TEST(Paths, SplittingFunctionsFollowTheirRules)
{
    CTestTempDir dir;
    ASSERT_TRUE(dir.WriteFile("Photo.JPG", "x", 1));
    const std::string strDir = dir.GetPath(), strFile = dir.GetFilePath("Photo.JPG");

    const struct
    {
        std::string strIn;
        LPCSTR lpszTail;             // CheckTailSlash
    } slashes[] = {{"", ""}, {"C:\\Temp  ", "C:\\Temp\\"}, {"C:\\Temp\\", "C:\\Temp\\"}, {"   ", ""}};
    for (const auto& c : slashes)
    {
        CString str = c.strIn.c_str();
        CheckTailSlash(&str);
        EXPECT_STREQ(c.lpszTail, str) << "[" << c.strIn << "]";
    }

    const struct
    {
        std::string strPath;
        std::string strFolder, strName, strExt;
        int bFile;
    } paths[] = {
        {"C:\\New\\file.dat", "C:\\New\\", "file.dat", "dat", 0},     // missing, with extension
        {"C:\\New\\sub", "", "sub", "", 0},                          // missing, no extension
        {"C:\\Dir\\File.TXT", "C:\\Dir\\", "File.TXT", "txt", 0},
        {"  C:\\x\\  ", "C:\\x\\", "  ", "", 0},
        {strDir, strDir, "", "", 0},                                 // an existing folder
        {strFile, strDir + "\\", "Photo.JPG", "jpg", 1},
        {"", "", "", "", 0},
        {std::string(600, 'a') + ".b", "", std::string(600, 'a') + ".b", "b", 0},
    };
    for (const auto& c : paths)
    {
        EXPECT_STREQ(c.strFolder.c_str(), PathGetFolder(c.strPath.c_str())) << c.strPath;
        EXPECT_STREQ(c.strName.c_str(), PathGetFileName(c.strPath.c_str())) << c.strPath;
        EXPECT_STREQ(c.strExt.c_str(), PathGetExtension(c.strPath.c_str())) << c.strPath;
        EXPECT_EQ(c.bFile, IsFileExist(c.strPath.c_str())) << c.strPath;
    }
    EXPECT_STREQ("", PathGetFolder(NULL));
    EXPECT_STREQ("", PathGetDiskLabel("C:\\windows"));   // a fixed drive has no label to show

    const struct
    {
        LPCSTR lpszPath, lpszMasks;
        int bMatch;
    } types[] = {
        {"photo.JPG", "*.bmp;*.jpg", 1}, {"a.txt", "", 1}, {"a.txt", NULL, 1}, {"a.txt", "*.bmp *.jpg", 0},
        {"a.txt", "*.doc|*.TXT", 1}, {"a.txt", " ,;| ", 0}, {"dir\\b.Dat", "x.*\t*.dat", 1},
    };
    for (const auto& c : types)
        EXPECT_EQ(c.bMatch, IsType(c.lpszPath, c.lpszMasks)) << c.lpszPath << " / " << (c.lpszMasks ? c.lpszMasks : "NULL");
}

TEST(Paths, IsPathValidCreatesChainsAsksTheUserAndRestoresTheCurrentDirectory)
{
    CTestTempDir dir;
    const std::string strStart = CurrentDir();
    const std::string strBase = dir.GetPath();
    ASSERT_TRUE(dir.WriteFile("plain.txt", "x", 1));

    EXPECT_EQ(1, IsPathValid((strBase + "\\plain.txt").c_str(), 1, 0));      // a file's folder exists
    EXPECT_EQ(0, IsPathValid((strBase + "\\a\\b\\c\\").c_str(), 0, 0));
    EXPECT_FALSE(IsFolder(strBase + "\\a"));
    EXPECT_EQ(1, IsPathValid((strBase + "\\a\\b\\c\\").c_str(), 0, 1));       // the chain is made
    EXPECT_TRUE(IsFolder(strBase + "\\a\\b\\c"));
    EXPECT_EQ(0, IsPathValid("", 0, 1));
    EXPECT_EQ(0, IsPathValid(NULL, 0, 1));
    EXPECT_EQ(0, IsPathValid(("C:\\" + std::string(400, 'q') + "\\z\\").c_str(), 0, 1));
    EXPECT_EQ(strStart, CurrentDir());

    // the user's answers, through the message boxes
    struct SAsk
    {
        std::string strPath;
        int bCreate;
        UINT nAnswer;
        int nResult;
        std::string strText;
    };
    const std::string strNew = strBase + "\\asked\\";
    const SAsk asks[] = {
        {"Temp", 0, IDOK, 0, "\"\"\nis not a valid pathname"},
        {strNew, 1, IDNO, 0, "The folder\n\"" + strNew + "\"\ndoes not exist.\n\nDo you want the folder to be created?"},
        {strNew, 0, IDOK, 0, "The folder\n\"" + strNew + "\"\ndoes not exist."},
        {strBase + "\\plain.txt\\sub\\", 1, IDYES, 0, ""},    // the Yes is followed by a failure box
        {strNew, 1, IDYES, 1, ""},
    };
    for (const SAsk& a : asks)
    {
        int nResult = -1;
        CMouseScript script;
        script.AnswerDialog(a.nAnswer);
        if (a.strPath.find("plain.txt") != std::string::npos)
            script.AnswerDialog(IDOK);
        EXPECT_TRUE(script.Run([&] { nResult = IsPathValid(a.strPath.c_str(), 1, a.bCreate); })) << a.strPath;
        EXPECT_EQ(a.nResult, nResult) << a.strPath;
        if (!a.strText.empty())
        {
            EXPECT_STREQ(a.strText.c_str(), script.m_strDialogText) << a.strPath;
        }
        if (a.strPath.find("plain.txt") != std::string::npos)
        {
            EXPECT_STREQ(("Folder \"" + strBase + "\\plain.txt\\sub\\\" cannot be created.").c_str(), script.m_strDialogText);
        }
    }
    EXPECT_TRUE(IsFolder(strNew));
    EXPECT_EQ(strStart, CurrentDir());
}

TEST(Paths, DeletingAsksFirstKeepsWhatTheUserKeepsAndFindsNamedFoldersInATree)
{
    CTestTempDir dir;
    const std::string strBase = dir.GetPath();
    ASSERT_TRUE(::CreateDirectoryA((strBase + "\\gone").c_str(), NULL));
    ASSERT_TRUE(dir.WriteFile("gone\\one.txt", "1", 1));
    ASSERT_TRUE(dir.WriteFile("gone\\two.txt", "2", 1));

    CMouseScript no;
    no.AnswerDialog(IDNO);
    int nResult = -1;
    EXPECT_TRUE(no.Run([&] { nResult = DeleteFolder((strBase + "\\gone").c_str(), 1); }));
    EXPECT_EQ(0, nResult);
    EXPECT_TRUE(IsFolder(strBase + "\\gone"));

    // yes to the folder, no to both files: the files and so the folder stay
    CMouseScript keep;
    keep.AnswerDialog(IDYES).AnswerDialog(IDNO).AnswerDialog(IDNO);
    EXPECT_TRUE(keep.Run([&] { DeleteFolder((strBase + "\\gone").c_str(), 1); }));
    EXPECT_EQ(1, IsFileExist((strBase + "\\gone\\two.txt").c_str()));
    EXPECT_EQ(1, DeleteFolder((strBase + "\\gone\\").c_str(), 0));
    EXPECT_FALSE(IsFolder(strBase + "\\gone"));
    EXPECT_EQ(0, DeleteFolder((strBase + "\\gone").c_str(), 0));
    EXPECT_EQ(0, DeleteFolder("", 0));

    // every "obj" below the root goes; a file met on the way makes the answer 0
    for (LPCSTR lpsz : {"\\t", "\\t\\x", "\\t\\x\\obj", "\\t\\y", "\\t\\y\\obj", "\\t\\y\\obj\\deep"})
        ASSERT_TRUE(::CreateDirectoryA((strBase + lpsz).c_str(), NULL));
    ASSERT_TRUE(dir.WriteFile("t\\y\\obj\\deep\\o.bin", "o", 1));
    EXPECT_EQ(1, DeleteFoldersTree((strBase + "\\t").c_str(), "obj", 0, 1));
    EXPECT_FALSE(IsFolder(strBase + "\\t\\x\\obj"));
    EXPECT_FALSE(IsFolder(strBase + "\\t\\y\\obj"));
    ASSERT_TRUE(::CreateDirectoryA((strBase + "\\t\\z").c_str(), NULL));
    ASSERT_TRUE(dir.WriteFile("t\\z\\keep.txt", "k", 1));
    EXPECT_EQ(0, DeleteFoldersTree((strBase + "\\t").c_str(), "obj", 0, 1));
    EXPECT_EQ(1, IsFileExist((strBase + "\\t\\z\\keep.txt").c_str()));
}

TEST(Paths, AddFilesToArrayInsertsSortedMatchesOnly)
{
    CTestTempDir dir;
    for (LPCSTR lpsz : {"b.txt", "a.TXT", "c.doc", "C.txt"})
        ASSERT_TRUE(dir.WriteFile(lpsz, "x", 1));
    const std::string strStart = CurrentDir(), strBase = std::string(dir.GetPath()) + "\\";
    CStringArray list;
    list.Add(strBase.c_str() + CString("aa.txt"));        // already there: the new ones sort around it
    EXPECT_EQ(1, AddFilesToArray(dir.GetPath(), &list, "*.txt", 0));
    ASSERT_EQ(4, (int)list.GetSize());
    const char* order[] = {"C.txt", "a.TXT", "aa.txt", "b.txt"};
    for (int i = 0; i < 4; ++i)
        EXPECT_STREQ((strBase + order[i]).c_str(), list[i]);
    EXPECT_EQ(0, AddFilesToArray(dir.GetPath(), &list, "*.xls", 0));
    EXPECT_EQ(0, AddFilesToArray((strBase + "none").c_str(), &list, "", 0));
    EXPECT_EQ(0, AddFilesToArray(dir.GetPath(), NULL, "", 0));
    EXPECT_EQ(strStart, CurrentDir());
    EXPECT_EQ(0, GetSystemFolder(CSIDL_PERSONAL, NULL, 0));
}

TEST(Paths, BrowseFolderReturnsTheChosenFolderOrNothing)
{
    // a folder the browser's tree shows (the temporary folder lies below a hidden one)
    CString strOut = "old";
    int nResult = -1;
    CMouseScript ok;
    ok.AnswerDialog(IDOK);
    EXPECT_TRUE(ok.Run([&] { nResult = BrowseFolder(&strOut, "Pick", NULL, NULL, "C:\\windows"); }, 15000));
    EXPECT_EQ(1, nResult);
    EXPECT_STRCASEEQ("C:\\windows", strOut);

    CMouseScript cancel;
    cancel.AnswerDialog(IDCANCEL);
    EXPECT_TRUE(cancel.Run([&] { nResult = BrowseFolder(&strOut, "Pick", NULL, NULL, "C:\\windows"); }, 15000));
    EXPECT_EQ(0, nResult);
    EXPECT_STREQ("", strOut);
}

TEST(FileAlarm, ChangesInTheWatchedFolderArePostedAndStopEndsTheWatcher)
{
    CTestTempDir dir;
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel(CRect(0, 0, 50, 50), "alarm", WS_POPUP));

    CEvent* pStop = StartFileAlarmThread(wnd.m_hWnd, dir.GetPath(), FALSE, 0);
    ASSERT_TRUE(pStop != NULL);
    ASSERT_NE(0u, WM_FILEALARM);
    EXPECT_EQ(::RegisterWindowMessageA("WM_FILEALARM"), WM_FILEALARM);
    wnd.Watch(WM_FILEALARM);
    ::Sleep(100);                                   // the watcher opens its notifications
    ASSERT_TRUE(dir.WriteFile("new.txt", "hello", 5));
    for (int i = 0; i < 40 && wnd.Count(WM_FILEALARM) == 0; ++i)
        PumpTestMessages(50);
    ASSERT_GE(wnd.Count(WM_FILEALARM), 1);
    EXPECT_TRUE(wnd.Last(WM_FILEALARM)->wParam & FILEALARM_FILENAME);
    EXPECT_EQ(0, wnd.Last(WM_FILEALARM)->lParam);

    // writing to the file: last write or size
    PumpTestMessages(200);
    wnd.Clear();
    ASSERT_TRUE(dir.WriteFile("new.txt", "hello, world", 12));
    for (int i = 0; i < 40 && wnd.Count(WM_FILEALARM) == 0; ++i)
        PumpTestMessages(50);
    ASSERT_GE(wnd.Count(WM_FILEALARM), 1);
    EXPECT_TRUE(wnd.Last(WM_FILEALARM)->wParam & (FILEALARM_LASTWRITE | FILEALARM_SIZE));

    StopFileAlarmThread(pStop);
    wnd.Clear();
    ASSERT_TRUE(dir.WriteFile("after.txt", "x", 1));
    PumpTestMessages(300);
    EXPECT_EQ(0, wnd.Count(WM_FILEALARM));          // nobody watches any more

    // stopped at once: nothing is posted
    pStop = StartFileAlarmThread(wnd.m_hWnd, dir.GetPath(), TRUE, 0);
    StopFileAlarmThread(pStop);
    ASSERT_TRUE(dir.WriteFile("later.txt", "x", 1));
    PumpTestMessages(300);
    EXPECT_EQ(0, wnd.Count(WM_FILEALARM));
}

TEST(FileAlarm, AWatcherOnAMissingFolderEndsByItselfAndAStopStillWorks)
{
    CTestTempDir dir;
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel(CRect(0, 0, 50, 50), "alarm", WS_POPUP));
    for (std::string strFolder : {std::string(dir.GetPath()) + "\\missing", std::string(), std::string(300, 'z')})
    {
        CEvent* pStop = StartFileAlarmThread(wnd.m_hWnd, strFolder.c_str(), FALSE, 0);
        ASSERT_TRUE(pStop != NULL);
        wnd.Watch(WM_FILEALARM);
        // waiting for the last watcher without its event returns only when it ended by itself;
        // should it not, the event frees it and the check fails instead of hanging
        bool bReturned = false;
        std::thread waiter([&] { StopFileAlarmThread(NULL); bReturned = true; });
        for (int i = 0; i < 60 && !bReturned; ++i)
            ::Sleep(50);
        EXPECT_TRUE(bReturned) << "[" << strFolder.substr(0, 40) << "]";
        if (!bReturned)
            pStop->SetEvent();
        waiter.join();
        StopFileAlarmThread(pStop);                 // the event is freed; the watcher is gone already
    }
    PumpTestMessages(100);
    EXPECT_EQ(0, wnd.Count(WM_FILEALARM));
}
