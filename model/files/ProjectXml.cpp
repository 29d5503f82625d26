#include "model/files/ProjectXml.h"

#include "core/CException.h"
#include "core/NumberText.h"
#include "model/ZQInterfaceData.h"
#include "model/ZQShellServices.h"
#include "model/files/WholeFile.h"

#include <expat.h>

#include <algorithm>
#include <initializer_list>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <utility>

namespace {

// ---- Writing ----

// Appends text to out with the markup characters and the line-end and tab bytes escaped. Returns
// false when text holds a byte that no XML document can carry (any other control byte).
bool AppendEscaped(std::string& out, const CString& text)
{
    const char* p = text.GetString();
    const int length = text.GetLength();
    for (int i = 0; i < length; ++i) {
        const unsigned char ch = static_cast<unsigned char>(p[i]);
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        // A parser turns these into spaces inside an attribute value: as references they read back.
        case '\t':
            out += "&#9;";
            break;
        case '\n':
            out += "&#10;";
            break;
        case '\r':
            out += "&#13;";
            break;
        default:
            if (ch < 0x20)
                return false;
            out += char(ch);
            break;
        }
    }
    return true;
}

// Builds the lines of the file, each indented and closed by a line feed. A line is given as a list
// of pieces: literal markup alternating with texts to escape.
class XmlLines {
public:
    // Appends one line: indent spaces, then markup[0] text[0] markup[1] text[1] ... markup[n].
    void Line(int indent, std::initializer_list<const char*> markup, std::initializer_list<CString> texts = {})
    {
        m_out.append(size_t(indent), ' ');
        auto text = texts.begin();
        for (const char* piece : markup) {
            m_out += piece;
            if (text != texts.end()) {
                if (!AppendEscaped(m_out, *text))
                    m_ok = false;
                ++text;
            }
        }
        m_out += '\n';
    }
    bool Ok() const { return m_ok; }
    // Hands over the text built so far, leaving none.
    std::string TakeText() { return std::move(m_out); }

private:
    std::string m_out;
    bool m_ok = true;
};

// ---- Reading ----

// Folds a byte of the file to 7-bit ASCII: the Polish letters of Windows-1250 to their plain letters,
// any other byte of 0x80 or more to '_'.
char FoldByte(unsigned char ch)
{
    if (ch < 0x80)
        return char(ch);
    switch (ch) {
    case 0xB9: return 'a';
    case 0xA5: return 'A';
    case 0xE6: return 'c';
    case 0xC6: return 'C';
    case 0xEA: return 'e';
    case 0xCA: return 'E';
    case 0xB3: return 'l';
    case 0xA3: return 'L';
    case 0xF3: return 'o';
    case 0xD3: return 'O';
    case 0x9C: return 's';
    case 0x8C: return 'S';
    case 0xBF:
    case 0x9F: return 'z';
    case 0xAF:
    case 0x8F: return 'Z';
    default: return '_';
    }
}

// Bytes as the reader sees them: every one folded.
std::string FoldBytes(std::string_view bytes)
{
    std::string folded(bytes);
    for (char& ch : folded)
        ch = FoldByte(static_cast<unsigned char>(ch));
    return folded;
}

// A text as the reader sees it.
CString FoldText(const CString& text)
{
    const std::string folded = FoldBytes(std::string_view(text.GetString(), size_t(text.GetLength())));
    return CString(folded.data(), int(folded.size()));
}

struct ParserDeleter {
    void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};
typedef std::unique_ptr<XML_ParserStruct, ParserDeleter> ParserHandle;

// A row of an element table whose names (element and attribute names, and the words of TYPE, ROLE
// and CRITERION) are matched whatever their letter case, and whose other values are taken as written.
struct RowView {
    const XmlElementRow& row;

