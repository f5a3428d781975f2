// TestInput.h - real mouse and keyboard input for tests of modal loops (drag loops, pick loops,
// popup menus, dialogs, message boxes), the thread's open dialog and menu, and a window that
// records what it is told.  Part of the test toolkit; see wexotest.h for the whole contract.
//
// A modal loop does not come back to the test until it ends, so the input cannot be given step
// by step from the test's own code.  A CMouseScript holds the steps and plays them from a thread
// timer, whose WM_TIMER every message loop of the thread dispatches, the modal ones included.  A
// watchdog ends whatever loop still runs when the script did not finish in time (it closes menus,
// cancels the capture and the thread's dialogs), so a broken loop fails a test instead of hanging
// it; a loop that ignores even that ends the test program with a message.
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
    // a press and release of the key, to the window with the focus
    CMouseScript& KeyPress(WORD wVirtualKey);
    // the characters of lpszText as WM_CHARs to the window with the focus
    CMouseScript& TypeText(LPCSTR lpszText);
    // waits nMilliseconds before the next step
    CMouseScript& Wait(DWORD nMilliseconds);
    // runs fn (from the timer, so inside whatever loop runs then)
    CMouseScript& Call(std::function<void()> fn);
    // holds the script until fnReady returns true (the watchdog still counts)
    CMouseScript& WaitFor(std::function<bool()> fnReady);
    // holds the script until the thread shows a dialog or message box
    CMouseScript& WaitForDialog();
    // waits for the thread's dialog or message box, keeps its text in m_strDialogText and presses
    // its button nButtonID (IDOK, IDNO, a dialog's own control id)
    CMouseScript& AnswerDialog(UINT nButtonID);

    // Plays the steps, one per timer tick, and dispatches the thread's messages until the script
    // has run and the messages have settled, or dwTimeout has passed.  TRUE when every step ran
    // before the watchdog had to step in.
    BOOL Run(DWORD dwTimeout = 5000);
    // The same around a modal call: starts the steps, calls fnModal (DoModal, a message box,
    // TrackPopupMenu, a drag loop), whose loop plays them, then lets the rest run.
    BOOL Run(std::function<void()> fnModal, DWORD dwTimeout = 5000);

    BOOL m_bWatchdogFired;
    // the text of the last dialog AnswerDialog answered (see DialogText)
    CString m_strDialogText;

private:
    struct SStep
    {
        enum EKind { move, input, key, chars, wait, call, until } nKind;
        CPoint pt;
        DWORD dwFlags;
        std::function<void()> fn;
        std::function<bool()> fnReady;
        CString strText;
    };
    CMouseScript& AddStep(int nKind, CPoint pt, DWORD dwFlags, std::function<void()> fn);
    void Start(DWORD dwTimeout);
    BOOL Finish();
    void Tick();
    void FireWatchdog(DWORD dwNow);
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);

    std::vector<SStep> m_steps;
    size_t m_nNext;
    DWORD m_dwWaitUntil;
    DWORD m_dwDeadline;
    UINT_PTR m_nTimer;
    BOOL m_bDone;
    BOOL m_bInModal;
    CMouseScript* m_pPrevious;
    static CMouseScript* s_pRunning;
};

// Sends one absolute mouse event (SendInput) at ptScreen; dwFlags adds button flags to the move.
void SendMouseAt(CPoint ptScreen, DWORD dwFlags = 0);
// A point of pWnd's client area in screen coordinates.
CPoint ScreenPoint(CWnd* pWnd, CPoint ptClient);

// The calling thread's enabled, visible dialog or message box (window class #32770) that owns
// no other such window, or NULL.
HWND FindThreadDialog();
// The texts of a dialog's static controls, joined with '\n' (a message box's message).
CString DialogText(HWND hDlg);
// The item texts of the popup menu open now (and their MF_ states when pStates is given).
std::vector<CString> ReadOpenMenu(std::vector<UINT>* pStates = NULL);

// A top-level window at a fixed place that records every message it is sent or posted that a
// test names with Watch (registered messages included), or every message after WatchAll, and
// lets a test answer some.
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
    // a visible popup window brought to the front, unless dwStyle says otherwise
    BOOL CreateTopLevel(const CRect& rect, LPCSTR lpszTitle = "Test window",
        DWORD dwStyle = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, HMENU hMenu = NULL);
    BOOL CreateChild(CWnd* pParent, const CRect& rect, UINT nID);

    void Watch(UINT message) { m_watched.push_back(message); }
    void WatchAll() { m_bWatchAll = TRUE; }
    int Count(UINT message) const;
    int Count(UINT message, WPARAM wParam) const;
    const SMessage* Last(UINT message) const;
    void Clear() { m_messages.clear(); }

    std::vector<SMessage> m_messages;
    std::vector<UINT> m_watched;
    BOOL m_bWatchAll;
    // called for every recorded message; its result is returned when bHandled is set
    std::function<LRESULT(UINT, WPARAM, LPARAM, BOOL& bHandled)> m_fnAnswer;
    // When set, a left press (or double click) calls it with the point on the screen instead of
    // going to the window: a test starts its drag loop there, as a bar or a tab would.
    std::function<void(CPoint)> m_fnPress;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL IsWatched(UINT message) const;
};
