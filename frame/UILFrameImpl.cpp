// UILFrameImpl.cpp - the language suffix and the rule that keeps windows on screen.
//
// The library's tests compile this file into their own program to reach it.
#include "UILFrameImpl.h"
#include <mbstring.h>

/////////////////////////////////////////////////////////////////////////////
// CUILLanguageSuffix

namespace
{
const char szLanguageFile[] = "\\LANGEXT.INI";
const char szEnglish[] = "en";

void FormatSuffix(char* pszBuffer, char chLead, const char* pszLanguage)
{
    pszBuffer[0] = chLead;
    lstrcpynA(pszBuffer + 1, pszLanguage, _MAX_PATH - 1);
}
}

CUILLanguageSuffix::CUILLanguageSuffix() : m_bComputed(FALSE)
{
    m_szBackslashForm[0] = '\0';
    m_szSpaceForm[0] = '\0';
}

const char* CUILLanguageSuffix::Get(int bBackslash, HMODULE hModule)
{
    if (!m_bComputed)
    {
        Compute(hModule);
        m_bComputed = TRUE;
    }
    return bBackslash ? m_szBackslashForm : m_szSpaceForm;
}

void CUILLanguageSuffix::Compute(HMODULE hModule)
{
    char szLanguage[_MAX_PATH];
    lstrcpyA(szLanguage, szEnglish);

    char szPath[_MAX_PATH];
    DWORD nLength = ::GetModuleFileNameA(hModule, szPath, _MAX_PATH);
    // a cut-off path would name some other folder's file
    if (nLength > 0 && nLength < _MAX_PATH)
    {
        // _mbsrchr: a trail byte of a double-byte character may look like a backslash
        unsigned char* pszSlash = _mbsrchr((unsigned char*)szPath, '\\');
        if (pszSlash != NULL && (size_t)((char*)pszSlash - szPath) + sizeof(szLanguageFile) <= _MAX_PATH)
        {
            lstrcpyA((char*)pszSlash, szLanguageFile);
            ::GetPrivateProfileStringA("Program", "DefLang", "NUL", szLanguage, _MAX_PATH, szPath);
            // "NUL" stands for "no language chosen"; an empty value names none either
            if (szLanguage[0] == '\0' || lstrcmpiA(szLanguage, "NUL") == 0)
                lstrcpyA(szLanguage, szEnglish);
        }
    }

    if (lstrcmpiA(szLanguage, szEnglish) != 0)
    {
        FormatSuffix(m_szBackslashForm, '\\', szLanguage);
        FormatSuffix(m_szSpaceForm, ' ', szLanguage);
    }
    else
    {
        m_szBackslashForm[0] = '\0';
        m_szSpaceForm[0] = '\0';
    }
}

/////////////////////////////////////////////////////////////////////////////
// Keeping windows on screen

namespace
{
// Offsets are weighed in 64 bits: the sentinel and far-off rectangles must not overflow.
LONGLONG OffsetWeight(LONGLONG dx, LONGLONG dy)
{
    LONGLONG ax = dx < 0 ? -dx : dx;
    LONGLONG ay = dy < 0 ? -dy : dy;
    return ax < ay ? ax : ay;
}
}

int ConstrainRectToRects(CRect& rect, const CRect* pRects, int nRects)
{
    if (pRects == NULL || nRects <= 0)
        return 0;       // nowhere to bring it
    LONG dxBest = 2147483647;
    LONG dyBest = 2147483647;
    for (int i = 0; i < nRects; i++)
    {
        const CRect& m = pRects[i];
        LONG dx = 0;
        LONG dy = 0;
        if (rect.left >= m.right)
            dx = m.right - rect.right;
        else if (rect.right <= m.left)
            dx = m.left - rect.left;
        if (rect.top >= m.bottom)
            dy = m.bottom - rect.bottom;
        else if (rect.bottom <= m.top)
            dy = m.top - rect.top;
        if (dx == 0 && dy == 0)
            return 0;
        if (OffsetWeight(dx, dy) < OffsetWeight(dxBest, dyBest))
        {
            dxBest = dx;
            dyBest = dy;
        }
    }
    rect.OffsetRect(dxBest, dyBest);
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Modal loops that draw on the screen

void DispatchPendingPaint()
{
    const int nMaxRounds = 200;
    MSG msg;
    for (int i = 0; i < nMaxRounds && ::PeekMessageA(&msg, NULL, WM_PAINT, WM_PAINT, PM_NOREMOVE); i++)
    {
        if (!::GetMessageA(&msg, NULL, WM_PAINT, WM_PAINT))
        {
            // a quit message was taken on the way: it belongs to the thread's own loop
            ::PostQuitMessage((int)msg.wParam);
            return;
        }
        ::DispatchMessageA(&msg);
    }
}

HDC LockDesktopDC(int& bLocked)
{
    const HWND hDesktop = ::GetDesktopWindow();
    bLocked = ::LockWindowUpdate(hDesktop) ? 1 : 0;
    return ::GetDCEx(hDesktop, NULL,
        bLocked ? DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE : DCX_WINDOW | DCX_CACHE);
}

void UnlockDesktopDC(HDC hDC, int bLocked)
{
    if (hDC != NULL)
        ::ReleaseDC(::GetDesktopWindow(), hDC);
    if (bLocked)
        ::LockWindowUpdate(NULL);
}

BOOL CMessageBarPrompt::Show(CFrameWnd* pFrame, UINT nID)
{
    Restore();
    if (pFrame == NULL || !::IsWindow(pFrame->m_hWnd))
        return FALSE;
    CWnd* pBar = pFrame->GetMessageBar();
    if (pBar == NULL)
        return FALSE;
    m_hBar = pBar->m_hWnd;
    pBar->GetWindowText(m_strOld);
    if (nID != 0)
    {
        CUILResourceScope resources;
        CString strPrompt;
        strPrompt.LoadString(nID);
        pBar->SetWindowText(strPrompt);
    }
    return TRUE;
}

void CMessageBarPrompt::Restore()
{
    if (m_hBar != NULL && ::IsWindow(m_hBar))
        ::SetWindowTextA(m_hBar, m_strOld);
    m_hBar = NULL;
}
