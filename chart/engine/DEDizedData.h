// DEDizedData: one item of a chart's data: a value with the range of every value stored in it, its
// annotations, its style and a null flag (a new item has no value). DEDizedDummyData is the
// placeholder that reads of missing data return: it stays null with value 0 and ignores every write
// of a value, a null flag or an annotation, so callers may write through whatever a read gave them.
//
// One process-wide placeholder lives for the program's life (DEDizedDummyData::GetShared); every
// data manager keeps one of its own besides.
//
// Stored form (schema 1, versionable): annotations (DEDizedAnnotationList), style (DEDizedStyle),
// range (CScale), value (double), null flag (int).
#pragma once

#include "chart/engine/CScale.h"
#include "chart/engine/DEDizedAnnotation.h"
#include "chart/engine/DEDizedStyle.h"

class DEDizedData : public CObject {
    DECLARE_SERIAL(DEDizedData)
public:
    // Null, value 0, an empty range, a data style (kind nibble 2).
    DEDizedData();
    DEDizedData(const DEDizedData&) = delete;
    DEDizedData& operator=(const DEDizedData&) = delete;

    void Serialize(CArchive& ar) override;

    virtual DEDizedStyle* GetStyle();
    // Sets (non-zero) or clears the null flag.
    virtual void SetNull(int bNull);
    virtual int IsNull() const;
    // log10 of the value; -99 for a value not above 0.
    virtual double GetLogValue() const;
    // Value 0 and an empty range.
    virtual void ClearRange();
    // A copy of the range of the values stored.
    virtual CScale GetRange();
    // 0: a single value (DEDizedDynamicData answers 1).
    virtual int IsDynamic() const;
    // The text of annotation nIndex, empty when there is none.
    virtual const CString& GetAnnotation(int nIndex) const;
    // The value; with bLogarithmic non-zero log10 of it (-99 for a value not above 0).
    virtual double GetValue(int bLogarithmic = 0);
    // Stores dValue, widens the range to take it and clears the null flag.
    virtual void SetValue(double dValue);
    // Sets the text of annotation nIndex, deleting every other annotation first when bClearFirst.
    virtual void SetAnnotation(const char* lpszText, int bClearFirst, int nIndex);
    // Sets the text of annotation nIndex, keeping the others.
    virtual void AddAnnotation(int nIndex, const char* lpszText);
    virtual DEDizedAnnotationList* GetAnnotationList();
    virtual CScale* GetRangePtr();

protected:
    // log10(dValue), or -99 for a value not above 0.
    static double LogOrFloor(double dValue);

    CScale m_range;
    double m_dValue;
    DEDizedAnnotationList m_annotations;
    DEDizedStyle m_style;
    int m_bNull;
};

class DEDizedDummyData : public DEDizedData {
    DECLARE_SERIAL(DEDizedDummyData)
public:
    DEDizedDummyData();

    // Writes are ignored.
    void SetNull(int bNull) override;
    void SetValue(double dValue) override;
    void SetAnnotation(const char* lpszText, int bClearFirst, int nIndex) override;
    void AddAnnotation(int nIndex, const char* lpszText) override;

    // The process-wide placeholder (made at its first use, destroyed at exit).
    static DEDizedDummyData* GetShared();
};
