// A press of the mouse whose widget is taken from the operator before the
// release ends then, without acting, and the keyboard works as if it had
// never been. One row per kind of widget that takes a press and way its
// target is taken away:
//   closed   its window closed by a key (Escape closes the dialog)
//   hidden   its page hidden by a key
//   own box  a box of the program's own opens over it (KeyFocus::exec)
//   toolkit  the toolkit's own modal box opens over it (a file dialog's
//            question), application- or window-modal
//   disabled it, or what holds it, is disabled as the program disables it
// x: a row; a number: cannot happen, for the reason below (a skipped row).
//
// | kind (where)                                        | closed | hidden | own box | toolkit | disabled |
// |-----------------------------------------------------|--------|--------|---------|---------|----------|
// | key of a row (step page 返回(0,0)点)                 |   1    |   x    |    x    |    x    |    x     |
// | key with a jog (cutting page 向前爬行)               |   1    |   x    |    x    |    x    | x (page) |
// | jog key of the key pad (method 3)                    |   1    |   x    |    x    |    x    |    x     |
// | jog key of the height page (1 up)                    |   1    |   x    |    x    |    x    | x (group)|
// | check box in a key (browser 显示补偿)                |   1    |   x    |    x    |    x    | x (key)  |
// | check box in a key (movement 微动, one of three)     |   1    |   x    |    x    |    x    | x (key)  |
// | dialog's 确定, 取消 (flame parameters)               |   x    |   2    |    x    |    x    |    3     |
// | radio button, line edit of a dialog                  |   x    |   2    |    x    |    x    |    3     |
// | line edit of the plasma dialog (定位升)              |   x    |   2    |    x    |    x    | x (mode) |
// | toolkit's push button (folder chooser 取消)          |   x    |   2    |    x    |    x    |    3     |
// | push button, radio button, line edit of a page (THC) |   1    |   x    |    x    |    x    |    x     |
// | scroll arrow, handle, page area (THC page, editor)   |   1    |   x    |    x    |    x    |    4     |
// | text view (editor's text mode)                       |   1    |   x    |    x    |    x    |    4     |
// | path views (editor, browser, library, plot, ck, jog) |   1    |   x    |    x    |    x    |    4     |
// | tables, lists: single, extended, multi selection     |   1    |   x    |    x    |    x    |    4     |
// | status: KLabel, KLine (speeds)                       |   5    |   x    |    x    |    x    |    4     |
// | status: the speed dial                               |   5    |   x    |    x    |    x    |    6     |
// | status: KTorch                                       |   7    |   7    |    7    |    7    |    7     |
//  1 on the main window, which no key closes
//  2 a dialog has no pages: its keys close it
//  3 nothing disables the dialog or these parts while it is open (only the
//    plasma dialog's fields are greyed by its positioning mode)
//  4 nothing disables it or what holds it
//  5 never in a dialog
//  6 always disabled: the press goes to the panel under it
//  7 placed with no size: no press reaches it
// Beside the table: the toolkit's box window-modal, or shown without a loop
// of its own; a box answered by its key before the mouse lets go; a dialog
// a key opens over the point held; the page shown again by a click on its
// key, a press on another key, instead of a typed one; a second button
// pressed while the first holds what was taken, clicked before it was taken,
// or sent to a dialog closed since (secondButton); a second button on the key
// a page switch showed at the point, and that press taken in its turn
// (secondButtonOnShownKey, secondButtonOnShownKeyTaken); the mouse after a
// release behind a box (moveAfterBox); and a right click, a context menu and
// a wheel step (otherMouseEvents).

#include "GuiTest.h"
#include "HangGuard.h"
#include "TempWorkDir.h"
#include "ThcFixture.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "app/base/KeyFocus.h"
#include "app/base/KeyOrder.h"
#include "config/KConfigDLZ.h"
#include "config/KConfigFire.h"
#include "config/KMenuConfig.h"
#include "files/KEditor.h"
#include "files/KEditorName.h"
#include "files/KEditorSimuFrame.h"
#include "files/KFastcopy.h"
#include "files/KMenuFastcopy.h"
#include "files/KMenuPreview1.h"
#include "files/KMyView.h"
#include "files/KPreview.h"
#include "files/KPreviewSimuFrame.h"
#include "library/KLibFrame.h"
#include "library/KLibList.h"
#include "library/KLibSimuFrame.h"
#include "library/KLibTable.h"
#include "pages/KCode.h"
#include "pages/KCodeFrame.h"
#include "pages/KCodeNum.h"
#include "pages/KDirectFrame.h"
#include "pages/KMenuCutting.h"
#include "pages/KMenuMovement.h"
#include "pages/KMenuStep.h"
#include "program/KCKSimu.h"
#include "program/KEditSimu.h"
#include "program/KJBSimu.h"
#include "program/KLibSimu.h"
#include "program/KPreviewSimu.h"
#include "program/KSimu.h"
#include "program/SegmentTable.h"
#include "status/KInfo.h"
#include "status/KInfoFrame.h"
#include "status/KLabel.h"
#include "status/KLine.h"
#include "status/KSimuFrame.h"
#include "status/KSpeed.h"
#include "status/KSpeedFrame.h"
#include "status/KTorch.h"
#include "thc/KTHC.h"
#include "thc/KTHCConfig.h"
#include "thc/KTHCFrame.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QCryptographicHash>
#include <QDial>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSharedPointer>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <array>
#include <functional>
#include <memory>

namespace {

enum Way { Closed, Hidden, OwnBox, ToolkitBox, Disabled, WayCount, DialogOver = WayCount };

const char *const kWayNames[WayCount] = {"closed", "hidden", "own box", "toolkit box", "disabled"};

// When a second button is pressed: after the first one's target was taken
// away, or clicked while it still showed; or its press was sent by the window
// system to the target's dialog before the dialog closed, and is read after.
enum SecondPress { AfterTaken, ClickedBefore, ForClosedWindow };

// Why a way cannot happen to a kind (see the table at the top).
const char *const kOnMainWindow = "on the main window, which no key closes";
const char *const kDialogHasNoPage = "a dialog has no pages: its keys close it";
const char *const kDialogNeverDisabled = "nothing disables the dialog or these parts while it is open";
const char *const kNeverDisabled = "nothing disables it or what holds it";
const char *const kNeverInDialog = "never in a dialog";
const char *const kAlwaysDisabled = "always disabled: the press goes to the panel under it";
const char *const kNoSize = "placed with no size: no press reaches it";

// Longer than a scroll arrow's first repeat (500 ms) and a few repeats after
// it: a press that still repeats changes the value within it.
constexpr int kRepeatSpanMs = 700;

// The stand-in main window: a key row with a key that leaves the page (F11)
// and a key that only counts (F12), and the row the leave key shows, whose
// F11 comes back. The subject's page is hidden and shown with the first row,
// as the main window's switch slots do.
struct Rig {
    TempWorkDir dir;
    NoticeRecorder notices{QMessageBox::Ok};
    QWidget window;
    QWidget *rowA;
    QWidget *rowB;
    KButton *leave;
    KButton *probe;
    KButton *back;
    // Opens a dialog of the page (F10), where a kind wires it.
    KButton *opener;
    std::function<void(bool)> showPage;

    Rig()
    {
        window.resize(1024, 748);
        rowA = new QWidget(&window);
        rowB = new QWidget(&window);
        leave = FunctionKey::make(rowA, 8, QStringLiteral("离开"), QString(), QKeySequence(Qt::Key_F11));
        probe = FunctionKey::make(rowA, 9, QStringLiteral("探"), QString(), QKeySequence(Qt::Key_F12));
        opener = FunctionKey::make(rowA, 7, QStringLiteral("打开"), QString(), QKeySequence(Qt::Key_F10));
        back = FunctionKey::make(rowB, 8, QStringLiteral("返回"), QString(), QKeySequence(Qt::Key_F11));
        placeRows(686);
        rowB->hide();
        QObject::connect(leave, &KButton::kclicked, rowA, [this] {
            rowA->hide();
            if (showPage)
                showPage(false);
            rowB->show();
        });
        QObject::connect(back, &KButton::kclicked, rowA, [this] {
            rowB->hide();
            if (showPage)
                showPage(true);
            rowA->show();
        });
    }

    void placeRows(int y)
    {
        rowA->setGeometry(0, y, 1024, 60);
        rowB->setGeometry(0, y, 1024, 60);
    }
};

// One widget of the program as the program builds and places it, and what
// must stay as it was when a press on it is taken away.
struct Subject {
    QWidget *target = nullptr;
    // The spot pressed, and where a drag goes and the release lands in rows
    // released elsewhere; in the target's coordinates.
    QPoint at;
    QPoint elsewhere;
    bool releasedElsewhere = false;
    // The widgets of the page, hidden by the leave key and shown by the back key.
    QList<QWidget *> page;
    std::function<void(bool)> showPage;
    // The window holding the target when it is a dialog, and how the program
    // opens it; the key that closes it, and the key typed there afterwards.
    QDialog *dialog = nullptr;
    std::function<void()> open;
    int closeKey = Qt::Key_Escape;
    // What the closing key changes in the dialog: it is left without OK.
    QStringList closeChanges;
    // Disables it (false) and enables it again (true) as the program does.
    std::function<void(bool)> enable;
    // What the press must leave as it was; a line that starts with "~" may
    // still change until the target is taken away (a scroll arrow repeats),
    // one that starts with "#" once it is shown again (the keyboard put into
    // a field selects its text).
    std::function<QStringList()> state;
    // The press took: the button is down, the slider held.
    std::function<bool()> held;
    // Done while the press is held, before it is taken away (the machine moves).
    std::function<void()> duringHold;
    // Proves over a span that a repeat stopped.
    bool repeats = false;
    // Sets the spots once the window is shown and laid out.
    std::function<void()> aim;
    // The dialog the page's key (the rig's opener) puts over the point held.
    std::function<QDialog *()> cover;

