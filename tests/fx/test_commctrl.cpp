// Tests of the image list, common-control and standard-control wrappers (afxcmn.h, afxctl_.h),
// each on a real control window.
#include <afxcmn.h>
#include <gtest/gtest.h>
#include "gdi_test_res.h"
#include <string>
#include <vector>

namespace
{
const COLORREF clrWhite = RGB(255, 255, 255);
const COLORREF clrMagenta = RGB(255, 0, 255);
const COLORREF clrGreen = RGB(0, 255, 0);
const COLORREF clrBlue = RGB(0, 0, 255);
const COLORREF clrRed = RGB(255, 0, 0);

// A memory DC over a 32-bpp DIB filled with one colour.
class CCanvas
{
public:
    CCanvas(int cx, int cy, COLORREF clrFill = clrWhite)
        : m_pOldBitmap(NULL)
    {
        BITMAPINFO bmi;
        memset(&bmi, 0, sizeof(bmi));
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pBits = NULL;
        m_bitmap.Attach(::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0));
        m_dc.CreateCompatibleDC(NULL);
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, cx, cy, clrFill);
    }
    ~CCanvas() { Release(); }
    // gives the bitmap free for use elsewhere (an image list copies it)
    void Release()
    {
        if (m_pOldBitmap != NULL)
            m_dc.SelectObject(m_pOldBitmap);
        m_pOldBitmap = NULL;
    }
    bool IsValid() const { return m_bitmap.m_hObject != NULL && m_dc.m_hDC != NULL; }

    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap;
};

// Two 8x8 images on magenta: image 0 holds a green 4x4 square at (2,2), image 1 a blue one.
void MakeStrip(CCanvas& strip)
{
    strip.m_dc.FillSolidRect(0, 0, 16, 8, clrMagenta);
    strip.m_dc.FillSolidRect(2, 2, 4, 4, clrGreen);
    strip.m_dc.FillSolidRect(8 + 2, 2, 4, 4, clrBlue);
    strip.Release();
}

// A visible top-level window that hosts the controls of one test.
class CHostWnd : public CWnd
{
public:
    BOOL CreateHost()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "WEXOfx control host",
            WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 400, 300, NULL, NULL);
    }
    ~CHostWnd() { DestroyWindow(); }
};
}

/////////////////////////////////////////////////////////////////////////////
// CImageList

TEST(ImageList, MaskColourMakesDrawTransparent)
{
    CCanvas strip(16, 8);
    ASSERT_TRUE(strip.IsValid());
    MakeStrip(strip);

    CImageList images;
    ASSERT_TRUE(images.Create(8, 8, ILC_COLOR24 | ILC_MASK, 0, 2));
    EXPECT_EQ(0, images.Add(&strip.m_bitmap, clrMagenta));
    ASSERT_EQ(2, images.GetImageCount());

    CCanvas target(24, 10);
    ASSERT_TRUE(target.IsValid());
    EXPECT_TRUE(images.Draw(&target.m_dc, 0, CPoint(1, 1), ILD_TRANSPARENT));
    EXPECT_TRUE(images.Draw(&target.m_dc, 1, CPoint(12, 1), ILD_TRANSPARENT));
    EXPECT_EQ(clrWhite, target.m_dc.GetPixel(1, 1));         // masked corner
    EXPECT_EQ(clrWhite, target.m_dc.GetPixel(8, 8));
    EXPECT_EQ(clrGreen, target.m_dc.GetPixel(3, 3));
    EXPECT_EQ(clrGreen, target.m_dc.GetPixel(6, 6));
    EXPECT_EQ(clrWhite, target.m_dc.GetPixel(7, 7));
    EXPECT_EQ(clrBlue, target.m_dc.GetPixel(14, 3));
    EXPECT_EQ(clrWhite, target.m_dc.GetPixel(12, 1));

    // a background colour fills the masked part in normal drawing; CLR_NONE keeps it clear
    EXPECT_EQ(CLR_NONE, images.SetBkColor(clrRed));
    EXPECT_EQ(clrRed, images.GetBkColor());
    CCanvas filled(10, 10);
    images.Draw(&filled.m_dc, 0, CPoint(0, 0), ILD_NORMAL);
    EXPECT_EQ(clrRed, filled.m_dc.GetPixel(0, 0));
    EXPECT_EQ(clrGreen, filled.m_dc.GetPixel(3, 3));
    images.SetBkColor(CLR_NONE);
    CCanvas clear(10, 10);
    images.Draw(&clear.m_dc, 0, CPoint(0, 0), ILD_NORMAL);
    EXPECT_EQ(clrWhite, clear.m_dc.GetPixel(0, 0));

    // DrawEx draws the same image into a given size
    CCanvas ex(10, 10);
    EXPECT_TRUE(images.DrawEx(&ex.m_dc, 1, CPoint(1, 1), CSize(8, 8), CLR_NONE, CLR_DEFAULT,
        ILD_TRANSPARENT));
    EXPECT_EQ(clrBlue, ex.m_dc.GetPixel(4, 4));
    EXPECT_EQ(clrWhite, ex.m_dc.GetPixel(1, 1));
}

TEST(ImageList, CreateFromABitmapResourceWithAMaskColour)
{
    CImageList images;
    ASSERT_TRUE(images.Create(IDB_GDITEST_STRIP, 8, 1, clrMagenta));
    ASSERT_EQ(2, images.GetImageCount());
    int cx = 0, cy = 0;
    images.GetIconSize(cx, cy);
    EXPECT_EQ(8, cx);
    EXPECT_EQ(8, cy);

    CCanvas target(20, 10);
    ASSERT_TRUE(target.IsValid());
    EXPECT_TRUE(images.Draw(&target.m_dc, 0, CPoint(0, 0), ILD_TRANSPARENT));
    EXPECT_TRUE(images.Draw(&target.m_dc, 1, CPoint(10, 0), ILD_TRANSPARENT));
    EXPECT_EQ(clrWhite, target.m_dc.GetPixel(0, 0));
    EXPECT_EQ(clrGreen, target.m_dc.GetPixel(2, 2));
    EXPECT_EQ(clrWhite, target.m_dc.GetPixel(6, 6));
    EXPECT_EQ(clrBlue, target.m_dc.GetPixel(15, 5));
    EXPECT_EQ(clrWhite, target.m_dc.GetPixel(17, 2));

    CImageList missing;
    EXPECT_FALSE(missing.Create(IDB_GDITEST_STRIP + 999, 8, 1, clrMagenta));
    EXPECT_TRUE(missing.m_hImageList == NULL);
}

