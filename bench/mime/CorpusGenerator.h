#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Deterministic test messages: plain text, quoted-printable text, base64 attachments, nested multiparts.
struct CBenchCorpus {
    std::string strData;              // the messages, one after another
    std::vector<uint64_t> vecOffsets; // message i is [offsets[i], offsets[i + 1])
    std::string strBase64;            // one large base64 body, with line breaks
    std::string strQuotedPrintable;   // one large quoted-printable body
};

CBenchCorpus GenerateBenchCorpus(int nMessages);
