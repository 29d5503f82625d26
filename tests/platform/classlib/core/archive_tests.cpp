// Archive stored forms and the safety of loading: the byte layouts other programs' files depend on,
// object graphs, class and schema checks, truncated and hostile data.
#include "ArchiveTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <pthread.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Text(const char* s)
{
    return Bytes(s, s + std::strlen(s));
}

} // namespace

// ---- test classes ----

// Counts live instances so that tests can see leaks and double reads directly.
int g_liveNodes = 0;

// A serialisable node: a value, a reference to another node (not owned, may be null) and a list of
// child nodes it owns.
class CTestNode : public CObject {
    DECLARE_SERIAL(CTestNode)
public:
    CTestNode() { ++g_liveNodes; }
    explicit CTestNode(int32_t value) : m_value(value) { ++g_liveNodes; }
    ~CTestNode() override
    {
        while (!m_children.IsEmpty())
            delete m_children.RemoveHead();
        --g_liveNodes;
    }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_value << m_pRef;
        } else {
            ar >> m_value >> m_pRef;
        }
        m_children.Serialize(ar);
    }

    int32_t m_value = 0;
    CTestNode* m_pRef = nullptr;
    CObList m_children;
};
IMPLEMENT_SERIAL(CTestNode, CObject, 1)

// The "CFoo" of the byte example: schema 1, its data one WORD.
class CFoo : public CObject {
    DECLARE_SERIAL(CFoo)
public:
    CFoo() = default;
    explicit CFoo(uint16_t w) : m_w(w) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_w;
        else
            ar >> m_w;
    }
    uint16_t m_w = 0;
};
IMPLEMENT_SERIAL(CFoo, CObject, 1)

// A versionable class at schema 3 that remembers which schema it was read with.
class CVersioned : public CObject {
    DECLARE_SERIAL(CVersioned)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading())
            m_loadedSchema = ar.GetObjectSchema();
    }
    uint32_t m_loadedSchema = 0;
};
IMPLEMENT_SERIAL(CVersioned, CObject, VERSIONABLE_SCHEMA | 3)

// Not creatable: has a run-time class but no way to be made from the archive.
class CNotSerial : public CObject {
    DECLARE_DYNAMIC(CNotSerial)
};
IMPLEMENT_DYNAMIC(CNotSerial, CObject)

// ---- fixed-width values and strings ----

TEST(ArchiveValues, FixedWidthLittleEndian)
{
    const Bytes bytes = StoreBytes([](CArchive& ar) {
        ar << uint8_t(0x81) << uint16_t(0x1234) << int32_t(-2) << uint32_t(0xA1B2C3D4) << int(7) << 1.5f << -2.0;
    });
    const Bytes expected = {0x81, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0xD4, 0xC3, 0xB2, 0xA1, 0x07, 0x00,
                            0x00, 0x00, 0x00, 0x00, 0xC0, 0x3F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0};
    EXPECT_EQ(bytes, expected);

    LoadBytes(bytes, [](CArchive& ar) {
        uint8_t by;
        uint16_t w;
        int32_t l;
        uint32_t dw;
        int i;
        float f;
        double d;
        ar >> by >> w >> l >> dw >> i >> f >> d;
        EXPECT_EQ(by, 0x81);
        EXPECT_EQ(w, 0x1234);
        EXPECT_EQ(l, -2);
        EXPECT_EQ(dw, 0xA1B2C3D4u);
        EXPECT_EQ(i, 7);
        EXPECT_EQ(f, 1.5f);
        EXPECT_EQ(d, -2.0);
        // nothing is left: one more byte is past the end
        EXPECT_EQ(ArchiveCause([&] { ar >> by; }), CArchiveException::endOfFile);
    });
}

TEST(ArchiveValues, StringLengthPrefixes)
{
    struct Case {
        int length;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {1, {0x01}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65534, {0xFF, 0xFE, 0xFF}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        CString text;
        char* p = text.GetBufferSetLength(c.length);
        for (int i = 0; i < c.length; ++i)
            p[i] = char(0x80 + i % 0x80);  // every byte 0x80..0xFF, and never a 0
        text.ReleaseBuffer(c.length);

        const Bytes bytes = StoreBytes([&](CArchive& ar) { ar << text << uint8_t(0x5A); });
        ASSERT_EQ(bytes.size(), c.prefix.size() + size_t(c.length) + 1);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + c.prefix.size()), c.prefix);
        EXPECT_EQ(0, std::memcmp(bytes.data() + c.prefix.size(), text.GetString(), size_t(c.length)));

        LoadBytes(bytes, [&](CArchive& ar) {
            CString back = "previous";
            uint8_t after = 0;
            ar >> back >> after;
            EXPECT_TRUE(back == text);
            EXPECT_EQ(after, 0x5A);
        });
    }
}

