#pragma once

#include <functional>

// How many photos or clips are worked on at once, and the threads that do it.
namespace Workers {

// Never more than this many at once by default: past it, the disk and the memory the pictures
// take in flight cost more than further cores win.
inline constexpr int DefaultLimit = 8;
// The environment variable that overrides the count (benchmarks, tests); 1 works one file at a
// time, as on a single core.
inline constexpr char CountVariable[] = "LUMARO_THREADS";

// One per core, at most DefaultLimit, unless CountVariable holds a whole number from 1 to 64.
int count();

// Runs `work` on `threads` threads at once, the calling thread being one of them, and returns
// when every one has returned. `work` pulls what it works on from shared state of its own.
void run(int threads, const std::function<void()>& work);

} // namespace Workers
