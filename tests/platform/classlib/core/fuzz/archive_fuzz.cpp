// Fuzzes the archive core with every object kind the class library makes from an archive, nested and
// shared as the input has them, through the owned and the plain reads. Whatever is read is freed
// whole by deleting what the reader received (the leak sanitizer sees the rest); an object that reads
// is written again and reads back to the same thing. The plain read at the top takes no object
// collection: one handed to a program's plain read leaves its elements to the program, which cannot
// tell the new ones from references to objects held elsewhere (inside, the collections' own plain
// reads of their elements are fuzzed with the rest).
#include "FuzzCheck.h"
#include "core/Core.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// True for an object that is no object collection (see the top of this file).
bool HoldsNoObjects(const CObject* pOb)
{
    return !pOb->IsKindOf(RUNTIME_CLASS(CObArray)) && !pOb->IsKindOf(RUNTIME_CLASS(CObList)) &&
           !pOb->IsKindOf(RUNTIME_CLASS(CMapStringToOb)) && !pOb->IsKindOf(RUNTIME_CLASS(CMapWordToOb));
}

// The object kinds a reader may ask for: every creatable class of the library, and any class.
const CRuntimeClass* const kRequested[] = {
    nullptr,
    RUNTIME_CLASS(CObject),
    RUNTIME_CLASS(CObArray),
    RUNTIME_CLASS(CByteArray),
    RUNTIME_CLASS(CWordArray),
    RUNTIME_CLASS(CDWordArray),
    RUNTIME_CLASS(CStringArray),
    RUNTIME_CLASS(CObList),
    RUNTIME_CLASS(CStringList),
    RUNTIME_CLASS(CMapStringToString),
    RUNTIME_CLASS(CMapStringToOb),
    RUNTIME_CLASS(CMapWordToOb),
};

// Runs read over an archive of the bytes; true when it read without an exception of the library.
bool Load(const uint8_t* data, size_t size, const std::function<void(CArchive&)>& read)
{
    CMemFile file;
    file.Attach(const_cast<uint8_t*>(data), uint32_t(size));
    try {
        CArchive ar(&file, CArchive::load);
        read(ar);
    } catch (CException* e) {
        e->Delete();
        file.Detach();
        return false;
    }
    file.Detach();
    return true;
}

std::string Quoted(const CString& text)
{
    return std::to_string(text.GetLength()) + ":" + std::string(text.GetString(), size_t(text.GetLength()));
}

