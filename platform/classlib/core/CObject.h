// CObject and CRuntimeClass: run-time class records, kind-of tests, creation by class name and the
// declaration macros of serialisable classes.
//
// Every class declared with DECLARE_DYNAMIC / DECLARE_DYNCREATE / DECLARE_SERIAL has one static
// CRuntimeClass record, named class<ClassName> and reached with RUNTIME_CLASS(ClassName). The
// IMPLEMENT_* macro fills the record (constant-initialised, so it is valid before any constructor of
// a static object runs) and registers it in the process-wide list that FromName searches. Registration
// happens while static objects are constructed: a lookup by name from another static constructor may
// not see every class yet. A class that is only ever made from its name (archive reading) must be
// linked into the program: from a static library the linker drops object files nobody references.
//
// Schemas: IMPLEMENT_SERIAL's schema is the number written in the class tag of an archive (low 16
// bits). VERSIONABLE_SCHEMA | n marks a class whose Serialize reads older schemas itself through
// CArchive::GetObjectSchema; any other class refuses an archived schema unlike its own (see CArchive.h).
// Classes that are not serialisable carry the schema 0xFFFF.
//
// IMPLEMENT_SERIAL defines the class's archive reader, so its unit must include core/CArchive.h (or
// core/Core.h). Class names are looked up exactly; two classes registered under one name find the
// one registered last.
#pragma once

#include <cstdint>

class CArchive;
class CObject;

// Set in an IMPLEMENT_SERIAL schema: the class reads every schema itself (GetObjectSchema).
#define VERSIONABLE_SCHEMA (0x80000000u)

// Schema of a class that is not serialisable.
#define AFX_NO_SCHEMA (0xFFFFu)

// The run-time record of a class. An aggregate, so that the IMPLEMENT_* macros initialise it at
// compile time.
struct CRuntimeClass {
    const char* m_lpszClassName;           // the class name as written in archives
    int32_t m_nObjectSize;                 // sizeof the class
    uint32_t m_wSchema;                    // schema, maybe with VERSIONABLE_SCHEMA; 0xFFFF: not serialisable
    CObject* (*m_pfnCreateObject)();       // makes a new object; null when the class is not creatable
    CRuntimeClass* m_pBaseClass;           // the base class record; null for CObject
    CRuntimeClass* m_pNextClass;           // link of the process-wide registry (set by registration)

    // Makes a new object of this class with its default constructor. Returns null when the class is
    // not creatable (declared DYNAMIC only). Allocation failure throws CMemoryException*.
    CObject* CreateObject() const;

    // True when this class is pBaseClass or derives from it (walking the base records). False for null.
    bool IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // True when the class can be made by CreateObject.
    bool IsCreatable() const { return m_pfnCreateObject != nullptr; }

    // The schema number without the versionable flag (what an archive's class tag carries).
    uint32_t GetSchema() const { return m_wSchema & ~VERSIONABLE_SCHEMA; }

    // True when the class was declared with VERSIONABLE_SCHEMA.
    bool IsVersionable() const { return (m_wSchema & VERSIONABLE_SCHEMA) != 0; }

    // The registered class whose name is exactly lpszClassName (byte comparison); null when none or
    // when the name is null.
    static CRuntimeClass* FromName(const char* lpszClassName);

    // Makes an object of the registered class named lpszClassName. Returns null when no class has that
    // name or the class is not creatable.
    static CObject* CreateObject(const char* lpszClassName);
};

// Registers a class record in the process-wide list; one static instance per IMPLEMENT_* use.
struct CClassInit {
    explicit CClassInit(CRuntimeClass* pNewClass);
};

// The root of every run-time-typed class. Objects are not copied through CObject (copying is left to
// the derived classes, which may define it).
class CObject {
public:
    static CRuntimeClass classCObject;

    virtual ~CObject();

    // The run-time record of the object's most derived declared class.
    virtual CRuntimeClass* GetRuntimeClass() const;

    // True when the object's class is pClass or derives from it.
    bool IsKindOf(const CRuntimeClass* pClass) const;

    // True when the object's class is serialisable (has a schema other than 0xFFFF).
    bool IsSerializable() const;

    // Writes the object to, or reads it from, the archive. CObject's own version does nothing.
    virtual void Serialize(CArchive& ar);

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                                    \
public:                                                                                                \
    static CRuntimeClass class##class_name;                                                            \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                  \
    DECLARE_DYNAMIC(class_name)                                                                        \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name)                                                                     \
    DECLARE_DYNCREATE(class_name)                                                                      \
    friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                           \
    CRuntimeClass class_name::class##class_name = {#class_name, int32_t(sizeof(class_name)),           \
                                                   uint32_t(wSchema), pfnNew,                          \
                                                   RUNTIME_CLASS(base_class_name), nullptr};            \
    static const CClassInit ondrixClassInit_##class_name(&class_name::class##class_name);              \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                 \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NO_SCHEMA, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                               \
    CObject* class_name::CreateObject() { return new class_name; }                                     \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NO_SCHEMA, class_name::CreateObject)

// The archive reader operator>> that DECLARE_SERIAL declares: reads an object reference that must be
// of class_name or a class derived from it (else CArchiveException badClass).
#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                         \
    CObject* class_name::CreateObject() { return new class_name; }                                     \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)             \
    CArchive& operator>>(CArchive& ar, class_name*& pOb)                                               \
    {                                                                                                  \
        pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));                      \
        return ar;                                                                                     \
    }