TEST(ImageList, InfoSizesAndEditing)
{
    CCanvas strip(16, 8);
    ASSERT_TRUE(strip.IsValid());
    MakeStrip(strip);
    CImageList images;
    ASSERT_TRUE(images.Create(8, 8, ILC_COLOR24 | ILC_MASK, 0, 2));
    images.Add(&strip.m_bitmap, clrMagenta);

    IMAGEINFO info;
    ASSERT_TRUE(images.GetImageInfo(1, &info));
    EXPECT_EQ(8, info.rcImage.right - info.rcImage.left);
    EXPECT_EQ(8, info.rcImage.bottom - info.rcImage.top);
    EXPECT_TRUE(info.hbmMask != NULL);
    EXPECT_FALSE(images.GetImageInfo(5, &info));
    int cx = 0, cy = 0;
    EXPECT_TRUE(images.GetIconSize(&cx, &cy));
    EXPECT_EQ(8, cx);
    EXPECT_EQ(8, cy);

    // an icon out and back in
    HICON hIcon = images.ExtractIcon(0);
    ASSERT_TRUE(hIcon != NULL);
    EXPECT_EQ(2, images.Add(hIcon));
    ::DestroyIcon(hIcon);
    EXPECT_EQ(3, images.GetImageCount());

    // swapping 0 and 1 puts the blue square first
    EXPECT_TRUE(images.Copy(0, 1, ILCF_SWAP));
    CCanvas target(10, 10);
    images.Draw(&target.m_dc, 0, CPoint(0, 0), ILD_TRANSPARENT);
    EXPECT_EQ(clrBlue, target.m_dc.GetPixel(3, 3));

    EXPECT_TRUE(images.Remove(0));
    EXPECT_EQ(2, images.GetImageCount());
    EXPECT_FALSE(images.Remove(7));
    EXPECT_TRUE(images.SetImageCount(5));
    EXPECT_EQ(5, images.GetImageCount());

    // the copies: a duplicate and a merge of two images
    CImageList duplicate;
    ASSERT_TRUE(duplicate.Create(&images));
    EXPECT_EQ(5, duplicate.GetImageCount());
    EXPECT_NE(duplicate.m_hImageList, images.m_hImageList);
    CImageList merged;
    ASSERT_TRUE(merged.Create(images, 0, images, 1, 0, 0));
    EXPECT_EQ(1, merged.GetImageCount());

    // a new icon size drops every image
    EXPECT_TRUE(images.SetIconSize(16, 16));
    images.GetIconSize(cx, cy);
    EXPECT_EQ(16, cx);
    EXPECT_EQ(0, images.GetImageCount());
}

TEST(ImageList, HandleMapOwnersAndTemporaries)
{
    HIMAGELIST hForeign = ImageList_Create(4, 4, ILC_COLOR24, 1, 1);
    ASSERT_TRUE(hForeign != NULL);
    AfxLockTempMaps();
    CImageList* pTemp = CImageList::FromHandle(hForeign);
    ASSERT_TRUE(pTemp != NULL);
    EXPECT_EQ(pTemp, CImageList::FromHandle(hForeign));
    EXPECT_TRUE(CImageList::FromHandlePermanent(hForeign) == NULL);
    EXPECT_EQ(1, afxMapHIMAGELIST()->GetTemporaryCount());
    EXPECT_TRUE(AfxUnlockTempMaps());
    EXPECT_EQ(0, afxMapHIMAGELIST()->GetTemporaryCount());
    EXPECT_EQ(0, ImageList_GetImageCount(hForeign));          // still a live image list

    CImageList owner;
    EXPECT_TRUE(owner.Attach(hForeign));
    EXPECT_EQ(&owner, CImageList::FromHandle(hForeign));
    EXPECT_EQ(&owner, CImageList::FromHandlePermanent(hForeign));
    EXPECT_EQ(hForeign, owner.Detach());
    EXPECT_TRUE(CImageList::FromHandlePermanent(hForeign) == NULL);
    EXPECT_FALSE(owner.DeleteImageList());
    EXPECT_TRUE(owner.Attach(hForeign));
    EXPECT_TRUE(owner.DeleteImageList());
    EXPECT_TRUE(owner.m_hImageList == NULL);

    CImageList* pNone = NULL;
    EXPECT_TRUE(pNone->GetSafeHandle() == NULL);
    EXPECT_TRUE(CImageList::FromHandle(NULL) == NULL);
}

/////////////////////////////////////////////////////////////////////////////
// CTreeCtrl

class TreeCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AfxLockTempMaps();
        ASSERT_TRUE(m_host.CreateHost());
        ASSERT_TRUE(m_tree.Create(WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES
            | TVS_LINESATROOT | TVS_SHOWSELALWAYS, CRect(0, 0, 250, 250), &m_host, 100));
        // Root { Child 1 { Grand }, Child 2 }, Root 2
        m_hRoot = m_tree.InsertItem("Root");
        m_hChild1 = m_tree.InsertItem("Child 1", m_hRoot);
        m_hChild2 = m_tree.InsertItem(TVIF_TEXT | TVIF_PARAM | TVIF_STATE, "Child 2", 0, 0,
            TVIS_BOLD, TVIS_BOLD, 0x1234, m_hRoot, TVI_LAST);
        m_hGrand = m_tree.InsertItem("Grand", 1, 2, m_hChild1);
        m_hRoot2 = m_tree.InsertItem("Root 2", TVI_ROOT, TVI_LAST);
        ASSERT_TRUE(m_hRoot && m_hChild1 && m_hChild2 && m_hGrand && m_hRoot2);
    }
    void TearDown() override
    {
        m_tree.DestroyWindow();
        m_host.DestroyWindow();
        AfxUnlockTempMaps();
    }

    CHostWnd m_host;
    CTreeCtrl m_tree;
    HTREEITEM m_hRoot = NULL, m_hChild1 = NULL, m_hChild2 = NULL, m_hGrand = NULL, m_hRoot2 = NULL;
};

