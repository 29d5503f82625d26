// The profile module (see GXProfileImp.h).
#include "grid/engine/GXProfileImp.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "grid/engine/GXTextForms.h"

#include "win/CWinApp.h"

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// The INI section list is read through a buffer of this many characters.
const DWORD kIniBufferSize = 1023;

bool UsesRegistry(const CWinApp* pApp)
{
    return pApp->m_pszRegistryKey != nullptr;
}

// HKCU's path of a section under the application's registry key.
CString SectionPath(const CWinApp* pApp, const char* pszSection)
{
    CString path;
    path.Format("Software\\%s\\%s\\%s", pApp->m_pszRegistryKey, pApp->m_pszProfileName, pszSection);
    return path;
}

// The names of the subkeys of a section (registry).
std::vector<CString> SubkeyNames(const CWinApp* pApp, const char* pszSection)
{
    std::vector<CString> names;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(pApp, pszSection), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return names;
    for (DWORD i = 0;; ++i) {
        char szName[256];
        DWORD cchName = sizeof szName;
        if (::RegEnumKeyExA(hKey, i, szName, &cchName, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(szName, int(cchName));
    }
    ::RegCloseKey(hKey);
    return names;
}

// The keys a section of the INI file lists, read after flushing the profile cache.
std::vector<CString> IniKeys(const CWinApp* pApp, const char* pszSection)
{
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, pApp->m_pszProfileName);
    char szBuffer[kIniBufferSize + 1] = {};
    const DWORD n = ::GetPrivateProfileStringA(pszSection, nullptr, "", szBuffer, kIniBufferSize, pApp->m_pszProfileName);
    std::vector<CString> keys;
    for (DWORD i = 0; i < n && szBuffer[i] != '\0';) {
        const CString key(szBuffer + i);
        keys.push_back(key);
        i += DWORD(key.GetLength()) + 1;
    }
    return keys;
}

// The place a base style of the styles map goes to.
CString StyleSection(const CWinApp* pApp, const CString& strSection, const CString& strName)
{
    return strSection + (UsesRegistry(pApp) ? "\\" : ".") + strName;
}

CString Number(DWORD n)
{
    CString text;
    text.Format("%lu", n);
    return text;
}

CString SignedNumber(LONG n)
{
    CString text;
    text.Format("%ld", n);
    return text;
}

// Writes value, or deletes the key when value is null.
void Write(CWinApp* pApp, const char* pszSection, const char* pszKey, const char* pszValue)
{
    pApp->WriteProfileString(pszSection, pszKey, pszValue);
}

CString Read(CWinApp* pApp, const char* pszSection, const char* pszKey)
{
    return pApp->GetProfileString(pszSection, pszKey);
}

// Up to nMax integers separated by commas (spaces before the first and after each comma skipped);
// reading stops at the first missing comma. Returns how many were read.
int ReadCommaList(const char* psz, LONG* anValues, int nMax)
{
    while (*psz == ' ')
        ++psz;
    int n = 0;
    while (n < nMax) {
        char* pEnd = nullptr;
        anValues[n++] = LONG(uint32_t(std::strtoll(psz, &pEnd, 10)));
        psz = pEnd;
        if (*psz != ',')
            break;
        ++psz;
        while (*psz == ' ')
            ++psz;
    }
    return n;
}

}  // namespace

// ---- fonts --------------------------------------------------------------------------------------

void CGXGridProfileImp::WriteFont(const CGXFont& font, const char* pszSection, const char* pszKey)
{
    if (CWinApp* pApp = AfxGetApp())
        Write(pApp, pszSection, pszKey, GXFontToText(font));
}

BOOL CGXGridProfileImp::ReadFont(CGXFont& font, const char* pszSection, const char* pszKey)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return FALSE;
    const CString text = Read(pApp, pszSection, pszKey);
    if (text.IsEmpty())
        return FALSE;
    GXFontFromText(font, text);
    return TRUE;
}

// ---- styles -------------------------------------------------------------------------------------

