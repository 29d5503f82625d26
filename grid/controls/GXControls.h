// The cell controls: the table that gives the control factory a maker per control class
// (GXControlMaker, grid/engine/GXControlFactory.h), and the makers' declarations.
//
// How a control plugs in: its work defines the control class in new files of this folder (added to
// this folder's CMakeLists.txt), defines the maker declared below for it (and, when the class registers
// user attributes, its step) and replaces the nulls of its own row in the table of GXControls.cpp by
// them. Each row stands on a line of its own between comment lines, so that controls built side by
// side never change the same lines. Until a class has its maker, the factory gives its ids the
// stand-in control (CGXPlainTextControl).
#pragma once

#include "grid/engine/GXControlFactory.h"

class CGXGridCore;
class CGXStylesMap;

// Registers the rows that have a maker with the library's control factory. A program calls it after
// InitGridLibrary (which makes the factory) and before its first grid.
void GXRegisterCellControls();

// The makers, one per class: the control for pGrid built with the entry's arguments.
CGXControl* GXCreateEditControl(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateStatic(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreatePushbutton(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateRadioButton(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateCheckBox(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateComboBox(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateHotSpotEdit(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateSpinEdit(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateHeader(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateVScrollEdit(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateListBox(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateComboBoxWnd(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateRichEditCtrl(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateMaskControl(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateProgressCtrl(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreatePasswordControl(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateTabbedComboBoxWnd(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateTabbedComboBox(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateCheckListComboBox(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateDateTimeCtrl(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateCurrencyEdit(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateDaoBitmap(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateCheckBoxEx(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateOlePreview(CGXGridCore* pGrid, const GXControlEntry& entry);
CGXControl* GXCreateRadioButtonEx(CGXGridCore* pGrid, const GXControlEntry& entry);

// The user-attribute steps of the classes that have one.
void GXRegisterCheckBoxAttributes(CGXStylesMap& stylesMap);
void GXRegisterSpinEditAttributes(CGXStylesMap& stylesMap);
void GXRegisterMaskControlAttributes(CGXStylesMap& stylesMap);
void GXRegisterProgressCtrlAttributes(CGXStylesMap& stylesMap);
void GXRegisterTabbedComboBoxWndAttributes(CGXStylesMap& stylesMap);
void GXRegisterTabbedComboBoxAttributes(CGXStylesMap& stylesMap);
void GXRegisterDateTimeCtrlAttributes(CGXStylesMap& stylesMap);
void GXRegisterCurrencyEditAttributes(CGXStylesMap& stylesMap);
void GXRegisterRadioButtonExAttributes(CGXStylesMap& stylesMap);