TEST_F(TreeCtrlTest, CreatesARealTreeViewChild)
{
    char szClass[64];
    ::GetClassNameA(m_tree.m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ(WC_TREEVIEWA, szClass);
    EXPECT_EQ(100, ::GetDlgCtrlID(m_tree.m_hWnd));
    EXPECT_EQ(m_host.m_hWnd, ::GetParent(m_tree.m_hWnd));
    EXPECT_TRUE(m_tree.IsKindOf(RUNTIME_CLASS(CTreeCtrl)));
    EXPECT_TRUE(m_tree.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_EQ(5u, m_tree.GetCount());
}

TEST_F(TreeCtrlTest, NavigatesParentsChildrenAndSiblings)
{
    EXPECT_EQ(m_hRoot, m_tree.GetRootItem());
    EXPECT_EQ(m_hRoot2, m_tree.GetNextSiblingItem(m_hRoot));
    EXPECT_EQ(m_hRoot, m_tree.GetPrevSiblingItem(m_hRoot2));
    EXPECT_TRUE(m_tree.GetNextSiblingItem(m_hRoot2) == NULL);
    EXPECT_EQ(m_hChild1, m_tree.GetChildItem(m_hRoot));
    EXPECT_EQ(m_hChild2, m_tree.GetNextSiblingItem(m_hChild1));
    EXPECT_EQ(m_hChild1, m_tree.GetParentItem(m_hGrand));
    EXPECT_EQ(m_hRoot, m_tree.GetParentItem(m_hChild2));
    EXPECT_TRUE(m_tree.GetParentItem(m_hRoot) == NULL);
    EXPECT_EQ(m_hGrand, m_tree.GetNextItem(m_hChild1, TVGN_CHILD));
    EXPECT_TRUE(m_tree.ItemHasChildren(m_hRoot));
    EXPECT_TRUE(m_tree.ItemHasChildren(m_hChild1));
    EXPECT_FALSE(m_tree.ItemHasChildren(m_hChild2));
}

TEST_F(TreeCtrlTest, TextDataImagesAndState)
{
    EXPECT_STREQ("Child 2", (LPCSTR)m_tree.GetItemText(m_hChild2));
    std::string strLong(700, 'q');
    strLong[699] = 'z';
    EXPECT_TRUE(m_tree.SetItemText(m_hGrand, strLong.c_str()));
    EXPECT_EQ(strLong, std::string((LPCSTR)m_tree.GetItemText(m_hGrand)));

    EXPECT_EQ((DWORD_PTR)0x1234, m_tree.GetItemData(m_hChild2));
    const DWORD_PTR dwPointer = (DWORD_PTR)0x0000123456789ABCull;     // needs all 64 bits
    EXPECT_TRUE(m_tree.SetItemData(m_hChild1, dwPointer));
    EXPECT_EQ(dwPointer, m_tree.GetItemData(m_hChild1));
    EXPECT_EQ((DWORD_PTR)0, m_tree.GetItemData(m_hRoot2));

    int nImage = -1, nSelected = -1;
    EXPECT_TRUE(m_tree.GetItemImage(m_hGrand, nImage, nSelected));
    EXPECT_EQ(1, nImage);
    EXPECT_EQ(2, nSelected);
    EXPECT_TRUE(m_tree.SetItemImage(m_hGrand, 4, 5));
    m_tree.GetItemImage(m_hGrand, nImage, nSelected);
    EXPECT_EQ(4, nImage);
    EXPECT_EQ(5, nSelected);

    EXPECT_EQ((UINT)TVIS_BOLD, m_tree.GetItemState(m_hChild2, TVIS_BOLD));
    EXPECT_EQ(0u, m_tree.GetItemState(m_hChild1, TVIS_BOLD));
    EXPECT_TRUE(m_tree.SetItemState(m_hChild2, 0, TVIS_BOLD));
    EXPECT_EQ(0u, m_tree.GetItemState(m_hChild2, TVIS_BOLD));
    EXPECT_TRUE(m_tree.SetItemState(m_hRoot2, TVIS_BOLD | TVIS_CUT, TVIS_BOLD | TVIS_CUT));
    EXPECT_EQ((UINT)(TVIS_BOLD | TVIS_CUT), m_tree.GetItemState(m_hRoot2, 0xFF));

    TVITEMA item;
    memset(&item, 0, sizeof(item));
    item.hItem = m_hChild2;
    item.mask = TVIF_PARAM;
    ASSERT_TRUE(m_tree.GetItem(&item));
    EXPECT_EQ((LPARAM)0x1234, item.lParam);
}

TEST_F(TreeCtrlTest, ExpandSelectAndVisibility)
{
    EXPECT_EQ(0u, m_tree.GetItemState(m_hRoot, TVIS_EXPANDED));
    EXPECT_EQ(m_hRoot2, m_tree.GetNextVisibleItem(m_hRoot));
    EXPECT_TRUE(m_tree.Expand(m_hRoot, TVE_EXPAND));
    EXPECT_EQ((UINT)TVIS_EXPANDED, m_tree.GetItemState(m_hRoot, TVIS_EXPANDED));
    EXPECT_EQ(m_hChild1, m_tree.GetNextVisibleItem(m_hRoot));
    EXPECT_EQ(m_hRoot, m_tree.GetPrevVisibleItem(m_hChild1));
    EXPECT_EQ(m_hRoot, m_tree.GetFirstVisibleItem());
    EXPECT_TRUE(m_tree.Expand(m_hRoot, TVE_COLLAPSE));
    EXPECT_EQ(0u, m_tree.GetItemState(m_hRoot, TVIS_EXPANDED));

    // showing an item expands its ancestors (the result only tells whether it merely scrolled)
    m_tree.EnsureVisible(m_hGrand);
    EXPECT_EQ((UINT)TVIS_EXPANDED, m_tree.GetItemState(m_hChild1, TVIS_EXPANDED));
    EXPECT_EQ((UINT)TVIS_EXPANDED, m_tree.GetItemState(m_hRoot, TVIS_EXPANDED));

    EXPECT_TRUE(m_tree.GetSelectedItem() == NULL);
    EXPECT_TRUE(m_tree.SelectItem(m_hChild2));
    EXPECT_EQ(m_hChild2, m_tree.GetSelectedItem());
    EXPECT_EQ((UINT)TVIS_SELECTED, m_tree.GetItemState(m_hChild2, TVIS_SELECTED));
    EXPECT_TRUE(m_tree.SelectDropTarget(m_hChild1));
    EXPECT_EQ(m_hChild1, m_tree.GetDropHilightItem());
    EXPECT_TRUE(m_tree.SelectDropTarget(NULL));
    EXPECT_TRUE(m_tree.GetDropHilightItem() == NULL);

    EXPECT_GE(m_tree.GetVisibleCount(), 5u);
}

TEST_F(TreeCtrlTest, ItemRectanglesAndHitTesting)
{
    m_tree.Expand(m_hRoot, TVE_EXPAND);
    CRect rcText, rcRow;
    ASSERT_TRUE(m_tree.GetItemRect(m_hChild2, &rcText, TRUE));
    ASSERT_TRUE(m_tree.GetItemRect(m_hChild2, &rcRow, FALSE));
    EXPECT_GT(rcText.Width(), 0);
    EXPECT_GT(rcRow.Height(), 0);
    EXPECT_LE(rcRow.Height(), m_tree.GetItemHeight());
    EXPECT_GE(rcText.left, rcRow.left);

    UINT nFlags = 0;
    EXPECT_EQ(m_hChild2, m_tree.HitTest(CPoint(rcText.left + 2, (rcText.top + rcText.bottom) / 2), &nFlags));
    EXPECT_TRUE(nFlags & TVHT_ONITEMLABEL);
    TVHITTESTINFO hti;
    memset(&hti, 0, sizeof(hti));
    hti.pt.x = rcText.left + 2;
    hti.pt.y = rcText.top + 1;
    EXPECT_EQ(m_hChild2, m_tree.HitTest(&hti));
    EXPECT_TRUE(m_tree.HitTest(CPoint(5, 240), &nFlags) == NULL);
    EXPECT_TRUE(nFlags & TVHT_NOWHERE);

    // a collapsed item has no rectangle
    m_tree.Expand(m_hRoot, TVE_COLLAPSE);
    EXPECT_FALSE(m_tree.GetItemRect(m_hChild2, &rcText, TRUE));
}

TEST_F(TreeCtrlTest, AppearanceImageListAndDragImage)
{
    m_tree.SetIndent(25);
    EXPECT_EQ(25u, m_tree.GetIndent());
    m_tree.SetItemHeight(22);
    EXPECT_EQ(22, m_tree.GetItemHeight());
    m_tree.SetBkColor(clrGreen);
    EXPECT_EQ(clrGreen, m_tree.GetBkColor());
    m_tree.SetTextColor(clrBlue);
    EXPECT_EQ(clrBlue, m_tree.GetTextColor());

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 4));
    EXPECT_TRUE(m_tree.SetImageList(&images, TVSIL_NORMAL) == NULL);
    EXPECT_EQ(&images, m_tree.GetImageList(TVSIL_NORMAL));        // the owner, not a copy
    EXPECT_TRUE(m_tree.GetImageList(TVSIL_STATE) == NULL);

    // a drag image needs the item's image list
    m_tree.Expand(m_hRoot, TVE_EXPAND);
    CImageList* pDrag = m_tree.CreateDragImage(m_hChild2);
    ASSERT_TRUE(pDrag != NULL);
    int cxDrag = 0, cyDrag = 0;
    EXPECT_TRUE(pDrag->GetIconSize(cxDrag, cyDrag));
    EXPECT_GT(cxDrag, 0);
    EXPECT_EQ(pDrag, CImageList::FromHandlePermanent(pDrag->m_hImageList));
    delete pDrag;
    EXPECT_EQ(&images, m_tree.SetImageList(NULL, TVSIL_NORMAL));

    EXPECT_TRUE(m_tree.GetEditControl() == NULL);
}