TEST(ArchiveValues, StringsThroughADiskFileAcrossTheBuffer)
{
    // a small buffer, strings longer than it, and values that straddle its edge
    char path[] = "/tmp/ondrix-archive-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    const CString big(char(0xE9), 1000);
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store, 128);
        for (int i = 0; i < 50; ++i)
            ar << big << uint32_t(i) << double(i) / 4;
        ar.Close();
    }
    {
        CFile file(path, CFile::modeRead);
        CArchive ar(&file, CArchive::load, 128);
        for (int i = 0; i < 50; ++i) {
            CString s;
            uint32_t n;
            double d;
            ar >> s >> n >> d;
            ASSERT_TRUE(s == big);
            ASSERT_EQ(n, uint32_t(i));
            ASSERT_EQ(d, double(i) / 4);
        }
        EXPECT_EQ(ar.GetBytesLeft(), 0u);
    }
    unlink(path);
}

TEST(ArchiveValues, CountsSwitchToADwordAt65535)
{
    struct Case {
        uint32_t count;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, {0x00, 0x00}},
        {65534, {0xFE, 0xFF}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        CByteArray array;
        array.SetSize(int32_t(c.count));
        for (uint32_t i = 0; i < c.count; ++i)
            array[int32_t(i)] = uint8_t(i * 7);
        const Bytes bytes = StoreBytes([&](CArchive& ar) { array.Serialize(ar); });
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.count);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + c.prefix.size()), c.prefix);

        LoadBytes(bytes, [&](CArchive& ar) {
            CByteArray back;
            back.Add(99);  // loading replaces the contents
            back.Serialize(ar);
            ASSERT_EQ(back.GetSize(), int32_t(c.count));
            EXPECT_TRUE(c.count == 0 || std::memcmp(back.GetData(), array.GetData(), c.count) == 0);
        });
        LoadBytes(bytes, [&](CArchive& ar) { EXPECT_EQ(ar.ReadCount(), c.count); });
    }
}

TEST(ArchiveValues, ModeMisuseIsRefused)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        uint16_t w;
        EXPECT_EQ(ArchiveCause([&] { ar >> w; }), CArchiveException::writeOnly);
        ar.Close();
        EXPECT_EQ(ArchiveCause([&] { ar << uint16_t(1); }), CArchiveException::generic);
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    EXPECT_EQ(ArchiveCause([&] { ar << uint16_t(1); }), CArchiveException::readOnly);
}

TEST(ArchiveValues, TextLinesAcceptLfAndCrLf)
{
    const Bytes bytes = Text("first\r\nsecond\n\nlast");
    LoadBytes(bytes, [](CArchive& ar) {
        CString line;
        std::vector<std::string> lines;
        while (ar.ReadString(line))
            lines.push_back(line.GetString());
        EXPECT_EQ(lines, (std::vector<std::string>{"first", "second", "", "last"}));
    });
    EXPECT_EQ(StoreBytes([](CArchive& ar) { ar.WriteString("a\nb\n"); }), Text("a\nb\n"));
}

// ---- objects ----

TEST(ArchiveObjects, ObListOfTwoFooMatchesTheDocumentedBytes)
{
    CFoo a(0x1111), b(0x2222);
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { list.Serialize(ar); });
    const Bytes expected = {0x02, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x04, 0x00, 'C', 'F', 'o', 'o',
                            0x11, 0x11, 0x01, 0x80, 0x22, 0x22};
    EXPECT_EQ(bytes, expected);

    LoadBytes(bytes, [](CArchive& ar) {
        CObList back;
        back.Serialize(ar);
        ASSERT_EQ(back.GetCount(), 2);
        CFoo* first = static_cast<CFoo*>(back.GetHead());
        CFoo* second = static_cast<CFoo*>(back.GetTail());
        ASSERT_TRUE(first->IsKindOf(RUNTIME_CLASS(CFoo)));
        EXPECT_EQ(first->m_w, 0x1111);
        EXPECT_EQ(second->m_w, 0x2222);
        EXPECT_NE(first, second);
        delete first;
        delete second;
    });
}

