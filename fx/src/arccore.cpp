// arccore.cpp - CArchive: buffering, strings, counts, class references and objects.
#include "afx.h"

// Tags that precede an object or a class reference in an archive.
#define wNullTag      ((WORD)0)            // a NULL pointer
#define wNewClassTag  ((WORD)0xFFFF)       // a class written for the first time follows
#define wClassTag     ((WORD)0x8000)       // or'ed into the index of a class written before
#define dwBigClassTag ((DWORD)0x80000000)  // the same for a double-word index
#define wBigObjectTag ((WORD)0x7FFF)       // a double-word index follows
#define nMaxMapCount  ((DWORD)0x3FFFFFFE)  // the last usable index

/////////////////////////////////////////////////////////////////////////////
// Construction

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
{
    if (pFile == NULL)
        AfxThrowInvalidArgException();
    m_pDocument = NULL;
    m_nObjectSchema = (UINT)-1;
    m_nMode = nMode;
    m_pFile = pFile;
    m_strFileName = pFile->GetFilePath();
    m_nMapCount = 0;
    m_pStoreMap = NULL;
    m_pLoadArray = NULL;
    m_pSchemaMap = NULL;
    m_nHashSize = 2053;
    m_nGrowSize = 1024;

    // every value type must fit the buffer at once
    if (lpBuf != NULL && nBufSize < 16)
        AfxThrowInvalidArgException();
    if (lpBuf == NULL && nBufSize < 128)
        nBufSize = 128;
    m_nBufSize = nBufSize;
    m_bUserBuf = lpBuf != NULL;
    m_lpBufStart = (BYTE*)lpBuf;
    if (m_lpBufStart == NULL)
    {
        m_lpBufStart = (BYTE*)malloc(m_nBufSize);
        if (m_lpBufStart == NULL)
            AfxThrowMemoryException();
    }
    if (IsLoading())
    {
        // nothing read yet: the valid part of the buffer is empty
        m_lpBufCur = m_lpBufStart;
        m_lpBufMax = m_lpBufStart;
    }
    else
    {
        m_lpBufCur = m_lpBufStart;
        m_lpBufMax = m_lpBufStart + m_nBufSize;
    }
}

CArchive::~CArchive()
{
    if (m_pFile != NULL && !(m_nMode & bNoFlushOnDelete))
    {
        try
        {
            Close();
        }
        catch (CException* e)
        {
            e->Delete();
        }
    }
    m_pFile = NULL;
    if (!m_bUserBuf)
        free(m_lpBufStart);
    delete m_pStoreMap;
    delete m_pLoadArray;
    delete m_pSchemaMap;
}

void CArchive::CheckLoading() const
{
    if (m_pFile == NULL)
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
    if (!IsLoading())
        AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
}

void CArchive::CheckStoring() const
{
    if (m_pFile == NULL)
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
    if (!IsStoring())
        AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
}

/////////////////////////////////////////////////////////////////////////////
// Buffer

void CArchive::Flush()
{
    if (m_pFile == NULL)
        return;
    if (IsLoading())
    {
        // give the bytes read ahead back to the file, so that it stands where the archive does
        if (m_lpBufMax != m_lpBufCur)
            m_pFile->Seek(-(LONGLONG)(m_lpBufMax - m_lpBufCur), CFile::current);
        m_lpBufCur = m_lpBufMax = m_lpBufStart;
    }
    else
    {
        if (m_lpBufCur != m_lpBufStart)
            m_pFile->Write(m_lpBufStart, (UINT)(m_lpBufCur - m_lpBufStart));
        m_lpBufCur = m_lpBufStart;
    }
}

void CArchive::Close()
{
    if (m_pFile != NULL)
    {
        Flush();
        m_pFile = NULL;
    }
}

void CArchive::Abort()
{
    m_pFile = NULL;
}

