// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte string as the names an archive brings: an entry name for the extraction checks, a
// file name for the archiver type it selects, and the rest of a folder path for the split into
// archive file and inner folder, below a small tree holding one archive and one folder.
#include "archive/archive_photos.h"
#include "archive/archive_reader.h"
#include "archive/archiver_types.h"
#include "archive/member_writer.h"
#include "fuzz_entries.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

using namespace kasumori::archive;
using kasumori::fuzz::Require;

// root/album.zip is a file and root/photos/ a folder holding photos/day.cbz.
const QString& Root() {
  static const QTemporaryDir dir;
  static const bool made = [] {
    QDir(dir.path()).mkpath(QStringLiteral("photos"));
    for (const char* name : {"/album.zip", "/photos/day.cbz"}) {
      QFile file(dir.path() + QLatin1String(name));
      if (!file.open(QIODevice::WriteOnly)) return false;
    }
    return true;
  }();
  Require(made);
  static const QString root = dir.path();
  return root;
}

void CheckMemberPath(const QString& name) {
  const std::optional<QStringList> components = SafeMemberPath(name);
  if (!components) return;
  Require(components->join(u'/') == name);
  for (const QString& component : *components) {
    Require(!component.isEmpty() && component != u"." && component != u"..");
  }
  Require(!name.contains(QChar(0)));
  const QString destination = QStringLiteral("/dest");
  Require(QDir::cleanPath(destination + u'/' + name).startsWith(destination + u'/'));
}

void CheckTypes(const QString& name) {
  const TArchiverType type = ArchiverTypeForExtension(name);
  if (type != TArchiverType::atNone && type != TArchiverType::atAutoDetect && !HasReader(type)) {
    Require(NoReaderError(type).what()[0] != '\0');
  }
  (void)FormatDescription(type);
  const TArchiverType browsed = BrowsedType(name);
  Require(browsed == TArchiverType::atNone || HasReader(browsed));
}

void CheckSplit(const QString& rest) {
  // Qt refuses, with a warning, a path holding NUL; no folder path the program builds has one.
  if (rest.contains(QChar(0))) return;
  const QString path = Root() + u'/' + rest;
  const ArchivePathSplit split = SplitArchivePath(path);
  if (split.archive.isEmpty()) {
    Require(split.inner.isEmpty());
    return;
  }
  Require(QFileInfo(split.archive).isFile());
  Require(split.archive.startsWith(Root() + u'/'));
  if (split.inner.isEmpty()) {
    Require(split.archive == path);
    return;
  }
  Require(split.inner.endsWith(u'/'));
  Require(split.archive + u'/' + split.inner.chopped(1) == path);
}

}  // namespace

int kasumori::fuzz::FuzzArchivePath(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const QString name = DecodeEntryName(bytes);
  CheckMemberPath(name);
  CheckTypes(name);
  CheckSplit(name);
  return 0;
}
