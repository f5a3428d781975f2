// Collections: array growth and element moves, lists and their positions, hash maps (table
// size, hash functions, iteration order, removal while iterating), typed pointer collections.
#include <afx.h>
#include <afxtempl.h>
#include <gtest/gtest.h>
#include "fxtest.h"
#include <string>
#include <vector>

namespace
{

template<class ARRAY>
std::vector<long long> Contents(const ARRAY& arr)
{
    std::vector<long long> v;
    for (INT_PTR i = 0; i < arr.GetSize(); i++)
        v.push_back((long long)arr[i]);
    return v;
}

std::string Join(const CStringArray& arr)
{
    std::string str;
    for (INT_PTR i = 0; i < arr.GetSize(); i++)
        str += std::string(i > 0 ? "," : "") + (LPCSTR)arr[i];
    return str;
}

std::string Join(const CStringList& list, bool bBackwards = false)
{
    std::string str;
    for (POSITION pos = bBackwards ? list.GetTailPosition() : list.GetHeadPosition(); pos != NULL;)
        str += std::string(str.empty() ? "" : ",") + (LPCSTR)(bBackwards ? list.GetPrev(pos) : list.GetNext(pos));
    return str;
}

class CItem : public CObject
{
public:
    explicit CItem(int n = 0) : m_n(n) {}
    int m_n;
};

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Arrays

TEST(CollArray, SetSizeAndBounds)
{
    CDWordArray arr;
    EXPECT_TRUE(arr.IsEmpty());
    EXPECT_EQ(-1, arr.GetUpperBound());
    arr.SetSize(5);
    EXPECT_EQ(5, arr.GetSize());
    EXPECT_EQ(5, arr.GetCount());
    EXPECT_EQ(4, arr.GetUpperBound());
    EXPECT_EQ((std::vector<long long>{ 0, 0, 0, 0, 0 }), Contents(arr)) << "new elements start at zero";
    arr[4] = 44;
    arr.SetSize(3);
    EXPECT_EQ(2, arr.GetUpperBound());
    arr.SetSize(5);
    EXPECT_EQ(0u, arr[4]) << "elements regained after shrinking are zero again";
    arr.RemoveAll();
    EXPECT_EQ(0, arr.GetSize());
    EXPECT_TRUE(arr.GetData() == NULL);

    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { arr.SetSize(-1); }));
    arr.SetSize(2);
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { arr.GetAt(2); }));
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { arr.GetAt(-1); }));
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { arr.SetAt(2, 1); }));
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { arr[5] = 1; }));
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { arr.ElementAt(7); }));
}

// The storage moves only when the array outgrows it; the steps are the grow-by value, or
// without one an eighth of the size, at least 4 and at most 1024.
TEST(CollArray, GrowthSteps)
{
    CUIntArray arr;
    arr.SetSize(0, 10);
    arr.Add(0);
    UINT* pData = arr.GetData();
    for (UINT i = 1; i < 10; i++)
        arr.Add(i);
    EXPECT_EQ(pData, arr.GetData()) << "the first allocation holds grow-by elements";
    arr.Add(10);
    EXPECT_NE(pData, arr.GetData());
    pData = arr.GetData();
    for (UINT i = 11; i < 20; i++)
        arr.Add(i);
    EXPECT_EQ(pData, arr.GetData());
    arr.Add(20);
    EXPECT_NE(pData, arr.GetData());
    for (UINT i = 0; i <= 20; i++)
        ASSERT_EQ(i, arr[i]) << "moving lost element " << i;

    // size before the first add, and the room that add makes: 100 / 8 = 12, 8 / 8 = 1 but at
    // least 4, 16000 / 8 = 2000 but at most 1024
    const struct { int nSize, nRoom; } rgSteps[] = { { 100, 12 }, { 8, 4 }, { 16000, 1024 } };
    for (const auto& step : rgSteps)
    {
        CByteArray arrBytes;
        arrBytes.SetSize(step.nSize);
        arrBytes.Add(1);
        BYTE* pBytes = arrBytes.GetData();
        for (int i = 1; i < step.nRoom; i++)
            arrBytes.Add(1);
        EXPECT_EQ(pBytes, arrBytes.GetData()) << step.nSize;
        arrBytes.Add(2);
        EXPECT_NE(pBytes, arrBytes.GetData()) << step.nSize;
        arrBytes.FreeExtra();
        EXPECT_EQ(step.nSize + step.nRoom + 1, arrBytes.GetSize());
        EXPECT_EQ(2, arrBytes[step.nSize + step.nRoom]);
    }
}

