// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/shell_session.h"

#include "config/text_file.h"
#include "support/fake_platform.h"
#include "support/scripted_dialog_service.h"
#include "support/temp_tree.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace kasumori::shell {
namespace {

class ShellSessionTest : public ::testing::Test {
 protected:
  ShellSessionTest() : special(tree.Path("home")), clock(QDate(2026, 12, 9)) {
    programFolder = tree.Folder("program");
    tree.Folder("home/Pictures");
  }

  std::unique_ptr<ShellSession> Start() {
    auto session = std::make_unique<ShellSession>(ShellServices{special, marker, clock, dialogs},
                                                  programFolder, QString());
    session->Create(QSize(1280, 1024), QSize(1024, 700));
    return session;
  }

  testkit::TempTree tree;
  QString programFolder;
  testkit::FakeSpecialFolders special;
  testkit::FakeMarker marker;
  testkit::FixedClock clock;
  platform::ScriptedDialogService dialogs;
};

TEST_F(ShellSessionTest, FirstStartCreatesFoldersAndWritesDefaults) {
  auto session = Start();
  EXPECT_TRUE(session->FirstRun);
  EXPECT_EQ(session->StartDate, QDate(2026, 12, 9));
  for (const char* folder : {"Temp", "Thumbnail/01", "Thumbnail/02", "Thumbnail/03"}) {
    EXPECT_TRUE(QFileInfo(programFolder + '/' + folder).isDir()) << folder;
  }
  const QStringList lines = *config::ReadTextLines(programFolder + "/Kasumori2-ini.dat");
  ASSERT_EQ(lines.size(), 54);
  EXPECT_EQ(lines[0], QString::number(640 - 512));
  EXPECT_EQ(lines[1], QString::number(500 - 350));
  EXPECT_EQ(lines[2], tree.Path("home/Pictures"));
  EXPECT_EQ(lines[6], "3");
  EXPECT_TRUE(tree.Read("program/Kasumori2-ini.dat").endsWith("1\r\n"));
}

TEST_F(ShellSessionTest, FirstRunNoticeOnceAfterActivation) {
  auto session = Start();
  EXPECT_FALSE(session->ShowFirstRunNoticeIfDue()) << "not before activation";
  session->Activated = true;
  EXPECT_TRUE(session->ShowFirstRunNoticeIfDue());
  EXPECT_FALSE(session->ShowFirstRunNoticeIfDue());
  ASSERT_EQ(dialogs.Records().size(), 1u);
  const QStringList& lines = dialogs.Records()[0].lines;
  ASSERT_EQ(lines.size(), 12);
  EXPECT_EQ(lines[0], "こんにちは。");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[7], "キーボードでも操作できます。（『F1』キーで操作表表示）");
  EXPECT_EQ(lines[11], "写真をより楽しんでいただけたら幸いです。");

  session->Shutdown(QPoint(3, 4));
  auto second = Start();
  EXPECT_FALSE(second->FirstRun);
  EXPECT_EQ(second->settings().WindowLeft, 3);
  EXPECT_EQ(second->settings().WindowTop, 4);
}

TEST_F(ShellSessionTest, SecondInstanceIsOffsetAndLeavesTempAlone) {
  Start()->Shutdown(QPoint(100, 50));
  tree.File("program/Temp/extracted.jpg");

  marker.otherInstanceRuns = true;
  auto second = Start();
  EXPECT_TRUE(second->SecondInstance);
  EXPECT_EQ(second->settings().WindowLeft, 132);
  EXPECT_EQ(second->settings().WindowTop, 82);
  second->Shutdown(QPoint(132, 82));
  EXPECT_TRUE(tree.Exists("program/Temp/extracted.jpg"));

  marker.otherInstanceRuns = false;
  Start()->Shutdown(QPoint(100, 50));
  EXPECT_FALSE(tree.Exists("program/Temp/extracted.jpg"));
  EXPECT_TRUE(tree.Exists("program/Temp"));
}

TEST_F(ShellSessionTest, DamagedSettingsStartCleanly) {
  tree.File("program/Kasumori2-ini.dat", "1\r\nabc\r\n");
  auto session = Start();
  EXPECT_FALSE(session->FirstRun);
  EXPECT_EQ(session->settings().WindowLeft, 1);
  EXPECT_EQ(session->settings().WindowTop, 500 - 350);
  EXPECT_EQ(session->settings().WindowSizeMode, config::WindowSizeMode::Size800);
  session->Shutdown(QPoint(1, 2));
  EXPECT_EQ(config::ReadTextLines(programFolder + "/Kasumori2-ini.dat")->size(), 54);
}

TEST_F(ShellSessionTest, UnwritableProgramFolderMovesDataToTheDataHome) {
  const config::DataFolders folders =
      config::ResolveDataFolders(programFolder, special, [](const QString&) { return false; });
  EXPECT_EQ(folders.ProgramFolder, tree.Path("home/.local/share/Kasumori2"));
  EXPECT_EQ(folders.ResourceFolder, programFolder);
  EXPECT_EQ(folders.TempFolder, folders.ProgramFolder + "/Temp");
  EXPECT_EQ(folders.CommonProgramsFolder, folders.ProgramsFolder);
  EXPECT_TRUE(QFileInfo(folders.ProgramFolder).isDir());
  EXPECT_TRUE(config::CanCreateFilesIn(programFolder));
  EXPECT_FALSE(config::CanCreateFilesIn(tree.Path("missing")));
}

TEST_F(ShellSessionTest, ShutdownCleansTheCacheOncePerMonth) {
  Start()->Shutdown(QPoint());
  tree.File("program/Thumbnail/02/OldRoot/A_jpg.bmp");
  auto session = Start();
  EXPECT_EQ(session->settings().LastCacheCleanMonth, "202612");
  session->Shutdown(QPoint());
  EXPECT_TRUE(tree.Exists("program/Thumbnail/02/OldRoot/A_jpg.bmp")) << "cleaned this month";

  clock.date = QDate(2027, 1, 2);
  Start()->Shutdown(QPoint());
  EXPECT_FALSE(tree.Exists("program/Thumbnail/02/OldRoot"));
  EXPECT_EQ((*config::ReadTextLines(programFolder + "/Kasumori2-ini.dat"))[31], "202701");
}

}  // namespace
}  // namespace kasumori::shell
