// fxtest_ext.cpp - an extension DLL as a library of the framework writes one.
#include <afxwin.h>
#include <afxdllx.h>
#include "fxtest_ext.h"

class CFxTestExtObject : public CObject
{
    DECLARE_SERIAL(CFxTestExtObject)
public:
    CFxTestExtObject() : m_nValue(7) {}
    int m_nValue;
};

IMPLEMENT_SERIAL(CFxTestExtObject, CObject, 1)

static AFX_EXTENSION_MODULE s_extModule = { FALSE, NULL, NULL, NULL, NULL };

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        if (!AfxInitExtensionModule(s_extModule, hInstance))
            return FALSE;
        new CDynLinkLibrary(s_extModule);
    }
    else if (dwReason == DLL_PROCESS_DETACH)
    {
        AfxTermExtensionModule(s_extModule);
    }
    return TRUE;
}

extern "C" __declspec(dllexport) int FxTestExtValue(CObject* pObject)
{
    CFxTestExtObject* pExt = DYNAMIC_DOWNCAST(CFxTestExtObject, pObject);
    return pExt != NULL ? pExt->m_nValue : -1;
}
