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

// What the wrapper adds to the tree view: the arguments it packs (insert forms, item rectangles,
// hit tests, state-image check boxes), texts of any length, pointer-wide data and the image list
// handed back as its owner.
TEST_F(TreeCtrlTest, WrapperPacksArgumentsAndHandsBackOwners)
{
    EXPECT_TRUE(m_tree.IsKindOf(RUNTIME_CLASS(CTreeCtrl)));
    EXPECT_EQ(m_hChild2, m_tree.GetNextSiblingItem(m_hChild1));
    EXPECT_EQ(m_hChild1, m_tree.GetParentItem(m_hGrand));
    EXPECT_EQ((UINT)TVIS_BOLD, m_tree.GetItemState(m_hChild2, TVIS_BOLD));
    int nImage = -1, nSelected = -1;
    EXPECT_TRUE(m_tree.GetItemImage(m_hGrand, nImage, nSelected));
    EXPECT_EQ(1, nImage);
    EXPECT_EQ(2, nSelected);

    std::string strLong(700, 'q');
    strLong[699] = 'z';
    EXPECT_TRUE(m_tree.SetItemText(m_hGrand, strLong.c_str()));
    EXPECT_EQ(strLong, std::string((LPCSTR)m_tree.GetItemText(m_hGrand)));
    EXPECT_EQ((DWORD_PTR)0x1234, m_tree.GetItemData(m_hChild2));
    const DWORD_PTR dwPointer = (DWORD_PTR)0x0000123456789ABCull;     // needs all 64 bits
    EXPECT_TRUE(m_tree.SetItemData(m_hChild1, dwPointer));
    EXPECT_EQ(dwPointer, m_tree.GetItemData(m_hChild1));

    m_tree.Expand(m_hRoot, TVE_EXPAND);
    CRect rcText, rcRow;
    ASSERT_TRUE(m_tree.GetItemRect(m_hChild2, &rcText, TRUE));
    ASSERT_TRUE(m_tree.GetItemRect(m_hChild2, &rcRow, FALSE));
    EXPECT_GE(rcText.left, rcRow.left);
    UINT nFlags = 0;
    EXPECT_EQ(m_hChild2, m_tree.HitTest(CPoint(rcText.left + 2, (rcText.top + rcText.bottom) / 2), &nFlags));
    EXPECT_TRUE(nFlags & TVHT_ONITEMLABEL);
    EXPECT_TRUE(m_tree.HitTest(CPoint(5, 240), &nFlags) == NULL);
    EXPECT_TRUE(nFlags & TVHT_NOWHERE);

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 4));
    EXPECT_TRUE(m_tree.SetImageList(&images, TVSIL_NORMAL) == NULL);
    EXPECT_EQ(&images, m_tree.GetImageList(TVSIL_NORMAL));        // the owner, not a copy
    CImageList* pDrag = m_tree.CreateDragImage(m_hChild2);
    ASSERT_TRUE(pDrag != NULL);
    EXPECT_EQ(pDrag, CImageList::FromHandlePermanent(pDrag->m_hImageList));
    delete pDrag;
    EXPECT_EQ(&images, m_tree.SetImageList(NULL, TVSIL_NORMAL));

    // check boxes are state images 1 (clear) and 2 (checked); the style goes on after creation
    CTreeCtrl checks;
    ASSERT_TRUE(checks.Create(WS_VISIBLE | TVS_HASLINES, CRect(250, 0, 390, 200), &m_host, 101));
    ::SetWindowLongA(checks.m_hWnd, GWL_STYLE, ::GetWindowLongA(checks.m_hWnd, GWL_STYLE) | TVS_CHECKBOXES);
    HTREEITEM hItem = checks.InsertItem("option");
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

// The toolbar wrapper's own work: command ids to indexes and back, sizes split from one LONG.
TEST(ToolBarCtrl, CommandsIndexesAndSizes)
{
    AfxLockTempMaps();
    CHostWnd host;
    ASSERT_TRUE(host.CreateHost());
    CToolBarCtrl bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | TBSTYLE_FLAT | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER,
        CRect(0, 0, 300, 40), &host, AFX_IDW_TOOLBAR));
    TBBUTTON buttons[3];
    memset(buttons, 0, sizeof(buttons));
    buttons[0].idCommand = 10; buttons[0].fsState = TBSTATE_ENABLED; buttons[0].fsStyle = BTNS_CHECK;
    buttons[1].fsStyle = BTNS_SEP;
    buttons[2].iBitmap = 1; buttons[2].idCommand = 11; buttons[2].fsState = TBSTATE_ENABLED;
    EXPECT_TRUE(bar.AddButtons(3, buttons));
    EXPECT_EQ(2u, bar.CommandToIndex(11));
    EXPECT_EQ((UINT)-1, bar.CommandToIndex(99));
    EXPECT_TRUE(bar.CheckButton(10));
    EXPECT_TRUE(bar.IsButtonChecked(10));
    EXPECT_TRUE(bar.EnableButton(11, FALSE));
    EXPECT_FALSE(bar.IsButtonEnabled(11));

    EXPECT_TRUE(bar.SetButtonSize(CSize(30, 28)));
    EXPECT_EQ(MAKELONG(30, 28), (LONG)bar.GetButtonSize());
    CRect rcById, rcByIndex;
    ASSERT_TRUE(bar.GetRect(11, &rcById));
    ASSERT_TRUE(bar.GetItemRect(2, &rcByIndex));
    EXPECT_EQ(rcByIndex, rcById);
    EXPECT_EQ(CSize(30, 28), rcById.Size());

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

