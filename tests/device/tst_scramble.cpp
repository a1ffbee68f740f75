#include "device/scramble.h"
#include "simmouse.h"

#include <QRandomGenerator>
#include <QTest>

#include <array>

using Eight = std::array<uchar, 8>;
Q_DECLARE_METATYPE(Eight)

namespace {

Eight bytes(const QByteArray& hex)
{
    const QByteArray raw = QByteArray::fromHex(hex);
    Eight out {};
    std::copy_n(raw.constData(), std::min<qsizetype>(raw.size(), 8), out.begin());
    return out;
}

// codeBytes as detection fills them: the six characters in bytes 1 to 6.
Eight codeBytes(const QByteArray& code)
{
    Eight out {};
    std::copy_n(code.constData(), std::min<qsizetype>(code.size(), 6), out.begin() + 1);
    return out;
}

} // namespace

class tst_Scramble : public QObject {
    Q_OBJECT
private slots:
    void knownAnswers_data();
    void knownAnswers();
    void undoneByBothSidesOnRandomPackets();
};

// Vectors worked out independently from the algorithm's description.
void tst_Scramble::knownAnswers_data()
{
    QTest::addColumn<Eight>("plain");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<Eight>("scrambled");
    QTest::newRow("zeros, empty code")
        << bytes("0000000000000000") << QByteArray() << bytes("051665b646f427d6");
    QTest::newRow("01H option 8") << bytes("01080000000000f6") << QByteArray("abcdef")
                                  << bytes("082208d1a91757d6");
    QTest::newRow("03H rate 3 profile 2")
        << bytes("03020300000000f7") << QByteArray("Z4cfg1") << bytes("07ec80d16915afee");
    QTest::newRow("all ones") << bytes("ffffffffffffffff") << QByteArray("\xff\xff\xff\xff\xff\xff")
                              << bytes("fd1665b646f42ed5");
    QTest::newRow("8CH profile 1") << bytes("8c01000000000072") << QByteArray("q-beac")
                                   << bytes("08a060c96d5f3fd6");
}

void tst_Scramble::knownAnswers()
{
    QFETCH(Eight, plain);
    QFETCH(QByteArray, code);
    QFETCH(Eight, scrambled);
    const Eight key = codeBytes(code);
    Eight p = plain;
    scramble(p.data(), key.data());
    QCOMPARE(p, scrambled);
    unscramble(p.data(), key.data());
    QCOMPARE(p, plain);
}

// The simulated firmware has its own unscrambling; the two must meet on the wire, and ours
// must undo any packet under any code.
void tst_Scramble::undoneByBothSidesOnRandomPackets()
{
    QRandomGenerator random(20261206);
    for (int round = 0; round < 20000; ++round) {
        std::string code(6, '\0');
        for (char& c : code)
            c = char(random.bounded(256));
        Eight plain {};
        for (uchar& b : plain)
            b = uchar(random.bounded(256));
        const Eight key = codeBytes(QByteArray::fromStdString(code));
        Eight ours = plain;
        scramble(ours.data(), key.data());
        Eight mouse = ours;
        unscramble(ours.data(), key.data());
        sim::unscramblePacket(mouse.data(), code);
        if (ours != plain || mouse != plain)
            QFAIL(qPrintable(QStringLiteral("round %1 did not come back").arg(round)));
    }
}

QTEST_GUILESS_MAIN(tst_Scramble)
#include "tst_scramble.moc"
