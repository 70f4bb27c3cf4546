// mevrik-cli weight: the weight form of the main window from a terminal. The kind (and variant)
// is selected as the window selects it, with its default texts and size; the size given, and
// every other value goes into the box of its role as the window takes a pasted text, through the
// box's own check (cli/OptionValues.h); the form calculates as the window does on each change.
// stdout: the result box, then the detail label line by line; the message boxes of a length or
// area expression, and a box's refusal, go to stderr.
#include <iostream>
#include <map>
#include <optional>
#include <string>

#include "cli/Commands.h"
#include "cli/OptionValues.h"
#include "cli/WeightRequest.h"
#include "cli/StderrNotices.h"
#include "cli/Usage.h"
#include "core/expr/EvaluateExpr.h"
#include "core/material/ExpressionBinding.h"
#include "core/material/WeightForm.h"
#include "core/text/Utf16.h"

namespace mevrik::cli {
namespace {

using material::BoxRole;
using material::CalcKind;
using text::FromUtf8;
using text::ToUtf8;

// The options that fill a box, by the box's role.
const std::map<std::string, BoxRole> kBoxOptions = {
    {"--size", BoxRole::Size},           {"--length", BoxRole::Length},
    {"--quantity", BoxRole::Quantity},   {"--width", BoxRole::Width},
    {"--thickness", BoxRole::Thickness}, {"--diameter", BoxRole::Diameter},
    {"--wall", BoxRole::Wall},           {"--area", BoxRole::Area},
};

const std::map<std::string, Setting> kSettings = {
    {"--variant", Setting::Variant},
    {"--material", Setting::Material},
    {"--precision", Setting::Precision},
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

}  // namespace

CalcKind ParseKind(const std::string& arg) {
  if (const auto named = kKindNames.find(arg); named != kKindNames.end()) return named->second;
  const auto kind = material::KindFromCaption(FromUtf8(arg));
  if (!kind || !material::IsWeightKind(*kind)) throw UsageError{"未知类型 / unknown kind: " + arg};
  return *kind;
}

// Stores an option's value; false when `flag` is no option.
static bool Store(Request& request, const std::string& flag, const std::string& value) {
  bool fresh = true;
  if (const auto box = kBoxOptions.find(flag); box != kBoxOptions.end()) {
    fresh = request.boxes.emplace(box->second, value).second;
  } else if (const auto setting = kSettings.find(flag); setting != kSettings.end()) {
    fresh = request.settings.emplace(setting->second, value).second;
  } else {
    return false;
  }
  if (!fresh) throw UsageError{"重复的选项 / repeated option: " + flag};
  return true;
}

void CheckApplies(const Request& request) {
  const std::string kind = ToUtf8(material::KindCaption(request.kind));
  for (const auto& [flag, role] : kBoxOptions) {
    if (request.boxes.count(role) && !material::BoxWithRole(request.kind, role))
      throw UsageError{flag + " 不适用于 / does not apply to " + kind};
  }
  if (request.settings.count(Setting::Variant) && material::VariantCount(request.kind) == 0)
    throw UsageError{"--variant 不适用于 / does not apply to " + kind};
}

static Request Parse(const std::vector<std::string>& args) {
  Request request;
  bool haveKind = false;
  bool options = true;  // "--" ends them
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options && arg == "--") {
      options = false;
    } else if (options && arg.rfind("--", 0) == 0) {
      if (i + 1 == args.size() && (kBoxOptions.count(arg) || kSettings.count(arg)))
        throw UsageError{"缺少取值 / missing value: " + arg};
      if (i + 1 == args.size() || !Store(request, arg, args[i + 1]))
        throw UsageError{"多余的参数 / unexpected: " + arg};
      ++i;
    } else if (haveKind) {
      throw UsageError{"多余的参数 / unexpected: " + arg};
    } else {
      request.kind = ParseKind(arg);
      haveKind = true;
    }
  }
  if (!haveKind) throw UsageError{"缺少类型 / missing KIND"};
  CheckApplies(request);
  return request;
}

// Sizes match without their "*" mark and blanks, as listed or as the box shows them: "9-矿工钢"
// and "9 -矿工钢" name the same I-beam.
static std::u16string SizeKey(std::u16string_view size) {
  std::u16string key;
  for (char16_t c : size) {
    if (c != u'*' && c != u' ') key += c;
  }
  return key;
}

