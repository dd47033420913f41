// What the library form shows when the library table picks shapes K25..K49:
// the parameter fields and their default texts, and K49's disabled controls.

#include "library/KLibConfig.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace {

// The fields each shape shows after a, with their default texts, in the order
// b, c, d, e, f, g; an empty text means the field stays hidden.
struct Shown {
    int shape;
    const char *texts[6];
};

const Shown kShown[] = {
    {25, {"200", "150", "60", "30", "10", ""}},
    {26, {"200", "150", "60", "30", "10", ""}},
    {27, {"200", "150", "60", "30", "20", "10"}},
    {28, {"200", "150", "60", "30", "20", "10"}},
    {29, {"200", "150", "60", "30", "20", "10"}},
    {30, {"200", "150", "60", "30", "10", ""}},
    {31, {"200", "100", "60", "40", "", ""}},
    {32, {"200", "100", "60", "40", "", ""}},
    {33, {"200", "100", "60", "40", "", ""}},
    {34, {"200", "100", "60", "40", "", ""}},
    {35, {"200", "170", "60", "40", "30", ""}},
    {36, {"200", "170", "60", "40", "30", ""}},
    {37, {"200", "170", "60", "40", "30", ""}},
    {38, {"200", "170", "60", "40", "30", ""}},
    {39, {"200", "150", "60", "40", "50", ""}},
    {40, {"200", "150", "60", "40", "50", ""}},
    {41, {"200", "150", "60", "40", "50", "20"}},
    {42, {"200", "150", "60", "40", "50", "20"}},
    {43, {"200", "", "", "", "", ""}},
    {44, {"200", "", "", "", "", ""}},
    {45, {"200", "", "", "", "", ""}},
    {46, {"200", "", "", "", "", ""}},
    {47, {"200", "150", "30", "", "", ""}},
    {48, {"200", "150", "30", "", "", ""}},
    {49, {"200", "150", "", "", "", ""}},
};

// The library table's order of calls when its entry changes.
void pick(KLibConfig &form, int index)
{
    form.hideParameters();
    form.resetPlacement();
    form.setShape(index);
}

QList<QWidget *> gridLocked(const KLibConfig &form)
{
    return {form.angleEdit(),    form.mirrorRadio(0), form.mirrorRadio(1), form.mirrorRadio(2),
            form.mirrorRadio(3), form.spaceXEdit(),   form.spaceYEdit()};
}

} // namespace

class ShapeFormTest : public QObject
{
    Q_OBJECT

private slots:
    void fieldsAndDefaults_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QStringList>("texts");
        for (const Shown &row : kShown) {
            QStringList texts;
            for (const char *text : row.texts)
                texts << QString::fromLatin1(text);
            QTest::newRow(qPrintable(QStringLiteral("K%1").arg(row.shape))) << row.shape << texts;
        }
    }

    // Picked after a shape that shows every field with other texts, so a
    // field left over or a text not written shows up.
    void fieldsAndDefaults()
    {
        QFETCH(int, shape);
        QFETCH(QStringList, texts);
        KLibConfig form;
        pick(form, 27);
        for (int k = PattenForm::A; k < PattenForm::FieldCount; ++k)
            form.paramEdit(k)->setText(QStringLiteral("7"));
        pick(form, shape);

        QVERIFY(!form.paramLabel(PattenForm::A)->isHidden());
        QVERIFY(!form.paramEdit(PattenForm::A)->isHidden());
        QCOMPARE(form.paramEdit(PattenForm::A)->text(), QStringLiteral("10"));
        for (int k = 0; k < 6; ++k) {
            const int field = PattenForm::B + k;
            const bool shown = !texts.at(k).isEmpty();
            const QByteArray what = QByteArray(1, char('b' + k));
            QVERIFY2(form.paramLabel(field)->isHidden() != shown, what.constData());
            QVERIFY2(form.paramEdit(field)->isHidden() != shown, what.constData());
            QCOMPARE(form.paramLabel(field)->text(), QString::fromLatin1(what + ":"));
            if (shown)
                QCOMPARE(form.paramEdit(field)->text(), texts.at(k));
        }
        // Every shape but K49 leaves the placement controls alone.
        for (QWidget *control : gridLocked(form))
            QCOMPARE(control->isEnabled(), shape != 49);
        QVERIFY(form.countXEdit()->isEnabled());
        QVERIFY(form.countYEdit()->isEnabled());
    }

    // K49 disables the seven controls and never enables them: that is the
    // library table's work when it leaves K49.
    void gridEnablesNothing()
    {
        KLibConfig form;
        pick(form, 49);
        pick(form, 49);
        for (QWidget *control : gridLocked(form))
            QVERIFY(!control->isEnabled());
        for (int shape = 25; shape <= 48; ++shape) {
            pick(form, shape);
            for (QWidget *control : gridLocked(form))
                QVERIFY(!control->isEnabled());
        }
        QVERIFY(form.countXEdit()->isEnabled());
        QVERIFY(form.countYEdit()->isEnabled());
    }

    // What the form then adds is what the generator cuts: K49 picked with its
    // defaults writes the 1 x 1 grid of plates 200 x 150.
    void pickedGridAdds()
    {
        KLibConfig form;
        pick(form, 49);
        QVERIFY(form.addPattenType(49));
        const patten_t &p = form.pattens().at(1);
        QCOMPARE(std::make_tuple(p.type, p.a, p.b, p.c, p.countX, p.countY),
                 std::make_tuple(49, 1000, 20000, 15000, 1, 1));
    }
};

QTEST_MAIN(ShapeFormTest)
#include "ShapeFormTest.moc"
