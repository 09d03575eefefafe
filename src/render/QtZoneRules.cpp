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

}  // namespace

QtZoneRules::QtZoneRules() = default;
QtZoneRules::~QtZoneRules() = default;

const QTimeZone& QtZoneRules::ZoneOf(const std::string& id) const {
  auto& slot = zones_[id];
  if (!slot) slot = std::make_unique<QTimeZone>(QByteArray::fromStdString(id));
  return *slot;
}

bool QtZoneRules::Knows(const std::string& id) const {
  return !id.empty() && QTimeZone::isTimeZoneIdAvailable(QByteArray::fromStdString(id)) &&
         ZoneOf(id).isValid();
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
