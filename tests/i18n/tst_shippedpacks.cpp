#include "i18n/languagepacks.h"

#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

namespace {

// The scene's 114 built-in texts, the key page's 115 to 118, the status's 119 to 129, key box,
// delay and busy texts 130 to 132, NOT APPLIED and DISCARD 133 and 134, names of picture-only
// buttons 135 to 138, the key box's hint 139, the sensor page's note 140, the profile
// switcher's rules view 141 to 149 and the replug advice 150.
constexpr int kPackTexts = 150;
constexpr int kMouseButtons = 10;

QStringList shippedCodes()
{
    QStringList codes;
    for (const QString& file : QDir(Z4_PACK_DIR).entryList({ "lang_*.ini" }, QDir::Files))
        codes << file.mid(5, 6);
    return codes;
}

} // namespace

class tst_ShippedPacks : public QObject {
    Q_OBJECT

private slots:
    void everyPackComplete_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString& code : shippedCodes())
            QTest::newRow(qPrintable(code)) << code;
    }
    void everyPackComplete()
    {
        QFETCH(QString, code);
        const LanguagePacks packs(Z4_PACK_DIR);
        const QSettings raw(packs.packPath(code), QSettings::IniFormat);
        QCOMPARE(raw.status(), QSettings::NoError);
        QCOMPARE(raw.value("font/total").toInt(), kPackTexts);

        const LanguagePack pack = packs.read(code);
        QCOMPARE(pack.strings.size(), kPackTexts + 1);
        QCOMPARE(pack.strings.indexOf(QRegularExpression("^\\s*$")), -1);
        QCOMPARE(pack.messages.indexOf(QRegularExpression("^\\s*$")), -1);
        const QStringList named = pack.buttonNames.mid(0, kMouseButtons),
                          unnamed = pack.buttonNames.mid(kMouseButtons);
        QCOMPARE(named.indexOf(QString()), -1);
        QCOMPARE(unnamed, QStringList(LanguagePacks::kButtonNameCount - kMouseButtons));
        // The image warning shows the path right after the prefix.
        QVERIFY2(!pack.messages.at(3).back().isLetter(), "msg 3 runs into the path");
    }
    void requiredPacksShipped()
    {
        const LanguagePacks packs(Z4_PACK_DIR);
        const QVariantMap map = packs.available();
        QCOMPARE(map.value("English").toString(), "031000");
        QCOMPARE(map.value(QString::fromUtf8("简体中文")).toString(), "025044");
        QCOMPARE(map.value(QString::fromUtf8("繁體中文")).toString(), "025208");
        QCOMPARE(map.size(), shippedCodes().size()); // no pack hides another under the same name
    }
};

QTEST_GUILESS_MAIN(tst_ShippedPacks)
#include "tst_shippedpacks.moc"
