// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop_entry.h"
#include "platform/linux_platform.h"
#include "shell/placement.h"
#include "support/scripted_dialog_service.h"
#include "support/temp_tree.h"

#include <QFile>

#include <gtest/gtest.h>

namespace kasumori::platform {
namespace {

TEST(InstanceMarker, FirstOwnerKeepsItUntilItEnds) {
  testkit::TempTree tree;
  const QString lock = tree.Path("Kasumori2");
  auto first = std::make_unique<FlockInstanceMarker>(lock);
  FlockInstanceMarker second(lock);
  EXPECT_TRUE(first->TryTake());
  EXPECT_TRUE(first->TryTake());
  EXPECT_FALSE(second.TryTake());
  first.reset();
  EXPECT_TRUE(second.TryTake()) << "the former owner has ended";
}

TEST(ScriptedDialogs, RecordsLinesAndAnswersCautiouslyByDefault) {
  ScriptedDialogService dialogs;
  dialogs.Line(3) = "left over";
  dialogs.Notice({"one", "two"});
  EXPECT_EQ(dialogs.LastText(), "one\ntwo");
  EXPECT_FALSE(dialogs.Confirm({"sure?"}));
  dialogs.Answer(1);
  EXPECT_TRUE(dialogs.Confirm({"sure?"}));
  dialogs.Choice(1) = "A";
  dialogs.Choice(2) = "B";
  dialogs.Answer(2);
  EXPECT_EQ(dialogs.AskChoice(0, 2), 2);
  EXPECT_EQ(dialogs.DialogResult, 2);
  dialogs.Answer(4);
  EXPECT_EQ(dialogs.AskChoice(0, 2), 0) << "a choice not offered is none";
  ASSERT_EQ(dialogs.Records().size(), 5u);
  EXPECT_EQ(dialogs.Records()[3].choices, QStringList({"A", "B"}));
}

TEST(Placement, DialogsAreCentredAndPulledOntoTheScreen) {
  const QSize screen(1280, 1024);
  struct Case {
    QRect owner;
    QSize dialog;
    QPoint expected;
  } cases[] = {
      {{100, 100, 400, 300}, {201, 101}, {200, 200}},   // integer halves truncate
      {{1100, 900, 400, 300}, {443, 100}, {837, 924}},  // right and bottom edges first
      {{-300, -200, 200, 100}, {443, 100}, {0, 0}},     // then left and top clamp to 0
      {{0, 0, 100, 100}, {1400, 1100}, {0, 0}},         // larger than the screen
  };
  for (const Case& c : cases) {
    EXPECT_EQ(shell::PlaceDialog(c.owner, c.dialog, screen), c.expected);
  }
}

TEST(Placement, MainWindowStaysOnTheScreen) {
  const QSize screen(1280, 1024), window(1024, 720);
  EXPECT_EQ(shell::ClampMainWindowPosition({500, 500}, window, screen), QPoint(256, 304));
  EXPECT_EQ(shell::ClampMainWindowPosition({-20, -30}, window, screen), QPoint(0, -4));
  EXPECT_EQ(shell::ClampMainWindowPosition({10, -3}, window, screen), QPoint(10, -3));
}

TEST(DesktopEntry, ExecFieldCodes) {
  EXPECT_EQ(ExpandExec("gimp-2.10 %U", "/p/a b.jpg"),
            QStringList({"gimp-2.10", "file:///p/a%20b.jpg"}));
  EXPECT_EQ(ExpandExec("\"/opt/my app/run\" --open %f %i", "/p/x.jpg"),
            QStringList({"/opt/my app/run", "--open", "/p/x.jpg"}));
  EXPECT_EQ(ExpandExec("viewer --title=100%%", "/p/x.jpg"),
            QStringList({"viewer", "--title=100%", "/p/x.jpg"}));
  testkit::TempTree tree;
  tree.File("v.desktop", "[Desktop Action x]\nExec=wrong\n[Desktop Entry]\nName=V\nExec=v %F\n");
  EXPECT_EQ(ProgramCommand(tree.Path("v.desktop"), "/p/x.jpg"), QStringList({"v", "/p/x.jpg"}));
  EXPECT_EQ(ProgramCommand("/usr/bin/v", "/p/x.jpg"), QStringList({"/usr/bin/v", "/p/x.jpg"}));
  tree.File("empty.desktop", "[Desktop Entry]\nName=E\n");
  EXPECT_TRUE(ProgramCommand(tree.Path("empty.desktop"), "/p/x.jpg").isEmpty());
}

}  // namespace
}  // namespace kasumori::platform

namespace kasumori::platform {
namespace {

// The trash lives in the data home; point it at a temporary folder for the test.
TEST(Trash, MovesTheFileIntoTheTrashAndReportsMissingFiles) {
  testkit::TempTree tree;
  const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", QFile::encodeName(tree.Path("data")));
  const QString photo = tree.File("photos/IMG_0001.jpg", "jpeg bytes");
  FreedesktopTrash trash;
  EXPECT_TRUE(trash.MoveToTrash(photo));
  EXPECT_FALSE(tree.Exists("photos/IMG_0001.jpg"));
  EXPECT_EQ(tree.Read("data/Trash/files/IMG_0001.jpg"), QByteArray("jpeg bytes"));
  EXPECT_FALSE(trash.MoveToTrash(photo)) << "a file that is gone is no success";
  if (oldDataHome.isEmpty()) {
    qunsetenv("XDG_DATA_HOME");
  } else {
    qputenv("XDG_DATA_HOME", oldDataHome);
  }
}

}  // namespace
}  // namespace kasumori::platform
