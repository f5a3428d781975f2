// FileInfo.cpp - file records, change detection and the ordered record array.
#include "FileInfo.h"
#include <algorithm>
#include <cstring>
#include <typeinfo>
#include <vector>

/////////////////////////////////////////////////////////////////////////////
// Content sum and change detection

namespace
{
// Adds nBytes of p to the sum, whole words only; returns the bytes left over (0..3).
size_t AddWords(DWORD& dwSum, const BYTE* p, size_t nBytes)
{
    // the words are little-endian, as the machine's own: plain loads, which the compiler widens
    size_t nWords = nBytes / 4;
    DWORD dw = dwSum;
    for (size_t i = 0; i < nWords; ++i, p += 4)
    {
        DWORD dwWord;
        memcpy(&dwWord, p, 4);
        dw += dwWord;
    }
    dwSum = dw;
    return nBytes % 4;
}

// the last partial word, its missing high-order bytes zero
DWORD TailWord(const BYTE* p, size_t nBytes)
{
    DWORD dw = 0;
    for (size_t i = 0; i < nBytes; ++i)
        dw |= (DWORD)p[i] << (8 * i);
    return dw;
}

// Size and last write time of the file, both 0 when it cannot be opened.
void ReadSizeAndTime(HANDLE hFile, LARGE_INTEGER& liSize, FILETIME& ftTime)
{
    liSize.QuadPart = 0;
    ftTime.dwLowDateTime = ftTime.dwHighDateTime = 0;
    if (hFile == INVALID_HANDLE_VALUE)
        return;
    if (!::GetFileSizeEx(hFile, &liSize))
        liSize.QuadPart = 0;
    if (!::GetFileTime(hFile, NULL, NULL, &ftTime))
        ftTime.dwLowDateTime = ftTime.dwHighDateTime = 0;
}

HANDLE OpenForRead(const char* lpszPath)
{
    if (lpszPath == NULL || *lpszPath == '\0')
        return INVALID_HANDLE_VALUE;
    return ::CreateFileA(lpszPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL, NULL);
}
} // namespace

DWORD MemoryContentSum(const void* pData, size_t nBytes)
{
    DWORD dwSum = 0;
    size_t nLeft = AddWords(dwSum, (const BYTE*)pData, nBytes);
    if (nLeft != 0)
        dwSum += TailWord((const BYTE*)pData + nBytes - nLeft, nLeft);
    return dwSum;
}

DWORD FileContentSum(LPCSTR lpszPath)
{
    // the constructor throws CFileException when the file cannot be opened
    CFile file(lpszPath, CFile::modeRead | CFile::shareDenyWrite | CFile::osSequentialScan);
    // 64 KB reads: few enough calls that the sum itself dominates
    const size_t nChunk = 64 * 1024;
    std::vector<BYTE> buffer(nChunk + 4);
    DWORD dwSum = 0;
    size_t nCarry = 0;                  // bytes of an unfinished word before the buffer's data
    for (;;)
    {
        UINT nRead = file.Read(buffer.data() + nCarry, (UINT)nChunk);
        if (nRead == 0)
            break;
        size_t nHave = nCarry + nRead;
        nCarry = AddWords(dwSum, buffer.data(), nHave);
        if (nCarry != 0)
            memmove(buffer.data(), buffer.data() + nHave - nCarry, nCarry);
    }
    if (nCarry != 0)
        dwSum += TailWord(buffer.data(), nCarry);
    file.Close();
    return dwSum;
}

void FileGetInfo(const char* lpszPath, LARGE_INTEGER* pSize, DWORD* pSum, FILETIME* pTime)
{
    if (pSize != NULL || pTime != NULL)
    {
        HANDLE hFile = OpenForRead(lpszPath);
        LARGE_INTEGER liSize;
        FILETIME ftTime;
        ReadSizeAndTime(hFile, liSize, ftTime);
        if (hFile != INVALID_HANDLE_VALUE)
            ::CloseHandle(hFile);
        if (pSize != NULL)
            *pSize = liSize;
        if (pTime != NULL)
            *pTime = ftTime;
    }
    if (pSum != NULL)
        *pSum = FileContentSum(lpszPath);
}

int IsFileChanged(const char* lpszPath, LARGE_INTEGER* pSize, DWORD* pSum, FILETIME* pTime, int bUpdate)
{
    int bChanged = 0;
    LARGE_INTEGER liSize;
    FILETIME ftTime;
    if (pSize != NULL || pTime != NULL)
    {
        HANDLE hFile = OpenForRead(lpszPath);
        ReadSizeAndTime(hFile, liSize, ftTime);
        if (hFile != INVALID_HANDLE_VALUE)
            ::CloseHandle(hFile);
    }

    if (pSize != NULL && pSize->QuadPart != liSize.QuadPart)
    {
        if (!bUpdate)
            return 1;
        *pSize = liSize;
        bChanged = 1;
    }
    if (pTime != NULL && ::CompareFileTime(pTime, &ftTime) != 0)
    {
        if (!bUpdate)
            return 1;
        *pTime = ftTime;
        bChanged = 1;
    }
    if (pSum != NULL)
    {
        DWORD dwSum = FileContentSum(lpszPath);
        if (dwSum != *pSum)
        {
            if (!bUpdate)
                return 1;
            *pSum = dwSum;
            bChanged = 1;
        }
    }
    return bChanged;
}