// Makes nBytesNeeded more bytes than are now unread available in the buffer, or throws endOfFile.
void CArchive::FillBuffer(UINT nBytesNeeded)
{
    UINT nUnused = (UINT)(m_lpBufMax - m_lpBufCur);
    UINT nTotalNeeded = nBytesNeeded + nUnused;
    if (nTotalNeeded > (UINT)m_nBufSize)
        AfxThrowArchiveException(CArchiveException::bufferFull, m_strFileName);
    if (nUnused > 0 && m_lpBufCur != m_lpBufStart)
        memmove(m_lpBufStart, m_lpBufCur, nUnused);
    m_lpBufCur = m_lpBufStart;
    UINT nRead = nUnused;
    while (nRead < nTotalNeeded)
    {
        UINT nBytes = m_pFile->Read(m_lpBufStart + nRead, (UINT)m_nBufSize - nRead);
        if (nBytes == 0)
            break;
        nRead += nBytes;
    }
    m_lpBufMax = m_lpBufStart + nRead;
    if (nRead < nTotalNeeded)
        AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    CheckLoading();
    if (nMax == 0)
        return 0;
    if (lpBuf == NULL)
        AfxThrowInvalidArgException();
    BYTE* lpbBuf = (BYTE*)lpBuf;
    UINT nLeft = nMax;

    // what the buffer has
    UINT nTemp = (UINT)(m_lpBufMax - m_lpBufCur);
    if (nTemp > nLeft)
        nTemp = nLeft;
    memcpy(lpbBuf, m_lpBufCur, nTemp);
    m_lpBufCur += nTemp;
    lpbBuf += nTemp;
    nLeft -= nTemp;

    if (nLeft > 0)
    {
        // whole buffers straight from the file, the rest through the buffer
        UINT nDirect = nLeft - nLeft % (UINT)m_nBufSize;
        BOOL bEnd = FALSE;
        while (nDirect > 0)
        {
            UINT nRead = m_pFile->Read(lpbBuf, nDirect);
            if (nRead == 0)
            {
                bEnd = TRUE;
                break;
            }
            lpbBuf += nRead;
            nLeft -= nRead;
            nDirect -= nRead;
        }
        if (!bEnd && nLeft > 0)
        {
            m_lpBufCur = m_lpBufMax = m_lpBufStart;
            UINT nRead = 0;
            while (nRead < nLeft)
            {
                UINT nBytes = m_pFile->Read(m_lpBufStart + nRead, (UINT)m_nBufSize - nRead);
                if (nBytes == 0)
                    break;
                nRead += nBytes;
            }
            m_lpBufMax = m_lpBufStart + nRead;
            nTemp = nRead < nLeft ? nRead : nLeft;
            memcpy(lpbBuf, m_lpBufCur, nTemp);
            m_lpBufCur += nTemp;
            nLeft -= nTemp;
        }
    }
    return nMax - nLeft;
}

void CArchive::EnsureRead(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    CheckStoring();
    if (nMax == 0)
        return;
    if (lpBuf == NULL)
        AfxThrowInvalidArgException();
    const BYTE* lpbBuf = (const BYTE*)lpBuf;

    UINT nTemp = (UINT)(m_lpBufMax - m_lpBufCur);
    if (nTemp > nMax)
        nTemp = nMax;
    memcpy(m_lpBufCur, lpbBuf, nTemp);
    m_lpBufCur += nTemp;
    lpbBuf += nTemp;
    nMax -= nTemp;

    if (nMax > 0)
    {
        Flush();
        UINT nDirect = nMax - nMax % (UINT)m_nBufSize;
        if (nDirect > 0)
        {
            m_pFile->Write(lpbBuf, nDirect);
            lpbBuf += nDirect;
            nMax -= nDirect;
        }
        memcpy(m_lpBufCur, lpbBuf, nMax);
        m_lpBufCur += nMax;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Text lines

void CArchive::WriteString(LPCSTR lpsz)
{
    if (lpsz == NULL)
        AfxThrowInvalidArgException();
    Write(lpsz, (UINT)strlen(lpsz));
}

LPSTR CArchive::ReadString(LPSTR lpsz, UINT nMax)
{
    if (lpsz == NULL || nMax == 0)
        AfxThrowInvalidArgException();
    UINT nRead = 0;
    BOOL bAny = FALSE;
    char ch;
    // at most nMax - 1 characters, so that a buffer of nMax bytes always holds the result
    while (nRead + 1 < nMax && Read(&ch, 1) == 1)
    {
        bAny = TRUE;
        if (ch == '\n')
            break;
        if (ch == '\r')
        {
            char chNext;
            if (Read(&chNext, 1) == 1 && chNext != '\n')
                m_lpBufCur--;       // a lone CR ends the line too; the byte after it stays unread
            break;
        }
        lpsz[nRead++] = ch;
    }
    lpsz[nRead] = '\0';
    return bAny ? lpsz : NULL;
}

BOOL CArchive::ReadString(CString& rString)
{
    rString.Empty();
    char szChunk[256];
    BOOL bAny = FALSE;
    char ch;
    int nChunk = 0;
    while (Read(&ch, 1) == 1)
    {
        bAny = TRUE;
        if (ch == '\n')
            break;
        if (ch == '\r')
        {
            char chNext;
            if (Read(&chNext, 1) == 1 && chNext != '\n')
                m_lpBufCur--;
            break;
        }
        szChunk[nChunk++] = ch;
        if (nChunk == (int)sizeof(szChunk))
        {
            rString.Append(szChunk, nChunk);
            nChunk = 0;
        }
    }
    rString.Append(szChunk, nChunk);
    return bAny;
}

/////////////////////////////////////////////////////////////////////////////
// Counts and string lengths

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < 0xFFFF)
        *this << (WORD)dwCount;
    else
    {
        *this << (WORD)0xFFFF;
        if (dwCount < 0xFFFFFFFF)
            *this << (DWORD)dwCount;
        else
        {
            *this << (DWORD)0xFFFFFFFF;
            *this << (ULONGLONG)dwCount;
        }
    }
}

