// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the demo photo folder: camera-like JPEGs of a few sizes, landscape and portrait, each
// with an Exif segment first, a portrait stored lying down with the Orientation a camera
// writes for it, one photo of each plug-in format, and a few edit records beside them (a
// comment, a vertical comment, a turn with brighter tones, a zoom window). Files already
// there are kept, so running it again is cheap. Given a program folder too, it files a few of
// the photos as favourites there, unless favourites exist already. A ZIP with Japanese names
// holds a few more photos.
#include "demo_archive.h"

#include "config/data_folders.h"
#include "config/settings.h"
#include "config/text_file.h"
#include "favourites/favourites_store.h"
#include "support/camera_jpeg.h"
#include "support/dng_fixture.h"
#include "support/edit_record_file.h"
#include "support/encoded_pictures.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTransform>

#include <cstdio>

namespace {

struct DemoPhoto {
  const char* name;
  int width;
  int height;
  const char* model;
  const char* taken;
  std::uint32_t fNumberTimes10;
  std::uint32_t exposureDenominator;
  std::uint16_t iso;
  std::uint16_t flash;
  std::uint32_t focalTimes10;
  std::uint16_t orientation = 1;  // 6: stored lying down, to be turned a quarter right
};

constexpr DemoPhoto kPhotos[] = {
    {"DSC00001.jpg", 1600, 1200, "KS-100", "2026:05:14 10:23:45", 28, 250, 100, 0, 56},
    {"DSC00002.jpg", 1200, 1600, "KS-100", "2026:05:14 10:25:02", 40, 125, 200, 0, 73},
    {"DSC00003.jpg", 3000, 2000, "KS-200 Pro", "2026:06:02 18:40:11", 56, 60, 400, 1, 240},
    {"DSC00004.jpg", 640, 480, "KS-100", "2026:06:03 07:05:30", 80, 1000, 100, 0, 56},
    {"DSC00005.jpg", 2000, 3000, "KS-200 Pro", "2026:06:03 12:00:00", 110, 500, 800, 0, 500},
    {"DSC00006.jpg", 1024, 768, "KS-100", "2026:07:21 21:15:48", 20, 30, 1600, 1, 45},
    {"DSC00007.jpg", 1600, 1200, "KS-100", "2026:07:22 09:41:07", 40, 250, 100, 0, 56, 6},
};

// A camera held upright writes the sensor's landscape pixels and asks for a right turn: the
// upright picture turned a quarter left is what lies in the file.
bool WriteDemoPhoto(const QString& path, const DemoPhoto& photo,
                    const kasumori::testkit::CameraShot& shot, int seed) {
  if (photo.orientation == 1) {
    return kasumori::testkit::WriteCameraJpeg(path, photo.width, photo.height, shot, seed);
  }
  const QImage upright = kasumori::testkit::MakeTestPicture(photo.height, photo.width, seed);
  const QImage stored = upright.transformed(QTransform().rotate(-90));
  const QByteArray jpeg = kasumori::testkit::EncodeJpeg(
      stored, kasumori::testkit::BuildExifPayload(kasumori::testkit::CameraExif(shot)));
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(jpeg) == jpeg.size();
}

// Edit records as the reference platform's editor leaves them: one per kind of edit.
bool WriteDemoRecords(const QString& folder) {
  using kasumori::testkit::RecordLines;
  RecordLines comment;
  comment.Comment = QStringLiteral("朝の公園にて　２０２６年５月").toUtf8();
  RecordLines turned;
  turned.Comment = QStringLiteral("左に回して明るく").toUtf8();
  turned.Rotation = "-1";
  turned.Brightness = "24";
  turned.Contrast = "320";
  RecordLines zoom;
  zoom.Comment = QStringLiteral("中央を拡大").toUtf8();
  zoom.ZoomFlag = "1";
  zoom.Magnification = "5";
  zoom.ZoomCentreX = "1000";
  zoom.ZoomCentreY = "1500";
  // Vertical writing down the right edge, with brackets and a long-vowel mark that turn and a
  // full stop that moves to the upper right of its cell.
  RecordLines vertical;
  vertical.Comment = QStringLiteral("「夕焼けの海」ーきれいだった。").toUtf8();
  vertical.CommentStyle = "4";
  const std::pair<const char*, const RecordLines*> records[] = {
      {"DSC00002_jpg.ksm", &comment},
      {"DSC00003_jpg.ksm", &vertical},
      {"DSC00004_jpg-001.ksm", &turned},
      {"DSC00005_jpg-001.ksm", &zoom},
  };
  for (const auto& [name, lines] : records) {
    const QString path = folder + '/' + QLatin1String(name);
    if (QFileInfo::exists(path)) continue;
    const QByteArray bytes = kasumori::testkit::EditRecordFile(*lines);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return false;
    }
  }
  return true;
}

// Two favourites at the top and one in a favourites folder, named as the add dialog names them.
void AddDemoFavourites(const QString& programFolder, const QString& photoFolder) {
  if (QFileInfo::exists(programFolder + "/Okini.dat")) return;
  kasumori::config::Settings settings;
  kasumori::config::DataFolders folders;
  folders.ProgramFolder = programFolder;
  folders.ThumbnailFolder = programFolder + "/Thumbnail";
  kasumori::favourites::FavouritesStore store(settings, folders);
  store.Load();
  store.CreateFolder(QString(), QStringLiteral("旅行"));
  store.Add(QString(), "DSC00001.jpg", photoFolder + "/DSC00001.jpg");
  store.Add(QString(), "DSC00003.jpg", photoFolder + "/DSC00003.jpg");
  store.Add(QStringLiteral("旅行"), QStringLiteral("海の夕日.jpg"), photoFolder + "/DSC00006.jpg");
}

