// test_bmp_files.cpp - BMP files of every kind through the three readers (CBitmapEx::Load,
// CDib::Read, CDib::ReadFromHandle): the files are built here from a short description, with the
// pixels they must show worked out by hand.
#include "BitmapTestUtil.h"
#include <gtest/gtest.h>
#include <ctype.h>
#include <string.h>
#include <string>
#include "wexotest.h"

namespace
{
// Colours by letter, so that a picture reads as rows of letters, top row first.
COLORREF Letter(char c)
{
    switch (c)
    {
    case 'R': return RGB(255, 0, 0);
    case 'G': return RGB(0, 255, 0);
    case 'B': return RGB(0, 0, 255);
    case 'Y': return RGB(255, 255, 0);
    case 'W': return RGB(255, 255, 255);
    default: return RGB(0, 0, 0);
    }
}

std::vector<COLORREF> Letters(const char* psz)
{
    std::vector<COLORREF> colors;
    for (; *psz != 0; psz++)
    {
        if (*psz != '/')
            colors.push_back(Letter(*psz));
    }
    return colors;
}

struct SBmp
{
    const char* pszName;
    DWORD dwHeader;             // 12 (core), 40, 108 (V4) or 124 (V5)
    int cx, cy;                 // cy < 0: top-down
    WORD wBits;
    DWORD dwCompression;
    std::vector<DWORD> masks;   // BI_BITFIELDS: red, green, blue
    const char* pszPalette;     // its entries, as letters
    std::vector<BYTE> bits;     // as stored in the file
    const char* pszPixels;      // what it shows, rows top first, separated by '/'
};

void Put(std::vector<BYTE>& out, DWORD dw, int nBytes)
{
    for (int i = 0; i < nBytes; i++)
        out.push_back((BYTE)(dw >> (8 * i)));
}

// The file: BITMAPFILEHEADER, the header, masks (after a plain header), table, bits.
std::vector<BYTE> BuildBmp(const SBmp& b)
{
    std::vector<BYTE> header;
    Put(header, b.dwHeader, 4);
    if (b.dwHeader == 12)
    {
        Put(header, (DWORD)b.cx, 2);
        Put(header, (DWORD)b.cy, 2);
        Put(header, 1, 2);
        Put(header, b.wBits, 2);
    }
    else
    {
        const bool bRle = b.dwCompression == BI_RLE8 || b.dwCompression == BI_RLE4;
        Put(header, (DWORD)b.cx, 4);
        Put(header, (DWORD)b.cy, 4);
        Put(header, 1, 2);
        Put(header, b.wBits, 2);
        Put(header, b.dwCompression, 4);
        Put(header, bRle ? (DWORD)b.bits.size() : 0, 4);
        Put(header, 2835, 4);
        Put(header, 2835, 4);
        Put(header, (DWORD)strlen(b.pszPalette), 4);
        Put(header, 0, 4);
        if (b.dwHeader > 40)
        {
            for (size_t i = 0; i < 3; i++)
                Put(header, i < b.masks.size() ? b.masks[i] : 0, 4);
            header.resize(b.dwHeader, 0);
        }
        else
        {
            for (size_t i = 0; i < b.masks.size(); i++)
                Put(header, b.masks[i], 4);
        }
    }
    for (const char* p = b.pszPalette; *p != 0; p++)
    {
        const COLORREF clr = Letter(*p);
        header.push_back(GetBValue(clr));
        header.push_back(GetGValue(clr));
        header.push_back(GetRValue(clr));
        if (b.dwHeader != 12)
            header.push_back(0);
    }
    std::vector<BYTE> file;
    file.push_back('B');
    file.push_back('M');
    Put(file, (DWORD)(14 + header.size() + b.bits.size()), 4);
    Put(file, 0, 4);
    Put(file, (DWORD)(14 + header.size()), 4);
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), b.bits.begin(), b.bits.end());
    return file;
}

