#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>

namespace capillary::cli {

// A line on a terminal that says how far a batch has come: rows done, rows per second and the
// share of the input read, redrawn a few times a second and wiped at the end.
class BatchProgress {
  public:
    BatchProgress(std::FILE* terminal, std::uintmax_t totalBytes);

    void update(std::uintmax_t rowsDone, std::uintmax_t bytesRead);
    void clear();

  private:
    std::FILE* terminal_;
    std::uintmax_t totalBytes_;
    std::chrono::steady_clock::time_point start_, lastDrawn_;
    bool drawn_ = false;
};

}  // namespace capillary::cli
