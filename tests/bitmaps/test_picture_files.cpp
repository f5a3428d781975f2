// test_picture_files.cpp - CBitmapEx loading pictures other than BMP files: GIF, JPEG and
// metafile pictures (made here at run time) through OLE, the load-size setting, and files that
// cannot be used.
#include "BitmapTestUtil.h"
#include <gtest/gtest.h>
#include <wincodec.h>
#include <string.h>
#include <string>
#include "wexotest.h"

namespace
{
COLORREF Stripes(int x, int y)
{
    // four colours in bands, so that a paletted format keeps them exactly
    static const COLORREF s_colors[4] = { RGB(255, 0, 0), RGB(0, 128, 0), RGB(0, 0, 255), RGB(255, 255, 0) };
    return s_colors[((x / 10) + (y / 10)) % 4];
}

class PictureFiles : public testing::Test
{
protected:
    CTestTempDir m_dir;
    HRESULT m_hrCom;

    // the imaging encoders are COM objects; the library itself needs no COM set-up
    void SetUp() override { m_hrCom = ::CoInitialize(NULL); }
    void TearDown() override
    {
        if (SUCCEEDED(m_hrCom))
            ::CoUninitialize();
    }

    std::string Path(const char* lpszName) { return m_dir.GetFilePath(lpszName); }

    // Writes a picture with the system's imaging encoders: JPEG from 24-bit pixels of one colour,
    // GIF from four indexed colours in the Stripes pattern.
    bool WritePicture(const std::string& strPath, bool bGif, int cx, int cy, COLORREF clr = 0)
    {
        IWICImagingFactory* pFactory = NULL;
        if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER,
                IID_IWICImagingFactory, (void**)&pFactory)))
            return false;
        WCHAR wszPath[MAX_PATH];
        ::MultiByteToWideChar(CP_ACP, 0, strPath.c_str(), -1, wszPath, MAX_PATH);
        IWICBitmapEncoder* pEncoder = NULL;
        IWICStream* pStream = NULL;
        IWICBitmapFrameEncode* pFrame = NULL;
        IPropertyBag2* pProps = NULL;
        IWICPalette* pPalette = NULL;
        bool bOK = SUCCEEDED(pFactory->CreateEncoder(bGif ? GUID_ContainerFormatGif
                : GUID_ContainerFormatJpeg, NULL, &pEncoder))
            && SUCCEEDED(pFactory->CreateStream(&pStream))
            && SUCCEEDED(pStream->InitializeFromFilename(wszPath, GENERIC_WRITE))
            && SUCCEEDED(pEncoder->Initialize(pStream, WICBitmapEncoderNoCache))
            && SUCCEEDED(pEncoder->CreateNewFrame(&pFrame, &pProps))
            && SUCCEEDED(pFrame->Initialize(pProps))
            && SUCCEEDED(pFrame->SetSize(cx, cy));
        WICPixelFormatGUID format = bGif ? GUID_WICPixelFormat8bppIndexed : GUID_WICPixelFormat24bppBGR;
        bOK = bOK && SUCCEEDED(pFrame->SetPixelFormat(&format));
        std::vector<BYTE> pixels;
        UINT nStride = 0;
        if (bOK && bGif)
        {
            WICColor colors[4];
            for (int i = 0; i < 4; i++)
            {
                const COLORREF c = Stripes(i * 10, 0);
                colors[i] = 0xFF000000 | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
            }
            bOK = SUCCEEDED(pFactory->CreatePalette(&pPalette))
                && SUCCEEDED(pPalette->InitializeCustom(colors, 4))
                && SUCCEEDED(pFrame->SetPalette(pPalette));
            nStride = cx;
            pixels.resize((size_t)nStride * cy);
            for (int y = 0; y < cy; y++)
                for (int x = 0; x < cx; x++)
                    pixels[(size_t)y * nStride + x] = (BYTE)(((x / 10) + (y / 10)) % 4);
        }
        else if (bOK)
        {
            nStride = (UINT)cx * 3;
            pixels.resize((size_t)nStride * cy);
            for (size_t i = 0; i < pixels.size(); i += 3)
            {
                pixels[i] = GetBValue(clr);
                pixels[i + 1] = GetGValue(clr);
                pixels[i + 2] = GetRValue(clr);
            }
        }
        bOK = bOK && SUCCEEDED(pFrame->WritePixels(cy, nStride, (UINT)pixels.size(), &pixels[0]))
            && SUCCEEDED(pFrame->Commit()) && SUCCEEDED(pEncoder->Commit());
        if (pPalette) pPalette->Release();
        if (pProps) pProps->Release();
        if (pFrame) pFrame->Release();
        if (pEncoder) pEncoder->Release();
        if (pStream) pStream->Release();
        pFactory->Release();
        return bOK;
    }

    // A placeable metafile (the form picture files of that type have): a filled rectangle over a
    // frame of cxUnits x cyUnits at nPerInch units per inch.
    bool WriteMetafile(const std::string& strPath, int cxUnits, int cyUnits, int nPerInch)
    {
        HDC hdcMeta = ::CreateMetaFileA(NULL);
        ::SetWindowOrgEx(hdcMeta, 0, 0, NULL);
        ::SetWindowExtEx(hdcMeta, cxUnits, cyUnits, NULL);
        HBRUSH hBrush = ::CreateSolidBrush(RGB(0, 0, 255));
        HGDIOBJ hOld = ::SelectObject(hdcMeta, hBrush);
        ::Rectangle(hdcMeta, 0, 0, cxUnits, cyUnits);
        ::SelectObject(hdcMeta, hOld);
        ::DeleteObject(hBrush);
        HMETAFILE hMeta = ::CloseMetaFile(hdcMeta);
        const UINT nSize = ::GetMetaFileBitsEx(hMeta, 0, NULL);
        std::vector<BYTE> file(22 + nSize);
        ::GetMetaFileBitsEx(hMeta, nSize, &file[22]);
        ::DeleteMetaFile(hMeta);
        // the placeable header: key, handle, bounding box, units per inch, reserved, checksum
        WORD* pw = (WORD*)&file[0];
        pw[0] = 0xCDD7; pw[1] = 0x9AC6; pw[2] = 0;
        pw[3] = 0; pw[4] = 0; pw[5] = (WORD)cxUnits; pw[6] = (WORD)cyUnits;
        pw[7] = (WORD)nPerInch; pw[8] = 0; pw[9] = 0;
        WORD wSum = 0;
        for (int i = 0; i < 10; i++)
            wSum ^= pw[i];
        pw[10] = wSum;
        return m_dir.WriteFile(strPath.substr(strPath.rfind('\\') + 1).c_str(), &file[0], (DWORD)file.size());
    }
};

