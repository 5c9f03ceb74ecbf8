#pragma once
// Clock and summary shared by the benchmarks' timing programs.
#include <string>
#include <vector>

namespace bench {

// The performance counter in milliseconds.
double NowMs();

struct Summary {
  double median, min;
};
// The median and the least of a non-empty set of times.
Summary Summarise(std::vector<double> times);
// The times in whole milliseconds, each after a blank, for the line of every run.
std::string EachTime(const std::vector<double>& times);

}  // namespace bench
