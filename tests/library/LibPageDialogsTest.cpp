#include "library/KLibFrame.h"
#include "library/KLibSimuFrame.h"
#include "library/KLibTable.h"
#include "library/KMenuLib.h"
#include "library/KStepConfigDialog.h"

#include "GuiTest.h"
#include "LibPageFixture.h"
#include "WriteFault.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "program/KDialogStd.h"
#include "program/KLibSimu.h"

#include <QFileDialog>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// Lowers the file-size limit of the process for one scope, so a write past
// it fails as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        valid_ = getrlimit(RLIMIT_FSIZE, &old_) == 0;
        rlimit lowered = old_;
        lowered.rlim_cur = bytes;
        valid_ = valid_ && setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    bool isValid() const { return valid_; }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_DFL;
    bool valid_ = false;
};

QStringList texts(const QList<Notice::Request> &notices)
{
    QStringList out;
    for (const Notice::Request &r : notices)
        out << QStringLiteral("%1 %2 %3").arg(r.icon).arg(r.title, r.text);
    return out;
}

KButton *buttonNamed(QWidget *dialog, const QString &text)
{
    for (KButton *button : dialog->findChildren<KButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

class LibPageDialogsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void keyRow_data();
    void keyRow();
    void stepDialog();
    void saveDialog();
    void cancelledSaveChangesNothing();
    void saveKeepsTheOldProgramOnAFullDisk();
    void saveRefusesAFolderAndAMissingProgram();
    void pictures();
    void plateDialogRefusesLengthsOfNoSize();

private:
    LibPageFixture fixture;
    TempWorkDir *work = nullptr;
    KLibFrame *page = nullptr;
    KMenuLib *menu = nullptr;
};

void LibPageDialogsTest::initTestCase()
{
    QVERIFY(fixture.setUp());
    work = fixture.work.get();
    page = fixture.page;
    menu = fixture.menu;
}

void LibPageDialogsTest::cleanupTestCase()
{
    fixture.tearDown();
}

void LibPageDialogsTest::keyRow_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("icon");
    QTest::newRow("Esc") << 0 << "<<" << false;
    QTest::newRow("F1") << 1 << "钢板尺寸" << false;
    QTest::newRow("F2") << 2 << "定义废料" << false;
    QTest::newRow("F3") << 3 << " 新 建" << true;
    QTest::newRow("F4") << 4 << "优化保存" << true;
    QTest::newRow("F5") << 5 << "添加、选中\n删除" << false;
    QTest::newRow("F6") << 6 << "移动、旋转\n排序" << false;
    QTest::newRow("F7") << 7 << "查看图形" << false;
    QTest::newRow("F8") << 8 << "步长设置" << true;
}

void LibPageDialogsTest::keyRow()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(bool, icon);
    KButton *const keys[] = {menu->escButton,  menu->plateButton, menu->scrapButton,
                             menu->newButton,  menu->saveButton,  menu->selectButton,
                             menu->moveButton, menu->graphButton, menu->stepButton};
    KButton *button = keys[key];
    QCOMPARE(button->text(), text);
    // Set after the text, so no mnemonic took its place.
    QCOMPARE(button->shortcut(), FunctionKey::defaultShortcut(key));
    QCOMPARE(button->geometry(), FunctionKey::geometryFor(key));
    QCOMPARE(!button->icon().isNull(), icon);
    QLabel *label = button->findChild<QLabel *>();
    QVERIFY(label);
    QCOMPARE(label->text(), FunctionKey::keyName(key));
}

