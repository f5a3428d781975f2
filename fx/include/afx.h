// afx.h - core of the WEXOfx framework layer: run-time classes, exceptions, strings, files and
// collections, the module state and the resource chain.
//
// Classes (in order):
//   CRuntimeClass, AFX_CLASSINIT   run-time class information and dynamic creation
//   CObject                        the root class: run-time class, serialisation, dumps
//   CDumpContext                   the diagnostic dump target
//   CException and its kinds       CSimpleException, CMemoryException, CNotSupportedException,
//                                  CInvalidArgException, CResourceException, CUserException,
//                                  CFileException, CArchiveException
//   (CString: afxstr.h; CFile, CArchive: afxfile_.h; collections: afxcoll.h)
#pragma once

#include "afxver_.h"

class CObject;
class CRuntimeClass;
class CArchive;
class CDumpContext;
class CFile;
class CString;
class CException;
class CWinApp;
class CWinThread;
class CDynLinkLibrary;
struct AFX_MODULE_STATE;

#ifndef AFX_MAX_NAME
#define AFX_MAX_NAME 256
#endif

/////////////////////////////////////////////////////////////////////////////
// Strings and simple geometry

#include "afxstr.h"     // CString, CStringA
#include "afxtypes.h"   // CPoint, CSize, CRect

/////////////////////////////////////////////////////////////////////////////
// Run-time class information

struct AFX_FX_CLASS CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                                  // 0xFFFF for classes that are not serialisable
    CObject* (PASCAL* m_pfnCreateObject)();          // NULL for abstract or non-DYNCREATE classes
    CRuntimeClass* (PASCAL* m_pfnGetBaseClass)();    // base class accessor: works across DLLs
    CRuntimeClass* m_pNextClass;                     // linked list of registered classes
    const struct AFX_CLASSINIT* m_pClassInit;

    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // dynamic name lookup and creation
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
    static CObject* PASCAL CreateObject(LPCSTR lpszClassName);

    // serialisation of the class reference (schema and name)
    void Store(CArchive& ar) const;
    static CRuntimeClass* PASCAL Load(CArchive& ar, UINT* pwSchemaNum);
};

// Registers a class in the current module's class list (used by FromName and by archives).
struct AFX_FX_CLASS AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

AFX_FX_API void AFXAPI AfxClassInit(CRuntimeClass* pNewClass);

#define _RUNTIME_CLASS(class_name) ((CRuntimeClass*)(&class_name::class##class_name))
#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())
#define ASSERT_KINDOF_SAFE(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))

#define DECLARE_DYNAMIC(class_name) \
public: \
    static CRuntimeClass class##class_name; \
    static CRuntimeClass* PASCAL GetThisClass(); \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name) \
    DECLARE_DYNCREATE(class_name) \
    friend CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew, class_init) \
    CRuntimeClass* PASCAL class_name::GetThisClass() \
        { return _RUNTIME_CLASS(class_name); } \
    static CRuntimeClass* PASCAL _afxGetBase_##class_name() \
        { return RUNTIME_CLASS(base_class_name); } \
    CRuntimeClass class_name::class##class_name = { \
        #class_name, sizeof(class class_name), wSchema, pfnNew, \
        &_afxGetBase_##class_name, NULL, class_init }; \
    CRuntimeClass* class_name::GetRuntimeClass() const \
        { return _RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* PASCAL class_name::CreateObject() \
        { return new class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, \
        class_name::CreateObject, NULL)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema) \
    CObject* PASCAL class_name::CreateObject() \
        { return new class_name; } \
    extern AFX_CLASSINIT _init_##class_name; \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, \
        class_name::CreateObject, &_init_##class_name) \
    AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name)); \
    CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb) \
        { pOb = (class_name*) ar.ReadObject(RUNTIME_CLASS(class_name)); \
          return ar; }

// schema flag: the class can read older schemas (CArchive::GetObjectSchema)
#define VERSIONABLE_SCHEMA (0x80000000)

/////////////////////////////////////////////////////////////////////////////
// CObject - root of the framework's classes

class AFX_FX_CLASS CObject
{
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = 0;

    void* PASCAL operator new(size_t nSize) { return ::operator new(nSize); }
    void* PASCAL operator new(size_t, void* p) { return p; }
    void PASCAL operator delete(void* p) { ::operator delete(p); }
    void PASCAL operator delete(void*, void*) {}

protected:
    CObject() {}
private:
    CObject(const CObject& objectSrc);              // no implementation
    void operator=(const CObject& objectSrc);       // no implementation

public:
    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const {}
    virtual void Dump(CDumpContext& dc) const;

