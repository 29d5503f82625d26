// The control factory (see GXControlFactory.h).
#include "grid/engine/GXControlFactory.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXDocSerializeImp.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXParamCopyImp.h"
#include "grid/engine/GXProfileImp.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXSerializeQW5Imp.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStyleCompareImp.h"
#include "grid/engine/GXStyleSerializeImp.h"
#include "grid/engine/GXStylesMap.h"
#include "win/Win.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <set>


// The arguments after the grid: ids, 3D flags and the two zero words of the check boxes, the combo
// boxes' option bits (1 fit the text, 2 no fit, 4 zero-based index, 8 one-based index, 16 display the
// choice). The masked edit also gets the class record of its mask data, which belongs to the control.
const GXControlEntry GXControlTable[] = {
    {GX_IDS_CTRL_EDIT, "CGXEditControl", 1, {GX_IDS_CTRL_EDIT}, 0, TRUE},
    {GX_IDS_CTRL_STATIC, "CGXStatic", 0, {}, 0, TRUE},
    {GX_IDS_CTRL_PUSHBTN, "CGXPushbutton", 0, {}, 0, TRUE},
    {GX_IDS_CTRL_RADIOBTN, "CGXRadioButton", 1, {FALSE}, 0, FALSE},
    {GX_IDS_CTRL_RADIOBTN3D, "CGXRadioButton", 1, {TRUE}, 0, FALSE},
    {GX_IDS_CTRL_CHECKBOX, "CGXCheckBox", 3, {FALSE, 0, 0}, 0, FALSE},
    {GX_IDS_CTRL_CHECKBOX3D, "CGXCheckBox", 3, {TRUE, 0, 0}, 0, FALSE},
    {GX_IDS_CTRL_COMBOBOX, "CGXComboBox", 3, {GX_IDS_CTRL_COMBOBOX, GX_IDS_CTRL_COMBOBOX, 2}, 0, TRUE},
    {GX_IDS_CTRL_ZEROBASED, "CGXComboBox", 3, {GX_IDS_CTRL_ZEROBASED, GX_IDS_CTRL_ZEROBASED, 4}, 0, TRUE},
    {GX_IDS_CTRL_ONEBASED, "CGXComboBox", 3, {GX_IDS_CTRL_ONEBASED, GX_IDS_CTRL_ONEBASED, 8}, 0, TRUE},
    {GX_IDS_CTRL_TEXTFIT, "CGXComboBox", 3, {GX_IDS_CTRL_TEXTFIT, GX_IDS_CTRL_TEXTFIT, 1}, 0, TRUE},
    {GX_IDS_CTRL_ONEBASED_EX, "CGXComboBox", 3, {GX_IDS_CTRL_ONEBASED_EX, GX_IDS_CTRL_ONEBASED_EX, 24}, 0, TRUE},
    {GX_IDS_CTRL_ZEROBASED_EX, "CGXComboBox", 3, {GX_IDS_CTRL_ZEROBASED_EX, GX_IDS_CTRL_ZEROBASED_EX, 20}, 0, TRUE},
    {GX_IDS_CTRL_HOTSPOT, "CGXHotSpotEdit", 1, {GX_IDS_CTRL_HOTSPOT}, 0, TRUE},
    {GX_IDS_CTRL_SPINEDIT, "CGXSpinEdit", 1, {GX_IDS_CTRL_SPINEDIT}, 0, TRUE},
    {GX_IDS_CTRL_HEADER, "CGXHeader", 0, {}, 0, TRUE},
    {GX_IDS_CTRL_SCROLLEDIT, "CGXVScrollEdit", 1, {GX_IDS_CTRL_SCROLLEDIT}, 0, FALSE},
    {GX_IDS_CTRL_LISTBOX, "CGXListBox", 1, {GX_IDS_CTRL_LISTBOX}, 0, TRUE},
    {GX_IDS_CTRL_CBS_DROPDOWN, "CGXComboBoxWnd", 0, {}, WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, FALSE},
    {GX_IDS_CTRL_CBS_DROPDOWNLIST, "CGXComboBoxWnd", 0, {}, WS_VSCROLL | CBS_DROPDOWNLIST, FALSE},
    {GX_IDS_CTRL_RICHEDIT, "CGXRichEditCtrl", 0, {}, ES_MULTILINE, FALSE},
    {GX_IDS_CTRL_MASKEDIT, "CGXMaskControl", 1, {GX_IDS_CTRL_MASKEDIT}, 0, TRUE},
    {GX_IDS_CTRL_PROGRESS, "CGXProgressCtrl", 0, {}, 0, FALSE},
    {GX_IDS_CTRL_PASSWORD, "CGXPasswordControl", 1, {GX_IDS_CTRL_PASSWORD}, 0, TRUE},
    {GX_IDS_CTRL_CBS_TABBED_DROPDOWN, "CGXTabbedComboBoxWnd", 0, {}, CBS_DROPDOWN, FALSE},
    {GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST, "CGXTabbedComboBoxWnd", 0, {}, CBS_DROPDOWNLIST, FALSE},
    {GX_IDS_CTRL_TABBED_COMBOBOX, "CGXTabbedComboBox", 2, {GX_IDS_CTRL_TABBED_COMBOBOX, GX_IDS_CTRL_TABBED_COMBOBOX}, 0,
     TRUE},
    {GX_IDS_CTRL_CHECKLIST_COMBOBOX, "CGXCheckListComboBox", 2, {0, 0}, 0, TRUE},
    {GX_IDS_CTRL_DATETIME, "CGXDateTimeCtrl", 1, {GX_IDS_CTRL_DATETIME}, 0x40000003, TRUE},
    {GX_IDS_CTRL_DATETIMENOCAL, "CGXDateTimeCtrl", 1, {GX_IDS_CTRL_DATETIMENOCAL}, 0x40000002, TRUE},
    {GX_IDS_CTRL_CURRENCY, "CGXCurrencyEdit", 1, {GX_IDS_CTRL_CURRENCY}, 0x40000000, TRUE},
    {GX_IDS_CTRL_DAOBITMAP, "CGXDaoBitmap", 0, {}, 0, FALSE},
    {GX_IDS_CTRL_CHECKBOX_EX, "CGXCheckBoxEx", 3, {FALSE, 0, 0}, 0, FALSE},
    {GX_IDS_CTRL_CHECKBOX3D_EX, "CGXCheckBoxEx", 3, {TRUE, 0, 0}, 0, FALSE},
    {GX_IDS_CTRL_OLE_PREVIEW, "CGXOlePreview", 1, {0}, 0, FALSE},
    {GX_IDS_CTRL_RADIOBTN3DEX, "CGXRadioButtonEx", 1, {TRUE}, 0, FALSE},
    {GX_IDS_CTRL_RADIOBTNEX, "CGXRadioButtonEx", 1, {FALSE}, 0, FALSE},
};
const size_t GXControlTableSize = sizeof(GXControlTable) / sizeof(GXControlTable[0]);