TEST_F(TreeCtrlTest, SortDeleteAndCheckBoxes)
{
    HTREEITEM hB = m_tree.InsertItem("b", m_hRoot2);
    HTREEITEM hA = m_tree.InsertItem("a", m_hRoot2);
    EXPECT_EQ(hB, m_tree.GetChildItem(m_hRoot2));
    EXPECT_TRUE(m_tree.SortChildren(m_hRoot2));
    EXPECT_EQ(hA, m_tree.GetChildItem(m_hRoot2));

    EXPECT_TRUE(m_tree.DeleteItem(m_hChild1));        // takes Grand with it
    EXPECT_EQ(m_hChild2, m_tree.GetChildItem(m_hRoot));
    EXPECT_EQ(5u, m_tree.GetCount());
    EXPECT_TRUE(m_tree.DeleteAllItems());
    EXPECT_EQ(0u, m_tree.GetCount());
    EXPECT_TRUE(m_tree.GetRootItem() == NULL);

    // check boxes are state images 1 (clear) and 2 (checked); the style goes on after creation
    CTreeCtrl checks;
    ASSERT_TRUE(checks.Create(WS_VISIBLE | TVS_HASLINES, CRect(250, 0, 390, 200), &m_host, 101));
    ::SetWindowLongA(checks.m_hWnd, GWL_STYLE, ::GetWindowLongA(checks.m_hWnd, GWL_STYLE) | TVS_CHECKBOXES);
    HTREEITEM hItem = checks.InsertItem("option");
    EXPECT_FALSE(checks.GetCheck(hItem));
    EXPECT_TRUE(checks.SetCheck(hItem, TRUE));
    EXPECT_TRUE(checks.GetCheck(hItem));
    EXPECT_EQ(INDEXTOSTATEIMAGEMASK(2), checks.GetItemState(hItem, TVIS_STATEIMAGEMASK));
    EXPECT_TRUE(checks.SetCheck(hItem, FALSE));
    EXPECT_FALSE(checks.GetCheck(hItem));
}

/////////////////////////////////////////////////////////////////////////////
// CListCtrl

namespace
{
int CALLBACK CompareByDataDescending(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    return lParam1 < lParam2 ? 1 : lParam1 > lParam2 ? -1 : 0;
}
}

