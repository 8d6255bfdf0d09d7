// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/read_only_folder.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace kasumori::testkit {

namespace {

QString SystemError(const char* call) {
  return QString::fromLatin1(call) + QStringLiteral(": ") + QString::fromLocal8Bit(strerror(errno));
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString& path) : path_(path) {
  if (::geteuid() != 0) {
    held_ = QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner);
    if (held_) means_ = Means::Permissions;
    if (!held_) why_ = QStringLiteral("cannot take the write permission from ") + path_;
    return;
  }
  held_ = MakeReadOnlyByMount();
  if (held_) means_ = Means::BindMount;
  if (!held_) {
    why_ = QStringLiteral("permissions do not bind root, and a read-only bind mount failed (") +
           why_ + u')';
  }
}

ReadOnlyFolder::~ReadOnlyFolder() { Release(); }

bool ReadOnlyFolder::MakeReadOnlyByMount() {
  originalNamespace_ = ::open("/proc/self/ns/mnt", O_RDONLY | O_CLOEXEC);
  // CLONE_NEWNS gives this thread alone its own copy of the mount table (it unshares the
  // thread's file-system information with it); the rest of the process keeps the old one.
  if (::unshare(CLONE_NEWNS) != 0) {
    why_ = SystemError("unshare");
    return false;
  }
  // Without this, a host whose mounts are shared would see the bind mount below as well.
  if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    why_ = SystemError("mount --make-rprivate /");
    return false;
  }
  const QByteArray native = QFile::encodeName(path_);
  if (::mount(native.constData(), native.constData(), nullptr, MS_BIND, nullptr) != 0) {
    why_ = SystemError("mount --bind");
    return false;
  }
  if (::mount(nullptr, native.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) !=
      0) {
    why_ = SystemError("mount -o remount,bind,ro");
    ::umount2(native.constData(), MNT_DETACH);
    return false;
  }
  return true;
}

void ReadOnlyFolder::Release() {
  switch (means_) {
    case Means::None:
      break;
    case Means::Permissions:
      QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
      break;
    case Means::BindMount:
      ::umount2(QFile::encodeName(path_).constData(), MNT_DETACH);
      break;
  }
  means_ = Means::None;
  held_ = false;
  if (originalNamespace_ >= 0) {
    // Back to the process's mount table. This fails when the test started threads that share
    // this thread's file-system information; the private table then stays, without the mount.
    (void)::setns(originalNamespace_, CLONE_NEWNS);
    ::close(originalNamespace_);
    originalNamespace_ = -1;
  }
}

}  // namespace kasumori::testkit
