// Named objects as a host uses them: grouped by type in collections, numbered from templates,
// renamed through their name property, notified to windows, saved and loaded as settings text.
#include <WEXOctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "wexotest.h"

namespace {

const WORD TYPE_LAYER = 3;
const WORD TYPE_LAYERSET = 5;

class NamedObjectsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AfxOleInit();
        m_pSavedInfo = g_pPropertiesInfoStuff;
        g_pPropertiesInfoStuff = &m_info;
        CString strName("Name"), strActive("Active");
        m_info.Add(NOBJPROP_NAME, 1, &strName, &strName, CSize(0, 0), (CImageList*)NULL, 0, NULL, 0);
        m_info.Add(NOBJPROP_ACTIVE, 4, &strActive, &strActive, CSize(0, 0), (CImageList*)NULL, 0, NULL, 0);
        m_pSavedTemplates = g_pNamedObjectsTemplates;
        g_pNamedObjectsTemplates = &m_templates;
        AddType(TYPE_LAYER, "Layer");
        AddType(TYPE_LAYERSET, "Layer Set");
        m_templates.Add(new CNamedObject("Layer_#0", NULL, TYPE_LAYER));
        m_templates.Add(new CNamedObject("Set #0", NULL, TYPE_LAYERSET));
        m_strFile = MakeStringArrayName(&m_lines);
    }
    void TearDown() override
    {
        m_templates.RemoveAll();
        DeleteAllNamedObjectTypeInfo();
        g_pNamedObjectsTemplates = m_pSavedTemplates;
        g_pPropertiesInfoStuff = m_pSavedInfo;
    }
    static void AddType(WORD nType, const char* lpszKey)
    {
        SNamedObjectTypeInfo* pInfo = new SNamedObjectTypeInfo;
        pInfo->m_strKeyName = lpszKey;
        pInfo->m_strTypeName = lpszKey;
        AddNamedObjectTypeInfo(nType, pInfo);
    }
    CString Value(LPCSTR lpszSection, LPCSTR lpszKey)
    {
        char szValue[300];
        return LoadStringFromStringArray(lpszSection, lpszKey, szValue, sizeof(szValue), &m_lines) > 0
            ? CString(szValue) : CString("<none>");
    }
    // the types of the collection's objects in order
    static std::vector<int> Types(const CNamedObjectsArray& array)
    {
        std::vector<int> types;
        for (int i = 0; i < array.GetSize(); i++)
            types.push_back(array.GetAt(i)->GetType());
        return types;
    }

    CPropertiesInfo m_info;
    CPropertiesInfo* m_pSavedInfo = NULL;
    CNamedObjectsArray m_templates{ NOBJARRAY_DELETE };
    CNamedObjectsArray* m_pSavedTemplates = NULL;
    CStringArray m_lines;
    CString m_strFile;
};

TEST_F(NamedObjectsTest, ObjectsStayGroupedByType)
{
    CNamedObjectsArray array(NOBJARRAY_DELETE);
    CNamedObject* pType2 = NULL;
    const WORD order[] = { 3, 1, 3, 2 };
    const int expectedIndex[] = { 0, 0, 2, 1 };     // where each lands when added
    for (int i = 0; i < 4; i++)
    {
        CNamedObject* pObject = new CNamedObject("x", NULL, order[i]);
        if (order[i] == 2)
            pType2 = pObject;
        EXPECT_EQ(expectedIndex[i], array.Add(pObject)) << i;
    }
    EXPECT_EQ((std::vector<int>{ 1, 2, 3, 3 }), Types(array));
    const struct { WORD nType; int nStart, nEnd, nCount; } ranges[] = {
        { 1, 0, 0, 1 }, { 2, 1, 1, 1 }, { 3, 2, 3, 2 }, { 4, -1, -1, 0 }, { 0, -1, -1, 0 },
    };
    for (const auto& r : ranges)
    {
        EXPECT_EQ(r.nStart, array.StartIndex(r.nType)) << r.nType;
        EXPECT_EQ(r.nEnd, array.EndIndex(r.nType)) << r.nType;
        EXPECT_EQ(r.nCount, array.GetCount(r.nType)) << r.nType;
    }
    array.RemoveAt(array.FindIndex(pType2));
    EXPECT_EQ(1, array.StartIndex(3));
    EXPECT_EQ(-1, array.StartIndex(2));
    EXPECT_EQ((std::vector<int>{ 1, 3, 3 }), Types(array));
    // masks: bit (t - 1) stands for type t
    EXPECT_EQ(3, array.GetCountOfTypes(0x5));
    EXPECT_EQ(2, array.GetCountOfTypes(0x4));
    EXPECT_EQ(2, array.GetGlobalIndex(0x5, 2));     // the second object of type 3
    EXPECT_EQ(-1, array.GetGlobalIndex(0x5, 3));
    EXPECT_EQ(1, array.GetGlobalIndex(0x4, 0));
}

