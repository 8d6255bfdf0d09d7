// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnail maker on a 24-megapixel JPEG against a bare libjpeg-turbo quarter-scale fast
// decode of the same file; a strip of 8 thumbnails fetched from the disk cache; and the
// thumbnails of a whole folder of 12-megapixel JPEGs made end to end. The folder holds 1000
// photos unless KASUMORI_BENCH_PHOTOS asks for another number (up to 10000).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "bench_jpeg.h"
#include "bench_support.h"
#include "imaging/decode/photo_decoder.h"
#include "library/folder_state.h"
#include "library/load_failed_flags.h"
#include "library/photo_list.h"
#include "config/settings.h"
#include "support/camera_jpeg.h"
#include "thumbs/thumbnail_cache.h"
#include "thumbs/thumbnail_maker.h"

namespace {

using namespace kasumori;
using bench::Median;

void BareQuarterDecode(const QString& path) {
  std::vector<unsigned char> out;
  bench::BareDecode(path, 4, JDCT_IFAST, out);
}

QByteArray CameraLikeJpeg(int width, int height, int seed) {
  return testkit::EncodeJpeg(testkit::MakeCameraLikePicture(width, height, seed), {});
}

double NowMs() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// One folder of slot 1 with its list, cache and maker, as the main window wires them.
struct Library {
  explicit Library(const QString& root)
      : list(std::make_unique<library::PhotoList>()),
        cache(*list, folders, settings, root + "/Thumbnail", loadFailed),
        decoder({}, nullptr),
        maker({*list, folders, settings, decoder, cache}) {
    settings.PhotoFolder1 = root + "/Photos";
    folders.CurrentSlot = 1;
    folders.CurrentFolder = settings.PhotoFolder1;
    QDir().mkpath(folders.CurrentFolder);
    cache.SetMaker([this](int position, const QString& store) {
      ++makerCalls;
      return maker.MakeThumbnail(thumbs::ThumbnailMode::List, position, store);
    });
    cache.SetDecodeAhead([this](const QStringList& paths) { maker.DecodeAhead(paths); });
  }

  config::Settings settings;
  library::FolderState folders;
  std::unique_ptr<library::PhotoList> list;
  library::LoadFailedFlags loadFailed;
  thumbs::ThumbnailCache cache;
  imaging::PhotoDecoder decoder;
  thumbs::ThumbnailMaker maker;
  int makerCalls = 0;
};

bool WriteCopies(const QString& folder, const QString& stem, int count, const QByteArray& jpeg) {
  for (int i = 1; i <= count; ++i) {
    QFile file(QStringLiteral("%1/%2%3.jpg").arg(folder, stem).arg(i, 4, 10, QChar('0')));
    if (file.exists()) continue;  // generated once per work folder
    if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size()) return false;
  }
  return true;
}

void MakerAgainstBareDecode(const QString& work) {
  Library lib(work + "/single");
  const QString jpeg = lib.folders.CurrentFolder + "/camera_24mp.jpg";
  if (!QFileInfo::exists(jpeg)) {
    QFile file(jpeg);
    if (!file.open(QIODevice::WriteOnly) || file.write(CameraLikeJpeg(6000, 4000, 7)) <= 0) return;
  }
  lib.list->Append("camera_24mp.jpg", {});
  const QString store = lib.cache.CurrentThumbnailPath("camera_24mp.jpg");
  const auto make = [&] { lib.maker.MakeThumbnail(thumbs::ThumbnailMode::List, 1, store); };
  const auto bare = [&] { BareQuarterDecode(jpeg); };
  make();
  bare();
  std::vector<double> mine, base;
  for (int i = 0; i < 9; ++i) {  // alternating, so load from other processes hits both alike
    base.push_back(bench::MedianMs(bare, 1));
    mine.push_back(bench::MedianMs(make, 1));
  }
  bench::Report("MakeThumbnail 6000x4000 JPEG vs bare 1/4 IFAST decode (target <= 1.2x)",
                Median(mine), Median(base));
}

