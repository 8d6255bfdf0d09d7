// SPDX-License-Identifier: GPL-3.0-or-later
// Browsing a ZIP in the main window: the archive and its inner folder in the tree, a photo with
// a CP932 name shown from the temporary folder and the extracted file gone once it is shown,
// and damaged ZIPs answered by their messages.
#include "support/archive_fixture.h"
#include "support/camera_jpeg.h"
#include "support/main_form_fixture.h"
#include "ui/common/view_image.h"
#include "ui/display/main_display.h"
#include "ui/shell/main_form.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QTreeWidget>

namespace kasumori::ui {
namespace {

using testkit::ArchiveMember;

const QString kFolder = QStringLiteral("旅行");
const QString kPhoto = QStringLiteral("夜景～");  // "～" is where SHIFT_JIS and CP932 differ

class ArchiveWindowTest : public testkit::MainFormFixture<TMainForm, MainFormServices> {
 protected:
  static QByteArray RedJpeg() {
    QImage picture(64, 48, QImage::Format_RGB888);
    picture.fill(QColor(200, 20, 20));
    return testkit::EncodeJpeg(picture, testkit::BuildExifPayload(testkit::CameraExif({})), {95});
  }
  // Keys go where the user's keys go: to the widget with the focus.
  static void Key(TMainForm& form, Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &form, key);
  }
  static QString Label(TMainForm& form, const char* name) {
    const auto* label = form.findChild<QLabel*>(name);
    return label ? label->text() : QString();
  }
  static QColor ViewPixel(TMainForm& form, int x, int y) {
    const std::uint8_t* p = form.View()->Buffer().ConstScanLine(y) + 3 * x;
    return QColor(p[2], p[1], p[0]);
  }
  static QTreeWidgetItem* Child(QTreeWidgetItem* parent, const QString& text) {
    for (int i = 0; parent && i < parent->childCount(); ++i) {
      if (parent->child(i)->text(0) == text) return parent->child(i);
    }
    return nullptr;
  }
  // The files (not folders) anywhere below the program's temporary folder.
  QStringList TemporaryFiles() const {
    QStringList files;
    QDirIterator it(tree.Path("program/Temp"), QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
    return files;
  }
};

// Started on the photo inside the archive (as from the command line or a favourite), the
// window walks the tree into the archive; keys then walk out of the inner folder and back.
TEST_F(ArchiveWindowTest, AZipFolderShowsItsJapaneseNamedPhotoAndLeavesNoTemporaryFile) {
  tree.File("home/Pictures/trip.zip",
            testkit::MakeZip({{kFolder + "/", {}, ArchiveMember::Kind::Folder},
                              {kFolder + "/" + kPhoto + ".jpg", RedJpeg()}},
                             testkit::ZipNames::Cp932));
  const QString inner = tree.Path("home/Pictures/trip.zip/") + kFolder;
  auto form = Start(inner + "/" + kPhoto + ".jpg");
  EXPECT_EQ(form->Folders().CurrentFolder, inner);
  auto* view = form->findChild<QTreeWidget*>("FolderTree");
  ASSERT_NE(view, nullptr);
  ASSERT_EQ(view->topLevelItemCount(), 1);
  QTreeWidgetItem* archive = Child(view->topLevelItem(0), "trip.zip");
  ASSERT_NE(archive, nullptr) << "the archive is a node of the tree";
  EXPECT_NE(Child(archive, kFolder), nullptr) << "and its inner folder one below it";
  ASSERT_EQ(form->PhotoList().PhotoCount, 1);
  EXPECT_EQ(form->PhotoList().Name(1), kPhoto + ".jpg");

  const auto expectShown = [&](const char* how) {
    EXPECT_EQ(form->Display().Driver().Shown().Name, kPhoto + ".jpg") << how;
    EXPECT_EQ(Label(*form, "FileNameLbl"), kPhoto) << how;
    EXPECT_EQ(Label(*form, "ExtNameLbl"), ".jpg") << how;
    EXPECT_EQ(Label(*form, "SizeLbl"), "64x48") << how;
    const QColor centre = ViewPixel(*form, 400, 300);
    EXPECT_GT(centre.red(), 150) << how;
    EXPECT_LT(centre.green(), 90) << how;
    // Extracted into the temporary folder (the inner folder stays until the program ends)...
    EXPECT_TRUE(QFileInfo(tree.Path("program/Temp/") + kFolder).isDir()) << how;
    // ...and the photo's file gone once it was shown.
    EXPECT_TRUE(TemporaryFiles().isEmpty()) << how << TemporaryFiles().join(", ").toStdString();
  };
  expectShown("at the start");

  dialogs.Clear();
  Key(*form, Qt::Key_E);
  EXPECT_EQ(form->Folders().CurrentFolder, tree.Path("home/Pictures/trip.zip"));
  EXPECT_EQ(form->PhotoList().PhotoCount, 0) << "the archive's top holds only the folder";
  Key(*form, Qt::Key_D);
  EXPECT_EQ(form->Folders().CurrentFolder, inner);
  Key(*form, Qt::Key_X);
  expectShown("picked by keys");
  EXPECT_TRUE(dialogs.Records().empty());
}

// A ZIP whose headers are gone is no ZIP: the not-a-ZIP message. One cut inside its photo still
// lists, and the photo that cannot be extracted fails to load like any broken photo.
TEST_F(ArchiveWindowTest, DamagedZipsAreAnsweredByTheirMessagesNotACrash) {
  const QByteArray zip = testkit::MakeZip({{"a.jpg", RedJpeg()}});
  QByteArray headless = zip.left(zip.size() / 2);
  headless.replace(0, 64, QByteArray(64, '\0'));
  const struct {
    const char* name;
    QByteArray bytes;
    int photos;
    QString message;
  } cases[] = {
      {"headless.zip", headless, 0,
       "ファイル「headless.zip」は、ZIP圧縮ファイルではないようです。\n"
       "もしくは、ファイルが壊れている可能性があります。"},
      {"cut.zip", zip.left(zip.size() / 2), 1,
       "画像ファイル a.jpg\nは壊れているか、「Kasumori２」で読み込めない形式です。"},
  };
  for (const auto& c : cases) tree.File(QString("home/Pictures/") + c.name, c.bytes);
  auto form = Start();
  for (const auto& c : cases) {
    dialogs.Clear();
    form->ShowPhotoByPath(tree.Path("home/Pictures/") + c.name + "/a.jpg");
    ASSERT_EQ(dialogs.Records().size(), 1u) << c.name;
    EXPECT_EQ(dialogs.Text(0), c.message) << c.name;
    EXPECT_EQ(form->PhotoList().PhotoCount, c.photos) << c.name;
    EXPECT_TRUE(TemporaryFiles().isEmpty()) << c.name;
    EXPECT_TRUE(form->isVisible()) << c.name;
  }
}

}  // namespace
}  // namespace kasumori::ui
