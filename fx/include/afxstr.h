// afxstr.h - CString, the framework's ANSI/MBCS string.
//
// A CString is exactly one pointer: it points at the characters, and the bookkeeping (reference
// count, length, allocated length) lives in a CStringData header just in front of them.  Copies
// share one buffer until one of them is modified (copy on write).  Because the object is the
// character pointer, (LPCSTR)str costs nothing and the object can stand where a C string is
// expected.
#pragma once

#include "afxver_.h"
#include <type_traits>

class CString;

// Header in front of the characters of every non-empty CString.
struct CStringData
{
    LONG nRefs;          // number of CStrings sharing the buffer; -1 = locked (never shared)
    int nDataLength;     // length of the text, without the terminating zero
    int nAllocLength;    // characters that fit, without the terminating zero
    int nReserved;       // keeps the characters 8-byte aligned

    char* data() { return (char*)(this + 1); }
};

/////////////////////////////////////////////////////////////////////////////
// Passing a CString through "..."
//
// MFC code hands CStrings straight to printf-style functions ("%s", str).  The compiler we build
// with passes an object with a copy constructor or destructor through "..." by hidden reference,
// so the callee would see the address of a temporary CString instead of the characters.  Each
// printf-style function that framework or library code calls is therefore also offered as a
// template that is chosen only when a CString is among the arguments; it hands every CString over
// as its LPCSTR and then calls the plain function.

template<class... A>
struct _AfxHasCStringArg
{
    static const bool value = (false || ... || std::is_base_of<CString, typename std::decay<A>::type>::value);
};

template<class T>
inline typename std::enable_if<!std::is_base_of<CString, T>::value, const T&>::type
_AfxVarArg(const T& arg) { return arg; }

inline LPCSTR _AfxVarArg(const CString& str);

#define _AFX_IF_CSTRING_ARG(A) typename std::enable_if<_AfxHasCStringArg<A...>::value, int>::type = 0

/////////////////////////////////////////////////////////////////////////////
// CString

class AFX_FX_CLASS CString
{
public:
    // Constructors
    CString();
    CString(const CString& stringSrc);
    explicit CString(char ch, int nRepeat = 1);
    CString(LPCSTR lpsz);                       // MAKEINTRESOURCE(id) loads string id
    CString(LPCSTR lpch, int nLength);
    CString(const unsigned char* psz);
    CString(LPCWSTR lpsz);                      // converted with the ANSI code page
    CString(LPCWSTR lpwch, int nLength);
    ~CString();

    // Attributes and element access
    int GetLength() const { return GetData()->nDataLength; }
    BOOL IsEmpty() const { return GetData()->nDataLength == 0; }
    void Empty();
    int GetAllocLength() const { return GetData()->nAllocLength; }

