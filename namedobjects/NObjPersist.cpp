// NObjPersist.cpp - named objects and their collections as settings text.
//
// Section S of an object holds "Info" ("<type key name> <type>", blanks of the key name as '^'),
// its property collection under "Props" (item i under "I-<i>"), and, when it has children,
// "<S>Childs" with their number; child i lives in the section "<S>Child-<i>".
#include "NamedObjects.h"
#include "properties/PropStatus.h"
#include "frame/StringArraySettings.h"

const char NOBJINFOKEY[] = "Info";
const char NOBJINFOFORMAT[] = "%s %d";
const char NOBJPROPSKEY[] = "Props";
const char NOBJCHILDSKEY[] = "Childs";
const char NOBJCHILDSFORMAT[] = "%d";
const char NOBJCHILDADD[] = "Child";

static const int INFO_LINE_SIZE = 256;
static const int STATUS_LINE_SIZE = 512;

// the section of object or collection: the given one, else the type's key name
static CString SectionOf(const char* lpszSection, WORD nType)
{
    if (lpszSection != NULL)
        return lpszSection;
    SNamedObjectTypeInfo info;
    return GetNamedObjectTypeInfo(nType, &info) ? info.m_strKeyName : CString();
}

static CString ChildsKey(const char* lpszSection)
{
    return CString(lpszSection != NULL ? lpszSection : "") + NOBJCHILDSKEY;
}

static CString ChildSection(const char* lpszSection, int i)
{
    CString str;
    if (lpszSection != NULL)
        str.Format("%s%s-%d", lpszSection, NOBJCHILDADD, i);
    else
        str.Format("%s-%d", NOBJCHILDADD, i);
    return str;
}

int CNamedObject::OnSave(const char* lpszSection, const char* lpszFile)
{
    CString strSection = SectionOf(lpszSection, m_Info.m_nType);
    SNamedObjectTypeInfo type;
    GetNamedObjectTypeInfo(m_Info.m_nType, &type);
    CString strKey = type.m_strKeyName;
    ReplaceSpace(strKey, '^');
    CString strInfo;
    strInfo.Format(NOBJINFOFORMAT, (LPCSTR)strKey, (int)m_Info.m_nType);
    int nResult = SaveIniString(strSection, NOBJINFOKEY, strInfo, lpszFile);

    CObjXDBPropColl* pProps = GetProps();
    if (pProps != NULL)
        SavePropCollection(pProps->GetIDispatch(FALSE), strSection, NOBJPROPSKEY, lpszFile);
    if (m_pChildren != NULL)
        nResult = SaveNamedObjectCollection(m_pChildren, strSection, lpszFile);
    return nResult;
}

int CNamedObject::OnLoad(const char* lpszSection, const char* lpszFile)
{
    CString strSection = SectionOf(lpszSection, m_Info.m_nType);
    char szInfo[INFO_LINE_SIZE];
    if (LoadIniString(strSection, NOBJINFOKEY, szInfo, sizeof(szInfo), lpszFile))
    {
        char szKey[INFO_LINE_SIZE];
        int nType = 0;
        if (sscanf(szInfo, "%255s %d", szKey, &nType) == 2 && nType >= 0 && nType < NOBJ_MAX_TYPES)
            m_Info.m_nType = (WORD)nType;
    }

    CObjXDBPropColl* pProps = GetProps();
    if (pProps != NULL)
        LoadPropCollection(pProps->GetIDispatch(FALSE), strSection, NOBJPROPSKEY, CreatePropertyFunction, pProps,
            static_cast<CPropClient*>(this), lpszFile);
    // the loaded name arrived as the pending name: a nameless object takes it, a named one keeps
    // its own and shows it again
    if (!m_strPendingName.IsEmpty() && m_Info.m_strName.IsEmpty())
    {
        CString strName = m_strPendingName;
        OnChangeName(strName);
        m_strPendingName.Empty();
    }
    else if (!m_strPendingName.IsEmpty() && m_strPendingName != m_Info.m_strName)
    {
        SetPropValue(NOBJPROP_NAME, COleVariant(m_Info.m_strName));
        m_strPendingName.Empty();
    }

    ReleaseNObjects();
    InitNObjects(NULL);
    return LoadNamedObjectCollection(m_pChildren, strSection, lpszFile);
}

int SaveNamedObjectCollection(CNamedObjectsArray* pArray, const char* lpszSection, const char* lpszFile)
{
    if (pArray == NULL)
        return 0;
    CString strCount;
    strCount.Format(NOBJCHILDSFORMAT, pArray->GetSize());
    int nResult = SaveIniString(lpszSection, ChildsKey(lpszSection), strCount, lpszFile);
    for (int i = 0; i < pArray->GetSize(); i++)
        pArray->GetAt(i)->OnSave(ChildSection(lpszSection, i), lpszFile);
    return nResult;
}

int LoadNamedObjectCollection(CNamedObjectsArray* pArray, const char* lpszSection, const char* lpszFile)
{
    if (pArray == NULL)
        return 0;
    char szCount[INFO_LINE_SIZE];
    if (!LoadIniString(lpszSection, ChildsKey(lpszSection), szCount, sizeof(szCount), lpszFile))
        return 0;
    int nCount = 0;
    if (sscanf(szCount, NOBJCHILDSFORMAT, &nCount) != 1 || nCount < 0)
        nCount = 0;
    for (int i = 0; i < nCount; i++)
    {
        CNamedObject* pObject = LoadNamedObject(ChildSection(lpszSection, i), lpszFile);
        if (pObject != NULL && pArray->Add(pObject) < 0)
            delete pObject;
    }
    return 1;
}

CNamedObject* LoadNamedObject(const char* lpszSection, const char* lpszFile)
{
    char szInfo[INFO_LINE_SIZE];
    if (!LoadIniString(lpszSection, NOBJINFOKEY, szInfo, sizeof(szInfo), lpszFile))
        return NULL;
    char szKey[INFO_LINE_SIZE];
    int nType = 0;
    if (sscanf(szInfo, "%255s %d", szKey, &nType) != 2 || nType < 0 || nType >= NOBJ_MAX_TYPES)
        return NULL;
    CNamedObject* pObject = CreateNamedObject((WORD)nType, "", 0, NULL);
    if (pObject == NULL)
        return NULL;
    pObject->OnLoad(lpszSection, lpszFile);
    return pObject;
}

int LoadNamedObjectName(const char* lpszSection, char* lpszOut, int nSize, const char* lpszFile)
{
    if (lpszOut == NULL || nSize <= 0)
        return 0;
    lpszOut[0] = 0;
    char szLine[STATUS_LINE_SIZE];
    if (!LoadPropStatusString(lpszSection, 0, szLine, STATUS_LINE_SIZE - 1, lpszFile))
        return 0;
    long nID = 0, nType = 0, nState = 0;
    CString strName;
    if (!ParsePropStatusLine(szLine, nID, nType, strName, nState))
        return 0;
    lstrcpynA(lpszOut, strName, nSize);
    return 1;
}