DWORD_PTR CArchive::ReadCount()
{
    WORD wCount;
    *this >> wCount;
    if (wCount != 0xFFFF)
        return wCount;
    DWORD dwCount;
    *this >> dwCount;
    if (dwCount != 0xFFFFFFFF)
        return dwCount;
    ULONGLONG qwCount;
    *this >> qwCount;
    return (DWORD_PTR)qwCount;
}

// The word 0xFFFE is not a length: after the byte 0xFF it announces a wide-character string.
void CArchive::WriteStringLength(DWORD_PTR nLength)
{
    if (nLength < 0xFF)
        *this << (BYTE)nLength;
    else
    {
        *this << (BYTE)0xFF;
        if (nLength < 0xFFFE)
            *this << (WORD)nLength;
        else
        {
            *this << (WORD)0xFFFF;
            if (nLength < 0xFFFFFFFF)
                *this << (DWORD)nLength;
            else
            {
                *this << (DWORD)0xFFFFFFFF;
                *this << (ULONGLONG)nLength;
            }
        }
    }
}

DWORD_PTR CArchive::ReadStringLength(BOOL& bUnicode)
{
    bUnicode = FALSE;
    BYTE bLength;
    *this >> bLength;
    if (bLength < 0xFF)
        return bLength;
    WORD wLength;
    *this >> wLength;
    if (wLength == 0xFFFE)
    {
        bUnicode = TRUE;
        *this >> bLength;
        if (bLength < 0xFF)
            return bLength;
        *this >> wLength;
        if (wLength == 0xFFFE)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    }
    if (wLength < 0xFFFF)
        return wLength;
    DWORD dwLength;
    *this >> dwLength;
    if (dwLength < 0xFFFFFFFF)
        return dwLength;
    ULONGLONG qwLength;
    *this >> qwLength;
    return (DWORD_PTR)qwLength;
}

CArchive& AFXAPI operator<<(CArchive& ar, const CString& string)
{
    ar.WriteStringLength((DWORD_PTR)string.GetLength());
    ar.Write((LPCSTR)string, (UINT)string.GetLength());
    return ar;
}

CArchive& CArchive::operator<<(LPCSTR lpsz)
{
    UINT nLength = lpsz != NULL ? (UINT)strlen(lpsz) : 0;
    WriteStringLength(nLength);
    Write(lpsz, nLength);
    return *this;
}

CArchive& AFXAPI operator>>(CArchive& ar, CString& string)
{
    BOOL bUnicode;
    DWORD_PTR nLength = ar.ReadStringLength(bUnicode);
    if (nLength > 0x3FFFFFFF)
        AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
    if (nLength == 0)
    {
        string.Empty();
        return ar;
    }
    if (bUnicode)
    {
        // written by a wide-character build: convert with the ANSI code page
        LPWSTR lpwsz = (LPWSTR)malloc((size_t)nLength * sizeof(WCHAR));
        if (lpwsz == NULL)
            AfxThrowMemoryException();
        UINT nBytes = (UINT)nLength * sizeof(WCHAR);
        UINT nRead;
        try
        {
            nRead = ar.Read(lpwsz, nBytes);
        }
        catch (...)
        {
            free(lpwsz);
            throw;
        }
        if (nRead != nBytes)
        {
            free(lpwsz);
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
        }
        try
        {
            string = CString(lpwsz, (int)nLength);
        }
        catch (...)
        {
            free(lpwsz);
            throw;
        }
        free(lpwsz);
        return ar;
    }
    LPSTR lpsz = string.GetBufferSetLength((int)nLength);
    if (ar.Read(lpsz, (UINT)nLength) != (UINT)nLength)
    {
        string.Empty();
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    }
    return ar;
}

