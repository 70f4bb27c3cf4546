#include "app/tools/ShutdownWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cmath>

#include "app/config/ConfigFile.h"
#include "app/tools/ShutdownTime.h"
#include "app/widgets/EnteredText.h"
#include "app/widgets/EventHooks.h"
#include "app/widgets/KeyPressFilter.h"
#include "app/widgets/Named.h"
#include "core/text/NumberReaders.h"
#include "platform/AlwaysOnTop.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Shutdown.h"

namespace mevrik::tools {

using widgets::EventHook;
using widgets::FilterEnteredText;
using widgets::IsDigitOrBackspace;
using widgets::Named;
using widgets::PickOnlyByChoice;

namespace {

namespace settings = config::settings;
// How the error box names the two commands: in the words of the `shutdown` program that the
// window's notes speak of, whatever the system runs.
const QString kAbortWords = QStringLiteral("shutdown -a");
QString ScheduleWords(int seconds) {
  return QStringLiteral("shutdown -s -f -t ") + QString::number(seconds);
}
const QString kCaptionPrefix = QStringLiteral("定时关机—");
constexpr int kPauseBetweenCommands = 1200;  // lets the abort finish before the new schedule
constexpr int kMinCountdown = 3;
constexpr int kMaxCountdown = 600;

double Number(const QString& text) { return text::LeadingNumber(text.toStdU16String()); }

int MinuteOfDay(const QTime& time) { return time.hour() * 60 + time.minute(); }

// A stored list index, or the default when the file holds one the list does not have.
int IndexWithin(int stored, int count, int fallback) {
  return stored >= 0 && stored < count ? stored : fallback;
}

}  // namespace

void PauseKeepingEvents(int milliseconds) {
  // Paints and timers go on; clicks and keys wait, so the handler is not entered twice.
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

ShutdownWindow::ShutdownWindow(ShutdownWindowServices services, QAction* pendingMark, QWidget* parent,
                 Pause pause)
    : ToolWindow(QStringLiteral("ShutdownWindow"), parent),
      services_(services),
      ini_(services.ini),
      pendingMark_(pendingMark),
      pause_(std::move(pause)) {
  build();
  Load();
}

void ShutdownWindow::build() {
  // The controls keep their natural size; the window shows as much of them as it is tall.
  content_ = new QWidget(this);
  auto* layout = new QGridLayout(content_);
  const QString modes[2] = {QStringLiteral("定时"), QStringLiteral("倒计时")};
  QWidget* inputs[2] = {buildClockTime(), buildCountdown()};
  for (int i = 0; i < 2; ++i) {
    modeButtons_[i] = Named(new QRadioButton(modes[i], content_), "modeButtons", i);
    connect(modeButtons_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) onModeChosen(i);
    });
    frame_[i] = Named(new QGroupBox(content_), "Frame", i);
    auto* row = new QHBoxLayout(frame_[i]);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(inputs[i]);
    layout->addWidget(modeButtons_[i], i, 0);
    layout->addWidget(frame_[i], i, 1, 1, 2);
  }

  const QString commands[3] = {QStringLiteral("取消所有关机"), QStringLiteral("确定"),
                               QStringLiteral("关闭")};
  for (int i = 0; i < 3; ++i) {
    commandButtons_[i] = Named(new QPushButton(commands[i], content_), "commandButtons", i);
    layout->addWidget(commandButtons_[i], 2, i);
  }
  connect(commandButtons_[0], &QPushButton::clicked, this, &ShutdownWindow::cancelAll);
  connect(commandButtons_[1], &QPushButton::clicked, this, &ShutdownWindow::confirm);
  connect(commandButtons_[2], &QPushButton::clicked, this, &QWidget::close);
  commandButtons_[1]->setEnabled(false);

  noteLabel_ = Named(new QLabel(QStringLiteral("↓ 说 明 ↓"), content_), "noteLabel");
  layout->addWidget(noteLabel_, 3, 0, 1, 3, Qt::AlignCenter);
  noticeLabels_[0] = Named(new QLabel(QStringLiteral("★ 定时关机仅执行一次，系统注销或重启则失效！"), content_),
                     "noticeLabels", 0);
  noticeLabels_[1] = Named(new QLabel(content_), "noticeLabels", 1);
  layout->addWidget(noticeLabels_[0], 4, 0, 1, 3);
  layout->addWidget(noticeLabels_[1], 5, 0, 1, 3);
}

