// SPDX-License-Identifier: GPL-3.0-or-later
// Linux implementations of the platform services that need no widgets.
#pragma once

#include "platform/platform_services.h"

#include <QTimer>

namespace kasumori::platform {

class XdgSpecialFolders final : public SpecialFolders {
 public:
  QString Desktop() const override;
  QString Documents() const override;
  QString Pictures() const override;
  QString Programs() const override;
  QString CommonPrograms() const override;
  QString System() const override;
  QString DataHome() const override;
};

class FreedesktopTrash final : public TrashService {
 public:
  bool MoveToTrash(const QString& path) override;
};

// A lock file held with flock(): the first instance holds it for its whole life.
class FlockInstanceMarker final : public SingleInstanceMarker {
 public:
  // The default lock file is "Kasumori2" in the user's runtime folder.
  FlockInstanceMarker();
  explicit FlockInstanceMarker(QString lockPath);
  ~FlockInstanceMarker() override;
  FlockInstanceMarker(const FlockInstanceMarker&) = delete;
  FlockInstanceMarker& operator=(const FlockInstanceMarker&) = delete;

  bool TryTake() override;

 private:
  QString path_;
  int fd_ = -1;
  bool owned_ = false;
};

class SystemClock final : public Clock {
 public:
  QDate Today() const override { return QDate::currentDate(); }
};

class QtTicker final : public Ticker {
 public:
  void Start(int intervalMs, std::function<void()> tick) override {
    timer_.disconnect();
    QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
    timer_.start(intervalMs);
  }
  void Stop() override { timer_.stop(); }

 private:
  QTimer timer_;
};

}  // namespace kasumori::platform