/////////////////////////////////////////////////////////////////////////////
// Geometry

CArchive& AFXAPI operator<<(CArchive& ar, SIZE size)
{
    ar.Write(&size, sizeof(SIZE));
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, POINT point)
{
    ar.Write(&point, sizeof(POINT));
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, const RECT& rect)
{
    ar.Write(&rect, sizeof(RECT));
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, SIZE& size)
{
    ar.EnsureRead(&size, sizeof(SIZE));
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, POINT& point)
{
    ar.EnsureRead(&point, sizeof(POINT));
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, RECT& rect)
{
    ar.EnsureRead(&rect, sizeof(RECT));
    return ar;
}

/////////////////////////////////////////////////////////////////////////////
// Class references

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD nLength = (WORD)strlen(m_lpszClassName);
    ar << (WORD)m_wSchema << nLength;
    ar.Write(m_lpszClassName, nLength);
}

CRuntimeClass* PASCAL CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    WORD wSchema, nLength;
    ar >> wSchema >> nLength;
    if (pwSchemaNum != NULL)
        *pwSchemaNum = wSchema;
    CString strClassName;
    LPSTR lpszClassName = strClassName.GetBufferSetLength(nLength);
    if (ar.Read(lpszClassName, nLength) != nLength)
        return NULL;
    strClassName.ReleaseBuffer(nLength);
    CRuntimeClass* pClass = FromName(strClassName);
    if (pClass == NULL)
        TRACE("Warning: cannot load %s from an archive: the class is not registered.\n", (LPCSTR)strClassName);
    return pClass;
}

void CArchive::SetStoreParams(UINT nHashSize, UINT nBlockSize)
{
    UNUSED_ALWAYS(nBlockSize);
    if (nHashSize > 0 && m_pStoreMap == NULL)
        m_nHashSize = nHashSize;
}

void CArchive::SetLoadParams(UINT nGrowBy)
{
    if (nGrowBy > 0 && m_pLoadArray == NULL)
        m_nGrowSize = nGrowBy;
}

void CArchive::InitStoreMap()
{
    if (m_pStoreMap == NULL)
    {
        m_pStoreMap = new CMapPtrToPtr;
        m_pStoreMap->InitHashTable(m_nHashSize);
        m_nMapCount = 1;    // index 0 stands for NULL
    }
}

void CArchive::InitLoadArray()
{
    if (m_pLoadArray == NULL)
    {
        m_pLoadArray = new CPtrArray;
        m_pLoadArray->SetSize(1, m_nGrowSize);
        m_pLoadArray->SetAt(0, NULL);
        m_pSchemaMap = new CMapPtrToPtr;
        m_nMapCount = 1;
    }
}

