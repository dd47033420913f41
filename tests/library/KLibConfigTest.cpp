#include "library/KLibConfig.h"

#include "GuiTest.h"
#include "TempWorkDir.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

namespace {

// What the library table does when the form asks it to show a shape.
void actAsCatalogue(KLibConfig &form)
{
    QObject::connect(&form, &KLibConfig::selIndexShow, &form, [&form](int type) {
        form.hideParameters();
        form.resetPlacement();
        form.setShape(type);
    });
}

void pick(KLibConfig &form, int type)
{
    form.hideParameters();
    form.resetPlacement();
    form.setShape(type);
}

QLabel *labelAt(KLibConfig &form, int x, int y)
{
    for (QLabel *label : form.findChildren<QLabel *>()) {
        if (label->pos() == QPoint(x, y))
            return label;
    }
    return nullptr;
}

QString records(const KLibConfig &form)
{
    QStringList out;
    for (int k = 0; k < PattenList::kRecords; ++k) {
        const patten_t &p = form.pattens().at(k);
        out << QStringLiteral("%1/%2/%3/%4/%5/%6")
                   .arg(p.type)
                   .arg(p.b)
                   .arg(p.offsetX)
                   .arg(p.offsetY)
                   .arg(p.fileNo)
                   .arg(p.extentX);
    }
    return out.join(QLatin1Char(' '));
}

} // namespace

class KLibConfigTest : public QObject
{
    Q_OBJECT
private slots:
    void controlsAtTheirPlaces();
    void returnAndRadiosEmitOnce();
    void shapeFields_data();
    void shapeFields();
    void customFileAndOtherIndexes();
    void gridShapeLocksPlacement();
    void swapThroughTheForm();
    void changeCompensatesNextPattern();
    void fractionalValuesSurviveReselection();
    void showIndexSignalsFirst();
    void steps();
    void addingFromTheCatalogue();
    void mirrorAndAngleReading();
    void customFileData();
    void signalsOfListOperations();
};

void KLibConfigTest::controlsAtTheirPlaces()
{
    KLibConfig form;
    QCOMPARE(form.font().pointSize(), 10);
    const struct {
        const char *text;
        int x;
        int y;
    } labels[] = {{"X位移:", 5, 8},  {"Y位移:", 110, 8},  {"旋转角度[度]:", 215, 8}, {"镜像:", 370, 8},
                  {"X个数:", 5, 48}, {"Y个数:", 110, 48}, {"X间距:", 215, 48},       {"Y间距:", 320, 48}};
    for (const auto &l : labels) {
        QLabel *label = labelAt(form, l.x, l.y);
        QVERIFY2(label, l.text);
        QCOMPARE(label->text(), QString::fromUtf8(l.text));
    }
    const struct {
        QLineEdit *edit;
        const char *text;
        int x;
        int y;
    } edits[] = {{form.offsetXEdit(), "0", 52, 5}, {form.offsetYEdit(), "0", 157, 5}, {form.angleEdit(), "0", 305, 5},
                 {form.countXEdit(), "1", 52, 45}, {form.countYEdit(), "1", 157, 45}, {form.spaceXEdit(), "0", 262, 45},
                 {form.spaceYEdit(), "0", 367, 45}};
    for (const auto &e : edits) {
        QCOMPARE(e.edit->geometry(), QRect(e.x, e.y, 50, 20));
        QCOMPARE(e.edit->text(), QString::fromLatin1(e.text));
    }
    const struct {
        int mirror;
        const char *text;
        int x;
    } radios[] = {{0, "无", 410}, {2, "X", 450}, {1, "Y", 490}, {3, "XY", 530}};
    for (const auto &r : radios) {
        QCOMPARE(form.mirrorRadio(r.mirror)->text(), QString::fromUtf8(r.text));
        QCOMPARE(form.mirrorRadio(r.mirror)->pos(), QPoint(r.x, 5));
    }
    QVERIFY(form.mirrorRadio(0)->isChecked());
    for (int k = 0; k < PattenForm::FieldCount; ++k) {
        QCOMPARE(form.paramLabel(k)->text(), QString(QLatin1Char(char('a' + k))) + QLatin1Char(':'));
        QCOMPARE(form.paramLabel(k)->pos(), QPoint(5 + 80 * k, 88));
        QCOMPARE(form.paramEdit(k)->geometry(), QRect(20 + 80 * k, 85, 50, 20));
        QCOMPARE(form.paramLabel(k)->buddy(), form.paramEdit(k));
        // No parameter field shows until a catalogue entry is chosen.
        QVERIFY(form.paramEdit(k)->isHidden());
        QVERIFY(form.paramLabel(k)->isHidden());
    }
    QCOMPARE(form.paramEdit(0)->text(), QStringLiteral("10"));
    QCOMPARE(form.paramEdit(1)->text(), QString());
    int lines = 0;
    for (QFrame *frame : form.findChildren<QFrame *>()) {
        if (frame->frameShape() == QFrame::HLine) {
            QCOMPARE(frame->frameShadow(), QFrame::Raised);
            QCOMPARE(frame->size(), QSize(560, 5));
            QVERIFY(frame->pos() == QPoint(5, 33) || frame->pos() == QPoint(5, 73));
            ++lines;
        }
    }
    QCOMPARE(lines, 2);
    QCOMPARE(form.getPattenCount(), 0);
}