const UINT GXRegisteredControlIds[] = {
    GX_IDS_CTRL_EDIT, GX_IDS_CTRL_HEADER, GX_IDS_CTRL_TEXTFIT, GX_IDS_CTRL_COMBOBOX, GX_IDS_CTRL_ONEBASED,
    GX_IDS_CTRL_ZEROBASED, GX_IDS_CTRL_ONEBASED_EX, GX_IDS_CTRL_ZEROBASED_EX, GX_IDS_CTRL_CBS_DROPDOWN,
    GX_IDS_CTRL_CBS_DROPDOWNLIST, GX_IDS_CTRL_LISTBOX, GX_IDS_CTRL_STATIC, GX_IDS_CTRL_PUSHBTN, GX_IDS_CTRL_RADIOBTN,
    GX_IDS_CTRL_RADIOBTN3D, GX_IDS_CTRL_CHECKBOX, GX_IDS_CTRL_CHECKBOX3D, GX_IDS_CTRL_CHECKBOX_EX,
    GX_IDS_CTRL_CHECKBOX3D_EX, GX_IDS_CTRL_RADIOBTNEX, GX_IDS_CTRL_RADIOBTN3DEX, GX_IDS_CTRL_MASKEDIT,
    GX_IDS_CTRL_PROGRESS, GX_IDS_CTRL_PASSWORD, GX_IDS_CTRL_CBS_TABBED_DROPDOWN, GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST,
    GX_IDS_CTRL_TABBED_COMBOBOX, GX_IDS_CTRL_RICHEDIT, GX_IDS_CTRL_CHECKLIST_COMBOBOX, GX_IDS_CTRL_SPINEDIT,
    GX_IDS_CTRL_HOTSPOT, GX_IDS_CTRL_SCROLLEDIT, GX_IDS_CTRL_DATETIME, GX_IDS_CTRL_DATETIMENOCAL, GX_IDS_CTRL_CURRENCY,
    GX_IDS_CTRL_DAOBITMAP, GX_IDS_CTRL_OLE_PREVIEW};
