// NamedObjectsArray.cpp - CNamedObjectsArray: objects grouped by type, history, notifications.
#include "NamedObjects.h"
#include "frame/UILMessages.h"

CNamedObjectsArray::CNamedObjectsArray(WORD nStyle) : m_pOwner(NULL), m_nStyle(nStyle)
{
    for (int t = 0; t < NOBJ_MAX_TYPES; t++)
        m_nStartIndex[t] = -1;
    m_mapCounts.InitHashTable(10);
}

CNamedObjectsArray::~CNamedObjectsArray()
{
    // nobody listens to an array that is going away
    m_listWnds.RemoveAll();
    RemoveAll();
}

CNamedObject* CNamedObjectsArray::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetSize())
        return NULL;
    return (CNamedObject*)m_arrObjects[nIndex];
}

static BOOL ValidType(WORD nType)
{
    return nType < NOBJ_MAX_TYPES;
}

BOOL CNamedObjectsArray::SetAtGrow(int nIndex, CNamedObject* pObject)
{
    if (pObject == NULL || nIndex < 0 || !ValidType(pObject->GetType()))
        return FALSE;
    WORD nType = pObject->GetType();
    if (nIndex < GetSize())
    {
        CNamedObject* pOld = GetAt(nIndex);
        if (pOld->GetType() != nType)
            return FALSE;
        if (pOld == pObject)
            return TRUE;
        RemoveFromHistory(pOld);
        pOld->m_pArray = NULL;
        m_arrObjects[nIndex] = pObject;
    }
    else
    {
        // appended: every object before it must be of its type or a lower one
        if (nIndex != GetSize() || (GetSize() > 0 && GetAt(GetSize() - 1)->GetType() > nType))
            return FALSE;
        m_arrObjects.Add(pObject);
        AddType(nType);
        if (GetCount(nType) == 1)
            m_nStartIndex[nType] = nIndex;
    }
    pObject->m_pArray = this;
    if (m_pOwner != NULL)
        pObject->m_pParent = m_pOwner;
    AddToHistory(pObject);
    return TRUE;
}

int CNamedObjectsArray::Add(CNamedObject* pObject)
{
    if (pObject == NULL || !ValidType(pObject->GetType()))
        return -1;
    WORD nType = pObject->GetType();
    pObject->m_pArray = this;
    if (m_pOwner != NULL)
        pObject->m_pParent = m_pOwner;
    int nIndex = NextFreeIndex(nType);
    m_arrObjects.InsertAt(nIndex, pObject);
    AddToHistory(pObject);
    AddType(nType);
    if (GetCount(nType) == 1)
        m_nStartIndex[nType] = nIndex;
    NotyfyAll(NOBJN_ADDED, (LONG_PTR)pObject);
    return nIndex;
}

void CNamedObjectsArray::RemoveAt(int nIndex, int nCount)
{
    for (; nCount > 0 && nIndex >= 0 && nIndex < GetSize(); nCount--)
    {
        CNamedObject* pObject = GetAt(nIndex);
        m_arrObjects.RemoveAt(nIndex);
        RemoveFromHistory(pObject);
        RemoveType(pObject->GetType());
        pObject->m_pArray = NULL;
        NotyfyAll(NOBJN_REMOVED, (LONG_PTR)pObject);
        if (m_nStyle & (NOBJARRAY_DELETE | NOBJARRAY_RELEASE))
        {
            pObject->ReleaseProps();
            pObject->ReleaseNObjects();
        }
        if (m_nStyle & NOBJARRAY_DELETE)
            delete pObject;
    }
}

void CNamedObjectsArray::RemoveAll()
{
    while (GetSize() > 0)
        RemoveAt(GetSize() - 1, 1);
}

/////////////////////////////////////////////////////////////////////////////
// Type ranges

int CNamedObjectsArray::StartIndex(WORD nType) const
{
    return ValidType(nType) ? m_nStartIndex[nType] : -1;
}

