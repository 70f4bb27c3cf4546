#pragma once
// The catalogue state of the main window: the size table of the selected kind (or variant), its
// standard code and its notes. Only the kind switch and the variant switch write it; the weight
// calculation reads it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/material/CalcKind.h"

namespace mevrik::material {

// One row of the size table, texts exactly as listed ("0.12 ", "14*", " 9 -矿工钢").
struct CatalogueEntry {
  std::u16string sizeLabel;  // column 0
  std::u16string valueA;     // column 1
  std::u16string valueB;     // column 2
};

// Written into the row after the last entry, in every column the kind fills.
inline constexpr std::u16string_view kEndMarker = u"●";
// 48 entries (the I-beam list) plus the end-marker row.
inline constexpr int kCatalogueRows = 49;

struct CatalogueState {
  // Rows past the end marker keep whatever an earlier kind left there.
  std::array<CatalogueEntry, kCatalogueRows> table;
  std::uint8_t lastRow = 0;                 // item count of the size list - 1
  std::uint8_t sizeComboIndex = 0;  // which parameterBoxes box holds the size list: 0 (kinds 1-8) or 1
  std::u16string standardCode;              // of the kind, or of the variant for kinds 5 and 6
  std::array<std::u16string, 3> kindNotes;  // ①, ② and ③
};

// The built-in standard code of a weight kind: the default of its configuration value. Empty
// for the expression kind.
std::u16string DefaultStandardCode(CalcKind kind);

// Loads a weight kind with the standard code read from the configuration (used unchanged).
// Kinds 5 and 6 only take the code and the notes here: their rows come from LoadVariant.
// RoundBar and SteelPlate leave the table rows as they are and only set lastRow.
void LoadKind(CatalogueState& state, CalcKind kind, std::u16string_view configuredCode);

// Variants of SpringWasher (0 轻型, 1 标准, 2 重型) and SquareBevelWasher (0 工字钢用,
// 1 槽钢用); the other kinds have none.
int VariantCount(CalcKind kind);
// The variant the kind switch selects: 1 (标准) for spring washers, 0 for square bevel washers.
std::optional<int> DefaultVariant(CalcKind kind);
// "轻型", "标准", "重型", "工字钢用", "槽钢用".
std::u16string VariantCaption(CalcKind kind, int variant);
// The default the variant switch reads the code list with when the key is missing (the kind
// switch normally wrote DefaultStandardCode first, so this one is rarely used).
std::u16string VariantDefaultStandardCode(CalcKind kind);
// The configured code list split at "；", one code per variant: the captions of the variant
// menu items. Codes missing from a short list are taken from DefaultStandardCode.
std::vector<std::u16string> VariantCodes(CalcKind kind, std::u16string_view configuredCode);
// Loads a variant's rows; its code is the variant's entry of VariantCodes(configuredCode).
void LoadVariant(CatalogueState& state, CalcKind kind, int variant,
                 std::u16string_view configuredCode);

// The message box of a double-click on the size caption or the detail label: title "说明",
// the three notes separated by blank lines.
inline constexpr std::u16string_view kNotesTitle = u"说明";
std::u16string NotesText(const CatalogueState& state);

// Reserved hole size of the anchor bolt in table row `row` ("80×80" ... "220×220"); nullopt
// outside the nine rows.
std::optional<std::u16string> AnchorHoleSize(int row);

}  // namespace mevrik::material
