// Resource ids of the chart wizard: its sheet, pages, sub-panels, preview menu, texts and code lists.
// The resources are in wizard.rc, which dialogs.rc includes. Plain #defines, so that the resource
// compiler reads this file too.
#pragma once

// ---- the sheet --------------------------------------------------------------------------------------
// The frame around the preview and the preview itself.
#define IDC_WIZ_PREVIEW_FRAME 101
#define IDC_WIZ_PREVIEW 21700
// The wizard's own buttons.
#define IDC_WIZ_NEXT 21839
#define IDC_WIZ_BACK 21840
// The hint timer of the caption.
#define IDT_WIZ_HINT 101

// The custom resources of the wizard (type "GRAPHTYPE"), text of one entry a line.
#define WIZ_RESOURCE_TYPE "GRAPHTYPE"

// ---- the templates ------------------------------------------------------------------------------------
#define IDD_WIZ_LAYOUT 21706
#define IDD_WIZ_STANDARD 21707
#define IDD_WIZ_FINISH 21708
// The main page's sub-panels, one per kind of component.
#define IDD_WIZ_PANEL_TEXT_PANEL 21709
#define IDD_WIZ_PANEL_TITLE 21710
#define IDD_WIZ_PANEL_LEGEND 21711
#define IDD_WIZ_PANEL_DISPLAY 21712
#define IDD_WIZ_ADVANCED 21713
#define IDD_WIZ_MAIN 21714
#define IDD_WIZ_FONT 21715
#define IDD_WIZ_FILL 21716

// ---- the main page ------------------------------------------------------------------------------------
#define IDC_WIZ_GRAPH_TYPE 21720
#define IDC_WIZ_SECOND_CODE 21721
#define IDC_WIZ_MEASUREMENT 21722
#define IDC_WIZ_LEFT 21723
#define IDC_WIZ_TOP 21724
#define IDC_WIZ_BOTTOM 21725
#define IDC_WIZ_RIGHT 21726
#define IDC_WIZ_BORDER 21727
#define IDC_WIZ_SHADOW 21728
// The component combo of the main, font and fill pages.
#define IDC_WIZ_COMPONENT 21776
// The data window: first index, first group, last index, last group, with their frame (which also
// places the title's and the text panel's sub-panels), labels and note.
#define IDC_WIZ_FIRST_INDEX 21796
#define IDC_WIZ_FIRST_GROUP 21793
#define IDC_WIZ_LAST_INDEX 21794
#define IDC_WIZ_LAST_GROUP 21795
#define IDC_WIZ_WINDOW_FRAME 21808
#define IDC_WIZ_WINDOW_LABEL 21809
#define IDC_WIZ_WINDOW_LABEL_FIRST 21810
#define IDC_WIZ_WINDOW_LABEL_LAST 21811
#define IDC_WIZ_WINDOW_NOTE 21812
// Where the display's and the legend's sub-panels go.
#define IDC_WIZ_PANEL_PLACE 21789
// The display's sub-panel.
#define IDC_WIZ_ZERO 21750
#define IDC_WIZ_VERTICAL_GRID 21734
#define IDC_WIZ_HORIZONTAL_GRID 21732
#define IDC_WIZ_X_TICKS 21799
#define IDC_WIZ_Y_TICKS 21800
#define IDC_WIZ_OWN_DEPTH 21841
#define IDC_WIZ_DEPTH 21842
#define IDC_WIZ_WINDOW_SCALES 21797
#define IDC_WIZ_SIZE_OPTION 21843
// The title's sub-panel.
#define IDC_WIZ_TITLE_TEXT 21738
// The legend's sub-panel.
#define IDC_WIZ_LEGEND_SOURCE 21769
#define IDC_WIZ_LEGEND_KEY 21770
#define IDC_WIZ_LEGEND_RESIZE 21771
#define IDC_WIZ_LEGEND_KEY_SIZE 21774
#define IDC_WIZ_LEGEND_GRID 21844
#define IDC_WIZ_LEGEND_COLUMNS 21773
#define IDC_WIZ_LEGEND_ROWS 21772
// The text panel's sub-panel.
#define IDC_WIZ_PANEL_HEADING 21801
#define IDC_WIZ_PANEL_HEADING_TEXT 21792
#define IDC_WIZ_PANEL_HEADING_PLACE 21806
#define IDC_WIZ_PANEL_BODY 21790
#define IDC_WIZ_PANEL_BODY_SIZING 21813
#define IDC_WIZ_PANEL_HEADING_FRAME 21804
#define IDC_WIZ_PANEL_HEADING_LABEL 21803
#define IDC_WIZ_PANEL_HEADING_LABEL_2 21802
#define IDC_WIZ_PANEL_HEADING_LABEL_3 21805
#define IDC_WIZ_PANEL_HEADING_LABEL_4 21807