void LibPageDialogsTest::stepDialog()
{
    QStringList steps;
    connect(menu, &KMenuLib::stepChanged, this, [&steps](double v) { steps << QStringLiteral("step(%1)").arg(v); });
    connect(menu, &KMenuLib::gradChanged, this, [&steps](double v) { steps << QStringLiteral("grad(%1)").arg(v); });
    KStepConfigDialog *dialog = menu->stepDialog;

    menu->stepButton->click();
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("步长设置"));
    QCOMPARE(dialog->moveStepEdit->text(), QStringLiteral("10"));
    QCOMPARE(dialog->rotateStepEdit->text(), QStringLiteral("10"));

    dialog->moveStepEdit->setText(QStringLiteral("-2.5"));
    dialog->rotateStepEdit->setText(QStringLiteral("inf"));
    dialog->okButton->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(steps, QStringList({"step(-2.5)", "grad(0)"}));

    menu->stepButton->click();
    dialog->moveStepEdit->setText(QStringLiteral("7"));
    dialog->cancelButton->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(steps.size(), 2);

    menu->stepButton->click();
    QCOMPARE(dialog->moveStepEdit->text(), QStringLiteral("7"));
    dialog->rotateStepEdit->setText(QStringLiteral("1e999"));
    dialog->okButton->click();
    QCOMPARE(steps, QStringList({"step(-2.5)", "grad(0)", "step(7)", "grad(0)"}));

    // F8 does not wait for the click lock that F1 has just taken.
    QVERIFY(GuiTest::waitClickLockFree());
    QSignalSpy newLib(menu->newButton, &KButton::kclicked);
    menu->plateButton->click();
    QVERIFY(KButton::lockRelease()->isActive());
    menu->newButton->click();
    QCOMPARE(newLib.count(), 0);
    menu->stepButton->click();
    QVERIFY(dialog->isVisible());
    dialog->cancelButton->click();
    disconnect(menu, nullptr, this, nullptr);
}

void LibPageDialogsTest::saveDialog()
{
    NoticeRecorder notices;
    const QByteArray program("G00 X       0 Y       0\nG01 X    1000 Y       0\n");
    QVERIFY(work->writeFile(QStringLiteral(".tovrelcnc/l.nc"), program));
    KLibTable *table = page->libTable;
    QSignalSpy saveClick(table, &KLibTable::saveClick);

    table->saveas();
    QFileDialog *dialog = table->saveDialog;
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("保存文件"));
    QCOMPARE(dialog->directory().absolutePath(), QDir::currentPath() + QStringLiteral("/ncfile"));
    QCOMPARE(dialog->nameFilters(), QStringList({"NC文件 (*.NC *.nc *)"}));
    QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
    QCOMPARE(dialog->labelText(QFileDialog::Accept), QStringLiteral("\n保 存\n"));
    QCOMPARE(dialog->labelText(QFileDialog::Reject), QStringLiteral("\n取 消\n"));

    GuiTest::typeFileName(dialog, QStringLiteral("plan"));
    static_cast<QDialog *>(dialog)->accept();
    QCOMPARE(saveClick.count(), 1);
    QCOMPARE(saveClick.at(0).at(0).toBool(), true);
    table->saveAcc();
    QCOMPARE(work->readFile(QStringLiteral("ncfile/plan")), program);
    QVERIFY(!work->exists(QStringLiteral("ncfile/plan.nc")));
    QCOMPARE(notices.count(), 0);

    // A folder browsed to is forgotten: the next showing starts in ncfile again.
    dialog->setDirectory(QDir::tempPath());
    table->saveas();
    QCOMPARE(table->saveDialog.data(), dialog);
    QCOMPARE(dialog->directory().absolutePath(), QDir::currentPath() + QStringLiteral("/ncfile"));
    dialog->reject();

    // An existing program is replaced without a question.
    QVERIFY(work->writeFile(QStringLiteral("ncfile/plan"), "OLD\n"));
    table->saveTo(QDir::currentPath() + QStringLiteral("/ncfile/plan"));
    QCOMPARE(work->readFile(QStringLiteral("ncfile/plan")), program);
    QCOMPARE(notices.count(), 0);
    QVERIFY(QFile::remove(work->filePath(QStringLiteral("ncfile/plan"))));
}

