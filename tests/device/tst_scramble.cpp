#include "device/scramble.h"

#include <QTest>

class tst_Scramble : public QObject {
    Q_OBJECT
private slots:
    void placeholder() { }
};

QTEST_GUILESS_MAIN(tst_Scramble)
#include "tst_scramble.moc"
