#ifndef KMENUTHC_H
#define KMENUTHC_H

#include <QWidget>

class KButton;

// Page row of the torch-height screen: back, the two parameter pages and the
// speed page. Its buttons carry no key bindings; the owners wire them.
class KMenuTHC : public QWidget
{
    Q_OBJECT
public:
    explicit KMenuTHC(QWidget *parent);

    KButton *backButton;
    KButton *thc1Button;
    KButton *thc2Button;
    KButton *speedButton;
};

#endif
