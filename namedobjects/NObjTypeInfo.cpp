// NObjTypeInfo.cpp - the type registry, templates and numbered names, creating named objects.
#include "NamedObjects.h"

CMapNObjTypeInfo g_mapNObjTypeInfo;
CNamedObjectsArray* g_pNamedObjectsTemplates = NULL;

namespace
{

// The registry owns its records and their icons; what is left at unload goes with the map.
struct CNObjTypeRegistryCleanup
{
    ~CNObjTypeRegistryCleanup() { DeleteAllNamedObjectTypeInfo(); }
} s_cleanup;

SNamedObjectTypeInfo* FindType(WORD nType)
{
    SNamedObjectTypeInfo* pInfo = NULL;
    return g_mapNObjTypeInfo.Lookup(nType, pInfo) ? pInfo : NULL;
}

void FreeRecord(SNamedObjectTypeInfo* pInfo)
{
    if (pInfo == NULL)
        return;
    if (pInfo->m_hIcon != NULL)
        ::DestroyIcon(pInfo->m_hIcon);
    delete pInfo;
}

CString LoadText(UINT nID)
{
    CString str;
    if (nID != 0)
        str.LoadString(nID);
    return str;
}

} // namespace

int AddNamedObjectTypeInfo(WORD nType, SNamedObjectTypeInfo* pInfo)
{
    if (nType >= NOBJ_MAX_TYPES || pInfo == NULL)
        return 0;
    g_mapNObjTypeInfo.SetAt(nType, pInfo);
    return 1;
}

int AddNamedObjectTypeInfo(WORD nType, WORD nSetType, DWORD dwFlags, UINT nNameID, UINT nBitmapID, UINT nImageIndex,
    UINT nIconID)
{
    if (nType >= NOBJ_MAX_TYPES)
        return 0;
    SNamedObjectTypeInfo* pInfo = new SNamedObjectTypeInfo;
    if (!FillNamedObjectTypeInfo(pInfo, nType, nSetType, dwFlags, nNameID, nBitmapID, nImageIndex, nIconID))
    {
        FreeRecord(pInfo);
        return 0;
    }
    // a record replaced here was made here too: it is freed rather than lost
    SNamedObjectTypeInfo* pOld = FindType(nType);
    AddNamedObjectTypeInfo(nType, pInfo);
    if (pOld != NULL && pOld != pInfo)
        FreeRecord(pOld);
    return 1;
}

int FillNamedObjectTypeInfo(SNamedObjectTypeInfo* pInfo, WORD, WORD nSetType, DWORD dwFlags, UINT nNameID,
    UINT nBitmapID, UINT nImageIndex, UINT nIconID)
{
    if (pInfo == NULL)
        return 0;
    pInfo->m_dwFlags = dwFlags;
    pInfo->m_nSetType = nSetType;
    CString strName = LoadText(nNameID);
    if (!strName.IsEmpty())
    {
        pInfo->m_strKeyName = strName;
        pInfo->m_strTypeName = strName;
        pInfo->m_strUIName1 = strName;
        pInfo->m_strUIName2 = strName;
    }
    HICON hIcon = NULL;
    if (nIconID != 0)
        hIcon = ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(nIconID));
    if (hIcon == NULL && nBitmapID != 0)
    {
        CBitmap bitmap;
        if (bitmap.LoadBitmap(nBitmapID))
        {
            BITMAP bm;
            bitmap.GetBitmap(&bm);
            CImageList images;
            if (images.Create(bm.bmHeight + 1, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 0, 1) &&
                images.Add(&bitmap, RGB(255, 255, 255)) >= 0)
                hIcon = images.ExtractIcon((int)nImageIndex);
        }
    }
    pInfo->m_hIcon = hIcon;
    return 1;
}

int DeleteNamedObjectTypeInfo(WORD nType)
{
    SNamedObjectTypeInfo* pInfo = FindType(nType);
    if (pInfo == NULL)
        return 0;
    g_mapNObjTypeInfo.RemoveKey(nType);
    FreeRecord(pInfo);
    return 1;
}

