#include "macro/keynamemap.h"
#include "macro/macroencoder.h"
#include "tests/macro/macrostreamcheck.h"

#include <QRandomGenerator>
#include <QTest>

using Bytes = QList<uchar>;

namespace {

const auto down = [](const QString& key) { return key + MacroEncoder::kDownTag; };
const auto up = [](const QString& key) { return key + MacroEncoder::kUpTag; };
const auto delay = [](qint64 ms) { return QString::number(ms) + MacroEncoder::kDelayTag; };

QString randomLine(QRandomGenerator& rng, const QStringList& names)
{
    switch (rng.bounded(8)) {
    case 0:
        return down(names.at(rng.bounded(int(names.size()))));
    case 1:
        return up(names.at(rng.bounded(int(names.size()))));
    case 2:
        return down(QStringLiteral("q")); // unknown name
    case 3:
        return delay(rng.bounded(2000));
    case 4:
        return delay(rng.bounded(7000) - 100);
    case 5:
        return delay(qint64(rng.generate()) - 0x7fffffff);
    case 6:
        return QStringLiteral("x").repeated(rng.bounded(14));
    default:
        return QString::number(rng.bounded(100)) + QStringLiteral("   [Wait]");
    }
}

} // namespace

class tst_MacroEncoder : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initKeyNameMap(); }
    void encode_data();
    void encode();
    void randomScriptsGiveReadableStreams();
};