TEST(CollArray, InsertAtShiftsAndRemoveAtCloses)
{
    CWordArray arr;
    for (WORD w = 0; w < 4; w++)
        arr.Add(w);
    arr.InsertAt(1, 9, 2);
    EXPECT_EQ((std::vector<long long>{ 0, 9, 9, 1, 2, 3 }), Contents(arr));
    arr.InsertAt(8, 7);
    EXPECT_EQ((std::vector<long long>{ 0, 9, 9, 1, 2, 3, 0, 0, 7 }), Contents(arr)) << "inserting past the end pads with zeros";
    arr.InsertAt(0, arr[2]);           // the value is one of the elements being moved
    EXPECT_EQ((std::vector<long long>{ 9, 0, 9, 9, 1, 2, 3, 0, 0, 7 }), Contents(arr));
    arr.RemoveAt(1, 3);
    EXPECT_EQ((std::vector<long long>{ 9, 1, 2, 3, 0, 0, 7 }), Contents(arr));
    arr.RemoveAt(6);
    arr.RemoveAt(4, 2);
    EXPECT_EQ((std::vector<long long>{ 9, 1, 2, 3 }), Contents(arr));
    arr.RemoveAt(4, 0);
    EXPECT_EQ(4, arr.GetSize());
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { arr.RemoveAt(3, 2); }));
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { arr.RemoveAt(-1); }));
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { arr.InsertAt(-1, 5); }));
    EXPECT_EQ(4, arr.GetSize());

    CWordArray arrOther;
    arrOther.Add(100);
    arrOther.Add(200);
    arr.InsertAt(2, &arrOther);
    EXPECT_EQ((std::vector<long long>{ 9, 1, 100, 200, 2, 3 }), Contents(arr));
    arr.InsertAt(1, &arr);
    EXPECT_EQ((std::vector<long long>{ 9, 9, 1, 100, 200, 2, 3, 1, 100, 200, 2, 3 }), Contents(arr));
}

TEST(CollArray, GrowAppendCopy)
{
    CPtrArray arr;
    int rg[3];
    arr.SetAtGrow(2, &rg[2]);
    EXPECT_EQ(3, arr.GetSize());
    EXPECT_TRUE(arr[0] == NULL && arr[1] == NULL);
    EXPECT_EQ(&rg[2], arr[2]);
    EXPECT_EQ(3, arr.Add(&rg[0]));

    CPtrArray arrCopy;
    arrCopy.Add(&rg[1]);
    arrCopy.Copy(arr);
    EXPECT_EQ(4, arrCopy.GetSize());
    EXPECT_EQ(&rg[0], arrCopy[3]);
    EXPECT_EQ(4, arrCopy.Append(arr));
    EXPECT_EQ(8, arrCopy.GetSize());
    EXPECT_EQ(8, arrCopy.Append(arrCopy)) << "an array can be appended to itself";
    EXPECT_EQ(16, arrCopy.GetSize());
    EXPECT_EQ(&rg[2], arrCopy[14]);
    EXPECT_EQ(&rg[0], arrCopy[15]);
}

TEST(CollArray, StringElementsSurviveMoves)
{
    CStringArray arr;
    arr.Add("one");
    arr.Add(CString("two"));
    arr.InsertAt(0, "zero");
    arr.InsertAt(3, "three", 2);
    EXPECT_EQ("zero,one,two,three,three", Join(arr));
    for (int i = 0; i < 200; i++)
        arr.Add(CString('x', i + 1));
    arr.RemoveAt(3, 2);
    arr.InsertAt(1, arr[0]);
    arr.SetAt(2, "ONE");
    EXPECT_EQ(204, arr.GetSize());
    EXPECT_STREQ("zero", arr[0]);
    EXPECT_STREQ("zero", arr[1]);
    EXPECT_STREQ("ONE", arr[2]);
    EXPECT_STREQ("two", arr[3]);
    for (int i = 0; i < 200; i++)
        ASSERT_EQ(i + 1, arr[4 + i].GetLength()) << i;

    // a string taken from the array stays valid after the array lets go of it
    CString strKept = arr[3];
    arr.RemoveAll();
    EXPECT_STREQ("two", strKept);
}

