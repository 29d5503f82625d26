#include "model/files/ProjectXml.h"

#include "core/CException.h"
#include "core/CFile.h"
#include "core/NumberText.h"
#include "model/ZQInterfaceData.h"
#include "model/ZQShellServices.h"
#include "model/files/WholeFile.h"

#include <expat.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
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

// A text as the reader sees it.
CString FoldText(const CString& text)
{
    std::string folded(text.GetString(), size_t(text.GetLength()));
    for (char& ch : folded)
        ch = FoldByte(static_cast<unsigned char>(ch));
    return CString(folded.data(), int(folded.size()));
}

struct ParserDeleter {
    void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};
typedef std::unique_ptr<XML_ParserStruct, ParserDeleter> ParserHandle;

// True when the element or attribute name `name` is `upper` (an upper-case ASCII word), whatever the
// letter case of name.
bool NameIs(const char* name, const char* upper)
{
    for (; *upper != '\0'; ++name, ++upper) {
        const char ch = *name >= 'a' && *name <= 'z' ? char(*name - 'a' + 'A') : *name;
        if (ch != *upper)
            return false;
    }
    return *name == '\0';
}

// The attributes of a start tag as the parser gives them, in the order of the document.
struct TagAttributes {
    const char** list;  // name, value, name, value, ..., null

    // The name of attribute n (0 first), null past the last.
    const char* Name(int n) const
    {
        for (int i = 0; list != nullptr && i <= n; ++i) {
            if (list[2 * i] == nullptr)
                return nullptr;
        }
        return list != nullptr ? list[2 * n] : nullptr;
    }
    // True when attribute n is called `upper` whatever the letter case.
    bool NameIs(int n, const char* upper) const
    {
        const char* name = Name(n);
        return name != nullptr && ::NameIs(name, upper);
    }
    // The value of attribute n, which must exist.
    const char* Value(int n) const { return list[2 * n + 1]; }
};

// The place of an element called name at depth > 0 whose parent stands at `parent`.
XmlPlace ChildPlace(XmlPlace parent, const char* name)
{
    switch (parent) {
    case XmlPlace::Data:
        return NameIs(name, "ATTRIBUTES") ? XmlPlace::Attributes
                                          : NameIs(name, "OBJECTS") ? XmlPlace::Objects : XmlPlace::Other;
    case XmlPlace::Attributes:
        return NameIs(name, "ATTRIBUTE") ? XmlPlace::Attribute : XmlPlace::Other;
    case XmlPlace::Attribute:
        return NameIs(name, "TYPE")        ? XmlPlace::AttributeType
               : NameIs(name, "CRITERION") ? XmlPlace::AttributeCriterion
                                           : XmlPlace::Other;
    case XmlPlace::Objects:
        return NameIs(name, "OBJECT") ? XmlPlace::Object : XmlPlace::Other;
    default:
        return XmlPlace::Other;
    }
}

CString UpperText(const char* text)
{
    CString upper = text;
    upper.MakeUpper();
    return upper;
}

CString FormatInt(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}

// A child of an ATTRIBUTE with Value as its first attribute: what the attribute says of itself.
void TakeAttributeWord(XmlPendingAttribute& a, const char* tag, const char* value)
{
    if (NameIs(tag, "DESCRIPTION"))
        a.description = value;
    else if (NameIs(tag, "SEGMENTS"))
        a.segments = AfxAtoi(value);
    else if (NameIs(tag, "TYPE"))
        a.type = UpperText(value);
    else if (NameIs(tag, "ROLE"))
        a.role = UpperText(value);
    else if (NameIs(tag, "CRITERION"))
        a.criterion = UpperText(value);
}

