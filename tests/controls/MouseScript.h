// MouseScript.h - real mouse input for tests of controls that run modal loops (drag loops, pick
// loops, popup menus), and a window that records what it is told.
//
// A modal loop does not come back to the test until it ends, so the input cannot be given step
// by step from the test's own code.  A CMouseScript holds the steps and plays them from a thread
// timer, whose WM_TIMER every message loop of the thread dispatches, the modal ones included.  A
// watchdog ends whatever loop still runs when the script did not finish in time (it releases the
// capture and closes menus), so a broken loop fails a test instead of hanging it.
#pragma once

#include <afxwin.h>
#include <functional>
#include <vector>

class CMouseScript
{
public:
    CMouseScript();
    ~CMouseScript();

    // Steps, in screen coordinates.  Moves are absolute, so Wine's pointer acceleration does
    // not change them.
    CMouseScript& MoveTo(CPoint pt);
    CMouseScript& LeftDown();
    CMouseScript& LeftUp();
    CMouseScript& RightDown();
    CMouseScript& RightUp();
    CMouseScript& MiddleDown();
    CMouseScript& MiddleUp();
    // any MOUSEEVENTF_ button flags
    CMouseScript& Button(DWORD dwFlags);
    CMouseScript& KeyPress(WORD wVirtualKey);
    // waits nMilliseconds before the next step
    CMouseScript& Wait(DWORD nMilliseconds);
    // runs fn (from the timer, so inside whatever loop runs then)
    CMouseScript& Call(std::function<void()> fn);

    // Plays the steps, one per timer tick, and dispatches the thread's messages until the script
    // has run and the messages have settled, or dwTimeout has passed.  TRUE when every step ran
    // before the watchdog had to step in.
    BOOL Run(DWORD dwTimeout = 5000);

    BOOL m_bWatchdogFired;

private:
    struct SStep
    {
        enum EKind { move, input, key, wait, call } nKind;
        CPoint pt;
        DWORD dwFlags;
        std::function<void()> fn;
    };
    CMouseScript& AddStep(int nKind, CPoint pt, DWORD dwFlags, std::function<void()> fn);
    void Tick();
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);

    std::vector<SStep> m_steps;
    size_t m_nNext;
    DWORD m_dwWaitUntil;
    DWORD m_dwDeadline;
    UINT_PTR m_nTimer;
    BOOL m_bDone;
    static CMouseScript* s_pRunning;
};

// Sends one absolute mouse event (SendInput) at ptScreen; dwFlags adds button flags to the move.
void SendMouseAt(CPoint ptScreen, DWORD dwFlags = 0);
// A point of pWnd's client area in screen coordinates.
CPoint ScreenPoint(CWnd* pWnd, CPoint ptClient);

// A top-level window at a fixed place that records every message it is sent or posted that a
// test names with Watch (registered messages included), and lets a test answer some.
class CRecordingWnd : public CWnd
{
public:
    struct SMessage
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    CRecordingWnd();
    virtual ~CRecordingWnd();
    BOOL CreateTopLevel(const CRect& rect, LPCSTR lpszTitle = "Test window");
    BOOL CreateChild(CWnd* pParent, const CRect& rect, UINT nID);

    void Watch(UINT message) { m_watched.push_back(message); }
    int Count(UINT message) const;
    int Count(UINT message, WPARAM wParam) const;
    const SMessage* Last(UINT message) const;
    void Clear() { m_messages.clear(); }

    std::vector<SMessage> m_messages;
    std::vector<UINT> m_watched;
    // called for every watched message; its result is returned when bHandled is set
    std::function<LRESULT(UINT, WPARAM, LPARAM, BOOL& bHandled)> m_fnAnswer;
    // When set, a left press (or double click) calls it with the point on the screen instead of
    // going to the window: a test starts its drag loop there, as a bar or a tab would.
    std::function<void(CPoint)> m_fnPress;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
};

// The number of GDI objects the process owns now.  Windows reports it; Wine reports 0, so there
// it is counted from the free room in the process's handle table (every free slot is filled with
// a small object, counted, and freed again).  -1 when neither works.  Only differences between
// two counts matter to a test.
long CountGdiObjects();
