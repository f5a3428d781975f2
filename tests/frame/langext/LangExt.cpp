// LangExt.cpp - stand-ins for the optional language extension "LangExt.dll" that a host may put
// beside its executable.  One source, built once per behaviour (tests/frame/extra.cmake):
//   LANGEXT_RETURNS_OTHER     LoadResExtDLL loads LangRes.dll from its own folder and returns it
//   LANGEXT_RETURNS_SELF      LoadResExtDLL returns the instance it was given
//   LANGEXT_RETURNS_NULL      LoadResExtDLL returns NULL
//   LANGEXT_WITHOUT_EXPORT    no LoadResExtDLL at all (another export, so the DLL is still valid)
#include <windows.h>
#include <string.h>

#if defined(LANGEXT_RETURNS_OTHER)
static HINSTANCE s_hInstance = NULL;

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        s_hInstance = hInstance;
    return TRUE;
}

extern "C" __declspec(dllexport) HINSTANCE __cdecl LoadResExtDLL(HINSTANCE, DWORD)
{
    char szPath[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(s_hInstance, szPath, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return NULL;
    char* pszName = strrchr(szPath, '\\');
    pszName = pszName != NULL ? pszName + 1 : szPath;
    if ((size_t)(pszName - szPath) + sizeof("LangRes.dll") > sizeof(szPath))
        return NULL;
    strcpy(pszName, "LangRes.dll");
    // the caller owns this reference from now on
    return ::LoadLibraryA(szPath);
}
#elif defined(LANGEXT_RETURNS_SELF)
extern "C" __declspec(dllexport) HINSTANCE __cdecl LoadResExtDLL(HINSTANCE hInstance, DWORD)
{
    return hInstance;
}
#elif defined(LANGEXT_RETURNS_NULL)
extern "C" __declspec(dllexport) HINSTANCE __cdecl LoadResExtDLL(HINSTANCE, DWORD)
{
    return NULL;
}
#elif defined(LANGEXT_WITHOUT_EXPORT)
extern "C" __declspec(dllexport) int __cdecl GetLanguageExtensionVersion()
{
    return 1;
}
#else
#error choose the behaviour of this LangExt.dll
#endif
