#ifndef KMENUCONFIG_H
#define KMENUCONFIG_H

#include "app/base/FileError.h"
#include "config/ConfigRecord.h"

#include <QString>
#include <QWidget>

class KButton;
class KConfigBase;
class KConfigCut;
class KConfigDLZ;
class KConfigFire;
class KConfigLaser;
class KConfigPF;
class KConfigTorch;

// The parameter page of the function-key strip. It owns the seven parameter
// dialogs, whose fields are the only store of the process parameters. When a
// dialog is accepted the page corrects its values, writes corrections back
// into the fields, passes every value on by a signal and rewrites config.xml
// from all dialogs. It holds the values no dialog shows: torch selection,
// current file name, beam angle and process mode.
class KMenuConfig : public QWidget
{
    Q_OBJECT
public:
    explicit KMenuConfig(QWidget *parent);

    // Rewrite config.xml from every dialog's fields, fileconfig.xml from the
    // stored file name. A failed write is reported by saveFailed().
    void writeConfig();
    void writeFileConfig();

    // Start-up values in force, taken over without a rewrite of config.xml.
    void setMode(int mode);
    void setBeamAngel(double angle);

    int mode() const { return modeValue; }
    double beamAngel() const { return beamAngelValue; }
    QString fileName() const { return fileNameValue; }
    unsigned char torchSelection() const { return torchSelectionValue; }

    // The values config.xml receives, read from the fields as they stand.
    ConfigRecord record() const;

    KButton *backButton;
    KButton *speedButton;
    KButton *baseButton;
    KButton *fireButton;
    KButton *pfButton;
    KButton *dlzButton;
    KButton *laserButton;
    KButton *torchButton;
    KConfigCut *cutDialog;
    KConfigBase *baseDialog;
    KConfigFire *fireDialog;
    KConfigPF *pfDialog;
    KConfigDLZ *dlzDialog;
    KConfigLaser *laserDialog;
    KConfigTorch *torchDialog;

signals:
    void topspeedChanged(int);
    void cutspeedChanged(int);
    void dLowSpeedChanged(int);
    void angelChanged(double);
    void rotateChanged(double);
    void compChanged(double);
    void fxChanged(int);
    void sfxChanged(int);
    void graphicChanged(double, double, int, int);
    void previewChanged(double, double, int);
    void sheetChanged(int, int);
    void torchSelected(unsigned char);
    void fDelayChanged(double);
    void fDfChanged(double);
    void fDwDownChanged(double);
    void ckChanged(double);
    void ckUpChanged(double);
    void ckDownChanged(double);
    void fOxoffUpChanged(double);
    void f3ckChanged(int);
    void pDfChanged(double);
    void pDwDownChanged(double);
    void pOxoffUpChanged(double);
    void pMoveChanged(int, int);
    void dDWUpChanged(double);
    void dDWDownChanged(double);
    void dYHChanged(double);
    void dDelayChanged(double);
    void dArcOffUpChanged(double);
    void dDWModeChanged(int);
    void laserXYChanged(int, int);
    // config.xml or fileconfig.xml could not be written; the old file is whole.
    void saveFailed(const QString &file, const FileError &reason);

public slots:
    void saveFileName(const QString &name);
    void setFileName(const QString &name);
    void saveBeamAngel(double angle);
    void torchConfig();
    void saveMode(int mode);
    void cutConfig();
    void cutAcc();
    void baseConfig();
    void baseAcc();
    void fireConfig();
    void fireAcc();
    void pfConfig();
    void pfAcc();
    void dlzConfig();
    void dlzAcc();
    void laserConfig();
    void laserAcc();

private:
    unsigned char torchSelectionValue = 0;
    QString fileNameValue;
    double beamAngelValue = 0.0;
    int modeValue = 1;
};

#endif
