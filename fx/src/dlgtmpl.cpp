// dlgtmpl.cpp - CDialogTemplateReader: dialog templates read item by item.
#include "afximpl_.h"
#include "afxdlgs.h"

namespace
{
// Reads a template's fields in order and refuses to run past its end.
class CTemplateCursor
{
public:
    CTemplateCursor(const BYTE* p, DWORD cb) : m_p(p), m_pEnd(p + cb), m_bOK(TRUE) {}

    BOOL Ok() const { return m_bOK; }
    WORD Word()
    {
        WORD w = 0;
        if (Have(2))
            memcpy(&w, m_p, 2), m_p += 2;
        return w;
    }
    DWORD DWord()
    {
        DWORD dw = 0;
        if (Have(4))
            memcpy(&dw, m_p, 4), m_p += 4;
        return dw;
    }
    // a zero-terminated UTF-16 string, as text of the ANSI code page
    CString String()
    {
        const BYTE* pText = m_p;
        int nChars = 0;
        for (WORD w = Word(); m_bOK && w != 0; w = Word())
            nChars++;
        if (!m_bOK || nChars == 0)
            return CString();
        // the template's strings are WORD-aligned in a resource, but memory handed to Read need not be
        WCHAR* pszW = new WCHAR[nChars];
        memcpy(pszW, pText, nChars * sizeof(WCHAR));
        int cb = ::WideCharToMultiByte(CP_ACP, 0, pszW, nChars, NULL, 0, NULL, NULL);
        CString str;
        ::WideCharToMultiByte(CP_ACP, 0, pszW, nChars, str.GetBufferSetLength(cb), cb, NULL, NULL);
        str.ReleaseBuffer(cb);
        delete[] pszW;
        return str;
    }
    // a string or, after 0xFFFF, a resource number
    CString StringOrOrdinal(WORD* pwOrdinal)
    {
        *pwOrdinal = 0;
        if (Have(2) && *(const WORD*)m_p == 0xFFFF)
        {
            m_p += 2;
            *pwOrdinal = Word();
            return CString();
        }
        return String();
    }
    void Skip(DWORD cb)
    {
        if (Have(cb))
            m_p += cb;
    }
    // items start on DWORD boundaries of the template
    void AlignDWord(const BYTE* pStart)
    {
        Skip((DWORD)((4 - ((m_p - pStart) & 3)) & 3));
    }

private:
    BOOL Have(DWORD cb)
    {
        if (m_bOK && (DWORD)(m_pEnd - m_p) >= cb)
            return TRUE;
        m_bOK = FALSE;
        return FALSE;
    }
    const BYTE* m_p;
    const BYTE* m_pEnd;
    BOOL m_bOK;
};

LPCSTR PredefinedClass(WORD wAtom)
{
    static const LPCSTR names[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    return wAtom >= 0x80 && wAtom <= 0x85 ? names[wAtom - 0x80] : NULL;
}

CRect ReadRect(CTemplateCursor& cur)
{
    short x = (short)cur.Word(), y = (short)cur.Word(), cx = (short)cur.Word(), cy = (short)cur.Word();
    return CRect(x, y, x + cx, y + cy);
}
} // namespace

CDialogTemplateReader::CDialogTemplateReader()
    : m_bExtended(FALSE), m_dwStyle(0), m_dwExStyle(0), m_rect(0, 0, 0, 0), m_wPointSize(0),
      m_hInstance(NULL), m_pItems(NULL), m_nItems(0)
{
}

CDialogTemplateReader::~CDialogTemplateReader()
{
    Clear();
}

void CDialogTemplateReader::Clear()
{
    delete[] m_pItems;
    m_pItems = NULL;
    m_nItems = 0;
    m_bExtended = FALSE;
    m_dwStyle = m_dwExStyle = 0;
    m_rect.SetRectEmpty();
    m_strCaption.Empty();
    m_strFaceName.Empty();
    m_wPointSize = 0;
}

BOOL CDialogTemplateReader::Load(LPCSTR lpszTemplateName)
{
    Clear();
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = hInst != NULL ? ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG) : NULL;
    HGLOBAL hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    const void* pTemplate = hTemplate != NULL ? ::LockResource(hTemplate) : NULL;
    if (pTemplate == NULL)
        return FALSE;
    m_hInstance = hInst;
    return Read(pTemplate, ::SizeofResource(hInst, hResource));
}

