// Annotations: the texts of a chart, a group or an item, each under an index. Index 1 is the one the
// data setters fill; the chart's mode value chooses which index titles, labels and legends show.
//
// DEDizedAnnotationList owns its annotations. It holds at most one annotation per index when filled
// through SetAnnotation (an archive may bring duplicates: the first one counts).
//
// Stored forms (schema 1, versionable): an annotation is its index (int) and text (CString); a list
// is a CObList of annotations (count, then each with its class tag).
#pragma once

#include "core/Core.h"

class DEDizedAnnotation : public CObject {
    DECLARE_SERIAL(DEDizedAnnotation)
public:
    // Index 1, empty text.
    DEDizedAnnotation();
    DEDizedAnnotation(int nIndex, const char* lpszText);

    void Serialize(CArchive& ar) override;

    int m_nIndex;
    CString m_strText;
};

class DEDizedAnnotationList : public CObList {
    DECLARE_SERIAL(DEDizedAnnotationList)
public:
    DEDizedAnnotationList();
    // Deletes the annotations.
    ~DEDizedAnnotationList() override;

    // Storing writes the list; loading replaces what the list holds with what it reads.
    void Serialize(CArchive& ar) override;
    // Writes one template line "annotation <index> <text>\n" per annotation, in list order.
    virtual void WriteTemplate(CStdioFile& writer) const;
    // The text of the annotation nIndex; an empty text when there is none. The reference stays
    // valid until the list changes.
    virtual const CString& GetAnnotation(int nIndex) const;

    // Replaces the text of the annotation nIndex, or appends a new annotation when there is none;
    // with bClearFirst every other annotation is deleted first.
    void SetAnnotation(int nIndex, const char* lpszText, int bClearFirst = 0);
    // Deletes every annotation.
    void RemoveAll();

private:
    DEDizedAnnotation* Find(int nIndex) const;

    CString m_strMissing;  // what GetAnnotation returns for a missing index: always empty
};
