#ifndef KEDITORNAME_H
#define KEDITORNAME_H

#include <QFrame>

class QLabel;

// The strip above the editor that names the program being edited.
class KEditorName : public QFrame
{
    Q_OBJECT
public:
    explicit KEditorName(QWidget *parent);

    QLabel *nameLabel;
};

#endif
