#include "app/main/LinkEditor.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "app/config/ConfigKeys.h"
#include "app/main/LinkMenus.h"
#include "core/text/BaseName.h"
#include "platform/CoreText.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

namespace mevrik::main {

namespace links = config::keys::links;
namespace {

// A row keeps its two fields beside its text, so a name that itself holds a run of 36 blanks
// never swallows the target when the row is read back.
constexpr int kNameRole = Qt::UserRole;
constexpr int kTargetRole = Qt::UserRole + 1;

constexpr const char* kButtonCaptions[] = {"删除",     "添加",     "上移",     "下移",
                                           "编辑名称", "编辑路径", "保存更改", "关  闭"};

const QString kNamePrompt = QStringLiteral("请输入菜单名称：");
const QString kNameTitle = QStringLiteral("菜单名称");

QString Trimmed(const std::optional<QString>& answer) {
  return answer ? answer->trimmed() : QString();
}

}  // namespace

LinkEditor::LinkEditor(LinkEditorWindow window, LinkEditorServices services, QObject* parent)
    : QObject(parent), w_(window), s_(services), store_(services.ini) {
  BuildPanel();
  w_.PicSet->hide();
}

void LinkEditor::BuildPanel() {
  QWidget* panel = w_.PicSet;
  panel->setObjectName("PicSet");
  // An opaque panel over the calculator and the kind selectors, which it covers while open.
  panel->setAutoFillBackground(true);
  optGroup_ = new QButtonGroup(panel);
  const char* const optCaptions[] = {"【链接】菜单", "【其它】菜单"};
  for (int i = 0; i < 2; ++i) {
    OptLJWZ_[i] = new QRadioButton(QString::fromUtf8(optCaptions[i]), panel);
    OptLJWZ_[i]->setObjectName("OptLJWZ_" + QString::number(i));
    optGroup_->addButton(OptLJWZ_[i], i);
  }
  OptLJWZ_[0]->setChecked(true);
  connect(optGroup_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) OptLJWZ_Click(id);
  });

  ListLJ_ = new QListWidget(panel);
  ListLJ_->setObjectName("ListLJ");
  ListLJ_->setSelectionMode(QAbstractItemView::SingleSelection);
  // Every row is one line: the list lays out tens of thousands of them without measuring each.
  ListLJ_->setUniformItemSizes(true);
  connect(ListLJ_, &QListWidget::itemSelectionChanged, this, &LinkEditor::ListLJ_Click);

  for (int i = 0; i < ButtonCount; ++i) {
    CmdLianJie_[i] = new QPushButton(QString::fromUtf8(kButtonCaptions[i]), panel);
    CmdLianJie_[i]->setObjectName("CmdLianJie_" + QString::number(i));
    connect(CmdLianJie_[i], &QPushButton::clicked, this, [this, i] { CmdLianJie_Click(i); });
  }
  LabLJNum_ = new QLabel(panel);
  LabLJNum_->setObjectName("LabLJNum");
  Labljsm_ = new QLabel("★ 只有 保存 修改才会生效 ★", panel);
  Labljsm_->setObjectName("Labljsm");
  Labljsm_->setStyleSheet("color: red;");
  Label1_ = new QLabel("↓位置↓", panel);
  Label1_->setObjectName("Label1");
  Label1_->setAlignment(Qt::AlignCenter);

  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->addWidget(OptLJWZ_[0], 0, 0);
  grid->addWidget(OptLJWZ_[1], 1, 0);
  grid->addWidget(LabLJNum_, 2, 0);
  grid->addWidget(ListLJ_, 0, 1, 4, 1);
  grid->addWidget(CmdLianJie_[MoveUp], 0, 2);
  grid->addWidget(Label1_, 1, 2);
  grid->addWidget(CmdLianJie_[MoveDown], 2, 2);
  grid->addWidget(CmdLianJie_[Add], 0, 3);
  grid->addWidget(CmdLianJie_[Delete], 1, 3);
  grid->addWidget(CmdLianJie_[EditName], 0, 4);
  grid->addWidget(CmdLianJie_[EditPath], 1, 4);
  grid->addWidget(CmdLianJie_[Save], 0, 5);
  grid->addWidget(CmdLianJie_[Close], 1, 5);
  grid->addWidget(Labljsm_, 2, 3, 1, 3, Qt::AlignCenter);
  grid->setColumnStretch(1, 1);
}

QString LinkEditor::LinkSection() const {
  return OptLJWZ_[0]->isChecked() ? links::LinksSection : links::OthersSection;
}

void LinkEditor::MnuZDYLJ_Click() {
  if (w_.PicSet->isHidden()) focusBefore_ = w_.PicMain->window()->focusWidget();
  Reload();
  w_.MnuSet->menuAction()->setEnabled(false);
  w_.MnuF->menuAction()->setEnabled(false);
  EnableLinkMenus();
  w_.PicMain->hide();
  w_.PicSet->raise();
  w_.PicSet->show();
  ShowCount();
  Labljsm_->hide();
  // Whatever was selected before the editor last closed is gone with the reload.
  ListLJ_Click();
}

void LinkEditor::Reload() {
  ListLJ_->clear();
  for (const LinkRecord& link : store_.Links(LinkSection())) AppendRecord(link);
}

void LinkEditor::EnableLinkMenus() {
  w_.MnuLJ->menuAction()->setEnabled(OptLJWZ_[0]->isChecked());
  w_.MnuQTT->menuAction()->setEnabled(OptLJWZ_[1]->isChecked());
}

// Switching menus discards the unsaved edits of the other one.
void LinkEditor::OptLJWZ_Click(int index) {
  if (!OptLJWZ_[index]->isChecked()) {
    OptLJWZ_[index]->setChecked(true);  // its toggle runs this handler again
    return;
  }
  MnuZDYLJ_Click();
}

