// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields.h"
#include "parameters.h"
#include "runtimeerror.h"

#include <QLineEdit>
#include <QTest>

#include <cmath>
#include <limits>
#include <numbers>

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
        QTest::newRow("word") << "Spomaleni" << czech << 0.0 << 13;
        QTest::newRow("infinity word") << "inf" << english << 0.0 << 13;
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

    // A field is read in the default locale; what the program writes into one, digits without grouping, reads back
    // in every locale, and shows from its first digit.
    void fieldFollowsDefaultLocale()
    {
        QLineEdit field;
        field.setText(QStringLiteral("0,25"));
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
        QCOMPARE(fieldValue(&field), 0.25);
        field.resize(10, 20); // narrower than its text
        setFieldNumber(&field, -32767);
        QCOMPARE(field.text(), QStringLiteral("-32767"));
        QCOMPARE(field.cursorPosition(), 0);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(fieldValue(&field), -32767.0);
        field.setText(QStringLiteral("0,25"));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, fieldValue(&field));
    }

    void parameterCheck_data()
    {
        QTest::addColumn<QString>("parameter");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");    // NaN: refused
        QTest::addColumn<QString>("message"); // the message, or a part of it
        const QLocale c = QLocale::c(), czech(QLocale::Czech, QLocale::Czechia);
        const double refused = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("distance at its most") << "distance" << c << "290" << 290.0 << "";
        QTest::newRow("distance beyond") << "distance" << c << "290.5" << refused
                                         << "Hodnota „290.5“ v poli „Vzdálenost clony“ je mimo rozsah. Zadejte číslo od 0 do 290, "
                                            "například 150.";
        QTest::newRow("negative distance") << "distance" << c << "-0.5" << refused << "mimo rozsah";
        QTest::newRow("too large for a double") << "distance" << c << "1e999" << refused << "Hodnota „1e999“ v poli „Vzdálenost clony“ je mimo";
        QTest::newRow("a word") << "distance" << c << "abc" << refused << "Hodnota „abc“ v poli „Vzdálenost clony“ není číslo. Zadejte";
        QTest::newRow("a long paste is cut short") << "distance" << c << QString(300, u'7') << refused
                                                   << "Hodnota „77777777777777777777…“ v poli";
        QTest::newRow("cut short, a character kept whole") << "distance" << c << QString(19, u'x') + QStringLiteral("😀xx")
                                                           << refused << QString(19, u'x') + QStringLiteral("…“");
        QTest::newRow("decimal comma in Czech") << "frequency" << czech << "1,4" << 1.4 << "";
        QTest::newRow("just beyond, in Czech") << "frequency" << czech << "1,41" << refused << "od 0 do 1,4, například 0,5.";
        QTest::newRow("decimal point in Czech")
            << "frequency" << czech << "0.5" << refused
            << "Hodnota „0.5“ v poli „Frekvence fotonů“ není číslo. Desetinná místa oddělte čárkou. Zadejte číslo od 0 do 1,4, "
               "například 0,5.";
        QTest::newRow("placeholders stay as typed") << "frequency" << c << "%1%2" << refused << "Hodnota „%1%2“ v poli „Frekvence";
        QTest::newRow("spacing at its most") << "spacing" << c << "341" << 341.0 << "";
        QTest::newRow("spacing beyond") << "spacing" << c << "341.5" << refused << "od 0 do 341, například 80.";
        QTest::newRow("empty") << "spacing" << czech << "" << refused << "Pole „Rozteč děr“ je prázdné. Zadejte";
    }

    void parameterCheck()
    {
        QFETCH(QString, parameter);
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(QString, message);
        const parameters::Parameter &which = parameter == QStringLiteral("distance")    ? parameters::distance
                                             : parameter == QStringLiteral("frequency") ? parameters::frequency
                                                                                        : parameters::spacing;
        const auto read = parameters::check(which, text, locale);
        const QString *refusal = std::get_if<QString>(&read);
        QCOMPARE(refusal != nullptr, std::isnan(value));
        if (refusal)
            QVERIFY2(refusal->contains(message), qPrintable(*refusal));
        else
            QCOMPARE(std::get<double>(read), value);
    }

    // At the starting distance and spacing the phase difference of the two paths turns by less than π from one
    // detector point to the next up to the largest frequency, and by more just beyond it: the points would alias.
    void frequencyEndsBeforeThePointsAlias()
    {
        const auto largestTurn = [](double frequency) {
            double largest = 0, before = 0;
            for (int point = 0; point <= 10; ++point) {
                const double y = 500.94 - 40 * point;
                const double difference = 0.15 * frequency * (std::hypot(100, 320.5 - y) - std::hypot(100, 360.5 - y));
                if (point > 0)
                    largest = std::max(largest, std::fabs(difference - before));
                before = difference;
            }
            return largest;
        };
        QVERIFY(largestTurn(parameters::frequency.most) < std::numbers::pi);
        QVERIFY(largestTurn(parameters::frequency.most + 0.05) > std::numbers::pi);
    }
};

QTEST_MAIN(TestFields)
#include "tst_fields.moc"