void KLibConfigTest::returnAndRadiosEmitOnce()
{
    KLibConfig form;
    pick(form, 23);
    QVERIFY(GuiTest::activate(&form));
    QSignalSpy spy(&form, &KLibConfig::parameterChanged);
    QList<QLineEdit *> edits{form.offsetXEdit(), form.offsetYEdit(), form.angleEdit(), form.countXEdit(),
                             form.countYEdit(),  form.spaceXEdit(),  form.spaceYEdit()};
    for (int k = 0; k < PattenForm::FieldCount; ++k)
        edits << form.paramEdit(k);
    for (QLineEdit *edit : edits) {
        spy.clear();
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(spy.count(), 1);
        QTest::keyClick(edit, Qt::Key_5);
        QCOMPARE(spy.count(), 1);
    }
    for (int mirror : {2, 1, 3, 0}) {
        spy.clear();
        QTest::mouseClick(form.mirrorRadio(mirror), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QVERIFY(form.mirrorRadio(mirror)->isChecked());
        QCOMPARE(form.getMirror(), mirror);
    }
}

void KLibConfigTest::shapeFields_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QString>("fields");
    const char *rect = "b=200,c=150,d=20";
    const char *ell = "b=200,c=150,d=60,e=30";
    const QStringList table{"b=100",
                            "b=100,c=200",
                            "b=150,c=100,d=20",
                            "b=150,c=100,d=100",
                            "b=100,c=140,d=180",
                            "b=100,c=200",
                            "b=100,c=80,d=50",
                            "b=100,c=70,d=50",
                            "b=100,c=70",
                            "b=100,c=50",
                            rect,
                            rect,
                            rect,
                            rect,
                            rect,
                            rect,
                            rect,
                            rect,
                            ell,
                            ell,
                            ell,
                            QString(ell) + ",f=10",
                            QString(ell) + ",f=10,g=5",
                            QString(ell) + ",f=10"};
    for (int n = 1; n <= 24; ++n)
        QTest::newRow(qPrintable(QStringLiteral("K%1").arg(n))) << n << table.at(n - 1);
}

void KLibConfigTest::shapeFields()
{
    QFETCH(int, shape);
    QFETCH(QString, fields);
    KLibConfig form;
    pick(form, 23); // fields of an earlier shape must not leak into the next
    form.paramEdit(PattenForm::G)->setText(QStringLiteral("99"));
    pick(form, shape);
    QStringList shown;
    for (int k = PattenForm::B; k < PattenForm::FieldCount; ++k) {
        QCOMPARE(form.paramLabel(k)->isHidden(), form.paramEdit(k)->isHidden());
        if (!form.paramEdit(k)->isHidden())
            shown << QString(QLatin1Char(char('a' + k))) + QLatin1Char('=') + form.paramEdit(k)->text();
    }
    QCOMPARE(shown.join(QLatin1Char(',')), fields);
    QVERIFY(!form.paramEdit(PattenForm::A)->isHidden());
    QCOMPARE(form.paramEdit(PattenForm::A)->text(), QStringLiteral("10"));
    QVERIFY(form.angleEdit()->isEnabled());
    QVERIFY(form.spaceXEdit()->isEnabled());
}

