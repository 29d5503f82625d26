#include "model/solve/PreferenceGraph.h"

#include "core/CException.h"

namespace {

template <class Matrix>
void CheckSquare(const Matrix& matrix, size_t size, const char* operation)
{
    if (matrix.size() != size)
        AfxThrowInvalidArgFormat("%s: the matrix has %d rows, %d expected", operation, int(matrix.size()),
                                 int(size));
    for (size_t i = 0; i < matrix.size(); ++i) {
        if (matrix[i].size() != size)
            AfxThrowInvalidArgFormat("%s: row %d has %d entries, %d expected", operation, int(i),
                                     int(matrix[i].size()), int(size));
    }
}

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A word of letters, digits and '_' not starting with a digit, other than a keyword of dot.
bool IsPlainWord(const CString& text)
{
    const int length = text.GetLength();
    if (length == 0 || IsDigit(text[0]))
        return false;
    for (int i = 0; i < length; ++i) {
        const char c = text[i];
        if (!IsAsciiLetter(c) && !IsDigit(c) && c != '_')
            return false;
    }
    for (const char* keyword : {"node", "edge", "graph", "digraph", "subgraph", "strict"}) {
        if (text.CompareNoCase(keyword) == 0)
            return false;
    }
    return true;
}

// Digits with at most one '.', at least one digit.
bool IsPlainNumber(const CString& text)
{
    int digits = 0;
    int points = 0;
    for (int i = 0; i < text.GetLength(); ++i) {
        if (IsDigit(text[i]))
            ++digits;
        else if (text[i] == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

// The ending of a node declaration: high credibility green, low blue, anything else black.
const char* NodeEnding(int high, int low)
{
    if (high == 1)
        return ", color=forestgreen, fontsize=10]";
    if (low == 1)
        return ", fontsize=10, color=blue]";
    return ", fontsize=10, color=black]";
}

} // namespace

bool IsPreferenceText(const CString& text)
{
    return text == "P" || text == "P or I";
}

RelationMatrix RelationFromOptima(const SolverMatrix& optima, double t)
{
    const size_t n = optima.size();
    CheckSquare(optima, n, "RelationFromOptima");
    RelationMatrix relation(n, std::vector<CString>(n));
    for (size_t l = 0; l < n; ++l) {
        for (size_t m = 0; m < n; ++m) {
            if (l == m)
                continue;
            const double a = optima[l][m];
            const double b = optima[m][l];
            CString& lm = relation[l][m];
            CString& ml = relation[m][l];
            if (a >= t && b >= t)
                lm = ml = "?";
            if (-t < a && a < t && -t < b && b < t)
                lm = ml = "I";
            if (a >= t && -t < b && b < t) {
                lm = "P";
                ml = "P-";
            }
            if (a >= t && b <= -t) {
                lm = "P";
                ml = "P-";
            }
            if (b >= t && a < t) {
                lm = "P-";
                ml = "P";
            }
        }
    }
    return relation;
}

RelationMatrix CompleteRelationFromOptima(const SolverMatrix& optima, double t)
{
    const size_t n = optima.size();
    CheckSquare(optima, n, "CompleteRelationFromOptima");
    RelationMatrix relation(n, std::vector<CString>(n));
    for (size_t a = 0; a < n; ++a) {
        for (size_t b = 0; b < n; ++b) {
            if (a == b)
                continue;
            const double x = optima[a][b];
            const double y = optima[b][a];
            if (x > -t && y > -t) {
                relation[a][b] = relation[b][a] = "I";
            } else if (x <= -t && y > -t) {
                relation[a][b] = "P-";
                relation[b][a] = "P";
            } else if (x > -t && y <= -t) {
                relation[a][b] = "P";
                relation[b][a] = "P-";
            }
        }
    }
    return relation;
}

PreferenceClasses MergeIndifferenceClasses(const RelationMatrix& relation, const std::vector<CString>& names)
{
    const size_t n = names.size();
    CheckSquare(relation, n, "MergeIndifferenceClasses");
    RelationMatrix merged = relation;
    std::vector<CString> mergedNames = names;
    std::vector<std::vector<int32_t>> members(n);
    for (size_t i = 0; i < n; ++i)
        members[i].push_back(int32_t(i));
    // Absorbed rows are told by a flag rather than by an empty name, so that an alternative whose own
    // name is empty keeps its node.
    std::vector<bool> absorbed(n, false);
    for (size_t m = 0; m < n; ++m) {
        for (size_t y = 0; y < m; ++y) {
            if (merged[m][y] != "I")
                continue;
            mergedNames[m] = mergedNames[m] + " I " + mergedNames[y];
            for (size_t c = 0; c < n; ++c) {
                if (IsPreferenceText(merged[y][c]))
                    merged[m][c] = "P";
            }
            mergedNames[y].Empty();
            members[m].insert(members[m].end(), members[y].begin(), members[y].end());
            members[y].clear();
            absorbed[y] = true;
        }
    }

    PreferenceClasses classes;
    std::vector<size_t> kept;
    for (size_t i = 0; i < n; ++i) {
        if (!absorbed[i])
            kept.push_back(i);
    }
    for (size_t i : kept) {
        classes.names.push_back(mergedNames[i]);
        classes.members.push_back(members[i]);
        std::vector<CString> row;
        for (size_t j : kept)
            row.push_back(merged[i][j]);
        classes.relation.push_back(row);
    }
    return classes;
}

CString NodeLabel(const CString& mergedName)
{
    CString label = mergedName;
    for (int i = 2; i + 1 < label.GetLength(); ++i) {
        if (label[i] == 'I' && label[i - 1] == ' ' && label[i + 1] == ' ')
            label.SetAt(i, ',');
    }
    return label;
}

CString NodeIdentifier(const CString& mergedName)
{
    CString identifier = mergedName;
    identifier.Replace(' ', '_');
    return identifier;
}

CString DotEscaped(const CString& text)
{
    CString escaped;
    for (int i = 0; i < text.GetLength(); ++i) {
        const char c = text[i];
        if (c == '"' || c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

CString DotId(const CString& identifier)
{
    if (IsPlainWord(identifier) || IsPlainNumber(identifier))
        return identifier;
    return "\"" + DotEscaped(identifier) + "\"";
}

std::vector<std::vector<int32_t>> PreferenceLayers(const RelationMatrix& relation, bool bestFirst)
{
    const size_t n = relation.size();
    CheckSquare(relation, n, "PreferenceLayers");
    std::vector<int32_t> remaining;
    for (size_t i = 0; i < n; ++i)
        remaining.push_back(int32_t(i));
    std::vector<std::vector<int32_t>> layers;
    while (!remaining.empty()) {
        std::vector<int32_t> layer;
        for (int32_t node : remaining) {
            bool free = true;
            for (int32_t other : remaining) {
                const CString& text = bestFirst ? relation[size_t(other)][size_t(node)] : relation[size_t(node)][size_t(other)];
                if (IsPreferenceText(text)) {
                    free = false;
                    break;
                }
            }
            if (free)
                layer.push_back(node);
        }
        if (layer.empty()) {
            // Every remaining node is preferred to (or prefers) another: a cycle ends the layering.
            layers.push_back(remaining);
            break;
        }
        std::vector<int32_t> rest;
        for (int32_t node : remaining) {
            bool inLayer = false;
            for (int32_t member : layer)
                inLayer = inLayer || member == node;
            if (!inLayer)
                rest.push_back(node);
        }
        layers.push_back(layer);
        remaining.swap(rest);
    }
    return layers;
}

void AddLayerEdges(const PreferenceClasses& classes, const CString& attribute, std::set<CString>& edges)
{
    const RelationMatrix& relation = classes.relation;
    std::vector<CString> ids;
    for (const CString& name : classes.names)
        ids.push_back(DotId(NodeIdentifier(name)));

    const std::vector<std::vector<int32_t>> down = PreferenceLayers(relation, true);
    for (size_t k = 0; k + 1 < down.size(); ++k) {
        for (int32_t x : down[k]) {
            for (int32_t y : down[k + 1]) {
                if (IsPreferenceText(relation[size_t(x)][size_t(y)]))
                    edges.insert(ids[size_t(x)] + " -> " + ids[size_t(y)] + attribute);
            }
        }
    }
    const std::vector<std::vector<int32_t>> up = PreferenceLayers(relation, false);
    for (size_t k = 0; k + 1 < up.size(); ++k) {
        for (int32_t y : up[k + 1]) {
            for (int32_t x : up[k]) {
                if (IsPreferenceText(relation[size_t(y)][size_t(x)]))
                    edges.insert(ids[size_t(y)] + " -> " + ids[size_t(x)] + attribute);
            }
        }
    }
}

CString WeakNodeDeclaration(const PreferenceClasses& classes, int32_t node, const ProblemModel& model)
{
    if (node < 0 || size_t(node) >= classes.names.size() || size_t(node) >= classes.members.size())
        AfxThrowInvalidArgFormat("WeakNodeDeclaration: node %d outside 0..%d", node,
                                 int(classes.names.size()) - 1);
    const CString& name = classes.names[size_t(node)];
    const std::vector<int32_t>& members = classes.members[size_t(node)];
    const CString label = NodeLabel(name);
    const int lastComma = label.ReverseFind(',');

    int high = 0;
    int low = 0;
    if (members.size() == 1 || lastComma < 0) {
        // One alternative (also when its own name holds a comma): its own credibility. A merged node
        // without a comma (names that are empty) is looked up by its label.
        const AlternativeRecord* alternative = nullptr;
        if (members.size() == 1) {
            if (members[0] >= 0 && size_t(members[0]) < model.alternatives.size())
                alternative = model.alternatives[size_t(members[0])].get();
        } else {
            for (const auto& record : model.alternatives) {
                if (record->name == label) {
                    alternative = record.get();
                    break;
                }
            }
        }
        if (alternative != nullptr) {
            high = alternative->credibility == 1;
            low = alternative->credibility == 0;
        }
    } else {
        const CString first = label.Left(lastComma - 1);
        const CString last = label.Mid(lastComma + 2);
        for (const auto& record : model.alternatives) {
            if (record->name != first && record->name != last)
                continue;
            high += record->credibility == 1;
            low += record->credibility == 0;
        }
        high -= 1;
        low -= 1;
    }
    return DotId(NodeIdentifier(name)) + " [label=\"" + DotEscaped(label) + "\"" + NodeEnding(high, low);
}

CString WeakGraphText(const RelationMatrix& complete, const ProblemModel& model, std::vector<CString>& excluded)
{
    const size_t n = model.alternatives.size();
    CheckSquare(complete, n, "WeakGraphText");
    std::vector<CString> ids;
    for (const auto& alternative : model.alternatives)
        ids.push_back(NodeIdentifier(alternative->name));

    excluded.clear();
    CString text = "digraph G {";
    for (size_t a = 0; a < n; ++a) {
        bool ordered = false;
        for (size_t b = 0; b < n; ++b) {
            if (b != a && (complete[a][b] == "P" || complete[a][b] == "P-"))
                ordered = true;
        }
        if (ordered)
            text += DotId(ids[a]) + " [label=\"" + DotEscaped(model.alternatives[a]->name) + "\", fontsize=10]; ";
        else
            excluded.push_back(ids[a]);
    }
    for (size_t a = 0; a < n; ++a) {
        for (size_t b = 0; b < n; ++b) {
            if (complete[a][b] == "P")
                text += DotId(ids[a]) + " -> " + DotId(ids[b]) + "; ";
        }
    }
    text += "} ";
    return text;
}