    char GetAt(int nIndex) const;
    char operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, char ch);
    operator LPCSTR() const { return m_pchData; }
    LPCSTR GetString() const { return m_pchData; }

    // Assignment
    const CString& operator=(const CString& stringSrc);
    const CString& operator=(char ch);
    const CString& operator=(LPCSTR lpsz);
    const CString& operator=(const unsigned char* psz);
    const CString& operator=(LPCWSTR lpsz);
    void SetString(LPCSTR lpsz);
    void SetString(LPCSTR lpch, int nLength);

    // Concatenation
    const CString& operator+=(const CString& string);
    const CString& operator+=(char ch);
    const CString& operator+=(LPCSTR lpsz);
    void Append(LPCSTR lpsz);
    void Append(LPCSTR lpch, int nLength);
    void Append(const CString& string);
    void AppendChar(char ch);

    // Comparison
    int Compare(LPCSTR lpsz) const;
    int CompareNoCase(LPCSTR lpsz) const;
    int Collate(LPCSTR lpsz) const;
    int CollateNoCase(LPCSTR lpsz) const;

    // Extraction
    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR lpszCharSet) const;
    CString SpanExcluding(LPCSTR lpszCharSet) const;
    CString Tokenize(LPCSTR pszTokens, int& iStart) const;

    // Upper/lower/reverse conversion
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // Modification; each returns a count or the new length
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR lpszOld, LPCSTR lpszNew);
    int Remove(char chRemove);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR pstr);
    int Delete(int nIndex, int nCount = 1);
    CString& Truncate(int nNewLength);

    // Trimming: no argument = white space
    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(LPCSTR lpszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCSTR lpszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCSTR lpszTargets);

    // Searching; each returns a zero-based index or -1
    int Find(char ch) const;
    int Find(char ch, int nStart) const;
    int Find(LPCSTR lpszSub) const;
    int Find(LPCSTR lpszSub, int nStart) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR lpszCharSet) const;

    // Formatting (printf rules; any length)
    void AFX_CDECL Format(LPCSTR lpszFormat, ...);
    void AFX_CDECL Format(UINT nFormatID, ...);
    void FormatV(LPCSTR lpszFormat, va_list argList);
    void AFX_CDECL AppendFormat(LPCSTR lpszFormat, ...);
    void AFX_CDECL AppendFormat(UINT nFormatID, ...);
    void AppendFormatV(LPCSTR lpszFormat, va_list argList);
    // FormatMessage rules (%1, %2!d!, ...)
    void AFX_CDECL FormatMessage(LPCSTR lpszFormat, ...);
    void AFX_CDECL FormatMessage(UINT nFormatID, ...);
    void FormatMessageV(LPCSTR lpszFormat, va_list* pArgList);

    template<class... A, _AFX_IF_CSTRING_ARG(A)>
    void Format(LPCSTR lpszFormat, const A&... args) { Format(lpszFormat, _AfxVarArg(args)...); }
    template<class... A, _AFX_IF_CSTRING_ARG(A)>
    void Format(UINT nFormatID, const A&... args) { Format(nFormatID, _AfxVarArg(args)...); }
    template<class... A, _AFX_IF_CSTRING_ARG(A)>
    void AppendFormat(LPCSTR lpszFormat, const A&... args) { AppendFormat(lpszFormat, _AfxVarArg(args)...); }
    template<class... A, _AFX_IF_CSTRING_ARG(A)>
    void AppendFormat(UINT nFormatID, const A&... args) { AppendFormat(nFormatID, _AfxVarArg(args)...); }
    template<class... A, _AFX_IF_CSTRING_ARG(A)>
    void FormatMessage(LPCSTR lpszFormat, const A&... args) { FormatMessage(lpszFormat, _AfxVarArg(args)...); }
    template<class... A, _AFX_IF_CSTRING_ARG(A)>
    void FormatMessage(UINT nFormatID, const A&... args) { FormatMessage(nFormatID, _AfxVarArg(args)...); }

    // String resources: the module of the resource chain that holds the string
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    // Conversion to and from OLE strings
    BSTR AllocSysString() const;
    BSTR SetSysString(BSTR* pbstr) const;
    void AnsiToOem();
    void OemToAnsi();

    // Direct access to the buffer
    LPSTR GetBuffer(int nMinBufLength);
    LPSTR GetBuffer();
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength) { ReleaseBuffer(nNewLength); }
    LPSTR GetBufferSetLength(int nNewLength);
    void FreeExtra();
    void Preallocate(int nLength);
    LPSTR LockBuffer();
    void UnlockBuffer();

    static int PASCAL StringLength(LPCSTR psz) { return psz != NULL ? (int)strlen(psz) : 0; }

protected:
    LPSTR m_pchData;    // the characters; a CStringData header precedes them

    CStringData* GetData() const { return ((CStringData*)m_pchData) - 1; }
    void Init();
    void AllocBuffer(int nLen);
    void AllocBeforeWrite(int nLen);
    void AssignCopy(int nSrcLen, LPCSTR lpszSrcData);
    void ConcatInPlace(int nSrcLen, LPCSTR lpszSrcData);
    void CopyBeforeWrite();
    void Release();
    void Attach(CStringData* pData);
    void AssignWide(LPCWSTR lpwch, int nLength);
    BOOL IsNil() const;
    static CStringData* PASCAL AllocData(int nLen);
    static void PASCAL FreeData(CStringData* pData);
    static int PASCAL SafeStrlen(LPCSTR lpsz);
};

