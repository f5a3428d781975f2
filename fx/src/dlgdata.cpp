// dlgdata.cpp - dialog data exchange: CDataExchange, the DDX_/DDV_ routines, UpdateData and the
// dialog-init resource.
#include "afximpl_.h"
#include <errno.h>
#include <stdlib.h>

extern HINSTANCE afxFxInstance;

/////////////////////////////////////////////////////////////////////////////
// CWnd::UpdateData, ExecuteDlgInit

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try
    {
        DoDataExchange(&dx);
        return TRUE;
    }
    catch (CException* e)
    {
        // a CUserException has been reported to the user already (the prompt, then Fail)
        if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
            e->ReportError(MB_ICONEXCLAMATION);
        e->Delete();
        return FALSE;
    }
}

void CWnd::DoDataExchange(CDataExchange*)
{
}

BOOL CWnd::ExecuteDlgInit(LPCSTR lpszResourceName)
{
    // no dialog-init resource is the usual case and no failure
    if (lpszResourceName == NULL)
        return TRUE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_DLGINIT);
    HRSRC hResource = hInst != NULL ? ::FindResourceA(hInst, lpszResourceName, RT_DLGINIT) : NULL;
    if (hResource == NULL)
        return TRUE;
    HGLOBAL hData = ::LoadResource(hInst, hResource);
    if (hData == NULL)
        return FALSE;
    return ExecuteDlgInit(::LockResource(hData));
}

BOOL CWnd::ExecuteDlgInit(LPVOID lpResource)
{
    if (lpResource == NULL)
        return TRUE;
    // The records name their message by the numbers the resource compiler writes, which are not
    // the Win32 message numbers: 0x0401 adds a list-box string, 0x0403 (and the framework's own
    // 0x1234) a combo-box string.
    BOOL bSuccess = TRUE;
    const BYTE* p = (const BYTE*)lpResource;
    for (;;)
    {
        WORD nIDC = *(const WORD*)p;
        if (nIDC == 0)
            break;
        WORD nMsg = *(const WORD*)(p + 2);
        DWORD dwLen = *(const DWORD*)(p + 4);
        LPCSTR lpszData = (LPCSTR)(p + 8);
        p += 8 + dwLen;
        UINT nWinMsg = nMsg == 0x0401 ? LB_ADDSTRING : (nMsg == 0x0403 || nMsg == 0x1234) ? CB_ADDSTRING : 0;
        if (nWinMsg == 0)
        {
            TRACE("CWnd::ExecuteDlgInit: unknown message %04X\n", nMsg);
            continue;
        }
        LRESULT lResult = SendDlgItemMessage(nIDC, nWinMsg, 0, (LPARAM)lpszData);
        if (lResult == LB_ERR || lResult == LB_ERRSPACE)     // CB_ERR and CB_ERRSPACE are the same
            bSuccess = FALSE;
    }
    return bSuccess;
}