void CGXGridProfileImp::WriteStyle(const CGXStyle& style, const char* pszSection, const CGXStylesMap* pStylesMap)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || pszSection == nullptr || *pszSection == '\0')
        return;
    const char* s = pszSection;
    auto number = [&](const char* pszKey, BOOL bIncluded, DWORD nValue) {
        Write(pApp, s, pszKey, bIncluded ? Number(nValue).GetString() : nullptr);
    };
    auto text = [&](const char* pszKey, BOOL bIncluded, const CString& strValue) {
        Write(pApp, s, pszKey, bIncluded ? strValue.GetString() : nullptr);
    };

    number("HorizontalAlignment", style.GetIncludeHorizontalAlignment(), style.GetHorizontalAlignment());
    number("VerticalAlignment", style.GetIncludeVerticalAlignment(), style.GetVerticalAlignment());
    number("ReadOnly", style.GetIncludeReadOnly(), style.GetReadOnly());
    number("FloatCell", style.GetIncludeFloatCell(), style.GetFloatCell());
    number("FloodCell", style.GetIncludeFloodCell(), style.GetFloodCell());
    number("MergeCell", style.GetIncludeMergeCell(), style.GetMergeCell());
    number("Draw3dFrame", style.GetIncludeDraw3dFrame(), style.GetDraw3dFrame());
    number("ControlId", style.GetIncludeControl(), style.GetControl());
    number("MaxLength", style.GetIncludeMaxLength(), style.GetMaxLength());
    number("VerticalScrollbar", style.GetIncludeVerticalScrollbar(), style.GetVerticalScrollbar());

    const char* pszBaseName = nullptr;
    if (style.GetIncludeBaseStyle() && pStylesMap != nullptr) {
        UINT nResourceId;
        pszBaseName = pStylesMap->LookupBaseStyle(style.GetBaseStyle(), nResourceId);
    }
    Write(pApp, s, "BaseStyle", pszBaseName);

    CString strColor;
    const COLORREF color = GXResolveColor(style.GetTextColor());
    strColor.Format("%d %d %d", int(GetRValue(color)), int(GetGValue(color)), int(GetBValue(color)));
    text("TextColor", style.GetIncludeTextColor(), strColor);

    number("WrapText", style.GetIncludeWrapText(), style.GetWrapText());
    number("AutoSize", style.GetIncludeAutoSize(), style.GetAutoSize());
    number("AllowEnter", style.GetIncludeAllowEnter(), style.GetAllowEnter());
    number("Enabled", style.GetIncludeEnabled(), style.GetEnabled());
    number("TriState", style.GetIncludeTriState(), style.GetTriState());
    text("Value", style.GetIncludeValue(), style.GetValueRef());
    text("Interior", style.GetIncludeInterior(), GXBrushToText(style.GetInterior()));
    number("Format", style.GetIncludeFormat(), style.GetFormat());
    number("Places", style.GetIncludePlaces(), style.GetPlaces());
    text("ChoicesList", style.GetIncludeChoiceList(), GXEscapeChoiceList(style.GetChoiceListRef()));
    text("Font", style.GetIncludeFont(), GXFontToText(style.GetFontRef()));
    text("Borders", style.GetIncludeBorders(), CString("1"));
    if (style.GetIncludeBorders()) {
        // side left, right, top, bottom under these keys: the pairing of the profiles already written
        static const char* const kSideKeys[4] = {"Top", "Left", "Bottom", "Right"};
        for (int side = 0; side < 4; ++side) {
            const CGXCellPen& pen = style.GetBorders(side);
            text(kSideKeys[side], pen.GetInclude(), GXPenToText(pen));
        }
    }
    const CGXUserAttributeMap* pMap = style.GetUserAttributeMap();
    if (pMap != nullptr)
        pMap->WriteProfile(pszSection);
    // a registered attribute the style does not hold would otherwise come back from an earlier write
    if (pStylesMap != nullptr) {
        for (const auto& attribute : pStylesMap->GetUserAttributes()) {
            if (pMap != nullptr && pMap->GetAttribute(attribute.first) != nullptr)
                continue;
            CString key;
            key.Format("UA%lu", DWORD(attribute.first));
            Write(pApp, s, key, nullptr);
        }
    }
}

