// test_resizing_dialog.cpp - resizing dialogs: growth shared by parts, orientation, minimum size,
// size grip and the size and splitter state remembered in the profile.  The dialogs are the
// library's integer input template (edit 1002 at 7,7 116x14, spin 1003, OK and Cancel) made
// modeless.
#include <WEXOctrl.h>
#include <gtest/gtest.h>
#include "wexotest.h"
#include "res/resource.h"

namespace
{
// The integer template's window text and number, as GetDialogProfileEntry writes them.
const char szSection[] = "Get Int(65b9)";

class CTestResizingDlg : public CResizingDialog
{
public:
    CTestResizingDlg() : CResizingDialog(IDD_GETINT) {}
    BOOL Make()
    {
        CUILResourceScope resources;
        return Create(IDD_GETINT, NULL);
    }
};

CRect ControlRect(CWnd* pDlg, int nID)
{
    CRect rect;
    pDlg->GetDlgItem(nID)->GetWindowRect(&rect);
    pDlg->ScreenToClient(&rect);
    return rect;
}

void GrowClient(CWnd* pDlg, int dx, int dy)
{
    CRect rect;
    pDlg->GetWindowRect(&rect);
    pDlg->SetWindowPos(NULL, 0, 0, rect.Width() + dx, rect.Height() + dy, SWP_NOMOVE | SWP_NOZORDER);
}
} // namespace

TEST(ResizingDialog, GrowthIsSharedByPartsTheLastPartTakingTheRest)
{
    CTestProfileScope profile;
    profile.UseIni();
    CTestResizingDlg dlg;
    dlg.m_bRememberSize = dlg.m_bRememberSplitters = 0;
    // edit, OK and Cancel in parts 0, 1 and 2 of 3, each moving with and growing by its part
    const int ids[] = {IDC_INPUT_VALUE, IDOK, IDCANCEL};
    for (int i = 0; i < 3; i++)
        dlg.SetControlInfoEx((WORD)ids[i], RDF_MOVE_HORZ | RDF_GROW_HORZ, 3, i, 1, 0);
    dlg.SetControlInfo(IDC_INPUT_SPIN, RDF_MOVE_VERT);       // one part: all of the growth
    dlg.SetControlInfo(4242, RDF_GROW_VERT);                 // not in the dialog: skipped
    ASSERT_TRUE(dlg.Make());
    CRect before[3];
    for (int i = 0; i < 3; i++)
        before[i] = ControlRect(&dlg, ids[i]);
    CRect spinBefore = ControlRect(&dlg, IDC_INPUT_SPIN);

    GrowClient(&dlg, 10, 5);
    const int offsets[] = {0, 3, 6}, growths[] = {3, 3, 4};
    for (int i = 0; i < 3; i++)
    {
        CRect after = ControlRect(&dlg, ids[i]);
        EXPECT_EQ(before[i].left + offsets[i], after.left) << ids[i];
        EXPECT_EQ(before[i].Width() + growths[i], after.Width()) << ids[i];
        EXPECT_EQ(before[i].top, after.top) << ids[i];
    }
    EXPECT_EQ(spinBefore.top + 5, ControlRect(&dlg, IDC_INPUT_SPIN).top);
    EXPECT_EQ(spinBefore.left, ControlRect(&dlg, IDC_INPUT_SPIN).left);

    // laid out from the first layout, not step by step: back to the start, the start again
    GrowClient(&dlg, -10, -5);
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(before[i], ControlRect(&dlg, ids[i])) << ids[i];
    dlg.DestroyWindow();
}

