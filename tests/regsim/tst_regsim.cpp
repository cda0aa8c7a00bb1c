#include "regsim/RegSim.h"
#include "regsim/RegSimThread.h"
#include "regsim/RegulatorSpec.h"

#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <memory>

using namespace regsim;

Q_DECLARE_METATYPE(regsim::RegulatorState)

namespace {

constexpr quint8 kAddress = 5;
constexpr quint8 kStatus = 0x01;
constexpr quint8 kMisbehaving = 6; // failure mode set per test
constexpr quint8 kNobody = 7;      // no regulator here
// A regulator no test changes; its status byte closes every exchange.
constexpr quint8 kSentinelAddress = 8;
constexpr quint8 kSentinelStatus = 0x41;

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (const int value : values)
        result.append(char(value));
    return result;
}

// A request; writes carry the value after the operation.
QByteArray frame(quint8 address, quint8 code, quint8 operation, int value = -1)
{
    return bytes({0x02, address, code, operation}) + (value < 0 ? QByteArray() : bytes({value}));
}

const QByteArray kSentinel = frame(kSentinelAddress, 0x2F, 0x05);

// The program's end of the simulated line, opened as the program opens its serial port.
struct SlaveClient
{
    bool open(const QString& path)
    {
        m_port.setPortName(path);
        return m_port.open(QIODevice::ReadWrite);
    }
    bool send(const QByteArray& data)
    {
        return m_port.write(data) == data.size() && m_port.waitForBytesWritten(3000);
    }
    // Waits until count bytes have arrived; fewer when the line stays quiet for 3 s.
    QByteArray receive(int count)
    {
        QByteArray received = m_port.read(count);
        while (received.size() < count && m_port.waitForReadyRead(3000))
            received += m_port.read(count - received.size());
        return received;
    }
    QSerialPort m_port;
};

RegulatorState regulatorAt(quint8 address, quint8 status = 0)
{
    RegulatorState state;
    state.address = address;
    state.status = status;
    return state;
}

} // namespace

class TestRegSim : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void replies_data();
    void replies();
    void every02IsFollowedByAFiller();
    void measurementBlockLayout();
    void dischargeTimerCountsDown_data();
    void dischargeTimerCountsDown();
    void failureModes_data();
    void failureModes();
    void frameLogKeepsEveryByte();
    void parsesRegulatorSpec_data();
    void parsesRegulatorSpec();
    void programLinksAndCleansUp();

  private:
    RegSim& sim() { return *m_thread->sim(); }
    QByteArray request(const QByteArray& frames, int replyBytes);

    std::unique_ptr<RegSimThread> m_thread;
    std::atomic<qint64> m_nowMs{0};
    SlaveClient m_client;
};

void TestRegSim::init()
{
    m_nowMs = 0;
    m_thread = std::make_unique<RegSimThread>();
    QVERIFY2(m_thread->startSim(), qPrintable(m_thread->errorString()));
    sim().setTimeSource([this] { return m_nowMs.load(); });
    sim().addRegulator(regulatorAt(kAddress, kStatus));
    sim().addRegulator(regulatorAt(kSentinelAddress, kSentinelStatus));
    sim().addRegulator(regulatorAt(kMisbehaving));
    QVERIFY(m_client.open(sim().slavePath()));
}

void TestRegSim::cleanup()
{
    m_client.m_port.close();
    m_thread.reset();
}

// Sends the frames followed by the sentinel's request and returns what came before the
// sentinel's answer. Waiting for that answer proves the reply is complete without waiting for
// silence; a reply longer or shorter than expected comes back with the sentinel still on it.
QByteArray TestRegSim::request(const QByteArray& frames, int replyBytes)
{
    if (!m_client.send(frames + kSentinel))
        return {};
    QByteArray reply = m_client.receive(replyBytes + 1);
    if (reply.size() == replyBytes + 1 && quint8(reply.back()) == kSentinelStatus)
        reply.chop(1);
    return reply;
}

