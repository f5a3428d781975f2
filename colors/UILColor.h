// UILColor.h - colour values, the RGB/HSB colour CUILColor, conversions, mixing and the sort order
// of colour maps.
//
// A colour value is a COLORREF: red in bits 0-7, green in 8-15, blue in 16-23.  Every function
// here that builds a value from channels leaves bits 24-31 at 0.  A value with bit 31 set is a
// special colour: it has no channels, stands for a colour the host resolves itself and is drawn
// by an icon.  A picker answers -1 when nothing was picked.
#pragma once

#include <afxwin.h>

inline BOOL IsSpecialColor(unsigned long c) { return (c & 0x80000000UL) != 0; }

// Sort keys and modifiers of CompareColors (and of a colour map's sort order).  One key is used:
// the first of grayscale, red, green, blue, hue, saturation, brightness that is set.
#define COLORSORT_RED        0x0001
#define COLORSORT_GREEN      0x0002
#define COLORSORT_BLUE       0x0004
#define COLORSORT_HUE        0x0010
#define COLORSORT_SATURATION 0x0020
#define COLORSORT_BRIGHTNESS 0x0040
#define COLORSORT_GRAYSCALE  0x0100
#define COLORSORT_KEYMASK    0x0177
#define COLORSORT_REVERSE    0x1000   // descending
#define COLORSORT_GROUPGRAY  0x2000   // pure greys before all other colours
#define COLORSORT_MODIFIERS  0xF000

// c's red, green and blue bytes.
AFX_EXT_API void GetRGB(unsigned long c, unsigned char& r, unsigned char& g, unsigned char& b);

// Hue in degrees 0-359, saturation and brightness 0-255, all truncated.  Greys get hue and
// saturation 0; a special colour gets 0, 0, 0.
AFX_EXT_API void RGB2HSB(unsigned long c, unsigned short& h, unsigned char& s, unsigned char& b);
AFX_EXT_API void RGB2HSB(unsigned char r, unsigned char g, unsigned char b, unsigned short& h,
    unsigned char& s, unsigned char& v);

// The inverse, truncating each channel.  Hue 360 is hue 0; hues above 360 are not supported.
AFX_EXT_API void HSB2RGB(unsigned short h, unsigned char s, unsigned char v, unsigned char& r,
    unsigned char& g, unsigned char& b);
AFX_EXT_API void HSB2RGB(unsigned short h, unsigned char s, unsigned char v, unsigned long& c);

// c1 + (c2 - c1) * t channel by channel (t outside 0..1 extrapolates, clamped to 0..255).
AFX_EXT_API unsigned long GetMixColor(unsigned long c1, unsigned long c2, float t);

// c1 laid over c2 with nPercent opacity; 100 gives c1 and 0 gives c2, both unchanged.
AFX_EXT_API unsigned long ApplyTransparency(unsigned long c1, unsigned long c2, int nPercent);

// 1 when c1 goes before c2 in the order that dwFlags (COLORSORT_*) names, -1 when after, 0 when
// the key does not tell them apart.  Ordinary colours go before special colours whatever the
// flags; special colours go in descending order of their signed values.
AFX_EXT_API int CompareColors(unsigned long c1, unsigned long c2, unsigned long dwFlags);

/////////////////////////////////////////////////////////////////////////////
// CUILColor - a colour held in RGB and HSB at once
//
// Whichever side was set last is authoritative and the other is derived from it.  The HSB side
// is never re-derived from the RGB it produced, so an editor can move one HSB channel after
// another without the others drifting through the rounding of the round trip (a hue set on a
// grey stays).

class AFX_EXT_CLASS CUILColor
{
public:
    CUILColor() : m_dwRGB(0), m_wHue(0), m_bySaturation(0), m_byBrightness(0) {}
    CUILColor(unsigned long c) { SetRGB(c); }
    CUILColor(unsigned short h, unsigned char s, unsigned char v) { SetHSV(h, s, v); }
    CUILColor(const CUILColor& src) { *this = src; }
    ~CUILColor() {}

    operator unsigned long() const { return m_dwRGB; }
    unsigned long GetRGB() const { return m_dwRGB; }
    // the whole stored value, top byte included
    bool operator==(unsigned long c) const { return m_dwRGB == c; }
    CUILColor& operator=(unsigned long c) { SetRGB(c); return *this; }
    CUILColor& operator=(const CUILColor& src);

    unsigned char R() const { return (unsigned char)(m_dwRGB & 0xFF); }
    unsigned char G() const { return (unsigned char)((m_dwRGB >> 8) & 0xFF); }
    unsigned char B() const { return (unsigned char)((m_dwRGB >> 16) & 0xFF); }
    unsigned short H() const { return m_wHue; }
    unsigned char S() const { return m_bySaturation; }
    unsigned char V() const { return m_byBrightness; }

    // Keeps the value whole (a special colour stays special); the HSB side comes from its low
    // three bytes.
    void SetRGB(unsigned long c);
    // These rebuild the value from channels, so its top byte becomes 0.
    void SetR(unsigned char r);
    void SetG(unsigned char g);
    void SetB(unsigned char b);
    void SetHSV(unsigned short h, unsigned char s, unsigned char v);
    void SetH(unsigned short h);
    void SetS(unsigned char s);
    void SetV(unsigned char v);

    unsigned long m_dwRGB;
    unsigned short m_wHue;          // degrees, 0-359
    unsigned char m_bySaturation;
    unsigned char m_byBrightness;

protected:
    void SetChannels(unsigned char r, unsigned char g, unsigned char b);
    void UpdateRGB();
};
