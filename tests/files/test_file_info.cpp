// test_file_info.cpp - file records: content sum, change detection, the ordering rules of
// AddFileInfo and the folder scan, which must leave the same order as one-by-one insertion.
#include "WEXOctrl.h"
#include "wexotest.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// a record made by hand: name, directory or not, length, write time (100 ns units)
CFileInfo Record(LPCSTR lpszPath, BOOL bDir, ULONGLONG nLength, DWORD dwTime = 0)
{
    CFileInfo info;
    info.m_strFilePath = lpszPath;
    info.m_dwAttributes = bDir ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    info.m_uhLength = nLength;
    info.m_ftLastWriteTime.dwLowDateTime = dwTime;
    return info;
}

std::string Paths(const CFileInfoArray& arr)
{
    std::string str;
    for (INT_PTR i = 0; i < arr.GetSize(); ++i)
        str += std::string(i ? " " : "") + (LPCSTR)arr[i].m_strFilePath;
    return str;
}

// Places every record through AddFileInfo, one at a time: the rules as written, which the
// base class's merged folder scan must reproduce.
class COneByOneArray : public CFileInfoArray
{
public:
    virtual INT_PTR AddFileInfo(CFileInfo& info, long lFlags) { return CFileInfoArray::AddFileInfo(info, lFlags); }
};

void SetWriteTime(const std::string& strPath, DWORD dwLow)
{
    HANDLE h = ::CreateFileA(strPath.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, NULL);
    FILETIME ft = {dwLow, 0x01D00000};
    ::SetFileTime(h, NULL, NULL, &ft);
    ::CloseHandle(h);
}
} // namespace

TEST(FileInfo, ContentSumAddsLittleEndianWordsWithWrapAndAZeroFilledTail)
{
    struct SCase
    {
        std::vector<BYTE> bytes;
        DWORD dwSum;
    };
    const SCase cases[] = {
        {{}, 0},
        {{0xAA, 0xBB}, 0x0000BBAA},                            // a lone partial word
        {{0x01, 0x02, 0x03, 0x04}, 0x04030201},
        {{0x01, 0x02, 0x03, 0x04, 0x05}, 0x04030206},          // 0x04030201 + 0x00000005
        {{0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00}, 0x00000001},   // wraps
        {{0x10, 0x00, 0x00, 0x80, 0x10, 0x00, 0x00, 0x80, 0x01, 0x01, 0x01}, 0x00010121},
    };
    CTestTempDir dir;
    for (const SCase& c : cases)
    {
        ASSERT_TRUE(dir.WriteFile("sum.bin", c.bytes.data(), (DWORD)c.bytes.size()));
        EXPECT_EQ(c.dwSum, FileContentSum(dir.GetFilePath("sum.bin").c_str())) << c.bytes.size() << " bytes";
    }
    // past one 64 KB read: 16,384 words of 0x01010101 (x 2^14 = 0x40404000 after wrap) and a tail 0x01
    std::vector<BYTE> big(65537, 0x01);
    ASSERT_TRUE(dir.WriteFile("big.bin", big.data(), (DWORD)big.size()));
    EXPECT_EQ(0x40404001u, FileContentSum(dir.GetFilePath("big.bin").c_str()));
}

