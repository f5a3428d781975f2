// test_dib.cpp - CDib: BMP files through CFile, clipboard handles, archives, painting, and input
// that is no DIB.
#include "BitmapTestUtil.h"
#include <gtest/gtest.h>
#include <string.h>
#include "wexotest.h"

namespace
{
COLORREF Pattern(int x, int y)
{
    return RGB(x * 30, y * 40, (x + y) % 2 ? 200 : 20);
}

// BMP files of every kind and broken ones are tested through all readers with the BMP files;
// here is what only CDib does.
class Dibs : public testing::Test
{
protected:
    CTestTempDir m_dir;
    std::string m_strBmp24;

    void SetUp() override
    {
        CBitmapEx bitmap;
        FillTestBitmap(bitmap, 7, 5, 24, Pattern);
        m_strBmp24 = m_dir.GetFilePath("pattern.bmp");
        ASSERT_TRUE(bitmap.Save(m_strBmp24.c_str()));
    }

    bool ReadFile(const std::string& strPath, CDib& dib)
    {
        CFile file;
        if (!file.Open(strPath.c_str(), CFile::modeRead))
            return false;
        return dib.Read(file) != 0;
    }

    std::vector<COLORREF> PatternPixels()
    {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 5; y++)
            for (int x = 0; x < 7; x++)
                pixels.push_back(Pattern(x, y));
        return pixels;
    }
};
}

TEST_F(Dibs, ReadsAndSavesBmpFiles)
{
    CDib dib;
    EXPECT_FALSE(dib.IsValid());
    EXPECT_EQ(0, dib.Width());
    ASSERT_TRUE(ReadFile(m_strBmp24, dib));
    EXPECT_TRUE(dib.IsValid());
    EXPECT_EQ(CSize(7, 5), CSize(dib.Width(), dib.Height()));
    EXPECT_EQ(0, dib.PaletteSize());
    EXPECT_TRUE(dib.GetPalette() == NULL);
    EXPECT_EQ(PatternPixels(), PaintedPixels(dib));

    // saved: the same bytes as the file it came from
    CMemFile mem;
    const DWORD dwSaved = dib.Save(mem);
    CFile original(m_strBmp24.c_str(), CFile::modeRead);
    ASSERT_EQ(original.GetLength(), (ULONGLONG)dwSaved);
    std::vector<BYTE> a(dwSaved), b(dwSaved);
    original.Read(&a[0], dwSaved);
    mem.SeekToBegin();
    ASSERT_EQ(dwSaved, mem.Read(&b[0], dwSaved));
    EXPECT_EQ(a, b);

    // one file after the other: each read stops where its file ends
    mem.SeekToEnd();
    ASSERT_TRUE(dib.Save(mem));
    mem.SeekToBegin();
    CDib first, second;
    EXPECT_EQ(dwSaved, first.Read(mem));
    EXPECT_EQ(dwSaved, second.Read(mem));
    EXPECT_EQ(PatternPixels(), PaintedPixels(second));
}

TEST_F(Dibs, PaintsPartsCountedFromTheTop)
{
    CDib dib;
    ASSERT_TRUE(ReadFile(m_strBmp24, dib));
    CPixelCanvas canvas(20, 20, RGB(1, 1, 1));
    RECT source = { 2, 1, 5, 3 };
    RECT dest = { 10, 10, 13, 12 };
    ASSERT_TRUE(dib.Paint(canvas.DC().m_hDC, &dest, &source));
    for (int y = 0; y < 2; y++)
        for (int x = 0; x < 3; x++)
            EXPECT_EQ(Pattern(2 + x, 1 + y), canvas.Pixel(10 + x, 10 + y)) << x << "," << y;
    EXPECT_EQ(400 - 6, canvas.Count(RGB(1, 1, 1)));
    // stretched
    RECT big = { 0, 0, 14, 10 };
    ASSERT_TRUE(dib.Paint(canvas.DC().m_hDC, &big, NULL));
    EXPECT_EQ(Pattern(6, 4), canvas.Pixel(13, 9));
    EXPECT_EQ(Pattern(3, 2), canvas.Pixel(6, 4));

    CDib empty;
    EXPECT_FALSE(empty.Paint(canvas.DC().m_hDC, NULL, NULL));
    CMemFile nothing;
    EXPECT_EQ(0u, empty.Save(nothing));
    EXPECT_EQ(0u, empty.Read(nothing));
}

TEST_F(Dibs, ClipboardHandlesRoundTrip)
{
    CDib dib;
    ASSERT_TRUE(ReadFile(m_strBmp24, dib));
    HANDLE hCopy = dib.CopyToHandle();
    ASSERT_TRUE(hCopy != NULL);
    // the packed DIB: header and 5 rows of 7 pixels (21 bytes padded to 24)
    EXPECT_EQ((SIZE_T)(40 + 5 * 24), ::GlobalSize(hCopy));

    // through the system clipboard as CF_DIB
    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    ASSERT_TRUE(::SetClipboardData(CF_DIB, hCopy) != NULL);
    ::CloseClipboard();
    ASSERT_TRUE(::OpenClipboard(NULL));
    HANDLE hClip = ::GetClipboardData(CF_DIB);
    CDib pasted;
    const BOOL bRead = pasted.ReadFromHandle(hClip);
    ::EmptyClipboard();
    ::CloseClipboard();
    ASSERT_TRUE(bRead);
    EXPECT_EQ(PatternPixels(), PaintedPixels(pasted));

    // a copy is independent of the object it came from
    HANDLE hOwn = pasted.CopyToHandle();
    pasted.Invalidate();
    EXPECT_FALSE(pasted.IsValid());
    EXPECT_TRUE(pasted.CopyToHandle() == NULL);
    CDib fromOwn;
    ASSERT_TRUE(fromOwn.ReadFromHandle(hOwn));
    EXPECT_EQ(PatternPixels(), PaintedPixels(fromOwn));
    ::GlobalFree(hOwn);
}

TEST_F(Dibs, SerialisesThroughArchives)
{
    CDib dib;
    ASSERT_TRUE(ReadFile(m_strBmp24, dib));
    CDib empty;
    CMemFile mem;
    {
        CArchive ar(&mem, CArchive::store);
        dib.Serialize(ar);
        empty.Serialize(ar);
        ar << (CObject*)&dib;
        ar.Close();
    }
    mem.SeekToBegin();
    CDib loaded, loadedEmpty;
    CObject* pObject = NULL;
    {
        CArchive ar(&mem, CArchive::load);
        loaded.Serialize(ar);
        loadedEmpty.Serialize(ar);
        ar >> pObject;
        ar.Close();
    }
    EXPECT_EQ(PatternPixels(), PaintedPixels(loaded));
    EXPECT_FALSE(loadedEmpty.IsValid());
    ASSERT_TRUE(pObject != NULL);
    ASSERT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CDib)));
    EXPECT_STREQ("CDib", pObject->GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(PatternPixels(), PaintedPixels(*(CDib*)pObject));
    delete pObject;

    // an archive that holds no DIB is an archive error, and the DIB stays as it was
    CMemFile junk;
    junk.Write("BM not a picture at all", 23);
    junk.SeekToBegin();
    CArchive ar(&junk, CArchive::load);
    bool bThrown = false;
    try
    {
        loaded.Serialize(ar);
    }
    catch (CArchiveException* e)
    {
        bThrown = true;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ(PatternPixels(), PaintedPixels(loaded));
    ar.Abort();
}
