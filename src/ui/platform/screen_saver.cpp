// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/screen_saver.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>

#include <memory>

namespace kasumori::ui {

namespace {

constexpr char kService[] = "org.freedesktop.ScreenSaver";
constexpr char kPath[] = "/org/freedesktop/ScreenSaver";
// A call to a desktop that does not answer must not hold up the show.
constexpr int kCallTimeoutMs = 500;

std::unique_ptr<QDBusInterface> ScreenSaverService() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return nullptr;
  auto service = std::make_unique<QDBusInterface>(QLatin1String(kService), QLatin1String(kPath),
                                                  QLatin1String(kService), bus);
  if (!service->isValid()) return nullptr;
  service->setTimeout(kCallTimeoutMs);
  return service;
}

}  // namespace

void ScreenSaverInhibitor::Inhibit() {
  if (cookie_) return;
  const std::unique_ptr<QDBusInterface> service = ScreenSaverService();
  if (!service) return;
  const QDBusReply<std::uint32_t> reply = service->call(
      QStringLiteral("Inhibit"), QStringLiteral("Kasumori2"), QStringLiteral("スライドショー"));
  if (reply.isValid()) cookie_ = reply.value();
}

void ScreenSaverInhibitor::Release() {
  if (!cookie_) return;
  const std::uint32_t cookie = *cookie_;
  cookie_.reset();
  if (const std::unique_ptr<QDBusInterface> service = ScreenSaverService()) {
    service->call(QStringLiteral("UnInhibit"), cookie);
  }
}

}  // namespace kasumori::ui