BOOL CGXGridProfileImp::ReadStyle(CGXStyle& style, const char* pszSection, const CGXStylesMap* pStylesMap)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || pszSection == nullptr || *pszSection == '\0')
        return FALSE;
    style.Free();
    const char* s = pszSection;
    // the value of key as a number; FALSE when it reads back empty
    auto number = [&](const char* pszKey, DWORD& rnValue) {
        const CString value = Read(pApp, s, pszKey);
        if (value.IsEmpty())
            return false;
        rnValue = DWORD(GXTextToLong(value));
        return true;
    };
    DWORD n;
    if (number("VerticalAlignment", n))
        style.SetVerticalAlignment(n);
    if (number("HorizontalAlignment", n))
        style.SetHorizontalAlignment(n);
    if (number("ReadOnly", n))
        style.SetReadOnly(n != 0);
    if (number("FloatCell", n))
        style.SetFloatCell(n != 0);
    if (number("FloodCell", n))
        style.SetFloodCell(n != 0);
    if (number("MergeCell", n))
        style.SetMergeCell(n & 7);
    if (number("Draw3dFrame", n))
        style.SetDraw3dFrame(n & 3);
    if (number("MaxLength", n))
        style.SetMaxLength(WORD(n));
    if (number("VerticalScrollbar", n))
        style.SetVerticalScrollbar(n != 0);
    if (number("ControlId", n))
        style.SetControl(WORD(n));

    const CString strColor = Read(pApp, s, "TextColor");
    LONG rgb[3];
    if (GXReadNumbers(strColor, rgb, 3) == 3)
        style.SetTextColor(RGB(rgb[0] & 0xFF, rgb[1] & 0xFF, rgb[2] & 0xFF));

    if (number("WrapText", n))
        style.SetWrapText(n != 0);
    if (number("AutoSize", n))
        style.SetAutoSize(n != 0);
    if (number("AllowEnter", n))
        style.SetAllowEnter(n != 0);
    if (number("Enabled", n))
        style.SetEnabled(n != 0);
    if (number("TriState", n))
        style.SetTriState(n != 0);

    const CString strValue = Read(pApp, s, "Value");
    if (!strValue.IsEmpty())
        style.SetValue(strValue);

    const CString strBase = Read(pApp, s, "BaseStyle");
    if (!strBase.IsEmpty() && pStylesMap != nullptr) {
        UINT nFound = 0;
        if (strBase[0] == '#') {
            const UINT nResourceId = UINT(GXTextToLong(strBase.Mid(1)));
            const WORD nId = pStylesMap->GetBaseStyleId(nResourceId);
            if (nResourceId != 0 && pStylesMap->LookupBaseStyle(nId, nFound) != nullptr && nFound == nResourceId)
                style.SetBaseStyle(nId);
        } else {
            const WORD nId = pStylesMap->GetBaseStyleIdByName(strBase);
            const char* pszFound = pStylesMap->LookupBaseStyle(nId, nFound);
            if (pszFound != nullptr && strBase == pszFound)
                style.SetBaseStyle(nId);
        }
    }

    if (number("Format", n))
        style.SetFormat(n & 0x1F);
    if (number("Places", n))
        style.SetPlaces(n & 0xF);
    const CString strChoices = Read(pApp, s, "ChoicesList");
    if (!strChoices.IsEmpty())
        style.SetChoiceList(GXUnescapeChoiceList(strChoices));
    CGXFont font;
    if (ReadFont(font, s, "Font"))
        style.ChangeFont(font, CGXStyle::gxOverride);
    const CString strInterior = Read(pApp, s, "Interior");
    if (!strInterior.IsEmpty()) {
        CGXCellBrush brush;
        GXBrushFromText(brush, strInterior);
        style.SetInterior(brush);
    }
    if (Read(pApp, s, "Borders") == CString("1")) {
        static const char* const kSideKeys[4] = {"Top", "Left", "Bottom", "Right"};
        for (int side = 0; side < 4; ++side) {
            const CString strPen = Read(pApp, s, kSideKeys[side]);
            if (strPen.IsEmpty())
                continue;
            CGXCellPen pen;
            GXPenFromText(pen, strPen);
            if (pen.GetInclude())
                style.SetBorders(side, pen);
        }
    }
    if (pStylesMap != nullptr) {
        for (const auto& attribute : pStylesMap->GetUserAttributes()) {
            CString key;
            key.Format("UA%u", unsigned(attribute.first));
            const CString value = Read(pApp, s, key);
            if (!value.IsEmpty())
                style.SetUserAttribute(attribute.first, value);
        }
    }
    return TRUE;
}