const size_t GXRegisteredControlIdCount = sizeof(GXRegisteredControlIds) / sizeof(GXRegisteredControlIds[0]);

const UINT GXLibraryUserAttributeIds[] = {
    51011, 51012, 51013, 51014, 51015, 51016, 51018, 51019, 51020, 51021, 51022, 51023, 51024, 51025, 51026,
    51027, 51028, 51029, 51030, 51031, 51032, 51033, 51034, 51035, 51036, 51037, 51038, 51039, 51044, 51045,
    51046, 51047, 51048, 51049, 51050, 51051, 51054, 51055, 51057, 52568, 52571};
const size_t GXLibraryUserAttributeIdCount = sizeof(GXLibraryUserAttributeIds) / sizeof(GXLibraryUserAttributeIds[0]);

namespace {

// The classes whose user-attribute steps run first, in this order.
const char* const kUserAttributeClasses[] = {
    "CGXSpinEdit",       "CGXCheckBox",          "CGXRadioButtonEx", "CGXMaskControl",  "CGXProgressCtrl",
    "CGXTabbedComboBox", "CGXTabbedComboBoxWnd", "CGXDateTimeCtrl",  "CGXCurrencyEdit"};

}  // namespace

const GXControlEntry& GXFindControlEntry(UINT nId, BOOL bWin32s)
{
    if (bWin32s && (nId == GX_IDS_CTRL_CBS_TABBED_DROPDOWN || nId == GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST))
        nId = GX_IDS_CTRL_TABBED_COMBOBOX;
    for (const GXControlEntry& entry : GXControlTable)
        if (entry.nId == nId)
            return entry;
    return GXControlTable[0];
}

// ---- the factory ------------------------------------------------------------------------------------

CGXAbstractControlFactory::~CGXAbstractControlFactory() = default;

CGXControl* CGXControlFactory::CreateControl(UINT nID, CGXGridCore* pGrid)
{
    if (pGrid == nullptr)
        AfxThrowInvalidArgFormat("CGXControlFactory::CreateControl: null grid for control %u", nID);
    const GXControlEntry& entry = GXFindControlEntry(nID, GXGetLibraryState()->m_bWin32s);
    CGXControl* pControl = nullptr;
    const GXControlMaker* pMaker = FindControlMaker(entry.pszClass);
    // the object preview's maker alone knows a browsing grid; the id never gives the stand-in
    if (entry.nId == GX_IDS_CTRL_OLE_PREVIEW && (pMaker == nullptr || pMaker->pfnCreate == nullptr))
        return nullptr;
    if (pMaker != nullptr && pMaker->pfnCreate != nullptr)
        pControl = pMaker->pfnCreate(pGrid, entry);
    else
        AfxAllocating([&] { pControl = new CGXPlainTextControl(pGrid, entry); });
    if (pControl == nullptr)
        return nullptr;
    if (entry.bCellTip) {
        std::unique_ptr<CGXControl> pOwned(pControl);
        pControl->AttachCellTip();
        pOwned.release();
    }
    return pControl;
}

