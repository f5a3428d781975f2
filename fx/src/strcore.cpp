// strcore.cpp - CString: buffer management, copy on write, searching, formatting, resources.
#include "afx.h"
#include <mbstring.h>
#include <limits.h>

/////////////////////////////////////////////////////////////////////////////
// Buffer management
//
// Every empty CString points at one shared, never freed empty buffer, so that construction of
// an empty string allocates nothing.  Its reference count is -1 like a locked buffer: nobody
// shares it by counting and nobody frees it.

static struct
{
    CStringData data;
    char chNil[8];
} _afxNilString = { { -1, 0, 0, 0 }, { 0 } };

#define _afxDataNil (&_afxNilString.data)

// Longest text a CString holds; the header and the terminator must still fit an int-sized block.
static const int _afxMaxStringLength = INT_MAX - (int)sizeof(CStringData) - 64;

int PASCAL CString::SafeStrlen(LPCSTR lpsz)
{
    return lpsz != NULL ? (int)strlen(lpsz) : 0;
}

CStringData* PASCAL CString::AllocData(int nLen)
{
    if (nLen < 0 || nLen > _afxMaxStringLength)
        AfxThrowInvalidArgException();
    CStringData* pData = (CStringData*)malloc(sizeof(CStringData) + nLen + 1);
    if (pData == NULL)
        AfxThrowMemoryException();
    pData->nRefs = 1;
    pData->nDataLength = nLen;
    pData->nAllocLength = nLen;
    pData->nReserved = 0;
    pData->data()[nLen] = '\0';
    return pData;
}

void PASCAL CString::FreeData(CStringData* pData)
{
    free(pData);
}

void CString::Init()
{
    m_pchData = _afxDataNil->data();
}

BOOL CString::IsNil() const
{
    return GetData() == _afxDataNil;
}

void CString::AllocBuffer(int nLen)
{
    if (nLen == 0)
        Init();
    else
        m_pchData = AllocData(nLen)->data();
}

void CString::Release()
{
    if (!IsNil())
    {
        CStringData* pData = GetData();
        // a locked buffer (-1) has a single owner and is freed as well
        if (::InterlockedDecrement(&pData->nRefs) <= 0)
            FreeData(pData);
        Init();
    }
}

void CString::Attach(CStringData* pData)
{
    Release();
    m_pchData = pData->data();
}

void CString::CopyBeforeWrite()
{
    CStringData* pData = GetData();
    if (pData->nRefs > 1)
    {
        CStringData* pNew = AllocData(pData->nDataLength);
        memcpy(pNew->data(), pData->data(), pData->nDataLength + 1);
        Attach(pNew);
    }
}

void CString::AllocBeforeWrite(int nLen)
{
    CStringData* pData = GetData();
    if (pData->nRefs > 1 || nLen > pData->nAllocLength)
    {
        Release();
        AllocBuffer(nLen);
    }
}

// The source may lie inside this string's own buffer (str = (LPCSTR)str + 2).
void CString::AssignCopy(int nSrcLen, LPCSTR lpszSrcData)
{
    CStringData* pData = GetData();
    if (nSrcLen == 0 && pData->nRefs >= 0)
    {
        Release();
        return;
    }
    if (pData->nRefs > 1 || nSrcLen > pData->nAllocLength)
    {
        CStringData* pNew = AllocData(nSrcLen);
        memcpy(pNew->data(), lpszSrcData, nSrcLen);
        Attach(pNew);
    }
    else if (!IsNil())
    {
        memmove(pData->data(), lpszSrcData, nSrcLen);
        pData->nDataLength = nSrcLen;
        pData->data()[nSrcLen] = '\0';
    }
}

