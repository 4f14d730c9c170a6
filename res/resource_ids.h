/* Every number shared by the program and the language library: dialog
   templates, icons, pictures, strings, controls, commands and messages.
   Plain #defines, because the resource compiler reads this file too. */
#ifndef HORALO_RESOURCE_IDS_H
#define HORALO_RESOURCE_IDS_H

/* The texts the portable core names (messages, text lists) are defined
   there, among the numbers below: 6003, 6007, 6008, 6019-6024, 6029, 6030,
   7101-7103, 7603, 7604. */
#include "core/text/text_ids.h"

/* Dialog templates */
#define IDD_ABOUT            2000
#define IDD_MAIN             2001
#define IDD_DELETE_RANGE     2002
#define IDD_ENTRY_EDIT       2003
#define IDD_OPTIONS          2004
#define IDD_PREVIEW_BAR      2005
#define IDD_MONTHLY_LIST     2008
#define IDD_MONTH_VALUES     2009
#define IDD_SPECIAL_EDITOR   2010
#define IDD_CALENDAR         2011
#define IDD_LOG_BROWSER      2012

/* Icons, frame, pictures */
#define IDI_MAIN             3000
#define IDI_TRAY             3001
#define IDI_TRAY_BREAK       3005
#define IDR_PREVIEW_FRAME    4001
#define IDR_ABOUT_PICTURE    4002
#define IDB_ROW_IMAGES       4003
#define IDR_VERSION          1

/* Strings */
#define IDS_SHEET_ORDER_PROBLEM          6001
#define IDS_FORM_UNREADABLE       6002
#define IDS_STORE_NEXT_BALANCE    6004
#define IDS_PREVIEW_FAILED        6005
#define IDS_ABOUT_MENU            6006
#define IDS_QUIT_QUESTION         6009
#define IDS_TIP_PRESENT           6010
#define IDS_TIP_BREAK             6011
#define IDS_CONFIRM_ENTRY         6012
#define IDS_NO_RECORD             6013
#define IDS_DELETE_SELECTED       6014
#define IDS_DELETE_ALL            6015
#define IDS_DELETE_TO_MONTH_END   6016
#define IDS_DELETE_RANGE          6017
#define IDS_ABSENCE_MARK          6018
#define IDS_UNUSED_6025           6025
#define IDS_MONTH_NAMES           6026
#define IDS_MONTHLY_COLUMNS       6027
#define IDS_PREVIEW_TITLE         6028
#define IDS_BROWSER_COLUMNS       6031
#define IDS_BROWSER_TITLE         6032
#define IDS_COMPENSATION_MARK     6033
#define IDS_VERSION_LINE          61466

/* Standard messages of the dialog layer's data exchange (outside the
   ranges above). */
#define IDS_DDX_TEXT_TOO_LONG     7001 /* %u: the maximum number of characters */
#define IDS_DDX_NUMBER_RANGE      7002 /* %u, %u: minimum and maximum */
#define IDS_DDX_NOT_A_NUMBER      7003

/* 7101-7103: the check of the time log's end at start, in
   core/text/text_ids.h. */

/* An edit refused because another window changed the time log since the
   list was shown (outside the ranges above). */
#define IDS_LOG_CHANGED_ELSEWHERE 7201

/* A start of work that continued a day ended earlier today (outside the
   ranges above); 7202 takes the break's hours and minutes, from and to. */
#define IDS_DAY_CONTINUED         7202
#define IDS_DAY_CONTINUED_AT_ONCE 7203

/* The offer to end a day left open overnight when the user left and to
   start today (outside the ranges above); takes the day, month, year, hour
   and minute of the leaving. */
#define IDS_DAY_SPLIT_QUESTION    7500

/* Questions that name what a deletion takes (outside the ranges above):
   the records of the time log's selection, the last day of a deletion up
   to a month's end, the extent of the whole log. */
#define IDS_DELETE_ONE_RECORD     7601 /* %s: the record's line */
#define IDS_DELETE_RECORDS        7602 /* %d: how many; %s: the lines of the first ones */
#define IDS_DELETE_UP_TO          7605 /* day, month, year of the last day */
#define IDS_DELETE_WHOLE_LOG      7606 /* %d records; %s, %s: the first and the last month */

/* Today at a glance, the reminders and the offer of time away as a break:
   7750-7799, the main dialog's status line at 7790. The glance texts take
   only %s arguments: times as hh:mm, balances with their sign. */