// An object as text: its class and contents, map entries in key order, an object met before as its
// number, so that two objects read from different bytes compare by what they hold and how they share.
class Describer {
public:
    std::string Of(const CObject* pOb)
    {
        if (pOb == nullptr)
            return "null";
        const auto seen = m_numbers.find(pOb);
        if (seen != m_numbers.end())
            return "#" + std::to_string(seen->second);
        m_numbers.emplace(pOb, int(m_numbers.size()));
        std::string text = std::string(pOb->GetRuntimeClass()->m_lpszClassName) + "{";
        if (auto* p = dynamic_cast<const CObArray*>(pOb)) {
            for (int32_t i = 0; i < p->GetSize(); ++i)
                text += Of(p->GetAt(i)) + ",";
        } else if (auto* p = dynamic_cast<const CObList*>(pOb)) {
            for (POSITION pos = p->GetHeadPosition(); pos != nullptr;)
                text += Of(p->GetNext(pos)) + ",";
        } else if (auto* p = dynamic_cast<const CMapStringToOb*>(pOb)) {
            std::vector<std::pair<std::string, CObject*>> entries;
            for (POSITION pos = p->GetStartPosition(); pos != nullptr;) {
                CString key;
                CObject* pValue = nullptr;
                p->GetNextAssoc(pos, key, pValue);
                entries.emplace_back(Quoted(key), pValue);
            }
            std::sort(entries.begin(), entries.end());
            for (const auto& entry : entries)
                text += entry.first + "=" + Of(entry.second) + ",";
        } else if (auto* p = dynamic_cast<const CMapWordToOb*>(pOb)) {
            std::vector<std::pair<uint16_t, CObject*>> entries;
            for (POSITION pos = p->GetStartPosition(); pos != nullptr;) {
                uint16_t key = 0;
                CObject* pValue = nullptr;
                p->GetNextAssoc(pos, key, pValue);
                entries.emplace_back(key, pValue);
            }
            std::sort(entries.begin(), entries.end());
            for (const auto& entry : entries)
                text += std::to_string(entry.first) + "=" + Of(entry.second) + ",";
        } else if (auto* p = dynamic_cast<const CMapStringToString*>(pOb)) {
            std::vector<std::string> entries;
            for (POSITION pos = p->GetStartPosition(); pos != nullptr;) {
                CString key, value;
                p->GetNextAssoc(pos, key, value);
                entries.push_back(Quoted(key) + "=" + Quoted(value));
            }
            std::sort(entries.begin(), entries.end());
            for (const std::string& entry : entries)
                text += entry + ",";
        } else if (auto* p = dynamic_cast<const CStringArray*>(pOb)) {
            for (int32_t i = 0; i < p->GetSize(); ++i)
                text += Quoted(p->GetAt(i)) + ",";
        } else if (auto* p = dynamic_cast<const CStringList*>(pOb)) {
            for (POSITION pos = p->GetHeadPosition(); pos != nullptr;)
                text += Quoted(p->GetNext(pos)) + ",";
        } else if (auto* p = dynamic_cast<const CByteArray*>(pOb)) {
            for (int32_t i = 0; i < p->GetSize(); ++i)
                text += std::to_string(p->GetAt(i)) + ",";
        } else if (auto* p = dynamic_cast<const CWordArray*>(pOb)) {
            for (int32_t i = 0; i < p->GetSize(); ++i)
                text += std::to_string(p->GetAt(i)) + ",";
        } else if (auto* p = dynamic_cast<const CDWordArray*>(pOb)) {
            for (int32_t i = 0; i < p->GetSize(); ++i)
                text += std::to_string(p->GetAt(i)) + ",";
        }
        return text + "}";
    }

private:
    std::map<const CObject*, int> m_numbers;
};

// Writes pOb and reads it back: the copy must describe as the object does.
void CheckReadsBack(const CObject* pOb)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << pOb;
        ar.Close();
    }
    const uint32_t size = uint32_t(file.GetLength());
    uint8_t* bytes = file.Detach();
    CObject* pCopy = nullptr;
    const bool read = Load(bytes, size, [&](CArchive& ar) { pCopy = ar.ReadOwnedObject(nullptr); });
    std::free(bytes);
    FuzzCheck(read, "an object that was read is written and reads back");
    FuzzCheck(Describer().Of(pCopy) == Describer().Of(pOb), "the copy holds what the object held");
    delete pCopy;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Objects of any class by the owned read, one after the other, each thrown away as read, as the
    // readers that skip an object they do not know do; the first is written and read back.
    Load(data, size, [](CArchive& ar) {
        for (bool first = true; ar.GetBytesLeft() > 0; first = false) {
            CObject* pOb = ar.ReadOwnedObject(nullptr);
            if (first && pOb != nullptr)
                CheckReadsBack(pOb);
            delete pOb;
        }
    });

    // One object by the plain read (the first of an archive can be no reference to another), of any
    // class or of the class asked for (picked by the input's length), whose caller owns it.
    const CRuntimeClass* const requested[] = {nullptr, kRequested[size % (sizeof kRequested / sizeof kRequested[0])]};
    for (const CRuntimeClass* pRequested : requested) {
        CObject* pOb = nullptr;
        if (Load(data, size, [&](CArchive& ar) { pOb = ar.ReadObject(pRequested, HoldsNoObjects); }) && pOb != nullptr) {
            FuzzCheck(HoldsNoObjects(pOb), "the object is of a kind asked for");
            FuzzCheck(pRequested == nullptr || pOb->IsKindOf(pRequested), "the object is of the class asked for");
        }
        delete pOb;
    }

    // The same bytes as a list that owns its objects.
    CObList list;
    Load(data, size, [&](CArchive& ar) { AfxSerializeOwnedObList(ar, list, RUNTIME_CLASS(CObject)); });
    AfxDeleteOwnedObjects(list);
    return 0;
}
