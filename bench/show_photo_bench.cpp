// SPDX-License-Identifier: GPL-3.0-or-later
// Showing a photo: the whole display of a 24-megapixel camera JPEG into the 800 × 600 area
// (decode, information, composition, sharpening, histogram), next to a bare libjpeg-turbo
// full-size decode of the same file in the same run; and the composition alone.
#include "bench_jpeg.h"
#include "bench_support.h"
#include "display/photo_display.h"
#include "imaging/dib/qx_dib.h"
#include "imaging/dib/spi_qx_dib.h"
#include "support/scripted_dialog_service.h"
#include "support/headless_display_host.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {
using namespace kasumori;
}  // namespace

int main(int argc, char** argv) {
  const QString work =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + "/show_photo_bench";
  QDir().mkpath(work);
  const QString jpeg = work + "/camera_24mp.jpg";
  if (!bench::WriteCameraLikeJpeg(jpeg, 6000, 4000)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(jpeg));
    return 1;
  }
  auto list = std::make_unique<library::PhotoList>();
  // One photo: with a second the display would decode it ahead, and with it this very file.
  list->Append(QFileInfo(jpeg).fileName(), {});
  library::FolderState folders;
  folders.CurrentFolder = work;
  config::Settings settings;  // chrome, sharpness 12, high quality by default
  settings.HistogramMode = config::HistogramMode::Automatic;
  platform::ScriptedDialogService dialogs;
  library::LoadFailedFlags loadFailed;
  imaging::PhotoDecoder decoder({}, nullptr);
  testkit::HeadlessDisplayHost host;
  display::PhotoDisplay display(
      {*list, folders, settings, dialogs, loadFailed, decoder, host, [](int) { return 0; }});
  display.SetDisplaySize({800, 600});
  std::vector<unsigned char> bare;
  auto baseline = [&] { bench::BareDecode(jpeg, 1, JDCT_ISLOW, bare); };

  imaging::TSPIQxDIB decoded;
  bench::Compare(
      "the display's own decode alone (no information, no composition)",
      [&] { decoder.DecodeForDisplay(jpeg, decoded, [] {}); }, baseline, 7);
  bench::Compare(
      "ShowPhoto 6000x4000 into 800x600, high quality, chrome, sharpness 12, "
      "automatic histogram",
      [&] { display.ShowPhoto(1); }, baseline, 7);
  // The composition follows the decoding on the second core: against the display's own decode
  // it should cost little, against the composition made after the decode it saves its time.
  bench::Compare(
      "ShowPhoto high quality vs the display's own decode alone", [&] { display.ShowPhoto(1); },
      [&] { decoder.DecodeForDisplay(jpeg, decoded, [] {}); }, 7);
  bench::Compare(
      "ShowPhoto high quality, composed as it decodes vs after the decode",
      [&] {
        display.Compositor().EnableFollowing(true);
        display.ShowPhoto(1);
      },
      [&] {
        display.Compositor().EnableFollowing(false);
        display.ShowPhoto(1);
      },
      7);
  display.Compositor().EnableFollowing(true);
  settings.QualityMode = config::QualityMode::Fast;
  bench::Compare(
      "ShowPhoto 6000x4000 into 800x600, fast mode", [&] { display.ShowPhoto(1); }, baseline, 7);
  settings.QualityMode = config::QualityMode::High;
  display.ShowPhoto(1);
  bench::ReportAbsolute("composition alone (decoded photo), high quality",
                        bench::MedianMs([&] { display.Recompose(); }, 9));
  settings.QualityMode = config::QualityMode::Fast;
  bench::ReportAbsolute("composition alone (decoded photo), fast mode",
                        bench::MedianMs([&] { display.Recompose(); }, 9));
  // A slideshow step composes the next photo into the back buffer while the last one is on
  // screen: no information or histogram, at the display size of a small full screen.
  settings.QualityMode = config::QualityMode::High;
  host.ResizeTarget(1024, 768);
  display.SetDisplaySize({1024, 768});
  display.Modes().SlideshowActive = true;
  bench::Compare(
      "slideshow step: the next 6000x4000 photo composed into a 1024x768 back buffer",
      [&] { display.ShowPhoto(1); }, baseline, 7);
  display.Modes().SlideshowActive = false;
  display.SetDisplaySize({800, 600});
  // The same photo four times over, for the panorama of four panes.
  for (int i = 1; i < 4; ++i) list->Append(QFileInfo(jpeg).fileName(), {});
  display.Modes().PanoramaMode = display::PanoramaMode::Four;
  bench::Compare(
      "panorama of four 6000x4000 photos into 800x600, high quality, vs four decodes",
      [&] { display.ShowPhoto(1); },
      [&] {
        for (int i = 0; i < 4; ++i) baseline();
      },
      5);
  if (!dialogs.Records().empty()) {
    std::fprintf(stderr, "the photo did not load: %s\n", qPrintable(dialogs.LastText()));
    return 1;
  }
  return 0;
}
