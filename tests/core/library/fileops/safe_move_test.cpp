// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/fileops/safe_move.h"

#include "support/faulty_file_system.h"
#include "support/temp_tree.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace kasumori::library {
namespace {

const QByteArray kPhoto = "photo bytes that must survive every failure";

class SafeMoveTest : public ::testing::Test {
 protected:
  SafeMoveTest() {
    from = tree.File("a/photo.jpg", kPhoto);
    tree.Folder("b");
    to = tree.Path("b/photo.jpg");
  }
  // Every name in folder b, hidden temporary files included.
  QStringList InB() const {
    return QDir(tree.Path("b")).entryList(QDir::Files | QDir::Hidden | QDir::System);
  }
  void ExpectUntouched() {
    EXPECT_EQ(tree.Read("a/photo.jpg"), kPhoto);
    EXPECT_TRUE(InB().isEmpty()) << InB().join(", ").toStdString();
  }

  testkit::TempTree tree;
  fileops_testing::FaultyFileSystem fs;
  QString from;
  QString to;
};

TEST_F(SafeMoveTest, WithinOneFileSystemTheFileIsRenamed) {
  EXPECT_EQ(MoveFileSafely(fs, from, to), MoveResult::Moved);
  EXPECT_FALSE(tree.Exists("a/photo.jpg"));
  EXPECT_EQ(tree.Read("b/photo.jpg"), kPhoto);
  EXPECT_EQ(fs.copies, 0);
}

TEST_F(SafeMoveTest, ALeftOverOfAnEarlierMoveIsTakenOver) {
  fs.crossDevice = true;
  tree.File("b/.photo.jpg.part", kPhoto.left(9));
  EXPECT_EQ(MoveFileSafely(fs, from, to), MoveResult::Moved);
  EXPECT_EQ(InB(), QStringList{"photo.jpg"});
  EXPECT_EQ(tree.Read("b/photo.jpg"), kPhoto);
}

TEST_F(SafeMoveTest, AcrossFileSystemsTheCopyIsPlacedBeforeTheSourceGoes) {
  fs.crossDevice = true;
  tree.File("b/.photo.jpg.part", "somebody else's");
  EXPECT_EQ(MoveFileSafely(fs, from, to), MoveResult::Moved);
  EXPECT_FALSE(tree.Exists("a/photo.jpg"));
  EXPECT_EQ(tree.Read("b/photo.jpg"), kPhoto);
  EXPECT_EQ(tree.Read("b/.photo.jpg.part"), "somebody else's");
  EXPECT_EQ(InB().size(), 2);
}

TEST_F(SafeMoveTest, ACopiedPhotoKeepsItsLastWriteTime) {
  const QDateTime taken(QDate(2019, 4, 1), QTime(10, 30, 5), Qt::UTC);
  {
    QFile file(from);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(taken, QFileDevice::FileModificationTime));
  }
  fs.crossDevice = true;
  ASSERT_EQ(MoveFileSafely(fs, from, to), MoveResult::Moved);
  EXPECT_EQ(QFileInfo(to).lastModified().toUTC(), taken);
}

TEST_F(SafeMoveTest, AReadOnlyPhotoArrivesWritable) {
  for (bool crossDevice : {false, true}) {
    fs.crossDevice = crossDevice;
    QFile::setPermissions(from, QFile::ReadOwner | QFile::ReadGroup);
    ASSERT_EQ(MoveFileSafely(fs, from, to), MoveResult::Moved);
    EXPECT_TRUE(QFile::permissions(to) & QFile::WriteOwner);
    QFile::remove(to);
    from = tree.File("a/photo.jpg", kPhoto);
  }
}

TEST_F(SafeMoveTest, AFullDiskLeavesNoPartialFileAndKeepsTheSource) {
  fs.crossDevice = true;
  fs.copyStopsAfter = 5;
  EXPECT_EQ(MoveFileSafely(fs, from, to), MoveResult::NoSpace);
  ExpectUntouched();
}

