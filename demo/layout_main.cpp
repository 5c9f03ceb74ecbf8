// demo_dist PRODUCT BUILD DIST: lays out the sample's distribution folder
// (see layout.h). Paths as Windows sees them.
#include <cstdio>
#include <exception>

#include "demo/layout.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: demo_dist PRODUCT_FOLDER BUILD_FOLDER DIST_FOLDER\n", stderr);
    return 2;
  }
  try {
    demo::LayOutSample(argv[1], argv[2], argv[3]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "demo_dist: %s\n", error.what());
    return 1;
  }
  return 0;
}
