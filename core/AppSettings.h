#pragma once

#include <QString>

// The three stored settings: per-user store of the application "Kalbor"
// (~/.config/Kalbor/Kalbor.conf on Linux), text values in a section and key.
struct SettingKey
{
    const char* section;
    const char* key;
    const char* defaultValue;
};

namespace AppSettings {

inline constexpr SettingKey Port{"port", "nr_portu", "1"};
inline constexpr SettingKey AdmHaslo{"adm_haslo", "wartosc", "brasun"};
inline constexpr SettingKey Dzwieki{"dzwieki", "wartosc", "0"};

QString read(const SettingKey& setting);
void write(const SettingKey& setting, const QString& value);

} // namespace AppSettings
