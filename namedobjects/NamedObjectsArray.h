// NamedObjectsArray.h - an ordered collection of named objects kept grouped by type.
//
//   CNamedObjectsArray   objects of type 0-19 in ascending type order, with per-type counts and
//                        start indexes, a history of the five most recently used objects, the
//                        windows told of every change (WM_NOBJECT_NOTIFY), and a style that says
//                        what happens to a removed object
//
// Adding and removing shift the start index of every higher type, O(types) per call plus the
// array's own O(n) insertion.
#pragma once

#include <afxwin.h>
#include <afxcoll.h>
#include <afxtempl.h>
#include "NamedObject.h"

// style bits
#define NOBJARRAY_DELETE    0x0001      // a removed object is deleted
#define NOBJARRAY_RELEASE   0x0002      // a removed object's properties and children are released

#define NOBJ_HISTORY_SIZE   5

class AFX_EXT_CLASS CNamedObjectsArray : public CObject
{
public:
    explicit CNamedObjectsArray(WORD nStyle = 0);
    virtual ~CNamedObjectsArray();      // removes every object (by the style)

    int GetSize() const { return (int)m_arrObjects.GetSize(); }
    CNamedObject* GetAt(int nIndex) const;
    // Replaces the object at nIndex by one of the same type, or appends one whose type keeps the
    // grouping; FALSE (nothing changes) for anything else.
    BOOL SetAtGrow(int nIndex, CNamedObject* pObject);
    // The index the object takes among its type; -1 for NULL or a type outside 0-19.
    int Add(CNamedObject* pObject);
    void RemoveAt(int nIndex, int nCount = 1);
    void RemoveAll();

    int StartIndex(WORD nType) const;
    int EndIndex(WORD nType) const;
    int NextFreeIndex(WORD nType) const;
    void AddType(WORD nType);
    void RemoveType(WORD nType);
    int GetCount(WORD nType) const;
    // bit (t - 1) of the mask stands for type t (1 to 19)
    int GetCountOfTypes(DWORD dwMask) const;
    int GetGlobalIndex(DWORD dwMask, int nIndex) const;
    int FindIndex(CNamedObject* pObject) const;
    CNamedObject* FindPropCollParent(CObjXDBPropColl* pColl) const;
    CNamedObject* FindByName(WORD nType, const char* lpszName) const;
    CNamedObject* FromAttachment(long nParam1, long nParam2, WORD nType);
    CNamedObject* FromAttachmentInHistory(long nParam1, long nParam2, WORD nType);
    int CheckAttachments();

    void AddToHistory(CNamedObject* pObject);
    void RemoveFromHistory(CNamedObject* pObject);
    const CPtrList& GetHistory() const { return m_listHistory; }

    // WM_NOBJECT_NOTIFY (wParam pObject, lParam nCode) to every window still there; 1.
    int NotyfyAll(UINT nCode, LONG_PTR pObject);
    virtual void OnPropValueChanged(CNamedObject* pObject, VARIANT value, DWORD nID);
    virtual void OnPropStateChanged(CNamedObject* pObject, WORD nState, DWORD nID);
    void AddWndToNotify(HWND hWnd);
    int DeleteWndToNotify(HWND hWnd);

    void SetStyle(WORD nStyle) { m_nStyle = nStyle; }
    WORD GetStyle() const { return m_nStyle; }

    CNamedObject* m_pOwner;     // the object whose children these are, or NULL

protected:
    CPtrArray m_arrObjects;
    CPtrList m_listHistory;
    int m_nStartIndex[NOBJ_MAX_TYPES];
    WORD m_nStyle;
    CMap<WORD, WORD, int, int> m_mapCounts;
    CList<HWND, HWND> m_listWnds;

private:
    CNamedObjectsArray(const CNamedObjectsArray&) = delete;
    CNamedObjectsArray& operator=(const CNamedObjectsArray&) = delete;
};
