// NamedObject.cpp - CNamedObject: name, activation, properties, children, copies.
#include "NamedObjects.h"
#include "properties/PropAccess.h"

CNamedObject::CNamedObject()
{
    CommonConstruct();
}

CNamedObject::CNamedObject(const char* lpszName, CNamedObject* pParent, WORD nType)
{
    CommonConstruct();
    if (lpszName != NULL)
        m_Info.m_strName = lpszName;
    m_pParent = pParent;
    if (nType != 0)
        m_Info.m_nType = nType;
}

void CNamedObject::CommonConstruct()
{
    m_Info.m_strName.Empty();
    m_Info.m_nType = 0;
    m_Info.m_bActive = 0;
    m_pObject = this;
    m_nLastProperty = 0;
    m_strPendingName.Empty();
    m_pProps = NULL;
    m_pParent = NULL;
    m_pArray = NULL;
    m_pChildren = NULL;
}

CNamedObject::~CNamedObject()
{
    ReleaseProps();
    ReleaseNObjects();
    DisconnectAll();
}

/////////////////////////////////////////////////////////////////////////////
// Properties

CObjXDBProp* CNamedObject::FindProp(DWORD nID)
{
    if (m_pProps == NULL)
        return NULL;
    for (INT_PTR i = 0; i < m_pProps->m_arrItems.GetSize(); i++)
    {
        CObjXDBProp* pProp = CObjXDBProp::ObjectFromIDisp((IDispatch*)m_pProps->m_arrItems[i]);
        if (pProp != NULL && pProp->m_nID == nID)
            return pProp;
    }
    return NULL;
}

int CNamedObject::GetPropValue(VARIANT* pValue, DWORD nID, IDispatch*)
{
    if (pValue == NULL)
        return 0;
    if (nID == NOBJPROP_NAME)
    {
        ::VariantClear(pValue);
        pValue->vt = VT_BSTR;
        pValue->bstrVal = m_Info.m_strName.AllocSysString();
        return 1;
    }
    if (nID == NOBJPROP_ACTIVE)
    {
        ::VariantClear(pValue);
        pValue->vt = VT_BOOL;
        pValue->boolVal = m_Info.m_bActive ? VARIANT_TRUE : VARIANT_FALSE;
        return 1;
    }
    return 0;
}

int CNamedObject::GetPropState(WORD* pnState, DWORD, IDispatch*)
{
    if (pnState != NULL)
        *pnState = PROPSTATE_ENABLED;
    return 1;
}

int CNamedObject::OnSetPropValue(VARIANT value, DWORD nID, BOOL bNotify, IDispatch*)
{
    if (value.vt == VT_EMPTY)
        return 1;
    int nResult = 0;
    if (nID == NOBJPROP_ACTIVE)
    {
        COleVariant v(value);
        try
        {
            v.ChangeType(VT_BOOL);
        }
        catch (CException* e)
        {
            e->Delete();
            return 0;
        }
        int bActive = v.boolVal != VARIANT_FALSE;
        if (bActive != (m_Info.m_bActive != 0))
        {
            m_nLastProperty = nID;
            if (bActive)
                OnActivate();
            else
                OnDeactivate();
        }
        nResult = 1;
    }
    else if (nID == NOBJPROP_NAME)
    {
        COleVariant v(value);
        if (SUCCEEDED(::VariantChangeType(&v, &v, 0, VT_BSTR)))
            m_strPendingName = CString(v.bstrVal);
        return 0;   // the name is taken when the property is pressed
    }
    if (nResult == 1 && bNotify && m_pArray != NULL)
        m_pArray->OnPropValueChanged(this, value, nID);
    return nResult;
}

int CNamedObject::OnSetPropState(WORD nState, DWORD nID, BOOL, IDispatch*)
{
    if (nID == NOBJPROP_NAME && nState == PROPSTATE_PRESSED && !m_strPendingName.IsEmpty() &&
        m_strPendingName != m_Info.m_strName)
    {
        m_nLastProperty = nID;
        CString strNew = m_strPendingName;
        OnChangeName(strNew);
    }
    return 1;
}

