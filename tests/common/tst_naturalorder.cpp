// The order of names found in a folder: digit runs by value, the rest without case, ties broken
// the same way whatever order the names came in, and the same result in every locale.
#include "common/naturalorder.h"

#include <QLocale>
#include <QtTest>

#include <algorithm>
#include <clocale>

class TestNaturalOrder : public QObject
{
    Q_OBJECT
private slots:
    void order_data()
    {
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("numbers by value")
            << QStringList{"IMG_1.jpg", "IMG_2.jpg", "IMG_10.jpg", "img_11.jpg", "IMG_100.jpg"};
        QTest::newRow("case ignored") << QStringList{"apple.jpg", "Banana.jpg", "cherry.JPG"};
        QTest::newRow("a space sorts before a digit")
            << QStringList{"photo 9.jpg", "photo 10.jpg", "photo9.jpg", "photo10.jpg"};
        QTest::newRow("leading zeros: value first, fewer zeros first on a tie")
            << QStringList{"IMG_0001", "IMG_2", "IMG_02", "IMG_0002", "IMG_3", "IMG_0010"};
        QTest::newRow("digit runs longer than 64 bits")
            << QStringList{"x9",
                           "x18446744073709551615",
                           "x18446744073709551616",
                           "x18446744073709551617",
                           "x0099999999999999999999999",
                           "x100000000000000000000000000000000000000"};
        QTest::newRow("several runs") << QStringList{"2024-1-9", "2024-1-10", "2024-2-1", "2025"};
        QTest::newRow("names that differ only in case: exact characters decide")
            << QStringList{"A.jpg", "a.jpg", "b.jpg"};
        QTest::newRow("prefix first") << QStringList{"IMG", "IMG_1", "IMG_1 (copy)", "IMG_1a"};
        // Without a locale to ask, letters beyond ASCII follow their case-folded code points.
        QTest::newRow("beyond ASCII") << QStringList{"Zebra", "Äpfel 2", "Äpfel 10", "ÄPFEL 11"};
    }

    void order()
    {
        QFETCH(QStringList, sorted);
        // The system's locale and Qt's default locale must not change anything.
        for (const char* name : {"C.UTF-8", "de_DE.UTF-8", "sv_SE.UTF-8", "tr_TR.UTF-8"}) {
            const bool system = std::setlocale(LC_ALL, name) != nullptr;
            QLocale::setDefault(QLocale(QString::fromLatin1(name).section('.', 0, 0)));
            QStringList given = sorted;
            std::reverse(given.begin(), given.end());
            for (int round = 0; round < 3; ++round) {
                QStringList names = given;
                sortNaturally(names);
                QVERIFY2(names == sorted, qPrintable(QString("%1%2: %3")
                                                         .arg(name, system ? "" : " (Qt only)")
                                                         .arg(names.join(" | "))));
                std::rotate(given.begin(), given.begin() + 1, given.end());
            }
        }
        std::setlocale(LC_ALL, "C.UTF-8");
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_GUILESS_MAIN(TestNaturalOrder)
#include "tst_naturalorder.moc"
