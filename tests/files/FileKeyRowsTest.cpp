#include "GuiTest.h"
#include "TempWorkDir.h"
#include "app/base/KButton.h"
#include "files/KMenuFile.h"
#include "files/KMenuPreview1.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

struct Key {
    KButton *button;
    int key; // 0 = Esc, n = Fn
    QString text;
    bool icon;
};

void checkKeys(const QList<Key> &keys)
{
    for (const Key &k : keys) {
        const QString name = k.key == 0 ? QStringLiteral("Esc") : QStringLiteral("F%1").arg(k.key);
        QVERIFY2(k.button->geometry() == (k.key == 0 ? QRect(5, 2, 45, 56) : QRect(65 + 105 * (k.key - 1), 2, 100, 56)),
                 qPrintable(name));
        QCOMPARE(k.button->text(), k.text);
        QCOMPARE(k.button->shortcut(),
                 k.key == 0 ? QKeySequence(Qt::Key_Escape) : QKeySequence(Qt::Key_F1 + k.key - 1));
        const QLabel *label = k.button->findChild<QLabel *>();
        QCOMPARE(label->text(), name);
        QCOMPARE(label->pos(), k.key == 0 ? QPoint(22, 2) : QPoint(82, 2));
        QVERIFY2(k.button->icon().isNull() != k.icon, qPrintable(name));
        if (k.icon)
            QCOMPARE(k.button->iconSize(), QSize(32, 32));
    }
}

// One list of what a key row reported, in order.
struct Emitted {
    QStringList list;
    void record(const QString &what) { list << what; }
};

} // namespace

class FileKeyRowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(icons);
        // The lock's own 100 ms are pinned by KButtonTest; here it only
        // paces the keys.
        KButton::setLockInterval(1);
    }
    void init() { QVERIFY(GuiTest::waitClickLockFree()); }

    void filePageKeys()
    {
        QWidget window;
        KMenuFile row(&window);
        QCOMPARE(row.focusPolicy(), Qt::NoFocus);
        checkKeys({{row.escButton, 0, "<<", false},
                   {row.openButton, 1, "打开文件", true},
                   {row.editorButton, 2, "编辑器", true},
                   {row.copyButton, 3, "复制与删除", false},
                   {row.reloadButton, 4, "刷新文件", true},
                   {row.newFileButton, 5, "切换新文件", false},
                   {row.mergeButton, 6, "", false},
                   {row.editPartButton, 7, "编辑部件", true},
                   {row.startPointButton, 8, "移至起点", true}});
        QCOMPARE(row.mergeBox->parentWidget(), row.mergeButton);
        QCOMPARE(row.mergeBox->pos(), QPoint(15, 20));
        QCOMPARE(row.mergeBox->text(), QString("合并部件"));
        QCOMPARE(row.mergeBox->focusPolicy(), Qt::NoFocus);
        QVERIFY(!row.mergeBox->isChecked());
        QVERIFY(row.currentFile.isEmpty() && !row.currentFile.isNull());
        for (KButton *b : row.findChildren<KButton *>())
            QVERIFY(b->isEnabled());
    }

    void filePageReload()
    {
        QWidget window;
        KMenuFile row(&window);
        QStringList opened;
        bool nullPassed = false;
        connect(&row, &KMenuFile::fileOpened, [&](QString &name) {
            nullPassed = nullPassed || name.isNull();
            opened << name;
        });
        row.reloadButton->click();
        QCOMPARE(opened, QStringList{""});
        QVERIFY(!nullPassed);

        // F4 bypasses the click lock: a second press while it is held reloads too.
        const QString path = QDir::currentPath() + "/ncfile/x.nc";
        row.setCurrentFile(path);
        row.reloadButton->click();
        clickLock = true;
        row.reloadButton->click();
        clickLock = false;
        QCOMPARE(opened, (QStringList{"", path, path}));
    }

    void filePageMerge()
    {
        QWidget window;
        window.resize(1024, 60);
        KMenuFile row(&window);
        row.setGeometry(0, 0, 1024, 60);
        QVERIFY(GuiTest::activate(&window));
        QSignalSpy combi(&row, &KMenuFile::combiChanged);

        row.mergeButton->click();
        QCOMPARE(combi.count(), 1);
        QCOMPARE(combi.takeFirst().at(0).toInt(), 1);
        // Only real changes of the box report.
        row.mergeBox->setChecked(true);
        QCOMPARE(combi.count(), 0);
        // The shortcut flips it as the click does.
        QTest::keyClick(&window, Qt::Key_F6);
        WAIT_COMPARE(combi.count(), 1);
        QCOMPARE(combi.takeFirst().at(0).toInt(), 0);
        WAIT_VERIFY(!row.mergeButton->isDown());

        // A disabled key locks its box as well.
        row.mergeButton->setEnabled(false);
        row.mergeButton->click();
        QTest::mouseClick(row.mergeBox, Qt::LeftButton);
        QTest::keyClick(&window, Qt::Key_F6);
        QVERIFY(GuiTest::settle(&window));
        QCOMPARE(combi.count(), 0);
        QVERIFY(!row.mergeBox->isChecked());
        row.mergeButton->setEnabled(true);
        QTest::mouseClick(row.mergeBox, Qt::LeftButton);
        QCOMPARE(combi.count(), 1);
        QCOMPARE(combi.takeFirst().at(0).toInt(), 1);
    }

    void browserKeys()
    {
        QWidget window;
        KMenuPreview1 row(&window);
        QCOMPARE(row.focusPolicy(), Qt::NoFocus);
        checkKeys({{row.escButton, 0, "<<", false},
                   {row.localButton, 1, "本地文件", true},
                   {row.usbButton, 2, "U盘文件", true},
                   {row.editorButton, 3, "编辑器", true},
                   {row.openButton, 4, "打 开", true},
                   {row.addButton, 4, "增加零件", true},
                   {row.previewButton, 5, "", false},
                   {row.compButton, 6, "", false},
                   {row.keyboardButton, 8, " 键 盘", true}});
        for (QCheckBox *box : {row.previewBox, row.compBox}) {
            QCOMPARE(box->pos(), QPoint(10, 20));
            QVERIFY(!box->isChecked());
            QCOMPARE(box->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(row.previewBox->text(), QString("图形预览"));
        QCOMPARE(row.compBox->text(), QString("显示补偿"));
        QVERIFY(row.openButton->isVisibleTo(&row));
        QVERIFY(!row.addButton->isVisibleTo(&row));
        QVERIFY(!row.compButton->isEnabled());
        QVERIFY(!row.keyboardButton->isEnabled());
        QVERIFY(row.escButton->isEnabled() && row.previewButton->isEnabled());
    }

    // Exactly one F4 is visible, and the shortcut reaches that one.
    void browserOpenAndAddForms()
    {
        QWidget window;
        window.resize(1024, 60);
        KMenuPreview1 row(&window);
        row.setGeometry(0, 0, 1024, 60);
        QVERIFY(GuiTest::activate(&window));
        QSignalSpy open(row.openButton, &KButton::clicked);
        QSignalSpy add(row.addButton, &KButton::clicked);
        for (bool openForm : {false, true, false}) {
            row.setOpenForm(openForm);
            QCOMPARE(row.openButton->isVisible(), openForm);
            QCOMPARE(row.addButton->isVisible(), !openForm);
            QTest::keyClick(&window, Qt::Key_F4);
            WAIT_COMPARE(open.count() + add.count(), 1);
            QCOMPARE((openForm ? open : add).count(), 1);
            open.clear();
            add.clear();
        }
    }

    void browserSwitches()
    {
        QWidget window;
        window.resize(1024, 60);
        KMenuPreview1 row(&window);
        row.setGeometry(0, 0, 1024, 60);
        QVERIFY(GuiTest::activate(&window));
        Emitted got;
        connect(&row, &KMenuPreview1::previewChanged, [&](int on) { got.record(QStringLiteral("p%1").arg(on)); });
        connect(&row, &KMenuPreview1::compChanged, [&](int on) { got.record(QStringLiteral("c%1").arg(on)); });

        QTest::mouseClick(row.compBox, Qt::LeftButton); // F6 disabled: nothing
        QVERIFY(!row.compBox->isChecked());
        row.previewButton->click();
        QVERIFY(row.compButton->isEnabled());
        QTest::mouseClick(row.compBox, Qt::LeftButton);
        QTest::mouseClick(row.previewBox, Qt::LeftButton);
        QVERIFY(!row.compButton->isEnabled());
        QVERIFY(row.compBox->isChecked());
        row.compButton->click(); // disabled: nothing
        row.previewButton->click();
        QVERIFY(row.compButton->isEnabled());
        QVERIFY(row.compBox->isChecked());
        row.compButton->click();
        QCOMPARE(got.list, (QStringList{"p1", "c1", "p0", "p1", "c0"}));
    }

    void browserKeyboardKey()
    {
        QWidget window;
        KMenuPreview1 row(&window);
        QSignalSpy shown(&row, &KMenuPreview1::keyShow);
        QSignalSpy hidden(&row, &KMenuPreview1::keyHide);
        // Leaving the browser always reports, even when already hidden.
        row.hideKeyboard();
        QCOMPARE(hidden.count(), 1);
        QCOMPARE(row.keyboardButton->text(), QString(" 键 盘"));

        // F8's press runs the slot for the state it is in.
        emit row.keyboardButton->pressed();
        QCOMPARE(shown.count(), 1);
        QCOMPARE(row.keyboardButton->text(), QString("隐藏键盘"));
        QCOMPARE(row.keyboardButton->shortcut(), QKeySequence(Qt::Key_F8));
        emit row.keyboardButton->pressed();
        QCOMPARE(hidden.count(), 2);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(row.keyboardButton->text(), QString(" 键 盘"));
        QCOMPARE(row.keyboardButton->shortcut(), QKeySequence(Qt::Key_F8));
        QVERIFY(!row.keyboardButton->isEnabled());
    }
};

QTEST_MAIN(FileKeyRowsTest)
#include "FileKeyRowsTest.moc"