void TestRegSim::replies_data()
{
    QTest::addColumn<QByteArray>("frames");
    QTest::addColumn<int>("expected");

    QTest::newRow("stage byte 1") << frame(kAddress, 0x90, 0x04) << 0xFB;
    QTest::newRow("stage byte 2") << frame(kAddress, 0xA0, 0x04) << 0x7F;
    QTest::newRow("test byte") << frame(kAddress, 0xB0, 0x04) << 0xBF;
    QTest::newRow("status byte") << frame(kAddress, 0x2F, 0x05) << int(kStatus);
    QTest::newRow("discharge stage 9") << frame(kAddress, 0x78, 0x05) << 3;
    // Writes go the way the link sends a change: both frames at once, one reply at the end.
    const QByteArray status = frame(kAddress, 0x2F, 0x05);
    QTest::newRow("lock") << frame(kAddress, 0x2F, 0x03, 0x61) + status << 0x61;
    for (const quint8 stage : {0x90, 0xA0})
        QTest::addRow("write stage byte %x", stage)
            << frame(kAddress, stage, 0x01, 0x0F) + frame(kAddress, stage, 0x04) << 0x0F;
    QTest::newRow("other regulator untouched")
        << frame(kMisbehaving, 0x2F, 0x03, 0x20) + status << int(kStatus);
}

void TestRegSim::replies()
{
    QFETCH(QByteArray, frames);
    QFETCH(int, expected);
    sim().updateRegulator(kAddress, [](RegulatorState& s) {
        s.stage1 = 0xFB;
        s.stage2 = 0x7F;
        s.test = 0xBF;
        s.dischargeLeftMs[8] = 2'001;
    });
    QCOMPARE(request(frames, 1), bytes({expected}));
}

void TestRegSim::every02IsFollowedByAFiller()
{
    QByteArray block(32, '\x11');
    block[0] = 0x02;
    block[31] = 0x02;
    sim().updateRegulator(kAddress, [&](RegulatorState& s) {
        s.dataAck = 0x02;
        s.blockOverride = block;
        s.stage1 = 0x02;
    });
    QCOMPARE(request(frame(kAddress, 0x90, 0x04), 2), bytes({0x02, 0x00}));
    const QByteArray expected =
        bytes({0x02, 0x00, 0x02, 0x00}) + QByteArray(30, '\x11') + bytes({0x02, 0x00});
    QCOMPARE(request(frame(kAddress, 0x4F, 0x06), 36), expected);
}

void TestRegSim::measurementBlockLayout()
{
    sim().updateRegulator(kAddress, [](RegulatorState& s) {
        s.measurements = {-2, 0x1234, 0x0456, -300, 2303, 0xA5, {1, 2, 3, 15}};
        s.uptimeMs = 0x123456 * 1000LL + 999;
    });
    // The acknowledgement, then uptime in whole seconds and the measurements, big-endian.
    const QByteArray reply = request(frame(kAddress, 0x6A, 0x03, 0x09) + frame(kAddress, 0x4F, 0x06), 33);
    QCOMPARE(reply.left(1), bytes({0x06}));
    QCOMPARE(reply.mid(13), bytes({0x12, 0x34, 0x56, 0xFF, 0xFE, 0x12, 0x34, 0x04, 0x56, 0xFE,
                                   0xD4, 0x08, 0xFF, 0xA5, 0x09, 0x10, 0x20, 0x30, 0xF0, 0x00}));
}

void TestRegSim::dischargeTimerCountsDown_data()
{
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<int>("secondsLeft");

    QTest::newRow("35 s later") << 35'000LL << 25;
    QTest::newRow("last second") << 59'001LL << 1;
    QTest::newRow("expired") << 60'000LL << 0;
}

void TestRegSim::dischargeTimerCountsDown()
{
    constexpr quint8 code = 0x73;
    QFETCH(qint64, elapsedMs);
    QFETCH(int, secondsLeft);
    QCOMPARE(request(frame(kAddress, code, 0x03, 0x3C) + frame(kAddress, code, 0x05), 1), bytes({60}));
    m_nowMs += elapsedMs;
    QCOMPARE(request(frame(kAddress, code, 0x05), 1), bytes({secondsLeft}));
    QCOMPARE(request(frame(kAddress, code - 1, 0x05), 1), bytes({0}));
}

void TestRegSim::failureModes_data()
{
    QTest::addColumn<int>("failure");
    QTest::addColumn<int>("stopAfter");
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("replyBytes");

    const QByteArray data = frame(kMisbehaving, 0x4F, 0x06);
    QTest::newRow("nobody at the address") << int(Failure::None) << 0 << frame(kNobody, 0x2F, 0x05) << 0;
    QTest::newRow("silent") << int(Failure::Silent) << 0 << data << 0;
    QTest::newRow("stops inside the block") << int(Failure::StopAfter) << 20 << data << 20;
    QTest::newRow("stop beyond the reply")
        << int(Failure::StopAfter) << 5 << frame(kMisbehaving, 0x2F, 0x05) << 1;
    QTest::newRow("garbage") << int(Failure::Garbage) << 0 << data << 33;
}

