// docking_bench.cpp - what the framework's docking costs, the baseline of the library's.
//
// A host lays its frame out on every resize, show and dock: RecalcLayout of a frame whose dock
// bars hold 12 bars in 3 rows (4 toolbars on the top side, 8 fixed bars in two rows on the left),
// set against moving the same 12 windows to the same places with one bare DeferWindowPos batch.
// While a bar is dragged every mouse move runs one Move step of its docking context over a frame
// with 10 floating frames, set against drawing the drag feedback alone.  Printed:
// ratio = baseline time / our time (above 1: ours is faster).
#include <afxext.h>
#include <afxpriv.h>
#include <stdio.h>
#include <vector>

namespace
{
double Seconds()
{
    static LARGE_INTEGER s_freq;
    if (s_freq.QuadPart == 0)
        ::QueryPerformanceFrequency(&s_freq);
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return (double)now.QuadPart / (double)s_freq.QuadPart;
}

// microseconds per call: the best of five rounds, after one round of warm-up
template<class F> double MicrosPerCall(F fn, int nCalls)
{
    for (int i = 0; i < nCalls / 4 + 1; i++)
        fn();
    double dBest = 1e30;
    for (int nRound = 0; nRound < 5; nRound++)
    {
        const double t0 = Seconds();
        for (int i = 0; i < nCalls; i++)
            fn();
        const double d = (Seconds() - t0) / nCalls;
        if (d < dBest)
            dBest = d;
    }
    return dBest * 1e6;
}

void Report(const char* lpszWhat, double dOurs, double dBase)
{
    printf("%-52s ours %9.2f us   baseline %9.2f us   ratio = %5.2f\n", lpszWhat, dOurs, dBase, dBase / dOurs);
}

class CBenchApp : public CWinApp
{
public:
    CBenchApp() : CWinApp("WEXOfxDockingBench") {}
};
CBenchApp theApp;

// a bar of a fixed size, as a dock window stands in a row
class CFixedBar : public CControlBar
{
public:
    explicit CFixedBar(CSize size) : m_size(size) { m_bAutoDelete = TRUE; }
    virtual CSize CalcFixedLayout(BOOL, BOOL) { return m_size; }
    virtual void OnUpdateCmdUI(CFrameWnd*, BOOL) {}
    CSize m_size;
};

CFrameWnd* MakeFrame(std::vector<CControlBar*>& bars)
{
    CFrameWnd* pFrame = new CFrameWnd;
    pFrame->Create(NULL, "Framework", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1000, 700));
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    static const UINT ids[] = { 101, 102, 0, 103, 104, 105 };
    CDockBar* pTop = (CDockBar*)pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP);
    for (int i = 0; i < 4; i++)
    {
        CToolBar* pBar = new CToolBar;
        pBar->m_bAutoDelete = TRUE;
        pBar->Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE810 + i);
        pBar->SetButtons(ids, 6);
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        // all four in one row: each dropped right of the one before
        CRect rect(0, 0, 0, 0);
        if (!bars.empty())
        {
            bars.back()->GetWindowRect(&rect);
            rect = CRect(rect.right + 2, rect.top, rect.right + 150, rect.bottom);
        }
        pFrame->DockControlBar(pBar, pTop, bars.empty() ? NULL : &rect);
        pFrame->RecalcLayout();
        bars.push_back(pBar);
    }
    CDockBar* pLeft = (CDockBar*)pFrame->GetControlBar(AFX_IDW_DOCKBAR_LEFT);
    AfxDeferRegisterClass(AFX_WNDCONTROLBAR_REG);
    for (int i = 0; i < 8; i++)
    {
        CFixedBar* pBar = new CFixedBar(CSize(180, 140));
        pBar->m_dwStyle = CBRS_LEFT;
        pBar->Create(AFX_WNDCONTROLBAR, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame, 0xE820 + i);
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        // two rows of four: every fifth starts a row
        CRect rect(0, 0, 0, 0);
        if (i % 4 != 0)
        {
            bars.back()->GetWindowRect(&rect);
            rect = CRect(rect.left, rect.bottom + 2, rect.right, rect.bottom + 142);
        }
        pFrame->DockControlBar(pBar, pLeft, i % 4 != 0 ? &rect : NULL);
        pFrame->RecalcLayout();
        bars.push_back(pBar);
    }
    return pFrame;
}

