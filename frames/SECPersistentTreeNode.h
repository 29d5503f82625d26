// SECPersistentTreeNode: a named node of a tree of texts (a docking layout's tree form,
// frames/SECDockState.h): child nodes with names unique under their parent, and key/value pairs in the
// order they were first set. SECPTNFactory makes nodes and owns them; SECPersistenceStrategy is the
// outside store a tree is saved to and loaded from (the program has none of its own: tests keep trees
// in memory).
//
// Values are texts: integers in decimal, booleans "True" or "False" (read back as true when the value
// in upper case is "TRUE"), binary data two letters per byte, the low four bits first, each letter 'A'
// plus the four-bit value ('A' to 'P'). An encoded value of more than 250 letters is stored in pieces of
// 250: the number of pieces under the key followed by "_BinCount", each piece under the key followed by
// "_BinVal" and its number from 0; a shorter one under the key itself. Keys and child names compare
// exactly (case-sensitive). Setting a pair appends it or, with overwrite, replaces its value (a binary
// value replaces its pieces too).
//
// Every operation answers 0 on success or the error bits below.
#pragma once

#include "win/Win.h"

#include <memory>
#include <vector>

// Error bits of the node operations.
#define SEC_PTN_NOTINITIALIZED 0x0002 // the node was not initialised
#define SEC_PTN_NONAME         0x0004 // an empty name, or no node (or strategy) given
#define SEC_PTN_NOKEY          0x0008 // an empty key
#define SEC_PTN_KEYEXISTS      0x0010 // the key exists and overwriting was not asked
#define SEC_PTN_DUPLICATECHILD 0x0020 // a child of that name exists
#define SEC_PTN_KEYNOTFOUND    0x0040 // no such key (or piece of a binary value)
#define SEC_PTN_NODATA         0x0080 // nothing to read or write (an empty value, no bytes)
#define SEC_PTN_ENCODING       0x0100 // a binary value is malformed: an odd length or a letter outside 'A' to 'P'
#define SEC_PTN_FAILED         0xFFFF // any other failure (a number that does not parse, the store refused)

class SECPersistentTreeNode;

// The outside store of a tree: only its calls are fixed. A path lists the names from a node up to the
// root.
class SECPersistenceStrategy {
public:
    virtual ~SECPersistenceStrategy();
    // A node is about to be written, with the names of its children. Success in bit 0.
    virtual UINT BeginNode(const std::vector<CString>& path, const std::vector<CString>& children) = 0;
    // One pair of the node being written. FALSE when the store refused it.
    virtual BOOL WritePair(const std::vector<CString>& path, LPCSTR lpszKey, LPCSTR lpszValue) = 0;
    // The node has been written (its children after it). FALSE when the store refused it.
    virtual BOOL EndNode(const std::vector<CString>& path, const std::vector<CString>& children) = 0;
    // The stored node at path: its children's names, its keys and values. FALSE when there is none.
    virtual BOOL ReadNode(const std::vector<CString>& path, std::vector<CString>& children, std::vector<CString>& keys,
                          std::vector<CString>& values) = 0;
};

// Makes nodes and owns them: they go with the factory.
class SECPTNFactory {
public:
    SECPTNFactory();
    ~SECPTNFactory();
    SECPTNFactory(const SECPTNFactory&) = delete;
    SECPTNFactory& operator=(const SECPTNFactory&) = delete;

    // A new node named lpszName, initialised as a child of pParent (null: a root). Null when the name
    // is empty or pParent refuses it (not initialised, or it has a child of that name).
    SECPersistentTreeNode* CreateNode(LPCSTR lpszName, SECPersistentTreeNode* pParent = nullptr);

private:
    std::vector<std::unique_ptr<SECPersistentTreeNode>> m_nodes;
};

class SECPersistentTreeNode : public CObject {
    DECLARE_DYNAMIC(SECPersistentTreeNode)
public:
    // One pair of a node.
    struct SECPersTreeNodeKeyValuePair {
        CString strKey;
        CString strValue;
    };

    SECPersistentTreeNode();
    ~SECPersistentTreeNode() override;

    // Names the node and makes it a child of pParent (null: a root). Once only.
    virtual UINT Initialize(LPCSTR lpszName, SECPersistentTreeNode* pParent = nullptr);

