// SPDX-License-Identifier: GPL-3.0-or-later
// Stepping to the next photo through 24-megapixel camera-like photos (about 3 bits per pixel),
// landscape and portrait in turn, into the 800 × 600 area at high quality with chrome,
// sharpness 12 and the automatic histogram:
//  - with the next photo decoded ahead while the last one was looked at, against a bare
//    full-size decode of the same file in the same run;
//  - without decoding ahead, a step between photos of alternating shape against one between
//    photos of one shape (what buffer reuse is for).
#include "bench_jpeg.h"
#include "bench_support.h"
#include "display/photo_display.h"
#include "support/display_rig.h"

#include <QDir>

#include <cstdio>
#include <memory>
#include <vector>

namespace {
using namespace kasumori;

// A display of its own over a list of names in one folder.
struct Viewer : testkit::DisplayRig {
  std::unique_ptr<display::PhotoDisplay> display;

  Viewer(const QString& folder, const QStringList& names) {
    for (const QString& name : names) list->Append(name, {});
    folders.CurrentFolder = folder;
    settings.HistogramMode = config::HistogramMode::Automatic;
    display = std::make_unique<display::PhotoDisplay>(Services());
    display->SetDisplaySize({800, 600});
  }
};

// The median time of showing photos 2 … n, each right after the one before it.
double MedianStepMs(Viewer& viewer, bool waitForAhead) {
  std::vector<double> steps;
  viewer.display->ShowPhoto(1);
  for (int n = 2; n <= viewer.list->PhotoCount; ++n) {
    if (waitForAhead) viewer.decoder.WaitDecodedAhead();
    steps.push_back(bench::MedianMs([&] { viewer.display->ShowPhoto(n); }, 1));
  }
  return bench::Median(steps);
}

}  // namespace

int main(int argc, char** argv) {
  const QString work =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + "/next_photo_bench";
  QDir().mkpath(work);
  QStringList landscape, portrait;
  for (int i = 0; i < 4; ++i) {
    landscape << QStringLiteral("L%1.jpg").arg(i);
    portrait << QStringLiteral("P%1.jpg").arg(i);
    if (!bench::WriteCameraLikeJpeg(work + '/' + landscape.last(), 6000, 4000, i, 24) ||
        !bench::WriteCameraLikeJpeg(work + '/' + portrait.last(), 4000, 6000, 10 + i, 24)) {
      std::fprintf(stderr, "cannot write the photos in %s\n", qPrintable(work));
      return 1;
    }
  }
  QStringList alternating;
  for (int i = 0; i < 4; ++i) alternating << landscape[i] << portrait[i];
  std::vector<unsigned char> bare;
  auto bareSteps = [&](const QStringList& names) {
    std::vector<double> times;
    for (const QString& name : names)
      times.push_back(
          bench::MedianMs([&] { bench::BareDecode(work + '/' + name, 1, JDCT_ISLOW, bare); }, 1));
    return bench::Median(times);
  };

  Viewer ahead(work, alternating);
  const double aheadMs = MedianStepMs(ahead, true);
  bench::Report(
      "next photo (X), 24 MP landscape and portrait in turn, decoded ahead, "
      "key to composed picture, vs a bare decode",
      aheadMs, bareSteps(alternating));

  Viewer mixed(work, alternating), same(work, landscape);
  mixed.decoder.EnableDecodeAhead(false);
  same.decoder.EnableDecodeAhead(false);
  const double mixedMs = MedianStepMs(mixed, false);
  const double sameMs = MedianStepMs(same, false);
  bench::Report("next photo without decoding ahead, shapes in turn vs one shape", mixedMs, sameMs);
  bench::Report("next photo without decoding ahead, shapes in turn, vs a bare decode", mixedMs,
                bareSteps(alternating));
  for (const Viewer* viewer : {&ahead, &mixed, &same}) {
    if (!viewer->dialogs.Records().empty()) {
      std::fprintf(stderr, "a photo did not load: %s\n", qPrintable(viewer->dialogs.LastText()));
      return 1;
    }
  }
  return 0;
}
