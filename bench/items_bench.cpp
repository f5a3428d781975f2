// items_bench.cpp - what measuring and drawing a command item costs.
//
// A toolbar measures every item on each style change and draws every item on each paint, so
// both run often.  Each is set against the GDI work it cannot avoid: measuring against one
// DrawText(DT_CALCRECT) of the caption in the item font; drawing against a plain button made of
// a face fill, a frame, one ImageList_Draw and one DrawText; finding an image's list by the
// lists' ranges against naming the list in the number.  The ratio is ours over that base.
#include <WEXOctrl.h>
#include <stdio.h>

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

// Microseconds per call: the best of five rounds of nCalls calls, so that a busy moment of the
// machine does not decide.
template<class F> double MicrosPerCall(F fn, int nCalls)
{
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
    printf("%-44s %9.3f us   base %9.3f us   ratio %6.2f\n", lpszWhat, dOurs, dBase, dOurs / dBase);
}

CUILImageList* MakeList(int nImages)
{
    CUILImageList* pList = new CUILImageList;
    pList->Create(16, 15, ILC_COLOR24 | ILC_MASK, nImages, 0);
    pList->SetImageCount(nImages);
    return pList;
}
}

int main()
{
    CUILImagesCollection images;
    for (int i = 0; i < 8; i++)
        images.Add(MakeList(16), UILIMAGELIST_OWNED);

    CUILItem item;
    item.m_pImages = &images;
    item.m_iBitmap = 100;       // in the seventh list: found by range
    item.m_fsState = TBSTATE_ENABLED;
    item.m_strText = "Dimension";
    const int nLook = UILIS_BARITEM | UILIS_CUSTOMLOOK | UILIS_IMAGE | UILIS_TEXT | UILIS_POPUP;

    CClientDC dcScreen(NULL);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dcScreen, 200, 60);
    CBitmap* pOldBitmap = dc.SelectObject(&bitmap);

    const double dMeasure = MicrosPerCall([&] { item.MeasureItem(dc, nLook, -1); }, 2000);
    const double dMeasureBase = MicrosPerCall([&] {
        CFont* pOld = dc.SelectObject(CUILItem::m_fonts.GetHorzFont());
        CRect rc(0, 0, 0, 0);
        dc.DrawText(item.m_strText, &rc, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
        dc.SelectObject(pOld);
    }, 2000);
    Report("MeasureItem, image + text + arrow", dMeasure, dMeasureBase);

    item.SetItemPos(4, 4, 0, NULL);
    CUILImageList* pList = images.GetImgListWithImage(item.m_iBitmap);
    const int nPosition = item.m_iBitmap - pList->GetStartIndex();
    CRect rcItem, rcText;
    item.GetRect(&rcItem);
    item.GetTextRect(&rcText);
    const double dDraw = MicrosPerCall([&] { item.DrawItem(dc, -1, -1, UILDRAW_HOT); }, 1000);
    const double dDrawBase = MicrosPerCall([&] {
        CFont* pOld = dc.SelectObject(CUILItem::m_fonts.GetHorzFont());
        dc.FillSolidRect(&rcItem, ::GetSysColor(COLOR_BTNFACE));
        dc.Draw3dRect(&rcItem, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
        pList->Draw(&dc, nPosition, CPoint(7, 7), ILD_TRANSPARENT);
        dc.SetBkMode(TRANSPARENT);
        dc.DrawText(item.m_strText, &rcText, DT_SINGLELINE | DT_VCENTER);
        dc.SelectObject(pOld);
    }, 1000);
    Report("DrawItem, hot bar button with drop-down mark", dDraw, dDrawBase);

    // a number found by the lists' ranges against the same image named by its list
    const double dFind = MicrosPerCall([&] { volatile int n = images.FindImage(120); (void)n; }, 200000);
    const double dFindBase = MicrosPerCall([&] { volatile int n = images.FindImage(0x70008); (void)n; }, 200000);
    Report("FindImage by range, 8th of 8 lists", dFind, dFindBase);

    dc.SelectObject(pOldBitmap);
    return 0;
}
