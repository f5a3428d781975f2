// items_bench.cpp - what measuring and drawing a command item costs.
//
// A toolbar measures every item on each style change and draws every item on each paint, so
// both run often.  Each is set against the GDI work it cannot avoid: measuring against one
// DrawText(DT_CALCRECT) of the caption in the item font; drawing against a plain button made of
// a face fill, a frame, one ImageList_Draw and one DrawText; finding an image's list by the
// lists' ranges against naming the list in the number.  The baselines are this bench's own code.
#include <WEXOctrl.h>
#include "BenchHarness.h"
#include <stdio.h>

namespace
{
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

    Bench::Heading("items");
    const Bench::SResult measure = Bench::Compare([&] { item.MeasureItem(dc, nLook, -1); }, [&] {
        CFont* pOld = dc.SelectObject(CUILItem::m_fonts.GetHorzFont());
        CRect rc(0, 0, 0, 0);
        dc.DrawText(item.m_strText, &rc, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
        dc.SelectObject(pOld);
    });
    Bench::Report("MeasureItem, image + text + arrow", measure, "one DrawText(DT_CALCRECT)", true);

    item.SetItemPos(4, 4, 0, NULL);
    CUILImageList* pList = images.GetImgListWithImage(item.m_iBitmap);
    const int nPosition = item.m_iBitmap - pList->GetStartIndex();
    CRect rcItem, rcText;
    item.GetRect(&rcItem);
    item.GetTextRect(&rcText);
    const Bench::SResult draw = Bench::Compare([&] { item.DrawItem(dc, -1, -1, UILDRAW_HOT); }, [&] {
        CFont* pOld = dc.SelectObject(CUILItem::m_fonts.GetHorzFont());
        dc.FillSolidRect(&rcItem, ::GetSysColor(COLOR_BTNFACE));
        dc.Draw3dRect(&rcItem, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
        pList->Draw(&dc, nPosition, CPoint(7, 7), ILD_TRANSPARENT);
        dc.SetBkMode(TRANSPARENT);
        dc.DrawText(item.m_strText, &rcText, DT_SINGLELINE | DT_VCENTER);
        dc.SelectObject(pOld);
    });
    Bench::Report("DrawItem, hot bar button, drop-down mark", draw, "fill, frame, image, text", true);

    // a number found by the lists' ranges against the same image named by its list
    const Bench::SResult find = Bench::Compare([&] { volatile int n = images.FindImage(120); (void)n; },
        [&] { volatile int n = images.FindImage(0x70008); (void)n; });
    Bench::Report("FindImage by range, 8th of 8 lists", find, "FindImage, list named", true);

    dc.SelectObject(pOldBitmap);
    return 0;
}