TEST_F(NamedObjectsTest, GlobalIndexWalksTheMaskedTypes)
{
    CNamedObjectsArray array(NOBJARRAY_DELETE);
    array.Add(new CNamedObject("a", NULL, 3));
    array.Add(new CNamedObject("b", NULL, 1));
    EXPECT_EQ(1, array.GetGlobalIndex(0x5, 1));     // past the one of type 1: the one of type 3
    EXPECT_EQ(0, array.GetGlobalIndex(0x5, 0));
    EXPECT_EQ(-1, array.GetGlobalIndex(0x2, 0));    // type 2: none
}

TEST_F(NamedObjectsTest, TypesOutsideTheRangeAreRefused)
{
    CNamedObjectsArray array;
    CNamedObject outside("far", NULL, NOBJ_MAX_TYPES);
    EXPECT_EQ(-1, array.Add(&outside));
    EXPECT_EQ(-1, array.Add(NULL));
    EXPECT_EQ(0, array.GetSize());
    EXPECT_EQ(NULL, outside.m_pArray);
    SNamedObjectTypeInfo* pInfo = new SNamedObjectTypeInfo;
    EXPECT_EQ(0, AddNamedObjectTypeInfo(NOBJ_MAX_TYPES, pInfo));
    delete pInfo;
    EXPECT_EQ(0, AddNamedObjectTypeInfo(25, 0, 0, 0, 0, 0, 0));
}

TEST_F(NamedObjectsTest, TemplateNamesCountOn)
{
    const struct { const char* pszTemplate; int nNumber; const char* pszResult; const char* pszTemplateAfter; } cases[] = {
        { "Layer_#3", -1, "Layer_4", "Layer_#4" },
        { "Layer_#3", 10, "Layer_10", "Layer_#10" },
        { "Pen #7", -1, "Pen 8", "Pen #8" },
        { "Layer_#", -1, "Layer_1", "Layer_#1" },    // no number yet: the first
        { "Note", -1, "Note(1)", "Note(1)" },
    };
    for (const auto& c : cases)
    {
        CNamedObject tmpl(c.pszTemplate, NULL, TYPE_LAYER);
        EXPECT_STREQ(c.pszResult, GetNextNamdObjectTemplateName(&tmpl, c.nNumber)) << c.pszTemplate;
        EXPECT_STREQ(c.pszTemplateAfter, tmpl.GetName()) << c.pszTemplate;
    }
    EXPECT_STREQ("", GetNextNamdObjectTemplateName(NULL, -1));
}

