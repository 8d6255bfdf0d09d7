// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/favourites/add_form.h"

#include "config/text_file.h"
#include "favourites/add_favourite.h"
#include "ui/common/fonts.h"
#include "ui/common/form_text.h"
#include "ui/common/input_events.h"
#include "ui/favourites/folder_pane.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace kasumori::ui {

namespace {

constexpr int kClientWidth = 209;

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

QWidget* PlainPanel(QWidget* parent, const char* name, const QColor& colour, const QRect& at) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QLatin1String(name));
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, colour);
  panel->setPalette(palette);
  panel->setAutoFillBackground(true);
  panel->setGeometry(at);
  return panel;
}

}  // namespace

TOkiniAddForm::TOkiniAddForm(QWidget* owner, AddFormParts parts, favourites::FavouritesGrid grid,
                             Photo photo)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      store_(parts.store),
      dialogs_(parts.dialogs),
      uiReady_(parts.uiReady),
      photo_(std::move(photo)) {
  setObjectName("TOkiniAddForm");
  setWindowTitle(QStringLiteral("お気に入りへの追加"));
  const int clientHeight = grid.rows * 65 + 10;
  setFixedSize(kClientWidth, clientHeight);
  setFont(ProportionalGothic(12));
  PaintFormGreen(this);
  BuildControls(clientHeight, *owner);
  nameEdit_->setText(photo_.name);
  store_.AddDialogFolder = store_.CurrentFavouritesFolder;
  pane_->Rebuild();
  nameEdit_->setFocus();
}

void TOkiniAddForm::BuildControls(int clientHeight, QWidget& mainWindow) {
  const int panelHeight = clientHeight - 55;
  folderPnl_ = PlainPanel(this, "FolderPnl", QColor(192, 192, 192), {3, 2, 203, panelHeight});
  PlainPanel(folderPnl_, "SubFolderUePnl", Qt::white, {3, 3, 197, 6});
  auto* tree = new QTreeWidget(folderPnl_);
  tree->setObjectName("OAFolderTree");
  tree->setGeometry(3, 9, 197, panelHeight - 12);
  pane_ = new FavouritesFolderPane(
      {*this, mainWindow, store_, dialogs_, &favourites::FavouritesStore::AddDialogFolder,
       favourites::FolderMenuOwner::AddDialog, uiReady_, nullptr},
      *folderPnl_, *tree);
  connect(tree, &QTreeWidget::itemPressed, this, [this] { ketteiBtn_->setFocus(); });

  QPushButton* make =
      FormButton(this, "MakeBtn", QStringLiteral("フォルダ作成"), {135, clientHeight - 51, 71, 22});
  make->setFont(ProportionalGothic(11));
  connect(make, &QPushButton::clicked, pane_, &FavouritesFolderPane::MakeFolder);
  QLabel* nameLbl =
      WhiteText(this, QStringLiteral("お気に入り写真名"), 4, clientHeight - 37, "NameLbl");
  nameLbl->setFont(ProportionalGothic(12, true));
  nameLbl->adjustSize();
  nameEdit_ = new QLineEdit(this);
  nameEdit_->setObjectName("NameEdit");
  nameEdit_->setGeometry(3, clientHeight - 25, 118, 20);
  nameEdit_->setMaxLength(favourites::kMaxFavouriteNameChars);
  QPushButton* clear =
      FormButton(this, "ClearBtn", QStringLiteral("クリア"), {122, clientHeight - 25, 35, 21});
  connect(clear, &QPushButton::clicked, this, [this] {
    nameEdit_->clear();
    nameEdit_->setFocus();
  });
  ketteiBtn_ =
      FormButton(this, "KetteiBtn", QStringLiteral("決定"), {158, clientHeight - 26, 48, 23});
  ketteiBtn_->setDefault(true);
  connect(ketteiBtn_, &QPushButton::clicked, this, &TOkiniAddForm::Decide);
  for (QWidget* control : std::initializer_list<QWidget*>{make, nameEdit_, clear, ketteiBtn_}) {
    control->installEventFilter(this);
  }
}

void TOkiniAddForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  const QWidget* owner = parentWidget();
  if (owner == nullptr) return;
  const QRect main = owner->window()->frameGeometry();
  const QSize own = frameGeometry().isValid() ? frameGeometry().size() : size();
  move(main.left() + main.width() / 2 - own.width() / 2,
       main.top() + main.height() / 2 - own.height() / 2);
}

bool TOkiniAddForm::eventFilter(QObject* watched, QEvent* event) {
  if (IsUserInput(*event) && !uiReady_) return true;
  if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent&>(*event))) {
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

bool TOkiniAddForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) repaint();
  return QDialog::event(event);
}

void TOkiniAddForm::keyPressEvent(QKeyEvent* event) {
  if (!uiReady_) return;
  if (!HandleKey(*event)) QDialog::keyPressEvent(event);
}

bool TOkiniAddForm::HandleKey(const QKeyEvent& key) {
  const bool ctrl = key.modifiers().testFlag(Qt::ControlModifier);
  if (key.key() == Qt::Key_Escape || (ctrl && key.key() == Qt::Key_D)) {
    reject();
    return true;
  }
  if (nameEdit_->hasFocus()) {
    if (!IsEnter(key.key())) return false;
    Decide();
    return true;
  }
  switch (key.key()) {
    case Qt::Key_E:
    case Qt::Key_Up:
      pane_->Previous();
      return true;
    case Qt::Key_D:
    case Qt::Key_Down:
      pane_->Next();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      nameEdit_->setFocus();
      return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
      return true;
    default:
      return false;
  }
}

void TOkiniAddForm::Decide() {
  try {
    const auto outcome =
        favourites::AddShownPhoto(store_, nameEdit_->text(), photo_.folder, photo_.name);
    switch (outcome) {
      case favourites::AddOutcome::Added:
        accept();
        return;
      case favourites::AddOutcome::NameExists:
        dialogs_.Notice(favourites::NameExistsNotice());
        break;
    }
  } catch (const config::TextFileError& error) {
    ReportWriteFailure(error);
  }
  nameEdit_->setFocus();
}

void TOkiniAddForm::ReportWriteFailure(const std::exception& error) {
  // The path and the system's reason each get a line of their own.
  dialogs_.Notice(QString::fromStdString(error.what()).split(QStringLiteral(": ")));
}

void TOkiniAddForm::done(int result) {
  SwitchInputMethodOff();
  QDialog::done(result);
}

}  // namespace kasumori::ui
