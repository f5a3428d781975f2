// objcore.cpp - CObject, run-time classes, exceptions and diagnostics.
#include "afxwin.h"
#include "afximpl_.h"

/////////////////////////////////////////////////////////////////////////////
// CObject

CRuntimeClass CObject::classCObject =
    { "CObject", sizeof(CObject), 0xFFFF, NULL, NULL, NULL, NULL };

CRuntimeClass* PASCAL CObject::GetThisClass()
{
    return &CObject::classCObject;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &CObject::classCObject;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

void CObject::Serialize(CArchive&)
{
}

void CObject::Dump(CDumpContext& dc) const
{
    dc << "a " << GetRuntimeClass()->m_lpszClassName << " at " << (const void*)this;
}

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    if (pObject != NULL && pObject->IsKindOf(pClass))
        return pObject;
    return NULL;
}

/////////////////////////////////////////////////////////////////////////////
// CRuntimeClass

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == NULL)
    {
        TRACE("Error: Trying to create object which is not DECLARE_DYNCREATE or DECLARE_SERIAL: %s.\n",
            m_lpszClassName);
        return NULL;
    }
    try
    {
        return (*m_pfnCreateObject)();
    }
    catch (CException* e)
    {
        e->Delete();
        return NULL;
    }
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    // Classes of different modules are compared by address: each class has exactly one record.
    const CRuntimeClass* pClassThis = this;
    while (pClassThis != NULL)
    {
        if (pClassThis == pBaseClass)
            return TRUE;
        pClassThis = pClassThis->m_pfnGetBaseClass != NULL ? (*pClassThis->m_pfnGetBaseClass)() : NULL;
    }
    return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == NULL)
        return NULL;
    return AfxFindRegisteredClass(lpszClassName);
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass != NULL ? pClass->CreateObject() : NULL;
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
{
    AfxClassInit(pNewClass);
}

/////////////////////////////////////////////////////////////////////////////
// Exceptions

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CUserException, CSimpleException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)

CException::CException() : m_bAutoDelete(TRUE) {}
CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}
CException::~CException() {}

void CException::Delete()
{
    if (m_bAutoDelete > 0)
        delete this;
}

static BOOL CopyErrorText(LPCSTR pszText, LPSTR lpszError, UINT nMaxError)
{
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;
    lstrcpynA(lpszError, pszText, (int)nMaxError);
    return TRUE;
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError != NULL && nMaxError != 0)
        *lpszError = '\0';
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    char szErrorMessage[512];
    UINT nHelpContext;
    if (GetErrorMessage(szErrorMessage, sizeof(szErrorMessage), &nHelpContext))
        return AfxMessageBox(szErrorMessage, nType, nHelpContext);
    if (nMessageID == 0)
        return AfxMessageBox("An unsupported operation was attempted.", nType);
    return AfxMessageBox(nMessageID, nType);
}

CSimpleException::CSimpleException() : m_pszMessage("") {}
CSimpleException::CSimpleException(BOOL bAutoDelete) : CException(bAutoDelete), m_pszMessage("") {}
CSimpleException::~CSimpleException() {}

BOOL CSimpleException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    return CopyErrorText(m_pszMessage, lpszError, nMaxError);
}

CMemoryException::CMemoryException() { m_pszMessage = "Out of memory."; }
CMemoryException::~CMemoryException() {}
CNotSupportedException::CNotSupportedException() { m_pszMessage = "An unsupported operation was attempted."; }
CNotSupportedException::~CNotSupportedException() {}
CInvalidArgException::CInvalidArgException() { m_pszMessage = "Encountered an improper argument."; }
CInvalidArgException::~CInvalidArgException() {}
CResourceException::CResourceException() { m_pszMessage = "A required resource was unavailable."; }
CResourceException::~CResourceException() {}
CUserException::CUserException() { m_pszMessage = "The operation was cancelled."; }
CUserException::~CUserException() {}

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName)
{
}

