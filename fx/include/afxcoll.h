// afxcoll.h - the framework's ready-made collections: arrays of bytes, words, double words,
// unsigned ints, pointers, objects and strings; lists of pointers, objects and strings; maps
// between strings, pointers, words and objects.
//
// They are the collection templates of afxtempl.h instantiated for those element types, with
// run-time class information and, where the element type allows, serialisation.  Growth, hash
// function (strings: nHash = nHash*33 + ch; pointers and words: key >> 4), default hash table
// size (17), block sizes and iteration order are those of the templates.
// afx.h includes this header at a fixed point; a source that includes it first gets here again
// through afx.h, so the guard follows the include.
#include "afx.h"

#ifndef __AFXCOLL_H__
#define __AFXCOLL_H__

// A position in a list or a map; NULL = none.
struct __POSITION {};
typedef __POSITION* POSITION;

// GetStartPosition's value for "before the first association".
#define BEFORE_START_POSITION ((POSITION)-1L)

#include "afxtempl.h"

/////////////////////////////////////////////////////////////////////////////
// Arrays

class AFX_FX_CLASS CByteArray : public CArray<BYTE, BYTE>
{
    DECLARE_SERIAL(CByteArray)
public:
    CByteArray();
    virtual ~CByteArray();
};

class AFX_FX_CLASS CWordArray : public CArray<WORD, WORD>
{
    DECLARE_SERIAL(CWordArray)
public:
    CWordArray();
    virtual ~CWordArray();
};

class AFX_FX_CLASS CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_SERIAL(CDWordArray)
public:
    CDWordArray();
    virtual ~CDWordArray();
};

class AFX_FX_CLASS CUIntArray : public CArray<UINT, UINT>
{
    DECLARE_DYNAMIC(CUIntArray)
public:
    CUIntArray();
    virtual ~CUIntArray();
};

class AFX_FX_CLASS CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray();
    virtual ~CPtrArray();
};

// Stores and loads its elements as objects (class tags, back references).
class AFX_FX_CLASS CObArray : public CArray<CObject*, CObject*>
{
    DECLARE_SERIAL(CObArray)
public:
    CObArray();
    virtual ~CObArray();
    virtual void Serialize(CArchive& ar);
};

class AFX_FX_CLASS CStringArray : public CArray<CString, const CString&>
{
    DECLARE_SERIAL(CStringArray)
public:
    CStringArray();
    virtual ~CStringArray();
};

/////////////////////////////////////////////////////////////////////////////
// Lists

class AFX_FX_CLASS CPtrList : public CList<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(INT_PTR nBlockSize = 10);
    virtual ~CPtrList();
};

class AFX_FX_CLASS CObList : public CList<CObject*, CObject*>
{
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(INT_PTR nBlockSize = 10);
    virtual ~CObList();
    virtual void Serialize(CArchive& ar);
};

class AFX_FX_CLASS CStringList : public CList<CString, LPCSTR>
{
    DECLARE_SERIAL(CStringList)
public:
    explicit CStringList(INT_PTR nBlockSize = 10);
    virtual ~CStringList();
};

/////////////////////////////////////////////////////////////////////////////
// Maps

class AFX_FX_CLASS CMapWordToPtr : public CMap<WORD, WORD, void*, void*>
{
    DECLARE_DYNAMIC(CMapWordToPtr)
public:
    explicit CMapWordToPtr(INT_PTR nBlockSize = 10);
    virtual ~CMapWordToPtr();
    UINT HashKey(WORD key) const { return ::HashKey<WORD>(key); }
};

class AFX_FX_CLASS CMapPtrToWord : public CMap<void*, void*, WORD, WORD>
{
    DECLARE_DYNAMIC(CMapPtrToWord)
public:
    explicit CMapPtrToWord(INT_PTR nBlockSize = 10);
    virtual ~CMapPtrToWord();
    UINT HashKey(void* key) const { return ::HashKey<void*>(key); }
};

class AFX_FX_CLASS CMapPtrToPtr : public CMap<void*, void*, void*, void*>
{
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    explicit CMapPtrToPtr(INT_PTR nBlockSize = 10);
    virtual ~CMapPtrToPtr();
    UINT HashKey(void* key) const { return ::HashKey<void*>(key); }
};

// Stores and loads its values as objects.
class AFX_FX_CLASS CMapWordToOb : public CMap<WORD, WORD, CObject*, CObject*>
{
    DECLARE_SERIAL(CMapWordToOb)
public:
    explicit CMapWordToOb(INT_PTR nBlockSize = 10);
    virtual ~CMapWordToOb();
    UINT HashKey(WORD key) const { return ::HashKey<WORD>(key); }
    virtual void Serialize(CArchive& ar);
};

class AFX_FX_CLASS CMapStringToPtr : public CMap<CString, LPCSTR, void*, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    explicit CMapStringToPtr(INT_PTR nBlockSize = 10);
    virtual ~CMapStringToPtr();
    UINT HashKey(LPCSTR key) const { return ::HashKey<LPCSTR>(key); }
    // the map's own copy of the key
    BOOL LookupKey(LPCSTR key, LPCSTR& rKey) const;
};

// Stores and loads its values as objects.
class AFX_FX_CLASS CMapStringToOb : public CMap<CString, LPCSTR, CObject*, CObject*>
{
    DECLARE_SERIAL(CMapStringToOb)
public:
    explicit CMapStringToOb(INT_PTR nBlockSize = 10);
    virtual ~CMapStringToOb();
    UINT HashKey(LPCSTR key) const { return ::HashKey<LPCSTR>(key); }
    BOOL LookupKey(LPCSTR key, LPCSTR& rKey) const;
    virtual void Serialize(CArchive& ar);
};

class AFX_FX_CLASS CMapStringToString : public CMap<CString, LPCSTR, CString, LPCSTR>
{
    DECLARE_SERIAL(CMapStringToString)
public:
    explicit CMapStringToString(INT_PTR nBlockSize = 10);
    virtual ~CMapStringToString();
    UINT HashKey(LPCSTR key) const { return ::HashKey<LPCSTR>(key); }
    BOOL LookupKey(LPCSTR key, LPCSTR& rKey) const;
};

#endif // __AFXCOLL_H__