TEST(ResizingDialog, EntriesMinimumSizeAndSizeGrip)
{
    CTestProfileScope profile;
    profile.UseIni();
    CTestResizingDlg dlg;
    dlg.SetControlInfo(IDC_INPUT_VALUE, RDF_GROW_HORZ);
    dlg.SetControlInfo(IDOK, 0);                             // a zero flags word is ignored
    dlg.SetControlInfo(IDC_INPUT_VALUE, RDF_GROW_HORZ | RDF_MOVE_VERT);      // replaced
    dlg.SetControlInfo(IDC_INPUT_VALUE, RDF_MOVE_HORZ, FALSE);              // appended
    EXPECT_EQ(2, dlg.GetControlInfoCount());
    EXPECT_EQ(-1, dlg.FindControlInfoIndex(IDOK));
    EXPECT_EQ((DWORD)MAKELONG(IDC_INPUT_VALUE, RDF_GROW_HORZ | RDF_MOVE_VERT), dlg.GetControlInfo(0));
    EXPECT_EQ(0u, dlg.GetControlInfo(2));
    ASSERT_TRUE(dlg.Make());

    CSize sizeMin = dlg.CalcMinSize();
    EXPECT_EQ(ControlRect(&dlg, IDC_INPUT_VALUE).Width(), sizeMin.cx);
    EXPECT_EQ(0x7FFFFFFF, sizeMin.cy);

    // the creation size is the smallest the user can make it
    CRect rcWindow;
    dlg.GetWindowRect(&rcWindow);
    MINMAXINFO mmi;
    memset(&mmi, 0, sizeof(mmi));
    dlg.SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    EXPECT_EQ(rcWindow.Width(), mmi.ptMinTrackSize.x);
    EXPECT_EQ(rcWindow.Height(), mmi.ptMinTrackSize.y);

    CRect rcClient;
    dlg.GetClientRect(&rcClient);
    dlg.ClientToScreen(&rcClient);
    CPoint ptCorner(rcClient.right - 2, rcClient.bottom - 2), ptInside(rcClient.left + 2, rcClient.top + 2);
    EXPECT_EQ(HTBOTTOMRIGHT, dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptCorner.x, ptCorner.y)));
    EXPECT_EQ(HTCLIENT, dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptInside.x, ptInside.y)));
    dlg.m_bShowSizeGrip = 0;
    EXPECT_EQ(HTCLIENT, dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptCorner.x, ptCorner.y)));
    dlg.DestroyWindow();
}

TEST(ResizingDialog, OrientationFollowsTheShapeOnlyWithAVerticalArrangement)
{
    CTestProfileScope profile;
    profile.UseIni();
    CTestResizingDlg dlg;
    struct SShape { int cx, cy; BOOL bHorzWithout, bHorzWith; };
    const SShape shapes[] = {{200, 100, TRUE, TRUE}, {100, 200, TRUE, FALSE}, {150, 150, TRUE, TRUE}};
    for (const SShape& s : shapes)
        EXPECT_EQ(s.bHorzWithout, dlg.IsHorz(s.cx, s.cy)) << s.cx << "x" << s.cy;
    EXPECT_FALSE(dlg.IsNeedToChangeOrientation(100, 200));
    EXPECT_FALSE(dlg.SetOrientation(FALSE));
    EXPECT_EQ(1, dlg.m_bHorz);

    CLayout vert;
    vert.SetControlInfo(IDC_INPUT_VALUE, RDF_GROW_HORZ);
    EXPECT_TRUE(dlg.SetVertLayout(&vert));
    for (const SShape& s : shapes)
        EXPECT_EQ(s.bHorzWith, dlg.IsHorz(s.cx, s.cy)) << s.cx << "x" << s.cy;
    EXPECT_TRUE(dlg.IsNeedToChangeOrientation(100, 200));

    // the vertical arrangement's template replaces the controls: the text template has no spin
    dlg.m_nIDTemplateVert = IDD_GETSTRING;
    ASSERT_TRUE(dlg.Make());
    ASSERT_TRUE(dlg.GetDlgItem(IDC_INPUT_SPIN) != NULL);
    {
        CUILResourceScope resources;
        EXPECT_TRUE(dlg.SetOrientation(FALSE));
    }
    EXPECT_EQ(0, dlg.m_bHorz);
    EXPECT_EQ((UINT)IDD_GETSTRING, dlg.GetTemplateID());
    EXPECT_TRUE(dlg.GetDlgItem(IDC_INPUT_SPIN) == NULL);
    EXPECT_TRUE(dlg.GetDlgItem(IDC_INPUT_VALUE) != NULL);
    dlg.DestroyWindow();
}

