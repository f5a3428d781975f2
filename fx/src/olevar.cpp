// olevar.cpp - COleVariant and the framework's equality of variants.
#include "oleimpl_.h"

static void CheckError(HRESULT hr)
{
    if (FAILED(hr))
    {
        if (hr == E_OUTOFMEMORY)
            AfxThrowMemoryException();
        AfxThrowOleException(hr);
    }
}

static BSTR BstrFromAnsi(LPCSTR psz)
{
    if (psz == NULL)
        psz = "";
    int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, NULL, 0);
    BSTR bstr = ::SysAllocStringLen(NULL, n > 0 ? n - 1 : 0);
    if (bstr == NULL)
        AfxThrowMemoryException();
    if (n > 0)
        ::MultiByteToWideChar(CP_ACP, 0, psz, -1, bstr, n);
    return bstr;
}

COleVariant::COleVariant(const VARIANT& varSrc)
{
    ::VariantInit(this);
    CheckError(::VariantCopy(this, (LPVARIANT)&varSrc));
}

COleVariant::COleVariant(const VARIANT* pSrc)
{
    ::VariantInit(this);
    if (pSrc != NULL)
        CheckError(::VariantCopy(this, (LPVARIANT)pSrc));
}

COleVariant::COleVariant(const COleVariant& varSrc) : tagVARIANT()
{
    ::VariantInit(this);
    CheckError(::VariantCopy(this, (LPVARIANT)&varSrc));
}

COleVariant::COleVariant(LPCSTR lpszSrc)
{
    ::VariantInit(this);
    *this = lpszSrc;
}

COleVariant::COleVariant(LPCSTR lpszSrc, VARTYPE vtSrc)
{
    ::VariantInit(this);
    if (vtSrc == VT_BSTRT)
    {
        // the bytes themselves in a BSTR, as some callers keep ANSI text
        UINT nLen = lpszSrc != NULL ? (UINT)strlen(lpszSrc) : 0;
        bstrVal = ::SysAllocStringByteLen(lpszSrc, nLen);
        if (bstrVal == NULL)
            AfxThrowMemoryException();
        vt = VT_BSTR;
    }
    else
        *this = lpszSrc;
}

COleVariant::COleVariant(const CString& strSrc)
{
    ::VariantInit(this);
    *this = (LPCSTR)strSrc;
}

COleVariant::COleVariant(short nSrc, VARTYPE vtSrc)
{
    if (vtSrc == VT_BOOL)
    {
        vt = VT_BOOL;
        boolVal = nSrc != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    }
    else
    {
        vt = VT_I2;
        iVal = nSrc;
    }
}

COleVariant::COleVariant(long lSrc, VARTYPE vtSrc)
{
    vt = vtSrc == VT_ERROR ? VT_ERROR : VT_I4;
    lVal = lSrc;
}

COleVariant::~COleVariant()
{
    ::VariantClear(this);
}

void COleVariant::Clear()
{
    CheckError(::VariantClear(this));
}

void COleVariant::ChangeType(VARTYPE vartype, LPVARIANT pSrc)
{
    if (pSrc == NULL)
        pSrc = this;
    if (pSrc != this || vartype != vt)
        CheckError(::VariantChangeType(this, pSrc, 0, vartype));
}

void COleVariant::Attach(VARIANT& varSrc)
{
    Clear();
    memcpy((VARIANT*)this, &varSrc, sizeof(VARIANT));
    varSrc.vt = VT_EMPTY;
}

VARIANT COleVariant::Detach()
{
    VARIANT varResult = *this;
    vt = VT_EMPTY;
    return varResult;
}

const COleVariant& COleVariant::operator=(const VARIANT& varSrc)
{
    if (&varSrc != (const VARIANT*)this)
        CheckError(::VariantCopy(this, (LPVARIANT)&varSrc));
    return *this;
}

const COleVariant& COleVariant::operator=(LPCVARIANT pSrc)
{
    return operator=(*pSrc);
}

const COleVariant& COleVariant::operator=(const COleVariant& varSrc)
{
    return operator=((const VARIANT&)varSrc);
}

const COleVariant& COleVariant::operator=(LPCSTR lpszSrc)
{
    BSTR bstr = BstrFromAnsi(lpszSrc);
    Clear();
    vt = VT_BSTR;
    bstrVal = bstr;
    return *this;
}

const COleVariant& COleVariant::operator=(const CString& strSrc)
{
    return operator=((LPCSTR)strSrc);
}

const COleVariant& COleVariant::operator=(short nSrc)
{
    Clear();
    vt = VT_I2;
    iVal = nSrc;
    return *this;
}

