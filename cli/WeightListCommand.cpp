// mevrik-cli weight --list: the weights of a whole material list. The input is a table with a
// header row, comma- or tab-separated, such as the statistics list's 复制为表格 and 导出 write;
// its kind, size, length (or area), quantity and material columns are found by their captions.
// Each row is filled into a fresh weight form as `weight` fills the same values, so it gives the
// same figures; an expression row is calculated as `eval` calculates it. The table goes to
// stdout in the input's form with unit weights, totals and a total row; each row that gives no
// result is named on stderr with its row number (the header is row 1), and the others go on.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/StderrNotices.h"
#include "cli/WeightRequest.h"
#include "core/expr/ExpressionSession.h"
#include "core/expr/Statistics.h"
#include "core/material/ExpressionBinding.h"
#include "core/material/MaterialTable.h"
#include "core/text/Blanks.h"
#include "core/text/DelimitedText.h"
#include "core/text/NumberWriters.h"
#include "core/text/Utf16.h"

namespace mevrik::cli {
namespace {

using material::BoxRole;
using material::CalcKind;
using material::MaterialRow;
using text::ToUtf8;

std::string Trimmed(std::u16string_view text) { return ToUtf8(text::TrimSpaces(text)); }

// "弹簧垫圈 (重型)": the kind and, in brackets, its variant.
void ReadKind(std::u16string_view kind, Request& request) {
  const std::size_t open = kind.find_first_of(u"(（");
  request.kind = ParseKind(Trimmed(kind.substr(0, open)));
  if (open == kind.npos) return;
  std::u16string_view variant = kind.substr(open + 1);
  variant = variant.substr(0, variant.find_first_of(u")）"));
  request.settings[Setting::Variant] = Trimmed(variant);
}

// The measures of a size as the window names it: "∠50×5" gives 50 and 5, "δ10" gives 10.
std::vector<std::string> Measures(std::u16string_view size) {
  size = text::TrimSpaces(size);
  while (!size.empty() && std::u16string_view(u"∠Φφδ").find(size.front()) != size.npos)
    size.remove_prefix(1);
  std::vector<std::string> measures;
  for (std::size_t start = 0;;) {
    const std::size_t end = size.find_first_of(u"×*xX", start);
    measures.push_back(Trimmed(size.substr(start, end - start)));
    if (end == size.npos) return measures;
    start = end + 1;
  }
}

// "钢 7.85" and "自定义 8.9" as the window writes them, or what --material takes.
std::string MaterialName(std::u16string_view material) {
  material = text::TrimSpaces(material);
  constexpr std::u16string_view kCustom = u"自定义";
  if (material.starts_with(kCustom)) return Trimmed(material.substr(kCustom.size()));
  return Trimmed(material.substr(0, material.find(u' ')));
}

void Put(Request& request, BoxRole role, const std::string& value) {
  if (!value.empty()) request.boxes[role] = value;
}

Request RequestOf(const MaterialRow& row) {
  Request request;
  ReadKind(row.kind, request);
  const std::vector<std::string> measures = Measures(row.size);
  const auto measure = [&](std::size_t i) { return i < measures.size() ? measures[i] : ""; };
  const std::size_t twoMeasures = request.kind == CalcKind::Angle || request.kind == CalcKind::SteelPipe;
  if (request.kind >= CalcKind::Angle && measures.size() > 1 + twoMeasures)
    throw UsageError{"规格应为 / the size should read ∠50×5, Φ20, Φ159×5 or δ10: " + ToUtf8(row.size)};
  switch (request.kind) {
    case CalcKind::Angle:
      Put(request, BoxRole::Width, measure(0));
      Put(request, BoxRole::Thickness, measure(1));
      break;
    case CalcKind::SteelPipe: Put(request, BoxRole::Wall, measure(1)); [[fallthrough]];
    case CalcKind::RoundBar: Put(request, BoxRole::Diameter, measure(0)); break;
    case CalcKind::SteelPlate: Put(request, BoxRole::Thickness, measure(0)); break;
    default: Put(request, BoxRole::Size, Trimmed(row.size)); break;
  }
  const bool plate = request.kind == CalcKind::SteelPlate;
  Put(request, plate ? BoxRole::Area : BoxRole::Length, Trimmed(row.length));
  Put(request, BoxRole::Quantity, Trimmed(row.quantity));
  if (!MaterialName(row.material).empty())
    request.settings[Setting::Material] = MaterialName(row.material);
  // A column that the kind has no box for is left empty (a pipe's quantity).
  struct Column {
    BoxRole role;
    const char* chinese;
    const char* english;
  };
  for (const Column& column : {Column{BoxRole::Length, "长度", "length"},
                               Column{BoxRole::Quantity, "数量", "quantity"}}) {
    if (request.boxes.count(column.role) && !material::BoxWithRole(request.kind, column.role)) {
      const std::string kind = ToUtf8(material::KindCaption(request.kind));
      throw UsageError{"“" + std::string(column.chinese) + "”列应留空：" + kind + " 没有此项 / the " +
                       column.english + " column must be empty for " + kind};
    }
  }
  CheckApplies(request);
  return request;
}

// One run of the rows: the notices, the expression session and its precision are shared, as in
// one window. Each weight row is filled into a fresh form as `weight` fills it; the form with
// all but the row's last value is kept for the rows that follow with the same kind, material and
// values, so that a list of like items runs each selection and calculation once, not once per
// row (a form is the same whichever row filled it: nothing else goes into it).
class ListWeigher {
 public:
  explicit ListWeigher(expr::PrecisionMode precision) { session_.SetPrecision(precision); }