TEST(ResizingDialog, StoredPositionAndSizeAreAppliedAsFarAsTheyAreWhole)
{
    struct SCase
    {
        LPCSTR lpszName;
        LPCSTR x, y, cx, cy;       // NULL: not stored
        BOOL bMoved, bSized;
    };
    const SCase cases[] = {
        {"nothing stored", NULL, NULL, NULL, NULL, FALSE, FALSE},
        {"position and size", "40", "30", "400", "200", TRUE, TRUE},
        {"position, zero width", "40", "30", "0", "200", TRUE, FALSE},
        {"size only", NULL, NULL, "400", "200", FALSE, TRUE},
        {"garbage", "abc", "30", "-5", "x", FALSE, FALSE},
        {"size below the template's", NULL, NULL, "20", "10", FALSE, FALSE},
    };
    for (const SCase& c : cases)
    {
        CTestProfileScope profile;
        profile.UseIni();
        const LPCSTR values[] = {c.x, c.y, c.cx, c.cy}, keys[] = {"X", "Y", "CX", "CY"};
        for (int i = 0; i < 4; i++)
            if (values[i] != NULL)
                SaveIniString(szSection, keys[i], values[i], NULL);
        CTestResizingDlg reference, dlg;
        reference.m_bRememberSize = 0;
        ASSERT_TRUE(reference.Make());
        ASSERT_TRUE(dlg.Make());
        CRect rcDefault, rc;
        reference.GetWindowRect(&rcDefault);
        dlg.GetWindowRect(&rc);
        EXPECT_EQ(c.bMoved ? CPoint(40, 30) : rcDefault.TopLeft(), rc.TopLeft()) << c.lpszName;
        EXPECT_EQ(c.bSized ? CSize(400, 200) : rcDefault.Size(), rc.Size()) << c.lpszName;
        reference.DestroyWindow();
        dlg.DestroyWindow();
    }
}

TEST(ResizingDialog, SizeAndSplitterControlsSurviveTheDialog)
{
    CTestProfileScope profile;
    profile.UseIni();
    CLayout layout;
    int iSplitter = layout.AddSplitter();
    EXPECT_EQ(1, layout.SetSplitterInfo(iSplitter, IDC_INPUT_VALUE, RDF_BEFORE_VSPLIT, TRUE));
    EXPECT_EQ(1, layout.SetSplitterInfo(iSplitter, 4242, RDF_AFTER_VSPLIT, TRUE));   // not in the dialog
    EXPECT_EQ(0, layout.SetSplitterInfo(5, IDOK, RDF_AFTER_VSPLIT, TRUE));
    {
        CTestResizingDlg dlg;
        dlg.SetLayout(&layout);
        ASSERT_TRUE(dlg.Make());
        dlg.SetWindowPos(NULL, 60, 70, 500, 300, SWP_NOZORDER);
        dlg.GetDlgItem(IDC_INPUT_VALUE)->MoveWindow(11, 12, 50, 20);
        dlg.DestroyWindow();
    }
    EXPECT_EQ(60, LoadIniInt(szSection, "X", 0, NULL));
    EXPECT_EQ(300, LoadIniInt(szSection, "CY", 0, NULL));
    EXPECT_EQ(1, LoadIniInt(szSection, "SplittersCount", 0, NULL));
    EXPECT_EQ(2, LoadIniInt(szSection, "Splitter0_WndCount", 0, NULL));
    EXPECT_EQ(4242, LoadIniInt(szSection, "Splitter0_Wnd1_ID", 0, NULL));
    EXPECT_EQ(61, LoadIniInt(szSection, "Splitter0_Wnd0_right", 0, NULL));
    EXPECT_EQ(-1, LoadIniInt(szSection, "Splitter0_Wnd1_left", -1, NULL));

    CTestResizingDlg dlg;
    dlg.SetLayout(&layout);
    ASSERT_TRUE(dlg.Make());
    CRect rc;
    dlg.GetWindowRect(&rc);
    EXPECT_EQ(CRect(60, 70, 560, 370), rc);
    EXPECT_EQ(CRect(11, 12, 61, 32), ControlRect(&dlg, IDC_INPUT_VALUE));
    dlg.DestroyWindow();
}
