// CustomColorIcons.h - the icons with which special colours are drawn.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
#include <afxtempl.h>

// Draws image 2 (a 16-pixel icon) of the list when rc is wider and taller than 18 pixels, else
// image 1 (12 pixels) when wider and taller than 14, else image 0 (9 pixels), centred in rc and
// transparent.  The images are 16 pixels square with the smaller icons in their top left corner.
AFX_EXT_API void DrawColorIcon(HIMAGELIST hImageList, HDC hDC, const RECT* lpRect);

// The host registers one image list per special colour value (three images, as DrawColorIcon
// expects); the object owns the lists and destroys them with itself.
class AFX_EXT_CLASS CCustomColorIcons
{
public:
    CCustomColorIcons();
    ~CCustomColorIcons();

    // NULL when none is registered
    HIMAGELIST GetImageList(unsigned long c);
    // Registers (or replaces, destroying the list it held) the icons of c; returns hImageList.
    HIMAGELIST SetImageList(unsigned long c, HIMAGELIST hImageList);
    // The registered icon, or a white box with a grey cross when c has none.
    void Draw(unsigned long c, HDC hDC, const RECT* lpRect);

protected:
    CMap<unsigned long, unsigned long, HIMAGELIST, HIMAGELIST> m_mapImageLists;

private:
    CCustomColorIcons(const CCustomColorIcons&) = delete;
    CCustomColorIcons& operator=(const CCustomColorIcons&) = delete;
};

extern AFX_EXT_DATA CCustomColorIcons g_CustomColorIcons;
