// Whole-file input and output shared by the project file readers and writers.
//
// The CSV and sibling-format readers take the file into memory in one go and parse it from there (the
// XML reader, whose files grow largest, takes it a piece at a time), and each writer builds the whole
// file in memory before anything touches the disk. The write goes through CSafeFile: a temporary
// file beside the target, renamed over it only when every byte is written, so a failed save leaves
// an existing file as it was.
#pragma once

#include <string>

class CZQShellServices;

// Reads the whole file at path (a host path, opened as binary: no line-end translation) into *bytes.
// Returns false, with *bytes emptied, when path is null or empty, or when the file cannot be opened
// or read.
bool ReadWholeProjectFile(const char* path, std::string* bytes);

// Writes bytes to the file at path safely (temporary file, then rename). Returns false when path is
// null or empty, or when the file cannot be created, written or put in place; the file at path is
// then left as it was.
bool WriteWholeProjectFile(const char* path, const std::string& bytes);

// Saves a project file: writes bytes to path as WriteWholeProjectFile does and, when the file was
// written, clears the application's modified flag through shell. Returns 1 when the file was
// written, 0 otherwise.
int SaveProjectFile(CZQShellServices& shell, const char* path, const std::string& bytes);