static int SizeIndex(const material::WeightForm& form, int box, const std::string& size) {
  const auto& items = form.State().boxes[static_cast<std::size_t>(box)].items;
  const auto& table = form.Catalogue().table;
  const std::u16string wanted = SizeKey(FromUtf8(size));
  std::string valid;
  for (std::size_t row = 0; row < items.size() && row < table.size(); ++row) {
    if (SizeKey(table[row].sizeLabel) == wanted || SizeKey(items[row]) == wanted)
      return static_cast<int>(row);
    const std::u16string& label = table[row].sizeLabel;
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

// A material's name, or a density typed into the window's custom density box.
material::MaterialChoice ParseMaterial(const std::optional<std::string>& name) {
  material::MaterialChoice choice;
  if (!name) return choice;
  if (const auto named = kMaterialNames.find(*name); named != kMaterialNames.end()) {
    material::SelectMaterial(choice, named->second);
    return choice;
  }
  if (!material::AcceptCustomDensity(choice, FromUtf8(*name)))
    throw Refusal{std::u16string(material::kDensityRefusedText)};
  return choice;
}

expr::PrecisionMode ParsePrecision(const std::optional<std::string>& mode) {
  if (!mode) return expr::PrecisionMode::SmartLow;
  if (const auto precision = PrecisionOption(FromUtf8(*mode))) return *precision;
  throw UsageError{"--precision 应为 0-4 / must be 0-4: " + *mode};
}

static std::optional<std::string> SettingOf(const Request& request, Setting setting) {
  const auto found = request.settings.find(setting);
  return found == request.settings.end() ? std::nullopt : std::optional(found->second);
}

void Select(material::WeightForm& form, const Request& request) {
  const CalcKind kind = request.kind;
  // A configuration file that was never edited holds the built-in codes.
  const std::u16string code = material::DefaultStandardCode(kind);
  form.SelectKind(kind, code);
  if (const auto variant = SettingOf(request, Setting::Variant))
    form.SelectVariant(ParseVariant(kind, *variant), code);
}

void Fill(material::WeightForm& form, const Request& request) {
  Select(form, request);
  FillValues(form, request);
}

void FillValues(material::WeightForm& form, const Request& request) {
  // Left to right, as a user fills the row.
  for (int box = 0; box < 4; ++box) FillBox(form, request, box);
}

void FillBox(material::WeightForm& form, const Request& request, int box) {
  const auto value = request.boxes.find(material::RoleOf(request.kind, box));
  if (value == request.boxes.end()) return;
  if (value->first == BoxRole::Size) {
    form.Pick(box, SizeIndex(form, box, value->second));
    return;
  }
  // A listed angle width brings the smallest thickness of its row.
  if (auto refused = EnterBoxValue(form, box, FromUtf8(value->second)))
    throw Refusal{std::move(*refused)};
}

// The result box, then the detail label one line per line without its trailing empty lines.
static void Print(const material::FormState& state) {
  std::cout << ToUtf8(state.result) << '\n';
  std::u16string detail = state.detail;
  while (detail.ends_with(u"\r\n")) detail.resize(detail.size() - 2);
  if (detail.empty()) return;
  for (std::size_t start = 0;;) {
    const std::size_t end = detail.find(u"\r\n", start);
    std::cout << ToUtf8(std::u16string_view(detail).substr(start, end - start)) << '\n';
    if (end == std::u16string::npos) break;
    start = end + 2;
  }
}

// The status-bar message of the window for the first box whose value is not above 0.
static std::optional<std::u16string> RefusedBoxStatus(const material::FormState& state) {
  const auto& layout = material::LayoutOf(state.kind);
  for (std::size_t box = 1; box < 4; ++box) {
    if (!layout.boxes[box].shown) continue;
    const auto refusal = material::RefuseParameter(static_cast<int>(box), state.boxes[box].text,
                                                   layout.boxes[box].caption);
    if (refusal) return refusal->status;
  }
  return std::nullopt;
}

std::optional<std::string> NoResultReason(const material::WeightForm& form) {
  const material::FormState& state = form.State();
  if (form.BoxWithoutNumber()) return ToUtf8(state.status);
  if (!state.okEnabled) {
    if (const auto status = RefusedBoxStatus(state)) return ToUtf8(*status);
  }
  if (form.ResultComplete()) return std::nullopt;
  return state.result.empty() ? "无结果 / no result" : ToUtf8(state.result);
}

static int Calculate(const Request& request) {
  const material::MaterialChoice material = ParseMaterial(SettingOf(request, Setting::Material));
  StderrNotices notices;
  expr::ExpressionSession session(notices);
  session.SetPrecision(ParsePrecision(SettingOf(request, Setting::Precision)));
  material::SessionBinding binding(session);
  material::WeightForm form(binding, material);
  Fill(form, request);
  if (form.BoxWithoutNumber()) {  // no figure to print: name the parameter to mend
    std::cerr << ToUtf8(form.State().status) << '\n';
    return 1;
  }
  if (!form.State().okEnabled) {
    if (const auto status = RefusedBoxStatus(form.State())) std::cerr << ToUtf8(*status) << '\n';
  }
  Print(form.State());
  return form.ResultComplete() ? 0 : 1;
}

int RunWeight(const std::vector<std::string>& args) {
  if (AsksForHelp(args)) {
    std::cout << "用法 / Usage:\n" << kWeightUsage;
    return 0;
  }
  if (std::find(args.begin(), args.end(), "--list") != args.end()) return RunWeightList(args);
  try {
    return Calculate(Parse(args));
  } catch (const Refusal& refusal) {
    std::cerr << refusal.Text() << '\n';
    return 1;
  } catch (const UsageError& error) {
    std::cerr << error.message << "\n用法 / Usage: mevrik-cli weight KIND [options]  (mevrik-cli weight --help)\n";
    return 2;
  }
}

}  // namespace mevrik::cli