void LinkEditor::ListLJ_Click() {
  const int s = SelectedRow();
  const int c = ListLJ_->count();
  for (int i = Delete; i <= EditPath; ++i) CmdLianJie_[i]->setEnabled(false);
  CmdLianJie_[Add]->setEnabled(true);
  if (s < 0) return;
  for (int i : {Delete, EditName, EditPath}) CmdLianJie_[i]->setEnabled(true);
  CmdLianJie_[MoveUp]->setEnabled(s > 0);
  CmdLianJie_[MoveDown]->setEnabled(s + 1 < c);
}

void LinkEditor::CmdLianJie_Click(int index) {
  // The enabled states say which buttons make sense for the selection; a disabled one does
  // nothing, however it is reached.
  if (index < 0 || index >= ButtonCount || !CmdLianJie_[index]->isEnabled()) return;
  Labljsm_->show();
  const int s = SelectedRow();
  switch (index) {
    case Delete:
      delete ListLJ_->takeItem(s);
      SelectRow(s >= 1 ? s - 1 : -1);
      break;
    case Add:
      if (!AddLink()) return;
      break;
    case MoveUp: MoveRow(s, s - 1); break;
    case MoveDown: MoveRow(s, s + 1); break;
    case EditName: RenameLink(s); break;
    case EditPath: RetargetLink(s); break;
    case Save: SaveLinks(); break;
    case Close: CloseEditor(); break;
  }
  ListLJ_Click();
}

bool LinkEditor::AddLink() {
  const QString path = ChooseFile();
  if (path.isEmpty()) return false;
  const QString baseName = platform::Q(text::GetBaseName(path.toStdU16String()));
  QString name = Trimmed(s_.boxes.input(kNameTitle, kNamePrompt, baseName, s_.owner));
  if (name.isEmpty()) name = baseName.trimmed();
  AppendRecord({name, path.trimmed()});
  return true;
}

void LinkEditor::RenameLink(int row) {
  LinkRecord link = RecordAt(row);
  const QString answer = Trimmed(s_.boxes.input(kNameTitle, kNamePrompt, link.LinkName, s_.owner));
  if (!answer.isEmpty()) {
    link.LinkName = answer;
    SetRecord(row, link);
  }
  SelectRow(-1);
}

void LinkEditor::RetargetLink(int row) {
  LinkRecord link = RecordAt(row);
  const QString answer = Trimmed(s_.boxes.input(
      "链接名称", "  请输入链接路径：\r\n\r\n(路径可为文件、文件夹或网址)", link.LinkTarget, s_.owner));
  if (!answer.isEmpty()) {
    link.LinkTarget = answer;
    SetRecord(row, link);
  }
  SelectRow(-1);
}

void LinkEditor::SaveLinks() {
  const QString section = LinkSection();
  QList<LinkRecord> records;
  QStringList names;
  for (int i = 0; i < ListLJ_->count(); ++i) {
    records << RecordAt(i);
    names << records.constLast().LinkName;
  }
  store_.Save(section, records);
  s_.menus.ShowLinks(section, names);
  ShowCount();
  Labljsm_->hide();
}

void LinkEditor::CloseEditor() {
  w_.PicSet->hide();
  w_.PicMain->show();
  for (QMenu* menu : {w_.MnuSet, w_.MnuLJ, w_.MnuF, w_.MnuQTT})
    menu->menuAction()->setEnabled(true);
  // Hiding the panel left the focus on whatever came next in the tab order; typing goes back
  // where it went before the editor opened.
  const auto canType = [](const QWidget* widget) {
    return widget && widget->isVisible() && widget->isEnabled();
  };
  if (canType(focusBefore_)) {
    focusBefore_->setFocus();
  } else if (canType(w_.CombBDS)) {
    w_.CombBDS->setFocus();
  }
}

QString LinkEditor::ChooseFile() {
  platform::OpenFileRequest request;
  request.title = "选择文件";
  request.filterName = "所有文件(*.*)";
  request.filterPattern = "*.*";
  request.owner = s_.owner;
  return s_.files.openFile(request);
}

int LinkEditor::SelectedRow() const {
  const QList<QListWidgetItem*> selected = ListLJ_->selectedItems();
  return selected.isEmpty() ? -1 : ListLJ_->row(selected.constFirst());
}

void LinkEditor::SelectRow(int row) {
  if (row < 0) {
    ListLJ_->setCurrentRow(-1);
    ListLJ_->clearSelection();
    return;
  }
  ListLJ_->setCurrentRow(row);
}

LinkRecord LinkEditor::RecordAt(int row) const {
  const QListWidgetItem* item = ListLJ_->item(row);
  return {item->data(kNameRole).toString(), item->data(kTargetRole).toString()};
}

void LinkEditor::SetRecord(int row, const LinkRecord& link) {
  QListWidgetItem* item = ListLJ_->item(row);
  item->setText(LinkRowText(link));
  item->setData(kNameRole, link.LinkName);
  item->setData(kTargetRole, link.LinkTarget);
}

void LinkEditor::AppendRecord(const LinkRecord& link) {
  ListLJ_->addItem(QString());
  SetRecord(ListLJ_->count() - 1, link);
}

void LinkEditor::MoveRow(int from, int to) {
  QListWidgetItem* item = ListLJ_->takeItem(from);
  ListLJ_->insertItem(to, item);
  SelectRow(to);
}

void LinkEditor::ShowCount() {
  LabLJNum_->setText("共有 " + QString::number(ListLJ_->count()) + " 个链接");
}

}  // namespace mevrik::main
