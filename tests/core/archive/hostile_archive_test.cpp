// SPDX-License-Identifier: GPL-3.0-or-later
// Archives built to break out of the temporary folder, to exhaust the disk or to confuse the
// reader: nothing may be written outside the folder, nothing may crash or run away.
#include "archive/archive_file.h"

#include "support/archive_fixture.h"
#include "support/temp_tree.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QUuid>

#include <gtest/gtest.h>

namespace kasumori::archive {
namespace {

using testkit::ArchiveMember;
using testkit::MakeArchive;
using testkit::MakeZip;
using testkit::TempTree;
using Kind = ArchiveMember::Kind;

// Every path below the sandbox, so a test sees whatever an extraction left anywhere in it.
QStringList Everything(const QString& root) {
  QStringList paths;
  QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) paths << it.next().mid(root.size() + 1);
  paths.sort();
  return paths;
}

struct Sandbox {
  TempTree tree;  // holds the archive beside Temp, so an escape one level up shows here
  TArchiveFile file;
  QString temp = tree.Folder("box/Temp");
  explicit Sandbox(const QByteArray& archive, const char* name = "evil.zip") {
    file.SetFileName(tree.File(name, archive));
  }
  ExtractOutcome Extract(const QString& entry) { return file.ExtractFiles(entry, temp); }
  // Everything outside Temp: the archive, the Temp folder itself and nothing else.
  QStringList Outside() const {
    QStringList outside;
    for (const QString& path : Everything(tree.Path())) {
      if (!path.startsWith("box/Temp/")) outside << path;
    }
    return outside;
  }
};

TEST(ArchiveHostile, EscapingNamesAreListedButNeverWritten) {
  const QString absolute =
      QDir::tempPath() + "/kasumori-escape-" + QUuid::createUuid().toString(QUuid::Id128);
  const QStringList names{"../x.jpg", "../../y.jpg", "a/../../z.jpg", absolute,
                          "./a.jpg",  "a//b.jpg",    "a/./b.jpg"};
  std::vector<ArchiveMember> members;
  for (const QString& name : names) members.push_back({name, "escaped"});
  for (const char* kind : {"zip", "tar"}) {
    Sandbox s(kind == std::string("zip") ? MakeZip(members) : MakeArchive("pax", members),
              kind == std::string("zip") ? "evil.zip" : "evil.tar");
    for (const QString& name : names) {
      EXPECT_EQ(s.Extract(name), ExtractOutcome::Refused) << name.toStdString();
    }
    EXPECT_EQ(s.Outside(), (QStringList{"box", "box/Temp", QString("evil.") + kind})) << kind;
    EXPECT_TRUE(Everything(s.temp).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(absolute));
  }
}

TEST(ArchiveHostile, LinksDevicesAndHardLinksAreNeverCreated) {
  Sandbox s(MakeArchive("pax", {{"real.jpg", "data"},
                                {"link.jpg", {}, Kind::Symlink, "/etc/passwd"},
                                {"up", {}, Kind::Symlink, ".."},
                                {"hard.jpg", {}, Kind::Hardlink, "real.jpg"},
                                {"pipe.jpg", {}, Kind::Fifo}}),
            "links.tar");
  for (const char* name : {"link.jpg", "up", "hard.jpg", "pipe.jpg"}) {
    EXPECT_EQ(s.Extract(name), ExtractOutcome::Refused) << name;
  }
  EXPECT_TRUE(Everything(s.temp).isEmpty());
}

TEST(ArchiveHostile, ALinkLeftInTheTemporaryFolderIsReplacedNotFollowed) {
  Sandbox s(MakeZip({{"dir/a.jpg", "A"}, {"b.jpg", "B"}}));
  const QString victim = s.tree.File("victim/a.jpg", "keep");
  QFile::link(s.tree.Path("victim"), s.temp + "/dir");
  QFile::link(victim, s.temp + "/b.jpg");
  EXPECT_EQ(s.Extract("dir/a.jpg"), ExtractOutcome::Extracted);
  EXPECT_EQ(s.Extract("b.jpg"), ExtractOutcome::Extracted);
  EXPECT_EQ(s.tree.Read("victim/a.jpg"), "keep");
  EXPECT_FALSE(QFileInfo(s.temp + "/dir").isSymLink());
  EXPECT_EQ(s.tree.Read("box/Temp/dir/a.jpg"), "A");
  EXPECT_EQ(s.tree.Read("box/Temp/b.jpg"), "B");
}

TEST(ArchiveHostile, AFileAndAFolderOfTheSameNameTakeTurns) {
  Sandbox s(MakeZip({{"a", "file a"}, {"a/b.jpg", "B"}}));
  EXPECT_EQ(s.Extract("a"), ExtractOutcome::Extracted);
  // The folder takes the place of the earlier file of its name...
  EXPECT_EQ(s.Extract("a/b.jpg"), ExtractOutcome::Extracted);
  EXPECT_EQ(s.tree.Read("box/Temp/a/b.jpg"), "B");
  // ...but a folder that still holds a member is not thrown away for a file.
  EXPECT_EQ(s.Extract("a"), ExtractOutcome::WriteFailed);
  EXPECT_EQ(s.tree.Read("box/Temp/a/b.jpg"), "B");
  QFile::remove(s.temp + "/a/b.jpg");
  EXPECT_EQ(s.Extract("a"), ExtractOutcome::Extracted);
  EXPECT_EQ(s.tree.Read("box/Temp/a"), "file a");
}

TEST(ArchiveHostile, AMemberStopsAtItsBoundAndAtTheFreeSpace) {
  const QByteArray zeros(4 << 20, '\0');  // compresses to a few kilobytes
  const struct {
    const char* what;
    std::int64_t maxMember;
    std::int64_t available;
    ExtractOutcome outcome;
  } cases[] = {
      {"bomb over the member bound", 1 << 20, std::int64_t{1} << 40, ExtractOutcome::TooLarge},
      {"just fits the bound", 4 << 20, std::int64_t{1} << 40, ExtractOutcome::Extracted},
      {"over the free space", 1 << 30, (64 << 20) + (1 << 20), ExtractOutcome::NoSpace},
      {"no free space at all", 1 << 30, 0, ExtractOutcome::NoSpace},
  };
  for (const auto& c : cases) {
    Sandbox s(MakeZip({{"bomb.jpg", zeros}}));
    s.file.Limits.maxMemberBytes = c.maxMember;
    s.file.Limits.availableBytes = [&](const QString&) { return c.available; };
    EXPECT_EQ(s.Extract("bomb.jpg"), c.outcome) << c.what;
    const QStringList left = Everything(s.temp);
    EXPECT_EQ(left.isEmpty(), c.outcome != ExtractOutcome::Extracted) << c.what;
  }
}

TEST(ArchiveHostile, SizesThatLieChangeNothing) {
  const QByteArray photo(100000, 'p');
  for (const std::uint32_t claim : {0u, 1u, 0xFFFFFFF0u}) {
    QByteArray zip = MakeZip({{"a.jpg", photo}, {"b.jpg", "B"}});
    testkit::ClaimZipSizes(zip, claim);
    Sandbox s(zip);
    s.file.Limits.maxMemberBytes = 1 << 20;
    const ExtractOutcome outcome = s.Extract("a.jpg");
    // Whatever the reader makes of the lie, what is written is the data, within the bound.
    if (outcome == ExtractOutcome::Extracted) {
      EXPECT_LE(s.tree.Read("box/Temp/a.jpg").size(), 1 << 20);
    } else {
      EXPECT_TRUE(Everything(s.temp).isEmpty()) << claim;
    }
  }
}

TEST(ArchiveHostile, DamagedArchivesEndWithoutACrash) {
  const QByteArray zip = MakeZip({{"a.jpg", QByteArray(50000, 'a')}, {"b/c.jpg", "C"}});
  QByteArray flipped = zip;
  for (qsizetype i = 30; i < flipped.size(); i += 97) flipped[i] = char(flipped[i] ^ 0x5A);
  const struct {
    const char* what;
    QByteArray bytes;
  } cases[] = {
      {"truncated central directory", zip.left(zip.size() - 30)},
      {"cut in the first member", zip.left(200)},
      {"only the local header", zip.left(30)},
      {"flipped bytes", flipped},
      {"garbage", QByteArray(5000, '\xAB')},
  };
  for (const auto& c : cases) {
    Sandbox s(c.bytes);
    s.file.CheckArchive(0);
    s.file.OpenArchive(0);
    TIndividualInfo info;
    int entries = 0;
    for (int r = s.file.FindFirst("*.*", info); r == 0 && entries < 100;
         r = s.file.FindNext(info)) {
      ++entries;
    }
    s.file.CloseArchive();
    EXPECT_LE(entries, 2) << c.what;
    const ExtractOutcome outcome = s.Extract("a.jpg");
    if (outcome != ExtractOutcome::Extracted) {
      EXPECT_TRUE(Everything(s.temp).isEmpty()) << c.what;
    }
    EXPECT_EQ(s.Outside(), (QStringList{"box", "box/Temp", "evil.zip"})) << c.what;
  }
}

// A 7z may declare decoder memory up to 4 GiB, and libarchive allocates what is declared; the
// bounded pass turns such an archive into a damaged one while the same archive with honest
// declarations still reads.
TEST(ArchiveHostile, HugeDeclaredDecoderMemoryReadsAsDamaged) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves the address space the bound limits";
#endif
  const QByteArray photo(200000, 'p');
  for (const char* coder : {"lzma1", "lzma2", "ppmd"}) {
    const QByteArray honest = testkit::MakeSevenZip({{"a.jpg", photo}}, coder);
    QByteArray hostile = honest;
    ASSERT_TRUE(testkit::DeclareHugeDecoderMemory(hostile)) << coder;
    Sandbox good(honest, "good.7z");
    EXPECT_EQ(good.Extract("a.jpg"), ExtractOutcome::Extracted) << coder;
    EXPECT_EQ(good.tree.Read("box/Temp/a.jpg"), photo) << coder;

    Sandbox bad(hostile, "bad.7z");
    // Only the data needs the decoder: the header still lists.
    EXPECT_NE(bad.file.CheckArchive(0), 0) << coder;
    EXPECT_EQ(bad.Extract("a.jpg"), ExtractOutcome::Damaged) << coder;
    EXPECT_TRUE(Everything(bad.temp).isEmpty()) << coder;
  }
}

}  // namespace
}  // namespace kasumori::archive
