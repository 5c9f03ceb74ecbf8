#include "demo/layout.h"

#include "kit/layout.h"

namespace demo {

void LayOutSample(const std::string& product, const std::string& build, const std::string& dist, std::uint64_t disk,
                  bool compress) {
  kit::LayOut({product, dist, build + "\\setup.exe", true, true,
               {{build + "\\demo\\marrow.exe", "MARROW.EX_"}, {build + "\\twremove.exe", "TWREMOVE.EX_"}}, {},
               compress, disk});
}

}  // namespace demo
