#include "device/devinfo.h"
#include "testsupport.h"

#include <QFile>
#include <QTest>

class tst_DevInfo : public QObject {
    Q_OBJECT
private slots:
    void shippedCatalogueIsExact();
    void shippedEntries();
    void damagedValues_data();
    void damagedValues();
    void entryCount_data();
    void entryCount();
    void productNames();

private:
    QList<DevInfo> load(const QByteArray& ini);
    testsupport::WorkDir dir;
};

QList<DevInfo> tst_DevInfo::load(const QByteArray& ini)
{
    // A new name each time: the settings cache might not notice a rewrite within a millisecond.
    static int serial = 0;
    const QString name = QStringLiteral("cat%1.ini").arg(++serial);
    if (!dir.write(name, ini))
        qFatal("cannot write the catalogue");
    return loadCatalogue(dir.filePath(name), {});
}

void tst_DevInfo::shippedCatalogueIsExact()
{
    QFile file(QStringLiteral(":/DevInfo.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray expected
        = "[common]\r\ntotal = 2\r\n\r\n"
          "[0]\r\nvid = 04d9\r\npid = 8008\r\nusagePage = ff01\r\nusage = 0001\r\n"
          "usagePage2 = ff02\r\nusage2 = 0001\r\nreportLength = 64\r\nsCode = \"\"\r\n\r\n"
          "[1]\r\nvid = 04d9\r\npid = A269\r\nusagePage = ff00\r\nusage = ff00\r\n"
          "usagePage2 = ff01\r\nusage2 = 0001\r\nreportLength = 64\r\nsCode = \"\"\r\n";
    QCOMPARE(file.readAll(), expected);
}

void tst_DevInfo::shippedEntries()
{
    const QList<DevInfo> entries = loadCatalogue(QStringLiteral(":/DevInfo.ini"), { "A", "Z4" });
    QCOMPARE(entries.size(), 2);
    const DevInfo& m = entries.at(1);
    QCOMPARE((QList<uint> { m.vid, m.pid, m.usagePage, m.usage, m.usagePage2, m.usage2, m.reportLength }),
        (QList<uint> { 0x04D9, 0xA269, 0xFF00, 0xFF00, 0xFF01, 0x0001, 64 }));
    QCOMPARE(m.sCode, QString());
    QCOMPARE(m.productName, QStringLiteral("Z4"));
    QCOMPARE(entries.at(0).pid, quint16(0x8008));
    QCOMPARE(entries.at(0).usagePage2, quint16(0xFF02));
}

void tst_DevInfo::damagedValues_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("pid");
    QTest::addColumn<int>("usagePage");
    QTest::addColumn<uint>("reportLength");
    QTest::addColumn<QString>("sCode");
    QTest::newRow("missing keys") << QByteArray() << 0 << 0 << 0u << QString();
    QTest::newRow("upper and lower case hex")
        << QByteArray("pid=a269\nusagePage=FF00\n") << 0xA269 << 0xFF00 << 0u << QString();
    QTest::newRow("not hexadecimal") << QByteArray("pid=zz\nusagePage=12g\n") << 0 << 0 << 0u << QString();
    QTest::newRow("too large for 16 bits") << QByteArray("pid=1A269\n") << 0 << 0 << 0u << QString();
    QTest::newRow("report length text") << QByteArray("reportLength=lots\n") << 0 << 0 << 0u << QString();
    QTest::newRow("report length huge")
        << QByteArray("reportLength=4000000000\n") << 0 << 0 << 4000000000u << QString();
    QTest::newRow("six-character code") << QByteArray("sCode=\"Ab3dE9\"\n") << 0 << 0 << 0u << "Ab3dE9";
    QTest::newRow("blocking code") << QByteArray("sCode=q-beacon\n") << 0 << 0 << 0u << "q-beacon";
    QTest::newRow("list-looking code") << QByteArray("sCode=a,b\n") << 0 << 0 << 0u << QString();
}

void tst_DevInfo::damagedValues()
{
    QFETCH(QByteArray, lines);
    QFETCH(int, pid);
    QFETCH(int, usagePage);
    QFETCH(uint, reportLength);
    QFETCH(QString, sCode);
    const QList<DevInfo> entries = load("[common]\ntotal=2\n[1]\n" + lines);
    QCOMPARE(entries.size(), 2);
    QCOMPARE(int(entries.at(1).pid), pid);
    QCOMPARE(int(entries.at(1).usagePage), usagePage);
    QCOMPARE(entries.at(1).reportLength, reportLength);
    QCOMPARE(entries.at(1).sCode, sCode);
}

void tst_DevInfo::entryCount_data()
{
    QTest::addColumn<QByteArray>("total");
    QTest::addColumn<int>("entries");
    QTest::newRow("absent") << QByteArray() << 0;
    QTest::newRow("one") << QByteArray("total=1") << 1;
    QTest::newRow("negative") << QByteArray("total=-5") << 0;
    QTest::newRow("text") << QByteArray("total=two") << 0;
    QTest::newRow("huge") << QByteArray("total=2000000000") << kMaxCatalogueEntries;
}

void tst_DevInfo::entryCount()
{
    QFETCH(QByteArray, total);
    QFETCH(int, entries);
    QCOMPARE(load("[common]\n" + total + "\n[0]\nvid=04d9\n").size(), entries);
}

void tst_DevInfo::productNames()
{
    const QList<DevInfo> entries = loadCatalogue(QStringLiteral(":/DevInfo.ini"), { "only one" });
    QCOMPARE(entries.at(0).productName, QStringLiteral("only one"));
    QCOMPARE(entries.at(1).productName, QString());
    QCOMPARE(loadCatalogue(dir.filePath("missing.ini"), {}).size(), 0);
}

QTEST_GUILESS_MAIN(tst_DevInfo)
#include "tst_devinfo.moc"