QWidget* ShutdownWindow::buildClockTime() {
  auto* box = new QWidget(content_);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  clockBoxes_[0] = Named(new QComboBox(box), "clockBoxes", 0);
  clockBoxes_[0]->setToolTip(QStringLiteral("选择 时"));
  for (int hour = 0; hour < 24; ++hour) clockBoxes_[0]->addItem(QString::number(hour));
  clockBoxes_[1] = Named(new QComboBox(box), "clockBoxes", 1);
  clockBoxes_[1]->setToolTip(QStringLiteral("选择 分"));
  for (int minute = 0; minute < 60; minute += 5) clockBoxes_[1]->addItem(QString::number(minute));
  for (auto* combo : clockBoxes_) {
    connect(combo, &QComboBox::activated, this, [this] { commandButtons_[1]->setEnabled(true); });
  }
  row->addWidget(clockBoxes_[0]);
  row->addWidget(Named(new QLabel(QStringLiteral("时"), box), "hourLabel", 0));
  row->addWidget(clockBoxes_[1]);
  row->addWidget(Named(new QLabel(QStringLiteral("分 关闭系统"), box), "minuteLabels", 0));
  row->addStretch();
  return box;
}

QWidget* ShutdownWindow::buildCountdown() {
  auto* box = new QWidget(content_);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  countdownBox_ = Named(new QComboBox(box), "countdownBox");
  countdownBox_->setEditable(true);
  countdownBox_->setInsertPolicy(QComboBox::NoInsert);
  countdownBox_->setCompleter(nullptr);
  countdownBox_->addItems({"10", "15", "20", "30", "45", "60", "90", "120", "150", "200", "600"});
  countdownBox_->setToolTip(QStringLiteral("3～600之间的整数"));
  FilterEnteredText(
      countdownBox_->lineEdit(),
      [this](QChar typed, const QString& before) { return onCountdownKey(typed, before); },
      RefusalNotice(services_.boxes, this));
  PickOnlyByChoice(countdownBox_);
  EventHook::OnFocusMovedAway(countdownBox_, this, [this] { onCountdownFocusLost(); });
  connect(countdownBox_, &QComboBox::editTextChanged, this, [this] { commandButtons_[1]->setEnabled(true); });
  connect(countdownBox_, &QComboBox::activated, this, [this] { commandButtons_[1]->setEnabled(true); });
  row->addWidget(countdownBox_);
  row->addWidget(Named(new QLabel(QStringLiteral("分钟 后 关闭系统"), box), "minuteLabels", 1));
  row->addStretch();
  return box;
}

void ShutdownWindow::Load() {
  // One reading of the file for all the keys, however large the file is.
  const config::ConfigFile::Batch batch(ini_);
  const int mode = ini_.Get(settings::ShutdownMode) == 1 ? 1 : 0;
  const bool pending = pendingMark_ && pendingMark_->isChecked();
  setWindowTitle(kCaptionPrefix + (!pending    ? QStringLiteral("未设置")
                                   : mode == 0 ? QStringLiteral("定时")
                                               : QStringLiteral("倒计时")));
  modeButtons_[mode]->setChecked(true);
  noticeLabels_[1]->setText(QStringLiteral("★ 使用ShutDown命令关机，仅最后一次设置有效！"));
  const auto selectStored = [this](QComboBox* box, const config::NumberSetting& setting) {
    const int stored = ini_.Get(setting);
    box->setCurrentIndex(IndexWithin(stored, box->count(), setting.fallback));
  };
  selectStored(clockBoxes_[0], settings::ShutdownHour);
  selectStored(clockBoxes_[1], settings::ShutdownMinute);
  countdownBox_->setEditText(ini_.GetText(settings::ShutdownCountdown));
  commandButtons_[0]->setEnabled(pending);
  services_.top.setTopMost(this, true);
  // Tall enough for the inputs and the "说明" arrow, and never smaller; the notes below it show
  // when the user pulls the window taller.
  content_->adjustSize();
  content_->layout()->setGeometry(content_->rect());
  resize(content_->width(), noteLabel_->geometry().bottom() + content_->layout()->spacing());
  setMinimumSize(size());
  setMaximumSize(content_->size());
}

void ShutdownWindow::onModeChosen(int index) {
  frame_[0]->setEnabled(false);
  frame_[1]->setEnabled(false);
  frame_[index]->setEnabled(true);
  commandButtons_[1]->setEnabled(true);
}

bool ShutdownWindow::onCountdownKey(QChar typed, const QString& before) {
  if (!IsDigitOrBackspace(typed)) return false;
  return typed == u'\b' || Number(before) <= kMaxCountdown;
}

void ShutdownWindow::onCountdownFocusLost() {
  if (Number(countdownBox_->currentText()) <= kMaxCountdown) return;
  showError(QStringLiteral("定时关机--倒计时设置"), QStringLiteral("倒计时设置时间不得超过600分钟"));
  countdownBox_->setFocus();
}

