#pragma once
// The processor time this thread has used, in seconds: what a slow formula costs,
// untouched by other programs taking turns on the processor.

#include <time.h>

namespace vantorel::plot {

inline double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

}  // namespace vantorel::plot
