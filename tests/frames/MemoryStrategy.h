// An outside store of tree nodes kept in memory, for the tests of saved layouts in their tree form: the
// nodes by their path (root first, '/' between names), each with its children's names and its pairs.
#pragma once

#include "wine_gtest.h"

#include "frames/SECPersistentTreeNode.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class CMemoryStrategy : public SECPersistenceStrategy {
public:
    struct Node {
        std::vector<CString> children;
        std::vector<std::pair<CString, CString>> pairs;
    };

    // The path of names (node first) as a key, root first.
    static std::string Key(const std::vector<CString>& path)
    {
        std::string key;
        for (auto it = path.rbegin(); it != path.rend(); ++it)
            key += (key.empty() ? "" : "/") + std::string(it->GetString());
        return key;
    }

    UINT BeginNode(const std::vector<CString>& path, const std::vector<CString>& children) override
    {
        if (bRefuse)
            return 0;
        nodes[Key(path)] = Node{children, {}};
        return 1;
    }
    BOOL WritePair(const std::vector<CString>& path, LPCSTR lpszKey, LPCSTR lpszValue) override
    {
        nodes[Key(path)].pairs.emplace_back(lpszKey, lpszValue);
        return TRUE;
    }
    BOOL EndNode(const std::vector<CString>& path, const std::vector<CString>& children) override
    {
        (void)path;
        (void)children;
        return TRUE;
    }
    BOOL ReadNode(const std::vector<CString>& path, std::vector<CString>& children, std::vector<CString>& keys,
                  std::vector<CString>& values) override
    {
        auto it = nodes.find(Key(path));
        if (it == nodes.end())
            return FALSE;
        children = it->second.children;
        keys.clear();
        values.clear();
        for (const auto& pair : it->second.pairs) {
            keys.push_back(pair.first);
            values.push_back(pair.second);
        }
        return TRUE;
    }

    std::map<std::string, Node> nodes;
    BOOL bRefuse = FALSE; // BeginNode answers failure
};
