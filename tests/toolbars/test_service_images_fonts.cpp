// test_service_images_fonts.cpp - the sixteen service glyphs (their shapes, transparency and
// colouring) and the two item fonts with their face fallbacks.
#include "ItemTestUtil.h"
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace
{
typedef std::set<std::pair<int, int>> CGlyph;

// the pixels of glyph nImage, drawn from the list over a colour the glyphs never have
CGlyph ReadGlyph(int nImage)
{
    const COLORREF clrGround = RGB(255, 0, 0);
    CUILItem::m_ServiceImageList.Load();
    CPixelCanvas canvas(UILSI_SIZE, UILSI_SIZE, clrGround);
    CUILItem::m_ServiceImageList.Draw(&canvas.DC(), nImage, CPoint(0, 0), ILD_TRANSPARENT);
    CGlyph glyph;
    for (int y = 0; y < UILSI_SIZE; y++)
        for (int x = 0; x < UILSI_SIZE; x++)
            if (canvas.Pixel(x, y) != clrGround)
                glyph.insert(std::make_pair(x, y));
    return glyph;
}

CGlyph FlipVertical(const CGlyph& glyph)
{
    CGlyph result;
    for (const auto& p : glyph)
        result.insert(std::make_pair(p.first, UILSI_SIZE - 1 - p.second));
    return result;
}

CGlyph TurnRight(const CGlyph& glyph)
{
    CGlyph result;
    for (const auto& p : glyph)
        result.insert(std::make_pair(UILSI_SIZE - 1 - p.second, p.first));
    return result;
}

CString FaceOf(CFont& font)
{
    LOGFONTA lf;
    font.GetLogFont(&lf);
    return lf.lfFaceName;
}

// what the font really is once selected: face and TrueType-ness
CString RealizedFace(CFont& font, BOOL* pbTrueType)
{
    CClientDC dc(NULL);
    CFont* pOld = dc.SelectObject(&font);
    TEXTMETRICA tm;
    dc.GetTextMetrics(&tm);
    CString strFace;
    dc.GetTextFace(strFace);
    dc.SelectObject(pOld);
    *pbTrueType = (tm.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
    return strFace;
}

BYTE AnsiCharSet()
{
    CHARSETINFO csi;
    return ::TranslateCharsetInfo((DWORD*)(UINT_PTR)::GetACP(), &csi, TCI_SRCCODEPAGE) ? (BYTE)csi.ciCharset
                                                                                       : ANSI_CHARSET;
}

// a menu font of that face; bAnsi FALSE gives it a character set Create must replace
LOGFONTA MenuLikeFont(const char* lpszFace, BOOL bAnsi = FALSE)
{
    LOGFONTA lf;
    memset(&lf, 0, sizeof(lf));
    lf.lfHeight = -11;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = bAnsi ? AnsiCharSet() : SYMBOL_CHARSET;
    lstrcpynA(lf.lfFaceName, lpszFace, LF_FACESIZE);
    return lf;
}

}

TEST(ServiceImages, SixteenGlyphsFromTheLibrary)
{
    CUILItem item;      // the first item loads them
    ASSERT_TRUE(CUILItem::m_ServiceImageList.IsLoaded());
    EXPECT_EQ(UILSI_COUNT, CUILItem::m_ServiceImageList.GetImageCount());
    int cx = 0, cy = 0;
    ASSERT_TRUE(CUILItem::m_ServiceImageList.GetIconSize(&cx, &cy));
    EXPECT_EQ(11, cx);
    EXPECT_EQ(11, cy);
    EXPECT_EQ(1, CUILItem::m_ServiceImageList.Load());
    EXPECT_TRUE(ReadGlyph(UILSI_EMPTY).empty());
    for (int i = 0; i < UILSI_EMPTY; i++)
        EXPECT_FALSE(ReadGlyph(i).empty()) << i;
}

TEST(ServiceImages, ShapesAgreeWithEachOther)
{
    for (int nSet : { 0, (int)UILSI_HEAVY, (int)UILSI_LARGE })
    {
        const CGlyph up = ReadGlyph(nSet + UILSI_UPARROW);
        // down is up upside down, right is up turned; arrows are symmetric about the middle
        EXPECT_EQ(FlipVertical(up), ReadGlyph(nSet + UILSI_DOWNARROW)) << nSet;
        EXPECT_EQ(TurnRight(up), ReadGlyph(nSet + UILSI_RIGHTARROW)) << nSet;
        for (const auto& p : up)
            EXPECT_TRUE(up.count(std::make_pair(UILSI_SIZE - 1 - p.first, p.second))) << nSet;
        // each row of the up arrow is two pixels wider than the one above
        int nPrevious = 0;
        for (int y = 0; y < UILSI_SIZE; y++)
        {
            int nRow = 0;
            for (int x = 0; x < UILSI_SIZE; x++)
                nRow += (int)up.count(std::make_pair(x, y));
            if (nRow != 0)
            {
                EXPECT_EQ(nPrevious == 0 ? 1 : nPrevious + 2, nRow) << nSet << " row " << y;
            }
            nPrevious = nRow;
        }
        // the corner mark is a right angle in the bottom-right corner
        const CGlyph corner = ReadGlyph(nSet + UILSI_CORNER);
        ASSERT_FALSE(corner.empty());
        const auto last = *corner.rbegin();
        for (const auto& p : corner)
        {
            EXPECT_LE(p.first, last.first);
            EXPECT_TRUE(corner.count(std::make_pair(last.first, p.second))) << nSet;
        }
    }
    // heavier and larger shapes have more ink, in that order
    for (int nShape = 0; nShape < 5; nShape++)
    {
        EXPECT_LT(ReadGlyph(nShape).size(), ReadGlyph(nShape + UILSI_HEAVY).size()) << nShape;
        EXPECT_LT(ReadGlyph(nShape + UILSI_HEAVY).size(), ReadGlyph(nShape + UILSI_LARGE).size()) << nShape;
    }
}

TEST(ServiceImages, GlyphsAreStampedInAnyColour)
{
    CUILItem item;
    const CGlyph check = ReadGlyph(UILSI_CHECK);
    const COLORREF clrGround = RGB(10, 200, 250);
    for (COLORREF clr : { RGB(0, 0, 0), RGB(255, 255, 255), ::GetSysColor(COLOR_BTNFACE), RGB(12, 34, 56) })
    {
        CPixelCanvas canvas(20, 20, clrGround);
        ASSERT_EQ(1, CUILItem::m_ServiceImageList.DrawGlyph(canvas.DC(), UILSI_CHECK, CPoint(4, 5), clr));
        for (int y = 0; y < 20; y++)
            for (int x = 0; x < 20; x++)
            {
                const BOOL bInk = check.count(std::make_pair(x - 4, y - 5)) != 0;
                ASSERT_EQ(bInk ? clr : clrGround, canvas.Pixel(x, y)) << x << "," << y;
            }
    }
    CPixelCanvas canvas(20, 20, clrGround);
    EXPECT_EQ(0, CUILItem::m_ServiceImageList.DrawGlyph(canvas.DC(), UILSI_COUNT, CPoint(0, 0), 0));
    EXPECT_EQ(0, CUILItem::m_ServiceImageList.DrawGlyph(canvas.DC(), -1, CPoint(0, 0), 0));
}

TEST(ServiceImages, DrawServImageCentresAndEmbosses)
{
    CMainWindowScope host;
    host.SetColor(COLOR_BTNHIGHLIGHT, RGB(250, 250, 200));
    host.SetColor(COLOR_BTNSHADOW, RGB(60, 60, 110));
    CUILItem item;
    CPixelCanvas canvas(30, 30, RGB(255, 255, 255));
    canvas.DC().SetTextColor(RGB(200, 0, 0));
    const CRect rc(0, 0, 21, 25);
    item.DrawServImage(canvas.DC(), UILSI_UPARROW, &rc, FALSE);
    const CGlyph up = ReadGlyph(UILSI_UPARROW);
    EXPECT_EQ((int)up.size(), canvas.Count(RGB(200, 0, 0), rc));
    EXPECT_EQ(RGB(200, 0, 0), canvas.Pixel(5 + up.begin()->first, 7 + up.begin()->second));

    canvas.Fill(RGB(255, 255, 255));
    item.DrawServImage(canvas.DC(), UILSI_UPARROW, &rc, TRUE);
    EXPECT_EQ(0, canvas.Count(RGB(200, 0, 0), rc));
    EXPECT_EQ((int)up.size(), canvas.Count(RGB(60, 60, 110), rc));
    EXPECT_GT(canvas.Count(RGB(250, 250, 200), rc), 0);
}

TEST(ItemFonts, BuiltFromTheMenuFont)
{
    CFont& horz = *CUILItem::m_fonts.GetHorzFont();
    CFont& vert = *CUILItem::m_fonts.GetVertFont();
    ASSERT_NE(nullptr, horz.GetSafeHandle());
    ASSERT_NE(nullptr, vert.GetSafeHandle());
    NONCLIENTMETRICSA ncm;
    memset(&ncm, 0, sizeof(ncm));
    ncm.cbSize = sizeof(ncm);
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0));
    LOGFONTA lfHorz, lfVert;
    horz.GetLogFont(&lfHorz);
    vert.GetLogFont(&lfVert);
    EXPECT_EQ(ncm.lfMenuFont.lfHeight, lfHorz.lfHeight);
    EXPECT_EQ(AnsiCharSet(), lfHorz.lfCharSet);
    EXPECT_EQ(0, lfHorz.lfEscapement);
    EXPECT_EQ(900, lfVert.lfEscapement);
    EXPECT_EQ(900, lfVert.lfOrientation);
    EXPECT_EQ(0, lfVert.lfWeight);
    EXPECT_EQ(ncm.lfMenuFont.lfHeight, lfVert.lfHeight);
    // the vertical font really turns: it is a TrueType font
    BOOL bTrueType = FALSE;
    RealizedFace(vert, &bTrueType);
    EXPECT_TRUE(bTrueType);
}