  // The row as the window's entry would be, and why it gives no result.
  std::pair<MaterialRow, std::optional<std::string>> Weigh(const MaterialRow& input) {
    if (text::TrimSpaces(input.kind) == material::kExpressionKind) return Calculate(input);
    try {
      const Request request = RequestOf(input);
      material_ = ParseMaterial(request.settings.count(Setting::Material)
                                    ? std::optional(request.settings.at(Setting::Material))
                                    : std::nullopt);
      std::vector<int> boxes;
      for (int box = 0; box < 4; ++box) {
        if (request.boxes.count(material::RoleOf(request.kind, box))) boxes.push_back(box);
      }
      material::WeightForm form = Prepared(request, boxes);
      if (!boxes.empty()) FillBox(form, request, boxes.back());
      return {material::WeightRow(form, material_, form.State().result), NoResultReason(form)};
    } catch (const Refusal& refusal) {
      return {input, refusal.Text()};
    } catch (const UsageError& error) {
      return {input, error.message};
    }
  }

 private:
  std::pair<MaterialRow, std::optional<std::string>> Calculate(const MaterialRow& input) {
    const auto done = session_.Calculate(text::TrimTrailingBlanks(input.size));
    if (done && !done->value.empty() && done->result)
      return {material::ExpressionRow(input.size, *done->result), std::nullopt};
    return {material::ExpressionRow(input.size, u""), "无结果 / no result"};
  }

  // The form after the selection and every value in `boxes` but the last.
  material::WeightForm Prepared(const Request& request, const std::vector<int>& boxes) {
    const std::size_t prefix = boxes.empty() ? 0 : boxes.size() - 1;
    std::string key = std::to_string(static_cast<int>(request.kind)) + '\0' +
                      SettingOr(request, Setting::Variant) + '\0' +
                      SettingOr(request, Setting::Material);
    for (std::size_t i = 0; i < prefix; ++i)
      key += '\0' + request.boxes.at(material::RoleOf(request.kind, boxes[i]));
    if (const auto kept = prepared_.find(key); kept != prepared_.end()) return kept->second;
    material::WeightForm form(binding_, material_);
    Select(form, request);
    for (std::size_t i = 0; i < prefix; ++i) FillBox(form, request, boxes[i]);
    if (prepared_.size() == kKeptForms) prepared_.clear();  // a form is some ten kilobytes
    return prepared_.emplace(std::move(key), form).first->second;
  }