int CNamedObjectsArray::EndIndex(WORD nType) const
{
    if (GetSize() == 0 || GetCount(nType) == 0)
        return -1;
    return StartIndex(nType) + GetCount(nType) - 1;
}

int CNamedObjectsArray::NextFreeIndex(WORD nType) const
{
    if (!ValidType(nType))
        return GetSize();
    if (GetCount(nType) > 0)
        return m_nStartIndex[nType] + GetCount(nType);
    for (int t = (int)nType - 1; t >= 0; t--)
    {
        if (GetCount((WORD)t) > 0)
            return m_nStartIndex[t] + GetCount((WORD)t);
    }
    return 0;
}

void CNamedObjectsArray::AddType(WORD nType)
{
    if (!ValidType(nType))
        return;
    m_mapCounts.SetAt(nType, GetCount(nType) + 1);
    for (int t = nType + 1; t < NOBJ_MAX_TYPES; t++)
    {
        if (GetCount((WORD)t) > 0)
            m_nStartIndex[t]++;
    }
}

void CNamedObjectsArray::RemoveType(WORD nType)
{
    if (!ValidType(nType) || GetCount(nType) == 0)
        return;
    int nCount = GetCount(nType) - 1;
    if (nCount == 0)
    {
        m_mapCounts.RemoveKey(nType);
        m_nStartIndex[nType] = -1;
    }
    else
        m_mapCounts.SetAt(nType, nCount);
    for (int t = nType + 1; t < NOBJ_MAX_TYPES; t++)
    {
        if (GetCount((WORD)t) > 0)
            m_nStartIndex[t]--;
    }
}

int CNamedObjectsArray::GetCount(WORD nType) const
{
    int nCount = 0;
    return m_mapCounts.Lookup(nType, nCount) ? nCount : 0;
}

int CNamedObjectsArray::GetCountOfTypes(DWORD dwMask) const
{
    int nTotal = 0;
    for (int t = 1; t < NOBJ_MAX_TYPES; t++)
    {
        if (dwMask & (1u << (t - 1)))
            nTotal += GetCount((WORD)t);
    }
    return nTotal;
}

int CNamedObjectsArray::GetGlobalIndex(DWORD dwMask, int nIndex) const
{
    for (int t = 1; t < NOBJ_MAX_TYPES && nIndex >= 0; t++)
    {
        if (!(dwMask & (1u << (t - 1))))
            continue;
        int nCount = GetCount((WORD)t);
        if (nIndex < nCount)
            return m_nStartIndex[t] + nIndex;
        nIndex -= nCount;
    }
    return -1;
}

int CNamedObjectsArray::FindIndex(CNamedObject* pObject) const
{
    if (pObject == NULL || GetCount(pObject->GetType()) == 0)
        return -1;
    for (int i = StartIndex(pObject->GetType()); i <= EndIndex(pObject->GetType()); i++)
    {
        if (GetAt(i) == pObject)
            return i;
    }
    return -1;
}

CNamedObject* CNamedObjectsArray::FindPropCollParent(CObjXDBPropColl* pColl) const
{
    for (int i = 0; pColl != NULL && i < GetSize(); i++)
    {
        if (GetAt(i)->m_pProps == pColl)
            return GetAt(i);
    }
    return NULL;
}