    // True when the row is the element at the end of path (root first), at that depth.
    bool Is(std::initializer_list<const char*> path) const
    {
        if (row.Depth != int(path.size()) - 1)
            return false;
        int i = 0;
        for (const char* name : path) {
            if (row.Cells[i++].CompareNoCase(name) != 0)
                return false;
        }
        return true;
    }
    // The element's own name.
    const CString& Name() const { return row.Cells[row.Depth]; }
    // True when the element's attribute n (0 first) is called `name`; false past the row.
    bool AttrNameIs(int n, const char* name) const { return Cell(row.Depth + 1 + 2 * n).CompareNoCase(name) == 0; }
    // The value of the element's attribute n, as written; empty past the row.
    const CString& AttrValue(int n) const { return Cell(row.Depth + 2 + 2 * n); }
    // The value of attribute n, upper-cased (for the words of TYPE, ROLE and CRITERION).
    CString AttrValueUpper(int n) const
    {
        CString value = AttrValue(n);
        value.MakeUpper();
        return value;
    }

private:
    const CString& Cell(int i) const
    {
        static const CString empty;
        return i >= 0 && i < XML_ROW_CELLS ? row.Cells[i] : empty;
    }
};

// What is known of the ATTRIBUTE element being read.
struct PendingAttribute {
    CString id;  // empty when the element has no AttrID as its first attribute
    CString description;
    CString type;
    CString role;
    CString criterion;
    int segments = 0;
    std::vector<std::pair<CString, CString>> enums;  // (EnumID, Value)
    std::vector<std::pair<CString, CString>> ranks;  // (EnumID, Value)
};

// What is known of the OBJECT element being read.
struct PendingObject {
    CString id;  // empty when the element has no ObjID as its first attribute
    int rank = 0;
    std::vector<std::pair<CString, CString>> values;  // (AttrID, Value)
};

CString FormatInt(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}

// Pass 1: appends the criterion (or takes the information attribute) that `a` describes. A condition
// attribute that is neither a gain or cost number nor a ranked scale is a criterion of a kind the
// project cannot hold: unknownKind is set, since dropping it would lose its evaluations unseen.
void CompleteAttribute(CZQInterfaceData& project, CZQShellServices& shell, const PendingAttribute& a,
                       bool& infoTaken, bool& duplicate, bool& unknownKind)
{
    if (a.id.IsEmpty())
        return;
    if (a.type == "STRING" && a.role == "DESCRIPTION") {
        if (!infoTaken) {
            shell.SetInfoAttribute(a.id, a.description);
            infoTaken = true;
        }
    } else if (a.type == "NUMERIC" && a.role == "CONDITION" && (a.criterion == "GAIN" || a.criterion == "COST")) {
        project.AddCriterion(a.id, a.description, a.criterion == "GAIN" ? ZQ_KIND_GAIN : ZQ_KIND_COST,
                             a.segments == 0 ? 2 : a.segments);
    } else if (a.type == "ENUM" && a.role == "CONDITION" && a.criterion == "RANK") {
        // Each scale value in ENUM order, positioned by the RANK of the same EnumID. An ENUM matched by
        // several RANKs would enter its value once per match, a duplicate that fails the read anyway:
        // it is entered once and the duplicate noted, so that crossed lists never multiply.
        std::map<CString, std::vector<const CString*>> ranksById;
        for (const auto& rank : a.ranks)
            ranksById[rank.first].push_back(&rank.second);
        struct Candidate {
            CString text;
            int rank;
        };
        std::vector<Candidate> candidates;
        for (const auto& item : a.enums) {
            auto found = ranksById.find(item.first);
            if (found == ranksById.end())
                continue;
            if (found->second.size() > 1)
                duplicate = true;
            candidates.push_back(Candidate{item.second, AfxAtoi(*found->second.front())});
        }
        std::stable_sort(candidates.begin(), candidates.end(),
                         [](const Candidate& x, const Candidate& y) { return x.rank < y.rank; });
        int position = 0;
        for (const Candidate& c : candidates)
            project.AddScaleValue(a.id, c.text, ++position);
        project.AddCriterion(a.id, a.description, ZQ_KIND_ORDINAL, position - 1);
    } else if (a.role == "CONDITION") {
        unknownKind = true;
    }
}