    // ---- pairs --------------------------------------------------------------------------------------

    virtual UINT SetInteger(LPCSTR lpszKey, int nValue, BOOL bOverwrite = TRUE);
    virtual UINT SetText(LPCSTR lpszKey, LPCSTR lpszValue, BOOL bOverwrite = TRUE);
    virtual UINT SetBoolean(LPCSTR lpszKey, BOOL bValue, BOOL bOverwrite = TRUE);
    // nBytes at pData (null with nBytes above 0: SEC_PTN_NODATA).
    virtual UINT SetBinary(LPCSTR lpszKey, const void* pData, UINT nBytes, BOOL bOverwrite = TRUE);
    // Removes the pair (and, for a binary value, its pieces).
    virtual UINT RemoveKey(LPCSTR lpszKey);
    // The value; rValue is lpszDefault (null: empty) when the key is missing.
    virtual UINT GetText(LPCSTR lpszKey, CString& rValue, LPCSTR lpszDefault = nullptr);
    // The value read as a number or boolean; r... is left as it was on failure. An empty value is
    // SEC_PTN_NODATA, one that does not parse (or does not fit) SEC_PTN_FAILED.
    virtual UINT GetInteger(LPCSTR lpszKey, int& rValue);
    virtual UINT GetUnsigned(LPCSTR lpszKey, UINT& rValue);
    virtual UINT GetLong(LPCSTR lpszKey, LONG& rValue);
    virtual UINT GetDWord(LPCSTR lpszKey, DWORD& rValue);
    virtual UINT GetBoolean(LPCSTR lpszKey, BOOL& rValue);
    // The bytes of a binary value (joined from its pieces); data is left empty on failure.
    virtual UINT GetBinary(LPCSTR lpszKey, std::vector<BYTE>& data);

    // ---- the tree -----------------------------------------------------------------------------------

    // Writes the node and its children to pStrategy.
    virtual UINT Save(SECPersistenceStrategy* pStrategy);
    // Reads the node's pairs and children from pStrategy: the pairs replace the node's; a child of a
    // stored name is the node's child of that name, or a new one the node owns.
    virtual UINT Load(SECPersistenceStrategy* pStrategy);
    // Makes pChild (initialised, not null) a child of this node.
    virtual UINT AddChild(SECPersistentTreeNode* pChild);

    const CString& GetName() const { return m_strName; }
    SECPersistentTreeNode* GetParent() const { return m_pParent; }
    BOOL IsInitialized() const { return m_bInitialized; }
    const std::vector<SECPersistentTreeNode*>& GetChildren() const { return m_children; }
    const std::vector<SECPersTreeNodeKeyValuePair>& GetPairs() const { return m_pairs; }
    // The child named lpszName; null when none.
    SECPersistentTreeNode* FindChild(LPCSTR lpszName) const;
    // The names from this node up to the root.
    std::vector<CString> GetPath() const;

    // Encodes nBytes at pData as letters / decodes them (FALSE for a malformed text; data then empty).
    static CString EncodeBinary(const BYTE* pData, UINT nBytes);
    static BOOL DecodeBinary(const CString& strText, std::vector<BYTE>& data);

protected:
    // The pair of lpszKey; null when none.
    SECPersTreeNodeKeyValuePair* FindPair(LPCSTR lpszKey);
    // The checks every pair operation makes first (0 when they pass).
    UINT CheckKey(LPCSTR lpszKey) const;
    // Sets a pair after the checks.
    void PutPair(LPCSTR lpszKey, LPCSTR lpszValue);
    // The value of lpszKey for a typed read: 0, or the error.
    UINT GetValueToParse(LPCSTR lpszKey, CString& rValue);
    // The value read as a decimal number of T's range (see GetInteger).
    template <class T>
    UINT GetNumber(LPCSTR lpszKey, T& rValue);

    CString m_strName;
    SECPersistentTreeNode* m_pParent;
    SECPTNFactory m_factory; // the children Load made
    std::vector<SECPersistentTreeNode*> m_children;
    std::vector<SECPersTreeNodeKeyValuePair> m_pairs;
    BOOL m_bInitialized;
};
