#include "pages/KDirectFrame.h"

#include "app/base/KButton.h"
#include "app/base/FileIcon.h"
#include "pages/ActionButton.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>

namespace {

struct Cell {
    int x;
    int y;
    Qt::Key key;
    const char *name;
    int labelX;
    int labelY;
};

// Indexed by KDirectFrame::Key.
const Cell kCells[KDirectFrame::KeyCount] = {
    {95, 8, Qt::Key_Up, "↑", 50, 2},      {95, 148, Qt::Key_Down, "↓", 50, 2},
    {165, 78, Qt::Key_Right, "→", 50, 2}, {25, 78, Qt::Key_Left, "←", 50, 2},
    {25, 8, Qt::Key_Home, "Home", 34, 1}, {165, 8, Qt::Key_PageUp, "PgUp", 37, 1},
    {25, 148, Qt::Key_End, "End", 44, 1}, {165, 148, Qt::Key_PageDown, "PgDn", 36, 1},
};

constexpr int kCellSize = 65;

// Faces in key order: a resource path is an icon, other text the caption;
// null leaves the cell without a button, "" gives a button with its key
// label only.
using Faces = const char *const[KDirectFrame::KeyCount];

Faces kSimuFaces = {":/icon/go-up.png",         ":/icon/go-down.png", ":/icon/go-next.png", ":/icon/go-previous.png",
                    ":/icon/zoom-original.png", ":/icon/zoom-in.png", ":/icon/jb.png",      ":/icon/zoom-out.png"};
Faces kLibGraphFaces = {":/icon/go-up.png",
                        ":/icon/go-down.png",
                        ":/icon/go-next.png",
                        ":/icon/go-previous.png",
                        ":/icon/zoom-original.png",
                        ":/icon/zoom-in.png",
                        "看零件",
                        ":/icon/zoom-out.png"};
Faces kLibMoveFaces = {"上移\n+X", "下移\n-X", "右移\n-Y", "左移\n+Y", "逆时针\n旋转", "顺时针\n旋转", "先割", "后割"};
Faces kLibSelFaces = {"上一个", "下一个", "右一个", "左一个", "添加", "看图库", "删除", "看列表"};
Faces kMotionFaces = {":/icon/d2.png", ":/icon/d8.png", ":/icon/d6.png", ":/icon/d4.png",
                      ":/icon/d1.png", ":/icon/d3.png", ":/icon/d7.png", ":/icon/d9.png"};
Faces kNumFaces = {"上一条", "下一条", "选条码", "选穿孔", "上一穿孔", "上一页", "下一穿孔", "下一页"};
Faces kPreviewFaces = {"上一个", "下一个", nullptr, nullptr, nullptr, "上一页", nullptr, "下一页"};
Faces kEditorFaces = {"上一条", "下一条", "修 改", "删 除", "上插一条", "上一页", "下插一条", "下一页"};
Faces kNullFaces = {"", "", "", "", "", "", "", ""};

int keyIndex(int qtKey)
{
    for (int k = 0; k < KDirectFrame::KeyCount; ++k) {
        if (kCells[k].key == qtKey)
            return k;
    }
    return -1;
}

} // namespace

KDirectFrame::KDirectFrame(QWidget *parent)
    : QFrame(parent)
{
    // Only the size: the family stays the window's.
    QFont padFont;
    padFont.setPointSize(9);
    setFont(padFont);

    stopButton = new KButton(this);
    stopButton->setGeometry(95, 78, kCellSize, kCellSize);
    stopButton->setText(QStringLiteral("Stop"));
    ActionButton::paint(stopButton, "#FF2F0B", 11);
    stopButton->setShortcut(QKeySequence(Qt::Key_F10));
    stopButton->setEnabled(false);

    buildGroup(simuKeys, kSimuFaces, true, 32);
    buildGroup(libGraphKeys, kLibGraphFaces, true, 32);
    buildGroup(libMoveKeys, kLibMoveFaces, true, 32);
    buildGroup(libSelKeys, kLibSelFaces, true, 32);
    buildGroup(motionKeys, kMotionFaces, true, 48);
    buildGroup(numKeys, kNumFaces, true, 32);
    buildGroup(previewKeys, kPreviewFaces, true, 32);
    buildGroup(editorKeys, kEditorFaces, true, 32);
    // The editor's table moves its own lines with these four keys.
    for (Key k : {Up, Down, PgUp, PgDn})
        editorKeys[k]->setShortcut(QKeySequence());
    buildGroup(nullKeys, kNullFaces, false, 32);

    std::fill(std::begin(armed), std::end(armed), true);
}

