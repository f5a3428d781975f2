// DrawingView.h - the drawing area of the showcase: an empty sheet with a grid and the
// coordinate axes, as a CAD host shows before anything is drawn.
#pragma once

#include <WEXOctrl.h>

class CDrawingView : public CWnd
{
public:
    CDrawingView();
    virtual ~CDrawingView();

    BOOL IsGridVisible() const { return m_bShowGrid; }
    void ShowGrid(BOOL bShow);
    BOOL AreAxesVisible() const { return m_bShowAxes; }
    void ShowAxes(BOOL bShow);
    int GetGridStep() const { return m_nGridStep; }
    void SetGridStep(int nStep);
    // back to an empty sheet with the default settings
    void ResetDrawing();

protected:
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    void DrawGrid(CDC* pDC, const CRect& rectClient, COLORREF clrMinorGrid, COLORREF clrMajorGrid);
    void DrawAxes(CDC* pDC, const CRect& rectClient);

    BOOL m_bShowGrid;
    BOOL m_bShowAxes;
    int m_nGridStep;        // pixels between minor lines; every fifth line is a major one

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnFileNewDrawing();
    afx_msg void OnViewGrid();
    afx_msg void OnUpdateViewGrid(CCmdUI* pCmdUI);
    afx_msg void OnViewAxes();
    afx_msg void OnUpdateViewAxes(CCmdUI* pCmdUI);
    afx_msg void OnViewRecolour();      // the objects scene's late-bound change
    DECLARE_MESSAGE_MAP()
};
