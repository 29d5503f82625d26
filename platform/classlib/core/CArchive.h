// CArchive: the binary stream that objects write themselves to and read themselves from, over a CFile,
// with an internal buffer.
//
// Stored forms, little-endian and of fixed width in every build:
// - BYTE 1 byte, WORD 2, LONG / DWORD / int / float 4, double 8. Only these types have << and >>:
//   bool, char, short, C long and 64-bit integers are refused at compile time (cast to the width you
//   mean), so no value is ever stored with a width that differs between builds.
// - CString: its length, then its bytes. Length < 255: one byte. Else 0xFF and a WORD when < 0xFFFF.
//   Else 0xFF, 0xFFFF and a DWORD.
// - Counts (WriteCount): a WORD; from 0xFFFF on, 0xFFFF and a DWORD.
// - Objects (WriteObject, << of a CObject*): one running index, starting at 1, numbers the classes
//   and the objects of the archive in writing order.
//     null pointer                 WORD 0x0000
//     first object of a class      WORD 0xFFFF, WORD schema, WORD name length, the name; then the
//                                  object's Serialize data. The class takes the next index, then
//                                  the object the one after.
//     object of a known class      WORD 0x8000 | class index; the data. The object takes an index.
//     object already written      WORD object index
//   An index of 0x7FFF or more is written as WORD 0x7FFF and a DWORD (with 0x80000000 set for a class).
//   Example: a CObList of two CFoo (schema 1) is 02 00, FF FF 01 00 04 00 'C' 'F' 'o' 'o' <data>,
//   01 80 <data>.
// - Schemas: reading a class tag whose schema differs from the class's throws badSchema, unless the
//   class is versionable: then its Serialize gets the stored schema from GetObjectSchema. An unknown
//   class name, a class that is not creatable, or one not derived from the class asked for throws
//   badClass; a tag that refers to no earlier class or object throws badIndex.
//
// Safety when loading:
// - Lengths and counts are checked against the data left in the file before anything is allocated:
//   a string or a collection longer than what remains throws endOfFile (CheckAvailable serves the
//   same purpose for the readers of other layers).
// - Reading past the end throws CArchiveException endOfFile.
// - Nesting: an object read while kMaxLoadDepth others are being read (an array holding an array
//   holding an array...) throws CArchiveException generic before it is made, so that no archive can
//   exhaust the stack. Stored grids and charts nest a handful of levels.
// - Ownership on failure: when an object's Serialize throws while it is being read, ReadObject deletes
//   that object and rethrows. Its destructor must release what it had read so far (the usual
//   ownership of its members); objects read completely before the failure belong to whoever received
//   them. Write classes so that an object owns the objects it reads (back-references to objects
//   owned elsewhere are fine). Every object read while the failed one was being read counts as gone
//   with it: a later reference to one throws badIndex.
// - Objects that no program object owns: the object collections of this library (CObArray, CObList,
//   CMapStringToOb, CMapWordToOb) own nothing, but one that the archive itself made for an owner
//   (ReadOwnedObject, as a reader of any class that cannot know what it holds uses) or as an element
//   of another such collection frees with itself the new objects its loading read
//   (LoadCollectionElements): an object read and thrown away is freed whole. One handed to a plain
//   ReadObject leaves them to its caller, as such a caller always had them; and one whose reading
//   fails frees them with itself in every case.
//
// A storing archive is flushed by Close and, failing that, by the destructor (whose write errors are
// lost: call Close). The archive never closes its CFile; close the archive before closing or
// committing the file (CSafeFile::Commit), or what it still buffers is lost.
#pragma once

#include "core/CObject.h"
#include "core/CString.h"

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

class CFile;
class CDocument;

class CArchive {
public:
    enum Mode : uint32_t { store = 0, load = 1, bNoFlushOnDelete = 2 };

    // An archive over pFile (open, positioned where the archive starts). nMode: store or load,
    // optionally | bNoFlushOnDelete. nBufSize: the buffer size (at least 128 is used). lpBuf: a
    // caller's buffer of nBufSize bytes (at least 128), or null for the archive's own. A null pFile
    // or a caller's buffer below 128 bytes throws CInvalidArgException*.
    CArchive(CFile* pFile, uint32_t nMode, int32_t nBufSize = 4096, void* lpBuf = nullptr);
    // Flushes a storing archive that was not closed (errors ignored), unless bNoFlushOnDelete.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsLoading() const { return (m_nMode & load) != 0; }
    bool IsStoring() const { return (m_nMode & load) == 0; }
    // The file (null after Close or Abort).
    CFile* GetFile() const { return m_pFile; }

