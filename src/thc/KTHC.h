#ifndef KTHC_H
#define KTHC_H

#include "app/base/FileError.h"

#include <QString>
#include <QWidget>

#include <initializer_list>
#include <memory>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
#include <QXmlAttributes>
QT_WARNING_POP

class HeightChannel;
class KButton;
class KMenuTHC;
class KReadSGThread;
class KTHCConfig;
class KTHCFrame;
class KTHCPage;
class KTHCSpeedConfig;
class KTHCXmlHandler;
class KWriteSG;
class QLineEdit;
class QScrollArea;
class QTimer;
class QXmlSimpleReader;

// Controller of the torch-height screen. It builds the screen's widgets as
// children of its own parent (the main window), owns the height channel's
// writer and reader, keeps thcconfig.xml, and runs every activity of the
// torch lifter - the plasma height cycle, jogging, measuring the top height,
// going to the top, the arc-voltage and the positioning tests - as a set of
// flags, a command to the writer and the report the reader sends back later.
// Each command that expects a report re-arms that report's latch first.
class KTHC : public QWidget
{
    Q_OBJECT
public:
    explicit KTHC(QWidget *parent);
    ~KTHC() override;

    // Back to the start state: every flag clear but sampleStdVolt, the reader
    // reset, every control of the screen enabled.
    void resetTHC();
    // Refills the edits of the "Z1" and speed pages from their stored values.
    void updateConfigPage();
    // Installs one channel on the writer and the reader.
    void setHeightChannel(std::shared_ptr<HeightChannel> channel);

    // Geometry in the 1024 x 748 main window.
    static const QRect kMenuRect;
    static const QRect kFrameRect;
    static const QRect kPageAreaRect;

    KMenuTHC *menuTHC;
    KTHCFrame *thcFrame;
    KWriteSG *writeSG;
    KReadSGThread *readSG;
    KTHCConfig *thc1Config;
    KTHCConfig *thc2Config;
    KTHCSpeedConfig *speedConfig;
    // The three pages share one vertical scroll area, shown while one of them is.
    QScrollArea *pageArea;

    bool measuring = false;
    bool dwRunning = false;
    bool ckRunning = false;
    bool cutRunning = false;
    bool xhUpRunning = false;
    bool yhEndRunning = false;
    bool yhStopRequested = false;
    bool goingTop = false;
    bool dwStopRequested = false;
    bool dwTesting = false;

    // Descriptors of the height, the stop reports and the status inputs; not open (-1).
    int fdZ = -1;
    int fdStop = -1;
    int fdIO = -1;

    bool measureTouched = false;
    bool dwFastMove = false;
    bool dwTouched = false;
    bool sampleStdVolt = false;
    bool xhUpRequested = false;
    bool jogUpRunning = false;
    bool jogRequested = false;
    bool jogWaitsStop = false;
    bool avcUp = false;
    bool avcDown = false;
    bool avcStopping = false;

    int stdVolt = 0;  // 0.1 V
    int lastVolt = 0; // 0.1 V
    double topHeight = 0.0;
    // Why thcconfig.xml could not be read at construction (ProgramFile's
    // reasons); none when it was read, whole or damaged.
    FileError configUnreadable;

signals:
    void dlzDWSuccess();
    void dlzStartDelay();
    void dlzStartCut();
    void dlzOffEnd();
    void dlzYHEnd();

public slots:
    void showTHC1();
    void showTHC2();
    void showSpeed();
    void sg1UpPressed();
    void sg1DownPressed();
    void writeSGStep1Up(int speed);
    void writeSGStep1Down(int speed);
    void writeSGStep1Stop();
    void writeSGMovement();
    void setTHC1DistAll();
    void setTHC1DistDW();
    void setTHC1DistXH();
    void setTHC1DistYH();
    void setTHC1DistCK();
    void setTHC1DistCut();
    void underTouch();
    void topTouch();
    void stepStopped();
    void moveStopped();
    void stopActive();
    void startDistAll();
    void stopDistAll();
    void startGoTop();
    void stopGoTop();
    void startTHC();
    void stopTHC();
    void startDW();
    void startCK();
    void stopYH();
    void endYH();
    void startCut();
    void XHUp();
    void startXHUp();
    void testDW();
    void stopTestDW();
    void U1Changed(uint u);
    void saveTHCConfig();
    void readConfigTHC1(QXmlAttributes attributes);
    void readConfigTHCSpeed(QXmlAttributes attributes);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using Slot = void (KTHC::*)();

    double currentZ() const;
    // Relative move from the current height to `height` (mm) at `speed`.
    void moveTo(double height, int speed);
    // The end of a positioning, normal or stopped.
    void finishPositioning();
    void showPage(KTHCPage *page, const QString &title);
    // The "Z1" page's switch set from its stored mode; other modes leave it.
    void showMode();
    void takeHeight(QLineEdit *edit);
    // A toggle button's running and idle states: caption, status line and the slot it calls.
    void toggleRunning(KButton *button, const QString &status, Slot stop);
    void toggleIdle(KButton *button, const QString &caption, Slot start);
    // The caption and the connection of an idle toggle button.
    void rewireIdle(KButton *button, const QString &caption, Slot start);
    // The arc-voltage test may start only in automatic mode and while no other
    // activity of the page runs: whatever enabled testTHCButton, this takes it back.
    void guardTestTHC();
    // One reading outside the voltage band: step toward it, unless a step runs already.
    void steer(bool &toward, bool &away, void (KTHC::*step)(int));
    void enable(std::initializer_list<QWidget *> widgets, bool on);
    // Whether an activity of the page runs that keeps goTopButton disabled.
    bool pageBusy() const;

    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QXmlSimpleReader *xmlReader;
    QT_WARNING_POP
    KTHCXmlHandler *xmlHandler;
    QTimer *clearThc1Timer;
    QTimer *clearSpeedTimer;
    bool thcTesting = false;
};

#endif
