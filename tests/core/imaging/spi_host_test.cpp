// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/plugins/spi_host.h"

#include "imaging/dib/spi_qx_dib.h"
#include "imaging/errors.h"
#include "imaging/io/byte_source.h"
#include "support/expect_error.h"
#include "support/image_fixtures.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <QFile>

namespace kasumori::imaging {
namespace {

using namespace testkit;

// The test plug-ins read files that start with this and answer 10 × (variant + 1) as red.
const QByteArray kMagic = "KSMT";
constexpr std::uint32_t kRedA = 10, kRedC = 30, kRedPal8 = 60, kRedBmp = 90;

// A folder holding copies of the named test plug-ins.
struct PluginFolder {
  TempTree tree;
  explicit PluginFolder(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      const QString file = QString::fromLatin1(name) + ".spi";
      EXPECT_TRUE(QFile::copy(QStringLiteral(KASUMORI_TEST_SPI_DIR "/") + file, tree.Path(file)));
    }
  }
  SpiSearchFolders AppOnly() const { return {.app = tree.Path()}; }
};

QStringList Names(const std::vector<const TSPI*>& plugins) {
  QStringList names;
  for (const TSPI* plugin : plugins) names << plugin->FileName();
  return names;
}

// The red value of the top-left pixel, through the colour table for a paletted picture.
std::uint32_t Red(const TQxDIB& picture) {
  TQxDIB rgb(picture);
  rgb.SetPixelFormat(TQxPixelFormat::Bit24);
  return rgb.Pixels(0, 0) & 0xFF;
}

TEST(SpiHost, LoadsEveryUsableLibraryOnceAndSkipsTheRest) {
  PluginFolder folder({"a", "b", "lower", "nopicture"});
  folder.tree.File("junk.spi", "no library");
  folder.tree.File(".hidden.spi", "hidden");
  // The same folder as the viewer's folder and as the program folder.
  TSPIs host({.susie = folder.tree.Path(), .app = folder.tree.Path()});
  host.Search("*.spi");
  host.Search("*.spi");
  ASSERT_EQ(host.Count(), 3);
  const TSPI& a = host.Plugin(0);
  EXPECT_EQ(a.Kind(), SpiKind::Decoder);
  EXPECT_EQ(a.Description(), "Test plug-in");
  EXPECT_EQ(a.Filters(), QStringList({"*.gif", "*.tga;*.png"}));
  EXPECT_EQ(a.FileTypes(), QStringList({"GIF", "TGA/PNG"}));
  // A decoder's version string in small letters makes a plain plug-in: listed, never asked.
  EXPECT_EQ(host.Plugin(2).FileName(), "lower.spi");
  EXPECT_EQ(host.Plugin(2).Kind(), SpiKind::Plain);
  EXPECT_FALSE(host.Plugin(2).ReadsPicturesOrArchives());
  EXPECT_EQ(host.IndexOf(folder.tree.Path("B.SPI")), 1);
  EXPECT_EQ(host.IndexOf(folder.tree.Path("none.spi")), -1);
  EXPECT_EQ(Names(host.DecoderCandidates("x.png")), QStringList({"a.spi", "b.spi"}));
}

TEST(SpiHost, RefusesWhatCannotBeAPlugin) {
  PluginFolder folder({"nopicture"});
  const QString junk = folder.tree.File("junk.spi", "no library");
  ExpectError<ESPIError>([&] { TSPI::Load(junk); },
                         (junk + ":Susie Pluginがロードできませんでした").toStdString());
  const QString lacking = folder.tree.Path("nopicture.spi");
  ExpectError<ESPIError>(
      [&] { TSPI::Load(lacking); },
      ("GetPictureは[" + lacking + "]では使えないSusie Plugin APIです").toStdString());
  TSPIs host(folder.AppOnly());
  ExpectError<ESPIError>([&] { TSPIs second(folder.AppOnly()); }, "TSPIs は複数生成できません");
  EXPECT_EQ(TSPIs::Instance(), &host);
}

TEST(SpiHost, ClaimingDecodersComeFirstInReverseLoadOrder) {
  PluginFolder folder({"a", "b", "c", "jpgjpeg"});
  TSPIs host(folder.AppOnly());
  host.Search("*.spi");
  const struct {
    const char* file;
    QStringList order;
  } cases[] = {
      {"/p/x.png", {"c.spi", "a.spi", "b.spi", "jpgjpeg.spi"}},
      // Only a filter's last pattern counts: "*.jpg;*.jpeg" claims ".jpeg", not ".jpg".
      {"/p/x.jpg", {"a.spi", "b.spi", "c.spi", "jpgjpeg.spi"}},
      {"/p/x.JPEG", {"jpgjpeg.spi", "a.spi", "b.spi", "c.spi"}},
      {"/p.png/noextension", {"a.spi", "b.spi", "c.spi", "jpgjpeg.spi"}},
      {"/p/x.gif", {"b.spi", "a.spi", "c.spi", "jpgjpeg.spi"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Names(host.DecoderCandidates(c.file)), c.order) << c.file;
}

TEST(SpiHost, DecodesFilesAndMemoryAtBothHeadOffsets) {
  PluginFolder folder({"a", "c"});
  TSPIs host(folder.AppOnly());
  host.Search("*.spi");
  const QByteArray picture = kMagic + QByteArray(40, 'x');
  const QByteArray macBinary = QByteArray(128, 'm') + picture;
  const struct {
    const char* name;
    QByteArray bytes;
    bool macBinary;
    std::optional<std::uint32_t> red;
  } cases[] = {
      {"p.png", picture, true, kRedC}, {"p.gif", picture, true, kRedA},
      {"p", picture, true, kRedA},     {"m.png", macBinary, true, kRedC},
      {"m.png", macBinary, false, {}}, {"other.png", "not a picture", true, {}},
  };
  for (const auto& c : cases) {
    host.MacBinary = c.macBinary;
    const QString path = folder.tree.File(c.name, c.bytes);
    FileSource file(path);
    MemorySource memory(c.bytes.constData(), std::size_t(c.bytes.size()));
    for (ByteSource* source :
         {static_cast<ByteSource*>(&file), static_cast<ByteSource*>(&memory)}) {
      const auto decoded = host.Decode(*source, path);
      ASSERT_EQ(decoded.has_value(), c.red.has_value()) << c.name;
      if (decoded) {
        EXPECT_EQ(Red(*decoded), *c.red) << c.name;
      }
    }
  }
}

TEST(SpiHost, APlugInWithoutPreviewIsAskedForThePicture) {
  PluginFolder folder({"c"});
  TSPIs host(folder.AppOnly());
  host.Search("*.spi");
  host.GraphicPreview = true;
  const QString path = folder.tree.File("p.png", kMagic);
  FileSource file(path);
  const auto decoded = host.Decode(file, path);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(Red(*decoded), kRedC);
}

TEST(SpiHost, HandsOverEightBitsWithTheWholeColourTable) {
  PluginFolder folder({"pal8"});
  TSPIs host(folder.AppOnly());
  host.Search("*.spi");
  FileSource file(folder.tree.File("p.pal", kMagic));
  const auto decoded = host.Decode(file, folder.tree.Path("p.pal"));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->BitCount(), 8);
  EXPECT_EQ(decoded->Width(), 2);
  EXPECT_EQ(Red(*decoded), kRedPal8);
}

TEST(SpiHost, ALyingHeaderIsRefusedAndTheNextDecoderRuns) {
  PluginFolder folder({"c", "liar"});
  TSPIs host(folder.AppOnly());
  host.Search("*.spi");
  const QString path = folder.tree.File("p.liar", kMagic);
  FileSource file(path);
  const auto decoded = host.Decode(file, path);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(Red(*decoded), kRedC);
  host.Delete(0);
  EXPECT_FALSE(host.Decode(file, path));
}

TEST(SpiHost, ReportsProgressAndStopsWhenAsked) {
  PluginFolder folder({"c"});
  TSPIs host(folder.AppOnly());
  host.Search("*.spi");
  const QString path = folder.tree.File("p.png", kMagic);
  QStringList reports;
  bool goOn = true;
  host.Progress = [&](const SpiProgress& p) {
    reports << QString("%1 %2 %3").arg(int(p.stage)).arg(p.percent).arg(p.text);
    return goOn || p.stage != SpiStage::Running || p.percent < 2;
  };
  FileSource file(path);
  EXPECT_TRUE(host.Decode(file, path));
  EXPECT_EQ(reports, QStringList({"0 0 Loading Graphic by Susie Plugin",
                                  "1 1 Seeking enabled Susie Plugins", "1 1 Loading by [c.spi]",
                                  "1 51 ", "2 100 Loaded Graphic by Susie Plugin"}));
  goOn = false;
  host.MacBinary = false;
  EXPECT_FALSE(host.Decode(file, path));
}

TEST(SpiHost, PluginPercentIsRoundedAndBounded) {
  const struct {
    int done, total;
    std::optional<int> percent;
  } cases[] = {{0, 100, 2}, {100, 100, 99}, {1, 2, 51}, {200, 100, 99}, {-5, 10, 2}, {5, 0, {}}};
  for (const auto& c : cases) EXPECT_EQ(SpiPercent(c.done, c.total), c.percent) << c.done;
}

TEST(SpiHost, BmpNamesGoToTheBmpReaderFirst) {
  PluginFolder folder({"bmp"});
  TSPIs host(folder.AppOnly());
  host.Search("*.spi");
  int attempts = 0;
  host.Progress = [&](const SpiProgress& p) {
    attempts += p.text.startsWith("Loading by");
    return true;
  };
  const QByteArray bmp = BuildBmp({.pixels = Bmp24Pixels({{0x00112233}})});
  const struct {
    const char* name;
    QByteArray bytes;
    int attempts;
    std::uint32_t red;
  } cases[] = {{"a.bmp", bmp, 0, 0x11}, {"a.dat", bmp, 2, 0x11}, {"k.BMP", kMagic, 1, kRedBmp}};
  for (const auto& c : cases) {
    attempts = 0;
    TSPIQxDIB buffer(&host);
    buffer.LoadFromFile(folder.tree.File(c.name, c.bytes));
    EXPECT_EQ(attempts, c.attempts) << c.name;
    EXPECT_EQ(Red(buffer), c.red) << c.name;
  }
}

}  // namespace
}  // namespace kasumori::imaging
