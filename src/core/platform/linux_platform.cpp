// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux_platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kasumori::platform {

namespace {
QString Writable(QStandardPaths::StandardLocation location) {
  return QDir::cleanPath(QStandardPaths::writableLocation(location));
}
}  // namespace

QString XdgSpecialFolders::Desktop() const { return Writable(QStandardPaths::DesktopLocation); }
QString XdgSpecialFolders::Documents() const { return Writable(QStandardPaths::DocumentsLocation); }
QString XdgSpecialFolders::Pictures() const { return Writable(QStandardPaths::PicturesLocation); }
QString XdgSpecialFolders::Programs() const {
  return Writable(QStandardPaths::ApplicationsLocation);
}
QString XdgSpecialFolders::CommonPrograms() const {
  return QStringLiteral("/usr/share/applications");
}
QString XdgSpecialFolders::System() const { return QStringLiteral("/usr/lib"); }
QString XdgSpecialFolders::DataHome() const {
  return Writable(QStandardPaths::GenericDataLocation);
}

bool FreedesktopTrash::MoveToTrash(const QString& path) {
  // Qt puts the file into ./files of the working folder when the data home is missing, so
  // make sure the trash has somewhere to live first.
  QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
  if (!QFileInfo::exists(path)) return false;
  if (!QFile::moveToTrash(path)) return false;
  return !QFileInfo::exists(path);
}

FlockInstanceMarker::FlockInstanceMarker() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  path_ = folder + QStringLiteral("/Kasumori2");
}

FlockInstanceMarker::FlockInstanceMarker(QString lockPath) : path_(std::move(lockPath)) {}

FlockInstanceMarker::~FlockInstanceMarker() {
  if (fd_ >= 0) ::close(fd_);
}

bool FlockInstanceMarker::TryTake() {
  if (owned_) return true;
  if (fd_ < 0) {
    fd_ = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock file there is no way to see another instance: behave as the only one.
    if (fd_ < 0) return true;
  }
  owned_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
  return owned_;
}

}  // namespace kasumori::platform
