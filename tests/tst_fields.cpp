// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields.h"
#include "runtimeerror.h"

#include <QLineEdit>
#include <QTest>

class TestFields : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void numberFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("error");

        const QLocale czech(QLocale::Czech, QLocale::Czechia);
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("whole") << "40" << czech << 40.0 << 0;
        QTest::newRow("blanks around") << " 200 " << english << 200.0 << 0;
        QTest::newRow("negative") << "-3" << czech << -3.0 << 0;
        QTest::newRow("decimal comma, Czech") << "1,5" << czech << 1.5 << 0;
        QTest::newRow("decimal point, English") << "1.5" << english << 1.5 << 0;
        QTest::newRow("decimal point, Czech") << "1.5" << czech << 0.0 << 13;
        QTest::newRow("exponent") << "1e3" << english << 1000.0 << 0;
        QTest::newRow("underflow is zero") << "1e-999" << english << 0.0 << 0;
        QTest::newRow("underflow, Czech") << "2,5e-999" << czech << 0.0 << 0;
        QTest::newRow("empty") << "" << czech << 0.0 << 13;
        QTest::newRow("blank") << "   " << czech << 0.0 << 13;
        QTest::newRow("word") << "Spomaleni" << czech << 0.0 << 13;
        QTest::newRow("infinity word") << "inf" << english << 0.0 << 13;
        QTest::newRow("nan word") << "nan" << english << 0.0 << 13;
        QTest::newRow("garbage after exponent") << "1e-999x" << english << 0.0 << 13;
        QTest::newRow("overflow") << "1e999" << english << 0.0 << 6;
        QTest::newRow("negative overflow") << "-1e999" << czech << 0.0 << 6;
    }

    void numberFromText()
    {
        QFETCH(QString, text);
        QFETCH(QLocale, locale);
        QFETCH(double, value);
        QFETCH(int, error);
        try {
            const double read = ::numberFromText(text, locale);
            QCOMPARE(0, error);
            QCOMPARE(read, value);
        } catch (const RuntimeError &raised) {
            QCOMPARE(int(raised.number()), error);
        }
    }

    void fieldFollowsDefaultLocale()
    {
        QLineEdit field;
        field.setText(QStringLiteral("0,25"));
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
        QCOMPARE(fieldValue(&field), 0.25);
        QLocale::setDefault(QLocale::c());
        QVERIFY_THROWS_EXCEPTION(RuntimeError, fieldValue(&field));
    }

    void setFieldNumber_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("one") << 1 << "1";
        QTest::newRow("zero") << 0 << "0";
        QTest::newRow("two hundred") << 200 << "200";
        QTest::newRow("negative") << -40 << "-40";
        QTest::newRow("no grouping") << 32767 << "32767";
    }

    void setFieldNumber()
    {
        QFETCH(int, value);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
        QLineEdit field;
        field.resize(10, 20); // narrower than its text: it must still show the first digit
        ::setFieldNumber(&field, value);
        QCOMPARE(field.text(), text);
        QCOMPARE(field.cursorPosition(), 0);
        QLocale::setDefault(QLocale::c());
    }

    void messageNamesNumberAndText()
    {
        QCOMPARE(RuntimeError(RuntimeError::TypeMismatch).message(), QStringLiteral("Chyba za běhu 13: Neshoda typů"));
        QCOMPARE(RuntimeError(RuntimeError::Overflow).message(), QStringLiteral("Chyba za běhu 6: Přetečení"));
    }
};

QTEST_MAIN(TestFields)
#include "tst_fields.moc"
