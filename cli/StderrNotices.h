#pragma once
// The message boxes of a calculation, written to stderr as "[TITLE]", the text and an empty line.
#include <iostream>
#include <string>

#include "core/expr/Notices.h"
#include "core/text/Utf16.h"

namespace mevrik::cli {

class StderrNotices : public expr::Notices {
 public:
  void show(expr::BoxKind, std::u16string_view title, std::u16string_view text) override {
    std::string body;
    for (char c : text::ToUtf8(text)) {
      if (c != '\r') body += c;  // the boxes break lines with CR LF
    }
    std::cerr << '[' << text::ToUtf8(title) << "]\n" << body << "\n\n";
  }
};

}  // namespace mevrik::cli
