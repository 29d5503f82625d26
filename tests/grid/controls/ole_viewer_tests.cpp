// The OLE object viewers: the stored object form written and read, blocks refused, values that are no
// object, the Insert Object dialog answered through the services seam, the client site's references
// and the interface manager.
#include "cell_test_support.h"

#include "grid/controls/GXOlePreview.h"
#include "grid/controls/GXOleVarUserAttribute.h"
#include "grid/controls/GXOleViewer.h"

#include <oledlg.h>

#include <cstring>

namespace {

// A style whose attribute 52794 holds bytes (or, with pszText, a text VARIANT).
CGXStyle ObjectStyle(const std::vector<BYTE>& bytes)
{
    CByteArray array;
    array.SetSize(int32_t(bytes.size()));
    std::memcpy(array.GetData(), bytes.data(), bytes.size());
    CGXOleVarUserAttribute object;
    object.SetVariant(COleVariant(array));
    CGXStyle style;
    style.SetUserAttribute(GX_IDS_UA_DAOBITMAP, object);
    return style;
}

// An IUnknown that counts its releases.
class CCountingUnknown : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** ppv) override
    {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return ULONG(++m_nReleases); }
    int m_nReleases = 0;
};

// A preview cell in a grid of its own, the owner a viewer needs to load anything.
struct ViewerFixture {
    ViewerFixture()
    {
        grid.CreateGrid(3, 3);
        pCell = new CGXOlePreview(&grid);
        grid.RegisterControl(GX_IDS_CTRL_OLE_PREVIEW, pCell, TRUE);
    }
    CFakeServices fake;
    CTestGridWnd grid;
    CGXOlePreview* pCell = nullptr;  // owned by the grid
    CGXGenericViewerImpl viewer;
};

}  // namespace

