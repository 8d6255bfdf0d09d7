// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/favourites/store_fixture.h"
#include "favourites/favourite_keys.h"
#include "config/text_file.h"
#include "support/camera_jpeg.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <functional>
#include <utility>

namespace kasumori::favourites {
namespace {

using FavouriteStore = StoreFixture;

TEST_F(FavouriteStore, NewFoldersKeepTheFolderFileInDepthOrder) {
  for (const char* folder : {"Travel", "Travel\\2004", "Family", "Travel\\2004\\Spring"}) {
    const QString path = folder;
    EXPECT_EQ(store->CreateFolder(FolderOfKey(path), NameOfKey(path)),
              FolderCreateOutcome::Created);
  }
  EXPECT_EQ(store->CreateFolder("Family", "Kids"), FolderCreateOutcome::Created);
  EXPECT_EQ(store->CreateFolder("", "Zoo"), FolderCreateOutcome::Created);
  EXPECT_EQ(store->CreateFolder("Travel", "2004"), FolderCreateOutcome::Exists);
  EXPECT_EQ(store->CreateFolder("Travel", ""), FolderCreateOutcome::EmptyName);
  const QStringList expected = {"Zoo",          "Family",       "Travel",
                                "Family\\Kids", "Travel\\2004", "Travel\\2004\\Spring"};
  EXPECT_EQ(FileLines(kFolderListFile), expected);
  EXPECT_EQ(store->FolderList(), expected);
}

TEST_F(FavouriteStore, AFolderRenameMovesItsLinesAndKeysButNotTheSiblingWithTheSamePrefix) {
  WriteList(kFolderListFile, {"A", "AB", "A\\x", "AB\\x"});
  WriteList(kKeyListFile, {"A\\p.jpg", "A\\x\\p.jpg", "AB\\p.jpg", "AB\\x\\p.jpg", "p.jpg"});
  WriteList(kPathListFile, {"/1", "/2", "/3", "/4", "/5"});
  Reopen();
  store->CurrentFavouritesFolder = "A\\x";
  store->AddDialogFolder = "AB";
  store->LoadFolder("A");

  EXPECT_EQ(store->RenameFolder("A", "AB"), FolderRenameOutcome::Exists);
  EXPECT_EQ(store->RenameFolder("A", "A"), FolderRenameOutcome::Unchanged);
  EXPECT_EQ(store->RenameFolder("A", ""), FolderRenameOutcome::Unchanged);
  EXPECT_EQ(FileLines(kFolderListFile), QStringList({"A", "AB", "A\\x", "AB\\x"}));

  EXPECT_EQ(store->RenameFolder("A", "Z"), FolderRenameOutcome::Renamed);
  EXPECT_EQ(FileLines(kFolderListFile), QStringList({"Z", "AB", "Z\\x", "AB\\x"}));
  EXPECT_EQ(FileLines(kKeyListFile),
            QStringList({"Z\\p.jpg", "Z\\x\\p.jpg", "AB\\p.jpg", "AB\\x\\p.jpg", "p.jpg"}));
  EXPECT_EQ(FileLines(kPathListFile), QStringList({"/1", "/2", "/3", "/4", "/5"}));
  EXPECT_EQ(store->CurrentFavouritesFolder, "Z\\x");
  EXPECT_EQ(store->AddDialogFolder, "AB");
  EXPECT_EQ(store->Folder().Path, "Z");
}

TEST_F(FavouriteStore, KeysDifferInLetterCaseWhileNamesOrderWithoutIt) {
  for (const char* name : {"b.jpg", "A.jpg", "a.jpg"}) {
    EXPECT_EQ(store->Add("", name, QString("/p/") + name), AddOutcome::Added);
  }
  EXPECT_EQ(store->Add("", "a.jpg", "/p/other.jpg"), AddOutcome::NameExists);
  // A line break would split the favourite's line in two.
  EXPECT_THROW(store->Add("", "n.jpg", "/p/line\nbreak.jpg"), config::TextFileError);
  EXPECT_EQ(store->Add("F", "a.jpg", "/p/a.jpg"), AddOutcome::Added);
  EXPECT_EQ(store->HighlightKey, "F\\a.jpg");
  EXPECT_EQ(FileLines(kKeyListFile), QStringList({"b.jpg", "A.jpg", "a.jpg", "F\\a.jpg"}));
  EXPECT_EQ(FileLines(kPathListFile),
            QStringList({"/p/b.jpg", "/p/A.jpg", "/p/a.jpg", "/p/a.jpg"}));

  EXPECT_EQ(store->LoadFolder(""), FolderLoadOutcome::Loaded);
  EXPECT_EQ(LoadedNames(), QStringList({"A.jpg", "a.jpg", "b.jpg"}));
  EXPECT_EQ(store->Folder().Entry(2)->PhotoPath, "/p/a.jpg");
}

void SetModified(const QString& path, const QDateTime& time) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

TEST_F(FavouriteStore, OrdersByTheSettingsWithDescendingTurningKeyAndTieBreak) {
  const QDateTime early(QDate(2020, 1, 1), QTime(8, 0));
  const QDateTime late(QDate(2021, 1, 1), QTime(8, 0));
  struct Photo {
    const char* name;
    QByteArray exifDate;  // none: not a JPEG at all
    QDateTime modified;
  };
  const Photo photos[] = {{"b.jpg", "2026:01:01 00:00:00", late},
                          {"a.jpg", "2026:01:02 00:00:00", late},
                          {"c.jpg", "", early}};
  for (const Photo& photo : photos) {
    const QString path = tree.Path(QString("photos/") + photo.name);
    if (photo.exifDate.isEmpty()) {
      tree.File(QString("photos/") + photo.name, "plain");
    } else {
      QDir().mkpath(tree.Path("photos"));
      testkit::CameraShot shot;
      shot.dateTimeOriginal = photo.exifDate;
      ASSERT_TRUE(testkit::WriteCameraJpeg(path, 16, 16, shot));
    }
    SetModified(path, photo.modified);
    store->Add("", photo.name, path);
  }
  struct Case {
    int key, order;
    QStringList shown;
  };
  const Case cases[] = {
      {1, 1, {"a.jpg", "b.jpg", "c.jpg"}}, {1, 2, {"c.jpg", "b.jpg", "a.jpg"}},
      {2, 1, {"c.jpg", "a.jpg", "b.jpg"}}, {2, 0, {"b.jpg", "a.jpg", "c.jpg"}},
      {3, 1, {"b.jpg", "a.jpg", "c.jpg"}}, {3, 2, {"c.jpg", "a.jpg", "b.jpg"}},
      {9, 1, {"a.jpg", "b.jpg", "c.jpg"}},
  };
  for (const Case& c : cases) {
    settings.FavouritesSortKey = std::uint8_t(c.key);
    settings.FavouritesSortOrder = c.order;
    store->LoadFolder("");
    EXPECT_EQ(LoadedNames(), c.shown) << "key " << c.key << ", order " << c.order;
    EXPECT_EQ(store->Folder().Entry(1)->PhotoPath, tree.Path("photos/" + c.shown[0]));
  }
}

TEST_F(FavouriteStore, AFolderHoldsTheFirst300InFileOrderAndSaysWhenThereAreMore) {
  for (int count : {300, 301}) {
    QStringList keys;
    for (int i = 0; i < count; ++i) {
      keys << QString("F\\n%1.jpg").arg(count - i, 3, 10, QChar('0')) << QString("r%1.jpg").arg(i);
    }
    WriteList(kKeyListFile, keys);
    WriteList(kPathListFile, keys);
    Reopen();
    const FolderLoadOutcome outcome = store->LoadFolder("F");
    EXPECT_EQ(outcome, count > 300 ? FolderLoadOutcome::MoreThan300 : FolderLoadOutcome::Loaded);
    EXPECT_EQ(store->Folder().Outcome, outcome);
    ASSERT_EQ(store->Folder().Count, 300);
    // Ordered by name after the cut: with 301 the last line in the file, n001, is left out.
    EXPECT_EQ(LoadedNames().first(), count > 300 ? "n002.jpg" : "n001.jpg");
    EXPECT_EQ(LoadedNames().last(), QString("n%1.jpg").arg(count));
    EXPECT_EQ(store->Folder().Entry(301), nullptr);
  }
}

// Puts a folder where the file was: it can be neither written nor replaced.
void Block(const QString& path) {
  QFile::remove(path);
  QDir().mkpath(path);
}

TEST_F(FavouriteStore, AWriteThatFailsPartWayLosesNoFavourite) {
  const QStringList folderLines = {"F"};
  const QStringList keyLines = {"a.jpg", "F\\b.jpg", "c.jpg"};
  const QStringList pathLines = {"/p/a.jpg", "/p/b.jpg", "/p/c.jpg"};
  const std::pair<const char*, QStringList> original[] = {
      {kFolderListFile, folderLines}, {kKeyListFile, keyLines}, {kPathListFile, pathLines}};
  struct Case {
    const char* what;
    const char* blocked;
    std::function<void(FavouritesStore&)> change;
    QStringList keysAfter;  // what reads back once the blocked file is whole again
  };
  const Case cases[] = {
      {"add, keys fail after the paths", kKeyListFile,
       [](FavouritesStore& s) { s.Add("", "new.jpg", "/p/new.jpg"); }, keyLines},
      {"add, paths fail first", kPathListFile,
       [](FavouritesStore& s) { s.Add("", "new.jpg", "/p/new.jpg"); }, keyLines},
      {"remove, keys fail first", kKeyListFile, [](FavouritesStore& s) { s.RemoveSelected(); },
       keyLines},
      {"rename", kKeyListFile, [](FavouritesStore& s) { s.Rename(1, "z.jpg"); }, keyLines},
      {"folder rename, folders fail after the keys",
       kFolderListFile,
       [](FavouritesStore& s) { s.RenameFolder("F", "G"); },
       {"a.jpg", "G\\b.jpg", "c.jpg"}},
      {"folder create", kFolderListFile, [](FavouritesStore& s) { s.CreateFolder("", "H"); },
       keyLines},
  };
  for (const Case& c : cases) {
    for (const auto& [file, lines] : original) {
      QDir(tree.Path(QString("prog/") + file)).removeRecursively();
      WriteList(file, lines);
    }
    Reopen();
    store->LoadFolder("");
    store->Folder().Entry(1)->Selected = true;
    const QString blocked = tree.Path(QString("prog/") + c.blocked);
    Block(blocked);

    EXPECT_THROW(c.change(*store), config::TextFileError) << c.what;
    EXPECT_THROW(store->CreateFolder("", "X"), config::TextFileError)
        << c.what << ": files that cannot be read are not written over";
    // The failed file was written through a temporary file, so it is still whole.
    QDir(blocked).removeRecursively();
    for (const auto& [file, lines] : original) {
      if (qstrcmp(file, c.blocked) == 0) WriteList(file, lines);
    }
    Reopen();
    EXPECT_EQ(store->KeyList(), c.keysAfter) << c.what;
    EXPECT_EQ(store->PathList(), pathLines) << c.what;
    for (const QString& key : store->KeyList()) {
      const QString folder = FolderOfKey(key);
      EXPECT_TRUE(folder.isEmpty() || store->FolderList().contains(folder)) << c.what;
    }
  }
}

TEST_F(FavouriteStore, NothingIsWrittenOverFilesThatCouldNotBeRead) {
  WriteList(kPathListFile, {"/p/a.jpg"});
  Block(tree.Path(QString("prog/") + kKeyListFile));
  EXPECT_THROW(store->Load(), config::TextFileError);
  EXPECT_TRUE(store->KeyList().isEmpty());
  EXPECT_THROW(store->Add("", "new.jpg", "/p/new.jpg"), config::TextFileError);
  EXPECT_THROW(store->CreateFolder("", "F"), config::TextFileError);
  EXPECT_EQ(FileLines(kPathListFile), QStringList({"/p/a.jpg"}));
  EXPECT_FALSE(tree.Exists(QString("prog/") + kFolderListFile));
}

TEST_F(FavouriteStore, AProgramFolderThatCannotHoldFilesFailsTheFirstWrite) {
  folders.ProgramFolder = tree.File("not-a-folder");
  Reopen();
  EXPECT_THROW(store->Add("", "a.jpg", "/p/a.jpg"), config::TextFileError);
  EXPECT_TRUE(store->KeyList().isEmpty());
  EXPECT_TRUE(store->PathList().isEmpty());
}

TEST_F(FavouriteStore, UnequalKeyAndPathFilesPairByLineKeepingEveryKey) {
  struct Case {
    QStringList keys, paths, pairedPaths;
  };
  const Case cases[] = {
      {{"a.jpg", "b.jpg", "c.jpg"}, {"/a", "/b"}, {"/a", "/b", ""}},
      {{"a.jpg"}, {"/a", "/b", "/c"}, {"/a"}},
      {{}, {"/a"}, {}},
      {{"a.jpg", "b.jpg"}, {}, {"", ""}},
      // A removal stopped after emptying the key's line, and after writing the paths.
      {{"a.jpg", "", "c.jpg"}, {"/a", "/b", "/c"}, {"/a", "/c"}},
      {{"a.jpg", "", "c.jpg"}, {"/a", "/c"}, {"/a", "/c"}},
  };
  for (const Case& c : cases) {
    WriteList(kKeyListFile, c.keys);
    WriteList(kPathListFile, c.paths);
    Reopen();
    QStringList keys = c.keys;
    keys.removeAll(QString());
    EXPECT_EQ(store->KeyList(), keys);
    EXPECT_EQ(store->PathList(), c.pairedPaths);
    // The next change leaves the two files even.
    store->CreateFolder("", "F");
    EXPECT_EQ(FileLines(kKeyListFile), keys);
    EXPECT_EQ(FileLines(kPathListFile), c.pairedPaths);
    QFile::remove(tree.Path(QString("prog/") + kFolderListFile));
  }
  // A key that lost its path is a favourite whose photo is missing: shown, and removable.
  WriteList(kKeyListFile, {"a.jpg", "b.jpg"});
  WriteList(kPathListFile, {"/a"});
  Reopen();
  store->LoadFolder("");
  ASSERT_EQ(LoadedNames(), QStringList({"a.jpg", "b.jpg"}));
  EXPECT_EQ(store->Folder().Entry(2)->FileDateKey, library::kNoFileDate);
  Select("b.jpg");
  store->RemoveSelected();
  EXPECT_EQ(FileLines(kKeyListFile), QStringList({"a.jpg"}));
  EXPECT_EQ(FileLines(kPathListFile), QStringList({"/a"}));
}

TEST_F(FavouriteStore, FilesFromTheReferencePlatformReadAsCp932) {
  // "旅行\～写真.jpg" and "Ｄ：\写真\～.jpg" in CP932; "～" is where CP932 and Shift_JIS part.
  tree.File(QString("prog/") + kKeyListFile, "\x97\xb7\x8d\x73\\\x81\x60\x8e\xca\x90\x5e.jpg\r\n");
  tree.File(QString("prog/") + kFolderListFile, "\x97\xb7\x8d\x73\r\n");
  Reopen();
  EXPECT_EQ(store->FolderList(), QStringList({QString::fromUtf8("旅行")}));
  EXPECT_EQ(store->KeyList(), QStringList({QString::fromUtf8("旅行\\～写真.jpg")}));
  store->LoadFolder(QString::fromUtf8("旅行"));
  EXPECT_EQ(LoadedNames(), QStringList({QString::fromUtf8("～写真.jpg")}));
}

TEST_F(FavouriteStore, PhotoPathsFollowARenamedFolderOnDiskOnlyAtASlash) {
  WriteList(kKeyListFile, {"1", "2", "3", "4", "5", "6"});
  WriteList(kPathListFile,
            {"/d/A", "/d/A/x.jpg", "/d/A/x/y.jpg", "/d/AB/x.jpg", "/d/a/x.jpg", "/e/d/A/x.jpg"});
  // The store need not have read the files: the rename comes from the main window.
  store->RewritePhotoPaths("/d/A", "/d/Z");
  EXPECT_EQ(FileLines(kPathListFile), QStringList({"/d/Z", "/d/Z/x.jpg", "/d/Z/x/y.jpg",
                                                   "/d/AB/x.jpg", "/d/a/x.jpg", "/e/d/A/x.jpg"}));
  EXPECT_EQ(store->PathList(), FileLines(kPathListFile));
  EXPECT_EQ(FileLines(kKeyListFile), QStringList({"1", "2", "3", "4", "5", "6"}));
}

TEST_F(FavouriteStore, RemovingDeletesOnlyTheThumbnailsOfPhotosOutsideThePhotoFolders) {
  settings.PhotoFolder2 = tree.Folder("Photos");
  const QString inside = tree.File("photos/in.jpg");  // the slot's folder, other letter case
  const QString cached = tree.File("prog/Thumbnail/02/Photos/in_jpg.bmp");
  store->Add("F", "in.jpg", inside);
  store->Add("F", "out.jpg", tree.Path("elsewhere/out.jpg"));  // gone from the disk
  store->Add("F", "kept.jpg", tree.Path("elsewhere/kept.jpg"));
  const QString ownIn = tree.File("prog/Thumbnail/OK/F/in_jpg.bmp");
  const QString ownOut = tree.File("prog/Thumbnail/OK/F/out_jpg.bmp");
  const QString ownKept = tree.File("prog/Thumbnail/OK/F/kept_jpg.bmp");
  store->LoadFolder("F");
  Select("in.jpg");
  Select("out.jpg");

  EXPECT_EQ(store->RemoveSelected(), FolderLoadOutcome::Loaded);
  EXPECT_EQ(LoadedNames(), QStringList({"kept.jpg"}));
  EXPECT_EQ(FileLines(kKeyListFile), QStringList({"F\\kept.jpg"}));
  EXPECT_EQ(FileLines(kPathListFile), QStringList({tree.Path("elsewhere/kept.jpg")}));
  EXPECT_TRUE(QFile::exists(cached));
  EXPECT_TRUE(QFile::exists(ownIn));
  EXPECT_FALSE(QFile::exists(ownOut));
  EXPECT_TRUE(QFile::exists(ownKept));
}

TEST_F(FavouriteStore, RenameAndMoveRefuseNamesTakenAndChangeOnlyKeys) {
  WriteList(kKeyListFile, {"a.jpg", "b.jpg", "T\\a.jpg"});
  WriteList(kPathListFile, {"/a", "/b", "/ta"});
  Reopen();
  struct Case {
    std::function<int(FavouritesStore&)> change;
    int outcome;
    QStringList keys;
  };
  const Case cases[] = {
      {[](FavouritesStore& s) { return int(s.Rename(1, "b.jpg")); },
       int(RenameOutcome::NameExists),
       {"a.jpg", "b.jpg", "T\\a.jpg"}},
      {[](FavouritesStore& s) { return int(s.Rename(1, "a.jpg")); },
       int(RenameOutcome::Unchanged),
       {"a.jpg", "b.jpg", "T\\a.jpg"}},
      {[](FavouritesStore& s) { return int(s.Rename(1, "")); },
       int(RenameOutcome::Unchanged),
       {"a.jpg", "b.jpg", "T\\a.jpg"}},
      {[](FavouritesStore& s) { return int(s.Rename(1, "A.jpg")); },
       int(RenameOutcome::Renamed),
       {"A.jpg", "b.jpg", "T\\a.jpg"}},
      {[](FavouritesStore& s) { return int(s.Move(1, "")); },
       int(MoveOutcome::SameFolder),
       {"A.jpg", "b.jpg", "T\\a.jpg"}},
      {[](FavouritesStore& s) { return int(s.Move(2, "T")); },
       int(MoveOutcome::Moved),
       {"A.jpg", "T\\b.jpg", "T\\a.jpg"}},
      {[](FavouritesStore& s) { return int(s.Move(1, "T")); },
       int(MoveOutcome::Moved),
       {"T\\A.jpg", "T\\b.jpg", "T\\a.jpg"}},
  };
  for (const Case& c : cases) {
    store->LoadFolder("");
    EXPECT_EQ(c.change(*store), c.outcome) << c.keys.join(' ').toStdString();
    EXPECT_EQ(FileLines(kKeyListFile), c.keys);
    EXPECT_EQ(FileLines(kPathListFile), QStringList({"/a", "/b", "/ta"}));
  }
  store->LoadFolder("T");
  EXPECT_EQ(store->Move(1, ""), MoveOutcome::Moved);
  EXPECT_EQ(LoadedNames(), QStringList({"a.jpg", "b.jpg"}));  // loaded again after the move
  store->Add("", "a.jpg", "/a2");
  store->LoadFolder("");
  ASSERT_EQ(LoadedNames(), QStringList({"A.jpg", "a.jpg"}));
  EXPECT_EQ(store->Move(2, "T"), MoveOutcome::NameExists);
}

TEST_F(FavouriteStore, OnlyAnEmptyFolderWithoutSubFoldersIsDeleted) {
  WriteList(kFolderListFile, {"A", "AB", "C", "A\\x", "AB\\y"});
  WriteList(kKeyListFile, {"A\\x\\p.jpg", "AB\\y\\p.jpg", "C\\p.jpg"});
  WriteList(kPathListFile, {"/1", "/2", "/3"});
  Reopen();
  struct Case {
    QString folder;
    FolderDeleteOutcome outcome;
  };
  const Case cases[] = {{"", FolderDeleteOutcome::Root},
                        {"A", FolderDeleteOutcome::HasSubfolders},
                        {"C", FolderDeleteOutcome::HoldsFavourites},
                        {"A\\x", FolderDeleteOutcome::HoldsFavourites},
                        {"AB", FolderDeleteOutcome::HasSubfolders}};
  for (const Case& c : cases) EXPECT_EQ(store->DeleteFolder(c.folder), c.outcome);
  EXPECT_EQ(FileLines(kFolderListFile), QStringList({"A", "AB", "C", "A\\x", "AB\\y"}));
  WriteList(kKeyListFile, {"AB\\y\\p.jpg"});
  WriteList(kPathListFile, {"/1"});
  Reopen();
  EXPECT_EQ(store->DeleteFolder("A\\x"), FolderDeleteOutcome::Deleted);
  EXPECT_EQ(store->DeleteFolder("A"), FolderDeleteOutcome::Deleted);
  EXPECT_EQ(FileLines(kFolderListFile), QStringList({"AB", "C", "AB\\y"}));
  // A favourite whose folder has no line (a folder rename cut short) gets the line back, so the
  // tree reaches it and its folder is not deleted from under it.
  WriteList(kKeyListFile, {"A\\x2\\p.jpg"});
  Reopen();
  EXPECT_TRUE(store->FolderList().contains("A\\x2"));
}

}  // namespace
}  // namespace kasumori::favourites
