// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the displayed photo: a 24-megapixel camera JPEG shown in the 1024 × 768 area, saved
// as a JPEG at step 8 (quality 90) with its Exif segment carried over: the capture of the
// screen picture, the encode, the Exif head and the write beside the target with its rename.
// Baseline, in the same run: a plain libjpeg-turbo encode of the same captured pixels into
// memory. The display itself is done once before and not timed.
#include "bench_jpeg.h"
#include "bench_support.h"
#include "display/photo_display.h"
#include "export/save_area.h"
#include "export/saved_photo.h"
#include "support/headless_display_host.h"
#include "support/scripted_dialog_service.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {
using namespace kasumori;
}  // namespace

int main(int argc, char** argv) {
  const QString work =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + "/export_bench";
  QDir().mkpath(work);
  const QString jpeg = work + "/camera_24mp.jpg";
  if (!bench::WriteCameraLikeJpeg(jpeg, 6000, 4000)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(jpeg));
    return 1;
  }
  auto list = std::make_unique<library::PhotoList>();
  list->Append(QFileInfo(jpeg).fileName(), {});
  library::FolderState folders;
  folders.CurrentFolder = work;
  config::Settings settings;
  platform::ScriptedDialogService dialogs;
  library::LoadFailedFlags loadFailed;
  imaging::PhotoDecoder decoder({}, nullptr);
  testkit::HeadlessDisplayHost host;
  display::PhotoDisplay display(
      {*list, folders, settings, dialogs, loadFailed, decoder, host, [](int) { return 0; }});
  display.SetDisplaySize({1024, 768});
  display.ShowPhoto(1);
  if (!dialogs.Records().empty() || display.Exif().ExifLength == 0) {
    std::fprintf(stderr, "the photo did not load: %s\n", qPrintable(dialogs.LastText()));
    return 1;
  }
  // The 3:2 photo leaves bars above and below in the 4:3 area; the save cuts them.
  const display::DisplayScale& scale = display.LastComposition().scale;
  const QRect area = exporting::PlanSaveArea(
                         {QSize(1024, 768), false, {}, false, false, scale.MarginX, scale.MarginY})
                         .withoutBars;
  const exporting::SaveOptions options;  // JPEG, step 8, with Exif
  const QString target = work + "/camera_24mp_s.jpg";
  const pixels::ConstPixelView screen = host.Target();
  auto save = [&] {
    const imaging::TQxDIB picture = exporting::CapturePicture(screen, area);
    if (exporting::WriteSavedPhoto({picture, options, jpeg, target})) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(target));
    }
  };
  const pixels::ConstPixelView captured =
      pixels::SubView(screen, area.x(), area.y(), area.width(), area.height());
  std::vector<unsigned char> encoded;
  auto baseline = [&] {
    bench::BareEncode(captured.data, captured.width, captured.height, std::size_t(captured.stride),
                      exporting::JpegQuality(options.qualityStep), encoded);
  };
  bench::Compare("save 6000x4000 shown at 1024x768 as JPEG quality 90 with Exif", save, baseline,
                 9);
  bench::ReportAbsolute("save time beyond the display (target under 100 ms)",
                        bench::MedianMs(save, 9));
  return 0;
}