// Appends with geometric growth, so that building a text piece by piece stays linear.
void CString::ConcatInPlace(int nSrcLen, LPCSTR lpszSrcData)
{
    if (nSrcLen == 0)
        return;
    if (nSrcLen < 0 || lpszSrcData == NULL)
        AfxThrowInvalidArgException();
    CStringData* pData = GetData();
    int nOldLen = pData->nDataLength;
    if (nSrcLen > _afxMaxStringLength - nOldLen)
        AfxThrowInvalidArgException();
    int nNewLen = nOldLen + nSrcLen;
    if (pData->nRefs > 1 || nNewLen > pData->nAllocLength)
    {
        int nAlloc = nNewLen;
        if (pData->nRefs <= 1 && nOldLen > 0 && nOldLen / 2 <= _afxMaxStringLength - nOldLen)
            nAlloc = nOldLen + nOldLen / 2 > nNewLen ? nOldLen + nOldLen / 2 : nNewLen;
        CStringData* pNew = AllocData(nAlloc);
        memcpy(pNew->data(), pData->data(), nOldLen);
        memcpy(pNew->data() + nOldLen, lpszSrcData, nSrcLen);
        pNew->nDataLength = nNewLen;
        pNew->data()[nNewLen] = '\0';
        Attach(pNew);   // the old buffer goes only now: the source may lie in it
    }
    else
    {
        memmove(pData->data() + nOldLen, lpszSrcData, nSrcLen);
        pData->nDataLength = nNewLen;
        pData->data()[nNewLen] = '\0';
    }
}

/////////////////////////////////////////////////////////////////////////////
// Construction and assignment

CString::CString()
{
    Init();
}

CString::CString(const CString& stringSrc)
{
    CStringData* pSrc = stringSrc.GetData();
    if (pSrc->nRefs >= 0)
    {
        m_pchData = stringSrc.m_pchData;
        ::InterlockedIncrement(&pSrc->nRefs);
    }
    else
    {
        // the source is empty or locked: a locked buffer is never shared
        Init();
        AssignCopy(pSrc->nDataLength, stringSrc.m_pchData);
    }
}

CString::CString(char ch, int nRepeat)
{
    Init();
    if (nRepeat > 0)
    {
        AllocBuffer(nRepeat);
        memset(m_pchData, ch, nRepeat);
    }
}

CString::CString(LPCSTR lpsz)
{
    Init();
    if (lpsz != NULL && IS_INTRESOURCE(lpsz))
        LoadString(LOWORD((ULONG_PTR)lpsz));
    else
        AssignCopy(SafeStrlen(lpsz), lpsz);
}

CString::CString(LPCSTR lpch, int nLength)
{
    Init();
    if (nLength < 0 || (lpch == NULL && nLength > 0))
        AfxThrowInvalidArgException();
    AssignCopy(nLength, lpch);
}

CString::CString(const unsigned char* psz)
{
    Init();
    AssignCopy(SafeStrlen((LPCSTR)psz), (LPCSTR)psz);
}

CString::CString(LPCWSTR lpsz)
{
    Init();
    AssignWide(lpsz, -1);
}

CString::CString(LPCWSTR lpwch, int nLength)
{
    Init();
    if (nLength < 0 || (lpwch == NULL && nLength > 0))
        AfxThrowInvalidArgException();
    AssignWide(lpwch, nLength);
}

CString::~CString()
{
    Release();
}

// nLength -1 = up to the terminating zero.
void CString::AssignWide(LPCWSTR lpwch, int nLength)
{
    if (lpwch == NULL || nLength == 0 || (nLength < 0 && *lpwch == L'\0'))
    {
        Empty();
        return;
    }
    int nChars = ::WideCharToMultiByte(CP_ACP, 0, lpwch, nLength, NULL, 0, NULL, NULL);
    if (nLength < 0 && nChars > 0)
        nChars--;     // the count included the terminator
    if (nChars <= 0)
    {
        Empty();
        return;
    }
    CStringData* pNew = AllocData(nChars);
    ::WideCharToMultiByte(CP_ACP, 0, lpwch, nLength, pNew->data(), nLength < 0 ? nChars + 1 : nChars,
        NULL, NULL);
    pNew->data()[nChars] = '\0';
    Attach(pNew);
}

void CString::Empty()
{
    CStringData* pData = GetData();
    if (pData->nDataLength == 0 && pData->nRefs != -1)
        return;
    if (pData->nRefs >= 0)
        Release();
    else if (!IsNil())
    {
        // locked: keep the buffer the caller holds a pointer to
        pData->nDataLength = 0;
        pData->data()[0] = '\0';
    }
}

const CString& CString::operator=(const CString& stringSrc)
{
    if (m_pchData != stringSrc.m_pchData)
    {
        CStringData* pSrc = stringSrc.GetData();
        if ((GetData()->nRefs < 0 && !IsNil()) || pSrc->nRefs < 0)
        {
            // this one is locked, or the source is locked or empty: copy the characters
            AssignCopy(pSrc->nDataLength, stringSrc.m_pchData);
        }
        else
        {
            Release();
            m_pchData = stringSrc.m_pchData;
            ::InterlockedIncrement(&pSrc->nRefs);
        }
    }
    return *this;
}

