#include "library/KLibConfig.h"
#include "library/KLibConfigFrame.h"
#include "library/KLibFrame.h"
#include "library/KLibList.h"
#include "library/KLibPixmapFrame.h"
#include "library/KLibSimuFrame.h"
#include "library/KLibTable.h"

#include "GuiTest.h"
#include "LibPageFixture.h"

#include "app/base/KButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

class LibPageTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void panelsAreHiddenChildrenOfTheWindow();
    void catalogueFollowsTheList();
    void earlierMovesPastDeletedPattens();
    void laterMovesPastDeletedPattens();
    void capacityIsNinetyNine();
    void deletingMovesTheCurrentRowUp();
    void listStepsOverHiddenRows_data();
    void listStepsOverHiddenRows();
    void catalogueMovesStopAtTheEdges_data();
    void catalogueMovesStopAtTheEdges();
    void viewButtonsFollowTheVisibleView();

private:
    // "K3,-K4,K5": adds those shapes, then deletes the ones marked '-'.
    void build(const QString &spec);
    void add(int shape);
    QStringList rowTexts() const;
    QList<bool> hiddenRows() const;
    bool sevenInputsEnabled(bool enabled) const;
    QPoint currentCell() const { return QPoint(page->libTable->currentColumn(), page->libTable->currentRow()); }

    LibPageFixture fixture;
    KLibFrame *page = nullptr;
    KLibConfig *form = nullptr;
};

void LibPageTest::initTestCase()
{
    QVERIFY(fixture.setUp());
    page = fixture.page;
    form = page->config();
}

void LibPageTest::cleanupTestCase()
{
    fixture.tearDown();
}

void LibPageTest::init()
{
    page->newLib();
}

void LibPageTest::add(int shape)
{
    page->libTable->setSelIndex(shape);
    page->addPatten();
}

void LibPageTest::build(const QString &spec)
{
    const QStringList parts = spec.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &part : parts)
        add(part.mid(part.startsWith(QLatin1Char('-')) ? 2 : 1).toInt());
    for (int row = 0; row < parts.size(); ++row) {
        if (parts.at(row).startsWith(QLatin1Char('-'))) {
            page->libList->setCurrentRow(row);
            page->delPatten();
        }
    }
}

QStringList LibPageTest::rowTexts() const
{
    QStringList texts;
    for (int row = 0; row < page->libList->count(); ++row)
        texts << page->libList->item(row)->text();
    return texts;
}

QList<bool> LibPageTest::hiddenRows() const
{
    QList<bool> hidden;
    for (int row = 0; row < page->libList->count(); ++row)
        hidden << page->libList->isRowHidden(row);
    return hidden;
}

bool LibPageTest::sevenInputsEnabled(bool enabled) const
{
    QList<QWidget *> inputs = {form->angleEdit(), form->spaceXEdit(), form->spaceYEdit()};
    for (int mirror = 0; mirror < 4; ++mirror)
        inputs << form->mirrorRadio(mirror);
    for (QWidget *input : inputs) {
        if (input->isEnabled() != enabled)
            return false;
    }
    return true;
}

