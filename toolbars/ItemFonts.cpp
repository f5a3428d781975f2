// ItemFonts.cpp - the two item fonts and the service images that every item shares.
#include "UILItem.h"
#include "frame/UILFrame.h"
#include "res/resource.h"

namespace
{
// the character set that goes with the system's ANSI code page
BYTE AnsiCodePageCharSet()
{
    CHARSETINFO csi;
    memset(&csi, 0, sizeof(csi));
    if (::TranslateCharsetInfo((DWORD*)(UINT_PTR)::GetACP(), &csi, TCI_SRCCODEPAGE))
        return (BYTE)csi.ciCharset;
    return ANSI_CHARSET;
}

int CALLBACK CountFaceProc(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM lParam)
{
    ++*(int*)lParam;
    return 0;       // one is enough
}

// Selects a font made from lf into a screen DC for the object's lifetime.
class CScreenFont
{
public:
    explicit CScreenFont(const LOGFONTA& lf)
        : m_dc(NULL), m_pOldFont(NULL)
    {
        if (m_font.CreateFontIndirect(&lf))
            m_pOldFont = m_dc.SelectObject(&m_font);
    }
    ~CScreenFont()
    {
        if (m_pOldFont != NULL)
            m_dc.SelectObject(m_pOldFont);
    }
    BOOL IsSelected() const { return m_pOldFont != NULL; }
    CDC& GetDC() { return m_dc; }

private:
    CClientDC m_dc;
    CFont m_font;
    CFont* m_pOldFont;
};
}

/////////////////////////////////////////////////////////////////////////////
// CItemFonts

CItemFonts::CItemFonts()
{
    Create(NULL);
}

CItemFonts::~CItemFonts()
{
    Delete();
}

void CItemFonts::Delete()
{
    m_fontHorz.DeleteObject();
    m_fontVert.DeleteObject();
}

int CItemFonts::FaceExists(const char* lpszFace, BYTE nCharSet)
{
    if (lpszFace == NULL || *lpszFace == '\0')
        return 0;
    LOGFONTA lf;
    memset(&lf, 0, sizeof(lf));
    lf.lfCharSet = nCharSet;
    lstrcpynA(lf.lfFaceName, lpszFace, LF_FACESIZE);
    CClientDC dc(NULL);
    int nFound = 0;
    ::EnumFontFamiliesExA(dc.m_hDC, &lf, CountFaceProc, (LPARAM)&nFound, 0);
    return nFound > 0;
}

int CItemFonts::IsTrueTypeFace(const LOGFONTA& lf)
{
    CScreenFont font(lf);
    TEXTMETRICA tm;
    if (!font.IsSelected() || !font.GetDC().GetTextMetrics(&tm))
        return 0;
    return (tm.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}

int CItemFonts::FindTurnableFace(const LOGFONTA& lf, LOGFONTA* pFound)
{
    // the font mapper's own choice for a turned TrueType font of this description
    LOGFONTA lfTurned = lf;
    lfTurned.lfEscapement = 900;
    lfTurned.lfOrientation = 900;
    lfTurned.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    CScreenFont font(lfTurned);
    TEXTMETRICA tm;
    char szFace[LF_FACESIZE] = "";
    if (!font.IsSelected() || !font.GetDC().GetTextMetrics(&tm) ||
        (tm.tmPitchAndFamily & TMPF_TRUETYPE) == 0 || font.GetDC().GetTextFace(LF_FACESIZE, szFace) <= 0)
        return 0;
    if (pFound != NULL)
    {
        *pFound = lf;
        lstrcpynA(pFound->lfFaceName, szFace, LF_FACESIZE);
        pFound->lfCharSet = tm.tmCharSet;
    }
    return 1;
}

int CItemFonts::IsDBCSLocale()
{
    char szCodePage[8] = "";
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, szCodePage, sizeof(szCodePage)) <= 0)
        return 0;
    switch (atoi(szCodePage))
    {
    case 932:   // Japanese
    case 936:   // simplified Chinese
    case 949:   // Korean
    case 950:   // traditional Chinese
        return 1;
    default:
        return 0;
    }
}