const CString& CString::operator=(char ch)
{
    AssignCopy(1, &ch);
    return *this;
}

const CString& CString::operator=(LPCSTR lpsz)
{
    AssignCopy(SafeStrlen(lpsz), lpsz);
    return *this;
}

const CString& CString::operator=(const unsigned char* psz)
{
    return operator=((LPCSTR)psz);
}

const CString& CString::operator=(LPCWSTR lpsz)
{
    AssignWide(lpsz, -1);
    return *this;
}

void CString::SetString(LPCSTR lpsz)
{
    AssignCopy(SafeStrlen(lpsz), lpsz);
}

void CString::SetString(LPCSTR lpch, int nLength)
{
    if (nLength < 0 || (lpch == NULL && nLength > 0))
        AfxThrowInvalidArgException();
    AssignCopy(nLength, lpch);
}

/////////////////////////////////////////////////////////////////////////////
// Element access

char CString::GetAt(int nIndex) const
{
    // the terminating zero may be read, as with the character pointer itself
    if (nIndex < 0 || nIndex > GetLength())
        AfxThrowInvalidArgException();
    return m_pchData[nIndex];
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    CopyBeforeWrite();
    m_pchData[nIndex] = ch;
}

/////////////////////////////////////////////////////////////////////////////
// Concatenation

const CString& CString::operator+=(const CString& string)
{
    ConcatInPlace(string.GetLength(), string.m_pchData);
    return *this;
}

const CString& CString::operator+=(char ch)
{
    ConcatInPlace(1, &ch);
    return *this;
}

const CString& CString::operator+=(LPCSTR lpsz)
{
    ConcatInPlace(SafeStrlen(lpsz), lpsz);
    return *this;
}

void CString::Append(LPCSTR lpsz)
{
    ConcatInPlace(SafeStrlen(lpsz), lpsz);
}

void CString::Append(LPCSTR lpch, int nLength)
{
    ConcatInPlace(nLength, lpch);
}

void CString::Append(const CString& string)
{
    ConcatInPlace(string.GetLength(), string.m_pchData);
}

void CString::AppendChar(char ch)
{
    ConcatInPlace(1, &ch);
}

static CString AfxConcat(LPCSTR lpch1, int nLen1, LPCSTR lpch2, int nLen2)
{
    CString str;
    if (nLen1 + nLen2 > 0)
    {
        LPSTR lpsz = str.GetBuffer(nLen1 + nLen2);
        memcpy(lpsz, lpch1, nLen1);
        memcpy(lpsz + nLen1, lpch2, nLen2);
        str.ReleaseBuffer(nLen1 + nLen2);
    }
    return str;
}

CString AFXAPI operator+(const CString& string1, const CString& string2)
{
    return AfxConcat(string1, string1.GetLength(), string2, string2.GetLength());
}

CString AFXAPI operator+(const CString& string, char ch)
{
    return AfxConcat(string, string.GetLength(), &ch, 1);
}

CString AFXAPI operator+(char ch, const CString& string)
{
    return AfxConcat(&ch, 1, string, string.GetLength());
}

CString AFXAPI operator+(const CString& string, LPCSTR lpsz)
{
    return AfxConcat(string, string.GetLength(), lpsz, lpsz != NULL ? (int)strlen(lpsz) : 0);
}

CString AFXAPI operator+(LPCSTR lpsz, const CString& string)
{
    return AfxConcat(lpsz, lpsz != NULL ? (int)strlen(lpsz) : 0, string, string.GetLength());
}

/////////////////////////////////////////////////////////////////////////////
// Comparison (multi-byte aware, as the rest of the ANSI framework)

static inline const unsigned char* AfxMbs(LPCSTR lpsz)
{
    return (const unsigned char*)(lpsz != NULL ? lpsz : "");
}

int CString::Compare(LPCSTR lpsz) const
{
    return _mbscmp(AfxMbs(m_pchData), AfxMbs(lpsz));
}

int CString::CompareNoCase(LPCSTR lpsz) const
{
    return _mbsicmp(AfxMbs(m_pchData), AfxMbs(lpsz));
}

int CString::Collate(LPCSTR lpsz) const
{
    return _mbscoll(AfxMbs(m_pchData), AfxMbs(lpsz));
}

int CString::CollateNoCase(LPCSTR lpsz) const
{
    return _mbsicoll(AfxMbs(m_pchData), AfxMbs(lpsz));
}

