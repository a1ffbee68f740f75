#include "device/devinfo.h"
#include "testsupport.h"

#include <QTest>

class tst_DevInfo : public QObject {
    Q_OBJECT
private slots:
    void shippedCatalogue();
    void damagedValues_data();
    void damagedValues();

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

// Missing or malformed values become 0 or empty; a damaged count cannot make loading run away.
void tst_DevInfo::damagedValues_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("pid");
    QTest::addColumn<QString>("sCode");
    QTest::newRow("missing keys") << QByteArray("total=2\n[1]\n") << 2 << 0 << QString();
    QTest::newRow("lower-case hex") << QByteArray("total=2\n[1]\npid=a269\n") << 2 << 0xA269 << QString();
    QTest::newRow("too large for 16 bits") << QByteArray("total=2\n[1]\npid=1A269\n") << 2 << 0 << QString();
    QTest::newRow("quoted code") << QByteArray("total=2\n[1]\nsCode=\"Ab3dE9\"\n") << 2 << 0 << "Ab3dE9";
    QTest::newRow("list-looking code") << QByteArray("total=2\n[1]\nsCode=a,b\n") << 2 << 0 << QString();
    QTest::newRow("negative count") << QByteArray("total=-5\n") << 0 << 0 << QString();
    QTest::newRow("huge count") << QByteArray("total=2000000000\n") << kMaxCatalogueEntries << 0 << QString();
}

void tst_DevInfo::damagedValues()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, entries);
    const QList<DevInfo> loaded = load("[common]\n" + ini);
    QCOMPARE(loaded.size(), entries);
    if (entries > 1) {
        QTEST(int(loaded.at(1).pid), "pid");
        QTEST(loaded.at(1).sCode, "sCode");
    }
}

QTEST_GUILESS_MAIN(tst_DevInfo)
#include "tst_devinfo.moc"