bool Near(COLORREF a, COLORREF b, int nTolerance)
{
    for (int ch = 0; ch < 3; ch++)
    {
        const int d = Channel(a, ch) - Channel(b, ch);
        if (d > nTolerance || d < -nTolerance)
            return false;
    }
    return true;
}
}

TEST_F(PictureFiles, GifAndJpegLoadThroughOle)
{
    ASSERT_TRUE(WritePicture(Path("stripes.gif"), true, 60, 40));
    ASSERT_TRUE(WritePicture(Path("orange.jpg"), false, 100, 50, RGB(230, 120, 40)));

    CBitmapEx bitmap;
    ASSERT_TRUE(bitmap.Load(Path("stripes.gif").c_str()));
    EXPECT_EQ(60, bitmap.Width());
    EXPECT_EQ(40, bitmap.Height());
    CPixelCanvas canvas(60, 40);
    bitmap.Draw(&canvas.DC());
    for (int y = 0; y < 40; y += 7)
        for (int x = 0; x < 60; x += 7)
            ASSERT_EQ(Stripes(x, y), canvas.Pixel(x, y)) << x << "," << y;

    // the extension is matched whatever its case
    const std::string strUpper = Path("ORANGE.JPG");
    ASSERT_TRUE(bitmap.Load(strUpper.c_str()));
    EXPECT_EQ(100, bitmap.Width());
    EXPECT_EQ(50, bitmap.Height());
    EXPECT_EQ(24, bitmap.GetBitsPerPixel());
    canvas.Fill(0);
    bitmap.Draw(&canvas.DC());
    EXPECT_TRUE(Near(RGB(230, 120, 40), canvas.Pixel(50, 25), 6)) << std::hex << canvas.Pixel(50, 25);
}

