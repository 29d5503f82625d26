/* Identifiers of Ondrix's resources, shared by the program's code, the English resource script
 * (ondrix.rc) and the Polish resource library (pl/ondrix_pl.rc).
 *
 * Plain #defines only, so that wrc can read this file. The numbers are the program's: stored
 * settings, the tool bar's button order and the menu bitmaps rely on them, so they must not change.
 * The class library's command ids (File New 57600 and the like) come from win/AfxRes.h. */
#ifndef ONDRIX_RES_RESOURCE_H
#define ONDRIX_RES_RESOURCE_H

/* The main frame: menu, accelerators, icon and tool bar share one id. */
#define IDR_MAINFRAME                128

/* Document templates (no string resources of their own: the templates have no names or filters). */
#define IDR_ZQ_CHARTS                264
#define IDR_ZQ_EVALUATIONS           265
#define IDR_ZQ_RANKING_LIST          266
#define IDR_ZQ_RANKING_CHART         267
#define IDR_ZQ_MATRIX                268
#define IDR_ZQ_GRAPHS                269

/* Bitmaps */
#define IDB_ZQ_ADD                   250 /* add button of the panes and the scale-values page */
#define IDB_ZQ_REMOVE                251 /* remove button */
#define IDB_ZQ_ITEMS                 252 /* 16 by 16 item images: outside ranking, criterion, rank, ranked */
#define IDB_ZQ_SPLASH                260 /* the splash picture */
#define IDB_ZQ_UP                    261 /* move a scale value up */
#define IDB_ZQ_DOWN                  262 /* move a scale value down */

/* Dialog templates */
#define IDD_ZQ_ABOUT                 100 /* the animated about window */
#define IDD_ZQ_ALTERNATIVE_GENERAL   101 /* page of the alternative's property sheet */
#define IDD_ZQ_CRITERION_GENERAL     102 /* pages of the criterion's property sheet */
#define IDD_ZQ_CRITERION_VALUES      103
#define IDD_ZQ_OPTIONS_GENERAL       104 /* the two option pages */
#define IDD_ZQ_OPTIONS_FILES         105
#define IDD_ZQ_ABOUT_PLAIN           106 /* the plain about window */
#define IDD_ZQ_ADD_TO_RANK           263
#define IDD_ZQ_OPTIONS               270
#define IDD_ZQ_CREDIBILITY           271

/* Controls of the dialogs */
#define IDC_ZQ_ALTERNATIVE_NAME      1000
#define IDC_ZQ_CRITERION_NAME        1001
#define IDC_ZQ_INPUT_LIST_SEPARATOR  1002
#define IDC_ZQ_ALTERNATIVE_TEXT      1003
#define IDC_ZQ_CRITERION_TEXT        1004
#define IDC_ZQ_OUTPUT_LIST_SEPARATOR 1005
#define IDC_ZQ_FILES_DEFAULTS        1006
#define IDC_ZQ_ANIMATION             1007
#define IDC_ZQ_GAIN                  1008
#define IDC_ZQ_COST                  1009
#define IDC_ZQ_ORDINAL               1010
#define IDC_ZQ_SCALE_VALUES          1011
#define IDC_ZQ_SEGMENTS              1012
#define IDC_ZQ_RANK_NUMBER           1013
#define IDC_ZQ_VALUE_COUNT           1014
#define IDC_ZQ_ADD_REFERENCE_INFO    1015
#define IDC_ZQ_ADD_SEGMENTS_INFO     1016
#define IDC_ZQ_INPUT_DECIMAL         1017
#define IDC_ZQ_OUTPUT_DECIMAL        1018
#define IDC_ZQ_UTILITY_PRECISION     1020
#define IDC_ZQ_EVALUATIONS_PRECISION 1021
#define IDC_ZQ_BACKGROUND_COLOR      1023
#define IDC_ZQ_AXIS_COLOR            1026
#define IDC_ZQ_LINE_COLOR            1029
#define IDC_ZQ_POINTS_COLOR          1030
#define IDC_ZQ_BARS_COLOR            1031
#define IDC_ZQ_GENERAL_DEFAULTS      1032
#define IDC_ZQ_DELTA                 1036 /* in the Options dialog */
#define IDC_ZQ_RESTORING_CONFIRMATION 1036 /* in the General option page */
#define IDC_ZQ_HIGH_CREDIBILITY      1037
#define IDC_ZQ_LOW_CREDIBILITY       1038
#define IDC_ZQ_TO_LOW                1039
#define IDC_ZQ_TO_HIGH               1040
#define IDC_ZQ_EPSILON               1041

/* The about windows: the animated window's two textures, the plain window's clip and the credits
 * lines the animated window shows under its title (IDS_ZQ_ABOUT_TITLE); the labels of the second
 * credits page are IDS_ZQ_AUTHORS, IDS_ZQ_SUPERVISOR and IDS_ZQ_CONSULTANT. */
#define IDB_ZQ_ABOUT_GLOW            255
#define IDB_ZQ_ABOUT_LOGO            258
#define IDR_ZQ_ABOUT_CLIP            259 /* an "AVI" resource */
#define IDS_ZQ_CREDITS_LINE1         57696 /* the first credits page, five lines */
#define IDS_ZQ_CREDITS_LINE2         57697
#define IDS_ZQ_CREDITS_LINE3         57698
#define IDS_ZQ_CREDITS_LINE4         57699
#define IDS_ZQ_CREDITS_LINE5         57700
#define IDS_ZQ_AUTHOR1               57702
#define IDS_ZQ_AUTHOR2               57703
#define IDS_ZQ_AUTHOR3               57704
#define IDS_ZQ_SUPERVISOR_NAME       57706
#define IDS_ZQ_CONSULTANT_NAME       57707