TEST(CollArray, TemplateArrayOfStructures)
{
    CArray<CRect, const CRect&> arr;
    arr.SetSize(0, 50);
    arr.Add(CRect(1, 2, 3, 4));
    arr.Add(CRect(5, 6, 7, 8));
    arr.InsertAt(1, CRect(0, 0, 1, 1));
    EXPECT_EQ(3, arr.GetSize());
    EXPECT_TRUE(arr[1] == CRect(0, 0, 1, 1));
    EXPECT_TRUE(arr[2] == CRect(5, 6, 7, 8));
    arr.SetSize(5);
    EXPECT_TRUE(arr[4].IsRectNull());

    CTypedPtrArray<CObArray, CItem*> arrItems;
    CItem item1(1), item2(2);
    arrItems.Add(&item1);
    arrItems.Add(&item2);
    EXPECT_EQ(2, arrItems[1]->m_n);
    EXPECT_EQ(1, arrItems.GetAt(0)->m_n);
    arrItems.ElementAt(0) = &item2;
    EXPECT_EQ(2, arrItems[0]->m_n);
}

/////////////////////////////////////////////////////////////////////////////
// Lists

TEST(CollList, PositionsAndOrder)
{
    CStringList list(2);        // small blocks: the nodes come from several blocks
    list.AddTail("b");
    list.AddTail("c");
    list.AddHead("a");
    POSITION posC = list.Find("c");
    ASSERT_TRUE(posC != NULL);
    list.InsertBefore(posC, "b2");
    list.InsertAfter(posC, "d");
    list.InsertAfter(list.GetTailPosition(), "e");
    list.InsertBefore(list.GetHeadPosition(), "0");
    EXPECT_EQ(7, list.GetCount());
    EXPECT_EQ("0,a,b,b2,c,d,e", Join(list));
    EXPECT_EQ("e,d,c,b2,b,a,0", Join(list, true));
    EXPECT_STREQ("0", list.GetHead());
    EXPECT_STREQ("e", list.GetTail());

    list.SetAt(posC, "C");
    EXPECT_STREQ("C", list.GetAt(posC));
    list.RemoveAt(posC);
    EXPECT_EQ("0,a,b,b2,d,e", Join(list));
    EXPECT_STREQ("0", list.RemoveHead());
    EXPECT_STREQ("e", list.RemoveTail());
    EXPECT_EQ("a,b,b2,d", Join(list));
    EXPECT_EQ("d,b2,b,a", Join(list, true));

    EXPECT_STREQ("b2", list.GetAt(list.FindIndex(2)));
    EXPECT_TRUE(list.FindIndex(4) == NULL);
    EXPECT_TRUE(list.FindIndex(-1) == NULL);
    EXPECT_TRUE(list.Find("zz") == NULL);
}

TEST(CollList, FindAfterAPositionAndTypedLists)
{
    CTypedPtrList<CObList, CItem*> list;
    CItem item1(1), item2(2);
    POSITION pos1 = list.AddTail(&item1);
    list.AddHead(&item2);
    POSITION pos3 = list.AddTail(&item1);
    EXPECT_EQ(pos1, list.Find(&item1));
    EXPECT_EQ(pos3, list.Find(&item1, pos1));
    EXPECT_TRUE(list.Find(&item1, pos3) == NULL);
    POSITION pos = list.GetHeadPosition();
    EXPECT_EQ(2, list.GetNext(pos)->m_n);
    EXPECT_EQ(pos1, pos);
}

TEST(CollList, WholeListsAndEmptying)
{
    CStringList list, listOther;
    list.AddTail("x");
    listOther.AddTail("1");
    listOther.AddTail("2");
    list.AddTail(&listOther);
    list.AddHead(&listOther);
    EXPECT_EQ("1,2,x,1,2", Join(list));
    list.AddTail(&list);
    EXPECT_EQ("1,2,x,1,2,1,2,x,1,2", Join(list)) << "a list can be appended to itself";
    EXPECT_EQ(2, listOther.GetCount());

    while (!list.IsEmpty())
        list.RemoveHead();
    EXPECT_TRUE(list.GetHeadPosition() == NULL);
    EXPECT_TRUE(list.GetTailPosition() == NULL);
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { list.GetHead(); }));
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { list.RemoveTail(); }));
    POSITION pos = NULL;
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { list.GetNext(pos); }));

    // the list is usable again after it became empty
    for (int i = 0; i < 25; i++)
        list.AddTail(CString((char)('a' + i), 1));
    EXPECT_EQ(25, list.GetCount());
    EXPECT_STREQ("y", list.GetTail());
    list.RemoveAll();
    EXPECT_EQ(0, list.GetCount());
}

/////////////////////////////////////////////////////////////////////////////
// Maps