void DeleteAllNamedObjectTypeInfo()
{
    POSITION pos = g_mapNObjTypeInfo.GetStartPosition();
    while (pos != NULL)
    {
        WORD nType;
        SNamedObjectTypeInfo* pInfo;
        g_mapNObjTypeInfo.GetNextAssoc(pos, nType, pInfo);
        FreeRecord(pInfo);
    }
    g_mapNObjTypeInfo.RemoveAll();
}

static void CopyRecord(const SNamedObjectTypeInfo* pFrom, SNamedObjectTypeInfo* pTo)
{
    // the icon is the registry's: a copy names it, never owns it
    pTo->m_strKeyName = pFrom->m_strKeyName;
    pTo->m_dwFlags = pFrom->m_dwFlags;
    pTo->m_hIcon = pFrom->m_hIcon;
    memcpy(pTo->m_szTemplateExt, pFrom->m_szTemplateExt, sizeof(pTo->m_szTemplateExt));
    pTo->m_strTypeName = pFrom->m_strTypeName;
    pTo->m_strUIName1 = pFrom->m_strUIName1;
    pTo->m_strUIName2 = pFrom->m_strUIName2;
    pTo->m_nSetType = pFrom->m_nSetType;
}

int GetNamedObjectTypeInfo(WORD nType, SNamedObjectTypeInfo* pOut)
{
    SNamedObjectTypeInfo* pInfo = FindType(nType);
    if (pInfo == NULL)
        return 0;
    if (pOut != NULL)
        CopyRecord(pInfo, pOut);
    return 1;
}

int GetNamedObjectTypeSetInfo(WORD nType, WORD* pnSetTypeOut, SNamedObjectTypeInfo* pOut)
{
    if (pnSetTypeOut != NULL)
        *pnSetTypeOut = 0;
    for (WORD t = 0; t < NOBJ_MAX_TYPES; t++)
    {
        SNamedObjectTypeInfo* pInfo = FindType(t);
        if (pInfo != NULL && pInfo->m_nSetType == nType)
        {
            if (pnSetTypeOut != NULL)
                *pnSetTypeOut = t;
            if (pOut != NULL)
                CopyRecord(pInfo, pOut);
            return 1;
        }
    }
    return 0;
}

void SetNamedObjectTypeName(WORD nType, UINT nID, const char* lpszText)
{
    SNamedObjectTypeInfo* pInfo = FindType(nType);
    if (pInfo != NULL)
        pInfo->m_strTypeName = lpszText != NULL ? CString(lpszText) : LoadText(nID);
}

CString GetNamedObjectTypeName(WORD nType)
{
    SNamedObjectTypeInfo* pInfo = FindType(nType);
    return pInfo != NULL ? pInfo->m_strTypeName : CString();
}

void SetNamedObjectTypeUINames(WORD nType, UINT nID1, UINT nID2)
{
    SNamedObjectTypeInfo* pInfo = FindType(nType);
    if (pInfo == NULL)
        return;
    CString str1 = LoadText(nID1), str2 = LoadText(nID2);
    if (!str1.IsEmpty())
        pInfo->m_strUIName1 = str1;
    if (!str2.IsEmpty())
        pInfo->m_strUIName2 = str2;
}

CString GetNamedObjectTypeUIName(WORD nType)
{
    SNamedObjectTypeInfo* pInfo = FindType(nType);
    return pInfo != NULL ? pInfo->m_strUIName2 : CString();
}

void SetNamedObjectTypeTemplateExtension(WORD nType, const char* lpszExt)
{
    SNamedObjectTypeInfo* pInfo = FindType(nType);
    if (pInfo == NULL)
        return;
    memset(pInfo->m_szTemplateExt, 0, sizeof(pInfo->m_szTemplateExt));
    if (lpszExt != NULL)
        strncpy(pInfo->m_szTemplateExt, lpszExt, 4);
}

void GetNamedObjectTypeTemplateExtension(WORD nType, char* lpszOut)
{
    if (lpszOut == NULL)
        return;
    SNamedObjectTypeInfo* pInfo = FindType(nType);
    memset(lpszOut, 0, 5);
    if (pInfo != NULL)
        memcpy(lpszOut, pInfo->m_szTemplateExt, 4);
}

