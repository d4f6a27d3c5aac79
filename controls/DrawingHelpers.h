// Pictures from the program's PNG resources, fonts derived from a window's font, text measuring,
// and the drawing steps that every owner-drawn control shares.
//
// Drawing conventions of the controls: each paints its whole client area into a memory DC of the
// client size (filled first with its solid brush, then the background crop of its window's
// picture, then its picture or text) and copies it to the screen with one BitBlt, so nothing
// flickers. The background crop is a borrowed picture of the window plus a source rectangle in
// that picture's pixels, stretched over the client area so that the control looks transparent.
#pragma once

#include "controls/ControlGeometry.h"
#include "controls/Gdiplus.h"
#include "framework/Framework.h"

// Loads PNG resource nID into a new picture owned by the caller. FALSE leaves *ppImage as it
// was: unknown id, unreadable resource, or bytes that are not a picture. A picture already held
// in *ppImage is not released here. The memory behind a picture lives exactly as long as it.
BOOL LoadPngResource(Gdiplus::Image** ppImage, UINT nID);

// Fills pFont with a copy of the source window's font (DEFAULT_GUI_FONT, then ANSI_VAR_FONT when
// it has none); a non-zero growth makes it that many pixels taller and, with a weight above 0,
// that heavy. A font pFont already holds is replaced.
void CreateDerivedFont(CWnd* pSrcWnd, int nGrowth, int nWeight, CFont* pFont);
// The same from a window handle, for controls whose parent need not be a window of ours.
void CreateDerivedFont(HWND hSrcWnd, int nGrowth, int nWeight, CFont* pFont);

// Width in pixels of text drawn in pDC with the font CreateDerivedFont would build; -1 for a
// null window or DC.
int MeasureTextWidth(CWnd* pSrcWnd, CDC* pDC, CString strText, int nGrowth, int nWeight);

// Draws the crop src of a window's picture stretched over dest.
void DrawBackgroundCrop(Gdiplus::Graphics& graphics, Gdiplus::Image* pImage, const CRect& dest,
                        const CRect& src);

// Draws the part src of a picture stretched over dest.
void DrawPicturePart(Gdiplus::Graphics& graphics, Gdiplus::Image* pImage, const CRect& dest,
                     const CRect& src);

// Deletes a picture and nulls its pointer.
void ReleasePicture(Gdiplus::Image*& pImage);

// Creates a memory DC compatible with pDC and a bitmap of the given size for it, the off-screen
// face of a control. FALSE when either fails; then neither is kept.
BOOL CreateMemoryFace(CDC* pDC, CDC& dcMem, CBitmap& bmpMem, int nWidth, int nHeight);

// Fills the face with the control's brush and lets text leave it showing through.
void ClearFace(CDC& dcMem, const CRect& rcClient, CBrush& brBack);

// Draws text into rcText as format says; a format that measures first has the text measured in
// a block of rcText's width and moves rcText's top down to centre it in nClientHeight.
void DrawTextByFormat(CDC& dc, const CString& text, CRect& rcText, int nClientHeight,
                      const TextFormat& format);

// Copies the finished face to the screen and puts the font it replaced back into the memory DC.
void ShowFace(CDC& target, CDC& dcMem, const CRect& rcClient, CFont*& pOldFont);