void CGXControlFactory::RegisterAllControls(CGXStylesMap& stylesMap)
{
    for (UINT nId : GXRegisteredControlIds)
        stylesMap.AddControl(WORD(nId));
}

void CGXControlFactory::RegisterAllUserAttributes(CGXStylesMap& stylesMap)
{
    CGXControl::RegisterUserAttributes(stylesMap);
    CGXControl::RegisterUserAttributes(stylesMap);
    CGXStyle tip;
    tip.SetWrapText(TRUE).SetAutoSize(TRUE);
    stylesMap.AddUserAttribute(GX_IDS_UA_TOOLTIPTEXT, &tip);
    CString strChoices;
    if (!AfxLoadString(GX_IDS_ELLIPSIS_CHOICES, strChoices))
        AfxThrowResourceException();
    CGXStyle ellipsis;
    ellipsis.SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList(strChoices);
    stylesMap.AddUserAttribute(GX_IDS_UA_ELLIPSISTYPE, &ellipsis);

    // the controls' own registrations, each once: those the library knows in its order, then the rest
    std::vector<const GXControlMaker*> steps;
    for (const char* pszClass : kUserAttributeClasses)
        if (const GXControlMaker* pMaker = FindControlMaker(pszClass))
            steps.push_back(pMaker);
    for (const GXControlMaker& maker : m_makers)
        if (std::find(steps.begin(), steps.end(), &maker) == steps.end())
            steps.push_back(&maker);
    for (const GXControlMaker* pMaker : steps)
        if (pMaker->pfnRegisterUserAttributes != nullptr)
            pMaker->pfnRegisterUserAttributes(stylesMap);

    for (UINT nId : GXLibraryUserAttributeIds)
        stylesMap.AddUserAttribute(WORD(nId), nullptr);
}

void CGXControlFactory::RegisterControlMaker(const GXControlMaker& maker)
{
    if (maker.pszClass == nullptr)
        AfxThrowInvalidArgException("CGXControlFactory::RegisterControlMaker: null class name");
    for (GXControlMaker& known : m_makers)
        if (std::strcmp(known.pszClass, maker.pszClass) == 0) {
            known = maker;
            return;
        }
    AfxAllocating([&] { m_makers.push_back(maker); });
}

const GXControlMaker* CGXControlFactory::FindControlMaker(const char* pszClass) const
{
    for (const GXControlMaker& maker : m_makers)
        if (pszClass != nullptr && std::strcmp(maker.pszClass, pszClass) == 0)
            return &maker;
    return nullptr;
}

CGXControlFactory* GXGetControlFactory()
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    return pState != nullptr ? dynamic_cast<CGXControlFactory*>(pState->m_pControlFactory) : nullptr;
}

void CGXControlFactory::InitializeGridComponents(CGXGridCore* pGrid)
{
    if (pGrid == nullptr)
        AfxThrowInvalidArgException("CGXControlFactory::InitializeGridComponents: null grid");
    pGrid->AttachFindReplaceImp();
    pGrid->AttachHideCellsImp();
    pGrid->AttachAutoScrollPlugin();
    pGrid->AttachResizeToFitImp();
    pGrid->AttachUpdateHintImp();
    pGrid->AttachCommandFactory();
    pGrid->AttachSortImp();
    pGrid->AttachOldDrawingImp();
    pGrid->AttachCoveredCellsImp();
    pGrid->AttachMergeCellsImp();
    pGrid->AttachFloatCellsImp();
    pGrid->AttachPrintImp();
    pGrid->AttachUserSelectRangeImp();
    pGrid->AttachExcelLikeFrameImp();
    pGrid->AttachUserDragSelectRangeImp();
    pGrid->AttachUserResizeCellsImp();
    pGrid->AttachOptimizedUpdateImp();
    pGrid->AttachMarkEditHeaderImp();
    pGrid->AttachFreezeMenuHelperImp();
    pGrid->AttachDirectCopyMoveCellsImp();
    pGrid->AttachTextDataExchangeImp();
    pGrid->AttachStyleDataExchangeImp();
    pGrid->AttachCutPasteImp();
    pGrid->AttachClearCellsImp();
    pGrid->AttachExcelLikeFillImp();
}

