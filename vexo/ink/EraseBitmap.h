#pragma once
// Reading a bitmap's pixels as 24-bit rows, each padded to 4 bytes.
#include <windows.h>

#include <cstddef>
#include <cstdint>

// Byte size of the bitmap as 24-bit rows; 0 (after a message box) when a
// handle is missing or the bitmap cannot be read.
size_t GetEraseInfo(HDC dc, HBITMAP bitmap);

// Copies the bitmap's rows, bottom row first, into buffer when size holds
// them all. A missing handle shows a message box; false on every failure.
bool MemoryTransferToBuffer(HDC dc, HBITMAP bitmap, size_t size, uint8_t* buffer);
