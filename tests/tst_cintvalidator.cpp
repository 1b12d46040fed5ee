#include "toolkit/cintvalidator.h"
#include "toolkit/clineedit.h"

#include <QtTest>

class tst_CIntValidator : public QObject
{
    Q_OBJECT
private slots:
    void validate_data();
    void validate();
    void typingIntoField_data();
    void typingIntoField();
};

void tst_CIntValidator::validate_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("state");

    const int ok = QValidator::Acceptable;
    const int bad = QValidator::Invalid;
    QTest::newRow("empty text is allowed") << 0 << 50000 << "" << ok;
    QTest::newRow("zero") << 0 << 50000 << "0" << ok;
    QTest::newRow("the maximum itself") << 0 << 50000 << "50000" << ok;
    QTest::newRow("one above the maximum") << 0 << 50000 << "50001" << bad;
    QTest::newRow("a sixth digit") << 0 << 50000 << "123456" << bad;
    QTest::newRow("a sixth digit even as zeros") << 0 << 50000 << "000001" << bad;
    QTest::newRow("a minus sign") << 0 << 50000 << "-1" << bad;
    QTest::newRow("a plus sign") << 0 << 50000 << "+1" << bad;
    QTest::newRow("a decimal point") << 0 << 50000 << "4.5" << bad;
    QTest::newRow("a blank") << 0 << 50000 << "4 " << bad;
    QTest::newRow("letters") << 0 << 365 << "ab" << bad;
    QTest::newRow("Arabic-Indic digits") << 0 << 365 << QString(QChar(0x0661)) << bad;
    QTest::newRow("365 of 365") << 0 << 365 << "365" << ok;
    QTest::newRow("366 of 365") << 0 << 365 << "366" << bad;
    QTest::newRow("204800 rate") << 0 << 204800 << "204800" << ok;
    QTest::newRow("below a minimum may still grow") << 10 << 99 << "5" << int(QValidator::Intermediate);
}

void tst_CIntValidator::validate()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(QString, input);
    QFETCH(int, state);

    MovraGUIToolkit::CIntValidator validator(minimum, maximum);
    int pos = input.size();
    QCOMPARE(int(validator.validate(input, pos)), state);
}

void tst_CIntValidator::typingIntoField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("six digits keep five") << "123456"
                                          << "12345";
    QTest::newRow("a value above the maximum stops at the last valid text") << "60000"
                                                                            << "6000";
    QTest::newRow("letters never enter") << "4a0"
                                         << "40";
}

void tst_CIntValidator::typingIntoField()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    MovraGUIToolkit::CLineEdit edit;
    edit.setValidator(new MovraGUIToolkit::CIntValidator(0, 50000, &edit));
    QTest::keyClicks(&edit, typed);
    QCOMPARE(edit.text(), shown);
}

QTEST_MAIN(tst_CIntValidator)
#include "tst_cintvalidator.moc"
