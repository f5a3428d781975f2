// afxdisp.h - OLE automation support of the framework.
//
// Covered now: OLE initialisation and type-library registration.  The dispatch and connection
// maps of CCmdTarget, COleDispatchDriver and COleVariant come with the automation objects.
#pragma once

#include "afxwin.h"
#include <ole2.h>
#include <oleauto.h>
#include <olectl.h>

// Initialises OLE for the calling thread (once); FALSE when OLE could not start.
AFX_FX_API BOOL AFXAPI AfxOleInit();
AFX_FX_API void AFXAPI AfxOleTerm(BOOL bJustRevoke = FALSE);

// Registers the type library that lies in the module hInstance's folder under pszFileName (or,
// with no name, the one bound into the module itself).  pszHelpDir NULL: the library's folder.
AFX_FX_API BOOL AFXAPI AfxOleRegisterTypeLib(HINSTANCE hInstance, REFGUID tlid,
    LPCSTR pszFileName = NULL, LPCSTR pszHelpDir = NULL);
AFX_FX_API BOOL AFXAPI AfxOleUnregisterTypeLib(REFGUID tlid, WORD wVerMajor = 0, WORD wVerMinor = 0,
    LCID lcid = 0);

// An OLE failure as a framework exception.
class AFX_FX_CLASS COleException : public CException
{
    DECLARE_DYNAMIC(COleException)
public:
    COleException();
    virtual ~COleException();
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
    static SCODE PASCAL Process(const CException* pAnyException);
    SCODE m_sc;
};

[[noreturn]] AFX_FX_API void AFXAPI AfxThrowOleException(SCODE sc);
