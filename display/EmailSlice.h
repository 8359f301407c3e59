#pragma once
#include "platform/CFile.h"

#include <QByteArray>
#include <cstdint>

// Reads the bytes [start, end) of an open mailbox file by absolute offset into data (which keeps Qt's
// terminating zero byte). The range is clipped to the file, so damaged offsets never make a huge buffer.
// False when the buffer cannot be allocated.
bool ReadEmailSlice(const CFile& file, uint64_t start, uint64_t end, QByteArray& data);