CNamedObject* CNamedObjectsArray::FindByName(WORD nType, const char* lpszName) const
{
    if (lpszName == NULL || GetCount(nType) == 0)
        return NULL;
    for (int i = StartIndex(nType); i <= EndIndex(nType); i++)
    {
        if (GetAt(i)->GetName() == lpszName)
            return GetAt(i);
    }
    return NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Attachments and history

CNamedObject* CNamedObjectsArray::FromAttachmentInHistory(long nParam1, long nParam2, WORD nType)
{
    for (POSITION pos = m_listHistory.GetHeadPosition(); pos != NULL;)
    {
        CNamedObject* pObject = (CNamedObject*)m_listHistory.GetNext(pos);
        if (pObject->IsAttached(nParam1, nParam2, nType))
            return pObject;
    }
    return NULL;
}

CNamedObject* CNamedObjectsArray::FromAttachment(long nParam1, long nParam2, WORD nType)
{
    // with many objects of the type, the recently used ones are the likely answer
    if (GetCount(nType) > NOBJ_HISTORY_SIZE)
    {
        CNamedObject* pFound = FromAttachmentInHistory(nParam1, nParam2, nType);
        if (pFound != NULL)
            return pFound;
    }
    if (GetCount(nType) == 0)
        return NULL;
    for (int i = StartIndex(nType); i <= EndIndex(nType); i++)
    {
        if (GetAt(i)->IsAttached(nParam1, nParam2, nType))
            return GetAt(i);
    }
    return NULL;
}

int CNamedObjectsArray::CheckAttachments()
{
    int nResult = 1;
    for (int i = 0; i < GetSize();)
    {
        if (!GetAt(i)->CheckAttachment())
        {
            RemoveAt(i, 1);
            nResult = 0;
        }
        else
            i++;
    }
    return nResult;
}

void CNamedObjectsArray::AddToHistory(CNamedObject* pObject)
{
    if (pObject == NULL)
        return;
    RemoveFromHistory(pObject);
    m_listHistory.AddHead(pObject);
    while (m_listHistory.GetCount() > NOBJ_HISTORY_SIZE)
        m_listHistory.RemoveTail();
}

void CNamedObjectsArray::RemoveFromHistory(CNamedObject* pObject)
{
    POSITION pos = m_listHistory.Find(pObject);
    if (pos != NULL)
        m_listHistory.RemoveAt(pos);
}

/////////////////////////////////////////////////////////////////////////////
// Notifications

int CNamedObjectsArray::NotyfyAll(UINT nCode, LONG_PTR pObject)
{
    // a snapshot: a window may unregister itself while it is told
    CArray<HWND, HWND> wnds;
    for (POSITION pos = m_listWnds.GetHeadPosition(); pos != NULL;)
        wnds.Add(m_listWnds.GetNext(pos));
    for (INT_PTR i = 0; i < wnds.GetSize(); i++)
    {
        if (::IsWindow(wnds[i]))
            ::SendMessage(wnds[i], WM_NOBJECT_NOTIFY, (WPARAM)pObject, (LPARAM)nCode);
    }
    return 1;
}

void CNamedObjectsArray::OnPropValueChanged(CNamedObject* pObject, VARIANT value, DWORD nID)
{
    if (pObject == NULL || !(pObject->GetExtPropInfo(nID, 2) & 2))
        return;
    COleVariant on(value);
    if (FAILED(::VariantChangeType(&on, &on, 0, VT_BOOL)) || on.boolVal == VARIANT_FALSE)
        return;
    WORD nType = pObject->GetType();
    if (GetCount(nType) == 0)
        return;
    for (int i = StartIndex(nType); i <= EndIndex(nType); i++)
    {
        CNamedObject* pOther = GetAt(i);
        CObjXDBProp* pProp = pOther != pObject ? pOther->FindProp(nID) : NULL;
        if (pProp == NULL)
            continue;
        COleVariant other(pProp->m_varValue);
        if (SUCCEEDED(::VariantChangeType(&other, &other, 0, VT_BOOL)) && other.boolVal != VARIANT_FALSE)
            pOther->SetPropValue(nID, COleVariant(false));
    }
}

void CNamedObjectsArray::OnPropStateChanged(CNamedObject*, WORD, DWORD)
{
}

void CNamedObjectsArray::AddWndToNotify(HWND hWnd)
{
    m_listWnds.AddTail(hWnd);
}

int CNamedObjectsArray::DeleteWndToNotify(HWND hWnd)
{
    POSITION pos = m_listWnds.Find(hWnd);
    if (pos == NULL)
        return 0;
    m_listWnds.RemoveAt(pos);
    return 1;
}