TEST(FileInfo, ChangeDetectionTestsSizeTimeAndSumAndUpdatesOnlyWhenAsked)
{
    CTestTempDir dir;
    const std::string strPath = dir.GetFilePath("watched.txt");
    ASSERT_TRUE(dir.WriteFile("watched.txt", "abcd", 4));
    CFileInfo info(strPath.c_str(), FILEINFO_SIZE | FILEINFO_SUM | FILEINFO_TIME);
    EXPECT_EQ(4, info.m_liSize.QuadPart);
    EXPECT_EQ(0x64636261u, info.m_dwSum);
    EXPECT_EQ(0, info.IsFileChanged(FALSE));

    // same size, other content, time put back: only the sum tells
    FILETIME ftBefore = info.m_ftLastWriteTime;
    ASSERT_TRUE(dir.WriteFile("watched.txt", "abce", 4));
    HANDLE h = ::CreateFileA(strPath.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    ::SetFileTime(h, NULL, NULL, &ftBefore);
    ::CloseHandle(h);
    EXPECT_EQ(1, info.IsFileChanged(FALSE));
    EXPECT_EQ(0x64636261u, info.m_dwSum);                    // not updated without update
    EXPECT_EQ(1, info.IsFileChanged(TRUE));
    EXPECT_EQ(0x65636261u, info.m_dwSum);
    EXPECT_EQ(0, info.IsFileChanged(FALSE));

    // a longer file: with update 0 it answers at the size, before reading the sum
    ASSERT_TRUE(dir.WriteFile("watched.txt", "abcdefgh", 8));
    LARGE_INTEGER liSize = info.m_liSize;
    DWORD dwSum = 0xDEADBEEF;
    EXPECT_EQ(1, IsFileChanged(strPath.c_str(), &liSize, &dwSum, NULL, FALSE));
    EXPECT_EQ(4, liSize.QuadPart);
    EXPECT_EQ(0xDEADBEEFu, dwSum);

    // nothing tracked or no path: never changed
    CFileInfo untracked(strPath.c_str(), 0), empty;
    EXPECT_EQ(0, untracked.IsFileChanged(TRUE));
    EXPECT_EQ(0, empty.IsFileChanged(TRUE));
}

TEST(FileInfo, AMissingFileHasSizeAndTimeZeroAndItsSumThrowsTheFrameworksFileException)
{
    CTestTempDir dir;
    const std::string strMissing = dir.GetFilePath("missing.dat");
    LARGE_INTEGER liSize;
    liSize.QuadPart = 77;
    FILETIME ft = {5, 5};
    FileGetInfo(strMissing.c_str(), &liSize, NULL, &ft);
    EXPECT_EQ(0, liSize.QuadPart);
    EXPECT_EQ(0u, ft.dwLowDateTime | ft.dwHighDateTime);
    DWORD dwSum = 0;
    BOOL bThrown = FALSE;
    try
    {
        FileGetInfo(strMissing.c_str(), NULL, &dwSum, NULL);
    }
    catch (CFileException* pEx)
    {
        bThrown = pEx->m_cause == CFileException::fileNotFound;
        pEx->Delete();
    }
    EXPECT_TRUE(bThrown);
}

TEST(FileInfo, NameTitleAndExtensionSplitThePath)
{
    const struct
    {
        LPCSTR lpszPath, lpszName, lpszTitle, lpszExt;
    } cases[] = {
        {"C:\\Dir\\File.TXT", "File.TXT", "File", ".TXT"},
        {"C:\\Dir.d\\noext", "noext", "noext", ""},
        {"C:\\Dir\\a.b.c", "a.b.c", "a.b", ".c"},
        {"plain", "plain", "plain", ""},
    };
    for (const auto& c : cases)
    {
        CFileInfo info = Record(c.lpszPath, FALSE, 0);
        EXPECT_STREQ(c.lpszName, info.GetFileName()) << c.lpszPath;
        EXPECT_STREQ(c.lpszTitle, info.GetFileTitle()) << c.lpszPath;
        EXPECT_STREQ(c.lpszExt, info.GetFileExt()) << c.lpszPath;
    }
}

TEST(FileInfo, AddFileInfoPlacesRecordsByGroupAndKey)
{
    // d = folder, f = file; the name carries the length and time
    struct SCase
    {
        LPCSTR lpszName;
        long lFlags;
        std::vector<CFileInfo> records;      // in insertion order
        LPCSTR lpszOrder;
        std::vector<int> indexes;            // AddFileInfo's answers
    };
    const SCase cases[] = {
        {"by length", FILEINFO_BYLENGTH, {Record("f10", 0, 10), Record("f20", 0, 20)}, "f10 f20", {0, 1}},
        {"by length, descending", FILEINFO_BYLENGTH | FILEINFO_DESCENDING,
            {Record("f10", 0, 10), Record("f20", 0, 20)}, "f20 f10", {0, 0}},
        {"equal keys: the newer goes first", FILEINFO_BYLENGTH,
            {Record("x5", 0, 5), Record("y5", 0, 5), Record("z1", 0, 1)}, "z1 y5 x5", {0, 0, 0}},
        {"directories first, no key: folders appended, files at the boundary", FILEINFO_DIRSFIRST,
            {Record("fa", 0, 0), Record("d1", 1, 0), Record("fb", 0, 0), Record("d2", 1, 0)}, "d1 d2 fb fa",
            {0, 0, 1, 1}},
        {"files first, no key", FILEINFO_FILESFIRST,
            {Record("fa", 0, 0), Record("d1", 1, 0), Record("fb", 0, 0), Record("d2", 1, 0)}, "fa fb d2 d1",
            {0, 1, 1, 2}},
        {"no flags: the end", 0, {Record("b", 0, 0), Record("a", 1, 0), Record("c", 0, 0)}, "b a c", {0, 1, 2}},
        {"directories first by path, descending", FILEINFO_DIRSFIRST | FILEINFO_BYPATH | FILEINFO_DESCENDING,
            {Record("fA", 0, 0), Record("dA", 1, 0), Record("fB", 0, 0), Record("dB", 1, 0)}, "dB dA fB fA",
            {0, 0, 1, 0}},
        {"path is byte-wise: upper case first", FILEINFO_BYPATH,
            {Record("b", 0, 0), Record("B", 0, 0), Record("a", 0, 0)}, "B a b", {0, 0, 1}},
        {"time beats path beats length", FILEINFO_BYLENGTH | FILEINFO_BYPATH | FILEINFO_BYTIME,
            {Record("a", 0, 1, 30), Record("b", 0, 2, 10), Record("c", 0, 3, 20)}, "b c a", {0, 0, 1}},
        {"path beats length", FILEINFO_BYLENGTH | FILEINFO_BYPATH,
            {Record("c", 0, 1), Record("a", 0, 3), Record("b", 0, 2)}, "a b c", {0, 0, 1}},
    };
    for (const SCase& c : cases)
    {
        CFileInfoArray arr;
        std::vector<int> indexes;
        for (CFileInfo info : c.records)
            indexes.push_back((int)arr.AddFileInfo(info, c.lFlags));
        EXPECT_EQ(c.lpszOrder, Paths(arr)) << c.lpszName;
        EXPECT_EQ(c.indexes, indexes) << c.lpszName;
        EXPECT_TRUE(arr.IsOrdered(c.lFlags)) << c.lpszName;
    }
}

TEST(FileInfo, AddDirListsANestedTreeInTheDocumentedOrderAndStopsWhenAsked)
{
    CTestTempDir dir;
    ASSERT_TRUE(::CreateDirectoryA(dir.GetFilePath("A").c_str(), NULL));
    ASSERT_TRUE(::CreateDirectoryA(dir.GetFilePath("A\\B").c_str(), NULL));
    ASSERT_TRUE(::CreateDirectoryA(dir.GetFilePath("A\\B\\C").c_str(), NULL));
    ASSERT_TRUE(dir.WriteFile("A\\a1.txt", "1", 1));
    ASSERT_TRUE(dir.WriteFile("A\\B\\b1.txt", "22", 2));
    ASSERT_TRUE(dir.WriteFile("A\\B\\C\\c1.txt", "333", 3));
    const std::string strRoot = std::string(dir.GetPath()) + "\\";

    // folders first by path, then the files by path: "B" (0x42) sorts before "a" (0x61)
    CFileInfoArray arr;
    volatile unsigned long nCounter = 0;
    EXPECT_EQ(6, arr.AddDir(strRoot.c_str(), "*.*", TRUE, FILEINFO_DIRSFIRST | FILEINFO_BYPATH, TRUE, NULL, &nCounter));
    EXPECT_EQ(6u, nCounter);
    std::string strExpected;
    for (LPCSTR lpsz : {"A", "A\\B", "A\\B\\C", "A\\B\\C\\c1.txt", "A\\B\\b1.txt", "A\\a1.txt"})
        strExpected += (strExpected.empty() ? "" : " ") + strRoot + lpsz;
    EXPECT_EQ(strExpected, Paths(arr));
    EXPECT_TRUE(arr[0].IsDirectory());
    EXPECT_EQ(3u, arr[3].GetLength());

    // without folders, by length descending; the mask picks files only
    CFileInfoArray files;
    EXPECT_EQ(3, files.AddDir(strRoot.c_str(), "*.txt", TRUE, FILEINFO_BYLENGTH | FILEINFO_DESCENDING, FALSE));
    EXPECT_EQ(strRoot + "A\\B\\C\\c1.txt " + strRoot + "A\\B\\b1.txt " + strRoot + "A\\a1.txt", Paths(files));

    // not recursive: only the one folder's entries
    CFileInfoArray top;
    EXPECT_EQ(1, top.AddDir(strRoot.c_str(), "*", FALSE, 0, TRUE));

    // a stop flag set from the start ends the first pass after its first entry: at most one record
    volatile int nStop = 1;
    volatile unsigned long nStopped = 0;
    CFileInfoArray stopped;
    int nAdded = stopped.AddDir((strRoot + "A\\").c_str(), "*", FALSE, 0, TRUE, &nStop, &nStopped);
    EXPECT_LE(nAdded, 1);
    EXPECT_EQ((unsigned long)nAdded, nStopped);
    EXPECT_EQ(nAdded, (int)stopped.GetSize());

    // folders that cannot be listed give no records
    CFileInfoArray none;
    EXPECT_EQ(0, none.AddDir((strRoot + "missing\\").c_str(), "*", TRUE, 0, TRUE));
    EXPECT_EQ(0, none.AddDir((strRoot + std::string(400, 'x') + "\\").c_str(), "*", TRUE, 0, TRUE));
    EXPECT_EQ(0, none.AddDir("", "*", TRUE, 0, TRUE));
    EXPECT_EQ(0, (int)none.GetSize());
}

TEST(FileInfo, TheMergedScanGivesExactlyTheOrderOfOneByOneInsertion)
{
    // ties everywhere: equal lengths, equal times, and a second scan of the same tree whose
    // records all equal the first scan's by every key
    CTestTempDir dir;
    const std::string strRoot = std::string(dir.GetPath()) + "\\";
    const char* folders[] = {"k", "L", "m"};
    for (const char* lpszFolder : folders)
    {
        ASSERT_TRUE(::CreateDirectoryA((strRoot + lpszFolder).c_str(), NULL));
        for (int i = 0; i < 7; ++i)
        {
            std::string strName = std::string(lpszFolder) + "\\" + (char)('q' - i) + ".d";
            ASSERT_TRUE(dir.WriteFile(strName.c_str(), "123456", (DWORD)(i % 3) * 2));
            SetWriteTime(strRoot + strName, (DWORD)(i % 2) * 1000);
        }
    }
    const long keys[] = {0, FILEINFO_BYLENGTH, FILEINFO_BYPATH, FILEINFO_BYTIME, FILEINFO_BYLENGTH | FILEINFO_BYPATH};
    const long groups[] = {0, FILEINFO_DIRSFIRST, FILEINFO_FILESFIRST};
    for (long lKey : keys)
        for (long lGroup : groups)
            for (long lDesc : {0L, (long)FILEINFO_DESCENDING})
            {
                long lFlags = lKey | lGroup | lDesc;
                CFileInfoArray merged;
                COneByOneArray single;
                for (int nScan = 0; nScan < 2; ++nScan)
                {
                    int nMerged = merged.AddDir(strRoot.c_str(), "*", TRUE, lFlags, TRUE);
                    int nSingle = single.AddDir(strRoot.c_str(), "*", TRUE, lFlags, TRUE);
                    EXPECT_EQ(24, nMerged);
                    EXPECT_EQ(nSingle, nMerged);
                }
                EXPECT_EQ(Paths(single), Paths(merged)) << "flags " << lFlags;
            }

    // an array out of order is not merged into: the records go where the rules put them
    CFileInfoArray unordered;
    COneByOneArray reference;
    for (CFileInfoArray* pArr : {(CFileInfoArray*)&unordered, (CFileInfoArray*)&reference})
    {
        CFileInfo zz = Record("zz", 0, 9), aa = Record("aa", 0, 1);
        pArr->Add(zz);
        pArr->Add(aa);
    }
    EXPECT_FALSE(unordered.IsOrdered(FILEINFO_BYPATH));
    unordered.AddDir(strRoot.c_str(), "*", TRUE, FILEINFO_BYPATH, FALSE);
    reference.AddDir(strRoot.c_str(), "*", TRUE, FILEINFO_BYPATH, FALSE);
    EXPECT_EQ(Paths(reference), Paths(unordered));
}
