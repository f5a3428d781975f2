// appcore.cpp - module state, class registry, resource chain, extension DLLs and the thread state.
#include "afximpl_.h"

HINSTANCE afxFxInstance = NULL;

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        afxFxInstance = hInstance;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Thread state

namespace
{
struct ThreadStateHolder
{
    AFX_THREAD_STATE state;
    ThreadStateHolder() { memset(&state, 0, sizeof(state)); }
    ~ThreadStateHolder()
    {
        for (int i = 0; i < afxHandleMapKinds; i++)
        {
            delete state.m_pHandleMaps[i];
            state.m_pHandleMaps[i] = NULL;
        }
        if (state.m_hHookOldCbtFilter != NULL)
            ::UnhookWindowsHookEx(state.m_hHookOldCbtFilter);
    }
};
}

AFX_THREAD_STATE* AFXAPI AfxGetThreadState()
{
    static thread_local ThreadStateHolder t_holder;
    return &t_holder.state;
}

/////////////////////////////////////////////////////////////////////////////
// Module state: one for the application and every extension DLL it loads

static AFX_MODULE_STATE& BaseModuleState()
{
    static AFX_MODULE_STATE s_state = { NULL, NULL, NULL, NULL, FALSE, FALSE, NULL, NULL };
    if (s_state.m_hCurrentInstanceHandle == NULL)
    {
        // before AfxWinInit the program's own module stands for the application
        s_state.m_hCurrentInstanceHandle = ::GetModuleHandleA(NULL);
        s_state.m_hCurrentResourceHandle = s_state.m_hCurrentInstanceHandle;
    }
    return s_state;
}

AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState()
{
    return &BaseModuleState();
}

AFX_MODULE_STATE* AFXAPI AfxGetModuleState()
{
    AFX_MODULE_STATE* pState = AfxGetThreadState()->m_pModuleState;
    return pState != NULL ? pState : &BaseModuleState();
}

AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState()
{
    // Extension DLLs share the application's state.
    return &BaseModuleState();
}

AFX_MODULE_STATE* AFXAPI AfxSetModuleState(AFX_MODULE_STATE* pNewState)
{
    AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    AFX_MODULE_STATE* pPrev = pThreadState->m_pModuleState;
    pThreadState->m_pModuleState = pNewState;
    return pPrev;
}

AFX_MAINTAIN_STATE2::AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pModuleState)
{
    m_pPrevModuleState = AfxSetModuleState(pModuleState);
}

