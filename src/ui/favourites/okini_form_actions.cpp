// SPDX-License-Identifier: GPL-3.0-or-later
// What the favourites window does to favourites: opening one in the main window, moving one to
// another folder, and the operations on the selected ones from the keys and the pop-up menu.
#include "commands/menu_bindings.h"
#include "config/text_file.h"
#include "favourites/favourites_notices.h"
#include "ui/favourites/folder_pane.h"
#include "ui/favourites/okini_form.h"
#include "ui/library/rename_form.h"

#include <QFile>
#include <QMenu>

namespace kasumori::ui {

void TOkiniForm::BuildPopup() {
  popup_ = new QMenu(this);
  popup_->setObjectName("OkiniPop");
  auto entry = [this](const char* name, const QString& caption) {
    QAction* action = popup_->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
  };
  // The operations are the main window's entries of the same names: the command table says
  // what they are.
  for (const auto& [name, caption] :
       {std::pair{"DeleteMenu", QStringLiteral("選択写真をお気に入りから外す ［Del］")},
        std::pair{"RenameMenu", QStringLiteral("選択写真のお気に入り写真名を変更 ［Ｆ2］")},
        std::pair{"ThumbnailMenu", QStringLiteral("選択写真のサムネイルを更新 ［Ｆ5］")}}) {
    QAction* action = entry(name, caption);
    connect(action, &QAction::triggered, this, [this, action] {
      const auto bound = commands::MenuCommand(action->objectName());
      const auto request = bound ? favourites::RequestOf(bound->command) : std::nullopt;
      if (const auto* operation =
              request ? std::get_if<favourites::SelectionOperation>(&*request) : nullptr) {
        RunOperation(*operation, true);
      }
    });
  }
  popup_->addSeparator();
  connect(entry("AllSelectMenu", QStringLiteral("全てのサムネイルを選択する [Ctrl+A]")),
          &QAction::triggered, this, [this] { Redraw(page_->SelectPage(p_.store.Folder())); });
  connect(entry("AllKaijoMenu", QStringLiteral("全ての選択を解除する")), &QAction::triggered, this,
          [this] { Redraw(favourites::FavouritesPage::ClearSelection(p_.store.Folder())); });
  popup_->addSeparator();
  entry("CancelMenu", QStringLiteral("キャンセル"));
}

void TOkiniForm::OpenFavourite(int cell) {
  const favourites::FavouriteEntry* entry = page_->EntryInCell(p_.store.Folder(), cell);
  if (entry == nullptr) return;
  if (entry->PhotoPath.isEmpty() || !QFile::exists(entry->PhotoPath)) {
    p_.dialogs.Notice(favourites::MissingPhotoLines(entry->PhotoPath));
    return;
  }
  photoToOpen_ = entry->PhotoPath;
  done(kOpenFavourite);
}

void TOkiniForm::DropOnFolder(int cell, int node) {
  const int number = page_->EntryOfCell(cell);
  try {
    const auto outcome = p_.store.Move(number, pane_->Tree().nodes[node].path);
    if (outcome != favourites::MoveOutcome::Moved) {
      p_.dialogs.Notice(favourites::MoveRefusalLines(outcome));
      return;
    }
  } catch (const config::TextFileError& error) {
    ReportWriteFailure(error);
    return;
  }
  Redraw(favourites::PageChange::CellsForward);
}

void TOkiniForm::RunOperation(favourites::SelectionOperation operation, bool fromMenu) {
  const std::vector<int> selected = page_->SelectedOnPage(p_.store.Folder());
  if (selected.empty()) {
    if (fromMenu) p_.dialogs.Notice(favourites::NothingSelectedHint(operation));
    return;
  }
  try {
    switch (operation) {
      case favourites::SelectionOperation::Remove:
        return RemoveSelected(selected);
      case favourites::SelectionOperation::Rename:
        return RenameSelected(selected);
      case favourites::SelectionOperation::RenewThumbnails:
        return RenewSelected(selected);
    }
  } catch (const config::TextFileError& error) {
    ReportWriteFailure(error);
    // The store read its files back: show what they hold.
    FolderChanged();
  }
}

void TOkiniForm::RemoveSelected(const std::vector<int>& numbers) {
  QStringList names;
  for (int number : numbers) names << p_.store.Folder().Entry(number)->Name;
  if (!p_.dialogs.Confirm(favourites::RemoveConfirmationLines(names))) return;
  if (p_.store.RemoveSelected() == favourites::FolderLoadOutcome::MoreThan300) {
    p_.dialogs.Notice(favourites::MoreThan300Lines());
  }
  Redraw(favourites::PageChange::CellsForward);
}

void TOkiniForm::RenameSelected(const std::vector<int>& numbers) {
  // Each rename reorders the folder only once it is loaded again, so the numbers hold
  // throughout.
  bool renamed = false;
  for (int number : numbers) {
    const QString oldName = p_.store.Folder().Entry(number)->Name;
    TRenameForm form(this, p_.dialogs, oldName, FavouriteRenameTexts());
    if (form.exec() != QDialog::Accepted) continue;
    const auto outcome = p_.store.Rename(number, form.TypedName());
    if (outcome == favourites::RenameOutcome::Renamed) {
      renamed = true;
    } else if (const QStringList lines = favourites::RenameRefusalLines(outcome);
               !lines.isEmpty()) {
      p_.dialogs.Notice(lines);
    }
  }
  if (renamed) FolderChanged();
}

void TOkiniForm::RenewSelected(const std::vector<int>& numbers) {
  for (int number : numbers) {
    QFile::remove(p_.thumbnails.ThumbnailPath(number));
    favourites::FavouriteEntry& entry = *p_.store.Folder().Entry(number);
    entry.Loaded = false;
    entry.Failed = false;
  }
  Redraw(favourites::PageChange::CellsForward);
}

void TOkiniForm::AddShownPhoto() {
  if (!p_.uiReady) return;
  if (p_.photoShown()) {
    done(kAddShownPhoto);
    return;
  }
  p_.dialogs.Notice({QStringLiteral("現在、写真が表示されていません。"),
                     QStringLiteral("このボタンは、現在表示されている写真"),
                     QStringLiteral("を「お気に入り」に追加したいときに使います。")});
}

}  // namespace kasumori::ui