/////////////////////////////////////////////////////////////////////////////
// Extraction

CString CString::Mid(int nFirst, int nCount) const
{
    int nLength = GetLength();
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (nFirst > nLength)
        nFirst = nLength;
    if (nCount > nLength - nFirst)
        nCount = nLength - nFirst;
    if (nFirst == 0 && nCount == nLength)
        return *this;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    int nLength = GetLength();
    if (nCount < 0)
        nCount = 0;
    if (nCount > nLength)
        nCount = nLength;
    return Mid(nLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR lpszCharSet) const
{
    return Left((int)_mbsspn(AfxMbs(m_pchData), AfxMbs(lpszCharSet)));
}

CString CString::SpanExcluding(LPCSTR lpszCharSet) const
{
    return Left((int)_mbscspn(AfxMbs(m_pchData), AfxMbs(lpszCharSet)));
}

// Skips leading delimiters, returns the text up to the next delimiter and moves iStart past it;
// at the end it returns an empty string and sets iStart to -1.
CString CString::Tokenize(LPCSTR pszTokens, int& iStart) const
{
    if (iStart < 0)
        AfxThrowInvalidArgException();
    int nLength = GetLength();
    if (pszTokens == NULL || *pszTokens == '\0')
    {
        // no delimiters: the rest of the string is the one remaining token
        if (iStart < nLength)
        {
            CString strToken(m_pchData + iStart, nLength - iStart);
            iStart = nLength;
            return strToken;
        }
    }
    else if (iStart < nLength)
    {
        const unsigned char* pszPlace = AfxMbs(m_pchData) + iStart;
        int nIncluding = (int)_mbsspn(pszPlace, AfxMbs(pszTokens));
        if (iStart + nIncluding < nLength)
        {
            int nExcluding = (int)_mbscspn(pszPlace + nIncluding, AfxMbs(pszTokens));
            int iFrom = iStart + nIncluding;
            iStart = iFrom + nExcluding + 1;
            return Mid(iFrom, nExcluding);
        }
    }
    iStart = -1;
    return CString();
}

/////////////////////////////////////////////////////////////////////////////
// Case and order

CString& CString::MakeUpper()
{
    CopyBeforeWrite();
    if (!IsNil())
        _mbsupr((unsigned char*)m_pchData);
    return *this;
}

CString& CString::MakeLower()
{
    CopyBeforeWrite();
    if (!IsNil())
        _mbslwr((unsigned char*)m_pchData);
    return *this;
}

CString& CString::MakeReverse()
{
    CopyBeforeWrite();
    if (!IsNil())
        _mbsrev((unsigned char*)m_pchData);
    return *this;
}

/////////////////////////////////////////////////////////////////////////////
// Modification

static inline LPSTR AfxCharNext(LPCSTR lpsz)
{
    return (LPSTR)_mbsinc((const unsigned char*)lpsz);
}

int CString::Replace(char chOld, char chNew)
{
    if (chOld == chNew)
        return 0;
    int nCount = 0;
    for (LPCSTR lpsz = m_pchData; *lpsz != '\0'; lpsz = AfxCharNext(lpsz))
    {
        if (*lpsz == chOld)
            nCount++;
    }
    if (nCount > 0)
    {
        CopyBeforeWrite();
        for (LPSTR lpsz = m_pchData; *lpsz != '\0'; lpsz = AfxCharNext(lpsz))
        {
            if (*lpsz == chOld)
                *lpsz = chNew;
        }
    }
    return nCount;
}

// Non-overlapping occurrences from left to right; text after an embedded zero is searched too.
int CString::Replace(LPCSTR lpszOld, LPCSTR lpszNew)
{
    int nSourceLen = SafeStrlen(lpszOld);
    if (nSourceLen == 0)
        return 0;
    int nReplacementLen = SafeStrlen(lpszNew);
    int nLength = GetLength();

    int nCount = 0;
    LPCSTR lpszStart = m_pchData;
    LPCSTR lpszEnd = m_pchData + nLength;
    while (lpszStart < lpszEnd)
    {
        LPCSTR lpszTarget;
        while ((lpszTarget = (LPCSTR)_mbsstr(AfxMbs(lpszStart), AfxMbs(lpszOld))) != NULL)
        {
            nCount++;
            lpszStart = lpszTarget + nSourceLen;
        }
        lpszStart += strlen(lpszStart) + 1;
    }
    if (nCount == 0)
        return 0;

    long long nNewLength = (long long)nLength + (long long)(nReplacementLen - nSourceLen) * nCount;
    if (nNewLength > _afxMaxStringLength)
        AfxThrowInvalidArgException();
    CStringData* pNew = AllocData((int)nNewLength);
    LPSTR lpszDest = pNew->data();
    lpszStart = m_pchData;
    while (lpszStart < lpszEnd)
    {
        LPCSTR lpszTarget;
        while ((lpszTarget = (LPCSTR)_mbsstr(AfxMbs(lpszStart), AfxMbs(lpszOld))) != NULL)
        {
            int nBefore = (int)(lpszTarget - lpszStart);
            memcpy(lpszDest, lpszStart, nBefore);
            lpszDest += nBefore;
            memcpy(lpszDest, lpszNew, nReplacementLen);
            lpszDest += nReplacementLen;
            lpszStart = lpszTarget + nSourceLen;
        }
        int nRest = (int)strlen(lpszStart);
        if (lpszStart + nRest < lpszEnd)
            nRest++;    // keep the embedded zero
        memcpy(lpszDest, lpszStart, nRest);
        lpszDest += nRest;
        lpszStart += nRest;
        if (nRest == 0)
            lpszStart++;
    }
    pNew->data()[(int)nNewLength] = '\0';
    Attach(pNew);
    return nCount;
}

int CString::Remove(char chRemove)
{
    if (Find(chRemove) < 0 || chRemove == '\0')
        return 0;
    CopyBeforeWrite();
    LPSTR lpszSource = m_pchData;
    LPSTR lpszDest = m_pchData;
    LPSTR lpszEnd = m_pchData + GetLength();
    while (lpszSource < lpszEnd)
    {
        LPSTR lpszNext = AfxCharNext(lpszSource);
        if (*lpszSource != chRemove || lpszNext - lpszSource != 1)
        {
            while (lpszSource < lpszNext)
                *lpszDest++ = *lpszSource++;
        }
        lpszSource = lpszNext;
    }
    *lpszDest = '\0';
    int nCount = (int)(lpszSource - lpszDest);
    GetData()->nDataLength -= nCount;
    return nCount;
}

int CString::Insert(int nIndex, char ch)
{
    return Insert(nIndex, CString(ch, 1));
}

int CString::Insert(int nIndex, LPCSTR pstr)
{
    int nInsertLength = SafeStrlen(pstr);
    int nLength = GetLength();
    if (nInsertLength > 0)
    {
        if (nIndex < 0)
            nIndex = 0;
        if (nIndex > nLength)
            nIndex = nLength;
        if (nInsertLength > _afxMaxStringLength - nLength)
            AfxThrowInvalidArgException();
        CStringData* pNew = AllocData(nLength + nInsertLength);
        memcpy(pNew->data(), m_pchData, nIndex);
        memcpy(pNew->data() + nIndex, pstr, nInsertLength);
        memcpy(pNew->data() + nIndex + nInsertLength, m_pchData + nIndex, nLength - nIndex);
        Attach(pNew);
    }
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    int nLength = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex >= nLength || nCount <= 0)
        return nLength;
    if (nCount > nLength - nIndex)
        nCount = nLength - nIndex;
    CopyBeforeWrite();
    memmove(m_pchData + nIndex, m_pchData + nIndex + nCount, nLength - nIndex - nCount + 1);
    GetData()->nDataLength = nLength - nCount;
    return nLength - nCount;
}

