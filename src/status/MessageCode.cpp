#include "status/MessageCode.h"

#include <QCoreApplication>
#include <iterator>

namespace {

const MessageCode::Entry kTable[] = {
    {MessageCode::Ready, QT_TRANSLATE_NOOP("KText", "准备就绪"), false},
    {MessageCode::LimitOrServoError, QT_TRANSLATE_NOOP("KText", "限位或伺服出错!!! 请排除故障"), true},
    {MessageCode::MainMenu, QT_TRANSLATE_NOOP("KText", "主菜单"), false},
    {MessageCode::UsbRemoved, QT_TRANSLATE_NOOP("KText", "U盘被拔出! "), false},
    {MessageCode::UsbReady, QT_TRANSLATE_NOOP("KText", "U盘连接正常，可以使用"), false},
    {MessageCode::PlasmaTorchKnock, QT_TRANSLATE_NOOP("KText", "等离子枪撞!"), true},
    {MessageCode::ZServoError, QT_TRANSLATE_NOOP("KText", "Z伺服出错!!! 请排除故障"), true},
    {MessageCode::FileOperations, QT_TRANSLATE_NOOP("KText", "文件操作"), false},
    {MessageCode::ChooseStartSegment, QT_TRANSLATE_NOOP("KText", "按“↑”或“↓” 选择起始段 / 穿孔数"), false},
    {MessageCode::ProgramNotLoaded, QT_TRANSLATE_NOOP("KText", "%1 未加载: %2"), true},
    {MessageCode::ScratchNotWritten, QT_TRANSLATE_NOOP("KText", "%1 写入失败: %2"), true},
    {MessageCode::LastProgramUnread, QT_TRANSLATE_NOOP("KText", "%1 读取失败: %2"), true},
    {MessageCode::NetworkChecking, QT_TRANSLATE_NOOP("KText", "正在检测网络连接，请稍候..."), false},
    {MessageCode::NetworkServerFound, QT_TRANSLATE_NOOP("KText", "已检测到网络服务器!"), false},
    {MessageCode::NetworkFailed, QT_TRANSLATE_NOOP("KText", "网络连接失败!"), false},
    {MessageCode::ParameterSettings, QT_TRANSLATE_NOOP("KText", "参数设置:   <Tab> 切换参数"), false},
    {MessageCode::PreheatOxygen, QT_TRANSLATE_NOOP("KText", "预热氧"), false},
    {MessageCode::CuttingOxygen, QT_TRANSLATE_NOOP("KText", "快氧"), false},
    {MessageCode::Piercing, QT_TRANSLATE_NOOP("KText", "穿孔"), false},
    {MessageCode::OxygenValveClosed, QT_TRANSLATE_NOOP("KText", "氧气阀关闭"), false},
    {MessageCode::GraphicOperations, QT_TRANSLATE_NOOP("KText", "图形操作"), false},
    {MessageCode::MachiningMode, QT_TRANSLATE_NOOP("KText", "加工模式"), false},
    {MessageCode::EmergencyStop, QT_TRANSLATE_NOOP("KText", "急停中.."), false},
    {MessageCode::Paused, QT_TRANSLATE_NOOP("KText", "暂停"), false},
    {MessageCode::MovingBack, QT_TRANSLATE_NOOP("KText", "回退"), false},
    {MessageCode::ReturnToStart, QT_TRANSLATE_NOOP("KText", "返回起始点"), false},
    {MessageCode::Traversing, QT_TRANSLATE_NOOP("KText", "空走"), false},
    {MessageCode::Finished, QT_TRANSLATE_NOOP("KText", "完成"), false},
    {MessageCode::TorchMoveOut, QT_TRANSLATE_NOOP("KText", "割炬移出模式"), false},
    {MessageCode::JogMode, QT_TRANSLATE_NOOP("KText", "点动模式"), false},
    {MessageCode::AlignmentPoints, QT_TRANSLATE_NOOP("KText", "按方向键确定首点与次点"), false},
    {MessageCode::MultiPointRecording, QT_TRANSLATE_NOOP("KText", "移至参考点后按“定位”，可定义10点"), false},
    {MessageCode::LimitAlarmCleared, QT_TRANSLATE_NOOP("KText", "限位报警解除"), false},
    {MessageCode::LimitXPositive, QT_TRANSLATE_NOOP("KText", "+X方向限位报警!"), true},
    {MessageCode::LimitXNegative, QT_TRANSLATE_NOOP("KText", "-X方向限位报警!"), true},
    {MessageCode::LimitYPositive, QT_TRANSLATE_NOOP("KText", "+Y方向限位报警!"), true},
    {MessageCode::LimitYNegative, QT_TRANSLATE_NOOP("KText", "-Y方向限位报警!"), true},
    {MessageCode::Servo1XAlarm, QT_TRANSLATE_NOOP("KText", "伺服驱动器1X报警!"), true},
    {MessageCode::Servo2XAlarm, QT_TRANSLATE_NOOP("KText", "伺服驱动器2X报警!"), true},
    {MessageCode::ServoYAlarm, QT_TRANSLATE_NOOP("KText", "伺服驱动器Y报警!"), true},
    {MessageCode::PlasmaTorchResumed, QT_TRANSLATE_NOOP("KText", "等离子枪恢复"), false},
    {MessageCode::LimitFault, QT_TRANSLATE_NOOP("KText", "限位异常!"), true},
};

} // namespace

const MessageCode::Entry *MessageCode::find(int code)
{
    for (const Entry &e : kTable) {
        if (e.code == code)
            return &e;
    }
    return nullptr;
}

QString MessageCode::text(int code)
{
    const Entry *e = find(code);
    return e ? QCoreApplication::translate("KText", e->text) : QString();
}

bool MessageCode::isAlarm(int code)
{
    const Entry *e = find(code);
    return e && e->alarm;
}

QList<int> MessageCode::codes()
{
    QList<int> list;
    list.reserve(int(std::size(kTable)));
    for (const Entry &e : kTable)
        list << e.code;
    return list;
}