TEST_F(NamedObjectsTest, NamesAreUniqueWithinTheirType)
{
    CNamedObjectsArray array(NOBJARRAY_DELETE);
    array.Add(new CNamedObject("Walls", NULL, TYPE_LAYER));
    array.Add(new CNamedObject("Doors", NULL, 1));
    CNamedObjectsArray empty;
    const struct { const char* pszName; CNamedObjectsArray* pArray; WORD nType; int nUnique; } cases[] = {
        { "Walls", &array, TYPE_LAYER, 0 },
        { "walls", &array, TYPE_LAYER, 1 },     // case counts
        { "Doors", &array, TYPE_LAYER, 1 },     // another type's name
        { "", &empty, TYPE_LAYER, 0 },
        { "", NULL, TYPE_LAYER, 1 },
        { "Walls", NULL, TYPE_LAYER, 1 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nUnique, IsNameUnique(c.pszName, c.pArray, c.nType)) << c.pszName;
}

TEST_F(NamedObjectsTest, HistoryKeepsFiveOnce)
{
    CNamedObjectsArray array(NOBJARRAY_DELETE);
    std::vector<CNamedObject*> objects;
    for (int i = 0; i < 7; i++)
    {
        objects.push_back(new CNamedObject(std::to_string(i).c_str(), NULL, 1));
        array.Add(objects.back());
    }
    array.AddToHistory(objects[4]);     // used again: to the front, not twice
    std::vector<CString> names;
    for (POSITION pos = array.GetHistory().GetHeadPosition(); pos != NULL;)
        names.push_back(((CNamedObject*)array.GetHistory().GetNext(pos))->GetName());
    EXPECT_EQ((std::vector<CString>{ "4", "6", "5", "3", "2" }), names);
    array.RemoveAt(array.FindIndex(objects[6]));
    EXPECT_EQ(4, array.GetHistory().GetCount());
}

TEST_F(NamedObjectsTest, WindowsHearAddsRemovesAndRenames)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel(CRect(0, 0, 20, 20), "listener", WS_POPUP));
    wnd.Watch(WM_NOBJECT_NOTIFY);
    CNamedObjectsArray array(0);
    array.AddWndToNotify(wnd.GetSafeHwnd());
    CNamedObject walls("Walls", NULL, TYPE_LAYER), doors("Doors", NULL, TYPE_LAYER);
    array.Add(&walls);
    array.Add(&doors);
    // a rename to a name the type has already is refused, and still reported
    EXPECT_EQ(0, doors.OnChangeName("Walls"));
    EXPECT_STREQ("Doors", doors.GetName());
    EXPECT_EQ(1, doors.OnChangeName("Windows"));
    EXPECT_STREQ("Windows", doors.GetName());
    array.RemoveAt(array.FindIndex(&walls));
    const struct { WPARAM pObject; LPARAM nCode; } expected[] = {
        { (WPARAM)&walls, NOBJN_ADDED }, { (WPARAM)&doors, NOBJN_ADDED }, { (WPARAM)&doors, NOBJN_RENAMED },
        { (WPARAM)&doors, NOBJN_RENAMED }, { (WPARAM)&walls, NOBJN_REMOVED },
    };
    ASSERT_EQ(5u, wnd.m_messages.size());
    for (size_t i = 0; i < 5; i++)
    {
        EXPECT_EQ(expected[i].pObject, wnd.m_messages[i].wParam) << i;
        EXPECT_EQ(expected[i].nCode, wnd.m_messages[i].lParam) << i;
    }
    EXPECT_EQ(1, array.DeleteWndToNotify(wnd.GetSafeHwnd()));
    EXPECT_EQ(0, array.DeleteWndToNotify(wnd.GetSafeHwnd()));
    array.RemoveAll();      // style 0: the objects are the test's
    EXPECT_EQ(NULL, doors.m_pArray);
}

// The name typed into the name property is taken when the property is pressed.
TEST_F(NamedObjectsTest, RenameThroughTheNameProperty)
{
    CNamedObjectsArray array(0);
    CNamedObject walls("Walls", NULL, TYPE_LAYER), doors("Doors", NULL, TYPE_LAYER);
    array.Add(&walls);
    array.Add(&doors);
    CObjXDBPropColl* pProps = doors.GetProps();
    ASSERT_NE(nullptr, pProps);
    ASSERT_EQ(2, pProps->GetCount());
    IDispatch* pName = pProps->GetItem(0);
    CObjXDBProp* pNameProp = CObjXDBProp::ObjectFromIDisp(pName);
    EXPECT_EQ((DWORD)NOBJPROP_NAME, pNameProp->m_nID);
    EXPECT_STREQ("Doors", CString(pNameProp->m_varValue.bstrVal));

    const struct { const char* pszTyped; const char* pszName; const char* pszShown; } cases[] = {
        { "Gates", "Gates", "Gates" },
        { "Walls", "Gates", "Gates" },      // taken by the other layer: the name property shows the old one
    };
    for (const auto& c : cases)
    {
        CString strBefore = doors.GetName();
        EXPECT_EQ(S_OK, TestDispPut(pName, L"Value", COleVariant(c.pszTyped)));
        EXPECT_STREQ(strBefore, doors.GetName()) << "taken before the press: " << c.pszTyped;
        EXPECT_STREQ(c.pszTyped, doors.m_strPendingName);
        EXPECT_EQ(S_OK, TestDispPut(pName, L"State", COleVariant((short)1)));
        EXPECT_STREQ(c.pszName, doors.GetName()) << c.pszTyped;
        EXPECT_STREQ(c.pszShown, CString(pNameProp->m_varValue.bstrVal)) << c.pszTyped;
        EXPECT_EQ((DWORD)NOBJPROP_NAME, doors.m_nLastProperty);
    }
    pName->Release();
    array.RemoveAll();
}

