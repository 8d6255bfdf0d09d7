// SPDX-License-Identifier: GPL-3.0-or-later
// A ZIP of 10,000 photos in one folder: listing its entries as the photo list does, and taking
// out its 5,000th photo as the display does (extracted into the temporary folder, deleted
// again). Baselines, in the same run: the bare libarchive calls for the same work (open, walk
// the headers, collect the names; walk to the entry, write its data to a file, remove it).
#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cstdio>
#include <string>
#include <vector>

#include "archive/archive_photos.h"
#include "bench_support.h"
#include "support/archive_fixture.h"
#include "support/scripted_dialog_service.h"

namespace kasumori {
namespace {

constexpr int kPhotos = 10000;
constexpr int kShown = 5000;

QString PhotoName(int i) { return QString("photos/IMG_%1.jpg").arg(i, 5, 10, QChar('0')); }

QByteArray MakeAlbum() {
  std::vector<testkit::ArchiveMember> members;
  members.push_back({"photos/", {}, testkit::ArchiveMember::Kind::Folder});
  for (int i = 1; i <= kPhotos; ++i) {
    // Small photos: the walk over the headers is what is measured, not inflating.
    members.push_back({PhotoName(i), QByteArray(2000, char('a' + i % 26))});
  }
  return testkit::MakeZip(members);
}

struct archive* OpenBare(const QByteArray& zip) {
  struct archive* a = archive_read_new();
  archive_read_support_format_zip(a);
  archive_read_open_filename(a, zip.constData(), 64 * 1024);
  return a;
}

std::size_t BareList(const QByteArray& zip) {
  struct archive* a = OpenBare(zip);
  std::vector<std::string> names;
  struct archive_entry* entry = nullptr;
  while (archive_read_next_header(a, &entry) == ARCHIVE_OK) {
    names.emplace_back(archive_entry_pathname(entry));
  }
  archive_read_free(a);
  return names.size();
}

bool BareExtract(const QByteArray& zip, const std::string& wanted, const QByteArray& target) {
  struct archive* a = OpenBare(zip);
  struct archive_entry* entry = nullptr;
  bool done = false;
  while (!done && archive_read_next_header(a, &entry) == ARCHIVE_OK) {
    if (wanted != archive_entry_pathname(entry)) continue;
    const int fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    done = archive_read_data_into_fd(a, fd) == ARCHIVE_OK;
    ::close(fd);
  }
  archive_read_free(a);
  ::unlink(target.constData());
  return done;
}

}  // namespace
}  // namespace kasumori

int main(int argc, char** argv) {
  using namespace kasumori;
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s WORK_FOLDER\n", argv[0]);
    return 2;
  }
  const QString work = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(work + "/Temp");
  const QString zipPath = work + "/album.zip";
  QFile file(zipPath);
  if (!file.open(QIODevice::WriteOnly) || file.write(MakeAlbum()) < 0) return 1;
  file.close();
  const QByteArray zip = QFile::encodeName(zipPath);

  platform::ScriptedDialogService dialogs;
  archive::ArchivePhotos photos({work + "/Temp", dialogs});
  std::size_t bareCount = 0;
  qsizetype listed = 0;
  const double bareListMs = bench::MedianMs([&] { bareCount = BareList(zip); });
  const double listMs = bench::MedianMs([&] { listed = photos.EntryNames(zipPath)->size(); });
  if (listed != kPhotos + 1 || bareCount != std::size_t(listed)) {
    std::fprintf(stderr, "the listing does not hold the album\n");
    return 1;
  }
  bench::Report("ZIP of 10,000 photos: list its entries", listMs, bareListMs);

  const QString shown = PhotoName(kShown);
  const QByteArray bareTarget = QFile::encodeName(work + "/Temp/bare.jpg");
  bool bareDone = false;
  bool extracted = false;
  const double bareShowMs =
      bench::MedianMs([&] { bareDone = BareExtract(zip, shown.toStdString(), bareTarget); });
  const double showMs = bench::MedianMs([&] {
    const auto photo =
        photos.ExtractPhoto(zipPath + '/' + shown, archive::ArchivePhotos::Report::Quiet);
    library::ExtractedFiles files;
    if (photo) files.Add(photo->temporaryFiles);
    extracted = photo && QFile::exists(photo->path);
  });
  if (!bareDone || !extracted) {
    std::fprintf(stderr, "the 5,000th photo was not extracted\n");
    return 1;
  }
  bench::Report("ZIP of 10,000 photos: extract the 5,000th for display", showMs, bareShowMs);
  return 0;
}