// Completes the ATTRIBUTE being read: keeps the criterion (or the information attribute) it
// describes. A condition attribute that is neither a gain or cost number nor a ranked scale is a
// criterion of a kind the project cannot hold: UnknownKind is set, since dropping it would lose its
// evaluations unseen.
void CompleteAttribute(XmlProjectStream& stream)
{
    XmlPendingAttribute a = std::move(stream.CurrentAttribute);
    stream.CurrentAttribute = XmlPendingAttribute();
    if (a.id.IsEmpty())
        return;
    XmlAttributeRecord record;
    record.id = std::move(a.id);
    record.description = std::move(a.description);
    if (a.type == "STRING" && a.role == "DESCRIPTION") {
        // only the first description attribute of the file is the information attribute
        if (stream.InfoTaken)
            return;
        stream.InfoTaken = true;
        record.information = true;
    } else if (a.type == "NUMERIC" && a.role == "CONDITION" && (a.criterion == "GAIN" || a.criterion == "COST")) {
        record.kind = a.criterion == "GAIN" ? ZQ_KIND_GAIN : ZQ_KIND_COST;
        record.segments = a.segments == 0 ? 2 : a.segments;
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
        for (auto& item : a.enums) {
            auto found = ranksById.find(item.first);
            if (found == ranksById.end())
                continue;
            if (found->second.size() > 1)
                stream.Duplicate = true;
            candidates.push_back(Candidate{std::move(item.second), AfxAtoi(*found->second.front())});
        }
        std::stable_sort(candidates.begin(), candidates.end(),
                         [](const Candidate& x, const Candidate& y) { return x.rank < y.rank; });
        for (Candidate& c : candidates)
            record.scale.push_back(std::move(c.text));
        record.kind = ZQ_KIND_ORDINAL;
        record.segments = int(record.scale.size()) - 1;
    } else {
        if (a.role == "CONDITION")
            stream.UnknownKind = true;
        return;
    }
    stream.Attributes.push_back(std::move(record));
}

// Completes the OBJECT being read: keeps it, with its values, when it has an identifier and a rank
// the panes can take.
void CompleteObject(XmlProjectStream& stream)
{
    XmlObjectRecord& o = stream.CurrentObject;
    // its values are the last ones kept: the next object starts without any
    for (size_t i = stream.Values.size() - o.valueCount; i < stream.Values.size(); ++i)
        stream.CurrentValueOf[stream.Values[i].attribute] = 0;
    if (!o.id.IsEmpty() && o.rank > ZQ_XML_MAX_RANK) {
        stream.RankTooHigh = true;
        stream.Values.resize(stream.Values.size() - o.valueCount);
    } else if (!o.id.IsEmpty()) {
        stream.Objects.push_back(std::move(o));
    }
    o = XmlObjectRecord();
}

// A VALUE of the OBJECT being read: the last value for an attribute counts. An object without an
// identifier completes nothing, so its values are not kept.
void AddObjectValue(XmlProjectStream& stream, const char* attribute, const char* value)
{
    if (stream.CurrentObject.id.IsEmpty())
        return;
    const uint32_t id = stream.AttributeIds.try_emplace(attribute, uint32_t(stream.AttributeIds.size())).first->second;
    if (id >= stream.CurrentValueOf.size())
        stream.CurrentValueOf.resize(size_t(id) + 1, 0);
    size_t& slot = stream.CurrentValueOf[id];
    if (slot != 0) {
        stream.Values[slot - 1].value = value;
        return;
    }
    stream.Values.push_back(XmlObjectValue{id, CString(value)});
    slot = stream.Values.size();
    ++stream.CurrentObject.valueCount;
}

// The start tag `name` at `depth` (at most XML_MAX_DEPTH) whose parent stands at `parent`, with its
// attributes; returns the place of the element.
XmlPlace StartElement(XmlProjectStream& stream, int depth, XmlPlace parent, const char* name,
                      const TagAttributes& attributes)
{
    const XmlPlace place = depth == 0 ? (NameIs(name, "DATA") ? XmlPlace::Data : XmlPlace::Other)
                                      : ChildPlace(parent, name);
    // Every ATTRIBUTE or OBJECT closes the one before it; one without its identifier as its first
    // attribute is not recognised, so what its children say completes nothing.
    if (place == XmlPlace::Attribute) {
        CompleteAttribute(stream);
        if (attributes.NameIs(0, "ATTRID"))
            stream.CurrentAttribute.id = attributes.Value(0);
    } else if (place == XmlPlace::Object) {
        CompleteObject(stream);
        if (attributes.NameIs(0, "OBJID"))
            stream.CurrentObject.id = attributes.Value(0);
    } else if (parent == XmlPlace::Attribute) {
        if (attributes.NameIs(0, "VALUE"))
            TakeAttributeWord(stream.CurrentAttribute, name, attributes.Value(0));
    } else if (parent == XmlPlace::Object) {
        if (NameIs(name, "RANK") && attributes.NameIs(0, "VALUE"))
            stream.CurrentObject.rank = AfxAtoi(attributes.Value(0));
        else if (NameIs(name, "VALUE") && attributes.NameIs(0, "ATTRID") && attributes.NameIs(1, "VALUE"))
            AddObjectValue(stream, attributes.Value(0), attributes.Value(1));
    } else if ((parent == XmlPlace::AttributeType || parent == XmlPlace::AttributeCriterion) &&
               attributes.NameIs(0, "ENUMID") && attributes.NameIs(1, "VALUE")) {
        if (parent == XmlPlace::AttributeType && NameIs(name, "ENUM"))
            stream.CurrentAttribute.enums.emplace_back(attributes.Value(0), attributes.Value(1));
        else if (parent == XmlPlace::AttributeCriterion && NameIs(name, "RANK"))
            stream.CurrentAttribute.ranks.emplace_back(attributes.Value(0), attributes.Value(1));
    }
    return place;
}

