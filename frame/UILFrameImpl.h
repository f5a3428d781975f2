// UILFrameImpl.h - frame services that only the library's own code uses.  Nothing here is
// exported; hosts include UILFrame.h (through WEXOctrl.h) instead.
#pragma once

#include "UILFrame.h"
#include <oaidl.h>

/////////////////////////////////////////////////////////////////////////////
// Module state

// The property view server the host registered with the property inspector (one reference,
// or NULL).  The inspector sets it; the library releases it when it unloads.
extern IDispatch* g_pPropsViewServer;

/////////////////////////////////////////////////////////////////////////////
// Language suffix
//
// A host may name a language in "LANGEXT.INI" beside its executable:
//     [Program]
//     DefLang=de
// A few controls adapt to it (edit widths, date formats, mnemonics).  The suffix is read once
// per control family and then kept for the life of the library: a family that changed its
// layout half-way through a session would look broken, so an edited file counts from the next
// start.

class CUILLanguageSuffix
{
public:
    CUILLanguageSuffix();

    // The backslash form ("\de") when bBackslash is non-zero, else the space form (" de");
    // "" for English, which is also what a missing file, section or key, an empty value or the
    // value "NUL" (any case) mean.  The file is the one beside hModule (NULL: the executable).
    // The first call decides: later calls get its answer whatever module they name.
    const char* Get(int bBackslash, HMODULE hModule);
    BOOL IsComputed() const { return m_bComputed; }

private:
    void Compute(HMODULE hModule);

    BOOL m_bComputed;
    char m_szBackslashForm[_MAX_PATH];
    char m_szSpaceForm[_MAX_PATH];
};

// Each family of controls that consults the language has its own cache, so a family's answer
// depends only on its own first call: name the family's class as TUser, e.g.
//     if (strcmp(GetLanguageSuffix<CUILInspectorBar>(0, NULL), " de") == 0) ...
template <class TUser>
const char* GetLanguageSuffix(int bBackslash, HMODULE hModule)
{
    static CUILLanguageSuffix s_suffix;
    return s_suffix.Get(bBackslash, hModule);
}

/////////////////////////////////////////////////////////////////////////////
// Keeping windows on screen

// The rule of ConstrainRectToScreen over the given screen rectangles (the monitors' work
// areas), taken in order: a rectangle that overlaps one of them stays where it is (0).
// Otherwise, for each of them, the offset that brings the rectangle inside it along each axis
// where it lies outside is weighed by its smaller component; the rectangle moves by the
// lightest offset, the earlier rectangle winning ties (1).
int ConstrainRectToRects(CRect& rect, const CRect* pRects, int nRects);

/////////////////////////////////////////////////////////////////////////////
// Modal loops that draw on the screen
//
// A drag outline or a window picker draws over every window.  What is waiting to be painted is
// painted first, then the desktop is locked for update, so that no window paints over the
// drawing while the loop runs.

// Dispatches the thread's pending WM_PAINT messages (a bounded number: a window that never
// validates must not hold the loop up).
void DispatchPendingPaint();
// A window DC of the desktop for the loop; the desktop is locked for update when the lock can
// be had (bLocked), and the DC is then one that may draw through the lock.  NULL when there is
// no DC.  UnlockDesktopDC gives both back.
HDC LockDesktopDC(int& bLocked);
void UnlockDesktopDC(HDC hDC, int bLocked);

// A prompt in a frame's message bar while a loop or a menu runs: the bar's text before comes
// back on Restore (or when the object goes), if the bar still exists.
class CMessageBarPrompt
{
public:
    CMessageBarPrompt() : m_hBar(NULL) {}
    ~CMessageBarPrompt() { Restore(); }

    // Shows string nID of the library's resources (nID 0: keeps the text, only remembers it);
    // FALSE when pFrame is not a window or has no message bar.
    BOOL Show(CFrameWnd* pFrame, UINT nID);
    void Restore();

private:
    CMessageBarPrompt(const CMessageBarPrompt&) = delete;
    CMessageBarPrompt& operator=(const CMessageBarPrompt&) = delete;

    HWND m_hBar;
    CString m_strOld;
};
