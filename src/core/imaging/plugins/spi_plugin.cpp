// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/plugins/spi_plugin.h"

#include "imaging/errors.h"

#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>
#include <link.h>

#include <cstring>
#include <optional>
#include <vector>

namespace kasumori::imaging {

namespace {

// The text buffer handed to GetPluginInfo: 256 bytes, of which the plug-in may fill 255.
constexpr int kInfoBufferSize = 256;

// Information texts are UTF-8 here; a plug-in written for Shift-JIS shows odd characters but
// cannot make the host read past the buffer.
std::optional<QString> Information(SpiGetPluginInfoFn info, int number) {
  char buffer[kInfoBufferSize] = {};
  if (info(number, buffer, kInfoBufferSize - 1) <= 0) return std::nullopt;
  buffer[kInfoBufferSize - 1] = '\0';
  return QString::fromUtf8(buffer, qsizetype(std::strlen(buffer)));
}

template <typename T>
T Symbol(void* handle, const char* name) {
  return reinterpret_cast<T>(dlsym(handle, name));
}

QString ModulePath(void* handle, const QString& loadedFrom) {
  link_map* map = nullptr;
  if (dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name && map->l_name[0]) {
    return QFile::decodeName(map->l_name);
  }
  return loadedFrom;
}

struct Requirement {
  const void* entry;
  const char* name;
};

}  // namespace

SpiKind SpiKindOf(const QString& version) {
  if (version == QLatin1String(SPI_VERSION_DECODER)) return SpiKind::Decoder;
  if (version == QLatin1String(SPI_VERSION_ARCHIVE)) return SpiKind::Archive;
  if (version == QLatin1String(SPI_VERSION_EXPORT)) return SpiKind::Export;
  return SpiKind::Plain;
}

std::unique_ptr<TSPI> TSPI::Load(const QString& path) {
  void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) throw ESPIError(QStringLiteral("%1:Susie Pluginがロードできませんでした").arg(path));
  // From here the object owns the library, so any failure below releases it.
  std::unique_ptr<TSPI> plugin(new TSPI(handle, ModulePath(handle, path)));
  plugin->ReadInformation();
  return plugin;
}

TSPI::TSPI(void* handle, QString path) : handle_(handle), path_(std::move(path)) {
  entries_.GetPluginInfo = Symbol<SpiGetPluginInfoFn>(handle, "GetPluginInfo");
  entries_.IsSupported = Symbol<SpiIsSupportedFn>(handle, "IsSupported");
  entries_.GetPictureInfo = Symbol<SpiGetPictureInfoFn>(handle, "GetPictureInfo");
  entries_.GetPicture = Symbol<SpiGetPictureFn>(handle, "GetPicture");
  entries_.GetPreview = Symbol<SpiGetPictureFn>(handle, "GetPreview");
  entries_.GetArchiveInfo = dlsym(handle, "GetArchiveInfo");
  entries_.GetFileInfo = dlsym(handle, "GetFileInfo");
  entries_.GetFile = dlsym(handle, "GetFile");
  entries_.ConfigurationDlg = dlsym(handle, "ConfigurationDlg");
}

TSPI::~TSPI() { dlclose(handle_); }

void TSPI::Require(const void* entry, const char* name) const {
  if (entry) return;
  throw ESPIError(
      QStringLiteral("%1は[%2]では使えないSusie Plugin APIです").arg(QLatin1String(name), path_));
}

// Every kind needs GetPluginInfo; the kind, known only from its answer, decides the rest.
void TSPI::ReadInformation() {
  Require(reinterpret_cast<const void*>(entries_.GetPluginInfo), "GetPluginInfo");
  const SpiGetPluginInfoFn info = entries_.GetPluginInfo;
  version_ = Information(info, SPI_INFO_VERSION).value_or(QString());
  description_ = Information(info, SPI_INFO_DESCRIPTION).value_or(QString());
  for (int k = SPI_INFO_FIRST_FILTER;; k += 2) {
    const auto filter = Information(info, k);
    if (!filter) break;
    const auto type = Information(info, k + 1);
    if (!type) break;
    filters_.append(*filter);
    fileTypes_.append(*type);
  }
  kind_ = SpiKindOf(version_);
  auto entry = [](auto fn) { return reinterpret_cast<const void*>(fn); };
  const SpiEntryPoints& e = entries_;
  std::vector<Requirement> required;
  if (kind_ == SpiKind::Decoder) {
    required = {{entry(e.IsSupported), "IsSupported"},
                {entry(e.GetPictureInfo), "GetPictureInfo"},
                {entry(e.GetPicture), "GetPicture"}};
  } else if (kind_ == SpiKind::Archive) {
    required = {{entry(e.IsSupported), "IsSupported"},
                {e.GetArchiveInfo, "GetArchiveInfo"},
                {e.GetFileInfo, "GetFileInfo"},
                {e.GetFile, "GetFile"}};
  }
  for (const Requirement& r : required) Require(r.entry, r.name);
}

bool TSPI::ReadsPicturesOrArchives() const {
  return kind_ == SpiKind::Decoder || kind_ == SpiKind::Archive;
}

QString TSPI::FileName() const { return QFileInfo(path_).fileName(); }

}  // namespace kasumori::imaging
