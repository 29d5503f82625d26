#include "model/files/WholeFile.h"

#include "core/CException.h"
#include "core/CFile.h"
#include "core/CSafeFile.h"
#include "model/ZQShellServices.h"

#include <algorithm>

bool ReadWholeProjectFile(const char* path, std::string* bytes)
{
    if (bytes == nullptr)
        AfxThrowInvalidArgException("ReadWholeProjectFile: bytes is null");
    bytes->clear();
    if (path == nullptr || *path == '\0')
        return false;
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeBinary))
        return false;
    try {
        char buffer[8192];
        for (;;) {
            const uint32_t got = file.Read(buffer, sizeof buffer);
            if (got == 0)
                break;
            bytes->append(buffer, got);
        }
        file.Close();
    } catch (CFileException* e) {
        e->Delete();
        bytes->clear();
        return false;
    }
    return true;
}

bool WriteWholeProjectFile(const char* path, const std::string& bytes)
{
    if (path == nullptr || *path == '\0')
        return false;
    CSafeFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary))
        return false;
    try {
        for (size_t done = 0; done < bytes.size();) {
            const size_t chunk = std::min<size_t>(bytes.size() - done, size_t(1) << 20);
            file.Write(bytes.data() + done, uint32_t(chunk));
            done += chunk;
        }
        file.Commit();
    } catch (CFileException* e) {
        // The temporary file goes with `file`; the target was never touched.
        e->Delete();
        return false;
    }
    return true;
}

int SaveProjectFile(CZQShellServices& shell, const char* path, const std::string& bytes)
{
    if (!WriteWholeProjectFile(path, bytes))
        return 0;
    shell.SetModified(0);
    return 1;
}