// Pass 2: appends the alternative that `o` describes, with missingCells[c] under each header column
// c that the object gives no value. Returns false for a rank that is too high.
bool CompleteObject(CZQInterfaceData& project, const CString& infoId, const ZQRow& missingCells,
                    const PendingObject& o)
{
    if (o.id.IsEmpty())
        return true;
    if (o.rank > ZQ_XML_MAX_RANK)
        return false;
    std::map<CString, CString> lastValue;
    for (const auto& value : o.values)
        lastValue[value.first] = value.second;

    auto info = lastValue.find(infoId);
    project.AlternativesTable.push_back(
        ZQRow{o.id, info != lastValue.end() ? info->second : CString(), o.rank >= 1 ? FormatInt(o.rank) : CString()});

    if (project.EvaluationsTable.empty())
        project.EvaluationsTable.push_back(ZQRow(1, CString()));
    const ZQRow& header = project.EvaluationsTable[0];
    ZQRow row;
    row.reserve(header.size());
    row.push_back(o.id);
    for (size_t c = 1; c < header.size(); ++c) {
        auto found = lastValue.find(header[c]);
        row.push_back(found != lastValue.end() ? found->second : ProjectCell(missingCells, c));
    }
    project.EvaluationsTable.push_back(std::move(row));
    return true;
}

} // namespace

// ---- The element table ----

void XmlStartElement(void* userData, const char* name, const char** attributes)
{
    XmlElementTable& table = *static_cast<XmlElementTable*>(userData);
    const int depth = table.Depth++;
    if (table.Failed)
        return;
    if (depth >= XML_ROW_CELLS - 1) {
        table.Overflow = true;
        return;
    }
    try {
        XmlElementRow row;
        row.Depth = depth;
        row.Cells[XML_ROW_CELLS - 1].Format("%d", depth);
        for (int j = 0; j < depth && j < int(table.OpenNames.size()); ++j)
            row.Cells[j] = table.OpenNames[size_t(j)];
        row.Cells[depth] = name;
        int cell = depth + 1;
        for (const char** attr = attributes; attr != nullptr && *attr != nullptr && cell < XML_ROW_CELLS; ++attr)
            row.Cells[cell++] = *attr;
        table.OpenNames.push_back(row.Cells[depth]);
        table.Rows.push_back(std::move(row));
    } catch (CException* e) {
        e->Delete();
        table.Failed = true;
    } catch (...) {
        // Nothing may unwind through the parser's C frames.
        table.Failed = true;
    }
}

void XmlEndElement(void* userData, const char*)
{
    XmlElementTable& table = *static_cast<XmlElementTable*>(userData);
    if (table.Depth > 0)
        --table.Depth;
    // Only the elements the table holds were pushed, and they are the outermost ones.
    if (table.Depth < int(table.OpenNames.size()))
        table.OpenNames.pop_back();
}

