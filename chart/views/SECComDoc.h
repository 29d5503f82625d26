// SECComDoc: a document that can be driven by numbered commands instead of files, and linked to one
// server document and any number of client documents that pass commands to each other.
//
// Commands (Dispatch): a command above 0x7FFF goes to UserCommand; below it, 0 answers 1, 1 is
// Refresh, 2 a template hand-over (a template id and a global memory block), 3 a data command (type
// and argument, see CGraphDoc), anything else answers 0. While the document passes a command to its
// server (SendToServer) it answers every incoming command below 0x8000 with 1 without acting, which
// stops a command from travelling back and forth between linked documents.
//
// Command paths: a path of the form "SEC++ <text>" opened as a document (OnOpenDocument) is a command
// line, not a file: the document is made new, and when <text> reads as the number 1, Refresh runs.
// Such a document takes its template's default title, not the path. Every other path is a file.
//
// Links: the document keeps a server (null when none) and a list of clients. Adding a client or
// setting the server links one way only; the host links both ways. When the document goes it tells
// its server and each client, so that no linked document keeps a pointer to it.
//
// Refresh and UserCommand do nothing here (a host that links documents supplies its own).
#pragma once

#include "win/Win.h"

#include <windows.h>

class SECComDoc : public CDocument {
    DECLARE_DYNCREATE(SECComDoc)
public:
    // The commands of Dispatch.
    enum {
        cmdPing = 0,
        cmdRefresh = 1,
        cmdTemplate = 2,
        cmdData = 3,
        cmdFirstUser = 0x8000,
    };

    SECComDoc();
    // Unlinks the document from its server and its clients (see the top of this file).
    ~SECComDoc() override;

    // A data command: nType with lArg (a record's address or a packed word). Here: 0.
    virtual int DataCommand(int nType, LPARAM lArg);
    // A command of the host's own, numbered from 0x8000 up, with two arguments. Here: 0.
    virtual int UserCommand(int nCommand, int nArg, LPARAM lArg);
    // Brings the document up to date. Here: 0.
    virtual int Refresh();
    // Takes a chart template: a resource id (0: none) and a global memory block (null: none). Here the
    // block is freed and 0 returned.
    virtual int HandOverTemplate(int nTemplateId, HGLOBAL hBlock);
    // Passes the data command (nArg, lArg) to the server's Dispatch (command cmdData) and returns its
    // answer; 0 without a server. The document is busy meanwhile.
    virtual int SendToServer(int nArg, LPARAM lArg);
    // The client at rPosition, moving rPosition on to the next one (null after the last).
    virtual CDocument* GetNextClient(POSITION& rPosition);
    virtual POSITION GetFirstClientPosition();
    virtual int GetClientCount();
    // Runs a command (see the top of this file) and returns its answer.
    virtual int Dispatch(int nCommand, int nArg, LPARAM lArg);
    // OnNewDocument, then Dispatch.
    virtual int NewAndDispatch(int nCommand, int nArg, LPARAM lArg);
    // pDocument left: it is taken out of the client list / no longer the server.
    virtual void ClientRemoved(CDocument* pDocument);
    virtual void ServerRemoved(CDocument* pDocument);
    // Appends pDocument (not null) to the clients / makes pServer the server (null: none).
    virtual void AddClient(CDocument* pDocument);
    virtual void SetServer(SECComDoc* pServer);
    // Passes the data command (nArg, lArg) to the Dispatch of every client that is an SECComDoc and
    // returns the bitwise OR of their answers.
    virtual int Broadcast(int nArg, LPARAM lArg);

    // A "SEC++ " path is a command line (see the top of this file); any other path is read as a file.
    BOOL OnOpenDocument(LPCSTR lpszPathName) override;
    // A "SEC++ " path gives the template's default title; any other path is the document's path.
    void SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU = TRUE) override;

    SECComDoc* GetServer() const { return m_pServer; }
    int IsBusy() const { return m_bBusy; }
    // True for a path that starts with "SEC++ ".
    static bool IsCommandPath(LPCSTR lpszPathName);

protected:
    SECComDoc* m_pServer;
    CPtrList m_clients;   // CDocument*, not owned
    int m_bBusy;
};
