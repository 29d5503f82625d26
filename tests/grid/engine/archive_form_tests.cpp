// The stored forms of styles, fonts, brushes, pens, style arrays, cell data, styles maps, properties
// and parameters: exact bytes where the layout is fixed, older schemas, round trips, and hostile
// archives (oversized sizes, shared objects, objects the parameters do not own).
#include "wine_gtest.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyleArray.h"
#include "grid/engine/GXStylesMap.h"

#include "archive_helpers.h"
#include "grid_test_support.h"

#include <algorithm>
#include <memory>

namespace {

class ArchiveForms : public ::testing::Test {
protected:
    void SetUp() override { InstallGridModules(); }
};

// The style's stored form (with a styles map for its base style).
Bytes StyleBytes(CGXStyle& style, const CGXStylesMap* pMap = nullptr)
{
    return StoreBytes([&](CArchive& ar) { style.Serialize(ar, pMap); });
}

// Bytes of an empty style: schema 6, mask 0, borders 0, no user-attribute map.
Bytes EmptyStyleForm()
{
    return {0x06, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
}

// A style that includes every attribute.
CGXStyle FullStyle(WORD nBaseStyle)
{
    CGXStyle style;
    style.SetHorizontalAlignment(DT_RIGHT)
        .SetVerticalAlignment(DT_VCENTER)
        .SetReadOnly(TRUE)
        .SetControl(GX_IDS_CTRL_SPINEDIT)
        .SetInterior(CGXCellBrush(CGXCellBrush::gxHatched, RGB(10, 20, 30), 4).SetBkColor(GXSysColor(COLOR_WINDOW)))
        .SetTextColor(RGB(1, 2, 3))
        .SetWrapText(TRUE)
        .SetAllowEnter(TRUE)
        .ChangeFont(CGXFont().SetWeight(700).SetItalic(TRUE).SetSize(9).SetFaceName("Arial").SetOrientation(450),
                    CGXStyle::gxOverride);
    style.SetValue("12")
        .SetChoiceList("a\nb")
        .SetVerticalScrollbar(TRUE)
        .SetMaxLength(80)
        .SetEnabled(FALSE)
        .SetTriState(TRUE)
        .SetDraw3dFrame(2)
        .SetAutoSize(TRUE)
        .SetBorders(CGXStyle::gxBorderLeft, CGXCellPen(CGXCellPen::gxDot, 2, GXSysColor(COLOR_WINDOWTEXT)))
        .SetBorders(CGXStyle::gxBorderBottom, CGXCellPen(CGXCellPen::gxSolid, 1, RGB(255, 0, 0)))
        .SetBaseStyle(nBaseStyle)
        .SetUserAttribute(GX_IDS_UA_TOOLTIPTEXT, "a tooltip text")
        .SetUserAttribute(GX_IDS_UA_VALID_MIN, "7")
        .SetFloatCell(TRUE)
        .SetFloodCell(FALSE)
        .SetMergeCell(5)
        .SetItemDataPtr(reinterpret_cast<void*>(uintptr_t(0x1234)))
        .SetFormat(3)
        .SetPlaces(4)
        .SetValueType(CGXStyle::gxValueNumber);
    return style;
}

bool SameStyle(const CGXStyle& a, const CGXStyle& b)
{
    return a.GetIncludeMask() == b.GetIncludeMask() && a.IsSubSet(b) && b.IsSubSet(a);
}

}  // namespace

TEST_F(ArchiveForms, ModulesAreInstalledOnceAndOptional)
{
    GridLibraryState* pState = GXGetLibraryState();
    const size_t nModules = pState->GetSingletonCount();
    CGXAbstractStyleSerializeImp* pStyleModule = pState->m_pStyleSerializeImp;
    InstallGridModules();  // the second time adds nothing
    EXPECT_EQ(pState->GetSingletonCount(), nModules);
    EXPECT_EQ(pState->m_pStyleSerializeImp, pStyleModule);

    // without their modules the objects write nothing (and read nothing)
    WithoutModule<CGXAbstractStyleSerializeImp> noStyles(pState->m_pStyleSerializeImp);
    WithoutModule<CGXAbstractGridDocSerializeImp> noDocuments(pState->m_pDocSerializeImp);
    CGXStyle style;
    style.SetValue("x");
    CGXData data;
    EXPECT_TRUE(StoreBytes([&](CArchive& ar) {
                    style.Serialize(ar);
                    data.Serialize(ar);
                }).empty());
}

// ---- styles -------------------------------------------------------------------------------------

TEST_F(ArchiveForms, StyleBytes)
{
    CGXStyle empty;
    EXPECT_EQ(StyleBytes(empty), EmptyStyleForm());

    // only the top border: borders 1, then left 0, right 0, top 1 with the pen text, bottom 0
    CGXStyle top;
    top.SetBorders(CGXStyle::gxBorderTop, CGXCellPen(CGXCellPen::gxSolid, 1, RGB(255, 0, 0)));
    Bytes expected = {0x06, 0x00, 0x00, 0x01, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00};
    PutString(expected, "0 1 255 0 0 0");
    PutBytes(expected, {0x00, 0x00, 0x00, 0x00});
    EXPECT_EQ(StyleBytes(top), expected);

    // a value and its type: the text at its place, the type at the end
    CGXStyle number;
    number.SetValueNumber(42);
    expected = {0x06, 0x00, 0x00, 0x04, 0x00, 0x00};
    PutString(expected, "42");
    PutBytes(expected, {0x00, 0x00, 0x00, 0x00, 0x01});
    EXPECT_EQ(StyleBytes(number), expected);
}

TEST_F(ArchiveForms, EveryStyleAttributeReadsBackEqual)
{
    CGXStylesMap map;
    map.CreateStandardStyles();
    const WORD nExtra = map.RegisterStyle("Extra", CGXStyle(), FALSE);
    for (WORD nBase : {map.GetRowHeaderStyle(), nExtra}) {  // by resource id and by name
        SCOPED_TRACE(nBase);
        CGXStyle style = FullStyle(nBase);
        const Bytes bytes = StyleBytes(style, &map);
        CGXStyle loaded;
        LoadBytes(bytes, [&](CArchive& ar) {
            loaded.Serialize(ar, &map);
            EXPECT_EQ(ar.GetBytesLeft(), 0u);
        });
        EXPECT_TRUE(SameStyle(loaded, style));
        EXPECT_EQ(loaded.GetBaseStyle(), nBase);
        EXPECT_EQ(loaded.GetValueType(), UINT(CGXStyle::gxValueNumber));
        EXPECT_EQ(loaded.GetInterior().GetBkColor() >> 24, 0xF9u);  // still the system colour
        EXPECT_EQ(StyleBytes(loaded, &map), bytes);
    }

    // without a map the base style cannot be resolved: it is left out
    CGXStyle style = FullStyle(map.GetRowHeaderStyle());
    CGXStyle loaded;
    LoadBytes(StyleBytes(style, &map), [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_FALSE(loaded.GetIncludeBaseStyle());
    EXPECT_TRUE(loaded.GetIncludeFont());
}

TEST_F(ArchiveForms, SystemTextColourIsStoredAsItsColour)
{
    CGXStyle style;
    style.SetTextColor(GXSysColor(COLOR_WINDOWTEXT));
    CGXStyle loaded;
    LoadBytes(StyleBytes(style), [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.GetTextColor(), ::GetSysColor(COLOR_WINDOWTEXT));
}

TEST_F(ArchiveForms, OlderStyleSchemas)
{
    const DWORD kSentinel = 0xCAFEF00D;
    // schema 3: no Format, Places or value type are stored; the style keeps its own
    Bytes schema3 = {0x03, 0x00};
    PutDword(schema3, CGXStyle::incValue | CGXStyle::incFormat | CGXStyle::incPlaces);
    PutString(schema3, "x");
    PutBytes(schema3, {0x00, 0x00, 0x00, 0x00});  // borders 0, no old attribute map
    PutDword(schema3, kSentinel);
    CGXStyle style;
    style.SetValue("old").SetValueType(CGXStyle::gxValueNumber);
    style.SetFormat(5).SetPlaces(3);
    LoadBytes(schema3, [&](CArchive& ar) {
        style.Serialize(ar);
        DWORD sentinel = 0;
        ar >> sentinel;
        EXPECT_EQ(sentinel, kSentinel);
    });
    EXPECT_STREQ(style.GetValueRef(), "x");
    EXPECT_EQ(style.GetValueType(), UINT(CGXStyle::gxValueNumber));
    EXPECT_EQ(style.GetFormat(), 5u);
    EXPECT_EQ(style.GetPlaces(), 3u);

    // schema 4: Format and Places as a pair; the user attributes in the older map of ids to texts
    Bytes schema4 = {0x04, 0x00};
    PutDword(schema4, CGXStyle::incFormat | CGXStyle::incUserAttributes);
    PutBytes(schema4, {0x00, 0x00});  // borders 0
    PutNewClassTag(schema4, "CGXCollMapDWordToString", 0);
    PutWord(schema4, 1);
    PutDword(schema4, GX_IDS_UA_TOOLTIPTEXT);
    PutString(schema4, "tip");
    PutBytes(schema4, {0x07, 0x02});  // Format 7, Places 2
    CGXStyle old;
    LoadBytes(schema4, [&](CArchive& ar) {
        old.Serialize(ar);
        EXPECT_EQ(ar.GetBytesLeft(), 0u);
    });
    EXPECT_EQ(old.GetFormat(), 7u);
    EXPECT_TRUE(old.GetIncludePlaces());
    EXPECT_EQ(old.GetPlaces(), 2u);
    EXPECT_STREQ(old.GetUserAttribute(GX_IDS_UA_TOOLTIPTEXT).GetValue(), "tip");

    // without the version-5-compatible module that map cannot be read
    {
        WithoutModule<CGXAbstractSerializeQW5CompatibleImp> none(GXGetLibraryState()->m_pQW5SerializeImp);
        CGXStyle again;
        EXPECT_EQ(ArchiveCause([&] { LoadBytes(schema4, [&](CArchive& ar) { again.Serialize(ar); }); }),
                  CArchiveException::badSchema);
    }
    Bytes schema7 = EmptyStyleForm();
    schema7[0] = 7;
    EXPECT_EQ(ArchiveCause([&] { LoadBytes(schema7, [&](CArchive& ar) { style.Serialize(ar); }); }),
              CArchiveException::badSchema);
}

TEST_F(ArchiveForms, ItemDataIsCarriedNeverFollowed)
{
    Bytes bytes = {0x06, 0x00};
    PutDword(bytes, CGXStyle::incItemData);
    PutBytes(bytes, {0x00, 0x00, 0x00, 0x00});
    PutDword(bytes, 0xDEADBEEF);
    CGXStyle style;
    LoadBytes(bytes, [&](CArchive& ar) { style.Serialize(ar); });
    EXPECT_EQ(style.GetItemDataPtr(), reinterpret_cast<void*>(uintptr_t(0xDEADBEEF)));
}

// ---- fonts, brushes, pens -----------------------------------------------------------------------

TEST_F(ArchiveForms, FontForms)
{
    CGXFont font;
    font.SetFaceName("Arial").SetSize(10).SetWeight(700).SetItalic(TRUE);
    const GXFaceRecord* pFace = GXGetLibraryState()->m_fontState.GetFaceRecord(font.GetFaceNameIndex());
    ASSERT_NE(pFace, nullptr);
    Bytes expected = {0x02, 0x00, 0xC9, 0x02, 0x00, 0x00, 0xBC, 0x02, 0x64, 0x00};
    PutString(expected, pFace->szName);
    PutBytes(expected, {pFace->nPitchAndFamily, pFace->nCharSet});
    const Bytes bytes = StoreBytes([&](CArchive& ar) { font.Serialize(ar); });
    EXPECT_EQ(bytes, expected);
    CGXFont loaded;
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.GetDescription(), font.GetDescription() & ~uint64_t(1));

    // schema 1: a LOGFONT subset, then a mask of what stays set
    Bytes schema1 = {0x01, 0x00};
    PutDword(schema1, uint32_t(-13));
    PutDword(schema1, 700);
    PutBytes(schema1, {0x01, 0x01, 0x00});  // italic, underline, pitch and family
    PutString(schema1, "Arial");
    PutDword(schema1, 0x01 | 0x02 | 0x10 | 0x20);  // weight, italic, size, face stay
    CGXFont old;
    LoadBytes(schema1, [&](CArchive& ar) { old.Serialize(ar); });
    EXPECT_EQ(old.WeightToFontWeight(), 700);
    EXPECT_TRUE(old.GetIncludeItalic());
    EXPECT_FALSE(old.GetIncludeUnderline());
    EXPECT_FALSE(old.GetIncludeStrikeOut());
    EXPECT_FALSE(old.GetIncludeOrientation());
    EXPECT_TRUE(old.GetIncludeSize());
    EXPECT_EQ(old.GetFaceNameIndex(), font.GetFaceNameIndex());

    for (WORD nSchema : {WORD(0), WORD(3)}) {
        Bytes bad = {BYTE(nSchema), 0x00, 0x00, 0x00, 0x00, 0x00};
        EXPECT_EQ(ArchiveCause([&] { LoadBytes(bad, [&](CArchive& ar) { old.Serialize(ar); }); }),
                  CArchiveException::badSchema);
    }
}

TEST_F(ArchiveForms, BrushAndPenForms)
{
    CGXCellBrush brush(CGXCellBrush::gxHatched, GXSysColor(COLOR_WINDOW), 5);
    brush.SetBkColor(RGB(7, 8, 9));
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    Bytes expected;
    PutDword(expected, 2);
    PutDword(expected, window | 0xF9000000);  // a system colour keeps its marker
    PutDword(expected, 5);
    PutDword(expected, GX_NO_PATTERN);
    PutDword(expected, RGB(7, 8, 9));
    const Bytes bytes = StoreBytes([&](CArchive& ar) { GXSerializeBrush(brush, ar); });
    EXPECT_EQ(bytes, expected);
    CGXCellBrush loaded;
    LoadBytes(bytes, [&](CArchive& ar) { GXSerializeBrush(loaded, ar); });
    EXPECT_EQ(loaded, brush);

    // a pattern the drawing service does not offer becomes a hollow brush
    Bytes pattern;
    for (DWORD dw : {DWORD(3), DWORD(0), DWORD(0), DWORD(50), DWORD(0)})
        PutDword(pattern, dw);
    LoadBytes(pattern, [&](CArchive& ar) { GXSerializeBrush(loaded, ar); });
    EXPECT_EQ(loaded.GetStyle(), UINT(CGXCellBrush::gxHollow));

    CGXCellPen pen(CGXCellPen::gxDot, 3, RGB(1, 2, 3));
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { GXSerializePen(pen, ar); }),
              Bytes({0x02, 0x00, 0x00, 0x00, 0x03, 0x00, 0x01, 0x00, 0x01, 0x02, 0x03, 0x00}));
    pen.SetInclude(FALSE);
    const Bytes excluded = StoreBytes([&](CArchive& ar) { GXSerializePen(pen, ar); });
    EXPECT_EQ(excluded[6], 0x00);
    CGXCellPen loadedPen;
    LoadBytes(excluded, [&](CArchive& ar) { GXSerializePen(loadedPen, ar); });
    EXPECT_FALSE(loadedPen.GetInclude());
    EXPECT_EQ(loadedPen.GetWidth(), 3u);
}

// ---- style arrays and cell data -----------------------------------------------------------------

TEST_F(ArchiveForms, StyleArrayBytes)
{
    CGXStylePtrArray array;
    array.SetStyle(2, new CGXStyle);
    array.SetStyle(5, new CGXStyle);
    Bytes expected = {0x01, 0x00, 0x06, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00};
    PutNewClassTag(expected, "CGXStyle", 0);
    PutBytes(expected, EmptyStyleForm());
    PutDword(expected, 5);
    PutWord(expected, 0x8001);  // the class read before
    PutBytes(expected, EmptyStyleForm());
    PutDword(expected, 0xFFFFFFFF);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { array.Serialize(ar); });
    EXPECT_EQ(bytes, expected);

