// The scene names keys with its own table (keycodes.js) and macro files store those names; the
// encoder looks them up in the C++ table, so a name the two spell differently is dropped from
// every macro that uses it.
#include "macro/keynamemap.h"

#include <QFile>
#include <QJSEngine>
#include <QTest>

class tst_KeyTables : public QObject {
    Q_OBJECT

    QJSEngine js;

    QJSValue call(const char* function, const QJSValue& argument)
    {
        return js.globalObject().property(QLatin1String(function)).call({ argument });
    }
    int sceneCode(const QString& name)
    {
        const QJSValue code
            = call(name.startsWith(QLatin1String("MS-")) ? "strTomousecode" : "strTokeycode", name);
        return code.isUndefined() ? 0 : code.toInt();
    }

private slots:
    void initTestCase()
    {
        QFile file(QStringLiteral(Z4_KEYCODES_JS));
        QVERIFY(file.open(QIODevice::ReadOnly));
        // ".pragma library" is a directive of the QML engine, not JavaScript.
        const QString source
            = QString::fromUtf8(file.readAll()).replace(QLatin1String(".pragma library"), QString());
        const QJSValue result = js.evaluate(source, file.fileName());
        QVERIFY2(!result.isError(), qPrintable(result.toString()));
    }

    void tablesAgree()
    {
        initKeyNameMap(); // filled a second time: the same table
        for (auto it = keyNameMap().cbegin(); it != keyNameMap().cend(); ++it)
            QCOMPARE(sceneCode(it.key()), int(it.value()));
        for (int code = 0; code < 256; ++code) {
            const QJSValue name = call(code >= 0xF0 ? "mousecodeTostr" : "keycodeTostr", code);
            if (!name.isUndefined())
                QCOMPARE(int(keyCodeForName(name.toString())), code);
        }
    }

    void oddities_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::newRow("KP 7 keeps its blank") << "KP 7 " << 0x5F;
        QTest::newRow("KP 7 without it") << "KP 7" << 0;
        QTest::newRow("0x88") << "Intl'2" << 0x88;
        QTest::newRow("0x89") << "Int'l 2" << 0x89;
        QTest::newRow("right arrow") << QString(QChar(0x25BA)) << 0x4F;
        QTest::newRow("left arrow") << QString(QChar(0x25C4)) << 0x50;
        QTest::newRow("down arrow") << QString(QChar(0x25BC)) << 0x51;
        QTest::newRow("up arrow") << QString(QChar(0x25B2)) << 0x52;
        QTest::newRow("backslash at 0x31, nothing at 0x32") << "\\ |" << 0x31;
        QTest::newRow("object property") << "constructor" << 0;
    }
    void oddities()
    {
        QFETCH(QString, name);
        QFETCH(int, code);
        QCOMPARE(int(keyCodeForName(name)), code);
        QCOMPARE(sceneCode(name), code);
        QVERIFY(call("keycodeTostr", 0x32).isUndefined());
    }
};

QTEST_GUILESS_MAIN(tst_KeyTables)
#include "tst_keytables.moc"