void KLibConfigTest::customFileAndOtherIndexes()
{
    KLibConfig form;
    pick(form, 3);
    form.offsetXEdit()->setText(QStringLiteral("7"));
    form.setShape(50);
    form.setShape(-1);
    QVERIFY(!form.paramEdit(PattenForm::D)->isHidden());
    QCOMPARE(form.offsetXEdit()->text(), QStringLiteral("7"));
    pick(form, 0);
    for (int k = 0; k < PattenForm::FieldCount; ++k)
        QVERIFY(form.paramEdit(k)->isHidden());
    QCOMPARE(form.offsetXEdit()->text(), QStringLiteral("0"));
}

void KLibConfigTest::gridShapeLocksPlacement()
{
    KLibConfig form;
    pick(form, 49);
    QVERIFY(!form.angleEdit()->isEnabled());
    for (int m = 0; m < 4; ++m)
        QVERIFY(!form.mirrorRadio(m)->isEnabled());
    QVERIFY(!form.spaceXEdit()->isEnabled());
    QVERIFY(!form.spaceYEdit()->isEnabled());
    QVERIFY(form.countXEdit()->isEnabled());
    QVERIFY(form.offsetXEdit()->isEnabled());
    // The form never enables them again itself.
    pick(form, 1);
    QVERIFY(!form.angleEdit()->isEnabled());
}

// A (offsetX 1000, extentX 4000), B (offsetX 500, extentX 3000), N (offsetX 200).
void KLibConfigTest::swapThroughTheForm()
{
    TempWorkDir dir;
    KLibConfig form;
    const char *setups[][2] = {{"30", "10"}, {"20", "5"}, {"40", "2"}};
    for (const auto &s : setups) {
        pick(form, 1);
        form.paramEdit(PattenForm::B)->setText(QString::fromLatin1(s[0]));
        form.offsetXEdit()->setText(QString::fromLatin1(s[1]));
        QVERIFY(form.addPattenType(1));
    }
    QVERIFY(!form.writeTempFile().isNull());
    form.setSelIndex(0);
    QCOMPARE(form.pattens().current(), 1);
    QVERIFY(!form.earlierPatten());

    form.setSelIndex(-1);
    QCOMPARE(form.pattens().current(), 0);
    const QString before = records(form);
    QVERIFY(!form.laterPatten());
    QVERIFY(!form.earlierPatten());
    QCOMPARE(records(form), before);

    form.setSelIndex(0);
    QSignalSpy update(&form, &KLibConfig::updateLib);
    QVERIFY(form.laterPatten());
    QCOMPARE(update.count(), 1);
    const PattenList &list = form.pattens();
    QCOMPARE(list.at(1).b, 2000);
    QCOMPARE(list.at(1).offsetX, 5500);
    QCOMPARE(list.at(1).fileNo, 2);
    QCOMPARE(list.at(2).b, 3000);
    QCOMPARE(list.at(2).offsetX, -7500);
    QCOMPARE(list.at(2).fileNo, 1);
    QCOMPARE(list.at(3).offsetX, 3700);
    QCOMPARE(list.at(3).fileNo, 3);
}

void KLibConfigTest::changeCompensatesNextPattern()
{
    KLibConfig form;
    for (const char *offset : {"10", "50", "20"}) {
        pick(form, 2);
        form.offsetXEdit()->setText(QString::fromLatin1(offset));
        form.addPattenType(2);
    }
    const patten_t first = form.pattens().at(1);
    const int third = form.pattens().at(3).offsetX;
    form.setSelIndex(1);
    QCOMPARE(form.offsetXEdit()->text(), QStringLiteral("50"));
    form.offsetXEdit()->setText(QStringLiteral("60"));
    QSignalSpy update(&form, &KLibConfig::updateLib);
    form.changePatten();
    QCOMPARE(update.count(), 1);
    QCOMPARE(form.pattens().at(2).offsetX, 6000);
    QCOMPARE(form.pattens().at(3).offsetX, third - 1000);
    QCOMPARE(form.pattens().at(1).offsetX, first.offsetX);
    QCOMPARE(form.pattens().at(1).savedOffsetX, first.savedOffsetX);
    QCOMPARE(form.pattens().at(1).c, first.c);

    // No selection: record 0 takes the form, pattern 1 keeps its offsets.
    form.setSelIndex(-1);
    form.offsetXEdit()->setText(QStringLiteral("33"));
    form.changePatten();
    QCOMPARE(form.pattens().at(0).offsetX, 3300);
    QCOMPARE(form.pattens().at(1).offsetX, first.offsetX);
}