    CGXStylePtrArray loaded;
    loaded.SetStyle(0, new CGXStyle);  // emptied by the load
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.GetSize(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(loaded.GetStyle(i) != nullptr, i == 2 || i == 5) << i;
}

TEST_F(ArchiveForms, CellDataBytes)
{
    CGXData data;
    CGXStyle empty;
    data.StoreCellStyle(1, 1, &empty, CGXStyle::gxOverride, CGXData::gxCellStyle);
    Bytes expected = {0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00};
    // the cell rows: a row array at index 1 holding the style at index 1
    PutBytes(expected, {0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00});
    PutBytes(expected, {0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00});
    PutNewClassTag(expected, "CGXStyle", 0);
    PutBytes(expected, EmptyStyleForm());
    PutDword(expected, 0xFFFFFFFF);
    PutDword(expected, 0xFFFFFFFF);
    // no row or column base styles
    for (int i = 0; i < 2; ++i) {
        PutBytes(expected, {0x01, 0x00, 0x00, 0x00, 0x00, 0x00});
        PutDword(expected, 0xFFFFFFFF);
    }
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { data.Serialize(ar); }), expected);

    for (BYTE nSchema : {BYTE(0), BYTE(2)}) {
        Bytes bad = expected;
        bad[0] = nSchema;
        CGXData loaded;
        EXPECT_EQ(ArchiveCause([&] { LoadBytes(bad, [&](CArchive& ar) { loaded.Serialize(ar); }); }),
                  CArchiveException::badSchema);
    }
}

