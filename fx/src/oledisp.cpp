// oledisp.cpp - the generic IDispatch of command targets over their dispatch maps, argument
// coercion and COleDispatchException.
#include "oleimpl_.h"

/////////////////////////////////////////////////////////////////////////////
// COleDispatchException

IMPLEMENT_DYNAMIC(COleDispatchException, CException)

COleDispatchException::COleDispatchException(LPCSTR lpszDescription, UINT nHelpID, WORD wCode)
    : m_wCode(wCode), m_scError(S_OK), m_strDescription(lpszDescription != NULL ? lpszDescription : ""),
      m_dwHelpContext(nHelpID != (UINT)-1 ? nHelpID : 0)
{
}

COleDispatchException::~COleDispatchException()
{
}

BOOL COleDispatchException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != NULL)
        *pnHelpContext = m_dwHelpContext;
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;
    lstrcpynA(lpszError, m_strDescription, (int)nMaxError);
    return TRUE;
}

static BSTR AnsiToBstr(LPCSTR psz)
{
    int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, NULL, 0);
    BSTR bstr = ::SysAllocStringLen(NULL, n > 0 ? n - 1 : 0);
    if (bstr != NULL && n > 0)
        ::MultiByteToWideChar(CP_ACP, 0, psz, -1, bstr, n);
    return bstr;
}

static CString BstrToAnsi(BSTR bstr)
{
    CString str;
    UINT nLen = ::SysStringLen(bstr);
    if (nLen == 0)
        return str;
    int n = ::WideCharToMultiByte(CP_ACP, 0, bstr, (int)nLen, NULL, 0, NULL, NULL);
    LPSTR p = str.GetBuffer(n);
    ::WideCharToMultiByte(CP_ACP, 0, bstr, (int)nLen, p, n, NULL, NULL);
    str.ReleaseBuffer(n);
    return str;
}

void PASCAL COleDispatchException::Process(EXCEPINFO* pInfo, const CException* pAnyException)
{
    if (pInfo == NULL)
        return;
    memset(pInfo, 0, sizeof(*pInfo));
    CString strDescription;
    if (pAnyException != NULL && pAnyException->IsKindOf(RUNTIME_CLASS(COleDispatchException)))
    {
        const COleDispatchException* e = (const COleDispatchException*)pAnyException;
        pInfo->wCode = e->m_wCode;
        pInfo->scode = e->m_wCode != 0 ? 0 : (e->m_scError != S_OK ? e->m_scError : E_FAIL);
        pInfo->dwHelpContext = e->m_dwHelpContext;
        strDescription = e->m_strDescription;
        if (!e->m_strHelpFile.IsEmpty())
            pInfo->bstrHelpFile = AnsiToBstr(e->m_strHelpFile);
        if (!e->m_strSource.IsEmpty())
            pInfo->bstrSource = AnsiToBstr(e->m_strSource);
    }
    else
    {
        pInfo->scode = COleException::Process(pAnyException);
        char sz[256] = "";
        if (pAnyException != NULL && pAnyException->GetErrorMessage(sz, sizeof(sz)))
            strDescription = sz;
    }
    if (pInfo->bstrSource == NULL)
        pInfo->bstrSource = AnsiToBstr(AfxGetAppName() != NULL ? AfxGetAppName() : "");
    if (!strDescription.IsEmpty())
        pInfo->bstrDescription = AnsiToBstr(strDescription);
}

void AFXAPI AfxThrowOleDispatchException(WORD wCode, LPCSTR lpszDescription, UINT nHelpID)
{
    throw new COleDispatchException(lpszDescription, nHelpID, wCode);
}

void AFXAPI AfxThrowOleDispatchException(WORD wCode, UINT nDescriptionID, UINT nHelpID)
{
    CString str;
    str.LoadString(nDescriptionID);
    throw new COleDispatchException(str, nHelpID == (UINT)-1 ? nDescriptionID : nHelpID, wCode);
}

void AFXAPI AfxThrowOleDispatchStatus(SCODE sc, LPCSTR lpszDescription)
{
    COleDispatchException* e = new COleDispatchException(lpszDescription, 0, 0);
    e->m_scError = sc;
    throw e;
}

void CCmdTarget::SetNotSupported()
{
    AfxThrowOleDispatchStatus(CTL_E_SETNOTSUPPORTED, "The property cannot be set.");
}

/////////////////////////////////////////////////////////////////////////////
// Arguments and results

