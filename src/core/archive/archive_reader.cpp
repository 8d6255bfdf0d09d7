// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_reader.h"

#include "config/text_file.h"

#include <archive.h>
#include <archive_entry.h>
#include <clocale>
#include <locale.h>
#include <sys/stat.h>

namespace kasumori::archive {

namespace {

// Made when the program loads rather than on first use: readers run in children forked from any
// thread, and a child must not find a half-made first use of another thread.
const locale_t kUtf8Locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));

// libarchive converts names through the thread's character set and gives up on non-ASCII names
// under the C locale. Every call runs under a UTF-8 locale for this thread only, so the program's
// own locale, and other threads, are left alone.
class Utf8LocaleScope {
 public:
  Utf8LocaleScope() : previous_(kUtf8Locale ? uselocale(kUtf8Locale) : nullptr) {}
  ~Utf8LocaleScope() {
    if (previous_) uselocale(previous_);
  }
  Utf8LocaleScope(const Utf8LocaleScope&) = delete;
  Utf8LocaleScope& operator=(const Utf8LocaleScope&) = delete;

 private:
  locale_t previous_;
};

constexpr std::size_t kReadBlockBytes = 64 * 1024;

void SupportKinds(struct archive* a, TArchiverType type) {
  if (type == TArchiverType::atZip) {
    archive_read_support_format_zip(a);
    return;
  }
  // Not archive_read_support_format_all: its mtree reader takes file contents from paths on
  // this machine, and filter_all may start outside decompressor programs.
  archive_read_support_format_7zip(a);
  archive_read_support_format_ar(a);
  archive_read_support_format_cab(a);
  archive_read_support_format_cpio(a);
  archive_read_support_format_lha(a);
  // An LHA header does not say its names' character set (unless it has a code page extension,
  // which wins); the LHA programs of Japanese Windows wrote CP932, and libarchive refuses a
  // name it cannot convert rather than pass its bytes on.
  archive_read_set_format_option(a, "lha", "hdrcharset", "CP932");
  archive_read_support_format_rar(a);
  archive_read_support_format_rar5(a);
  archive_read_support_format_tar(a);
  archive_read_support_format_zip(a);
  archive_read_support_filter_gzip(a);
  archive_read_support_filter_bzip2(a);
  archive_read_support_filter_compress(a);
  archive_read_support_filter_xz(a);
  archive_read_support_filter_lzma(a);
  archive_read_support_filter_zstd(a);
}

EntryKind KindOf(struct archive_entry* entry) {
  // A hard link's data is another entry's: it is not a file of its own.
  if (archive_entry_hardlink(entry) != nullptr) return EntryKind::Other;
  switch (archive_entry_filetype(entry)) {
    case AE_IFREG:
      return EntryKind::File;
    case AE_IFDIR:
      return EntryKind::Folder;
    default:
      return EntryKind::Other;
  }
}

}  // namespace

QString DecodeEntryName(const QByteArray& stored) { return config::DecodeText(stored); }

void ArchiveReader::Deleter::operator()(struct archive* a) const { archive_read_free(a); }

ArchiveReader::ArchiveReader(const QString& path, TArchiverType type) {
  Utf8LocaleScope locale;
  archive_.reset(archive_read_new());
  if (!archive_) return;
  SupportKinds(archive_.get(), type);
  const QByteArray file = path.toLocal8Bit();
  open_ =
      archive_read_open_filename(archive_.get(), file.constData(), kReadBlockBytes) == ARCHIVE_OK;
}

ArchiveReader::ArchiveReader(const char* data, std::size_t size, TArchiverType type) {
  Utf8LocaleScope locale;
  archive_.reset(archive_read_new());
  if (!archive_) return;
  SupportKinds(archive_.get(), type);
  open_ = archive_read_open_memory(archive_.get(), data, size) == ARCHIVE_OK;
}

ArchiveReader::~ArchiveReader() = default;

bool ArchiveReader::Next() {
  if (!open_ || damaged_) return false;
  Utf8LocaleScope locale;
  struct archive_entry* entry = nullptr;
  const int result = archive_read_next_header(archive_.get(), &entry);
  if (result == ARCHIVE_EOF) return false;
  // A warning still gives a usable header (a name that needed a fallback conversion).
  if (result != ARCHIVE_OK && result != ARCHIVE_WARN) {
    damaged_ = true;
    return false;
  }
  const char* stored = archive_entry_pathname(entry);
  if (stored == nullptr) stored = archive_entry_pathname_utf8(entry);
  entry_.name = stored ? DecodeEntryName(QByteArray(stored)) : QString();
  entry_.kind = KindOf(entry);
  if (entry_.kind == EntryKind::Folder && !entry_.name.endsWith(u'/')) entry_.name += u'/';
  entry_.declaredSize = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : -1;
  return true;
}

TArchiverType ArchiveReader::DetectedType() const {
  if (!open_) return TArchiverType::atNone;
  switch (archive_format(archive_.get()) & ARCHIVE_FORMAT_BASE_MASK) {
    case ARCHIVE_FORMAT_ZIP:
      return TArchiverType::atZip;
    case ARCHIVE_FORMAT_LHA:
      return TArchiverType::atLha;
    case ARCHIVE_FORMAT_CAB:
      return TArchiverType::atCab;
    case ARCHIVE_FORMAT_RAR:
    case ARCHIVE_FORMAT_RAR_V5:
      return TArchiverType::atRar;
    case ARCHIVE_FORMAT_7ZIP:
      return TArchiverType::at7z;
    case ARCHIVE_FORMAT_TAR:
    case ARCHIVE_FORMAT_CPIO:
    case ARCHIVE_FORMAT_AR:
      return TArchiverType::atTar;
    default:
      return TArchiverType::atNone;
  }
}

ArchiveReader::DataEnd ArchiveReader::ReadData(
    const std::function<bool(const char* data, std::size_t size)>& sink) {
  if (!open_ || damaged_) return DataEnd::Damaged;
  Utf8LocaleScope locale;
  // archive_read_data rather than the raw blocks: it fills the holes of a sparse entry.
  std::unique_ptr<char[]> buffer(new char[kReadBlockBytes]);
  for (;;) {
    const la_ssize_t size = archive_read_data(archive_.get(), buffer.get(), kReadBlockBytes);
    if (size == 0) return DataEnd::Complete;
    if (size < 0) {
      damaged_ = true;
      return DataEnd::Damaged;
    }
    if (!sink(buffer.get(), static_cast<std::size_t>(size))) return DataEnd::Stopped;
  }
}

std::int64_t ArchiveReader::StoredBytesRead() const {
  // Filter -1 is the last of the chain: the bytes as they came from the file or memory.
  return open_ ? archive_filter_bytes(archive_.get(), -1) : 0;
}

}  // namespace kasumori::archive