TEST(ListCtrl, ReportViewColumnsItemsSelectionAndSorting)
{
    AfxLockTempMaps();
    CHostWnd host;
    ASSERT_TRUE(host.CreateHost());
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(0, 0, 300, 200), &host, 200));

    EXPECT_EQ(0, list.InsertColumn(0, "Name", LVCFMT_LEFT, 80));
    EXPECT_EQ(1, list.InsertColumn(1, "Size", LVCFMT_RIGHT, 60, 1));
    EXPECT_EQ(80, list.GetColumnWidth(0));
    EXPECT_TRUE(list.SetColumnWidth(1, 70));
    EXPECT_EQ(70, list.GetColumnWidth(1));
    CHeaderCtrl* pHeader = list.GetHeaderCtrl();
    ASSERT_TRUE(pHeader != NULL);
    EXPECT_EQ(2, pHeader->GetItemCount());

    const char* names[] = { "alpha", "beta", "gamma", "delta" };
    for (int i = 0; i < 4; i++)
    {
        EXPECT_EQ(i, list.InsertItem(i, names[i]));
        char szSize[8];
        sprintf(szSize, "%d", i * 10);
        EXPECT_TRUE(list.SetItemText(i, 1, szSize));
        EXPECT_TRUE(list.SetItemData(i, (DWORD_PTR)(0x100000000ull * (i + 1))));
    }
    EXPECT_EQ(4, list.GetItemCount());
    EXPECT_STREQ("gamma", (LPCSTR)list.GetItemText(2, 0));
    EXPECT_STREQ("30", (LPCSTR)list.GetItemText(3, 1));
    EXPECT_EQ((DWORD_PTR)0x300000000ull, list.GetItemData(2));
    std::string strLong(600, 'w');
    list.SetItemText(0, 1, strLong.c_str());
    EXPECT_EQ(strLong, std::string((LPCSTR)list.GetItemText(0, 1)));
    char szShort[4];
    EXPECT_EQ(3, list.GetItemText(1, 0, szShort, sizeof(szShort)));
    EXPECT_STREQ("bet", szShort);

    // selection
    EXPECT_TRUE(list.GetFirstSelectedItemPosition() == NULL);
    EXPECT_TRUE(list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_TRUE(list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(2u, list.GetSelectedCount());
    EXPECT_EQ((UINT)LVIS_SELECTED, list.GetItemState(3, LVIS_SELECTED));
    std::vector<int> selected;
    POSITION pos = list.GetFirstSelectedItemPosition();
    while (pos != NULL)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ((std::vector<int>{ 1, 3 }), selected);
    EXPECT_EQ(3, list.GetNextItem(1, LVNI_SELECTED));

    // extended style, geometry, hit testing
    DWORD dwOld = list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    EXPECT_EQ(0u, dwOld & LVS_EX_FULLROWSELECT);
    EXPECT_EQ((DWORD)(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES),
        list.GetExtendedStyle() & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));
    CRect rcItem;
    ASSERT_TRUE(list.GetItemRect(2, &rcItem, LVIR_BOUNDS));
    EXPECT_GT(rcItem.Height(), 0);
    CRect rcSub;
    ASSERT_TRUE(list.GetSubItemRect(2, 1, LVIR_BOUNDS, rcSub));
    EXPECT_EQ(80, rcSub.left - rcItem.left);
    EXPECT_EQ(rcItem.top, rcSub.top);
    UINT nFlags = 0;
    EXPECT_EQ(2, list.HitTest(CPoint(rcItem.left + 5, (rcItem.top + rcItem.bottom) / 2), &nFlags));
    EXPECT_TRUE(nFlags & LVHT_ONITEM);
    EXPECT_EQ(-1, list.HitTest(CPoint(5, 195)));
    EXPECT_EQ(0, list.GetTopIndex());
    EXPECT_GT(list.GetCountPerPage(), 3);
    EXPECT_TRUE(list.EnsureVisible(3, FALSE));

    // sorting by item data, largest first
    EXPECT_TRUE(list.SortItems(&CompareByDataDescending, 0));
    EXPECT_STREQ("delta", (LPCSTR)list.GetItemText(0, 0));
    EXPECT_STREQ("alpha", (LPCSTR)list.GetItemText(3, 0));

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(3, list.GetItemCount());
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(0, list.GetItemCount());
    list.DestroyWindow();
    AfxUnlockTempMaps();
}

/////////////////////////////////////////////////////////////////////////////
// CToolTipCtrl

TEST(ToolTipCtrl, ToolsTextRectanglesAndHitTesting)
{
    AfxLockTempMaps();
    CHostWnd host;
    ASSERT_TRUE(host.CreateHost());
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&host, TTS_ALWAYSTIP));
    char szClass[64];
    ::GetClassNameA(tips.m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ(TOOLTIPS_CLASSA, szClass);

    CRect rcTool(10, 10, 50, 30);
    EXPECT_TRUE(tips.AddTool(&host, "first tip", &rcTool, 5));
    EXPECT_EQ(1, tips.GetToolCount());
    CString str;
    tips.GetText(str, &host, 5);
    EXPECT_STREQ("first tip", (LPCSTR)str);
    tips.UpdateTipText("changed", &host, 5);
    tips.GetText(str, &host, 5);
    EXPECT_STREQ("changed", (LPCSTR)str);

    CToolInfo info;
    ASSERT_TRUE(tips.GetToolInfo(info, &host, 5));
    EXPECT_EQ(host.m_hWnd, info.hwnd);
    EXPECT_EQ((UINT_PTR)5, info.uId);
    EXPECT_EQ(CRect(10, 10, 50, 30), CRect(info.rect));
    EXPECT_STREQ("changed", info.szText);
    EXPECT_FALSE(tips.GetToolInfo(info, &host, 6));

    TOOLINFOA ti;
    EXPECT_TRUE(tips.HitTest(&host, CPoint(20, 20), &ti));
    EXPECT_EQ((UINT_PTR)5, ti.uId);
    EXPECT_FALSE(tips.HitTest(&host, CPoint(100, 100), &ti));
    CRect rcMoved(100, 90, 120, 110);
    tips.SetToolRect(&host, 5, &rcMoved);
    EXPECT_TRUE(tips.HitTest(&host, CPoint(105, 100), &ti));

    // a tool with id 0 is a window: the tooltip knows it by its handle
    CStatic label;
    ASSERT_TRUE(label.Create("label", WS_VISIBLE | SS_NOTIFY, CRect(200, 10, 260, 30), &host, 300));
    EXPECT_TRUE(tips.AddTool(&label, "label tip"));
    EXPECT_EQ(2, tips.GetToolCount());
    ASSERT_TRUE(tips.GetToolInfo(info, &label));
    EXPECT_TRUE(info.uFlags & TTF_IDISHWND);
    EXPECT_EQ((UINT_PTR)label.m_hWnd, info.uId);
    EXPECT_EQ(host.m_hWnd, info.hwnd);
    tips.DelTool(&label);
    EXPECT_EQ(1, tips.GetToolCount());
    tips.DelTool(&host, 5);
    EXPECT_EQ(0, tips.GetToolCount());

    // settings
    EXPECT_EQ(-1, tips.SetMaxTipWidth(300));
    EXPECT_EQ(300, tips.GetMaxTipWidth());
    tips.SetDelayTime(TTDT_INITIAL, 200);
    EXPECT_EQ(200, tips.GetDelayTime(TTDT_INITIAL));
    tips.SetTipBkColor(clrGreen);
    EXPECT_EQ(clrGreen, tips.GetTipBkColor());

    label.DestroyWindow();
    tips.DestroyWindow();
    AfxUnlockTempMaps();
}