void TestRegSim::failureModes()
{
    QFETCH(int, failure);
    QFETCH(int, stopAfter);
    QFETCH(QByteArray, frame);
    QFETCH(int, replyBytes);
    sim().updateRegulator(kMisbehaving, [&](RegulatorState& s) {
        s.status = 0xBE;
        s.failure = Failure(failure);
        s.stopAfter = stopAfter;
    });
    const QByteArray reply = request(frame, replyBytes);
    QCOMPARE(reply.size(), replyBytes);

    sim().updateRegulator(kMisbehaving, [](RegulatorState& s) { s.failure = Failure::None; });
    const QByteArray proper = m_client.send(frame) ? m_client.receive(replyBytes) : QByteArray();
    if (Failure(failure) == Failure::Garbage)
        QVERIFY(reply != proper);
    else
        QCOMPARE(reply, proper);
}

void TestRegSim::frameLogKeepsEveryByte()
{
    const QByteArray split = frame(kAddress, 0x90, 0x01, 0xFE);
    QVERIFY(m_client.send(bytes({0xAA}) + frame(kNobody, 0x4F, 0x06)));
    for (const char byte : split)
        QVERIFY(m_client.send(QByteArray(1, byte)));
    QCOMPARE(request(frame(kAddress, 0x90, 0x04), 1), bytes({0xFE}));
    QCOMPARE(sim().receivedFrames(), (QList<QByteArray>{bytes({0xAA}), frame(kNobody, 0x4F, 0x06), split,
                                                        frame(kAddress, 0x90, 0x04), kSentinel}));
}

void TestRegSim::parsesRegulatorSpec_data()
{
    QTest::addColumn<QString>("spec");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<RegulatorState>("expected");

    const auto with = [](quint8 address, auto change) {
        RegulatorState s = regulatorAt(address);
        change(s);
        return s;
    };
    QTest::newRow("address only") << QStringLiteral("5") << true << regulatorAt(5);
    QTest::newRow("hex address, locked, stages")
        << QStringLiteral("0x10, locked, stage1=0xFC, stage2=127") << true
        << with(16, [](RegulatorState& s) { s.status = 0x20, s.stage1 = 0xFC, s.stage2 = 0x7F; });
    QTest::newRow("reactive current from tg")
        << QStringLiteral("3,tg=0.75,current=200") << true << with(3, [](RegulatorState& s) {
               s.energy.tgPhi = 0.75, s.measurements.totalCurrent = 200, s.measurements.reactiveCurrent = 120;
           });
    // Address too big, value missing, flag with value, byte too big, unknown key.
    for (const char* spec : {"256", "5,load", "5,locked=1", "5,stage1=0x100", "5,colour=red"})
        QTest::newRow(spec) << QString::fromLatin1(spec) << false << RegulatorState();
}

void TestRegSim::parsesRegulatorSpec()
{
    QFETCH(QString, spec);
    QFETCH(bool, valid);
    QFETCH(RegulatorState, expected);
    QString error;
    const auto parsed = parseRegulatorSpec(spec, &error);
    QCOMPARE(parsed.has_value(), valid);
    QCOMPARE(error.isEmpty(), valid);
    QVERIFY(!valid || *parsed == expected);
}

void TestRegSim::programLinksAndCleansUp()
{
    const QTemporaryDir dir;
    const QString link = dir.filePath("ttyREG");
    QProcess program;
    program.start(QStringLiteral(KALBOR_REGSIM_PROGRAM), {"--link", link, "-r", "9,status=0x24"});
    QVERIFY(program.waitForReadyRead());
    const QString path = QString::fromLocal8Bit(program.readLine()).trimmed();
    QCOMPARE(QFileInfo(link).symLinkTarget(), path);

    SlaveClient client;
    QVERIFY(client.open(link));
    QVERIFY(client.send(frame(9, 0x2F, 0x05)));
    QCOMPARE(client.receive(1), bytes({0x24}));

    program.terminate();
    QVERIFY(program.waitForFinished());
    QVERIFY(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0);
    QVERIFY(!QFileInfo(link).isSymLink());
}

QTEST_GUILESS_MAIN(TestRegSim)
#include "tst_regsim.moc"
