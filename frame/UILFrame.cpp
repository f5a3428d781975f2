// UILFrame.cpp - monitor geometry, screen repainting, the host-owned message box, the trace
// sink and string-array names.
#include "UILFrameImpl.h"
#include <afxtempl.h>

/////////////////////////////////////////////////////////////////////////////
// The multi-monitor functions of "user32.dll"
//
// They are looked up by name, never linked, so that the library loads where they are missing.

namespace
{
typedef HMONITOR (WINAPI* PFN_MONITORFROMWINDOW)(HWND hWnd, DWORD dwFlags);
typedef HMONITOR (WINAPI* PFN_MONITORFROMPOINT)(POINT pt, DWORD dwFlags);
typedef BOOL (WINAPI* PFN_GETMONITORINFOA)(HMONITOR hMonitor, LPMONITORINFO lpmi);
typedef BOOL (WINAPI* PFN_ENUMDISPLAYMONITORS)(HDC hdc, LPCRECT lprcClip, MONITORENUMPROC lpfnEnum,
    LPARAM dwData);

// "user32.dll" loaded for the object's lifetime, and its monitor functions (NULL when missing)
class CMonitorFunctions
{
public:
    CMonitorFunctions()
        : m_hUser32(::LoadLibraryA("user32.dll")),
          m_pfnMonitorFromWindow(NULL), m_pfnMonitorFromPoint(NULL), m_pfnGetMonitorInfo(NULL),
          m_pfnEnumDisplayMonitors(NULL)
    {
        if (m_hUser32 == NULL)
            return;
        m_pfnMonitorFromWindow = (PFN_MONITORFROMWINDOW)::GetProcAddress(m_hUser32, "MonitorFromWindow");
        m_pfnMonitorFromPoint = (PFN_MONITORFROMPOINT)::GetProcAddress(m_hUser32, "MonitorFromPoint");
        m_pfnGetMonitorInfo = (PFN_GETMONITORINFOA)::GetProcAddress(m_hUser32, "GetMonitorInfoA");
        m_pfnEnumDisplayMonitors =
            (PFN_ENUMDISPLAYMONITORS)::GetProcAddress(m_hUser32, "EnumDisplayMonitors");
    }
    ~CMonitorFunctions()
    {
        if (m_hUser32 != NULL)
            ::FreeLibrary(m_hUser32);
    }

    // the monitor or work rectangle of hMonitor, or rectDefault when Windows gives none
    CRect GetArea(HMONITOR hMonitor, BOOL bWorkArea, const CRect& rectDefault) const
    {
        MONITORINFO mi;
        memset(&mi, 0, sizeof(mi));
        mi.cbSize = sizeof(MONITORINFO);    // 40: the record without a device name
        if (hMonitor == NULL || m_pfnGetMonitorInfo == NULL || !m_pfnGetMonitorInfo(hMonitor, &mi))
            return rectDefault;
        return CRect(bWorkArea ? mi.rcWork : mi.rcMonitor);
    }

    HMODULE m_hUser32;
    PFN_MONITORFROMWINDOW m_pfnMonitorFromWindow;
    PFN_MONITORFROMPOINT m_pfnMonitorFromPoint;
    PFN_GETMONITORINFOA m_pfnGetMonitorInfo;
    PFN_ENUMDISPLAYMONITORS m_pfnEnumDisplayMonitors;

private:
    CMonitorFunctions(const CMonitorFunctions&) = delete;
    CMonitorFunctions& operator=(const CMonitorFunctions&) = delete;
};

// Windows without multi-monitor support report no monitors at all; they have one.
int GetMonitorCount()
{
    int nMonitors = ::GetSystemMetrics(SM_CMONITORS);
    return nMonitors > 0 ? nMonitors : 1;
}

// What the monitor functions answer when Windows cannot tell.
CRect GetFullScreenRect()
{
    return CRect(0, 0, ::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN));
}

CRect GetDesktopWindowRect()
{
    CRect rect(0, 0, 0, 0);
    ::GetWindowRect(::GetDesktopWindow(), &rect);
    return rect;
}

CRect MonitorAreaFromPoint(POINT pt, BOOL bWorkArea)
{
    CRect rect = GetFullScreenRect();
    CMonitorFunctions functions;
    if (functions.m_pfnMonitorFromPoint != NULL && functions.m_pfnGetMonitorInfo != NULL)
        rect = functions.GetArea(functions.m_pfnMonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST),
            bWorkArea, rect);
    return rect;
}

CRect MonitorAreaFromWindow(HWND hWnd, BOOL bWorkArea)
{
    CRect rect = GetFullScreenRect();
    if (::IsWindow(hWnd))
    {
        CMonitorFunctions functions;
        if (functions.m_pfnMonitorFromWindow != NULL && functions.m_pfnGetMonitorInfo != NULL)
            rect = functions.GetArea(functions.m_pfnMonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST),
                bWorkArea, rect);
    }
    return rect;
}

