// fxtest.h - helpers shared by the framework layer's tests.
#pragma once

#include <afx.h>

// Runs f, which must throw a framework exception of class T (thrown as a pointer, as the framework
// does); true when it did.  Any other framework exception is deleted and counts as failure.
template<class T, class F>
bool ThrowsFx(F f)
{
    try
    {
        f();
    }
    catch (T* e)
    {
        e->Delete();
        return true;
    }
    catch (CException* e)
    {
        e->Delete();
    }
    return false;
}

// Loads the framework's test extension DLL (fxtest_ext.dll beside the test program), which joins
// the resource chain while it is loaded.
inline HMODULE LoadTestExtension()
{
    char szPath[MAX_PATH];
    ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
    char* pszSlash = strrchr(szPath, '\\');
    strcpy(pszSlash + 1, "fxtest_ext.dll");
    return ::LoadLibraryA(szPath);
}