HRESULT CDispArgument::Load(VARIANT* pSrc, VARTYPE vt)
{
    // a value of the wanted type is used in place; the caller keeps owning it
    if (pSrc->vt == vt || (vt == VT_VARIANT && (pSrc->vt & VT_BYREF) == 0))
    {
        m_v = *pSrc;
        return S_OK;
    }
    m_bOwned = TRUE;
    HRESULT hr;
    if (vt == VT_VARIANT)
        hr = ::VariantCopyInd(&m_v, pSrc);
    else if ((vt == VT_DISPATCH || vt == VT_UNKNOWN) && (pSrc->vt == VT_EMPTY || pSrc->vt == VT_NULL))
    {
        // "nothing" for an interface argument is a null pointer
        m_v.vt = vt;
        m_v.punkVal = NULL;
        hr = S_OK;
    }
    else
        hr = ::VariantChangeType(&m_v, pSrc, 0, vt);
    if (FAILED(hr))
    {
        m_v.vt = VT_EMPTY;
        m_bOwned = FALSE;
        return hr == DISP_E_OVERFLOW ? DISP_E_OVERFLOW : DISP_E_TYPEMISMATCH;
    }
    return S_OK;
}

HRESULT CDispArg<LPCSTR>::Load(VARIANT* pSrc, VARTYPE vtWanted)
{
    HRESULT hr = CDispArgument::Load(pSrc, vtWanted);
    if (SUCCEEDED(hr))
        m_str = BstrToAnsi(m_v.bstrVal);
    return hr;
}

void AFXAPI AfxDispSetResult(VARIANT* p, const CString& v)
{
    p->vt = VT_BSTR;
    p->bstrVal = AnsiToBstr(v);
}

/////////////////////////////////////////////////////////////////////////////
// Dispatch ids: the position in a map counted from 1, the map's distance from the object's own
// class in the high word.

static const AFX_DISPMAP* BaseDispatchMap(const AFX_DISPMAP* pMap)
{
    return pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL;
}

const AFX_DISPMAP_ENTRY* AFXAPI AfxDispFindEntry(CCmdTarget* pTarget, DISPID dispid)
{
    if (dispid <= 0)
        return NULL;
    UINT nDepth = HIWORD(dispid);
    UINT nIndex = LOWORD(dispid);
    if (nIndex == 0)
        return NULL;
    const AFX_DISPMAP* pMap = pTarget->GetDispatchMap();
    for (; pMap != NULL && nDepth > 0; nDepth--)
        pMap = BaseDispatchMap(pMap);
    if (pMap == NULL)
        return NULL;
    const AFX_DISPMAP_ENTRY* pEntry = pMap->lpEntries;
    for (UINT i = 1; i < nIndex; i++, pEntry++)
    {
        if (pEntry->lpszName == NULL)
            return NULL;
    }
    return pEntry->lpszName != NULL ? pEntry : NULL;
}

DISPID AFXAPI AfxDispFindName(CCmdTarget* pTarget, LPCSTR lpszName)
{
    UINT nDepth = 0;
    for (const AFX_DISPMAP* pMap = pTarget->GetDispatchMap(); pMap != NULL; pMap = BaseDispatchMap(pMap), nDepth++)
    {
        UINT nIndex = 1;
        for (const AFX_DISPMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->lpszName != NULL; pEntry++, nIndex++)
        {
            if (lstrcmpiA(pEntry->lpszName, lpszName) == 0)
                return (DISPID)MAKELONG(nIndex, nDepth);
        }
    }
    return DISPID_UNKNOWN;
}

/////////////////////////////////////////////////////////////////////////////
// IDispatch

LPDISPATCH CCmdTarget::GetIDispatch(BOOL bAddRef)
{
    if (m_pOleState == NULL || !m_pOleState->m_bAutomation)
        return NULL;
    if (bAddRef)
        ExternalAddRef();
    return &m_pOleState->m_xDispatch;
}

CCmdTarget* PASCAL CCmdTarget::FromIDispatch(LPDISPATCH lpDispatch)
{
    if (lpDispatch == NULL)
        return NULL;
    // Only our own dispatch part has our table of virtual functions; a foreign object is never
    // taken for one of ours (its memory is read only as far as its own table pointer).
    static const AFX_OLE_STATE::XDispatch s_probe(NULL);
    void* pvProbe;
    void* pvGiven;
    memcpy(&pvProbe, (const void*)&s_probe, sizeof(void*));
    memcpy(&pvGiven, (const void*)lpDispatch, sizeof(void*));
    if (pvProbe != pvGiven)
        return NULL;
    return static_cast<AFX_OLE_STATE::XDispatch*>(lpDispatch)->m_pThis;
}

STDMETHODIMP_(ULONG) AFX_OLE_STATE::XDispatch::AddRef()
{
    return m_pThis->ExternalAddRef();
}

STDMETHODIMP_(ULONG) AFX_OLE_STATE::XDispatch::Release()
{
    return m_pThis->ExternalRelease();
}

STDMETHODIMP AFX_OLE_STATE::XDispatch::QueryInterface(REFIID iid, LPVOID* ppvObj)
{
    return (HRESULT)m_pThis->ExternalQueryInterface(&iid, ppvObj);
}

STDMETHODIMP AFX_OLE_STATE::XDispatch::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo == NULL)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP AFX_OLE_STATE::XDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo)
{
    if (ppTInfo != NULL)
        *ppTInfo = NULL;
    return DISP_E_BADINDEX;
}

