#pragma once
#include <QString>
#include <cstdint>

// Read-only file object with 64-bit offsets; other processes may read and write the file meanwhile.
class CFile {
public:
    CFile() = default;
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Opens a regular file; false for anything else (a folder, a named pipe, a device).
    bool Open(const QString& path);
    bool IsOpen() const { return m_fd >= 0; }
    void Close();

    uint64_t GetLength() const;
    // Reads up to count bytes at offset; returns the bytes read, -1 on error.
    int64_t ReadAt(uint64_t offset, void* buffer, uint64_t count) const;
    int Handle() const { return m_fd; }

private:
    int m_fd = -1;
};

// Read-only mapping of a whole open file; Map fails cleanly for empty files or when the kernel refuses.
class CFileMapping {
public:
    CFileMapping() = default;
    ~CFileMapping();
    CFileMapping(const CFileMapping&) = delete;
    CFileMapping& operator=(const CFileMapping&) = delete;

    bool Map(const CFile& file);
    void Unmap();
    const unsigned char* Data() const { return m_data; }
    uint64_t Size() const { return m_size; }

private:
    const unsigned char* m_data = nullptr;
    uint64_t m_size = 0;
};
