#pragma once
// Scheduling one forced shutdown of the computer, at a clock time today or after a countdown,
// and cancelling it. The window stays on top, remembers its last settings, and shows whether a
// shutdown is pending through the main window's menu item, whose check mark it sets and reads.
#include <array>
#include <functional>

#include "app/tools/ToolWindow.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace mevrik::config {
class ConfigFile;
}
namespace mevrik::platform {
class AlwaysOnTop;
class Clock;
class MessageBoxes;
class Shutdown;
}  // namespace mevrik::platform

namespace mevrik::tools {

// Waits between the two shutdown commands. The window's own keeps painting and timers going.
using Pause = std::function<void(int milliseconds)>;
void PauseKeepingEvents(int milliseconds);

struct ShutdownWindowServices {
  config::ConfigFile& ini;
  platform::MessageBoxes& boxes;
  platform::Clock& clock;
  platform::Shutdown& shutdown;
  platform::AlwaysOnTop& top;
};

class ShutdownWindow : public ToolWindow {
  Q_OBJECT
public:
  // `pendingMark`: the main window's checkable menu item "定时关机".
  ShutdownWindow(ShutdownWindowServices services, QAction* pendingMark,
          QWidget* parent = nullptr, Pause pause = PauseKeepingEvents);

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void build();
  QWidget* buildClockTime();
  QWidget* buildCountdown();
  void Load();
  void onModeChosen(int index);
  // `before`: the box's text as it stands before the character goes in.
  bool onCountdownKey(QChar typed, const QString& before);
  void onCountdownFocusLost();
  void confirm();
  void cancelAll();
  // No shutdown is pending any more: the file, the title, the main window's mark and the
  // cancel button say so.
  void recordCancelled();
  bool runShutdown(int minutes);
  void storeSettings(const QDateTime& target);
  // The settings of a scheduled shutdown could not be saved: it is aborted, and the box says
  // whether that went through.
  void cancelUnrecorded();
  void setPending(bool pending);
  void showError(const QString& title, const QString& text, bool systemModal = false);

  ShutdownWindowServices services_;
  config::ConfigFile& ini_;
  QAction* pendingMark_;
  Pause pause_;
  bool busy_ = false;  // between the two commands: the window must stay
  QWidget* content_ = nullptr;
  std::array<QRadioButton*, 2> modeButtons_{};
  std::array<QGroupBox*, 2> frame_{};
  std::array<QComboBox*, 2> clockBoxes_{};
  QComboBox* countdownBox_ = nullptr;
  std::array<QPushButton*, 3> commandButtons_{};
  std::array<QLabel*, 2> noticeLabels_{};
  QLabel* noteLabel_ = nullptr;
};

}  // namespace mevrik::tools