int CNamedObject::InitProps(CObjXDBPropColl*)
{
    if (m_pProps != NULL && !ReleaseProps())
        return 0;
    m_pProps = new CObjXDBPropColl;
    IDBCOLLECTION* pColl = NULL;
    if (FAILED(m_pProps->GetIDispatch(FALSE)->QueryInterface(IID_IDBCOLLECTION, (void**)&pColl)))
        return 0;
    HRESULT hrName = AddProperty(pColl, NOBJPROP_NAME, 0);
    HRESULT hrActive = AddProperty(pColl, NOBJPROP_ACTIVE, 0);
    pColl->Release();
    return SUCCEEDED(hrName) && SUCCEEDED(hrActive) ? 1 : 0;
}

HRESULT CNamedObject::AddProperty(IDBCOLLECTION* pColl, DWORD nID, UINT)
{
    if (pColl == NULL)
        return E_FAIL;
    COleVariant value;
    WORD nState = 0;
    if (!GetPropValue(&value, nID, NULL) || !GetPropState(&nState, nID, NULL))
        return E_FAIL;
    IDispatch* pProp = CreateProperty(nID, value, nState);
    if (pProp == NULL)
        return E_FAIL;
    IXCMDTARGET* pTarget = NULL;
    if (SUCCEEDED(pProp->QueryInterface(IID_IXCMDTARGET, (void**)&pTarget)))
    {
        pTarget->put_Parent(GetConnectorDisp());
        pTarget->Release();
    }
    HRESULT hr = pColl->Add(pProp);
    if (SUCCEEDED(hr))
        Connect(pProp, NULL, PROPCONNECT_BOTH);
    pProp->Release();
    return hr;
}

CObjXDBPropColl* CNamedObject::GetProps(UINT)
{
    if (m_pProps == NULL)
        InitProps(NULL);
    return m_pProps;
}

int CNamedObject::ReleaseProps(UINT)
{
    if (m_pProps == NULL)
        return 1;
    DisconnectAll();
    CObjXDBPropColl* pProps = m_pProps;
    m_pProps = NULL;
    pProps->RemoveAll();
    pProps->ExternalRelease();
    return 1;
}

int CNamedObject::LockPropChanging(DWORD nID, int bLock)
{
    CObjXDBProp* pProp = FindProp(nID);
    if (pProp == NULL)
        return 0;
    int bOld = pProp->m_bValueLocked;
    pProp->m_bValueLocked = bLock;
    return bOld;
}

