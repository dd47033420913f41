#ifndef KEYORDER_H
#define KEYORDER_H

#include <QEvent>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QKeyEvent;
class QWindow;

// Keys are handled in the order they are typed, whatever the pace. A
// shortcut clicks its button only 100 ms after the key; a key typed in that
// time used to go to the page the click was about to leave (a digit meant for
// the dialog the click opens was lost, an Esc ran the back key of a page
// already left). Such a key is held; the pending click is completed first,
// then the key goes where the keyboard is after that click. Keys that follow
// a held key are held behind it, so none overtakes another.
class KeyOrder : public QObject
{
    Q_OBJECT
public:
    // Watches the application's keys; installed once, by the first KButton.
    static void install();
    static KeyOrder *instance();

    // Keys typed but not yet handed on.
    int heldKeys() const { return held.size(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Key {
        QEvent::Type type;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        bool autoRepeat;
        ushort count;
        QPointer<QWindow> window;
    };

    explicit KeyOrder(QObject *parent);
    bool filterKey(QObject *watched, QKeyEvent *key);
    void hold(QObject *watched, QKeyEvent *key);
    void drain();
    void handOn(const Key &key);
    // The keyboard has not yet reached a box or dialog that is shown.
    static bool keyboardMoving();

    QList<Key> held;
    QTimer drainTimer;
    // The key being handed on: its events are let through.
    struct Handing {
        int key = 0;
        bool release = false;
    };
    Handing *handing = nullptr;
    // What became of the last key pressed: its later events (the press that
    // follows the shortcut check, the press passed on to parents) share it.
    int lastKey = 0;
    bool lastHeld = false;
    // Since when the keyboard has been moving to a new window.
    qint64 movingSince = -1;
};

#endif