  static std::string SettingOr(const Request& request, Setting setting) {
    const auto found = request.settings.find(setting);
    return found == request.settings.end() ? std::string() : found->second;
  }

  StderrNotices notices_;
  expr::ExpressionSession session_{notices_};
  material::SessionBinding binding_{session_};
  material::MaterialChoice material_;  // the row's; every form refers to it
  static constexpr std::size_t kKeptForms = 256;
  std::map<std::string, material::WeightForm> prepared_;
};

struct ListOptions {
  std::string file;  // "-" for standard input
  expr::PrecisionMode precision = expr::PrecisionMode::SmartLow;
};

ListOptions ParseListOptions(const std::vector<std::string>& args) {
  ListOptions options;
  std::optional<std::string> precision;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::optional<std::string>* value = nullptr;
    std::optional<std::string> file;
    if (args[i] == "--list" && options.file.empty()) value = &file;
    else if (args[i] == "--precision" && !precision) value = &precision;
    if (!value) throw UsageError{"--list 只可与 --precision 同用 / --list takes only --precision: " + args[i]};
    if (i + 1 == args.size()) throw UsageError{"缺少取值 / missing value: " + args[i]};
    *value = args[++i];
    if (file) options.file = *file;
  }
  options.precision = ParsePrecision(precision);
  return options;
}

// Splits `record` and as many further lines as a quoted line break takes into `fields`.
void ReadRecord(std::istream& in, std::u16string record, char16_t separator,
                std::vector<std::u16string>& fields) {
  for (std::string more; !text::SplitRecord(record, separator, fields);) {
    if (!std::getline(in, more)) return;  // a quote left open runs to the end
    record += u'\n' + text::FromUtf8(more);
  }
}

int WeighList(std::istream& in, const ListOptions& options) {
  std::string line;
  if (!std::getline(in, line)) throw UsageError{"表格是空的 / the table is empty"};
  if (line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);  // a spreadsheet's byte order mark
  const std::u16string header = text::FromUtf8(line);
  const char16_t separator = text::SeparatorOf(header);
  std::vector<std::u16string> fields;
  ReadRecord(in, header, separator, fields);
  const auto columns = material::ColumnsOf(fields);
  if (!columns)
    throw UsageError{"表头应有 类型 与 规格 两列 / the header row must name the kind and size columns"};
  std::cout << ToUtf8(text::DelimitedRecord(material::HeaderFields(), separator));
  ListWeigher weigher(options.precision);
  float sum = 0;
  bool all = true;
  for (long row = 2; std::getline(in, line); ++row) {
    ReadRecord(in, text::FromUtf8(line), separator, fields);
    const auto input = material::InputRow(fields, *columns);
    if (!input) continue;
    const auto [output, refusal] = weigher.Weigh(*input);
    if (refusal) {
      std::cerr << "第 " << row << " 行 / row " << row << ": " << *refusal << '\n';
      all = false;
    }
    sum = expr::Statistics::Accumulate(sum, output.total);
    std::cout << ToUtf8(text::DelimitedRecord(material::RowFields(output), separator));
  }
  std::cout << ToUtf8(text::DelimitedRecord(material::TotalRowFields(text::ShortText(sum)), separator));
  return all ? 0 : 1;
}

}  // namespace

int RunWeightList(const std::vector<std::string>& args) {
  try {
    const ListOptions options = ParseListOptions(args);
    std::ios::sync_with_stdio(false);
    if (options.file == "-") return WeighList(std::cin, options);
    std::ifstream file(std::filesystem::path(std::u8string(options.file.begin(), options.file.end())),
                       std::ios::binary);
    if (!file) throw UsageError{"无法读取 / cannot read: " + options.file};
    return WeighList(file, options);
  } catch (const UsageError& error) {
    std::cerr << error.message
              << "\n用法 / Usage: mevrik-cli weight --list FILE|- [--precision N]  (mevrik-cli weight --help)\n";
    return 2;
  }
}

}  // namespace mevrik::cli
