#pragma once
// A notice sink that keeps every box in order, for assertions on titles, texts and kinds.
#include <string>
#include <vector>

#include "core/expr/Notices.h"
#include "core/text/Utf16.h"

namespace mevrik::expr::testing {

struct Box {
  BoxKind kind;
  std::string title;  // UTF-8, so failures print readably
  std::string text;
  bool operator==(const Box&) const = default;
};

class RecordingNotices : public Notices {
public:
  void show(BoxKind kind, std::u16string_view title, std::u16string_view text) override {
    boxes.push_back(Box{kind, text::ToUtf8(title), text::ToUtf8(text)});
  }
  std::vector<std::string> titles() const {
    std::vector<std::string> out;
    for (const Box& box : boxes) out.push_back(box.title);
    return out;
  }
  std::vector<Box> boxes;
};

}  // namespace mevrik::expr::testing
