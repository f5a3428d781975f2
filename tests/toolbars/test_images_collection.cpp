// test_images_collection.cpp - global image numbers of the collection: start numbers fixed when a
// list is added and kept after removals, numbers naming their list in the high word, owned
// lists, lookups, and drawing the image a number stands for.
#include "ItemTestUtil.h"
#include <gtest/gtest.h>

namespace
{
// counts its destructions, to see which lists the collection deletes
class CCountedList : public CUILImageList
{
public:
    explicit CCountedList(int* pnDeleted) : m_pnDeleted(pnDeleted) {}
    virtual ~CCountedList() { ++*m_pnDeleted; }
private:
    int* m_pnDeleted;
};

CCountedList* NewCounted(int* pnDeleted, int nImages)
{
    CCountedList* pList = new CCountedList(pnDeleted);
    pList->Create(8, 8, ILC_COLOR24 | ILC_MASK, nImages, 1);
    pList->SetImageCount(nImages);
    return pList;
}

// three owned lists of 4, 3 and 5 images: numbers 0-3, 4-6 and 7-11
class ImagesCollection : public testing::Test
{
protected:
    void SetUp() override
    {
        const int counts[3] = { 4, 3, 5 };
        for (int i = 0; i < 3; i++)
        {
            m_lists[i] = CreateColorList(i, counts[i]);
            ASSERT_NE(nullptr, m_lists[i]);
            ASSERT_EQ(i, m_images.Add(m_lists[i], UILIMAGELIST_OWNED));
        }
    }

    CUILImagesCollection m_images;
    CUILImageList* m_lists[3];
};
}

TEST_F(ImagesCollection, StartNumbersFollowTheImageCounts)
{
    EXPECT_EQ(3, m_images.GetSize());
    EXPECT_EQ(0, m_lists[0]->GetStartIndex());
    EXPECT_EQ(4, m_lists[1]->GetStartIndex());
    EXPECT_EQ(7, m_lists[2]->GetStartIndex());
    EXPECT_EQ(UILIMAGELIST_OWNED, m_lists[1]->GetFlags());
    // each list's range, both ends
    const int expected[13] = { 0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 2, -1 };
    for (int nImage = 0; nImage < 13; nImage++)
        EXPECT_EQ(expected[nImage], m_images.FindImage(nImage)) << nImage;
    EXPECT_EQ(-1, m_images.FindImage(-1));
    EXPECT_EQ(m_lists[1], m_images.GetImgListWithImage(6));
    EXPECT_EQ(nullptr, m_images.GetImgListWithImage(12));
}

TEST_F(ImagesCollection, NumbersSurviveRemovals)
{
    m_images.RemoveAt(0, 1);
    ASSERT_EQ(2, m_images.GetSize());
    EXPECT_EQ(m_lists[1], m_images.GetAt(0));
    EXPECT_EQ(4, m_images.GetAt(0)->GetStartIndex());
    EXPECT_EQ(7, m_images.GetAt(1)->GetStartIndex());
    // the removed list's numbers name nothing; the others still name their images
    for (int nImage = 0; nImage < 4; nImage++)
        EXPECT_EQ(-1, m_images.FindImage(nImage)) << nImage;
    EXPECT_EQ(0, m_images.FindImage(4));
    EXPECT_EQ(1, m_images.FindImage(11));

    // a list added now starts after the last list as it is, not where the removed one was
    CUILImageList* pNew = CreateColorList(3, 2);
    ASSERT_EQ(2, m_images.Add(pNew, UILIMAGELIST_OWNED));
    EXPECT_EQ(12, pNew->GetStartIndex());
    EXPECT_EQ(2, m_images.FindImage(13));
}

TEST_F(ImagesCollection, StartNumberIsFixedWhenAdded)
{
    // images the last list gains afterwards do not move the start of a list added later, nor
    // of the lists before
    CBitmap bitmap;
    CClientDC dc(NULL);
    bitmap.CreateCompatibleBitmap(&dc, 16, 15);
    ASSERT_GE(m_lists[2]->Add(&bitmap, RGB(255, 0, 255)), 0);
    CUILImageList* pNew = CreateColorList(3, 1);
    m_images.Add(pNew, 0);
    EXPECT_EQ(13, pNew->GetStartIndex());
    m_lists[0]->Add(&bitmap, RGB(255, 0, 255));
    EXPECT_EQ(4, m_lists[1]->GetStartIndex());
    EXPECT_EQ(13, pNew->GetStartIndex());
    m_images.RemoveAt(3, 1);
    delete pNew;
}