namespace {

// root(1) refers to itself and owns children a(2) and b(3); b refers back to a (shared), a's
// reference is null. After the root the archive holds the shared node once more, as a top-level
// reference, and a null pointer.
Bytes StoreGraph()
{
    CTestNode* root = new CTestNode(1);
    CTestNode* a = new CTestNode(2);
    CTestNode* b = new CTestNode(3);
    root->m_children.AddTail(a);
    root->m_children.AddTail(b);
    b->m_pRef = a;
    root->m_pRef = root;
    const Bytes bytes = StoreBytes([&](CArchive& ar) {
        ar << root << a << static_cast<CObject*>(nullptr);
    });
    delete root;
    return bytes;
}

} // namespace

TEST(ArchiveObjects, SharedObjectAndNullRoundTrip)
{
    const Bytes bytes = StoreGraph();
    ASSERT_EQ(g_liveNodes, 0);
    LoadBytes(bytes, [](CArchive& ar) {
        CTestNode* root = nullptr;
        CTestNode* shared = nullptr;
        CObject* null = reinterpret_cast<CObject*>(1);
        ar >> root >> shared >> null;
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(g_liveNodes, 3);  // the shared node was made once
        EXPECT_EQ(null, nullptr);
        ASSERT_EQ(root->m_children.GetCount(), 2);
        CTestNode* a = static_cast<CTestNode*>(root->m_children.GetHead());
        CTestNode* b = static_cast<CTestNode*>(root->m_children.GetTail());
        EXPECT_EQ(root->m_value, 1);
        EXPECT_EQ(a->m_value, 2);
        EXPECT_EQ(b->m_value, 3);
        EXPECT_EQ(a->m_pRef, nullptr);
        EXPECT_EQ(b->m_pRef, a);
        EXPECT_EQ(root->m_pRef, root);
        EXPECT_EQ(shared, a);
        EXPECT_EQ(ar.GetBytesLeft(), 0u);
        delete root;
    });
    EXPECT_EQ(g_liveNodes, 0);
}

TEST(ArchiveObjects, OwnedReadsRefuseReferencesToEarlierObjects)
{
    // two references to one CFoo: an owner may take the first, never the second
    CFoo foo(7);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { ar << &foo << &foo << static_cast<CObject*>(nullptr); });
    EXPECT_EQ(ArchiveCause([&] {
                  LoadBytes(bytes, [](CArchive& ar) {
                      CObject* first = ar.ReadOwnedObject(RUNTIME_CLASS(CFoo));
                      ASSERT_NE(first, nullptr);
                      EXPECT_EQ(static_cast<CFoo*>(first)->m_w, 7);
                      delete first;  // the owner frees it; the second read must not reach it
                      ar.ReadOwnedObject(RUNTIME_CLASS(CFoo));
                  });
              }),
              CArchiveException::badIndex);
    LoadBytes(StoreBytes([](CArchive& ar) { ar << static_cast<CObject*>(nullptr); }),
         [](CArchive& ar) { EXPECT_EQ(ar.ReadOwnedObject(RUNTIME_CLASS(CFoo)), nullptr); });
}

TEST(ArchiveObjects, AnOwnedObjectMayBeReadByTheReadersOwnLoader)
{
    // an array of objects written as an object; its reader owns the elements and refuses a second
    // reference to one of them, which the array's own loading would take
    CFoo a(1), b(2);
    CObArray array;
    array.Add(&a);
    array.Add(nullptr);
    array.Add(&b);
    auto load = [](CArchive& ar, std::vector<std::unique_ptr<CObject>>& owned) {
        std::unique_ptr<CObject> pArray(ar.ReadOwnedObject(RUNTIME_CLASS(CObArray), [&](CObject& ob) {
            EXPECT_TRUE(ob.IsKindOf(RUNTIME_CLASS(CObArray)));
            for (uint32_t n = ar.ReadCount(); n > 0; --n)
                owned.emplace_back(ar.ReadOwnedObject(RUNTIME_CLASS(CFoo)));
        }));
        EXPECT_NE(pArray, nullptr);
        EXPECT_EQ(static_cast<CObArray*>(pArray.get())->GetSize(), 0) << "the loader read in its place";
    };
    std::vector<std::unique_ptr<CObject>> owned;
    LoadBytes(StoreBytes([&](CArchive& ar) { ar << &array; }), [&](CArchive& ar) { load(ar, owned); });
    ASSERT_EQ(owned.size(), 3u);
    EXPECT_EQ(static_cast<CFoo*>(owned[0].get())->m_w, 1);
    EXPECT_EQ(owned[1], nullptr);
    EXPECT_EQ(static_cast<CFoo*>(owned[2].get())->m_w, 2);

    array.SetAt(2, &a);
    owned.clear();
    EXPECT_EQ(ArchiveCause([&] {
                  LoadBytes(StoreBytes([&](CArchive& ar) { ar << &array; }), [&](CArchive& ar) { load(ar, owned); });
              }),
              CArchiveException::badIndex);
    EXPECT_EQ(owned.size(), 2u) << "what was read before the failure stays with its owner";
}

