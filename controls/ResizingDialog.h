// ResizingDialog.h - dialogs whose controls follow the dialog's size: CLayout (one arrangement's
// anchoring rules and splitters), CSplitterInfo, CResizingDialog.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

// Anchoring flags of a control entry
#define RDF_MOVE_HORZ       0x0001  // moves right with the growth in width
#define RDF_MOVE_VERT       0x0002  // moves down with the growth in height
#define RDF_GROW_HORZ       0x0004  // grows in width
#define RDF_GROW_VERT       0x0008  // grows in height
#define RDF_BEFORE_VSPLIT   0x0010  // lies before (left of) a vertical splitter
#define RDF_AFTER_VSPLIT    0x0020
#define RDF_BEFORE_HSPLIT   0x0040  // lies before (above) a horizontal splitter
#define RDF_AFTER_HSPLIT    0x0080

struct SLayoutControlInfo
{
    WORD nID;
    WORD wFlags;
    int nHParts, nHIndex;          // the growth in width is cut into nHParts; the control owns part nHIndex
    int nVParts, nVIndex;
};

// A splitter and the controls attached to it, each as (identifier | side flags << 16).
class AFX_EXT_CLASS CSplitterInfo
{
public:
    CSplitterInfo() : m_bVertical(TRUE), m_nPos(0) {}
    BOOL m_bVertical;
    int m_nPos;
    CDWordArray m_controls;
};

class AFX_EXT_CLASS CLayout
{
public:
    CLayout();
    ~CLayout();

    // A zero flags word is ignored (result -1); with bReplace an entry of the same identifier is
    // overwritten, else a new one is appended.  Result: the entry's index.
    int SetControlInfo(WORD nID, WORD wFlags, int bReplace = TRUE);
    int SetControlInfoEx(WORD nID, WORD wFlags, int nHParts, int nHIndex, int nVParts, int nVIndex,
        int bReplace = TRUE);
    int FindControlInfoIndex(WORD nID) const;
    int GetControlInfoCount() const { return (int)m_controls.GetSize(); }
    const SLayoutControlInfo& GetControlInfoEntry(int nIndex) const { return m_controls[nIndex]; }

    int AddSplitter();
    void RemoveSplitter(int nIndex);
    // attaches control nID with side flags wSide to splitter nIndex (bAttach), or detaches it
    int SetSplitterInfo(int nIndex, WORD nID, WORD wSide, int bAttach);
    int GetSplitterCount() const { return (int)m_splitters.GetSize(); }
    CSplitterInfo* GetSplitter(int nIndex) const;

    int CopyFrom(CLayout* pOther);
    void RemoveAll();

    WORD m_wReserved[2];
    CArray<SLayoutControlInfo, const SLayoutControlInfo&> m_controls;
    CPtrArray m_splitters;         // CSplitterInfo*, owned

private:
    CLayout(const CLayout&) = delete;
    CLayout& operator=(const CLayout&) = delete;
};

class AFX_EXT_CLASS CResizingDialog : public CDialog
{
    DECLARE_DYNAMIC(CResizingDialog)
public:
    CResizingDialog();
    CResizingDialog(UINT nIDTemplate, CWnd* pParent = NULL);
    virtual ~CResizingDialog();

    // the arrangements (copied); SetVertLayout gives the dialog its vertical arrangement
    int SetLayout(CLayout* pLayout);
    int SetHorzLayout(CLayout* pLayout);
    int SetVertLayout(CLayout* pLayout);
    void SetControlInfo(WORD nID, WORD wFlags, int bReplace = TRUE, int bHorz = TRUE);
    void SetControlInfoEx(WORD nID, WORD wFlags, int nHParts, int nHIndex, int nVParts, int nVIndex,
        int bReplace = TRUE, int bHorz = TRUE);
    int FindControlInfoIndex(WORD nID) const;
    // entry i of the current arrangement as (identifier | flags << 16); 0 when out of range
    DWORD GetControlInfo(int nIndex) const;
    int GetControlInfoCount() const;
    CSplitterInfo* GetSplitterInfo(int nIndex) const;
    int GetSplitterInfoCount() const;

    // smallest width of the controls that grow in width, smallest height of those that grow in
    // height; 0x7FFFFFFF where no control grows
    CSize CalcMinSize();
    CWnd* GetControl(int nIndex, WORD& nID);

    BOOL IsHorz(int cx, int cy) const;
    BOOL IsNeedToChangeOrientation(int cx, int cy) const;
    BOOL SetOrientation(int bHorz);
    // re-creates the controls from template nIDTemplate and lays them out for the current size
    BOOL SetDlgTemplate(UINT nIDTemplate);
    UINT GetTemplateID() const { return m_nIDTemplate; }

    virtual void GetDialogProfileEntry(CString& strSection);
    virtual void LoadSize();
    virtual void SaveSize();
    virtual void LoadSplittersState();
    virtual void SaveSplittersState();

    WORD m_wReserved1;
    int m_bRememberSize;
    int m_bRememberSplitters;
    int m_bShowSizeGrip;
    WORD m_wReserved2;
    CSize m_sizeMinTrack;          // 0: none
    CSize m_sizeMaxTrack;
    CSize m_sizeLaidOut;           // the client size the recorded control rectangles belong to
    BOOL m_bSized;
    int m_bHorz;
    CDWordArray m_laidOutIDs;      // the controls whose rectangles are recorded, in order
    CArray<CRect, const CRect&> m_laidOutRects;
    CLayout m_layoutHorz;
    CLayout m_layoutVert;
    UINT m_nIDTemplate;
    UINT m_nIDTemplateVert;        // the vertical arrangement's template (0: the same template)
    int m_bHasVert;
    CRect m_rect;

protected:
    virtual BOOL OnInitDialog();
    CLayout& CurrentLayout() { return m_bHorz ? m_layoutHorz : m_layoutVert; }
    const CLayout& CurrentLayout() const { return m_bHorz ? m_layoutHorz : m_layoutVert; }
    void RecordLayout();
    void ApplyLayout(int cx, int cy);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnDestroy();
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
