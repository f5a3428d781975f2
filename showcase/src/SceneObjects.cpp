// SceneObjects.cpp - the objects scene: named objects with property collections, a late-bound
// change and the drawing's event sink.
#include "SceneObjects.h"
#include "MainFrm.h"
#include "resource.h"

namespace
{
const WORD TYPE_LAYER = 1;
const WORD TYPE_LINESTYLE = 2;
const DWORD PROP_COLOR = 101;
const DWORD PROP_WIDTH = 102;
const DWORD PROP_VISIBLE = 103;
const DWORD STATE_READY = 1;
const DWORD STATE_BUSY = 2;
const COLORREF clrWalls = RGB(200, 40, 40);
const COLORREF clrWallsRecoloured = RGB(240, 150, 0);

// A shape of the drawing: a named object whose colour, width and visibility are properties.
class CShapeObject : public CNamedObject
{
public:
    CShapeObject(const char* lpszName, WORD nType, COLORREF clr, int nWidth, const CRect& rect)
        : CNamedObject(lpszName, NULL, nType), m_clr(clr), m_nWidth(nWidth), m_bVisible(TRUE), m_rect(rect)
    {
    }

    int InitProps(CObjXDBPropColl* pColl) override
    {
        int nResult = CNamedObject::InitProps(pColl);
        IDBCOLLECTION* pProps = NULL;
        if (m_pProps == NULL ||
            FAILED(m_pProps->GetIDispatch(FALSE)->QueryInterface(IID_IDBCOLLECTION, (void**)&pProps)))
            return 0;
        for (DWORD nID : { PROP_COLOR, PROP_WIDTH, PROP_VISIBLE })
            if (FAILED(AddProperty(pProps, nID, 0)))
                nResult = 0;
        pProps->Release();
        return nResult;
    }
    int GetPropValue(VARIANT* pValue, DWORD nID, IDispatch* pProp) override
    {
        switch (nID)
        {
        case PROP_COLOR:
            ::VariantClear(pValue);
            pValue->vt = VT_I4;
            pValue->lVal = (long)m_clr;
            return 1;
        case PROP_WIDTH:
            ::VariantClear(pValue);
            pValue->vt = VT_I4;
            pValue->lVal = m_nWidth;
            return 1;
        case PROP_VISIBLE:
            ::VariantClear(pValue);
            pValue->vt = VT_BOOL;
            pValue->boolVal = m_bVisible ? VARIANT_TRUE : VARIANT_FALSE;
            return 1;
        }
        return CNamedObject::GetPropValue(pValue, nID, pProp);
    }
    int OnSetPropValue(VARIANT value, DWORD nID, BOOL bNotify, IDispatch* pProp) override
    {
        if (nID != PROP_COLOR && nID != PROP_WIDTH && nID != PROP_VISIBLE)
            return CNamedObject::OnSetPropValue(value, nID, bNotify, pProp);
        COleVariant v(value);
        if (FAILED(::VariantChangeType(&v, &v, 0, nID == PROP_VISIBLE ? VT_BOOL : VT_I4)))
            return 0;
        if (nID == PROP_COLOR)
            m_clr = (COLORREF)v.lVal;
        else if (nID == PROP_WIDTH)
            m_nWidth = v.lVal;
        else
            m_bVisible = v.boolVal != VARIANT_FALSE;
        m_nLastProperty = nID;
        return 1;
    }