CString& CString::Truncate(int nNewLength)
{
    if (nNewLength < 0 || nNewLength > GetLength())
        AfxThrowInvalidArgException();
    if (nNewLength < GetLength())
    {
        CopyBeforeWrite();
        GetData()->nDataLength = nNewLength;
        m_pchData[nNewLength] = '\0';
    }
    return *this;
}

/////////////////////////////////////////////////////////////////////////////
// Trimming

static inline BOOL AfxIsTrimSpace(LPCSTR lpsz)
{
    return !IsDBCSLeadByte((BYTE)*lpsz) && isspace((unsigned char)*lpsz);
}

static inline BOOL AfxIsTrimTarget(LPCSTR lpsz, LPCSTR lpszTargets)
{
    if (lpszTargets == NULL || IsDBCSLeadByte((BYTE)*lpsz))
        return FALSE;
    return _mbschr(AfxMbs(lpszTargets), (unsigned char)*lpsz) != NULL;
}

// nMode: 0 = white space, 1 = the characters of lpszTargets
static int AfxTrimRightLength(LPCSTR lpszStart, LPCSTR lpszTargets, int nMode)
{
    LPCSTR lpszLast = NULL;
    for (LPCSTR lpsz = lpszStart; *lpsz != '\0'; lpsz = AfxCharNext(lpsz))
    {
        BOOL bTrim = nMode == 0 ? AfxIsTrimSpace(lpsz) : AfxIsTrimTarget(lpsz, lpszTargets);
        if (bTrim)
        {
            if (lpszLast == NULL)
                lpszLast = lpsz;
        }
        else
            lpszLast = NULL;
    }
    return lpszLast != NULL ? (int)(lpszLast - lpszStart) : -1;
}

