// collections.cpp - run-time classes and serialisation of the framework's collections.
//
// The collections themselves are the templates of afxtempl.h; what is here is what differs per
// class: the run-time class records and, for the object collections, storing their elements as
// objects rather than as pointer values.
#include "afx.h"

/////////////////////////////////////////////////////////////////////////////
// Arrays

IMPLEMENT_SERIAL(CByteArray, CObject, 0)
IMPLEMENT_SERIAL(CWordArray, CObject, 0)
IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
IMPLEMENT_DYNAMIC(CUIntArray, CObject)
IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_SERIAL(CObArray, CObject, 0)
IMPLEMENT_SERIAL(CStringArray, CObject, 0)

CByteArray::CByteArray() {}
CByteArray::~CByteArray() {}
CWordArray::CWordArray() {}
CWordArray::~CWordArray() {}
CDWordArray::CDWordArray() {}
CDWordArray::~CDWordArray() {}
CUIntArray::CUIntArray() {}
CUIntArray::~CUIntArray() {}
CPtrArray::CPtrArray() {}
CPtrArray::~CPtrArray() {}
CObArray::CObArray() {}
CObArray::~CObArray() {}
CStringArray::CStringArray() {}
CStringArray::~CStringArray() {}

void CObArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount(m_nSize);
        for (INT_PTR i = 0; i < m_nSize; i++)
            ar << m_pData[i];
    }
    else
    {
        SetSize((INT_PTR)ar.ReadCount(), -1);
        for (INT_PTR i = 0; i < m_nSize; i++)
            ar >> m_pData[i];
    }
}

/////////////////////////////////////////////////////////////////////////////
// Lists

IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_SERIAL(CObList, CObject, 0)
IMPLEMENT_SERIAL(CStringList, CObject, 0)

CPtrList::CPtrList(INT_PTR nBlockSize) : CList<void*, void*>(nBlockSize) {}
CPtrList::~CPtrList() {}
CObList::CObList(INT_PTR nBlockSize) : CList<CObject*, CObject*>(nBlockSize) {}
CObList::~CObList() {}
CStringList::CStringList(INT_PTR nBlockSize) : CList<CString, LPCSTR>(nBlockSize) {}
CStringList::~CStringList() {}

void CObList::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount(m_nCount);
        for (CNode* pNode = m_pNodeHead; pNode != NULL; pNode = pNode->pNext)
            ar << pNode->data;
    }
    else
    {
        DWORD_PTR nNewCount = ar.ReadCount();
        while (nNewCount-- > 0)
        {
            CObject* pNewData;
            ar >> pNewData;
            AddTail(pNewData);
        }
    }
}

/////////////////////////////////////////////////////////////////////////////
// Maps

IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToWord, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
IMPLEMENT_SERIAL(CMapWordToOb, CObject, 0)
IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)
IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)

CMapWordToPtr::CMapWordToPtr(INT_PTR nBlockSize) : CMap<WORD, WORD, void*, void*>(nBlockSize) {}
CMapWordToPtr::~CMapWordToPtr() {}
CMapPtrToWord::CMapPtrToWord(INT_PTR nBlockSize) : CMap<void*, void*, WORD, WORD>(nBlockSize) {}
CMapPtrToWord::~CMapPtrToWord() {}
CMapPtrToPtr::CMapPtrToPtr(INT_PTR nBlockSize) : CMap<void*, void*, void*, void*>(nBlockSize) {}
CMapPtrToPtr::~CMapPtrToPtr() {}
CMapWordToOb::CMapWordToOb(INT_PTR nBlockSize) : CMap<WORD, WORD, CObject*, CObject*>(nBlockSize) {}
CMapWordToOb::~CMapWordToOb() {}
CMapStringToPtr::CMapStringToPtr(INT_PTR nBlockSize) : CMap<CString, LPCSTR, void*, void*>(nBlockSize) {}
CMapStringToPtr::~CMapStringToPtr() {}
CMapStringToOb::CMapStringToOb(INT_PTR nBlockSize) : CMap<CString, LPCSTR, CObject*, CObject*>(nBlockSize) {}
CMapStringToOb::~CMapStringToOb() {}
CMapStringToString::CMapStringToString(INT_PTR nBlockSize) : CMap<CString, LPCSTR, CString, LPCSTR>(nBlockSize) {}
CMapStringToString::~CMapStringToString() {}

// The stored key string itself (valid while the entry exists).
template<class MAP>
static BOOL AfxLookupStringKey(const MAP* pMap, LPCSTR key, LPCSTR& rKey)
{
    const typename MAP::CPair* pPair = pMap->PLookup(key);
    if (pPair == NULL)
        return FALSE;
    rKey = pPair->key;
    return TRUE;
}

BOOL CMapStringToPtr::LookupKey(LPCSTR key, LPCSTR& rKey) const
{
    return AfxLookupStringKey(this, key, rKey);
}

BOOL CMapStringToOb::LookupKey(LPCSTR key, LPCSTR& rKey) const
{
    return AfxLookupStringKey(this, key, rKey);
}

BOOL CMapStringToString::LookupKey(LPCSTR key, LPCSTR& rKey) const
{
    return AfxLookupStringKey(this, key, rKey);
}

void CMapWordToOb::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount(m_nCount);
        if (m_nCount == 0 || m_pHashTable == NULL)
            return;
        for (UINT nHash = 0; nHash < m_nHashTableSize; nHash++)
        {
            for (CAssoc* pAssoc = m_pHashTable[nHash]; pAssoc != NULL; pAssoc = pAssoc->pNext)
            {
                ar << (WORD)pAssoc->key;
                ar << pAssoc->value;
            }
        }
    }
    else
    {
        DWORD_PTR nNewCount = ar.ReadCount();
        while (nNewCount-- > 0)
        {
            WORD wKey;
            CObject* pValue;
            ar >> wKey;
            ar >> pValue;
            SetAt(wKey, pValue);
        }
    }
}

void CMapStringToOb::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount(m_nCount);
        if (m_nCount == 0 || m_pHashTable == NULL)
            return;
        for (UINT nHash = 0; nHash < m_nHashTableSize; nHash++)
        {
            for (CAssoc* pAssoc = m_pHashTable[nHash]; pAssoc != NULL; pAssoc = pAssoc->pNext)
            {
                ar << pAssoc->key;
                ar << pAssoc->value;
            }
        }
    }
    else
    {
        DWORD_PTR nNewCount = ar.ReadCount();
        while (nNewCount-- > 0)
        {
            CString strKey;
            CObject* pValue;
            ar >> strKey;
            ar >> pValue;
            SetAt(strKey, pValue);
        }
    }
}