void KLibConfigTest::fractionalValuesSurviveReselection()
{
    KLibConfig form;
    actAsCatalogue(form);
    pick(form, 3);
    form.paramEdit(PattenForm::A)->setText(QStringLiteral("12.5"));
    form.paramEdit(PattenForm::B)->setText(QStringLiteral("-12.5"));
    form.paramEdit(PattenForm::D)->setText(QStringLiteral("0.05"));
    form.offsetYEdit()->setText(QStringLiteral("-3.1"));
    form.spaceXEdit()->setText(QStringLiteral("2.25"));
    form.angleEdit()->setText(QStringLiteral("22.5"));
    form.countYEdit()->setText(QStringLiteral("3"));
    form.mirrorRadio(1)->setChecked(true);
    QVERIFY(form.addPattenType(3));
    QCOMPARE(form.pattens().at(1).a, 1250);
    pick(form, 1);
    form.addPattenType(1);

    form.setSelIndex(0);
    QCOMPARE(form.paramEdit(PattenForm::A)->text(), QStringLiteral("12.5"));
    QCOMPARE(form.paramEdit(PattenForm::B)->text(), QStringLiteral("-12.5"));
    QCOMPARE(form.paramEdit(PattenForm::C)->text(), QStringLiteral("100"));
    QCOMPARE(form.paramEdit(PattenForm::D)->text(), QStringLiteral("0.05"));
    QVERIFY(!form.paramEdit(PattenForm::D)->isHidden());
    QVERIFY(form.paramEdit(PattenForm::E)->isHidden());
    QCOMPARE(form.offsetYEdit()->text(), QStringLiteral("-3.1"));
    QCOMPARE(form.spaceXEdit()->text(), QStringLiteral("2.25"));
    QCOMPARE(form.angleEdit()->text(), QStringLiteral("22.5"));
    QCOMPARE(form.countYEdit()->text(), QStringLiteral("3"));
    QVERIFY(form.mirrorRadio(1)->isChecked());

    const patten_t before = form.pattens().at(1);
    form.changePatten();
    const patten_t &after = form.pattens().at(1);
    QCOMPARE(after.a, 1250);
    QCOMPARE(after.b, -1250);
    QCOMPARE(after.d, 5);
    QCOMPARE(after.offsetY, before.offsetY);
    QCOMPARE(after.spaceX, 225);
    QCOMPARE(after.mirror, 1);

    form.pattens().at(2).angle = 1234567;
    form.setSelIndex(1);
    QCOMPARE(form.angleEdit()->text(), QStringLiteral("1.23457e+06"));
}

void KLibConfigTest::showIndexSignalsFirst()
{
    KLibConfig form;
    pick(form, 7);
    form.addPattenType(7);
    form.paramEdit(PattenForm::B)->setText(QStringLiteral("1"));
    QString textWhenSignalled;
    connect(&form, &KLibConfig::selIndexShow, this,
            [&](int) { textWhenSignalled = form.paramEdit(PattenForm::B)->text(); });
    QSignalSpy spy(&form, &KLibConfig::selIndexShow);
    form.showIndex(1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 7);
    QCOMPARE(textWhenSignalled, QStringLiteral("1"));
    QCOMPARE(form.paramEdit(PattenForm::B)->text(), QStringLiteral("100"));
    form.showIndex(100);
    form.showIndex(-1);
    QCOMPARE(spy.count(), 1);
    // With an empty list, selecting shows record 0.
    KLibConfig empty;
    QSignalSpy emptySpy(&empty, &KLibConfig::selIndexShow);
    empty.setSelIndex(4);
    QCOMPARE(empty.pattens().current(), 0);
    QCOMPARE(emptySpy.count(), 1);
    QCOMPARE(empty.paramEdit(PattenForm::A)->text(), QStringLiteral("0"));
}

