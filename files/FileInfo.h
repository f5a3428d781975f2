// FileInfo.h - records of files and folders, and arrays of them kept in a chosen order.
//
//   CFileInfo        one file: path, attributes, length, and the parts tracked for change
//                    detection (size, content sum, last write time)
//   CFileInfoArray   records filled from a folder (optionally recursively, cancellably from a
//                    worker thread), each inserted where its sort and grouping flags put it
//   FileGetInfo, IsFileChanged, FileContentSum
//                    change detection on a path
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

// Tracked parts of a file (CFileInfo, FileGetInfo, IsFileChanged)
#define FILEINFO_SIZE       0x0001
#define FILEINFO_SUM        0x0002
#define FILEINFO_TIME       0x0004

// Sort and grouping flags of CFileInfoArray::AddFileInfo and AddDir
#define FILEINFO_DESCENDING 0x0001  // with a key: descending instead of ascending
#define FILEINFO_BYLENGTH   0x0002
#define FILEINFO_BYPATH     0x0004  // byte-wise, case-sensitive
#define FILEINFO_DIRSFIRST  0x0008
#define FILEINFO_FILESFIRST 0x0010
#define FILEINFO_BYTIME     0x0020

// The content sum of a file: its bytes as consecutive 32-bit little-endian words added with
// wrap-around, a last partial word zero-filled in its high-order bytes.  A change detector, not
// a checksum.  The file is read through CFile, so a file that cannot be opened throws the
// framework's CFileException.
AFX_EXT_API DWORD FileContentSum(LPCSTR lpszPath);
// The same sum of a block of memory, as the file sum adds it.
AFX_EXT_API DWORD MemoryContentSum(const void* pData, size_t nBytes);

// Fills each non-NULL output: size and last write time of the opened file (0 for a file that
// cannot be opened), the content sum by reading the whole file (CFileException when it cannot
// be read).
AFX_EXT_API void FileGetInfo(const char* lpszPath, LARGE_INTEGER* pSize, DWORD* pSum, FILETIME* pTime);
// 1 when a non-NULL part differs from the file; the parts are tested as size, time, sum.
// Without bUpdate the first difference answers at once and nothing is written; with bUpdate
// every differing part is stored and the answer is 1 when anything changed.
AFX_EXT_API int IsFileChanged(const char* lpszPath, LARGE_INTEGER* pSize, DWORD* pSum, FILETIME* pTime,
    int bUpdate);

class AFX_EXT_CLASS CFileInfo
{
public:
    CFileInfo();
    CFileInfo(const char* lpszPath, WORD wTracked);
    CFileInfo(const CFileInfo& src);
    CFileInfo& operator=(const CFileInfo& src);

    // stores the path and the tracked parts and reads those parts from the file
    void GetFileInfo(const char* lpszPath, WORD wTracked);
    // 0 when there is no path or nothing is tracked
    int IsFileChanged(int bUpdate);

    // from a directory entry of folder (which ends with "\"); the sum is 0
    void Create(const WIN32_FIND_DATAA* pFindData, CString strFolder, long lReserved = 0);
    // from the entry the path finds; nothing changes when it finds none
    void Create(CString strPath, long lReserved = 0);

    CString GetFilePath() const { return m_strFilePath; }
    CString GetFileName() const;        // title and extension
    CString GetFileTitle() const;       // name without its extension
    CString GetFileExt() const;         // extension with its ".", or empty
    BOOL IsDirectory() const { return (m_dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    DWORD GetLength() const { return (DWORD)m_uhLength; }
    ULONGLONG GetLength64() const { return m_uhLength; }

    CString m_strFilePath;
    WORD m_wTracked;                    // FILEINFO_ parts
    DWORD m_dwAttributes;
    ULONGLONG m_uhLength;               // from the directory entry
    LARGE_INTEGER m_liSize;             // size as last read for change detection
    DWORD m_dwSum;                      // content sum as last read
    FILETIME m_ftLastWriteTime;
};

class AFX_EXT_CLASS CFileInfoArray : public CArray<CFileInfo, CFileInfo&>
{
public:
    CFileInfoArray();
    virtual ~CFileInfoArray();

    // Inserts the record where lFlags put it and returns its index.  Directories and files are
    // kept in two runs (FILEINFO_DIRSFIRST / FILESFIRST); within its run a record goes before
    // the first one that is not smaller (not greater, descending) by the key; when several keys
    // are given, time beats path beats length.  Without a key it goes to the boundary of the
    // runs, or to the end without grouping.  Cost: one pass over the array.
    virtual INT_PTR AddFileInfo(CFileInfo& info, long lFlags);
    // a record of the path's entry (an empty record when there is none), inserted as above
    INT_PTR AddFile(CString strPath, long lFlags);
    // Adds the folders (with bAddFolders) and the files matching strMask below strFolder, which
    // ends with "\".  pStop, read after each entry, ends the scan when another thread sets it;
    // pCounter is raised with an interlocked increment for every record.  The number added.
    //
    // Cost: when the array is already in lFlags' order and this class places the records
    // itself, the scan collects them, sorts them once and merges them in one pass (n log n);
    // a derived class that places records its own way gets each through AddFileInfo.
    int AddDir(CString strFolder, CString strMask, int bRecurse, long lFlags, int bAddFolders,
        const volatile int* pStop = NULL, volatile unsigned long* pCounter = NULL);

    // TRUE when the records are in the order lFlags would have put them in
    BOOL IsOrdered(long lFlags) const;

protected:
    int ScanDir(const CString& strFolder, const CString& strMask, int bRecurse, long lFlags,
        int bAddFolders, const volatile int* pStop, volatile unsigned long* pCounter,
        void* pCollected);
    void MergePending(void* pCollected, long lFlags);
};