void tst_MacroEncoder::encode_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<Bytes>("expected");
    QTest::newRow("no lines") << QStringList() << Bytes({ 0, 1, 0, 0 });
    QTest::newRow("press and release")
        << QStringList { down("A"), up("A") } << Bytes({ 0, 1, 0x01, 0x04, 0x81, 0x04, 0, 0 });
    QTest::newRow("pause merged into press")
        << QStringList { down("A"), delay(100), up("A") } << Bytes({ 0, 1, 0x0A, 0x04, 0x81, 0x04, 0, 0 });
    QTest::newRow("pause merged into release keeps release bit")
        << QStringList { up("A"), delay(100) } << Bytes({ 0, 1, 0x8A, 0x04, 0, 0 });
    QTest::newRow("delay first is a long record")
        << QStringList { delay(100) } << Bytes({ 0, 1, 0, 1, 0, 5, 0, 0 });
    QTest::newRow("5 ms raised to one unit")
        << QStringList { down("A"), delay(5) } << Bytes({ 0, 1, 0x01, 0x04, 0, 0 });
    QTest::newRow("15 ms rounds half up")
        << QStringList { down("A"), delay(15) } << Bytes({ 0, 1, 0x02, 0x04, 0, 0 });
    QTest::newRow("1270 ms still merges")
        << QStringList { down("A"), delay(1270) } << Bytes({ 0, 1, 0x7F, 0x04, 0, 0 });
    QTest::newRow("1271 ms is a short record")
        << QStringList { down("A"), delay(1271) } << Bytes({ 0, 1, 0x01, 0x04, 0x40, 0x01, 0, 0 });
    QTest::newRow("5100 ms short record")
        << QStringList { down("A"), delay(5100) } << Bytes({ 0, 1, 0x01, 0x04, 0xFF, 0x01, 0, 0 });
    QTest::newRow("5101 ms long record")
        << QStringList { down("A"), delay(5101) } << Bytes({ 0, 1, 0x01, 0x04, 0, 1, 0, 0xFF, 0, 0 });
    QTest::newRow("second delay in a row is a record") << QStringList { down("A"), delay(100), delay(200) }
                                                       << Bytes({ 0, 1, 0x0A, 0x04, 0, 1, 0, 0x0A, 0, 0 });
    QTest::newRow("mouse button") << QStringList { down("MS-L"), up("MS-L") }
                                  << Bytes({ 0, 1, 0x01, 0xF0, 0x81, 0xF0, 0, 0 });
    QTest::newRow("lower-case name dropped") << QStringList { down("q") } << Bytes({ 0, 1, 0, 0 });
    QTest::newRow("keypad 7 with its blank")
        << QStringList { down("KP 7 ") } << Bytes({ 0, 1, 0x01, 0x5F, 0, 0 });
    QTest::newRow("zero delay dropped")
        << QStringList { down("A"), delay(0) } << Bytes({ 0, 1, 0x01, 0x04, 0, 0 });
    QTest::newRow("delay that is not a number dropped")
        << QStringList { down("A"), "abc" + MacroEncoder::kDelayTag } << Bytes({ 0, 1, 0x01, 0x04, 0, 0 });
    QTest::newRow("dropped delay still blocks the merge") << QStringList { down("A"),
        "abc" + MacroEncoder::kDelayTag, delay(100) } << Bytes({ 0, 1, 0x01, 0x04, 0, 1, 0, 5, 0, 0 });
    QTest::newRow("unknown tag dropped") << QStringList { "A    [Hold]" } << Bytes({ 0, 1, 0, 0 });
    QTest::newRow("line shorter than a tag") << QStringList { "[Down]" } << Bytes({ 0, 1, 0, 0 });
    QTest::newRow("merge after an unknown line into the key record")
        << QStringList { down("A"), "junk", delay(100) } << Bytes({ 0, 1, 0x0A, 0x04, 0, 0 });
    QTest::newRow("merge after a dropped key into the key record")
        << QStringList { down("A"), down("q"), delay(100) } << Bytes({ 0, 1, 0x0A, 0x04, 0, 0 });
    // The merge only rewrites a key record: the header and a short delay's count stay intact.
    QTest::newRow("dropped first key does not merge into the header")
        << QStringList { down("q"), delay(100) } << Bytes({ 0, 1, 0, 1, 0, 5, 0, 0 });
    QTest::newRow("dropped key does not merge into a short delay") << QStringList { down("A"), delay(2000),
        down("q"), delay(100) } << Bytes({ 0, 1, 0x01, 0x04, 0x64, 0x01, 0, 1, 0, 5, 0, 0 });
    QTest::newRow("unknown line does not merge into a long delay")
        << QStringList { delay(100), "junk", delay(300) } << Bytes({ 0, 1, 0, 1, 0, 5, 0, 1, 0, 15, 0, 0 });
    QTest::newRow("long delay keeps the low 16 bits of its count")
        << QStringList { delay(2000000) } << Bytes({ 0, 1, 0, 1, 0x86, 0xA0, 0, 0 });
    QTest::newRow("largest delay does not overflow")
        << QStringList { delay(2147483647) } << Bytes({ 0, 1, 0, 1, 0x66, 0x66, 0, 0 });
    QTest::newRow("negative delay after a key is one unit")
        << QStringList { down("A"), delay(-50) } << Bytes({ 0, 1, 0x01, 0x04, 0, 0 });
    QTest::newRow("negative delay on its own is one unit")
        << QStringList { delay(-50) } << Bytes({ 0, 1, 0, 1, 0, 1, 0, 0 });
}

void tst_MacroEncoder::encode()
{
    QFETCH(QStringList, lines);
    QFETCH(Bytes, expected);
    QCOMPARE(MacroEncoder::encode(lines), expected);
}

void tst_MacroEncoder::randomScriptsGiveReadableStreams()
{
    QRandomGenerator rng(20261206);
    const QStringList names = keyNameMap().keys();
    for (int round = 0; round < 3000; ++round) {
        QStringList lines;
        int usableKeys = 0;
        const int count = rng.bounded(80);
        for (int i = 0; i < count; ++i) {
            lines << randomLine(rng, names);
            const MacroEncoder::Action action = MacroEncoder::split(lines.last());
            const bool keyTag = action.tag == MacroEncoder::kDownTag || action.tag == MacroEncoder::kUpTag;
            if (keyTag && keyCodeForName(action.value) != 0)
                ++usableKeys;
        }
        const Bytes stream = MacroEncoder::encode(lines);
        int keyRecords = 0;
        const QString fault = malformedRecord(stream, &keyRecords);
        QVERIFY2(fault.isEmpty(), qPrintable(fault + " in " + lines.join('|')));
        QCOMPARE(keyRecords, usableKeys);
    }
}

QTEST_GUILESS_MAIN(tst_MacroEncoder)
#include "tst_macroencoder.moc"