// Cancelled by its 取消 or by Esc, with a name typed, the save dialog asks
// for no save and writes nothing.
void LibPageDialogsTest::cancelledSaveChangesNothing()
{
    NoticeRecorder notices;
    QVERIFY(work->writeFile(QStringLiteral(".tovrelcnc/l.nc"), "G01 X    1000 Y       0\n"));
    QVERIFY(work->writeFile(QStringLiteral("ncfile/plan"), "OLD\n"));
    const QMap<QString, QByteArray> programs = WriteFault::snapshot(work->filePath(QStringLiteral("ncfile")));
    const QMap<QString, QByteArray> own = WriteFault::snapshot(work->filePath(QStringLiteral(".tovrelcnc")));
    KLibTable *table = page->libTable;
    QSignalSpy saveClick(table, &KLibTable::saveClick);
    for (bool byKey : {false, true}) {
        table->saveas();
        QFileDialog *dialog = table->saveDialog;
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        GuiTest::typeFileName(dialog, QStringLiteral("plan"));
        if (byKey) {
            QTest::keyClick(dialog, Qt::Key_Escape);
        } else {
            QPushButton *cancel = nullptr;
            for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
                if (button->text() == QStringLiteral("\n取 消\n"))
                    cancel = button;
            }
            QVERIFY(cancel);
            QTest::mouseClick(cancel, Qt::LeftButton);
        }
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }
    QCOMPARE(saveClick.count(), 0);
    QCOMPARE(WriteFault::snapshot(work->filePath(QStringLiteral("ncfile"))), programs);
    QCOMPARE(WriteFault::snapshot(work->filePath(QStringLiteral(".tovrelcnc"))), own);
    QCOMPARE(notices.count(), 0);
    QVERIFY(QFile::remove(work->filePath(QStringLiteral("ncfile/plan"))));
}

void LibPageDialogsTest::saveKeepsTheOldProgramOnAFullDisk()
{
    NoticeRecorder notices;
    QVERIFY(work->writeFile(QStringLiteral(".tovrelcnc/l.nc"), QByteArray("G01 X    1000 Y       0\n").repeated(4000)));
    QVERIFY(work->writeFile(QStringLiteral("ncfile/plan"), "OLD PROGRAM\n"));
    {
        FileSizeLimit limit(20000);
        QVERIFY(limit.isValid());
        page->libTable->saveTo(QDir::currentPath() + QStringLiteral("/ncfile/plan"));
    }
    QCOMPARE(texts(notices.requests()),
             QStringList({QStringLiteral("%1 Brenlo copy error").arg(QMessageBox::Critical)}));
    QCOMPARE(work->readFile(QStringLiteral("ncfile/plan")), QByteArray("OLD PROGRAM\n"));
    QCOMPARE(QDir(work->filePath(QStringLiteral("ncfile")))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList({"plan"}));
    QVERIFY(QFile::remove(work->filePath(QStringLiteral("ncfile/plan"))));
}

void LibPageDialogsTest::saveRefusesAFolderAndAMissingProgram()
{
    NoticeRecorder notices;
    QVERIFY(work->writeFile(QStringLiteral(".tovrelcnc/l.nc"), "G00 X       0 Y       0\n"));
    QVERIFY(work->writeFile(QStringLiteral("ncfile/dir/f.nc"), "X\n"));
    page->libTable->saveTo(QDir::currentPath() + QStringLiteral("/ncfile/dir"));
    const int critical = QMessageBox::Critical;
    QCOMPARE(texts(notices.requests()), QStringList({QStringLiteral("%1 Brenlo remove error").arg(critical),
                                                     QStringLiteral("%1 Brenlo copy error").arg(critical)}));
    QCOMPARE(work->readFile(QStringLiteral("ncfile/dir/f.nc")), QByteArray("X\n"));

    notices.clear();
    page->libTable->saveTo(QString());
    QCOMPARE(notices.count(), 0);

    QVERIFY(work->writeFile(QStringLiteral("ncfile/keep"), "KEEP\n"));
    QVERIFY(QFile::remove(work->filePath(QStringLiteral(".tovrelcnc/l.nc"))));
    page->libTable->saveTo(QDir::currentPath() + QStringLiteral("/ncfile/keep"));
    QCOMPARE(texts(notices.requests()), QStringList({QStringLiteral("%1 Brenlo copy error").arg(critical)}));
    QCOMPARE(work->readFile(QStringLiteral("ncfile/keep")), QByteArray("KEEP\n"));
}