void KDirectFrame::buildGroup(KButton **keys, const char *const faces[KeyCount], bool withShortcuts, int arrowIconSize)
{
    for (int k = 0; k < KeyCount; ++k) {
        keys[k] = nullptr;
        if (!faces[k])
            continue;
        const Cell &cell = kCells[k];
        auto *button = new KButton(this);
        button->setGeometry(cell.x, cell.y, kCellSize, kCellSize);
        auto *label = new QLabel(QString::fromUtf8(cell.name), button);
        // Not inherited through the button's style sheet.
        label->setFont(font());
        label->move(cell.labelX, cell.labelY);
        const bool arrow = k == Up || k == Down || k == Left || k == Right;
        const int iconSize = arrow ? arrowIconSize : 32;
        button->setIconSize(QSize(iconSize, iconSize));
        const QString face = QString::fromUtf8(faces[k]);
        if (face.startsWith(QLatin1String(":/")))
            button->setIcon(FileIcon::make(face));
        else
            button->setText(face);
        // After the text, which would put its mnemonic in the shortcut's place.
        if (withShortcuts)
            button->setShortcut(QKeySequence(cell.key));
        button->hide();
        keys[k] = button;
    }
}

void KDirectFrame::hideAllBut()
{
    for (KButton **group :
         {simuKeys, libGraphKeys, libMoveKeys, libSelKeys, motionKeys, numKeys, previewKeys, editorKeys, nullKeys}) {
        for (int k = 0; k < KeyCount; ++k) {
            if (group[k])
                group[k]->hide();
        }
    }
}

void KDirectFrame::showGroup(KButton *const *keys, bool motion)
{
    if (!motion)
        abandonHold();
    jogShown = motion;
    hideAllBut();
    for (int k = 0; k < KeyCount; ++k) {
        if (keys[k])
            keys[k]->show();
    }
}

void KDirectFrame::setSimuGraph()
{
    showGroup(simuKeys, false);
}

void KDirectFrame::setLibGraph()
{
    showGroup(libGraphKeys, false);
    setFocus(Qt::OtherFocusReason);
}

void KDirectFrame::setLibMove()
{
    showGroup(libMoveKeys, false);
    setFocus(Qt::OtherFocusReason);
}

void KDirectFrame::setLibSel()
{
    showGroup(libSelKeys, false);
    setFocus(Qt::OtherFocusReason);
}

void KDirectFrame::setMotion()
{
    showGroup(motionKeys, true);
}

void KDirectFrame::setNumCK()
{
    showGroup(numKeys, false);
}

void KDirectFrame::setPreview()
{
    showGroup(previewKeys, false);
}

void KDirectFrame::setEditor()
{
    showGroup(editorKeys, false);
}

void KDirectFrame::setNull()
{
    showGroup(nullKeys, false);
}

void KDirectFrame::motionEnable()
{
    heldDisabled = 0;
    for (KButton *button : motionKeys)
        button->setEnabled(true);
}

void KDirectFrame::motionDisable()
{
    heldDisabled = 0;
    for (KButton *button : motionKeys)
        button->setEnabled(false);
}

void KDirectFrame::setMethod(int method)
{
    if (method != jogMethod)
        abandonHold();
    jogMethod = method;
    if (method == 3) {
        setJogShortcuts(false);
        setFocus(Qt::OtherFocusReason);
    } else {
        setJogShortcuts(true);
    }
}

