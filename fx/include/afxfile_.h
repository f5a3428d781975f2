// afxfile_.h - files and archives: CFile (a Win32 file handle), CMemFile (a file in memory),
// CStdioFile (a C run-time stream with line I/O) and CArchive (buffered binary serialisation
// of values, strings and objects over a CFile).
//
// Errors are reported by throwing CFileException / CArchiveException, except for CFile::Open,
// which returns FALSE and fills the caller's CFileException.
// afx.h includes this header at a fixed point; a source that includes it first gets here again
// through afx.h, so the guard follows the include.
//
// Classes (in order):
//   CFile                          a file handle with exceptions on failure
//   CMemFile                       a file in memory
//   CStdioFile                     text lines over a file
//   CArchive                       serialisation of objects and values through a file
#include "afx.h"

#ifndef __AFXFILE__H__
#define __AFXFILE__H__

class CDocument;
class CPtrArray;
class CMapPtrToPtr;
class CFileException;

/////////////////////////////////////////////////////////////////////////////
// CFile

class AFX_FX_CLASS CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    // Flags of Open
    enum OpenFlags
    {
        modeRead         = 0x00000,
        modeWrite        = 0x00001,
        modeReadWrite    = 0x00002,
        shareCompat      = 0x00000,
        shareExclusive   = 0x00010,
        shareDenyWrite   = 0x00020,
        shareDenyRead    = 0x00030,
        shareDenyNone    = 0x00040,
        modeNoInherit    = 0x00080,
        modeCreate       = 0x01000,
        modeNoTruncate   = 0x02000,
        typeText         = 0x04000,     // CStdioFile only
        typeBinary       = 0x08000,     // CStdioFile only
        osNoBuffer       = 0x10000,
        osWriteThrough   = 0x20000,
        osRandomAccess   = 0x40000,
        osSequentialScan = 0x80000
    };

    enum Attribute
    {
        normal = 0x00, readOnly = 0x01, hidden = 0x02, system = 0x04, volume = 0x08,
        directory = 0x10, archive = 0x20
    };

    enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

    static const HANDLE hFileNull;

    // Constructors
    CFile();
    CFile(HANDLE hFile);                               // attaches; the handle is not closed by the destructor
    CFile(LPCSTR lpszFileName, UINT nOpenFlags);       // throws CFileException on failure
    virtual ~CFile();

    // Attributes
    HANDLE m_hFile;
    operator HANDLE() const { return m_hFile; }

    virtual ULONGLONG GetPosition() const;
    virtual CString GetFileName() const;    // the name with extension, without the folder
    virtual CString GetFileTitle() const;   // the name as the shell shows it
    virtual CString GetFilePath() const;    // the full path
    virtual void SetFilePath(LPCSTR lpszNewName);

    // Operations
    virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);

    static void PASCAL Rename(LPCSTR lpszOldName, LPCSTR lpszNewName);
    static void PASCAL Remove(LPCSTR lpszFileName);

    ULONGLONG SeekToEnd();
    void SeekToBegin();

    // Overridables
    virtual CFile* Duplicate() const;
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    virtual void SetLength(ULONGLONG dwNewLen);
    virtual ULONGLONG GetLength() const;
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void LockRange(ULONGLONG dwPos, ULONGLONG dwCount);
    virtual void UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount);
    virtual void Abort();       // closes without reporting errors
    virtual void Flush();
    virtual void Close();

protected:
    BOOL m_bCloseOnDelete;
    CString m_strFileName;

    void ThrowOsError(DWORD dwError) const;
};

/////////////////////////////////////////////////////////////////////////////
// CMemFile - a file in a memory block that grows by nGrowBytes (0 = fixed size)

class AFX_FX_CLASS CMemFile : public CFile
{
    DECLARE_DYNAMIC(CMemFile)
public:
    explicit CMemFile(UINT nGrowBytes = 1024);
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    virtual ~CMemFile();

    // A caller's block: with nGrowBytes 0 it is fixed and its whole size is the file's content;
    // otherwise the file starts empty and the block is reallocated as it grows.
    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Hands the block to the caller (who frees it with free()) and empties the file.
    BYTE* Detach();

    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    virtual void SetLength(ULONGLONG dwNewLen);
    virtual ULONGLONG GetLength() const;
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void LockRange(ULONGLONG dwPos, ULONGLONG dwCount);
    virtual void UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount);
    virtual void Abort();
    virtual void Flush();
    virtual void Close();
    virtual CFile* Duplicate() const;