// Where the smaller wrappers split or join values: ranges as two out-parameters, 32-bit
// positions, a status part's text with its drawing type, a clip the resource chain lacks.
TEST(CommonControls, RangesPartsAndTextsComeBackSplit)
{
    AfxLockTempMaps();
    CHostWnd host;
    ASSERT_TRUE(host.CreateHost());

    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_SETBUDDYINT, CRect(0, 0, 20, 20), &host, 1));
    int nLow = 0, nHigh = 0;
    spin.SetRange(-5, 50);
    spin.GetRange(nLow, nHigh);
    EXPECT_EQ(-5, nLow);
    EXPECT_EQ(50, nHigh);
    spin.SetRange32(-100000, 100000);
    spin.SetPos32(-70000);
    EXPECT_EQ(-70000, spin.GetPos32());

    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_VISIBLE, CRect(0, 30, 200, 45), &host, 2));
    progress.SetRange32(0, 1000);
    progress.GetRange(nLow, nHigh);
    EXPECT_EQ(1000, nHigh);

    CSliderCtrl slider;
    ASSERT_TRUE(slider.Create(WS_VISIBLE | TBS_HORZ, CRect(0, 50, 200, 80), &host, 3));
    slider.SetRange(10, 90, TRUE);
    slider.GetRange(nLow, nHigh);
    EXPECT_EQ(10, nLow);
    EXPECT_EQ(90, nHigh);

    CStatusBarCtrl status;
    ASSERT_TRUE(status.Create(WS_VISIBLE | CCS_BOTTOM, CRect(0, 0, 0, 0), &host, 5));
    int widths[3] = { 100, 200, -1 };
    EXPECT_TRUE(status.SetParts(3, widths));
    EXPECT_TRUE(status.SetText("Ready", 1, SBT_NOBORDERS));
    int nType = 0;
    EXPECT_STREQ("Ready", (LPCSTR)status.GetText(1, &nType));
    EXPECT_EQ(SBT_NOBORDERS, nType);
    EXPECT_EQ(5, status.GetTextLength(1));

    // an animation that is neither a resource of the chain nor a file does not open
    CAnimateCtrl animation;
    ASSERT_TRUE(animation.Create(WS_VISIBLE | ACS_TRANSPARENT, CRect(300, 0, 340, 40), &host, 6));
    EXPECT_FALSE(animation.Open(IDB_GDITEST_STRIP + 999));
    EXPECT_FALSE(animation.Open("no such clip.avi"));

    animation.DestroyWindow();
    status.DestroyWindow();
    slider.DestroyWindow();
    progress.DestroyWindow();
    spin.DestroyWindow();
    AfxUnlockTempMaps();
}

/////////////////////////////////////////////////////////////////////////////
// Standard controls

// Where the standard-control wrappers do more than pass a message on: a line copied into a
// buffer that carries its size, texts into CStrings (nothing for a missing item), pointer-wide
// item data, pairs split from one LONG or into out-parameters, the scroll limit.
TEST(StandardControls, BuffersTextsDataAndSplitValues)
{
    AfxLockTempMaps();
    CHostWnd host;
    ASSERT_TRUE(host.CreateHost());
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, CRect(0, 0, 200, 100), &host, 10));
    edit.SetWindowText("first line\r\nsecond\r\nthird");
    char szLine[32];
    EXPECT_EQ(6, edit.GetLine(1, szLine, sizeof(szLine)));
    EXPECT_STREQ("second", szLine);
    char szTiny[4];
    EXPECT_EQ(4, edit.GetLine(0, szTiny, sizeof(szTiny)));
    EXPECT_EQ(0, memcmp("firs", szTiny, 4));
    edit.SetSel(2, 5);
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(2, nStart);
    EXPECT_EQ(5, nEnd);
    edit.SetMargins(3, 4);
    EXPECT_EQ((DWORD)MAKELONG(3, 4), edit.GetMargins());

    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_NOTIFY | LBS_HASSTRINGS, CRect(0, 0, 100, 100), &host, 20));
    list.AddString("one");
    list.AddString("three");
    CString str;
    list.GetText(1, str);
    EXPECT_STREQ("three", (LPCSTR)str);
    list.GetText(7, str);
    EXPECT_TRUE(str.IsEmpty());
    int nMarker = 0;
    EXPECT_NE(LB_ERR, list.SetItemDataPtr(1, &nMarker));
    EXPECT_EQ(&nMarker, list.GetItemDataPtr(1));

    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWN | CBS_HASSTRINGS, CRect(0, 120, 150, 300), &host, 21));
    combo.AddString("red");
    combo.AddString("green");
    combo.GetLBText(1, str);
    EXPECT_STREQ("green", (LPCSTR)str);
    const DWORD_PTR dwBig = (DWORD_PTR)0x7FFF00001111ull;
    EXPECT_NE(CB_ERR, combo.SetItemData(1, dwBig));
    EXPECT_EQ(dwBig, combo.GetItemData(1));
    combo.SetCurSel(1);     // the edit holds "green", so there is text to select in
    EXPECT_TRUE(combo.SetEditSel(1, 3));
    EXPECT_EQ((DWORD)MAKELONG(1, 3), combo.GetEditSel());

    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_HORZ, CRect(0, 80, 200, 97), &host, 32));
    bar.SetScrollRange(0, 100);
    int nMin = -1, nMax = -1;
    bar.GetScrollRange(&nMin, &nMax);
    EXPECT_EQ(100, nMax);
    SCROLLINFO info;
    memset(&info, 0, sizeof(info));
    info.fMask = SIF_PAGE;
    info.nPage = 21;
    bar.SetScrollInfo(&info);
    EXPECT_EQ(80, bar.GetScrollLimit());

    bar.DestroyWindow();
    combo.DestroyWindow();
    list.DestroyWindow();
    edit.DestroyWindow();
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
