// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/file_commands.h"

#include "support/camera_jpeg.h"
#include "support/fake_platform.h"
#include "support/scripted_dialog_service.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

namespace kasumori::shell {
namespace {

// The window as the commands see it: each call is written down, in order.
struct RecordingScreen final : PhotoScreen {
  explicit RecordingScreen(const library::PhotoList& list) : list(list) {}
  display::ShownPhoto& Shown() override { return shown; }
  bool PanoramaShown() const override { return false; }
  void ClearDisplay() override {
    calls << "clear";
    shown = {};
  }
  void RedrawStrip() override { calls << "strip"; }
  void ShowPhoto(int n) override {
    calls << QString("show %1 %2").arg(n).arg(n >= 1 && n <= list.PhotoCount ? list.Name(n) : "?");
  }
  void HideNameTag() override { calls << "hide tag"; }
  void ShowNameLabels(const display::NameLabels& l) override {
    calls << "labels " + l.FileName + ' ' + l.Extension;
  }
  void ShowPhotoByPath(const QString& path) override { calls << "open " + path; }
  std::optional<QString> AskNewName(const QString& current) override {
    calls << "ask " + current;
    return typedName;
  }

  const library::PhotoList& list;
  display::ShownPhoto shown;
  std::optional<QString> typedName;
  QStringList calls;
};

// A program over a temporary home whose slot 1 holds the given photos, listed, with the one at
// `position` shown and under the cursor.
struct Stage {
  Stage(const QStringList& photos, int position) {
    model.Create(QSize(1280, 1024), QSize(1024, 700));
    for (int i = 0; i < photos.size(); ++i) {
      EXPECT_TRUE(testkit::WriteCameraJpeg(slot + '/' + photos[i], 16, 12, {}, i));
    }
    model.settings().PhotoFolder(1) = slot;
    library::FolderState& folders = model.Folders();
    folders.CurrentSlot = 1;
    folders.CurrentFolder = folders.SlotFolder() = slot;
    lists.ScanFolder();
    model.List().CurrentIndex = folders.SlotPositionOfCurrent() = position;
    screen.shown = display::PlainShownPhoto(photos[position - 1], slot, 1, position, 0);
  }

  // The listed names, the one under the cursor starred.
  QString Listing() {
    const library::PhotoList& list = model.List();
    QStringList names;
    for (int p = 1; p <= list.PhotoCount; ++p) {
      names << (p == list.CurrentIndex ? "*" : "") + list.Name(p);
    }
    return names.join(' ');
  }
  QString Calls() const { return screen.calls.join(", "); }
  bool SlotKeepsTheCursor() {
    return model.Folders().SlotPositionOfCurrent() == model.List().CurrentIndex;
  }