typedef CString CStringA;

inline LPCSTR _AfxVarArg(const CString& str) { return str.GetString(); }

// Concatenation
AFX_FX_API CString AFXAPI operator+(const CString& string1, const CString& string2);
AFX_FX_API CString AFXAPI operator+(const CString& string, char ch);
AFX_FX_API CString AFXAPI operator+(char ch, const CString& string);
AFX_FX_API CString AFXAPI operator+(const CString& string, LPCSTR lpsz);
AFX_FX_API CString AFXAPI operator+(LPCSTR lpsz, const CString& string);

// Comparison operators
inline bool AFXAPI operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
inline bool AFXAPI operator==(const CString& s1, LPCSTR s2) { return s1.Compare(s2) == 0; }
inline bool AFXAPI operator==(LPCSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
inline bool AFXAPI operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
inline bool AFXAPI operator!=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) != 0; }
inline bool AFXAPI operator!=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
inline bool AFXAPI operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
inline bool AFXAPI operator<(const CString& s1, LPCSTR s2) { return s1.Compare(s2) < 0; }
inline bool AFXAPI operator<(LPCSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
inline bool AFXAPI operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
inline bool AFXAPI operator>(const CString& s1, LPCSTR s2) { return s1.Compare(s2) > 0; }
inline bool AFXAPI operator>(LPCSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
inline bool AFXAPI operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
inline bool AFXAPI operator<=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) <= 0; }
inline bool AFXAPI operator<=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
inline bool AFXAPI operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
inline bool AFXAPI operator>=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) >= 0; }
inline bool AFXAPI operator>=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }

// Sub-string iSubString of lpszFullString, the parts being separated by chSep.  FALSE (and an empty
// rString) when there are fewer parts.
AFX_FX_API BOOL AFXAPI AfxExtractSubString(CString& rString, LPCSTR lpszFullString,
    int iSubString, char chSep = '\n');

/////////////////////////////////////////////////////////////////////////////
// printf-style functions that take CString arguments (see _AfxVarArg above)

template<class... A, _AFX_IF_CSTRING_ARG(A)>
inline int printf(const char* lpszFormat, const A&... args)
    { return ::printf(lpszFormat, _AfxVarArg(args)...); }
template<class... A, _AFX_IF_CSTRING_ARG(A)>
inline int fprintf(FILE* pFile, const char* lpszFormat, const A&... args)
    { return ::fprintf(pFile, lpszFormat, _AfxVarArg(args)...); }
template<class... A, _AFX_IF_CSTRING_ARG(A)>
inline int sprintf(char* lpszBuffer, const char* lpszFormat, const A&... args)
    { return ::sprintf(lpszBuffer, lpszFormat, _AfxVarArg(args)...); }
template<class... A, _AFX_IF_CSTRING_ARG(A)>
inline int snprintf(char* lpszBuffer, size_t nCount, const char* lpszFormat, const A&... args)
    { return ::snprintf(lpszBuffer, nCount, lpszFormat, _AfxVarArg(args)...); }
template<class... A, _AFX_IF_CSTRING_ARG(A)>
inline int _snprintf(char* lpszBuffer, size_t nCount, const char* lpszFormat, const A&... args)
    { return ::_snprintf(lpszBuffer, nCount, lpszFormat, _AfxVarArg(args)...); }
template<class... A, _AFX_IF_CSTRING_ARG(A)>
inline int _scprintf(const char* lpszFormat, const A&... args)
    { return ::_scprintf(lpszFormat, _AfxVarArg(args)...); }
template<class... A, _AFX_IF_CSTRING_ARG(A)>
inline int wsprintfA(LPSTR lpszBuffer, LPCSTR lpszFormat, const A&... args)
    { return ::wsprintfA(lpszBuffer, lpszFormat, _AfxVarArg(args)...); }
template<class... A, _AFX_IF_CSTRING_ARG(A)>
inline void AfxTrace(const char* lpszFormat, const A&... args)
    { ::AfxTrace(lpszFormat, _AfxVarArg(args)...); }
