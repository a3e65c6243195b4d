/* Help context numbers of VANTOREL.chm, mapped to topics in the [ALIAS] section of
   VANTOREL.hhp. Context number 0 is never stored in a compiled map, so it maps to
   nothing and a request for it opens no topic. */
#define IDH_WELCOME        1000
#define IDH_FIRST_STEPS    1010
#define IDH_MAIN_WINDOW    1020
#define IDH_USING_HELP     1030
#define IDH_FORMULA        1100
#define IDH_NUMBERS        1110
#define IDH_OPERATORS      1120
#define IDH_COMMENTS       1130
#define IDH_PITFALLS       1140
#define IDH_FUNCTIONS      1200
#define IDH_CONSTANTS      1300
#define IDH_X_VALUE        1400
#define IDH_ANGLE_MODES    1410
#define IDH_COMPUTE        1420
#define IDH_PRECISION      1430
#define IDH_PRINTING       1440
#define IDH_KEYPAD         1500
#define IDH_MENUS          1600
#define IDH_SETTINGS       1700
#define IDH_SINGLE_INSTANCE 1710
#define IDH_ERRORS         1800
