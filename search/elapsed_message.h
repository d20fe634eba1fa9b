// The status line written after a search: how long it took.
#pragma once

#include <cstdint>
#include <string>

// Milliseconds since an arbitrary start, in 32 bits; it wraps like a tick count.
uint32_t tickCount();

// "此次采集共耗时" + seconds ("%.13g") + "秒", as program text. The difference
// of the two readings is taken modulo 2^32, so a wrap between them still gives
// the true time.
std::string elapsedMessage(uint32_t startTicks, uint32_t endTicks);
