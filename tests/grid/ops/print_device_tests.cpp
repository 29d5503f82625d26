// The grid's printer settings: their stored form and its checks, the default printer, the printer DC,
// the parameter object's archive and copy, and a view preparing its jobs on its own printer.
#include "view_test_support.h"

#include "core/CArchive.h"
#include "core/CMemFile.h"
#include "grid/engine/GXControlFactory.h"
#include "grid/engine/GXPrintDevice.h"
#include "win/AfxRes.h"
#include "win/CPrintDialog.h"
#include "win/CPrintInfo.h"

#include <cstring>
#include <memory>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

// What obj writes into an archive.
Bytes Stored(CObject& obj)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        obj.Serialize(ar);
    }
    const size_t nLength = size_t(file.GetLength());
    uint8_t* p = file.Detach();
    Bytes bytes(p, p + nLength);
    std::free(p);
    return bytes;
}

// obj read back from bytes.
void Load(CObject& obj, Bytes bytes)
{
    CMemFile file(bytes.data(), uint32_t(bytes.size()));
    CArchive ar(&file, CArchive::load);
    obj.Serialize(ar);
}

// A block's bytes (empty without one).
Bytes BlockBytes(HGLOBAL h)
{
    if (h == nullptr)
        return {};
    const BYTE* p = static_cast<const BYTE*>(::GlobalLock(h));
    Bytes bytes(p, p + ::GlobalSize(h));
    ::GlobalUnlock(h);
    return bytes;
}

// The stored form of a device with the given blocks.
Bytes StoredForm(const Bytes& names, const Bytes& mode, WORD nVersion = 1)
{
    Bytes bytes{BYTE(nVersion), BYTE(nVersion >> 8)};
    for (const Bytes* p : {&names, &mode}) {
        const DWORD n = DWORD(p->size());
        for (int i = 0; i < 4; ++i)
            bytes.push_back(BYTE(n >> (8 * i)));
        bytes.insert(bytes.end(), p->begin(), p->end());
    }
    return bytes;
}

