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
    return store()->value(path(setting), QString::fromLatin1(setting.defaultValue)).toString();
}

void write(const SettingKey& setting, const QString& value)
{
    const auto s = store();
    s->setValue(path(setting), value);
    s->sync();
}

} // namespace AppSettings
