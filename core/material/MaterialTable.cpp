#include "core/material/MaterialTable.h"

#include "core/material/Catalogue.h"
#include "core/material/KindLayout.h"
#include "core/material/WeightForm.h"
#include "core/text/Blanks.h"
#include "core/text/DelimitedText.h"
#include "core/text/Utf16.h"

namespace mevrik::material {
namespace {

const std::u16string& BoxText(const FormState& state, int box) {
  return state.boxes[static_cast<std::size_t>(box)].text;
}

std::u16string TextOfRole(const FormState& state, BoxRole role) {
  const auto box = BoxWithRole(state.kind, role);
  return box ? BoxText(state, *box) : std::u16string();
}

std::u16string KindText(const FormState& state) {
  std::u16string kind = KindCaption(state.kind);
  if (VariantCount(state.kind) > 0 && state.variant >= 0)
    kind += u" (" + VariantCaption(state.kind, state.variant) + u")";
  return kind;
}

// The size as the window names it: the size box for kinds 1-8, the shape's mark and its
// measures for the others.
std::u16string SizeText(const FormState& state) {
  const std::u16string& first = BoxText(state, 1);
  const std::u16string& second = BoxText(state, 2);
  switch (state.kind) {
    case CalcKind::Angle: return u"∠" + first + u"×" + second;
    case CalcKind::RoundBar: return u"Φ" + first;
    case CalcKind::SteelPipe: return u"Φ" + first + u"×" + second;
    case CalcKind::SteelPlate: return u"δ" + first;
    default: return BoxText(state, 0);
  }
}

// The unit weight and its unit from the first line of the detail label ("※ 单重: 3.776 kg/m",
// "※ 单重: 78.500 kg/m^2；785.00 kg/块"); empty when it shows a refusal instead.
void ReadUnitWeight(std::u16string_view detail, MaterialRow& row) {
  constexpr std::u16string_view kPrefix = u"※ 单重: ";
  if (!detail.starts_with(kPrefix)) return;
  detail.remove_prefix(kPrefix.size());
  const std::size_t unit = detail.find(u"kg/");
  if (unit == detail.npos) return;
  row.unitWeight = text::TrimSpaces(detail.substr(0, unit));
  const std::u16string_view rest = detail.substr(unit);
  std::u16string_view name = rest.substr(0, rest.find_first_of(u"；\r"));
  row.unit = name == u"kg/m^2" ? u"kg/m²" : std::u16string(name);
}

std::u16string EscapeHtml(std::u16string_view text) {
  std::u16string escaped;
  for (const char16_t c : text) {
    switch (c) {
      case u'&': escaped += u"&amp;"; break;
      case u'<': escaped += u"&lt;"; break;
      case u'>': escaped += u"&gt;"; break;
      case u'"': escaped += u"&quot;"; break;
      case u'\n': escaped += u"<br>"; break;
      case u'\r': break;
      default: escaped += c;
    }
  }
  return escaped;
}

std::u16string HtmlRow(const std::vector<std::u16string>& fields, std::u16string_view cell) {
  std::u16string row = u"<tr>";
  for (const auto& field : fields) {
    row += u"<" + std::u16string(cell) + u">" + EscapeHtml(field) + u"</" +
           std::u16string(cell) + u">";
  }
  return row + u"</tr>\r\n";
}

// A header caption names a column when it begins with one of the names (letter case aside).
bool Names(std::u16string_view caption, std::initializer_list<std::u16string_view> names) {
  std::u16string lower(text::TrimSpaces(caption));
  for (char16_t& c : lower) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  for (const auto name : names) {
    if (std::u16string_view(lower).starts_with(name)) return true;
  }
  return false;
}

std::u16string FieldAt(const std::vector<std::u16string>& fields,
                       const std::optional<std::size_t>& column) {
  if (!column || *column >= fields.size()) return {};
  return std::u16string(text::TrimSpaces(fields[*column]));
}

}  // namespace

MaterialRow WeightRow(const WeightForm& form, const MaterialChoice& material,
                      std::u16string_view total) {
  const FormState& state = form.State();
  MaterialRow row;
  row.kind = KindText(state);
  row.size = SizeText(state);
  row.length = TextOfRole(state, state.kind == CalcKind::SteelPlate ? BoxRole::Area : BoxRole::Length);
  row.quantity = TextOfRole(state, BoxRole::Quantity);
  row.material = MaterialIndicator(material);
  ReadUnitWeight(state.detail, row);
  row.total = total;
  return row;
}

MaterialRow ExpressionRow(std::u16string_view expression, std::u16string_view total) {
  MaterialRow row;
  row.kind = kExpressionKind;
  row.size = expression;
  row.total = total;
  return row;
}

std::u16string RowTooltip(const MaterialRow& row) {
  const bool expression = row.kind == kExpressionKind;
  const bool plate = row.kind == KindCaption(CalcKind::SteelPlate);
  const std::pair<std::u16string_view, std::u16string> lines[] = {
      {u"类型", row.kind},
      {expression ? u"计算式" : u"规格", row.size},
      {plate ? u"面积(mm²)" : u"长度(mm)", row.length},
      {u"数量", row.quantity},
      {u"材质(g/cm³)", row.material},
      {u"单重", row.unitWeight.empty() ? u"" : row.unitWeight + u" " + row.unit},
      {u"总重", row.total},
  };
  std::u16string tooltip;
  for (const auto& [caption, value] : lines) {
    if (value.empty()) continue;
    if (!tooltip.empty()) tooltip += u'\n';
    tooltip += std::u16string(caption) + u"：" + value;
  }
  return tooltip;
}

std::vector<std::u16string> HeaderFields() {
  return {kTableHeader.begin(), kTableHeader.end()};
}

std::vector<std::u16string> TotalRowFields(std::u16string_view sum) {
  std::vector<std::u16string> fields(kTableColumns);
  fields.front() = kTotalRowCaption;
  fields.back() = sum;
  return fields;
}

std::vector<std::u16string> RowFields(const MaterialRow& row) {
  return {row.kind, row.size, row.length, row.quantity,
          row.material, row.unitWeight, row.unit, row.total};
}

std::u16string TableText(const std::vector<MaterialRow>& rows, std::u16string_view sum,
                         char16_t separator) {
  std::u16string table = text::DelimitedRecord(HeaderFields(), separator);
  for (const MaterialRow& row : rows) table += text::DelimitedRecord(RowFields(row), separator);
  return table + text::DelimitedRecord(TotalRowFields(sum), separator);
}

std::u16string TableHtml(const std::vector<MaterialRow>& rows, std::u16string_view sum) {
  std::u16string html =
      u"<html><head><meta charset=\"utf-8\"></head><body><table>\r\n" + HtmlRow(HeaderFields(), u"th");
  for (const MaterialRow& row : rows) html += HtmlRow(RowFields(row), u"td");
  return html + HtmlRow(TotalRowFields(sum), u"td") + u"</table></body></html>\r\n";
}

std::string CsvFileBytes(const std::vector<MaterialRow>& rows, std::u16string_view sum) {
  return "\xEF\xBB\xBF" + text::ToUtf8(TableText(rows, sum, text::kComma));
}

std::optional<TableColumns> ColumnsOf(const std::vector<std::u16string>& header) {
  TableColumns columns;
  const auto find = [&](std::optional<std::size_t>& column,
                        std::initializer_list<std::u16string_view> captions) {
    for (std::size_t i = 0; i < header.size() && !column; ++i) {
      if (Names(header[i], captions)) column = i;
    }
  };
  find(columns.kind, {u"类型", u"kind"});
  find(columns.size, {u"规格", u"size"});
  find(columns.length, {u"长度", u"面积", u"length", u"area"});
  find(columns.quantity, {u"数量", u"quantity"});
  find(columns.material, {u"材质", u"material"});
  if (!columns.kind || !columns.size) return std::nullopt;
  return columns;
}

std::optional<MaterialRow> InputRow(const std::vector<std::u16string>& fields,
                                    const TableColumns& columns) {
  MaterialRow row;
  row.kind = FieldAt(fields, columns.kind);
  row.size = FieldAt(fields, columns.size);
  row.length = FieldAt(fields, columns.length);
  row.quantity = FieldAt(fields, columns.quantity);
  row.material = FieldAt(fields, columns.material);
  if (row.kind == kTotalRowCaption || row == MaterialRow{}) return std::nullopt;
  return row;
}

bool MaterialList::Add(MaterialRow row) {
  if (!statistics_.Add(row.total)) return false;
  rows_.push_back(std::move(row));
  return true;
}

void MaterialList::Remove(int index) {
  if (index < 0 || index >= static_cast<int>(rows_.size())) return;
  statistics_.Remove(index);
  rows_.erase(rows_.begin() + index);
}

void MaterialList::Clear() {
  statistics_.Clear();
  rows_.clear();
}

std::u16string MaterialList::Table(char16_t separator) const {
  return TableText(rows_, statistics_.SumText(), separator);
}

std::u16string MaterialList::Html() const { return TableHtml(rows_, statistics_.SumText()); }

std::string MaterialList::CsvFile() const { return CsvFileBytes(rows_, statistics_.SumText()); }

}  // namespace mevrik::material
