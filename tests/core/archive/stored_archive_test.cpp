// SPDX-License-Identifier: GPL-3.0-or-later
// LZH and RAR archives, which nothing on this system can write: assembled by hand with their
// members stored, they pin listing, Japanese names, extraction and the damaged cases.
#include "archive/archive_file.h"
#include "archive/archive_photos.h"

#include "support/scripted_dialog_service.h"
#include "support/stored_archives.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

namespace kasumori::archive {
namespace {

using testkit::Cp932;
using testkit::LzhLevel;
using testkit::RarNames;
using testkit::StoredMember;
using testkit::TempTree;

const QByteArray kPhoto = QByteArray("\xFF\xD8\xFF\xE0") + QByteArray(3000, 'p');
const QString kFolder = QStringLiteral("写真");
const QString kPhotoName =
    QStringLiteral("写真/夜景～.jpg");  // "～" is where SHIFT_JIS and CP932 differ

std::vector<StoredMember> Members(QByteArray (*encode)(const QString&)) {
  return {{encode(kFolder), {}, true}, {encode(kPhotoName), kPhoto}, {"b.jpg", "B"}};
}
QByteArray Utf8(const QString& name) { return name.toUtf8(); }

struct StoredCase {
  const char* name;
  QByteArray bytes;
  qsizetype headerByte;  // a byte the first header's checksum guards
  bool dataCrcChecked;   // libarchive does not check a stored RAR member's CRC
};
std::vector<StoredCase> Cases() {
  // Level 0 and 1 guard the header by the sum at byte 1, level 2 by the CRC in its first
  // extended header (bytes 27 and 28); RAR 4's main header by the CRC at byte 7, RAR 5's by
  // the CRC after its 8-byte marker.
  return {
      {"level0.lzh", testkit::MakeStoredLzh(Members(Cp932), LzhLevel::Zero), 1, true},
      {"level1.lzh", testkit::MakeStoredLzh(Members(Cp932), LzhLevel::One), 1, true},
      {"level2.lzh", testkit::MakeStoredLzh(Members(Cp932), LzhLevel::Two), 27, true},
      {"oem.rar", testkit::MakeStoredRar4(Members(Cp932), RarNames::Oem), 7, false},
      {"unicode.rar", testkit::MakeStoredRar4(Members(Utf8), RarNames::Unicode), 7, false},
      {"comic.cbr", testkit::MakeStoredRar4(Members(Utf8), RarNames::Unicode), 7, false},
      {"five.rar", testkit::MakeStoredRar5(Members(Utf8)), 8, false},
  };
}

struct Listing {
  QStringList names;
  std::vector<std::int64_t> sizes;
};
Listing Listed(TArchiveFile& file) {
  Listing listing;
  file.OpenArchive(0);
  TIndividualInfo info;
  for (int r = file.FindFirst("*.*", info); r == 0; r = file.FindNext(info)) {
    listing.names << info.szFileName;
    listing.sizes.push_back(info.dwOriginalSize);
  }
  file.CloseArchive();
  return listing;
}

TEST(ArchiveStored, LzhAndRarListAndExtractWithJapaneseNames) {
  for (const StoredCase& c : Cases()) {
    TempTree tree;
    TArchiveFile file;
    file.SetFileName(tree.File(c.name, c.bytes));
    EXPECT_NE(file.CheckArchive(0) & 0x7FFF, 0) << c.name;
    const Listing listing = Listed(file);
    EXPECT_EQ(listing.names, (QStringList{kFolder + "/", kPhotoName, "b.jpg"})) << c.name;
    if (listing.sizes.size() == 3) {
      EXPECT_EQ(listing.sizes[1], kPhoto.size()) << c.name;
      EXPECT_EQ(listing.sizes[2], 1) << c.name;
    }
    EXPECT_EQ(file.ExtractFiles(kPhotoName, tree.Path("Temp")), ExtractOutcome::Extracted)
        << c.name;
    EXPECT_EQ(tree.Read("Temp/" + kPhotoName), kPhoto) << c.name;
    EXPECT_EQ(file.ExtractFiles(kFolder + "/", tree.Path("Temp")), ExtractOutcome::Refused)
        << c.name;
  }
}

TEST(ArchiveStored, DamagedDataIsDamagedAndADamagedHeaderIsNotAnArchive) {
  for (const StoredCase& c : Cases()) {
    TempTree tree;
    platform::ScriptedDialogService dialogs;
    ArchivePhotos photos{{tree.Folder("Temp"), dialogs}};

    // An archive cut inside the photo, and (where the reader checks it) a flipped photo byte
    // failing the member's CRC: the photo is not extracted and nothing is left behind.
    QByteArray flipped = c.bytes;
    const qsizetype photoAt = c.bytes.indexOf(kPhoto);
    flipped[photoAt + kPhoto.size() / 2] = char(flipped[photoAt + kPhoto.size() / 2] ^ 0x01);
    std::vector<std::pair<QString, QByteArray>> damaged{
        {"cut-", c.bytes.left(photoAt + kPhoto.size() / 2)}};
    if (c.dataCrcChecked) damaged.push_back({"flipped-", flipped});
    for (const auto& [prefix, bytes] : damaged) {
      const QString path = tree.File(prefix + c.name, bytes);
      EXPECT_TRUE(photos.EntryNames(path).has_value()) << prefix.toStdString() << c.name;
      const auto extracted =
          photos.ExtractPhoto(path + "/" + kPhotoName, ArchivePhotos::Report::Message);
      ASSERT_TRUE(extracted) << prefix.toStdString() << c.name;
      EXPECT_TRUE(extracted->temporaryFiles.isEmpty()) << prefix.toStdString() << c.name;
      EXPECT_FALSE(tree.Exists("Temp/" + kPhotoName)) << prefix.toStdString() << c.name;
      EXPECT_FALSE(tree.Exists("Temp/" + kPhotoName + ".part")) << c.name;
    }
    EXPECT_TRUE(dialogs.Records().empty()) << c.name;

    // A header that fails its checksum makes the file no archive of its kind.
    QByteArray badHeader = c.bytes;
    badHeader[c.headerByte] = char(badHeader[c.headerByte] ^ 0x01);
    const QString badHeaderPath = tree.File(QString("header-") + c.name, badHeader);
    EXPECT_FALSE(photos.EntryNames(badHeaderPath).has_value()) << c.name;
    EXPECT_FALSE(
        photos.ExtractPhoto(badHeaderPath + "/" + kPhotoName, ArchivePhotos::Report::Message))
        << c.name;
    ASSERT_EQ(dialogs.Records().size(), 1u) << c.name;
    EXPECT_EQ(dialogs.Records()[0].lines, photos.UnreadableMessage(badHeaderPath)) << c.name;
  }
}

TEST(ArchiveStored, TheMessageNamesTheKind) {
  platform::ScriptedDialogService dialogs;
  ArchivePhotos photos{{"/tmp", dialogs}};
  EXPECT_EQ(photos.UnreadableMessage("/p/a.lzh").join(""),
            "ファイル「a.lzh」は、LHA 形式書庫ではないようです。"
            "もしくは、ファイルが壊れている可能性があります。");
  EXPECT_EQ(photos.UnreadableMessage("/p/a.cbr").first(),
            "ファイル「a.cbr」は、RAR 形式書庫ではないようです。");
}

}  // namespace
}  // namespace kasumori::archive
