// toolbars_bench.cpp - what the library toolbar's layout and painting cost.
//
// A 60-button bar (a separator after every tenth) with 16 x 15 images.  The layout (wrapped to
// a length of 300, as a floating bar is sized) at bar style 0x11, where every item has its own
// size, is set against the framework toolbar laying out the same buttons.  Painting at style
// 0x11 (WM_PRINTCLIENT into a memory DC) is set against the toolbar control painting the same
// bar at style 0.
#include <WEXOctrl.h>
#include "BenchHarness.h"
#include <stdio.h>

namespace
{
class CBenchApp : public CWinApp
{
public:
    CBenchApp() : CWinApp("WEXOctrlToolbarsBench") {}
};
CBenchApp theApp;

const int nButtons = 60;

HBITMAP MakeImages(int nCount)
{
    CClientDC dcScreen(NULL);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    HBITMAP hbm = ::CreateCompatibleBitmap(dcScreen.m_hDC, 16 * nCount, 15);
    HGDIOBJ hOld = ::SelectObject(dc.m_hDC, hbm);
    dc.FillSolidRect(0, 0, 16 * nCount, 15, RGB(192, 192, 192));
    for (int i = 0; i < nCount; i++)
        dc.FillSolidRect(16 * i + 2, 2, 12, 11, RGB(40 * (i % 6), 30 * (i % 8), 255 - 4 * i));
    ::SelectObject(dc.m_hDC, hOld);
    return hbm;
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
}

int main()
{
    if (!AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_HIDE) || !theApp.InitApplication())
    {
        fprintf(stderr, "toolbars_bench: the framework did not start\n");
        return 2;
    }
    CFrameWnd* pFrame = new CFrameWnd;
    pFrame->Create(NULL, "Bars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1200, 400));

    UINT ids[nButtons + nButtons / 10];
    int nIDs = 0;
    for (int i = 0; i < nButtons; i++)
    {
        ids[nIDs++] = 1000 + i;
        if (i % 10 == 9)
            ids[nIDs++] = 0;
    }
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC;

    CUILToolBar ours;
    ours.Create(pFrame, dwStyle, 0xE901);
    ours.SetButtons(ids, nIDs);
    ours.SetBitmap(MakeImages(nButtons));
    CUILImageList* pList = new CUILImageList;
    pList->Create(16, 15, ILC_COLOR24 | ILC_MASK, nButtons, 0);
    HBITMAP hbmList = MakeImages(nButtons);
    ::ImageList_AddMasked(pList->m_hImageList, hbmList, RGB(192, 192, 192));
    ::DeleteObject(hbmList);
    ours.m_pImages = GetImagesCollection();
    ours.m_nImageList = ours.m_pImages->Add(pList, UILIMAGELIST_OWNED);
    ours.SetNewStyle(0x11, 0);

    CToolBar base;
    base.Create(pFrame, dwStyle, 0xE902);
    base.SetButtons(ids, nIDs);
    base.SetBitmap(MakeImages(nButtons));
    pFrame->RecalcLayout();
    PumpMessages();

    Bench::Heading("toolbars_bench");
    const CSize sizeOurs = ours.CalcDynamicLayout(300, LM_HORZ);
    const CSize sizeBase = base.CalcDynamicLayout(300, LM_HORZ);
    Bench::Report("CalcDynamicLayout, 60 items wrapped to 300, style 0x11",
        Bench::Compare([&] { ours.CalcDynamicLayout(300, LM_HORZ); }, [&] { base.CalcDynamicLayout(300, LM_HORZ); }),
        "framework CToolBar, same buttons");
    printf("  sizes: ours %ld x %ld, framework %ld x %ld\n", sizeOurs.cx, sizeOurs.cy, sizeBase.cx, sizeBase.cy);

    // both bars laid out once, then painted whole into a memory DC
    ours.CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    CClientDC dcScreen(NULL);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dcScreen, 1600, 60);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    CUILToolBar plain;
    plain.m_nBarStyle = 0;
    plain.Create(pFrame, dwStyle, 0xE903);
    plain.SetButtons(ids, nIDs);
    plain.SetBitmap(MakeImages(nButtons));
    plain.SetNewStyle(0, 0);
    plain.CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    Bench::Report("WM_PRINTCLIENT, 60 items, style 0x11",
        Bench::Compare([&] { ours.SendMessage(WM_PRINTCLIENT, (WPARAM)dc.m_hDC, PRF_CLIENT); },
                       [&] { plain.SendMessage(WM_PRINTCLIENT, (WPARAM)dc.m_hDC, PRF_CLIENT); }),
        "the toolbar control's own painting at style 0");
    dc.SelectObject(pOld);

    ours.DestroyWindow();
    base.DestroyWindow();
    plain.DestroyWindow();
    pFrame->DestroyWindow();
    return 0;
}