// The bytes of a file, given a piece at a time: a source fills buffer with up to size bytes and
// returns how many it gave, 0 at the end of the file, or -1 when the file cannot be read.
typedef std::function<long long(char* buffer, size_t size)> XmlSource;

// The pieces in which the reader takes a file: the first small, for the many small files, then twice
// as large each time up to a megabyte, and more while a token runs on (ParseXmlDocument).
const long long kFirstXmlPiece = 1LL << 14;
const long long kXmlPiece = 1LL << 20;
const long long kLargestXmlPiece = 1LL << 30;

// Parses the document that `source` gives into stream, folding every byte before the parser sees it.
// Returns false when the source cannot be read, the parser reports an error or a callback could not
// keep what it read.
bool ParseXmlDocument(const XmlSource& source, XmlProjectStream& stream)
{
    ParserHandle parser(XML_ParserCreate(nullptr));
    if (!parser)
        return false;
    XML_SetUserData(parser.get(), &stream);
    XML_SetElementHandler(parser.get(), XmlStartElement, XmlEndElement);
    long long piece = kFirstXmlPiece;
    long long fed = 0;
    for (;;) {
        char* buffer = static_cast<char*>(XML_GetBuffer(parser.get(), int(piece)));
        if (buffer == nullptr)
            return false;
        const long long got = source(buffer, size_t(piece));
        if (got < 0)
            return false;
        for (long long i = 0; i < got; ++i)
            buffer[i] = FoldByte(static_cast<unsigned char>(buffer[i]));
        const bool last = got == 0;
        if (XML_ParseBuffer(parser.get(), int(got), last ? XML_TRUE : XML_FALSE) != XML_STATUS_OK || stream.Failed)
            return false;
        if (last)
            return true;
        // The parser scans a token that a piece leaves open again from its start when the next piece
        // comes: the next piece is at least as long as what is open, so that a token far longer than
        // a piece is scanned again a few times, not once per piece.
        fed += got;
        const long long parsed = XML_GetCurrentByteIndex(parser.get());
        const long long open = parsed >= 0 && parsed <= fed ? fed - parsed : 0;
        piece = std::clamp(open, std::min(2 * piece, kXmlPiece), kLargestXmlPiece);
    }
}

// Reads the document that `source` gives into project (reset by the caller). A document that does
// not parse, or nests too deep, leaves the project as it was; one the interpretation refuses resets
// it. Returns 1 on success, 0 otherwise.
int ReadXmlDocument(CZQInterfaceData& project, CZQShellServices& shell, const XmlSource& source)
{
    {
        // (what the stream kept is gone before the panes are filled)
        XmlProjectStream stream;
        if (!ParseXmlDocument(source, stream) || stream.Overflow)
            return 0;
        if (!InterpretXmlElements(project, stream)) {
            shell.ResetProject();
            return 0;
        }
    }
    project.RefillPanes();
    shell.SetModified(0);
    return 1;
}

} // namespace

// ---- The stream of elements ----

void XmlStartElement(void* userData, const char* name, const char** attributes)
{
    XmlProjectStream& stream = *static_cast<XmlProjectStream*>(userData);
    const int depth = stream.Depth++;
    if (stream.Failed)
        return;
    if (depth > XML_MAX_DEPTH) {
        stream.Overflow = true;
        return;
    }
    try {
        // (the places of every open element down to this depth are known)
        const XmlPlace parent = depth > 0 && size_t(depth) <= stream.OpenPlaces.size()
                                    ? stream.OpenPlaces[size_t(depth) - 1]
                                    : XmlPlace::Other;
        stream.OpenPlaces.push_back(StartElement(stream, depth, parent, name, TagAttributes{attributes}));
    } catch (CException* e) {
        e->Delete();
        stream.Failed = true;
    } catch (...) {
        // Nothing may unwind through the parser's C frames.
        stream.Failed = true;
    }
}

void XmlEndElement(void* userData, const char*)
{
    XmlProjectStream& stream = *static_cast<XmlProjectStream*>(userData);
    if (stream.Depth > 0)
        --stream.Depth;
    // Only the elements down to the deepest allowed were pushed, and they are the outermost ones.
    if (stream.Depth < int(stream.OpenPlaces.size()))
        stream.OpenPlaces.pop_back();
}

