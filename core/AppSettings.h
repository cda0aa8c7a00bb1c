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
// False when the store could not be saved (a settings file that cannot be written); the value
// is still read back for the rest of the run.
bool write(const SettingKey& setting, const QString& value);
// The settings file, as the operator is told of it.
QString fileName();

} // namespace AppSettings
