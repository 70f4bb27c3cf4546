// mevrik-cli weight: the weight panel from a terminal. The kind is selected as the window selects
// it (its default texts and size), the given parameters are typed over the defaults, and one
// calculation runs. stdout: the result box, then the detail label line by line; the message
// boxes of a length or area expression go to stderr.
#include <iostream>
#include <map>
#include <optional>
#include <string>

#include "cli/Commands.h"
#include "cli/StderrNotices.h"
#include "core/expr/EvaluateExpr.h"
#include "core/material/ExpressionBinding.h"
#include "core/material/KindLayout.h"
#include "core/material/Material.h"
#include "core/material/ParameterInput.h"
#include "core/text/NumberReaders.h"
#include "core/text/Utf16.h"

namespace mevrik::cli {
namespace {

using material::CalcKind;
using text::FromUtf8;
using text::ToUtf8;

enum class Option { Size, Variant, Length, Quantity, Width, Thickness, Diameter, Wall, Area,
                    Material, Precision };

const std::map<std::string, Option> kOptions = {
    {"--size", Option::Size},         {"--variant", Option::Variant},
    {"--length", Option::Length},     {"--quantity", Option::Quantity},
    {"--width", Option::Width},       {"--thickness", Option::Thickness},
    {"--diameter", Option::Diameter}, {"--wall", Option::Wall},
    {"--area", Option::Area},         {"--material", Option::Material},
    {"--precision", Option::Precision},
};

const std::map<std::string, CalcKind> kKindNames = {
    {"anchor-bolt", CalcKind::AnchorBolt},
    {"hex-bolt", CalcKind::HexBolt},
    {"hex-nut", CalcKind::HexNut},
    {"flat-washer", CalcKind::FlatWasher},
    {"spring-washer", CalcKind::SpringWasher},
    {"square-bevel-washer", CalcKind::SquareBevelWasher},
    {"i-beam", CalcKind::IBeam},
    {"channel", CalcKind::Channel},
    {"angle", CalcKind::Angle},
    {"round-bar", CalcKind::RoundBar},
    {"steel-pipe", CalcKind::SteelPipe},
    {"steel-plate", CalcKind::SteelPlate},
};

// Variant names in English; the Chinese captions are accepted as well.
const std::map<std::string, int> kVariantNames = {
    {"light", 0}, {"standard", 1}, {"heavy", 2}, {"ibeam", 0}, {"channel", 1}};

const std::map<std::string, int> kMaterialNames = {
    {"steel", 0}, {"copper", 1}, {"aluminium", 2}, {"钢", 0}, {"铜", 1}, {"铝", 2}};

struct UsageError {
  std::string message;
};

struct Request {
  CalcKind kind = CalcKind::Expression;
  std::map<Option, std::string> values;
};

bool IsKind(CalcKind kind, std::initializer_list<CalcKind> kinds) {
  for (CalcKind k : kinds) {
    if (k == kind) return true;
  }
  return false;
}

// The parameter box an option types into for a kind; nullopt when the kind has no such input.
std::optional<int> BoxOf(CalcKind kind, Option option) {
  using enum CalcKind;
  switch (option) {
    case Option::Size:
      if (kind <= Channel) return 0;
      break;
    case Option::Width:
      if (kind == Angle) return 1;
      break;
    case Option::Diameter:
      if (IsKind(kind, {RoundBar, SteelPipe})) return 1;
      break;
    case Option::Thickness:
      if (kind == Angle) return 2;
      if (kind == SteelPlate) return 1;
      break;
    case Option::Wall:
      if (kind == SteelPipe) return 2;
      break;
    case Option::Area:
      if (kind == SteelPlate) return 2;
      break;
    case Option::Length:
      if (IsKind(kind, {AnchorBolt, HexBolt, IBeam, Channel, RoundBar})) return 2;
      if (IsKind(kind, {Angle, SteelPipe})) return 3;
      break;
    case Option::Quantity:
      if (!IsKind(kind, {Angle, SteelPipe})) return 3;
      break;
    default: break;
  }
  return std::nullopt;
}

bool Applies(CalcKind kind, Option option) {
  if (option == Option::Variant) return material::VariantCount(kind) > 0;
  if (option == Option::Material || option == Option::Precision) return true;
  return BoxOf(kind, option).has_value();
}

CalcKind ParseKind(const std::string& arg) {
  if (const auto named = kKindNames.find(arg); named != kKindNames.end()) return named->second;
  const auto kind = material::KindFromCaption(FromUtf8(arg));
  if (!kind || !material::IsWeightKind(*kind)) throw UsageError{"未知类型 / unknown kind: " + arg};
  return *kind;
}

Request Parse(const std::vector<std::string>& args) {
  Request request;
  bool haveKind = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const auto option = kOptions.find(args[i]);
    if (option == kOptions.end()) {
      if (haveKind || args[i].rfind("--", 0) == 0) throw UsageError{"多余的参数 / unexpected: " + args[i]};
      request.kind = ParseKind(args[i]);
      haveKind = true;
      continue;
    }
    if (i + 1 == args.size()) throw UsageError{"缺少取值 / missing value: " + args[i]};
    if (!request.values.emplace(option->second, args[++i]).second) {
      throw UsageError{"重复的选项 / repeated option: " + option->first};
    }
  }
  if (!haveKind) throw UsageError{"缺少类型 / missing KIND"};
  for (const auto& [flag, option] : kOptions) {
    if (request.values.count(option) && !Applies(request.kind, option)) {
      throw UsageError{flag + " 不适用于 / does not apply to " + ToUtf8(material::KindCaption(request.kind))};
    }
  }
  return request;
}

// Sizes match without their "*" mark and surrounding blanks, as listed or as the box shows them.
std::u16string SizeKey(std::u16string_view size) {
  std::u16string key;
  for (char16_t c : size) {
    if (c != u'*') key += c;
  }
  const auto first = key.find_first_not_of(u' ');
  if (first == std::u16string::npos) return {};
  return key.substr(first, key.find_last_not_of(u' ') - first + 1);
}

int SizeIndex(const material::CatalogueState& catalogue, const material::ParameterBox& box,
              const std::string& size) {
  const std::u16string wanted = SizeKey(FromUtf8(size));
  std::string valid;
  for (std::size_t row = 0; row < box.items.size() && row <= catalogue.lastRow; ++row) {
    if (SizeKey(catalogue.table[row].sizeLabel) == wanted || SizeKey(box.items[row]) == wanted) {
      return static_cast<int>(row);
    }
    const std::u16string& label = catalogue.table[row].sizeLabel;
    valid += (row ? ", " : "") + ToUtf8(label.substr(label.find_first_not_of(u' ')));
  }
  throw UsageError{"未知规格 / unknown size: " + size + "\n可选 / valid sizes: " + valid};
}

int ParseVariant(CalcKind kind, const std::string& name) {
  if (const auto named = kVariantNames.find(name); named != kVariantNames.end()) {
    const bool spring = kind == CalcKind::SpringWasher;
    if (spring == (name == "light" || name == "standard" || name == "heavy")) return named->second;
  }
  for (int v = 0; v < material::VariantCount(kind); ++v) {
    if (material::VariantCaption(kind, v) == FromUtf8(name)) return v;
  }
  throw UsageError{"未知类别 / unknown variant: " + name};
}

material::MaterialChoice ParseMaterial(const std::string& name) {
  material::MaterialChoice choice;
  if (const auto named = kMaterialNames.find(name); named != kMaterialNames.end()) {
    material::SelectMaterial(choice, named->second);
    return choice;
  }
  const auto density = text::StrictNumber(FromUtf8(name));
  if (!density || *density <= 0 || !material::AcceptCustomDensity(choice, FromUtf8(name))) {
    throw UsageError{"材质应为 钢|铜|铝、steel|copper|aluminium 或密度 / material: " + name};
  }
  return choice;
}

expr::PrecisionMode ParsePrecision(const std::string& mode) {
  if (mode.size() != 1 || mode[0] < '0' || mode[0] > '4') {
    throw UsageError{"--precision 应为 0-4 / must be 0-4: " + mode};
  }
  return static_cast<expr::PrecisionMode>(mode[0] - '0');
}

// The window right after the kind (and variant) was selected and the parameters were typed.
struct Panel {
  material::CatalogueState catalogue;
  material::ParameterBoxes boxes;
};

Panel Prepare(const Request& request) {
  const CalcKind kind = request.kind;
  Panel panel;
  const std::u16string code = material::DefaultStandardCode(kind);
  material::LoadKind(panel.catalogue, kind, code);
  material::ApplySteps(panel.boxes, material::KindFillSteps(kind));
  if (const auto variant = material::DefaultVariant(kind)) {
    const auto value = request.values.find(Option::Variant);
    const int chosen = value == request.values.end() ? *variant : ParseVariant(kind, value->second);
    material::LoadVariant(panel.catalogue, kind, chosen, code);
    material::ApplySteps(panel.boxes, material::VariantFillSteps(kind, chosen));
  }
  for (const auto& [option, value] : request.values) {
    const auto box = BoxOf(kind, option);
    if (!box) continue;
    auto& target = panel.boxes[static_cast<std::size_t>(*box)];
    if (option == Option::Size) {
      target.listIndex = SizeIndex(panel.catalogue, target, value);
      target.text = target.items[static_cast<std::size_t>(target.listIndex)];
    } else {
      target.text = FromUtf8(value);
      target.listIndex = -1;  // typed
      for (std::size_t i = 0; i < target.items.size(); ++i) {
        if (target.items[i] == target.text) target.listIndex = static_cast<int>(i);
      }
    }
  }
  // A picked angle width brings the smallest thickness of its row, unless one was given.
  if (kind == CalcKind::Angle && !request.values.count(Option::Thickness)) {
    const auto& width = panel.boxes[1];
    const int row = material::AngleRow(panel.catalogue, width.listIndex, width.text);
    panel.boxes[2].text = material::ThicknessForWidth(panel.catalogue, kind, 1, row)->text;
  }
  return panel;
}

// The result box, then the detail label one line per line without its trailing empty lines.
void PrintOutcome(const material::WeightOutcome& outcome) {
  std::cout << ToUtf8(outcome.result.value_or(u"")) << '\n';
  std::u16string detail = outcome.detail.value_or(u"");
  while (detail.ends_with(u"\r\n")) detail.resize(detail.size() - 2);
  if (detail.empty()) return;
  for (std::size_t start = 0;;) {
    const std::size_t end = detail.find(u"\r\n", start);
    std::cout << ToUtf8(std::u16string_view(detail).substr(start, end - start)) << '\n';
    if (end == std::u16string::npos) break;
    start = end + 2;
  }
}

// The status-bar message of the window for the first parameter that is not greater than 0.
void ReportRefusedParameter(CalcKind kind, const material::ParameterBoxes& boxes) {
  for (int i = 1; i < 4; ++i) {
    const auto& layout = material::LayoutOf(kind).boxes[static_cast<std::size_t>(i)];
    const auto refusal =
        material::RefuseParameter(i, boxes[static_cast<std::size_t>(i)].text, layout.caption);
    if (layout.shown && refusal) {
      std::cerr << ToUtf8(refusal->status) << '\n';
      return;
    }
  }
}

int Calculate(const Request& request) {
  Panel panel = Prepare(request);
  const auto material = request.values.count(Option::Material)
                            ? ParseMaterial(request.values.at(Option::Material))
                            : material::MaterialChoice{};
  const auto mode = request.values.count(Option::Precision)
                        ? ParsePrecision(request.values.at(Option::Precision))
                        : expr::PrecisionMode::SmartLow;
  StderrNotices notices;
  expr::NoticeFlags flags;
  float toHDu = expr::kDegreeFactor;
  expr::ExprContext context{.notices = notices, .toHDu = toHDu, .flags = flags};
  material::ExpressionBinding binding(mode, context);
  material::WeightInputs inputs{request.kind, {}, panel.boxes[panel.catalogue.sizeComboIndex].listIndex};
  for (std::size_t i = 0; i < 4; ++i) inputs.texts[i] = panel.boxes[i].text;
  float unitWeight = 0;
  const auto outcome = material::CalculateWeight(panel.catalogue, inputs, material.densityFactor,
                                                 unitWeight, binding);
  if (const auto box = outcome.notNumberBox) {  // no figure to print: name the parameter to mend
    const auto& caption = material::LayoutOf(request.kind).boxes[static_cast<std::size_t>(*box)].caption;
    std::cerr << ToUtf8(material::NotNumberStatus(caption)) << '\n';
    return 1;
  }
  if (outcome.disableOk) ReportRefusedParameter(request.kind, panel.boxes);
  PrintOutcome(outcome);
  return outcome.complete ? 0 : 1;
}

}  // namespace

int RunWeight(const std::vector<std::string>& args) {
  try {
    return Calculate(Parse(args));
  } catch (const UsageError& error) {
    std::cerr << error.message << "\n用法 / Usage: mevrik-cli weight KIND [options]  (mevrik-cli --help)\n";
    return 2;
  }
}

}  // namespace mevrik::cli