    // Signals whose count is part of the state.
    QList<QPair<QString, QSharedPointer<QSignalSpy>>> counted;
    // Signals that tell the press ended (a jog stops): exactly once, at the
    // moment the target is taken away.
    QList<QPair<QString, QSharedPointer<QSignalSpy>>> ends;

    void count(const QObject *sender, const char *signal, const QString &name)
    {
        counted << qMakePair(name, QSharedPointer<QSignalSpy>::create(sender, signal));
    }
    void end(const QObject *sender, const char *signal, const QString &name)
    {
        ends << qMakePair(name, QSharedPointer<QSignalSpy>::create(sender, signal));
    }

    QStringList snapshot() const
    {
        QStringList lines = state ? state() : QStringList();
        for (const auto &c : counted)
            lines << QStringLiteral("%1=%2").arg(c.first).arg(c.second->count());
        if (auto *button = qobject_cast<QAbstractButton *>(target))
            lines << QStringLiteral("checked=%1").arg(button->isChecked());
        return lines;
    }
    QString endCounts() const
    {
        QStringList lines;
        for (const auto &e : ends)
            lines << QStringLiteral("%1=%2").arg(e.first).arg(e.second->count());
        return lines.join(QLatin1Char(' '));
    }
    QString endedOnce() const
    {
        QStringList lines;
        for (const auto &e : ends)
            lines << QStringLiteral("%1=1").arg(e.first);
        return lines.join(QLatin1Char(' '));
    }
    // Nothing the press began is still going: a button is up, a slider let go.
    bool over() const
    {
        if (auto *button = qobject_cast<QAbstractButton *>(target))
            return !button->isDown();
        if (auto *slider = qobject_cast<QAbstractSlider *>(target))
            return !slider->isSliderDown();
        return true;
    }
};

QStringList without(const QStringList &lines, QChar mark)
{
    QStringList kept;
    for (const QString &line : lines) {
        if (!line.startsWith(mark))
            kept << line;
    }
    return kept;
}

QStringList steady(const QStringList &lines)
{
    return without(lines, QLatin1Char('~'));
}

QStringList shownAgain(const QStringList &lines)
{
    return without(lines, QLatin1Char('#'));
}

// The lines but those of the named counts.
QStringList apartFrom(const QStringList &lines, const QStringList &names)
{
    QStringList kept;
    for (const QString &line : lines) {
        if (!names.contains(line.section(QLatin1Char('='), 0, 0).remove(QLatin1Char('#'))))
            kept << line;
    }
    return kept;
}

QString picture(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    return QString::fromLatin1(QCryptographicHash::hash(QByteArray(reinterpret_cast<const char *>(image.constBits()),
                                                                   int(image.sizeInBytes())),
                                                        QCryptographicHash::Md5)
                                   .toHex());
}

QString rows(QAbstractItemView *view)
{
    QStringList out;
    for (const QModelIndex &index : view->selectionModel()->selectedIndexes())
        out << QStringLiteral("%1:%2").arg(index.row()).arg(index.column());
    out.sort();
    return out.join(QLatin1Char(','));
}

QStringList viewState(QAbstractItemView *view)
{
    return {QStringLiteral("selected=") + rows(view), QStringLiteral("current=%1").arg(view->currentIndex().row())};
}

QPoint rowSpot(QAbstractItemView *view, int row, int column = 0)
{
    const QModelIndex index = view->model()->index(row, column, view->rootIndex());
    return view->viewport()->mapTo(view, view->visualRect(index).center());
}

// The place of a part of a scroll bar, as the bar itself lays it out.
QPoint barSpot(QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

void fillLines(SegmentRecord *table, int count)
{
    SegmentTable::prefill(table);
    for (int r = 0; r < count; ++r) {
        table[r] = SegmentRecord{r % 3 == 0 ? SegType::Rapid : SegType::Line,
                                 3000 * ((r % 4) - 1),
                                 2000 * ((r % 3) - 1),
                                 0,
                                 0,
                                 {0, 0, 0, 0}};
    }
}

QByteArray program(int lines)
{
    QByteArray text;
    for (int n = 0; n < lines; ++n)
        text += QByteArray("G01 X") + QByteArray::number(10 + 7 * n) + " Y" + QByteArray::number(5 * (n % 4)) + "\n";
    return text;
}

void showAll(const QList<QWidget *> &widgets, bool shown)
{
    for (QWidget *w : widgets)
        w->setVisible(shown);
}

// ---------------------------------------------------------------- the kinds

using Build = std::function<void(Rig &, Subject &)>;

struct Kind {
    QString name;
    Build build;
    QString cannot[WayCount];
};

// Key rows of the program lie where the rig's row lies: the rig's goes up.
void rigRowOnTop(Rig &rig)
{
    rig.placeRows(0);
}

void keyTarget(Subject &s, KButton *key)
{
    s.target = key;
    s.at = key->rect().center();
    s.elsewhere = s.at;
    s.count(key, SIGNAL(clicked()), QStringLiteral("clicked"));
    s.count(key, SIGNAL(kclicked()), QStringLiteral("kclicked"));
    s.count(key, SIGNAL(pressed()), QStringLiteral("pressed"));
    s.end(key, SIGNAL(released()), QStringLiteral("released"));
    s.held = [key] { return key->isDown(); };
}

void buttonTarget(Subject &s, QAbstractButton *button)
{
    s.target = button;
    s.at = button->rect().center();
    s.elsewhere = s.at;
    s.count(button, SIGNAL(clicked()), QStringLiteral("clicked"));
    s.count(button, SIGNAL(toggled(bool)), QStringLiteral("toggled"));
    s.held = [button] { return button->isDown(); };
}

// The step page's 返回(0,0)点: a key of the row, disabled by the program
// while the machine is away from the point.
void buildKey(Rig &rig, Subject &s)
{
    rigRowOnTop(rig);
    auto *step = new KMenuStep(&rig.window);
    step->setGeometry(0, 686, 1024, 60);
    step->backZeroButton->setEnabled(true);
    keyTarget(s, step->backZeroButton);
    s.page = {step};
    s.enable = [step](bool on) { step->backZeroButton->setEnabled(on); };
}

// The cutting page's 向前爬行: a creep while it is held.
void buildCreepKey(Rig &rig, Subject &s)
{
    rigRowOnTop(rig);
    auto *cutting = new KMenuCutting(&rig.window);
    cutting->setGeometry(0, 686, 1024, 60);
    cutting->forwardButton->setEnabled(true);
    keyTarget(s, cutting->forwardButton);
    s.count(cutting, SIGNAL(forwardStart(bool)), QStringLiteral("forwardStart"));
    s.page = {cutting};
    // A notice of the process disables the whole page.
    s.enable = [cutting](bool on) { cutting->setEnabled(on); };
}

// The key pad's ↑ in jog method 3: the main window starts a jog on
// pressed() and stops it on released().
void buildPadJog(Rig &rig, Subject &s)
{
    auto *pad = new KDirectFrame(&rig.window);
    pad->setGeometry(2, 464, 256, 220);
    pad->setMethod(3);
    pad->setMotion();
    keyTarget(s, pad->motionKeys[KDirectFrame::Up]);
    s.page = {};
    // Leaving the jog page puts another group on the pad.
    s.showPage = [pad](bool shown) {
        if (shown)
            pad->setMotion();
        else
            pad->setNull();
    };
    // The limit handling disables the jog keys.
    s.enable = [pad](bool on) {
        if (on)
            pad->motionEnable();
        else
            pad->motionDisable();
    };
}

// The height screen as the main window shows it: the lifter keys beside the
// first height page.
KTHC *thcOf(Rig &rig)
{
    rig.dir.writeFile(QStringLiteral("ravok/.tovrelcnc/thcconfig.xml"), ThcFixture::kConfig);
    auto *thc = new KTHC(&rig.window);
    thc->thcFrame->show();
    thc->showTHC1();
    return thc;
}

// The height page's torch up: the lifter moves while it is held.
void buildLifterJog(Rig &rig, Subject &s)
{
    KTHC *thc = thcOf(rig);
    keyTarget(s, thc->thcFrame->up1Button);
    s.end(thc->thcFrame, SIGNAL(sg1Stop()), QStringLiteral("sg1Stop"));
    s.count(thc->thcFrame, SIGNAL(sg1Up()), QStringLiteral("sg1Up"));
    s.page = {thc->thcFrame, thc->thc1Config};
    s.enable = [thc](bool on) {
        thc->thcFrame->group1->setEnabled(on);
        thc->thcFrame->groupAll->setEnabled(on);
    };
}

// The browser's 显示补偿 box inside its key.
void buildSwitchBox(Rig &rig, Subject &s)
{
    rigRowOnTop(rig);
    auto *row = new KMenuPreview1(&rig.window);
    row->setGeometry(0, 686, 1024, 60);
    row->compButton->setEnabled(true);
    buttonTarget(s, row->compBox);
    s.at = QPoint(row->compBox->iconSize().width() / 2 + 2, row->compBox->height() / 2);
    s.count(row, SIGNAL(compChanged(int)), QStringLiteral("compChanged"));
    s.count(row->compButton, SIGNAL(clicked()), QStringLiteral("key clicked"));
    s.page = {row};
    s.enable = [row](bool on) { row->compButton->setEnabled(on); };
}

// The movement page's 微动 box: the jog method, one of three.
void buildModeBox(Rig &rig, Subject &s)
{
    rigRowOnTop(rig);
    auto *movement = new KMenuMovement(&rig.window);
    movement->setGeometry(0, 686, 1024, 60);
    buttonTarget(s, movement->inchBox);
    s.at = QPoint(movement->inchBox->iconSize().width() / 2 + 2, movement->inchBox->height() / 2);
    s.count(movement, SIGNAL(methodChanged(int)), QStringLiteral("methodChanged"));
    s.state = [movement] {
        return QStringList{QStringLiteral("slow=%1").arg(movement->slowBox->isChecked()),
                           QStringLiteral("fast=%1").arg(movement->fastBox->isChecked())};
    };
    s.page = {movement};
    // A jog disables the mode keys of the movement page.
    s.enable = [movement](bool on) { movement->inchModeButton->setEnabled(on); };
}

// The parameter page on the rig, its dialog `which` the subject, with its
// answers counted.
template <typename Dialog> KMenuConfig *configDialogRig(Rig &rig, Subject &s, Dialog *KMenuConfig::*which)
{
    rigRowOnTop(rig);
    auto *config = new KMenuConfig(&rig.window);
    config->setGeometry(0, 686, 1024, 60);
    Dialog *dialog = config->*which;
    s.dialog = dialog;
    s.count(dialog, SIGNAL(accepted()), QStringLiteral("accepted"));
    s.count(dialog, SIGNAL(rejected()), QStringLiteral("rejected"));
    // Left without OK, the dialog keeps its fields as they are; only a
    // field's selection and cursor may follow the keyboard out.
    s.closeChanges = QStringList{QStringLiteral("rejected"), QStringLiteral("selected"), QStringLiteral("cursor")};
    return config;
}

// The flame dialog of the parameter page, opened by its key, with a value
// typed and not yet confirmed.
KMenuConfig *fireDialog(Rig &rig, Subject &s)
{
    KMenuConfig *config = configDialogRig(rig, s, &KMenuConfig::fireDialog);
    KConfigFire *dialog = config->fireDialog;
    s.open = [config, dialog] {
        config->fireConfig();
        dialog->delayEdit->setText(QStringLiteral("7.5"));
    };
    s.count(config, SIGNAL(fDelayChanged(double)), QStringLiteral("fDelayChanged"));
    s.state = [&rig, dialog] {
        return QStringList{QStringLiteral("config.xml written=%1").arg(rig.dir.exists(".tovrelcnc/config.xml")),
                           QStringLiteral("delay=") + dialog->delayEdit->text()};
    };
    return config;
}

void buildDialogOk(Rig &rig, Subject &s)
{
    KMenuConfig *config = fireDialog(rig, s);
    keyTarget(s, config->fireDialog->findChild<KButton *>(QStringLiteral("okButton")));
}

void buildDialogCancel(Rig &rig, Subject &s)
{
    KMenuConfig *config = fireDialog(rig, s);
    keyTarget(s, config->fireDialog->findChild<KButton *>(QStringLiteral("cancelButton")));
}

void buildDialogRadio(Rig &rig, Subject &s)
{
    KMenuConfig *config = fireDialog(rig, s);
    KConfigFire *dialog = config->fireDialog;
    dialog->ck3NoRadio->setChecked(true);
    buttonTarget(s, dialog->ck3YesRadio);
    s.at = QPoint(dialog->ck3YesRadio->iconSize().width() / 2 + 2, dialog->ck3YesRadio->height() / 2);
    s.count(dialog->ck3NoRadio, SIGNAL(toggled(bool)), QStringLiteral("no toggled"));
}

void lineEditTarget(Subject &s, QLineEdit *edit)
{
    s.target = edit;
    s.at = QPoint(4, edit->height() / 2);
    s.elsewhere = QPoint(edit->width() - 4, edit->height() / 2);
    s.releasedElsewhere = true;
    const auto outer = s.state;
    s.state = [edit, outer] {
        QStringList lines = outer ? outer() : QStringList();
        return lines
               + QStringList{QStringLiteral("text=") + edit->text(),
                             QStringLiteral("#selected=") + edit->selectedText(),
                             QStringLiteral("#cursor=%1").arg(edit->cursorPosition())};
    };
}

void buildDialogEdit(Rig &rig, Subject &s)
{
    KMenuConfig *config = fireDialog(rig, s);
    lineEditTarget(s, config->fireDialog->dfEdit);
    const auto open = s.open;
    s.open = [open, config] {
        open();
        config->fireDialog->dfEdit->setText(QStringLiteral("3.25"));
    };
}

// The plasma dialog's 定位升, with a value typed: clicking the positioning
// mode 电容式 greys it while the dialog stands.
void buildPlasmaEdit(Rig &rig, Subject &s)
{
    KMenuConfig *config = configDialogRig(rig, s, &KMenuConfig::dlzDialog);
    KConfigDLZ *dialog = config->dlzDialog;
    s.open = [config, dialog] {
        config->dlzConfig();
        dialog->pzRadio->click();
        dialog->dwUpEdit->setText(QStringLiteral("2.5"));
    };
    s.state = [&rig] {
        return QStringList{QStringLiteral("config.xml written=%1").arg(rig.dir.exists(".tovrelcnc/config.xml"))};
    };
    lineEditTarget(s, dialog->dwUpEdit);
    s.enable = [dialog](bool on) { (on ? dialog->pzRadio : dialog->dyRadio)->click(); };
}

// The copy page's folder chooser: the toolkit's own dialog and buttons.
void buildChooserCancel(Rig &rig, Subject &s)
{
    rigRowOnTop(rig);
    auto *copy = new KMenuFastcopy(&rig.window);
    copy->setGeometry(0, 686, 1024, 60);
    copy->src();
    auto *chooser = copy->findChild<QFileDialog *>();
    QVERIFY(chooser);
    chooser->hide();
    s.dialog = chooser;
    s.open = [copy] { copy->src(); };
    QPushButton *cancel = chooser->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel);
    QVERIFY(cancel);
    buttonTarget(s, cancel);
    s.count(chooser, SIGNAL(rejected()), QStringLiteral("rejected"));
    s.count(chooser, SIGNAL(accepted()), QStringLiteral("accepted"));
    s.closeChanges = QStringList{QStringLiteral("rejected")};
}

// The height page's 测量: a button of a page, disabled while the lifter works.
void buildPageButton(Rig &rig, Subject &s)
{
    KTHC *thc = thcOf(rig);
    KButton *measure = thc->thc1Config->measureButton;
    keyTarget(s, measure);
    // Below the fold: the operator scrolls down to it.
    s.aim = [&s, thc, measure] {
        thc->pageArea->ensureWidgetVisible(measure);
        s.at = s.elsewhere = measure->rect().center();
    };
    s.state = [thc] { return QStringList{QStringLiteral("measuring=%1").arg(thc->measuring)}; };
    s.page = {thc->thcFrame, thc->thc1Config};
    s.enable = [thc](bool on) { thc->thc1Config->measureButton->setEnabled(on); };
}

void buildPageRadio(Rig &rig, Subject &s)
{
    KTHC *thc = thcOf(rig);
    thc->thc1Config->autoRadio->setChecked(true);
    QRadioButton *manual = thc->thc1Config->manuRadio;
    buttonTarget(s, manual);
    s.at = QPoint(manual->iconSize().width() / 2 + 2, manual->height() / 2);
    s.count(thc->thc1Config->autoRadio, SIGNAL(toggled(bool)), QStringLiteral("auto toggled"));
    s.page = {thc->thcFrame, thc->thc1Config};
    s.enable = [manual](bool on) { manual->setEnabled(on); };
}

void buildPageEdit(Rig &rig, Subject &s)
{
    KTHC *thc = thcOf(rig);
    QLineEdit *edit = thc->thc1Config->distAllEdit;
    edit->setText(QStringLiteral("80.25"));
    lineEditTarget(s, edit);
    s.page = {thc->thcFrame, thc->thc1Config};
    s.enable = [edit](bool on) { edit->setEnabled(on); };
}

QScrollBar *thcBar(Rig &rig, Subject &s, KTHC **out = nullptr)
{
    KTHC *thc = thcOf(rig);
    if (out)
        *out = thc;
    s.page = {thc->thcFrame, thc->thc1Config};
    QScrollBar *bar = thc->pageArea->verticalScrollBar();
    s.state = [bar] { return QStringList{QStringLiteral("~value=%1").arg(bar->value())}; };
    return bar;
}

void buildScrollArrow(Rig &rig, Subject &s)
{
    QScrollBar *bar = thcBar(rig, s);
    s.target = bar;
    s.aim = [&s, bar] { s.at = s.elsewhere = barSpot(bar, QStyle::SC_ScrollBarAddLine); };
    s.repeats = true;
    s.count(bar, SIGNAL(actionTriggered(int)), QStringLiteral("~actions"));
    s.held = [bar] { return bar->value() > 0; };
}

KEditor *editorOf(Rig &rig, int lines = 12);
QList<QWidget *> editorPage(KEditor *editor);

// The editor's long program: many pages to step through.
void buildScrollTrough(Rig &rig, Subject &s)
{
    KEditor *editor = editorOf(rig, 400);
    s.page = editorPage(editor);
    QScrollBar *bar = editor->verticalScrollBar();
    s.state = [bar] { return QStringList{QStringLiteral("~value=%1").arg(bar->value())}; };
    s.target = bar;
    // Between the handle and the arrow below it.
    s.aim = [&s, bar] {
        const QPoint arrow = barSpot(bar, QStyle::SC_ScrollBarAddLine);
        s.at = s.elsewhere = QPoint(arrow.x(), arrow.y() - 20);
    };
    s.repeats = true;
    s.held = [bar] { return bar->value() > 0; };
}

void buildScrollHandle(Rig &rig, Subject &s)
{
    QScrollBar *bar = thcBar(rig, s);
    s.target = bar;
    s.aim = [&s, bar] {
        s.at = barSpot(bar, QStyle::SC_ScrollBarSlider);
        s.elsewhere = s.at + QPoint(0, 150);
    };
    s.releasedElsewhere = true;
    s.state = [bar] { return QStringList{QStringLiteral("value=%1").arg(bar->value())}; };
    s.count(bar, SIGNAL(sliderMoved(int)), QStringLiteral("sliderMoved"));
    s.held = [bar] { return bar->isSliderDown(); };
}

// A press on the page's own ground, between its rows.
void buildPageArea(Rig &rig, Subject &s)
{
    KTHC *thc = nullptr;
    QScrollBar *bar = thcBar(rig, s, &thc);
    bar->setValue(40);
    s.target = thc->thc1Config;
    s.at = QPoint(20, 300);
    s.elsewhere = QPoint(20, 100);
    s.releasedElsewhere = true;
    s.state = [bar] { return QStringList{QStringLiteral("value=%1").arg(bar->value())}; };
}

KEditor *editorOf(Rig &rig, int lines)
{
    auto *editor = new KEditor(&rig.window);
    editor->simuFrame->show();
    editor->nameFrame->show();
    rig.dir.writeFile(QStringLiteral("ncfile/p.nc"), program(lines));
    editor->loadFile(rig.dir.filePath(QStringLiteral("ncfile/p.nc")));
    editor->editSimu()->resetView();
    editor->editSimu()->draw();
    return editor;
}

QList<QWidget *> editorPage(KEditor *editor)
{
    return {editor, editor->simuFrame, editor->nameFrame};
}

// The editor's 打开 key opens its file dialog over the table and the drawing.
void openerOpensFileDialog(Rig &rig, Subject &s, KEditor *editor)
{
    QObject::connect(rig.opener, SIGNAL(kclicked()), editor, SLOT(openFile()));
    s.cover = [editor] { return static_cast<QDialog *>(editor->openFileDialog()); };
}

void buildTextView(Rig &rig, Subject &s)
{
    KEditor *editor = editorOf(rig);
    editor->showText();
    QTextEdit *text = editor->textEdit;
    s.target = text->viewport();
    s.at = QPoint(10, 8);
    s.elsewhere = QPoint(120, 60);
    s.releasedElsewhere = true;
    s.state = [text] {
        return QStringList{QStringLiteral("#selected=") + text->textCursor().selectedText(),
                           QStringLiteral("#cursor=%1").arg(text->textCursor().position()),
                           QStringLiteral("modified=%1").arg(text->document()->isModified())};
    };
    s.page = {text, editor->simuFrame, editor->nameFrame};
    openerOpensFileDialog(rig, s, editor);
}

void pathTarget(Subject &s, QWidget *view, std::function<QStringList()> numbers)
{
    s.target = view;
    s.at = QPoint(view->width() / 2, view->height() / 2);
    s.elsewhere = s.at + QPoint(60, 40);
    s.releasedElsewhere = true;
    s.state = [view, numbers] { return numbers() << QStringLiteral("picture=") + picture(view); };
}

std::function<QStringList()> pathNumbers(KPathView *view)
{
    return [view] {
        return QStringList{QStringLiteral("scale=%1").arg(view->getScale()),
                           QStringLiteral("centre=%1,%2").arg(view->getViewCentre().x()).arg(view->getViewCentre().y()),
                           QStringLiteral("zoom=%1").arg(view->getRectZoom())};
    };
}

void buildEditorPath(Rig &rig, Subject &s)
{
    KEditor *editor = editorOf(rig);
    pathTarget(s, editor->editSimu(), pathNumbers(editor->editSimu()));
    s.page = editorPage(editor);
    openerOpensFileDialog(rig, s, editor);
}

// The browser's key row lies where the rig's lies: its keys are not pressed here.
void browserPage(KPreview *browser, Subject &s)
{
    browser->keyRow->hide();
    s.page = {browser,
              browser->previewFrame,
              browser->fileNameEdit,
              browser->folderEdit,
              browser->folderLabel,
              browser->fileNameLabel,
              browser->searchButton};
}

void buildPreviewPath(Rig &rig, Subject &s)
{
    auto *browser = new KPreview(&rig.window);
    browser->setPageVisible(true);
    KPreviewSimu *view = browser->previewFrame->previewSimu;
    fillLines(previewSegments, 9);
    view->previewEnabled = true;
    view->resetView();
    view->draw();
    pathTarget(s, view, pathNumbers(view));
    browserPage(browser, s);
}

void buildLibraryPath(Rig &rig, Subject &s)
{
    auto *library = new KLibFrame(&rig.window);
    library->simuFrame->show();
    KLibSimu *view = library->simuFrame->simu;
    fillLines(libSegments, 9);
    view->resetView();
    view->draw();
    pathTarget(s, view, pathNumbers(view));
    s.page = {library->simuFrame};
}

void buildCuttingPlot(Rig &rig, Subject &s)
{
    auto *frame = new KSimuFrame(&rig.window);
    frame->setGeometry(260, 34, 582, 650);
    frame->showSimu();
    KSimu *plot = frame->simu;
    fillLines(cutSegments, 9);
    plot->resetView();
    plot->draw();
    auto moves = std::make_shared<int>(0);
    KSimu::setPointerMover([moves](const QPoint &) { ++*moves; });
    pathTarget(s, plot, [plot, moves] {
        return QStringList{QStringLiteral("scale=%1").arg(plot->getScale()),
                           QStringLiteral("origin=%1,%2").arg(plot->getOrigin().x()).arg(plot->getOrigin().y()),
                           QStringLiteral("pointer moves=%1").arg(*moves)};
    });
    // The torch moves while the operator holds the plot: the pointer is not
    // put on it meanwhile.
    s.duringHold = [plot] { plot->moveTorch(2000, 1000); };
    s.page = {frame};
}

KSpeedFrame *speedFrameOf(Rig &rig)
{
    auto *frame = new KSpeedFrame(&rig.window);
    frame->setGeometry(844, 530, 178, 154);
    fillLines(cutSegments, 9);
    return frame;
}

void buildPierceView(Rig &rig, Subject &s)
{
    KSpeedFrame *frame = speedFrameOf(rig);
    frame->cksimuShow();
    KCKSimu *view = frame->cksimu;
    view->drawCK(0, 9, 1, 1);
    pathTarget(s, view, [view] {
        return QStringList{
            QStringLiteral("scale=%1").arg(view->getScale()),
            QStringLiteral("centre=%1,%2").arg(view->getViewCentre().x()).arg(view->getViewCentre().y())};
    });
    s.page = {frame};
}

void buildJogView(Rig &rig, Subject &s)
{
    KSpeedFrame *frame = speedFrameOf(rig);
    frame->jbsimuShow();
    KJBSimu *view = frame->jbsimu;
    view->draw();
    pathTarget(s, view, [view] {
        return QStringList{
            QStringLiteral("zoom=%1").arg(view->getZoom()),
            QStringLiteral("centre=%1,%2").arg(view->getViewCentre().x()).arg(view->getViewCentre().y())};
    });
    s.page = {frame};
}

void viewTarget(Subject &s, QAbstractItemView *view, int row, int dragTo, std::function<QStringList()> more = {})
{
    s.target = view;
    s.at = rowSpot(view, row);
    s.elsewhere = rowSpot(view, dragTo);
    s.releasedElsewhere = dragTo != row;
    s.state = [view, more] { return viewState(view) + (more ? more() : QStringList()); };
    s.count(view, SIGNAL(clicked(QModelIndex)), QStringLiteral("clicked"));
    s.count(view, SIGNAL(activated(QModelIndex)), QStringLiteral("activated"));
    s.count(view, SIGNAL(doubleClicked(QModelIndex)), QStringLiteral("doubleClicked"));
}

// A press on a row of a selection of three: on its own it would leave that
// row alone selected when released.
void buildEditorExtended(Rig &rig, Subject &s)
{
    KEditor *editor = editorOf(rig);
    editor->setSelectionMethod(1);
    editor->selectionModel()->select(QItemSelection(editor->model()->index(1, 0), editor->model()->index(3, 0)),
                                     QItemSelectionModel::ClearAndSelect);
    editor->selectionModel()->setCurrentIndex(editor->model()->index(3, 0), QItemSelectionModel::NoUpdate);
    viewTarget(s, editor, 2, 2, [editor] {
        QStringList rowList;
        for (int r : editor->selectedRowList())
            rowList << QString::number(r);
        return QStringList{QStringLiteral("editor rows=") + rowList.join(QLatin1Char(','))};
    });
    s.page = editorPage(editor);
    openerOpensFileDialog(rig, s, editor);
}

void buildEditorMulti(Rig &rig, Subject &s)
{
    KEditor *editor = editorOf(rig);
    editor->setSelectionMethod(2);
    editor->selectionModel()->select(editor->model()->index(1, 0), QItemSelectionModel::Select);
    viewTarget(s, editor, 3, 6);
    s.page = editorPage(editor);
    openerOpensFileDialog(rig, s, editor);
}

void buildProgramLines(Rig &rig, Subject &s)
{
    auto *lines = new KCodeNum(&rig.window);
    lines->setGeometry(2, 143, 256, 319);
    fillLines(cutSegments, 20);
    rig.dir.writeFile(QStringLiteral(".tovrelcnc/t.nc"), program(20));
    KCode *code = lines->codeFrame->code;
    code->setLineCount(20);
    code->loadCode();
    viewTarget(s, code, 2, 6, [code] {
        return QStringList{QStringLiteral("row=%1").arg(code->currentRowNumber()),
                           QStringLiteral("start=%1").arg(code->startRow())};
    });
    s.page = {lines};
}

void buildCatalogue(Rig &rig, Subject &s)
{
    auto *library = new KLibFrame(&rig.window);
    library->showTable();
    viewTarget(s, library->libTable, 1, 3);
    s.page = {library->libTable};
}

void buildPatternList(Rig &rig, Subject &s)
{
    auto *library = new KLibFrame(&rig.window);
    library->showList();
    for (int n = 0; n < 6; ++n)
        library->libList->addItem(QStringLiteral("K%1").arg(n + 1));
    library->libList->setCurrentRow(0);
    viewTarget(s, library->libList, 2, 4);
    s.page = {library->libList};
}

// A long list pressed on the row at its middle: the release that ends the
// press must not fall there, or the list would click that row.
void buildPatternListMiddle(Rig &rig, Subject &s)
{
    auto *library = new KLibFrame(&rig.window);
    library->showList();
    KLibList *list = library->libList;
    for (int n = 0; n < 60; ++n)
        list->addItem(QStringLiteral("K%1").arg(n + 1));
    list->setCurrentRow(0);
    viewTarget(s, list, 0, 0);
    s.aim = [&s, list] {
        s.at = s.elsewhere = list->viewport()->mapTo(list, list->viewport()->rect().center());
        QVERIFY(list->indexAt(list->viewport()->rect().center()).row() > 0);
    };
    s.page = {list};
}

void buildBrowserList(Rig &rig, Subject &s)
{
    for (const char *name : {"a.nc", "b.nc", "c.nc", "d.nc", "e.nc", "f.nc"})
        rig.dir.writeFile(QStringLiteral("ncfile/") + QLatin1String(name), program(3));
    auto *browser = new KPreview(&rig.window);
    browser->setPageVisible(true);
    browser->enterPage();
    viewTarget(s, browser, 1, 4);
    browserPage(browser, s);
}

void buildCopyList(Rig &rig, Subject &s)
{
    for (const char *name : {"a.nc", "b.nc", "c.nc", "d.nc", "e.nc", "f.nc"})
        rig.dir.writeFile(QStringLiteral("ncfile/") + QLatin1String(name), program(3));
    rigRowOnTop(rig);
    auto *copy = new KMenuFastcopy(&rig.window);
    copy->setGeometry(0, 686, 1024, 60);
    copy->fastcopy->show();
    copy->enterPage();
    KMyView *view = copy->fastcopy->desView;
    view->selectionModel()->select(view->model()->index(0, 0, view->rootIndex()), QItemSelectionModel::Select);
    viewTarget(s, view, 1, 4);
    s.page = {copy, copy->fastcopy};
}

KInfo *infoOf(Rig &rig, Subject &s)
{
    auto *frame = new KInfoFrame(&rig.window);
    frame->setGeometry(0, 2, 1024, 30);
    KInfo *info = frame->info;
    s.count(info, SIGNAL(speedClicked()), QStringLiteral("speedClicked"));
    s.page = {frame};
    return info;
}

void buildCaption(Rig &rig, Subject &s)
{
    KInfo *info = infoOf(rig, s);
    s.target = info->cutLabel;
    s.at = info->cutLabel->rect().center();
    s.elsewhere = s.at;
    s.count(info->cutLabel, SIGNAL(clicked()), QStringLiteral("clicked"));
}

void buildSpeedField(Rig &rig, Subject &s)
{
    KInfo *info = infoOf(rig, s);
    info->cutEdit->setText(QStringLiteral("1800"));
    lineEditTarget(s, info->cutEdit);
    s.count(info->cutEdit, SIGNAL(clicked()), QStringLiteral("clicked"));
}

void buildSpeedDial(Rig &rig, Subject &s)
{
    KSpeedFrame *frame = speedFrameOf(rig);
    frame->speedShow();
    QDial *dial = frame->speed->dial;
    dial->setValue(20);
    s.target = dial;
    s.at = QPoint(dial->width() / 2 + 30, dial->height() / 2);
    s.elsewhere = QPoint(dial->width() / 2 - 30, dial->height() / 2);
    s.releasedElsewhere = true;
    s.state = [dial] { return QStringList{QStringLiteral("value=%1").arg(dial->value())}; };
    s.page = {frame};
}

const QList<Kind> &kinds()
{
    // Which ways cannot happen, by the place of the kind.
    const auto page = [](const char *disabled = nullptr) {
        return std::array<QString, WayCount>{QString::fromLatin1(kOnMainWindow), QString(), QString(), QString(),
                                             disabled ? QString::fromLatin1(disabled) : QString()};
    };
    const auto dialog = std::array<QString, WayCount>{QString(), QString::fromLatin1(kDialogHasNoPage), QString(),
                                                      QString(), QString::fromLatin1(kDialogNeverDisabled)};
    auto dialogByMode = dialog;
    dialogByMode[Disabled] = QString();
    const auto status = [](const char *disabled) {
        return std::array<QString, WayCount>{QString::fromLatin1(kNeverInDialog), QString(), QString(), QString(),
                                             QString::fromLatin1(disabled)};
    };
    const auto none = std::array<QString, WayCount>{QString::fromLatin1(kNoSize), QString::fromLatin1(kNoSize),
                                                    QString::fromLatin1(kNoSize), QString::fromLatin1(kNoSize),
                                                    QString::fromLatin1(kNoSize)};
    const auto kind = [](const char *name, Build build, const std::array<QString, WayCount> &cannot) {
        Kind k{QString::fromUtf8(name), std::move(build), {}};
        for (int w = 0; w < WayCount; ++w)
            k.cannot[w] = cannot[w];
        return k;
    };
    static const QList<Kind> list = {
        kind("key", buildKey, page()),
        kind("creep key", buildCreepKey, page()),
        kind("pad jog key", buildPadJog, page()),
        kind("lifter jog key", buildLifterJog, page()),
        kind("switch box in a key", buildSwitchBox, page()),
        kind("mode box in a key", buildModeBox, page()),
        kind("dialog ok", buildDialogOk, dialog),
        kind("dialog cancel", buildDialogCancel, dialog),
        kind("dialog radio", buildDialogRadio, dialog),
        kind("dialog edit", buildDialogEdit, dialog),
        kind("plasma dialog edit", buildPlasmaEdit, dialogByMode),
        kind("chooser cancel", buildChooserCancel, dialog),
        kind("page button", buildPageButton, page()),
        kind("page radio", buildPageRadio, page()),
        kind("page edit", buildPageEdit, page()),
        kind("scroll arrow", buildScrollArrow, page(kNeverDisabled)),
        kind("editor scroll trough", buildScrollTrough, page(kNeverDisabled)),
        kind("scroll handle", buildScrollHandle, page(kNeverDisabled)),
        kind("page area", buildPageArea, page(kNeverDisabled)),
        kind("text view", buildTextView, page(kNeverDisabled)),
        kind("editor path", buildEditorPath, page(kNeverDisabled)),
        kind("browser path", buildPreviewPath, page(kNeverDisabled)),
        kind("library path", buildLibraryPath, page(kNeverDisabled)),
        kind("cutting plot", buildCuttingPlot, page(kNeverDisabled)),
        kind("pierce view", buildPierceView, page(kNeverDisabled)),
        kind("jog view", buildJogView, page(kNeverDisabled)),
        kind("table extended", buildEditorExtended, page(kNeverDisabled)),
        kind("table multi", buildEditorMulti, page(kNeverDisabled)),
        kind("program lines", buildProgramLines, page(kNeverDisabled)),
        kind("catalogue", buildCatalogue, page(kNeverDisabled)),
        kind("pattern list", buildPatternList, page(kNeverDisabled)),
        kind("pattern list, middle row", buildPatternListMiddle, page(kNeverDisabled)),
        kind("browser list", buildBrowserList, page(kNeverDisabled)),
        kind("copy list", buildCopyList, page(kNeverDisabled)),
        kind("caption", buildCaption, status(kNeverDisabled)),
        kind("speed field", buildSpeedField, status(kNeverDisabled)),
        kind("speed dial", buildSpeedDial, status(kAlwaysDisabled)),
        kind("torch row", Build(), none),
    };
    return list;
}

const Kind *kindNamed(const QString &name)
{
    for (const Kind &k : kinds()) {
        if (k.name == name)
            return &k;
    }
    return nullptr;
}

// ---------------------------------------------------------------- the mouse

// Closes every menu as it opens and notes it: a menu runs a loop of its own,
// which would hold the test until the suite's time limit.
class MenuCatcher : public QObject
{
public:
    MenuCatcher() { QCoreApplication::instance()->installEventFilter(this); }
    ~MenuCatcher() override { QCoreApplication::instance()->removeEventFilter(this); }
    MenuCatcher(const MenuCatcher &) = delete;
    MenuCatcher &operator=(const MenuCatcher &) = delete;