void KLibConfigTest::steps()
{
    KLibConfig form;
    QSignalSpy spy(&form, &KLibConfig::parameterChanged);
    form.addX(10);
    QCOMPARE(form.offsetXEdit()->text(), QStringLiteral("10"));
    form.subX(2.5);
    QCOMPARE(form.offsetXEdit()->text(), QStringLiteral("7.5"));
    form.subAngel(0.5);
    QCOMPARE(form.angleEdit()->text(), QStringLiteral("-0.5"));
    form.addAngel(1);
    QCOMPARE(form.angleEdit()->text(), QStringLiteral("0.5"));
    form.offsetYEdit()->setText(QStringLiteral("0.2"));
    form.addY(0.1);
    QCOMPARE(form.offsetYEdit()->text(), QStringLiteral("0.3"));
    form.offsetYEdit()->setText(QStringLiteral("junk"));
    form.subY(4);
    QCOMPARE(form.offsetYEdit()->text(), QStringLiteral("-4"));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(form.pattens().at(0).offsetX, 0);
}

void KLibConfigTest::addingFromTheCatalogue()
{
    KLibConfig form;
    QVERIFY(!form.addPatten(nullptr));
    QCOMPARE(form.getPattenCount(), 0);
    QTableWidget table(25, 2);
    auto *k7 = new QTableWidgetItem(QStringLiteral("K7"));
    table.setItem(3, 1, k7);
    pick(form, 7);
    QVERIFY(form.addPatten(k7));
    QCOMPARE(form.pattens().at(1).type, 7);
    QCOMPARE(form.pattens().at(1).c, 8000);
    for (int k = 2; k <= 99; ++k)
        QVERIFY(form.addPattenType(1));
    QVERIFY(!form.addPatten(k7));
    QVERIFY(!form.addPattenType(2));
    QCOMPARE(form.getPattenCount(), 99);
    QCOMPARE(form.pattens().current(), 99);
}

void KLibConfigTest::mirrorAndAngleReading()
{
    KLibConfig form;
    form.angleEdit()->setText(QStringLiteral(" 30.5 "));
    QCOMPARE(form.getAngel(), 30.5);
    form.angleEdit()->setText(QStringLiteral("inf"));
    QCOMPARE(form.getAngel(), 0.0);
    form.mirrorRadio(3)->setChecked(true);
    QCOMPARE(form.getMirror(), 3);
    QCOMPARE(form.formState().mirror, 3);
    form.mirrorRadio(2)->setChecked(true);
    QCOMPARE(form.getMirror(), 2);
    form.resetPlacement();
    QCOMPARE(form.getMirror(), 0);
    QCOMPARE(form.formState().countX, QStringLiteral("1"));
}

void KLibConfigTest::customFileData()
{
    KLibConfig form;
    pick(form, 0);
    form.setFileSize(2000, 3000);
    form.setFileEnd(1000, 500);
    form.addPattenType(0);
    form.setLibFileName(QStringLiteral("/media/part.nc"));
    QCOMPARE(form.getFileIndex(), 1);
    QCOMPARE(form.getLibFileName(), QStringLiteral("/media/part.nc"));
    QCOMPARE(form.pattens().fileSizeX(1), 3000.0);
    QCOMPARE(form.pattens().fileSizeY(1), 2000.0);
    form.changeFileEnd(-5, 6);
    QCOMPARE(form.pattens().fileEndX(1), -5);
    QCOMPARE(form.pattens().fileEndY(1), 6);
}

void KLibConfigTest::signalsOfListOperations()
{
    KLibConfig form;
    pick(form, 1);
    form.addPattenType(1);
    form.addPattenType(1);
    QSignalSpy update(&form, &KLibConfig::updateLib);
    form.delPatten();
    QCOMPARE(update.count(), 1);
    QVERIFY(form.pattens().at(2).deleted);
    form.setSelIndex(0);
    QCOMPARE(update.count(), 2);
    QVERIFY(form.getEarlierIndexDel());
    QVERIFY(!form.getLaterIndexDel());
    form.newLib();
    QCOMPARE(update.count(), 3);
    QCOMPARE(form.getPattenCount(), 0);
    QVERIFY(!form.pattens().at(2).deleted);
}

QTEST_MAIN(KLibConfigTest)
#include "KLibConfigTest.moc"
