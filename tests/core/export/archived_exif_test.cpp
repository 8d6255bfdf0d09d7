// SPDX-License-Identifier: GPL-3.0-or-later
// Where the save takes its Exif segment from when the shown photo lies inside an archive.
#include "export/photo_save.h"

#include "support/temp_tree.h"

#include <gtest/gtest.h>

namespace kasumori::exporting {
namespace {

TEST(ArchivedExif, TheExtractedMemberOrItsRecordsPhotoGivesTheExifAndIsDeletedAfter) {
  testkit::TempTree tree;
  const QString folder = tree.File("a.zip", "zip") + "/d";
  QStringList asked;
  SaveHooks hooks;
  // Stands in for the archive component: a record brings its photo along.
  hooks.extractArchived = [&](const QString& path) -> std::optional<library::ExtractedPhoto> {
    asked << path;
    const QString name = QFileInfo(path).fileName();
    const QString member = tree.File("Temp/d/" + name, "member");
    QStringList files{member};
    if (name.endsWith(".ksm")) files << tree.File("Temp/d/IMG_1.jpg", "photo");
    return library::ExtractedPhoto{member, files};
  };
  const struct {
    const char* name;
    const char* exifFrom;
  } cases[] = {{"IMG_2.jpg", "Temp/d/IMG_2.jpg"}, {"IMG_1_jpg-001.ksm", "Temp/d/IMG_1.jpg"}};
  for (const auto& c : cases) {
    asked.clear();
    {
      library::ExtractedFiles extracted;
      EXPECT_EQ(ExifSourcePath(folder, c.name, hooks, extracted), tree.Path(c.exifFrom));
      EXPECT_TRUE(tree.Exists(c.exifFrom));
    }
    EXPECT_EQ(asked, QStringList{folder + "/" + c.name});
    EXPECT_FALSE(tree.Exists(c.exifFrom));
  }
  // A photo on disk is read where it is; nothing is extracted.
  const QString plain = tree.File("p/IMG_3.jpg", "photo");
  library::ExtractedFiles none;
  asked.clear();
  EXPECT_EQ(ExifSourcePath(tree.Path("p"), "IMG_3.jpg", hooks, none), plain);
  EXPECT_TRUE(asked.isEmpty());
}

}  // namespace
}  // namespace kasumori::exporting