    static CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL GetThisClass();
};

inline CObject::~CObject() {}

AFX_FX_API CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
#define DYNAMIC_DOWNCAST(class_name, object) \
    ((class_name*)AfxDynamicDownCast(RUNTIME_CLASS(class_name), object))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))

class AFX_FX_CLASS CDumpContext
{
public:
    CDumpContext& operator<<(LPCSTR) { return *this; }
    CDumpContext& operator<<(int) { return *this; }
    CDumpContext& operator<<(const void*) { return *this; }
};

/////////////////////////////////////////////////////////////////////////////
// Exceptions
//
// The framework throws pointers to heap-allocated CException objects (THROW / AfxThrow...).
// A handler deletes the object with pEx->Delete().  TRY/CATCH are mapped onto C++ exceptions.

class AFX_FX_CLASS CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    CException();
    explicit CException(BOOL bAutoDelete);
    virtual ~CException() = 0;

    void Delete();                     // deletes the object if it was allocated on the heap
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

    BOOL m_bAutoDelete;
};

class AFX_FX_CLASS CSimpleException : public CException
{
    DECLARE_DYNAMIC(CSimpleException)
public:
    CSimpleException();
    explicit CSimpleException(BOOL bAutoDelete);
    virtual ~CSimpleException();
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
protected:
    const char* m_pszMessage;
};

class AFX_FX_CLASS CMemoryException : public CSimpleException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException();
    virtual ~CMemoryException();
};

class AFX_FX_CLASS CNotSupportedException : public CSimpleException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CNotSupportedException();
    virtual ~CNotSupportedException();
};

class AFX_FX_CLASS CInvalidArgException : public CSimpleException
{
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    CInvalidArgException();
    virtual ~CInvalidArgException();
};

class AFX_FX_CLASS CResourceException : public CSimpleException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    CResourceException();
    virtual ~CResourceException();
};

class AFX_FX_CLASS CUserException : public CSimpleException
{
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException();
    virtual ~CUserException();
};

class AFX_FX_CLASS CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum
    {
        none, genericException, fileNotFound, badPath, tooManyOpenFiles, accessDenied,
        invalidFile, removeCurrentDir, directoryFull, badSeek, hardIO, sharingViolation,
        lockViolation, diskFull, endOfFile
    };
    CFileException(int cause = CFileException::none, LONG lOsError = -1, LPCSTR lpszArchiveName = NULL);
    virtual ~CFileException();
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
    static int PASCAL OsErrorToException(LONG lOsError);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class AFX_FX_CLASS CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum
    {
        none, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema,
        bufferFull
    };
    CArchiveException(int cause = CArchiveException::none, LPCSTR lpszArchiveName = NULL);
    virtual ~CArchiveException();
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;

    int m_cause;
    CString m_strFileName;
};

[[noreturn]] AFX_FX_API void AFXAPI AfxThrowMemoryException();
[[noreturn]] AFX_FX_API void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] AFX_FX_API void AFXAPI AfxThrowInvalidArgException();
[[noreturn]] AFX_FX_API void AFXAPI AfxThrowResourceException();
[[noreturn]] AFX_FX_API void AFXAPI AfxThrowUserException();
[[noreturn]] AFX_FX_API void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1, LPCSTR lpszFileName = NULL);
[[noreturn]] AFX_FX_API void AFXAPI AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName = NULL);

// MFC's exception macros over C++ exceptions.
#define TRY try
#define CATCH(class_name, e) catch (class_name* e)
#define AND_CATCH(class_name, e) catch (class_name* e)
#define CATCH_ALL(e) catch (CException* e)
#define AND_CATCH_ALL(e) catch (CException* e)
#define END_CATCH
#define END_CATCH_ALL
#define THROW(e) throw e
#define THROW_LAST() throw

/////////////////////////////////////////////////////////////////////////////
// Files, archives and collections

#include "afxfile_.h"   // CFile, CMemFile, CStdioFile, CArchive
#include "afxcoll.h"    // CObArray, CStringArray, CPtrList, CMapStringToPtr, ...

/////////////////////////////////////////////////////////////////////////////
// Module state, resource chain and application access

AFX_FX_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_FX_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_FX_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The module in the resource chain (the current resource module first, then the extension
// libraries in the order they joined, then the application) that holds the resource.
AFX_FX_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
// The module in the resource chain that holds the string nID (its string-table block).
AFX_FX_API HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID);
AFX_FX_API CWinApp* AFXAPI AfxGetApp();
AFX_FX_API LPCSTR AFXAPI AfxGetAppName();
