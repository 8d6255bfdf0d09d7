// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer's three dialogs on their own: Esc in the progress window, the help window making
// way for the camera settings, the selected folder's friendly name, and dialogs kept on the
// screen however near its edge the main window stands.
#include "ui/transfer/tensou2_form.h"
#include "ui/transfer/tensou_form.h"
#include "ui/transfer/tensou_set_form.h"

#include "support/fake_platform.h"
#include "support/faulty_file_system.h"
#include "support/manual_clock.h"
#include "support/scripted_dialog_service.h"
#include "support/temp_tree.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include <memory>

#include <gtest/gtest.h>

namespace kasumori::ui {
namespace {

using transfer::TransferMode;

class TransferDialogsTest : public ::testing::Test {
 protected:
  transfer::TransferJob Job() const {
    transfer::TransferJob job;
    job.mode = TransferMode::FromCamera;
    job.sourceFolder = card;
    job.targetFolder = pc;
    job.options = {false, true, false};
    return job;
  }
  library::FileOpsContext Files() { return {fs, trash, dialogs, folders, tree.Path("Thumbnail")}; }
  QStringList Copied() const { return QDir(pc).entryList(QDir::Files | QDir::Hidden); }

  // Where the keys go once the window is active, as the window manager would have it.
  static QWidget* Focus(QWidget& window) {
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    QWidget* focus = QApplication::focusWidget();
    EXPECT_TRUE(focus != nullptr && window.isAncestorOf(focus));
    return focus;
  }

  testkit::TempTree tree;
  QString card = tree.Folder("card");
  QString pc = tree.Folder("pc");
  library::fileops_testing::FaultyFileSystem fs;
  library::fileops_testing::FakeTrash trash;
  platform::ScriptedDialogService dialogs;
  library::FolderState folders;
  testkit::ManualClock clock;
};

class EscTest : public TransferDialogsTest, public ::testing::WithParamInterface<int> {};

// Each tick of the copy timer handles one file; Esc after some of them copies no further one.
TEST_P(EscTest, EscClosesTheProgressWindowAndCopiesNoFurtherFile) {
  for (const char* name : {"A.JPG", "B.JPG", "C.JPG"}) tree.File(QString("card/") + name, name);
  TTensou2Form progress(nullptr, Files(), Job(), {clock.NewTimer(), clock.NewTimer()});
  progress.show();
  QWidget* focus = Focus(progress);
  ASSERT_NE(focus, nullptr);
  const int ticks = GetParam();
  clock.Advance(ticks);
  ASSERT_EQ(Copied().size(), ticks);
  QTest::keyClick(focus, Qt::Key_Escape);
  EXPECT_FALSE(progress.isVisible());
  EXPECT_EQ(progress.result(), QDialog::Rejected);
  EXPECT_FALSE(progress.Engine().Running());
  clock.RunOut();
  QCoreApplication::processEvents();
  EXPECT_EQ(Copied().size(), ticks);
  EXPECT_EQ(progress.Engine().Handled(), ticks);
  EXPECT_EQ(progress.result(), QDialog::Rejected);
  EXPECT_TRUE(dialogs.Records().empty());
}

INSTANTIATE_TEST_SUITE_P(AfterTicks, EscTest, ::testing::Values(0, 1, 2));

TEST_F(TransferDialogsTest, AnOpenHelpWindowMakesWayForTheCameraSettingsAndComesBack) {
  QWidget help;
  help.show();
  testkit::FakePicker picker;
  config::Settings settings;
  TTensouSetForm dialog(nullptr, settings, picker, &help);
  EXPECT_FALSE(help.isVisible());
  dialog.show();
  Focus(dialog);
  EXPECT_TRUE(help.isVisible());
  // Whatever the window system did with the help window, the keys go to the dialog.
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
  help.hide();
  dialog.reject();
  EXPECT_TRUE(help.isVisible());
}

TEST_F(TransferDialogsTest, AClosedHelpWindowStaysClosed) {
  QWidget help;
  testkit::FakePicker picker;
  config::Settings settings;
  TTensouSetForm dialog(nullptr, settings, picker, &help);
  dialog.show();
  Focus(dialog);
  dialog.accept();
  EXPECT_FALSE(help.isVisible());
}

struct FriendlyCase {
  const char* name;
  const char* folder;  // below the home folder of the case
  const char* shown;
};

class FriendlyNameTest : public ::testing::TestWithParam<FriendlyCase> {};

TEST_P(FriendlyNameTest, TheSelectedFolderIsShownByItsFriendlyName) {
  const library::FriendlyFolders own{"/home/u/Pictures", "/home/u/Documents", "/home/u/Desktop"};
  const QString folder = QString("/home/u/") + GetParam().folder;
  TTensouForm fromCamera(nullptr, TransferMode::FromCamera, "EOS", folder, {}, own);
  EXPECT_EQ(fromCamera.findChild<QLabel*>("TensouLbl2")->text(),
            QString("「%1」へ").arg(GetParam().shown));
  TTensouForm toCamera(nullptr, TransferMode::ToCamera, "EOS", folder, {}, own);
  EXPECT_EQ(toCamera.findChild<QLabel*>("TensouLbl1")->text(),
            QString("「%1」から").arg(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FriendlyNameTest,
    ::testing::Values(FriendlyCase{"Pictures", "Pictures/2004", "マイ ピクチャ/2004"},
                      FriendlyCase{"PicturesItself", "Pictures", "マイ ピクチャ"},
                      FriendlyCase{"Documents", "Documents/trip", "マイ ドキュメント/trip"},
                      FriendlyCase{"Desktop", "Desktop/new", "デスクトップ/new"},
                      FriendlyCase{"Elsewhere", "photos", "/home/u/photos"}),
    [](const auto& info) { return std::string(info.param.name); });

// The main window in the screen's bottom right corner would put a centred dialog half off it.
class OnScreenTest : public TransferDialogsTest, public ::testing::WithParamInterface<const char*> {
 protected:
  std::unique_ptr<QDialog> Make(QWidget& owner) {
    const std::string which = GetParam();
    if (which == "TTensouForm") {
      return std::make_unique<TTensouForm>(&owner, TransferMode::FromCamera, "EOS", pc,
                                           transfer::TransferOptions{}, library::FriendlyFolders{});
    }
    if (which == "TTensouSetForm") {
      return std::make_unique<TTensouSetForm>(&owner, settings, picker);
    }
    return std::make_unique<TTensou2Form>(
        &owner, Files(), Job(), TTensou2Form::Tickers{clock.NewTimer(), clock.NewTimer()});
  }
  testkit::FakePicker picker;
  config::Settings settings;
};

TEST_P(OnScreenTest, ADialogOfAWindowAtTheScreensCornerStaysOnTheScreen) {
  QWidget owner;
  const QRect screen = owner.screen()->geometry();
  owner.setGeometry(screen.right() - 150, screen.bottom() - 80, 140, 70);
  owner.show();
  const std::unique_ptr<QDialog> dialog = Make(owner);
  dialog->show();
  const QRect frame = dialog->frameGeometry();
  EXPECT_EQ(dialog->objectName(), GetParam());
  EXPECT_GE(frame.left(), screen.left());
  EXPECT_GE(frame.top(), screen.top());
  EXPECT_LE(frame.right(), screen.right());
  EXPECT_LE(frame.bottom(), screen.bottom());
  dialog->reject();
}

INSTANTIATE_TEST_SUITE_P(Dialogs, OnScreenTest,
                         ::testing::Values("TTensouForm", "TTensouSetForm", "TTensou2Form"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace kasumori::ui
