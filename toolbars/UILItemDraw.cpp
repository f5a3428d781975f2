// UILItemDraw.cpp - drawing a command item as a bar button or as a menu entry.
//
// Every colour comes through the host-overridable lookup with the toolbar context, so a host
// that recolours its toolbars recolours their items too.  Items paint their own background:
// the bar fills only what lies between them.
#include "UILItem.h"
#include "frame/UILFrame.h"

namespace
{
COLORREF ItemColor(int nIndex)
{
    return GetMainWndSysColor(nIndex, UIL_COLORCONTEXT_TOOLBAR);
}

// The colours of the 3-D look, asked for on every paint, and the frames drawn with them.
struct S3DLook
{
    S3DLook()
        : clrFace(ItemColor(COLOR_BTNFACE)), clrLight(ItemColor(COLOR_BTNHIGHLIGHT)),
          clrShadow(ItemColor(COLOR_BTNSHADOW))
    {
    }
    void Raised(CDC& dc, const CRect& rc) const { dc.Draw3dRect(&rc, clrLight, clrShadow); }
    void Sunken(CDC& dc, const CRect& rc) const { dc.Draw3dRect(&rc, clrShadow, clrLight); }

    COLORREF clrFace;
    COLORREF clrLight;
    COLORREF clrShadow;
};

// a separator: its ground, and a 2-pixel groove through its middle, across it or along it
void DrawSeparator(CDC& dc, const CRect& rc, COLORREF clrGround, BOOL bVerticalLine)
{
    const S3DLook look;
    dc.FillSolidRect(&rc, clrGround);
    if (bVerticalLine)
        look.Sunken(dc, CRect(rc.left + rc.Width() / 2 - 1, rc.top + 1, rc.left + rc.Width() / 2 + 1, rc.bottom - 1));
    else
        look.Sunken(dc, CRect(rc.left + 1, rc.top + rc.Height() / 2 - 1, rc.right - 1, rc.top + rc.Height() / 2 + 1));
}

// the top-left corner that centres size in rc
CPoint CentreIn(const CRect& rc, CSize size)
{
    return CPoint(rc.left + (rc.Width() - size.cx) / 2, rc.top + (rc.Height() - size.cy) / 2);
}

// "&File" as it reads: single ampersands dropped, doubled ones kept once
CString WithoutPrefixes(const CString& str)
{
    CString strResult;
    for (int i = 0; i < str.GetLength(); i++)
    {
        if (str[i] == '&')
        {
            if (i + 1 >= str.GetLength())
                break;
            i++;
        }
        strResult += str[i];
    }
    return strResult;
}

// One pass of an item's text in one colour: the caption left, a shortcut right (horizontal), or
// the caption turned, running upwards from the rectangle's bottom (vertical font selected).
void DrawTextPass(CDC& dc, const CString& strCaption, const CString& strShortcut, const CRect& rc,
    BOOL bVertical, COLORREF clr)
{
    dc.SetTextColor(clr);
    if (!bVertical)
    {
        CRect rcInner = rc;
        rcInner.DeflateRect(3, 0);
        dc.DrawText(strCaption, &rcInner, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        if (!strShortcut.IsEmpty())
            dc.DrawText(strShortcut, &rcInner, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        return;
    }
    // turned text: its top faces left, so the glyphs lie right of x and above y
    TEXTMETRICA tm;
    if (!dc.GetTextMetrics(&tm))
        return;
    const CString strShown = WithoutPrefixes(strCaption);
    const int x = rc.left + (rc.Width() - tm.tmHeight) / 2;
    const UINT nOldAlign = dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.ExtTextOut(x, rc.bottom - 2, ETO_CLIPPED, &rc, strShown, NULL);
    dc.SetTextAlign(nOldAlign);
}
}

void CUILItem::DrawItem(CDC& dc, int nExStyle, int nExState, int nMode)
{
    if (nExStyle != -1)
        m_nExStyle = nExStyle;
    if (nExState != -1)
        m_nExState = nExState;
    CFont* pFont = (m_nExStyle & UILIS_VERTICAL) != 0 ? m_fonts.GetVertFont() : m_fonts.GetHorzFont();
    CFont* pOldFont = pFont->GetSafeHandle() != NULL ? dc.SelectObject(pFont) : NULL;
    if ((m_nExStyle & UILIS_MENUITEM) != 0)
        DrawMenuItem(dc, nMode);
    else if ((m_nExStyle & UILIS_BARITEM) != 0)
        DrawBarItem(dc, nMode);
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
}

void CUILItem::DrawImage(CDC& dc, CPoint pt, int bDisabled, int bRaised)
{
    if (m_pImages == NULL || GetImageList() == NULL)
        return;
    if (bDisabled)
        m_pImages->DrawEmbossed(dc, pt, m_iBitmap, m_iList, 0);
    else if (bRaised)
    {
        // lifted by a pixel over its own shadow
        const CPoint ptLifted(pt.x - 1, pt.y - 1);
        m_pImages->DrawShadow(dc, ptLifted, m_iBitmap, m_iList, 0);
        m_pImages->Draw(dc, ptLifted, m_iBitmap, m_iList, ILD_TRANSPARENT);
    }
    else
        m_pImages->Draw(dc, pt, m_iBitmap, m_iList, ILD_TRANSPARENT);
}

void CUILItem::OutText(CDC& dc, LPCRECT lpRect, int bDisabled, COLORREF clrText)
{
    if (lpRect == NULL || ::IsRectEmpty(lpRect))
        return;
    CString strCaption = m_strText, strShortcut;
    const int nTab = strCaption.Find('\t');
    if (nTab >= 0)
    {
        if ((m_nExStyle & UILIS_ACCELTEXT) != 0)
            strShortcut = strCaption.Mid(nTab + 1);
        strCaption = strCaption.Left(nTab);
    }
    const BOOL bVertical = (m_nExStyle & UILIS_VERTICAL) != 0;
    if (bVertical)
        strShortcut.Empty();    // turned entries stand in menu bars, which have no shortcuts

    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF clrOldText = dc.GetTextColor();
    const CRect rc(lpRect);
    if (bDisabled)
    {
        // engraved: a highlight copy one pixel down and right under the shadow-coloured text
        CRect rcLight = rc;
        rcLight.OffsetRect(1, 1);
        DrawTextPass(dc, strCaption, strShortcut, rcLight, bVertical, ItemColor(COLOR_BTNHIGHLIGHT));
        DrawTextPass(dc, strCaption, strShortcut, rc, bVertical, ItemColor(COLOR_BTNSHADOW));
    }
    else
        DrawTextPass(dc, strCaption, strShortcut, rc, bVertical, clrText);
    dc.SetTextColor(clrOldText);
    dc.SetBkMode(nOldMode);
}

void CUILItem::DrawServImage(CDC& dc, int nImage, LPCRECT lpRect, int bDisabled)
{
    if (lpRect == NULL)
        return;
    const CPoint pt = CentreIn(CRect(lpRect), CSize(UILSI_SIZE, UILSI_SIZE));
    if (bDisabled)
    {
        m_ServiceImageList.DrawGlyph(dc, nImage, CPoint(pt.x + 1, pt.y + 1), ItemColor(COLOR_BTNHIGHLIGHT));
        m_ServiceImageList.DrawGlyph(dc, nImage, pt, ItemColor(COLOR_BTNSHADOW));
    }
    else
        m_ServiceImageList.DrawGlyph(dc, nImage, pt, dc.GetTextColor());
}

void CUILItem::DrawBarItem(CDC& dc, int nMode)
{
    if (IsControl())
        return;     // the control's window draws itself
    const BOOL bVertical = (m_nExStyle & UILIS_VERTICAL) != 0;
    CRect rc;
    GetRect(&rc, bVertical ? UILRECT_TURNED : 0);
    const S3DLook look;
    if (IsSeparator())
    {
        DrawSeparator(dc, rc, look.clrFace, !bVertical);
        return;
    }
    const int nSavedDC = dc.SaveDC();

    const BOOL bDisabled = IsDisabled();
    const BOOL bChecked = (m_fsState & TBSTATE_CHECKED) != 0;
    const BOOL bPressed = (m_fsState & TBSTATE_PRESSED) != 0;
    const BOOL bHot = (nMode & UILDRAW_HOT) != 0 && !bDisabled;
    const BOOL bSunken = bPressed || bChecked;

    if (bChecked && !bPressed && !bHot)
    {
        // a checked button at rest is dithered, so it reads as "on" without the mouse over it
        dc.SetTextColor(look.clrLight);
        dc.SetBkColor((nMode & UILDRAW_CHECKLIGHT) != 0 ? look.clrLight : look.clrFace);
        dc.SetBrushOrg(rc.left, rc.top);
        dc.FillRect(&rc, CDC::GetHalftoneBrush());
    }
    else
        dc.FillSolidRect(&rc, look.clrFace);
    if (bSunken)
        look.Sunken(dc, rc);
    else if (bHot)
        look.Raised(dc, rc);
    const int nShift = bSunken ? 1 : 0;

    CRect rcBmp;
    GetBmpRect(&rcBmp);
    if (!rcBmp.IsRectEmpty())
    {
        CPoint pt = CentreIn(rcBmp, m_sizeImage);
        pt.Offset(nShift, nShift);
        DrawImage(dc, pt, bDisabled, bHot && !bSunken);
    }

    CRect rcText;
    GetTextRect(&rcText);
    if (!rcText.IsRectEmpty())
    {
        rcText.OffsetRect(nShift, nShift);
        OutText(dc, &rcText, bDisabled, ItemColor(COLOR_BTNTEXT));
    }

    CRect rcArrow;
    GetRightBmpRect(&rcArrow);
    if (!rcArrow.IsRectEmpty())
    {
        dc.SetTextColor(ItemColor(COLOR_BTNTEXT));
        DrawServImage(dc, UILSI_CORNER, &rcArrow, bDisabled);
    }
    dc.RestoreDC(nSavedDC);
}

void CUILItem::DrawMenuItem(CDC& dc, int nMode)
{
    if (IsControl())
        return;
    const BOOL bVertical = (m_nExStyle & UILIS_VERTICAL) != 0;
    const BOOL bMenuImages = (m_nExStyle & UILIS_MENUIMAGES) != 0;
    CRect rc;
    GetRect(&rc, bVertical ? UILRECT_TURNED : 0);
    const S3DLook look;
    const COLORREF clrMenu = ItemColor(COLOR_MENU);
    if (IsSeparator())
    {
        DrawSeparator(dc, rc, bMenuImages ? clrMenu : look.clrFace, bVertical);
        return;
    }
    const int nSavedDC = dc.SaveDC();

    const BOOL bDisabled = IsDisabled();
    const BOOL bChecked = (m_fsState & TBSTATE_CHECKED) != 0;
    const BOOL bPressed = (m_fsState & TBSTATE_PRESSED) != 0;
    const BOOL bHot = (nMode & UILDRAW_HOT) != 0;
    CRect rcText, rcArrow;
    GetTextRect(&rcText);
    GetRightBmpRect(&rcArrow);

    if (!bMenuImages)
    {
        // an entry of a menu bar: raised under the mouse, sunken while its popup is open
        dc.FillSolidRect(&rc, look.clrFace);
        if (bPressed)
            look.Sunken(dc, rc);
        else if (bHot && !bDisabled)
            look.Raised(dc, rc);
        const int nShift = bPressed ? 1 : 0;
        rcText.OffsetRect(nShift, nShift);
        OutText(dc, &rcText, bDisabled, ItemColor(COLOR_MENUTEXT));
        if (!rcArrow.IsRectEmpty())
        {
            dc.SetTextColor(ItemColor(COLOR_MENUTEXT));
            DrawServImage(dc, bVertical ? UILSI_UPARROW : UILSI_RIGHTARROW, &rcArrow, bDisabled);
        }
        dc.RestoreDC(nSavedDC);
        return;
    }

    // an entry of a popup menu: the image column, then the highlighted caption, shortcut, arrow
    dc.FillSolidRect(&rc, clrMenu);
    CRect rcBmp;
    GetBmpRect(&rcBmp);
    CRect rcColumn = rcBmp;
    rcColumn.InflateRect(1, 1);
    if (bHot)
    {
        CRect rcHighlight = rc;
        if (!rcColumn.IsRectEmpty())
        {
            if (bVertical)
                rcHighlight.bottom = rcColumn.top - 1;
            else
                rcHighlight.left = rcColumn.right + 1;
        }
        dc.FillSolidRect(&rcHighlight, ItemColor(COLOR_HIGHLIGHT));
    }

    const BOOL bHasImage = GetImageList() != NULL;
    if (!rcBmp.IsRectEmpty() && (bHasImage || bChecked))
    {
        if (bChecked)
        {
            // "on": a sunken, lighter well around the image or the check mark
            dc.FillSolidRect(&rcColumn, bHot ? clrMenu : look.clrLight);
            look.Sunken(dc, rcColumn);
        }
        else if (bHot && !bDisabled)
            look.Raised(dc, rcColumn);
        if (bHasImage)
        {
            // an image a little larger than a check-sized column may use the column's frame
            const int nSavedClip = dc.SaveDC();
            dc.IntersectClipRect(&rcColumn);
            DrawImage(dc, CentreIn(rcBmp, m_sizeImage), bDisabled, FALSE);
            dc.RestoreDC(nSavedClip);
        }
        else
        {
            dc.SetTextColor(ItemColor(COLOR_MENUTEXT));
            DrawServImage(dc, UILSI_CHECK, &rcBmp, bDisabled);
        }
    }

    // on the highlight a disabled caption is plain grey: the engraved look needs a light ground
    COLORREF clrText = ItemColor(bHot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    if (bDisabled && bHot)
        clrText = ItemColor(COLOR_GRAYTEXT);
    OutText(dc, &rcText, bDisabled && !bHot, clrText);
    if (!rcArrow.IsRectEmpty())
    {
        dc.SetTextColor(clrText);
        DrawServImage(dc, bVertical ? UILSI_UPARROW : UILSI_RIGHTARROW, &rcArrow, bDisabled && !bHot);
    }
    dc.RestoreDC(nSavedDC);
}
