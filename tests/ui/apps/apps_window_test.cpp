// SPDX-License-Identifier: GPL-3.0-or-later
// The other applications and the help from the main window's menus and keys, with the
// desktop's shell replaced by a recorder.
#include "ui/apps/help_form.h"
#include "ui/common/view_image.h"
#include "ui/library/photo_moves_fixture.h"
#include "ui/thumbs/thumb_strip.h"
#include "ui/thumbs/wide_thumb_form.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>

namespace kasumori::ui {
namespace {

class AppsWindowTest : public PhotoMovesWindowTest {
 protected:
  AppsWindowTest() {
    // The shipped texts, as they lie beside the program.
    QDir().mkpath(program + "/Ksmdat");
    for (const char* text : {"Hajimete", "Keybord", "Chuui", "Hosoku"}) {
      const QString below = QString("Ksmdat/%1.txt").arg(text);
      QFile::copy(QStringLiteral(KASUMORI_DATA_DIR) + '/' + below, program + '/' + below);
    }
    editor = tree.File("home/.local/share/applications/editor.desktop",
                       "[Desktop Entry]\nName=Editor\nName[ja]=画像エディタ\nExec=editor %f\n");
  }
  // The main window showing the photo given on its command line, the first-run notice gone.
  std::unique_ptr<TMainForm> OpenShowing(const QString& path) {
    auto form = Start(path);
    dialogs.Clear();
    return form;
  }
  static void Trigger(TMainForm& form, const char* entry) {
    auto* action = form.findChild<QAction*>(entry);
    ASSERT_NE(action, nullptr) << entry;
    ASSERT_TRUE(action->isEnabled()) << entry;
    action->trigger();
    QCoreApplication::processEvents();
  }
  static void PressKey(QWidget& window, Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &window, key);
    QCoreApplication::processEvents();
  }
  static THelpForm& Help(TMainForm& form) { return *form.findChild<THelpForm*>("THelpForm"); }
  static QString HelpHeading(TMainForm& form) {
    return Help(form).findChild<QLabel*>("HelpLbl")->text();
  }
  static QPlainTextEdit& HelpMem(TMainForm& form) {
    return *Help(form).findChild<QPlainTextEdit*>("HelpMem");
  }
  QString ProgramText(const char* file) const {
    QFile text(program + "/Ksmdat/" + file);
    text.open(QIODevice::ReadOnly);
    return QString::fromUtf8(text.readAll()).trimmed();
  }