// ---- the font page ------------------------------------------------------------------------------------
#define IDC_WIZ_FONT_CHOOSE 21741
#define IDC_WIZ_FONT_BOLD 21742
#define IDC_WIZ_FONT_STRIKE_OUT 21743
#define IDC_WIZ_FONT_UNDERLINE 21744
#define IDC_WIZ_FONT_ITALIC 21745
#define IDC_WIZ_FONT_LABEL_1 21746
#define IDC_WIZ_FONT_CHOICE 21747
#define IDC_WIZ_FONT_LABEL_2 21748
#define IDC_WIZ_FONT_LABEL_3 21749
#define IDC_WIZ_FONT_FACE 21751
#define IDC_WIZ_FONT_SIZE 21752
#define IDC_WIZ_FONT_PART 21759
#define IDC_WIZ_FONT_PART_LABEL 21760
#define IDC_WIZ_FONT_COLOUR_CHOOSE 21765
#define IDC_WIZ_FONT_COLOUR 21766
#define IDC_WIZ_FONT_AUTO_SIZE 21775

// ---- the fill page ------------------------------------------------------------------------------------
// The fill kind combo; 21730 to 21737 and 21846 are the page's other fill controls and labels.
#define IDC_WIZ_FILL_KIND 21729
#define IDC_WIZ_FILL_LABEL_1 21730
#define IDC_WIZ_FILL_LABEL_2 21731
#define IDC_WIZ_FILL_LABEL_3 21733
#define IDC_WIZ_FILL_LABEL_4 21735
#define IDC_WIZ_FILL_LABEL_5 21737
#define IDC_WIZ_FILL_FILE 21739
#define IDC_WIZ_FILL_VALUE 21753
#define IDC_WIZ_FILL_COLOUR_1_CHOOSE 21754
#define IDC_WIZ_FILL_COLOUR_2_CHOOSE 21755
#define IDC_WIZ_FILL_COLOUR_1 21756
#define IDC_WIZ_FILL_COLOUR_2 21757
#define IDC_WIZ_FILL_BROWSE 21758
#define IDC_WIZ_FILL_PANEL_FRAME 21762
#define IDC_WIZ_FILL_PANEL_PART 21763
#define IDC_WIZ_FILL_PANEL_LABEL 21764
#define IDC_WIZ_FILL_PLACEMENT 21767
#define IDC_WIZ_FILL_PLACEMENT_LABEL 21768

// ---- the advanced page --------------------------------------------------------------------------------
#define IDC_WIZ_ADD_COMPONENT 21787
#define IDC_WIZ_COMPONENT_KIND 21788
#define IDC_WIZ_DELETE_COMPONENT 21791
#define IDC_WIZ_LIVE_REDRAW 21786
#define IDC_WIZ_FIXED_SIZE 21798
#define IDC_WIZ_COMPONENT_LIST 21814
#define IDC_WIZ_MOVE_UP 21815
#define IDC_WIZ_MOVE_DOWN 21816
#define IDC_WIZ_MOVE_TOP 21817
#define IDC_WIZ_MOVE_BOTTOM 21818
#define IDC_WIZ_GRID 21819
#define IDC_WIZ_GRID_LABEL 21820
#define IDC_WIZ_GRID_STEP 21821
#define IDC_WIZ_SNAP 21822

