// SPDX-License-Identifier: GPL-3.0-or-later
// The normal-mode composition of a 24-megapixel photo into an 800 × 600 display area, in high
// quality (chrome, sharpness 12, automatic histogram) and in fast mode. Baseline, in the same
// run: one plain copy of the whole source picture (memcpy of its 72 MB).
#include <QImage>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench_support.h"
#include "display/compose_normal.h"
#include "pixels/row_bands.h"
#include "pixels/work_picture.h"
#include "support/camera_jpeg.h"

namespace kasumori {
namespace {

constexpr int kSourceWidth = 6000;
constexpr int kSourceHeight = 4000;
constexpr int kDisplayWidth = 800;
constexpr int kDisplayHeight = 600;

struct Scene {
  QImage source;
  pixels::WorkPicture view;
  pixels::WorkPicture histogramImage;
  display::HistogramPanel panel;
  display::NormalCompositor compositor;
};

display::NormalComposeRequest Request(Scene& scene, display::QualityMode quality, int bands) {
  display::NormalComposeRequest request;
  request.source = {scene.source.constBits(), scene.source.width(), scene.source.height(),
                    scene.source.bytesPerLine()};
  request.target = scene.view.View();
  request.width = kDisplayWidth;
  request.height = kDisplayHeight;
  request.pictureEffect = display::PictureEffect::Chrome;
  request.sharpness = 12;
  request.quality = quality;
  request.histogramMode = display::HistogramMode::Automatic;
  request.histogram = &scene.panel;
  request.histogramImage = scene.histogramImage.View();
  request.bands = bands;
  return request;
}

}  // namespace
}  // namespace kasumori

int main(int, char**) {
  using namespace kasumori;
  Scene scene;
  scene.source = testkit::MakeTestPicture(kSourceWidth, kSourceHeight, 3)
                     .convertToFormat(QImage::Format_BGR888);
  scene.view.Resize(kDisplayWidth, kDisplayHeight);
  scene.histogramImage.Resize(display::kHistogramWidth, display::kHistogramHeight);

  const std::size_t bytes = std::size_t(scene.source.sizeInBytes());
  std::vector<std::uint8_t> copy(bytes);
  const double baseline =
      bench::MedianMs([&] { std::memcpy(copy.data(), scene.source.constBits(), bytes); });

  const auto run = [&](const char* name, display::QualityMode quality, int bands) {
    const display::NormalComposeRequest request = Request(scene, quality, bands);
    const double ms = bench::MedianMs([&] { scene.compositor.ComposeNormal(request); });
    bench::Report(name, ms, baseline);
    bench::ReportAbsolute(std::string(name) + " time", ms);
  };
  run("compose 6000x4000 to 800x600 high quality, chrome, sharpness 12, histogram",
      display::QualityMode::High, pixels::kDefaultBands);
  run("same on one band", display::QualityMode::High, 1);
  run("compose 6000x4000 to 800x600 fast", display::QualityMode::Fast, pixels::kDefaultBands);
  bench::ReportAbsolute("baseline memcpy of the source", baseline);
  return 0;
}
