// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/plugins/spi_host.h"

#include "imaging/errors.h"
#include "imaging/io/byte_source.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <deque>

namespace kasumori::imaging {

namespace {

TSPIs* gHost = nullptr;

// Extensions from the last dot, dot included; "" when there is none.
QString LastDotPart(const QString& text) {
  const qsizetype dot = text.lastIndexOf('.');
  return dot < 0 ? QString() : text.mid(dot);
}

bool SameAscii(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Only the last pattern of a filter counts: "*.jpg;*.jpeg" claims ".jpeg", not ".jpg".
bool Claims(const TSPI& plugin, const QString& extension) {
  if (extension.isEmpty()) return false;
  return std::any_of(plugin.Filters().begin(), plugin.Filters().end(), [&](const QString& filter) {
    return SameAscii(LastDotPart(filter), extension);
  });
}

}  // namespace

SpiSearchFolders DefaultSpiSearchFolders(const QString& programFolder) {
  return {.susie = QString(),
          .app = programFolder,
          .current = QDir::currentPath(),
          .system = QStringLiteral("/usr/lib"),
          .windows = QString()};
}

TSPIs::TSPIs(SpiSearchFolders folders) : folders_(std::move(folders)) {
  if (gHost) throw ESPIError(QStringLiteral("TSPIs は複数生成できません"));
  gHost = this;
}

TSPIs::~TSPIs() {
  Clear();
  gHost = nullptr;
}

TSPIs* TSPIs::Instance() { return gHost; }

std::vector<QString> TSPIs::FoldersToSearch() const {
  const std::pair<TSPISearchOption, const QString*> order[] = {
      {TSPISearchOption::spsSusieDir, &folders_.susie},
      {TSPISearchOption::spsAppDir, &folders_.app},
      {TSPISearchOption::spsCurrentDir, &folders_.current},
      {TSPISearchOption::spsSystemDir, &folders_.system},
      {TSPISearchOption::spsWindowsDir, &folders_.windows}};
  std::vector<QString> folders;
  for (const auto& [option, folder] : order) {
    if (SearchOptions.contains(option) && !folder->isEmpty()) folders.push_back(*folder);
  }
  return folders;
}

void TSPIs::Search(const QString& mask) {
  const qsizetype slash = mask.lastIndexOf('/');
  if (slash >= 0) {
    SearchFolder(mask.left(slash), mask.mid(slash + 1));
    return;
  }
  for (const QString& folder : FoldersToSearch()) SearchFolder(folder, mask);
}

// Names are listed first and loaded after, so a folder found twice (the same folder under two
// options) finds its plug-ins already in the list the second time. The names are sorted: the
// file system's own order would make the candidate order differ from one machine to the next.
void TSPIs::SearchFolder(const QString& folder, const QString& pattern) {
  QDir dir(folder);
  const QStringList names =
      dir.entryList({pattern}, QDir::Files | QDir::System | QDir::Readable, QDir::Name);
  std::vector<QString> paths;
  for (const QString& name : names) {
    const QString path = dir.absoluteFilePath(name);
    if (IndexOf(path) < 0) paths.push_back(path);
  }
  for (const QString& path : paths) {
    try {
      Add(TSPI::Load(path));
    } catch (const ImagingError&) {
      // Not a plug-in of a usable kind: skipped silently.
    }
  }
}

int TSPIs::IndexOf(const QString& path) const {
  for (std::size_t i = 0; i < plugins_.size(); ++i) {
    if (SameAscii(plugins_[i]->Path(), path)) return int(i);
  }
  return -1;
}

void TSPIs::Add(std::unique_ptr<TSPI> plugin) { plugins_.push_back(std::move(plugin)); }

void TSPIs::Insert(int i, std::unique_ptr<TSPI> plugin) {
  const auto at = std::clamp<std::size_t>(std::size_t(std::max(i, 0)), 0, plugins_.size());
  plugins_.insert(plugins_.begin() + std::ptrdiff_t(at), std::move(plugin));
}

void TSPIs::Delete(int i) {
  if (i >= 0 && i < Count()) plugins_.erase(plugins_.begin() + i);
}

std::vector<const TSPI*> TSPIs::DecoderCandidates(const QString& fileName) const {
  const QString extension = LastDotPart(QFileInfo(fileName).fileName());
  std::deque<const TSPI*> order;
  for (const auto& plugin : plugins_) {
    if (!plugin->IsDecoder()) continue;
    if (Claims(*plugin, extension)) {
      order.push_front(plugin.get());
    } else {
      order.push_back(plugin.get());
    }
  }
  return {order.begin(), order.end()};
}

std::optional<TQxDIB> TSPIs::Decode(ByteSource& source, const QString& name) {
  auto picture =
      DecodeWithPlugins([&] { return DecoderCandidates(name); }, source, name,
                        {.MacBinary = MacBinary, .GraphicPreview = GraphicPreview}, Progress);
  if (!picture) return std::nullopt;
  TQxDIB buffer;
  buffer.TakeStorage(picture->ConvertAndRelease());
  return buffer;
}

}  // namespace kasumori::imaging
