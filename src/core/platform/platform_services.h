// SPDX-License-Identifier: GPL-3.0-or-later
// The small interfaces through which the logic reaches the desktop. Each has a Linux
// implementation (here when it needs no widgets, in src/ui/platform otherwise) and is replaced
// by a fake in tests.
#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

namespace kasumori::platform {

// Moves files to the freedesktop trash.
class TrashService {
 public:
  virtual ~TrashService() = default;
  // True only when the file is gone from its place and sits in the trash.
  virtual bool MoveToTrash(const QString& path) = 0;
};

// Opens documents and folders with their associated programs, and starts programs.
class ShellOpenService {
 public:
  virtual ~ShellOpenService() = default;
  virtual bool OpenDocument(const QString& path) = 0;
  // Starts a program (an executable or a .desktop entry) with one file argument.
  virtual bool StartProgram(const QString& program, const QString& argument) = 0;
};

// Asks the user for a folder or a file.
class PickerService {
 public:
  virtual ~PickerService() = default;
  virtual std::optional<QString> PickFolder(const QString& title, const QString& start) = 0;
  virtual std::optional<QString> PickOpenFile(const QString& title, const QString& start,
                                              const QString& filter) = 0;
  // Asks before replacing an existing file; a name typed without an extension gets
  // `defaultSuffix`.
  virtual std::optional<QString> PickSaveFile(const QString& title, const QString& start,
                                              const QString& filter,
                                              const QString& defaultSuffix) = 0;
};

// The user's special folders. An empty string means the desktop has no such folder.
class SpecialFolders {
 public:
  virtual ~SpecialFolders() = default;
  virtual QString Desktop() const = 0;
  virtual QString Documents() const = 0;
  virtual QString Pictures() const = 0;
  virtual QString Programs() const = 0;
  virtual QString CommonPrograms() const = 0;
  virtual QString System() const = 0;
  // The per-user data home (~/.local/share), where data folders go when the program folder
  // cannot be written.
  virtual QString DataHome() const = 0;
};

// The system-wide marker that tells a second running instance from the first.
class SingleInstanceMarker {
 public:
  virtual ~SingleInstanceMarker() = default;
  // Tries to own the marker without waiting. True when this instance owns it afterwards
  // (it did already, or nobody else does); false while another instance owns it.
  virtual bool TryTake() = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDate Today() const = 0;
};

// A repeating timer of the event loop. Work paced by a timer (the transfer's one file per tick)
// takes one as a service, so that a test steps it by hand instead of waiting.
class Ticker {
 public:
  virtual ~Ticker() = default;
  // Calls `tick` every `intervalMs` until Stop; a running timer starts over.
  virtual void Start(int intervalMs, std::function<void()> tick) = 0;
  virtual void Stop() = 0;
};

}  // namespace kasumori::platform
