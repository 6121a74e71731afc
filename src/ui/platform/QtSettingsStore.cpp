#include "ui/platform/QtSettingsStore.h"

#include <QStringList>
#include <QVariant>

namespace {
const QString kName = QStringLiteral("Quillon");

QString KeyPath(std::string_view section, std::string_view key) {
  return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + QLatin1Char('/') +
         QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}
}  // namespace

QtSettingsStore::QtSettingsStore() {
  // Tests and portable set-ups move the store; the path must be set before
  // the QSettings object exists.
  const QByteArray dir = qgetenv("QUILLON_CONFIG_DIR");
  if (!dir.isEmpty()) QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromLocal8Bit(dir));
  m_settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kName, kName);
}

QtSettingsStore::~QtSettingsStore() = default;

std::optional<std::string> QtSettingsStore::get(std::string_view section, std::string_view key) const {
  const QVariant value = m_settings->value(KeyPath(section, key));
  if (!value.isValid()) return std::nullopt;
  // A hand-edited value with unquoted commas reads back as a list.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(',')).toStdString();
  return value.toString().toStdString();
}

void QtSettingsStore::set(std::string_view section, std::string_view key, const std::string& value) {
  m_settings->setValue(KeyPath(section, key), QString::fromStdString(value));
}

void QtSettingsStore::sync() { m_settings->sync(); }

QString QtSettingsStore::fileName() const { return m_settings->fileName(); }
