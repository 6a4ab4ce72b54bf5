// libFuzzer target for the project file reader. Any input must be read without a crash, hang
// or undefined behaviour, and every file the reader accepts must save and reopen unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "io/project_file.h"
#include "io/text_encoding.h"

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "project file reader fuzzer: %s\n", what);
        std::abort();
    }
}

bool textsAreUtf8(const capillary::ProjectRecord& r) {
    const auto& c = r.captions;
    for (const std::string* text :
         {&r.refrigerant, &r.capacity, &r.evaporating, &r.condensing, &r.superheat, &r.subcooling,
          &r.maxPressureDrop, &r.circuits, &r.note, &c.Lbl2, &c.Lbl3, &c.Lbl4, &c.Lbl5, &c.Lbl6,
          &c.Lbl7, &c.Lbl9, &c.Lbl15, &c.Lbl17, &c.Lbl19}) {
        if (!capillary::isValidUtf8(*text)) return false;
    }
    return capillary::isValidUtf8(r.customer.value_or("")) &&
           capillary::isValidUtf8(r.project.value_or(""));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const capillary::ProjectReadResult read = capillary::parseProjectFile(bytes);
    require(read.ok() != !read.reason.empty(), "a result must hold a record or a reason");
    if (!read.ok()) return 0;

    require(textsAreUtf8(*read.record), "an accepted file must give UTF-8 texts");
    const std::string saved = capillary::projectFileBytes(*read.record);
    // Doubled quotes and decoded Windows-1252 make a saved file larger than the one read.
    if (saved.size() > capillary::kMaxProjectFileBytes) return 0;
    const capillary::ProjectReadResult reopened = capillary::parseProjectFile(saved);
    require(reopened.ok(), "a saved design must open again");
    require(*reopened.record == *read.record, "a saved design must open unchanged");
    return 0;
}
