#include "batch_progress.h"

#include <algorithm>

#include <fmt/core.h>

namespace capillary::cli {
namespace {

constexpr std::chrono::milliseconds kRedrawEvery{200};

}  // namespace

BatchProgress::BatchProgress(std::FILE* terminal, std::uintmax_t totalBytes)
    : terminal_(terminal),
      totalBytes_(totalBytes),
      start_(std::chrono::steady_clock::now()),
      lastDrawn_(start_) {}

void BatchProgress::update(std::uintmax_t rowsDone, std::uintmax_t bytesRead) {
    const auto now = std::chrono::steady_clock::now();
    if (now - lastDrawn_ < kRedrawEvery) return;
    lastDrawn_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const double share = totalBytes_
                             ? 100.0 * static_cast<double>(std::min(bytesRead, totalBytes_)) /
                                   static_cast<double>(totalBytes_)
                             : 100.0;
    fmt::print(terminal_, "\r\x1b[K{} rows, {:.0f} rows/s, {:.0f}%", rowsDone,
               static_cast<double>(rowsDone) / seconds, share);
    std::fflush(terminal_);
    drawn_ = true;
}

void BatchProgress::clear() {
    if (!drawn_) return;
    std::fputs("\r\x1b[K", terminal_);
    std::fflush(terminal_);
    drawn_ = false;
}

}  // namespace capillary::cli
