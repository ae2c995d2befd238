// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>
#include <limits>

#include <QLocale>
#include <QTest>

#include "NumberText.h"
#include "PlatformError.h"

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void fromNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("score") << 400.0 << QStringLiteral(" 400");
        QTest::newRow("zero") << 0.0 << QStringLiteral(" 0");
        QTest::newRow("negative zero") << -0.0 << QStringLiteral(" 0");
        QTest::newRow("seconds") << 2.345 << QStringLiteral(" 2.345");
        QTest::newRow("whole seconds") << 2.0 << QStringLiteral(" 2");
        QTest::newRow("no trailing zeros") << 2.5 << QStringLiteral(" 2.5");
        QTest::newRow("negative") << -3.0 << QStringLiteral("-3");
        QTest::newRow("fifteen digits") << 1.0 / 3.0 << QStringLiteral(" 0.333333333333333");
        QTest::newRow("large whole") << 123456789012345.0 << QStringLiteral(" 123456789012345");
        QTest::newRow("int32 max") << 2147483647.0 << QStringLiteral(" 2147483647");
    }
    void fromNumber()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(NumberText::fromNumber(value), text);
    }

    void fromNumberIgnoresLocale()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString text = NumberText::fromNumber(2.345);
        QLocale::setDefault(previous);
        QCOMPARE(text, QStringLiteral(" 2.345"));
    }

    void toInt32_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("half up to even") << 399.5 << 400;
        QTest::newRow("half down to even") << 398.5 << 398;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("below half") << 382.49 << 382;
        QTest::newRow("above half") << 382.51 << 383;
        QTest::newRow("max") << 2147483647.0 << std::numeric_limits<int>::max();
        QTest::newRow("min from half") << -2147483648.5 << std::numeric_limits<int>::min();
    }
    void toInt32()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(NumberText::toInt32(value), expected);
    }

    void toInt32Overflows_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("half above max rounds out") << 2147483647.5;
        QTest::newRow("above max") << 4294967296.0;
        QTest::newRow("below min") << -2147483649.0;
        QTest::newRow("nan") << std::nan("");
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    }
    void toInt32Overflows()
    {
        QFETCH(double, value);
        try {
            NumberText::toInt32(value);
            QFAIL("no overflow raised");
        } catch (const PlatformError &error) {
            QCOMPARE(error.kind(), PlatformError::Kind::Overflow);
            QVERIFY(error.message().startsWith(QStringLiteral("Überlauf: ")));
        }
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "TestNumberText.moc"
