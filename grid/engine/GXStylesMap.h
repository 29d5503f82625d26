// CGXStylesMap: the grid's named base styles, its control names and its registered user attributes.
//
// Base styles are kept by a 16-bit style id, handed out from 0 upwards. A style registered by a
// string-resource id is named by the string-table text of that id ("UA%u" with the id when the table
// has none); one registered by name has resource id 0. Registering again under the same resource id
// or name keeps the style id and replaces the style. A new map made for a grid holds "Standard"
// (52768) as id 0, "Column Header" (52770) as id 1 and "Row Header" (52769) as id 2
// (CreateStandardStyles). A style refers to its base style by id; CGXStyle keeps only 8 bits of it.
//
// Control names and user attributes are registered once per id, with their names from the string
// table; a missing text raises the class library's resource exception (CResourceException*).
//
// Iteration (GetStartPosition / GetNextStyle) and the stored forms list base styles, control names and
// user attributes in ascending id order.
//
// Stored form (Serialize, forwarded to the document-serialisation module; nothing without it), schema
// 2: see GXDocSerializeImp.h. Profile settings (WriteProfile / ReadProfile, forwarded to the profile
// module; nothing / FALSE without it), section "Styles" by default: see GXProfileImp.h.
#pragma once

#include <windows.h>

#include "core/Core.h"

#include <map>
#include <memory>

class CGXStyle;

class CGXStylesMap : public CObject {
    DECLARE_SERIAL(CGXStylesMap)
public:
    // A registered base style.
    struct StyleEntry {
        WORD nStyleId;
        UINT nResourceId;  // 0 for a style registered by name
        CString strName;
        std::unique_ptr<CGXStyle> pStyle;
        BOOL bSystem;
    };
    // A registered user attribute: its id, its name and the style holding its default.
    struct UserAttributeEntry {
        WORD nId;
        CString strName;
        std::unique_ptr<CGXStyle> pStyle;
    };

    // An empty map whose styles are made from pStyleClass (null: CGXStyle). A class that is not a
    // creatable CGXStyle throws CInvalidArgException*.
    explicit CGXStylesMap(CRuntimeClass* pStyleClass = nullptr);
    // A copy of other made by the parameter-copy module (empty without it).
    CGXStylesMap(const CGXStylesMap& other);
    // Deletes every base style, control name and user attribute.
    ~CGXStylesMap() override;
    CGXStylesMap& operator=(const CGXStylesMap&) = delete;

    // The stored form.
    void Serialize(CArchive& ar) override;
    // Writes the base styles to the profile section (see the top of this file).
    virtual void WriteProfile() const;
    // Reads the base styles from the profile section. TRUE when any was read.
    virtual BOOL ReadProfile();

    // Registers the library's three standard styles: "Standard" (the library defaults with an 8-point
    // default font), "Column Header" and "Row Header" (bold for columns, button-face interior, centred,
    // the header control), all as system styles, and keeps their ids.
    void CreateStandardStyles();

    // Registers style (cloned) under nResourceId (not 0, else CInvalidArgException*). Returns its id.
    WORD RegisterStyle(UINT nResourceId, const CGXStyle& style, BOOL bSystemStyle);
    // Registers style (cloned) under a name (not null or empty, else CInvalidArgException*).
    WORD RegisterStyle(const char* pszName, const CGXStyle& style, BOOL bSystemStyle);
    // The style of nStyleId in rpStyle. FALSE (rpStyle null) when no style has that id.
    BOOL LookupStyle(WORD nStyleId, const CGXStyle*& rpStyle) const;
    // The name of nStyleId (null when none) and its resource id in rnResourceId (0 when none).
    const char* LookupBaseStyle(WORD nStyleId, UINT& rnResourceId) const;
    // The style id registered for a resource id / a name; 0 when none.
    WORD GetBaseStyleId(UINT nResourceId) const;
    WORD GetBaseStyleIdByName(const char* pszName) const;
    // The ids of the three standard styles (as CreateStandardStyles or the last load set them).
    WORD GetStandardStyle() const { return m_wStyleStandard; }
    WORD GetColHeaderStyle() const { return m_wStyleColHeader; }
    WORD GetRowHeaderStyle() const { return m_wStyleRowHeader; }
    // The next style id RegisterStyle hands out.
    WORD GetNextStyleId() const { return m_nNextId; }
    // The number of base styles.
    int32_t GetStyleCount() const { return int32_t(m_baseStyles.size()); }

    // Iteration over the base styles in ascending id order: the first position (null when none), then
    // GetNextStyle fills name, id, resource id and system flag and moves rPos on (null after the
    // last). A null rPos throws CInvalidArgException*.
    POSITION GetStartPosition() const;
    void GetNextStyle(POSITION& rPos, CString& strName, WORD& nStyleId, UINT& nResourceId, BOOL& bSystem) const;

    // Registers user attribute nId once (a later call changes nothing): its name from the string table
    // (missing: CResourceException*) and a style of the style class, assigned from pStyle when given.
    void AddUserAttribute(WORD nId, const CGXStyle* pStyle = nullptr);
    // The registered user attributes by id.
    const std::map<WORD, std::unique_ptr<UserAttributeEntry>>& GetUserAttributes() const { return m_userAttributes; }
    // Registers control name nId once, from the string table (missing: CResourceException*).
    void AddControl(WORD nId);
    // The control name of nId; null when none is registered.
    const char* GetControlName(WORD nId) const;
    // The registered control names by id.
    const std::map<WORD, CString>& GetControlNames() const { return m_controlNames; }

    // Deletes every base style and the name, resource-id and object maps; the next id returns to 0.
    // Control names and user attributes stay.
    void RemoveAll();

    // A new style of the style class (the caller owns it).
    CGXStyle* CreateStyle() const;
    // The style class.
    CRuntimeClass* GetStyleClass() const { return m_pStyleClass; }

    // The profile section, "Styles" by default (empty or null: CInvalidArgException*).
    void SetSection(const char* pszSection);
    const CString& GetSection() const { return m_strSection; }

    // The base styles by id (for the modules that store and copy them).
    const std::map<WORD, std::unique_ptr<StyleEntry>>& GetStyleEntries() const { return m_baseStyles; }

private:
    friend class CGXGridDocSerializeImp;
    friend class CGXGridParamCopyOperatorImp;
    friend class CGXGridProfileImp;

    WORD Register(UINT nResourceId, const CString& strName, const CGXStyle& style, BOOL bSystemStyle);
    // After a load: the ids of the standard styles looked up again by their resource ids.
    void LookupStandardIds();

    WORD m_wStyleStandard;
    WORD m_wStyleColHeader;
    WORD m_wStyleRowHeader;
    CRuntimeClass* m_pStyleClass;
    std::map<WORD, std::unique_ptr<StyleEntry>> m_baseStyles;
    CMapWordToOb m_mwObjects;  // 16-bit ids to owned objects, deleted with the base styles
    std::map<UINT, WORD> m_resourceIds;
    std::map<CString, WORD> m_names;
    WORD m_nNextId;
    std::map<WORD, CString> m_controlNames;
    std::map<WORD, std::unique_ptr<UserAttributeEntry>> m_userAttributes;
    CString m_strSection;
};