TEST(ArchiveObjects, EveryTruncationThrowsEndOfFileAndLeaksNothing)
{
    const Bytes bytes = StoreGraph();
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        SCOPED_TRACE(cut);
        const Bytes part(bytes.begin(), bytes.begin() + cut);
        CTestNode* root = nullptr;
        CTestNode* shared = nullptr;
        CObject* null = nullptr;
        const int cause = ArchiveCause([&] { LoadBytes(part, [&](CArchive& ar) { ar >> root >> shared >> null; }); });
        EXPECT_EQ(cause, CArchiveException::endOfFile);
        // objects read completely before the cut belong to the reader; the partly read one is gone
        delete root;
        EXPECT_EQ(g_liveNodes, 0);
    }
}

TEST(ArchiveObjects, ClassAndSchemaChecks)
{
    struct Case {
        const char* name;
        Bytes bytes;
        const CRuntimeClass* requested;
        int cause;
    };
    const Case cases[] = {
        // unknown class name
        {"unknown class", Cat({{0xFF, 0xFF, 0x01, 0x00, 0x05, 0x00}, Text("CNope"), {0x00, 0x00}}), nullptr,
         CArchiveException::badClass},
        // a known class that is not serialisable
        {"not serialisable", Cat({{0xFF, 0xFF, 0x00, 0x00, 0x0A, 0x00}, Text("CNotSerial")}), nullptr,
         CArchiveException::badClass},
        // a class other than the one asked for
        {"wrong class", Cat({{0xFF, 0xFF, 0x01, 0x00, 0x04, 0x00}, Text("CFoo"), {0x00, 0x00}}),
         RUNTIME_CLASS(CTestNode), CArchiveException::badClass},
        // schema larger than the class's
        {"schema 2 for 1", Cat({{0xFF, 0xFF, 0x02, 0x00, 0x04, 0x00}, Text("CFoo"), {0x00, 0x00}}), nullptr,
         CArchiveException::badSchema},
        // and smaller
        {"schema 0 for 1", Cat({{0xFF, 0xFF, 0x00, 0x00, 0x04, 0x00}, Text("CFoo"), {0x00, 0x00}}), nullptr,
         CArchiveException::badSchema},
        // a class index that names nothing
        {"class index 1 unread", {0x01, 0x80}, nullptr, CArchiveException::badIndex},
        // an object index that names nothing, or names a class
        {"object index 5 unread", {0x05, 0x00}, nullptr, CArchiveException::badIndex},
        {"big object index", {0xFF, 0x7F, 0x00, 0x00, 0x01, 0x00}, nullptr, CArchiveException::badIndex},
        // a name longer than the data
        {"name past the end", {0xFF, 0xFF, 0x01, 0x00, 0x40, 0x00, 'C'}, nullptr, CArchiveException::endOfFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ArchiveCause([&] { LoadBytes(c.bytes, [&](CArchive& ar) { delete ar.ReadObject(c.requested); }); }),
                  c.cause);
    }
    // an index that names a class where an object is expected
    const Bytes classThenIndex = Cat({{0xFF, 0xFF, 0x01, 0x00, 0x04, 0x00}, Text("CFoo"), {0x34, 0x12, 0x01, 0x00}});
    LoadBytes(classThenIndex, [](CArchive& ar) {
        CObject* first = ar.ReadObject(nullptr);
        EXPECT_EQ(ArchiveCause([&] { ar.ReadObject(nullptr); }), CArchiveException::badIndex);
        delete first;
    });
    EXPECT_EQ(g_liveNodes, 0);
}