// ---- the wizard pages ---------------------------------------------------------------------------------
#define IDC_WIZ_GRAPH_TYPES 21824
#define IDC_WIZ_LAYOUT_TEXT 21825
#define IDC_WIZ_STANDARD_TEXT 21826
#define IDC_WIZ_FINISH_TEXT 21823
#define IDC_WIZ_PREVIOUS_LAYOUTS 21827
#define IDC_WIZ_NEXT_LAYOUTS 21828
// The six thumbnails, 21829 the first.
#define IDC_WIZ_THUMBNAIL_FIRST 21829
// The colour buttons: background, title, display, legend.
#define IDC_WIZ_COLOUR_BACKGROUND 21835
#define IDC_WIZ_COLOUR_TITLE 21836
#define IDC_WIZ_COLOUR_DISPLAY 21837
#define IDC_WIZ_COLOUR_LEGEND 21838

// ---- the preview --------------------------------------------------------------------------------------
#define IDR_WIZ_PREVIEW_MENU 21845
#define ID_WIZ_COPY 21701
#define ID_WIZ_SAVE_LAYOUT 21702
#define ID_WIZ_END_TRACKING 21703
#define ID_WIZ_PRINT 21704

// ---- texts --------------------------------------------------------------------------------------------
// The questions of the advanced page: delete (the list's text follows), delete a label, a label block
// or a compound display, add (the kind's text follows).
#define IDS_WIZ_ASK_DELETE 53600
#define IDS_WIZ_ASK_ADD 53601
#define IDS_WIZ_ASK_DELETE_LABEL 53602
// The answer to closing the sheet from its system menu: Yes keeps it open.
#define IDS_WIZ_ASK_CLOSE 53604
// The graph types that need data of their own: stock bars and candlesticks (No takes steps instead), and
// stock ticks.
#define IDS_WIZ_ASK_STOCK 53605
#define IDS_WIZ_ASK_TICKS 53606
// What the finish, layout and standard pages say.
#define IDS_WIZ_FINISH_TEXT 53607
#define IDS_WIZ_LAYOUT_TEXT 53608
#define IDS_WIZ_STANDARD_TEXT 53609
// The buttons and captions of the wizard's steps.
#define IDS_WIZ_NEXT 53610
#define IDS_WIZ_BACK 53611
// The tooltips of the layout page's colour buttons and its two arrows (53612 to 53617).
#define IDS_WIZ_TIP_LAYOUT_FIRST 53612
#define IDS_WIZ_CAPTION_LAYOUT 53618
#define IDS_WIZ_CAPTION_STANDARD 53619
#define IDS_WIZ_FINISH_BUTTON 53620
#define IDS_WIZ_ADVANCED_BUTTON 53621
#define IDS_WIZ_DONE_BUTTON 53622
// The tooltips of the four pages' controls (53623 to 53670).
#define IDS_WIZ_TIP_FIRST 53623
// The fill page's browse button: for an image file, for a bitmap resource.
#define IDS_WIZ_BROWSE_FILE 53672
#define IDS_WIZ_BROWSE_BITMAP 53673
// The five hints of the caption.
#define IDS_WIZ_HINT_FIRST 53674
#define IDS_WIZ_HINT_COUNT 5

// The entries of the pages' fixed combo boxes ('\n' between entries): the fill kinds, the image
// placements, the text panel's parts (fill and font), the font looks, the heading places.
#define IDS_WIZ_LIST_FILL_KINDS 21648
#define IDS_WIZ_LIST_PLACEMENTS 21649
#define IDS_WIZ_LIST_PANEL_STYLES 21650
#define IDS_WIZ_LIST_PANEL_PARTS 21651
#define IDS_WIZ_LIST_FONT_LOOKS 21652
#define IDS_WIZ_LIST_HEADING_PLACES 21653
