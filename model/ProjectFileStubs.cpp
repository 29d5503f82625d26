// The project file readers and writers until their formats are built. Each format moves its pair into
// its own file (ProjectCsv.cpp, ProjectXml.cpp, ProjectZek.cpp) and deletes it here.
#include "model/ZQInterfaceData.h"

int CZQInterfaceData::ReadCsv(CString, char, char)
{
    return 0;
}

int CZQInterfaceData::WriteCsv(CString, char, char)
{
    return 0;
}

int CZQInterfaceData::ReadXml(CString)
{
    return 0;
}

int CZQInterfaceData::WriteXml(CString)
{
    return 0;
}

int CZQInterfaceData::ReadZekFile(CString)
{
    return 0;
}

int CZQInterfaceData::WriteZekFile(CString)
{
    return 0;
}