    COLORREF m_clr;
    int m_nWidth;
    BOOL m_bVisible;
    CRect m_rect;
};

// The drawing's sink of the shapes' change events: every change repaints the view.
class CDrawingSink : public CPropClient
{
public:
    int OnSetPropValue(VARIANT, DWORD, BOOL, IDispatch*) override
    {
        m_nEvents++;
        if (m_pView != NULL && m_pView->GetSafeHwnd() != NULL)
            m_pView->Invalidate();
        return 1;
    }
    CWnd* m_pView = NULL;
    int m_nEvents = 0;
};

struct SObjectsModel
{
    CPropertiesInfo descriptions;
    CNamedObjectsArray shapes{ NOBJARRAY_DELETE };
    CDrawingSink sink;
    CAnimIndicator indicator;
    BOOL bShown = FALSE;
};
SObjectsModel* s_pModel = NULL;

void RegisterType(WORD nType, const char* lpszName)
{
    if (GetNamedObjectTypeInfo(nType, NULL))
        return;
    SNamedObjectTypeInfo* pInfo = new SNamedObjectTypeInfo;
    pInfo->m_strKeyName = pInfo->m_strTypeName = pInfo->m_strUIName1 = pInfo->m_strUIName2 = lpszName;
    AddNamedObjectTypeInfo(nType, pInfo);
}

BOOL BuildModel(CMainFrame* pFrame)
{
    if (s_pModel != NULL)
        return TRUE;
    s_pModel = new SObjectsModel;
    if (g_pPropertiesInfoStuff == NULL)
        g_pPropertiesInfoStuff = &s_pModel->descriptions;
    const struct { DWORD nID; WORD nType; const char* pszName; } props[] = {
        { 0xFFFF, 1, "Name" }, { 0xFFFE, 4, "Active" }, { PROP_COLOR, 7, "Colour" },
        { PROP_WIDTH, 2, "Line width" }, { PROP_VISIBLE, 4, "Visible" },
    };
    for (const auto& p : props)
    {
        CString strName(p.pszName);
        g_pPropertiesInfoStuff->Add(p.nID, p.nType, &strName, &strName, CSize(0, 0), (CImageList*)NULL, -1, NULL, 0);
    }
    RegisterType(TYPE_LAYER, "Layer");
    RegisterType(TYPE_LINESTYLE, "Line style");

    s_pModel->shapes.Add(new CShapeObject("Walls", TYPE_LAYER, clrWalls, 3, CRect(120, 60, 420, 300)));
    s_pModel->shapes.Add(new CShapeObject("Doors", TYPE_LAYER, RGB(40, 90, 200), 2, CRect(240, 200, 300, 300)));
    s_pModel->shapes.Add(new CShapeObject("Dashed", TYPE_LINESTYLE, RGB(40, 150, 60), 1, CRect(120, 330, 420, 330)));
    s_pModel->sink.m_pView = &pFrame->GetDrawingView();
    for (int i = 0; i < s_pModel->shapes.GetSize(); i++)
    {
        CObjXDBPropColl* pProps = s_pModel->shapes.GetAt(i)->GetProps();
        for (long j = 0; pProps != NULL && j < pProps->GetCount(); j++)
        {
            IDispatch* pProp = pProps->GetItem(j);
            s_pModel->sink.Connect(pProp, NULL, PROPCONNECT_EVENTS);
            pProp->Release();
        }
    }

    // the indicator sits at the right end of the status bar
    CStatusBar& bar = pFrame->GetStatusBar();
    CRect rectBar;
    bar.GetClientRect(&rectBar);
    int nSide = rectBar.Height() - 2;
    if (!s_pModel->indicator.Create(WS_CHILD, CRect(rectBar.right - nSide - 20, 1, rectBar.right - 20, 1 + nSide),
            &bar, 0x7F00))
        return FALSE;
    s_pModel->indicator.SetSize(CSize(nSide - 2, nSide - 2), CSize(48, 48));
    const SIndicatorState states[] = {
        { STATE_READY, RGB(120, 200, 120), INDICATOR_KIND_BITMAP, 0, 0 },
        { STATE_BUSY, GetSysColor(COLOR_BTNFACE), INDICATOR_KIND_AVI, IDR_INDICATOR_SMALL, IDR_INDICATOR_LARGE },
    };
    s_pModel->indicator.SetIndicatorStates(states, 2);
    s_pModel->indicator.ChangeState(STATE_READY);
    return TRUE;
}

CShapeObject* FindShape(const char* lpszName)
{
    if (s_pModel == NULL)
        return NULL;
    for (int i = 0; i < s_pModel->shapes.GetSize(); i++)
    {
        if (s_pModel->shapes.GetAt(i)->GetName() == lpszName)
            return static_cast<CShapeObject*>(s_pModel->shapes.GetAt(i));
    }
    return NULL;
}
}

