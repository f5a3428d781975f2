// ControlsSettings.h - remembered view state of control elements (the expanded and selected items
// of a tree, sizes and states of list rows), kept as text records in the settings store.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
#include "StringArraySettings.h"

// State bits of a tree item's record.
#define CTRLSETTINGS_SELECTED      0x04    // selected or drop-highlighted
#define CTRLSETTINGS_EXPANDED      0x08
#define CTRLSETTINGS_FIRSTVISIBLE  0x10    // the tree's first visible item

// A record name holds at most this many characters in the text form.
#define CTRLSETTINGS_MAX_NAME      255

// One remembered state of a control element.
struct SControlSettings
{
    SControlSettings() : m_lValue(-1), m_size(0, 0), m_nFlags(0), m_dwData(0) {}
    SControlSettings(const CString& strName, long lValue, CSize size, UINT nFlags, ULONG_PTR dwData)
        : m_strName(strName), m_lValue(lValue), m_size(size), m_nFlags(nFlags), m_dwData(dwData) {}

    CString m_strName;      // tree items: the texts from the root down, joined with "\"
    long m_lValue;          // the caller's number; -1 where unused (tree items)
    CSize m_size;           // the caller's size; (0, 0) for tree items
    UINT m_nFlags;          // state bits (CTRLSETTINGS_...)
    ULONG_PTR m_dwData;     // the caller's identifier, 0 = none; never written to text
};

// An ordered collection of SControlSettings that owns its records.
class AFX_EXT_CLASS CControlsSettings
{
public:
    CControlsSettings();
    virtual ~CControlsSettings();

    int GetSize() const { return (int)m_arrSettings.GetSize(); }
    // NULL when nIndex is out of range
    SControlSettings* GetAt(int nIndex) const;

    // Takes ownership of pSettings; its index, -1 for NULL.
    int Add(SControlSettings* pSettings);
    int Add(const CString& strName, long lValue, CSize size, UINT nFlags, ULONG_PTR dwData);
    // Deletes nCount records from nIndex (as many of them as exist).
    void RemoveAt(int nIndex, int nCount = 1);
    void RemoveAll();

    // The first record at or after nStart whose name (exact, case-sensitive) or identifier matches
    // and whose value equals lValue unless lValue is -1; -1 if there is none.
    int Find(LPCSTR lpszName, long lValue = -1, int nStart = 0) const;
    int Find(ULONG_PTR dwData, long lValue = -1, int nStart = 0) const;

    // The records as keys "Count", "0", "1", ... of lpszSection, each "name value cx cy flags"
    // with the blanks of the name written as "^".  Both return non-zero on success.  Save writes
    // nothing and returns 0 if a record name cannot be read back (empty, longer than
    // CTRLSETTINGS_MAX_NAME, or holding a tab or line break).  Saving to a string array reports 0
    // even when it stored every record, because a string array cannot clear the section first.
    // Load stops at the first missing or malformed record; the records read before it stay.
    int Load(LPCSTR lpszSection, LPCSTR lpszFile);
    int Save(LPCSTR lpszSection, LPCSTR lpszFile);

protected:
    CArray<SControlSettings*, SControlSettings*> m_arrSettings;

private:
    CControlsSettings(const CControlsSettings&);
    CControlsSettings& operator=(const CControlsSettings&);
};

// The first visible and the selected item noted while a tree's state is restored.
struct SRestoreItemSettingsItems
{
    SRestoreItemSettingsItems() : m_hFirstVisibleItem(NULL), m_hSelectedItem(NULL) {}

    HTREEITEM m_hFirstVisibleItem;
    HTREEITEM m_hSelectedItem;
};

// The caller's identifier of a tree item (0 = none): records are then found by identifier
// instead of by the item's path.
typedef ULONG_PTR (*PFNTREEITEMIDENTIFIER)(CTreeCtrl* pTree, HTREEITEM hItem);

// Empties pSettings and records the state of every item that has one: expanded, selected or
// drop-highlighted, first visible.  The number of records.
AFX_EXT_API int CTreeCtrl_SaveControlsSettings(CTreeCtrl* pTree, CControlsSettings* pSettings,
    PFNTREEITEMIDENTIFIER pfnIdentifier);
// Expands the recorded items.  Without pItems it then scrolls the recorded first visible item into
// view and selects the recorded selected item; with pItems it only notes both there for the
// caller.  The recorded selected item, or NULL.
AFX_EXT_API HTREEITEM CTreeCtrl_RestoreControlsSettings(CTreeCtrl* pTree, CControlsSettings* pSettings,
    SRestoreItemSettingsItems* pItems, PFNTREEITEMIDENTIFIER pfnIdentifier);