TEST(OleObjectForm, AWrittenBlockHoldsItsHeaderNamesDataAndFourZeros)
{
    const BYTE data[] = {7, 8, 9};
    const std::vector<BYTE> block = GXBuildOleObjectBlock("Picture", "Paint.Picture", data, sizeof(data));
    const size_t nName = 8, nClass = 14;
    ASSERT_EQ(block.size(), 20 + nName + nClass + 3 + 4);
    const std::vector<BYTE> header(block.begin(), block.begin() + 20);
    EXPECT_EQ(header, (std::vector<BYTE>{0x15, 0x1C, 0x14, 0x00, 0x02, 0x00, 0x00, 0x00, BYTE(nName), 0, BYTE(nClass), 0,
                                         20, 0, BYTE(20 + nName), 0, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_STREQ(reinterpret_cast<const char*>(block.data() + 20), "Picture");
    EXPECT_STREQ(reinterpret_cast<const char*>(block.data() + 20 + nName), "Paint.Picture");
    EXPECT_EQ(std::vector<BYTE>(block.begin() + 42, block.begin() + 45), (std::vector<BYTE>{7, 8, 9}));
    EXPECT_EQ(std::vector<BYTE>(block.end() - 4, block.end()), (std::vector<BYTE>{0, 0, 0, 0}));

    GXOleObjectParts parts;
    ASSERT_TRUE(GXParseOleObjectBlock(block.data(), block.size(), parts));
    EXPECT_STREQ(parts.strName, "Picture");
    EXPECT_STREQ(parts.strClass, "Paint.Picture");
    EXPECT_EQ(parts.nDataStart, 42u);
    EXPECT_EQ(parts.nDataEnd, block.size() - 4);
}

TEST(OleObjectForm, BlocksWhoseHeaderLiesAreRefused)
{
    const BYTE data[] = {1, 2};
    const std::vector<BYTE> good = GXBuildOleObjectBlock("Name", "Some.Class", data, sizeof(data));
    struct Case {
        const char* pszName;
        size_t nAt;
        BYTE value;
    };
    const Case cases[] = {
        {"signature", 0, 0x16},           {"signature's second byte", 1, 0x1D},
        {"class offset past the end", 14, 0xF0}, {"class length past the end", 10, 0x80},
        {"name without its zero", 8, 3},  {"name offset inside the fixed part", 12, 4},
    };
    GXOleObjectParts parts;
    EXPECT_TRUE(GXParseOleObjectBlock(good.data(), good.size(), parts));
    for (const Case& c : cases) {
        std::vector<BYTE> bad = good;
        bad[c.nAt] = c.value;
        EXPECT_FALSE(GXParseOleObjectBlock(bad.data(), bad.size(), parts)) << c.pszName;
    }
    // the header running into the four trailing bytes
    const std::vector<BYTE> cut(good.begin(), good.begin() + 20 + 5 + 11 + 2);
    EXPECT_FALSE(GXParseOleObjectBlock(cut.data(), cut.size(), parts));
    EXPECT_FALSE(GXParseOleObjectBlock(good.data(), 10, parts));
    // a long class is cut to 127 characters
    const std::string strLong(200, 'c');
    const std::vector<BYTE> longClass = GXBuildOleObjectBlock("n", strLong.c_str(), data, sizeof(data));
    ASSERT_TRUE(GXParseOleObjectBlock(longClass.data(), longClass.size(), parts));
    EXPECT_EQ(parts.strClass.GetLength(), 127);
}

TEST(OleViewer, ABadBlockOrAValueThatIsNoObjectOpensNothing)
{
    ViewerFixture f;
    const BYTE data[] = {1, 2};
    std::vector<BYTE> bad = GXBuildOleObjectBlock("Name", "Some.Class", data, sizeof(data));
    bad[14] = 0xF0;
    f.fake.ExpectMessageBox(IDOK, "The binary data is not valid.");
    EXPECT_FALSE(f.viewer.Open(ObjectStyle(bad), &f.grid, f.pCell, TRUE));
    EXPECT_EQ(f.viewer.GetOwner(), nullptr);

    CGXOleVarUserAttribute text;
    text.SetVariant(COleVariant("not an object"));
    CGXStyle style;
    style.SetUserAttribute(GX_IDS_UA_DAOBITMAP, text);
    f.fake.ExpectMessageBox(IDOK, "The binary data is not valid.");
    EXPECT_FALSE(f.viewer.Open(style, &f.grid, f.pCell, TRUE));
    EXPECT_TRUE(f.fake.CallsOf("InsertObject").empty());

    // a class no server is registered for
    const std::vector<BYTE> unknown = GXBuildOleObjectBlock("Name", "Ondrix.NoSuchServer", data, sizeof(data));
    f.fake.ExpectMessageBox(IDOK, "The binary data is not valid.");
    EXPECT_FALSE(f.viewer.Open(ObjectStyle(unknown), &f.grid, f.pCell, TRUE));
    EXPECT_EQ(f.viewer.GetOleObject(), nullptr);
}

TEST(OleViewer, AnEmptyCellAsksTheInsertObjectDialog)
{
    ViewerFixture f;
    f.fake.ExpectInsertObjectDialog(OLEUI_CANCEL);
    EXPECT_FALSE(f.viewer.Open(CGXStyle(), &f.grid, f.pCell, TRUE));
    const std::vector<CFakeServices::Call> calls = f.fake.CallsOf("InsertObject");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].caption, "Tavelle Insert Object");
    EXPECT_EQ(calls[0].dwFlags & (IOF_SELECTCREATENEW | IOF_CREATENEWOBJECT), DWORD(IOF_SELECTCREATENEW | IOF_CREATENEWOBJECT));
    EXPECT_EQ(calls[0].hWnd, f.grid.m_hWnd);
    EXPECT_EQ(f.viewer.GetInterfaceManager().GetCount(), 0);

    // a dialog that fails says so
    f.fake.ExpectInsertObjectDialog(OLEUI_ERR_STANDARDMIN);
    f.fake.ExpectMessageBox(IDOK, "Failed to invoke insert object dialog.");
    EXPECT_FALSE(f.viewer.Open(CGXStyle(), &f.grid, f.pCell, TRUE));
}

TEST(OleViewer, AClientSiteLivesUntilItsLastReferenceGoes)
{
    CGXGenericViewerImpl viewer;
    IOleClientSite* pSite = viewer.CreateClientSite();
    // an object takes its own reference and later lets it go
    EXPECT_EQ(pSite->AddRef(), 2u);
    EXPECT_EQ(pSite->Release(), 1u);
    IUnknown* pUnknown = nullptr;
    ASSERT_EQ(pSite->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&pUnknown)), S_OK);
    EXPECT_EQ(pUnknown->Release(), 1u);
    void* pOther = nullptr;
    EXPECT_EQ(pSite->QueryInterface(IID_IOleObject, &pOther), E_NOINTERFACE);
    EXPECT_EQ(pSite->ShowObject(), S_OK);
    EXPECT_EQ(pSite->GetContainer(nullptr), E_NOTIMPL);
    // the viewer's reference is the last
    EXPECT_EQ(pSite->Release(), 0u);
}

TEST(OleViewer, TheInterfaceManagerReleasesEachPointerOnce)
{
    CCountingUnknown first, second;
    {
        CGXInterfaceManager<IUnknown> manager;
        manager.Put(&first, IID_IStream);
        manager.Put(&first, IID_IStream);
        EXPECT_EQ(first.m_nReleases, 1) << "the pointer held before is released first";
        manager.Put(&second, IID_IStorage);
        manager.Remove(IID_IStorage, FALSE);
        EXPECT_EQ(second.m_nReleases, 0);
        manager.Put(&second, IID_IStorage);
        EXPECT_EQ(manager.Get(IID_IStorage), &second);
        EXPECT_EQ(manager.GetCount(), 2);
    }
    EXPECT_EQ(first.m_nReleases, 2);
    EXPECT_EQ(second.m_nReleases, 1);
}