  testkit::TempTree tree;
  QString slot = tree.Folder("photos");
  testkit::FakeSpecialFolders special{tree.Path("home")};
  testkit::FakeMarker marker;
  testkit::FixedClock clock{QDate(2026, 12, 9)};
  platform::ScriptedDialogService dialogs;
  testkit::FolderTrash trash{tree.Path("trash")};
  testkit::FakePicker picker;
  testkit::FakeShellOpen shellOpen;
  AppModel model{{dialogs, special, marker, clock, picker, trash, shellOpen},
                 tree.Folder("program"),
                 QString()};
  library::PhotoListController lists{model.List(), model.settings(), model.Folders(),
                                     model.Extensions(), dialogs};
  RecordingScreen screen{model.List()};
  FileCommands commands{model, lists, screen};
};

const QStringList kThree = {"a.jpg", "b.jpg", "c.jpg"};

TEST(FileCommandsTest, DeleteShowsThePhotoNowAtTheCursor) {
  struct Case {
    QStringList photos;
    int position;
    int answer;  // to the confirmation: 1 yes, 2 no
    QString calls, listing;
  };
  const Case cases[] = {
      {kThree, 2, 1, "hide tag, clear, strip, show 2 c.jpg", "a.jpg *c.jpg"},
      {kThree, 2, 2, "hide tag", "a.jpg *b.jpg c.jpg"},
      {kThree, 3, 1, "hide tag, clear, strip, show 2 b.jpg", "a.jpg *b.jpg"},
      {{"a.jpg"}, 1, 1, "hide tag, clear, strip", ""},
  };
  for (const Case& c : cases) {
    Stage s(c.photos, c.position);
    const QString shown = c.photos[c.position - 1];
    SCOPED_TRACE((shown + " of " + c.photos.join(u',')).toStdString());
    s.dialogs.Answer(c.answer);
    s.commands.DeleteShownPhoto();
    EXPECT_EQ(s.Calls(), c.calls);
    EXPECT_EQ(s.Listing(), c.listing);
    EXPECT_TRUE(s.SlotKeepsTheCursor());
    ASSERT_EQ(s.dialogs.Records().size(), 1u);
    EXPECT_TRUE(s.dialogs.Text(0).contains(shown));
    EXPECT_EQ(s.tree.Exists("trash/" + shown), c.answer == 1);
    EXPECT_EQ(s.tree.Exists("photos/" + shown), c.answer != 1);
  }
}

TEST(FileCommandsTest, RenameRescansTheListedFolderOnly) {
  struct Case {
    int position;
    std::optional<QString> typed;
    QString calls, listing, shownName;
  };
  // The cursor steps past a renamed photo that stays under it, as after a deletion.
  const Case cases[] = {
      {3, "d", "hide tag, ask c.jpg, labels d .jpg, strip, show 3 d.jpg", "a.jpg b.jpg *d.jpg",
       "d.jpg"},
      {2, "bb.jpg", "hide tag, ask b.jpg, labels bb .jpg, strip, show 3 c.jpg",
       "a.jpg bb.jpg *c.jpg", "bb.jpg"},
      {1, "z.jpg", "hide tag, ask a.jpg, labels z .jpg, strip, show 1 b.jpg", "*b.jpg c.jpg z.jpg",
       "z.jpg"},
      {2, std::nullopt, "hide tag, ask b.jpg", "a.jpg *b.jpg c.jpg", "b.jpg"},
  };
  for (const Case& c : cases) {
    Stage s(kThree, c.position);
    SCOPED_TRACE(c.typed.value_or("(cancelled)").toStdString());
    s.screen.typedName = c.typed;
    s.commands.RenameShownPhoto();
    EXPECT_EQ(s.Calls(), c.calls);
    EXPECT_EQ(s.Listing(), c.listing);
    EXPECT_EQ(s.screen.shown.Name, c.shownName);
    EXPECT_TRUE(s.tree.Exists("photos/" + c.shownName));
    EXPECT_TRUE(s.dialogs.Records().empty()) << s.dialogs.LastText().toStdString();
  }

  Stage s(kThree, 2);
  const QString other = s.tree.Folder("other");
  ASSERT_TRUE(testkit::WriteCameraJpeg(other + "/x.jpg", 16, 12, {}));
  s.screen.shown = display::PlainShownPhoto("x.jpg", other, 0, 0, 0);
  s.screen.typedName = "y";
  s.commands.RenameShownPhoto();
  EXPECT_EQ(s.Calls(), "hide tag, ask x.jpg, labels y .jpg");
  EXPECT_EQ(s.screen.shown.Name, "y.jpg");
  EXPECT_TRUE(s.tree.Exists("other/y.jpg"));
  EXPECT_EQ(s.Listing(), "a.jpg *b.jpg c.jpg");
}

// Disabled until the rename stores the cursor it moved on in the slot, as the deletion does:
// switching to another slot and back would bring the cursor back to the renamed photo.
TEST(FileCommandsTest, RenameLeavesTheSlotRememberingTheCursor) {
  Stage s(kThree, 2);
  s.screen.typedName = "bb.jpg";
  s.commands.RenameShownPhoto();
  EXPECT_EQ(s.Listing(), "a.jpg bb.jpg *c.jpg");
  EXPECT_TRUE(s.SlotKeepsTheCursor());
}

TEST(FileCommandsTest, DropOnAFolderClearsTheDisplayOnlyWhenTheShownPhotoLeaves) {
  using enum library::DragSource;
  struct Case {
    library::DragSource from;
    QString dropped, calls, listing;
  };
  // b.jpg is shown; the cursor keeps its place in the shorter list.
  const Case cases[] = {
      {Strip, "a.jpg", "strip", "b.jpg *c.jpg"},
      {Strip, "b.jpg", "clear, strip", "a.jpg *c.jpg"},
      {PhotoView, "b.jpg", "clear, strip, show 2 c.jpg", "a.jpg *c.jpg"},
  };
  for (const Case& c : cases) {
    Stage s(kThree, 2);
    SCOPED_TRACE((c.dropped + (c.from == Strip ? " from the strip" : "")).toStdString());
    s.commands.MoveDroppedPhoto(s.slot + '/' + c.dropped, s.tree.Folder("photos/sub"), c.from);
    EXPECT_EQ(s.Calls(), c.calls);
    EXPECT_EQ(s.Listing(), c.listing);
    EXPECT_TRUE(s.SlotKeepsTheCursor());
    EXPECT_TRUE(s.tree.Exists("photos/sub/" + c.dropped));
    EXPECT_EQ(s.screen.shown.Shown(), c.dropped != "b.jpg");
  }
}

TEST(FileCommandsTest, ARecordWithoutItsPhotoIsTrashedOrFollowsThePhotoChosen) {
  for (const bool relocate : {false, true}) {
    SCOPED_TRACE(relocate ? "relocated" : "trashed");
    Stage s(kThree, 2);
    s.tree.File("photos/gone_jpg-001.ksm", "record");
    const QString found = s.tree.File("photos/later/found.jpg", "photo");
    s.lists.ScanFolder();
    s.model.List().CurrentIndex = 2;
    s.screen.calls.clear();
    s.dialogs.Answer(relocate ? 1 : 2);
    if (relocate) s.picker.answers << found;
    if (!relocate) s.dialogs.Answer(1);
    s.commands.ResolveMissingSource({4, s.slot + "/gone_jpg-001.ksm", s.slot + "/gone.jpg"});
    if (relocate) {
      EXPECT_EQ(s.Calls(), "open " + s.slot + "/later/found_jpg-001.ksm");
      EXPECT_EQ(s.tree.Read("photos/later/found_jpg-001.ksm"), "record");
    } else {
      EXPECT_EQ(s.Calls(), "clear, strip, show 2 b.jpg");
      EXPECT_TRUE(s.tree.Exists("trash/gone_jpg-001.ksm"));
    }
    EXPECT_FALSE(s.tree.Exists("photos/gone_jpg-001.ksm"));
  }
}

}  // namespace
}  // namespace kasumori::shell
