// colors_bench.cpp - speed of the colour model.
//
// 1. RGB -> HSB -> RGB over the whole RGB cube with the library's exact (double precision,
//    truncating) conversions, against a textbook single-precision HSV round trip in this file.
// 2. Filling a colour map: CColorArray::AddItem keeps the map sorted by insertion, comparing with
//    CompareColors (which converts both colours to HSB on every comparison); the baseline sorts
//    the same colours once with std::stable_sort and the same comparator.  This is what a user
//    waits for when a sort command reorders a map of that many colours.
#include <WEXOctrl.h>
#include "BenchHarness.h"
#include <math.h>
#include <stdio.h>
#include <algorithm>
#include <vector>

namespace
{
volatile unsigned long g_sink;

void TextbookRoundTrip(unsigned long c, unsigned long& out)
{
    const float r = (c & 0xFF) / 255.0f, g = ((c >> 8) & 0xFF) / 255.0f, b = ((c >> 16) & 0xFF) / 255.0f;
    const float mx = std::max(r, std::max(g, b)), mn = std::min(r, std::min(g, b)), d = mx - mn;
    float h = 0.0f;
    if (d > 0.0f)
    {
        if (mx == r)
            h = 60.0f * ((g - b) / d);
        else if (mx == g)
            h = 60.0f * ((b - r) / d + 2.0f);
        else
            h = 60.0f * ((r - g) / d + 4.0f);
        if (h < 0.0f)
            h += 360.0f;
    }
    const float s = mx > 0.0f ? d / mx : 0.0f, v = mx;
    const float cc = v * s, x = cc * (1.0f - fabsf(fmodf(h / 60.0f, 2.0f) - 1.0f)), m = v - cc;
    float rr, gg, bb;
    if (h < 60) rr = cc, gg = x, bb = 0;
    else if (h < 120) rr = x, gg = cc, bb = 0;
    else if (h < 180) rr = 0, gg = cc, bb = x;
    else if (h < 240) rr = 0, gg = x, bb = cc;
    else if (h < 300) rr = x, gg = 0, bb = cc;
    else rr = cc, gg = 0, bb = x;
    out = RGB((int)((rr + m) * 255.0f), (int)((gg + m) * 255.0f), (int)((bb + m) * 255.0f));
}

void BenchConversions()
{
    const unsigned long nColors = 0x1000000;
    const Bench::SResult r = Bench::Compare([&] {
        unsigned long sum = 0;
        for (unsigned long c = 0; c < nColors; c++)
        {
            unsigned short h;
            unsigned char s, v;
            RGB2HSB(c, h, s, v);
            unsigned long back;
            HSB2RGB(h, s, v, back);
            sum += back;
        }
        g_sink = sum;
    }, [&] {
        unsigned long sum = 0;
        for (unsigned long c = 0; c < nColors; c++)
        {
            unsigned long back;
            TextbookRoundTrip(c, back);
            sum += back;
        }
        g_sink = sum;
    }, 5, 0.0);
    Bench::Report("RGB->HSB->RGB, whole cube", r, "textbook float round trip", true);
}

void BenchMapFill(int nCount)
{
    std::vector<unsigned long> colors;
    unsigned seed = 4711;
    for (int i = 0; i < nCount; i++)
    {
        seed = seed * 1103515245 + 12345;
        colors.push_back((seed >> 4) & 0xFFFFFF);
    }
    const Bench::SResult r = Bench::Compare([&] {
        CColorArray map;
        for (unsigned long c : colors)
            map.AddItem(c, "");
        g_sink = map.m_Colors[0];
    }, [&] {
        std::vector<unsigned long> sorted(colors);
        std::stable_sort(sorted.begin(), sorted.end(),
            [](unsigned long a, unsigned long b) { return CompareColors(a, b, COLORSORT_SATURATION) > 0; });
        g_sink = sorted[0];
    }, 5, 0.02);
    char szName[64];
    sprintf(szName, "sorted colour map fill, %d colours", nCount);
    Bench::Report(szName, r, "std::stable_sort, same comparator");
}
}

int main()
{
    if (!AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_HIDE))
        return 1;
    Bench::Heading("colors");
    BenchConversions();
    for (int n : { 64, 256, 1024, 4096 })
        BenchMapFill(n);
    AfxWinTerm();
    return 0;
}
