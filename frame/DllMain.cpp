// DllMain.cpp - loading and unloading the library.
//
// The runtime runs the framework's raw hook (afxdllx.h, included here and nowhere else) first,
// then the library's static objects (the registered messages among them), and only then
// DllMain.  On unload DllMain runs before the static objects are destroyed.
#include "UILFrameImpl.h"
#include <afxdisp.h>
#include <afxdllx.h>

HINSTANCE g_hUILResource = NULL;
IDispatch* g_pPropsViewServer = NULL;

namespace
{
AFX_EXTENSION_MODULE s_extensionModule = { FALSE, NULL, NULL, NULL, NULL };
// TRUE when g_hUILResource is a module a language extension loaded for us: then it is ours to free
BOOL s_bOwnResourceModule = FALSE;

// {57C22EA0-5BCE-11D2-9D04-000001187863}
const GUID LIBID_WEXOCTRL = { 0x57C22EA0, 0x5BCE, 0x11D2, { 0x9D, 0x04, 0x00, 0x00, 0x01, 0x18, 0x78, 0x63 } };

// The export of an optional "LangExt.dll": given the library's instance (and 0, reserved), it
// returns the module that holds the library's resources in the user's language.
typedef HINSTANCE (__cdecl* PFN_LOADRESEXTDLL)(HINSTANCE hInstance, DWORD dwReserved);

// The library's own instance unless a language extension beside the host supplies another.
HINSTANCE ChooseResourceModule(HINSTANCE hInstance)
{
    HINSTANCE hResource = hInstance;
    HMODULE hLangExt = ::LoadLibraryA("LangExt.dll");
    if (hLangExt == NULL)
        return hResource;
    PFN_LOADRESEXTDLL pfnLoadResExtDLL = (PFN_LOADRESEXTDLL)::GetProcAddress(hLangExt, "LoadResExtDLL");
    if (pfnLoadResExtDLL != NULL)
    {
        hResource = pfnLoadResExtDLL(hInstance, 0);
        if (hResource == NULL)
            hResource = hInstance;
    }
    // the extension only chooses; the module it returned stays loaded on its own reference
    ::FreeLibrary(hLangExt);
    return hResource;
}

BOOL OnProcessAttach(HINSTANCE hInstance)
{
    if (!AfxInitExtensionModule(s_extensionModule, hInstance))
        return FALSE;

    s_bOwnResourceModule = FALSE;
    HINSTANCE hResource = ChooseResourceModule(hInstance);
    if (hResource != hInstance)
        s_bOwnResourceModule = TRUE;
    g_hUILResource = hResource;

    // a host without the type library still gets every window; only automation clients miss it
    AfxOleRegisterTypeLib(hInstance, LIBID_WEXOCTRL, "WEXOCTRL.TLB", NULL);

    // the framework finds the library's resources in the chosen module from now on
    s_extensionModule.hResource = hResource;
    new CDynLinkLibrary(s_extensionModule, FALSE);    // the framework's chain owns it
    return TRUE;
}

void OnProcessDetach()
{
    if (s_bOwnResourceModule)
    {
        ::FreeLibrary(g_hUILResource);
        s_bOwnResourceModule = FALSE;
    }
    if (g_pPropsViewServer != NULL)
    {
        g_pPropsViewServer->Release();
        g_pPropsViewServer = NULL;
    }
    AfxTermExtensionModule(s_extensionModule, FALSE);
}
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/)
{
    switch (dwReason)
    {
    case DLL_PROCESS_ATTACH:
        return OnProcessAttach(hInstance);
    case DLL_PROCESS_DETACH:
        OnProcessDetach();
        break;
    default:
        break;
    }
    return TRUE;
}