TEST(ImagesCollectionOwnership, OnlyOwnedListsAreDeleted)
{
    int nDeleted = 0;
    CCountedList* pOwned = NewCounted(&nDeleted, 2);
    CCountedList* pBorrowed = NewCounted(&nDeleted, 2);
    {
        CUILImagesCollection images;
        images.Add(pOwned, UILIMAGELIST_OWNED);
        images.Add(pBorrowed, 0);
        EXPECT_EQ(2, pBorrowed->GetStartIndex());
        images.RemoveAt(0, 1);
        EXPECT_EQ(1, nDeleted);
        EXPECT_EQ(1, images.GetSize());
        CCountedList* pOwned2 = NewCounted(&nDeleted, 1);
        images.Add(pOwned2, UILIMAGELIST_OWNED);
        // the destructor removes the rest: the owned one goes, the borrowed one stays
    }
    EXPECT_EQ(2, nDeleted);
    delete pBorrowed;
    EXPECT_EQ(3, nDeleted);
}

TEST(ImagesCollectionOwnership, RemovalsOutOfRangeAreClamped)
{
    int nDeleted = 0;
    CUILImagesCollection images;
    for (int i = 0; i < 3; i++)
        images.Add(NewCounted(&nDeleted, 1), UILIMAGELIST_OWNED);
    images.RemoveAt(5, 1);
    images.RemoveAt(-1, 2);
    images.RemoveAt(0, 0);
    EXPECT_EQ(3, images.GetSize());
    EXPECT_EQ(0, nDeleted);
    images.RemoveAt(1, 10);
    EXPECT_EQ(1, images.GetSize());
    EXPECT_EQ(2, nDeleted);
    images.RemoveAll();
    EXPECT_EQ(0, images.GetSize());
    EXPECT_EQ(3, nDeleted);
    EXPECT_EQ(-1, images.Add(NULL, 0));
}

TEST_F(ImagesCollection, HighWordNamesTheList)
{
    EXPECT_EQ(2, m_images.FindImage(0x20001));
    EXPECT_EQ(1, m_images.FindImage(0x10000));
    EXPECT_EQ(m_lists[2], m_images.GetImgListWithImage(0x20004));
    // a named list that does not exist
    EXPECT_EQ(7, m_images.FindImage(0x70000));
    EXPECT_EQ(nullptr, m_images.GetImgListWithImage(0x70000));
    int cx = -1, cy = -1;
    EXPECT_EQ(0, m_images.GetIconSize(0x70000, &cx, &cy));
    EXPECT_EQ(0, cx);
    EXPECT_EQ(0, cy);
}

TEST_F(ImagesCollection, ListIndexByObjectOrHandle)
{
    EXPECT_EQ(1, m_images.GetImgListIndex(NULL, m_lists[1]));
    EXPECT_EQ(2, m_images.GetImgListIndex(m_lists[2]->GetSafeHandle(), NULL));
    CImageList other;
    other.Create(4, 4, ILC_COLOR24, 1, 1);
    EXPECT_EQ(-1, m_images.GetImgListIndex(other.GetSafeHandle(), &other));
    EXPECT_EQ(-1, m_images.GetImgListIndex(NULL, NULL));
}

TEST_F(ImagesCollection, IconSizeOfTheImagesList)
{
    CUILImageList* pLarge = CreateColorList(3, 2, 24, 22);
    m_images.Add(pLarge, UILIMAGELIST_OWNED);
    int cx = 0, cy = 0;
    EXPECT_NE(0, m_images.GetIconSize(12, &cx, &cy));
    EXPECT_EQ(24, cx);
    EXPECT_EQ(22, cy);
    EXPECT_NE(0, m_images.GetIconSize(5, &cx, &cy));
    EXPECT_EQ(16, cx);
    EXPECT_EQ(15, cy);
    EXPECT_EQ(0, m_images.GetIconSize(14, &cx, &cy));
}

