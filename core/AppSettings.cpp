#include "AppSettings.h"

#include <QHash>
#include <QSettings>
#include <memory>

namespace AppSettings {
namespace {
QString path(const SettingKey& s)
{
    return QString::fromLatin1(s.section) + u'/' + QString::fromLatin1(s.key);
}

// Values the store could not save (a settings file or folder that cannot be written): read back
// for the rest of the run, and saved with the next write the store takes.
QHash<QString, QString>& niezapisane()
{
    static QHash<QString, QString> wartosci;
    return wartosci;
}

std::unique_ptr<QSettings> store()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Kalbor"), QStringLiteral("Kalbor"));
}
} // namespace

QString read(const SettingKey& setting)
{
    const auto niezapisana = niezapisane().constFind(path(setting));
    if (niezapisana != niezapisane().cend())
        return *niezapisana;
    const QVariant v = store()->value(path(setting), QString::fromLatin1(setting.defaultValue));
    // The store writes a text with commas in quotes; a value written by hand without them
    // reads as a list of the parts between the commas, which rejoined give the text back
    // (only blanks next to a comma are lost).
    return v.typeId() == QMetaType::QStringList ? v.toStringList().join(u',') : v.toString();
}

bool write(const SettingKey& setting, const QString& value)
{
    niezapisane().insert(path(setting), value);
    const auto s = store();
    for (auto it = niezapisane().cbegin(); it != niezapisane().cend(); ++it)
        s->setValue(it.key(), it.value());
    s->sync();
    if (s->status() != QSettings::NoError)
        return false;
    niezapisane().clear();
    return true;
}

QString fileName()
{
    return store()->fileName();
}

} // namespace AppSettings
