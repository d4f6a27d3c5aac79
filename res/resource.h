// Resource ids of ModernStandbyDetectionTool.exe, shared by the resource script and the C++ code.
// Plain #defines only: windres's preprocessor reads this file too.
#ifndef MSDT_RES_RESOURCE_H
#define MSDT_RES_RESOURCE_H

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_MODERNSTANDBYDETECTIONTOOL_DIALOG 102 // main window shell (host)
#define IDD_EXECUTE_PROMPT_CHILD 129              // busy prompt control layer
#define IDD_EXECUTE_PROMPT 130                    // busy prompt shell
#define IDD_FEEDBACK_CHILD 131                    // problem-solving feedback control layer
#define IDD_FEEDBACK 132                          // problem-solving feedback shell
#define IDD_PROMPT_CHILD 133                      // message prompt control layer
#define IDD_PROMPT 134                            // message prompt shell
#define IDD_MAIN_CHILD 137                        // main window control layer

// Icon, strings and the about-box command of the system menu.
#define IDR_MAINFRAME 128
#define IDS_ABOUTBOX 101
#define IDM_ABOUTBOX 0x0010

// Controls of the busy prompt (129).
#define IDC_STATIC_STATE 1000

// Controls of the feedback dialog (131).
#define IDC_BTN_MORE_SOLUTIONS 1001
#define IDC_BTN_FEEDBACK_CLOSE 1002
#define IDC_BTN_SOLVED 1003
#define IDC_BTN_UNSOLVED 1004

// Controls of the message prompt (133).
#define IDC_BTN_PROMPT_CLOSE 1005
#define IDC_STATIC_MESSAGE 1006
#define IDC_BTN_OK 1007
#define IDC_BTN_CANCEL 1008

// Controls of the main control layer (137).
#define IDC_BTN_CLOSE 1010
#define IDC_BTN_MINIMIZE 1011
#define IDC_CHK_AGREE 1012
#define IDC_STATIC_VERSION 1013
#define IDC_BTN_DETECT 1014
#define IDC_BTN_MORE_TOOLS 1015
#define IDC_STATIC_AGREEMENT 1016
#define IDC_STATIC_FEEDBACK 1017

// Controls of the about box (100).
#define IDC_ABOUT_ICON 1020
#define IDC_ABOUT_NAME 1021
#define IDC_ABOUT_NOTE 1022

// PNG pictures (resource type "PNG"). Button states come in the order normal, hover, pressed,
// disabled; the message prompt's buttons have three pictures, the pressed one doubling as disabled.
#define IDB_PNG_MAIN_SHELL 138        // 410 x 611, alpha shadow margin
#define IDB_PNG_MAIN_BK 139           // 400 x 600
#define IDB_PNG_CHECK_GLYPHS 140      // 48 x 16: empty, ticked, filled
#define IDB_PNG_MAIN_CLOSE_NORMAL 141 // 26 x 34
#define IDB_PNG_MAIN_CLOSE_HOVER 142
#define IDB_PNG_MAIN_CLOSE_PRESSED 143
#define IDB_PNG_MAIN_CLOSE_DISABLED 144
#define IDB_PNG_BUSY_SHELL 145      // 232 x 132, alpha shadow margin
#define IDB_PNG_BUSY_BK 146         // 204 x 104
#define IDB_PNG_MAIN_MIN_NORMAL 147 // 26 x 34
#define IDB_PNG_MAIN_MIN_HOVER 148
#define IDB_PNG_MAIN_MIN_PRESSED 149
#define IDB_PNG_MAIN_MIN_DISABLED 150
#define IDB_PNG_MORE_SOLUTIONS_NORMAL 151 // 266 x 60, soft edges
#define IDB_PNG_MORE_SOLUTIONS_HOVER 152
#define IDB_PNG_MORE_SOLUTIONS_PRESSED 153
#define IDB_PNG_MORE_SOLUTIONS_DISABLED 154
#define IDB_PNG_MORE_TOOLS_NORMAL 155 // 58 x 18
#define IDB_PNG_MORE_TOOLS_HOVER 156
#define IDB_PNG_MORE_TOOLS_PRESSED 157
#define IDB_PNG_MORE_TOOLS_DISABLED 158
#define IDB_PNG_DETECT_NORMAL 159 // 246 x 47
#define IDB_PNG_DETECT_HOVER 160
#define IDB_PNG_DETECT_PRESSED 161
#define IDB_PNG_DETECT_DISABLED 162
#define IDB_PNG_PROMPT_SHELL 163         // 330 x 150, alpha shadow margin
#define IDB_PNG_PROMPT_BK 164            // 320 x 140
#define IDB_PNG_PROMPT_CANCEL_NORMAL 165 // 55 x 24, 取消
#define IDB_PNG_PROMPT_CANCEL_HOVER 166
#define IDB_PNG_PROMPT_CANCEL_PRESSED 167
#define IDB_PNG_PROMPT_CLOSE_NORMAL 168 // 12 x 12
#define IDB_PNG_PROMPT_CLOSE_HOVER 169
#define IDB_PNG_PROMPT_CLOSE_PRESSED 170
#define IDB_PNG_PROMPT_NO_NORMAL 171 // 55 x 24, 否
#define IDB_PNG_PROMPT_NO_HOVER 172
#define IDB_PNG_PROMPT_NO_PRESSED 173
#define IDB_PNG_PROMPT_CONFIRM_NORMAL 174 // 55 x 24, 确认
#define IDB_PNG_PROMPT_CONFIRM_HOVER 175
#define IDB_PNG_PROMPT_CONFIRM_PRESSED 176
#define IDB_PNG_PROMPT_YES_NORMAL 177 // 55 x 24, 是
#define IDB_PNG_PROMPT_YES_HOVER 178
#define IDB_PNG_PROMPT_YES_PRESSED 179
#define IDB_PNG_FEEDBACK_SHELL 180        // 410 x 479, alpha shadow margin
#define IDB_PNG_FEEDBACK_BK 181           // 400 x 468
#define IDB_PNG_FEEDBACK_CLOSE_NORMAL 182 // 12 x 12
#define IDB_PNG_FEEDBACK_CLOSE_HOVER 183
#define IDB_PNG_FEEDBACK_CLOSE_PRESSED 184
#define IDB_PNG_FEEDBACK_CLOSE_DISABLED 185
#define IDB_PNG_SOLVED_NORMAL 187 // 266 x 60, soft edges
#define IDB_PNG_SOLVED_HOVER 188
#define IDB_PNG_SOLVED_PRESSED 189
#define IDB_PNG_SOLVED_DISABLED 190
#define IDB_PNG_UNSOLVED_NORMAL 192 // 266 x 60, soft edges
#define IDB_PNG_UNSOLVED_HOVER 193
#define IDB_PNG_UNSOLVED_PRESSED 194
#define IDB_PNG_UNSOLVED_DISABLED 195

#endif // MSDT_RES_RESOURCE_H