TEST(CollMap, HashTableSize)
{
    CMapStringToPtr map;
    EXPECT_EQ(17u, map.GetHashTableSize()) << "the default size";
    map.InitHashTable(17);
    EXPECT_EQ(17u, map.GetHashTableSize());
    map.InitHashTable(101, FALSE);
    EXPECT_EQ(101u, map.GetHashTableSize());
    map.SetAt("key", NULL);
    EXPECT_EQ(101u, map.GetHashTableSize()) << "a table allocated on first use keeps the chosen size";
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { map.InitHashTable(31); })) << "the size of a filled table cannot change";
    map.RemoveKey("key");
    map.InitHashTable(31);
    EXPECT_EQ(31u, map.GetHashTableSize());
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { map.InitHashTable(0); }));
}

TEST(CollMap, LookupSetRemove)
{
    CMap<CString, LPCSTR, int, int> map(10);
    map.InitHashTable(17);
    int n = -1;
    EXPECT_FALSE(map.Lookup("missing", n));
    EXPECT_EQ(-1, n) << "a failed lookup leaves the value alone";
    EXPECT_EQ(0, map["fresh"]) << "operator[] adds a zero value";
    EXPECT_EQ(1, map.GetCount());
    map["fresh"] += 5;
    map.SetAt("other", 7);
    map.SetAt("other", 8);
    EXPECT_EQ(2, map.GetCount());
    EXPECT_TRUE(map.Lookup("fresh", n));
    EXPECT_EQ(5, n);
    EXPECT_TRUE(map.Lookup(CString("other"), n));
    EXPECT_EQ(8, n);
    EXPECT_FALSE(map.Lookup("Other", n)) << "string keys are case-sensitive";
    CMap<CString, LPCSTR, int, int>::CPair* pPair = map.PLookup("other");
    ASSERT_TRUE(pPair != NULL);
    EXPECT_STREQ("other", pPair->key);
    pPair->value = 80;
    EXPECT_EQ(80, map["other"]);
    EXPECT_TRUE(map.RemoveKey("fresh"));
    EXPECT_FALSE(map.RemoveKey("fresh"));
    EXPECT_EQ(1, map.GetCount());
    // many entries across a small table: every one stays reachable
    for (int i = 0; i < 500; i++)
    {
        CString strKey;
        strKey.Format("k%d", i);
        map[strKey] = i;
    }
    for (int i = 0; i < 500; i += 7)
    {
        CString strKey;
        strKey.Format("k%d", i);
        ASSERT_TRUE(map.Lookup(strKey, n)) << i;
        ASSERT_EQ(i, n);
    }
    EXPECT_EQ(501, map.GetCount());
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_TRUE(map.GetStartPosition() == NULL);
}

// Word and pointer keys hash to key >> 4; iteration walks the buckets in order and each bucket
// from its newest entry.
TEST(CollMap, IterationFollowsTheBuckets)
{
    CMapWordToPtr map;
    map.InitHashTable(17);
    // buckets: 0x50 -> 5, 0x10 -> 1, 0x120 -> 18 % 17 = 1, 0x30 -> 3, 0x05 -> 0
    const WORD rgKeys[] = { 0x50, 0x10, 0x120, 0x30, 0x05 };
    for (WORD wKey : rgKeys)
        map.SetAt(wKey, (void*)(UINT_PTR)(wKey + 1));
    std::vector<WORD> order;
    for (POSITION pos = map.GetStartPosition(); pos != NULL;)
    {
        WORD wKey;
        void* pValue;
        map.GetNextAssoc(pos, wKey, pValue);
        EXPECT_EQ((UINT_PTR)(wKey + 1), (UINT_PTR)pValue);
        order.push_back(wKey);
    }
    EXPECT_EQ((std::vector<WORD>{ 0x05, 0x120, 0x10, 0x30, 0x50 }), order);
    EXPECT_EQ((UINT)(0x120 >> 4), map.HashKey(0x120));

    // strings: nHash = nHash * 33 + ch, so "a" = 97 (bucket 12), "b" = 98 (13), "ab" = 3299 (1)
    CMapStringToString mapStrings;
    mapStrings.SetAt("b", "B");
    mapStrings.SetAt("a", "A");
    mapStrings.SetAt("ab", "AB");
    EXPECT_EQ(3299u, mapStrings.HashKey("ab"));
    std::string strOrder;
    for (POSITION pos = mapStrings.GetStartPosition(); pos != NULL;)
    {
        CString strKey, strValue;
        mapStrings.GetNextAssoc(pos, strKey, strValue);
        strOrder += std::string(strKey) + "=" + (LPCSTR)strValue + " ";
    }
    EXPECT_EQ("ab=AB a=A b=B ", strOrder);
}

