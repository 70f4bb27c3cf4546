#include "core/material/CalcKind.h"

#include <vector>

#include "core/material/CatalogueData.h"

namespace mevrik::material {
namespace {

constexpr std::u16string_view kKindCaptions =
    u"计算式；地脚螺栓；六角螺栓；六角螺母；垫圈；弹簧垫圈；方斜垫；工字钢；槽钢；角钢；圆钢；钢管；钢板";

const std::vector<std::u16string>& Captions() {
  static const std::vector<std::u16string> captions = detail::SplitAt(kKindCaptions, u"；");
  return captions;
}

}  // namespace

std::u16string KindCaption(CalcKind kind) {
  const auto index = static_cast<std::size_t>(kind);
  return index < Captions().size() ? Captions()[index] : std::u16string();
}

std::optional<CalcKind> KindFromCaption(std::u16string_view caption) {
  for (std::size_t i = 0; i < Captions().size(); ++i) {
    if (Captions()[i] == caption) return static_cast<CalcKind>(i);
  }
  return std::nullopt;
}

}  // namespace mevrik::material
