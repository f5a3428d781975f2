// docking_bench.cpp - what the library's docking costs over the framework's.
//
// A host lays its frame out on every resize, show and dock, so RecalcLayout of a frame full of
// bars runs often: 12 bars in 3 rows (8 dock windows, 4 toolbars) on the library's dock bars,
// against the same bars on the framework's.  While a palette is dragged, every mouse move runs
// one Move step of its docking context: the library's looks for a palette to drop onto among 10
// floating frames, the framework's does not.  The goal for both is a ratio of at least 1 / 1.5.
// A layout that changes nothing must create or destroy no splitter (the bench fails otherwise).
#include <WEXOctrl.h>
#include "BenchHarness.h"
#include <stdio.h>
#include <vector>

namespace
{
class CBenchApp : public CWinApp
{
public:
    CBenchApp() : CWinApp("WEXOctrlDockingBench") {}
};
CBenchApp theApp;

// A frame with its bars; bLibrary: the library's dock bars and floating frames.
struct SFrame
{
    CFrameWnd* pFrame = NULL;
    std::vector<CDockWnd*> dockWnds;
    std::vector<CToolBar*> toolBars;

    void Create(BOOL bLibrary, int nFloating)
    {
        pFrame = bLibrary ? new CUILMainFrame : new CFrameWnd;
        pFrame->Create(NULL, bLibrary ? "Library" : "Framework", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
            CRect(0, 0, 1000, 700));
        if (bLibrary)
            ((CUILMainFrame*)pFrame)->EnableDocking(CBRS_ALIGN_ANY);
        else
            pFrame->EnableDocking(CBRS_ALIGN_ANY);
        if (bLibrary)
            pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(CUILMiniDockFrameWnd);
        static const UINT ids[] = { 1, 2, 3, 4, 5, 6 };
        for (int i = 0; i < 4; i++)
        {
            CToolBar* pBar = new CToolBar;
            pBar->Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 200 + i);
            pBar->SetButtons(ids, 6);
            pBar->EnableDocking(CBRS_ALIGN_ANY);
            toolBars.push_back(pBar);
        }
        for (int i = 0; i < 8 + nFloating; i++)
        {
            CDockWnd* pWnd = new CDockWnd;
            pWnd->Create(pFrame, "Palette", WS_VISIBLE, 300 + i);
            pWnd->SetWindowPos(NULL, 0, 0, 160, 120, SWP_NOMOVE | SWP_NOZORDER);
            pWnd->EnableDocking(CBRS_ALIGN_ANY);
            dockWnds.push_back(pWnd);
        }
        // rows 1 and 2 on top: two toolbars and two dock windows each; row 3 on the left: four
        // dock windows
        for (int nRow = 0; nRow < 2; nRow++)
        {
            CRect rect(0, 0, 0, 0);
            for (int i = 0; i < 4; i++)
            {
                CControlBar* pBar = i < 2 ? (CControlBar*)toolBars[nRow * 2 + i] : dockWnds[nRow * 2 + i - 2];
                if (i == 0)
                    pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
                else
                    pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP, &rect);
                pBar->GetWindowRect(&rect);
                rect.OffsetRect(rect.Width() + 2, 0);
            }
        }
        CRect rect(0, 0, 0, 0);
        for (int i = 4; i < 8; i++)
        {
            if (i == 4)
                pFrame->DockControlBar(dockWnds[i], AFX_IDW_DOCKBAR_LEFT);
            else
                pFrame->DockControlBar(dockWnds[i], AFX_IDW_DOCKBAR_LEFT, &rect);
            dockWnds[i]->GetWindowRect(&rect);
            rect.OffsetRect(0, rect.Height() + 2);
        }
        for (int i = 0; i < nFloating; i++)
            pFrame->FloatControlBar(dockWnds[8 + i], CPoint(80 + 60 * i, 120 + 30 * i), CBRS_ALIGN_TOP);
        pFrame->RecalcLayout();
    }

    int SpliterChanges() const
    {
        int n = 0;
        for (UINT nID = AFX_IDW_DOCKBAR_TOP; nID <= AFX_IDW_DOCKBAR_BOTTOM; nID++)
        {
            CControlBar* pBar = pFrame->GetControlBar(nID);
            if (pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CUILDockBar)))
                n += ((CUILDockBar*)pBar)->m_nSpliterChanges;
        }
        return n;
    }

    void Destroy()
    {
        pFrame->DestroyWindow();
        for (CDockWnd* p : dockWnds)
            delete p;
        for (CToolBar* p : toolBars)
            delete p;
    }
};

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// One round of Move steps between two points over the frame's inside, where no dock bar is,
// so that the library's context looks for a drop target every time.  Seconds per step.
double MoveRound(CDockContext& context, CFrameWnd* pFrame)
{
    const int nSteps = 200;
    CRect rect;
    pFrame->GetClientRect(&rect);
    pFrame->ClientToScreen(&rect);
    const CPoint pt1 = rect.CenterPoint(), pt2 = pt1 + CPoint(7, 5);
    context.m_bDragging = TRUE;
    context.InitLoop();
    context.m_pBar->GetWindowRect(&context.m_rectDragHorz);
    context.m_rectDragVert = context.m_rectFrameDragHorz = context.m_rectFrameDragVert = context.m_rectDragHorz;
    context.m_ptLast = pt1;
    const double t0 = Bench::Now();
    for (int i = 0; i < nSteps; i++)
        context.Move(i % 2 ? pt1 : pt2);
    const double d = (Bench::Now() - t0) / nSteps;
    context.CancelLoop();
    return d;
}
}

int main()
{
    if (!AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_HIDE) || !theApp.InitApplication())
    {
        fprintf(stderr, "docking_bench: the framework did not start\n");
        return 2;
    }
    SFrame ours, base;
    ours.Create(TRUE, 10);
    base.Create(FALSE, 10);
    PumpMessages();

    Bench::Heading("docking_bench");
    const int nChangesBefore = ours.SpliterChanges();
    Bench::Report("RecalcLayout, 12 bars in 3 rows",
        Bench::Compare([&] { ours.pFrame->RecalcLayout(); }, [&] { base.pFrame->RecalcLayout(); }),
        "framework dock bars, same bars");
    const int nChanges = ours.SpliterChanges() - nChangesBefore;
    printf("%-40s %d (splitters now %d)\n", "splitters made or destroyed by layouts", nChanges,
        ((CUILDockBar*)ours.pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP))->GetSpliterCount()
        + ((CUILDockBar*)ours.pFrame->GetControlBar(AFX_IDW_DOCKBAR_LEFT))->GetSpliterCount());

    CUILDockContext ourContext(ours.dockWnds[0]);
    ourContext.m_bPaletteDrop = TRUE;
    CDockContext baseContext(base.dockWnds[0]);
    Bench::Report("dock context Move, 10 floating frames",
        Bench::CompareRounds([&] { return MoveRound(ourContext, ours.pFrame); },
                             [&] { return MoveRound(baseContext, base.pFrame); }),
        "framework CDockContext::Move");

    ours.Destroy();
    base.Destroy();
    PumpMessages();
    AfxWinTerm();
    return nChanges == 0 ? 0 : 1;
}