int CItemFonts::Create(const LOGFONTA* lfMenu)
{
    Delete();

    LOGFONTA lf;
    if (lfMenu != NULL)
        lf = *lfMenu;
    else
    {
        NONCLIENTMETRICSA ncm;
        memset(&ncm, 0, sizeof(ncm));
        ncm.cbSize = sizeof(ncm);
        if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
            lf = ncm.lfMenuFont;
        else
            ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    }

    // the menu face may not exist in the system's character set (a menu font chosen for another
    // language); a turnable TrueType face of the right set stands in for both fonts then
    lf.lfCharSet = AnsiCodePageCharSet();
    BOOL bReplaced = FALSE;
    if (!FaceExists(lf.lfFaceName, lf.lfCharSet))
    {
        LOGFONTA lfFound;
        if (FindTurnableFace(lf, &lfFound))
        {
            lstrcpynA(lf.lfFaceName, lfFound.lfFaceName, LF_FACESIZE);
            lf.lfCharSet = lfFound.lfCharSet;
            bReplaced = TRUE;
        }
    }
    m_fontHorz.CreateFontIndirect(&lf);

    // raster faces cannot be turned: the vertical font needs a TrueType face
    LOGFONTA lfVert = lf;
    if (!bReplaced && !IsTrueTypeFace(lf))
    {
        // the double-byte systems' menu faces carry their own glyphs, which Arial lacks
        if (!IsDBCSLocale())
            lstrcpynA(lfVert.lfFaceName, "Arial", LF_FACESIZE);
        LOGFONTA lfFound;
        if (FindTurnableFace(lfVert, &lfFound))
        {
            lstrcpynA(lfVert.lfFaceName, lfFound.lfFaceName, LF_FACESIZE);
            lfVert.lfCharSet = lfFound.lfCharSet;
        }
    }
    lfVert.lfEscapement = 900;
    lfVert.lfOrientation = 900;
    lfVert.lfWeight = 0;
    m_fontVert.CreateFontIndirect(&lfVert);

    return m_fontHorz.GetSafeHandle() != NULL && m_fontVert.GetSafeHandle() != NULL;
}

/////////////////////////////////////////////////////////////////////////////
// CServiceImageList

CServiceImageList::CServiceImageList()
{
}

CServiceImageList::~CServiceImageList()
{
    DeleteImageList();
}

int CServiceImageList::Load()
{
    if (m_hImageList != NULL)
        return 1;
    if (g_hUILResource == NULL)
        return 0;       // before the library has chosen its resource module
    // LR_LOADMAP3DCOLORS turns the bitmap's light grey into the system's button face, the mask
    HBITMAP hBitmap;
    {
        CUILResourceScope resources;
        hBitmap = (HBITMAP)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDB_UIL_SERVICEIMAGES),
            IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS);
    }
    if (hBitmap == NULL)
        return 0;
    CBitmap bitmap;
    bitmap.Attach(hBitmap);
    if (!Create(UILSI_SIZE, UILSI_SIZE, ILC_COLOR24 | ILC_MASK, UILSI_COUNT, 0))
        return 0;
    if (Add(&bitmap, ::GetSysColor(COLOR_BTNFACE)) < 0 || GetImageCount() != UILSI_COUNT)
    {
        DeleteImageList();
        return 0;
    }
    return 1;
}

int CServiceImageList::DrawGlyph(CDC& dc, int nImage, CPoint pt, COLORREF clrGlyph)
{
    if (m_hImageList == NULL || nImage < 0 || nImage >= GetImageCount())
        return 0;
    // the glyph's mask (black where the glyph is), then the colour through it
    CDC dcMask;
    CBitmap bmMask;
    if (!dcMask.CreateCompatibleDC(&dc) || !bmMask.CreateBitmap(UILSI_SIZE, UILSI_SIZE, 1, 1, NULL))
        return 0;
    CBitmap* pOldBitmap = dcMask.SelectObject(&bmMask);
    dcMask.PatBlt(0, 0, UILSI_SIZE, UILSI_SIZE, WHITENESS);
    ::ImageList_Draw(m_hImageList, nImage, dcMask.m_hDC, 0, 0, ILD_MASK);

    CBrush brush(clrGlyph);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    const COLORREF clrOldBk = dc.SetBkColor(RGB(255, 255, 255));
    const COLORREF clrOldText = dc.SetTextColor(RGB(0, 0, 0));
    // P ^ (S & (D ^ P)): the brush where the mask is black, the destination where it is white
    const BOOL bDone = dc.BitBlt(pt.x, pt.y, UILSI_SIZE, UILSI_SIZE, &dcMask, 0, 0, 0x00B8074A);
    dc.SetTextColor(clrOldText);
    dc.SetBkColor(clrOldBk);
    dc.SelectObject(pOldBrush);
    dcMask.SelectObject(pOldBitmap);
    return bDone ? 1 : 0;
}
