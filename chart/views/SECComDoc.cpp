// SECComDoc: documents driven by commands and linked to each other (see SECComDoc.h).
#include <cstdio>
#include <cstring>

#include "chart/views/SECComDoc.h"

#include "win/ArgCheck.h"

namespace {

const char kCommandPrefix[] = "SEC++ ";
const size_t kCommandPrefixLength = sizeof kCommandPrefix - 1;

} // namespace

IMPLEMENT_DYNCREATE(SECComDoc, CDocument)

SECComDoc::SECComDoc() : m_pServer(nullptr), m_clients(10), m_bBusy(0) {}

SECComDoc::~SECComDoc()
{
    if (m_pServer != nullptr)
        m_pServer->ClientRemoved(this);
    for (POSITION pos = m_clients.GetHeadPosition(); pos != nullptr;) {
        CDocument* pClient = static_cast<CDocument*>(m_clients.GetNext(pos));
        if (SECComDoc* pLinked = dynamic_cast<SECComDoc*>(pClient))
            pLinked->ServerRemoved(this);
    }
    m_clients.RemoveAll();
}

int SECComDoc::DataCommand(int /*nType*/, LPARAM /*lArg*/)
{
    return 0;
}

int SECComDoc::UserCommand(int /*nCommand*/, int /*nArg*/, LPARAM /*lArg*/)
{
    return 0;
}

int SECComDoc::Refresh()
{
    return 0;
}

int SECComDoc::HandOverTemplate(int /*nTemplateId*/, HGLOBAL hBlock)
{
    if (hBlock != nullptr)
        ::GlobalFree(hBlock);
    return 0;
}

int SECComDoc::SendToServer(int nArg, LPARAM lArg)
{
    if (m_pServer == nullptr)
        return 0;
    m_bBusy = 1;
    int nResult = 0;
    try {
        nResult = m_pServer->Dispatch(cmdData, nArg, lArg);
    } catch (...) {
        m_bBusy = 0;
        throw;
    }
    m_bBusy = 0;
    return nResult;
}

CDocument* SECComDoc::GetNextClient(POSITION& rPosition)
{
    return static_cast<CDocument*>(m_clients.GetNext(rPosition));
}

POSITION SECComDoc::GetFirstClientPosition()
{
    return m_clients.GetHeadPosition();
}

int SECComDoc::GetClientCount()
{
    return int(m_clients.GetCount());
}

int SECComDoc::Dispatch(int nCommand, int nArg, LPARAM lArg)
{
    if (nCommand > 0x7FFF)
        return UserCommand(nCommand, nArg, lArg);
    if (m_bBusy)
        return 1;
    switch (nCommand) {
    case cmdPing:
        return 1;
    case cmdRefresh:
        return Refresh();
    case cmdTemplate:
        return HandOverTemplate(nArg, reinterpret_cast<HGLOBAL>(lArg));
    case cmdData:
        return DataCommand(nArg, lArg);
    default:
        return 0;
    }
}

int SECComDoc::NewAndDispatch(int nCommand, int nArg, LPARAM lArg)
{
    OnNewDocument();
    return Dispatch(nCommand, nArg, lArg);
}

void SECComDoc::ClientRemoved(CDocument* pDocument)
{
    if (POSITION pos = m_clients.Find(pDocument))
        m_clients.RemoveAt(pos);
}

void SECComDoc::ServerRemoved(CDocument* pDocument)
{
    if (m_pServer == pDocument)
        m_pServer = nullptr;
}

void SECComDoc::AddClient(CDocument* pDocument)
{
    AfxRequirePointer(pDocument, "SECComDoc::AddClient", "pDocument");
    m_clients.AddTail(pDocument);
}

void SECComDoc::SetServer(SECComDoc* pServer)
{
    m_pServer = pServer;
}

int SECComDoc::Broadcast(int nArg, LPARAM lArg)
{
    int nResult = 0;
    for (POSITION pos = m_clients.GetHeadPosition(); pos != nullptr;) {
        if (SECComDoc* pClient = dynamic_cast<SECComDoc*>(static_cast<CDocument*>(m_clients.GetNext(pos))))
            nResult |= pClient->Dispatch(cmdData, nArg, lArg);
    }
    return nResult;
}

bool SECComDoc::IsCommandPath(LPCSTR lpszPathName)
{
    return lpszPathName != nullptr && std::strncmp(lpszPathName, kCommandPrefix, kCommandPrefixLength) == 0;
}

BOOL SECComDoc::OnOpenDocument(LPCSTR lpszPathName)
{
    if (!IsCommandPath(lpszPathName))
        return CDocument::OnOpenDocument(lpszPathName);
    if (!OnNewDocument())
        return FALSE;
    int nNumber = 0;
    int nEnd = 0;
    if (std::sscanf(lpszPathName + kCommandPrefixLength, "%d %n", &nNumber, &nEnd) == 1 && nNumber == 1)
        Refresh();
    return TRUE;
}

void SECComDoc::SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU)
{
    if (!IsCommandPath(lpszPathName)) {
        CDocument::SetPathName(lpszPathName, bAddToMRU);
        return;
    }
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->SetDefaultTitle(this);
}