CFileException::~CFileException() {}

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    static const char* const s_rgszCause[] =
    {
        "No error occurred.", "An unknown error occurred while accessing %1.",
        "%1 was not found.", "%1 contains an invalid path.",
        "%1 could not be opened because there are too many open files.",
        "Access to %1 was denied.", "An invalid file handle was associated with %1.",
        "%1 could not be removed because it is the current directory.",
        "%1 could not be created because the directory is full.",
        "Seek failed on %1.", "A hardware I/O error was reported while accessing %1.",
        "A sharing violation occurred while accessing %1.",
        "A locking violation occurred while accessing %1.", "Disk full while accessing %1.",
        "An attempt was made to access %1 past its end."
    };
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    int nCause = (m_cause >= 0 && m_cause <= endOfFile) ? m_cause : genericException;
    CString strText(s_rgszCause[nCause]);
    strText.Replace("%1", m_strFileName.IsEmpty() ? "an unnamed file" : (LPCSTR)m_strFileName);
    return CopyErrorText(strText, lpszError, nMaxError);
}

int PASCAL CFileException::OsErrorToException(LONG lOsError)
{
    switch ((DWORD)lOsError)
    {
    case NO_ERROR: return none;
    case ERROR_FILE_NOT_FOUND: return fileNotFound;
    case ERROR_PATH_NOT_FOUND: case ERROR_INVALID_DRIVE: case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_NAME: case ERROR_DIRECTORY: return badPath;
    case ERROR_TOO_MANY_OPEN_FILES: return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED: case ERROR_WRITE_PROTECT: case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_CANNOT_MAKE: case ERROR_ALREADY_EXISTS: case ERROR_FILE_EXISTS: return accessDenied;
    case ERROR_INVALID_HANDLE: return invalidFile;
    case ERROR_CURRENT_DIRECTORY: return removeCurrentDir;
    case ERROR_DIR_NOT_EMPTY: return directoryFull;
    case ERROR_SEEK: case ERROR_NEGATIVE_SEEK: return badSeek;
    case ERROR_SHARING_VIOLATION: return sharingViolation;
    case ERROR_LOCK_VIOLATION: case ERROR_LOCK_FAILED: return lockViolation;
    case ERROR_HANDLE_DISK_FULL: case ERROR_DISK_FULL: return diskFull;
    case ERROR_HANDLE_EOF: return endOfFile;
    case ERROR_NOT_READY: case ERROR_CRC: case ERROR_SECTOR_NOT_FOUND: case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT: case ERROR_GEN_FAILURE: return hardIO;
    default: return genericException;
    }
}

CArchiveException::CArchiveException(int cause, LPCSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

CArchiveException::~CArchiveException() {}

BOOL CArchiveException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    static const char* const s_rgszCause[] =
    {
        "No error occurred.", "An unknown error occurred while accessing %1.",
        "An attempt was made to write to the reading %1.", "An attempt was made to access %1 past its end.",
        "An attempt was made to read from the writing %1.", "%1 has a bad format.",
        "%1 contained an unexpected object.", "%1 contains an incorrect schema.",
        "The archive buffer of %1 is full."
    };
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    int nCause = (m_cause >= 0 && m_cause <= bufferFull) ? m_cause : genericException;
    CString strText(s_rgszCause[nCause]);
    strText.Replace("%1", m_strFileName.IsEmpty() ? "an unnamed file" : (LPCSTR)m_strFileName);
    return CopyErrorText(strText, lpszError, nMaxError);
}

void AFXAPI AfxThrowMemoryException() { throw new CMemoryException; }
void AFXAPI AfxThrowNotSupportedException() { throw new CNotSupportedException; }
void AFXAPI AfxThrowInvalidArgException() { throw new CInvalidArgException; }
void AFXAPI AfxThrowResourceException() { throw new CResourceException; }
void AFXAPI AfxThrowUserException() { throw new CUserException; }

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

void AFXAPI AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}

/////////////////////////////////////////////////////////////////////////////
// Diagnostics

void AFXAPI AfxAssertFailedLine(const char* lpszFileName, int nLine)
{
    char sz[512];
    _snprintf(sz, sizeof(sz) - 1, "Assertion failed: %s(%d)\n", lpszFileName, nLine);
    sz[sizeof(sz) - 1] = '\0';
    ::OutputDebugStringA(sz);
}

void AFX_CDECL AfxTrace(const char* lpszFormat, ...)
{
#ifdef _DEBUG
    char sz[1024];
    va_list args;
    va_start(args, lpszFormat);
    _vsnprintf(sz, sizeof(sz) - 1, lpszFormat, args);
    va_end(args);
    sz[sizeof(sz) - 1] = '\0';
    ::OutputDebugStringA(sz);
#else
    (void)lpszFormat;
#endif
}