TEST_F(SafeMoveTest, TooLittleFreeSpaceIsRefusedBeforeCopying) {
  fs.crossDevice = true;
  fs.freeSpace = kPhoto.size() - 1;
  EXPECT_EQ(MoveFileSafely(fs, from, to), MoveResult::NoSpace);
  EXPECT_EQ(fs.copies, 0);
  ExpectUntouched();
}

TEST_F(SafeMoveTest, ACopyThatLostBytesSilentlyIsNotTakenForThePhoto) {
  fs.crossDevice = true;
  fs.copyDropsBytes = true;
  EXPECT_EQ(MoveFileSafely(fs, from, to), MoveResult::Failed);
  ExpectUntouched();
}

TEST_F(SafeMoveTest, AReadOnlyDestinationChangesNothing) {
  fs.readOnlyFolder = tree.Path("b");
  for (bool crossDevice : {false, true}) {
    fs.crossDevice = crossDevice;
    EXPECT_EQ(MoveFileSafely(fs, from, to), MoveResult::Failed);
    ExpectUntouched();
  }
}

TEST_F(SafeMoveTest, AnExistingTargetIsNeverReplaced) {
  tree.File("b/photo.jpg", "other");
  for (bool crossDevice : {false, true}) {
    fs.crossDevice = crossDevice;
    EXPECT_EQ(MoveFileSafely(fs, from, to), MoveResult::TargetExists);
    EXPECT_EQ(tree.Read("b/photo.jpg"), "other");
    EXPECT_EQ(tree.Read("a/photo.jpg"), kPhoto);
  }
  // The real rename refuses by itself too, without the check in front of it.
  EXPECT_EQ(fs.LocalFileSystem::Rename(from, to), FsStatus::Exists);
  EXPECT_EQ(fs.LocalFileSystem::Copy(from, to), FsStatus::Exists);
  EXPECT_EQ(tree.Read("b/photo.jpg"), "other");
}

TEST_F(SafeMoveTest, AVanishedSourceIsReported) {
  QFile::remove(from);
  EXPECT_EQ(MoveFileSafely(fs, from, to), MoveResult::SourceMissing);
  EXPECT_FALSE(tree.Exists("b/photo.jpg"));
}

// Both give the copy "no such file"; only the first is the source's doing.
TEST_F(SafeMoveTest, AMissingTargetFolderIsAFailureNotAVanishedSource) {
  EXPECT_EQ(CopyChecked(fs, from, tree.Path("gone/photo.jpg"), Flush::Lazily).failure,
            MoveResult::Failed);
  QFile::remove(from);
  EXPECT_EQ(CopyChecked(fs, from, to, Flush::Lazily).failure, MoveResult::SourceMissing);
}

TEST_F(SafeMoveTest, ACopyCutShortByAnExceptionLeavesNoTemporary) {
  fs.crossDevice = true;
  fs.copyThrows = true;
  EXPECT_THROW(MoveFileSafely(fs, from, to), std::bad_alloc);
  ExpectUntouched();
}

TEST_F(SafeMoveTest, ASourceThatCannotBeRemovedLeavesTwoWholeCopies) {
  fs.crossDevice = true;
  fs.undeletable.insert(from);
  EXPECT_EQ(MoveFileSafely(fs, from, to), MoveResult::CopiedSourceKept);
  EXPECT_EQ(tree.Read("a/photo.jpg"), kPhoto);
  EXPECT_EQ(tree.Read("b/photo.jpg"), kPhoto);
}

TEST_F(SafeMoveTest, ACopyKeepsTheSourceAndRefusesToOverwrite) {
  EXPECT_TRUE(CopyFileSafely(fs, from, to));
  EXPECT_EQ(tree.Read("a/photo.jpg"), kPhoto);
  EXPECT_EQ(tree.Read("b/photo.jpg"), kPhoto);
  EXPECT_FALSE(CopyFileSafely(fs, from, to));
}

}  // namespace
}  // namespace kasumori::library
