#include "timing.h"

#include <windows.h>

#include <algorithm>

namespace bench {

double NowMs() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

Summary Summarise(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const size_t n = times.size();
  const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  return {median, times.front()};
}

std::string EachTime(const std::vector<double>& times) {
  std::string text;
  for (double t : times) text += " " + std::to_string(static_cast<long>(t + 0.5));
  return text;
}

}  // namespace bench