#define IDS_GLANCE_NOT_STARTED    7750
#define IDS_GLANCE_PRESENT        7751 /* the start */
#define IDS_GLANCE_ON_BREAK       7752 /* the start, the break's start */
#define IDS_GLANCE_ENDED          7753 /* the start, the end */
#define IDS_GLANCE_DAY_OFF        7754
#define IDS_GLANCE_PRESENCE       7755 /* the presence, the breaks */
#define IDS_GLANCE_REQUIRED_AT    7756 /* the moment */
#define IDS_GLANCE_NOTHING_REQUIRED 7757
#define IDS_GLANCE_MAXIMUM_AT     7758 /* the moment */
#define IDS_GLANCE_BALANCE        7759 /* the month's balance */
#define IDS_REMIND_REQUIRED       7760
#define IDS_REMIND_MAXIMUM_SOON   7761 /* %s: the moment */
#define IDS_REMIND_MAXIMUM        7762
#define IDS_REMIND_BREAK          7763 /* %s, %s: the presence, the breaks so far */
#define IDS_AWAY_AS_BREAK         7764 /* %s, %s: from, to; %d: minutes */
#define IDC_GLANCE_STATUS         7790

/* The year's flextime account: strings from 7801, the window and its
   controls from 7850, the commands that open it from 7870. */
#define IDS_YEAR_TITLE            7801 /* %d: the year */
#define IDS_YEAR_COLUMNS          7802
#define IDS_YEAR_MARKS            7803 /* carried over: yes, no, out of order */
#define IDS_YEAR_LEGEND           7804 /* surplus, deficit, account, paid out */
#define IDS_YEAR_MONTH_SHORT      7805
#define IDS_YEAR_HOURS            7806 /* %s: a signed number of hours */
#define IDD_YEAR                  7850
#define IDC_YEAR_PREV             7851
#define IDC_YEAR_LABEL            7852
#define IDC_YEAR_NEXT             7853
#define IDC_YEAR_CHART            7854
#define IDC_YEAR_LIST             7855
#define IDC_YEAR_COPY             7856
#define IDC_YEAR_PRINT            7857
#define IDC_YEAR_HELP             7858
#define IDC_YEAR_ACCOUNT          7870 /* the main dialog's button */
#define IDM_YEAR_ACCOUNT          7871 /* the time sheet's menu */

/* Backups of the time log and their restore: 7300-7399 hold everything of
   theirs, strings from 7301, the dialog at 7350, its controls and the time
   log window's button from 7360. */
#define IDS_BACKUP_COLUMNS        7301
#define IDS_RESTORE_QUESTION      7302 /* %s: when the log was kept */
#define IDS_BACKUP_UNREADABLE     7303
#define IDD_RESTORE_BACKUP        7350
#define IDC_BROWSER_RESTORE       7360
#define IDC_BACKUP_LIST           7361
#define IDC_RESTORE_BACKUP        7362

/* A day that was never ended, offered to be closed at the next start:
   strings 7400-7479, the dialog and its controls 7480-7499. 7401 and 7402
   take the day, month and year, then hours and minutes; 7403 hours and
   minutes. */
#define IDS_OPEN_DAY_SEEN         7401
#define IDS_OPEN_DAY_UNSEEN       7402
#define IDS_OPEN_DAY_BREAK        7403
#define IDD_OPEN_DAY              7480
#define IDC_OPEN_DAY_TEXT         7481
#define IDC_OPEN_DAY_BREAK        7482
#define IDC_OPEN_DAY_END          7483

/* Main dialog (2001) */
#define IDC_LOG_BROWSER      5000
#define IDC_NOTE_EDIT        5001
#define IDC_ADD_NOTE         5002
#define IDC_PREVIEW          5005
#define IDC_BEGIN_BREAK      5009
#define IDC_END_BREAK        5012
#define IDC_HIDE             5028
#define IDC_START_WORK       5035
#define IDC_HELP_INDEX       5076
#define IDC_HELP_MAIN        5077
#define IDC_DELETE_RANGE     1003
#define IDC_UNUSED_1004      1004
#define IDC_UNUSED_1005      1005
#define IDC_OPTIONS          1006
#define IDC_SPECIAL_EDITOR   1007
#define IDC_CALENDAR         1008
#define IDC_MONTHLY_LIST     1009
#define IDC_LINK             20001
#define IDC_END_WORK         20007

/* About dialog (2000) */
#define IDC_VERSION_LINE     20006

/* Options dialog (2004) */
#define IDC_FORM_TEXT1       5017
#define IDC_FORM_TEXT2       5046
#define IDC_NUMBER1          5048
#define IDC_NUMBER2          5047
#define IDC_WORK_TIME        5020
#define IDC_BREAK_TIME       5023
#define IDC_MAX_TIME         5025
#define IDC_START_HIDDEN     5030
#define IDC_AUTOSTART        5049
#define IDC_WAY_MINUTES      5040
#define IDC_POWER_EVENTS     20008
/* its reminders */
#define IDC_REMIND_REQUIRED     5100
#define IDC_REMIND_MAXIMUM      5101
#define IDC_MINUTES_BEFORE_MAX  5102
#define IDC_REMIND_AT_MAXIMUM   5103
#define IDC_REMIND_BREAKS       5104
#define IDC_FIRST_PRESENCE      5105
#define IDC_FIRST_BREAK         5106
#define IDC_SECOND_PRESENCE     5107
#define IDC_SECOND_BREAK        5108
#define IDC_AWAY_AS_BREAK       5109
#define IDC_AWAY_MINIMUM        5110

