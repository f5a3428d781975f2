// ColorTestWindows.h - a parent window that records what the colour controls tell it, and real
// mouse and keyboard input for the control tests.
#pragma once

#include <WEXOctrl.h>
#include <vector>

// A visible top-level window at a fixed place on the screen that keeps every WM_COMMAND and
// WM_HSCROLL it receives.
class CRecordingParent : public CWnd
{
public:
    struct SMessage
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    CRecordingParent();
    virtual ~CRecordingParent();
    BOOL CreateParent(int cx = 420, int cy = 320);

    std::vector<SMessage> m_messages;
    // how many of the recorded messages are `message` (with wParam, when given)
    int Count(UINT message) const;
    int Count(UINT message, WPARAM wParam) const;
    const SMessage* Last(UINT message) const;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
};

// Synthesized input, as a user's: the cursor moves over the screen and the buttons go to the
// window under it.  Points are in pWnd's client coordinates.
void MoveMouseTo(CWnd* pWnd, CPoint point);
void ClickAt(CWnd* pWnd, CPoint point, BOOL bRight = FALSE);
void PressAt(CWnd* pWnd, CPoint point, BOOL bRight = FALSE);
void ReleaseAt(CWnd* pWnd, CPoint point, BOOL bRight = FALSE);
void DoubleClickAt(CWnd* pWnd, CPoint point);
void PressKey(WORD wVirtualKey);
void TypeText(const char* lpszText);

// The colour of one pixel of a window as it is on the screen (the window must be visible and
// painted).
COLORREF WindowPixel(CWnd* pWnd, int x, int y);

// Picks an entry of the next popup menu the calling thread opens: nDowns presses of the down
// arrow and then Enter, or Escape when nDowns is negative.  The keys are sent from a thread
// timer, since the menu's own loop runs until an entry is chosen.
class CMenuPicker
{
public:
    CMenuPicker(HWND hWndKeys, int nDowns);
    ~CMenuPicker();
    BOOL m_bFired;
    int m_nItemsShown;      // items of the menu that was open

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    UINT_PTR m_nTimer;
    HWND m_hWndKeys;
    int m_nDowns;
    static CMenuPicker* s_pActive;
};