TEST_F(ArchiveForms, CellDataReadsBackEqual)
{
    CGXData data;
    CGXStyle a;
    a.SetValue("a").SetReadOnly(TRUE);
    CGXStyle b;
    b.SetValue("b");
    data.StoreCellStyle(3, 2, &a, CGXStyle::gxOverride, CGXData::gxCellStyle);
    data.StoreCellStyle(1, 4, &b, CGXStyle::gxOverride, CGXData::gxCellStyle);
    data.StoreCellStyle(2, 0, &b, CGXStyle::gxOverride, CGXData::gxBaseStyle);
    data.StoreCellStyle(0, 3, &a, CGXStyle::gxOverride, CGXData::gxBaseStyle);
    data.SetRowCount(9);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { data.Serialize(ar); });
    CGXData loaded;
    loaded.StoreCellStyle(8, 8, &a, CGXStyle::gxOverride, CGXData::gxCellStyle);  // replaced by the load
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.GetRowCount(), 9u);
    EXPECT_EQ(loaded.GetColCount(), 4u);
    EXPECT_EQ(StoredValue(loaded, 3, 2), "a");
    EXPECT_EQ(StoredValue(loaded, 1, 4), "b");
    EXPECT_EQ(StoredValue(loaded, 2, 0, CGXData::gxBaseStyle), "b");
    EXPECT_EQ(StoredValue(loaded, 0, 3, CGXData::gxBaseStyle), "a");
    EXPECT_EQ(StoredValue(loaded, 8, 8), "-");
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { loaded.Serialize(ar); }), bytes);
}

