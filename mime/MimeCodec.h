#pragma once
#include <cstdint>

// Identity codec and base of every codec: one conversion of a caller-owned input into a
// caller-sized output buffer. Lengths are signed 32-bit; the length functions are upper bounds.
class CMimeCodec {
public:
    CMimeCodec() = default;
    virtual ~CMimeCodec() = default;
    CMimeCodec(const CMimeCodec&) = delete;
    CMimeCodec& operator=(const CMimeCodec&) = delete;

    virtual int32_t GetEncodeLength() const;
    virtual int32_t GetDecodeLength() const;
    virtual int32_t Encode(char* pOut, int32_t nCapacity) const;
    virtual int32_t Decode(char* pOut, int32_t nCapacity) const;

    void SetInput(const char* pInput, int32_t nLength, bool bEncoding);
    int32_t GetOutputLength() const;
    int32_t GetOutput(char* pOut, int32_t nCapacity) const;

protected:
    const char* m_pInput = nullptr;
    int32_t m_nInputLength = 0;
    bool m_bEncoding = false;
};

// Largest value a 32-bit length holds; bounds computed in 64 bits are clamped to it.
constexpr int32_t kMimeMaxLength = INT32_MAX;
inline int32_t MimeClampLength(int64_t n) { return n < 0 ? 0 : (n > kMimeMaxLength ? kMimeMaxLength : static_cast<int32_t>(n)); }
