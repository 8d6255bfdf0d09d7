// SPDX-License-Identifier: GPL-3.0-or-later
// A folder made read-only for the length of a test. Permission bits do that for an ordinary
// user but bind nobody running as root, as containers and CI often do; there the folder is
// bound read-only over itself in a mount namespace private to the calling thread, which other
// test processes, and the other threads of this one, never see. Work that must fail on the
// folder has to run on the thread that made it.
#pragma once

#include <QString>

namespace kasumori::testkit {

class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const QString& path);
  ~ReadOnlyFolder();
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  // False when the folder could not be made read-only; Why() then says why, for a skip.
  bool Held() const { return held_; }
  const QString& Why() const { return why_; }
  // Makes the folder writable again before the end of the scope.
  void Release();

 private:
  enum class Means { None, Permissions, BindMount };
  bool MakeReadOnlyByMount();

  QString path_;
  Means means_ = Means::None;
  bool held_ = false;
  int originalNamespace_ = -1;  // an open /proc/self/ns/mnt to return to
  QString why_;
};

}  // namespace kasumori::testkit
