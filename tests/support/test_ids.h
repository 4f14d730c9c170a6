/* Identifiers of the test templates and strings. 9000-9999, so they never
   clash with the program's own. Read by the resource compiler too. */
#ifndef HORALO_TEST_IDS_H
#define HORALO_TEST_IDS_H

#define IDD_TEST_EXCHANGE        9000
#define IDD_TEST_MISSING         9999 /* no such template anywhere */

#define IDC_TEST_TEXT            9001
#define IDC_TEST_NUMBER          9002
#define IDC_TEST_CHECK           9003
#define IDC_TEST_TIME            9004
#define IDC_TEST_SECOND          9005
#define IDC_TEST_BUTTON          9006
#define IDC_TEST_OPTIONAL_TIME   9007
#define IDC_TEST_ABSENT          9008 /* exchanged, but not in the template */

#define IDS_TEST_LONG            9100
#define IDS_TEST_FORMAT          9101
#define IDS_TEST_PLAIN           9102

#endif