static int AfxTrimLeftCount(LPCSTR lpszStart, LPCSTR lpszTargets, int nMode)
{
    LPCSTR lpsz = lpszStart;
    while (*lpsz != '\0' && (nMode == 0 ? AfxIsTrimSpace(lpsz) : AfxIsTrimTarget(lpsz, lpszTargets)))
        lpsz = AfxCharNext(lpsz);
    return (int)(lpsz - lpszStart);
}

CString& CString::TrimRight()
{
    int nNewLength = AfxTrimRightLength(m_pchData, NULL, 0);
    if (nNewLength >= 0)
        Truncate(nNewLength);
    return *this;
}

CString& CString::TrimRight(char chTarget)
{
    char szTargets[2] = { chTarget, '\0' };
    return TrimRight(szTargets);
}

CString& CString::TrimRight(LPCSTR lpszTargets)
{
    int nNewLength = AfxTrimRightLength(m_pchData, lpszTargets, 1);
    if (nNewLength >= 0)
        Truncate(nNewLength);
    return *this;
}

CString& CString::TrimLeft()
{
    int nCount = AfxTrimLeftCount(m_pchData, NULL, 0);
    if (nCount > 0)
        Delete(0, nCount);
    return *this;
}

CString& CString::TrimLeft(char chTarget)
{
    char szTargets[2] = { chTarget, '\0' };
    return TrimLeft(szTargets);
}

CString& CString::TrimLeft(LPCSTR lpszTargets)
{
    int nCount = AfxTrimLeftCount(m_pchData, lpszTargets, 1);
    if (nCount > 0)
        Delete(0, nCount);
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(char chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}

CString& CString::Trim(LPCSTR lpszTargets)
{
    return TrimRight(lpszTargets).TrimLeft(lpszTargets);
}

/////////////////////////////////////////////////////////////////////////////
// Searching

int CString::Find(char ch) const
{
    return Find(ch, 0);
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength() || ch == '\0')
        return -1;
    const unsigned char* lpsz = _mbschr(AfxMbs(m_pchData) + nStart, (unsigned char)ch);
    return lpsz != NULL ? (int)((LPCSTR)lpsz - m_pchData) : -1;
}

int CString::Find(LPCSTR lpszSub) const
{
    return Find(lpszSub, 0);
}

int CString::Find(LPCSTR lpszSub, int nStart) const
{
    if (lpszSub == NULL || nStart < 0 || nStart > GetLength())
        return -1;
    const unsigned char* lpsz = _mbsstr(AfxMbs(m_pchData) + nStart, AfxMbs(lpszSub));
    return lpsz != NULL ? (int)((LPCSTR)lpsz - m_pchData) : -1;
}

int CString::ReverseFind(char ch) const
{
    if (ch == '\0')
        return -1;
    const unsigned char* lpsz = _mbsrchr(AfxMbs(m_pchData), (unsigned char)ch);
    return lpsz != NULL ? (int)((LPCSTR)lpsz - m_pchData) : -1;
}

int CString::FindOneOf(LPCSTR lpszCharSet) const
{
    const unsigned char* lpsz = _mbspbrk(AfxMbs(m_pchData), AfxMbs(lpszCharSet));
    return lpsz != NULL ? (int)((LPCSTR)lpsz - m_pchData) : -1;
}

/////////////////////////////////////////////////////////////////////////////
// Formatting
//
// The text is first formatted into a stack buffer; only longer results are measured and
// formatted again into a buffer of the right size.  The old text is released only after the new
// one is complete, so that an argument may point into this string.

