// String-resource ids of the grid library: the texts name controls, base styles, user attributes,
// properties and colours, and the library's shared texts. The texts themselves are in grid.rc, which
// the program (and every test program of the grid) links. Plain #defines, so that the resource
// compiler reads this file too.
#pragma once

// Control names (the cell controls a style's ControlId selects).
#define GX_IDS_CTRL_EDIT 52512
#define GX_IDS_CTRL_STATIC 52513
#define GX_IDS_CTRL_PUSHBTN 52514
#define GX_IDS_CTRL_RADIOBTN 52515
#define GX_IDS_CTRL_CHECKBOX 52516
#define GX_IDS_CTRL_COMBOBOX 52517
#define GX_IDS_CTRL_HOTSPOT 52518
#define GX_IDS_CTRL_SPINEDIT 52519
#define GX_IDS_CTRL_HEADER 52520
#define GX_IDS_CTRL_SCROLLEDIT 52521
#define GX_IDS_CTRL_LISTBOX 52522
#define GX_IDS_CTRL_CHECKBOX3D 52523
#define GX_IDS_CTRL_RADIOBTN3D 52524
#define GX_IDS_CTRL_ZEROBASED 52525
#define GX_IDS_CTRL_ONEBASED 52526
#define GX_IDS_CTRL_TEXTFIT 52527
#define GX_IDS_CTRL_CBS_DROPDOWN 52528
#define GX_IDS_CTRL_CBS_DROPDOWNLIST 52529
#define GX_IDS_CTRL_ARROWHEADER 52530
#define GX_IDS_CTRL_ONEBASED_EX 52531
#define GX_IDS_CTRL_ZEROBASED_EX 52532
#define GX_IDS_CTRL_ROWHEADER 52533
#define GX_IDS_CTRL_RICHEDIT 52534
#define GX_IDS_CTRL_MASKEDIT 52535
#define GX_IDS_CTRL_PROGRESS 52536
#define GX_IDS_CTRL_PASSWORD 52537
#define GX_IDS_CTRL_COLORWELL 52538
#define GX_IDS_CTRL_CBS_TABBED_DROPDOWN 52539
#define GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST 52540
#define GX_IDS_CTRL_TABBED_COMBOBOX 52541
#define GX_IDS_CTRL_CHECKLIST_COMBOBOX 52542
#define GX_IDS_CTRL_DATETIME 52543
#define GX_IDS_CTRL_DATETIMENOCAL 52544
#define GX_IDS_CTRL_CURRENCY 52545
#define GX_IDS_CTRL_DAOBITMAP 20128
#define GX_IDS_CTRL_CHECKBOX_EX 20130
#define GX_IDS_CTRL_CHECKBOX3D_EX 20131
#define GX_IDS_CTRL_OLE_PREVIEW 20132
#define GX_IDS_CTRL_RADIOBTN3DEX 20136
#define GX_IDS_CTRL_RADIOBTNEX 20137

// Base styles.
#define GX_IDS_STYLE_STANDARD 52768
#define GX_IDS_STYLE_ROWHEADER 52769
#define GX_IDS_STYLE_COLHEADER 52770

// Colour properties.
#define GX_IDS_COLOR_GRIDLINES 52232
#define GX_IDS_COLOR_FIXEDLINES 52233
#define GX_IDS_COLOR_TRACKINGLINE 52234
#define GX_IDS_COLOR_BACKGROUND 52235
#define GX_IDS_COLOR_DRAGGINGLINE 52236

// User properties and the names of the ways the current cell is marked.
#define GX_IDS_UP_CURRENTCELL 51005
#define GX_IDS_MARK_INVERTTHIN 51006
#define GX_IDS_MARK_INVERTTHICK 51007
#define GX_IDS_MARK_THINBORDER 51008
#define GX_IDS_MARK_THICKBORDER 51009
#define GX_IDS_MARK_NOBORDER 20059

