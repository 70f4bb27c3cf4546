#pragma once
// The message boxes a calculation shows while it works. The window shows a modal box, the
// terminal prints to stderr, tests record the calls; the calculation goes on once show() returns.
#include <string_view>

namespace mevrik::expr {

// The icon of the box. Evaluation errors shown by the preparation step are critical boxes that
// are modal to the whole system.
enum class BoxKind { Information, Warning, Critical, CriticalSystemModal };

class Notices {
public:
  virtual ~Notices() = default;
  // text uses "\r\n" line breaks, exactly as the box shows them.
  virtual void show(BoxKind kind, std::u16string_view title, std::u16string_view text) = 0;
};

}  // namespace mevrik::expr