WORD GetNamedObjectTypeFromTemplateExtension(const char* lpszExt)
{
    if (lpszExt == NULL)
        return 0;
    for (WORD t = 1; t < NOBJ_MAX_TYPES; t++)
    {
        SNamedObjectTypeInfo* pInfo = FindType(t);
        if (pInfo != NULL && lstrcmpiA(pInfo->m_szTemplateExt, lpszExt) == 0)
            return t;
    }
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// Objects and templates

int GetNamedObjectInfo(CNamedObject* pObject, SNamedObjectInfo* pInfo, SNamedObjectTypeInfo* pTypeInfo)
{
    if (pObject == NULL)
        return 0;
    SNamedObjectTypeInfo* pType = FindType(pObject->GetType());
    if (pType == NULL)
        return 0;
    if (pInfo != NULL)
        *pInfo = pObject->m_Info;
    if (pTypeInfo != NULL)
        CopyRecord(pType, pTypeInfo);
    return 1;
}

int GetNamedObjectSetInfo(CNamedObject* pObject, SNamedObjectInfo* pInfo, SNamedObjectTypeInfo* pTypeInfo)
{
    if (pObject == NULL)
        return 0;
    return GetNamedObjectInfo(GetNamedObjectTypeSetTemplate(pObject->GetType()), pInfo, pTypeInfo);
}

CNamedObject* GetNamedObjectTypeTemplate(WORD nType)
{
    if (g_pNamedObjectsTemplates == NULL)
        return NULL;
    for (int i = 0; i < g_pNamedObjectsTemplates->GetSize(); i++)
    {
        CNamedObject* pTemplate = g_pNamedObjectsTemplates->GetAt(i);
        if (pTemplate->GetType() == nType)
            return pTemplate;
    }
    return NULL;
}

CNamedObject* GetNamedObjectTypeSetTemplate(WORD nType)
{
    if (g_pNamedObjectsTemplates == NULL)
        return NULL;
    for (int i = 0; i < g_pNamedObjectsTemplates->GetSize(); i++)
    {
        CNamedObject* pTemplate = g_pNamedObjectsTemplates->GetAt(i);
        SNamedObjectTypeInfo* pType = FindType(pTemplate->GetType());
        if (pType != NULL && pType->m_nSetType == nType)
            return pTemplate;
    }
    return NULL;
}

CString GetNextNamdObjectTemplateName(CNamedObject* pTemplate, int nNumber)
{
    if (pTemplate == NULL)
        return CString();
    CString strName = pTemplate->m_Info.m_strName;
    char chSeparator = '_';
    int nPos = strName.Find("_#");
    if (nPos < 0)
    {
        chSeparator = ' ';
        nPos = strName.Find(" #");
    }
    CString strNumbered;
    if (nPos >= 0)
    {
        int nCounter = 0;
        sscanf((LPCSTR)strName + nPos + 2, "%d", &nCounter);
        nCounter++;
        if (nNumber >= 0)
            nCounter = nNumber;
        strNumbered.Format("%s%c#%d", (LPCSTR)strName.Left(nPos), chSeparator, nCounter);
    }
    else
        strNumbered = strName + "(1)";
    pTemplate->m_Info.m_strName = strNumbered;
    CString strResult = strNumbered;
    if (strResult.Find("_#") >= 0)
        strResult.Replace("_#", "_");
    else
        strResult.Replace(" #", " ");
    return strResult;
}

int IsNameUnique(const char* lpszName, CNamedObjectsArray* pArray, WORD nType)
{
    if (pArray == NULL)
        return 1;
    if (lpszName == NULL || *lpszName == 0)
        return 0;
    return pArray->FindByName(nType, lpszName) == NULL ? 1 : 0;
}

CNamedObject* CreateNamedObject(WORD nType, const char* lpszName, UINT nFlags, CNamedObject* pTemplate)
{
    CString strName = lpszName != NULL ? lpszName : "";
    if (pTemplate == NULL)
    {
        pTemplate = GetNamedObjectTypeTemplate(nType);
        if (lpszName == NULL)
            strName = GetNextNamdObjectTemplateName(pTemplate, -1);
    }
    if (pTemplate == NULL)
        return NULL;
    return pTemplate->CreateCopy(strName, nFlags, 0, 0);
}