void PumpAll()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}
}

int main()
{
    AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_SHOW);

    std::vector<CControlBar*> bars;
    CFrameWnd* pFrame = MakeFrame(bars);
    PumpAll();

    // the places the layout gives the bars, for the bare batch
    std::vector<CRect> rects;
    for (CControlBar* pBar : bars)
    {
        CRect rect;
        pBar->GetWindowRect(&rect);
        pBar->GetParent()->ScreenToClient(&rect);
        rects.push_back(rect);
    }
    int nRows = 0;
    for (UINT nID = AFX_IDW_DOCKBAR_TOP; nID <= AFX_IDW_DOCKBAR_BOTTOM; nID++)
    {
        CDockBar* pDock = (CDockBar*)pFrame->GetControlBar(nID);
        for (int i = 1; pDock != NULL && i < pDock->m_arrBars.GetSize(); i++)
            nRows += pDock->m_arrBars[i] == NULL;
    }
    printf("frame with %d bars in %d rows\n", (int)bars.size(), nRows);

    // a layout that changes nothing: the frame still asks every bar and dock bar
    const double dLayout = MicrosPerCall([&]() { pFrame->RecalcLayout(); }, 400);
    // the window moves alone: every bar to its place in one batch
    int nToggle = 0;
    const double dBatch = MicrosPerCall([&]() {
        HDWP hDWP = ::BeginDeferWindowPos((int)bars.size());
        const int dx = (++nToggle & 1);
        for (size_t i = 0; i < bars.size(); i++)
            hDWP = ::DeferWindowPos(hDWP, bars[i]->m_hWnd, NULL, rects[i].left + dx, rects[i].top,
                rects[i].Width(), rects[i].Height(), SWP_NOACTIVATE | SWP_NOZORDER);
        ::EndDeferWindowPos(hDWP);
    }, 400);
    Report("RecalcLayout, 12 bars in 3 rows", dLayout, dBatch);

    // ten floating frames, then one drag step after another over the frame's inside
    for (int i = 0; i < 10; i++)
    {
        CFixedBar* pBar = new CFixedBar(CSize(120, 90));
        pBar->m_dwStyle = CBRS_TOP;
        pBar->Create(AFX_WNDCONTROLBAR, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame, 0xE830 + i);
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->FloatControlBar(pBar, CPoint(300 + 40 * i, 200 + 20 * i));
    }
    PumpAll();
    CDockContext* pContext = bars[4]->m_pDockContext;
    pContext->m_bDragging = TRUE;
    pContext->InitLoop();
    bars[4]->GetWindowRect(&pContext->m_rectDragHorz);
    pContext->m_rectDragVert = pContext->m_rectFrameDragHorz = pContext->m_rectFrameDragVert = pContext->m_rectDragHorz;
    const CPoint pt1(400, 300), pt2(420, 320);
    pContext->m_ptLast = pt1;
    int n = 0;
    const double dMove = MicrosPerCall([&]() { pContext->Move(++n % 2 ? pt2 : pt1); }, 400);
    // the feedback alone: the same rectangle drawn at the two places
    CRect rectLast = pContext->m_rectLast;
    CDC* pDC = pContext->m_pDC;
    CBrush* pBrush = CBrush::FromHandle(AfxGetHalftoneBrush());
    const double dDraw = MicrosPerCall([&]() {
        CRect rect = rectLast;
        rect.OffsetRect((++n % 2) ? 20 : -20, 0);
        pDC->DrawDragRect(&rect, CSize(3, 3), &rectLast, CSize(3, 3), pBrush, pBrush);
        rectLast = rect;
    }, 400);
    pContext->CancelLoop();
    Report("CDockContext::Move, 10 floating frames", dMove, dDraw);

    pFrame->DestroyWindow();
    PumpAll();
    return 0;
}
