#include "OleColor.h"

namespace {
constexpr quint32 systemColourFlag = 0x80000000u;

QPalette::ColorRole systemColourRole(quint32 index)
{
    switch (index) {
    case 0x05:
        return QPalette::Base;
    case 0x08:
        return QPalette::Text;
    case 0x0D:
        return QPalette::Highlight;
    case 0x0E:
        return QPalette::HighlightedText;
    case 0x0F:
        return QPalette::Button;
    case 0x10:
        return QPalette::Dark;
    case 0x12:
        return QPalette::ButtonText;
    case 0x14:
        return QPalette::Light;
    default:
        return QPalette::WindowText;
    }
}
} // namespace

QColor oleColor(quint32 value, const QPalette& palette)
{
    if (value & systemColourFlag)
        return palette.color(systemColourRole(value & 0xFFu));
    return QColor(value & 0xFFu, (value >> 8) & 0xFFu, (value >> 16) & 0xFFu);
}

std::optional<quint32> parseOleColor(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    if (trimmed.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        const quint32 value = trimmed.mid(2).toUInt(&ok, 16);
        return ok ? std::optional<quint32>(value) : std::nullopt;
    }
    const qint64 value = trimmed.toLongLong(&ok, 10);
    if (!ok || value < INT32_MIN || value > UINT32_MAX)
        return std::nullopt;
    return static_cast<quint32>(value);
}