protected:
    virtual BYTE* Alloc(SIZE_T nBytes);
    virtual BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes);
    virtual BYTE* Memcpy(BYTE* lpMemTarget, const BYTE* lpMemSource, SIZE_T nBytes);
    virtual void Free(BYTE* lpMem);
    virtual void GrowFile(SIZE_T dwNewLen);

    SIZE_T m_nGrowBytes;
    SIZE_T m_nPosition;
    SIZE_T m_nBufferSize;
    SIZE_T m_nFileSize;
    BYTE* m_lpBuffer;
    BOOL m_bAutoDelete;     // the block was allocated here and is freed here
};

/////////////////////////////////////////////////////////////////////////////
// CStdioFile - a C run-time stream; typeText translates line ends

class AFX_FX_CLASS CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    CStdioFile(FILE* pOpenStream);
    CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags);
    virtual ~CStdioFile();

    FILE* m_pStream;

    // Line I/O: WriteString writes the text as it is; ReadString(CString&) returns one line without
    // its line end and FALSE at the end of the file; ReadString(LPSTR, n) keeps the '\n' like fgets.
    virtual void WriteString(LPCSTR lpsz);
    virtual LPSTR ReadString(LPSTR lpsz, UINT nMax);
    virtual BOOL ReadString(CString& rString);

    virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    virtual ULONGLONG GetLength() const;
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void Abort();
    virtual void Flush();
    virtual void Close();
    virtual CFile* Duplicate() const;
    virtual void LockRange(ULONGLONG dwPos, ULONGLONG dwCount);
    virtual void UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount);

protected:
    void ThrowErrno() const;
};

/////////////////////////////////////////////////////////////////////////////
// CArchive
//
// Values are stored little-endian as they are in memory.  Strings carry a length prefix: a
// byte below 0xFF; else 0xFF and a word below 0xFFFE; else 0xFF, 0xFFFF and a double word below
// 0xFFFFFFFF; else 0xFF, 0xFFFF, 0xFFFFFFFF and a quad word.  Objects are written once: the first
// time as their class (a new-class tag 0xFFFF with schema and name, or the index of a class
// already written) followed by their own data, later only as the index of the object.

class AFX_FX_CLASS CArchive
{
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = NULL);
    ~CArchive();

    // Attributes
    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsByteSwapping() const { return FALSE; }
    BOOL IsBufferEmpty() const { return m_lpBufCur == m_lpBufMax; }
    CFile* GetFile() const { return m_pFile; }

    // The schema of the object being loaded; -1 after the first call for that object.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    CDocument* m_pDocument;     // the document being serialised, for objects that need it

    // Raw bytes
    UINT Read(void* lpBuf, UINT nMax);              // returns fewer bytes at the end of the file
    void EnsureRead(void* lpBuf, UINT nCount);      // throws endOfFile unless all bytes come
    void Write(const void* lpBuf, UINT nMax);
    void Flush();
    void Close();
    void Abort();       // detaches from the file without writing the buffer

    // Text lines
    void WriteString(LPCSTR lpsz);                  // the text, without a line end
    LPSTR ReadString(LPSTR lpsz, UINT nMax);        // one line, '\n' kept, "\r\n" read as "\n"
    BOOL ReadString(CString& rString);              // one line without its line end

    // Objects
    CObject* ReadObject(const CRuntimeClass* pClass);
    void WriteObject(const CObject* pOb);
    void MapObject(const CObject* pOb);             // counts an object as written/read already
    void WriteClass(const CRuntimeClass* pClassRef);
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = NULL,
        UINT* pSchema = NULL, DWORD* pObTag = NULL);
    void SerializeClass(const CRuntimeClass* pClassRef);
    void SetStoreParams(UINT nHashSize = 2053, UINT nBlockSize = 128);
    void SetLoadParams(UINT nGrowBy = 1024);

    // Element counts of collections: a word, or 0xFFFF and a double word, or ... and a quad word
    DWORD_PTR ReadCount();
    void WriteCount(DWORD_PTR dwCount);

    // The length prefix of strings (see above); bUnicode is set when the string that follows
    // consists of wide characters.
    void WriteStringLength(DWORD_PTR nLength);
    DWORD_PTR ReadStringLength(BOOL& bUnicode);

    // Values
    CArchive& operator<<(BYTE by) { return WriteValue(by); }
    CArchive& operator<<(WORD w) { return WriteValue(w); }
    CArchive& operator<<(LONG l) { return WriteValue(l); }
    CArchive& operator<<(DWORD dw) { return WriteValue(dw); }
    CArchive& operator<<(float f) { return WriteValue(f); }
    CArchive& operator<<(double d) { return WriteValue(d); }
    CArchive& operator<<(LONGLONG dwdw) { return WriteValue(dwdw); }
    CArchive& operator<<(ULONGLONG dwdw) { return WriteValue(dwdw); }
    CArchive& operator<<(int i) { return WriteValue(i); }
    CArchive& operator<<(short w) { return WriteValue(w); }
    CArchive& operator<<(char ch) { return WriteValue(ch); }
    CArchive& operator<<(wchar_t ch) { return WriteValue(ch); }
    CArchive& operator<<(unsigned u) { return WriteValue(u); }
    CArchive& operator<<(bool b) { return WriteValue((BYTE)(b ? 1 : 0)); }
    // a C string is stored as a CString (and not as the pointer's truth value)
    CArchive& operator<<(LPCSTR lpsz);

    CArchive& operator>>(BYTE& by) { return ReadValue(by); }
    CArchive& operator>>(WORD& w) { return ReadValue(w); }
    CArchive& operator>>(LONG& l) { return ReadValue(l); }
    CArchive& operator>>(DWORD& dw) { return ReadValue(dw); }
    CArchive& operator>>(float& f) { return ReadValue(f); }
    CArchive& operator>>(double& d) { return ReadValue(d); }
    CArchive& operator>>(LONGLONG& dwdw) { return ReadValue(dwdw); }
    CArchive& operator>>(ULONGLONG& dwdw) { return ReadValue(dwdw); }
    CArchive& operator>>(int& i) { return ReadValue(i); }
    CArchive& operator>>(short& w) { return ReadValue(w); }
    CArchive& operator>>(char& ch) { return ReadValue(ch); }
    CArchive& operator>>(wchar_t& ch) { return ReadValue(ch); }
    CArchive& operator>>(unsigned& u) { return ReadValue(u); }
    CArchive& operator>>(bool& b) { BYTE by; ReadValue(by); b = by != 0; return *this; }

    UINT m_nObjectSchema;
    CString m_strFileName;

