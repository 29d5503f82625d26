// Helpers of the result windows' tests (see ResultWindowTestSupport.h).
// the standard headers before windows.h, which defines min and max as macros
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ResultWindowTestSupport.h"

#include "model/solve/Solver.h"
#include "res/resource.h"

const char* const kRankedTriple = "app/ranked_pair_gain_cost.zex";

void ResultWindowFixture::SetUp()
{
    AnswerGridInput(fake);
    AppFixture::SetUp();
    char temp[MAX_PATH] = {};
    const DWORD n = ::GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
    savedTemp = n > 0 && n < MAX_PATH ? temp : "";
    ::SetEnvironmentVariableA("TEMP", folder.Path().c_str());
    app.m_lpCmdLine = commandLine;
    app.m_nCmdShow = SW_SHOWNOACTIVATE; // other test programs share the display: take no focus
    ASSERT_TRUE(app.InitInstance());
}

void ResultWindowFixture::TearDown()
{
    // as the user closes the program, with nothing left to save
    if (app.m_pMainWnd != nullptr) {
        app.m_nModified = 0;
        app.m_pMainWnd->SendMessage(WM_CLOSE);
    }
    AppFixture::TearDown();
    ::SetEnvironmentVariableA("TEMP", savedTemp.empty() ? nullptr : savedTemp.c_str());
}

void ResultWindowFixture::Open(const char* relative, const std::string& name)
{
    folder.Copy(relative, name);
    ASSERT_EQ(app.OpenProjectFile(folder.Path(name).c_str()), 1);
}

void ResultWindowFixture::OpenAndSolve()
{
    Open(kRankedTriple, "triple.zex");
    Shortcut(ID_ZQ_SOLVE);
    ASSERT_TRUE(app.m_Project.ProjectSolver && app.m_Project.ProjectSolver->HasResults());
}

void ResultWindowFixture::SetClientSize(CWnd* pWnd, int nWidth, int nHeight)
{
    // again while scroll bars come or go with the size
    for (int nTry = 0; nTry < 3; ++nTry) {
        CRect window, client;
        pWnd->GetWindowRect(&window);
        pWnd->GetClientRect(&client);
        if (client.Width() == nWidth && client.Height() == nHeight)
            return;
        pWnd->SetWindowPos(nullptr, 0, 0, nWidth + window.Width() - client.Width(),
                           nHeight + window.Height() - client.Height(), SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    }
}

Canvas::Canvas(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight), m_pOldBitmap(nullptr)
{
    CClientDC screen(nullptr);
    m_dc.CreateCompatibleDC(&screen);
    m_bitmap.CreateCompatibleBitmap(&screen, nWidth, nHeight);
    m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
    m_dc.PatBlt(0, 0, nWidth, nHeight, WHITENESS);
}

Canvas::~Canvas()
{
    m_dc.SelectObject(m_pOldBitmap);
}

bool Canvas::Inked(const CRect& rect) const
{
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (m_dc.GetPixel(x, y) != RGB(255, 255, 255))
                return true;
    return false;
}
