// SPDX-License-Identifier: GPL-3.0-or-later
// TSPIs: the plug-in host. It finds and loads the "*.spi" libraries once, keeps them in load
// order for the rest of the run, and decodes pictures by asking its decoders in turn.
#pragma once

#include "imaging/dib/plugin_host.h"
#include "imaging/plugins/spi_decoding.h"
#include "imaging/plugins/spi_plugin.h"

#include <QString>

#include <memory>
#include <set>
#include <vector>

namespace kasumori::imaging {

enum class TSPISearchOption { spsSusieDir, spsAppDir, spsCurrentDir, spsSystemDir, spsWindowsDir };

// The folders the options stand for; an empty one does not exist here (the Susie viewer's
// recorded folder and the Windows folder never do on this platform).
struct SpiSearchFolders {
  QString susie{};
  QString app{};
  QString current{};
  QString system{};
  QString windows{};
};

// The program's folders: the executable's, the working folder and the system library folder.
SpiSearchFolders DefaultSpiSearchFolders(const QString& programFolder);

class TSPIs final : public PicturePluginHost {
 public:
  // Throws ESPIError "TSPIs は複数生成できません" while another host exists.
  explicit TSPIs(SpiSearchFolders folders);
  ~TSPIs() override;
  TSPIs(const TSPIs&) = delete;
  TSPIs& operator=(const TSPIs&) = delete;

  // The host of the process, or null.
  static TSPIs* Instance();

  // Loads every not yet loaded plug-in matching the mask: a mask with a folder part searches
  // that folder only; a bare mask the folders of SearchOptions, in option order. Files that
  // are no usable plug-in are skipped without a word.
  void Search(const QString& mask);

  int Count() const { return int(plugins_.size()); }
  const TSPI& Plugin(int i) const { return *plugins_.at(std::size_t(i)); }
  // Position of the plug-in with this path (ASCII case ignored), or -1.
  int IndexOf(const QString& path) const;
  void Add(std::unique_ptr<TSPI> plugin);
  void Insert(int i, std::unique_ptr<TSPI> plugin);
  void Delete(int i);
  void Clear() { plugins_.clear(); }

  // The decoders to try for a file name, in the order they are tried: those whose filter's
  // last pattern names the file's extension first (in reverse load order), then the others.
  std::vector<const TSPI*> DecoderCandidates(const QString& fileName) const;

  // PicturePluginHost: the first picture a decoder returns that passes the checks.
  std::optional<TQxDIB> Decode(ByteSource& source, const QString& name) override;

  std::set<TSPISearchOption> SearchOptions{TSPISearchOption::spsSusieDir,
                                           TSPISearchOption::spsAppDir};
  bool AutoSearch = true;
  bool MacBinary = true;
  bool GraphicPreview = false;
  // Reports of each decoding; the program's own buffers attach none.
  SpiProgressHook Progress;

 private:
  void SearchFolder(const QString& folder, const QString& pattern);
  std::vector<QString> FoldersToSearch() const;

  SpiSearchFolders folders_;
  std::vector<std::unique_ptr<TSPI>> plugins_;
};

}  // namespace kasumori::imaging
