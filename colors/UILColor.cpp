// UILColor.cpp - colour conversions, mixing, the colour-map sort order and CUILColor.
//
// The arithmetic is fixed to the last bit (double precision with truncation in the HSB
// conversions, single precision in the mix): colour maps sort by these numbers and saved
// colours are compared with them, so a "more exact" formula would reorder a user's maps.
#include "UILColor.h"

namespace
{
inline unsigned long JoinRGB(unsigned char r, unsigned char g, unsigned char b)
{
    return (unsigned long)r | ((unsigned long)g << 8) | ((unsigned long)b << 16);
}

inline unsigned char ClampToByte(int x)
{
    return (unsigned char)(x < 0 ? 0 : x > 255 ? 255 : x);
}
}

void GetRGB(unsigned long c, unsigned char& r, unsigned char& g, unsigned char& b)
{
    r = (unsigned char)(c & 0xFF);
    g = (unsigned char)((c >> 8) & 0xFF);
    b = (unsigned char)((c >> 16) & 0xFF);
}

void RGB2HSB(unsigned long c, unsigned short& h, unsigned char& s, unsigned char& b)
{
    h = 0;
    s = 0;
    b = 0;
    if (IsSpecialColor(c))
        return;

    unsigned char red, green, blue;
    ::GetRGB(c, red, green, blue);
    const int nMax = red > green ? (red > blue ? red : blue) : (green > blue ? green : blue);
    const int nMin = red < green ? (red < blue ? red : blue) : (green < blue ? green : blue);
    const int nDelta = nMax - nMin;
    b = (unsigned char)nMax;
    if (nDelta == 0)
        return;

    s = (unsigned char)(int)((double)nDelta / nMax * 255.0);
    double dHue;
    if (red == nMax)
        dHue = (double)(green - blue) / nDelta;
    else if (green == nMax)
        dHue = (double)(blue - red) / nDelta + 2.0;
    else
        dHue = (double)(red - green) / nDelta + 4.0;
    dHue *= 60.0;
    if (dHue < 0.0)
        dHue += 360.0;
    if (dHue == 360.0)
        dHue = 0.0;
    h = (unsigned short)(int)dHue;
}

void RGB2HSB(unsigned char r, unsigned char g, unsigned char b, unsigned short& h,
    unsigned char& s, unsigned char& v)
{
    RGB2HSB(JoinRGB(r, g, b), h, s, v);
}

void HSB2RGB(unsigned short h, unsigned char s, unsigned char b, unsigned char& red,
    unsigned char& green, unsigned char& blue)
{
    const double v = b;
    const double m = s * v / 255.0;
    const double lo = v - m;
    const double dh = h;
    double dr, dg, db;
    if (h <= 60)
    {
        dr = v;
        dg = lo + (dh / 60) * m;
        db = lo;
    }
    else if (h < 120)
    {
        dr = lo - (dh / 60 - 2) * m;
        dg = v;
        db = lo;
    }
    else if (h < 180)
    {
        dr = lo;
        dg = v;
        db = lo + (dh / 60 - 2) * m;
    }
    else if (h < 240)
    {
        dr = lo;
        dg = lo - (dh / 60 - 4) * m;
        db = v;
    }
    else if (h <= 300)
    {
        dr = lo + (dh / 60 - 4) * m;
        dg = lo;
        db = v;
    }
    else
    {
        dr = v;
        dg = lo;
        db = lo + ((360 - dh) / 60) * m;
    }
    red = (unsigned char)(int)dr;
    green = (unsigned char)(int)dg;
    blue = (unsigned char)(int)db;
}

void HSB2RGB(unsigned short h, unsigned char s, unsigned char b, unsigned long& c)
{
    unsigned char red, green, blue;
    HSB2RGB(h, s, b, red, green, blue);
    c = JoinRGB(red, green, blue);
}

unsigned long GetMixColor(unsigned long c1, unsigned long c2, float t)
{
    unsigned char x1[3], x2[3], x[3];
    ::GetRGB(c1, x1[0], x1[1], x1[2]);
    ::GetRGB(c2, x2[0], x2[1], x2[2]);
    for (int i = 0; i < 3; i++)
    {
        float f = x1[i] * (1.0f - t) + x2[i] * t;
        if (f < 0.0f)
            f = 0.0f;
        else if (f > 255.0f)
            f = 255.0f;
        x[i] = (unsigned char)(int)f;
    }
    return JoinRGB(x[0], x[1], x[2]);
}

unsigned long ApplyTransparency(unsigned long c1, unsigned long c2, int nPercent)
{
    if (nPercent == 100)
        return c1;
    if (nPercent == 0)
        return c2;
    unsigned char x1[3], x2[3], x[3];
    ::GetRGB(c1, x1[0], x1[1], x1[2]);
    ::GetRGB(c2, x2[0], x2[1], x2[2]);
    for (int i = 0; i < 3; i++)
        x[i] = ClampToByte(x2[i] + ((x1[i] - x2[i]) * nPercent) / 100);
    return JoinRGB(x[0], x[1], x[2]);
}