/////////////////////////////////////////////////////////////////////////////
// CFileInfo

CFileInfo::CFileInfo() : m_wTracked(0), m_dwAttributes(0), m_uhLength(0), m_dwSum(0)
{
    m_liSize.QuadPart = 0;
    m_ftLastWriteTime.dwLowDateTime = m_ftLastWriteTime.dwHighDateTime = 0;
}

CFileInfo::CFileInfo(const char* lpszPath, WORD wTracked) : CFileInfo()
{
    GetFileInfo(lpszPath, wTracked);
}

CFileInfo::CFileInfo(const CFileInfo& src)
    : m_strFilePath(src.m_strFilePath), m_wTracked(src.m_wTracked), m_dwAttributes(src.m_dwAttributes),
      m_uhLength(src.m_uhLength), m_liSize(src.m_liSize), m_dwSum(src.m_dwSum),
      m_ftLastWriteTime(src.m_ftLastWriteTime)
{
}

CFileInfo& CFileInfo::operator=(const CFileInfo& src)
{
    m_strFilePath = src.m_strFilePath;
    m_wTracked = src.m_wTracked;
    m_dwAttributes = src.m_dwAttributes;
    m_uhLength = src.m_uhLength;
    m_liSize = src.m_liSize;
    m_dwSum = src.m_dwSum;
    m_ftLastWriteTime = src.m_ftLastWriteTime;
    return *this;
}

void CFileInfo::GetFileInfo(const char* lpszPath, WORD wTracked)
{
    m_strFilePath = lpszPath != NULL ? lpszPath : "";
    m_wTracked = wTracked;
    FileGetInfo(m_strFilePath, (wTracked & FILEINFO_SIZE) ? &m_liSize : NULL,
        (wTracked & FILEINFO_SUM) ? &m_dwSum : NULL, (wTracked & FILEINFO_TIME) ? &m_ftLastWriteTime : NULL);
}

int CFileInfo::IsFileChanged(int bUpdate)
{
    if (m_strFilePath.IsEmpty() || (m_wTracked & (FILEINFO_SIZE | FILEINFO_SUM | FILEINFO_TIME)) == 0)
        return 0;
    return ::IsFileChanged(m_strFilePath, (m_wTracked & FILEINFO_SIZE) ? &m_liSize : NULL,
        (m_wTracked & FILEINFO_SUM) ? &m_dwSum : NULL, (m_wTracked & FILEINFO_TIME) ? &m_ftLastWriteTime : NULL,
        bUpdate);
}

void CFileInfo::Create(const WIN32_FIND_DATAA* pFindData, CString strFolder, long /*lReserved*/)
{
    if (pFindData == NULL)
        return;
    m_strFilePath = strFolder + pFindData->cFileName;
    m_dwAttributes = pFindData->dwFileAttributes;
    m_uhLength = ((ULONGLONG)pFindData->nFileSizeHigh << 32) | pFindData->nFileSizeLow;
    m_dwSum = 0;
    m_ftLastWriteTime = pFindData->ftLastWriteTime;
}

void CFileInfo::Create(CString strPath, long lReserved)
{
    if (strPath.IsEmpty())
        return;
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA(strPath, &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    ::FindClose(hFind);
    Create(&fd, strPath.Left(strPath.ReverseFind('\\') + 1), lReserved);
}

CString CFileInfo::GetFileName() const
{
    return m_strFilePath.Mid(m_strFilePath.ReverseFind('\\') + 1);
}

CString CFileInfo::GetFileTitle() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot < 0 ? strName : strName.Left(nDot);
}

CString CFileInfo::GetFileExt() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot < 0 ? CString() : strName.Mid(nDot);
}

/////////////////////////////////////////////////////////////////////////////
// CFileInfoArray - ordering