TEST_F(ImagesCollection, DrawsTheImageANumberStandsFor)
{
    CPixelCanvas canvas(20, 20, RGB(255, 255, 255));
    // by global number: 5 is the second image of list 1
    ASSERT_NE(0, m_images.Draw(canvas.DC(), CPoint(2, 2), 5, -1, ILD_TRANSPARENT));
    EXPECT_EQ(CTestImages::Color(1, 1), canvas.Pixel(8, 8));
    // the mask's border stayed transparent
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(2, 2));
    // a list given: the number is a position in it
    ASSERT_NE(0, m_images.Draw(canvas.DC(), CPoint(2, 2), 3, 2, ILD_TRANSPARENT));
    EXPECT_EQ(CTestImages::Color(2, 3), canvas.Pixel(8, 8));
    // named in the high word: position 4 of list 2
    ASSERT_NE(0, m_images.Draw(canvas.DC(), CPoint(2, 2), 0x20004, -1, ILD_TRANSPARENT));
    EXPECT_EQ(CTestImages::Color(2, 4), canvas.Pixel(8, 8));
    // numbers and positions no list holds draw nothing
    canvas.Fill(RGB(255, 255, 255));
    EXPECT_EQ(0, m_images.Draw(canvas.DC(), CPoint(2, 2), 12, -1, ILD_TRANSPARENT));
    EXPECT_EQ(0, m_images.Draw(canvas.DC(), CPoint(2, 2), 3, 1, ILD_TRANSPARENT));
    EXPECT_EQ(0, m_images.Draw(canvas.DC(), CPoint(2, 2), 0x20005, -1, ILD_TRANSPARENT));
    EXPECT_EQ(0, m_images.Draw(canvas.DC(), CPoint(2, 2), -1, -1, ILD_TRANSPARENT));
    EXPECT_EQ(400, canvas.Count(RGB(255, 255, 255), CRect(0, 0, 20, 20)));
}

TEST_F(ImagesCollection, EmbossedAndShadowLooksOfANumber)
{
    const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    CPixelCanvas canvas(20, 20, RGB(255, 255, 255));
    ASSERT_NE(0, m_images.DrawEmbossed(canvas.DC(), CPoint(2, 2), 9, -1, 0));
    // the disabled look has no trace of the image's own colour
    EXPECT_EQ(0, canvas.Count(CTestImages::Color(2, 2), CRect(0, 0, 20, 20)));
    EXPECT_EQ(clrShadow, canvas.Pixel(8, 8));

    canvas.Fill(RGB(255, 255, 255));
    ASSERT_NE(0, m_images.DrawShadow(canvas.DC(), CPoint(2, 2), 0x10002, -1, 0));
    // the shadow reaches one pixel further down than the image's square
    EXPECT_EQ(clrShadow, canvas.Pixel(8, 2 + 14));
    EXPECT_EQ(0, m_images.DrawShadow(canvas.DC(), CPoint(2, 2), 0x10003, -1, 0));
    EXPECT_EQ(0, m_images.DrawEmbossed(canvas.DC(), CPoint(2, 2), 40, -1, 0));
}

TEST(ImagesCollectionModule, ModuleWideInstance)
{
    EXPECT_EQ(&UILImagesCollection, GetImagesCollection());
}

TEST(ImageStruct, ZeroedAndCopied)
{
    SImageStruct image;
    for (DWORD_PTR dw : image.m_dwHostData)
        EXPECT_EQ(0u, dw);
    EXPECT_EQ(nullptr, image.m_hImageList);
    EXPECT_EQ(0, image.m_nImage);

    image.m_dwHostData[0] = 1;
    image.m_dwHostData[3] = (DWORD_PTR)&image;      // hosts may keep addresses there
    image.m_hImageList = (HIMAGELIST)(ULONG_PTR)0x1234;
    image.m_nImage = 7;
    SImageStruct copy(image);
    SImageStruct assigned;
    assigned = image;
    for (const SImageStruct* p : { &copy, &assigned })
    {
        EXPECT_EQ(1u, p->m_dwHostData[0]);
        EXPECT_EQ((DWORD_PTR)&image, p->m_dwHostData[3]);
        EXPECT_EQ(image.m_hImageList, p->m_hImageList);
        EXPECT_EQ(7, p->m_nImage);
    }
}