TEST_F(ArchiveForms, HostileStyleArrays)
{
    struct Case {
        const char* what;
        Bytes bytes;
        int cause;  // archive exception cause; -2: CMemoryException
        int sizeAfter;
    } cases[] = {
        {"size no array can have", {0x01, 0x00, 0xF0, 0xFF, 0xFF, 0xFF}, CArchiveException::badIndex, 0},
        {"index beyond what one load may make",
         {0x01, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01}, -2, 0},
        {"index beyond the size", {0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00},
         CArchiveException::badIndex, 0},
        {"schema 2", {0x02, 0x00, 0x00, 0x00, 0x00, 0x00}, CArchiveException::badSchema, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CGXStylePtrArray array;
        int cause = -1;
        try {
            cause = ArchiveCause([&] { LoadBytes(c.bytes, [&](CArchive& ar) { array.Serialize(ar); }); });
        } catch (CMemoryException* e) {
            e->Delete();
            cause = -2;
        }
        EXPECT_EQ(cause, c.cause);
        EXPECT_EQ(array.GetSize(), c.sizeAfter);  // nothing was allocated for an oversized array
    }

    // a large stored size with few styles allocates only what the styles need
    Bytes sparse = {0x01, 0x00, 0x00, 0x00, 0x00, 0x7F, 0x01, 0x00, 0x00, 0x00};
    PutNewClassTag(sparse, "CGXStyle", 0);
    PutBytes(sparse, EmptyStyleForm());
    PutDword(sparse, 0xFFFFFFFF);
    CGXStylePtrArray large;
    LoadBytes(sparse, [&](CArchive& ar) { large.Serialize(ar); });
    EXPECT_EQ(large.GetSize(), 2);
    EXPECT_NE(large.GetStyle(1), nullptr);

    // one style object referred to twice would have two owners
    Bytes shared = {0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    PutNewClassTag(shared, "CGXStyle", 0);
    PutBytes(shared, EmptyStyleForm());
    PutDword(shared, 1);
    PutWord(shared, 2);  // the object read at index 2
    PutDword(shared, 0xFFFFFFFF);
    CGXStylePtrArray array;
    EXPECT_EQ(ArchiveCause([&] { LoadBytes(shared, [&](CArchive& ar) { array.Serialize(ar); }); }),
              CArchiveException::badIndex);
}

TEST_F(ArchiveForms, UserAttributesCannotBeSharedBetweenStyles)
{
    CGXStylePtrArray array;
    array.SetStyle(0, new CGXStyle);
    array.SetStyle(1, new CGXStyle);
    array.GetStyle(0)->SetUserAttribute(GX_IDS_UA_TOOLTIPTEXT, "ab");
    array.GetStyle(1)->SetUserAttribute(GX_IDS_UA_TOOLTIPTEXT, "xy");
    Bytes bytes = StoreBytes([&](CArchive& ar) { array.Serialize(ar); });
    // the second attribute ("xy", of the known class at index 5) becomes a reference to the first
    // (object index 6)
    const Bytes second = {0x05, 0x80, 0x03, 0x02, 'x', 'y'};
    auto it = std::search(bytes.begin(), bytes.end(), second.begin(), second.end());
    ASSERT_NE(it, bytes.end());
    it = bytes.erase(it, it + Bytes::difference_type(second.size()));
    bytes.insert(it, {0x06, 0x00});
    CGXStylePtrArray loaded;
    EXPECT_EQ(ArchiveCause([&] { LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); }); }),
              CArchiveException::badIndex);
}

