#include "render/QtZoneRules.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>
#include <cmath>

namespace umbrix {

namespace {

constexpr double kUnixEpochSerial = 25569.0;  // 1 January 1970

QDateTime UtcOf(double utSerial) {
  const auto ms = static_cast<qint64>(std::llround((utSerial - kUnixEpochSerial) * 86400000.0));
  return QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc());
}

// A name of the tz database's form ("America/Argentina/Buenos_Aires", "UTC+05:30"): never a
// path that could lead the database's reader out of its folder.
bool PlausibleId(const std::string& id) {
  if (id.empty() || id.size() > 64 || id.front() == '/' || id.find("..") != std::string::npos) {
    return false;
  }
  for (const char c : id) {
    const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                    c == '/' || c == '_' || c == '-' || c == '+' || c == ':' || c == '.';
    if (!ok) return false;
  }
  return true;
}

}  // namespace

QtZoneRules::QtZoneRules() = default;
QtZoneRules::~QtZoneRules() = default;

const QTimeZone& QtZoneRules::ZoneOf(const std::string& id) const {
  auto& slot = zones_[id];
  if (!slot) slot = std::make_unique<QTimeZone>(QByteArray::fromStdString(id));
  return *slot;
}

bool QtZoneRules::Knows(const std::string& id) const {
  // the list leaves out aliases such as the computer's own "Etc/UTC", which the database knows
  return PlausibleId(id) && ZoneOf(id).isValid();
}

std::vector<std::string> QtZoneRules::Ids() const {
  std::vector<std::string> ids;
  for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) ids.push_back(id.toStdString());
  return ids;
}

std::string QtZoneRules::SystemId() const { return QTimeZone::systemTimeZoneId().toStdString(); }

double QtZoneRules::OffsetAt(const std::string& id, double utSerial) const {
  return ZoneOf(id).offsetFromUtc(UtcOf(utSerial)) / 3600.0;
}

double QtZoneRules::StandardOffsetAt(const std::string& id, double utSerial) const {
  return ZoneOf(id).standardTimeOffset(UtcOf(utSerial)) / 3600.0;
}

}  // namespace umbrix