namespace
{
// The sort key of one ordinary colour under the first key flag present.  The weights 65025
// (255 x 255, not 65536) and 92160 (256 x 360) are part of the order users see: with them a
// secondary channel can outweigh one step of the primary one.
double ColorSortKey(unsigned long c, unsigned long dwFlags)
{
    unsigned char r, g, b;
    ::GetRGB(c, r, g, b);
    unsigned short h;
    unsigned char s, v;
    RGB2HSB(c, h, s, v);
    if (dwFlags & COLORSORT_GRAYSCALE)
        return 0.299 * r + 0.587 * g + 0.114 * b;
    if (dwFlags & COLORSORT_RED)
        return (double)r * 65025 + (256 - g) * 256 + (256 - b);
    if (dwFlags & COLORSORT_GREEN)
        return (double)g * 65025 + (256 - b) * 256 + (256 - r);
    if (dwFlags & COLORSORT_BLUE)
        return (double)b * 65025 + (256 - r) * 256 + (256 - g);
    if (dwFlags & COLORSORT_HUE)
        return (double)h * 65025 + v * 256 + s;
    if (dwFlags & COLORSORT_SATURATION)
        return (double)s * 92160 + v * 360 + h;
    if (dwFlags & COLORSORT_BRIGHTNESS)
        return (double)v * 92160 + s * 360 + h;
    return 0.0;
}

inline BOOL IsGray(unsigned long c)
{
    return (c & 0xFF) == ((c >> 8) & 0xFF) && (c & 0xFF) == ((c >> 16) & 0xFF);
}
}

int CompareColors(unsigned long c1, unsigned long c2, unsigned long dwFlags)
{
    const int n1 = (int)c1, n2 = (int)c2;   // special colours are the negative ones
    if (n1 >= 0 && n2 < 0)
        return 1;
    if (n1 < 0 && n2 >= 0)
        return -1;
    if (n1 < 0 && n2 < 0)
        return n1 < n2 ? -1 : n1 > n2 ? 1 : 0;

    if (dwFlags & COLORSORT_GROUPGRAY)
    {
        const BOOL bGray1 = IsGray(c1), bGray2 = IsGray(c2);
        if (bGray1 && !bGray2)
            return 1;
        if (bGray2 && !bGray1)
            return -1;
    }

    double dKey1 = ColorSortKey(c1, dwFlags);
    double dKey2 = ColorSortKey(c2, dwFlags);
    if (dKey1 == dKey2)
    {
        unsigned short h;
        unsigned char s, v1, v2;
        RGB2HSB(c1, h, s, v1);
        RGB2HSB(c2, h, s, v2);
        dKey1 += v1;
        dKey2 += v2;
    }
    int nResult = dKey1 < dKey2 ? 1 : dKey1 > dKey2 ? -1 : 0;
    if (dwFlags & COLORSORT_REVERSE)
        nResult = -nResult;
    return nResult;
}

/////////////////////////////////////////////////////////////////////////////
// CUILColor

CUILColor& CUILColor::operator=(const CUILColor& src)
{
    m_dwRGB = src.m_dwRGB;
    m_wHue = src.m_wHue;
    m_bySaturation = src.m_bySaturation;
    m_byBrightness = src.m_byBrightness;
    return *this;
}

void CUILColor::SetRGB(unsigned long c)
{
    m_dwRGB = c;
    RGB2HSB(c & 0x00FFFFFFUL, m_wHue, m_bySaturation, m_byBrightness);
}

void CUILColor::SetChannels(unsigned char r, unsigned char g, unsigned char b)
{
    SetRGB(JoinRGB(r, g, b));
}

void CUILColor::SetR(unsigned char r)
{
    SetChannels(r, G(), B());
}

void CUILColor::SetG(unsigned char g)
{
    SetChannels(R(), g, B());
}

void CUILColor::SetB(unsigned char b)
{
    SetChannels(R(), G(), b);
}

void CUILColor::UpdateRGB()
{
    HSB2RGB(m_wHue, m_bySaturation, m_byBrightness, m_dwRGB);
}

void CUILColor::SetHSV(unsigned short h, unsigned char s, unsigned char v)
{
    m_wHue = h;
    m_bySaturation = s;
    m_byBrightness = v;
    UpdateRGB();
}

void CUILColor::SetH(unsigned short h)
{
    m_wHue = h;
    UpdateRGB();
}

void CUILColor::SetS(unsigned char s)
{
    m_bySaturation = s;
    UpdateRGB();
}

void CUILColor::SetV(unsigned char v)
{
    m_byBrightness = v;
    UpdateRGB();
}
