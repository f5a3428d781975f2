// settings_test.h - helpers of the settings-store tests.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>
#include "frame/StringArraySettings.h"
#include "wexotest.h"

// The lines of an array, for comparing whole arrays in one expectation.
inline std::vector<std::string> Lines(const CStringArray& arr)
{
    std::vector<std::string> lines;
    for (INT_PTR i = 0; i < arr.GetSize(); i++)
        lines.push_back((LPCSTR)arr[i]);
    return lines;
}

inline void SetLines(CStringArray& arr, std::initializer_list<const char*> lines)
{
    arr.RemoveAll();
    for (const char* lpsz : lines)
        arr.Add(lpsz);
}

// The name under which the settings functions reach arr.
CString ArrayName(CStringArray* pArray);

// The value LoadIniString gives for a key, or "<absent>" when it reports none.
inline std::string LoadText(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszFile)
{
    char szValue[2048];
    if (!LoadIniString(lpszSection, lpszKey, szValue, sizeof(szValue), lpszFile))
        return "<absent>";
    return szValue;
}

// A key of an INI file read with the Windows functions themselves, or "<absent>".
inline std::string ReadIniDirect(const std::string& strFile, LPCSTR lpszSection, LPCSTR lpszKey)
{
    char szValue[4096];
    ::GetPrivateProfileStringA(lpszSection, lpszKey, "<absent>", szValue, sizeof(szValue), strFile.c_str());
    return szValue;
}

// An in-memory stream holding the given bytes, positioned at its start.
IStream* CreateTestStream(const std::string& strBytes);
// The whole content of a stream, whatever its position.
std::string ReadWholeStream(IStream* pStream);
