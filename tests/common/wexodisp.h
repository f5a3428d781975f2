// wexodisp.h - late-bound calls through IDispatch for tests, as an automation host makes them.
#pragma once

#include <windows.h>
#include <oleauto.h>
#include <initializer_list>

// The dispatch id of a member name; DISPID_UNKNOWN when the object does not know it.
DISPID TestDispId(IDispatch* pDisp, const wchar_t* lpszName);

// Invoke with the arguments in their natural order (they go out last first, as callers send
// them); a put sends its last argument as the named DISPID_PROPERTYPUT value.  pResult, when
// given, is initialised first.  Returns Invoke's own HRESULT.
HRESULT TestDispInvoke(IDispatch* pDisp, DISPID dispid, WORD wFlags, std::initializer_list<VARIANT> args,
    VARIANT* pResult = NULL, UINT* puArgErr = NULL, EXCEPINFO* pExcepInfo = NULL);

// get / put / call by name (an unknown name gives DISP_E_UNKNOWNNAME).
HRESULT TestDispGet(IDispatch* pDisp, const wchar_t* lpszName, VARIANT* pResult,
    std::initializer_list<VARIANT> args = {});
HRESULT TestDispPut(IDispatch* pDisp, const wchar_t* lpszName, const VARIANT& value);
HRESULT TestDispCall(IDispatch* pDisp, const wchar_t* lpszName, std::initializer_list<VARIANT> args,
    VARIANT* pResult = NULL);