void KDirectFrame::setJogShortcuts(bool on)
{
    for (int k = 0; k < KeyCount; ++k)
        motionKeys[k]->setShortcut(on ? QKeySequence(kCells[k].key) : QKeySequence());
}

void KDirectFrame::keyPressEvent(QKeyEvent *event)
{
    if (jogMethod != 3 || !jogShown || !idle)
        return;
    const int key = keyIndex(event->key());
    // A key whose button is disabled (a limit switch tripped in its
    // direction, a move running) starts nothing, as its shortcut would not.
    if (key >= 0 && armed[key] && motionKeys[key]->isEnabled()) {
        motionKeys[key]->setDown(true);
        heldDisabled = 0;
        for (int k = 0; k < KeyCount; ++k) {
            if (k != key) {
                if (motionKeys[k]->isEnabled())
                    heldDisabled |= 1u << k;
                motionKeys[k]->setEnabled(false);
                armed[k] = false;
            }
        }
        heldKey = key;
        endedKey = -1;
        idle = false;
        emitPressed(key);
        // A box the press brought up took the keyboard and ended the hold
        // (focusOutEvent): the release will not come here.
        if (heldKey != key)
            idle = true;
        return;
    }
    idle = false;
}

void KDirectFrame::keyReleaseEvent(QKeyEvent *event)
{
    if (jogMethod != 3 || !jogShown || event->isAutoRepeat())
        return;
    const int key = keyIndex(event->key());
    if (key >= 0 && key == endedKey)
        endedKey = -1;
    else if (key >= 0 && armed[key])
        endHold(key);
    idle = true;
}

// A box that the press brought up (no axis card) or any other window that
// takes the keyboard takes the key's release with it: the hold ends here, or
// the pressed key would stay down and the others grey for good.
void KDirectFrame::focusOutEvent(QFocusEvent *event)
{
    abandonHold();
    idle = true;
    QFrame::focusOutEvent(event);
}

void KDirectFrame::endHold(int key)
{
    motionKeys[key]->setDown(false);
    // Only the keys the hold disabled: one disabled before (a limit switch
    // tripped in its direction) stays disabled.
    for (int k = 0; k < KeyCount; ++k) {
        if (heldDisabled & (1u << k))
            motionKeys[k]->setEnabled(true);
    }
    heldDisabled = 0;
    std::fill(std::begin(armed), std::end(armed), true);
    heldKey = -1;
    emitReleased(key);
}

// Leaving the jog group or the method while a key is held: its release
// would never reach the handler, and the machine would jog on.
void KDirectFrame::abandonHold()
{
    if (heldKey < 0)
        return;
    const int key = heldKey;
    idle = true;
    endedKey = key;
    endHold(key);
}

void KDirectFrame::emitPressed(int key)
{
    using Signal = void (KDirectFrame::*)();
    static const Signal sent[KeyCount] = {&KDirectFrame::NPressed,  &KDirectFrame::SPressed,  &KDirectFrame::EPressed,
                                          &KDirectFrame::WPressed,  &KDirectFrame::NWPressed, &KDirectFrame::NEPressed,
                                          &KDirectFrame::SWPressed, &KDirectFrame::SEPressed};
    const Signal signal = sent[key];
    emit(this->*signal)();
}

void KDirectFrame::emitReleased(int key)
{
    using Signal = void (KDirectFrame::*)();
    static const Signal sent[KeyCount] = {
        &KDirectFrame::NReleased,  &KDirectFrame::SReleased,  &KDirectFrame::EReleased,  &KDirectFrame::WReleased,
        &KDirectFrame::NWReleased, &KDirectFrame::NEReleased, &KDirectFrame::SWReleased, &KDirectFrame::SEReleased};
    const Signal signal = sent[key];
    emit(this->*signal)();
}