void StripFromDiskCache(const QString& work) {
  Library lib(work + "/strip");
  const QByteArray jpeg = testkit::EncodeJpeg(testkit::MakeTestPicture(1600, 1200, 5), {});
  WriteCopies(lib.folders.CurrentFolder, "strip", 8, jpeg);
  for (int i = 1; i <= 8; ++i)
    lib.list->Append(QStringLiteral("strip%1.jpg").arg(i, 4, 10, QChar('0')), {});
  for (int p = 1; p <= 8; ++p) lib.cache.Fetch(p);  // made and stored once
  lib.makerCalls = 0;
  std::vector<double> times;
  for (int run = 0; run < 21; ++run) {
    lib.cache.Reset();
    const double start = NowMs();
    for (int p = 1; p <= 8; ++p) lib.cache.Fetch(p);
    times.push_back(NowMs() - start);
  }
  bench::ReportAbsolute("strip of 8 thumbnails from the disk cache (target < 3 ms)", Median(times));
  std::printf("photo decodes while fetching the cached strip (must be 0): %d\n", lib.makerCalls);
}

void WholeFolder(const QString& work) {
  int count = 1000;
  if (const char* asked = std::getenv("KASUMORI_BENCH_PHOTOS")) {
    count = std::clamp(std::atoi(asked), 1, library::kMaxPhotos);
  }
  Library lib(work + "/folder");
  // One generated 12-megapixel photo written under every name: each is decoded separately.
  const double generated = NowMs();
  const QByteArray jpeg = CameraLikeJpeg(4000, 3000, 9);
  if (!WriteCopies(lib.folders.CurrentFolder, "IMG_", count, jpeg)) {
    std::fprintf(stderr, "cannot write the photos\n");
    return;
  }
  std::printf("folder of %d copies of a 4000x3000 JPEG (%lld bytes) ready in %.0f ms%s\n", count,
              static_cast<long long>(jpeg.size()), NowMs() - generated,
              count == 1000 ? "; KASUMORI_BENCH_PHOTOS=n asks for another number" : "");
  for (int i = 1; i <= count; ++i) {
    lib.list->Append(QStringLiteral("IMG_%1.jpg").arg(i, 4, 10, QChar('0')), {});
  }
  // Made on one core, then (the cache emptied) as the strip and the wide window ask for them:
  // a page of cells announced, then fetched in the cells' order, decoded on both cores.
  const auto makeAll = [&](bool announced) {
    QDir(lib.settings.PhotoFolder1 + "/../Thumbnail").removeRecursively();
    lib.cache.Reset();
    lib.makerCalls = 0;
    constexpr int kPage = 47;  // the strip's 8 cells and the wide window's 39
    const double start = NowMs();
    for (int first = 1; first <= count; first += kPage) {
      const int last = std::min(count, first + kPage - 1);
      if (announced) {
        std::vector<int> page;
        for (int p = first; p <= last; ++p) page.push_back(p);
        lib.cache.Upcoming(page);
      }
      for (int p = first; p <= last; ++p) lib.cache.Fetch(p);
    }
    return NowMs() - start;
  };
  const double oneCore = makeAll(false);
  std::printf(
      "thumbnails of %d 12-megapixel JPEGs made end to end on one core: %.1f photos per second "
      "(%.1f ms each, %d decodes)\n",
      count, count * 1000.0 / oneCore, oneCore / count, lib.makerCalls);
  const double bothCores = makeAll(true);
  std::printf(
      "thumbnails of %d 12-megapixel JPEGs made end to end on both cores: %.1f photos per "
      "second, %.2fx the one-core rate (target >= 1.8x; %d decodes)\n",
      count, count * 1000.0 / bothCores, oneCore / bothCores, lib.makerCalls);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const QString work =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + "/thumbs_bench";
  QDir().mkpath(work);
  MakerAgainstBareDecode(work);
  StripFromDiskCache(work);
  WholeFolder(work);
  return 0;
}