/////////////////////////////////////////////////////////////////////////////
// CDataExchange

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(NULL),
      m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = NULL;
    m_pDlgWnd->GetDlgItem(nIDC, &hWndCtrl);
    if (hWndCtrl == NULL)
    {
        TRACE("CDataExchange: the dialog has no control %d\n", nIDC);
        AfxThrowNotSupportedException();
    }
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (!m_bSaveAndValidate)
    {
        // filling the controls cannot be refused; the member was already bad
        TRACE("CDataExchange::Fail while filling the controls\n");
    }
    else if (m_hWndLastControl != NULL)
    {
        // the user fixes the value where it is wrong
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

/////////////////////////////////////////////////////////////////////////////
// Prompts

// The prompt nIDPrompt with %1 and %2 filled in: the resource chain first, so an application can
// word the framework's prompts its own way, then the framework's own module.
static CString LoadPrompt(UINT nIDPrompt, LPCSTR lpsz1 = NULL, LPCSTR lpsz2 = NULL)
{
    CString strFormat;
    if (!strFormat.LoadString(nIDPrompt))
    {
        char szBuffer[256];
        if (::LoadStringA(afxFxInstance, nIDPrompt, szBuffer, sizeof(szBuffer)) > 0)
            strFormat = szBuffer;
    }
    CString strPrompt = strFormat;
    strPrompt.Replace("%1", lpsz1 != NULL ? lpsz1 : "");
    strPrompt.Replace("%2", lpsz2 != NULL ? lpsz2 : "");
    return strPrompt;
}

static void FailWithPrompt(CDataExchange* pDX, UINT nIDPrompt, LPCSTR lpsz1 = NULL, LPCSTR lpsz2 = NULL)
{
    AfxMessageBox(LoadPrompt(nIDPrompt, lpsz1, lpsz2), MB_ICONEXCLAMATION, nIDPrompt);
    pDX->Fail();
}

/////////////////////////////////////////////////////////////////////////////
// DDX_Text

// Reads a whole decimal number from the text: leading and trailing blanks are allowed, anything
// else (letters, a second number, nothing at all) is not.
static BOOL ParseWholeNumber(LPCSTR lpsz, long long& value)
{
    while (*lpsz == ' ' || *lpsz == '\t')
        lpsz++;
    if (*lpsz == '\0')
        return FALSE;
    char* pEnd = NULL;
    errno = 0;
    value = strtoll(lpsz, &pEnd, 10);
    if (pEnd == lpsz || errno == ERANGE)
        return FALSE;
    while (*pEnd == ' ' || *pEnd == '\t')
        pEnd++;
    return *pEnd == '\0';
}

static void TextToNumber(CDataExchange* pDX, int nIDC, long long& value, long long minValue,
    long long maxValue, UINT nIDPrompt)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        char szText[64];
        int nLength = ::GetWindowTextLengthA(hWndCtrl);
        ::GetWindowTextA(hWndCtrl, szText, sizeof(szText));
        long long parsed = 0;
        if (nLength >= (int)sizeof(szText) || !ParseWholeNumber(szText, parsed) || parsed < minValue ||
            parsed > maxValue)
            FailWithPrompt(pDX, nIDPrompt);
        value = parsed;
    }
    else
    {
        char szText[32];
        sprintf(szText, "%lld", value);
        ::SetWindowTextA(hWndCtrl, szText);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        int nLength = ::GetWindowTextLengthA(hWndCtrl);
        ::GetWindowTextA(hWndCtrl, value.GetBufferSetLength(nLength), nLength + 1);
        value.ReleaseBuffer();
    }
    else
        ::SetWindowTextA(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    long long v = value;
    TextToNumber(pDX, nIDC, v, INT_MIN, INT_MAX, AFX_IDP_PARSE_INT);
    value = (int)v;
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    long long v = value;
    TextToNumber(pDX, nIDC, v, LONG_MIN, LONG_MAX, AFX_IDP_PARSE_INT);
    value = (long)v;
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    long long v = value;
    TextToNumber(pDX, nIDC, v, 0, UINT_MAX, AFX_IDP_PARSE_UINT);
    value = (UINT)v;
}

/////////////////////////////////////////////////////////////////////////////
// Buttons and controls

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0);
    else
    {
        if (value < 0 || value > 2)
        {
            TRACE("DDX_Check: value %d is not a check state, taken as unchecked\n", value);
            value = 0;
        }
        ::SendMessageA(hWndCtrl, BM_SETCHECK, (WPARAM)value, 0);
    }
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from nIDC up to the next control with WS_GROUP; only radio buttons count.
    int iButton = 0;
    do
    {
        if (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
        {
            if (pDX->m_bSaveAndValidate)
            {
                if (::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) != BST_UNCHECKED)
                    value = iButton;
            }
            else
                ::SendMessageA(hWndCtrl, BM_SETCHECK, iButton == value, 0);
            iButton++;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != NULL && !(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != NULL)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}

/////////////////////////////////////////////////////////////////////////////
// DDV_

static void CheckRange(CDataExchange* pDX, long long value, long long minVal, long long maxVal)
{
    // Filling the controls is never refused.  With minVal > maxVal no value passes, so such a
    // dialog can only be cancelled.
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    char szMin[32], szMax[32];
    sprintf(szMin, "%lld", minVal);
    sprintf(szMax, "%lld", maxVal);
    FailWithPrompt(pDX, AFX_IDP_PARSE_INT_RANGE, szMin, szMax);
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    CheckRange(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    CheckRange(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    CheckRange(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (!pDX->m_bSaveAndValidate)
    {
        // the edit control refuses the excess as it is typed
        if (pDX->m_hWndLastControl != NULL && pDX->m_bEditLastControl)
            ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, nChars, 0);
        return;
    }
    if (value.GetLength() > nChars)
    {
        char szMax[16];
        sprintf(szMax, "%d", nChars);
        FailWithPrompt(pDX, AFX_IDP_PARSE_STRING_SIZE, szMax);
    }
}