/* Context menus of the panes */
#define IDR_ZQ_ALTERNATIVES_MENU     253
#define IDR_ZQ_CRITERIA_MENU         254
#define IDR_ZQ_REFERENCE_MENU        257

/* Commands */
#define ID_ZQ_SOLVE                  32771
#define ID_ZQ_VIEW_EVALUATIONS       32772
#define ID_ZQ_VIEW_MATRIX            32773
#define ID_ZQ_VIEW_RANKING_LIST      32774
#define ID_ZQ_VIEW_ALTERNATIVES      32775
#define ID_ZQ_VIEW_REFERENCE         32776
#define ID_ZQ_VIEW_CRITERIA          32777
#define ID_ZQ_REMOVE_ALTERNATIVES    32779
#define ID_ZQ_ALTERNATIVE_PROPERTIES 32780
#define ID_ZQ_ADD_TO_RANK1           32781
#define ID_ZQ_ADD_TO_RANK2           32782
#define ID_ZQ_ADD_TO_RANK3           32783
#define ID_ZQ_ADD_TO_RANK4           32784
#define ID_ZQ_ADD_TO_RANK5           32785
#define ID_ZQ_ADD_TO_OTHER_RANK      32786
#define ID_ZQ_ADD_CRITERION          32787
#define ID_ZQ_REMOVE_CRITERIA        32788
#define ID_ZQ_CRITERION_PROPERTIES   32789
#define ID_ZQ_FOCUS_NEXT             32790
#define ID_ZQ_ADD_RANK_BEGIN         32791
#define ID_ZQ_ADD_RANK_END           32792
#define ID_ZQ_REMOVE_REFERENCE_ITEM  32793
#define ID_ZQ_ADD_RANK_END_KEY       32794
#define ID_ZQ_NEW                    32795
#define ID_ZQ_SAVE                   32796
#define ID_ZQ_SAVE_AS                32797
#define ID_ZQ_PRESERVE_KENDALL       32798
#define ID_ZQ_VIEW_GRAPHS            32802
#define ID_ZQ_SAVE_RESULTS_AS        32809
#define ID_ZQ_OPTIONS                32810
#define ID_ZQ_DEFINE_CREDIBILITY     32811
#define ID_ZQ_VIEW_CHARTS            32812

/* Strings under fixed ids (several share an id with a command, whose prompt they then are). */
#define IDS_ZQ_STATUS_INDICATOR      57665 /* "_": the status bar's one indicator */
#define IDS_ZQ_ALTERNATIVES_LABEL    57666
#define IDS_ZQ_ALTERNATIVE_COLUMN    57669
#define IDS_ZQ_HELP_TIP              57670
#define IDS_ZQ_REMOVE_ALTERNATIVE_TIP 57671
#define IDS_ZQ_ALTERNATIVE_NAME_TIP  57672
#define IDS_ZQ_ALTERNATIVES_LIST_TIP 57673
#define IDS_ZQ_RANK                  57677
#define IDS_ZQ_REFERENCE_LABEL       57678
#define IDS_ZQ_ADD_RANK_TIP          57681
#define IDS_ZQ_REMOVE_RANK_TIP       57682
#define IDS_ZQ_REFERENCE_TREE_TIP    57683
#define IDS_ZQ_CRITERIA_LABEL        57684
#define IDS_ZQ_CRITERION_COLUMN      57685
#define IDS_ZQ_TYPE_COLUMN           57686
#define IDS_ZQ_GAIN                  57687
#define IDS_ZQ_COST                  57688
#define IDS_ZQ_ADD_CRITERION_TIP     57692
#define IDS_ZQ_REMOVE_CRITERION_TIP  57693
#define IDS_ZQ_CRITERIA_LIST_TIP     57694
#define IDS_ZQ_ABOUT_TITLE           57695
#define IDS_ZQ_AUTHORS               57701
#define IDS_ZQ_CONSULTANT            57705
#define IDS_ZQ_ALTERNATIVE_SHEET     57708
#define IDS_ZQ_VALUE_COLUMN          57718
#define IDS_ZQ_CRITERION_SHEET       57719
#define IDS_ZQ_ORDINAL               57732
#define IDS_ZQ_SUPERVISOR            57733

/* Strings the program names itself */
#define IDS_ZQ_CRITERIA_WINDOW       1101
#define IDS_ZQ_REFERENCE_WINDOW      1102
#define IDS_ZQ_ALTERNATIVES_WINDOW   1103
#define IDS_ZQ_CANT_READ_FILE        1104
#define IDS_ZQ_CANT_WRITE_FILE       1105
#define IDS_ZQ_INCORRECT_INPUT_DATA  1106
#define IDS_ZQ_EVALUATIONS_TITLE     1107
#define IDS_ZQ_CHOICE_LIST_HEADING   1108
#define IDS_ZQ_RANKING_LIST_TITLE    1109
#define IDS_ZQ_RANKING_CHART_TITLE   1110
#define IDS_ZQ_UTILITY_COLUMN        1111
#define IDS_ZQ_MATRIX_TITLE          1112
#define IDS_ZQ_GRAPHS_TITLE          1113
#define IDS_ZQ_RESERVED_CRITERION_NAME 1114

#endif
