#pragma once
// The material list: what each entry of the statistics list was (kind, size, length or area,
// quantity, material, unit weight and total), and the table that is copied to a spreadsheet,
// saved as CSV and read back by the terminal program. The entry's own text, the count and the
// sum stay the statistics list's (core/expr/Statistics.h); the table's total row is its sum.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/expr/Statistics.h"
#include "core/material/CalcKind.h"
#include "core/material/Material.h"

namespace mevrik::material {

class WeightForm;

// One entry, every field as the window shows it. A field the kind has no box for is empty.
struct MaterialRow {
  std::u16string kind;        // "角钢", "弹簧垫圈 (重型)", "计算式"
  std::u16string size;        // "M20", "∠50×5", "Ⅰ20a", "Φ159×5", "δ10"; an expression row's
                              // expression
  std::u16string length;      // the length box's text in mm, or the plate's area in mm²
  std::u16string quantity;
  std::u16string material;    // "钢 7.85", "自定义 8.9": the material and its density in g/cm³
  std::u16string unitWeight;  // as the detail label shows it: "3.776"
  std::u16string unit;        // "kg/个", "kg/m", "kg/m²"
  std::u16string total;       // the entry's text: the result box as it stood

  bool operator==(const MaterialRow&) const = default;
};

inline constexpr std::size_t kTableColumns = 8;
inline constexpr std::array<std::u16string_view, kTableColumns> kTableHeader{
    u"类型", u"规格", u"长度(mm)/面积(mm²)", u"数量", u"材质(g/cm³)", u"单重", u"单位", u"总重"};
// The first field of the total row, whose last field is the sum.
inline constexpr std::u16string_view kTotalRowCaption = u"合计";
inline constexpr std::u16string_view kExpressionKind = u"计算式";

// The form as it stands, for an entry `total` added while a weight kind is shown.
MaterialRow WeightRow(const WeightForm& form, const MaterialChoice& material,
                      std::u16string_view total);
// An entry added while the expression kind is shown.
MaterialRow ExpressionRow(std::u16string_view expression, std::u16string_view total);

// The entry's tooltip: one "caption：value" line per field that is not empty, "\n" between.
std::u16string RowTooltip(const MaterialRow& row);

std::vector<std::u16string> HeaderFields();
std::vector<std::u16string> RowFields(const MaterialRow& row);
// "合计" and, in the last column, the sum.
std::vector<std::u16string> TotalRowFields(std::u16string_view sum);
// The table with its header, a record per row and the total row.
std::u16string TableText(const std::vector<MaterialRow>& rows, std::u16string_view sum,
                         char16_t separator);
// The same as an HTML table, for the programs that paste one.
std::u16string TableHtml(const std::vector<MaterialRow>& rows, std::u16string_view sum);
// The CSV file: UTF-8 with a byte order mark, which spreadsheets need to read it as UTF-8.
std::string CsvFileBytes(const std::vector<MaterialRow>& rows, std::u16string_view sum);

// Where a table that is read back holds the fields of the input: kind, size, length or area,
// quantity and material, found by their captions in the header (Chinese as written above, or
// English: kind, size, length, area, quantity, material). Other columns are ignored.
struct TableColumns {
  std::optional<std::size_t> kind, size, length, quantity, material;
};
// nullopt when the header names no kind or no size column.
std::optional<TableColumns> ColumnsOf(const std::vector<std::u16string>& header);
// The input fields of a record (the others empty); nullopt for the total row and empty lines.
std::optional<MaterialRow> InputRow(const std::vector<std::u16string>& fields,
                                    const TableColumns& columns);

// The entries of the statistics list with what each was.
class MaterialList {
 public:
  // The entry's text is the row's total. False when the list is full.
  bool Add(MaterialRow row);
  void Remove(int index);
  void Clear();

  const expr::Statistics& Statistics() const { return statistics_; }
  const std::vector<MaterialRow>& Rows() const { return rows_; }
  std::u16string Table(char16_t separator) const;
  std::u16string Html() const;
  std::string CsvFile() const;

 private:
  expr::Statistics statistics_;
  std::vector<MaterialRow> rows_;
};

}  // namespace mevrik::material