// ---- styles map, properties, parameters ---------------------------------------------------------

TEST_F(ArchiveForms, StylesMapReadsBackEqual)
{
    CGXStylesMap map;
    map.CreateStandardStyles();
    CGXStyle extra;
    extra.SetValue("x").SetBaseStyle(map.GetColHeaderStyle());
    map.RegisterStyle("Extra", extra, FALSE);
    map.AddControl(GX_IDS_CTRL_EDIT);
    CGXStyle tip;
    tip.SetWrapText(TRUE);
    map.AddUserAttribute(GX_IDS_UA_TOOLTIPTEXT, &tip);
    map.SetSection("MyStyles");
    const Bytes bytes = StoreBytes([&](CArchive& ar) { map.Serialize(ar); });

    CGXStylesMap loaded;
    loaded.RegisterStyle("Old", CGXStyle(), FALSE);  // replaced by the load
    LoadBytes(bytes, [&](CArchive& ar) {
        loaded.Serialize(ar);
        EXPECT_EQ(ar.GetBytesLeft(), 0u);
    });
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { loaded.Serialize(ar); }), bytes);
    EXPECT_STREQ(loaded.GetSection(), "MyStyles");
    EXPECT_EQ(loaded.GetStyleCount(), 4);
    EXPECT_EQ(loaded.GetBaseStyleIdByName("Old"), 0);
    EXPECT_EQ(loaded.GetColHeaderStyle(), 1);
    EXPECT_EQ(loaded.GetRowHeaderStyle(), 2);
    EXPECT_EQ(loaded.GetNextStyleId(), 4);
    const CGXStyle* pExtra = nullptr;
    ASSERT_TRUE(loaded.LookupStyle(loaded.GetBaseStyleIdByName("Extra"), pExtra));
    EXPECT_EQ(pExtra->GetBaseStyle(), 1);
    EXPECT_STREQ(loaded.GetControlName(GX_IDS_CTRL_EDIT), "Edit Control");
    EXPECT_TRUE(loaded.GetUserAttributes().at(GX_IDS_UA_TOOLTIPTEXT)->pStyle->GetWrapText());
}