// User attributes.
#define GX_IDS_UA_VALID_MIN 51011
#define GX_IDS_UA_VALID_MAX 51012
#define GX_IDS_UA_VALID_MSG 51013
#define GX_IDS_UA_SPINBOUND_MIN 51014
#define GX_IDS_UA_SPINBOUND_MAX 51015
#define GX_IDS_UA_SPINBOUND_WRAP 51016
#define GX_IDS_UA_FIELDNO 51018
#define GX_IDS_UA_CHECKBOX_CHECKED 51019
#define GX_IDS_UA_CHECKBOX_UNCHECKED 51020
#define GX_IDS_UA_SPINSTART 51021
#define GX_IDS_UA_TOOLTIPTEXT 51022
#define GX_IDS_UA_INPUTMASK 51023
#define GX_IDS_UA_INPUTPROMPT 51024
#define GX_IDS_UA_PROGRESS_LOW 51025
#define GX_IDS_UA_PROGRESS_HIGH 51026
#define GX_IDS_UA_PROGRESS_CAPTIONMASK 51027
#define GX_IDS_UA_TABLIST_KEYCOL 51028
#define GX_IDS_UA_TABLIST_TEXTCOL 51029
#define GX_IDS_UA_TABLIST_SHOWALLCOLS 51030
#define GX_IDS_UA_TABLIST_TITLES 51031
#define GX_IDS_UA_TABLIST_COLWIDTHS 51032
#define GX_IDS_UA_TABLIST_SORT 51033
#define GX_IDS_UA_DATENOEDIT 51034
#define GX_IDS_UA_DATEMIN 51035
#define GX_IDS_UA_DATEMAX 51036
#define GX_IDS_UA_DATEVALIDMODE 51037
#define GX_IDS_UA_DATEFORMATTYPE 51038
#define GX_IDS_UA_CUSTOMFORMAT 51039
#define GX_IDS_UA_DATEFASTINPUT 51044
#define GX_IDS_UA_CURRENCYSEP 51045
#define GX_IDS_UA_CURRENCYDEF 51046
#define GX_IDS_UA_CURRENCYPOSFMT 51047
#define GX_IDS_UA_CURRENCYNEGFMT 51048
#define GX_IDS_UA_CURRENCYDECIMALS 51049
#define GX_IDS_UA_CURRENCYFRACTIONS 51050
#define GX_IDS_UA_CURRENCYCALCBTN 51051
#define GX_IDS_UA_CURRENCYSYMBOL 51054
#define GX_IDS_UA_TABLIST_UNIQUEID 51055
#define GX_IDS_UA_RADIOBUTTON_ALIGN 51057
#define GX_IDS_UA_RADIOBUTTONTEXTALIGN 52568
#define GX_IDS_UA_PUSHBUTTONFACECOLOR 52569
#define GX_IDS_UA_RTLREADING 52570
#define GX_IDS_UA_DATETIMEASNUMBER 52571
#define GX_IDS_UA_ELLIPSISTYPE 52792
#define GX_IDS_UA_DAOBITMAP 52794
#define GX_IDS_UA_NEGATIVECOLOR 52797
#define GX_IDS_UA_OLEVIEWERID 52801

// The choices of the ellipsis attribute ("No ellipse", "Dotted....", "Pound###", one per line).
#define GX_IDS_ELLIPSIS_CHOICES 20126

// Shared texts of the library (undo, long operations, clipboard).
#define GX_IDS_REDOING 20139
#define GX_IDS_UNDOING 20140
#define GX_IDS_GENERATINGUNDO 20141
#define GX_IDS_STORINGCELLS 20142
#define GX_IDS_RESTORINGCELLS 20143
#define GX_IDS_CELLS 20144
#define GX_IDS_REMOVINGROWS 20145
#define GX_IDS_REMOVINGCOLS 20146
#define GX_IDS_COPYINGTEXT 20147
#define GX_IDS_COPYINGINTERNAL 20148
#define GX_IDS_CUTDATA 20150
#define GX_IDS_CUTTINGDATA 20151
#define GX_IDS_PASTINGDATA 20152
#define GX_IDS_PASTE 20154
#define GX_IDS_REPLACINGVALUES 20155
#define GX_IDS_REPLACEALL 20156
#define GX_IDS_SEARCHINGVALUES 20157
#define GX_IDS_MOVEROWS 20162
#define GX_IDS_MOVECOLS 20163
#define GX_IDS_INSERTROWS 20164
#define GX_IDS_INSERTCOLS 20165
#define GX_IDS_FREEZECOLS 20168
#define GX_IDS_FREEZEROWS 20169
#define GX_IDS_RESIZEROWS 20172
#define GX_IDS_RESIZECOLS 20173
#define GX_IDS_CURRENTCELL 20174
#define GX_IDS_CLIPBOARDSIZE 20175
#define GX_IDS_COPY 20178
#define GX_IDS_MOVE 20179
#define GX_IDS_CLEARCELLS 20180
#define GX_IDS_PROCESSING 20075
#define GX_IDS_DONE 20076
#define GX_IDS_PRESSESC 20077
#define GX_IDS_ABORTOPERATION 20081
// The question when a range is too large to save its old styles for undo (OK goes on without undo).
#define GX_IDS_UNDOTOOLARGE 20082
// The clipboard's messages: a block too large to copy or paste, and a paste into several selected
// areas.
#define GX_IDS_RANGETOOBIG 20149
#define GX_IDS_MULTIAREAPASTE 20153
// The names of the undo commands that have no shared text (what each takes back).
#define GX_IDS_CMD_ROWHEIGHTS 20158
#define GX_IDS_CMD_COLWIDTHS 20159
#define GX_IDS_CMD_DEFROWHEIGHT 20160
#define GX_IDS_CMD_DEFCOLWIDTH 20161
#define GX_IDS_CMD_COVERCELLS 20166
#define GX_IDS_CMD_CELLS 20167
#define GX_IDS_CMD_HIDEROWS 20170
#define GX_IDS_CMD_HIDECOLS 20171
#define GX_IDS_CMD_SORTROWS 20181
#define GX_IDS_CMD_SORTCOLS 20182
// What a sort shows when it ran out of memory, and in the status line when the user cancelled it.
#define GX_IDS_SORT_NOMEMORY 20183
#define GX_IDS_SORT_CANCELED 20184
#define GX_IDS_CMD_STYLESMAP 20185
#define GX_IDS_CMD_PROPERTIES 20186
#define GX_IDS_CMD_SETRANGENAME 20188
#define GX_IDS_CMD_DELETERANGENAME 20189