void LibPageTest::panelsAreHiddenChildrenOfTheWindow()
{
    QWidget window;
    window.resize(1024, 748);
    KLibFrame frame(&window);
    window.show();
    const QList<QWidget *> panels = {frame.simuFrame, frame.libTable, frame.libList, frame.libTable->configFrame,
                                     frame.libTable->pixmapFrame};
    for (QWidget *panel : panels) {
        QCOMPARE(panel->parentWidget(), &window);
        QVERIFY(!panel->isVisible());
    }
    // The drawing label holds nothing until the catalogue first selects a
    // cell; the catalogue's first cell then names the drawing.
    const KLibPixmapFrame bare(&window);
    QVERIFY(bare.pixmapLabel->text().isEmpty() && bare.pixmapLabel->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(frame.libTable->currentItem(), frame.libTable->shapeItems[0]);
    QCOMPARE(frame.libTable->pixmapFrame->pixmapLabel->text(), QStringLiteral("              零件尺寸图"));
    QCOMPARE(frame.libTable->configFrame->title(), QStringLiteral("零件参数:  <Tab> 切换  <Enter> 修改"));
    frame.showList();
    QVERIFY(frame.libList->isVisible() && !frame.libTable->isVisible());
    frame.showTable();
    QVERIFY(!frame.libList->isVisible() && frame.libTable->isVisible());
}

void LibPageTest::catalogueFollowsTheList()
{
    page->libTable->setSelIndex(12);
    form->offsetXEdit()->setText(QStringLiteral("25"));
    page->addPatten();
    page->libTable->setSelIndex(30);
    QCOMPARE(form->offsetXEdit()->text(), QStringLiteral("0"));
    page->addPatten();
    page->libTable->setSelIndex(49);
    QVERIFY(sevenInputsEnabled(false));
    page->addPatten();
    QCOMPARE(rowTexts(), QStringList({"K12", "K30", "K49"}));
    QCOMPARE(page->libList->currentRow(), 2);

    page->showList();
    page->libList->setCurrentRow(0);
    QCOMPARE(currentCell(), QPoint(0, 6));
    QVERIFY(sevenInputsEnabled(true));
    QCOMPARE(form->offsetXEdit()->text(), QStringLiteral("25"));
    const QPixmap drawing = page->libTable->pixmapFrame->pixmapLabel->pixmap(Qt::ReturnByValue);
    QVERIFY(!drawing.isNull());
    QCOMPARE(drawing.size(), QImage(QStringLiteral(":/icon/tk/k12.png")).size());

    page->libList->setCurrentRow(2);
    QCOMPARE(currentCell(), QPoint(1, 24));
    QVERIFY(sevenInputsEnabled(false));

    page->newLib();
    QCOMPARE(page->libList->count(), 0);
    QVERIFY(page->libTable->isVisible());
    QVERIFY(!page->libList->isVisible());
    QCOMPARE(currentCell(), QPoint(0, 0));
    QLabel *label = page->libTable->pixmapFrame->pixmapLabel;
    QCOMPARE(label->text(), QStringLiteral("              零件尺寸图"));
    QVERIFY(label->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(form->getPattenCount(), 0);
    QVERIFY(sevenInputsEnabled(true));
}

void LibPageTest::earlierMovesPastDeletedPattens()
{
    build(QStringLiteral("K4,-K5,-K6,K7"));
    QCOMPARE(page->libList->currentRow(), 1);
    QVERIFY(page->libList->isRowHidden(1));

    page->libList->setCurrentRow(3);
    page->earlierPatten();
    QCOMPARE(rowTexts(), QStringList({"K7", "K4", "K5", "K6"}));
    QCOMPARE(hiddenRows(), QList<bool>({false, false, true, true}));
    QCOMPARE(page->libList->currentRow(), 0);
    QCOMPARE(form->pattens().current(), 1);
    QCOMPARE(form->pattens().count(), 4);
    // The records moved with the rows.
    const int types[] = {7, 4, 5, 6};
    for (int k = 0; k < 4; ++k)
        QCOMPARE(form->pattens().at(k + 1).type, types[k]);

    QSignalSpy rows(page->libList, &QListWidget::currentRowChanged);
    page->earlierPatten();
    QCOMPARE(rowTexts(), QStringList({"K7", "K4", "K5", "K6"}));
    QCOMPARE(rows.count(), 0);
    QCOMPARE(form->pattens().current(), 1);
}

void LibPageTest::laterMovesPastDeletedPattens()
{
    build(QStringLiteral("K10,-K11,K12"));
    QCOMPARE(page->libList->currentRow(), 0);
    page->laterPatten();
    QCOMPARE(rowTexts(), QStringList({"K11", "K12", "K10"}));
    QCOMPARE(hiddenRows(), QList<bool>({true, false, false}));
    QCOMPARE(page->libList->currentRow(), 2);
    QCOMPARE(form->pattens().current(), 3);
    QVERIFY(form->pattens().at(1).deleted);

    // A deleted pattern that is moved keeps its row hidden.
    page->newLib();
    build(QStringLiteral("-K1,K2"));
    QCOMPARE(page->libList->currentRow(), 0);
    page->laterPatten();
    QCOMPARE(rowTexts(), QStringList({"K2", "K1"}));
    QCOMPARE(hiddenRows(), QList<bool>({false, true}));
    QCOMPARE(page->libList->currentRow(), 1);
}

void LibPageTest::capacityIsNinetyNine()
{
    NoticeRecorder notices;
    page->libTable->setSelIndex(2);
    for (int k = 0; k < PattenList::kMaxPattens; ++k)
        page->addPatten();
    QCOMPARE(page->libList->count(), 99);
    QCOMPARE(form->getPattenCount(), 99);
    QCOMPARE(page->libList->currentRow(), 98);
    QCOMPARE(notices.count(), 0);

    QSignalSpy rows(page->libList, &QListWidget::currentRowChanged);
    page->addPatten();
    QCOMPARE(page->libList->count(), 99);
    QCOMPARE(form->getPattenCount(), 99);
    QCOMPARE(page->libList->currentRow(), 98);
    QCOMPARE(rows.count(), 0);
    QCOMPARE(notices.count(), 1);
    QCOMPARE(notices.last().icon, QMessageBox::Warning);
    QCOMPARE(notices.last().title, QStringLiteral("Brenlo"));
    QCOMPARE(notices.last().text, QStringLiteral("零件已满(最多99个)!"));
    QCOMPARE(notices.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    page->newLib();
    page->libTable->setCurrentItem(nullptr);
    page->addPatten();
    QCOMPARE(page->libList->count(), 0);
    QCOMPARE(form->getPattenCount(), 0);
    QCOMPARE(notices.count(), 1);
}

void LibPageTest::deletingMovesTheCurrentRowUp()
{
    build(QStringLiteral("K1,K2,K3,K4"));
    page->delPatten();
    QCOMPARE(page->libList->currentRow(), 2);
    QCOMPARE(form->pattens().current(), 3);
    QVERIFY(form->pattens().at(4).deleted);

    // Row 0 stays current, hidden, and the form keeps showing it.
    page->libList->setCurrentRow(0);
    page->delPatten();
    QCOMPARE(page->libList->currentRow(), 0);
    QVERIFY(page->libList->isRowHidden(0));
    QCOMPARE(form->pattens().current(), 1);
    QCOMPARE(currentCell(), QPoint(1, 0));

    page->newLib();
    QSignalSpy rows(page->libList, &QListWidget::currentRowChanged);
    page->delPatten();
    QCOMPARE(rows.count(), 0);
}

void LibPageTest::listStepsOverHiddenRows_data()
{
    QTest::addColumn<QString>("pattens");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QList<int>>("steps");

    QTest::newRow("up past one hidden") << "K1,-K2,K3" << 2 << "selUp" << QList<int>{1, 0};
    QTest::newRow("up with only hidden above") << "-K1,K2" << 1 << "selUp" << QList<int>{};
    QTest::newRow("up at row 0") << "K1,K2" << 0 << "selUp" << QList<int>{};
    QTest::newRow("down past two hidden") << "K1,-K2,-K3,K4" << 0 << "selDown" << QList<int>{1, 2, 3};
    QTest::newRow("down at the last row") << "K1,K2" << 1 << "selDown" << QList<int>{};
    QTest::newRow("down from a hidden row") << "K1,-K2,K3" << 1 << "selDown" << QList<int>{2};
    QTest::newRow("up from a hidden row") << "K1,-K2,K3" << 1 << "selUp" << QList<int>{0};
    QTest::newRow("down with only hidden below") << "K1,-K2" << 0 << "selDown" << QList<int>{};
    // Neither stepping nor scrolling changes a list without rows.
    for (const char *slot : {"selUp", "selDown", "numUp", "numDown"})
        QTest::newRow(qPrintable(QStringLiteral("%1 on an empty list").arg(QLatin1String(slot))))
            << "" << -1 << slot << QList<int>{};
}

void LibPageTest::listStepsOverHiddenRows()
{
    QFETCH(QString, pattens);
    QFETCH(int, from);
    QFETCH(QString, slot);
    QFETCH(QList<int>, steps);
    build(pattens);
    page->libList->setCurrentRow(from);

    QSignalSpy rows(page->libList, &QListWidget::currentRowChanged);
    QList<int> patternsShown;
    connect(page->libList, &QListWidget::currentRowChanged, this,
            [this, &patternsShown] { patternsShown << form->pattens().current() - 1; });
    const int scrolled = page->libList->verticalScrollBar()->value();
    const bool invoked = QMetaObject::invokeMethod(page->libList, slot.toLatin1().constData());
    QList<int> reported;
    for (const QList<QVariant> &signal : rows)
        reported << signal.at(0).toInt();
    disconnect(page->libList, &QListWidget::currentRowChanged, this, nullptr);
    QVERIFY(invoked);
    QCOMPARE(reported, steps);
    // Every step reached the form before the next one was taken.
    QCOMPARE(patternsShown, steps);
    QCOMPARE(page->libList->currentRow(), steps.isEmpty() ? from : steps.last());
    QCOMPARE(page->libList->verticalScrollBar()->value(), scrolled);
}

void LibPageTest::catalogueMovesStopAtTheEdges_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("move");
    QTest::addColumn<int>("to");

    QTest::newRow("up") << 7 << "selUp" << 5;
    QTest::newRow("up in row 0") << 1 << "selUp" << 1;
    QTest::newRow("down") << 7 << "selDown" << 9;
    QTest::newRow("down in row 24") << 48 << "selDown" << 48;
    QTest::newRow("left") << 7 << "selLeft" << 6;
    QTest::newRow("left in column 0") << 6 << "selLeft" << 6;
    QTest::newRow("right") << 0 << "selRight" << 1;
    QTest::newRow("right in column 1") << 49 << "selRight" << 49;
}

void LibPageTest::catalogueMovesStopAtTheEdges()
{
    QFETCH(int, from);
    QFETCH(QString, move);
    QFETCH(int, to);
    KLibTable *table = page->libTable;
    table->setSelIndex(from);
    // A move that happens resets the placement; one that does not leaves it.
    form->offsetYEdit()->setText(QStringLiteral("7"));
    QVERIFY(QMetaObject::invokeMethod(table, move.toLatin1().constData()));
    QCOMPARE(table->currentRow() * 2 + table->currentColumn(), to);
    QCOMPARE(form->offsetYEdit()->text(), from == to ? QStringLiteral("7") : QStringLiteral("0"));
}

void LibPageTest::viewButtonsFollowTheVisibleView()
{
    KLibTable *table = page->libTable;
    table->scrollRow = 0;
    page->listButton->click();
    QVERIFY(page->libList->isVisible() && !table->isVisible());
    page->viewDownButton->click();
    QCOMPARE(table->scrollRow, 0);

    page->tableButton->click();
    QVERIFY(table->isVisible() && !page->libList->isVisible());
    for (int k = 0; k < 20; ++k)
        page->viewDownButton->click();
    QCOMPARE(table->scrollRow, KLibTable::kMaxScrollRow);
    page->viewUpButton->click();
    QCOMPARE(table->scrollRow, KLibTable::kMaxScrollRow - 1);
    // The catalogue's cells keep their names: no edit can reach the list.
    QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
}

QTEST_MAIN(LibPageTest)
#include "LibPageTest.moc"