TEST_F(ArchiveForms, StylesMapLoadKeepsItsIdsApart)
{
    // a stored next id below the loaded styles' ids must not hand one of them out again
    CGXStylesMap map;
    map.RegisterStyle("A", CGXStyle(), FALSE);
    map.RegisterStyle("B", CGXStyle(), FALSE);
    Bytes bytes = StoreBytes([&](CArchive& ar) { map.Serialize(ar); });
    // the next id (2) sits just before the empty user-attribute count at the end
    ASSERT_EQ(bytes[bytes.size() - 4], 0x02);
    bytes[bytes.size() - 4] = 0x00;
    CGXStylesMap loaded;
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.RegisterStyle("C", CGXStyle(), FALSE), 2);
    EXPECT_EQ(loaded.GetBaseStyleIdByName("A"), 0);

    // a count with nothing behind it fails before anything is made for it
    Bytes hostile = {0x02, 0x00, 0x00, 0xFF, 0xFF};
    EXPECT_EQ(ArchiveCause([&] { LoadBytes(hostile, [&](CArchive& ar) { loaded.Serialize(ar); }); }),
              CArchiveException::endOfFile);
}

TEST_F(ArchiveForms, PropertiesReadBackEqual)
{
    CGXProperties properties;
    properties.AddDefaultUserProperties();
    properties.SetColor(CGXProperties::gxBackgroundColor, RGB(9, 9, 9));
    properties.SetMargins(11, 12, 13, 14);
    properties.SetPrintColHeaders(FALSE);
    properties.SetDisplayVertLines(FALSE);
    properties.SetLastZoom(75);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { properties.Serialize(ar); });

    CGXProperties loaded;
    loaded.AddUserProperty(GX_IDS_UP_CURRENTCELL, CGXStyle());  // an existing id takes the loaded style
    LoadBytes(bytes, [&](CArchive& ar) {
        loaded.Serialize(ar);
        EXPECT_EQ(ar.GetBytesLeft(), 0u);
    });
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { loaded.Serialize(ar); }), bytes);
    EXPECT_EQ(loaded.GetColor(CGXProperties::gxBackgroundColor), RGB(9, 9, 9));
    EXPECT_FALSE(loaded.GetPrintColHeaders());
    EXPECT_FALSE(loaded.GetDisplayVertLines());
    EXPECT_EQ(loaded.GetLastZoom(), 75);
    int top, left, bottom, right;
    loaded.GetMargins(top, left, bottom, right);
    EXPECT_EQ(top, 11);
    EXPECT_EQ(left, 12);
    EXPECT_EQ(bottom, 13);
    EXPECT_EQ(right, 14);
    EXPECT_STREQ(loaded.GetUserProperty(GX_IDS_UP_CURRENTCELL).GetValueRef(), "Invert Thin.");
    EXPECT_EQ(StoredValue(loaded.GetDataFooter(), 1, 3), "$P/$N");
}

