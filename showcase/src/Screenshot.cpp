// Screenshot.cpp - window capture and a minimal PNG writer.
//
// The PNG is written with uncompressed ("stored") deflate blocks: the files are larger, but the
// writer needs no compression library and the output is byte-for-byte reproducible.
#include "Screenshot.h"
#include <vector>

namespace
{
class CCrc32
{
public:
    CCrc32()
    {
        for (DWORD n = 0; n < 256; n++)
        {
            DWORD c = n;
            for (int k = 0; k < 8; k++)
                c = (c & 1) ? 0xEDB88320UL ^ (c >> 1) : c >> 1;
            m_table[n] = c;
        }
    }
    DWORD Compute(const BYTE* p, size_t n) const
    {
        DWORD c = 0xFFFFFFFFUL;
        for (size_t i = 0; i < n; i++)
            c = m_table[(c ^ p[i]) & 0xFF] ^ (c >> 8);
        return c ^ 0xFFFFFFFFUL;
    }
private:
    DWORD m_table[256];
};

void AppendBE32(std::vector<BYTE>& buf, DWORD dw)
{
    buf.push_back((BYTE)(dw >> 24));
    buf.push_back((BYTE)(dw >> 16));
    buf.push_back((BYTE)(dw >> 8));
    buf.push_back((BYTE)dw);
}

void AppendChunk(std::vector<BYTE>& file, const char* pszType, const std::vector<BYTE>& data)
{
    static const CCrc32 crc;
    AppendBE32(file, (DWORD)data.size());
    std::vector<BYTE> typed(pszType, pszType + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    file.insert(file.end(), typed.begin(), typed.end());
    AppendBE32(file, crc.Compute(typed.data(), typed.size()));
}

// zlib stream of stored deflate blocks
std::vector<BYTE> ZlibStore(const std::vector<BYTE>& raw)
{
    std::vector<BYTE> out;
    out.reserve(raw.size() + raw.size() / 65535 * 5 + 16);
    out.push_back(0x78);    // deflate, 32K window
    out.push_back(0x01);    // no preset dictionary; header checksum
    size_t pos = 0;
    do
    {
        const size_t n = raw.size() - pos > 65535 ? 65535 : raw.size() - pos;
        const bool bLast = pos + n == raw.size();
        out.push_back(bLast ? 1 : 0);
        out.push_back((BYTE)(n & 0xFF));
        out.push_back((BYTE)(n >> 8));
        out.push_back((BYTE)(~n & 0xFF));
        out.push_back((BYTE)((~n >> 8) & 0xFF));
        out.insert(out.end(), raw.begin() + pos, raw.begin() + pos + n);
        pos += n;
    } while (pos < raw.size());

    DWORD a = 1, b = 0;     // Adler-32 of the uncompressed data
    for (size_t i = 0; i < raw.size(); i++)
    {
        a = (a + raw[i]) % 65521;
        b = (b + a) % 65521;
    }
    AppendBE32(out, (b << 16) | a);
    return out;
}
}

BOOL WritePngFile(LPCSTR lpszPath, const BYTE* pPixels, int cx, int cy)
{
    if (pPixels == NULL || cx <= 0 || cy <= 0)
        return FALSE;

    std::vector<BYTE> raw;
    raw.reserve((size_t)cy * (1 + (size_t)cx * 3));
    for (int y = 0; y < cy; y++)
    {
        raw.push_back(0);   // filter: none
        const BYTE* p = pPixels + (size_t)y * cx * 4;
        for (int x = 0; x < cx; x++, p += 4)
        {
            raw.push_back(p[2]);
            raw.push_back(p[1]);
            raw.push_back(p[0]);
        }
    }

    static const BYTE signature[8] = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
    std::vector<BYTE> file(signature, signature + 8);
    std::vector<BYTE> ihdr;
    AppendBE32(ihdr, (DWORD)cx);
    AppendBE32(ihdr, (DWORD)cy);
    ihdr.push_back(8);      // bits per channel
    ihdr.push_back(2);      // colour type: RGB
    ihdr.push_back(0);      // deflate
    ihdr.push_back(0);      // adaptive filtering
    ihdr.push_back(0);      // not interlaced
    AppendChunk(file, "IHDR", ihdr);
    AppendChunk(file, "IDAT", ZlibStore(raw));
    AppendChunk(file, "IEND", std::vector<BYTE>());

    HANDLE hFile = ::CreateFileA(lpszPath, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
        FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD nWritten = 0;
    BOOL bOk = ::WriteFile(hFile, file.data(), (DWORD)file.size(), &nWritten, NULL)
        && nWritten == file.size();
    ::CloseHandle(hFile);
    if (!bOk)
        ::DeleteFileA(lpszPath);
    return bOk;
}

namespace
{
BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM lParam)
{
    ((std::vector<HWND>*)lParam)->push_back(hWnd);
    return TRUE;
}

// Floating frames, popups, menus, tool tips and dialogs are windows of their own: each keeps
// its own surface, so they are copied over the main window one by one, bottom to top, where
// they stand on the screen.
void ComposeTopLevelWindows(CDC& dcTarget, CWnd* pMain, const CRect& rectMain)
{
    std::vector<HWND> windows;     // top to bottom, as the thread's windows are listed
    ::EnumThreadWindows(::GetWindowThreadProcessId(pMain->GetSafeHwnd(), NULL), CollectWindow,
        (LPARAM)&windows);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
    {
        HWND hWnd = *it;
        if (hWnd == pMain->GetSafeHwnd() || !::IsWindowVisible(hWnd) || ::IsIconic(hWnd))
            continue;
        CRect rect;
        ::GetWindowRect(hWnd, &rect);
        CRect rectShown;
        if (!rectShown.IntersectRect(rect, rectMain))
            continue;
        HDC hdc = ::GetWindowDC(hWnd);
        if (hdc == NULL)
            continue;
        ::BitBlt(dcTarget.GetSafeHdc(), rect.left - rectMain.left, rect.top - rectMain.top,
            rect.Width(), rect.Height(), hdc, 0, 0, SRCCOPY);
        ::ReleaseDC(hWnd, hdc);
    }
}
}

BOOL SaveWindowAsPng(CWnd* pWnd, LPCSTR lpszPath)
{
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
        return FALSE;
    CRect rectWindow;
    pWnd->GetWindowRect(&rectWindow);
    const int cx = rectWindow.Width();
    const int cy = rectWindow.Height();
    if (cx <= 0 || cy <= 0)
        return FALSE;

    CWindowDC dcWindow(pWnd);
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(&dcWindow))
        return FALSE;

    BITMAPINFO bmi;
    memset(&bmi, 0, sizeof(bmi));
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;      // top-down rows
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(dcWindow.GetSafeHdc(), &bmi, DIB_RGB_COLORS, &pBits,
        NULL, 0);
    if (hBitmap == NULL || pBits == NULL)
        return FALSE;

    HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), hBitmap);
    BOOL bOk = dcMem.BitBlt(0, 0, cx, cy, &dcWindow, 0, 0, SRCCOPY);
    if (bOk)
        ComposeTopLevelWindows(dcMem, pWnd, rectWindow);
    ::GdiFlush();
    if (bOk)
        bOk = WritePngFile(lpszPath, (const BYTE*)pBits, cx, cy);
    ::SelectObject(dcMem.GetSafeHdc(), hOld);
    ::DeleteObject(hBitmap);
    return bOk;
}
