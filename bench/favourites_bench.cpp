// SPDX-License-Identifier: GPL-3.0-or-later
// A page of 36 favourites: their thumbnails from the cache (no photo decoded), and made from 36
// 12-megapixel photos against 36 bare quarter-scale decodes of the same files.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench_jpeg.h"
#include "bench_support.h"
#include "config/data_folders.h"
#include "config/settings.h"
#include "favourites/favourite_thumbnails.h"
#include "favourites/favourites_store.h"
#include "imaging/decode/photo_decoder.h"
#include "library/folder_state.h"
#include "library/load_failed_flags.h"
#include "library/photo_list.h"
#include "support/camera_jpeg.h"
#include "thumbs/thumbnail_cache.h"
#include "thumbs/thumbnail_maker.h"

namespace {

using namespace kasumori;

constexpr int kPage = 36;

double NowMs() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// The favourites store over a program folder, with the thumbnail maker in favourites mode, as
// the favourites window wires them. The photos lie outside every photo folder, so each
// favourite has a thumbnail of its own.
struct Favourites {
  explicit Favourites(const QString& work)
      : folders(DataFoldersIn(work)),
        list(std::make_unique<library::PhotoList>()),
        cache(*list, listFolders, settings, folders.ThumbnailFolder, loadFailed),
        decoder({}, nullptr),
        store(settings, folders),
        maker({*list, listFolders, settings, decoder, cache,
               favourites::FavouriteSubjectsOf(store.Folder())}),
        thumbnails(settings, folders.ThumbnailFolder, store.Folder()) {
    thumbnails.SetMaker([this](int number, const QString& path) {
      ++decodes;
      return maker.MakeThumbnail(thumbs::ThumbnailMode::Favourites, number, path);
    });
  }

  static config::DataFolders DataFoldersIn(const QString& work) {
    config::DataFolders data;
    data.ProgramFolder = work + "/program";
    data.ThumbnailFolder = data.ProgramFolder + "/Thumbnail";
    QDir().mkpath(data.ThumbnailFolder);
    return data;
  }

  // Every thumbnail of the page loaded, as the window draws it; the time it took.
  double LoadPage() {
    store.LoadFolder(QString());
    const double start = NowMs();
    for (int n = 1; n <= kPage; ++n) thumbnails.Load(n);
    return NowMs() - start;
  }

  config::Settings settings;
  config::DataFolders folders;
  library::FolderState listFolders;
  std::unique_ptr<library::PhotoList> list;
  library::LoadFailedFlags loadFailed;
  thumbs::ThumbnailCache cache;
  imaging::PhotoDecoder decoder;
  favourites::FavouritesStore store;
  thumbs::ThumbnailMaker maker;
  favourites::FavouriteThumbnails thumbnails;
  int decodes = 0;
};

QStringList WritePhotos(const QString& folder) {
  QDir().mkpath(folder);
  const QByteArray jpeg = testkit::EncodeJpeg(testkit::MakeCameraLikePicture(4000, 3000, 11), {});
  QStringList paths;
  for (int i = 1; i <= kPage; ++i) {
    const QString path = QStringLiteral("%1/IMG_%2.jpg").arg(folder).arg(i, 4, 10, QChar('0'));
    QFile file(path);
    if (!file.exists() && (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size())) {
      return {};
    }
    paths << path;
  }
  return paths;
}

}  // namespace

int main(int argc, char** argv) {
  const QString work =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + "/favourites_bench";
  const QStringList photos = WritePhotos(work + "/elsewhere");
  if (photos.isEmpty()) {
    std::fprintf(stderr, "cannot write the photos\n");
    return 1;
  }
  Favourites fav(work);
  fav.store.Load();
  for (const QString& photo : photos) fav.store.Add(QString(), QFileInfo(photo).fileName(), photo);

  std::vector<double> made, bare;
  for (int run = 0; run < 3; ++run) {
    QDir(fav.folders.ThumbnailFolder + "/OK").removeRecursively();
    made.push_back(fav.LoadPage());
    const double start = NowMs();
    std::vector<unsigned char> out;
    for (const QString& photo : photos) bench::BareDecode(photo, 4, JDCT_IFAST, out);
    bare.push_back(NowMs() - start);
  }
  bench::Report("page of 36 favourites made from 12-megapixel JPEGs vs 36 bare 1/4 IFAST decodes",
                bench::Median(made), bench::Median(bare));

  fav.decodes = 0;
  std::vector<double> cached;
  for (int run = 0; run < 21; ++run) cached.push_back(fav.LoadPage());
  bench::ReportAbsolute("page of 36 cached favourites (target < 10 ms)", bench::Median(cached));
  std::printf("photo decodes while loading the cached page (must be 0): %d\n", fav.decodes);
  return 0;
}