int CNamedObject::SetPropValue(DWORD nID, VARIANT value)
{
    CObjXDBProp* pProp = FindProp(nID);
    if (pProp == NULL)
        return 1;
    IDispatch* pDisp = pProp->GetIDispatch(FALSE);
    COleVariant current;
    WORD nState = 0;
    DWORD nPropID = 0;
    if (FAILED(GetPropertyStatus(pDisp, &nPropID, &current, &nState)))
        return 1;
    COleVariant newValue(value);
    if (current.vt != VT_EMPTY && current.vt != newValue.vt &&
        FAILED(::VariantChangeType(&newValue, &newValue, 0, current.vt)))
        return 1;   // a value the property's type cannot hold leaves it as it is
    SetPropertyStatus(pDisp, &nPropID, &newValue, &nState);
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Children

int CNamedObject::InitNObjects(CNamedObjectsArray*)
{
    ReleaseNObjects();
    m_pChildren = new CNamedObjectsArray(NOBJARRAY_DELETE);
    m_pChildren->m_pOwner = this;
    return 1;
}

CNamedObjectsArray* CNamedObject::GetNObjects(UINT)
{
    if (m_pChildren == NULL)
        InitNObjects(NULL);
    return m_pChildren;
}

int CNamedObject::ReleaseNObjects(UINT)
{
    CNamedObjectsArray* pChildren = m_pChildren;
    m_pChildren = NULL;
    delete pChildren;
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Names, activation, deletion

int CNamedObject::NotyfyParents(UINT nCode, LONG_PTR pObject)
{
    if (pObject == 0)
        pObject = (LONG_PTR)this;
    int nResult = 1;
    if (m_pArray != NULL)
        nResult = m_pArray->NotyfyAll(nCode, pObject);
    if (m_pParent != NULL)
    {
        CNamedObject* pParent = m_pParent;
        nResult = pParent->NotyfyParents(nCode, pObject) && nResult;
        nResult = pParent->NotyfyParents(NOBJN_CHILDCHANGED, (LONG_PTR)pParent) && nResult;
    }
    return nResult;
}

int CNamedObject::OnChangeName(const char* lpszNewName)
{
    int nResult = 1;
    if (m_pArray != NULL && !IsNameUnique(lpszNewName, m_pArray, m_Info.m_nType))
    {
        ::MessageBeep((UINT)-1);
        COleVariant name;
        GetPropValue(&name, NOBJPROP_NAME, NULL);
        SetPropValue(NOBJPROP_NAME, name);
        nResult = 0;
    }
    else
    {
        m_Info.m_strName = lpszNewName != NULL ? lpszNewName : "";
        UpdateAttachment(NULL, NOBJPROP_NAME);
    }
    NotyfyParents(NOBJN_RENAMED);
    return nResult;
}

int CNamedObject::OnActivate()
{
    m_Info.m_bActive = 1;
    SetPropValue(NOBJPROP_ACTIVE, COleVariant(true));
    NotyfyParents(NOBJN_ACTIVATED);
    return 1;
}

int CNamedObject::OnDeactivate()
{
    m_Info.m_bActive = 0;
    SetPropValue(NOBJPROP_ACTIVE, COleVariant(false));
    NotyfyParents(NOBJN_ACTIVATED);
    return 1;
}

int CNamedObject::OnDelete()
{
    NotyfyParents(NOBJN_DELETING);
    if (m_pArray != NULL)
    {
        int nIndex = m_pArray->FindIndex(this);
        if (nIndex >= 0)
            m_pArray->RemoveAt(nIndex, 1);     // may delete this object
    }
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Copies

CNamedObject* CNamedObject::CreateCopy(const char* lpszName, UINT nFlags, long, long)
{
    BOOL bHadProps = m_pProps != NULL;
    CNamedObject* pCopy = new CNamedObject(lpszName != NULL ? lpszName : (LPCSTR)m_Info.m_strName, NULL,
        m_Info.m_nType);
    pCopy->m_Info.m_nType = m_Info.m_nType;
    CopyTo(pCopy, nFlags);
    if (!bHadProps)
        ReleaseProps();
    return pCopy;
}

CNamedObject* CNamedObject::CreateNew(const char* lpszName, UINT nFlags, long nParam1, long nParam2)
{
    return CreateCopy(lpszName, nFlags, nParam1, nParam2);
}

int CNamedObject::CopyTo(CNamedObject* pDest, UINT nFlags)
{
    if (pDest == NULL)
        return 0;
    if (nFlags & NOBJCOPY_PROPS)
        CopyPropsTo(pDest, NULL);
    if ((nFlags & NOBJCOPY_CHILDREN) && m_pChildren != NULL && m_pChildren->GetSize() > 0)
    {
        pDest->ReleaseNObjects();
        pDest->InitNObjects(NULL);
        CopyNObjCollectionTo(pDest->m_pChildren, NULL, NOBJCOPY_PROPS);
    }
    return 1;
}

int CNamedObject::CopyPropsTo(CNamedObject* pDest, IDispatch* pFilter)
{
    if (pDest == NULL)
        return 0;
    CObjXDBPropColl* pSource = GetProps();
    CObjXDBPropColl* pTarget = pDest->GetProps();
    if (pSource == NULL || pTarget == NULL)
        return 1;
    for (long i = 0; i < pSource->GetCount(); i++)
    {
        if (pFilter != NULL)
        {
            IDispatch* pCheck = NULL;
            if (SUCCEEDED(CollGetItem(pFilter, i, &pCheck, NULL)) && pCheck != NULL)
            {
                WORD nType = 0;
                COleVariant checked;
                GetPropertyStatus(pCheck, NULL, &checked, NULL);
                GetPropertyType(pCheck, &nType);
                pCheck->Release();
                if (nType == PT_SWITCH)
                {
                    BOOL bOn = SUCCEEDED(::VariantChangeType(&checked, &checked, 0, VT_BOOL)) &&
                        checked.boolVal != VARIANT_FALSE;
                    if (!bOn)
                        continue;
                }
            }
        }
        CObjXDBProp* pFrom = CObjXDBProp::ObjectFromIDisp((IDispatch*)pSource->m_arrItems[i]);
        if (pFrom == NULL || pFrom->m_nID == NOBJPROP_NAME)
            continue;
        CObjXDBProp* pTo = pDest->FindProp(pFrom->m_nID);
        if (pTo != NULL && !AfxVariantEqual(&pTo->m_varValue, &pFrom->m_varValue))
            pTo->SetValue(pFrom->m_varValue);
    }
    return 1;
}

int CNamedObject::CopyNObjCollectionTo(CNamedObjectsArray* pDest, IDispatch* pFilter, UINT nFlags)
{
    if (pDest == NULL || m_pChildren == NULL)
        return 1;
    for (int i = 0; i < m_pChildren->GetSize(); i++)
    {
        CNamedObject* pChild = m_pChildren->GetAt(i);
        CNamedObject* pTarget = pDest->FindByName(pChild->GetType(), pChild->GetName());
        if (pTarget == NULL)
        {
            pTarget = pChild->CreateCopy(NULL, 0, 0, 0);
            if (pTarget == NULL)
                continue;
            if (nFlags & NOBJCOPY_PROPS)
                pChild->CopyPropsTo(pTarget, pFilter);
            if (pDest->Add(pTarget) < 0)
            {
                delete pTarget;
                continue;
            }
            pTarget->NotyfyParents(NOBJN_CHILDSCOPIED);
        }
        else if (nFlags & NOBJCOPY_PROPS)
            pChild->CopyPropsTo(pTarget, pFilter);
        if (nFlags & NOBJCOPY_ACTIVATE)
            pTarget->OnActivate();
        if (nFlags & NOBJCOPY_SAVE)
            pTarget->OnSave(NULL, NULL);
    }
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Defaults of the host's slots

int CNamedObject::OnProperty() { return 1; }

int CNamedObject::GetAttachmentParams(long& nParam1, long& nParam2)
{
    if (!CheckAttachment())
        return 0;
    nParam1 = 0;
    nParam2 = 0;
    return 1;
}

int CNamedObject::GetExtPropInfo(UINT nID, long nRequest)
{
    if (nRequest & 1)
        return nID != NOBJPROP_ACTIVE && nID != NOBJPROP_NAME ? 1 : 0;
    return 0;
}

int CNamedObject::CanRename() { return 1; }
int CNamedObject::CanCreateCopy() { return 1; }
int CNamedObject::CanCreateNew() { return CanCreateCopy(); }
int CNamedObject::CanActivate() { return 1; }
int CNamedObject::CanDelete() { return 1; }
int CNamedObject::CanProperty() { return 1; }
int CNamedObject::CanSave() { return 1; }
int CNamedObject::CanLoad() { return 1; }
int CNamedObject::CanSelectBy() { return 1; }
int CNamedObject::Attach(long, long) { return 0; }
int CNamedObject::IsAttached(long, long, WORD) { return 0; }
int CNamedObject::IsKind(long, long) { return 0; }
int CNamedObject::InitFromAttachment(int) { return 1; }
int CNamedObject::UpdateAttachment(VARIANT*, DWORD) { return 1; }
int CNamedObject::CheckAttachment() { return 1; }
int CNamedObject::CreateAttachment(long, long) { return 0; }
int CNamedObject::DeleteAttachment() { return 0; }

int CNamedObject::DrawThumbnail(SDrawThumbnail* pDraw, const char*)
{
    if (pDraw == NULL || pDraw->m_hDC == NULL)
        return 0;
    CRect rect(pDraw->m_rect);
    ::FillRect(pDraw->m_hDC, &rect, ::GetSysColorBrush(COLOR_WINDOW));
    rect.DeflateRect(1, 1);
    SNamedObjectTypeInfo* pType = NULL;
    if (g_mapNObjTypeInfo.Lookup(m_Info.m_nType, pType) && pType != NULL && pType->m_hIcon != NULL)
        ::DrawIconEx(pDraw->m_hDC, rect.left, rect.top, pType->m_hIcon, 0, 0, 0, NULL, DI_NORMAL);
    return 1;
}
