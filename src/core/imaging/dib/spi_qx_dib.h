// SPDX-License-Identifier: GPL-3.0-or-later
// TSPIQxDIB: a TQxDIB that can also be filled by the decoder plug-ins. Loading tries the own
// BMP reader and the plug-ins in the order the file name asks for.
#pragma once

#include "imaging/dib/qx_dib.h"

#include <QString>

#include <functional>

namespace kasumori::imaging {

class PicturePluginHost;

// When to build a 256-colour palette for true-colour storage (only for screens of 8 bits).
enum class PaletteMode : std::uint8_t { Never = 0, LowColorScreens = 1, Always = 2 };

class TSPIQxDIB : public TQxDIB {
 public:
  // Without a host every plug-in attempt fails.
  explicit TSPIQxDIB(PicturePluginHost* host = nullptr);
  TSPIQxDIB(const TSPIQxDIB& other) = default;
  TSPIQxDIB& operator=(const TSPIQxDIB& other);

  void Assign(const TQxDIB& source) override;
  using TQxDIB::Assign;

  // Own BMP reader first for ".BMP" names, plug-ins first for all others; when both fail:
  // EInvalidGraphic "Susie Plugins could not decode". The buffer is unchanged on failure.
  void LoadFromFile(const QString& path) override;
  void LoadFromStream(ByteSource& source) override;
  void LoadFromStreamWithName(ByteSource& source, const QString& name);

  // Palette building only matters on screens of 8 bits or fewer, which no Linux desktop
  // this program runs on has; the mode is kept for what callers set and read.
  PaletteMode PaletteModeValue() const { return paletteMode_; }
  void SetPaletteMode(PaletteMode mode) { paletteMode_ = mode; }

  PicturePluginHost* PluginHost() const { return host_; }
  void SetPluginHost(PicturePluginHost* host) { host_ = host; }

  // Replaces load-from-stream-with-name (the default is this class's own).
  std::function<void(TSPIQxDIB&, ByteSource&, const QString&)> OnLoadFromStreamWithName;

 private:
  void LoadWithName(ByteSource& source, const QString& name);
  bool TryPlugins(ByteSource& source, const QString& name);
  bool TryBmpReader(ByteSource& source);

  PicturePluginHost* host_;
  PaletteMode paletteMode_ = PaletteMode::LowColorScreens;
};

}  // namespace kasumori::imaging
