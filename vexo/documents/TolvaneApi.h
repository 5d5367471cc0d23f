#pragma once
// The picture library "Tolvane.dll", loaded by name at run time: Vexo keeps
// working, without section pictures, where it is missing.
#include <windows.h>

// Writes the bitmap selected into dc (bitmap, when given, names it) to path
// as a JPEG file. kind 1 is JPEG, the only kind there is; matte is the colour
// laid under pixels the bitmap leaves transparent; flags 0 asks for the
// library's own quality. TRUE when the file was written.
using CreateAttachmentFn = BOOL(WINAPI*)(HDC dc, HBITMAP bitmap, const char* path, int kind, COLORREF matte,
                                        int flags);
// The picture in a JPEG (or any other picture file the platform reads) as a
// 32-bit bitmap the caller deletes, or NULL. width and height, when given,
// receive its size.
using CreateBitmapFromFileFn = HBITMAP(WINAPI*)(const char* path, int* width, int* height);

constexpr const char kTolvaneLibrary[] = "Tolvane.dll";
constexpr const char kCreateAttachmentName[] = "CreateAttachment";
constexpr const char kCreateBitmapFromFileName[] = "CreateBitmapFromFile";
constexpr int kAttachmentJpeg = 1;