void LibPageDialogsTest::pictures()
{
    QList<QImage> icons;
    QList<QImage> drawings;
    for (int n = 1; n <= 49; ++n) {
        const QImage icon(QStringLiteral(":/icon/tk/%1.png").arg(n));
        const QImage drawing(QStringLiteral(":/icon/tk/k%1.png").arg(n));
        QVERIFY2(!icon.isNull() && !drawing.isNull(), qPrintable(QString::number(n)));
        QVERIFY(icon.width() >= 78 && icon.width() <= 213 && icon.height() >= 78 && icon.height() <= 156);
        QVERIFY(drawing.width() >= 100 && drawing.width() <= 232);
        QVERIFY(drawing.height() >= 101 && drawing.height() <= 193);
        for (int k = 0; k < icons.size(); ++k) {
            QVERIFY2(icons.at(k) != icon, qPrintable(QStringLiteral("icons %1 and %2").arg(k + 1).arg(n)));
            QVERIFY2(drawings.at(k) != drawing, qPrintable(QStringLiteral("drawings %1 and %2").arg(k + 1).arg(n)));
        }
        icons << icon;
        drawings << drawing;
    }
    QVERIFY(!QFile::exists(QStringLiteral(":/icon/tk/0.png")));
    KLibTable *table = page->libTable;
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("自定义文件"));
    QVERIFY(table->item(0, 0)->icon().isNull());
    QCOMPARE(table->item(24, 1)->text(), QStringLiteral("K49"));
    QVERIFY(!table->item(24, 1)->icon().isNull());
}

void LibPageDialogsTest::plateDialogRefusesLengthsOfNoSize()
{
    KLibSimuFrame frame(fixture.window.get());
    KLibSimu *simu = frame.simu;
    KDialogStd *dialog = simu->plateDialog;
    const double scale = simu->getScale();
    QSignalSpy accepted(dialog, &QDialog::accepted);
    simu->setStdPlatte();
    QVERIFY(dialog->isVisible());
    KButton *ok = buttonNamed(dialog, QStringLiteral("  确定"));
    QVERIFY(ok);

    const struct {
        const char *x;
        const char *y;
        QLineEdit *focus;
    } refused[] = {{"0", "1800", dialog->xLengthEdit},
                   {"3000", "1800.5", dialog->yLengthEdit},
                   {"3000", "-5", dialog->yLengthEdit},
                   {"", "1800", dialog->xLengthEdit},
                   {"99999999999", "1800", dialog->xLengthEdit}};
    GuiTest::activate(dialog);
    for (const auto &r : refused) {
        dialog->xLengthEdit->setText(QString::fromLatin1(r.x));
        dialog->yLengthEdit->setText(QString::fromLatin1(r.y));
        ok->click();
        QVERIFY2(dialog->isVisible(), r.x);
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(simu->getScale(), scale);
        QCOMPARE(dialog->focusWidget(), r.focus);
    }

    dialog->xLengthEdit->setText(QStringLiteral("3000"));
    dialog->yLengthEdit->setText(QStringLiteral("1500"));
    ok->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(accepted.count(), 1);
    QVERIFY(simu->getScale() != scale);

    simu->setStdPlatte();
    dialog->xLengthEdit->setText(QStringLiteral("0"));
    QVERIFY(GuiTest::activate(dialog));
    // The shortcut clicks OK after the button's press animation.
    QTest::keyClick(dialog, Qt::Key_Return);
    QVERIFY(GuiTest::settle(dialog));
    QVERIFY(dialog->isVisible());
    QCOMPARE(accepted.count(), 1);
    dialog->xLengthEdit->setText(QStringLiteral("2500"));
    QTest::keyClick(dialog, Qt::Key_Return);
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(accepted.count(), 2);
}

QTEST_MAIN(LibPageDialogsTest)
#include "LibPageDialogsTest.moc"