TEST(ItemFonts, TrueTypeMenuFaceServesBothFonts)
{
    CItemFonts fonts;
    LOGFONTA lfMenu = MenuLikeFont("Tahoma");
    // the set-up installs the fonts these tests need; a missing one fails, it does not skip
    ASSERT_TRUE(CItemFonts::FaceExists("Tahoma", AnsiCharSet()) && CItemFonts::IsTrueTypeFace(MenuLikeFont("Tahoma", TRUE)))
        << "no TrueType Tahoma: run scripts/setup.sh";
    ASSERT_TRUE(fonts.Create(&lfMenu));
    EXPECT_STREQ("Tahoma", FaceOf(fonts.m_fontHorz));
    EXPECT_STREQ("Tahoma", FaceOf(fonts.m_fontVert));
}

TEST(ItemFonts, RasterMenuFaceGetsATrueTypeVerticalFont)
{
    LOGFONTA lfMenu = MenuLikeFont("MS Sans Serif");
    ASSERT_TRUE(CItemFonts::FaceExists("MS Sans Serif", AnsiCharSet()) &&
        !CItemFonts::IsTrueTypeFace(MenuLikeFont("MS Sans Serif", TRUE)))
        << "no raster MS Sans Serif: run scripts/setup.sh";
    CItemFonts fonts;
    ASSERT_TRUE(fonts.Create(&lfMenu));
    // the horizontal font keeps the menu's face; the vertical one is a turnable stand-in
    EXPECT_STREQ("MS Sans Serif", FaceOf(fonts.m_fontHorz));
    BOOL bTrueType = FALSE;
    const CString strVertical = RealizedFace(fonts.m_fontVert, &bTrueType);
    EXPECT_TRUE(bTrueType);
    EXPECT_STRNE("MS Sans Serif", FaceOf(fonts.m_fontVert));
    EXPECT_STREQ(strVertical, FaceOf(fonts.m_fontVert));
    LOGFONTA lfVert;
    fonts.m_fontVert.GetLogFont(&lfVert);
    EXPECT_EQ(900, lfVert.lfEscapement);
}