/////////////////////////////////////////////////////////////////////////////
// CToolBarCtrl

TEST(ToolBarCtrl, ButtonsStatesAndSizes)
{
    AfxLockTempMaps();
    CHostWnd host;
    ASSERT_TRUE(host.CreateHost());
    CToolBarCtrl bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | TBSTYLE_FLAT | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER,
        CRect(0, 0, 300, 40), &host, AFX_IDW_TOOLBAR));

    TBBUTTON buttons[3];
    memset(buttons, 0, sizeof(buttons));
    buttons[0].iBitmap = 0; buttons[0].idCommand = 10; buttons[0].fsState = TBSTATE_ENABLED;
    buttons[0].fsStyle = BTNS_CHECK;
    buttons[1].fsStyle = BTNS_SEP;
    buttons[2].iBitmap = 1; buttons[2].idCommand = 11; buttons[2].fsState = TBSTATE_ENABLED;
    EXPECT_TRUE(bar.AddButtons(3, buttons));
    EXPECT_EQ(3, bar.GetButtonCount());
    EXPECT_EQ(2u, bar.CommandToIndex(11));
    EXPECT_EQ((UINT)-1, bar.CommandToIndex(99));

    TBBUTTON got;
    ASSERT_TRUE(bar.GetButton(2, &got));
    EXPECT_EQ(11, got.idCommand);

    EXPECT_TRUE(bar.CheckButton(10));
    EXPECT_TRUE(bar.IsButtonChecked(10));
    EXPECT_TRUE(bar.GetState(10) & TBSTATE_CHECKED);
    EXPECT_TRUE(bar.EnableButton(11, FALSE));
    EXPECT_FALSE(bar.IsButtonEnabled(11));
    EXPECT_TRUE(bar.HideButton(11));
    EXPECT_TRUE(bar.IsButtonHidden(11));
    EXPECT_TRUE(bar.SetState(11, TBSTATE_ENABLED));
    EXPECT_TRUE(bar.IsButtonEnabled(11));
    EXPECT_FALSE(bar.IsButtonHidden(11));
    EXPECT_TRUE(bar.PressButton(11));
    EXPECT_TRUE(bar.IsButtonPressed(11));

    EXPECT_TRUE(bar.SetButtonSize(CSize(30, 28)));
    CRect rc;
    ASSERT_TRUE(bar.GetItemRect(0, &rc));
    EXPECT_EQ(30, rc.Width());
    EXPECT_EQ(28, rc.Height());
    EXPECT_EQ(MAKELONG(30, 28), (LONG)bar.GetButtonSize());
    CRect rcById;
    ASSERT_TRUE(bar.GetRect(11, &rcById));
    CRect rcByIndex;
    bar.GetItemRect(2, &rcByIndex);
    EXPECT_EQ(rcByIndex, rcById);

    TBBUTTONINFOA tbbi;
    memset(&tbbi, 0, sizeof(tbbi));
    tbbi.cbSize = sizeof(tbbi);
    tbbi.dwMask = TBIF_COMMAND | TBIF_IMAGE;
    EXPECT_EQ(2, bar.GetButtonInfo(11, &tbbi));
    EXPECT_EQ(1, tbbi.iImage);
    tbbi.dwMask = TBIF_COMMAND;
    tbbi.idCommand = 12;
    EXPECT_TRUE(bar.SetButtonInfo(11, &tbbi));
    EXPECT_EQ(2u, bar.CommandToIndex(12));

    TBBUTTON inserted;
    memset(&inserted, 0, sizeof(inserted));
    inserted.idCommand = 9;
    inserted.fsState = TBSTATE_ENABLED;
    EXPECT_TRUE(bar.InsertButton(0, &inserted));
    EXPECT_EQ(1u, bar.CommandToIndex(10));
    EXPECT_TRUE(bar.DeleteButton(0));
    EXPECT_EQ(3, bar.GetButtonCount());

    CImageList images;
    ASSERT_TRUE(images.Create(16, 15, ILC_COLOR24 | ILC_MASK, 2, 2));
    EXPECT_TRUE(bar.SetImageList(&images) == NULL);
    EXPECT_EQ(&images, bar.GetImageList());
    bar.SetImageList(NULL);

    bar.DestroyWindow();
    AfxUnlockTempMaps();
}

/////////////////////////////////////////////////////////////////////////////
// Smaller common controls

