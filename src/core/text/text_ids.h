/* The numbers of the language library's texts that the portable core names:
   the messages its operations return and the text lists it loads. They are
   the library's own numbers, defined here once; the header of all the
   program's numbers includes this file, so the resource scripts use the
   same names. Plain #defines,
   because the resource compiler reads this file too. */
#ifndef HORALO_TEXT_IDS_H
#define HORALO_TEXT_IDS_H

/* Texts the core loads */
#define IDS_PROBLEM_CODE          6007
#define IDS_PROBLEM_CODE_2        6008
#define IDS_HOLIDAY_NOTE          6029
#define IDS_WEEKDAY_NAMES         6030
#define IDS_RECORD_KINDS          7603 /* by record type from the end of work, then an unreadable record */
#define IDS_DELETE_MORE           7604 /* %d: how many are not named */

/* Messages of the core's operations */
#define IDS_DAILY_MAXIMUM         6003
#define IDS_LOG_OPEN_FAILED       6019
#define IDS_LOG_IN_USE            6020
#define IDS_LOG_RENAME_FAILED     6021
#define IDS_LOG_WRITE_FAILED      6022
#define IDS_SPECIAL_READ_FAILED   6023
#define IDS_SPECIAL_WRITE_FAILED  6024

/* The check of the time log's end at start; each takes %u, the cut bytes,
   then %s, a file. */
#define IDS_LOG_CUT_SET_ASIDE     7101
#define IDS_LOG_DAMAGED_END       7102
#define IDS_LOG_CUT_NOT_SET_ASIDE 7103

#endif
