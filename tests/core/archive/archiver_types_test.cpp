// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_file.h"

#include "support/expect_error.h"

#include <gtest/gtest.h>

namespace kasumori::archive {
namespace {

using testkit::ExpectError;
using T = TArchiverType;

TEST(ArchiverTypes, ExtensionsSelectTheirTypeWhateverTheCase) {
  const struct {
    const char* name;
    T type;
  } cases[] = {
      {"a.lzh", T::atLha},  {"a.ZIP", T::atZip},  {"a.jar", T::atZip},
      {"a.Ear", T::atZip},  {"a.war", T::atZip},  {"a.cbz", T::atZip},
      {"a.cab", T::atCab},  {"a.arj", T::atArj},  {"a.tar", T::atTar},
      {"a.a", T::atTar},    {"a.lib", T::atTar},  {"a.deb", T::atTar},
      {"a.rpm", T::atTar},  {"a.cpio", T::atTar}, {"a.z", T::atTgz},
      {"a.gz", T::atTgz},   {"a.tgz", T::atTgz},  {"a.taz", T::atTgz},
      {"a.bz2", T::atBZ2},  {"a.rar", T::atRar},  {"a.cbr", T::atRar},
      {"a.gza", T::atBga},  {"a.bza", T::atBga},  {"a.yz1", T::atYz1},
      {"a.gca", T::atGCA},  {"a.7z", T::at7z},    {"a.exe", T::atAutoDetect},
      {"a.jpg", T::atNone}, {"zip", T::atNone},   {"a.zip.bak", T::atNone},
  };
  for (const auto& c : cases) EXPECT_EQ(ArchiverTypeForExtension(c.name), c.type) << c.name;
}

TEST(ArchiverTypes, AJarSelectsZipAndAnUnknownExtensionLeavesTheTypeAlone) {
  TArchiveFile file;
  file.SetFileName("/x/app.jar");
  EXPECT_EQ(file.ArchiverType(), T::atZip);
  file.SetFileName("/x/notes.txt");
  EXPECT_EQ(file.ArchiverType(), T::atZip);
  EXPECT_EQ(file.FileName(), "/x/notes.txt");
  file.SetArchiverType(T::atNone);
  EXPECT_EQ(file.ArchiverType(), T::atZip);
}

TEST(ArchiverTypes, TypesWithoutAReaderFailWithTheirMessages) {
  const struct {
    T type;
    const char* message;
  } cases[] = {
      {T::atArj, "ARJ 形式書庫 を扱うには UNARJ32J.DLL が 必要です。"},
      {T::atBga, "BGA 形式書庫 を扱うには BGA32.DLL が 必要です。"},
      {T::atYz1, "YZ1 形式書庫 を扱うには YZ1.DLL が 必要です。"},
      {T::atGCA, "書庫の形式を特定できませんでした。"},
      {T::atBel, "書庫の形式を特定できませんでした。"},
  };
  for (const auto& c : cases) {
    TArchiveFile file;
    ExpectError<ArchiveError>([&] { file.SetArchiverType(c.type); }, c.message);
    // The failed wrapper leaves no archiver object behind.
    ExpectError<ArchiveError>([&] { file.CheckArchive(0); }, kUnknownFormat);
  }
}

TEST(ArchiverTypes, DescriptionsNameTheFormats) {
  EXPECT_EQ(FormatDescription(T::atZip), "ZIP 形式書庫");
  EXPECT_EQ(FormatDescription(T::atTgz), "tar/tgz/taz/bz2 形式書庫");
  EXPECT_EQ(FormatDescription(T::at7z), "7z 形式書庫");
  EXPECT_TRUE(FormatDescription(T::atNone).isEmpty());
}

}  // namespace
}  // namespace kasumori::archive