    // Reads up to nMax bytes into lpBuf. Returns the number read (fewer only at the end of the data).
    uint32_t Read(void* lpBuf, uint32_t nMax);
    // Writes nMax bytes from lpBuf.
    void Write(const void* lpBuf, uint32_t nMax);

    // Storing: writes the buffered bytes to the file. Loading: moves the file back to the first byte
    // not yet read and empties the buffer.
    void Flush();
    // Flush, then detach from the file (the file stays open).
    void Close();
    // Detach from the file, dropping buffered output; never throws.
    void Abort();

    // Fixed-width values (see the top of this file).
    CArchive& operator<<(uint8_t by);
    CArchive& operator<<(uint16_t w);
    CArchive& operator<<(int32_t l);
    CArchive& operator<<(uint32_t dw);
    CArchive& operator<<(float f);
    CArchive& operator<<(double d);
    CArchive& operator>>(uint8_t& by);
    CArchive& operator>>(uint16_t& w);
    CArchive& operator>>(int32_t& l);
    CArchive& operator>>(uint32_t& dw);
    CArchive& operator>>(float& f);
    CArchive& operator>>(double& d);
    // Widths that are not part of the stored forms: refused.
    CArchive& operator<<(bool) = delete;
    CArchive& operator<<(char) = delete;
    CArchive& operator<<(signed char) = delete;
    CArchive& operator<<(short) = delete;
    CArchive& operator<<(long) = delete;
    CArchive& operator<<(unsigned long) = delete;
    CArchive& operator<<(long long) = delete;
    CArchive& operator<<(unsigned long long) = delete;
    CArchive& operator<<(long double) = delete;

    // Writes the object reference pOb (null allowed) in the tagged form.
    CArchive& operator<<(const CObject* pOb)
    {
        WriteObject(pOb);
        return *this;
    }

    // Writes the text as it stands (no line end is added; null writes nothing).
    void WriteString(const char* lpsz);
    // Reads a text line, without its line end (LF or CR LF), into rString. Returns false when no byte
    // was left.
    bool ReadString(CString& rString);