void CArchive::CheckCount() const
{
    if (m_nMapCount >= nMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
}

// Classes and objects share the load array; the schema map knows which entries are classes.
BOOL CArchive::IsLoadedClass(const void* p) const
{
    void* pSchema;
    return p != NULL && m_pSchemaMap != NULL && m_pSchemaMap->Lookup((void*)p, pSchema);
}

void CArchive::MapObject(const CObject* pOb)
{
    if (IsStoring())
    {
        InitStoreMap();
        CheckCount();
        m_pStoreMap->SetAt((void*)pOb, (void*)(DWORD_PTR)m_nMapCount++);
    }
    else
    {
        InitLoadArray();
        CheckCount();
        m_pLoadArray->SetAtGrow(m_nMapCount++, (void*)pOb);
    }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    CheckStoring();
    if (pClassRef == NULL)
        AfxThrowInvalidArgException();
    if (pClassRef->m_wSchema == 0xFFFF)
    {
        TRACE("Cannot write %s to an archive: the class is not serialisable.\n", pClassRef->m_lpszClassName);
        AfxThrowNotSupportedException();
    }
    InitStoreMap();
    void* pIndex;
    if (m_pStoreMap->Lookup((void*)pClassRef, pIndex))
    {
        DWORD nClassIndex = (DWORD)(DWORD_PTR)pIndex;
        if (nClassIndex < wBigObjectTag)
            *this << (WORD)(wClassTag | nClassIndex);
        else
        {
            *this << wBigObjectTag;
            *this << (DWORD)(dwBigClassTag | nClassIndex);
        }
    }
    else
    {
        *this << wNewClassTag;
        pClassRef->Store(*this);
        CheckCount();
        m_pStoreMap->SetAt((void*)pClassRef, (void*)(DWORD_PTR)m_nMapCount++);
    }
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    CheckLoading();
    if (pClassRefRequested != NULL && pClassRefRequested->m_wSchema == 0xFFFF)
    {
        TRACE("Cannot read %s from an archive: the class is not serialisable.\n",
            pClassRefRequested->m_lpszClassName);
        AfxThrowNotSupportedException();
    }
    InitLoadArray();

    WORD wTag;
    *this >> wTag;
    DWORD obTag;
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = ((DWORD)(wTag & wClassTag) << 16) | (wTag & ~wClassTag);

    if (!(obTag & dwBigClassTag))
    {
        // an object reference (or NULL), not a class
        if (pObTag == NULL)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        *pObTag = obTag;
        return NULL;
    }

    CRuntimeClass* pClassRef;
    UINT nSchema;
    if (wTag == wNewClassTag)
    {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        if (pClassRef == NULL)
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        // another schema is acceptable only for classes that declare themselves versionable
        if ((pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) != nSchema && !(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
            AfxThrowArchiveException(CArchiveException::badSchema, m_strFileName);
        CheckCount();
        m_pLoadArray->SetAtGrow(m_nMapCount++, pClassRef);
        m_pSchemaMap->SetAt(pClassRef, (void*)(UINT_PTR)nSchema);
    }
    else
    {
        DWORD nClassIndex = obTag & ~dwBigClassTag;
        if (nClassIndex == 0 || (INT_PTR)nClassIndex > m_pLoadArray->GetUpperBound())
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        pClassRef = (CRuntimeClass*)m_pLoadArray->GetAt(nClassIndex);
        void* pSchemaValue;
        if (pClassRef == NULL || !m_pSchemaMap->Lookup(pClassRef, pSchemaValue))
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        nSchema = (UINT)(UINT_PTR)pSchemaValue;
    }

    if (pClassRefRequested != NULL && !pClassRef->IsDerivedFrom(pClassRefRequested))
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);

    if (pSchema != NULL)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    if (pObTag != NULL)
        *pObTag = obTag;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

UINT CArchive::GetObjectSchema()
{
    UINT nResult = m_nObjectSchema;
    m_nObjectSchema = (UINT)-1;
    return nResult;
}

/////////////////////////////////////////////////////////////////////////////
// Objects

void CArchive::WriteObject(const CObject* pOb)
{
    CheckStoring();
    if (pOb == NULL)
    {
        *this << wNullTag;
        return;
    }
    InitStoreMap();
    void* pIndex;
    if (m_pStoreMap->Lookup((void*)pOb, pIndex))
    {
        // written before: only its index
        DWORD nObIndex = (DWORD)(DWORD_PTR)pIndex;
        if (nObIndex < wBigObjectTag)
            *this << (WORD)nObIndex;
        else
        {
            *this << wBigObjectTag;
            *this << nObIndex;
        }
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    CheckCount();
    m_pStoreMap->SetAt((void*)pOb, (void*)(DWORD_PTR)m_nMapCount++);
    ((CObject*)pOb)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    CheckLoading();
    UINT nSchema;
    DWORD obTag;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);

    CObject* pOb;
    if (pClassRef == NULL)
    {
        // an object read before (or NULL)
        if ((INT_PTR)obTag > m_pLoadArray->GetUpperBound())
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        void* p = m_pLoadArray->GetAt(obTag);
        if (IsLoadedClass(p))
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        pOb = (CObject*)p;
        if (pOb != NULL && pClassRefRequested != NULL && !pOb->IsKindOf(pClassRefRequested))
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        return pOb;
    }

    pOb = pClassRef->CreateObject();
    if (pOb == NULL)
        AfxThrowMemoryException();
    CheckCount();
    UINT nObIndex = m_nMapCount++;
    m_pLoadArray->SetAtGrow(nObIndex, pOb);
    UINT nSchemaSave = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    try
    {
        pOb->Serialize(*this);
    }
    catch (...)
    {
        // later back references must not reach the half-read object
        m_pLoadArray->SetAt(nObIndex, NULL);
        m_nObjectSchema = nSchemaSave;
        delete pOb;
        throw;
    }
    m_nObjectSchema = nSchemaSave;
    return pOb;
}

CArchive& AFXAPI operator<<(CArchive& ar, const CObject* pOb)
{
    ar.WriteObject(pOb);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, CObject*& pOb)
{
    pOb = ar.ReadObject(NULL);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, const CObject*& pOb)
{
    pOb = ar.ReadObject(NULL);
    return ar;
}