    QString opened() const { return caught.join(QStringLiteral(", ")); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto *popup = static_cast<QWidget *>(watched);
            if (popup->windowType() == Qt::Popup) {
                caught << QString::fromLatin1(popup->metaObject()->className());
                QTimer::singleShot(0, popup, [popup] { popup->close(); });
            }
        }
        return false;
    }

private:
    QStringList caught;
};

QWidget *mainWindowOf(QWidget *widget)
{
    QWidget *w = widget->window();
    while (w->parentWidget())
        w = w->parentWidget()->window();
    return w;
}

// Without a window manager the window system gives a pressed window the
// keyboard.
void pressAt(QWidget *target, const QPoint &at, Qt::MouseButton button = Qt::LeftButton)
{
    QWidget *top = target->window();
    top->windowHandle()->requestActivate();
    QTest::mousePress(top->windowHandle(), button, Qt::NoModifier, target->mapTo(top, at));
}

// The window the pointer's events go to: the pressed one while it stands,
// else the one under the pointer (the main window under a closed dialog).
QWindow *pointerWindow(QWidget *target, QPoint *at)
{
    QWidget *top = target->window();
    if (!top->isVisible()) {
        QWidget *main = mainWindowOf(target);
        *at = main->mapFromGlobal(target->mapToGlobal(*at));
        return main->windowHandle();
    }
    *at = target->mapTo(top, *at);
    return top->windowHandle();
}

