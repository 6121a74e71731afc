#pragma once
// The per-user settings store as an INI file (organization and application
// "Quillon"), in the user's config folder or in $QUILLON_CONFIG_DIR.
#include <QSettings>
#include <QString>
#include <memory>

#include "app/settings.h"

class QtSettingsStore : public quillon::SettingsStore {
 public:
  QtSettingsStore();
  ~QtSettingsStore() override;

  std::optional<std::string> get(std::string_view section, std::string_view key) const override;
  void set(std::string_view section, std::string_view key, const std::string& value) override;

  // Writes pending values to the file now (QSettings also does it on destruction).
  void sync();
  QString fileName() const;

 private:
  std::unique_ptr<QSettings> m_settings;
};