const std::vector<DWORD> none;

const SBmp s_valid[] = {
    // 3 x 2, 1 bit: bottom row 1 0 1 (0xA0), top row 0 1 1 (0x60), rows padded to 4 bytes
    { "mono", 40, 3, 2, 1, BI_RGB, none, "BR", { 0xA0, 0, 0, 0, 0x60, 0, 0, 0 }, "BRR/RBR" },
    { "core mono", 12, 3, 2, 1, BI_RGB, none, "BR", { 0xA0, 0, 0, 0, 0x60, 0, 0, 0 }, "BRR/RBR" },
    // a table of 3 where 4 bits allow 16: bottom 0 1 2, top 2 2 1
    { "short palette", 40, 3, 2, 4, BI_RGB, none, "RGB", { 0x01, 0x20, 0, 0, 0x22, 0x10, 0, 0 },
        "BBG/RGB" },
    // top-down 8 bits: the first stored row is the top one
    { "8 bits top-down", 40, 2, -2, 8, BI_RGB, none, "GY", { 1, 0, 0, 0, 0, 1, 0, 0 }, "YG/GY" },
    // 5-5-5 without masks: 0x7C00 full red, 0x001F full blue
    { "16 bits", 40, 2, 1, 16, BI_RGB, none, "", { 0x00, 0x7C, 0x1F, 0x00 }, "RB" },
    { "16 bits 565", 40, 2, 1, 16, BI_BITFIELDS, { 0xF800, 0x07E0, 0x001F }, "",
        { 0xE0, 0x07, 0xFF, 0xFF }, "GW" },
    { "16 bits 444 in V4", 108, 2, 1, 16, BI_BITFIELDS, { 0x0F00, 0x00F0, 0x000F }, "",
        { 0x00, 0x0F, 0xF0, 0x00 }, "RG" },
    { "24 bits top-down", 40, 2, -2, 24, BI_RGB, none, "",
        { 0, 0, 255, 255, 255, 255, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0 }, "RW/BK" },
    { "24 bits in V5", 124, 1, 2, 24, BI_RGB, none, "", { 0, 255, 0, 0, 0, 255, 255, 0 }, "Y/G" },
    { "32 bits", 40, 2, 1, 32, BI_RGB, none, "", { 255, 0, 0, 0, 0, 255, 255, 0 }, "BY" },
    // red in the lowest byte
    { "32 bits swapped in V5", 124, 2, 1, 32, BI_BITFIELDS, { 0xFF, 0xFF00, 0xFF0000 }, "",
        { 255, 0, 0, 0, 0, 0, 255, 0 }, "RB" },
    // RLE8 4 x 3: row 0 two of 1, a move right 1 and up 1 to (3, 1), one of 2, end of line to
    // (0, 2), three given one by one (2 1 2, padded), end of picture; the rest stays index 0
    { "RLE8", 40, 4, 3, 8, BI_RLE8, none, "KRG",
        { 2, 1, 0, 2, 1, 1, 1, 2, 0, 0, 0, 3, 2, 1, 2, 0, 0, 1 }, "GRGK/KKKG/RRKK" },
    // RLE4 5 x 2: five of 1 2 alternating, end of line, three given (3 3 1), two of 2 0, end
    { "RLE4", 40, 5, 2, 4, BI_RLE4, none, "KRGB", { 5, 0x12, 0, 0, 0, 3, 0x33, 0x10, 2, 0x20, 0, 1 },
        "BBRGK/RGRGR" },
};

class BmpFiles : public testing::TestWithParam<SBmp>
{
protected:
    CTestTempDir m_dir;
};

// the bytes after the file header, as a clipboard block
HGLOBAL PackedBlock(const std::vector<BYTE>& file)
{
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, file.size() - 14);
    memcpy(::GlobalLock(hGlobal), &file[14], file.size() - 14);
    ::GlobalUnlock(hGlobal);
    return hGlobal;
}
}

