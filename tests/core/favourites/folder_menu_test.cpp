// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/favourites/store_fixture.h"
#include "favourites/folder_menu.h"

namespace kasumori::favourites {
namespace {

using FolderMenu = StoreFixture;

// Each answer: does the window close, and the first line of its notice ("" for none).
TEST_F(FolderMenu, RefusalsKeepTheWindowOpenWithTheirNotice) {
  WriteList(kFolderListFile, {"A", "B", "A\\C"});
  WriteList(kKeyListFile, {"B\\p.jpg"});
  WriteList(kPathListFile, {"/p.jpg"});
  Reopen();
  QString made;
  const struct {
    const char* what;
    FolderMenuAnswer answer;
    bool done;
    QString firstLine;
  } cases[] = {
      {"a slash", RenameFavouritesFolder(*store, "A", "x/y"), false,
       QStringLiteral("フォルダ名に「\\/:*?\"<>|」の文字は使用できません。")},
      {"an empty name", RenameFavouritesFolder(*store, "A\\C", ""), false, ""},
      {"a sibling's name", RenameFavouritesFolder(*store, "A", "B"), false,
       QStringLiteral("フォルダ名「B」は")},
      {"favourites inside", DeleteFavouritesFolder(*store, "B", FolderMenuOwner::AddDialog), false,
       QStringLiteral("お気に入り写真が「空のフォルダ」のみ削除できます。")},
      {"a sub-folder", DeleteFavouritesFolder(*store, "A", FolderMenuOwner::FavouritesWindow),
       false, QStringLiteral("「サブフォルダが作られていないフォルダ」のみ")},
      {"a new folder", MakeNewFavouritesFolder(*store, "A", made), true, ""},
      {"a second new folder", MakeNewFavouritesFolder(*store, "A", made), false,
       QStringLiteral("フォルダ名「新しいフォルダ」が")},
      {"its own name", RenameFavouritesFolder(*store, "A\\C", "C"), true, ""},
      {"an empty folder", DeleteFavouritesFolder(*store, "A\\C", FolderMenuOwner::AddDialog), true,
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.answer.done, c.done);
    EXPECT_EQ(c.answer.notice.value(0), c.firstLine);
  }
  EXPECT_EQ(made, "A\\新しいフォルダ");
  EXPECT_EQ(FileLines(kFolderListFile), (QStringList{"A", "B", "A\\新しいフォルダ"}));
  // The two windows explain a folder with favourites in their own way.
  EXPECT_EQ(cases[3].answer.notice.size(), 5);
  EXPECT_EQ(DeleteFavouritesFolder(*store, "B", FolderMenuOwner::FavouritesWindow).notice.size(),
            4);
}

}  // namespace
}  // namespace kasumori::favourites