void moveTo(QWidget *target, QPoint at)
{
    QWindow *window = pointerWindow(target, &at);
    QTest::mouseMove(window, at);
}

// While a button is held, the window system sends the other buttons' presses
// to the window pressed first, until that window goes.
void pressAgainAt(QWidget *target, QPoint at, Qt::MouseButton button)
{
    QWindow *window = pointerWindow(target, &at);
    QTest::mousePress(window, button, Qt::NoModifier, at);
}

void releaseAt(QWidget *target, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QWindow *window = pointerWindow(target, &at);
    QTest::mouseRelease(window, button, Qt::NoModifier, at);
}

void clickOn(QWidget *widget)
{
    pressAt(widget, widget->rect().center());
    QTest::mouseRelease(widget->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                        widget->mapTo(widget->window(), widget->rect().center()));
}

void type(QWidget *at, int key)
{
    GuiTest::key(at, QEvent::KeyPress, key);
    GuiTest::key(at, QEvent::KeyRelease, key);
}

// The kind built, shown, its dialog open, ready to be pressed.
void ready(const Kind &k, Rig &rig, Subject &s)
{
    k.build(rig, s);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(s.target);
    if (!s.showPage) {
        const QList<QWidget *> page = s.page;
        s.showPage = [page](bool shown) { showAll(page, shown); };
    }
    rig.showPage = s.showPage;
    QVERIFY(GuiTest::activate(&rig.window));
    if (s.dialog) {
        s.open();
        WAIT_VERIFY(s.dialog->isActiveWindow());
    }
    if (s.aim)
        s.aim();
    QVERIFY(s.target->isVisible());
}

