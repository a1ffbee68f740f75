#include "device/devinfo.h"
#include "testsupport.h"

#include <QTest>

class tst_DevInfo : public QObject {
    Q_OBJECT
private slots:
    void shippedCatalogue();
    void damagedValues_data();
    void damagedValues();
    void entryCount_data();
    void entryCount();

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

// The compiled-in catalogue parses to the mouse detection looks for; a missing product name
// leaves the entry nameless.
void tst_DevInfo::shippedCatalogue()
{
    const QList<DevInfo> entries = loadCatalogue(QStringLiteral(":/DevInfo.ini"), { "first" });
    QCOMPARE(entries.size(), 2);
    const DevInfo& m = entries.at(1);
    QCOMPARE((QList<uint> { m.vid, m.pid, m.usagePage, m.usage, m.usagePage2, m.usage2, m.reportLength }),
        (QList<uint> { 0x04D9, 0xA269, 0xFF00, 0xFF00, 0xFF01, 0x0001, 64 }));
    QCOMPARE(m.sCode, QString());
    QCOMPARE(entries.at(0).productName, QStringLiteral("first"));
    QCOMPARE(m.productName, QString());
}

void tst_DevInfo::damagedValues_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("pid");
    QTest::addColumn<uint>("reportLength");
    QTest::addColumn<QString>("sCode");
    QTest::newRow("missing keys") << QByteArray() << 0 << 0u << QString();
    QTest::newRow("lower-case hex") << QByteArray("pid=a269\n") << 0xA269 << 0u << QString();
    QTest::newRow("not hexadecimal") << QByteArray("pid=zz\n") << 0 << 0u << QString();
    QTest::newRow("too large for 16 bits") << QByteArray("pid=1A269\n") << 0 << 0u << QString();
    QTest::newRow("report length text") << QByteArray("reportLength=lots\n") << 0 << 0u << QString();
    QTest::newRow("quoted code") << QByteArray("sCode=\"Ab3dE9\"\n") << 0 << 0u << "Ab3dE9";
    QTest::newRow("list-looking code") << QByteArray("sCode=a,b\n") << 0 << 0u << QString();
}

void tst_DevInfo::damagedValues()
{
    QFETCH(QByteArray, lines);
    QFETCH(int, pid);
    QFETCH(uint, reportLength);
    QFETCH(QString, sCode);
    const QList<DevInfo> entries = load("[common]\ntotal=2\n[1]\n" + lines);
    QCOMPARE(entries.size(), 2);
    QCOMPARE(int(entries.at(1).pid), pid);
    QCOMPARE(entries.at(1).reportLength, reportLength);
    QCOMPARE(entries.at(1).sCode, sCode);
}

void tst_DevInfo::entryCount_data()
{
    QTest::addColumn<QByteArray>("total");
    QTest::addColumn<int>("entries");
    QTest::newRow("absent") << QByteArray() << 0;
    QTest::newRow("negative") << QByteArray("total=-5") << 0;
    QTest::newRow("huge") << QByteArray("total=2000000000") << kMaxCatalogueEntries;
}

void tst_DevInfo::entryCount()
{
    QFETCH(QByteArray, total);
    QFETCH(int, entries);
    QCOMPARE(load("[common]\n" + total + "\n[0]\nvid=04d9\n").size(), entries);
}

QTEST_GUILESS_MAIN(tst_DevInfo)
#include "tst_devinfo.moc"