TEST(ArchiveObjects, VersionableClassReadsAnySchema)
{
    for (uint16_t schema : {uint16_t(1), uint16_t(3), uint16_t(9)}) {
        SCOPED_TRACE(schema);
        const Bytes bytes = Cat({{0xFF, 0xFF, uint8_t(schema), 0x00, 0x0A, 0x00}, Text("CVersioned")});
        LoadBytes(bytes, [&](CArchive& ar) {
            CVersioned* p = static_cast<CVersioned*>(ar.ReadObject(RUNTIME_CLASS(CVersioned)));
            EXPECT_EQ(p->m_loadedSchema, schema);
            EXPECT_EQ(ar.GetObjectSchema(), 0xFFFFFFFFu);  // given once
            delete p;
        });
    }
    // written with the schema number, without the versionable flag
    CVersioned v;
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar << &v; }),
              Cat({{0xFF, 0xFF, 0x03, 0x00, 0x0A, 0x00}, Text("CVersioned")}));
}

TEST(ArchiveObjects, IndexesFrom0x7FFFUseTheLongForm)
{
    // 0x7FFF objects of CFoo take the indexes 2..0x8000 (class CFoo is 1); the first CTestNode makes
    // its class 0x8001 and itself 0x8002; a second CTestNode then refers to its class by the long
    // form, and a reference to the first CTestNode object uses the long object form.
    std::vector<CFoo> foos(0x7FFF);
    CTestNode n1(5), n2(6);
    const Bytes bytes = StoreBytes([&](CArchive& ar) {
        for (CFoo& f : foos)
            ar << &f;
        ar << &n1 << &n2 << &n1 << &foos[0];
    });
    // tail: n2 = FF 7F, 0x80008001 (class), data; then n1 again = FF 7F, 0x8002; then foos[0] = 02 00
    const Bytes tail = {0xFF, 0x7F, 0x01, 0x80, 0x00, 0x80, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00,
                        0x00, 0x00, 0xFF, 0x7F, 0x02, 0x80, 0x00, 0x00, 0x02, 0x00};
    ASSERT_GT(bytes.size(), tail.size());
    EXPECT_EQ(Bytes(bytes.end() - tail.size(), bytes.end()), tail);

    LoadBytes(bytes, [&](CArchive& ar) {
        std::vector<CObject*> read;
        for (size_t i = 0; i < foos.size() + 4; ++i)
            read.push_back(ar.ReadObject(nullptr));
        EXPECT_EQ(static_cast<CTestNode*>(read[foos.size()])->m_value, 5);
        EXPECT_EQ(static_cast<CTestNode*>(read[foos.size() + 1])->m_value, 6);
        EXPECT_EQ(read[foos.size() + 2], read[foos.size()]);
        EXPECT_EQ(read[foos.size() + 3], read[0]);
        for (size_t i = 0; i < foos.size() + 2; ++i)
            delete read[i];
    });
    EXPECT_EQ(g_liveNodes, 2);  // n1 and n2
}

TEST(ArchiveObjects, NotSerialisableObjectIsRefusedOnWrite)
{
    CNotSerial object;
    EXPECT_EQ(ArchiveCause([&] { StoreBytes([&](CArchive& ar) { ar << &object; }); }), CArchiveException::badClass);
}

// ---- hostile lengths and counts ----