void ShutdownWindow::confirm() {
  const QDateTime now = services_.clock.now();
  QDateTime target(now.date(), QTime(now.time().hour(), now.time().minute()));
  int minutes = 0;
  if (modeButtons_[1]->isChecked()) {
    const double countdown = Number(countdownBox_->currentText());
    if (countdown < kMinCountdown) {
      showError(QStringLiteral("错误"), QStringLiteral("倒计时设定时间不能低于3分钟，\r\n请重新设置。"));
      countdownBox_->setFocus();
      return;
    }
    if (countdown > kMaxCountdown) {  // typed past the limit and confirmed without leaving the box
      onCountdownFocusLost();
      return;
    }
    setWindowTitle(kCaptionPrefix + QStringLiteral("倒计时"));
    minutes = static_cast<int>(std::nearbyint(countdown));  // halves to even
    target = target.addSecs(minutes * 60);
  } else {
    target.setTime(QTime(clockBoxes_[0]->currentIndex(), clockBoxes_[1]->currentIndex() * 5));
    const int minutesPast = MinuteOfDay(now.time()) - MinuteOfDay(target.time());
    if (minutesPast >= 1) {
      showError(QStringLiteral("定时关机"), QStringLiteral("设定时间早于此刻系统时间，请重新设置。"),
                true);
      return;
    }
    minutes = -minutesPast;
    setWindowTitle(kCaptionPrefix + QStringLiteral("定时"));
  }
  if (!runShutdown(minutes)) return;
  storeSettings(target);
  setPending(true);
  close();
}

bool ShutdownWindow::runShutdown(int minutes) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  busy_ = true;
  QString notStarted;
  if (!services_.shutdown.abort()) {
    notStarted = kAbortWords;
  } else {
    pause_(kPauseBetweenCommands);
    if (!services_.shutdown.schedule(minutes * 60)) notStarted = ScheduleWords(minutes * 60);
  }
  busy_ = false;
  if (notStarted.isEmpty()) hide();
  QApplication::restoreOverrideCursor();
  if (notStarted.isEmpty()) return true;
  // The abort went through: whatever was pending is gone, and the file must not say otherwise.
  if (notStarted != kAbortWords) recordCancelled();
  showError(QStringLiteral("定时关机"), QStringLiteral("关机命令未能执行：") + "\r\n" + notStarted);
  return false;
}

// Runs once the system has answered, as one save: a program ended during the commands leaves
// the file describing what the system was doing before them. A shutdown the file cannot record
// is cancelled before the write error dialogs end the program, so that none is pending that the
// next start would not show.
void ShutdownWindow::storeSettings(const QDateTime& target) {
  // A countdown that is not a usable number is not stored; the last good one stays.
  const double countdown = Number(countdownBox_->currentText());
  const config::ConfigFile::Batch batch(ini_, [this] { cancelUnrecorded(); });
  ini_.Set(settings::ShutdownMode, modeButtons_[1]->isChecked() ? 1 : 0);
  if (countdown >= kMinCountdown && countdown <= kMaxCountdown) {
    ini_.Set(settings::ShutdownCountdown, static_cast<int>(std::nearbyint(countdown)));
  }
  ini_.Set(settings::ShutdownHour, clockBoxes_[0]->currentIndex());
  ini_.Set(settings::ShutdownMinute, clockBoxes_[1]->currentIndex());
  ini_.Set(settings::ShutdownTime(target.date()), FormatShutdownTime(target));
}

void ShutdownWindow::cancelUnrecorded() {
  const QString text = services_.shutdown.abort()
                           ? QStringLiteral("定时关机未能保存，已取消关机。")
                           : QStringLiteral("定时关机未能保存，关机未能取消：") + "\r\n" + kAbortWords;
  showError(QStringLiteral("定时关机"), text, true);
}

void ShutdownWindow::cancelAll() {
  if (!services_.shutdown.abort()) {
    showError(QStringLiteral("定时关机"), QStringLiteral("关机命令未能执行：") + "\r\n" + kAbortWords);
    return;
  }
  recordCancelled();
}

void ShutdownWindow::recordCancelled() {
  const QDate today = services_.clock.now().date();
  ini_.Set(settings::ShutdownTime(today), FormatShutdownTime(QDateTime(today, QTime(0, 0))));
  setWindowTitle(kCaptionPrefix + QStringLiteral("未设置"));
  setPending(false);
  commandButtons_[0]->setEnabled(false);
}

void ShutdownWindow::setPending(bool pending) {
  if (pendingMark_) pendingMark_->setChecked(pending);
}

void ShutdownWindow::showError(const QString& title, const QString& text, bool systemModal) {
  services_.boxes.show(
      {platform::BoxIcon::Critical, platform::BoxButtons::Ok, title, text, systemModal, this});
}

void ShutdownWindow::closeEvent(QCloseEvent* event) {
  if (busy_) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

}  // namespace mevrik::tools
