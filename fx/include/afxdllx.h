// afxdllx.h - include once, in one source file of an extension DLL.
//
// It runs the framework's raw hook before the DLL's static objects are made, so that the classes
// the DLL registers collect apart from the application's until AfxInitExtensionModule takes them.
#pragma once

#include "afxwin.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace
{
struct _AfxRawDllHook
{
    _AfxRawDllHook() { AfxCoreRawDllMain((HINSTANCE)&__ImageBase, DLL_PROCESS_ATTACH); }
    ~_AfxRawDllHook() { AfxCoreRawDllMain((HINSTANCE)&__ImageBase, DLL_PROCESS_DETACH); }
};
// Priority 101 runs before every static object of default priority in this module.
_AfxRawDllHook _afxRawDllHook __attribute__((init_priority(101)));
}
