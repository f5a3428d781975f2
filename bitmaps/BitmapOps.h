// BitmapOps.h - free bitmap functions: resampling, sharpening, plain drawing, debugging dumps,
// 3-D frames along a polygon and the embossed and shadow looks of image-list images.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

class CBitmapEx;
class CFrameColors;

// Copies pBitmap to (0, 0) of dc at its full size; the result of the copy.
AFX_EXT_API int DrawBitmap(CDC& dc, CBitmap* pBitmap);

// A new bitmap, compatible with the screen, of nWidth x nHeight pixels with hSource resampled by
// area averaging (growing axes mix the one or two source pixels each new pixel covers).
// hSource is left as it is.  NULL for a missing source or an empty size.
AFX_EXT_API HBITMAP ScaleBitmapEx(HBITMAP hSource, WORD nWidth, WORD nHeight);

// Sharpens a 24- or 32-bit bitmap in place with a 3 x 3 kernel whose weights add up to 1;
// nStrength 1 (mild) .. 10 (strong).  0 for a strength below 1 or another colour depth.
AFX_EXT_API int SharpBitmap(HBITMAP hBitmap, int nStrength);

// Debugging dumps: each saves "C:\BmpSpy\<number>-<name>.bmp" (making the folder when it is
// missing), the number counting the calls from 000.  The image-list form puts all images side by
// side on white; an empty list is not dumped and takes no number.  Non-zero when a file was
// written.
AFX_EXT_API int Spy(CBitmapEx* pBitmap, const char* lpszName);
AFX_EXT_API int Spy(HIMAGELIST hImageList, const char* lpszName);

// Styles of Draw3DFrame.
#define FRAME3D_DARKFACE      0x0002  // face mixed 30% toward the shadow
#define FRAME3D_NOOUTERDARK   0x0004  // no outer dark band, and no black at all
#define FRAME3D_SOFT          0x0008  // highlight and shadow a quarter back toward the face
#define FRAME3D_BLACKINNER    0x0010  // no outer dark band; the inner dark band black
#define FRAME3D_FRAMEONLY     0x0020  // leave the polygon's inside as it is

// Draws a 3-D frame along the polygon (at most 50 points) with pColors' face, highlight and
// shadow (the system's when NULL).  0 for fewer than 3 or more than 50 points.
AFX_EXT_API int Draw3DFrame(CDC& dc, POINT* pPoints, int nCount, UINT nStyle, CFrameColors* pColors = NULL);

// Image nImage of pList drawn at pt as a disabled item looks: highlight edge one pixel right and
// down, shadow face at pt.  bColorBitmap makes the working copy a colour bitmap instead of a
// monochrome one.
AFX_EXT_API int ImageListDrawEmbossed(CDC& dc, CImageList* pList, int nImage, CPoint pt, int bColorBitmap);
// The image's shadow, one pixel down (and one pixel right and down); the caller draws the image
// itself over it.
AFX_EXT_API int ImageListDrawShadow(CDC& dc, CImageList* pList, int nImage, CPoint pt, int bColorBitmap);