namespace
{
// 0 for the run that comes first, 1 for the other; everything is one run without grouping
// (directories first wins when both groupings are asked for).
inline int RunOf(const CFileInfo& info, long lFlags)
{
    if (lFlags & FILEINFO_DIRSFIRST)
        return info.IsDirectory() ? 0 : 1;
    if (lFlags & FILEINFO_FILESFIRST)
        return info.IsDirectory() ? 1 : 0;
    return 0;
}

inline BOOL IsGrouped(long lFlags)
{
    return (lFlags & (FILEINFO_DIRSFIRST | FILEINFO_FILESFIRST)) != 0;
}

// the key that decides: time beats path beats length; 0 for none
inline long KeyOf(long lFlags)
{
    if (lFlags & FILEINFO_BYTIME)
        return FILEINFO_BYTIME;
    if (lFlags & FILEINFO_BYPATH)
        return FILEINFO_BYPATH;
    if (lFlags & FILEINFO_BYLENGTH)
        return FILEINFO_BYLENGTH;
    return 0;
}

// a against b by the key, in the direction asked for: <0 a first, 0 equal, >0 b first
inline int CompareByKey(const CFileInfo& a, const CFileInfo& b, long lKey, long lFlags)
{
    int n = 0;
    switch (lKey)
    {
    case FILEINFO_BYTIME:
        n = ::CompareFileTime(&a.m_ftLastWriteTime, &b.m_ftLastWriteTime);
        break;
    case FILEINFO_BYPATH:
        n = strcmp(a.m_strFilePath, b.m_strFilePath);     // unsigned bytes, case-sensitive
        break;
    case FILEINFO_BYLENGTH:
        n = a.m_uhLength < b.m_uhLength ? -1 : a.m_uhLength > b.m_uhLength ? 1 : 0;
        break;
    default:
        return 0;
    }
    return (lFlags & FILEINFO_DESCENDING) ? -n : n;
}

// Where equal records go: with a key a new record goes before its equals (the first "not
// smaller" stops the scan); without one it is appended to the first run and put at the head of
// the second.
inline BOOL NewBeforeEqual(int nRun, long lFlags)
{
    return KeyOf(lFlags) != 0 || (IsGrouped(lFlags) && nRun == 1);
}
} // namespace

CFileInfoArray::CFileInfoArray()
{
    SetSize(0, 50);
}

CFileInfoArray::~CFileInfoArray()
{
}

INT_PTR CFileInfoArray::AddFileInfo(CFileInfo& info, long lFlags)
{
    INT_PTR nSize = GetSize();
    if (nSize == 0)
    {
        InsertAt(0, info);
        return 0;
    }

    // the record's run: [nFirst, nEnd)
    INT_PTR nFirst = 0, nEnd = nSize;
    if (IsGrouped(lFlags))
    {
        INT_PTR nBoundary = 0;
        while (nBoundary < nSize && RunOf(m_pData[nBoundary], lFlags) == 0)
            ++nBoundary;
        if (RunOf(info, lFlags) == 0)
            nEnd = nBoundary;
        else
            nFirst = nBoundary;
    }

    INT_PTR nIndex;
    long lKey = KeyOf(lFlags);
    if (lKey != 0)
    {
        // before the first record of the run that is not smaller (not greater, descending)
        nIndex = nEnd;
        for (INT_PTR i = nFirst; i < nEnd; ++i)
            if (CompareByKey(m_pData[i], info, lKey, lFlags) >= 0)
            {
                nIndex = i;
                break;
            }
    }
    else if (IsGrouped(lFlags))
        nIndex = RunOf(info, lFlags) == 0 ? nEnd : nFirst;     // the boundary of the runs
    else
        nIndex = nSize;
    InsertAt(nIndex, info);
    return nIndex;
}

INT_PTR CFileInfoArray::AddFile(CString strPath, long lFlags)
{
    CFileInfo info;
    info.Create(strPath, 0);
    return AddFileInfo(info, lFlags);
}