protected:
    UINT m_nMode;
    BOOL m_bUserBuf;
    int m_nBufSize;
    CFile* m_pFile;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax;
    BYTE* m_lpBufStart;

    // Objects and classes written or read so far share one index space; index 0 is NULL.
    UINT m_nMapCount;
    CMapPtrToPtr* m_pStoreMap;      // storing: object or class -> index
    CPtrArray* m_pLoadArray;        // loading: index -> object or class
    CMapPtrToPtr* m_pSchemaMap;     // loading: class -> schema found in the archive
    UINT m_nHashSize;
    UINT m_nGrowSize;

    void FillBuffer(UINT nBytesNeeded);
    void CheckLoading() const;
    void CheckStoring() const;
    void InitStoreMap();
    void InitLoadArray();
    void CheckCount() const;
    BOOL IsLoadedClass(const void* p) const;

    template<class T> CArchive& WriteValue(T value)
    {
        CheckStoring();
        if (m_lpBufCur + sizeof(T) > m_lpBufMax)
            Flush();
        memcpy(m_lpBufCur, &value, sizeof(T));
        m_lpBufCur += sizeof(T);
        return *this;
    }
    template<class T> CArchive& ReadValue(T& value)
    {
        CheckLoading();
        if (m_lpBufCur + sizeof(T) > m_lpBufMax)
            FillBuffer((UINT)(sizeof(T) - (m_lpBufMax - m_lpBufCur)));
        memcpy(&value, m_lpBufCur, sizeof(T));
        m_lpBufCur += sizeof(T);
        return *this;
    }

private:
    CArchive(const CArchive& arSrc);        // no implementation
    void operator=(const CArchive& arSrc);  // no implementation
};

AFX_FX_API CArchive& AFXAPI operator<<(CArchive& ar, const CString& string);
AFX_FX_API CArchive& AFXAPI operator>>(CArchive& ar, CString& string);

// Objects, written with WriteObject / read with ReadObject.
AFX_FX_API CArchive& AFXAPI operator<<(CArchive& ar, const CObject* pOb);
AFX_FX_API CArchive& AFXAPI operator>>(CArchive& ar, CObject*& pOb);
AFX_FX_API CArchive& AFXAPI operator>>(CArchive& ar, const CObject*& pOb);

// Geometry, as the bytes of the Win32 structures.
AFX_FX_API CArchive& AFXAPI operator<<(CArchive& ar, SIZE size);
AFX_FX_API CArchive& AFXAPI operator<<(CArchive& ar, POINT point);
AFX_FX_API CArchive& AFXAPI operator<<(CArchive& ar, const RECT& rect);
AFX_FX_API CArchive& AFXAPI operator>>(CArchive& ar, SIZE& size);
AFX_FX_API CArchive& AFXAPI operator>>(CArchive& ar, POINT& point);
AFX_FX_API CArchive& AFXAPI operator>>(CArchive& ar, RECT& rect);

#endif // __AFXFILE__H__