    // Writes an object reference (see the top of this file); the object's Serialize writes its data.
    // An object whose class is not serialisable throws CArchiveException badClass.
    void WriteObject(const CObject* pOb);
    // Reads an object reference: null, an object read before, or a new object made from its class
    // name and read by its Serialize. pClassRefRequested (may be null): the object must be of that
    // class or derived from it (else badClass). Returns the object (the caller owns new objects).
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    // As ReadObject, with a further test of the object's C++ type for classes that have no run-time
    // record of their own (template collections): pfnIsKind must accept the object (a new one before
    // it is read, so nothing is made in vain), else badClass.
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested, bool (*pfnIsKind)(const CObject* pOb));
    // As ReadObject, for a reader that takes ownership of what it reads: only null or a new object is
    // accepted; a reference to an object read before throws badIndex without touching that object, so
    // a hostile archive can neither hand one object to two owners nor hand out one freed meanwhile.
    CObject* ReadOwnedObject(const CRuntimeClass* pClassRefRequested);
    // As ReadOwnedObject, with a new object's data read by load in place of the object's Serialize:
    // for a reader that must own or check what that Serialize would read (a CObArray, whose own
    // loading accepts back-references to objects read before). When load throws, the object is freed
    // and the exception passes on.
    CObject* ReadOwnedObject(const CRuntimeClass* pClassRefRequested, const std::function<void(CObject& ob)>& load);

    // Writes a class reference (new class tag with schema and name, or the class's index).
    void WriteClass(const CRuntimeClass* pClassRef);
    // Reads a class reference. pClassRefRequested: as for ReadObject. pSchema: receives the stored
    // schema (when null the schema goes to GetObjectSchema instead). pObTag: when not null, a null or
    // object tag found instead of a class is stored there and null returned; when null such a tag
    // throws badIndex.
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr, uint32_t* pSchema = nullptr,
                             uint32_t* pObTag = nullptr);

    // The schema stored in the class tag of the object being read, for its Serialize (the schema of a
    // nested object read meanwhile does not replace it). Returns it once, then 0xFFFFFFFF.
    uint32_t GetObjectSchema();
    // Sets what GetObjectSchema returns next.
    void SetObjectSchema(uint32_t nSchema) { m_nObjectSchema = nSchema; }

    // For the loading of a collection of object references that owns nothing (see the top of this
    // file): runs load, in which the collections read as its elements keep what they read, and, when
    // pCollection is the object this archive is reading now (it made it, so no program object owns
    // what the collection reads), appends to rNewObjects every new object that load reads with
    // ReadObject, each once it is read whole, for the collection to free with itself; the archive
    // empties the list again when the collection, read whole, goes to a program's plain ReadObject.
    // Objects read with ReadOwnedObject, back-references and objects read deeper inside another
    // object are not appended. When pCollection is not the object being read (a member that a
    // program object loads), its elements are the program's.
    void LoadCollectionElements(const CObject* pCollection, std::vector<CObject*>& rNewObjects,
                                const std::function<void()>& load);

    // The most objects being read at once (see the top of this file).
    static const uint32_t kMaxLoadDepth = 100;

    // Writes a collection count (WORD, or 0xFFFF and a DWORD from 0xFFFF on).
    void WriteCount(uint32_t dwCount);
    // Reads a collection count. The collection checks it against the data left (CheckAvailable).
    uint32_t ReadCount();

    // Loading: the number of bytes left to read (buffered and in the file).
    uint64_t GetBytesLeft() const;
    // Loading: throws CArchiveException endOfFile unless at least nBytes are left. Readers call it
    // before allocating for a count or length read from the archive (count times the least size of
    // an element).
    void CheckAvailable(uint64_t nBytes) const;

    // The document the archive belongs to (set by the document's save and load; may be null).
    CDocument* m_pDocument;

private:
    friend CArchive& operator>>(CArchive& ar, CString& str);

    struct LoadEntry {
        CRuntimeClass* pClass;  // for a class entry
        CObject* pObject;       // for an object entry
        uint32_t nSchema;       // stored schema of a class entry
        bool bIsClass;
        bool bValid;            // false for an object deleted after a failed read
    };

    CObject* ReadObjectImpl(const CRuntimeClass* pClassRefRequested, bool (*pfnIsKind)(const CObject* pOb),
                            bool bNewOnly, const std::function<void(CObject& ob)>* pLoad = nullptr);
    void CheckMode(bool bStoring) const;
    [[noreturn]] void ThrowArchive(int cause) const;
    void FillBuffer(uint32_t nNeeded);
    void ReadExact(void* lpBuf, uint32_t nCount);
    uint32_t NextMapIndex();
    void WriteTag(uint32_t nIndex, bool bClass);

    CFile* m_pFile;
    uint32_t m_nMode;
    std::vector<uint8_t> m_ownBuffer;
    uint8_t* m_lpBufStart;
    uint8_t* m_lpBufCur;
    uint8_t* m_lpBufMax;
    uint32_t m_nBufSize;
    CString m_strFileName;
    uint32_t m_nObjectSchema;
    uint32_t m_nMapCount;  // the next index (starts at 1)
    std::unordered_map<const void*, uint32_t> m_storeMap;  // class records and objects written
    std::vector<LoadEntry> m_loadArray;                    // by index; entry 0 is the null tag
    // What the archive knows of the object it is reading (kept aside while a nested one is read).
    struct LoadFrame {
        const CObject* pObject;               // the object (null: none)
        bool bElements;                       // a collection of this library is reading its elements
        std::vector<CObject*>* pNewObjects;   // where they go when that collection is the object
        std::vector<CObject*>* pKeptObjects;  // the list the object, a collection, filled
    };
    uint32_t m_nLoadDepth;  // objects being read now
    LoadFrame m_frame;      // the innermost of them
};

// CString in the length-prefixed form.
CArchive& operator<<(CArchive& ar, const CString& str);
CArchive& operator>>(CArchive& ar, CString& str);

// Object references of any class (ReadObject with no class requested).
CArchive& operator>>(CArchive& ar, CObject*& pOb);
CArchive& operator>>(CArchive& ar, const CObject*& pOb);