// ---- styles map ---------------------------------------------------------------------------------

void CGXGridProfileImp::WriteStylesMap(const CGXStylesMap& map)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    const CString& strSection = map.GetSection();
    if (UsesRegistry(pApp)) {
        const std::vector<CString> names = SubkeyNames(pApp, strSection);
        HKEY hKey = nullptr;
        if (!names.empty() &&
            ::RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(pApp, strSection), 0, KEY_ALL_ACCESS, &hKey) == ERROR_SUCCESS) {
            for (const CString& name : names)
                CWinApp::DelRegTree(hKey, name);
            ::RegCloseKey(hKey);
        }
    } else {
        Write(pApp, strSection, nullptr, nullptr);
    }
    for (const auto& entry : map.GetStyleEntries()) {
        const CGXStylesMap::StyleEntry& e = *entry.second;
        const CString strName = e.nResourceId != 0 ? "#" + Number(e.nResourceId) : e.strName;
        if (!UsesRegistry(pApp))
            Write(pApp, strSection, strName, "1");
        e.pStyle->WriteProfile(StyleSection(pApp, strSection, strName), &map);
    }
}

BOOL CGXGridProfileImp::ReadStylesMap(CGXStylesMap& map)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return FALSE;
    const CString strSection = map.GetSection();
    const std::vector<CString> names =
        UsesRegistry(pApp) ? SubkeyNames(pApp, strSection) : IniKeys(pApp, strSection);
    if (names.empty())
        return FALSE;
    for (const CString& name : names) {
        std::unique_ptr<CGXStyle> pStyle(map.CreateStyle());
        pStyle->ReadProfile(StyleSection(pApp, strSection, name), &map);
        // a style registered before keeps its system flag
        if (name[0] == '#') {
            const UINT nResourceId = UINT(GXTextToLong(name.Mid(1)));
            if (nResourceId == 0)
                continue;
            auto it = map.m_resourceIds.find(nResourceId);
            const BOOL bSystem = it != map.m_resourceIds.end() && map.m_baseStyles.count(it->second) != 0
                                     ? map.m_baseStyles[it->second]->bSystem
                                     : FALSE;
            map.RegisterStyle(nResourceId, *pStyle, bSystem);
        } else {
            auto it = map.m_names.find(name);
            const BOOL bSystem = it != map.m_names.end() && map.m_baseStyles.count(it->second) != 0
                                     ? map.m_baseStyles[it->second]->bSystem
                                     : FALSE;
            map.RegisterStyle(name, *pStyle, bSystem);
        }
    }
    map.LookupStandardIds();
    auto standard = map.m_baseStyles.find(map.m_wStyleStandard);
    if (standard != map.m_baseStyles.end()) {
        CGXStyle defaults;
        defaults.SetDefault();
        standard->second->pStyle->ChangeStyle(defaults, CGXStyle::gxApplyNew);
    }
    return TRUE;
}

// ---- properties ---------------------------------------------------------------------------------

void CGXGridProfileImp::WriteProperties(const CGXProperties& p)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    const CString& s = p.GetSection();
    for (int32_t i = 0; i < p.m_colorNames.GetSize(); ++i)
        Write(pApp, s, p.m_colorNames[i], Number(p.GetColor(i)));
    Write(pApp, s, "MarkColumnHeader", SignedNumber(p.m_bMarkColHeader));
    Write(pApp, s, "MarkRowHeader", SignedNumber(p.m_bMarkRowHeader));
    Write(pApp, s, "3dHeader", SignedNumber(p.m_b3dHeader));
    Write(pApp, s, "HorizontalLines", SignedNumber(p.m_bDisplayHorzLines));
    Write(pApp, s, "VerticalLines", SignedNumber(p.m_bDisplayVertLines));
    for (const auto& entry : p.m_userProperties) {
        if (!entry.second->pStyle->GetIncludeValue())
            continue;
        CString key;
        key.Format("UP%u", unsigned(entry.first));
        Write(pApp, s, key, entry.second->pStyle->GetValueRef());
    }
    Write(pApp, s, "Page Order", SignedNumber(p.m_nPageOrder));
    Write(pApp, s, "Print Vertical Lines", SignedNumber(p.m_bPrintVertLines));
    Write(pApp, s, "Print Horizontal Lines", SignedNumber(p.m_bPrintHorzLines));
    Write(pApp, s, "Print Only Black&White", SignedNumber(p.m_bBlackWhite));
    Write(pApp, s, "Print Row Headers", SignedNumber(p.m_bPrintRowHeaders));
    Write(pApp, s, "Print Column Headers", SignedNumber(p.m_bPrintColHeaders));
    Write(pApp, s, "Center Vertical", SignedNumber(p.m_bCenterVertical));
    Write(pApp, s, "Center Horizontal", SignedNumber(p.m_bCenterHorizontal));
    Write(pApp, s, "Print Frame", SignedNumber(p.m_bPrintFrame));
    CString margins;
    margins.Format("%ld,%ld,%ld,%ld", p.m_nTopMargin, p.m_nLeftMargin, p.m_nBottomMargin, p.m_nRightMargin);
    Write(pApp, s, "Margins", margins);
    Write(pApp, s, "Start Page Numbering", SignedNumber(p.m_nFirstPage));
    CString distances;
    distances.Format("%ld,%ld", p.m_nDistHeader, p.m_nDistFooter);
    Write(pApp, s, "Distances", distances);
}

