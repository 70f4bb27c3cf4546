#pragma once
// One table of weight-form inputs and what the form shows for them, driven in core through the
// form itself; the window and the terminal each drive one case to check their wiring. Each case
// takes a different path: every kind, role, variant and material kind at least once. The
// arithmetic is worked by hand in WeightCalcTest.
#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/material/KindLayout.h"

namespace mevrik::testing {

struct FormCase {
  const char* kind;     // the kind's caption, as the kind menu and the terminal name it
  const char* variant;  // a variant caption ("轻型"), or "" for the default variant
  std::vector<std::pair<material::BoxRole, std::string>> values;  // Size picks, others type
  const char* material;   // "" steel, "铜", "铝", or a density in g/cm3
  int precision;          // the precision menu item (0 智能 低)
  const char* result;     // the result box
  const char* unitLine;   // the first line of the detail label
};

inline const std::vector<FormCase>& FormCases() {
  using enum material::BoxRole;
  static const std::vector<FormCase> cases = {
      // The defaults of a kind: M24, 400 mm.
      {"地脚螺栓", "", {}, "", 0, "1.530", "※ 单重: 1.530 kg/个；"},
      {"地脚螺栓", "", {{Size, "M20"}, {Quantity, "4"}}, "", 0, "4.240", "※ 单重: 1.060 kg/个；"},
      {"六角螺栓", "", {{Size, "M5"}, {Length, "10"}, {Quantity, "1000"}}, "", 0, "2.000",
       "※ 单重: 0.002 kg/个"},
      {"六角螺母", "", {{Size, "M3"}}, "铝", 0, "1.00E-04", "※ 单重: 0.0001 kg/个"},
      {"垫圈", "", {{Size, "20"}, {Quantity, "100"}}, "", 0, "1.600", "※ 单重: 0.016 kg/个"},
      {"弹簧垫圈", "轻型", {{Size, "6"}}, "13.345", 0, "0.00085", "※ 单重: 0.00085 kg/个"},
      {"方斜垫", "槽钢用", {{Size, "36"}}, "", 0, "0.188", "※ 单重: 0.188 kg/个"},
      {"工字钢", "", {{Size, "Ⅰ 9 -矿工钢"}, {Length, "6000"}, {Quantity, "2"}}, "", 0, "212.28",
       "※ 单重: 17.69 kg/m；106.14kg/根"},
      {"槽钢", "", {}, "铜", 0, "11.36", "※ 单重: 11.363 kg/m；11.36kg/根"},
      {"角钢", "", {{Width, "50"}, {Thickness, "5"}, {Length, "2*3000"}}, "", 0, "22.66",
       "※ 单重: 3.776 kg/m"},
      // A typed width is no pick: the thickness stays 3 and the row is that of 100 (radius 12):
      // 2·90.5·3 − 9 + 28.8 = 562.8 mm².
      {"角钢", "", {{Width, "90.5"}}, "", 0, "4.418", "※ 单重: 4.418 kg/m"},
      {"圆钢", "", {{Diameter, "100"}, {Length, "6000"}, {Quantity, "3"}}, "", 0, "1109.8",
       "※ 单重: 61.654 kg/m；369.92kg/根"},
      {"钢管", "", {{Diameter, "100"}, {Wall, "5"}}, "", 1, "11.714", "※ 单重: 11.714 kg/m"},
      {"钢板", "", {{Thickness, "5"}, {Area, "2000*3000"}, {Quantity, "2"}}, "8.9", 0, "534.0",
       "※ 单重: 44.500 kg/m^2；267.0 kg/块"},
      // "0.#" writes 23550 as "23550."; the result box drops the bare point, as for expressions.
      {"钢板", "", {{Thickness, "10"}, {Area, "1000000"}, {Quantity, "300"}}, "", 0, "23550",
       "※ 单重: 78.500 kg/m^2；78.50 kg/块"},
  };
  return cases;
}

// The first case of a kind, by its caption.
inline const FormCase& FormCaseOf(std::string_view kind) {
  const auto& cases = FormCases();
  return *std::find_if(cases.begin(), cases.end(), [&](const FormCase& c) { return c.kind == kind; });
}

}  // namespace mevrik::testing