void CString::FormatV(LPCSTR lpszFormat, va_list argList)
{
    if (lpszFormat == NULL)
        AfxThrowInvalidArgException();
    char szBuffer[512];
    va_list args;
    va_copy(args, argList);
    int nLength = vsnprintf(szBuffer, sizeof(szBuffer), lpszFormat, args);
    va_end(args);
    if (nLength < 0)
        AfxThrowInvalidArgException();     // the format or an argument cannot be converted
    if (nLength < (int)sizeof(szBuffer))
    {
        AssignCopy(nLength, szBuffer);
        return;
    }
    CStringData* pNew = AllocData(nLength);
    va_copy(args, argList);
    vsnprintf(pNew->data(), nLength + 1, lpszFormat, args);
    va_end(args);
    Attach(pNew);
}

void AFX_CDECL CString::Format(LPCSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...)
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    va_list argList;
    va_start(argList, nFormatID);
    FormatV(strFormat, argList);
    va_end(argList);
}

void CString::AppendFormatV(LPCSTR lpszFormat, va_list argList)
{
    CString strAppend;
    strAppend.FormatV(lpszFormat, argList);
    Append(strAppend);
}

void AFX_CDECL CString::AppendFormat(LPCSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    AppendFormatV(lpszFormat, argList);
    va_end(argList);
}

void AFX_CDECL CString::AppendFormat(UINT nFormatID, ...)
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    va_list argList;
    va_start(argList, nFormatID);
    AppendFormatV(strFormat, argList);
    va_end(argList);
}

void CString::FormatMessageV(LPCSTR lpszFormat, va_list* pArgList)
{
    if (lpszFormat == NULL)
        AfxThrowInvalidArgException();
    if (*lpszFormat == '\0')
    {
        Empty();
        return;
    }
    LPSTR lpszTemp = NULL;
    DWORD dwLength = ::FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER,
        lpszFormat, 0, 0, (LPSTR)&lpszTemp, 0, pArgList);
    if (dwLength == 0 || lpszTemp == NULL)
    {
        DWORD dwError = ::GetLastError();
        if (dwError == ERROR_NOT_ENOUGH_MEMORY || dwError == ERROR_OUTOFMEMORY)
            AfxThrowMemoryException();
        AfxThrowInvalidArgException();
    }
    AssignCopy((int)dwLength, lpszTemp);
    ::LocalFree(lpszTemp);
}

void AFX_CDECL CString::FormatMessage(LPCSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatMessageV(lpszFormat, &argList);
    va_end(argList);
}

void AFX_CDECL CString::FormatMessage(UINT nFormatID, ...)
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    va_list argList;
    va_start(argList, nFormatID);
    FormatMessageV(strFormat, &argList);
    va_end(argList);
}

/////////////////////////////////////////////////////////////////////////////
// String resources

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hInstance = AfxFindStringResourceHandle(nID);
    if (hInstance == NULL)
    {
        Empty();
        return FALSE;
    }
    return LoadString(hInstance, nID);
}

// LoadStringA truncates silently; a result that fills the buffer may be cut, so the buffer grows
// until the text fits with room to spare.
BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    char szTemp[256];
    int nLength = ::LoadStringA(hInstance, nID, szTemp, (int)sizeof(szTemp));
    if (nLength <= 0)
    {
        Empty();
        return FALSE;
    }
    if (nLength < (int)sizeof(szTemp) - 1)
    {
        AssignCopy(nLength, szTemp);
        return TRUE;
    }
    int nSize = (int)sizeof(szTemp);
    do
    {
        nSize *= 2;
        CStringData* pNew = AllocData(nSize - 1);
        nLength = ::LoadStringA(hInstance, nID, pNew->data(), nSize);
        if (nLength < nSize - 1 || nSize >= 0x40000)
        {
            pNew->nDataLength = nLength;
            pNew->data()[nLength] = '\0';
            Attach(pNew);
            return TRUE;
        }
        FreeData(pNew);
    }
    while (TRUE);
}

/////////////////////////////////////////////////////////////////////////////
// OLE strings and OEM conversion

BSTR CString::AllocSysString() const
{
    int nLength = GetLength();
    int nWide = nLength > 0 ? ::MultiByteToWideChar(CP_ACP, 0, m_pchData, nLength, NULL, 0) : 0;
    BSTR bstr = ::SysAllocStringLen(NULL, (UINT)nWide);
    if (bstr == NULL)
        AfxThrowMemoryException();
    if (nWide > 0)
        ::MultiByteToWideChar(CP_ACP, 0, m_pchData, nLength, bstr, nWide);
    bstr[nWide] = L'\0';
    return bstr;
}

