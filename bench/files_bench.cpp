// files_bench - folder scans into ordered file records, and change detection by content sum.
//
//   1. CFileInfoArray::AddDir over 5,000 files in 50 folders (made once, before any timing),
//      recursive, folders included, directories first and then path order, against
//      FindFirstFile/FindNextFile into a std::vector and std::stable_sort by the same key.
//   2. IsFileChanged with the content sum on a 4 MB file, against ReadFile in 64 KB blocks and a
//      plain 32-bit sum of the words.
#include <afxwin.h>
#include <stdio.h>
#include <string.h>
#include <algorithm>
#include <string>
#include <vector>
#include "files/FileInfo.h"
#include "BenchHarness.h"

namespace
{
const int FOLDERS = 50;
const int FILES_PER_FOLDER = 100;
const DWORD SUM_FILE_BYTES = 4 * 1024 * 1024;

int g_nWrong = 0;

std::string g_strRoot;

bool WriteBytes(const std::string& strPath, const void* pData, DWORD nBytes)
{
    HANDLE h = ::CreateFileA(strPath.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD nWritten = 0;
    BOOL bOk = ::WriteFile(h, pData, nBytes, &nWritten, NULL) && nWritten == nBytes;
    ::CloseHandle(h);
    return bOk != FALSE;
}

// the fixture: <temp>\wexo_files_bench\dNN\fNNN.dat, lengths varying, names not in creation order
bool MakeTree()
{
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    g_strRoot = std::string(szTemp) + "wexo_files_bench\\";
    ::CreateDirectoryA(g_strRoot.c_str(), NULL);
    char szName[MAX_PATH];
    std::string strData(300, 'x');
    for (int d = 0; d < FOLDERS; d++)
    {
        sprintf(szName, "%sd%02d", g_strRoot.c_str(), (d * 37) % FOLDERS);
        ::CreateDirectoryA(szName, NULL);
        for (int f = 0; f < FILES_PER_FOLDER; f++)
        {
            char szFile[MAX_PATH];
            sprintf(szFile, "%s\\f%03d.dat", szName, (f * 53) % FILES_PER_FOLDER);
            if (::GetFileAttributesA(szFile) == INVALID_FILE_ATTRIBUTES
                && !WriteBytes(szFile, strData.data(), (DWORD)(f % 7) * 40))
                return false;
        }
    }
    return true;
}

void RemoveTree()
{
    char szName[MAX_PATH];
    for (int d = 0; d < FOLDERS; d++)
    {
        for (int f = 0; f < FILES_PER_FOLDER; f++)
        {
            sprintf(szName, "%sd%02d\\f%03d.dat", g_strRoot.c_str(), d, f);
            ::DeleteFileA(szName);
        }
        sprintf(szName, "%sd%02d", g_strRoot.c_str(), d);
        ::RemoveDirectoryA(szName);
    }
    ::DeleteFileA((g_strRoot + "sum.dat").c_str());
    ::RemoveDirectoryA(g_strRoot.c_str());
}

// the baseline's record: what a plain scan keeps
struct SEntry
{
    std::string strPath;
    bool bDir;
    ULONGLONG nLength;
};

void ScanPlain(const std::string& strFolder, std::vector<SEntry>& entries)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((strFolder + "*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do
    {
        if (strcmp(fd.cFileName, ".") == 0 || strcmp(fd.cFileName, "..") == 0)
            continue;
        bool bDir = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entries.push_back(SEntry{strFolder + fd.cFileName, bDir,
            ((ULONGLONG)fd.nFileSizeHigh << 32) | fd.nFileSizeLow});
        if (bDir)
            ScanPlain(strFolder + fd.cFileName + "\\", entries);
    } while (::FindNextFileA(h, &fd));
    ::FindClose(h);
}

void CompareScan()
{
    const long lFlags = FILEINFO_DIRSFIRST | FILEINFO_BYPATH;
    size_t nOurs = 0, nBase = 0;
    std::vector<std::string> ours, base;
    Bench::SResult r = Bench::CompareRounds(
        [&] {
            CFileInfoArray arr;
            const double t0 = Bench::Now();
            arr.AddDir(g_strRoot.c_str(), "*", TRUE, lFlags, TRUE);
            const double t = Bench::Now() - t0;
            nOurs = (size_t)arr.GetSize();
            ours.clear();
            for (INT_PTR i = 0; i < arr.GetSize(); i++)
                ours.push_back((LPCSTR)arr[i].m_strFilePath);
            return t;
        },
        [&] {
            std::vector<SEntry> entries;
            const double t0 = Bench::Now();
            ScanPlain(g_strRoot, entries);
            std::stable_sort(entries.begin(), entries.end(), [](const SEntry& a, const SEntry& b) {
                if (a.bDir != b.bDir)
                    return a.bDir;
                return strcmp(a.strPath.c_str(), b.strPath.c_str()) < 0;
            });
            const double t = Bench::Now() - t0;
            nBase = entries.size();
            base.clear();
            for (const SEntry& e : entries)
                base.push_back(e.strPath);
            return t;
        });
    Bench::Report("AddDir 5,000 files, dirs first, by path", r, "FindFirstFile + vector + stable_sort");
    if (nOurs != (size_t)(FOLDERS * (FILES_PER_FOLDER + 1)) || ours != base)
    {
        printf("files_bench: the scan gave %u records, the baseline %u, %s order\n", (unsigned)nOurs,
            (unsigned)nBase, ours == base ? "same" : "different");
        g_nWrong++;
    }
}

void CompareSum()
{
    std::vector<BYTE> data(SUM_FILE_BYTES + 3);
    for (size_t i = 0; i < data.size(); i++)
        data[i] = (BYTE)(i * 131 + 7);
    std::string strPath = g_strRoot + "sum.dat";
    if (!WriteBytes(strPath, data.data(), (DWORD)data.size()))
    {
        printf("files_bench: cannot write %s\n", strPath.c_str());
        g_nWrong++;
        return;
    }
    DWORD dwOurs = 0, dwBase = 0;
    Bench::SResult r = Bench::Compare(
        [&] {
            DWORD dwSum = 0;
            // a stored sum that never matches: the whole file is read every time
            IsFileChanged(strPath.c_str(), NULL, &dwSum, NULL, TRUE);
            dwOurs = dwSum;
        },
        [&] {
            HANDLE h = ::CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                FILE_FLAG_SEQUENTIAL_SCAN, NULL);
            static BYTE buffer[64 * 1024];
            DWORD nRead = 0, dwSum = 0, dwTail = 0, nTail = 0;
            while (::ReadFile(h, buffer, sizeof(buffer), &nRead, NULL) && nRead != 0)
            {
                DWORD nWords = nRead / 4;
                const DWORD* p = (const DWORD*)buffer;
                for (DWORD i = 0; i < nWords; i++)
                    dwSum += p[i];
                for (DWORD i = nWords * 4; i < nRead; i++)
                    dwTail |= (DWORD)buffer[i] << (8 * nTail++);
            }
            ::CloseHandle(h);
            dwBase = dwSum + dwTail;
        }, 5, 0.1);
    Bench::Report("content sum of a 4 MB file", r, "ReadFile 64 KB + plain 32-bit sum", true);
    if (dwOurs != dwBase)
    {
        printf("files_bench: sums differ: %08lX against %08lX\n", (unsigned long)dwOurs, (unsigned long)dwBase);
        g_nWrong++;
    }
}
} // namespace

int main()
{
    Bench::Heading("files");
    if (!MakeTree())
    {
        printf("files_bench: cannot make the fixture below %s\n", g_strRoot.c_str());
        RemoveTree();
        return 1;
    }
    CompareScan();
    CompareSum();
    RemoveTree();
    if (g_nWrong != 0)
    {
        printf("files_bench: %d results wrong\n", g_nWrong);
        return 1;
    }
    return 0;
}
