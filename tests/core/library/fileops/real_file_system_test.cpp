// SPDX-License-Identifier: GPL-3.0-or-later
// Moves between two real file systems: the temporary folder and /dev/shm (tmpfs). A limit on
// the size of written files stands in for a full disk, without mounting anything.
#include "library/fileops/file_system.h"
#include "library/fileops/safe_move.h"

#include "support/file_size_limit.h"
#include "support/read_only_folder.h"
#include "support/temp_tree.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace kasumori::library {
namespace {

dev_t DeviceOf(const QString& path) {
  struct stat st {};
  return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_dev : dev_t(0);
}

QByteArray PhotoBytes(int size) {
  QByteArray bytes(size, Qt::Uninitialized);
  QRandomGenerator generator(7);
  for (char& b : bytes) b = char(generator.bounded(256));
  return bytes;
}

using testkit::FileSizeLimit;

class RealFileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QDir("/dev/shm").exists() || DeviceOf("/dev/shm") == DeviceOf(tree.Path())) {
      GTEST_SKIP() << "needs /dev/shm on a file system of its own";
    }
    other_ = std::make_unique<QTemporaryDir>("/dev/shm/kasumori-test-XXXXXX");
    ASSERT_TRUE(other_->isValid());
    from = tree.File("card/DSC00001.JPG", kPhoto);
    to = other_->path() + "/DSC00001.JPG";
  }
  QStringList InTarget() const {
    return QDir(other_->path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
  }

  const QByteArray kPhoto = PhotoBytes(3 << 20);
  testkit::TempTree tree;
  std::unique_ptr<QTemporaryDir> other_;
  LocalFileSystem fs;
  QString from;
  QString to;
};

TEST_F(RealFileSystemTest, APhotoMovedAcrossFileSystemsArrivesWholeAndLeavesOnlyThen) {
  ASSERT_EQ(MoveFileSafely(fs, from, to), MoveResult::Moved);
  QFile moved(to);
  ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
  EXPECT_EQ(moved.readAll(), kPhoto);
  EXPECT_FALSE(tree.Exists("card/DSC00001.JPG"));
  EXPECT_EQ(InTarget(), QStringList{"DSC00001.JPG"}) << "no temporary file is left";
}

TEST_F(RealFileSystemTest, AWriteThatRunsOutOfRoomKeepsThePhotoAndLeavesNoPart) {
  MoveResult result;
  {
    FileSizeLimit limit(1 << 20);
    result = MoveFileSafely(fs, from, to);
  }
  EXPECT_FALSE(Arrived(result));
  EXPECT_EQ(tree.Read("card/DSC00001.JPG"), kPhoto);
  EXPECT_TRUE(InTarget().isEmpty()) << InTarget().join(", ").toStdString();
}

TEST_F(RealFileSystemTest, ATakenNameAcrossFileSystemsChangesNothing) {
  QFile taken(to);
  ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
  taken.write("another photo");
  taken.close();
  EXPECT_EQ(MoveFileSafely(fs, from, to), MoveResult::TargetExists);
  EXPECT_EQ(tree.Read("card/DSC00001.JPG"), kPhoto);
  ASSERT_TRUE(taken.open(QIODevice::ReadOnly));
  EXPECT_EQ(taken.readAll(), QByteArray("another photo"));
  EXPECT_EQ(InTarget().size(), 1);
}

TEST_F(RealFileSystemTest, AReadOnlyTargetFolderChangesNothing) {
  testkit::ReadOnlyFolder readOnly(other_->path());
  if (!readOnly.Held()) GTEST_SKIP() << readOnly.Why().toStdString();
  EXPECT_FALSE(Arrived(MoveFileSafely(fs, from, to)));
  readOnly.Release();
  EXPECT_EQ(tree.Read("card/DSC00001.JPG"), kPhoto);
  EXPECT_TRUE(InTarget().isEmpty());
}

}  // namespace
}  // namespace kasumori::library
