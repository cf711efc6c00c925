// The leading-number conversion every row and caption is read through.
#include "text/numeric_value.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace pizarrin;
using namespace Qt::StringLiterals;

class TestText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsTheLeadingNumber_data();
    void readsTheLeadingNumber();
    void overflowGivesAnInfiniteValue();
    void boundsCountsReadFromCaptions();
    void writesPlainDecimalText();
};

void TestText::readsTheLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("digits") << u"3584"_s << 3584.0;
    QTest::newRow("leading zeros") << u"003584"_s << 3584.0;
    QTest::newRow("twelve digits, exact") << u"121931812224"_s << 121931812224.0;
    QTest::newRow("thirteen digits, exact") << u"9999999999999"_s << 9999999999999.0;
    QTest::newRow("blanks anywhere") << u" 1 2\t3\n4 "_s << 1234.0;
    QTest::newRow("negative") << u"-42"_s << -42.0;
    QTest::newRow("positive sign") << u"+42"_s << 42.0;
    QTest::newRow("blank after the sign") << u"- 5"_s << -5.0;
    QTest::newRow("two signs") << u"--5"_s << 0.0;
    QTest::newRow("decimal") << u"3.25"_s << 3.25;
    QTest::newRow("leading point") << u".5"_s << 0.5;
    QTest::newRow("point alone") << u"."_s << 0.0;
    QTest::newRow("trailing point") << u"7."_s << 7.0;
    QTest::newRow("second point stops") << u"1.2.3"_s << 1.2;
    QTest::newRow("exponent") << u"15E2"_s << 1500.0;
    QTest::newRow("lower-case exponent") << u"15e-1"_s << 1.5;
    QTest::newRow("D exponent") << u"2D3"_s << 2000.0;
    QTest::newRow("lower-case D exponent") << u"2d+2"_s << 200.0;
    QTest::newRow("exponent without digits") << u"1e"_s << 1.0;
    QTest::newRow("exponent sign without digits") << u"1e+"_s << 1.0;
    QTest::newRow("blank inside exponent") << u"1 e 2"_s << 100.0;
    QTest::newRow("letter stops") << u"12x34"_s << 12.0;
    QTest::newRow("starts with a letter") << u"x12"_s << 0.0;
    QTest::newRow("comma stops") << u"1,5"_s << 1.0;
    QTest::newRow("non-ASCII digit stops") << u"1\u0663"_s << 1.0;
    QTest::newRow("emoji") << u"\U0001F600"_s << 0.0;
    QTest::newRow("hexadecimal") << u"&H1F"_s << 31.0;
    QTest::newRow("hexadecimal lower case") << u"&h1f"_s << 31.0;
    QTest::newRow("hexadecimal stops at G") << u"&HFG"_s << 15.0;
    QTest::newRow("hexadecimal prefix alone") << u"&h"_s << 0.0;
    QTest::newRow("octal") << u"&O17"_s << 15.0;
    QTest::newRow("octal lower case") << u"&o17"_s << 15.0;
    QTest::newRow("octal stops at 8") << u"&O78"_s << 7.0;
    QTest::newRow("sixty-four bits of hexadecimal, rounded once")
        << u"&HFFFFFFFFFFFFFFFF"_s << 18446744073709551616.0;
    QTest::newRow("sixty-four bits of octal, rounded once")
        << u"&O1777777777777777777777"_s << 18446744073709551616.0;
    QTest::newRow("fifty-four bits of hexadecimal, rounded to even")
        << u"&H20000000000001"_s << 9007199254740992.0;
    QTest::newRow("fifty-four bits of hexadecimal, rounded up to even")
        << u"&H20000000000003"_s << 9007199254740996.0;
    QTest::newRow("a tie broken by a bit beyond the sixty-fourth")
        << u"&H200000000000010000000000000000001"_s << std::ldexp(9007199254740994.0, 76);
    QTest::newRow("subnormal") << u"2e-316"_s << 2e-316;
    QTest::newRow("ampersand alone") << u"&"_s << 0.0;
    QTest::newRow("ampersand and digits") << u"&12"_s << 0.0;
    QTest::newRow("tiny") << u"1e-999"_s << 0.0;
    QTest::newRow("huge exponent of zero") << u"0e99999999999999999999"_s << 0.0;
    QTest::newRow("many leading fraction zeros")
        << u"0.0000000000000000000000000000001e31"_s << 1.0;
}

void TestText::readsTheLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumericValue(text), value);
}

void TestText::overflowGivesAnInfiniteValue()
{
    const double inf = std::numeric_limits<double>::infinity();
    QCOMPARE(NumericValue(u"9E999"_s), inf);
    QCOMPARE(NumericValue(u"-9D999"_s), -inf);
    QCOMPARE(NumericValue(u"1e99999999999999999999"_s), inf);
    QCOMPARE(NumericValue(QString(400, u'9')), inf);
    QCOMPARE(NumericValue(u"&H"_s + QString(300, u'F')), inf);
    // An infinite row simply compares unequal with any expected value.
    QVERIFY(NumericValue(u"9E999"_s) != NumericValue(u"999999999999"_s));
}

void TestText::boundsCountsReadFromCaptions()
{
    QCOMPARE(boundedInt(NumericValue(u"3"_s), 1, 6), 3);
    QCOMPARE(boundedInt(NumericValue(u"9E999"_s), 1, 6), 6);
    QCOMPARE(boundedInt(NumericValue(u"-9E999"_s), 1, 6), 1);
    QCOMPARE(boundedInt(std::nan(""), 0, 6), 0);
}

void TestText::writesPlainDecimalText()
{
    QCOMPARE(numberText(9.0), u"9"_s);
    QCOMPARE(numberText(-1.0), u"-1"_s);
    QCOMPARE(numberText(-0.0), u"0"_s);
    QCOMPARE(numberText(121931812224.0), u"121931812224"_s);
    QCOMPARE(numberText(2.5), u"2.5"_s);
}

QTEST_APPLESS_MAIN(TestText)
#include "tst_text.moc"
