// filecore.cpp - CFile, CMemFile and CStdioFile.
#include "afx.h"
#include <io.h>
#include <fcntl.h>
#include <errno.h>
#include <mbstring.h>

IMPLEMENT_DYNAMIC(CFile, CObject)
IMPLEMENT_DYNAMIC(CMemFile, CFile)
IMPLEMENT_DYNAMIC(CStdioFile, CFile)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

/////////////////////////////////////////////////////////////////////////////
// CFile

CFile::CFile()
    : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(HANDLE hFile)
    : m_hFile(hFile), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags)
    : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile()
{
    // a destructor cannot report a failed close
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        ::CloseHandle(m_hFile);
    m_hFile = hFileNull;
}

void CFile::ThrowOsError(DWORD dwError) const
{
    AfxThrowFileException(CFileException::OsErrorToException((LONG)dwError), (LONG)dwError, m_strFileName);
}

static void AfxFillFileException(CFileException* pException, int nCause, LONG lOsError, LPCSTR lpszFileName)
{
    if (pException != NULL)
    {
        pException->m_cause = nCause;
        pException->m_lOsError = lOsError;
        pException->m_strFileName = lpszFileName;
    }
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pException)
{
    // reopening a CFile releases the file it had
    if (m_hFile != hFileNull)
        Abort();
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();

    if (lpszFileName == NULL || *lpszFileName == '\0')
    {
        AfxFillFileException(pException, CFileException::badPath, ERROR_INVALID_NAME, lpszFileName);
        return FALSE;
    }

    DWORD dwAccess;
    switch (nOpenFlags & 3)
    {
    case modeRead:      dwAccess = GENERIC_READ; break;
    case modeWrite:     dwAccess = GENERIC_WRITE; break;
    case modeReadWrite: dwAccess = GENERIC_READ | GENERIC_WRITE; break;
    default:
        AfxFillFileException(pException, CFileException::genericException, ERROR_INVALID_PARAMETER, lpszFileName);
        return FALSE;
    }

    DWORD dwShareMode;
    switch (nOpenFlags & 0x70)
    {
    case shareCompat:       // the old compatibility mode is exclusive on Win32
    case shareExclusive:    dwShareMode = 0; break;
    case shareDenyWrite:    dwShareMode = FILE_SHARE_READ; break;
    case shareDenyRead:     dwShareMode = FILE_SHARE_WRITE; break;
    case shareDenyNone:     dwShareMode = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default:
        AfxFillFileException(pException, CFileException::genericException, ERROR_INVALID_PARAMETER, lpszFileName);
        return FALSE;
    }

    SECURITY_ATTRIBUTES sa;
    sa.nLength = sizeof(sa);
    sa.lpSecurityDescriptor = NULL;
    sa.bInheritHandle = (nOpenFlags & modeNoInherit) == 0;

    DWORD dwCreateFlag;
    if (nOpenFlags & modeCreate)
        dwCreateFlag = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    else
        dwCreateFlag = OPEN_EXISTING;

    DWORD dwFlags = FILE_ATTRIBUTE_NORMAL;
    if (nOpenFlags & osNoBuffer)
        dwFlags |= FILE_FLAG_NO_BUFFERING;
    if (nOpenFlags & osWriteThrough)
        dwFlags |= FILE_FLAG_WRITE_THROUGH;
    if (nOpenFlags & osRandomAccess)
        dwFlags |= FILE_FLAG_RANDOM_ACCESS;
    if (nOpenFlags & osSequentialScan)
        dwFlags |= FILE_FLAG_SEQUENTIAL_SCAN;

    HANDLE hFile = ::CreateFileA(lpszFileName, dwAccess, dwShareMode, &sa, dwCreateFlag, dwFlags, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        DWORD dwError = ::GetLastError();
        AfxFillFileException(pException, CFileException::OsErrorToException((LONG)dwError), (LONG)dwError,
            lpszFileName);
        return FALSE;
    }

    // remember the full path: GetFilePath and the exceptions report it
    char szPath[MAX_PATH];
    DWORD dwLength = ::GetFullPathNameA(lpszFileName, MAX_PATH, szPath, NULL);
    if (dwLength > 0 && dwLength < MAX_PATH)
        m_strFileName = szPath;
    else if (dwLength >= MAX_PATH)
    {
        LPSTR lpszPath = m_strFileName.GetBuffer((int)dwLength);
        dwLength = ::GetFullPathNameA(lpszFileName, dwLength + 1, lpszPath, NULL);
        m_strFileName.ReleaseBuffer();
    }
    else
        m_strFileName = lpszFileName;

    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

CString CFile::GetFileName() const
{
    // the part after the last folder separator (multi-byte aware: a trail byte may equal '\\')
    LPCSTR lpszPath = m_strFileName;
    LPCSTR lpszName = lpszPath;
    for (LPCSTR lpsz = lpszPath; *lpsz != '\0'; lpsz = (LPCSTR)_mbsinc((const unsigned char*)lpsz))
    {
        if (*lpsz == '\\' || *lpsz == '/' || *lpsz == ':')
            lpszName = lpsz + 1;
    }
    return CString(lpszName);
}

CString CFile::GetFileTitle() const
{
    CString strTitle;
    if (!m_strFileName.IsEmpty())
    {
        char szTitle[MAX_PATH];
        if (::GetFileTitleA(m_strFileName, szTitle, MAX_PATH) == 0)
            strTitle = szTitle;
        else
            strTitle = GetFileName();
    }
    return strTitle;
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

void CFile::SetFilePath(LPCSTR lpszNewName)
{
    m_strFileName = lpszNewName;
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER liZero, liPosition;
    liZero.QuadPart = 0;
    if (!::SetFilePointerEx(m_hFile, liZero, &liPosition, FILE_CURRENT))
        ThrowOsError(::GetLastError());
    return (ULONGLONG)liPosition.QuadPart;
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    if (nFrom != begin && nFrom != current && nFrom != end)
        AfxThrowInvalidArgException();
    LARGE_INTEGER liOff, liNew;
    liOff.QuadPart = lOff;
    if (!::SetFilePointerEx(m_hFile, liOff, &liNew, (DWORD)nFrom))
        ThrowOsError(::GetLastError());
    return (ULONGLONG)liNew.QuadPart;
}

void CFile::SeekToBegin()
{
    Seek(0, begin);
}

ULONGLONG CFile::SeekToEnd()
{
    return Seek(0, end);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER liSize;
    if (!::GetFileSizeEx(m_hFile, &liSize))
        ThrowOsError(::GetLastError());
    return (ULONGLONG)liSize.QuadPart;
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    Seek((LONGLONG)dwNewLen, begin);
    if (!::SetEndOfFile(m_hFile))
        ThrowOsError(::GetLastError());
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    if (lpBuf == NULL)
        AfxThrowInvalidArgException();
    DWORD dwRead;
    if (!::ReadFile(m_hFile, lpBuf, nCount, &dwRead, NULL))
        ThrowOsError(::GetLastError());
    return (UINT)dwRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (lpBuf == NULL)
        AfxThrowInvalidArgException();
    DWORD dwWritten;
    if (!::WriteFile(m_hFile, lpBuf, nCount, &dwWritten, NULL))
        ThrowOsError(::GetLastError());
    // a short write without an error means the volume is full
    if (dwWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

void CFile::LockRange(ULONGLONG dwPos, ULONGLONG dwCount)
{
    if (!::LockFile(m_hFile, (DWORD)dwPos, (DWORD)(dwPos >> 32), (DWORD)dwCount, (DWORD)(dwCount >> 32)))
        ThrowOsError(::GetLastError());
}

void CFile::UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount)
{
    if (!::UnlockFile(m_hFile, (DWORD)dwPos, (DWORD)(dwPos >> 32), (DWORD)dwCount, (DWORD)(dwCount >> 32)))
        ThrowOsError(::GetLastError());
}

void CFile::Flush()
{
    if (m_hFile == hFileNull)
        return;
    if (!::FlushFileBuffers(m_hFile))
        ThrowOsError(::GetLastError());
}

void CFile::Close()
{
    BOOL bError = FALSE;
    DWORD dwError = 0;
    if (m_hFile != hFileNull)
    {
        bError = !::CloseHandle(m_hFile);
        if (bError)
            dwError = ::GetLastError();
    }
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (bError)
        ThrowOsError(dwError);
    m_strFileName.Empty();
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
        ::CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CFile* CFile::Duplicate() const
{
    if (m_hFile == hFileNull)
        return NULL;
    HANDLE hFile;
    if (!::DuplicateHandle(::GetCurrentProcess(), m_hFile, ::GetCurrentProcess(), &hFile, 0, FALSE,
            DUPLICATE_SAME_ACCESS))
        ThrowOsError(::GetLastError());
    // the duplicate is a handle of its own, which its object closes
    CFile* pFile = new CFile(hFile);
    pFile->m_bCloseOnDelete = TRUE;
    pFile->m_strFileName = m_strFileName;
    return pFile;
}

void PASCAL CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName)
{
    if (!::MoveFileA(lpszOldName, lpszNewName))
    {
        DWORD dwError = ::GetLastError();
        AfxThrowFileException(CFileException::OsErrorToException((LONG)dwError), (LONG)dwError, lpszOldName);
    }
}

void PASCAL CFile::Remove(LPCSTR lpszFileName)
{
    if (!::DeleteFileA(lpszFileName))
    {
        DWORD dwError = ::GetLastError();
        AfxThrowFileException(CFileException::OsErrorToException((LONG)dwError), (LONG)dwError, lpszFileName);
    }
}

/////////////////////////////////////////////////////////////////////////////
// CMemFile

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(NULL),
      m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : m_nGrowBytes(0), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(NULL),
      m_bAutoDelete(TRUE)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    if (m_lpBuffer != NULL)
        Close();
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    if (lpBuffer == NULL && nBufferSize != 0)
        AfxThrowInvalidArgException();
    if (m_lpBuffer != NULL)
        Close();
    m_lpBuffer = lpBuffer;
    m_nBufferSize = nBufferSize;
    m_nGrowBytes = nGrowBytes;
    m_nPosition = 0;
    // a fixed block holds data already; a growable one is written from scratch
    m_nFileSize = (nGrowBytes == 0) ? nBufferSize : 0;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* lpBuffer = m_lpBuffer;
    m_lpBuffer = NULL;
    m_nFileSize = 0;
    m_nBufferSize = 0;
    m_nPosition = 0;
    return lpBuffer;
}

BYTE* CMemFile::Alloc(SIZE_T nBytes)
{
    return (BYTE*)malloc(nBytes);
}

BYTE* CMemFile::Realloc(BYTE* lpMem, SIZE_T nBytes)
{
    return (BYTE*)realloc(lpMem, nBytes);
}

BYTE* CMemFile::Memcpy(BYTE* lpMemTarget, const BYTE* lpMemSource, SIZE_T nBytes)
{
    return (BYTE*)memcpy(lpMemTarget, lpMemSource, nBytes);
}

void CMemFile::Free(BYTE* lpMem)
{
    free(lpMem);
}

// The block grows in whole steps of m_nGrowBytes.
void CMemFile::GrowFile(SIZE_T dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException();      // a fixed block cannot grow
    SIZE_T nSteps = (dwNewLen - m_nBufferSize + m_nGrowBytes - 1) / m_nGrowBytes;
    SIZE_T dwNewBufferSize = m_nBufferSize + nSteps * m_nGrowBytes;
    BYTE* lpNew = (m_lpBuffer == NULL) ? Alloc(dwNewBufferSize) : Realloc(m_lpBuffer, dwNewBufferSize);
    if (lpNew == NULL)
        AfxThrowMemoryException();
    m_lpBuffer = lpNew;
    m_nBufferSize = dwNewBufferSize;
}

ULONGLONG CMemFile::GetPosition() const
{
    return m_nPosition;
}

ULONGLONG CMemFile::GetLength() const
{
    return m_nFileSize;
}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
    if (dwNewLen > (ULONGLONG)(SIZE_T)-1)
        AfxThrowMemoryException();
    if (dwNewLen > m_nBufferSize)
        GrowFile((SIZE_T)dwNewLen);
    if (dwNewLen > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, (SIZE_T)dwNewLen - m_nFileSize);
    if (dwNewLen < m_nPosition)
        m_nPosition = (SIZE_T)dwNewLen;
    m_nFileSize = (SIZE_T)dwNewLen;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    if (lpBuf == NULL)
        AfxThrowInvalidArgException();
    if (m_nPosition >= m_nFileSize)
        return 0;
    SIZE_T nRead = m_nFileSize - m_nPosition;
    if (nRead > nCount)
        nRead = nCount;
    Memcpy((BYTE*)lpBuf, m_lpBuffer + m_nPosition, nRead);
    m_nPosition += nRead;
    return (UINT)nRead;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (lpBuf == NULL)
        AfxThrowInvalidArgException();
    if (m_nPosition + nCount > m_nBufferSize)
        GrowFile(m_nPosition + nCount);
    // writing past the end after a seek leaves zeros in between
    if (m_nPosition > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    Memcpy(m_lpBuffer + m_nPosition, (const BYTE*)lpBuf, nCount);
    m_nPosition += nCount;
    if (m_nPosition > m_nFileSize)
        m_nFileSize = m_nPosition;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG lNewPos;
    switch (nFrom)
    {
    case begin:   lNewPos = lOff; break;
    case current: lNewPos = (LONGLONG)m_nPosition + lOff; break;
    case end:     lNewPos = (LONGLONG)m_nFileSize + lOff; break;
    default:
        AfxThrowInvalidArgException();
    }
    if (lNewPos < 0)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    m_nPosition = (SIZE_T)lNewPos;
    return m_nPosition;
}

void CMemFile::Flush()
{
}

void CMemFile::Close()
{
    m_nGrowBytes = 0;
    m_nPosition = 0;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    if (m_lpBuffer != NULL && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = NULL;
}

void CMemFile::Abort()
{
    Close();
}

void CMemFile::LockRange(ULONGLONG, ULONGLONG)
{
    AfxThrowNotSupportedException();
}

void CMemFile::UnlockRange(ULONGLONG, ULONGLONG)
{
    AfxThrowNotSupportedException();
}

CFile* CMemFile::Duplicate() const
{
    AfxThrowNotSupportedException();
}

/////////////////////////////////////////////////////////////////////////////
// CStdioFile
//
// The file is opened with CreateFile like any CFile (same sharing and creation rules), and the
// handle is then handed to the C run-time, which owns it from there on.

CStdioFile::CStdioFile()
    : m_pStream(NULL)
{
}

CStdioFile::CStdioFile(FILE* pOpenStream)
    : CFile(hFileNull), m_pStream(pOpenStream)
{
    if (pOpenStream == NULL)
        AfxThrowInvalidArgException();
    m_hFile = (HANDLE)_get_osfhandle(_fileno(pOpenStream));
}

CStdioFile::CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags)
    : m_pStream(NULL)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CStdioFile::~CStdioFile()
{
    if (m_pStream != NULL && m_bCloseOnDelete)
        fclose(m_pStream);
    m_pStream = NULL;
    m_hFile = hFileNull;      // the stream owned the handle
}

void CStdioFile::ThrowErrno() const
{
    LONG lOsError = (LONG)_doserrno;
    int nCause = lOsError != 0 ? CFileException::OsErrorToException(lOsError) : CFileException::genericException;
    AfxThrowFileException(nCause, lOsError != 0 ? lOsError : -1, m_strFileName);
}

BOOL CStdioFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pException)
{
    if (m_pStream != NULL)
        Abort();
    m_pStream = NULL;
    if (!CFile::Open(lpszFileName, nOpenFlags & ~(UINT)(typeText | typeBinary), pException))
        return FALSE;

    // the stream mode that matches the open flags
    char szMode[4];
    int nMode = 0;
    if (nOpenFlags & modeCreate)
        szMode[nMode++] = (nOpenFlags & modeNoTruncate) ? 'a' : 'w';
    else if (nOpenFlags & modeWrite)
        szMode[nMode++] = 'a';
    else
        szMode[nMode++] = 'r';
    if ((szMode[0] == 'r' && (nOpenFlags & modeReadWrite)) || (szMode[0] != 'r' && !(nOpenFlags & modeWrite)))
        szMode[nMode++] = '+';
    int nFlags = _O_RDONLY | _O_TEXT;
    if (nOpenFlags & (modeWrite | modeReadWrite))
        nFlags ^= _O_RDONLY;
    if (nOpenFlags & typeBinary)
    {
        szMode[nMode++] = 'b';
        nFlags ^= _O_TEXT;
    }
    else
        szMode[nMode++] = 't';
    szMode[nMode] = '\0';

    int nHandle = _open_osfhandle((intptr_t)m_hFile, nFlags);
    FILE* pStream = (nHandle != -1) ? _fdopen(nHandle, szMode) : NULL;
    if (pStream == NULL)
    {
        LONG lOsError = (LONG)_doserrno;
        if (nHandle != -1)
        {
            _close(nHandle);
            m_hFile = hFileNull;
        }
        CString strFileName = m_strFileName;
        CFile::Abort();
        AfxFillFileException(pException, CFileException::genericException, lOsError, strFileName);
        return FALSE;
    }
    m_pStream = pStream;
    return TRUE;
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    if (lpBuf == NULL || m_pStream == NULL)
        AfxThrowInvalidArgException();
    UINT nRead = (UINT)fread(lpBuf, 1, nCount, m_pStream);
    if (nRead == 0 && !feof(m_pStream))
    {
        clearerr(m_pStream);
        ThrowErrno();
    }
    if (ferror(m_pStream))
    {
        clearerr(m_pStream);
        ThrowErrno();
    }
    return nRead;
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (lpBuf == NULL || m_pStream == NULL)
        AfxThrowInvalidArgException();
    if (fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
    {
        clearerr(m_pStream);
        AfxThrowFileException(CFileException::diskFull, (LONG)_doserrno, m_strFileName);
    }
}

void CStdioFile::WriteString(LPCSTR lpsz)
{
    if (lpsz == NULL || m_pStream == NULL)
        AfxThrowInvalidArgException();
    if (fputs(lpsz, m_pStream) == EOF)
    {
        clearerr(m_pStream);
        AfxThrowFileException(CFileException::diskFull, (LONG)_doserrno, m_strFileName);
    }
}

LPSTR CStdioFile::ReadString(LPSTR lpsz, UINT nMax)
{
    if (lpsz == NULL || nMax == 0 || m_pStream == NULL)
        AfxThrowInvalidArgException();
    LPSTR lpszResult = fgets(lpsz, (int)nMax, m_pStream);
    if (lpszResult == NULL && !feof(m_pStream))
    {
        clearerr(m_pStream);
        ThrowErrno();
    }
    return lpszResult;
}

BOOL CStdioFile::ReadString(CString& rString)
{
    if (m_pStream == NULL)
        AfxThrowInvalidArgException();
    rString.Empty();
    char szChunk[256];
    BOOL bAny = FALSE;
    for (;;)
    {
        LPSTR lpszResult = fgets(szChunk, (int)sizeof(szChunk), m_pStream);
        if (lpszResult == NULL)
        {
            if (!feof(m_pStream))
            {
                clearerr(m_pStream);
                ThrowErrno();
            }
            break;
        }
        bAny = TRUE;
        int nLength = (int)strlen(szChunk);
        if (nLength > 0 && szChunk[nLength - 1] == '\n')
        {
            rString.Append(szChunk, nLength - 1);
            break;
        }
        rString.Append(szChunk, nLength);
    }
    return bAny;
}

ULONGLONG CStdioFile::GetPosition() const
{
    if (m_pStream == NULL)
        AfxThrowInvalidArgException();
    __int64 nPos = _ftelli64(m_pStream);
    if (nPos == -1)
        ThrowErrno();
    return (ULONGLONG)nPos;
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    if (m_pStream == NULL || (nFrom != begin && nFrom != current && nFrom != end))
        AfxThrowInvalidArgException();
    static const int s_nOrigin[] = { SEEK_SET, SEEK_CUR, SEEK_END };
    if (_fseeki64(m_pStream, lOff, s_nOrigin[nFrom]) != 0)
        AfxThrowFileException(CFileException::badSeek, (LONG)_doserrno, m_strFileName);
    return GetPosition();
}

ULONGLONG CStdioFile::GetLength() const
{
    if (m_pStream == NULL)
        AfxThrowInvalidArgException();
    __int64 nCurrent = _ftelli64(m_pStream);
    if (nCurrent == -1 || _fseeki64(m_pStream, 0, SEEK_END) != 0)
        ThrowErrno();
    __int64 nLength = _ftelli64(m_pStream);
    if (nLength == -1 || _fseeki64(m_pStream, nCurrent, SEEK_SET) != 0)
        ThrowErrno();
    return (ULONGLONG)nLength;
}

void CStdioFile::Flush()
{
    if (m_pStream != NULL && fflush(m_pStream) != 0)
        AfxThrowFileException(CFileException::diskFull, (LONG)_doserrno, m_strFileName);
}

void CStdioFile::Close()
{
    int nError = 0;
    if (m_pStream != NULL)
        nError = fclose(m_pStream);
    m_pStream = NULL;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (nError != 0)
        AfxThrowFileException(CFileException::diskFull, (LONG)_doserrno, m_strFileName);
    m_strFileName.Empty();
}

void CStdioFile::Abort()
{
    if (m_pStream != NULL && m_bCloseOnDelete)
        fclose(m_pStream);
    m_pStream = NULL;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CFile* CStdioFile::Duplicate() const
{
    AfxThrowNotSupportedException();
}

void CStdioFile::LockRange(ULONGLONG, ULONGLONG)
{
    AfxThrowNotSupportedException();
}

void CStdioFile::UnlockRange(ULONGLONG, ULONGLONG)
{
    AfxThrowNotSupportedException();
}
