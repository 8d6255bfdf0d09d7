// SPDX-License-Identifier: GPL-3.0-or-later
// The photo list scan and ordering, measured whole (ScanFolder with its OrderList) for each
// sort order. Baselines, in the same run: a bare readdir + stat of the same 10000-file folder
// for the name and file-date orders, and reading the first 64 KiB of each of the 2000 JPEGs
// for the Exif order.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "bench_support.h"
#include "library/photo_list_controller.h"
#include "support/camera_jpeg.h"
#include "support/scripted_dialog_service.h"

namespace kasumori {
namespace {

constexpr int kNamedFiles = 10000;
constexpr int kExifPhotos = 2000;
constexpr std::size_t kPlainReadSize = 64 * 1024;

// 10000 tiny files with camera-like names in mixed case and scattered modification times.
void MakeNamedFolder(const QString& folder, std::mt19937& random) {
  QDir().mkpath(folder);
  const char* stems[] = {"IMG_", "img_", "DSC", "P", "写真"};
  const char* extensions[] = {".jpg", ".JPG", ".jpeg", ".tif", ".bmp"};
  for (int i = 0; i < kNamedFiles; ++i) {
    const QString name = QString("%1%2%3")
                             .arg(QString::fromUtf8(stems[random() % 5]))
                             .arg(int(random() % 100000), 5, 10, QChar('0'))
                             .arg(QString::fromLatin1(extensions[random() % 5]));
    const QByteArray path = QFile::encodeName(folder + '/' + QString::number(i) + name);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) continue;
    const timespec times[2] = {{1600000000 + long(random() % 100000000), 0},
                               {1600000000 + long(random() % 100000000), 0}};
    ::futimens(fd, times);
    ::close(fd);
  }
}

std::vector<QString> MakeExifFolder(const QString& folder, std::mt19937& random) {
  QDir().mkpath(folder);
  std::vector<QString> paths;
  for (int i = 0; i < kExifPhotos; ++i) {
    testkit::CameraShot shot;
    shot.dateTimeOriginal = QString("20%1:%2:%3 %4:%5:%6")
                                .arg(int(random() % 30), 2, 10, QChar('0'))
                                .arg(int(random() % 12 + 1), 2, 10, QChar('0'))
                                .arg(int(random() % 28 + 1), 2, 10, QChar('0'))
                                .arg(int(random() % 24), 2, 10, QChar('0'))
                                .arg(int(random() % 60), 2, 10, QChar('0'))
                                .arg(int(random() % 60), 2, 10, QChar('0'))
                                .toLatin1();
    const QString path = folder + QString("/shot%1.jpg").arg(i, 4, 10, QChar('0'));
    if (testkit::WriteCameraJpeg(path, 32, 24, shot, i)) paths.push_back(path);
  }
  return paths;
}

// The bare enumeration: every entry's name and attributes, nothing else.
int EnumerateWithStat(const QString& folder) {
  DIR* dir = ::opendir(QFile::encodeName(folder).constData());
  if (dir == nullptr) return 0;
  int files = 0;
  while (const dirent* entry = ::readdir(dir)) {
    struct stat info {};
    if (::fstatat(::dirfd(dir), entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode)) ++files;
  }
  ::closedir(dir);
  return files;
}

std::size_t ReadHeads(const std::vector<QString>& paths) {
  static std::vector<char> buffer(kPlainReadSize);
  std::size_t total = 0;
  for (const QString& path : paths) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0) continue;
    const ssize_t got = ::read(fd, buffer.data(), buffer.size());
    if (got > 0) total += std::size_t(got);
    ::close(fd);
  }
  return total;
}

struct ListRig {
  explicit ListRig(const QString& folder)
      : controller(*list, settings, folders, extensions, dialogs) {
    folders.CurrentFolder = folder;
  }
  double TimeScan(int sortOrder) {
    settings.SortOrder = config::SortOrder(sortOrder);
    return bench::MedianMs([this] { controller.ScanFolder(); });
  }

  std::unique_ptr<library::PhotoList> list = std::make_unique<library::PhotoList>();
  config::Settings settings;
  library::FolderState folders;
  library::PhotoExtensions extensions;
  platform::ScriptedDialogService dialogs;
  library::PhotoListController controller;
};

}  // namespace
}  // namespace kasumori

int main(int argc, char** argv) {
  using namespace kasumori;
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s WORK_FOLDER\n", argv[0]);
    return 2;
  }
  const QString work = QString::fromLocal8Bit(argv[1]);
  std::mt19937 random(2026);
  const QString named = work + "/named";
  const QString exif = work + "/exif";
  MakeNamedFolder(named, random);
  const std::vector<QString> exifPaths = MakeExifFolder(exif, random);

  int listed = 0;
  const double enumerateMs = bench::MedianMs([&] { listed = EnumerateWithStat(named); });
  ListRig namedRig(named);
  const double nameMs = namedRig.TimeScan(1);
  const double dateMs = namedRig.TimeScan(2);
  if (namedRig.list->PhotoCount != listed) {
    std::fprintf(stderr, "listed %d of %d files\n", namedRig.list->PhotoCount, listed);
    return 1;
  }
  bench::Report("name order, 10000 files (ScanFolder)", nameMs, enumerateMs);
  bench::Report("file-date order, 10000 files (ScanFolder)", dateMs, enumerateMs);

  std::size_t bytes = 0;
  const double readMs = bench::MedianMs([&] { bytes = ReadHeads(exifPaths); });
  ListRig exifRig(exif);
  const double exifMs = exifRig.TimeScan(3);
  if (exifRig.list->PhotoCount != int(exifPaths.size()) || bytes == 0) return 1;
  bench::Report("Exif order, 2000 JPEGs (ScanFolder)", exifMs, readMs);
  return 0;
}
