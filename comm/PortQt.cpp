#include "PortQt.h"

namespace {
constexpr int kCzasZapisuMs = 2000;
}

QString PortQt::Otworz(const QString& nazwa)
{
    Zamknij();
    if (nazwa.isEmpty())
        return QStringLiteral("Nie wskazano portu szeregowego.");
    m_port.setPortName(nazwa);
    if (!m_port.open(QIODevice::ReadWrite))
        return m_port.errorString();
    const bool ustawiony = m_port.setBaudRate(kPredkosc) && m_port.setDataBits(QSerialPort::Data8) &&
                           m_port.setStopBits(QSerialPort::OneStop) &&
                           m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!ustawiony) {
        const QString blad = m_port.errorString();
        Zamknij();
        return blad;
    }
    if (!m_port.setParity(QSerialPort::EvenParity))
        m_port.setParity(QSerialPort::NoParity);
    m_port.clearError();
    return {};
}

void PortQt::Zamknij()
{
    if (m_port.isOpen())
        m_port.close();
}

int PortQt::InBufferCount()
{
    // Take whatever the driver holds without waiting.
    if (m_port.bytesAvailable() == 0)
        m_port.waitForReadyRead(0);
    return int(m_port.bytesAvailable());
}

void PortQt::WyczyscWejscie()
{
    m_port.readAll();
    m_port.clear(QSerialPort::Input);
}

int PortQt::Input()
{
    char c = 0;
    if (InBufferCount() == 0 || m_port.read(&c, 1) != 1)
        return -1;
    return quint8(c);
}

void PortQt::Output(const QByteArray& bajty)
{
    m_port.write(bajty);
    m_port.waitForBytesWritten(kCzasZapisuMs);
}

void PortQt::CzekajNaDane(int ms)
{
    if (m_port.bytesAvailable() == 0)
        m_port.waitForReadyRead(ms);
}
