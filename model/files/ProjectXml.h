// The project XML file (".zex"): CZQInterfaceData::WriteXml, ReadXml and their byte forms (defined in
// ProjectXml.cpp), and the pieces of the reader, which are public so that tests can drive them.
//
// Reading goes in two steps. The expat parser takes the file a piece at a time and feeds
// XmlStartElement and XmlEndElement, which keep, as the elements stream in, only what the project
// will hold: the criteria (ATTRIBUTE elements) completed one after the other, and per alternative
// (OBJECT element) its name, its reference rank and the last value of each attribute it names. No
// element is kept as such, so a file of many elements the reader passes over takes no more memory
// than its project. InterpretXmlElements then turns what was kept into the project: first the
// criteria, then the alternatives, whose evaluations follow the criteria of the whole file.
//
// Before parsing, every byte of 0x80 or more is folded to 7-bit ASCII (the Polish letters of
// Windows-1250 to their plain letters, anything else to '_'), so all names read are ASCII.
//
// The writer escapes '&', '<', '>' and '"', and writes tab, line feed and carriage return as character
// references, so that every project it saves reads back as it was (up to the folding). It refuses
// (returns 0, nothing written) what the reader could not take back: a text holding any other control
// byte, which XML cannot carry at all; an empty alternative or criterion name, which the reader
// skips; two alternatives, two criteria or two values of one scale whose names are equal once folded,
// which fail the read; a criterion named as the information attribute, whose values the reader would
// take for the alternatives' information texts.
#pragma once

#include "core/CString.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class CZQInterfaceData;

// The highest reference rank a file may give: every rank up to it becomes a node of the reference
// tree, so an absurd number would have the panes build millions of empty ranks.
enum : int { ZQ_XML_MAX_RANK = 32767 };

// The deepest element a file may hold stands at depth 8 (the root at 0); a start tag at depth 9 or
// more fails the read.
enum : int { XML_MAX_DEPTH = 8 };

// Where an open element stands among the paths the reader knows (every path starts at the root DATA;
// names match whatever their letter case).
enum class XmlPlace : uint8_t {
    Other,               // anywhere else
    Data,                // DATA
    Attributes,          // DATA/ATTRIBUTES
    Attribute,           // DATA/ATTRIBUTES/ATTRIBUTE
    AttributeType,       // DATA/ATTRIBUTES/ATTRIBUTE/TYPE, the parent of the ENUM elements
    AttributeCriterion,  // DATA/ATTRIBUTES/ATTRIBUTE/CRITERION, the parent of the RANK elements
    Objects,             // DATA/OBJECTS
    Object               // DATA/OBJECTS/OBJECT
};

// What an ATTRIBUTE element says, gathered while its children stream in.
struct XmlPendingAttribute {
    CString id;  // empty when the element has no AttrID as its first attribute
    CString description;
    CString type;  // the words of TYPE, ROLE and CRITERION, upper-cased
    CString role;
    CString criterion;
    int segments = 0;
    std::vector<std::pair<CString, CString>> enums;  // (EnumID, Value)
    std::vector<std::pair<CString, CString>> ranks;  // (EnumID, Value)
};

// A completed ATTRIBUTE element that gives the project something: the information attribute, or a
// criterion with its kind, segments and, for an ordinal one, its scale values in scale order.
struct XmlAttributeRecord {
    bool information = false;  // the information attribute (id, description); else a criterion
    CString id;
    CString description;
    int kind = 0;  // ZQ_KIND_GAIN, ZQ_KIND_COST or ZQ_KIND_ORDINAL
    int segments = 0;
    std::vector<CString> scale;
};

// A completed OBJECT element with its identifier: its rank, and the number of its values, which are
// the next ones of XmlProjectStream::Values, one per attribute it names.
struct XmlObjectRecord {
    CString id;
    int rank = 0;
    size_t valueCount = 0;
};

// One value an OBJECT gives: the attribute it names (an index into XmlProjectStream::AttributeIds)
// and the value, the last the object gives for that attribute.
struct XmlObjectValue {
    uint32_t attribute = 0;
    CString value;
};

// What the parser's callbacks keep of one document: the state of the nesting, the criteria and
// alternatives completed so far and the ATTRIBUTE and OBJECT being read.
struct XmlProjectStream {
    // The true nesting depth at the parser's position (never out of step, whatever the nesting).
    int Depth = 0;
    // Set when a start tag stood deeper than XML_MAX_DEPTH: the read fails.
    bool Overflow = false;
    // Set when a callback could not keep what it read (out of memory): the read fails.
    bool Failed = false;
    // The places of the open elements down to XML_MAX_DEPTH.
    std::vector<XmlPlace> OpenPlaces;

    // The ATTRIBUTE elements completed, in document order, and the one being read.
    std::vector<XmlAttributeRecord> Attributes;
    XmlPendingAttribute CurrentAttribute;
    bool InfoTaken = false;
    // Set when a scale value was given two ranks, or a criterion was of a kind the project cannot hold:
    // the read fails.
    bool Duplicate = false;
    bool UnknownKind = false;

    // The OBJECT elements completed, in document order (those without an identifier left out), with
    // their values in one run, and the one being read (its values already at the end of the run).
    std::deque<XmlObjectRecord> Objects;
    std::deque<XmlObjectValue> Values;
    XmlObjectRecord CurrentObject;
    // Set when an object's reference rank is above ZQ_XML_MAX_RANK: the read fails.
    bool RankTooHigh = false;
    // Every attribute name an object's value gave, each once, and per name the place in Values of
    // the current object's value for it plus 1 (0: none yet).
    std::unordered_map<std::string, uint32_t> AttributeIds;
    std::vector<size_t> CurrentValueOf;
};

// expat start-element handler. userData: the XmlProjectStream being filled; name: the element name;
// attributes: null-terminated name/value array. Keeps what the element gives the project, or sets
// Overflow when it stands deeper than XML_MAX_DEPTH. Never throws.
void XmlStartElement(void* userData, const char* name, const char** attributes);

// expat end-element handler. userData: the XmlProjectStream; name: unused. Closes the element opened
// last. Never throws.
void XmlEndElement(void* userData, const char* name);

// Builds the project from the stream of a complete document, adding to the project's (reset) tables:
// sets the information attribute of the application from the first description attribute, appends
// the criteria with their scales, then the alternatives with their reference ranks and evaluations,
// an evaluation being the last value the object gives for the criterion. Takes the kept values out
// of `stream` as it goes. Returns 1 when the project was built (the credibility list is then
// emptied), 0 when the file names an alternative, a criterion or a scale value of one criterion
// twice, gives a reference rank above ZQ_XML_MAX_RANK, or holds a criterion (an attribute of the role
// Condition) that is neither a Numeric Gain or Cost nor an Enum Rank, which the project could not
// keep; the project then holds a partial result that the caller resets. project needs its shell
// services.
int InterpretXmlElements(CZQInterfaceData& project, XmlProjectStream& stream);
