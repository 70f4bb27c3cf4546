#pragma once
// The statistics list beside the result box: the entries, their sum and what each entry was
// are core's (core/material/MaterialTable.h); the list box and the summary label show them.
#include <QObject>
#include <QString>
#include <functional>

#include "core/material/MaterialTable.h"

class QAction;
class QLabel;
class QListWidget;
class QPushButton;

namespace mevrik::main {

// What the list needs from the main window around it. addToStatisticsButton is enabled by the result box's
// change handler, together with copyButton; the list only disables it after adding.
struct StatisticsHooks {
  std::function<QString()> resultText;  // resultBox
  std::function<int()> currentKind;     // 0 is the expression kind
  std::function<void()> focusQuantity;  // parameterBoxes(3)
  std::function<void(int twips)> setWindowWidth;
  std::function<void(const QString&)> showMessage;    // status cell status::Message
  std::function<void(const QString&)> copyToClipboard;  // replaces the clipboard's text
  // What the result about to be added was: the weight form or the expression as they stand.
  std::function<material::MaterialRow(const QString& entry)> describeEntry;
  // Replaces the clipboard with a table: tab-separated text and HTML.
  std::function<void(const QString& text, const QString& html)> copyTable;
  // The save-file dialog for the CSV file: the chosen path, empty when cancelled.
  std::function<QString()> chooseExportFile;
  // A message box with the error icon.
  std::function<void(const QString& text)> showError;
};

struct StatisticsWidgets {
  QPushButton* addToStatisticsButton = nullptr;
  QListWidget* statisticsList = nullptr;
  QLabel* statisticsSummary = nullptr;
  QLabel* statisticsClearLabel = nullptr;
};

class StatisticsList final : public QObject {
  Q_OBJECT
public:
  static constexpr int kWideTwips = 9600;    // statistics area in view, at the least
  static constexpr int kNarrowTwips = 8340;  // the window's start-up width

  // Connects the events of the widgets, which the window has created with their captions.
  StatisticsList(StatisticsWidgets widgets, StatisticsHooks hooks, QObject* parent = nullptr);

  void onAddToStatisticsClicked();
  void onStatisticsEntryClicked();
  void onStatisticsRemoveRequested();
  void onSummaryClicked();
  void onStatisticsClearRequested();
  // The Delete key: removes the selected entry and selects the one that takes its place.
  void ListTJ_Delete();
  // The context menu: the whole list as a table on the clipboard, or in a CSV file.
  void CopyTable();
  void ExportTable();

private:
  void ConnectKeys();
  void AddListAction(const QString& caption, Qt::Key key, void (StatisticsList::*handler)());
  // Wide enough for the whole statistics area, whose summary is as wide as the font needs.
  int WideTwips() const;
  // Removes entry `row`; false when there is none.
  bool Remove(int row);
  void ShowSummary();

  StatisticsWidgets w_;
  StatisticsHooks hooks_;
  material::MaterialList list_;
};

}  // namespace mevrik::main