int InterpretXmlElements(CZQInterfaceData& project, const XmlElementTable& table)
{
    CZQShellServices* shell = project.GetShell();
    if (shell == nullptr)
        AfxThrowInvalidArgException("InterpretXmlElements: the project has no shell services (shell is null)");

    bool duplicate = false;
    bool unknownKind = false;

    // Pass 1: the attributes. Every ATTRIBUTE element closes the one before it; one without AttrID as
    // its first attribute is not recognised, so what its children say completes nothing.
    {
        bool infoTaken = false;
        PendingAttribute current;
        for (const XmlElementRow& element : table.Rows) {
            const RowView row{element};
            if (row.Is({"DATA", "ATTRIBUTES", "ATTRIBUTE"})) {
                CompleteAttribute(project, *shell, current, infoTaken, duplicate, unknownKind);
                current = PendingAttribute();
                if (row.AttrNameIs(0, "ATTRID"))
                    current.id = row.AttrValue(0);
            } else if (row.Is({"DATA", "ATTRIBUTES", "ATTRIBUTE", row.Name()}) && row.AttrNameIs(0, "VALUE")) {
                const CString& tag = row.Name();
                if (tag.CompareNoCase("DESCRIPTION") == 0)
                    current.description = row.AttrValue(0);
                else if (tag.CompareNoCase("SEGMENTS") == 0)
                    current.segments = AfxAtoi(row.AttrValue(0));
                else if (tag.CompareNoCase("TYPE") == 0)
                    current.type = row.AttrValueUpper(0);
                else if (tag.CompareNoCase("ROLE") == 0)
                    current.role = row.AttrValueUpper(0);
                else if (tag.CompareNoCase("CRITERION") == 0)
                    current.criterion = row.AttrValueUpper(0);
            } else if (row.AttrNameIs(0, "ENUMID") && row.AttrNameIs(1, "VALUE")) {
                if (row.Is({"DATA", "ATTRIBUTES", "ATTRIBUTE", "TYPE", "ENUM"}))
                    current.enums.emplace_back(row.AttrValue(0), row.AttrValue(1));
                else if (row.Is({"DATA", "ATTRIBUTES", "ATTRIBUTE", "CRITERION", "RANK"}))
                    current.ranks.emplace_back(row.AttrValue(0), row.AttrValue(1));
            }
        }
        CompleteAttribute(project, *shell, current, infoTaken, duplicate, unknownKind);
    }

    // Pass 2: the objects, treated alike.
    bool rankTooHigh = false;
    {
        const CString infoId = shell->GetInfoAttributeId();
        // What stands in a cell the object gives no value: empty under an ordinal criterion, "0" under
        // any other; the header is complete after pass 1.
        ZQRow missingCells = ProjectRow(project.EvaluationsTable, 0);
        for (size_t c = 1; c < missingCells.size(); ++c)
            missingCells[c] = project.GetCriterionKind(missingCells[c]) == ZQ_KIND_ORDINAL ? CString() : CString("0");
        PendingObject current;
        for (const XmlElementRow& element : table.Rows) {
            const RowView row{element};
            if (row.Is({"DATA", "OBJECTS", "OBJECT"})) {
                rankTooHigh = !CompleteObject(project, infoId, missingCells, current) || rankTooHigh;
                current = PendingObject();
                if (row.AttrNameIs(0, "OBJID"))
                    current.id = row.AttrValue(0);
            } else if (row.Is({"DATA", "OBJECTS", "OBJECT", "RANK"}) && row.AttrNameIs(0, "VALUE")) {
                current.rank = AfxAtoi(row.AttrValue(0));
            } else if (row.Is({"DATA", "OBJECTS", "OBJECT", "VALUE"}) && row.AttrNameIs(0, "ATTRID") &&
                       row.AttrNameIs(1, "VALUE")) {
                current.values.emplace_back(row.AttrValue(0), row.AttrValue(1));
            }
        }
        rankTooHigh = !CompleteObject(project, infoId, missingCells, current) || rankTooHigh;
    }

    if (duplicate || unknownKind || rankTooHigh || HasDuplicateKey(project.AlternativesTable) ||
        HasDuplicateKey(project.CriteriaTable) || HasDuplicateKey(project.ScaleValuesTable, 2))
        return 0;
    project.CredibilityList.clear();
    project.CredibilityDefined = 0;
    return 1;
}

// ---- CZQInterfaceData ----

bool CZQInterfaceData::IsReservedCriterionName(CString name) const
{
    // The reader takes every value whose AttrID is the information attribute's for an alternative's
    // information text, whatever criterion bears that name; names meet as the reader sees them.
    return FoldText(name) == FoldText(Shell("CZQInterfaceData::IsReservedCriterionName").GetInfoAttributeId());
}