BOOL CFileInfoArray::IsOrdered(long lFlags) const
{
    long lKey = KeyOf(lFlags);
    for (INT_PTR i = 1; i < m_nSize; ++i)
    {
        int nRunA = RunOf(m_pData[i - 1], lFlags), nRunB = RunOf(m_pData[i], lFlags);
        if (nRunA != nRunB)
        {
            if (nRunA > nRunB)
                return FALSE;
        }
        else if (CompareByKey(m_pData[i - 1], m_pData[i], lKey, lFlags) > 0)
            return FALSE;
    }
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CFileInfoArray - folder scan

namespace
{
// the records waiting for the merge, in the order the scan met them
typedef std::vector<CFileInfo> CPendingList;
} // namespace

int CFileInfoArray::AddDir(CString strFolder, CString strMask, int bRecurse, long lFlags, int bAddFolders,
    const volatile int* pStop, volatile unsigned long* pCounter)
{
    if (strFolder.IsEmpty())
        return 0;
    if (strFolder[strFolder.GetLength() - 1] != '\\')
        strFolder += '\\';
    if (strMask.IsEmpty())
        strMask = "*";

    // Records inserted one by one each cost a scan and a shift of the array, which grows with
    // the square of the folder's size.  When the array is already in order and nobody else
    // places records, collecting them and merging once gives exactly the order that inserting
    // them one at a time would: every comparison is the same, and equal records end as the
    // one-at-a-time rules leave them (see NewBeforeEqual).
    if (typeid(*this) == typeid(CFileInfoArray) && IsOrdered(lFlags))
    {
        CPendingList collected;
        collected.reserve(256);
        int nAdded = ScanDir(strFolder, strMask, bRecurse, lFlags, bAddFolders, pStop, pCounter, &collected);
        MergePending(&collected, lFlags);
        return nAdded;
    }
    return ScanDir(strFolder, strMask, bRecurse, lFlags, bAddFolders, pStop, pCounter, NULL);
}

int CFileInfoArray::ScanDir(const CString& strFolder, const CString& strMask, int bRecurse, long lFlags,
    int bAddFolders, const volatile int* pStop, volatile unsigned long* pCounter, void* pCollected)
{
    CPendingList* pList = (CPendingList*)pCollected;
    int nAdded = 0;
    auto add = [&](const WIN32_FIND_DATAA& fd) {
        CFileInfo info;
        info.Create(&fd, strFolder, 0);
        if (pList != NULL)
            pList->push_back(info);
        else
            AddFileInfo(info, lFlags);
        ++nAdded;
        if (pCounter != NULL)
            ::InterlockedIncrement((volatile LONG*)pCounter);
    };
    auto stopped = [pStop]() { return pStop != NULL && *pStop != 0; };

    // A mask that takes every entry would list the folder a second time for its files; they are
    // kept from the first pass instead, in the order the second would have met them.
    const BOOL bEveryEntry = strMask == "*" || strMask == "*.*";
    std::vector<WIN32_FIND_DATAA> files;

    // first pass: the folders
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA(strFolder + "*", &fd);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            {
                if (bEveryEntry)
                    files.push_back(fd);
            }
            else if (strcmp(fd.cFileName, ".") != 0 && strcmp(fd.cFileName, "..") != 0)
            {
                if (bAddFolders)
                    add(fd);
                if (bRecurse)
                    nAdded += ScanDir(strFolder + fd.cFileName + "\\", strMask, bRecurse, lFlags, bAddFolders,
                        pStop, pCounter, pCollected);
            }
        } while (!stopped() && ::FindNextFileA(hFind, &fd));
        ::FindClose(hFind);
    }
    if (stopped())
        return nAdded;

    // second pass: the files the mask names
    if (bEveryEntry)
    {
        for (size_t i = 0; i < files.size() && !stopped(); ++i)
            add(files[i]);
        return nAdded;
    }
    hFind = ::FindFirstFileA(strFolder + strMask, &fd);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                add(fd);
        } while (!stopped() && ::FindNextFileA(hFind, &fd));
        ::FindClose(hFind);
    }
    return nAdded;
}

void CFileInfoArray::MergePending(void* pCollected, long lFlags)
{
    CPendingList& list = *(CPendingList*)pCollected;
    if (list.empty())
        return;
    long lKey = KeyOf(lFlags);

    // the collected records in their final order among themselves; indexes are sorted rather
    // than the records, and an index is also the order in which the scan met the record
    std::vector<size_t> order(list.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&list, lKey, lFlags](size_t a, size_t b) {
        const CFileInfo& infoA = list[a];
        const CFileInfo& infoB = list[b];
        int nRunA = RunOf(infoA, lFlags), nRunB = RunOf(infoB, lFlags);
        if (nRunA != nRunB)
            return nRunA < nRunB;
        int n = CompareByKey(infoA, infoB, lKey, lFlags);
        if (n != 0)
            return n < 0;
        // equals: the later one stands first where a new record goes before its equals
        return NewBeforeEqual(nRunA, lFlags) ? a > b : a < b;
    });

    // merge from the back into the grown array; the old records keep their relative order
    INT_PTR nOld = GetSize();
    SetSize(nOld + (INT_PTR)list.size());
    INT_PTR i = nOld - 1, k = GetSize() - 1;
    ptrdiff_t j = (ptrdiff_t)list.size() - 1;
    while (j >= 0)
    {
        BOOL bTakeNew = TRUE;
        if (i >= 0)
        {
            const CFileInfo& old = m_pData[i];
            const CFileInfo& add = list[order[j]];
            int nRunOld = RunOf(old, lFlags), nRunNew = RunOf(add, lFlags);
            int n = nRunOld != nRunNew ? nRunOld - nRunNew : CompareByKey(old, add, lKey, lFlags);
            // the one that goes last is placed first
            if (n > 0)
                bTakeNew = FALSE;
            else if (n == 0)
                bTakeNew = !NewBeforeEqual(nRunNew, lFlags);
        }
        if (bTakeNew)
            m_pData[k--] = list[order[j--]];
        else
            m_pData[k--] = m_pData[i--];
    }
}