// A layer type of which one object at a time is active.
class CExclusiveLayer : public CNamedObject
{
public:
    using CNamedObject::CNamedObject;
    int GetExtPropInfo(UINT nID, long nRequest) override
    {
        if (nRequest & 2)
            return nID == NOBJPROP_ACTIVE ? 2 : 0;
        return CNamedObject::GetExtPropInfo(nID, nRequest);
    }
};

TEST_F(NamedObjectsTest, ExclusivePropertyIsClearedOnTheOthers)
{
    CNamedObjectsArray array(0);
    CExclusiveLayer a("A", NULL, TYPE_LAYER), b("B", NULL, TYPE_LAYER);
    CNamedObject plain("C", NULL, TYPE_LAYER);
    array.Add(&a);
    array.Add(&b);
    array.Add(&plain);
    for (CNamedObject* p : { (CNamedObject*)&a, (CNamedObject*)&b, &plain })
        p->GetProps();
    a.SetPropValue(NOBJPROP_ACTIVE, COleVariant(true));
    EXPECT_TRUE(a.IsActive());
    b.SetPropValue(NOBJPROP_ACTIVE, COleVariant(true));
    EXPECT_TRUE(b.IsActive());
    EXPECT_FALSE(a.IsActive());
    // the plain one has no exclusive property: activating it leaves the others alone
    plain.SetPropValue(NOBJPROP_ACTIVE, COleVariant(true));
    EXPECT_TRUE(plain.IsActive());
    EXPECT_TRUE(b.IsActive());
    array.RemoveAll();
}

TEST_F(NamedObjectsTest, ObjectsSaveInTheirSections)
{
    CNamedObject set("Ground floor", NULL, TYPE_LAYERSET);
    CNamedObjectsArray* pChildren = set.GetNObjects();
    pChildren->Add(new CNamedObject("Walls", NULL, TYPE_LAYER));
    pChildren->Add(new CNamedObject("Doors", NULL, TYPE_LAYER));
    EXPECT_NE(0, set.OnSave(NULL, m_strFile));
    EXPECT_STREQ("Layer^Set 5", Value("Layer Set", "Info"));
    EXPECT_STREQ("2", Value("Layer Set", "Props"));
    EXPECT_STREQ("65535 1 Ground^floor 4", Value("Layer Set", "I-0"));
    EXPECT_STREQ("65534 4 0 4", Value("Layer Set", "I-1"));
    EXPECT_STREQ("2", Value("Layer Set", "Layer SetChilds"));
    EXPECT_STREQ("Layer 3", Value("Layer SetChild-0", "Info"));
    EXPECT_STREQ("65535 1 Doors 4", Value("Layer SetChild-1", "I-0"));
    char szName[6];
    EXPECT_EQ(1, LoadNamedObjectName("Layer Set", szName, sizeof(szName), m_strFile));
    EXPECT_STREQ("Groun", szName);

    CNamedObject* pLoaded = LoadNamedObject("Layer Set", m_strFile);
    ASSERT_NE(nullptr, pLoaded);
    EXPECT_STREQ("Ground floor", pLoaded->GetName());
    EXPECT_EQ(TYPE_LAYERSET, pLoaded->GetType());
    ASSERT_EQ(2, pLoaded->GetNObjects()->GetSize());
    EXPECT_STREQ("Walls", pLoaded->GetNObjects()->GetAt(0)->GetName());
    EXPECT_EQ(pLoaded, pLoaded->GetNObjects()->GetAt(1)->m_pParent);
    delete pLoaded;
}

TEST_F(NamedObjectsTest, EmptyAndBrokenCollections)
{
    CNamedObjectsArray empty;
    EXPECT_NE(0, SaveNamedObjectCollection(&empty, "A", m_strFile));
    EXPECT_STREQ("0", Value("A", "AChilds"));
    EXPECT_EQ(2, m_lines.GetSize());    // the header and the count line: nothing else
    CNamedObjectsArray loaded(NOBJARRAY_DELETE);
    EXPECT_EQ(1, LoadNamedObjectCollection(&loaded, "A", m_strFile));
    EXPECT_EQ(0, loaded.GetSize());
    EXPECT_EQ(0, LoadNamedObjectCollection(&loaded, "Nowhere", m_strFile));
    EXPECT_EQ(0, SaveNamedObjectCollection(NULL, "A", m_strFile));

    // two children, the first of a type without a template: it is skipped
    SaveStringToStringArray("B", "BChilds", "2", &m_lines);
    SaveStringToStringArray("BChild-0", "Info", "Note 7", &m_lines);
    SaveStringToStringArray("BChild-1", "Info", "Layer 3", &m_lines);
    SaveStringToStringArray("BChild-1", "Props", "1", &m_lines);
    SaveStringToStringArray("BChild-1", "I-0", "65535 1 Roof 4", &m_lines);
    EXPECT_EQ(NULL, LoadNamedObject("BChild-0", m_strFile));
    EXPECT_EQ(1, LoadNamedObjectCollection(&loaded, "B", m_strFile));
    ASSERT_EQ(1, loaded.GetSize());
    EXPECT_STREQ("Roof", loaded.GetAt(0)->GetName());
}

