// SPDX-License-Identifier: GPL-3.0-or-later
// A file that replaces another of its name, by sorting or from a camera: the old photo goes to
// the trash with its edit records, its cached thumbnails go, and nothing of it stays behind to
// describe the newcomer.
#include "transfer/transfer_commands.h"

#include "library/fileops/companion_files.h"
#include "thumbfiles/thumbnail_files.h"
#include "transfer_fixture.h"

namespace kasumori::transfer::testing {
namespace {

struct ReplaceCase {
  const char* name;
  TransferMode mode;
  const char* target;  // the folder that holds the old photo, relative to the tree
  QStringList arrived;
};

class ReplacementTest : public TransferTest, public ::testing::WithParamInterface<ReplaceCase> {
 protected:
  ReplacementTest() {
    settings.PhotoFolder1 = tree.Path();
    settings.CameraFolder1 = card;
    settings.TransferToDateFolders = 0;
    folders.CurrentFolder = pc;
    folders.CurrentSlot = 1;
  }
  // A cached thumbnail with its sidecar.
  QString Cache(const QString& folder, const QString& name) {
    const QString thumbnail =
        *library::CachedThumbnail({tree.Path("Thumbnail"), 1, tree.Path()}, folder, name);
    for (const QString& path : {thumbnail, thumbfiles::SidecarPath(thumbnail)}) {
      tree.File(path.mid(tree.Path().size() + 1), "cached");
    }
    return thumbnail;
  }
  TransferJob JobFor(TransferMode mode) {
    if (mode != TransferMode::SortByDate) {
      return CameraJob(settings, mode, 1, folders, tree.Path("Thumbnail"));
    }
    TransferJob job = Job(mode, {true, true, true});
    job.cache = {tree.Path("Thumbnail"), 1, tree.Path()};
    return job;
  }
  config::Settings settings;
};

TEST_P(ReplacementTest, TheOldPhotoGoesWithItsRecordsAndThumbnails) {
  const bool sorting = GetParam().mode == TransferMode::SortByDate;
  const QString from = sorting ? "pc/" : "card/";
  const QString to = QString(GetParam().target) + u'/';
  Photo(from + "A.JPG", {2005, 6, 28}, "new");
  tree.File(from + "A_jpg.ksm", "new record");
  Photo(to + "A.JPG", {2005, 6, 28}, "old");
  tree.File(to + "a_JPG.ksm", "old record");
  tree.File(to + "A_jpg-001.ksm", "old second record");
  const QStringList cached = {Cache(tree.Path(GetParam().target), "A.JPG"),
                              Cache(tree.Path(GetParam().target), "A_jpg-001.ksm")};
  dialogs.Answer(2);
  Run(JobFor(GetParam().mode));
  EXPECT_EQ(Files(GetParam().target), GetParam().arrived);
  EXPECT_EQ(tree.Read(to + "A.JPG"), "new");
  if (sorting) {
    EXPECT_EQ(tree.Read(to + "A_jpg.ksm"), "new record");
  }
  EXPECT_EQ(trash.trashed.size(), 3) << trash.trashed.join(", ").toStdString();
  for (const QString& thumbnail : cached) {
    EXPECT_FALSE(QFile::exists(thumbnail)) << thumbnail.toStdString();
    EXPECT_FALSE(QFile::exists(thumbfiles::SidecarPath(thumbnail)));
  }
  EXPECT_EQ(tree.Exists(from + "A.JPG"), !sorting) << "a camera keeps its photos";
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ReplacementTest,
    ::testing::Values(
        ReplaceCase{"Sorting", TransferMode::SortByDate, "pc/05-0628", {"A.JPG", "A_jpg.ksm"}},
        ReplaceCase{"FromCamera", TransferMode::FromCamera, "pc", {"A.JPG"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReplacementTest, OnlyTheSelectedFolderOfASlotHasCachedThumbnails) {
  EXPECT_TRUE(JobFor(TransferMode::FromCamera).cache.InSlot());
  EXPECT_FALSE(JobFor(TransferMode::ToCamera).cache.InSlot());
  folders.CurrentSlot = 0;
  EXPECT_FALSE(JobFor(TransferMode::FromCamera).cache.InSlot());
}

}  // namespace
}  // namespace kasumori::transfer::testing
