// SPDX-License-Identifier: GPL-3.0-or-later
// TSPI: one loaded plug-in library, its information texts and its entry points. The object
// owns the library: destroying it unloads the library.
#pragma once

#include "kasumori/spi_plugin.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace kasumori::imaging {

// The kind a plug-in's version string makes of it. Only decoders are ever asked to decode;
// the others are loaded and listed.
enum class SpiKind {
  Plain,    // any other version string, also an empty one
  Decoder,  // "00IN"
  Archive,  // "00AM"
  Export,   // "00XN"
};

SpiKind SpiKindOf(const QString& version);

struct SpiEntryPoints {
  SpiGetPluginInfoFn GetPluginInfo = nullptr;
  SpiIsSupportedFn IsSupported = nullptr;
  SpiGetPictureInfoFn GetPictureInfo = nullptr;
  SpiGetPictureFn GetPicture = nullptr;
  SpiGetPictureFn GetPreview = nullptr;
  // Looked up only, so that the archive kind can insist on them; never called.
  void* GetArchiveInfo = nullptr;
  void* GetFileInfo = nullptr;
  void* GetFile = nullptr;
  void* ConfigurationDlg = nullptr;
};

class TSPI {
 public:
  // Loads the library, reads its information and checks the entry points its kind needs.
  // Throws ESPIError "%s:Susie Pluginがロードできませんでした" when the library does not load,
  // and "%sは[%s]では使えないSusie Plugin APIです" when a required entry point is missing; the
  // library is released again in both cases.
  static std::unique_ptr<TSPI> Load(const QString& path);
  ~TSPI();
  TSPI(const TSPI&) = delete;
  TSPI& operator=(const TSPI&) = delete;

  SpiKind Kind() const { return kind_; }
  bool IsDecoder() const { return kind_ == SpiKind::Decoder; }
  // Pictures or archives: the decoder and archive kinds.
  bool ReadsPicturesOrArchives() const;
  // The module path the loader reports (or the path loaded from).
  const QString& Path() const { return path_; }
  QString FileName() const;
  const QString& Version() const { return version_; }
  const QString& Description() const { return description_; }
  // Parallel lists: "*.png;*.apng" and its type name.
  const QStringList& Filters() const { return filters_; }
  const QStringList& FileTypes() const { return fileTypes_; }
  const SpiEntryPoints& Entries() const { return entries_; }
  // Throws the missing-API error when the plug-in lacks the entry point.
  void Require(const void* entry, const char* name) const;

 private:
  TSPI(void* handle, QString path);
  void ReadInformation();

  void* handle_;
  QString path_;
  SpiKind kind_ = SpiKind::Plain;
  QString version_;
  QString description_;
  QStringList filters_;
  QStringList fileTypes_;
  SpiEntryPoints entries_;
};

}  // namespace kasumori::imaging