TEST_F(NamedObjectsTest, NewObjectsAreNumberedCopiesOfTheTemplate)
{
    CNamedObject* pFirst = CreateNamedObject(TYPE_LAYER, NULL, 0, NULL);
    CNamedObject* pSecond = CreateNamedObject(TYPE_LAYER, NULL, 0, NULL);
    CNamedObject* pNamed = CreateNamedObject(TYPE_LAYER, "Stairs", 0, NULL);
    ASSERT_TRUE(pFirst != NULL && pSecond != NULL && pNamed != NULL);
    EXPECT_STREQ("Layer_1", pFirst->GetName());
    EXPECT_STREQ("Layer_2", pSecond->GetName());
    EXPECT_STREQ("Stairs", pNamed->GetName());
    EXPECT_EQ(TYPE_LAYER, pNamed->GetType());
    EXPECT_EQ(NULL, CreateNamedObject(7, NULL, 0, NULL));   // no template
    delete pFirst;
    delete pSecond;
    delete pNamed;
}

TEST_F(NamedObjectsTest, RegistryLookups)
{
    SetNamedObjectTypeTemplateExtension(TYPE_LAYER, "lyrxx");
    char szExt[5];
    GetNamedObjectTypeTemplateExtension(TYPE_LAYER, szExt);
    EXPECT_STREQ("lyrx", szExt);
    EXPECT_EQ(TYPE_LAYER, GetNamedObjectTypeFromTemplateExtension("LYRX"));
    EXPECT_EQ(0, GetNamedObjectTypeFromTemplateExtension("dwg"));
    SetNamedObjectTypeName(TYPE_LAYER, 0, "Drawing layer");
    EXPECT_STREQ("Drawing layer", GetNamedObjectTypeName(TYPE_LAYER));
    EXPECT_STREQ("", GetNamedObjectTypeName(9));
    g_mapNObjTypeInfo[TYPE_LAYER]->m_nSetType = TYPE_LAYERSET;
    WORD nSetType = 99;
    EXPECT_EQ(1, GetNamedObjectTypeSetInfo(TYPE_LAYERSET, &nSetType, NULL));
    EXPECT_EQ(TYPE_LAYER, nSetType);
    EXPECT_EQ(0, GetNamedObjectTypeSetInfo(11, &nSetType, NULL));
    EXPECT_EQ(0, nSetType);
    EXPECT_EQ(1, DeleteNamedObjectTypeInfo(TYPE_LAYER));
    EXPECT_EQ(0, DeleteNamedObjectTypeInfo(TYPE_LAYER));
    SNamedObjectInfo info;
    CNamedObject orphan("x", NULL, TYPE_LAYER);
    EXPECT_EQ(0, GetNamedObjectInfo(&orphan, &info, NULL));
}

TEST_F(NamedObjectsTest, CopiesTakePropertiesButNotTheName)
{
    CNamedObject source("Walls", NULL, TYPE_LAYER), dest("Doors", NULL, TYPE_LAYER);
    source.GetProps();
    source.OnActivate();
    EXPECT_EQ(1, source.CopyTo(&dest, NOBJCOPY_PROPS));
    EXPECT_TRUE(dest.FindProp(NOBJPROP_ACTIVE)->m_varValue.boolVal != VARIANT_FALSE);
    EXPECT_TRUE(dest.IsActive());
    EXPECT_STREQ("Doors", dest.GetName());
    // a locked property keeps its value
    EXPECT_EQ(0, dest.LockPropChanging(NOBJPROP_ACTIVE, 1));
    dest.SetPropValue(NOBJPROP_ACTIVE, COleVariant(false));
    EXPECT_TRUE(dest.IsActive());
    EXPECT_EQ(1, dest.LockPropChanging(NOBJPROP_ACTIVE, 0));
    EXPECT_EQ(0, dest.LockPropChanging(1234, 1));
}

} // namespace
