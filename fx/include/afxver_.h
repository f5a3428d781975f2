// afxver_.h - build configuration of the WEXOfx framework layer.
//
// WEXOfx is a re-creation of the parts of the MFC application framework that the WEXOctrl
// library and its hosts use, with MFC's class names and member signatures.  It is built as its
// own DLL (WEXOfx.dll); every framework class and function is exported from it.
#pragma once

#ifndef STRICT
#define STRICT
#endif
#ifndef WINVER
#define WINVER 0x0601
#endif
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0601
#endif
#ifndef _WIN32_IE
#define _WIN32_IE 0x0600
#endif
#ifdef UNICODE
#error WEXOfx is an ANSI/MBCS framework: build without UNICODE
#endif
#ifndef _MBCS
#define _MBCS
#endif

#include <windows.h>
#include <tchar.h>
#include <stddef.h>
#include <stdarg.h>
#include <string.h>
#include <stdlib.h>
#include <stdio.h>
#include <new>

// Export of the framework layer itself.  WEXOfx is built with _AFX_FX_BUILD defined.
#ifdef _AFX_FX_BUILD
#define AFX_FX_CLASS __declspec(dllexport)
#define AFX_FX_API   __declspec(dllexport)
#define AFX_FX_DATA  __declspec(dllexport)
#else
#define AFX_FX_CLASS __declspec(dllimport)
#define AFX_FX_API   __declspec(dllimport)
#define AFX_FX_DATA  __declspec(dllimport)
#endif

// MFC's names for the same thing; the framework headers use these.
#define AFX_CORE_DATA AFX_FX_DATA
#define AFX_DATA      AFX_FX_DATA

// Export of an extension DLL built on the framework: the extension defines _AFXEXT while it is
// built, so its AFX_EXT_CLASS declarations export; its hosts see them as imports.
#define AFX_CLASS_EXPORT __declspec(dllexport)
#define AFX_API_EXPORT   __declspec(dllexport)
#define AFX_DATA_EXPORT  __declspec(dllexport)
#define AFX_CLASS_IMPORT __declspec(dllimport)
#define AFX_API_IMPORT   __declspec(dllimport)
#define AFX_DATA_IMPORT  __declspec(dllimport)
#ifdef _AFXEXT
#define AFX_EXT_CLASS AFX_CLASS_EXPORT
#define AFX_EXT_API   AFX_API_EXPORT
#define AFX_EXT_DATA  AFX_DATA_EXPORT
#else
#define AFX_EXT_CLASS AFX_CLASS_IMPORT
#define AFX_EXT_API   AFX_API_IMPORT
#define AFX_EXT_DATA  AFX_DATA_IMPORT
#endif

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#ifndef AFX_CDECL
#define AFX_CDECL __cdecl
#endif
#ifndef AFX_INLINE
#define AFX_INLINE inline
#endif
#ifndef AFX_STATIC
#define AFX_STATIC static
#endif
#ifndef AFX_NOVTABLE
#define AFX_NOVTABLE
#endif
#ifndef PASCAL
#define PASCAL __stdcall
#endif

#ifdef _DEBUG
#define ASSERT(f)          ((void)((f) || (AfxAssertFailedLine(__FILE__, __LINE__), 0)))
#define VERIFY(f)          ASSERT(f)
#else
#define ASSERT(f)          ((void)0)
#define VERIFY(f)          ((void)(f))
#endif
#define ASSERT_VALID(p)    ((void)0)
#define ASSERT_KINDOF(c,p) ASSERT((p)->IsKindOf(RUNTIME_CLASS(c)))
#define DEBUG_ONLY(f)      ((void)0)
#define UNUSED(x)          (void)(x)
#define UNUSED_ALWAYS(x)   (void)(x)

AFX_FX_API void AFXAPI AfxAssertFailedLine(const char* lpszFileName, int nLine);

// Diagnostic output: TRACE goes to AfxTrace, which hands the text to OutputDebugString only in
// debug builds; release builds write nothing.
AFX_FX_API void AFX_CDECL AfxTrace(const char* lpszFormat, ...);
#ifdef _DEBUG
#define TRACE AfxTrace
#else
#define TRACE(...) ((void)0)
#endif
#define TRACE0(sz)               TRACE("%s", sz)
#define TRACE1(sz, p1)           TRACE(sz, p1)
#define TRACE2(sz, p1, p2)       TRACE(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3)   TRACE(sz, p1, p2, p3)