AFX_MAINTAIN_STATE2::~AFX_MAINTAIN_STATE2()
{
    AfxSetModuleState(m_pPrevModuleState);
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return AfxGetModuleState()->m_hCurrentInstanceHandle;
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return AfxGetModuleState()->m_hCurrentResourceHandle;
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

CWinApp* AFXAPI AfxGetApp()
{
    return AfxGetModuleState()->m_pCurrentWinApp;
}

LPCSTR AFXAPI AfxGetAppName()
{
    CWinApp* pApp = AfxGetApp();
    return pApp != NULL ? pApp->m_pszAppName : AfxGetModuleState()->m_lpszCurrentAppName;
}

CWinThread* AFXAPI AfxGetThread()
{
    return AfxGetThreadState()->m_pCurrentWinThread;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    // Only a thread that runs a CWinThread (the application's own thread among them) has one.
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL ? pThread->GetMainWnd() : NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Class registry
//
// IMPLEMENT_SERIAL classes register themselves while their module's static objects are made.
// An extension DLL's raw hook (afxdllx.h) sets the application's list aside first, so that the
// DLL's classes collect apart; AfxInitExtensionModule hands them to the DLL's record and puts the
// application's list back.  CDynLinkLibrary then carries them in the chain.

namespace
{
const int kMaxRawNesting = 16;
CRuntimeClass* s_savedClassLists[kMaxRawNesting];
HINSTANCE s_rawModules[kMaxRawNesting];
int s_nRaw = 0;
}

void AFXAPI AfxClassInit(CRuntimeClass* pNewClass)
{
    AFX_MODULE_STATE* pModuleState = AfxGetAppModuleState();
    pNewClass->m_pNextClass = pModuleState->m_pClassList;
    pModuleState->m_pClassList = pNewClass;
}

void AFXAPI AfxCoreRawDllMain(HINSTANCE hInstance, DWORD dwReason)
{
    AFX_MODULE_STATE* pModuleState = AfxGetAppModuleState();
    if (dwReason == DLL_PROCESS_ATTACH && s_nRaw < kMaxRawNesting)
    {
        s_savedClassLists[s_nRaw] = pModuleState->m_pClassList;
        s_rawModules[s_nRaw] = hInstance;
        ++s_nRaw;
        pModuleState->m_pClassList = NULL;
    }
}

static BOOL TakeRawClassList(HMODULE hModule, CRuntimeClass** ppClassList)
{
    AFX_MODULE_STATE* pModuleState = AfxGetAppModuleState();
    for (int i = s_nRaw - 1; i >= 0; i--)
    {
        if (s_rawModules[i] != hModule)
            continue;
        *ppClassList = pModuleState->m_pClassList;
        pModuleState->m_pClassList = s_savedClassLists[i];
        for (int j = i; j < s_nRaw - 1; j++)
        {
            s_savedClassLists[j] = s_savedClassLists[j + 1];
            s_rawModules[j] = s_rawModules[j + 1];
        }
        --s_nRaw;
        return TRUE;
    }
    return FALSE;
}

CRuntimeClass* AfxFindRegisteredClass(LPCSTR lpszClassName)
{
    AFX_MODULE_STATE* pModuleState = AfxGetAppModuleState();
    for (CRuntimeClass* pClass = pModuleState->m_pClassList; pClass != NULL; pClass = pClass->m_pNextClass)
        if (lstrcmpA(lpszClassName, pClass->m_lpszClassName) == 0)
            return pClass;
    for (CDynLinkLibrary* pDLL = pModuleState->m_pFirstDLL; pDLL != NULL; pDLL = pDLL->m_pNextDLL)
        for (CRuntimeClass* pClass = pDLL->m_pClassList; pClass != NULL; pClass = pClass->m_pNextClass)
            if (lstrcmpA(lpszClassName, pClass->m_lpszClassName) == 0)
                return pClass;
    return NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Extension DLLs

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (hModule == NULL)
        return FALSE;
    if (state.bInitialized)
        return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.pFirstSharedClass = NULL;
    state.pFirstSharedFactory = NULL;
    CRuntimeClass* pClassList = NULL;
    if (TakeRawClassList(hModule, &pClassList))
        state.pFirstSharedClass = pClassList;
    state.bInitialized = TRUE;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    if (!state.bInitialized)
        return;
    AFX_MODULE_STATE* pModuleState = AfxGetAppModuleState();
    CDynLinkLibrary* pDLL = pModuleState->m_pFirstDLL;
    while (pDLL != NULL)
    {
        CDynLinkLibrary* pNext = pDLL->m_pNextDLL;
        if (bAll || pDLL->m_hModule == state.hModule)
            delete pDLL;           // the destructor unlinks it
        pDLL = pNext;
    }
    state.bInitialized = FALSE;
}

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

static void LinkLibrary(CDynLinkLibrary* pDLL)
{
    // Libraries join at the end: the resource chain is searched in the order they were loaded.
    AFX_MODULE_STATE* pModuleState = AfxGetAppModuleState();
    pDLL->m_pNextDLL = NULL;
    CDynLinkLibrary** ppLink = &pModuleState->m_pFirstDLL;
    while (*ppLink != NULL)
        ppLink = &(*ppLink)->m_pNextDLL;
    *ppLink = pDLL;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource),
      m_pClassList(state.pFirstSharedClass), m_bSystem(bSystem), m_pNextDLL(NULL)
{
    LinkLibrary(this);
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_pClassList(NULL), m_bSystem(FALSE), m_pNextDLL(NULL)
{
    LinkLibrary(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    AFX_MODULE_STATE* pModuleState = AfxGetAppModuleState();
    for (CDynLinkLibrary** ppLink = &pModuleState->m_pFirstDLL; *ppLink != NULL; ppLink = &(*ppLink)->m_pNextDLL)
    {
        if (*ppLink == this)
        {
            *ppLink = m_pNextDLL;
            break;
        }
    }
}

/////////////////////////////////////////////////////////////////////////////
// Resource chain

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    HINSTANCE hInst = AfxGetResourceHandle();
    if (!pModuleState->m_bSystem && hInst != NULL && ::FindResourceA(hInst, lpszName, lpszType) != NULL)
        return hInst;
    for (CDynLinkLibrary* pDLL = AfxGetAppModuleState()->m_pFirstDLL; pDLL != NULL; pDLL = pDLL->m_pNextDLL)
    {
        if (!pDLL->m_bSystem && pDLL->m_hResource != NULL &&
            ::FindResourceA(pDLL->m_hResource, lpszName, lpszType) != NULL)
            return pDLL->m_hResource;
    }
    HINSTANCE hApp = AfxGetAppModuleState()->m_hCurrentInstanceHandle;
    if (hApp != NULL && hApp != hInst && ::FindResourceA(hApp, lpszName, lpszType) != NULL)
        return hApp;
    return hInst;
}

static BOOL HasString(HINSTANCE hInst, UINT nID)
{
    // LoadStringW with a zero buffer length gives the length of the string in the resource itself,
    // so an empty slot in an existing block is told from a real string.
    LPCWSTR pImage = NULL;
    return hInst != NULL && ::LoadStringW(hInst, nID, (LPWSTR)&pImage, 0) > 0;
}

HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    if (!AfxGetModuleState()->m_bSystem && HasString(hInst, nID))
        return hInst;
    for (CDynLinkLibrary* pDLL = AfxGetAppModuleState()->m_pFirstDLL; pDLL != NULL; pDLL = pDLL->m_pNextDLL)
        if (!pDLL->m_bSystem && HasString(pDLL->m_hResource, nID))
            return pDLL->m_hResource;
    HINSTANCE hApp = AfxGetAppModuleState()->m_hCurrentInstanceHandle;
    if (HasString(hApp, nID))
        return hApp;
    return hInst;
}
