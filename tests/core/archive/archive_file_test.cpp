// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_file.h"

#include "support/archive_fixture.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

namespace kasumori::archive {
namespace {

using testkit::ArchiveMember;
using testkit::MakeArchive;
using testkit::MakeZip;
using testkit::TempTree;
using testkit::ZipNames;
using Kind = ArchiveMember::Kind;

QStringList Listed(TArchiveFile& file) {
  QStringList names;
  file.OpenArchive(0);
  TIndividualInfo info;
  for (int r = file.FindFirst("*.*", info); r == 0; r = file.FindNext(info))
    names << info.szFileName;
  file.CloseArchive();
  return names;
}

struct Opened {
  TempTree tree;
  TArchiveFile file;
  QString temp = tree.Path("Temp");
  Opened(const QString& name, const QByteArray& bytes) { file.SetFileName(tree.File(name, bytes)); }
};

TEST(ArchiveFile, AZipListsItsEntriesInArchiveOrderWithFolderEntries) {
  Opened z("trip.zip", MakeZip({{"day1/", {}, Kind::Folder},
                                {"day1/b.jpg", "b"},
                                {"top.jpg", "t"},
                                {"day1/night/c.jpg", "c"}}));
  EXPECT_NE(z.file.CheckArchive(0) & 0x7FFF, 0);
  EXPECT_EQ(Listed(z.file), (QStringList{"day1/", "day1/b.jpg", "top.jpg", "day1/night/c.jpg"}));
}

TEST(ArchiveFile, PatternsPickEntries) {
  Opened z("p.zip", MakeZip({{"a.jpg"}, {"b.png"}, {"c/d.jpg"}}));
  z.file.OpenArchive(0);
  TIndividualInfo info;
  ASSERT_EQ(z.file.FindFirst("*.jpg", info), 0);
  EXPECT_EQ(info.szFileName, "a.jpg");
  ASSERT_EQ(z.file.FindNext(info), 0);
  EXPECT_EQ(info.szFileName, "c/d.jpg");
  EXPECT_NE(z.file.FindNext(info), 0);
  z.file.CloseArchive();
  EXPECT_NE(z.file.FindNext(info), 0);  // closed: nothing more
}

TEST(ArchiveFile, JapaneseNamesReadRightInUtf8AndCp932) {
  const std::vector<ArchiveMember> members{{"旅行/夜景①～.jpg", "x"}, {"旅行/", {}, Kind::Folder}};
  for (const ZipNames names : {ZipNames::Utf8, ZipNames::Cp932}) {
    const QByteArray zip = MakeZip(members, names);
    // The fixture really wrote what Japanese Windows and a UTF-8 writer write.
    EXPECT_EQ(testkit::FirstZipNameIsUtf8(zip), names == ZipNames::Utf8);
    EXPECT_EQ(zip.contains("旅行"), names == ZipNames::Utf8);
    Opened z("jp.zip", zip);
    EXPECT_EQ(Listed(z.file), (QStringList{"旅行/夜景①～.jpg", "旅行/"}));
    EXPECT_EQ(z.file.ExtractFiles("旅行/夜景①～.jpg", z.temp), ExtractOutcome::Extracted);
    EXPECT_EQ(z.tree.Read("Temp/旅行/夜景①～.jpg"), "x");
  }
}

TEST(ArchiveFile, ExtractionKeepsInnerFoldersAndOverwrites) {
  Opened z("t.zip", MakeZip({{"day1/night/c.jpg", "new"}}));
  z.tree.File("Temp/day1/night/c.jpg", "old contents");
  EXPECT_EQ(z.file.ExtractFiles("day1/night/c.jpg", z.temp), ExtractOutcome::Extracted);
  EXPECT_EQ(z.tree.Read("Temp/day1/night/c.jpg"), "new");
  EXPECT_FALSE(z.tree.Exists("Temp/day1/night/c.jpg.part"));
  EXPECT_EQ(z.file.ExtractFiles("day1/missing.jpg", z.temp), ExtractOutcome::NotFound);
  EXPECT_EQ(z.file.ExtractFiles("day1/", z.temp), ExtractOutcome::Refused);
}

TEST(ArchiveFile, NamesWithBracketsAndLeadingDashesAreEntriesLikeAnyOther) {
  const QStringList names{"[1].jpg", "-a.jpg", "x/[[]-.jpg", "*.jpg", "a b.jpg"};
  std::vector<ArchiveMember> members;
  for (const QString& name : names) members.push_back({name, name.toUtf8()});
  Opened z("odd.zip", MakeZip(members));
  EXPECT_EQ(Listed(z.file), names);
  for (const QString& name : names) {
    EXPECT_EQ(z.file.ExtractFiles(name, z.temp), ExtractOutcome::Extracted) << name.toStdString();
    EXPECT_EQ(z.tree.Read("Temp/" + name), name.toUtf8());
  }
}

TEST(ArchiveFile, OtherKindsReadThroughTheSameComponent) {
  const std::vector<ArchiveMember> members{{"写真/a.jpg", "A"}, {"b.jpg", "B"}};
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"a.7z", MakeArchive("7zip", members)},       {"a.tar", MakeArchive("pax", members)},
      {"a.tgz", MakeArchive("pax", members, true)}, {"a.cbz", MakeZip(members)},
      {"a.cpio", MakeArchive("cpio", members)},
  };
  for (const auto& c : cases) {
    Opened z(c.name, c.bytes);
    EXPECT_NE(z.file.CheckArchive(0), 0) << c.name;
    EXPECT_EQ(Listed(z.file), (QStringList{"写真/a.jpg", "b.jpg"})) << c.name;
    EXPECT_EQ(z.file.ExtractFiles("写真/a.jpg", z.temp), ExtractOutcome::Extracted) << c.name;
    EXPECT_EQ(z.tree.Read("Temp/写真/a.jpg"), "A") << c.name;
  }
}

TEST(ArchiveFile, ASelfExtractingNameIsReadByItsContent) {
  Opened z("setup.exe", MakeArchive("7zip", {{"a.jpg", "A"}}));
  EXPECT_EQ(z.file.ArchiverType(), TArchiverType::atAutoDetect);
  EXPECT_NE(z.file.CheckArchive(0), 0);
  EXPECT_EQ(Listed(z.file), QStringList{"a.jpg"});
  Opened plain("plain.exe", QByteArray(4096, '\x90'));
  EXPECT_THROW(plain.file.CheckArchive(0), ArchiveError);
}

TEST(ArchiveFile, WhatIsNotAZipIsNotReadable) {
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"empty.zip", QByteArray()},
      {"text.zip", QByteArray("just some text, no archive at all")},
      {"seven.zip", MakeArchive("7zip", {{"a.jpg", "A"}})},  // ZIP is read as ZIP only
  };
  for (const auto& c : cases) {
    Opened z(c.name, c.bytes);
    EXPECT_EQ(z.file.CheckArchive(0) & 0x7FFF, 0) << c.name;
    EXPECT_TRUE(Listed(z.file).isEmpty()) << c.name;
  }
  TArchiveFile missing;
  missing.SetFileName("/no/such/file.zip");
  EXPECT_EQ(missing.CheckArchive(0), 0);
}

}  // namespace
}  // namespace kasumori::archive
