// frame_test.h - helpers of the frame tests.
#pragma once

#include <afxwin.h>
#include <ostream>

// Readable rectangles in failure messages.  Static: other test files may print rectangles
// their own way.
[[maybe_unused]] static void PrintTo(const CRect& rect, std::ostream* pStream)
{
    *pStream << "(" << rect.left << "," << rect.top << ")-(" << rect.right << "," << rect.bottom << ")";
}

#include <string>

// The folder of the running test program (build/bin), without a trailing backslash.
inline std::string TestProgramFolder()
{
    char szPath[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return std::string();
    char* pszSlash = strrchr(szPath, '\\');
    if (pszSlash != NULL)
        *pszSlash = '\0';
    return szPath;
}

// Where the build puts the stand-in language extensions and their resource module.
inline std::string LangExtFolder()
{
    return TestProgramFolder() + "\\frame-langext";
}