TEST(ArchiveSafety, ClaimedLengthsBeyondTheDataThrowBeforeAllocating)
{
    struct Case {
        const char* name;
        Bytes bytes;
        int what;  // 0 string, 1 CObArray, 2 CStringArray, 3 CStringList, 4 CMapStringToString, 5 CDWordArray
    };
    const Case cases[] = {
        {"string of 4 GB", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'x'}, 0},
        {"string of 300 bytes", Cat({{0xFF, 0x2C, 0x01}, Bytes(299, 'a')}), 0},
        {"object array of 2^32-1", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}, 1},
        {"string array of 10 with 9 bytes", Cat({{0x0A, 0x00}, Bytes(9, 0x00)}), 2},
        {"string list of 2^31", {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80}, 3},
        {"string map of 3 with 5 bytes", Cat({{0x03, 0x00}, Bytes(5, 0x00)}), 4},
        {"dword array of 3 with 11 bytes", Cat({{0x03, 0x00}, Bytes(11, 0x00)}), 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int cause = ArchiveCause([&] {
            LoadBytes(c.bytes, [&](CArchive& ar) {
                CString s;
                CObArray obs;
                CStringArray strings;
                CStringList list;
                CMapStringToString map;
                CDWordArray dwords;
                switch (c.what) {
                case 0:
                    ar >> s;
                    break;
                case 1:
                    obs.Serialize(ar);
                    break;
                case 2:
                    strings.Serialize(ar);
                    break;
                case 3:
                    list.Serialize(ar);
                    break;
                case 4:
                    map.Serialize(ar);
                    break;
                default:
                    dwords.Serialize(ar);
                    break;
                }
            });
        });
        EXPECT_EQ(cause, CArchiveException::endOfFile);
    }
}

// ---- nesting and objects that nobody owns ----

namespace {

// An object array holding an object array, and so on for `levels` arrays, the innermost empty: after
// the first array's class tag each level takes four bytes (the class's index tag and a count of 1).
Bytes NestedArrays(size_t levels)
{
    Bytes bytes = Cat({{0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00}, Text("CObArray"), {0x01, 0x00}});
    for (size_t level = 1; level < levels; ++level)
        bytes.insert(bytes.end(), {0x01, 0x80, 0x01, 0x00});
    bytes[bytes.size() - 2] = 0x00;  // the innermost array is empty
    return bytes;
}

// How many arrays nest in array, itself included.
size_t NestingOf(const CObArray* array)
{
    size_t levels = 0;
    for (; array != nullptr; ++levels)
        array = array->GetSize() > 0 ? static_cast<const CObArray*>(array->GetAt(0)) : nullptr;
    return levels;
}

// Runs f on a thread with a stack of 1 MiB, as many a program's thread has.
void OnSmallStack(const std::function<void()>& f)
{
    pthread_attr_t attr;
    ASSERT_EQ(pthread_attr_init(&attr), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attr, 1 << 20), 0);
    pthread_t thread;
    auto run = [](void* p) -> void* {
        (*static_cast<const std::function<void()>*>(p))();
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attr, run, const_cast<std::function<void()>*>(&f)), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
}

// An object array that no program object owns, as a reader of any class gets it: a node, a list
// holding a second node and the first one again, a map of a third node and null, and the string
// array and string map of the leak once seen. asObject: as an object reference; else in the form a
// program object's member array writes.
Bytes ArrayOfEveryKind(bool asObject = true)
{
    CTestNode first(1), second(2), third(3);
    CObList list;
    list.AddTail(&second);
    list.AddTail(&first);
    CMapStringToOb map;
    map["node"] = &third;
    map["none"] = nullptr;
    CStringArray strings;
    strings.Add("text");
    CMapStringToString pairs;
    pairs["key"] = "value";
    CObArray array;
    for (CObject* pOb : std::initializer_list<CObject*>{&first, &list, &map, &strings, &pairs})
        array.Add(pOb);
    return StoreBytes([&](CArchive& ar) {
        if (asObject)
            ar << &array;
        else
            array.Serialize(ar);
    });
}

} // namespace

// 50,000 nested arrays (200 KB) are refused with the archive exception before the stack runs out,
// on a thread of 1 MiB too, through the owned and the plain reads and a program's member array; the
// deepest nesting allowed still reads.
TEST(ArchiveSafety, NestingBeyondTheLimitIsRefusedBeforeTheStackRunsOut)
{
    const Bytes deep = NestedArrays(50000);
    ASSERT_EQ(deep.size(), 200012u);
    const Bytes memberOfDeep = Cat({{0x01, 0x00}, deep});  // a program's array holding the deep one
    for (int how = 0; how < 3; ++how) {
        SCOPED_TRACE(how);
        int cause = -1;
        OnSmallStack([&] {
            cause = ArchiveCause([&] {
                LoadBytes(how < 2 ? deep : memberOfDeep, [&](CArchive& ar) {
                    if (how == 0) {
                        delete ar.ReadOwnedObject(nullptr);
                    } else if (how == 1) {
                        CObject* pOb = nullptr;
                        ar >> pOb;
                        delete pOb;
                    } else {
                        CObArray member;
                        member.Serialize(ar);
                    }
                });
            });
        });
        EXPECT_EQ(cause, CArchiveException::generic);
    }

    LoadBytes(NestedArrays(CArchive::kMaxLoadDepth), [](CArchive& ar) {
        std::unique_ptr<CObject> pOb(ar.ReadOwnedObject(RUNTIME_CLASS(CObArray)));
        EXPECT_EQ(NestingOf(static_cast<CObArray*>(pOb.get())), size_t(CArchive::kMaxLoadDepth));
    });
    EXPECT_EQ(ArchiveCause([] { LoadBytes(NestedArrays(CArchive::kMaxLoadDepth + 1), [](CArchive& ar) {
                  delete ar.ReadOwnedObject(nullptr);
              }); }),
              CArchiveException::generic);
}