int CZQInterfaceData::WriteXml(CString path)
{
    CZQShellServices& shell = Shell("CZQInterfaceData::WriteXml");
    std::string bytes;
    return WriteXmlBytes(&bytes) ? SaveProjectFile(shell, path, bytes) : 0;
}

int CZQInterfaceData::WriteXmlBytes(std::string* bytes)
{
    CZQShellServices& shell = Shell("CZQInterfaceData::WriteXmlBytes");
    if (bytes == nullptr)
        AfxThrowInvalidArgException("CZQInterfaceData::WriteXmlBytes: bytes is null");
    const CString infoId = shell.GetInfoAttributeId();
    const int addSegments = shell.GetAddSegmentsInfoToXml();
    const int addReference = shell.GetAddReferenceInfoToXml();

    // The reader folds every byte of 0x80 or more and skips an element without its identifier: two
    // alternatives, two criteria or two values of one scale that meet once folded would fail the
    // read, and an empty name would be dropped. Such a project is refused before anything is built.
    if (HasDuplicateKey(AlternativesTable, 1, FoldText) || HasDuplicateKey(CriteriaTable, 1, FoldText))
        return 0;
    for (const ZQTable* table : {&AlternativesTable, &CriteriaTable}) {
        for (const ZQRow& row : *table) {
            if (ProjectCell(row, 0).IsEmpty())
                return 0;
        }
    }
    for (const ZQRow& criterion : CriteriaTable) {
        if (IsReservedCriterionName(ProjectCell(criterion, 0)))
            return 0;
    }
    // Each alternative's evaluations and each criterion's scale, found without a scan per row.
    const ZQNameIndex evaluationRows(EvaluationsTable, 1);
    const ZQNameIndex scaleRows(ScaleValuesTable);
    ZQTable writtenScale;

    XmlLines xml;
    xml.Line(0, {"<DATA>"});
    xml.Line(2, {"<ATTRIBUTES>"});
    xml.Line(4, {"<ATTRIBUTE AttrID=\"", "\">"}, {infoId});
    xml.Line(6, {"<DESCRIPTION Value=\"", "\"/>"}, {shell.GetInfoAttributeDescription()});
    xml.Line(6, {"<TYPE Value=\"String\"/>"});
    xml.Line(6, {"<ROLE Value=\"Description\"/>"});
    xml.Line(4, {"</ATTRIBUTE>"});

    for (const ZQRow& criterion : CriteriaTable) {
        const CString& name = ProjectCell(criterion, 0);
        const CString& description = ProjectCell(criterion, 1);
        const CString& segments = ProjectCell(criterion, 3);
        xml.Line(4, {"<ATTRIBUTE AttrID=\"", "\">"}, {name});
        if (!description.IsEmpty())
            xml.Line(6, {"<DESCRIPTION Value=\"", "\"/>"}, {description});
        if (AfxAtoi(segments) > 0 && addSegments != 0)
            xml.Line(6, {"<SEGMENTS Value=\"", "\"/>"}, {segments});
        if (GetCriterionKind(name) == ZQ_KIND_ORDINAL) {
            xml.Line(6, {"<TYPE Value=\"Enum\">"});
            for (size_t r = scaleRows.First(name); r != ZQNameIndex::npos; r = scaleRows.Next(r)) {
                const CString& value = ProjectCell(ScaleValuesTable[r], 1);
                xml.Line(8, {"<ENUM EnumID=\"", "_", "\" Value=\"", "\"/>"}, {name, value, value});
                writtenScale.push_back(ZQRow{name, value});
            }
            xml.Line(6, {"</TYPE>"});
            xml.Line(6, {"<ROLE Value=\"Condition\"/>"});
            xml.Line(6, {"<CRITERION Value=\"Rank\">"});
            for (size_t r = scaleRows.First(name); r != ZQNameIndex::npos; r = scaleRows.Next(r)) {
                const ZQRow& scale = ScaleValuesTable[r];
                xml.Line(8, {"<RANK EnumID=\"", "_", "\" Value=\"", "\"/>"},
                         {name, ProjectCell(scale, 1), ProjectCell(scale, 2)});
            }
            xml.Line(6, {"</CRITERION>"});
        } else {
            xml.Line(6, {"<TYPE Value=\"Numeric\"/>"});
            xml.Line(6, {"<ROLE Value=\"Condition\"/>"});
            xml.Line(6, {ProjectCell(criterion, 2) == "gain" ? "<CRITERION Value=\"Gain\"/>"
                                                              : "<CRITERION Value=\"Cost\"/>"});
        }
        xml.Line(4, {"</ATTRIBUTE>"});
    }
    xml.Line(2, {"</ATTRIBUTES>"});
    if (HasDuplicateKey(writtenScale, 2, FoldText))
        return 0;

    xml.Line(2, {"<OBJECTS>"});
    const ZQRow& header = ProjectRow(EvaluationsTable, 0);
    for (const ZQRow& alternative : AlternativesTable) {
        const CString& name = ProjectCell(alternative, 0);
        xml.Line(4, {"<OBJECT ObjID=\"", "\">"}, {name});
        const CString& rank = ProjectCell(alternative, 2);
        if (!rank.IsEmpty() && addReference != 0)
            xml.Line(6, {"<RANK Value=\"", "\"/>"}, {rank});
        // (no other alternatives row has this name: duplicates were refused above)
        const CString& information = ProjectCell(alternative, 1);
        if (!information.IsEmpty())
            xml.Line(6, {"<VALUE AttrID=\"", "\" Value=\"", "\"/>"}, {infoId, information});
        const size_t r = evaluationRows.Last(name);
        if (r != ZQNameIndex::npos) {
            const ZQRow& evaluations = EvaluationsTable[r];
            for (size_t c = 1; c < evaluations.size() && c <= CriteriaTable.size(); ++c)
                xml.Line(6, {"<VALUE AttrID=\"", "\" Value=\"", "\"/>"}, {ProjectCell(header, c), evaluations[c]});
        }
        xml.Line(4, {"</OBJECT>"});
    }
    xml.Line(2, {"</OBJECTS>"});
    xml.Line(0, {"</DATA>"});

    if (!xml.Ok())
        return 0;
    *bytes = xml.TakeText();
    return 1;
}

