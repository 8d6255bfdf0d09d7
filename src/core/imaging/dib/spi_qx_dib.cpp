// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/dib/spi_qx_dib.h"

#include "imaging/bmp/bmp_reader.h"
#include "imaging/dib/plugin_host.h"
#include "imaging/errors.h"
#include "imaging/io/byte_source.h"

#include <QFileInfo>

namespace kasumori::imaging {

TSPIQxDIB::TSPIQxDIB(PicturePluginHost* host) : host_(host) {}

TSPIQxDIB& TSPIQxDIB::operator=(const TSPIQxDIB& other) {
  Assign(other);
  return *this;
}

void TSPIQxDIB::Assign(const TQxDIB& source) {
  TQxDIB::Assign(source);
  if (const auto* spi = dynamic_cast<const TSPIQxDIB*>(&source)) paletteMode_ = spi->paletteMode_;
}

void TSPIQxDIB::LoadFromFile(const QString& path) {
  FileSource file(path);
  LoadFromStreamWithName(file, path);
}

void TSPIQxDIB::LoadFromStream(ByteSource& source) { LoadFromStreamWithName(source, QString()); }

void TSPIQxDIB::LoadFromStreamWithName(ByteSource& source, const QString& name) {
  if (OnLoadFromStreamWithName) {
    OnLoadFromStreamWithName(*this, source, name);
    return;
  }
  LoadWithName(source, name);
}

void TSPIQxDIB::LoadWithName(ByteSource& source, const QString& name) {
  const bool bmpFirst = ("." + QFileInfo(name).suffix()).toUpper() == ".BMP";
  const bool loaded = bmpFirst ? (TryBmpReader(source) || TryPlugins(source, name))
                               : (TryPlugins(source, name) || TryBmpReader(source));
  if (!loaded) throw EInvalidGraphic("Susie Plugins could not decode");
}

bool TSPIQxDIB::TryPlugins(ByteSource& source, const QString& name) {
  if (host_ == nullptr) return false;
  std::optional<TQxDIB> picture;
  try {
    picture = host_->Decode(source, name);
  } catch (const ImagingError&) {
    return false;  // a failed attempt is discarded; the next one runs
  }
  if (!picture) return false;
  TQxDIB::Assign(*picture);
  return true;
}

bool TSPIQxDIB::TryBmpReader(ByteSource& source) {
  try {
    TakeStorage(bmp::ReadBmp(source));
    return true;
  } catch (const ImagingError&) {
    return false;
  }
}

}  // namespace kasumori::imaging