// Bitmaps: the drop-down arrow of combo cells (a black triangle of 7 by 4 pixels on button face) and
// its disabled form (shadow grey with a white highlight); the library rebuilds both in the current
// button colours.
#define GX_IDB_DROPARROW 20028
#define GX_IDB_DROPARROW_DISABLED 20211
// Cursors the grid shows over what lies under the mouse: a column's or a row's boundary, the
// boundary that opens a hidden column or row, the selection's frame, a column or row header (whole
// columns or rows may be selected) and the selection's fill handle; while selected rows or columns
// are dragged, a place they may not be dropped at.
#define GX_IDC_COLSIZE 20190
#define GX_IDC_ROWSIZE 20191
#define GX_IDC_COLHIDDEN 20192
#define GX_IDC_ROWHIDDEN 20193
#define GX_IDC_SELMOVE 20194
#define GX_IDC_SELCOL 20195
#define GX_IDC_SELROW 20196
#define GX_IDC_NODROP 20208
#define GX_IDC_FILLHANDLE 20209
// The cursor over the splitter box between a tab window's beam and its horizontal scroll bar (the id
// of the window toolkit's horizontal split-bar cursor too: see grid.rc).
#define GX_IDC_SPLITH 30980

// The currency cell: the choices of its negative and positive formats (one per line), the label of the
// calculator's Enter key and the calculator's error display; the image of the currency edit's drop
// button (a small calculator) and of the calculator's Enter key (a return arrow).
#define GX_IDS_CURRENCY_NEGFORMATS 20064
#define GX_IDS_CURRENCY_POSFORMATS 20065
#define GX_IDS_CALC_ENTER 20124
#define GX_IDS_CALC_ERROR 20125
#define GX_IDB_CALCBUTTON 20036
#define GX_IDB_CALCENTER 20037

// The check box and radio button cells: strips of five 13 x 13 images at 4 bits per pixel
// (unchecked, checked, unchecked grey, checked grey, indeterminate), three-dimensional (the thin look
// when the library's check-box look option is set, else the thick one) and flat; their black, pure
// red, pure green and light grey entries are recoloured. The radio images hold the flat buttons in
// their first row and the three-dimensional ones (unselected, selected, 14 x 13 each) in the second.
#define GX_IDB_CHECKBOX3D_THIN 20024
#define GX_IDB_CHECKBOX3D 20025
#define GX_IDB_CHECKBOX 20026
#define GX_IDB_RADIOBUTTON 20019

// The OLE object viewers and the object preview cell: their messages and the Insert Object
// dialog's caption.
#define GX_IDS_OLE_INVALIDDATA 20134
#define GX_IDS_OLE_COPYFAILED 20203
#define GX_IDS_OLE_CUTFAILED 20204
#define GX_IDS_OLE_INSERTCAPTION 20205
#define GX_IDS_OLE_VIEWEROPEN 20206
#define GX_IDS_OLE_INSERTFAILED 20207