int CZQInterfaceData::ReadXml(CString path)
{
    Shell("CZQInterfaceData::ReadXml");
    std::string bytes;
    return ReadWholeProjectFile(path, &bytes) ? ReadXmlBytes(bytes) : 0;
}

int CZQInterfaceData::ReadXmlBytes(std::string_view bytes)
{
    CZQShellServices& shell = Shell("CZQInterfaceData::ReadXmlBytes");

    const std::string folded = FoldBytes(bytes);

    XmlElementTable table;
    {
        ParserHandle parser(XML_ParserCreate(nullptr));
        if (!parser)
            return 0;
        XML_SetUserData(parser.get(), &table);
        XML_SetElementHandler(parser.get(), XmlStartElement, XmlEndElement);
        // The whole file in one call: expat scans a token again from its start whenever more input
        // arrives, so feeding it in pieces would take time in the square of the longest token. Only
        // a file beyond the int range of a call goes in pieces.
        const size_t piece = size_t(1) << 30;
        size_t done = 0;
        do {
            const size_t n = std::min(piece, folded.size() - done);
            const bool last = done + n == folded.size();
            if (XML_Parse(parser.get(), folded.data() + done, int(n), last ? XML_TRUE : XML_FALSE) != XML_STATUS_OK)
                return 0;
            if (table.Failed)
                return 0;
            done += n;
        } while (done < folded.size());
    }
    if (table.Overflow || table.Failed)
        return 0;

    if (!InterpretXmlElements(*this, table)) {
        shell.ResetProject();
        return 0;
    }
    RefillPanes();
    shell.SetModified(0);
    return 1;
}