  QString editor;
};

TEST_F(AppsWindowTest, TheApplicationEntriesOfBothMenusAlwaysHaveCaptions) {
  auto form = Open();
  for (const char* prefix : {"", "M"}) {
    for (int slot = 1; slot <= 3; ++slot) {
      const QString name = QString("%1App%2Menu").arg(prefix).arg(slot);
      auto* entry = form->findChild<QAction*>(name);
      ASSERT_NE(entry, nullptr) << name.toStdString();
      EXPECT_EQ(entry->text(), QString("（アプリケーション%1）").arg(QChar(u'０' + slot)));
    }
    for (const char* entry : {"NewOpenMenu", "IEOpenMenu", "AppSetMenu"}) {
      EXPECT_FALSE(form->findChild<QAction*>(QString(prefix) + entry)->text().isEmpty());
    }
  }
}

TEST_F(AppsWindowTest, AnUnsetSlotOpensTheSetUpFirstAndCancellingEndsThere) {
  const QString photo = tree.File("home/Pictures/IMG_0001.JPG", Jpeg(1));
  auto form = OpenShowing(photo);
  const testkit::WhenModalShown setUp([&](QDialog& dialog) {
    EXPECT_EQ(dialog.objectName(), "TAppSetForm");
    EXPECT_EQ(dialog.windowTitle(), "アプリケーションの設定");
    for (const char* field : {"App1Edit", "App2Edit", "App3Edit"}) {
      EXPECT_EQ(dialog.findChild<QLineEdit*>(field)->text(), "（未設定）");
    }
    dialog.findChild<QPushButton*>("CancelBtn")->click();
  });
  Trigger(*form, "App1Menu");
  EXPECT_TRUE(setUp.Acted());
  EXPECT_TRUE(dialogs.Records().empty());
  EXPECT_TRUE(shellOpen.opened.isEmpty());
  EXPECT_TRUE(form->Model().settings().AppPath1.isEmpty());
  EXPECT_TRUE(form->Model().Session().UiReady);
}

TEST_F(AppsWindowTest, APickedApplicationIsStoredCaptionedAndGetsThePhoto) {
  const QString photo = tree.File("home/Pictures/IMG_0001.JPG", Jpeg(1));
  picker.answers << editor;
  auto form = OpenShowing(photo);
  const testkit::WhenModalShown setUp([&](QDialog& dialog) {
    // Unchecked, the picker starts in the user's own applications.
    dialog.findChild<QCheckBox*>("AllUserChk")->click();
    dialog.findChild<QPushButton*>("FolderBtn2")->click();
    EXPECT_EQ(dialog.findChild<QLineEdit*>("App2Edit")->text(), "画像エディタ");
    dialog.findChild<QPushButton*>("KetteiBtn")->click();
  });
  Trigger(*form, "MAppSetMenu");
  ASSERT_EQ(picker.openRequests.size(), 1u);
  EXPECT_EQ(picker.openRequests[0].title, "アプリケーションのショートカットを選択してください");
  EXPECT_EQ(picker.openRequests[0].start, special.Programs());
  EXPECT_EQ(form->Model().settings().AppPath2, editor);
  EXPECT_TRUE(tree.Read("program/Kasumori2-ini.dat").contains(editor.toUtf8()));
  EXPECT_EQ(form->findChild<QAction*>("App2Menu")->text(), "画像エディタ");
  EXPECT_EQ(form->findChild<QAction*>("MApp2Menu")->text(), "画像エディタ");
  Trigger(*form, "App2Menu");
  EXPECT_EQ(shellOpen.opened, QStringList{editor + ' ' + photo});
}

TEST_F(AppsWindowTest, AnEditRecordOffersItsSourcePhotoToTheApplication) {
  const QString source = tree.File("home/Pictures/IMG_0001.JPG", Jpeg(1));
  const QString record = tree.File("home/Pictures/IMG_0001_jpg.ksm", Record("turned"));
  auto form = OpenShowing(record);
  ASSERT_EQ(ShownName(*form), "IMG_0001_jpg.ksm");
  form->Model().settings().AppPath3 = editor;
  dialogs.Answer(1);
  Trigger(*form, "MApp3Menu");
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_TRUE(dialogs.Text(0).contains("元画像ファイル「IMG_0001.JPG」"));
  EXPECT_EQ(shellOpen.opened, QStringList{editor + ' ' + source});
}

TEST_F(AppsWindowTest, APhotoInsideAnArchiveIsNotHandedOver) {
  const QString photo = tree.File("home/Pictures/IMG_0001.JPG", Jpeg(1));
  tree.File("home/Pictures/trip.zip", "PK");
  auto form = OpenShowing(photo);
  form->Model().settings().AppPath1 = editor;
  // As the list names a photo read from inside an archive.
  form->Display().Driver().Shown().Folder = Pictures("trip.zip/day1");
  Trigger(*form, "IEOpenMenu");
  Trigger(*form, "MApp1Menu");
  ASSERT_EQ(dialogs.Records().size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(dialogs.Text(i),
              "現在表示中の写真は、書庫ファイル内の写真か\nもしくはファイルが移動されているため\n"
              "他のソフトで開くことはできません。");
  }
  EXPECT_TRUE(shellOpen.opened.isEmpty());
}

TEST_F(AppsWindowTest, ANewWindowWithoutAPhotoOnlyExplains) {
  auto form = Open();
  ASSERT_FALSE(Showing(*form));
  Trigger(*form, "MNewOpenMenu");
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Text(0),
            "このメニューは、現在表示されている写真を\n新しいウィンドウで開きたいときに使います。");
  EXPECT_TRUE(shellOpen.opened.isEmpty());
}

TEST_F(AppsWindowTest, ANewWindowStartsThisProgramWithTheShownPhoto) {
  const QString photo = tree.File("home/Pictures/IMG_0001.JPG", Jpeg(1));
  auto form = OpenShowing(photo);
  Trigger(*form, "NewOpenMenu");
  EXPECT_EQ(shellOpen.opened, QStringList{program + "/kasumori2 " + photo});
  EXPECT_TRUE(QFileInfo::exists(program + "/Kasumori2-ini.dat"));
}

