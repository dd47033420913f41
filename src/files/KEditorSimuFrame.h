#ifndef KEDITORSIMUFRAME_H
#define KEDITORSIMUFRAME_H

#include <QFrame>

class KEditSimu;

// The frame left of the editor holding the path view of the edited program;
// the view's parser is the one the editor parses with.
class KEditorSimuFrame : public QFrame
{
    Q_OBJECT
public:
    explicit KEditorSimuFrame(QWidget *parent);

    KEditSimu *editSimu;
};

#endif