TEST(CommonControls, SpinProgressSliderTabAndStatusBar)
{
    AfxLockTempMaps();
    CHostWnd host;
    ASSERT_TRUE(host.CreateHost());

    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_SETBUDDYINT, CRect(0, 0, 20, 20), &host, 1));
    spin.SetRange(-5, 50);
    int nLow = 0, nHigh = 0;
    spin.GetRange(nLow, nHigh);
    EXPECT_EQ(-5, nLow);
    EXPECT_EQ(50, nHigh);
    spin.SetRange32(-100000, 100000);
    spin.GetRange32(nLow, nHigh);
    EXPECT_EQ(-100000, nLow);
    EXPECT_EQ(100000, nHigh);
    spin.SetPos32(-70000);
    EXPECT_EQ(-70000, spin.GetPos32());
    EXPECT_EQ(10, spin.SetBase(16));
    EXPECT_EQ(16u, spin.GetBase());

    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_VISIBLE, CRect(0, 30, 200, 45), &host, 2));
    progress.SetRange32(0, 1000);
    progress.GetRange(nLow, nHigh);
    EXPECT_EQ(0, nLow);
    EXPECT_EQ(1000, nHigh);
    EXPECT_EQ(0, progress.SetPos(100));
    EXPECT_EQ(100, progress.OffsetPos(50));
    progress.SetStep(25);
    EXPECT_EQ(150, progress.StepIt());
    EXPECT_EQ(175, progress.GetPos());

    CSliderCtrl slider;
    ASSERT_TRUE(slider.Create(WS_VISIBLE | TBS_HORZ, CRect(0, 50, 200, 80), &host, 3));
    slider.SetRange(10, 90, TRUE);
    slider.GetRange(nLow, nHigh);
    EXPECT_EQ(10, nLow);
    EXPECT_EQ(90, nHigh);
    slider.SetPos(200);                   // clamped to the range
    EXPECT_EQ(90, slider.GetPos());
    slider.SetPageSize(20);
    EXPECT_EQ(20, slider.GetPageSize());

    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_VISIBLE, CRect(0, 90, 300, 200), &host, 4));
    EXPECT_EQ(0, tabs.InsertItem(0, "First"));
    EXPECT_EQ(1, tabs.InsertItem(1, "Second", 0));
    EXPECT_EQ(2, tabs.GetItemCount());
    EXPECT_EQ(0, tabs.SetCurSel(1));
    EXPECT_EQ(1, tabs.GetCurSel());
    char szText[32];
    TCITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = TCIF_TEXT;
    item.pszText = szText;
    item.cchTextMax = sizeof(szText);
    ASSERT_TRUE(tabs.GetItem(1, &item));
    EXPECT_STREQ("Second", szText);
    CRect rcTab;
    EXPECT_TRUE(tabs.GetItemRect(0, &rcTab));
    EXPECT_GT(rcTab.Width(), 0);
    EXPECT_TRUE(tabs.DeleteItem(0));
    EXPECT_EQ(1, tabs.GetItemCount());

    CStatusBarCtrl status;
    ASSERT_TRUE(status.Create(WS_VISIBLE | CCS_BOTTOM, CRect(0, 0, 0, 0), &host, 5));
    int widths[3] = { 100, 200, -1 };
    EXPECT_TRUE(status.SetParts(3, widths));
    int got[3] = { 0, 0, 0 };
    EXPECT_EQ(3, status.GetParts(3, got));
    EXPECT_EQ(100, got[0]);
    EXPECT_TRUE(status.SetText("Ready", 1, SBT_NOBORDERS));
    int nType = 0;
    EXPECT_STREQ("Ready", (LPCSTR)status.GetText(1, &nType));
    EXPECT_EQ(SBT_NOBORDERS, nType);
    EXPECT_EQ(5, status.GetTextLength(1));
    EXPECT_FALSE(status.IsSimple());

    // an animation that is neither a resource of the chain nor a file does not open
    CAnimateCtrl animation;
    ASSERT_TRUE(animation.Create(WS_VISIBLE | ACS_TRANSPARENT, CRect(300, 0, 340, 40), &host, 6));
    EXPECT_FALSE(animation.Open(IDB_GDITEST_STRIP + 999));
    EXPECT_FALSE(animation.Open("no such clip.avi"));
    animation.Close();

    animation.DestroyWindow();
    status.DestroyWindow();
    tabs.DestroyWindow();
    slider.DestroyWindow();
    progress.DestroyWindow();
    spin.DestroyWindow();
    AfxUnlockTempMaps();
}

/////////////////////////////////////////////////////////////////////////////
// Standard controls

TEST(StandardControls, EditSelectionLinesAndLimits)
{
    AfxLockTempMaps();
    CHostWnd host;
    ASSERT_TRUE(host.CreateHost());
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, CRect(0, 0, 200, 100), &host, 10));
    edit.SetWindowText("first line\r\nsecond\r\nthird");
    EXPECT_EQ(3, edit.GetLineCount());
    char szLine[32];
    EXPECT_EQ(6, edit.GetLine(1, szLine, sizeof(szLine)));
    EXPECT_STREQ("second", szLine);
    char szTiny[4];
    EXPECT_EQ(4, edit.GetLine(0, szTiny, sizeof(szTiny)));
    EXPECT_EQ(0, memcmp("firs", szTiny, 4));
    EXPECT_EQ(12, edit.LineIndex(1));
    EXPECT_EQ(1, edit.LineFromChar(13));
    EXPECT_EQ(6, edit.LineLength(12));

    edit.SetSel(2, 5);
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(2, nStart);
    EXPECT_EQ(5, nEnd);
    EXPECT_EQ(MAKELONG(2, 5), (LONG)edit.GetSel());
    edit.ReplaceSel("XY", TRUE);
    CString str;
    edit.GetWindowText(str);
    EXPECT_STREQ("fiXY line\r\nsecond\r\nthird", (LPCSTR)str);
    EXPECT_TRUE(edit.CanUndo());
    EXPECT_TRUE(edit.GetModify());
    edit.SetModify(FALSE);
    EXPECT_FALSE(edit.GetModify());

    edit.SetLimitText(50);
    EXPECT_EQ(50u, edit.GetLimitText());
    edit.SetMargins(3, 4);
    EXPECT_EQ((DWORD)MAKELONG(3, 4), edit.GetMargins());
    EXPECT_TRUE(edit.SetReadOnly());
    EXPECT_TRUE(edit.GetReadOnly());

    edit.DestroyWindow();
    AfxUnlockTempMaps();
}

TEST(StandardControls, ListBoxAndComboBoxStringsDataAndSelection)
{
    AfxLockTempMaps();
    CHostWnd host;
    ASSERT_TRUE(host.CreateHost());

    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_NOTIFY | LBS_HASSTRINGS, CRect(0, 0, 100, 100), &host, 20));
    EXPECT_EQ(0, list.AddString("one"));
    EXPECT_EQ(1, list.AddString("three"));
    EXPECT_EQ(1, list.InsertString(1, "two"));
    EXPECT_EQ(3, list.GetCount());
    CString str;
    list.GetText(2, str);
    EXPECT_STREQ("three", (LPCSTR)str);
    list.GetText(7, str);
    EXPECT_TRUE(str.IsEmpty());
    EXPECT_EQ(5, list.GetTextLen(2));
    int nMarker = 0;
    EXPECT_NE(LB_ERR, list.SetItemDataPtr(1, &nMarker));
    EXPECT_EQ(&nMarker, list.GetItemDataPtr(1));
    EXPECT_EQ(2, list.FindStringExact(-1, "THREE"));
    EXPECT_EQ(1, list.SelectString(-1, "tw"));
    EXPECT_EQ(1, list.GetCurSel());
    EXPECT_EQ(2, list.DeleteString(0));
    EXPECT_EQ(2, list.GetCount());

    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWN | CBS_HASSTRINGS, CRect(0, 120, 150, 300), &host, 21));
    EXPECT_EQ(0, combo.AddString("red"));
    EXPECT_EQ(1, combo.AddString("green"));
    EXPECT_EQ(0, combo.InsertString(0, "blue"));
    EXPECT_EQ(3, combo.GetCount());
    combo.GetLBText(2, str);
    EXPECT_STREQ("green", (LPCSTR)str);
    EXPECT_EQ(5, combo.GetLBTextLen(2));
    const DWORD_PTR dwBig = (DWORD_PTR)0x7FFF00001111ull;
    EXPECT_NE(CB_ERR, combo.SetItemData(1, dwBig));
    EXPECT_EQ(dwBig, combo.GetItemData(1));
    EXPECT_EQ(CB_ERR, combo.GetCurSel());
    EXPECT_EQ(2, combo.SetCurSel(2));
    EXPECT_EQ(2, combo.GetCurSel());
    EXPECT_EQ(1, combo.FindStringExact(-1, "RED"));
    EXPECT_EQ(0, combo.SelectString(-1, "bl"));
    EXPECT_FALSE(combo.GetDroppedState());
    combo.SetDroppedWidth(300);
    EXPECT_EQ(300, combo.GetDroppedWidth());
    EXPECT_TRUE(combo.SetEditSel(1, 3));
    EXPECT_EQ((DWORD)MAKELONG(1, 3), combo.GetEditSel());
    combo.ResetContent();
    EXPECT_EQ(0, combo.GetCount());

    combo.DestroyWindow();
    list.DestroyWindow();
    AfxUnlockTempMaps();
}

