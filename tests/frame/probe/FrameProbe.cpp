// FrameProbe.cpp - frame_probe.exe: loads WEXOctrl.dll the way a host does and reports what the
// library did while loading and unloading.
//
// The frame tests copy this program, WEXOfx.dll, WEXOctrl.dll, WEXOCTRL.TLB and (or not) a
// LangExt.dll into an empty folder and run it there, so that the library's search for
// "LangExt.dll" finds the one beside the program.  It writes probe.ini beside itself:
//   [Load]    Loaded, Library, Resource, ResourceFile, ResourceLoaded, LangExtLoaded,
//             ChainResource, StringResource, String26001, TypeLibPath, ZeroEarly, NonZeroLate
//   [Unload]  LibraryLoaded, ResourceLoaded, ChainEntries
// Exit code 0 when the report is complete, 1 when the library did not load, 2 on a usage error.
#include <afxwin.h>
#include <oleauto.h>
#include <stdio.h>
#include <string>
#include "FrameMessageList.h"

namespace
{
// {57C22EA0-5BCE-11D2-9D04-000001187863}
const GUID LIBID_WEXOCTRL = { 0x57C22EA0, 0x5BCE, 0x11D2, { 0x9D, 0x04, 0x00, 0x00, 0x01, 0x18, 0x78, 0x63 } };

std::string s_strReport;

void Report(const char* pszSection, const char* pszKey, const std::string& strValue)
{
    ::WritePrivateProfileStringA(pszSection, pszKey, strValue.c_str(), s_strReport.c_str());
}

std::string Hex(const void* p)
{
    char sz[32];
    snprintf(sz, sizeof(sz), "%llX", (unsigned long long)(ULONG_PTR)p);
    return sz;
}

std::string FileName(HMODULE hModule)
{
    char szPath[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(hModule, szPath, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return "";
    const char* pszName = strrchr(szPath, '\\');
    return pszName != NULL ? pszName + 1 : szPath;
}

// the resource module of the chain entry that stands for hLibrary, or NULL
HINSTANCE ChainResource(HMODULE hLibrary, int* pnEntries)
{
    HINSTANCE hResource = NULL;
    *pnEntries = 0;
    for (CDynLinkLibrary* pDLL = AfxGetAppModuleState()->m_pFirstDLL; pDLL != NULL; pDLL = pDLL->m_pNextDLL)
    {
        if (pDLL->m_hModule == hLibrary)
        {
            ++*pnEntries;
            hResource = pDLL->m_hResource;
        }
    }
    return hResource;
}

std::string RegisteredTypeLibPath()
{
    BSTR bstrPath = NULL;
    if (FAILED(::QueryPathOfRegTypeLib(LIBID_WEXOCTRL, 1, 0, LOCALE_NEUTRAL, &bstrPath)) || bstrPath == NULL)
        return "";
    char szPath[MAX_PATH * 2];
    int n = ::WideCharToMultiByte(CP_ACP, 0, bstrPath, -1, szPath, sizeof(szPath), NULL, NULL);
    ::SysFreeString(bstrPath);
    return n > 0 ? szPath : "";
}

UINT ReadGlobal(HMODULE hLibrary, const char* pszName, bool* pbFound)
{
    const UINT* pnValue = (const UINT*)::GetProcAddress(hLibrary, pszName);
    *pbFound = pnValue != NULL;
    return pnValue != NULL ? *pnValue : 0;
}

void AppendName(std::string& strList, const char* pszName)
{
    if (!strList.empty())
        strList += ",";
    strList += pszName;
}
}

int main()
{
    char szReport[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(NULL, szReport, MAX_PATH);
    char* pszSlash = n > 0 && n < MAX_PATH ? strrchr(szReport, '\\') : NULL;
    if (pszSlash == NULL)
        return 2;
    strcpy(pszSlash + 1, "probe.ini");
    s_strReport = szReport;
    ::DeleteFileA(szReport);

    // what the registry says afterwards must come from this load
    ::UnRegisterTypeLib(LIBID_WEXOCTRL, 1, 0, LOCALE_NEUTRAL, SYS_WIN64);

    HMODULE hLibrary = ::LoadLibraryA("WEXOctrl.dll");
    Report("Load", "Loaded", hLibrary != NULL ? "1" : "0");
    if (hLibrary == NULL)
        return 1;
    Report("Load", "Library", Hex(hLibrary));

    const HINSTANCE* phResource = (const HINSTANCE*)::GetProcAddress(hLibrary, "g_hUILResource");
    HINSTANCE hResource = phResource != NULL ? *phResource : NULL;
    std::string strResourceFile = FileName(hResource);
    Report("Load", "Resource", Hex(hResource));
    Report("Load", "ResourceFile", strResourceFile);
    Report("Load", "ResourceLoaded", ::GetModuleHandleA(strResourceFile.c_str()) != NULL ? "1" : "0");
    Report("Load", "LangExtLoaded", ::GetModuleHandleA("LangExt.dll") != NULL ? "1" : "0");

    int nEntries = 0;
    Report("Load", "ChainResource", Hex(ChainResource(hLibrary, &nEntries)));
    // the program has no string 26001: the framework finds it through the chain
    Report("Load", "StringResource", Hex(AfxFindStringResourceHandle(26001)));
    char szString[256] = "";
    if (hResource != NULL)
        ::LoadStringA(hResource, 26001, szString, sizeof(szString));
    Report("Load", "String26001", szString);
    Report("Load", "TypeLibPath", RegisteredTypeLibPath());

    std::string strZeroEarly;
    std::string strNonZeroLate;
    bool bFound = false;
#define CHECK_EARLY(global, name) \
    if (ReadGlobal(hLibrary, #global, &bFound) == 0) \
        AppendName(strZeroEarly, #global);
#define CHECK_LATE(global, name) \
    if (ReadGlobal(hLibrary, #global, &bFound) != 0 || !bFound) \
        AppendName(strNonZeroLate, #global);
    FRAME_EARLY_EXPORTED_MESSAGES(CHECK_EARLY)
    FRAME_LATE_EXPORTED_MESSAGES(CHECK_LATE)
#undef CHECK_EARLY
#undef CHECK_LATE
    Report("Load", "ZeroEarly", strZeroEarly);
    Report("Load", "NonZeroLate", strNonZeroLate);

    BOOL bFreed = ::FreeLibrary(hLibrary);
    Report("Unload", "Freed", bFreed ? "1" : "0");
    Report("Unload", "LibraryLoaded", ::GetModuleHandleA("WEXOctrl.dll") != NULL ? "1" : "0");
    Report("Unload", "ResourceLoaded",
        !strResourceFile.empty() && ::GetModuleHandleA(strResourceFile.c_str()) != NULL ? "1" : "0");
    ChainResource(hLibrary, &nEntries);
    Report("Unload", "ChainEntries", std::to_string(nEntries));
    Report("Done", "Complete", "1");
    return 0;
}