TEST_P(BmpFiles, EveryReaderShowsThePixels)
{
    const SBmp& b = GetParam();
    const std::vector<BYTE> file = BuildBmp(b);
    const std::vector<COLORREF> expected = Letters(b.pszPixels);
    const int nColors = (int)strlen(b.pszPalette);

    ASSERT_TRUE(m_dir.WriteFile("picture.bmp", &file[0], (DWORD)file.size()));
    CBitmapEx bitmap;
    ASSERT_TRUE(bitmap.Load(m_dir.GetFilePath("picture.bmp").c_str()));
    int cx, cy;
    EXPECT_EQ(expected, ReadTestPixels((HBITMAP)bitmap.m_hObject, cx, cy));
    EXPECT_EQ(b.cx, cx);
    EXPECT_EQ(b.cy < 0 ? -b.cy : b.cy, cy);
    EXPECT_EQ(nColors, bitmap.GetNumPaletteColors());
    // saved and loaded back: the same picture at the same depth
    ASSERT_TRUE(bitmap.Save(m_dir.GetFilePath("saved.bmp").c_str()));
    CBitmapEx reloaded;
    ASSERT_TRUE(reloaded.Load(m_dir.GetFilePath("saved.bmp").c_str()));
    EXPECT_EQ(expected, ReadTestPixels((HBITMAP)reloaded.m_hObject, cx, cy));
    EXPECT_EQ(b.wBits, reloaded.GetBitsPerPixel());
    if (nColors > 0)
    {
        // the palette holds the table's colours
        ASSERT_TRUE(bitmap.CreatePalette());
        PALETTEENTRY entry;
        ASSERT_EQ(1u, bitmap.GetPalette()->GetPaletteEntries(nColors - 1, 1, &entry));
        EXPECT_EQ(Letter(b.pszPalette[nColors - 1]), RGB(entry.peRed, entry.peGreen, entry.peBlue));
    }

    // with a gap before the bits, which the file header's offset skips
    std::vector<BYTE> gapped(file);
    gapped.insert(gapped.begin() + gapped[10], 2, 0xEE);
    gapped[10] += 2;
    gapped[2] += 2;
    CMemFile mem(&gapped[0], (UINT)gapped.size());
    CDib dib;
    ASSERT_EQ(gapped.size(), dib.Read(mem));
    EXPECT_EQ(expected, PaintedPixels(dib));
    EXPECT_EQ(nColors, dib.NumColors());
    // saved in the one form every DIB is kept in, and read back the same
    CMemFile saved;
    ASSERT_TRUE(dib.Save(saved));
    saved.SeekToBegin();
    CDib again;
    ASSERT_TRUE(again.Read(saved));
    EXPECT_EQ(expected, PaintedPixels(again));

    HGLOBAL hBlock = PackedBlock(file);
    CDib pasted;
    EXPECT_TRUE(pasted.ReadFromHandle(hBlock));
    ::GlobalFree(hBlock);
    EXPECT_EQ(expected, PaintedPixels(pasted));
}

INSTANTIATE_TEST_SUITE_P(Variants, BmpFiles, testing::ValuesIn(s_valid),
    [](const testing::TestParamInfo<SBmp>& info) {
        std::string strName;
        for (const char* p = info.param.pszName; *p != 0; p++)
            strName += isalnum((unsigned char)*p) ? *p : '_';
        return strName;
    });