int InterpretXmlElements(CZQInterfaceData& project, XmlProjectStream& stream)
{
    CZQShellServices* shell = project.GetShell();
    if (shell == nullptr)
        AfxThrowInvalidArgException("InterpretXmlElements: the project has no shell services (shell is null)");
    CompleteAttribute(stream);
    CompleteObject(stream);

    // The criteria, and the information attribute, in the order of the file.
    for (const XmlAttributeRecord& a : stream.Attributes) {
        if (a.information) {
            shell->SetInfoAttribute(a.id, a.description);
            continue;
        }
        int position = 0;
        for (const CString& value : a.scale)
            project.AddScaleValue(a.id, value, ++position);
        project.AddCriterion(a.id, a.description, a.kind, a.segments);
    }

    // The alternatives. Each value the file gives is found through its attribute's place in the
    // stream's list of names, and taken out of the stream as its object becomes the project's, so
    // that the values are not held twice.
    if (!stream.Objects.empty() && project.EvaluationsTable.empty())
        project.EvaluationsTable.push_back(ZQRow(1, CString()));
    const ZQRow header = ProjectRow(project.EvaluationsTable, 0);
    const auto idOf = [&stream](const CString& name) {
        auto found = stream.AttributeIds.find(std::string(name.GetString(), size_t(name.GetLength())));
        return found != stream.AttributeIds.end() ? size_t(found->second) : stream.CurrentValueOf.size();
    };
    // Per header column, the attribute of its criterion, and what stands in a cell the object gives
    // no value: empty under an ordinal criterion, "0" under any other.
    std::vector<size_t> columnIds(header.size());
    ZQRow missingCells(header.size());
    for (size_t c = 1; c < header.size(); ++c) {
        columnIds[c] = idOf(header[c]);
        missingCells[c] = project.GetCriterionKind(header[c]) == ZQ_KIND_ORDINAL ? CString() : CString("0");
    }
    const size_t infoId = idOf(shell->GetInfoAttributeId());
    // The value of the object whose values are the first ones of the stream for attribute id; null
    // when it gives none.
    const auto valueOf = [&stream](size_t id) -> CString* {
        return id < stream.CurrentValueOf.size() && stream.CurrentValueOf[id] != 0
                   ? &stream.Values[stream.CurrentValueOf[id] - 1].value
                   : nullptr;
    };
    while (!stream.Objects.empty()) {
        XmlObjectRecord& o = stream.Objects.front();
        for (size_t i = 0; i < o.valueCount; ++i)
            stream.CurrentValueOf[stream.Values[i].attribute] = i + 1;
        const CString* info = valueOf(infoId);
        project.AlternativesTable.push_back(
            ZQRow{o.id, info != nullptr ? *info : CString(), o.rank >= 1 ? FormatInt(o.rank) : CString()});
        ZQRow row;
        row.reserve(header.size());
        row.push_back(std::move(o.id));
        for (size_t c = 1; c < header.size(); ++c) {
            // (a value under two columns would mean two criteria of one name, which fails the read)
            CString* value = valueOf(columnIds[c]);
            row.push_back(value != nullptr ? std::move(*value) : missingCells[c]);
        }
        project.EvaluationsTable.push_back(std::move(row));
        for (size_t i = 0; i < o.valueCount; ++i)
            stream.CurrentValueOf[stream.Values[i].attribute] = 0;
        stream.Values.erase(stream.Values.begin(), stream.Values.begin() + std::ptrdiff_t(o.valueCount));
        stream.Objects.pop_front();
    }

    if (stream.Duplicate || stream.UnknownKind || stream.RankTooHigh || HasDuplicateKey(project.AlternativesTable) ||
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
    CZQShellServices& shell = Shell("CZQInterfaceData::ReadXml");
    if (path.IsEmpty())
        return 0;
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeBinary))
        return 0;
    const XmlSource source = [&file](char* buffer, size_t size) -> long long {
        try {
            return file.Read(buffer, uint32_t(size));
        } catch (CFileException* e) {
            e->Delete();
            return -1;
        }
    };
    return ReadXmlDocument(*this, shell, source);
}

int CZQInterfaceData::ReadXmlBytes(std::string_view bytes)
{
    CZQShellServices& shell = Shell("CZQInterfaceData::ReadXmlBytes");
    size_t done = 0;
    const XmlSource source = [bytes, &done](char* buffer, size_t size) -> long long {
        const size_t n = std::min(size, bytes.size() - done);
        std::memcpy(buffer, bytes.data() + done, n);
        done += n;
        return (long long)n;
    };
    return ReadXmlDocument(*this, shell, source);
}