void CGXControlFactory::InitializeApplicationComponents()
{
    InstallGlobalPrintDeviceImp();
    InstallGlobalStyleCompareSubsetImp();
    InstallGlobalStyleSerializeImp();
    InstallGlobalSerializeQW5CompatibleImp();
    InstallGlobalGridProfileImp();
    InstallGlobalGridDocSerializeImp();
    InstallGlobalGridParamCopyOperatorImp();
    InstallGlobalDrawRotatedTextImp();
    InstallGlobalNumberFormattingImp();
    InstallGlobalOleDateTimeImp();
    InstallGlobalNoOleDateTimeImp();
    InstallGlobalSortMoveDataImp();
    InstallGlobalDataCopyMoveCellsImp();
    InstallGlobalLongOperationImp();
    InstallGlobalCoveredCellPoolImp();
    InstallGlobalSpanCellPoolImp();
    InstallGlobalDelayedRangePoolImp();
}

namespace {

const char* const kFactoryClasses[] = {"CGXGridWnd", "CGXTabBeam", "CGXTabWnd"};

// The objects the procedure below made for their windows.
std::set<CWnd*>& AutoCreatedWindows()
{
    static std::set<CWnd*> s_windows;
    return s_windows;
}

// The procedure of a window class named after a run-time class: the window's first message makes its
// object, which takes the window's messages from then on.
LRESULT CALLBACK ObjectWndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    char szClass[256] = {};
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    CRuntimeClass* pClass = CRuntimeClass::FromName(szClass);
    if (pClass == nullptr || !pClass->IsDerivedFrom(RUNTIME_CLASS(CWnd)) || !pClass->IsCreatable() ||
        CWnd::FromHandlePermanent(hWnd) != nullptr)
        return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);
    // an object that cannot be made fails the creation of its window
    CWnd* pWnd = AfxCallProtected<CWnd*>(nullptr, [&] {
        std::unique_ptr<CWnd> pNew(static_cast<CWnd*>(pClass->CreateObject()));
        pNew->Attach(hWnd);
        return pNew.release();
    });
    if (pWnd == nullptr)
        return nMessage == WM_NCCREATE ? FALSE : ::DefWindowProcA(hWnd, nMessage, wParam, lParam);
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc));
    AutoCreatedWindows().insert(pWnd);
    return AfxCallWndProc(pWnd, hWnd, nMessage, wParam, lParam);
}

}  // namespace

BOOL GXTakeAutoCreatedWindow(CWnd* pWnd)
{
    return AutoCreatedWindows().erase(pWnd) != 0;
}

void CGXControlFactory::RegisterWndClasses(HINSTANCE hInstance)
{
    for (const char* pszClass : kFactoryClasses)
        GXRegisterObjectWndClass(hInstance, pszClass);
}

void CGXControlFactory::UnregisterWndClasses(HINSTANCE hInstance)
{
    for (const char* pszClass : kFactoryClasses)
        ::UnregisterClassA(pszClass, hInstance);
}

BOOL GXRegisterObjectWndClass(HINSTANCE hInstance, LPCSTR lpszClassName)
{
    WNDCLASSA wc = {};
    if (::GetClassInfoA(hInstance, lpszClassName, &wc))
        return TRUE;
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = &ObjectWndProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = lpszClassName;
    // the grid windows and tab windows of dialog templates would fail later and less clearly
    if (::RegisterClassA(&wc) == 0)
        AfxThrowResourceException();
    return TRUE;
}

// ---- the stand-in control ---------------------------------------------------------------------------

GX_IMPLEMENT_CONTROL(CGXPlainTextControl, CGXControl)

CGXPlainTextControl::CGXPlainTextControl(CGXGridCore* pGrid, const GXControlEntry& entry)
    : CGXControl(pGrid), m_entry(entry)
{
}

void CGXPlainTextControl::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                               const CGXStyle* pStandardStyle)
{
    GetDrawingAndFormatting()->DrawCellText(this, pDC, rect, nRow, nCol, style, pStandardStyle);
}
