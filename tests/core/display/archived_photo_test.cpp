// SPDX-License-Identifier: GPL-3.0-or-later
// The display of a listed photo that lies inside an archive: it is shown from the member the
// extractor hands over, and what was extracted is gone again however the display ends.
#include "display/photo_display.h"

#include "support/camera_jpeg.h"
#include "support/display_rig.h"
#include "support/temp_tree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <memory>

namespace kasumori::display {
namespace {

class ArchivedPhotoTest : public ::testing::Test, protected testkit::DisplayRig {
 protected:
  ArchivedPhotoTest() {
    folders.CurrentFolder = tree.File("trip.zip", "archive") + "/day1";
    tree.File("store/broken.jpg", "not a photo");
    testkit::WriteCameraJpeg(tree.Path("store/夜景.jpg"), 64, 48, {}, 1);
  }

  // Stands in for the archive component: copies the stored member into Temp.
  std::optional<library::ExtractedPhoto> Extract(const QString& path) {
    asked << path;
    const QString name = QFileInfo(path).fileName();
    if (!QFileInfo::exists(tree.Path("store/" + name))) return std::nullopt;
    const QString member = tree.Folder("Temp/day1") + "/" + name;
    QFile::copy(tree.Path("store/" + name), member);
    return library::ExtractedPhoto{member, {member}};
  }

  testkit::TempTree tree;
  QStringList asked;
  PhotoDisplay display{
      Services([](int) { return 0; }, [this](const QString& path) { return Extract(path); })};
};

TEST_F(ArchivedPhotoTest, AMemberIsShownAndItsExtractedFileDeleted) {
  const struct {
    const char* name;
    bool shown;
  } cases[] = {{"夜景.jpg", true}, {"broken.jpg", false}, {"missing.jpg", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    list->Clear();
    list->Append(c.name, {});
    asked.clear();
    display.ShowPhoto(1);
    EXPECT_EQ(asked, QStringList{folders.CurrentFolder + "/" + c.name});
    EXPECT_EQ(display.SourceIsShown(), c.shown);
    EXPECT_EQ(loadFailed.Get(1), !c.shown);
    EXPECT_EQ(host.nameLabels.FileName, QFileInfo(c.name).completeBaseName());
    // Shown or not, nothing extracted is left behind.
    EXPECT_FALSE(tree.Exists(QString("Temp/day1/") + c.name));
    if (c.shown) {
      EXPECT_EQ(display.Source().Width(), 64);
      EXPECT_EQ(display.Shown().Folder, folders.CurrentFolder);  // the listed place, not Temp
    }
  }
}

}  // namespace
}  // namespace kasumori::display