void OnObjectsRecolour()
{
    CShapeObject* pWalls = FindShape("Walls");
    CObjXDBProp* pColor = pWalls != NULL ? pWalls->FindProp(PROP_COLOR) : NULL;
    if (pColor == NULL)
        return;
    // as an automation client would: the member by name, then a property put
    IDispatch* pDisp = pColor->GetIDispatch(FALSE);
    LPOLESTR name = const_cast<LPOLESTR>(L"Value");
    DISPID dispid = DISPID_UNKNOWN;
    if (FAILED(pDisp->GetIDsOfNames(IID_NULL, &name, 1, 0, &dispid)))
        return;
    VARIANT arg;
    arg.vt = VT_I4;
    arg.lVal = (long)(pWalls->m_clr == clrWalls ? clrWallsRecoloured : clrWalls);
    DISPID dispidPut = DISPID_PROPERTYPUT;
    DISPPARAMS params = { &arg, &dispidPut, 1, 1 };
    s_pModel->indicator.ChangeState(STATE_BUSY);
    pDisp->Invoke(dispid, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, NULL, NULL, NULL);
}

void DrawObjectsScene(CDC* pDC, const CRect& rectClient)
{
    if (s_pModel == NULL || !s_pModel->bShown)
        return;
    for (int i = 0; i < s_pModel->shapes.GetSize(); i++)
    {
        CShapeObject* pShape = static_cast<CShapeObject*>(s_pModel->shapes.GetAt(i));
        if (!pShape->m_bVisible)
            continue;
        CPen pen(pShape->GetType() == TYPE_LINESTYLE ? PS_DASH : PS_SOLID, pShape->m_nWidth, pShape->m_clr);
        CPen* pOldPen = pDC->SelectObject(&pen);
        CRect rect = pShape->m_rect + rectClient.TopLeft();
        if (rect.Height() == 0)
        {
            pDC->MoveTo(rect.left, rect.top);
            pDC->LineTo(rect.right, rect.top);
        }
        else
        {
            CGdiObject* pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
            pDC->Rectangle(&rect);
            pDC->SelectObject(pOldBrush);
        }
        // each shape is labelled with its name, in its own colour
        COLORREF clrOldText = pDC->SetTextColor(pShape->m_clr);
        int nOldMode = pDC->SetBkMode(TRANSPARENT);
        pDC->TextOut(rect.left + 4, rect.top + 4, pShape->GetName());
        pDC->SetBkMode(nOldMode);
        pDC->SetTextColor(clrOldText);
        pDC->SelectObject(pOldPen);
    }
}

// Layers and a line style drawn from their properties; the walls recoloured through a late-bound
// put, the drawing repainted from the event, the indicator busy in the status bar.
BOOL SceneObjects(CMainFrame* pFrame)
{
    if (!BuildModel(pFrame))
        return FALSE;
    s_pModel->bShown = TRUE;
    s_pModel->indicator.ShowWindow(SW_SHOW);
    int nEvents = s_pModel->sink.m_nEvents;
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_RECOLOUR);
    pFrame->GetDrawingView().Invalidate();
    pFrame->SetMessageText("View > Recolour Walls sets the layer's colour late-bound; the drawing follows the change event");
    CShapeObject* pWalls = FindShape("Walls");
    return s_pModel->sink.m_nEvents > nEvents && pWalls != NULL && pWalls->m_clr == clrWallsRecoloured;
}

void HideObjectsScene()
{
    if (s_pModel == NULL)
        return;
    s_pModel->bShown = FALSE;
    CShapeObject* pWalls = FindShape("Walls");
    if (pWalls != NULL)
        pWalls->SetPropValue(PROP_COLOR, COleVariant((long)clrWalls));
    s_pModel->indicator.ChangeState(STATE_READY);
    s_pModel->indicator.ShowWindow(SW_HIDE);
}
