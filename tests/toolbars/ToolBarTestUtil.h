// ToolBarTestUtil.h - a host frame for the toolbar tests: it docks bars, counts the commands it
// receives and answers the idle update for some of them.
#pragma once

#include <WEXOctrl.h>
#include <gtest/gtest.h>
#include "wexotest.h"
#include "toolbars_test_res.h"
#include <map>
#include <memory>
#include <vector>

class CToolBarTestHost : public CUILMainFrame
{
public:
    std::vector<UINT> m_commands;
    std::map<UINT, int> m_enable;      // id -> Enable() argument in the idle update
    std::map<UINT, int> m_check;       // id -> SetCheck() argument

    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
    {
        if (nID >= ID_TBTEST_A && nID <= ID_TBTEST_Q)
        {
            if (nCode == CN_COMMAND)
            {
                if (pHandlerInfo == NULL)
                    m_commands.push_back(nID);
                return TRUE;
            }
            if (nCode == (int)CN_UPDATE_COMMAND_UI)
            {
                CCmdUI* pCmdUI = (CCmdUI*)pExtra;
                auto e = m_enable.find(nID);
                pCmdUI->Enable(e == m_enable.end() ? TRUE : e->second);
                auto c = m_check.find(nID);
                if (c != m_check.end())
                    pCmdUI->SetCheck(c->second);
                return TRUE;
            }
        }
        return CUILMainFrame::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};

class ToolBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pHost = new CToolBarTestHost;     // a frame deletes itself with its window
        ASSERT_TRUE(m_pHost->Create(NULL, "Toolbar host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 640, 440)));
        m_pHost->EnableDocking(CBRS_ALIGN_ANY);
        m_pMainScope.reset(new CMainWindowScope(m_pHost));
    }
    void TearDown() override
    {
        if (::GetCapture() != NULL)
            ::ReleaseCapture();
        m_pMainScope.reset();
        for (auto& p : m_bars)
            if (p->GetSafeHwnd() != NULL)
                p->DestroyWindow();
        if (m_pHost->GetSafeHwnd() != NULL)
            m_pHost->DestroyWindow();
        m_bars.clear();
        PumpTestMessages(10);
    }
    // a bar of bar style nStyle loaded from toolbar resource nID, docked on side nDockBar (0:
    // not docked: a plain child of the frame)
    CUILToolBar* MakeBar(UINT nID, int nStyle, UINT nDockBar, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP)
    {
        m_bars.emplace_back(new CUILToolBar);
        CUILToolBar* pBar = m_bars.back().get();
        pBar->m_nBarStyle = nStyle;
        EXPECT_TRUE(pBar->Create(m_pHost, dwStyle, 0xE900 + (UINT)m_bars.size()));
        EXPECT_TRUE(pBar->LoadToolBar(nID));
        pBar->SetNewStyle(nStyle, 0);
        if (nDockBar != 0)
        {
            pBar->EnableDocking(CBRS_ALIGN_ANY);
            m_pHost->DockControlBar(pBar, nDockBar);
        }
        m_pHost->RecalcLayout();
        return pBar;
    }
    static CRect ItemRect(CUILToolBar* pBar, int nIndex)
    {
        CRect rect;
        pBar->GetItemRect(nIndex, &rect);
        return rect;
    }
    static CPoint ItemCentre(CUILToolBar* pBar, int nIndex)
    {
        return ScreenPoint(pBar, ItemRect(pBar, nIndex).CenterPoint());
    }
    static CSize WindowSize(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        return rect.Size();
    }

    CToolBarTestHost* m_pHost = NULL;
    std::unique_ptr<CMainWindowScope> m_pMainScope;
    std::vector<std::unique_ptr<CUILToolBar>> m_bars;
};
