#include "AppSettings.h"

#include <QSettings>
#include <memory>

namespace AppSettings {
namespace {
QString path(const SettingKey& s)
{
    return QString::fromLatin1(s.section) + u'/' + QString::fromLatin1(s.key);
}

std::unique_ptr<QSettings> store()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Kalbor"), QStringLiteral("Kalbor"));
}
} // namespace

QString read(const SettingKey& setting)
{
    const QVariant v = store()->value(path(setting), QString::fromLatin1(setting.defaultValue));
    // The store writes a text with commas in quotes; a value written by hand without them
    // reads as a list of the parts between the commas, which rejoined give the text back
    // (only blanks next to a comma are lost).
    return v.typeId() == QMetaType::QStringList ? v.toStringList().join(u',') : v.toString();
}

bool write(const SettingKey& setting, const QString& value)
{
    const auto s = store();
    s->setValue(path(setting), value);
    s->sync();
    return s->status() == QSettings::NoError;
}

QString fileName()
{
    return store()->fileName();
}

} // namespace AppSettings