typedef CArray<CRect, const CRect&> CScreenRectArray;

struct SWorkAreaCollector
{
    const CMonitorFunctions* pFunctions;
    CScreenRectArray* pRects;
};

BOOL CALLBACK CollectWorkArea(HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam)
{
    SWorkAreaCollector* pCollector = (SWorkAreaCollector*)lParam;
    CRect rectWork = pCollector->pFunctions->GetArea(hMonitor, TRUE, CRect(0, 0, 0, 0));
    if (!rectWork.IsRectEmpty())
        pCollector->pRects->Add(rectWork);
    return TRUE;
}

// The screen areas a window may occupy, in the order Windows enumerates the monitors.  Made
// afresh on every call: monitors come and go while the host runs.
void GetScreenRects(CScreenRectArray& rects)
{
    rects.RemoveAll();
    if (GetMonitorCount() >= 2)
    {
        CMonitorFunctions functions;
        if (functions.m_pfnEnumDisplayMonitors != NULL && functions.m_pfnGetMonitorInfo != NULL)
        {
            SWorkAreaCollector collector = { &functions, &rects };
            functions.m_pfnEnumDisplayMonitors(NULL, NULL, CollectWorkArea, (LPARAM)&collector);
        }
    }
    if (rects.GetSize() == 0)
        rects.Add(GetDesktopWindowRect());
}
}

/////////////////////////////////////////////////////////////////////////////
// Monitor geometry

CRect GetMonitorRect(POINT pt)
{
    return MonitorAreaFromPoint(pt, FALSE);
}

CRect GetMonitorRect(HWND hWnd)
{
    return MonitorAreaFromWindow(hWnd, FALSE);
}

CRect GetMonitorWorkArea(POINT pt)
{
    return MonitorAreaFromPoint(pt, TRUE);
}

CRect GetMonitorWorkArea(HWND hWnd)
{
    return MonitorAreaFromWindow(hWnd, TRUE);
}

CRect GetVirtualMonitorRect()
{
    if (GetMonitorCount() < 2)
        return GetDesktopWindowRect();
    int x = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    int y = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    return CRect(x, y, x + ::GetSystemMetrics(SM_CXVIRTUALSCREEN), y + ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

int ConstrainRectToScreen(CRect& rect)
{
    CScreenRectArray rects;
    GetScreenRects(rects);
    return ConstrainRectToRects(rect, rects.GetData(), (int)rects.GetSize());
}

/////////////////////////////////////////////////////////////////////////////
// Repainting a part of the screen

namespace
{
BOOL CALLBACK RedrawWindowUnder(HWND hWnd, LPARAM lParam)
{
    const RECT* lpScreenRect = (const RECT*)lParam;
    RECT rectWindow;
    RECT rectCommon;
    if (::IsWindowVisible(hWnd) && ::GetWindowRect(hWnd, &rectWindow) &&
        ::IntersectRect(&rectCommon, &rectWindow, lpScreenRect))
    {
        RECT rectClient = *lpScreenRect;
        ::MapWindowPoints(NULL, hWnd, (LPPOINT)&rectClient, 2);
        ::RedrawWindow(hWnd, &rectClient, NULL,
            RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    return TRUE;    // every window under the rectangle needs it, not just the first
}
}

int RedrawScreenRect(const RECT* lpRect)
{
    if (lpRect == NULL)
        return 0;
    return ::EnumWindows(RedrawWindowUnder, (LPARAM)lpRect);
}

/////////////////////////////////////////////////////////////////////////////
// Messages to the user and diagnostics

int AppMessageBox(const char* lpszText, const char* lpszCaption, unsigned int nType)
{
    // task-modal: the host's other windows must not take input while the library asks
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hWndOwner = pMainWnd != NULL ? pMainWnd->m_hWnd : NULL;
    return ::MessageBoxA(hWndOwner, lpszText, lpszCaption, nType | MB_TASKMODAL);
}

void MyThreadTrace(const char* lpszText)
{
    UNUSED_ALWAYS(lpszText);
}

/////////////////////////////////////////////////////////////////////////////
// String-array names

CString MakeStringArrayName(const CStringArray* pArray)
{
    // every digit of the address, upper case, no leading zeros: the settings functions read the
    // text back with the same rule on any pointer width
    static const char szDigits[] = "0123456789ABCDEF";
    char szHex[sizeof(ULONG_PTR) * 2 + 1];
    char* pszDigit = szHex + sizeof(szHex) - 1;
    *pszDigit = '\0';
    ULONG_PTR nAddress = (ULONG_PTR)pArray;
    do
    {
        *--pszDigit = szDigits[nAddress & 0xF];
        nAddress >>= 4;
    } while (nAddress != 0);
    CString strName("pStringArray:");
    strName += pszDigit;
    return strName;
}