// A camera card beside the demo folder: photos of two days, dated by their write times as a
// camera dates them, for the transfer into date folders.
QString MakeDemoCard(const QString& demoFolder) {
  const QString card = QFileInfo(demoFolder).dir().filePath("demo-card/DCIM/100KSMOR");
  QDir().mkpath(card);
  const char* days[] = {"2026-11-03T09:00:00", "2026-11-03T15:30:00", "2026-11-28T11:10:00",
                        "2026-11-28T11:12:00"};
  int seed = 40;
  for (const char* day : days) {
    const QString path = card + QStringLiteral("/IMG_%1.JPG").arg(seed, 4, 10, QLatin1Char('0'));
    ++seed;
    if (QFileInfo::exists(path)) continue;
    kasumori::testkit::CameraShot shot;
    shot.model = "KS-100";
    shot.dateTimeOriginal = QByteArray(day).replace('-', ':').replace('T', ' ');
    if (!kasumori::testkit::WriteCameraJpeg(path, 800, 600, shot, seed)) continue;
    QFile file(path);
    if (file.open(QIODevice::ReadWrite)) {
      file.setFileTime(QDateTime::fromString(QLatin1String(day), Qt::ISODate),
                       QFileDevice::FileModificationTime);
    }
  }
  return card;
}

// Offers the card as the first camera once the program has written its settings, unless the
// user chose a camera already.
void OfferDemoCard(const QString& programFolder, const QString& card) {
  kasumori::config::DataFolders folders;
  folders.ProgramFolder = programFolder;
  const QString path = folders.SettingsPath();
  const auto lines = kasumori::config::ReadTextLines(path);
  if (!lines) return;
  kasumori::config::Settings settings = kasumori::config::ParseSettings(*lines, {});
  if (!settings.CameraFolder1.isEmpty()) return;
  settings.CameraName1 = QStringLiteral("デモカード");
  settings.CameraFolder1 = card;
  kasumori::config::WriteTextLines(path, kasumori::config::FormatSettings(settings));
}

}  // namespace

// The Exif data a camera of the newer formats writes, as a TIFF structure.
QByteArray PluginExif(const char* model, const char* taken) {
  kasumori::testkit::CameraShot shot;
  shot.model = model;
  shot.dateTimeOriginal = taken;
  shot.fNumberTimes10 = 18;
  shot.exposureDenominator = 120;
  shot.iso = 64;
  shot.focalLengthTimes10 = 42;
  return kasumori::testkit::BuildTiffExif(kasumori::testkit::CameraExif(shot));
}

// Photos that only the shipped plug-ins read; the HEIC, AVIF and RAW ones carry a camera's
// Exif data, as a phone or a camera writes them.
bool WritePluginPhotos(const QString& folder) {
  using kasumori::testkit::EncodedFormat;
  const struct {
    const char* name;
    EncodedFormat format;
    QByteArray exif;
  } kEncoded[] = {
      {"zz-plugin.png", EncodedFormat::Png, {}},
      {"zz-plugin.webp", EncodedFormat::Webp, {}},
      {"zz-plugin.heic", EncodedFormat::Heic, PluginExif("KS-P9", "2026:08:10 16:20:05")},
      {"zz-plugin.avif", EncodedFormat::Avif, PluginExif("KS-P9", "2026:08:11 06:45:12")}};
  for (const auto& e : kEncoded) {
    const QString path = folder + '/' + QLatin1String(e.name);
    if (!QFileInfo::exists(path) &&
        !kasumori::testkit::WriteEncodedPicture(path, e.format, 800, 600, e.exif)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return false;
    }
  }
  const QString raw = folder + "/zz-plugin.dng";
  return QFileInfo::exists(raw) ||
         kasumori::testkit::WriteDng(raw, 800, 600, 30000, 12000, 6000,
                                     {.dateTimeOriginal = "2026:08:12 05:30:00"});
}

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s FOLDER [PROGRAM_FOLDER]\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // QPainter text and shapes need the GUI module
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  int seed = 0;
  for (const DemoPhoto& photo : kPhotos) {
    const QString path = folder + '/' + QLatin1String(photo.name);
    ++seed;
    if (QFileInfo::exists(path)) continue;
    kasumori::testkit::CameraShot shot;
    shot.model = photo.model;
    shot.dateTimeOriginal = photo.taken;
    shot.fNumberTimes10 = photo.fNumberTimes10;
    shot.exposureDenominator = photo.exposureDenominator;
    shot.iso = photo.iso;
    shot.flash = photo.flash;
    shot.focalLengthTimes10 = photo.focalTimes10;
    shot.orientation = photo.orientation;
    if (!WriteDemoPhoto(path, photo, shot, seed)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  if (!WritePluginPhotos(folder)) return 1;
  if (!WriteDemoRecords(folder)) return 1;
  if (!WriteDemoArchive(folder)) return 1;
  const QString card = MakeDemoCard(folder);
  if (argc == 3) {
    AddDemoFavourites(QString::fromLocal8Bit(argv[2]), folder);
    OfferDemoCard(QString::fromLocal8Bit(argv[2]), card);
  }
  std::printf("demo photos in %s\n", qPrintable(folder));
  return 0;
}
