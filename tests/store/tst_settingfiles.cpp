// The shipped setting files are data the program depends on: full-length images of bytes, the
// first-run copies equal to the defaults, and every default stage among the offered DPI values.
#include <QSettings>
#include <QTest>

namespace {
const QString kDir = QStringLiteral(Z4_SETTING_DIR "/");
const QStringList kGroups { "profile_fw", "matrix_fw", "other_fw" };
} // namespace

class tst_SettingFiles : public QObject {
    Q_OBJECT

private slots:
    void profilesHoldFullImagesOfBytes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("defaults") << "pD_Z4.bin";
        QTest::newRow("first-run copy") << "p_Z4.bin";
    }
    void profilesHoldFullImagesOfBytes()
    {
        QFETCH(QString, file);
        const QSettings s(kDir + file, QSettings::IniFormat);
        QCOMPARE(s.status(), QSettings::NoError);
        for (int n = 0; n < 6; ++n) {
            QCOMPARE(s.value(QStringLiteral("profile_sw/%1").arg(n)).toList().size(), 4);
            for (const QString& group : kGroups) {
                const QString key = group + QLatin1Char('/') + QString::number(n);
                const QVariantList image = s.value(key).toList();
                QVERIFY2(image.size() == 128, qPrintable(key));
                for (const QVariant& entry : image) {
                    bool ok = false;
                    QVERIFY2(
                        entry.toString().toUInt(&ok) <= 255 && ok, qPrintable(key + ": " + entry.toString()));
                }
            }
        }
    }

    void firstRunCopiesMatchTheDefaults()
    {
        const QSettings defaults(kDir + "pD_Z4.bin", QSettings::IniFormat);
        const QSettings live(kDir + "p_Z4.bin", QSettings::IniFormat);
        for (const QString& key : defaults.allKeys())
            QCOMPARE(live.value(key), defaults.value(key));
        for (const QString& group : kGroups)
            QCOMPARE(live.value(group + "/dirty").toStringList(), QStringList(6, "false"));
        const QSettings factory(kDir + "apConfigD.bin", QSettings::IniFormat);
        const QSettings config(kDir + "apConfig.bin", QSettings::IniFormat);
        QCOMPARE(config.allKeys(), factory.allKeys());
        for (const QString& key : factory.allKeys())
            QCOMPARE(config.value(key), factory.value(key));
    }

    void defaultStagesAreOffered()
    {
        const QSettings config(kDir + "apConfigD.bin", QSettings::IniFormat);
        const QSettings defaults(kDir + "pD_Z4.bin", QSettings::IniFormat);
        const uint base = config.value("Z4/dpiBase").toUInt();
        const QStringList offered = config.value("Z4/dpiValue").toStringList();
        for (int n = 0; n < 6; ++n) {
            for (int i = 84; i < 100; ++i) {
                const uint stage
                    = defaults.value(QStringLiteral("profile_fw/%1").arg(n)).toList().value(i).toUInt();
                QVERIFY2(offered.contains(QString::number((stage + 1) * base)),
                    qPrintable(QString::number(stage)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(tst_SettingFiles)
#include "tst_settingfiles.moc"