const COleVariant& COleVariant::operator=(long lSrc)
{
    Clear();
    vt = VT_I4;
    lVal = lSrc;
    return *this;
}

const COleVariant& COleVariant::operator=(double dblSrc)
{
    Clear();
    vt = VT_R8;
    dblVal = dblSrc;
    return *this;
}

BOOL COleVariant::operator==(const VARIANT& varSrc) const
{
    return AfxVariantEqual(this, &varSrc);
}

BOOL COleVariant::operator==(LPCVARIANT pSrc) const
{
    return pSrc != NULL && AfxVariantEqual(this, pSrc);
}

/////////////////////////////////////////////////////////////////////////////
// Equality

static BOOL BstrEqual(BSTR a, BSTR b)
{
    UINT n = ::SysStringByteLen(a);
    return n == ::SysStringByteLen(b) && (n == 0 || memcmp(a, b, n) == 0);
}

static BOOL ArrayEqual(SAFEARRAY* a, SAFEARRAY* b, VARTYPE vtElement)
{
    if (a == b)
        return TRUE;
    if (a == NULL || b == NULL)
        return FALSE;
    UINT nDims = ::SafeArrayGetDim(a);
    if (nDims != ::SafeArrayGetDim(b) || ::SafeArrayGetElemsize(a) != ::SafeArrayGetElemsize(b))
        return FALSE;
    ULONG nElements = 1;
    for (UINT i = 0; i < nDims; i++)
    {
        if (a->rgsabound[i].cElements != b->rgsabound[i].cElements || a->rgsabound[i].lLbound != b->rgsabound[i].lLbound)
            return FALSE;
        nElements *= a->rgsabound[i].cElements;
    }
    void* pa = NULL;
    void* pb = NULL;
    if (FAILED(::SafeArrayAccessData(a, &pa)))
        return FALSE;
    if (FAILED(::SafeArrayAccessData(b, &pb)))
    {
        ::SafeArrayUnaccessData(a);
        return FALSE;
    }
    BOOL bEqual = TRUE;
    UINT nSize = ::SafeArrayGetElemsize(a);
    for (ULONG i = 0; i < nElements && bEqual; i++)
    {
        const BYTE* ea = (const BYTE*)pa + (size_t)i * nSize;
        const BYTE* eb = (const BYTE*)pb + (size_t)i * nSize;
        if (vtElement == VT_BSTR)
            bEqual = BstrEqual(*(BSTR*)ea, *(BSTR*)eb);
        else if (vtElement == VT_VARIANT)
            bEqual = AfxVariantEqual((const VARIANT*)ea, (const VARIANT*)eb);
        else
            bEqual = memcmp(ea, eb, nSize) == 0;
    }
    ::SafeArrayUnaccessData(b);
    ::SafeArrayUnaccessData(a);
    return bEqual;
}

BOOL AFXAPI AfxVariantEqual(const VARIANT* pA, const VARIANT* pB)
{
    if (pA == pB)
        return TRUE;
    if (pA->vt != pB->vt)
        return FALSE;
    VARTYPE vt = pA->vt;
    if (vt & VT_ARRAY)
        return ArrayEqual((vt & VT_BYREF) ? *pA->pparray : pA->parray,
            (vt & VT_BYREF) ? *pB->pparray : pB->parray, vt & VT_TYPEMASK);
    if (vt & VT_BYREF)
        return pA->byref == pB->byref;
    switch (vt)
    {
    case VT_EMPTY: case VT_NULL:
        return TRUE;
    case VT_BOOL:
        return (pA->boolVal != VARIANT_FALSE) == (pB->boolVal != VARIANT_FALSE);
    case VT_I1: case VT_UI1:
        return pA->bVal == pB->bVal;
    case VT_I2: case VT_UI2:
        return pA->iVal == pB->iVal;
    case VT_I4: case VT_UI4: case VT_INT: case VT_UINT: case VT_ERROR:
        return pA->lVal == pB->lVal;
    case VT_R4:
        return pA->fltVal == pB->fltVal;
    case VT_R8: case VT_DATE:
        return pA->dblVal == pB->dblVal;
    case VT_I8: case VT_UI8: case VT_CY:
        return pA->llVal == pB->llVal;
    case VT_BSTR:
        return BstrEqual(pA->bstrVal, pB->bstrVal);
    case VT_DISPATCH: case VT_UNKNOWN:
        return pA->punkVal == pB->punkVal;
    case VT_DECIMAL:
        return memcmp(&pA->decVal, &pB->decVal, sizeof(DECIMAL)) == 0;
    default:
        return FALSE;
    }
}