namespace {

int g_listLoadedCount = -1;
void RecordRangeList(CGXRangeList& list)
{
    g_listLoadedCount = list.GetCount();
}

}  // namespace

TEST_F(ArchiveForms, ParametersReadBackEqual)
{
    CGXGridParam param;
    CGXStylesMap* pMap = new CGXStylesMap;
    pMap->CreateStandardStyles();
    param.SetStylesMap(pMap, TRUE);
    param.SetData(new CGXData, TRUE);
    CGXStyle cell;
    cell.SetValue("v").SetBaseStyle(pMap->GetRowHeaderStyle());
    param.GetData()->StoreCellStyle(1, 1, &cell, CGXStyle::gxOverride, CGXData::gxCellStyle);
    param.SetProperties(new CGXProperties, TRUE);
    param.GetRangeList1().AddRange(CGXCellRange(1, 1, 3, 3));
    param.GetRangeList2().AddRange(CGXCellRange(2, 2, 2, 5));
    param.GetRangeList2().AddRange(CGXCellRange(4, 1, 4, 1));
    // keys in buckets of their own: a loaded map chains the keys of one bucket in the other order
    param.GetRowHeights().SetAt(20, 1800);
    param.GetColWidths().SetAt(40, 4000);
    param.SetTitle("Matrix");
    param.SetFrozenRows(2);
    param.SetSelectionFlags(3);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { param.Serialize(ar); });

    GXGetLibraryState()->m_pfnRangeListLoaded = RecordRangeList;
    CGXGridParam loaded;
    LoadBytes(bytes, [&](CArchive& ar) {
        loaded.Serialize(ar);
        EXPECT_EQ(ar.GetBytesLeft(), 0u);
    });
    GXGetLibraryState()->m_pfnRangeListLoaded = nullptr;
    EXPECT_EQ(g_listLoadedCount, 2);
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { loaded.Serialize(ar); }), bytes);
    ASSERT_NE(loaded.GetStylesMap(), nullptr);
    ASSERT_NE(loaded.GetData(), nullptr);
    ASSERT_NE(loaded.GetProperties(), nullptr);
    EXPECT_TRUE(loaded.GetOwnStylesMap() && loaded.GetOwnData() && loaded.GetOwnProperties());
    CGXStyle stored;
    ASSERT_TRUE(loaded.GetData()->GetCellStyle(1, 1, stored, CGXStyle::gxCopy, CGXData::gxCellStyle));
    EXPECT_EQ(stored.GetBaseStyle(), loaded.GetStylesMap()->GetRowHeaderStyle());  // through the param's map
    EXPECT_STREQ(loaded.GetTitle(), "Matrix");
    EXPECT_EQ(loaded.GetFrozenRows(), 2u);
    EXPECT_EQ(loaded.GetSelectionFlags(), 3);
    LONG n = 0;
    EXPECT_TRUE(loaded.GetRowHeights().Lookup(20, n));
    EXPECT_EQ(n, 1800);
    EXPECT_TRUE(loaded.GetColWidths().Lookup(40, n));
    EXPECT_EQ(n, 4000);
}

TEST_F(ArchiveForms, ParametersNotOwningAnObjectKeepNoPointerToIt)
{
    CGXGridParam stored;  // owns nothing
    const Bytes bytes = StoreBytes([&](CArchive& ar) { stored.Serialize(ar); });

    CGXGridParam param;
    param.SetData(new CGXData, TRUE);
    param.SetProperties(new CGXProperties, TRUE);
    CGXStylesMap borrowed;
    param.SetStylesMap(&borrowed, FALSE);
    LoadBytes(bytes, [&](CArchive& ar) { param.Serialize(ar); });
    EXPECT_EQ(param.GetData(), nullptr);  // deleted by the load, and forgotten
    EXPECT_FALSE(param.GetOwnData());
    EXPECT_EQ(param.GetProperties(), nullptr);
    EXPECT_EQ(param.GetStylesMap(), &borrowed);  // borrowed: neither deleted nor forgotten
    EXPECT_FALSE(param.GetOwnStylesMap());

    Bytes schema11 = bytes;
    schema11[0] = 11;
    EXPECT_EQ(ArchiveCause([&] { LoadBytes(schema11, [&](CArchive& ar) { param.Serialize(ar); }); }),
              CArchiveException::badSchema);
}
