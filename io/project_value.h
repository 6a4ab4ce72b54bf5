#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace capillary {

// The syntax of one value of a project file. Values are separated by line ends (LF, CR LF or
// a lone CR) outside quotes. A value is either
//   - quoted text: a double quote, the text, a double quote. A double quote inside the text is
//     written doubled (""); a line break inside it is written as CR LF and read back as "\n"
//     (CR LF, a lone LF and a lone CR all count as one line break), so a quoted value may
//     span several lines of the file;
//   - or a bare value: everything up to the line end, such as a whole number or nothing.
// Blanks (spaces and tabs) before and after a value, outside its quotes, are ignored.
// A quoted value that spans lines and has text after its closing quote counts as one whose
// closing quote is missing: it has run on to the opening quote of a later line.

// Control characters other than tab and the line breaks: no text file holds them, so a file
// with one is taken for binary data.
bool isBinaryByte(char c);

// `text` as quoted text, quotes doubled and line breaks written as CR LF; other control
// characters, which would make the file unreadable, are written as blanks.
std::string quoteProjectText(std::string_view text);

struct ProjectValue {
    bool quoted = false;
    std::string text;  // without its quotes, doubled quotes made single, line breaks "\n"
};

enum class ProjectValueFault { None, NoClosingQuote, TextAfterClosingQuote };

// Reads the values of a project file one after the other.
class ProjectValueScanner {
  public:
    explicit ProjectValueScanner(std::string_view text) : text_(text) {}

    // Reads the next value and the line end after it. Past the end of the text every value is
    // an empty bare value. On a fault the scanner stops where it is.
    ProjectValueFault next(ProjectValue& value);

  private:
    ProjectValueFault readQuoted(std::string& out);
    void readBare(std::string& out);
    bool atLineEnd() const;
    void skipLineEnd();
    void skipBlanks();

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace capillary
