#pragma once
// The area the calculation kinds share: the result box, 确定, the copy and statistics buttons
// and the message cell of the status bar. The expression side, the weight side and the kind
// switch tell it what to show; only this part writes those widgets.
#include <QObject>
#include <QString>
#include <string_view>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mevrik::expr {
class ExpressionSession;
}
namespace mevrik::platform {
class Clipboard;
}

namespace mevrik::main {

struct ResultWidgets {
  QLineEdit* resultBox = nullptr;
  QPushButton* okButton = nullptr;
  QPushButton* copyButton = nullptr;
  QPushButton* addToStatisticsButton = nullptr;  // enabled together with copyButton
  QLabel* statusMessage = nullptr;
  QAction* autoCopyItem = nullptr;    // auto-copy
};

class ResultArea : public QObject {
  Q_OBJECT
public:
  ResultArea(ResultWidgets widgets, expr::ExpressionSession& session,
             platform::Clipboard& clipboard, QObject* parent = nullptr);

  QString Result() const;
  void ShowResult(std::u16string_view result);
  void ClearResult();
  void EnableOk(bool on);
  void ShowStatus(const QString& text);
  void ShowStatus(std::u16string_view text);
  // The ending every calculation shares: `shown` goes to the clipboard when auto-copy is on.
  void AutoCopy(std::u16string_view shown);

  void onCopyClicked();
  void onResultChanged();
  void onAutoCopyToggled();

private:
  void Copy(const std::u16string& text);

  ResultWidgets w_;
  expr::ExpressionSession& session_;
  platform::Clipboard& clipboard_;
};

}  // namespace mevrik::main
