#include "macro/keynamemap.h"
#include "macro/macroencoder.h"

#include <QTest>

using Bytes = QList<uchar>;

namespace {

const auto down = [](const QString& key) { return key + MacroEncoder::kDownTag; };
const auto up = [](const QString& key) { return key + MacroEncoder::kUpTag; };
const auto delay = [](qint64 ms) { return QString::number(ms) + MacroEncoder::kDelayTag; };

} // namespace

class tst_MacroEncoder : public QObject {
    Q_OBJECT

private slots:
    void encode_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<Bytes>("expected");
        QTest::newRow("press and release")
            << QStringList { down("A"), up("A") } << Bytes({ 0, 1, 0x01, 0x04, 0x81, 0x04, 0, 0 });
        QTest::newRow("pause merged into press") << QStringList { down("A"), delay(100), up("A") }
                                                 << Bytes({ 0, 1, 0x0A, 0x04, 0x81, 0x04, 0, 0 });
        QTest::newRow("delay first is a long record")
            << QStringList { delay(100) } << Bytes({ 0, 1, 0, 1, 0, 5, 0, 0 });
        QTest::newRow("5 ms raised to one unit")
            << QStringList { down("A"), delay(5) } << Bytes({ 0, 1, 0x01, 0x04, 0, 0 });
        QTest::newRow("1270 ms still merges")
            << QStringList { down("A"), delay(1270) } << Bytes({ 0, 1, 0x7F, 0x04, 0, 0 });
        QTest::newRow("1271 ms is a short record")
            << QStringList { down("A"), delay(1271) } << Bytes({ 0, 1, 0x01, 0x04, 0x40, 0x01, 0, 0 });
        QTest::newRow("release keeps its bit under a merged pause") << QStringList { down("A"), up("A"),
            delay(300) } << Bytes({ 0, 1, 0x01, 0x04, 0x9E, 0x04, 0, 0 });
        QTest::newRow("15 ms rounds up to two units")
            << QStringList { down("A"), delay(15) } << Bytes({ 0, 1, 0x02, 0x04, 0, 0 });
        QTest::newRow("5100 ms is the longest short record")
            << QStringList { down("A"), delay(5100) } << Bytes({ 0, 1, 0x01, 0x04, 0xFF, 0x01, 0, 0 });
        QTest::newRow("5101 ms long record")
            << QStringList { down("A"), delay(5101) } << Bytes({ 0, 1, 0x01, 0x04, 0, 1, 0, 0xFF, 0, 0 });
        QTest::newRow("lower-case name dropped") << QStringList { down("q") } << Bytes({ 0, 1, 0, 0 });
        QTest::newRow("delay that is not a number dropped") << QStringList { down("A"),
            "abc" + MacroEncoder::kDelayTag } << Bytes({ 0, 1, 0x01, 0x04, 0, 0 });
        QTest::newRow("dropped delay still blocks the merge") << QStringList { down("A"),
            "abc" + MacroEncoder::kDelayTag, delay(100) } << Bytes({ 0, 1, 0x01, 0x04, 0, 1, 0, 5, 0, 0 });
        // The merge only rewrites a key record: the header and a short delay's count stay intact.
        QTest::newRow("dropped first key does not merge into the header")
            << QStringList { down("q"), delay(100) } << Bytes({ 0, 1, 0, 1, 0, 5, 0, 0 });
        QTest::newRow("dropped key does not merge into a short delay") << QStringList { down("A"),
            delay(2000), down("q"), delay(100) } << Bytes({ 0, 1, 0x01, 0x04, 0x64, 0x01, 0, 1, 0, 5, 0, 0 });
        // 65535 units of 20 ms is the longest pause the mouse plays; a longer one is cut to it,
        // never wrapped to a short one.
        QTest::newRow("longest delay")
            << QStringList { delay(1310700) } << Bytes({ 0, 1, 0, 1, 0xFF, 0xFF, 0, 0 });
        QTest::newRow("one unit longer clamped")
            << QStringList { delay(1310720) } << Bytes({ 0, 1, 0, 1, 0xFF, 0xFF, 0, 0 });
        QTest::newRow("largest int clamped")
            << QStringList { delay(2147483647) } << Bytes({ 0, 1, 0, 1, 0xFF, 0xFF, 0, 0 });
    }
    void encode()
    {
        QFETCH(QStringList, lines);
        QTEST(MacroEncoder::encode(lines), "expected");
    }
};

QTEST_GUILESS_MAIN(tst_MacroEncoder)
#include "tst_macroencoder.moc"
