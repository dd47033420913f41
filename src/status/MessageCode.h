#ifndef MESSAGECODE_H
#define MESSAGECODE_H

#include <QList>
#include <QString>

// The vocabulary of the message line: every sender passes one of these codes,
// never free text, and the line turns it into its fixed text and colour.
class MessageCode
{
public:
    enum Code {
        Ready = 1,
        LimitOrServoError = 2,
        MainMenu = 3,
        UsbRemoved = 5,
        UsbReady = 6,
        PlasmaTorchKnock = 7,
        ZServoError = 10,
        FileOperations = 100,
        ChooseStartSegment = 101,
        ProgramNotLoaded = 102,  // %1 the program's name, %2 why
        ScratchNotWritten = 103, // %1 the scratch program's name, %2 why
        LastProgramUnread = 104, // %1 the file naming the last program, %2 why
        NetworkChecking = 110,
        NetworkServerFound = 111,
        NetworkFailed = 112,
        ParameterSettings = 200,
        PreheatOxygen = 201,
        CuttingOxygen = 202,
        Piercing = 203,
        OxygenValveClosed = 204,
        GraphicOperations = 300,
        MachiningMode = 400,
        EmergencyStop = 401,
        Paused = 402,
        MovingBack = 403,
        ReturnToStart = 404,
        Traversing = 405,
        Finished = 407,
        TorchMoveOut = 408,
        JogMode = 500,
        AlignmentPoints = 600,
        MultiPointRecording = 610,
        LimitAlarmCleared = 700,
        LimitXPositive = 701,
        LimitXNegative = 702,
        LimitYPositive = 703,
        LimitYNegative = 704,
        Servo1XAlarm = 705,
        Servo2XAlarm = 706,
        ServoYAlarm = 707,
        PlasmaTorchResumed = 710,
        LimitFault = 799,
    };

    struct Entry {
        int code;
        const char *text; // UTF-8 source text, looked up in the "KText" context
        bool alarm;
    };

    // The table entry of an exact code, or nullptr for a code outside it.
    static const Entry *find(int code);
    // The code's text through the translation lookup; empty for an unknown code.
    static QString text(int code);
    static bool isAlarm(int code);
    static QList<int> codes();
};

#endif
