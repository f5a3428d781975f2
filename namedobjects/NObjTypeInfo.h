// NObjTypeInfo.h - the process-wide registry of named-object types, the host's templates, and
// named objects as settings text.
//
//   SNamedObjectTypeInfo      a type's names, icon, template extension and set type
//   g_mapNObjTypeInfo         type number (0-19) -> record; owns the records and their icons
//   g_pNamedObjectsTemplates  the host's template objects, copied and numbered for new objects
//   NOBJ... key names         "Info" ("<key name> <type>"), "Props", "<section>Childs",
//                             "<section>Child-<i>"
#pragma once

#include "NamedObjectsArray.h"

struct AFX_EXT_CLASS SNamedObjectTypeInfo
{
    SNamedObjectTypeInfo() : m_dwFlags(0), m_hIcon(NULL), m_nSetType(0) { memset(m_szTemplateExt, 0, sizeof(m_szTemplateExt)); }

    CString m_strKeyName;
    DWORD m_dwFlags;
    HICON m_hIcon;
    char m_szTemplateExt[8];    // at most 4 characters
    CString m_strTypeName;
    CString m_strUIName1;
    CString m_strUIName2;
    WORD m_nSetType;
};

typedef CTypedPtrMap<CMapWordToPtr, WORD, SNamedObjectTypeInfo*> CMapNObjTypeInfo;

extern AFX_EXT_DATA CMapNObjTypeInfo g_mapNObjTypeInfo;
extern AFX_EXT_DATA CNamedObjectsArray* g_pNamedObjectsTemplates;

extern AFX_EXT_DATA const char NOBJINFOKEY[];        // "Info"
extern AFX_EXT_DATA const char NOBJINFOFORMAT[];     // "%s %d"
extern AFX_EXT_DATA const char NOBJPROPSKEY[];       // "Props"
extern AFX_EXT_DATA const char NOBJCHILDSKEY[];      // "Childs"
extern AFX_EXT_DATA const char NOBJCHILDSFORMAT[];   // "%d"
extern AFX_EXT_DATA const char NOBJCHILDADD[];       // "Child"

// Puts the record under the type (a record there before is not freed); 0 for a type outside 0-19.
AFX_EXT_API int AddNamedObjectTypeInfo(WORD nType, SNamedObjectTypeInfo* pInfo);
AFX_EXT_API int AddNamedObjectTypeInfo(WORD nType, WORD nSetType, DWORD dwFlags, UINT nNameID, UINT nBitmapID,
    UINT nImageIndex, UINT nIconID);
// Names from the string resource nNameID, the icon from nIconID or image nImageIndex of bitmap
// nBitmapID (both from the current resource module).
AFX_EXT_API int FillNamedObjectTypeInfo(SNamedObjectTypeInfo* pInfo, WORD nType, WORD nSetType, DWORD dwFlags,
    UINT nNameID, UINT nBitmapID, UINT nImageIndex, UINT nIconID);
AFX_EXT_API int DeleteNamedObjectTypeInfo(WORD nType);
AFX_EXT_API void DeleteAllNamedObjectTypeInfo();
AFX_EXT_API int GetNamedObjectTypeInfo(WORD nType, SNamedObjectTypeInfo* pOut);
AFX_EXT_API int GetNamedObjectTypeSetInfo(WORD nType, WORD* pnSetTypeOut, SNamedObjectTypeInfo* pOut);
AFX_EXT_API void SetNamedObjectTypeName(WORD nType, UINT nID, const char* lpszText);
AFX_EXT_API CString GetNamedObjectTypeName(WORD nType);
AFX_EXT_API void SetNamedObjectTypeUINames(WORD nType, UINT nID1, UINT nID2);
AFX_EXT_API CString GetNamedObjectTypeUIName(WORD nType);
AFX_EXT_API void SetNamedObjectTypeTemplateExtension(WORD nType, const char* lpszExt);
// copies the extension and its terminator (at most 5 characters) into lpszOut
AFX_EXT_API void GetNamedObjectTypeTemplateExtension(WORD nType, char* lpszOut);
AFX_EXT_API WORD GetNamedObjectTypeFromTemplateExtension(const char* lpszExt);

AFX_EXT_API int GetNamedObjectInfo(CNamedObject* pObject, SNamedObjectInfo* pInfo, SNamedObjectTypeInfo* pTypeInfo);
AFX_EXT_API int GetNamedObjectSetInfo(CNamedObject* pObject, SNamedObjectInfo* pInfo, SNamedObjectTypeInfo* pTypeInfo);
AFX_EXT_API CNamedObject* GetNamedObjectTypeTemplate(WORD nType);
AFX_EXT_API CNamedObject* GetNamedObjectTypeSetTemplate(WORD nType);
// The next numbered name of a template ("Layer_#3" -> "Layer_4", the template becoming
// "Layer_#4"); nNumber >= 0 sets the number.
AFX_EXT_API CString GetNextNamdObjectTemplateName(CNamedObject* pTemplate, int nNumber);
AFX_EXT_API int IsNameUnique(const char* lpszName, CNamedObjectsArray* pArray, WORD nType);
// A copy of the template (the type's first template when NULL); NULL without one.
AFX_EXT_API CNamedObject* CreateNamedObject(WORD nType, const char* lpszName, UINT nFlags, CNamedObject* pTemplate);

AFX_EXT_API CNamedObject* LoadNamedObject(const char* lpszSection, const char* lpszFile);
AFX_EXT_API int LoadNamedObjectName(const char* lpszSection, char* lpszOut, int nSize, const char* lpszFile);
AFX_EXT_API int SaveNamedObjectCollection(CNamedObjectsArray* pArray, const char* lpszSection, const char* lpszFile);
AFX_EXT_API int LoadNamedObjectCollection(CNamedObjectsArray* pArray, const char* lpszSection, const char* lpszFile);
