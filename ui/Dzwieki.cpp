#include "Dzwieki.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

void Dzwieki::Graj(const QString& plik)
{
    const QFileInfo info(plik);
    if (!info.isFile() || QMediaDevices::audioOutputs().isEmpty())
        return;
    auto* efekt = new QSoundEffect(this);
    // The effect loads in the background and plays as soon as it is loaded; it removes itself
    // when it has played or could not be loaded.
    connect(efekt, &QSoundEffect::playingChanged, efekt, [efekt] {
        if (!efekt->isPlaying())
            efekt->deleteLater();
    });
    connect(efekt, &QSoundEffect::statusChanged, efekt, [efekt] {
        if (efekt->status() == QSoundEffect::Error)
            efekt->deleteLater();
    });
    efekt->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    efekt->play();
}
