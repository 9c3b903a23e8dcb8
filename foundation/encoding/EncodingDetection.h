// Guessing the encoding of bytes without a byte-order mark, and EUC-JP to Shift_JIS.
#pragma once

#include <cstddef>

#include "foundation/encoding/EncodingId.h"

// Each score counts the bytes that belong to valid characters of that encoding.
// Shift_JIS and BIG5 answer -1 for data they can't be (zero bytes).
long long scoreShiftJIS(const unsigned char* data, size_t size);
long long scoreUTF8(const unsigned char* data, size_t size);
long long scoreEUCJP(const unsigned char* data, size_t size);
long long scoreBIG5(const unsigned char* data, size_t size);

// Shift_JIS, UTF-8, EUC-JP or BIG5, whichever explains every byte (ties go in that
// order); Shift_JIS when none does; "Binary" when a zero byte stands before the last.
EncodingId detectEncoding(const unsigned char* data, size_t size);

// Rewrites JIS X 0208 pairs (both bytes A1-FE) as Shift_JIS and half-width katakana
// (8E xx) as their one Shift_JIS byte, in place; returns the new size. Other bytes
// (JIS X 0212 among them) are left as they are.
size_t convertEUCJPToShiftJIS(unsigned char* data, size_t size);
