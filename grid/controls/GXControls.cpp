// The table of the control classes' makers (see GXControls.h): one row per class, nulls until the
// class lands. A control replaces the nulls of its own row and changes no other line.
#include "grid/controls/GXControls.h"

namespace {

const GXControlMaker kMakers[] = {
    // edit cell
    {"CGXEditControl", GXCreateEditControl, nullptr},
    // static text cell
    {"CGXStatic", GXCreateStatic, nullptr},
    // push-button cell
    {"CGXPushbutton", GXCreatePushbutton, nullptr},
    // radio button cell
    {"CGXRadioButton", GXCreateRadioButton, nullptr},
    // check box cell
    {"CGXCheckBox", GXCreateCheckBox, GXRegisterCheckBoxAttributes},
    // drop-down combo cell
    {"CGXComboBox", GXCreateComboBox, nullptr},
    // hot-spot edit cell
    {"CGXHotSpotEdit", GXCreateHotSpotEdit, nullptr},
    // spin edit cell
    {"CGXSpinEdit", GXCreateSpinEdit, GXRegisterSpinEditAttributes},
    // header cell
    {"CGXHeader", GXCreateHeader, nullptr},
    // scroll-bar edit cell
    {"CGXVScrollEdit", GXCreateVScrollEdit, nullptr},
    // list box cell
    {"CGXListBox", GXCreateListBox, nullptr},
    // combo box window cell
    {"CGXComboBoxWnd", GXCreateComboBoxWnd, nullptr},
    // rich text cell
    {"CGXRichEditCtrl", GXCreateRichEditCtrl, nullptr},
    // masked edit cell
    {"CGXMaskControl", GXCreateMaskControl, GXRegisterMaskControlAttributes},
    // progress bar cell
    {"CGXProgressCtrl", GXCreateProgressCtrl, GXRegisterProgressCtrlAttributes},
    // password cell
    {"CGXPasswordControl", GXCreatePasswordControl, nullptr},
    // tabbed combo box window cell
    {"CGXTabbedComboBoxWnd", GXCreateTabbedComboBoxWnd, GXRegisterTabbedComboBoxWndAttributes},
    // tabbed drop-down combo cell
    {"CGXTabbedComboBox", GXCreateTabbedComboBox, GXRegisterTabbedComboBoxAttributes},
    // check-list combo cell
    {"CGXCheckListComboBox", GXCreateCheckListComboBox, nullptr},
    // date/time cell
    {"CGXDateTimeCtrl", GXCreateDateTimeCtrl, GXRegisterDateTimeCtrlAttributes},
    // currency cell
    {"CGXCurrencyEdit", GXCreateCurrencyEdit, GXRegisterCurrencyEditAttributes},
    // bitmap cell
    {"CGXDaoBitmap", GXCreateDaoBitmap, nullptr},
    // check box cell with modify state
    {"CGXCheckBoxEx", GXCreateCheckBoxEx, nullptr},
    // OLE object preview cell
    {"CGXOlePreview", GXCreateOlePreview, nullptr},
    // radio button cell with active state
    {"CGXRadioButtonEx", GXCreateRadioButtonEx, GXRegisterRadioButtonExAttributes},
};

}  // namespace

void GXRegisterCellControls()
{
    CGXControlFactory* pFactory = GXGetControlFactory();
    if (pFactory == nullptr)
        return;
    for (const GXControlMaker& maker : kMakers)
        if (maker.pfnCreate != nullptr || maker.pfnRegisterUserAttributes != nullptr)
            pFactory->RegisterControlMaker(maker);
}
