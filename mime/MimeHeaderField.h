#pragma once
#include <cstdint>
#include <string>

// One header field: name as written, decoded value (folds kept), charset of its first encoded word.
class CMimeHeaderField {
public:
    const char* GetName() const { return m_strName.c_str(); }
    const char* GetValue() const { return m_strValue.c_str(); }
    const char* GetCharset() const { return m_strCharset.c_str(); }
    const std::string& GetNameString() const { return m_strName; }
    const std::string& GetValueString() const { return m_strValue; }
    void SetName(std::string strName) { m_strName = std::move(strName); }
    void SetValue(std::string strValue) { m_strValue = std::move(strValue); }
    void SetCharset(std::string strCharset) { m_strCharset = std::move(strCharset); }

    void GetValueWithoutParameters(std::string& strOut) const;
    bool FindParameter(const char* pszParam, int64_t& nOffset, int64_t& nLength) const;
    bool GetParameter(const char* pszParam, std::string& strOut) const;

    // Parses one field from the range; returns the bytes consumed through its final CR LF, 0 when none.
    int64_t Load(const char* pData, int64_t nLength);
    int64_t GetLength() const;
    // Writes "name: value" CR LF; returns the bytes written, 0 when the name does not fit.
    int64_t Store(char* pOut, int64_t nCapacity) const;

private:
    std::string m_strName;
    std::string m_strValue;
    std::string m_strCharset;
};