// Runs `box` as the program runs one (ours by KeyFocus::exec, the toolkit's
// by its own exec with `modality`) and calls `inLoop` inside its loop once
// it stands. The box closes whatever `inLoop` did or failed; true when
// `inLoop` ran.
bool runBox(QMessageBox &box, Way way, Qt::WindowModality modality, const std::function<void()> &inLoop)
{
    bool ran = false;
    QTimer::singleShot(0, &box, [&] {
        struct Closer {
            QMessageBox &box;
            ~Closer() { box.done(QMessageBox::Ok); }
        } closer{box};
        QVERIFY(GuiTest::waitUntil([&] { return box.isVisible(); }, kHangGuardMs));
        ran = true;
        inLoop();
    });
    QTimer::singleShot(4 * kHangGuardMs, &box, [&] { box.done(QMessageBox::Ok); });
    if (way == OwnBox) {
        KeyFocus::exec(&box);
    } else {
        box.setWindowModality(modality);
        box.exec();
    }
    return ran;
}

} // namespace

class TakenPressTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(icons);
        Q_INIT_RESOURCE(libpictures);
        KeyOrder::install();
        qputenv("TOVREL_KEY_LIMIT_REPORT", "1");
        // The test library stamps keys with the time since the start and
        // mice with a count of its own; the click lock compares the two. The
        // count set far ahead keeps every click judged as the lock judges
        // the window system's stamps, which come from one clock.
        QTest::lastMouseTimestamp = 1000000000;
    }

    void init() { QVERIFY(GuiTest::waitClickLockFree()); }

    void cleanup()
    {
        KSimu::setPointerMover(nullptr);
        // No key of a row may still wait for its turn.
        WAIT_COMPARE(KeyOrder::instance()->heldKeys(), 0);
    }

    void takenPress_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("way");
        QTest::addColumn<int>("modality");
        QTest::addColumn<bool>("backByMouse");
        // The toolkit's box is shown, not run in a loop of its own.
        QTest::addColumn<bool>("shown");
        // The box is answered by a key before the mouse lets go.
        QTest::addColumn<bool>("answeredFirst");
        for (const Kind &k : kinds()) {
            for (int w = 0; w < WayCount; ++w) {
                const QByteArray name = (k.name + QStringLiteral(" / ") + QLatin1String(kWayNames[w])).toUtf8();
                QTest::newRow(name.constData()) << k.name << w << int(Qt::ApplicationModal) << false << false << false;
            }
        }
        // The toolkit's box blocks only the windows it was opened from.
        for (const char *k : {"key", "pad jog key", "switch box in a key", "dialog ok", "chooser cancel",
                              "table extended", "scroll arrow"}) {
            const QByteArray name = QByteArray(k) + " / toolkit box, window-modal";
            QTest::newRow(name.constData())
                << QString::fromLatin1(k) << int(ToolkitBox) << int(Qt::WindowModal) << false << false << false;
        }
        for (const char *k : {"key", "pad jog key", "dialog ok", "table extended", "scroll arrow"}) {
            const QByteArray name = QByteArray(k) + " / toolkit box, shown";
            QTest::newRow(name.constData())
                << QString::fromLatin1(k) << int(ToolkitBox) << int(Qt::ApplicationModal) << false << true << false;
        }
        for (const char *k : {"key", "pad jog key", "switch box in a key", "dialog ok", "table extended", "editor path",
                              "scroll arrow"}) {
            for (const int w : {int(OwnBox), int(ToolkitBox)}) {
                const QByteArray name = QByteArray(k) + " / " + kWayNames[w] + ", answered before the release";
                QTest::newRow(name.constData())
                    << QString::fromLatin1(k) << w << int(Qt::ApplicationModal) << false << false << true;
            }
        }
        // A key of the page opens a dialog over the point held.
        for (const char *k : {"table extended", "table multi", "editor path", "text view"}) {
            const QByteArray name = QByteArray(k) + " / dialog over it";
            QTest::newRow(name.constData())
                << QString::fromLatin1(k) << int(DialogOver) << int(Qt::ApplicationModal) << false << false << false;
        }
        // The key that shows the page again is clicked: a press on another
        // key ends what is left of the taken one.
        for (const char *k : {"key", "creep key", "pad jog key", "lifter jog key", "switch box in a key",
                              "mode box in a key", "table extended", "editor path"}) {
            const QByteArray name = QByteArray(k) + " / hidden, back by a click";
            QTest::newRow(name.constData())
                << QString::fromLatin1(k) << int(Hidden) << int(Qt::ApplicationModal) << true << false << false;
        }
    }

    void takenPress()
    {
        QFETCH(QString, kind);
        QFETCH(int, way);
        QFETCH(int, modality);
        QFETCH(bool, backByMouse);
        QFETCH(bool, shown);
        QFETCH(bool, answeredFirst);
        const Kind *k = kindNamed(kind);
        QVERIFY(k);
        if (way < WayCount && !k->cannot[way].isEmpty())
            QSKIP(qPrintable(QStringLiteral("cannot happen: ") + k->cannot[way]));

        Rig rig;
        Subject s;
        ready(*k, rig, s);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(s.target->isEnabled() || kind == QLatin1String("speed dial"));

        pressAt(s.target, s.at);
        if (s.held)
            QVERIFY2(s.held(), "the press did not take");
        if (s.duringHold)
            s.duringHold();
        const QStringList pressed = s.snapshot();
        // The dialog's own key closes it: what the key does is done.
        auto *key = qobject_cast<KButton *>(s.target);
        QStringList keyDid;
        if (way == Closed) {
            keyDid << s.closeChanges;
            if (key && key->shortcut() == QKeySequence(s.closeKey))
                keyDid << QStringLiteral("clicked") << QStringLiteral("kclicked") << QStringLiteral("pressed");
        }
        QStringList taken;

        // While the target is taken: the press has ended, and neither moves
        // nor the release change anything.
        const auto endsWhenTaken = [&] {
            QVERIFY2(GuiTest::waitUntil([&] { return s.over() && s.endCounts() == s.endedOnce(); }, kHangGuardMs),
                     qPrintable(QStringLiteral("the press did not end when taken: ") + s.endCounts()));
            taken = s.snapshot();
            QCOMPARE(apartFrom(steady(taken), keyDid), apartFrom(steady(pressed), keyDid));
            if (s.repeats) {
                // Nothing may happen over a span: a sleep, not a wait.
                QTest::qWait(kRepeatSpanMs);
                QCOMPARE(s.snapshot(), taken);
            }
        };
        const auto letGo = [&] {
            moveTo(s.target, s.releasedElsewhere ? s.elsewhere : s.at);
            QCOMPARE(s.snapshot(), taken);
            releaseAt(s.target, s.releasedElsewhere ? s.elsewhere : s.at);
            QCoreApplication::processEvents();
            QCOMPARE(s.snapshot(), taken);
            QCOMPARE(s.endCounts(), s.endedOnce());
        };
        const auto whileTaken = [&] {
            endsWhenTaken();
            if (!QTest::currentTestFailed())
                letGo();
        };

        switch (way) {
        case Closed:
            // Escape on a held button of the toolkit's, which has the
            // keyboard, lets it go; the next one closes the dialog.
            if (s.target->hasFocus() && qobject_cast<QAbstractButton *>(s.target) && !key) {
                type(s.dialog, s.closeKey);
                WAIT_VERIFY(s.over());
            }
            type(s.dialog, s.closeKey);
            WAIT_VERIFY(!s.dialog->isVisible());
            whileTaken();
            break;
        case Hidden:
            type(&rig.window, Qt::Key_F11);
            WAIT_VERIFY(!s.target->isVisible());
            whileTaken();
            break;
        case OwnBox:
        case ToolkitBox: {
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Brenlo"), QStringLiteral("急停!"), QMessageBox::Ok,
                            s.target->window());
            if (shown) {
                box.setWindowModality(Qt::WindowModality(modality));
                box.show();
                WAIT_VERIFY(box.isVisible());
                whileTaken();
                box.hide();
                break;
            }
            QVERIFY(runBox(box, Way(way), Qt::WindowModality(modality), [&] {
                if (!answeredFirst) {
                    whileTaken();
                    return;
                }
                endsWhenTaken();
                // The operator answers the box with its key, the mouse
                // still held.
                type(&box, Qt::Key_Return);
                QVERIFY(GuiTest::waitUntil([&] { return !box.isVisible(); }, kHangGuardMs));
            }));
            if (answeredFirst && !QTest::currentTestFailed())
                letGo();
            break;
        }
        case Disabled:
            s.enable(false);
            whileTaken();
            s.enable(true);
            break;
        case DialogOver: {
            QVERIFY(s.cover);
            type(&rig.window, Qt::Key_F10);
            WAIT_VERIFY(s.cover() && s.cover()->isVisible());
            QVERIFY(s.cover()->frameGeometry().contains(s.target->mapToGlobal(s.at)));
            whileTaken();
            // The dialog has the keyboard: Escape closes it.
            type(s.cover(), Qt::Key_Escape);
            WAIT_VERIFY(!s.cover()->isVisible());
            break;
        }
        default:
            QFAIL("no such way");
        }
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(s.snapshot(), taken);

        // The keyboard works as if the press had never been: the key typed
        // next acts once, and so does a key clicked next.
        QVERIFY(GuiTest::waitClickLockFree());
        QSignalSpy probe(rig.probe, &KButton::kclicked);
        QSignalSpy back(rig.back, &KButton::kclicked);
        // The dialog's Escape acts on the dialog: what it changes is its own.
        bool escapeTyped = false;
        QString ends = s.endedOnce();
        if (way == Hidden) {
            if (backByMouse)
                clickOn(rig.back);
            else
                type(&rig.window, Qt::Key_F11);
            WAIT_COMPARE(back.count(), 1);
            QVERIFY(s.target->isVisible());
        } else if (s.dialog && s.dialog->isVisible()) {
            // The dialog has the keyboard: its Escape closes it, by its own
            // key when it has one.
            KButton *escape = nullptr;
            for (KButton *b : s.dialog->findChildren<KButton *>()) {
                if (b->shortcut() == QKeySequence(Qt::Key_Escape))
                    escape = b;
            }
            QSignalSpy closed(s.dialog, &QDialog::finished);
            QSignalSpy escaped(escape ? static_cast<QObject *>(escape) : s.dialog,
                               escape ? SIGNAL(kclicked()) : SIGNAL(finished(int)));
            type(s.dialog, Qt::Key_Escape);
            WAIT_COMPARE(closed.count(), 1);
            QCOMPARE(escaped.count(), 1);
            escapeTyped = true;
            // The key typed comes up as any typed key does.
            if (escape == s.target)
                ends = QStringLiteral("released=2");
        } else {
            WAIT_VERIFY(rig.window.isActiveWindow());
            type(&rig.window, Qt::Key_F12);
            WAIT_COMPARE(probe.count(), 1);
        }
        // Shown again, it is as it was.
        if (way == Closed) {
            s.open();
            WAIT_VERIFY(s.dialog->isActiveWindow());
        }
        QVERIFY(GuiTest::waitClickLockFree());
        if (!escapeTyped)
            QCOMPARE(shownAgain(s.snapshot()), shownAgain(taken));
        QVERIFY2(s.over(), "the pressed look came back");
        QCOMPARE(s.endCounts(), ends);

        const int probes = probe.count();
        clickOn(rig.probe);
        WAIT_COMPARE(probe.count(), probes + 1);
        QVERIFY(GuiTest::waitClickLockFree());
        if (way == Hidden && backByMouse) {
            WAIT_VERIFY(rig.window.isActiveWindow());
            type(&rig.window, Qt::Key_F12);
            WAIT_COMPARE(probe.count(), probes + 2);
        }
        if (!escapeTyped)
            QCOMPARE(shownAgain(s.snapshot()), shownAgain(taken));
        QCOMPARE(s.endCounts(), ends);
        if (s.dialog)
            s.dialog->hide();
    }

    // A press held, a box opened over it, the release behind the box, the box
    // answered: the window heard of the release, so the mouse reaches what
    // lies under it again, not the widget pressed. Only our own box lets that
    // release reach the window; the toolkit's box leaves nothing to lose:
    // blocking the window makes the toolkit forget the widget the press
    // reached, and it drops the release for a blocked window before any
    // filter of the program sees it, so that row holds whatever the program
    // does with such a release.
    void moveAfterBox_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("own box") << int(OwnBox);
        QTest::newRow("toolkit box") << int(ToolkitBox);
    }

    void moveAfterBox()
    {
        QFETCH(int, way);
        Rig rig;
        QVERIFY(GuiTest::activate(&rig.window));
        QWindow *window = rig.window.windowHandle();
        const QPoint pressed = rig.probe->mapTo(&rig.window, rig.probe->rect().center());
        const QPoint other = rig.opener->mapTo(&rig.window, rig.opener->rect().center());
        QTest::mouseMove(window, pressed);
        pressAt(rig.probe, rig.probe->rect().center());
        QVERIFY(rig.probe->isDown());
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Brenlo"), QStringLiteral("急停!"), QMessageBox::Ok,
                        &rig.window);
        QVERIFY(runBox(box, Way(way), Qt::ApplicationModal, [&] {
            QVERIFY(GuiTest::waitUntil([&] { return !rig.probe->isDown(); }, kHangGuardMs));
            QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, pressed);
            QCoreApplication::processEvents();
        }));
        WAIT_VERIFY(rig.window.isActiveWindow());

        QTest::mouseMove(window, other);
        WAIT_VERIFY(rig.opener->underMouse());
        QVERIFY(!rig.probe->underMouse());
        QVERIFY(GuiTest::waitClickLockFree());
        QSignalSpy opened(rig.opener, &KButton::kclicked);
        QSignalSpy probe(rig.probe, &KButton::kclicked);
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, other);
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, other);
        WAIT_COMPARE(opened.count(), 1);
        QCOMPARE(probe.count(), 0);
    }

    // A right click, a context menu asked for and a wheel step pass the
    // program's filters as what they are: the right click clicks no key and
    // opens no menu (a scroll bar's would take the keys), the wheel scrolls
    // the list under it, and the keys act after them.
    void otherMouseEvents()
    {
        MenuCatcher menus;
        Rig rig;
        KEditor *editor = editorOf(rig, 400);
        QVERIFY(GuiTest::activate(&rig.window));
        QWindow *window = rig.window.windowHandle();
        QSignalSpy probe(rig.probe, &KButton::kclicked);
        const QPoint key = rig.probe->mapTo(&rig.window, rig.probe->rect().center());
        QTest::mousePress(window, Qt::RightButton, Qt::NoModifier, key);
        QVERIFY(!rig.probe->isDown());
        QTest::mouseRelease(window, Qt::RightButton, Qt::NoModifier, key);
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, rig.probe->rect().center(),
                               rig.probe->mapToGlobal(rig.probe->rect().center()));
        QCoreApplication::sendEvent(rig.probe, &menu);
        QCoreApplication::processEvents();
        QCOMPARE(probe.count(), 0);
        QVERIFY2(menus.opened().isEmpty(), qPrintable(QStringLiteral("a menu opened: ") + menus.opened()));

        QScrollBar *bar = editor->verticalScrollBar();
        const QPoint onBar = bar->mapTo(&rig.window, bar->rect().center());
        QTest::mousePress(window, Qt::RightButton, Qt::NoModifier, onBar);
        QTest::mouseRelease(window, Qt::RightButton, Qt::NoModifier, onBar);
        QCoreApplication::processEvents();
        QVERIFY2(menus.opened().isEmpty(), qPrintable(QStringLiteral("a menu opened: ") + menus.opened()));

        const int top = bar->value();
        const QPoint inside = editor->viewport()->mapTo(&rig.window, editor->viewport()->rect().center());
        QWheelEvent step(inside, rig.window.mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(window, &step);
        WAIT_VERIFY(bar->value() > top);

        QVERIFY(GuiTest::waitClickLockFree());
        type(&rig.window, Qt::Key_F12);
        WAIT_COMPARE(probe.count(), 1);
        QVERIFY(GuiTest::waitClickLockFree());
        clickOn(rig.probe);
        WAIT_COMPARE(probe.count(), 2);
    }

    // A second button pressed while the first holds what was taken away:
    // the toolkit hands that press to the widget the first one reached,
    // hidden or closed now, or to the main window under a dialog put over the
    // point. Nothing acts, with either release, and the keys work after it.
    // The second press may also come earlier, a click while the target still
    // shows, or be one the window system sent to the dialog before it closed.
    void secondButton_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("way");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("when");
        const struct {
            const char *name;
            Qt::MouseButton first;
            Qt::MouseButton second;
        } pairs[] = {{"right held, left pressed", Qt::RightButton, Qt::LeftButton},
                     {"middle held, left pressed", Qt::MiddleButton, Qt::LeftButton},
                     {"left held, right pressed", Qt::LeftButton, Qt::RightButton}};
        const struct {
            const char *kind;
            Way way;
        } subjects[] = {{"key", Hidden}, {"table multi", Hidden}, {"dialog ok", Closed}};
        for (const auto &subject : subjects) {
            for (const auto &pair : pairs) {
                const QByteArray name = QByteArray(subject.kind) + " / " + kWayNames[subject.way] + ", " + pair.name;
                QTest::newRow(name.constData()) << QString::fromLatin1(subject.kind) << int(subject.way)
                                                << int(pair.first) << int(pair.second) << int(AfterTaken);
            }
            // The right click's release leaves the left press in force: it
            // still ends when the target is taken.
            const QByteArray name =
                QByteArray(subject.kind) + " / " + kWayNames[subject.way] + ", left held, right clicked before";
            QTest::newRow(name.constData()) << QString::fromLatin1(subject.kind) << int(subject.way)
                                            << int(Qt::LeftButton) << int(Qt::RightButton) << int(ClickedBefore);
        }
        QTest::newRow("table multi / dialog over it, right held, left pressed")
            << QStringLiteral("table multi") << int(DialogOver) << int(Qt::RightButton) << int(Qt::LeftButton)
            << int(AfterTaken);
        QTest::newRow("dialog ok / closed, right held, left pressed for the closed dialog")
            << QStringLiteral("dialog ok") << int(Closed) << int(Qt::RightButton) << int(Qt::LeftButton)
            << int(ForClosedWindow);
    }

    void secondButton()
    {
        QFETCH(QString, kind);
        QFETCH(int, way);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, when);
        const auto firstButton = Qt::MouseButton(first);
        const auto secondButton = Qt::MouseButton(second);
        const Kind *k = kindNamed(kind);
        QVERIFY(k);
        Rig rig;
        Subject s;
        ready(*k, rig, s);
        if (QTest::currentTestFailed())
            return;

        pressAt(s.target, s.at, firstButton);
        if (s.held && firstButton == Qt::LeftButton)
            QVERIFY2(s.held(), "the press did not take");
        if (when == ClickedBefore) {
            pressAgainAt(s.target, s.at, secondButton);
            releaseAt(s.target, s.at, secondButton);
            QCoreApplication::processEvents();
            if (s.held)
                QVERIFY2(s.held(), "the click let the press go");
        }
        const QStringList pressed = s.snapshot();
        QStringList keyDid;
        if (way == Closed) {
            keyDid << s.closeChanges;
            type(s.dialog, s.closeKey);
            WAIT_VERIFY(!s.dialog->isVisible());
        } else if (way == DialogOver) {
            type(&rig.window, Qt::Key_F10);
            WAIT_VERIFY(s.cover() && s.cover()->isVisible());
            QVERIFY(s.cover()->frameGeometry().contains(s.target->mapToGlobal(s.elsewhere)));
        } else {
            type(&rig.window, Qt::Key_F11);
            WAIT_VERIFY(!s.target->isVisible());
        }
        WAIT_VERIFY(s.over());
        const QStringList taken = s.snapshot();
        QCOMPARE(apartFrom(taken, keyDid), apartFrom(pressed, keyDid));

        if (when != ClickedBefore) {
            // On a view, another row than the first press's.
            if (when == ForClosedWindow) {
                QTest::mousePress(s.dialog->windowHandle(), secondButton, Qt::NoModifier,
                                  s.target->mapTo(s.dialog, s.elsewhere));
            } else {
                pressAgainAt(s.target, s.elsewhere, secondButton);
            }
            QCOMPARE(s.snapshot(), taken);
            releaseAt(s.target, s.elsewhere, secondButton);
            QCoreApplication::processEvents();
            QCOMPARE(s.snapshot(), taken);
        }
        releaseAt(s.target, s.elsewhere, firstButton);
        QCoreApplication::processEvents();
        QCOMPARE(s.snapshot(), taken);
        QVERIFY(s.over());

        QVERIFY(GuiTest::waitClickLockFree());
        QSignalSpy probe(rig.probe, &KButton::kclicked);
        if (way == Hidden) {
            QSignalSpy back(rig.back, &KButton::kclicked);
            type(&rig.window, Qt::Key_F11);
            WAIT_COMPARE(back.count(), 1);
            QVERIFY(s.target->isVisible());
            QVERIFY(GuiTest::waitClickLockFree());
        } else if (way == DialogOver) {
            s.cover()->reject();
            WAIT_VERIFY(!s.cover()->isVisible());
        }
        WAIT_VERIFY(rig.window.isActiveWindow());
        type(&rig.window, Qt::Key_F12);
        WAIT_COMPARE(probe.count(), 1);
        QVERIFY(GuiTest::waitClickLockFree());
        clickOn(rig.probe);
        WAIT_COMPARE(probe.count(), 2);
        QCOMPARE(shownAgain(s.snapshot()), shownAgain(taken));
    }

    // The same, a key of the next row shown at the point: a left click acts
    // on the key the operator sees there; a right or middle press presses no
    // key there (an Esc key acts on its press).
    void secondButtonOnShownKey_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("right held") << int(Qt::RightButton) << int(Qt::LeftButton);
        QTest::newRow("middle held") << int(Qt::MiddleButton) << int(Qt::LeftButton);
        QTest::newRow("left held, right pressed") << int(Qt::LeftButton) << int(Qt::RightButton);
        QTest::newRow("left held, middle pressed") << int(Qt::LeftButton) << int(Qt::MiddleButton);
    }

    void secondButtonOnShownKey()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        const auto firstButton = Qt::MouseButton(first);
        const auto secondButton = Qt::MouseButton(second);
        const bool left = secondButton == Qt::LeftButton;
        Rig rig;
        QVERIFY(GuiTest::activate(&rig.window));
        QSignalSpy leave(rig.leave, &KButton::kclicked);
        QSignalSpy back(rig.back, &KButton::kclicked);
        QSignalSpy backPressed(rig.back, &KButton::pressed);
        const QPoint at = rig.leave->rect().center();
        pressAt(rig.leave, at, firstButton);
        type(&rig.window, Qt::Key_F11);
        WAIT_VERIFY(rig.back->isVisible());
        QCOMPARE(leave.count(), 1);
        QCOMPARE(rig.back->mapToGlobal(at), rig.leave->mapToGlobal(at));

        QVERIFY(GuiTest::waitClickLockFree());
        pressAgainAt(rig.back, at, secondButton);
        QCOMPARE(backPressed.count(), int(left));
        QCOMPARE(rig.back->isDown(), left);
        releaseAt(rig.back, at, secondButton);
        if (left) {
            WAIT_COMPARE(back.count(), 1);
            QVERIFY(rig.leave->isVisible());
        }
        releaseAt(rig.leave, at, firstButton);
        QCoreApplication::processEvents();
        QCOMPARE(leave.count(), 1);
        QCOMPARE(back.count(), int(left));
        QCOMPARE(backPressed.count(), int(left));

        QVERIFY(GuiTest::waitClickLockFree());
        if (!left) {
            type(&rig.window, Qt::Key_F11);
            WAIT_COMPARE(back.count(), 1);
            QVERIFY(GuiTest::waitClickLockFree());
        }
        QSignalSpy probe(rig.probe, &KButton::kclicked);
        type(&rig.window, Qt::Key_F12);
        WAIT_COMPARE(probe.count(), 1);
        QCOMPARE(leave.count(), 1);
    }

    // The left press handed to the key shown at the point is itself taken
    // away before its release: the key comes up then, its release clicks
    // nothing, and the keys act after it.
    void secondButtonOnShownKeyTaken_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("hidden by a key") << int(Hidden);
        QTest::newRow("own box") << int(OwnBox);
        QTest::newRow("toolkit box") << int(ToolkitBox);
    }

    void secondButtonOnShownKeyTaken()
    {
        QFETCH(int, way);
        Rig rig;
        // The next row's Esc acts on its press, as the program's do.
        KButton *escape =
            FunctionKey::make(rig.rowB, 0, QStringLiteral("返回"), QString(), QKeySequence(Qt::Key_Escape));
        QObject::connect(escape, &KButton::pressed, rig.rowB, [&rig] {
            rig.rowB->hide();
            rig.rowA->show();
        });
        QVERIFY(GuiTest::activate(&rig.window));
        QSignalSpy backClicked(rig.back, &KButton::clicked);
        QSignalSpy backReleased(rig.back, &KButton::released);
        const QPoint at = rig.leave->rect().center();
        pressAt(rig.leave, at, Qt::RightButton);
        type(&rig.window, Qt::Key_F11);
        WAIT_VERIFY(rig.back->isVisible());
        QVERIFY(GuiTest::waitClickLockFree());
        pressAgainAt(rig.back, at, Qt::LeftButton);
        QVERIFY(rig.back->isDown());

        if (way == Hidden) {
            type(&rig.window, Qt::Key_Escape);
            WAIT_VERIFY(!rig.back->isVisible());
            QVERIFY2(!rig.back->isDown(), "the key stayed down when hidden");
        } else {
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Brenlo"), QStringLiteral("急停!"), QMessageBox::Ok,
                            &rig.window);
            QVERIFY(runBox(box, Way(way), Qt::ApplicationModal, [&] {
                QVERIFY2(GuiTest::waitUntil([&] { return !rig.back->isDown(); }, kHangGuardMs),
                         "the key stayed down under the box");
                type(&box, Qt::Key_Return);
                QVERIFY(GuiTest::waitUntil([&] { return !box.isVisible(); }, kHangGuardMs));
            }));
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(backReleased.count(), 1);
        releaseAt(rig.back, at, Qt::LeftButton);
        releaseAt(rig.back, at, Qt::RightButton);
        QCoreApplication::processEvents();
        QCOMPARE(backClicked.count(), 0);
        QVERIFY(!rig.back->isDown());

        QVERIFY(GuiTest::waitClickLockFree());
        WAIT_VERIFY(rig.window.isActiveWindow());
        if (rig.rowB->isVisible()) {
            type(&rig.window, Qt::Key_Escape);
            WAIT_VERIFY(rig.rowA->isVisible());
            QVERIFY(GuiTest::waitClickLockFree());
        }
        QSignalSpy probe(rig.probe, &KButton::kclicked);
        type(&rig.window, Qt::Key_F12);
        WAIT_COMPARE(probe.count(), 1);
        QVERIFY(GuiTest::waitClickLockFree());
        clickOn(rig.probe);
        WAIT_COMPARE(probe.count(), 2);
        QCOMPARE(backClicked.count(), 0);
    }
};

QTEST_MAIN(TakenPressTest)
#include "TakenPressTest.moc"
