// The tool's own log of failures: one file in the log folder, messages without variable parts.
#pragma once

// Code page 936 text, like every narrow text of the program.
constexpr char kToolLogFileName[] = "Modern Standby检测工具.txt";

// Main window start-up, in the order the checks run.
constexpr char kToolLogSetNotifyWindowFailed[] = "设置接收消息窗口指针失败";
constexpr char kToolLogSystemNotSupported[] = "此工具不支持当前系统";
constexpr char kToolLogLoadFeedbackDllFailed[] = "加载反馈DLL失败";
constexpr char kToolLogInitFeedbackDllFailed[] = "初始化反馈DLL失败";
// Detection.
constexpr char kToolLogCreateDetectThreadFailed[] = "创建检测Modern Standby线程失败";
constexpr char kToolLogModernStandbyNotSupported[] = "本机不支持Modern Standby功能";
constexpr char kToolLogDetectModernStandbyFailed[] = "检测Modern Standby失败";

// Appends one record with the message to the tool log, whatever "logCfg.ini" says. Returns
// nothing: a record that cannot be written is dropped and the caller goes on.
void WriteToolLog(const char* message);