BOOL CGXGridProfileImp::ReadProperties(CGXProperties& p)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return FALSE;
    const CString s = p.GetSection();
    if (UsesRegistry(pApp)) {
        HKEY hKey = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(pApp, s), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return FALSE;
        ::RegCloseKey(hKey);
    } else if (IniKeys(pApp, s).empty()) {
        return FALSE;
    }

    // the value of key as a number; FALSE when it reads back empty
    auto number = [&](const char* pszKey, LONG& rnValue) {
        const CString value = Read(pApp, s, pszKey);
        if (value.IsEmpty())
            return false;
        rnValue = GXTextToLong(value);
        return true;
    };
    auto setting = [&](const char* pszKey, int& rnSetting) {
        LONG n;
        if (number(pszKey, n))
            rnSetting = n;
    };
    for (int32_t i = 0; i < p.m_colorNames.GetSize(); ++i) {
        LONG n;
        if (number(p.m_colorNames[i], n))
            p.m_colorValues.SetAtGrow(i, COLORREF(n));
    }
    setting("VerticalLines", p.m_bDisplayVertLines);
    setting("HorizontalLines", p.m_bDisplayHorzLines);
    setting("3dHeader", p.m_b3dHeader);
    setting("MarkRowHeader", p.m_bMarkRowHeader);
    setting("MarkColumnHeader", p.m_bMarkColHeader);
    for (const auto& entry : p.m_userProperties) {
        CString key;
        key.Format("UP%d", int(entry.first));
        entry.second->pStyle->SetValue(Read(pApp, s, key));
    }
    setting("Page Order", p.m_nPageOrder);
    setting("Print Vertical Lines", p.m_bPrintVertLines);
    setting("Print Horizontal Lines", p.m_bPrintHorzLines);
    setting("Print Only Black&White", p.m_bBlackWhite);
    setting("Print Row Headers", p.m_bPrintRowHeaders);
    setting("Print Column Headers", p.m_bPrintColHeaders);
    setting("Center Vertical", p.m_bCenterVertical);
    setting("Center Horizontal", p.m_bCenterHorizontal);
    setting("Print Frame", p.m_bPrintFrame);
    const CString margins = Read(pApp, s, "Margins");
    if (!margins.IsEmpty()) {
        LONG n[4];
        int* const targets[4] = {&p.m_nTopMargin, &p.m_nLeftMargin, &p.m_nBottomMargin, &p.m_nRightMargin};
        const int nRead = ReadCommaList(margins, n, 4);
        for (int i = 0; i < nRead; ++i)
            *targets[i] = n[i];
    }
    setting("Start Page Numbering", p.m_nFirstPage);
    const CString distances = Read(pApp, s, "Distances");
    if (!distances.IsEmpty()) {
        LONG n[2];
        const int nRead = ReadCommaList(distances, n, 2);
        if (nRead > 0)
            p.m_nDistHeader = n[0];
        if (nRead > 1)
            p.m_nDistFooter = n[1];
    }
    return TRUE;
}

void InstallGlobalGridProfileImp()
{
    GXInstallLibraryModule<CGXGridProfileImp>(GXGetLibraryState()->m_pProfileImp);
}
