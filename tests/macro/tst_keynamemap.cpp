#include "macro/keynamemap.h"

#include <QTest>

class tst_KeyNameMap : public QObject {
    Q_OBJECT
private slots:
    // No explicit fill first: an encoder may run before the bridge that fills the table exists.
    void lookup_data();
    void lookup();
    void holdsEveryNameOnce();
};

void tst_KeyNameMap::lookup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("code");
    QTest::newRow("last letter") << "Z" << 0x1D;
    QTest::newRow("lower case is unknown") << "a" << 0;
    QTest::newRow("zero after nine") << "0" << 0x27;
    QTest::newRow("backslash") << "\\ |" << 0x31;
    QTest::newRow("semicolon after the gap") << "; :" << 0x33;
    QTest::newRow("apostrophe") << "' \"" << 0x34;
    QTest::newRow("grave") << "` ~" << 0x35;
    QTest::newRow("F12") << "F12" << 0x45;
    QTest::newRow("right arrow") << QString(QChar(0x25BA)) << 0x4F;
    QTest::newRow("up arrow") << QString(QChar(0x25B2)) << 0x52;
    QTest::newRow("KP 7 with blank") << "KP 7 " << 0x5F;
    QTest::newRow("KP 7 without blank") << "KP 7" << 0;
    QTest::newRow("KP 8 with blank") << "KP 8 " << 0;
    QTest::newRow("KP .") << "KP ." << 0x63;
    QTest::newRow("F13") << "F13" << 0x68;
    QTest::newRow("F24") << "F24" << 0x73;
    QTest::newRow("Keypad") << "Keypad" << 0x85;
    QTest::newRow("Intl'2") << "Intl'2" << 0x88;
    QTest::newRow("Int'l 2") << "Int'l 2" << 0x89;
    QTest::newRow("Int'l 3 does not exist") << "Int'l 3" << 0;
    QTest::newRow("Int'l 5") << "Int'l 5" << 0x8B;
    QTest::newRow("Lang 2") << "Lang 2" << 0x91;
    QTest::newRow("R Win") << "R Win" << 0xE7;
    QTest::newRow("MS-B5") << "MS-B5" << 0xF4;
    QTest::newRow("no sixth button") << "MS-B6" << 0;
    QTest::newRow("empty") << "" << 0;
}

void tst_KeyNameMap::lookup()
{
    QFETCH(QString, name);
    QFETCH(int, code);
    QCOMPARE(int(keyCodeForName(name)), code);
}

void tst_KeyNameMap::holdsEveryNameOnce()
{
    QCOMPARE(keyNameMap().size(), 132);
    initKeyNameMap();
    QCOMPARE(keyNameMap().size(), 132);
    QList<uchar> codes = keyNameMap().values();
    std::sort(codes.begin(), codes.end());
    QVERIFY2(std::adjacent_find(codes.begin(), codes.end()) == codes.end(), "two names share a code");
    QVERIFY(!codes.contains(uchar(0x32)));
    QVERIFY(!codes.contains(uchar(0)));
}

QTEST_GUILESS_MAIN(tst_KeyNameMap)
#include "tst_keynamemap.moc"