class PrintDeviceTest : public ::testing::Test {
protected:
    PrintDeviceTest()
    {
        // the print-device module was registered after the library started: installed here
        CGXControlFactory().InitializeApplicationComponents();
        fake.SetDefaultPrinter(&office);
    }
    // A device of the default printer.
    std::unique_ptr<CGXPrintDevice> OfficeDevice()
    {
        auto pDevice = std::make_unique<CGXPrintDevice>();
        pDevice->CreateDefaultDevice();
        return pDevice;
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    FakePrinter office{"Office printer", 850, 1100, 100, 100};
    FakePrinter plotter{"Plotter", 1700, 1100, 100, 100};
};

TEST_F(PrintDeviceTest, TheStoredFormHoldsTheVersionAndBothBlocks)
{
    CGXPrintDevice empty;
    EXPECT_EQ(Stored(empty), (Bytes{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    const auto pDevice = OfficeDevice();
    const Bytes names = BlockBytes(pDevice->m_hDevNames), mode = BlockBytes(pDevice->m_hDevMode);
    ASSERT_FALSE(names.empty());
    ASSERT_FALSE(mode.empty());
    EXPECT_EQ(Stored(*pDevice), StoredForm(names, mode));

    // DEVNAMES alone leaves the DEVMODE empty
    CGXPrintDevice namesOnly;
    Load(namesOnly, StoredForm(names, {}));
    EXPECT_EQ(BlockBytes(namesOnly.m_hDevNames), names);
    EXPECT_EQ(namesOnly.m_hDevMode, nullptr);

    CGXPrintDevice later;
    try {
        Load(later, StoredForm(names, mode, 2));
        ADD_FAILURE() << "version 2 read";
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::badSchema);
        e->Delete();
    }
}

TEST_F(PrintDeviceTest, TheDefaultPrinterPrintsTrueTypeAsGraphicsAndGivesItsDC)
{
    const auto pDevice = OfficeDevice();
    const auto* pMode = static_cast<const DEVMODEA*>(::GlobalLock(pDevice->m_hDevMode));
    ASSERT_NE(pMode, nullptr);
    EXPECT_EQ(pMode->dmTTOption, 1);
    ::GlobalUnlock(pDevice->m_hDevMode);

    CDC* pDC = pDevice->GetPrinterDC();
    ASSERT_NE(pDC, nullptr);
    EXPECT_EQ(pDC->GetDeviceCaps(HORZRES), office.nPageWidth);
    EXPECT_EQ(pDevice->GetPrinterDC(), pDC) << "made once";
    pDevice->ResetPrinterDC();
    EXPECT_EQ(pDevice->m_hPrintDC, nullptr);
}

TEST_F(PrintDeviceTest, BlocksThatCannotBeThePrintersLeaveTheDeviceEmptyAndMakeNoDC)
{
    const auto pDevice = OfficeDevice();
    const Bytes names = BlockBytes(pDevice->m_hDevNames), mode = BlockBytes(pDevice->m_hDevMode);
    Bytes farOffset = names;
    const WORD nPast = WORD(names.size() + 10);
    std::memcpy(farOffset.data() + offsetof(DEVNAMES, wDeviceOffset), &nPast, sizeof nPast);
    Bytes shortMode(mode.begin(), mode.begin() + mode.size() / 2);
    const struct {
        const char* pszWhat;
        Bytes bytes;
    } bad[] = {
        {"an offset past the block", StoredForm(farOffset, mode)},
        {"a DEVNAMES shorter than its header", StoredForm(Bytes(names.begin(), names.begin() + 4), mode)},
        {"a DEVMODE shorter than it says", StoredForm(names, shortMode)},
    };
    for (const auto& c : bad) {
        CGXPrintDevice device;
        device.SetDeviceData(names.data(), DWORD(names.size()), mode.data(), DWORD(mode.size()));
        Load(device, c.bytes);
        EXPECT_EQ(device.m_hDevNames, nullptr) << c.pszWhat;
        EXPECT_EQ(device.m_hDevMode, nullptr) << c.pszWhat;
    }
    // a size beyond the archive is refused before anything is allocated
    Bytes huge = StoredForm({}, {});
    huge[2] = huge[3] = huge[4] = huge[5] = 0x7F;
    CGXPrintDevice device;
    EXPECT_THROW(Load(device, huge), CArchiveException*);

    // such a block given directly makes no DC
    CGXPrintDevice direct;
    direct.SetDeviceData(farOffset.data(), DWORD(farOffset.size()), mode.data(), DWORD(mode.size()));
    EXPECT_EQ(direct.GetPrinterDC(), nullptr);
}

TEST_F(PrintDeviceTest, TheParameterObjectKeepsItsDeviceThroughItsArchiveAndItsCopy)
{
    const auto pDevice = OfficeDevice();
    const Bytes names = BlockBytes(pDevice->m_hDevNames), mode = BlockBytes(pDevice->m_hDevMode);
    CGXGridParam param;
    param.SetPrintDevice(pDevice.get(), FALSE);
    param.SetPrintDevice(new CGXPrintDevice, TRUE);
    param.GetPrintDevice()->CopyFrom(*pDevice);

    CGXGridParam read;
    Load(read, Stored(param));
    ASSERT_NE(read.GetPrintDevice(), nullptr);
    EXPECT_TRUE(read.GetOwnPrintDevice());
    EXPECT_EQ(BlockBytes(read.GetPrintDevice()->m_hDevNames), names);
    EXPECT_EQ(BlockBytes(read.GetPrintDevice()->m_hDevMode), mode);

    CGXGridParam copy;
    copy = param;
    ASSERT_NE(copy.GetPrintDevice(), nullptr);
    EXPECT_NE(copy.GetPrintDevice(), param.GetPrintDevice());
    EXPECT_EQ(BlockBytes(copy.GetPrintDevice()->m_hDevNames), names);
    EXPECT_EQ(BlockBytes(copy.GetPrintDevice()->m_hDevMode), mode);
}

// A view of a grid document that prepares its jobs as the grid's views do.
class PrintDeviceViewTest : public PrintDeviceTest {
protected:
    void SetUp() override
    {
        fake.SetTickCount(0);
        pFrame = MakeGridFrame(&document, 400, 300);
        ASSERT_NE(pFrame, nullptr);
        app.m_pMainWnd = pFrame;
        pView = GridViewOf(pFrame);
    }
    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        pFrame->DestroyWindow();
    }
    // The printer names of the print dialogs shown and of the printer DCs made.
    std::vector<std::string> Printers(const char* pszKind)
    {
        std::vector<std::string> names;
        for (const auto& call : fake.CallsOf(pszKind))
            if ((call.dwFlags & PD_RETURNDEFAULT) == 0)
                names.push_back(call.text);
        return names;
    }

    CGridDocument document{3, 2};
    CGridFrame* pFrame = nullptr;
    CTestGridView* pView = nullptr;
};

TEST_F(PrintDeviceViewTest, AViewPrintsOnItsOwnPrinterAndKeepsTheBlocksWhenTheSameIsChosen)
{
    // without a device: the application's printer, as the class library prepares a job
    fake.ExpectPrintDialog(IDOK);
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    EXPECT_EQ(Printers("CreatePrinterDC"), (std::vector<std::string>{"Office printer"}));

    // with a device of the plotter: the dialog starts on it and prints there
    auto* pDevice = new CGXPrintDevice;
    fake.SetDefaultPrinter(&plotter);
    pDevice->CreateDefaultDevice();
    fake.SetDefaultPrinter(&office);
    pView->SetPrintDevice(pDevice, TRUE);
    const HGLOBAL hNames = pDevice->m_hDevNames;
    fake.ExpectPrintDialog(IDOK);
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    EXPECT_EQ(Printers("PrintDlg").back(), "Plotter");
    EXPECT_EQ(Printers("CreatePrinterDC").back(), "Plotter");
    EXPECT_EQ(pDevice->m_hDevNames, hNames) << "the same printer keeps the device's blocks";

    // the set-up dialog choosing the office printer makes it the device's
    fake.ExpectPrintDialog(IDOK, &office);
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_SETUP);
    EXPECT_EQ(Printers("PrintDlg").back(), "Plotter");
    EXPECT_NE(pDevice->m_hDevNames, hNames);
    EXPECT_EQ(pDevice->GetPrinterDC()->GetDeviceCaps(HORZRES), office.nPageWidth);
}

}  // namespace
