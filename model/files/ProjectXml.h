// The project XML file (".zex"): CZQInterfaceData::WriteXml, ReadXml and their byte forms (defined in
// ProjectXml.cpp), and the pieces of the reader, which are public so that tests can drive them.
//
// Reading goes in two steps. The expat parser feeds XmlStartElement and XmlEndElement, which record
// every start tag as one row of an XmlElementTable: the names of the element's ancestors from the
// root, the element's own name, then its attributes. InterpretXmlElements then turns the table into
// the project: first the criteria (ATTRIBUTE elements), then the alternatives (OBJECT elements).
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

#include <deque>
#include <vector>

class CZQInterfaceData;

// Cells per row of the element table: the deepest element it can hold stands at depth 8 (the root
// at 0); a start tag at depth 9 or more overflows it and fails the read.
enum : int { XML_ROW_CELLS = 10 };

// One start tag. Cells 0..Depth hold the ancestors' names from the root and, in cell Depth, the
// element's own name; the attribute names and values follow from cell Depth + 1 on, in document
// order, as far as they fit. Cell 9 first holds the depth as "%d" and is overwritten by an attribute
// that reaches it. Names and values stand as written in the file (after folding).
struct XmlElementRow {
    CString Cells[XML_ROW_CELLS];
    int Depth = 0;
};

// The parser's record of one document: the rows in document order and the state of the callbacks.
struct XmlElementTable {
    // (a deque: a long file adds rows without ever moving the ones it holds)
    std::deque<XmlElementRow> Rows;
    // The true nesting depth at the parser's position (never out of step, whatever the nesting).
    int Depth = 0;
    // Set when a start tag stood deeper than a row can hold: the read fails.
    bool Overflow = false;
    // Set when a callback could not record a row (out of memory): the read fails.
    bool Failed = false;
    // Names of the open elements that the table holds (depth 0 up to at most 8).
    std::vector<CString> OpenNames;
};

// expat start-element handler. userData: the XmlElementTable being filled; name: the element name;
// attributes: null-terminated name/value array. Appends the element's row, or sets Overflow when it
// stands at depth 9 or more. Never throws.
void XmlStartElement(void* userData, const char* name, const char** attributes);

// expat end-element handler. userData: the XmlElementTable; name: unused. Closes the element opened
// last. Never throws.
void XmlEndElement(void* userData, const char* name);

// Builds the project from a complete element table, adding to the project's (reset) tables: sets the
// information attribute of the application from the first description attribute, appends the
// criteria with their scales, then the alternatives with their reference ranks and evaluations.
// Element and attribute names match whatever their letter case. Returns 1 when the project was built
// (the credibility list is then emptied), 0 when the file names an alternative, a criterion or a
// scale value of one criterion twice, gives a reference rank above ZQ_XML_MAX_RANK, or holds a
// criterion (an attribute of the role Condition) that is neither a Numeric Gain or Cost nor an Enum
// Rank, which the project could not keep; the project then holds a partial result that the caller
// resets. project needs its shell services.
int InterpretXmlElements(CZQInterfaceData& project, const XmlElementTable& table);

// The highest reference rank a file may give: every rank up to it becomes a node of the reference
// tree, so an absurd number would have the panes build millions of empty ranks.
enum : int { ZQ_XML_MAX_RANK = 32767 };