TEST_F(PictureFiles, LoadSizeBringsLargePicturesDown)
{
    ASSERT_TRUE(WritePicture(Path("wide.jpg"), false, 1000, 500, RGB(0, 0, 200)));
    ASSERT_TRUE(WritePicture(Path("small.jpg"), false, 400, 300, RGB(0, 0, 200)));
    ASSERT_TRUE(WritePicture(Path("tall.gif"), true, 150, 600));

    CBitmapEx bitmap;
    // no limit: the picture's own size
    ASSERT_TRUE(bitmap.Load(Path("wide.jpg").c_str()));
    EXPECT_EQ(CSize(1000, 500), bitmap.GetRect().Size());

    bitmap.m_nLoadSize = 500;
    ASSERT_TRUE(bitmap.Load(Path("wide.jpg").c_str()));
    EXPECT_EQ(CSize(500, 250), bitmap.GetRect().Size());
    ASSERT_TRUE(bitmap.Load(Path("small.jpg").c_str()));
    EXPECT_EQ(CSize(400, 300), bitmap.GetRect().Size());
    // the longer side decides which target counts
    ASSERT_TRUE(bitmap.Load(Path("tall.gif").c_str()));
    EXPECT_EQ(CSize(125, 500), bitmap.GetRect().Size());

    // sizes passed by the caller win over the setting; they are only read
    int cx = 200, cy = 120;
    ASSERT_TRUE(bitmap.Load(Path("wide.jpg").c_str(), &cx, &cy));
    EXPECT_EQ(CSize(200, 100), bitmap.GetRect().Size());
    ASSERT_TRUE(bitmap.Load(Path("tall.gif").c_str(), &cx, &cy));
    EXPECT_EQ(CSize(30, 120), bitmap.GetRect().Size());
    EXPECT_EQ(200, cx);
    EXPECT_EQ(120, cy);
    // ... but only for pictures that exceed the setting
    ASSERT_TRUE(bitmap.Load(Path("small.jpg").c_str(), &cx, &cy));
    EXPECT_EQ(CSize(400, 300), bitmap.GetRect().Size());
}

TEST_F(PictureFiles, MetafilesAreAlwaysBroughtToTheTargetSize)
{
    // 2 x 1 inches at the screen's 96 pixels per inch is 192 x 96
    ASSERT_TRUE(WriteMetafile(Path("plan.wmf"), 2000, 1000, 1000));
    CBitmapEx bitmap;
    ASSERT_TRUE(bitmap.Load(Path("plan.wmf").c_str()));
    EXPECT_EQ(CSize(192, 96), bitmap.GetRect().Size());
    int cx = 50;
    ASSERT_TRUE(bitmap.Load(Path("plan.wmf").c_str(), &cx, NULL));
    EXPECT_EQ(CSize(50, 25), bitmap.GetRect().Size());
    bitmap.m_nLoadSize = 80;
    ASSERT_TRUE(bitmap.Load(Path("plan.wmf").c_str()));
    EXPECT_EQ(CSize(80, 40), bitmap.GetRect().Size());
    // rendered over the button face: the rectangle fills the picture
    CPixelCanvas canvas(80, 40);
    bitmap.Draw(&canvas.DC());
    EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(40, 20));
}

TEST_F(PictureFiles, UnusableFilesFailAndKeepTheImage)
{
    // broken BMP files have their own table; these are the other types and missing files
    CBitmapEx bitmap;
    FillTestBitmap(bitmap, 5, 5, 24, Stripes);
    const DWORD dwPixel = bitmap.GetPixel(2, 2);

    const char notPicture[] = "PK this is no picture at all, not even a short one";
    ASSERT_TRUE(m_dir.WriteFile("fake.gif", notPicture, sizeof(notPicture)));
    ASSERT_TRUE(m_dir.WriteFile("picture.png", notPicture, sizeof(notPicture)));
    EXPECT_EQ(0, bitmap.Load(Path("missing.bmp").c_str()));
    EXPECT_EQ(0, bitmap.Load(Path("missing.jpg").c_str()));
    EXPECT_EQ(0, bitmap.Load(Path("fake.gif").c_str()));
    // a type the class does not take, even where the system could read it
    ASSERT_TRUE(WritePicture(Path("real.jpg"), false, 8, 8, RGB(1, 2, 3)));
    ASSERT_TRUE(::CopyFileA(Path("real.jpg").c_str(), Path("real.jpeg").c_str(), FALSE));
    EXPECT_EQ(0, bitmap.Load(Path("real.jpeg").c_str()));
    EXPECT_EQ(0, bitmap.Load(Path("picture.png").c_str()));
    EXPECT_EQ(0, bitmap.Load(NULL));

    EXPECT_EQ(5, bitmap.Width());
    EXPECT_EQ(dwPixel, bitmap.GetPixel(2, 2));
    CBitmapEx empty;
    EXPECT_EQ(0, empty.Save(Path("empty.bmp").c_str()));
}
