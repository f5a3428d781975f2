// OffscreenDC.h - off-screen painting for the colour controls (used inside the library).
#pragma once

#include <afxwin.h>

// A memory DC the size of the client area, filled with one colour; on destruction the part
// of it that the paint DC has to update is copied there.  Controls that repaint parts of
// themselves often (a hot cell, a dragged mark) do not flicker that way.
class COffscreenDC : public CDC
{
public:
    COffscreenDC(CPaintDC& dcPaint, const CRect& rcClient, COLORREF clrBack)
        : m_dcPaint(dcPaint)
    {
        CreateCompatibleDC(&dcPaint);
        m_bitmap.CreateCompatibleBitmap(&dcPaint, rcClient.Width(), rcClient.Height());
        m_pOldBitmap = SelectObject(&m_bitmap);
        FillSolidRect(&rcClient, clrBack);
    }
    ~COffscreenDC()
    {
        const CRect rc(m_dcPaint.m_ps.rcPaint);
        m_dcPaint.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), this, rc.left, rc.top, SRCCOPY);
        SelectObject(m_pOldBitmap);
    }

    // the rectangle the paint DC has to update
    CRect GetUpdateRect() const { return CRect(m_dcPaint.m_ps.rcPaint); }

private:
    COffscreenDC(const COffscreenDC&) = delete;
    COffscreenDC& operator=(const COffscreenDC&) = delete;

    CPaintDC& m_dcPaint;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap;
};
