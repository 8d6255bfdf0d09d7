// SPDX-License-Identifier: GPL-3.0-or-later
// The copy engine behind the progress window TTensou2Form: it copies a camera folder's photos
// into the selected folder or back, or sorts a folder's own photos into date folders, one file
// per tick of its timer. The window only shows the engine's texts and closes when it says so.
//
// No photo is ever at risk: a copy is written under a temporary name, compared with its source
// byte for byte and only then renamed into place; a file that is replaced goes to the trash
// once its replacement is whole beside it; a sorted photo leaves its folder by a rename, or by
// such a checked copy when the date folder lies on another file system.
#pragma once

#include "config/modes.h"
#include "library/fileops/photo_commands.h"
#include "library/photo_list.h"
#include "platform/platform_services.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace kasumori::transfer {

enum class TransferMode {
  FromCamera,  // the camera folder into the selected folder
  ToCamera,    // the selected folder into the camera folder; never into date folders
  SortByDate,  // the folder's own photos moved into its date folders
};

// The three transfer settings, as the run uses them.
struct TransferOptions {
  bool readOnlyToo = false;  // protected (read-only) files are copied too
  bool movies = true;        // movie files are copied too
  bool dateFolders = true;   // files go into one folder per date (not towards a camera)
};

struct TransferJob {
  TransferMode mode = TransferMode::FromCamera;
  QString sourceFolder;
  QString targetFolder;
  TransferOptions options;
  // How the list orders photos: the picture to show without date folders follows it.
  config::SortOrder sortOrder = config::SortOrder::FileName;
  // The slot whose cached thumbnails follow their photos when sorting, and are dropped with a
  // replaced file (none outside the slots).
  library::CachePlace cache;
};

// The copied file to show once the run is over: a full path with date folders, else a name.
// None when the run's copies did not reach the disk.
struct PictureToShow {
  QString place;
  QByteArray key;  // smallest first: a file-date key, or the name's bytes
};

struct TransferHooks {
  std::function<void()> changed;         // the texts changed: the window repaints
  std::function<void(bool)> busyCursor;  // the hourglass while the run goes on
  std::function<void()> finished;        // the run is over: the window closes
};

struct TransferDeps {
  library::FileOpsContext files;
  platform::Ticker& copyTimer;     // 1 ms, one file per tick
  platform::Ticker& captionTimer;  // 500 ms, the caption's dots
};

// Whether a file is one the engine handles: a photo always, a movie when asked for.
bool IsTransferFile(const QString& name, bool movies);
bool IsMovieFile(const QString& name);
// The date folder of a last-write time, in local time: 28 June 2004 gives "04-0628";
// "00-0000" when the time is not known.
QString DateFolderName(std::optional<std::time_t> lastWrite);

class TransferEngine {
 public:
  TransferEngine(TransferDeps deps, TransferJob job, TransferHooks hooks);
  ~TransferEngine();
  TransferEngine(const TransferEngine&) = delete;
  TransferEngine& operator=(const TransferEngine&) = delete;

  // The window is up: list the files and start the timers.
  void Begin();
  // The cancel button or Esc: no further file is touched and the run ends at once.
  void Cancel();

  bool Running() const { return running_; }
  QString Caption() const;
  const QString& CountText() const { return countText_; }
  int Progress() const { return progress_; }
  int Total() const { return total_; }
  // Files copied or moved into place.
  int Handled() const { return handled_; }
  const std::optional<PictureToShow>& Picture() const { return picture_; }

 private:
  void Tick();
  void HandleFile(const QString& name);
  QString TargetFolderFor(const QString& source);
  bool UsesDateFolders() const;
  bool AskOverwrite(const QString& name);
  QString Occupant(const QString& folder, const QString& name);
  bool CopyInto(const QString& source, const QString& target, const QString& replaced);
  bool MoveInto(const QString& source, const QString& target, const QString& replaced);
  bool TrashOldTarget(const QString& occupant);
  void RemoveCachedThumbnail(const QString& path);
  void Fail(bool copyFailed);
  void Record(const QString& target, const QString& name);
  void Finish();

  enum class Overwrite { Ask, NoToAll, YesToAll };

  TransferDeps d_;
  TransferJob job_;
  TransferHooks hooks_;
  QStringList names_;
  QStringList sourceRecords_;  // the edit records in the source folder
  int total_ = 0;
  int remaining_ = 0;
  int handled_ = 0;
  int dots_ = 1;
  int progress_ = 0;
  bool stop_ = false;
  bool running_ = false;
  bool failed_ = false;  // a notice said so: one is enough
  Overwrite overwrite_ = Overwrite::Ask;
  QString countText_;
  std::optional<PictureToShow> picture_;
  QHash<QString, QHash<QString, QString>> taken_;  // folder → case-folded name → file name
  std::unique_ptr<library::WriteWatch> writes_;    // the copies' file system, from the start
};

}  // namespace kasumori::transfer
