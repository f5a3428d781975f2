// wexodisp.cpp - late-bound calls through IDispatch for tests.
#include "wexodisp.h"
#include <vector>

DISPID TestDispId(IDispatch* pDisp, const wchar_t* lpszName)
{
    DISPID dispid = DISPID_UNKNOWN;
    LPOLESTR name = const_cast<LPOLESTR>(lpszName);
    if (FAILED(pDisp->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &dispid)))
        return DISPID_UNKNOWN;
    return dispid;
}

HRESULT TestDispInvoke(IDispatch* pDisp, DISPID dispid, WORD wFlags, std::initializer_list<VARIANT> args,
    VARIANT* pResult, UINT* puArgErr, EXCEPINFO* pExcepInfo)
{
    std::vector<VARIANT> rgvarg(args.begin(), args.end());
    std::vector<VARIANT> reversed(rgvarg.rbegin(), rgvarg.rend());
    DISPID dispidPut = DISPID_PROPERTYPUT;
    DISPPARAMS params = { reversed.empty() ? NULL : reversed.data(), NULL, (UINT)reversed.size(), 0 };
    if (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))
    {
        params.rgdispidNamedArgs = &dispidPut;
        params.cNamedArgs = 1;
    }
    if (pResult != NULL)
        ::VariantInit(pResult);
    return pDisp->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params, pResult, pExcepInfo, puArgErr);
}

HRESULT TestDispGet(IDispatch* pDisp, const wchar_t* lpszName, VARIANT* pResult, std::initializer_list<VARIANT> args)
{
    DISPID dispid = TestDispId(pDisp, lpszName);
    if (dispid == DISPID_UNKNOWN)
        return DISP_E_UNKNOWNNAME;
    return TestDispInvoke(pDisp, dispid, DISPATCH_PROPERTYGET, args, pResult);
}

HRESULT TestDispPut(IDispatch* pDisp, const wchar_t* lpszName, const VARIANT& value)
{
    DISPID dispid = TestDispId(pDisp, lpszName);
    if (dispid == DISPID_UNKNOWN)
        return DISP_E_UNKNOWNNAME;
    return TestDispInvoke(pDisp, dispid, DISPATCH_PROPERTYPUT, { value });
}

HRESULT TestDispCall(IDispatch* pDisp, const wchar_t* lpszName, std::initializer_list<VARIANT> args,
    VARIANT* pResult)
{
    DISPID dispid = TestDispId(pDisp, lpszName);
    if (dispid == DISPID_UNKNOWN)
        return DISP_E_UNKNOWNNAME;
    return TestDispInvoke(pDisp, dispid, DISPATCH_METHOD, args, pResult);
}
