// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/plugins/spi_decoding.h"

#include "imaging/io/byte_source.h"
#include "imaging/plugins/spi_plugin.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <cmath>
#include <exception>
#include <span>

namespace kasumori::imaging {

namespace {

// Where the plug-ins read the picture from, in the form of the call's first three arguments.
struct SpiSourceArgs {
  QByteArray fileName;                  // the encoded name; also IsSupported's first argument
  std::span<const std::uint8_t> image;  // the memory image (empty for a file)
  bool isFile = false;

  const char* Source(std::size_t offset) const {
    return isFile ? fileName.constData() : reinterpret_cast<const char*>(image.data() + offset);
  }
  intptr_t Length(std::size_t offset) const {
    return isFile ? intptr_t(offset) : intptr_t(image.size() - offset);
  }
  unsigned Flag() const { return isFile ? SPI_SOURCE_FILE : SPI_SOURCE_MEMORY; }
};

// The state the progress callback reaches through its user data.
struct CallbackContext {
  const SpiProgressHook* hook;
  std::exception_ptr error;  // kept until the plug-in has returned: C frames cannot unwind
};

int ProgressCallback(int done, int total, intptr_t userData) {
  auto* context = reinterpret_cast<CallbackContext*>(userData);
  if (!context || !*context->hook || context->error) return context && context->error ? 1 : 0;
  const auto percent = SpiPercent(done, total);
  if (!percent) return 0;
  try {
    return (*context->hook)({SpiStage::Running, *percent, QString()}) ? 0 : 1;
  } catch (...) {
    context->error = std::current_exception();
    return 1;
  }
}

class Decoding {
 public:
  Decoding(ByteSource& source, const QString& name, const SpiDecodeOptions& options,
           const SpiProgressHook& progress)
      : options_(options), progress_(progress), context_{&progress_, nullptr} {
    PrepareSource(source, name);
  }

  std::optional<TSPIGraphic> Run(const std::vector<const TSPI*>& candidates) {
    for (const TSPI* plugin : candidates) {
      for (const std::size_t offset : Offsets()) {
        Report(SpiStage::Running, 1, QStringLiteral("Loading by [%1]").arg(plugin->FileName()));
        auto picture = Attempt(*plugin, offset);
        if (context_.error) std::rethrow_exception(context_.error);
        if (picture) return picture;
      }
    }
    return std::nullopt;
  }

  void Report(SpiStage stage, int percent, const QString& text) const {
    if (progress_) progress_({stage, percent, text});
  }

 private:
  void PrepareSource(ByteSource& source, const QString& name) {
    args_.fileName = QFile::encodeName(name);
    const std::size_t headBytes =
        std::size_t(std::min<std::uint64_t>(kSpiHeadBytes, source.Size()));
    // A head that cannot be read stays zero; the plug-ins then say no by themselves.
    if (!source.ReadAt(0, head_.data(), headBytes)) head_.fill(0);
    args_.isFile = dynamic_cast<FileSource*>(&source) && QFileInfo(name).isFile();
    if (args_.isFile) return;
    if (auto* memory = dynamic_cast<MemorySource*>(&source)) {
      args_.image = memory->Bytes();
    } else {
      copy_ = ReadAll(source);
      args_.image = copy_;
    }
  }

  std::vector<std::size_t> Offsets() const {
    std::vector<std::size_t> offsets{0};
    // A memory image shorter than the header has nothing after it to offer.
    if (options_.MacBinary && (args_.isFile || args_.image.size() > kMacBinaryHeaderBytes)) {
      offsets.push_back(kMacBinaryHeaderBytes);
    }
    return offsets;
  }

  std::optional<TSPIGraphic> Attempt(const TSPI& plugin, std::size_t offset) {
    const SpiEntryPoints& e = plugin.Entries();
    if (e.IsSupported(args_.fileName.constData(), head_.data() + offset) == 0) return std::nullopt;
    SpiPictureInfo info{};
    e.GetPictureInfo(args_.Source(offset), args_.Length(offset), args_.Flag(), &info);
    std::free(info.text);
    void* bitmapInfo = nullptr;
    void* pixels = nullptr;
    int result = -1;
    if (options_.GraphicPreview && e.GetPreview)
      result = Call(e.GetPreview, offset, &bitmapInfo, &pixels);
    if (result != SPI_OK) {
      bitmapInfo = pixels = nullptr;
      result = Call(e.GetPicture, offset, &bitmapInfo, &pixels);
    }
    // A failing plug-in's handles are not trusted enough to be freed.
    if (result != SPI_OK) return std::nullopt;
    return TSPIGraphic::FromBlocks(SpiBlock(bitmapInfo), SpiBlock(pixels));
  }

  int Call(SpiGetPictureFn fn, std::size_t offset, void** bitmapInfo, void** pixels) {
    return fn(args_.Source(offset), args_.Length(offset), args_.Flag(), bitmapInfo, pixels,
              &ProgressCallback, reinterpret_cast<intptr_t>(&context_));
  }

  SpiDecodeOptions options_;
  const SpiProgressHook& progress_;
  CallbackContext context_;
  SpiSourceArgs args_;
  std::array<std::uint8_t, kSpiHeadBytes> head_{};
  std::vector<std::uint8_t> copy_;
};

}  // namespace

std::optional<int> SpiPercent(int done, int total) {
  if (total <= 0) return std::nullopt;
  const double share = std::trunc(double(done) * 97.0 / double(total) + 0.5);
  return int(std::clamp(share, 0.0, 97.0)) + 2;
}

std::optional<TSPIGraphic> DecodeWithPlugins(const SpiCandidates& candidates, ByteSource& source,
                                             const QString& name, const SpiDecodeOptions& options,
                                             const SpiProgressHook& progress) {
  auto report = [&](SpiStage stage, int percent, const char* text) {
    if (progress) progress({stage, percent, QString::fromLatin1(text)});
  };
  report(SpiStage::Starting, 0, "Loading Graphic by Susie Plugin");
  std::optional<TSPIGraphic> picture;
  try {
    report(SpiStage::Running, 1, "Seeking enabled Susie Plugins");
    const std::vector<const TSPI*> plugins = candidates();
    Decoding decoding(source, name, options, progress);
    picture = decoding.Run(plugins);
  } catch (...) {
    report(SpiStage::Ending, 100, "Loaded Graphic by Susie Plugin");
    throw;
  }
  report(SpiStage::Ending, 100, "Loaded Graphic by Susie Plugin");
  return picture;
}

}  // namespace kasumori::imaging
