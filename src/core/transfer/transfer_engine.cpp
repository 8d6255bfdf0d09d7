// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/transfer_engine.h"

#include "library/date_keys.h"
#include "library/fileops/command_support.h"
#include "library/folder_state.h"
#include "library/record_names.h"
#include "transfer/transfer_texts.h"

#include <QFileInfo>

#include <algorithm>
#include <array>

namespace kasumori::transfer {
namespace {

constexpr int kCopyIntervalMs = 1;
constexpr int kCaptionIntervalMs = 500;
constexpr int kMaxDots = 3;

// Extensions are compared by their first four characters, so ".jpeg", ".tiff" and ".mpeg"
// count as their short forms.
constexpr std::array<const char16_t*, 4> kPhotoExtensions = {u".jpg", u".jpe", u".bmp", u".tif"};
constexpr std::array<const char16_t*, 4> kMovieExtensions = {u".mov", u".avi", u".mpg", u".mpe"};

QString ShortExtension(const QString& name) {
  const qsizetype dot = name.lastIndexOf(u'.');
  return dot < 0 ? QString() : name.mid(dot, 4).toLower();
}

template <std::size_t N>
bool Among(const QString& extension, const std::array<const char16_t*, N>& list) {
  return std::any_of(list.begin(), list.end(),
                     [&](const char16_t* e) { return extension == QStringView(e); });
}

QString FolderOf(const QString& path) { return path.left(path.lastIndexOf(u'/')); }
QString NameOf(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }

// A camera folder that is also the selected folder would put each file onto itself.
bool SameFile(const QString& a, const QString& b) {
  const QString canonical = QFileInfo(a).canonicalFilePath();
  return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

}  // namespace

bool IsMovieFile(const QString& name) { return Among(ShortExtension(name), kMovieExtensions); }

bool IsTransferFile(const QString& name, bool movies) {
  const QString extension = ShortExtension(name);
  return Among(extension, kPhotoExtensions) || (movies && Among(extension, kMovieExtensions));
}

QString DateFolderName(std::optional<std::time_t> lastWrite) {
  std::tm local{};
  if (!lastWrite || localtime_r(&*lastWrite, &local) == nullptr) return QStringLiteral("00-0000");
  constexpr int kYearBase = 1900;
  constexpr int kCentury = 100;
  return QString::asprintf("%02d-%02d%02d", (local.tm_year + kYearBase) % kCentury,
                           local.tm_mon + 1, local.tm_mday);
}

TransferEngine::TransferEngine(TransferDeps deps, TransferJob job, TransferHooks hooks)
    : d_(deps), job_(std::move(job)), hooks_(std::move(hooks)) {
  countText_ = QStringLiteral("（転送枚数）");
}

TransferEngine::~TransferEngine() {
  d_.copyTimer.Stop();
  d_.captionTimer.Stop();
}

QString TransferEngine::Caption() const { return CaptionWithDots(dots_); }

void TransferEngine::Begin() {
  running_ = true;
  if (hooks_.busyCursor) hooks_.busyCursor(true);
  d_.captionTimer.Start(kCaptionIntervalMs, [this] {
    dots_ = dots_ % kMaxDots + 1;
    if (hooks_.changed) hooks_.changed();
  });
  library::FileSystem& fs = d_.files.files;
  // Copies are flushed once, at the end; a write-back that fails before then is reported only
  // to those who watched the file system when it happened.
  if (job_.mode != TransferMode::SortByDate) writes_ = fs.WatchWrites(job_.targetFolder);
  for (const QString& name : fs.FileNames(job_.sourceFolder)) {
    // Folders, devices and sockets are no photos, whatever their names.
    if (IsTransferFile(name, job_.options.movies) && fs.IsFile(job_.sourceFolder + u'/' + name)) {
      names_ << name;
    } else if (library::IsRecordName(name)) {
      sourceRecords_ << name;
    }
  }
  total_ = remaining_ = int(names_.size());
  picture_.reset();
  overwrite_ = Overwrite::Ask;
  d_.copyTimer.Start(kCopyIntervalMs, [this] { Tick(); });
}

void TransferEngine::Cancel() {
  stop_ = true;
  Finish();
}

// The timer is off while a file is handled (a question may run the event loop), and on again
// afterwards, also after a failure: the next tick then ends the run.
void TransferEngine::Tick() {
  d_.copyTimer.Stop();
  if (stop_ || remaining_ == 0) return Finish();
  const QString& name = names_[total_ - remaining_];
  countText_ = CountLabel(remaining_, name);
  progress_ = ProgressOf(remaining_, total_);
  if (hooks_.changed) hooks_.changed();
  HandleFile(name);
  --remaining_;
  if (running_) d_.copyTimer.Start(kCopyIntervalMs, [this] { Tick(); });
}

bool TransferEngine::UsesDateFolders() const {
  return job_.options.dateFolders && job_.mode != TransferMode::ToCamera;
}

void TransferEngine::HandleFile(const QString& name) {
  library::FileSystem& fs = d_.files.files;
  const QString source = job_.sourceFolder + u'/' + name;
  if (!job_.options.readOnlyToo && fs.IsReadOnly(source)) return;
  const QString folder = TargetFolderFor(source);
  if (folder.isEmpty()) return;
  const QString target = folder + u'/' + name;
  if (SameFile(source, target)) return;
  // Only a file is offered for replacing; a folder of that name makes the copy fail.
  const QString occupant = Occupant(folder, name);
  const QString replaced = fs.IsFile(occupant) ? occupant : QString();
  if (!replaced.isEmpty() && !AskOverwrite(name)) return;
  const bool placed = job_.mode == TransferMode::SortByDate ? MoveInto(source, target, replaced)
                                                            : CopyInto(source, target, replaced);
  if (!placed) return;
  ++handled_;
  if (auto listed = taken_.find(folder); listed != taken_.end()) {
    listed->insert(name.toCaseFolded(), name);
  }
  library::NoteOwnChange(d_.files.folders, FolderOf(target));
  library::NoteOwnChange(d_.files.folders, job_.sourceFolder);
  if (job_.mode != TransferMode::ToCamera) Record(target, name);
}

// A date folder that cannot be made (a file holds its name, the selected folder is gone) is
// the copy's failure: nothing of that day could be copied.
QString TransferEngine::TargetFolderFor(const QString& source) {
  if (!UsesDateFolders()) return job_.targetFolder;
  library::FileSystem& fs = d_.files.files;
  const QString folder = job_.targetFolder + u'/' + DateFolderName(fs.LastWrite(source));
  if (fs.MakeFolder(folder)) return folder;
  Fail(true);
  return {};
}

// The file that holds the name in the folder, in any letter case: two photos whose names
// differ only in case would share their edit records and cached thumbnails.
// Each target folder is listed once per run, not once per file: a large photo folder would
// otherwise be read again for every photo copied into it.
QString TransferEngine::Occupant(const QString& folder, const QString& name) {
  const library::FileSystem& fs = d_.files.files;
  if (fs.Exists(folder + u'/' + name)) return folder + u'/' + name;
  auto listed = taken_.find(folder);
  if (listed == taken_.end()) {
    QHash<QString, QString> names;
    for (const QString& file : fs.FileNames(folder)) names.insert(file.toCaseFolded(), file);
    listed = taken_.insert(folder, names);
  }
  const QString found = listed->value(name.toCaseFolded());
  if (found.isEmpty() || !fs.Exists(folder + u'/' + found)) return {};
  return folder + u'/' + found;
}

bool TransferEngine::AskOverwrite(const QString& name) {
  if (overwrite_ != Overwrite::Ask) return overwrite_ == Overwrite::YesToAll;
  platform::DialogService& dialogs = d_.files.dialogs;
  dialogs.Line(1) = QStringLiteral("転送先に、すでに同じファイル名");
  dialogs.Line(2) = u'「' + name + u'」';
  dialogs.Line(3) = QStringLiteral("があります。上書きしますか？");
  dialogs.Line(4) = QStringLiteral("（※元ファイルは、ごみ箱に移動されます）");
  dialogs.Choice(1) = QStringLiteral("いいえ");
  dialogs.Choice(2) = QStringLiteral("上書き");
  dialogs.Choice(3) = QStringLiteral("全ていいえ");
  dialogs.Choice(4) = QStringLiteral("全て上書き");
  const int lines = job_.mode == TransferMode::ToCamera ? 3 : 4;
  if (hooks_.busyCursor) hooks_.busyCursor(false);
  const int answer = dialogs.AskChoice(std::uint8_t(lines), 4);
  if (hooks_.busyCursor) hooks_.busyCursor(true);
  if (hooks_.changed) hooks_.changed();
  if (answer == 3) overwrite_ = Overwrite::NoToAll;
  if (answer == 4) overwrite_ = Overwrite::YesToAll;
  return answer == 2 || answer == 4;
}

// The old target goes to the trash only once its replacement is whole beside it, so a full
// disk leaves the old file where it was.
bool TransferEngine::CopyInto(const QString& source, const QString& target,
                              const QString& replaced) {
  library::FileSystem& fs = d_.files.files;
  // The source stays where it is: the copy need not be forced onto the disk file by file
  // (Finish flushes the run as a whole).
  const library::CheckedCopy copy =
      library::CopyChecked(fs, source, target, library::Flush::Lazily);
  // A source gone since the listing (or a name the file system cannot give back) is passed
  // over: it says nothing about the destination, so the other photos still come.
  if (!copy.Ok()) {
    if (copy.failure != library::MoveResult::SourceMissing) Fail(true);
    return false;
  }
  if (!replaced.isEmpty() && !TrashOldTarget(replaced)) {
    fs.Remove(copy.temporary);
    return false;
  }
  if (fs.Rename(copy.temporary, target) != library::FsStatus::Ok) {
    fs.Remove(copy.temporary);
    Fail(true);
    return false;
  }
  return true;
}

// Sorting moves the photo with its cached thumbnail and its edit records. The photo leaves
// its folder by a rename, or by a checked copy that is on the disk before the source goes.
bool TransferEngine::MoveInto(const QString& source, const QString& target,
                              const QString& replaced) {
  if (!replaced.isEmpty() && !TrashOldTarget(replaced)) return false;
  const library::FileOpsContext& c = d_.files;
  const library::MoveResult moved =
      library::MoveFileWithCache(c, job_.cache, source, job_.cache, target, false);
  if (!library::Arrived(moved)) {
    Fail(true);
    return false;
  }
  // The folder was listed when the run began; a photo's records cannot have come since.
  const QString name = NameOf(target);
  library::fileops_detail::CarryEditRecords(c, library::EditRecordsOf(sourceRecords_, name),
                                            job_.sourceFolder, job_.cache, name, FolderOf(target),
                                            job_.cache, name);
  return true;
}

// The replaced photo's edit records and cached thumbnail describe it, not the file that takes
// its name: they go too, the records to the trash with it. Only the photo's own failure counts;
// a record left behind is still whole, and the newcomer's records do not replace it.
bool TransferEngine::TrashOldTarget(const QString& occupant) {
  const library::FileOpsContext& c = d_.files;
  if (!c.trash.MoveToTrash(occupant) || c.files.Exists(occupant)) {
    Fail(false);
    return false;
  }
  const QString folder = FolderOf(occupant);
  const QString name = NameOf(occupant);
  for (const QString& record : library::EditRecordsOf(c.files.FileNames(folder), name)) {
    const QString path = folder + u'/' + record;
    if (c.trash.MoveToTrash(path) && !c.files.Exists(path)) RemoveCachedThumbnail(path);
  }
  RemoveCachedThumbnail(occupant);
  return true;
}

void TransferEngine::RemoveCachedThumbnail(const QString& path) {
  if (const auto cached = library::CachedThumbnail(job_.cache, FolderOf(path), NameOf(path))) {
    library::RemoveCacheFiles(d_.files.files, *cached);
  }
}

void TransferEngine::Fail(bool copyFailed) {
  stop_ = true;
  failed_ = true;
  d_.files.dialogs.Notice(copyFailed ? CopyFailedLines() : TrashFailedLines());
}

// The run's earliest file is shown afterwards. The first file handled is always kept; a movie,
// which cannot be shown, never displaces it, and a photo only when it is earlier.
void TransferEngine::Record(const QString& target, const QString& name) {
  const bool byName = !UsesDateFolders() && job_.sortOrder == config::SortOrder::FileName;
  const auto written = d_.files.files.LastWrite(target);
  const library::DateKey date =
      written ? library::FileDateKeyOfTime(*written) : library::kNoFileDate;
  const QByteArray key = byName ? name.toUtf8() : date.Text().toLatin1();
  if (picture_ && (IsMovieFile(name) || key >= picture_->key)) return;
  picture_ = PictureToShow{UsesDateFolders() ? target : name, key};
}

void TransferEngine::Finish() {
  d_.copyTimer.Stop();
  d_.captionTimer.Stop();
  if (!running_) return;
  running_ = false;
  // Copies are not forced onto the disk one by one; the whole run is, before the window goes,
  // so that a card can be taken out (or wiped in the camera) as soon as it closes. Copies the
  // disk could not take are not copies: nothing is shown as if they had arrived.
  if (handled_ > 0 && writes_ && !writes_->Flush()) {
    picture_.reset();
    if (!failed_) Fail(true);
  }
  writes_.reset();
  if (hooks_.busyCursor) hooks_.busyCursor(false);
  if (hooks_.finished) hooks_.finished();
}

}  // namespace kasumori::transfer
