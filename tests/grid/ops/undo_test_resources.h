// Resources of the undo tests: command strings that give the Undo item its format, or do not.
#pragma once

// "prompt\ntip\nformat": the part after the second line feed is the format.
#define IDS_TEST_UNDO_FORMAT 33001
// "prompt\ntip" only: the menu item's own text is the format.
#define IDS_TEST_UNDO_TWO_LINES 33002