BSTR CString::SetSysString(BSTR* pbstr) const
{
    if (pbstr == NULL)
        AfxThrowInvalidArgException();
    int nLength = GetLength();
    int nWide = nLength > 0 ? ::MultiByteToWideChar(CP_ACP, 0, m_pchData, nLength, NULL, 0) : 0;
    if (!::SysReAllocStringLen(pbstr, NULL, (UINT)nWide))
        AfxThrowMemoryException();
    if (nWide > 0)
        ::MultiByteToWideChar(CP_ACP, 0, m_pchData, nLength, *pbstr, nWide);
    (*pbstr)[nWide] = L'\0';
    return *pbstr;
}

void CString::AnsiToOem()
{
    CopyBeforeWrite();
    if (!IsNil())
        ::CharToOemA(m_pchData, m_pchData);
}

void CString::OemToAnsi()
{
    CopyBeforeWrite();
    if (!IsNil())
        ::OemToCharA(m_pchData, m_pchData);
}

/////////////////////////////////////////////////////////////////////////////
// Direct buffer access

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < 0)
        AfxThrowInvalidArgException();
    CStringData* pData = GetData();
    if (pData->nRefs > 1 || nMinBufLength > pData->nAllocLength)
    {
        int nOldLength = pData->nDataLength;
        CStringData* pNew = AllocData(nMinBufLength > nOldLength ? nMinBufLength : nOldLength);
        memcpy(pNew->data(), pData->data(), nOldLength + 1);
        pNew->nDataLength = nOldLength;
        Attach(pNew);
    }
    return m_pchData;
}

LPSTR CString::GetBuffer()
{
    return GetBuffer(0);
}

void CString::ReleaseBuffer(int nNewLength)
{
    CopyBeforeWrite();
    CStringData* pData = GetData();
    if (nNewLength == -1)
        nNewLength = (int)strnlen(m_pchData, pData->nAllocLength);
    if (nNewLength < 0 || nNewLength > pData->nAllocLength)
        AfxThrowInvalidArgException();
    if (!IsNil())
    {
        pData->nDataLength = nNewLength;
        m_pchData[nNewLength] = '\0';
    }
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    GetBuffer(nNewLength);
    if (!IsNil())
    {
        GetData()->nDataLength = nNewLength;
        m_pchData[nNewLength] = '\0';
    }
    return m_pchData;
}

void CString::FreeExtra()
{
    CStringData* pData = GetData();
    if (IsNil() || pData->nDataLength == pData->nAllocLength)
        return;
    BOOL bLocked = pData->nRefs == -1;
    if (pData->nDataLength == 0 && !bLocked)
    {
        Release();
        return;
    }
    CStringData* pNew = AllocData(pData->nDataLength);
    memcpy(pNew->data(), pData->data(), pData->nDataLength + 1);
    if (bLocked)
        pNew->nRefs = -1;
    Attach(pNew);
}

void CString::Preallocate(int nLength)
{
    GetBuffer(nLength);
}

LPSTR CString::LockBuffer()
{
    LPSTR lpsz = GetBuffer(0);
    if (!IsNil())
        GetData()->nRefs = -1;
    return lpsz;
}

void CString::UnlockBuffer()
{
    if (!IsNil() && GetData()->nRefs == -1)
        GetData()->nRefs = 1;
}

/////////////////////////////////////////////////////////////////////////////
// Sub-strings of separated lists

BOOL AFXAPI AfxExtractSubString(CString& rString, LPCSTR lpszFullString, int iSubString, char chSep)
{
    if (lpszFullString == NULL || iSubString < 0)
    {
        rString.Empty();
        return FALSE;
    }
    while (iSubString--)
    {
        lpszFullString = (LPCSTR)_mbschr(AfxMbs(lpszFullString), (unsigned char)chSep);
        if (lpszFullString == NULL)
        {
            rString.Empty();
            return FALSE;
        }
        lpszFullString++;
    }
    LPCSTR lpchEnd = (LPCSTR)_mbschr(AfxMbs(lpszFullString), (unsigned char)chSep);
    int nLength = lpchEnd == NULL ? (int)strlen(lpszFullString) : (int)(lpchEnd - lpszFullString);
    rString.SetString(lpszFullString, nLength);
    return TRUE;
}
