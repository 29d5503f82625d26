// Run-time classes (kind-of tests, creation by name) and exceptions (ownership, the TRY/CATCH
// macros, messages, the reporter hook).
#include "core/Core.h"

#include <gtest/gtest.h>

#include <string>

class CShape : public CObject {
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape {
    DECLARE_DYNCREATE(CCircle)
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

class CDisc : public CCircle {
    DECLARE_SERIAL(CDisc)
};
IMPLEMENT_SERIAL(CDisc, CCircle, VERSIONABLE_SCHEMA | 2)

TEST(RuntimeClasses, KindOfAndCreationByName)
{
    CCircle circle;
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CDisc)));
    EXPECT_FALSE(circle.IsSerializable());
    EXPECT_TRUE(RUNTIME_CLASS(CDisc)->IsDerivedFrom(RUNTIME_CLASS(CShape)));
    EXPECT_FALSE(RUNTIME_CLASS(CShape)->IsDerivedFrom(nullptr));
    EXPECT_EQ(RUNTIME_CLASS(CDisc)->GetSchema(), 2u);
    EXPECT_TRUE(RUNTIME_CLASS(CDisc)->IsVersionable());
    EXPECT_EQ(RUNTIME_CLASS(CCircle)->m_nObjectSize, int32_t(sizeof(CCircle)));

    EXPECT_EQ(CRuntimeClass::FromName("CCircle"), RUNTIME_CLASS(CCircle));
    EXPECT_EQ(CRuntimeClass::FromName("CObList"), RUNTIME_CLASS(CObList));  // the library's own classes too
    EXPECT_EQ(CRuntimeClass::FromName("ccircle"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);

    CObject* made = CRuntimeClass::CreateObject("CDisc");
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetRuntimeClass(), RUNTIME_CLASS(CDisc));
    delete made;
    EXPECT_EQ(CRuntimeClass::CreateObject("CShape"), nullptr);  // dynamic only: not creatable
    EXPECT_EQ(CRuntimeClass::CreateObject("CNoSuchClass"), nullptr);
}

TEST(Exceptions, CatchersDeleteThroughDelete)
{
    int caught = 0;
    TRY
    {
        AfxThrowFileException(CFileException::diskFull, 28, "/x/y");
    }
    CATCH(CArchiveException, e)
    {
        e->Delete();
    }
    AND_CATCH(CFileException, e)
    {
        EXPECT_EQ(e->m_cause, CFileException::diskFull);
        EXPECT_EQ(e->m_lOsError, 28);
        ++caught;
        e->Delete();
    }
    END_CATCH
    EXPECT_EQ(caught, 1);

    // THROW_LAST rethrows the same object with its type
    CException* first = nullptr;
    try {
        TRY
        {
            AfxThrowArchiveException(CArchiveException::badSchema);
        }
        CATCH_ALL(e)
        {
            first = e;
            THROW_LAST();
        }
        END_CATCH_ALL
    } catch (CArchiveException* e) {
        EXPECT_EQ(e, first);
        EXPECT_EQ(e->m_cause, CArchiveException::badSchema);
        e->Delete();
    }

    // the memory exception is static: Delete leaves it alive for the next throw
    CMemoryException* memory = nullptr;
    for (int i = 0; i < 2; ++i) {
        try {
            AfxThrowMemoryException();
        } catch (CMemoryException* e) {
            EXPECT_FALSE(e->m_bAutoDelete);
            EXPECT_TRUE(memory == nullptr || memory == e);
            memory = e;
            e->Delete();
        }
    }
}

TEST(Exceptions, MessagesAndReporter)
{
    CFileException file(CFileException::fileNotFound, 2, "/data/p.zex");
    char small[8];
    uint32_t help = 99;
    EXPECT_TRUE(file.GetErrorMessage(small, sizeof small, &help));
    EXPECT_EQ(std::string(small), "/data/p");  // cut to fit, terminated
    EXPECT_EQ(help, 0u);
    EXPECT_NE(file.GetErrorText().Find("/data/p.zex"), -1);

    CUserException user;
    char buf[16] = "x";
    EXPECT_FALSE(user.GetErrorMessage(buf, sizeof buf));  // already reported to the user
    EXPECT_EQ(buf[0], '\0');

    EXPECT_EQ(user.ReportError(), 0);  // no reporter installed: nothing shown
    static std::string shown;
    static uint32_t shownType;
    CException::Reporter old = CException::SetReporter([](const char* text, uint32_t nType, uint32_t) {
        shown = text;
        shownType = nType;
        return 1;
    });
    CArchiveException archive(CArchiveException::badClass, "a.dat");
    EXPECT_EQ(archive.ReportError(0x30), 1);
    EXPECT_NE(shown.find("a.dat"), std::string::npos);
    EXPECT_EQ(shownType, 0x30u);
    CException::SetReporter(old);
}

// The cause numbers are part of what callers test for; they must not move.
static_assert(CArchiveException::none == 0 && CArchiveException::generic == 1 && CArchiveException::readOnly == 2 &&
              CArchiveException::endOfFile == 3 && CArchiveException::writeOnly == 4 &&
              CArchiveException::badIndex == 5 && CArchiveException::badClass == 6 &&
              CArchiveException::badSchema == 7);
static_assert(CFileException::fileNotFound == 2 && CFileException::accessDenied == 5 &&
              CFileException::badSeek == 9 && CFileException::diskFull == 13 && CFileException::endOfFile == 14);