TEST(CollMap, RemovingTheCurrentEntryWhileIterating)
{
    CMapStringToPtr map;
    map.InitHashTable(7);
    for (int i = 0; i < 40; i++)
    {
        CString strKey;
        strKey.Format("entry%d", i);
        map.SetAt(strKey, (void*)(INT_PTR)i);
    }
    int nVisited = 0;
    INT_PTR nSum = 0;
    for (POSITION pos = map.GetStartPosition(); pos != NULL;)
    {
        CString strKey;
        void* pValue;
        map.GetNextAssoc(pos, strKey, pValue);
        nVisited++;
        nSum += (INT_PTR)pValue;
        if ((INT_PTR)pValue % 2 == 0)
        {
            EXPECT_TRUE(map.RemoveKey(strKey));
        }
    }
    EXPECT_EQ(40, nVisited) << "removing the current entry must not skip or repeat others";
    EXPECT_EQ(40 * 39 / 2, nSum);
    EXPECT_EQ(20, map.GetCount());
    void* pValue;
    EXPECT_FALSE(map.Lookup("entry4", pValue));
    EXPECT_TRUE(map.Lookup("entry5", pValue));

    // removing every entry on the way empties the map
    nVisited = 0;
    for (POSITION pos = map.GetStartPosition(); pos != NULL;)
    {
        CString strKey;
        map.GetNextAssoc(pos, strKey, pValue);
        map.RemoveKey(strKey);
        nVisited++;
    }
    EXPECT_EQ(20, nVisited);
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(7u, map.GetHashTableSize());
    map.SetAt("again", NULL);
    EXPECT_EQ(1, map.GetCount());
}

TEST(CollMap, KeyAndValueForms)
{
    CMapStringToString mapStrings;
    mapStrings["name"] = "value";
    LPCSTR lpszKey = NULL;
    ASSERT_TRUE(mapStrings.LookupKey("name", lpszKey));
    EXPECT_STREQ("name", lpszKey);
    EXPECT_FALSE(mapStrings.LookupKey("nothing", lpszKey));

    CMapPtrToPtr mapPtrs;
    int rg[3];
    mapPtrs[&rg[0]] = &rg[1];
    mapPtrs.SetAt(&rg[1], &rg[2]);
    void* p = NULL;
    EXPECT_TRUE(mapPtrs.Lookup(&rg[1], p));
    EXPECT_EQ(&rg[2], p);
    EXPECT_FALSE(mapPtrs.Lookup(&rg[2], p));

    CTypedPtrMap<CMapStringToOb, CString, CItem*> mapItems;
    CItem item(42);
    mapItems.SetAt("item", &item);
    CItem* pItem = NULL;
    EXPECT_TRUE(mapItems.Lookup("item", pItem));
    EXPECT_EQ(42, pItem->m_n);
    POSITION pos = mapItems.GetStartPosition();
    CString strKey;
    mapItems.GetNextAssoc(pos, strKey, pItem);
    EXPECT_STREQ("item", strKey);
    EXPECT_EQ(&item, pItem);

    CMap<CString, const CString&, int, int> mapByReference;
    mapByReference[CString("b")] = 2;
    mapByReference[CString("ab")] = 1;
    int n = 0;
    EXPECT_TRUE(mapByReference.Lookup(CString("ab"), n));
    EXPECT_EQ(1, n);
    POSITION posFirst = mapByReference.GetStartPosition();
    int nFirst = 0;
    mapByReference.GetNextAssoc(posFirst, strKey, nFirst);
    EXPECT_STREQ("ab", strKey) << "CString keys hash like C strings (\"ab\" is in bucket 1)";

    CMap<int, int, CString, LPCSTR> mapInts;
    mapInts[3] = "three";
    mapInts[-3] = "minus three";
    EXPECT_STREQ("minus three", mapInts[-3]);
    EXPECT_EQ(2, mapInts.GetCount());
}

TEST(CollRuntime, ClassesAndKinds)
{
    CStringArray arr;
    CMapStringToPtr map;
    CPtrList list;
    EXPECT_TRUE(arr.IsSerializable());
    EXPECT_FALSE(map.IsSerializable());
    EXPECT_FALSE(list.IsSerializable());
    EXPECT_STREQ("CMapStringToPtr", map.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(CRuntimeClass::FromName("CObList") == RUNTIME_CLASS(CObList));
    CObject* pObject = RUNTIME_CLASS(CMapStringToString)->CreateObject();
    ASSERT_TRUE(pObject != NULL);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CMapStringToString)));
    delete pObject;
}
