#include "app/tools/ColumnTable.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace mevrik::tools {
namespace {

constexpr int kPadding = 14;  // room between the widest entries of two columns

class ColumnDelegate : public QStyledItemDelegate {
public:
  ColumnDelegate(QList<int> widths, QObject* parent)
      : QStyledItemDelegate(parent), widths_(std::move(widths)) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStringList fields = RowFields(item.text);
    item.text.clear();  // the style draws the background and the selection only
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(option.state & QStyle::State_Selected
                                           ? QPalette::HighlightedText
                                           : QPalette::Text));
    int x = option.rect.left();
    for (int c = 0; c < widths_.size() && c < fields.size(); ++c) {
      painter->drawText(QRect(x, option.rect.top(), widths_[c], option.rect.height()),
                        Qt::AlignCenter, fields[c]);
      x += widths_[c];
    }
    painter->restore();
  }

private:
  QList<int> widths_;
};

QList<int> ColumnWidths(const QListWidget* list, const QList<QList<Heading>>& headingRows) {
  QList<int> widths;
  auto widen = [&widths](int column, int width) {
    while (widths.size() <= column) widths << 0;
    widths[column] = std::max(widths[column], width);
  };
  for (int r = 0; r < list->count(); ++r) {
    const QStringList fields = RowFields(list->item(r)->text());
    for (int c = 0; c < fields.size(); ++c) {
      widen(c, list->fontMetrics().horizontalAdvance(fields[c]) + kPadding);
    }
  }
  for (const auto& row : headingRows) {
    int column = 0;
    for (const Heading& h : row) {
      int spanned = 0;
      for (int c = column; c < column + h.span; ++c) spanned += c < widths.size() ? widths[c] : 0;
      const int needed = h.label->sizeHint().width() + kPadding;
      if (needed > spanned) widen(column + h.span - 1, widths.value(column + h.span - 1) + needed - spanned);
      column += h.span;
    }
  }
  return widths;
}

}  // namespace

QStringList RowFields(const QString& row) {
  static const QRegularExpression separator(QStringLiteral("\\s*\\|\\s*|\\s+"));
  return row.trimmed().split(separator, Qt::SkipEmptyParts);
}

QWidget* ColumnTable(QListWidget* list, const QList<QList<Heading>>& headingRows,
                     QWidget* trailing, QWidget* parent) {
  const QList<int> widths = ColumnWidths(list, headingRows);
  list->setItemDelegate(new ColumnDelegate(widths, list));
  int total = 0;
  for (int w : widths) total += w;
  list->setMinimumWidth(total + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width());

  auto* table = new QWidget(parent);
  auto* rows = new QVBoxLayout(table);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(0);
  for (int r = 0; r < headingRows.size(); ++r) {
    auto* line = new QHBoxLayout;
    line->setContentsMargins(list->frameWidth(), 0, 0, 0);
    line->setSpacing(0);
    int column = 0;
    for (const Heading& h : headingRows[r]) {
      int width = 0;
      for (int c = column; c < column + h.span; ++c) width += widths.value(c);
      h.label->setFixedWidth(width);
      h.label->setAlignment(Qt::AlignCenter);
      line->addWidget(h.label);
      column += h.span;
    }
    if (r == 0 && trailing) line->addWidget(trailing);
    line->addStretch();
    rows->addLayout(line);
  }
  rows->addWidget(list);
  return table;
}

}  // namespace mevrik::tools
