#pragma once
// The statistics list beside the result box: the entries and their sum are core's
// (core/expr/Statistics.h); the list box and the summary label show them.
#include <QObject>
#include <QString>
#include <functional>

#include "core/expr/Statistics.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace mevrik::main {

// What the list needs from the main window around it. CmdTJ is enabled by the result box's
// change handler, together with CmdFZ; the list only disables it after adding.
struct StatisticsHooks {
  std::function<QString()> resultText;                // TxtJieGuo
  std::function<int()> currentKind;                   // 0 is the expression kind
  std::function<void()> focusQuantity;                // CombSR(3)
  std::function<void(int twips)> setWindowWidth;
  std::function<void(const QString&)> showMessage;    // status cell status::Message
  std::function<void(const QString&)> copyToClipboard;  // replaces the clipboard's text
};

struct StatisticsWidgets {
  QPushButton* CmdTJ = nullptr;
  QListWidget* ListTJ = nullptr;
  QLabel* LabTJ = nullptr;
  QLabel* LabTJQK = nullptr;
};

class StatisticsList final : public QObject {
  Q_OBJECT
public:
  static constexpr int kWideTwips = 9600;    // statistics area in view, at the least
  static constexpr int kNarrowTwips = 8340;  // the window's start-up width

  // Connects the events of the widgets, which the window has created with their captions.
  StatisticsList(StatisticsWidgets widgets, StatisticsHooks hooks, QObject* parent = nullptr);

  void CmdTJ_Click();
  void ListTJ_Click();
  void ListTJ_DblClick();
  void LabTJ_Click();
  void LabTJQK_DblClick();

private:
  // Wide enough for the whole statistics area, whose summary is as wide as the font needs.
  int WideTwips() const;
  void ShowSummary();

  StatisticsWidgets w_;
  StatisticsHooks hooks_;
  expr::Statistics statistics_;
};

}  // namespace mevrik::main