TEST_F(AppsWindowTest, F1TwiceReloadsTheKeyboardTextWhereTheUserMovedTheWindow) {
  auto form = Open();
  PressKey(*form, Qt::Key_F1);
  THelpForm& help = Help(*form);
  ASSERT_TRUE(help.isVisible());
  EXPECT_EQ(HelpHeading(*form), "◎キーボードでの操作一覧");
  EXPECT_EQ(HelpMem(*form).toPlainText().trimmed(), ProgramText("Keybord.txt"));
  // Somewhere the whole window stays on the screen.
  const QPoint moved(4, 6);
  help.move(moved);
  HelpMem(*form).moveCursor(QTextCursor::End);
  // The help window has the keyboard now: F1 there asks for the keyboard text too.
  QFile text(program + "/Ksmdat/Keybord.txt");
  ASSERT_TRUE(text.open(QIODevice::Append));
  text.write("\n［Ｘ］の補足\n");
  text.close();
  PressKey(*form, Qt::Key_F1);
  EXPECT_TRUE(HelpMem(*form).toPlainText().endsWith("［Ｘ］の補足"));
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(help.pos(), moved);
  EXPECT_EQ(HelpMem(*form).textCursor().position(), 0);
  EXPECT_FALSE(HelpMem(*form).textCursor().hasSelection());
}

TEST_F(AppsWindowTest, TheFirstStepsTextAskedAgainStaysWhereTheReaderIs) {
  auto form = Open();
  Trigger(*form, "HajimeteMenu");
  EXPECT_EQ(HelpHeading(*form), "◎「Kasumori２」を使ってできること");
  HelpMem(*form).moveCursor(QTextCursor::End);
  const int end = HelpMem(*form).textCursor().position();
  Trigger(*form, "HajimeteMenu");
  EXPECT_EQ(HelpMem(*form).textCursor().position(), end);
  // Another text replaces it, from its start.
  Trigger(*form, "ChuuiMenu");
  EXPECT_EQ(HelpHeading(*form), "◎使用上の注意点");
  EXPECT_EQ(HelpMem(*form).textCursor().position(), 0);
  Trigger(*form, "HosokuMenu");
  EXPECT_EQ(HelpMem(*form).toPlainText().trimmed(), ProgramText("Hosoku.txt"));
}

TEST_F(AppsWindowTest, AMissingHelpTextIsReportedAndTheWindowStaysClosed) {
  QFile::remove(program + "/Ksmdat/Chuui.txt");
  auto form = Open();
  Trigger(*form, "ChuuiMenu");
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_TRUE(dialogs.Text(0).contains(program + "/Ksmdat/Chuui.txt"));
  EXPECT_FALSE(Help(*form).isVisible());
}

TEST_F(AppsWindowTest, EscapeClosesTheHelp) {
  auto form = Open();
  Trigger(*form, "KeybordMenu");
  ASSERT_TRUE(Help(*form).isVisible());
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Help(*form)));
  PressKey(Help(*form), Qt::Key_Escape);
  EXPECT_FALSE(Help(*form).isVisible());
}

TEST_F(AppsWindowTest, F1WorksInTheWideThumbnails) {
  tree.File("home/Pictures/IMG_0001.JPG", Jpeg(1));
  auto form = Open();
  // Opened as the user does, with a right click on a strip cell; the keys then reach the wide
  // window's own focus holder.
  QTest::mouseClick(form->Strip().Cell(1), Qt::RightButton);
  TWideThumbForm& wide = form->WideThumbs();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&wide));
  ASSERT_TRUE(wide.isAncestorOf(QApplication::focusWidget()));
  PressKey(wide, Qt::Key_F1);
  EXPECT_TRUE(Help(*form).isVisible());
  EXPECT_EQ(HelpHeading(*form), "◎キーボードでの操作一覧");
}

TEST_F(AppsWindowTest, TheManualOpensFromTheProgramFolder) {
  auto form = Open();
  Trigger(*form, "ManualMenu");
  EXPECT_EQ(shellOpen.opened, QStringList{program + "/Manual/index.html"});
}

TEST_F(AppsWindowTest, TheHelpMakesWayForTheTransferSettingsAndComesBack) {
  auto form = Open();
  Trigger(*form, "KeybordMenu");
  const testkit::WhenModalShown settings([&](QDialog& dialog) {
    EXPECT_EQ(dialog.objectName(), "TTensouSetForm");
    dialog.reject();
  });
  Trigger(*form, "TensouSetteiMenu");
  EXPECT_TRUE(Help(*form).isVisible());
}

}  // namespace
}  // namespace kasumori::ui