TEST(StandardControls, ButtonStaticAndScrollBar)
{
    AfxLockTempMaps();
    CHostWnd host;
    ASSERT_TRUE(host.CreateHost());

    CButton check;
    ASSERT_TRUE(check.Create("Check", WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 100, 20), &host, 30));
    EXPECT_EQ((UINT)BS_AUTOCHECKBOX, check.GetButtonStyle() & 0x0F);
    EXPECT_EQ(BST_UNCHECKED, check.GetCheck());
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, check.GetCheck());
    check.SetState(TRUE);
    EXPECT_TRUE(check.GetState() & BST_PUSHED);
    check.SetButtonStyle(BS_AUTORADIOBUTTON);
    EXPECT_EQ((UINT)BS_AUTORADIOBUTTON, check.GetButtonStyle() & 0x0F);

    CButton push;
    ASSERT_TRUE(push.Create("Push", WS_VISIBLE | BS_PUSHBUTTON | BS_BITMAP, CRect(0, 30, 60, 60), &host, 31));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(8, 8, 1, 32, NULL));
    EXPECT_TRUE(push.SetBitmap((HBITMAP)bitmap.m_hObject) == NULL);
    EXPECT_EQ((HBITMAP)bitmap.m_hObject, push.GetBitmap());

    CStatic picture;
    ASSERT_TRUE(picture.Create(NULL, WS_VISIBLE | SS_ICON, CRect(100, 30, 140, 70), &host));
    HICON hIcon = ::LoadIconA(NULL, (LPCSTR)IDI_APPLICATION);
    picture.SetIcon(hIcon);
    EXPECT_EQ(hIcon, picture.GetIcon());

    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_HORZ, CRect(0, 80, 200, 97), &host, 32));
    bar.SetScrollRange(0, 100);
    int nMin = -1, nMax = -1;
    bar.GetScrollRange(&nMin, &nMax);
    EXPECT_EQ(0, nMin);
    EXPECT_EQ(100, nMax);
    EXPECT_EQ(0, bar.SetScrollPos(40));
    EXPECT_EQ(40, bar.GetScrollPos());
    SCROLLINFO info;
    memset(&info, 0, sizeof(info));
    info.fMask = SIF_PAGE;
    info.nPage = 21;
    bar.SetScrollInfo(&info);
    EXPECT_EQ(80, bar.GetScrollLimit());
    ASSERT_TRUE(bar.GetScrollInfo(&info));
    EXPECT_EQ(21u, info.nPage);
    EXPECT_EQ(40, info.nPos);

    bar.DestroyWindow();
    picture.DestroyWindow();
    push.DestroyWindow();
    check.DestroyWindow();
    AfxUnlockTempMaps();
}

/////////////////////////////////////////////////////////////////////////////
// Owner-drawn controls: the parent's WM_DRAWITEM, WM_MEASUREITEM and WM_COMPAREITEM come back
// to the control object

namespace
{
class COwnerButton : public CButton
{
public:
    int m_nDraws = 0;
    UINT m_nCtlID = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        m_nDraws++;
        m_nCtlID = lpDIS->CtlID;
        ::FillRect(lpDIS->hDC, &lpDIS->rcItem, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    }
};

// Items are numbers kept as item data, sorted descending by the list's own comparison; each
// item is as tall as its number.
class CNumberList : public CListBox
{
public:
    int m_nMeasured = 0;
    int m_nCompared = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override
    {
        m_nMeasured++;
        lpMIS->itemHeight = (UINT)lpMIS->itemData;
    }
    int CompareItem(LPCOMPAREITEMSTRUCT lpCIS) override
    {
        m_nCompared++;
        int a = (int)lpCIS->itemData1, b = (int)lpCIS->itemData2;
        return a > b ? -1 : a < b ? 1 : 0;
    }
    void DrawItem(LPDRAWITEMSTRUCT) override {}
};
}

TEST(OwnerDraw, ButtonDrawsItselfThroughReflection)
{
    AfxLockTempMaps();
    CHostWnd host;
    ASSERT_TRUE(host.CreateHost());
    COwnerButton button;
    ASSERT_TRUE(button.Create("", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 60, 40), &host, 77));
    button.m_nDraws = 0;
    ::InvalidateRect(button.m_hWnd, NULL, TRUE);
    ::UpdateWindow(button.m_hWnd);
    EXPECT_GE(button.m_nDraws, 1);
    EXPECT_EQ(77u, button.m_nCtlID);
    button.DestroyWindow();
    AfxUnlockTempMaps();
}

TEST(OwnerDraw, ListBoxMeasuresAndSortsItsItems)
{
    AfxLockTempMaps();
    CHostWnd host;
    ASSERT_TRUE(host.CreateHost());
    CNumberList list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_SORT, CRect(0, 0, 100, 200),
        &host, 78));
    list.AddString((LPCSTR)(DWORD_PTR)14);
    list.AddString((LPCSTR)(DWORD_PTR)30);
    list.AddString((LPCSTR)(DWORD_PTR)22);
    ASSERT_EQ(3, list.GetCount());
    EXPECT_GE(list.m_nMeasured, 3);
    EXPECT_GE(list.m_nCompared, 1);
    EXPECT_EQ((DWORD_PTR)30, list.GetItemData(0));
    EXPECT_EQ((DWORD_PTR)22, list.GetItemData(1));
    EXPECT_EQ((DWORD_PTR)14, list.GetItemData(2));
    EXPECT_EQ(30, list.GetItemHeight(0));
    EXPECT_EQ(14, list.GetItemHeight(2));
    list.DestroyWindow();
    AfxUnlockTempMaps();
}
