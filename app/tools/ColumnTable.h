#pragma once
// A list of table rows whose fields stand in columns under their headings, whatever the widths
// of the characters in them (a "—" is wider than a digit in most fonts). Each row keeps its text
// as the list item; its fields, separated by "|" or blanks, are drawn centred in fixed columns,
// and the heading rows above the list use the same columns. A heading may span several columns.
#include <QList>
#include <QString>
#include <QStringList>

class QLabel;
class QListWidget;
class QWidget;

namespace mevrik::tools {

struct Heading {
  QLabel* label = nullptr;
  int span = 1;
};

// The fields of a row: "  10  |  36  |  —   |  12" gives 10, 36, —, 12.
QStringList RowFields(const QString& row);

// Draws the list's rows in columns wide enough for every field and heading, and returns the
// widget that holds the heading rows above the list; `trailing` (may be null) follows the first
// heading row.
QWidget* ColumnTable(QListWidget* list, const QList<QList<Heading>>& headingRows,
                     QWidget* trailing, QWidget* parent);

}  // namespace mevrik::tools
