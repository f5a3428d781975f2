// MouseAction.h - reading the mouse: click-or-drag decisions, live key-state flags, the hover
// highlight of flat buttons and the draggable right edge of controls on toolbars.
#pragma once

#include <afxwin.h>

// One mouse event as a window received it.
struct SMouseAction
{
    UINT nFlags;        // MK_ key-state flags given with the event
    POINT pt;           // the point given with the event
    DWORD dwTick;       // GetTickCount when it was recorded
    HWND hWnd;          // the window the event was for
};

// Remembers the last event of each mouse kind and tells whether the last events of a button make
// a click or the start of a drag.  A window records the button-down; on each move it records the
// move and asks the drag test of that button; on button-up it records the up and asks the click
// test.  A positive answer clears the records it used, so the same press is never reported twice.
class AFX_EXT_CLASS CMouseActionInfo
{
public:
    // record numbers
    enum
    {
        actMouseMove = 0,
        actLButtonDown,
        actLButtonUp,
        actMButtonDown,
        actMButtonUp,
        actRButtonDown,
        actRButtonUp,
        actCount
    };

    CMouseActionInfo();

    // Records the event of message (one of the seven mouse messages above; any other message
    // is ignored).
    void OnAction(HWND hWnd, UINT message, UINT nFlags, CPoint point);
    void OnMouseMove(HWND hWnd, UINT nFlags, CPoint point) { OnAction(hWnd, WM_MOUSEMOVE, nFlags, point); }
    void OnLButtonDown(HWND hWnd, UINT nFlags, CPoint point) { OnAction(hWnd, WM_LBUTTONDOWN, nFlags, point); }
    void OnLButtonUp(HWND hWnd, UINT nFlags, CPoint point) { OnAction(hWnd, WM_LBUTTONUP, nFlags, point); }
    void OnMButtonDown(HWND hWnd, UINT nFlags, CPoint point) { OnAction(hWnd, WM_MBUTTONDOWN, nFlags, point); }
    void OnMButtonUp(HWND hWnd, UINT nFlags, CPoint point) { OnAction(hWnd, WM_MBUTTONUP, nFlags, point); }
    void OnRButtonDown(HWND hWnd, UINT nFlags, CPoint point) { OnAction(hWnd, WM_RBUTTONDOWN, nFlags, point); }
    void OnRButtonUp(HWND hWnd, UINT nFlags, CPoint point) { OnAction(hWnd, WM_RBUTTONUP, nFlags, point); }

    // 1 when the button's last down and up were for the same window less than 2 pixels apart on
    // both axes (how long the press took does not matter); the two records are then cleared.
    int IsLButtonClick();
    int IsMButtonClick();
    int IsRButtonClick();

    // 1 when the last move, made with the button held, left the button's down point by 2 pixels
    // or more in the same window; the button's down and up records are then cleared.  The middle
    // and right buttons must also have been held for a third of the double-click time, so that a
    // quick click with a shaky hand stays a click (for a context menu, say).
    int IsLButtonStartDrag();
    int IsMButtonStartDrag();
    int IsRButtonStartDrag();

    // the record of an event kind (actMouseMove ... actRButtonUp)
    const SMouseAction& GetAction(int nAction) const { return m_actions[nAction]; }
    // clears every record
    void Reset();

protected:
    int IsClick(int nDown, int nUp);
    int IsStartDrag(int nDown, int nUp, UINT nButtonFlag, BOOL bWaitHalfClick);
    void Clear(int nAction);

    SMouseAction m_actions[actCount];
};

// Fed by the caption and title handlers of dock windows and floating frames; shared by every
// window of the host's user-interface thread.
extern AFX_EXT_DATA CMouseActionInfo g_MouseAction;

// The MK_ flags of the keyboard and mouse as they are now: the left and right buttons as the user
// sees them (after swapping), the middle button, either Shift key and Control.
AFX_EXT_API UINT GetMouseStateFlags();

// Flat-button hover state
#define UIL_FLATSTATE_HOT     0x0001    // the cursor is over the window
#define UIL_FLATSTATE_TIMER   10        // the window's timer that takes the highlight off again

// Sets or clears UIL_FLATSTATE_HOT in nState by whether the point (pWnd's client coordinates;
// the cursor's position when pPoint is NULL) lies in pWnd; while it does, timer 10 runs on pWnd
// every 50 ms, and the window's OnTimer calls this again without a point so that the highlight
// goes off when the cursor leaves.  pWnd is invalidated when the state changed.  Returns the new
// state.
AFX_EXT_API int UpdateFlatState(int nState, CWnd* pWnd, const POINT* pPoint = NULL);

// Right-edge sizing of controls that sit on toolbars
#define UIL_CONTROL_FIXEDWIDTH   0x0400     // style bit: the control's width cannot be dragged
#define UIL_RIGHTSIDE_HITWIDTH   5          // the grip: the rightmost 5 pixels

// HTRIGHT (11) when ptScreen lies in the rightmost 5 pixels of pWnd's window rectangle (full
// height) and dwStyle allows sizing, else 0.
AFX_EXT_API int IsHitRightSide(CWnd* pWnd, CPoint ptScreen, DWORD dwStyle);
// Lets the user drag pWnd's right edge from ptScreen (a modal loop until the button is
// released); the window takes the new width, and its parent is posted WM_CONTROL_SIZECHANGED
// (wParam = pWnd, lParam = its control ID).  Nothing happens when dwStyle fixes the width.
AFX_EXT_API void DoDragRightSide(CWnd* pWnd, CPoint ptScreen, DWORD dwStyle);
