// WinDrag.h - CWinDrag, the modal mouse-tracking loop the docking layer drags with.
#pragma once

#include <afxwin.h>

class CWinDrag;

// Why the drag callback is called.
#define WINDRAG_START   0   // the loop is about to start
#define WINDRAG_MOVE    1   // the outline moved

typedef void (CALLBACK* WINDRAGPROC)(CWinDrag* pDrag, int nReason, DWORD_PTR dwUser1, DWORD_PTR dwUser2);

// Tracks the mouse from a press until the left button is released, drawing an outline where the
// dragged thing would go, and tells where it was dropped.  The loop is modal: it pumps the
// thread's messages itself.  A right press, Escape or the loss of the mouse capture (a
// WM_CANCELMODE, say) cancels it and leaves everything as it was.
//
// Three kinds of drag:
//   Drag          a window's outline follows the mouse freely over the screen; the result is the
//                 window of a given class under the drop point;
//   DragHV        a child window itself moves with the mouse along one axis, between limits;
//   DragRightSide a window's right edge follows the mouse.
//
// The object stays usable after the loop: GetDragRect and GetOffset give where it ended.
class AFX_EXT_CLASS CWinDrag
{
public:
    CWinDrag();

    // Drags pWnd's outline from ptStart (screen) and returns the window of class pDropClass
    // (any window when NULL) under the drop point, or NULL when there is none or the drag was
    // cancelled.
    virtual CWnd* Drag(CWnd* pWnd, CRuntimeClass* pDropClass, CPoint ptStart);
    // Moves the child window pWnd, whose rectangle in its parent's client coordinates is rect,
    // with the mouse from ptStart (screen): along y when bVert, else along x; the cursor's
    // coordinate on that axis is held between ptLimits.x and ptLimits.y (screen).  rect receives
    // the final rectangle; a cancelled drag leaves the window and rect where they were.
    virtual void DragHV(CWnd* pWnd, CRect& rect, int bVert, CPoint ptLimits, CPoint ptStart);
    // Drags pWnd's right edge from ptStart (screen); GetDragRect gives the resulting window
    // rectangle (screen), at least nMinRightSideWidth wide.  pWnd itself is not changed.
    virtual void DragRightSide(CWnd* pWnd, CPoint ptStart);
    // The left button came up: the outline goes and the loop's resources are given back.
    virtual void EndDrag();
    // The window of class pDropClass at pt (screen): the window under the point when it is one,
    // else the deepest child under the point that is one, else its nearest ancestor that is one.
    virtual CWnd* GetDropWindow(CRuntimeClass* pDropClass, CPoint pt);
    // Inverts a frame around pWnd's window rectangle; drawing it again takes it away.
    virtual void DrawFocusFrame(CWnd* pWnd);
    // Takes the outline drawn last away and, unless bRemove, draws it where the drag is now.
    virtual void DrawFocusRect(int bRemove);
    // The outline's shape: the corners of pRect (screen) as a closed polygon, nCount points.
    // pt is the cursor and pDropWnd the drop window under it, so that a drop target can shape
    // the outline (a window packet adds a tab).  nCount holds the room in pPoints on entry.
    virtual void PointsFromRect(POINT* pPoints, int& nCount, const RECT* pRect, CPoint pt, CWnd* pDropWnd);
    // The status-bar prompt (a string of the library's resource module) shown in pFrame's
    // message bar while Drag runs; the bar gets its old text back afterwards.  0: no prompt.
    virtual void SetStartDragPrompt(CFrameWnd* pFrame, UINT nID);
    virtual ~CWinDrag();

    // Dispatches pending paint messages, then takes a DC of the whole screen (locked against
    // window updates) for the outline.
    void InitLoop();
    // Captures the mouse and runs the loop: 1 when the left button was released, 0 when the drag
    // was cancelled.
    int Track();
    // The mouse is at pt (screen): moves the outline, calls the callback, redraws.
    void Move(CPoint pt);
    // Takes the outline away, puts everything back where it was and ends the loop.
    void CancelLoop();
    // DrawFocusFrame of pRect (screen) when given, else of pWnd's window rectangle.
    void DrawFocusFrameEx(CWnd* pWnd, CRect* pRect);
    // Inverts a halftone band nBorder pixels wide inside the polygon (screen coordinates).
    void DrawDragPolygon(CDC* pDC, const POINT* pPoints, int nCount, int nBorder = 3);

    // pfn is called with WINDRAG_START before the loop and WINDRAG_MOVE after every move.
    void SetDragCallback(WINDRAGPROC pfn, DWORD_PTR dwUser1 = 0, DWORD_PTR dwUser2 = 0);
    // where the drag is (or ended): the outline (screen; for DragHV the child's rectangle in
    // its parent), and the cursor's offset from the start point
    const CRect& GetDragRect() const { return m_rectDrag; }
    CPoint GetOffset() const { return m_ptLast - m_ptStart; }
    // 1 when the last loop ended with the left button released, 0 when it was cancelled
    int GetResult() const { return m_nResult; }

    enum { nMaxOutlinePoints = 16 };
    enum { nMinRightSideWidth = 10 };

    enum EDragMode { modeNone, modeDrag, modeHV, modeRightSide };

    CWnd* m_pDragWnd;               // what is dragged
    CRect m_rectWnd;                // its rectangle at the start (screen; DragHV: in its parent)
    CRuntimeClass* m_pDropClass;    // acceptable drop windows (NULL: any)
    CPoint m_ptStart;               // the press (screen)
    CPoint m_ptLast;                // the cursor now (screen, after the constraint)
    CRect m_rectDrag;               // the outline now
    POINT m_ptsDrawn[nMaxOutlinePoints];    // the outline on the screen, if any
    int m_nDrawn;
    EDragMode m_nMode;
    int m_bVert;                    // DragHV: along y
    CPoint m_ptLimits;              // DragHV: the cursor's range along the axis
    CWnd* m_pDropWnd;               // the drop window under the cursor (Drag)
    WINDRAGPROC m_pfnCallback;
    DWORD_PTR m_dwUser1;
    DWORD_PTR m_dwUser2;
    UINT m_nPromptID;
    CFrameWnd* m_pPromptFrame;
    CDC* m_pDC;                     // the screen while the loop runs
    int m_bLocked;                  // the desktop is locked for updates
    int m_nResult;

protected:
    void StartLoop(CWnd* pWnd, CPoint ptStart, EDragMode nMode);
    void ReleaseLoop();
    void CallBack(int nReason);
};