// A collection that the archive made for an owner (a reader of any class, which cannot know what it
// holds, or another such collection) frees the objects its loading made, so an object read and thrown
// away is freed whole; one whose reading fails at any byte frees them too, whoever reads it. A
// collection handed to a program's plain read, or one a program object loads into, leaves the
// objects it read to the program, as the class library always did.
TEST(ArchiveOwnership, ACollectionNobodyOwnsIsFreedWhole)
{
    const Bytes bytes = ArrayOfEveryKind();
    ASSERT_EQ(g_liveNodes, 0);
    LoadBytes(bytes, [](CArchive& ar) {
        CObject* pOb = ar.ReadOwnedObject(nullptr);
        ASSERT_NE(pOb, nullptr);
        EXPECT_EQ(g_liveNodes, 3);
        delete pOb;
    });
    EXPECT_EQ(g_liveNodes, 0);

    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        SCOPED_TRACE(cut);
        const Bytes part(bytes.begin(), bytes.begin() + cut);
        EXPECT_EQ(ArchiveCause([&] { LoadBytes(part, [](CArchive& ar) { delete ar.ReadOwnedObject(nullptr); }); }),
                  CArchiveException::endOfFile);
        EXPECT_EQ(ArchiveCause([&] { LoadBytes(part, [](CArchive& ar) { delete ar.ReadObject(nullptr); }); }),
                  CArchiveException::endOfFile);
        EXPECT_EQ(g_liveNodes, 0);
    }

    // the plain read, and a program's array: the elements are the program's to free (the list and
    // the map it frees take their nodes with them)
    for (bool member : {false, true}) {
        SCOPED_TRACE(member);
        std::vector<CObject*> elements;
        LoadBytes(ArrayOfEveryKind(!member), [&](CArchive& ar) {
            std::unique_ptr<CObArray> pArray(new CObArray);
            if (member) {
                pArray->Serialize(ar);
            } else {
                CObArray* pRead = nullptr;
                ar >> pRead;
                pArray.reset(pRead);
            }
            ASSERT_NE(pArray, nullptr);
            elements.assign(pArray->GetData(), pArray->GetData() + pArray->GetSize());
            ASSERT_EQ(elements.size(), 5u);
            const CObList* pList = static_cast<const CObList*>(elements[1]);
            EXPECT_EQ(pList->GetTail(), elements[0]) << "the list refers to the array's first node";
        });
        EXPECT_EQ(g_liveNodes, 3);
        for (CObject* pOb : elements)
            delete pOb;
        EXPECT_EQ(g_liveNodes, 0);
    }
}

// An object read while a failed one was being read went with it: a later reference to it is refused.
TEST(ArchiveOwnership, AReferenceIntoAFailedObjectIsRefused)
{
    const Bytes bytes = Cat({{0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00}, Text("CObArray"), {0x02, 0x00},
                             {0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00}, Text("CTestNode"),
                             {0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},  // value 5, no reference, no children
                             {0xFF, 0xFF, 0x00, 0x00, 0x04, 0x00}, Text("Nope"),  // a class nobody knows
                             {0x04, 0x00}});                                      // then the node again
    LoadBytes(bytes, [](CArchive& ar) {
        EXPECT_EQ(ArchiveCause([&] { delete ar.ReadObject(nullptr); }), CArchiveException::badClass);
        EXPECT_EQ(g_liveNodes, 0);
        EXPECT_EQ(ArchiveCause([&] { delete ar.ReadObject(nullptr); }), CArchiveException::badIndex);
    });
    EXPECT_EQ(g_liveNodes, 0);
}
