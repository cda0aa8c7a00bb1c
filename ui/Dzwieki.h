#pragma once

#include <QObject>
#include <QString>

// The sound layer: plays a wave file once.
class OdtwarzaczDzwiekow
{
  public:
    virtual ~OdtwarzaczDzwiekow() = default;
    // A bare name is looked up in the working directory. A file that is missing or cannot be
    // played, or a machine without an audio output, stays silent.
    virtual void Graj(const QString& plik) = 0;
};

// Plays through the default audio output; each call is one playback of its own, so a sound
// started while another plays does not cut it off.
class Dzwieki final : public QObject, public OdtwarzaczDzwiekow
{
    Q_OBJECT
  public:
    explicit Dzwieki(QObject* parent = nullptr) : QObject(parent) {}
    void Graj(const QString& plik) override;
};
