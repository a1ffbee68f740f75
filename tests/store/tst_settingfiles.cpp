// The shipped setting files are data the program depends on: every key, length and range.
#include <QSet>
#include <QSettings>
#include <QTest>

namespace {
const QString kDir = QStringLiteral(Z4_SETTING_DIR "/");

// Collects every problem of a file, so one run names them all.
struct Checker {
    QStringList problems;
    void expect(bool ok, const QString& what)
    {
        if (!ok)
            problems << what;
    }
    void bytes(const QVariantList& list, int size, const QString& key)
    {
        expect(list.size() == size, key + QStringLiteral(": %1 entries").arg(list.size()));
        for (const QVariant& v : list) {
            bool ok = false;
            const uint n = v.toString().toUInt(&ok);
            expect(ok && n <= 255, key + QStringLiteral(": not a byte: ") + v.toString());
        }
    }
};

QVariantList listAt(const QSettings& s, const QString& key)
{
    return s.value(key).toList();
}

uint at(const QVariantList& list, int i)
{
    return list.value(i).toUInt();
}
} // namespace

class tst_SettingFiles : public QObject {
    Q_OBJECT

    void checkProfiles(const QString& name, Checker& c)
    {
        const QSettings s(kDir + name, QSettings::IniFormat);
        const QSet<QString> groups { "common", "profile_sw", "profile_fw", "matrix_fw", "other_fw" };
        for (const QString& g : s.childGroups())
            c.expect(groups.contains(g), name + ": unknown group " + g);
        for (int n = 0; n < 6; ++n) {
            const QString num = QString::number(n);
            const QVariantList sw = listAt(s, "profile_sw/" + num);
            c.expect(sw.size() == 4, name + ": profile_sw/" + num + " needs 4 entries");
            c.expect(sw.value(0).toString() == "true" || sw.value(0).toString() == "false",
                name + ": acceleration is not a boolean");
            for (int i = 1; i < 4; ++i)
                c.expect(at(sw, i) <= 10, name + ": slider position beyond 10");
            const QVariantList fw = listAt(s, "profile_fw/" + num);
            const QVariantList matrix = listAt(s, "matrix_fw/" + num);
            const QVariantList other = listAt(s, "other_fw/" + num);
            c.bytes(fw, 128, name + ": profile_fw/" + num);
            c.bytes(matrix, 128, name + ": matrix_fw/" + num);
            c.bytes(other, 128, name + ": other_fw/" + num);
            c.expect(at(fw, 70) >= 1 && at(fw, 70) <= 8, name + ": stage count outside 1..8");
            for (int i = 0; i < 8; ++i) {
                c.expect(at(fw, 16 + i) <= 7, name + ": indicator index beyond 7");
                c.expect(at(fw, 84 + i) == at(fw, 92 + i), name + ": the two stage rows differ");
                c.expect(at(fw, 84 + i) <= 160, name + ": stage code beyond 160");
            }
            c.expect(QVariantList(matrix.mid(0, 4)) == QVariantList { "1", "0", "240", "0" },
                name + ": button 1 must be the left button");
            c.expect(at(other, 0) >= 1 && at(other, 0) <= 8, name + ": active stage outside 1..8");
            c.expect(QList<uint> { 1, 2, 4, 8 }.contains(at(other, 1)), name + ": unknown report rate");
            for (int i = n == 0 ? 3 : 2; i < other.size(); ++i)
                c.expect(at(other, i) == 0, name + ": single settings beyond the used ones must be 0");
        }
    }

    void checkConfig(const QString& name, Checker& c)
    {
        const QSettings s(kDir + name, QSettings::IniFormat);
        c.expect(!s.value("common/name").toString().isEmpty(), name + ": no window title");
        c.expect(
            s.value("common/product_name").toStringList().size() == 2, name + ": needs two product names");
        const int total = s.value("common/total").toInt();
        c.expect(total == 32, name + ": the scene writes 32 general entries");
        for (int i = 0; i < total; ++i)
            c.expect(s.contains("common/" + QString::number(i)), name + ": missing general entry");
        c.expect(s.value("common/0").toInt() == 2, name + ": version must be 2");
        const uint maxStage = s.value("Z4/colorMaxStage").toUInt();
        c.expect(maxStage >= 1 && maxStage <= 8, name + ": colorMaxStage outside 1..8");
        const QStringList effects = s.value("Z4/effectEnable").toStringList();
        c.expect(effects.size() == 11, name + ": effectEnable needs 11 entries");
        for (const QString& e : effects)
            c.expect(e == "true" || e == "false", name + ": effectEnable entry " + e);
        const uint base = s.value("Z4/dpiBase").toUInt();
        c.expect(base > 0, name + ": dpiBase must be positive");
        const QStringList values = s.value("Z4/dpiValue").toStringList();
        c.expect(values.size() == 18, name + ": dpiValue needs 18 entries");
        for (const QString& v : values) {
            const uint dpi = v.toUInt();
            c.expect(base && dpi % base == 0 && dpi / base >= 1 && dpi / base - 1 <= 160,
                name + ": DPI value without a stage code: " + v);
        }
    }

private slots:
    void shippedFiles()
    {
        Checker c;
        checkProfiles("pD_Z4.bin", c);
        checkProfiles("p_Z4.bin", c);
        checkConfig("apConfigD.bin", c);
        checkConfig("apConfig.bin", c);
        QVERIFY2(c.problems.isEmpty(), qPrintable(c.problems.join('\n')));
    }

    void firstRunCopiesMatchTheDefaults()
    {
        const QSettings defaults(kDir + "pD_Z4.bin", QSettings::IniFormat);
        const QSettings live(kDir + "p_Z4.bin", QSettings::IniFormat);
        for (const QString& key : defaults.allKeys())
            QCOMPARE(live.value(key), defaults.value(key));
        const uint cur = live.value("common/curProfile").toUInt();
        QVERIFY(cur >= 1 && cur <= 5); // the profile menu never shows profile 0
        for (const char* g : { "profile_fw", "matrix_fw", "other_fw" })
            QCOMPARE(live.value(QString(g) + "/dirty").toStringList(), QStringList(6, "false"));
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
            const QVariantList fw = listAt(defaults, "profile_fw/" + QString::number(n));
            for (int i = 0; i < 8; ++i)
                QVERIFY(offered.contains(QString::number((at(fw, 84 + i) + 1) * base)));
        }
    }
};

QTEST_GUILESS_MAIN(tst_SettingFiles)
#include "tst_settingfiles.moc"
