// SPDX-License-Identifier: GPL-3.0-or-later
#include "demo_archive.h"

#include "support/archive_fixture.h"
#include "support/camera_jpeg.h"

#include <QFile>
#include <QFileInfo>

namespace {

struct ArchivedPhoto {
  const char* name;
  int width;
  int height;
  const char* taken;
};

constexpr ArchivedPhoto kArchived[] = {
    {"表紙.jpg", 1200, 900, "2026:04:01 09:00:00"},
    {"京都/金閣寺.jpg", 1600, 1200, "2026:04:02 10:12:30"},
    {"京都/夜の清水寺.jpg", 1200, 1600, "2026:04:02 19:45:10"},
};

QByteArray ArchivedJpeg(const ArchivedPhoto& photo, int seed) {
  kasumori::testkit::CameraShot shot;
  shot.model = "KS-100";
  shot.dateTimeOriginal = photo.taken;
  const QImage picture = kasumori::testkit::MakeTestPicture(photo.width, photo.height, seed);
  return kasumori::testkit::EncodeJpeg(
      picture, kasumori::testkit::BuildExifPayload(kasumori::testkit::CameraExif(shot)));
}

}  // namespace

bool WriteDemoArchive(const QString& folder) {
  const QString path = folder + QStringLiteral("/旅行アルバム.zip");
  if (QFileInfo::exists(path)) return true;
  using Member = kasumori::testkit::ArchiveMember;
  std::vector<Member> members{{QStringLiteral("京都/"), {}, Member::Kind::Folder}};
  int seed = 40;
  for (const ArchivedPhoto& photo : kArchived) {
    members.push_back({QString::fromUtf8(photo.name), ArchivedJpeg(photo, ++seed)});
  }
  const QByteArray zip = kasumori::testkit::MakeZip(members, kasumori::testkit::ZipNames::Cp932);
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(zip) == zip.size();
}