TEST(ItemFonts, MissingMenuFaceIsReplacedInBoth)
{
    const char* lpszMissing = "No Such Face 4711";
    ASSERT_FALSE(CItemFonts::FaceExists(lpszMissing, AnsiCharSet()));
    LOGFONTA lfMenu = MenuLikeFont(lpszMissing);
    CItemFonts fonts;
    ASSERT_TRUE(fonts.Create(&lfMenu));
    const CString strFace = FaceOf(fonts.m_fontHorz);
    EXPECT_STRNE(lpszMissing, strFace);
    EXPECT_STREQ(strFace, FaceOf(fonts.m_fontVert));
    BOOL bTrueType = FALSE;
    EXPECT_STREQ(strFace, RealizedFace(fonts.m_fontHorz, &bTrueType));
    EXPECT_TRUE(bTrueType);

    // the turnable face the font mapper offers for it is that same face
    LOGFONTA lfFound;
    ASSERT_EQ(1, CItemFonts::FindTurnableFace(MenuLikeFont(lpszMissing, TRUE), &lfFound));
    EXPECT_STREQ(strFace, lfFound.lfFaceName);
    fonts.Delete();
    EXPECT_EQ(nullptr, fonts.m_fontHorz.GetSafeHandle());
    EXPECT_EQ(nullptr, fonts.m_fontVert.GetSafeHandle());
}

TEST(ItemFonts, FaceQueries)
{
    EXPECT_FALSE(CItemFonts::FaceExists("", ANSI_CHARSET));
    EXPECT_FALSE(CItemFonts::FaceExists(NULL, ANSI_CHARSET));
    // double-byte exactly when the user locale's ANSI code page has characters of two bytes
    char szCodePage[8] = "";
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, szCodePage, sizeof(szCodePage));
    CPINFO info;
    ASSERT_TRUE(::GetCPInfo(atoi(szCodePage), &info));
    EXPECT_EQ(info.MaxCharSize > 1 ? 1 : 0, CItemFonts::IsDBCSLocale());
}
