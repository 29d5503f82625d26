// Captures what the process writes to standard output, for native test programs that check the
// trace lines of the code under test (or keep a library's progress lines out of the test log).
//
// Both the C stream and file descriptor 1 are redirected into a temporary file, so lines written by
// native libraries (GLPK writes through its own buffer straight to the descriptor) are captured too.
// One capture at a time; it ends at Finish or when the object goes.
#pragma once

#include <cstdio>
#include <string>
#include <unistd.h>

class StandardOutputCapture {
public:
    StandardOutputCapture()
    {
        std::fflush(stdout);
        m_file = std::tmpfile();
        if (m_file == nullptr)
            return;
        m_saved = ::dup(STDOUT_FILENO);
        if (m_saved < 0 || ::dup2(::fileno(m_file), STDOUT_FILENO) < 0) {
            if (m_saved >= 0)
                ::close(m_saved);
            m_saved = -1;
        }
    }
    ~StandardOutputCapture() { Finish(); }
    StandardOutputCapture(const StandardOutputCapture&) = delete;
    StandardOutputCapture& operator=(const StandardOutputCapture&) = delete;

    // Ends the capture, restoring standard output, and returns what was written since it began; a
    // capture that could not start returns a text saying so, which no expected trace matches.
    std::string Finish()
    {
        if (m_file == nullptr)
            return m_text;
        if (m_saved < 0) {
            m_text = "(standard output could not be captured)";
        } else {
            std::fflush(stdout);
            ::dup2(m_saved, STDOUT_FILENO);
            ::close(m_saved);
            m_saved = -1;
            std::rewind(m_file);
            char buffer[4096];
            for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, m_file)) > 0;)
                m_text.append(buffer, got);
        }
        std::fclose(m_file);
        m_file = nullptr;
        return m_text;
    }

private:
    std::FILE* m_file = nullptr;
    int m_saved = -1;
    std::string m_text;
};