namespace
{
// A broken file: a valid one with nBytes at nOffset overwritten and/or cut short.
struct SBroken
{
    const char* pszWhat;
    size_t nBase;               // index into s_valid
    size_t nOffset;             // from the start of the file
    unsigned long long nValue;
    int nBytes;
    size_t nCut;                // bytes taken off the end
};

// offsets in the file: header size 14, width 18, height 22, planes 26, depth 28,
// compression 30, colours used 46, then the masks of a plain header at 54
const SBroken s_broken[] = {
    { "no signature", 0, 0, 'X', 1, 0 },
    { "bits cut short", 7, 0, 0, 0, 3 },
    { "header cut short", 7, 0, 0, 0, 50 },
    { "header size 20", 0, 14, 20, 4, 0 },
    { "header size 200", 0, 14, 200, 4, 0 },
    { "depth 7", 0, 28, 7, 2, 0 },
    { "depth 0", 7, 28, 0, 2, 0 },
    { "two planes", 0, 26, 2, 2, 0 },
    { "width 0", 7, 18, 0, 4, 0 },
    { "width 100000", 7, 18, 100000, 4, 0 },
    { "negative width", 7, 18, 0xFFFFFFFF, 4, 0 },
    { "height 0", 7, 22, 0, 4, 0 },
    { "RLE 30000 x 30000", 11, 18, 30000 | (30000ull << 32), 8, 0 },
    { "unknown compression", 7, 30, 9, 4, 0 },
    { "RLE8 at 24 bits", 7, 30, BI_RLE8, 4, 0 },
    { "palette beyond the depth", 2, 46, 17, 4, 0 },
    { "palette beyond the file", 3, 46, 200, 4, 0 },
    { "mask with a gap", 5, 54, 0xF00F, 4, 0 },
    { "masks overlapping", 5, 58, 0xF800, 4, 0 },
    { "mask of nothing", 5, 62, 0, 4, 0 },
    { "RLE top-down", 11, 22, 0xFFFFFFFD, 4, 0 },
    { "RLE run past the row", 11, 66, 5, 1, 0 },
    { "RLE move past the top", 11, 71, 9, 1, 0 },
    { "RLE literal past the row", 11, 77, 6, 1, 0 },
    { "RLE4 run past the row", 12, 70, 6, 1, 0 },
    { "RLE cut inside a code", 11, 0, 0, 0, 5 },
};
}

TEST(BmpFiles, BrokenFilesAreRefusedAndKeepThePicture)
{
    CTestTempDir dir;
    const std::vector<BYTE> good = BuildBmp(s_valid[7]);
    ASSERT_TRUE(dir.WriteFile("good.bmp", &good[0], (DWORD)good.size()));
    CBitmapEx bitmap;
    ASSERT_TRUE(bitmap.Load(dir.GetFilePath("good.bmp").c_str()));
    CMemFile goodMem((BYTE*)&good[0], (UINT)good.size());
    CDib dib;
    ASSERT_TRUE(dib.Read(goodMem));
    const std::vector<COLORREF> before = Letters(s_valid[7].pszPixels);

    for (const SBroken& c : s_broken)
    {
        std::vector<BYTE> file = BuildBmp(s_valid[c.nBase]);
        for (int i = 0; i < c.nBytes; i++)
            file[c.nOffset + i] = (BYTE)(c.nValue >> (8 * i));
        file.resize(file.size() - c.nCut);
        ASSERT_TRUE(dir.WriteFile("broken.bmp", &file[0], (DWORD)file.size()));

        EXPECT_EQ(0, bitmap.Load(dir.GetFilePath("broken.bmp").c_str())) << c.pszWhat;
        int cx, cy;
        EXPECT_EQ(before, ReadTestPixels((HBITMAP)bitmap.m_hObject, cx, cy)) << c.pszWhat;

        CMemFile mem(&file[0], (UINT)file.size());
        EXPECT_EQ(0u, dib.Read(mem)) << c.pszWhat;
        if (c.nBytes == 0 || c.nOffset >= 14)       // a clipboard block has no file header
        {
            HGLOBAL hBlock = PackedBlock(file);
            EXPECT_FALSE(dib.ReadFromHandle(hBlock)) << c.pszWhat;
            ::GlobalFree(hBlock);
        }
        EXPECT_EQ(before, PaintedPixels(dib)) << c.pszWhat;
    }
}
