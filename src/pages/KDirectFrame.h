#ifndef KDIRECTFRAME_H
#define KDIRECTFRAME_H

#include <QFrame>

class KButton;

// The key pad: a red Stop in the centre and, around it, one group of buttons
// at a time on the cells of the eight navigation keys. The visible group's
// buttons hold the keys as shortcuts. In jog method 3 the jog group has none:
// the pad's own key handlers then start a jog when a key goes down and end it
// when the key comes up.
class KDirectFrame : public QFrame
{
    Q_OBJECT
public:
    // Index of a key's button in every group.
    enum Key { Up, Down, Right, Left, Home, PgUp, End, PgDn, KeyCount };

    explicit KDirectFrame(QWidget *parent = nullptr);

    int method() const { return jogMethod; }
    bool motionShown() const { return jogShown; }

    KButton *stopButton;
    KButton *simuKeys[KeyCount];
    KButton *libGraphKeys[KeyCount];
    KButton *libMoveKeys[KeyCount];
    KButton *libSelKeys[KeyCount];
    KButton *motionKeys[KeyCount];
    KButton *numKeys[KeyCount];
    // Up, Down, PgUp and PgDn only; the other four are null.
    KButton *previewKeys[KeyCount];
    KButton *editorKeys[KeyCount];
    KButton *nullKeys[KeyCount];

signals:
    void NPressed();
    void SPressed();
    void EPressed();
    void WPressed();
    void NEPressed();
    void NWPressed();
    void SEPressed();
    void SWPressed();
    void NReleased();
    void SReleased();
    void WReleased();
    void EReleased();
    void NEReleased();
    void NWReleased();
    void SEReleased();
    void SWReleased();

public slots:
    void hideAllBut();
    void setSimuGraph();
    void setLibGraph();
    void setLibMove();
    void setLibSel();
    void setMotion();
    void setNumCK();
    void setPreview();
    void setEditor();
    void setNull();
    void motionEnable();
    void motionDisable();
    void setMethod(int method);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void buildGroup(KButton **keys, const char *const faces[KeyCount], bool withShortcuts, int arrowIconSize);
    void showGroup(KButton *const *keys, bool motion);
    void setJogShortcuts(bool on);
    void endHold(int key);
    void abandonHold();
    void emitPressed(int key);
    void emitReleased(int key);

    int jogMethod = 1;
    bool armed[KeyCount];
    bool idle = true;
    bool jogShown = false;
    // The jog key being held, -1 when none.
    int heldKey = -1;
    // A hold ended by a change of group or method, or by the keyboard going
    // elsewhere (a box the press brought up); its key's own release,
    // should it still come, ends nothing more.
    int endedKey = -1;
    // The other jog keys the hold disabled, one bit per key.
    unsigned heldDisabled = 0;
};

#endif
