#include "project_file_writer.h"

#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>

#include "project_value.h"

namespace capillary {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

class LineWriter {
  public:
    void text(std::string_view value) {
        out_ += quoteProjectText(value);
        out_ += kLineEnd;
    }
    void optionalText(const std::optional<std::string>& value) {
        if (value) {
            text(*value);
        } else {
            out_ += kLineEnd;
        }
    }
    void number(int value) {
        out_ += std::to_string(value);
        out_ += kLineEnd;
    }
    std::string take() { return std::move(out_); }

  private:
    std::string out_;
};

}  // namespace

std::string projectFileBytes(const ProjectRecord& record) {
    LineWriter w;
    w.text(record.refrigerant);
    w.text(record.capacity);
    w.text(record.evaporating);
    w.text(record.condensing);
    w.text(record.superheat);
    w.text(record.subcooling);
    w.text(record.maxPressureDrop);
    w.text(record.circuits);
    w.optionalText(record.customer);
    w.optionalText(record.project);
    w.text(record.note);
    const ProjectCaptions& c = record.captions;
    for (const std::string* caption : {&c.Lbl2, &c.Lbl3, &c.Lbl4, &c.Lbl5, &c.Lbl6, &c.Lbl7,
                                       &c.Lbl9, &c.Lbl15, &c.Lbl17, &c.Lbl19}) {
        w.text(*caption);
    }
    w.number(record.history);
    w.number(record.unit);
    return w.take();
}

}  // namespace capillary