BOOL CDialogTemplateReader::Read(const void* pTemplate, DWORD cbTemplate)
{
    Clear();
    if (pTemplate == NULL)
        return FALSE;
    const BYTE* pStart = (const BYTE*)pTemplate;
    CTemplateCursor cur(pStart, cbTemplate);
    WORD wVersion = cur.Word(), wSignature = cur.Word();
    m_bExtended = wVersion == 1 && wSignature == 0xFFFF;
    if (m_bExtended)
    {
        cur.DWord();                         // help id
        m_dwExStyle = cur.DWord();
        m_dwStyle = cur.DWord();
    }
    else
    {
        cur = CTemplateCursor(pStart, cbTemplate);
        m_dwStyle = cur.DWord();
        m_dwExStyle = cur.DWord();
    }
    int nItems = cur.Word();
    m_rect = ReadRect(cur);
    WORD wOrdinal;
    cur.StringOrOrdinal(&wOrdinal);          // menu
    cur.StringOrOrdinal(&wOrdinal);          // window class
    m_strCaption = cur.String();
    if (m_dwStyle & (DS_SETFONT | DS_SHELLFONT))
    {
        m_wPointSize = cur.Word();
        if (m_bExtended)
            cur.Skip(4);                     // weight, italic, character set
        m_strFaceName = cur.String();
    }
    if (!cur.Ok())
    {
        Clear();
        return FALSE;
    }

    m_pItems = new SItem[nItems];
    for (int i = 0; i < nItems; i++)
    {
        cur.AlignDWord(pStart);
        SItem& item = m_pItems[i];
        if (m_bExtended)
        {
            item.dwHelpID = cur.DWord();
            item.dwExStyle = cur.DWord();
            item.dwStyle = cur.DWord();
            item.rect = ReadRect(cur);
            item.nID = cur.DWord();
        }
        else
        {
            item.dwHelpID = 0;
            item.dwStyle = cur.DWord();
            item.dwExStyle = cur.DWord();
            item.rect = ReadRect(cur);
            item.nID = cur.Word();
        }
        WORD wAtom;
        item.strClass = cur.StringOrOrdinal(&wAtom);
        if (wAtom != 0)
            item.strClass = PredefinedClass(wAtom) != NULL ? PredefinedClass(wAtom) : "";
        item.strTitle = cur.StringOrOrdinal(&item.wTitleOrdinal);
        cur.Skip(cur.Word());                // creation data
        if (!cur.Ok())
        {
            Clear();
            return FALSE;
        }
        m_nItems = i + 1;
    }
    return TRUE;
}

int CDialogTemplateReader::FindItem(UINT nID) const
{
    for (int i = 0; i < m_nItems; i++)
        if (m_pItems[i].nID == nID)
            return i;
    return -1;
}

HWND CDialogTemplateReader::CreateItem(int nIndex, CWnd* pParent) const
{
    if (nIndex < 0 || nIndex >= m_nItems || pParent == NULL || pParent->m_hWnd == NULL)
        return NULL;
    const SItem& item = m_pItems[nIndex];
    CRect rect = item.rect;
    ::MapDialogRect(pParent->m_hWnd, &rect);
    HINSTANCE hInst = m_hInstance != NULL ? m_hInstance : AfxGetResourceHandle();
    HWND hWnd = ::CreateWindowExA(item.dwExStyle, item.strClass, item.strTitle,
        (item.dwStyle | WS_CHILD) & ~WS_POPUP, rect.left, rect.top, rect.Width(), rect.Height(),
        pParent->m_hWnd, (HMENU)(UINT_PTR)item.nID, hInst, NULL);
    if (hWnd != NULL)
        ::SendMessageA(hWnd, WM_SETFONT, ::SendMessageA(pParent->m_hWnd, WM_GETFONT, 0, 0), FALSE);
    return hWnd;
}