STDMETHODIMP AFX_OLE_STATE::XDispatch::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames,
    LCID, DISPID* rgDispId)
{
    if (!IsEqualIID(riid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    if (rgszNames == NULL || rgDispId == NULL || cNames == 0)
        return E_INVALIDARG;
    // argument names are not known: only the member's own name can be found
    for (UINT i = 1; i < cNames; i++)
        rgDispId[i] = DISPID_UNKNOWN;
    char szName[256];
    if (rgszNames[0] == NULL ||
        ::WideCharToMultiByte(CP_ACP, 0, rgszNames[0], -1, szName, sizeof(szName), NULL, NULL) == 0)
    {
        rgDispId[0] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    AFX_MANAGE_STATE(m_pThis->m_pModuleState);
    rgDispId[0] = AfxDispFindName(m_pThis, szName);
    return rgDispId[0] == DISPID_UNKNOWN || cNames > 1 ? DISP_E_UNKNOWNNAME : S_OK;
}

// Runs one member under the object's module state; framework exceptions become
// DISP_E_EXCEPTION with the EXCEPINFO they describe.
static HRESULT CallMember(CCmdTarget* pThis, AFX_PDISPINVOKE pfn, DISPPARAMS* pParams, VARIANT* pResult,
    EXCEPINFO* pExcepInfo, UINT* puArgErr)
{
    try
    {
        return pfn(pThis, pParams, pResult, puArgErr);
    }
    catch (CException* e)
    {
        ::VariantClear(pResult);
        COleDispatchException::Process(pExcepInfo, e);
        e->Delete();
        return DISP_E_EXCEPTION;
    }
    catch (const std::bad_alloc&)
    {
        ::VariantClear(pResult);
        return E_OUTOFMEMORY;
    }
}

STDMETHODIMP AFX_OLE_STATE::XDispatch::Invoke(DISPID dispid, REFIID riid, LCID, WORD wFlags,
    DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr)
{
    if (!IsEqualIID(riid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    if (pDispParams == NULL)
        return E_INVALIDARG;
    if (pDispParams->cArgs > 0 && pDispParams->rgvarg == NULL)
        return E_INVALIDARG;
    AFX_MANAGE_STATE(m_pThis->m_pModuleState);

    const AFX_DISPMAP_ENTRY* pEntry = AfxDispFindEntry(m_pThis, dispid);
    if (pEntry == NULL)
        return DISP_E_MEMBERNOTFOUND;

    // the only named argument there is: the value of a put
    BOOL bPut = (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    if (pDispParams->cNamedArgs > 1 ||
        (pDispParams->cNamedArgs == 1 && (!bPut || pDispParams->rgdispidNamedArgs == NULL ||
            pDispParams->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)))
        return DISP_E_NONAMEDARGS;

    if (bPut)
    {
        if (pEntry->bMethod || pEntry->pfnSet == NULL)
            return DISP_E_MEMBERNOTFOUND;
        if (pDispParams->cArgs == 0)
            return DISP_E_BADPARAMCOUNT;
        m_pThis->m_pOleState->m_bResultExpected = FALSE;
        VARIANT varIgnored;
        ::VariantInit(&varIgnored);
        HRESULT hr = CallMember(m_pThis, pEntry->pfnSet, pDispParams, &varIgnored, pExcepInfo, puArgErr);
        ::VariantClear(&varIgnored);
        m_pThis->m_pOleState->m_bResultExpected = TRUE;
        return hr;
    }
    if ((wFlags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)) == 0)
        return DISP_E_MEMBERNOTFOUND;

    VARIANT varResult;
    ::VariantInit(&varResult);
    m_pThis->m_pOleState->m_bResultExpected = pVarResult != NULL;
    HRESULT hr = CallMember(m_pThis, pEntry->pfnGet, pDispParams, &varResult, pExcepInfo, puArgErr);
    m_pThis->m_pOleState->m_bResultExpected = TRUE;
    if (FAILED(hr))
        return hr;
    // the result goes out in the type the map declares
    if (pEntry->vt != VT_VARIANT && pEntry->vt != VT_EMPTY && varResult.vt != pEntry->vt)
    {
        hr = ::VariantChangeType(&varResult, &varResult, 0, pEntry->vt);
        if (FAILED(hr))
        {
            ::VariantClear(&varResult);
            return hr;
        }
    }
    if (pVarResult != NULL)
        *pVarResult = varResult;     // an out value: what the caller passed is not freed
    else
        ::VariantClear(&varResult);
    return S_OK;
}

SCODE AFXAPI AfxStatusFromException(const CException* pException)
{
    if (pException != NULL && pException->IsKindOf(RUNTIME_CLASS(COleDispatchException)))
    {
        const COleDispatchException* e = (const COleDispatchException*)pException;
        return e->m_scError != S_OK ? e->m_scError : E_FAIL;
    }
    return COleException::Process(pException);
}