/* Preview help command */
#define IDC_HELP_FORM        5078

/* Month and year navigation: buttons of the log browser (2012) and menu
   items of the preview frame (4001), whose texts the program replaces with
   the neighbouring month names and years. */
#define IDC_NEXT_MONTH       5003
#define IDC_PREV_MONTH       5004
#define IDC_NEXT_YEAR        5006
#define IDC_PREV_YEAR        5010

/* Month inputs: edits of the preview's dialog bar (2005) and of the month
   values dialog (2009). */
#define IDC_CARRIED_HOURS    5050
#define IDC_CARRIED_MINUTES  5052
#define IDC_HOURS_DEDUCTED   5053

/* Delete-range dialog (2002) */
#define IDC_RANGE_FIRST_DAY      5013
#define IDC_RANGE_LAST_DAY       5016
#define IDC_DELETE_TO_MONTH_END  5021
#define IDC_DELETE_ALL           5026
#define IDC_DELETE_DAYS          5027

/* Entry edit dialog (2003): radio buttons of the entry type, then fields */
#define IDC_TYPE_WORK_END        5036
#define IDC_TYPE_WORK_START      5035
#define IDC_TYPE_BREAK           5038
#define IDC_TYPE_NOTE            5002
#define IDC_TYPE_ABSENCE         5043
#define IDC_TYPE_COMPENSATION    5041
#define IDC_ENTRY_NOTE           5001
#define IDC_ENTRY_DATE           5007
#define IDC_ENTRY_TIME           5008
#define IDC_ENTRY_DURATION       5011
#define IDC_ENTRY_FROM_DATE      5014
#define IDC_ENTRY_TO_DATE        5018

/* Preview frame (4001): menu and accelerator commands, dialog bar (2005) */
#define IDM_ZOOM_1               1001
#define IDM_ZOOM_2               1002
#define IDM_PRINT                5045
#define IDM_STORE_MONTH          5075
#define IDM_PREVIEW_CLOSE        57602 /* the usual "File, Close" number */

/* Monthly list (2008) */
#define IDC_MONTH_LIST           5037
#define IDC_MONTH_NEW            5063
#define IDC_MONTH_CHANGE         5039
#define IDC_MONTH_REMOVE         5015

/* Month values dialog (2009); the month inputs are above */
#define IDC_VALUES_MONTH         5022

/* Special-entries editor (2010) */
#define IDC_SPECIAL_NAME         5017
#define IDC_SPECIAL_TEXT         5054
#define IDC_SPECIAL_MONTH        5022
#define IDC_SPECIAL_WEEKDAY      5060
#define IDC_SPECIAL_EASTER       5057
#define IDC_SPECIAL_WEEKDAY_RULE 5059
#define IDC_SPECIAL_HOLIDAY      5058
#define IDC_SPECIAL_EXTRA        20004
#define IDC_SPECIAL_DAY          5055
#define IDC_SPECIAL_OFFSET       5056
#define IDC_SPECIAL_ORDINAL      5061
#define IDC_SPECIAL_STORE        5063
#define IDC_SPECIAL_DELETE       5062

/* Calendar view (2011). Day cells run row by row, each row Monday to
   Sunday: cell n (0..41) is IDC_CAL_FIRST_CELL + n; week number of row r
   (0..5) is IDC_CAL_FIRST_WEEK + r. */
#define IDC_CAL_MONTH            5022
#define IDC_CAL_YEAR             5034
#define IDC_CAL_FIRST_CELL       10001
#define IDC_CAL_LAST_CELL        10042
#define IDC_CAL_FIRST_WEEK       5068
#define IDC_CAL_LAST_WEEK        5073
#define IDC_CAL_ENTRIES          5074
#define IDC_CAL_ON_TOP           5044
#define IDC_CAL_PREV_YEAR        5064
#define IDC_CAL_NEXT_YEAR        5065
#define IDC_CAL_PREV_MONTH       5066
#define IDC_CAL_NEXT_MONTH       5067

/* Log browser (2012); the navigation buttons are above */
#define IDC_BROWSER_LIST         5042
#define IDC_BROWSER_DELETE       5015
#define IDC_BROWSER_INSERT       5019
#define IDC_BROWSER_EDIT         5024
#define IDC_BROWSER_PREVIEW      5051

/* Window messages and system-menu command of the main dialog */
#define WM_HORALO_QUIT_REQUEST   0x054D
#define WM_HORALO_TRAY_CALLBACK  0x8064
#define IDM_ABOUT_BOX            0x0010
#define HORALO_TIMER_BLINK       1
/* Every minute: the last-seen value is kept, and a return after a night
   without input is looked for. */
#define HORALO_TIMER_MINUTE      2
#define HORALO_TRAY_ICON_ID      1
/* The window property by which other programs find the main dialog */
#define HORALO_MAIN_DIALOG_PROPERTY "Horalo.MainDialog"

#endif
