#include "PortQt.h"

#include <QFileInfo>

namespace {
constexpr int kCzasZapisuMs = 2000;

// Failures that mean the device is no longer usable as it was opened.
bool awaria(QSerialPort::SerialPortError blad)
{
    return blad == QSerialPort::ResourceError || blad == QSerialPort::ReadError ||
           blad == QSerialPort::WriteError;
}
} // namespace

PortQt::PortQt()
{
    // A failure seen while the program waits for events closes the device once that event has
    // been handled, outside the port's own code.
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError blad) {
                         if (awaria(blad))
                             QMetaObject::invokeMethod(
                                 &m_port, [this] { zamknijPoAwarii(); }, Qt::QueuedConnection);
                     });
}

QString PortQt::Otworz(const QString& nazwa)
{
    Zamknij();
    if (nazwa.isEmpty())
        return QStringLiteral("Nie wskazano portu szeregowego.");
    // A device reached under another name (/dev/serial/by-id/... beside /dev/ttyUSB0) is opened
    // by its own, so that the port's lock keeps a second program off it.
    const QString urzadzenie = QFileInfo(nazwa).canonicalFilePath();
    m_port.setPortName(urzadzenie.isEmpty() ? nazwa : urzadzenie);
    if (!m_port.open(QIODevice::ReadWrite))
        return powodBledu(nazwa);
    const bool ustawiony = m_port.setBaudRate(kPredkosc) && m_port.setDataBits(QSerialPort::Data8) &&
                           m_port.setStopBits(QSerialPort::OneStop) &&
                           m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!ustawiony) {
        const QString blad = powodBledu(nazwa);
        Zamknij();
        return blad;
    }
    if (!m_port.setParity(QSerialPort::EvenParity))
        m_port.setParity(QSerialPort::NoParity);
    m_port.clearError();
    return {};
}

// Qt words a port taken by another program (its lock file, or the device in exclusive use) in
// English; the system's own descriptions come in the operator's language.
QString PortQt::powodBledu(const QString& nazwa) const
{
    if (m_port.error() == QSerialPort::PermissionError)
        return QStringLiteral("port %1 jest zajęty przez inny program albo brak uprawnień do niego")
            .arg(nazwa);
    return m_port.errorString();
}

void PortQt::Zamknij()
{
    if (m_port.isOpen())
        m_port.close();
}

// Closing drops the frame still waiting to be written, so nothing retries it.
void PortQt::zamknijPoAwarii()
{
    if (m_port.isOpen() && awaria(m_port.error()))
        m_port.close();
}

int PortQt::InBufferCount()
{
    if (!m_port.isOpen())
        return 0;
    // Take whatever the driver holds without waiting.
    if (m_port.bytesAvailable() == 0 && !m_port.waitForReadyRead(0))
        zamknijPoAwarii();
    return m_port.isOpen() ? int(m_port.bytesAvailable()) : 0;
}

void PortQt::WyczyscWejscie()
{
    if (!m_port.isOpen())
        return;
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
    if (!m_port.isOpen())
        return;
    if (m_port.write(bajty) < 0 || !m_port.waitForBytesWritten(kCzasZapisuMs))
        zamknijPoAwarii();
}

void PortQt::CzekajNaDane(int ms)
{
    if (m_port.isOpen() && m_port.bytesAvailable() == 0 && !m_port.waitForReadyRead(ms))
        zamknijPoAwarii();
}
