#include "CorpusGenerator.h"

#include "mime/Base64Codec.h"
#include "mime/QuotedPrintableCodec.h"

#include <random>

namespace {
std::string Encode(CMimeCodec& codec, const std::string& in)
{
    codec.SetInput(in.data(), static_cast<int32_t>(in.size()), true);
    std::string out(static_cast<size_t>(codec.GetOutputLength()), '\0');
    out.resize(static_cast<size_t>(codec.GetOutput(out.data(), static_cast<int32_t>(out.size()))));
    return out;
}

std::string Base64(const std::string& in)
{
    CBase64Codec codec;
    return Encode(codec, in);
}

std::string QuotedPrintable(const std::string& in)
{
    CQuotedPrintableCodec codec;
    return Encode(codec, in);
}

std::string RandomBytes(std::mt19937& rng, size_t n)
{
    std::string s(n, '\0');
    for (auto& c : s)
        c = static_cast<char>(rng() & 0xFF);
    return s;
}

// Latin-1 prose with line breaks, as mail text looks.
std::string Prose(std::mt19937& rng, size_t n)
{
    static const char* words[] = {"the", "mail", "caf\xE9", "archive", "r\xE9sum\xE9", "invoice", "meeting",
                                  "na\xEFve", "quarterly", "report", "attached", "please", "see", "below"};
    std::string s;
    size_t nLine = 0;
    while (s.size() < n) {
        const std::string w = words[rng() % std::size(words)];
        s += w;
        nLine += w.size() + 1;
        if (nLine > 70) {
            s += "\r\n";
            nLine = 0;
        } else {
            s += ' ';
        }
    }
    return s;
}

std::string Header(int i, const std::string& contentType)
{
    return "From: =?ISO-8859-1?Q?J=F6rg_Sender?= <sender" + std::to_string(i) + "@example.org>\r\n"
           "To: Someone <to@example.com>, Other <other@example.com>\r\n"
           "Subject: =?utf-8?B?UmVwb3J0IMOpdMOp?= number " + std::to_string(i) + "\r\n"
           "Date: Mon, 1 Jan 2024 10:00:00 +0000\r\nMIME-Version: 1.0\r\n"
           "Content-Type: " + contentType + "\r\n";
}

std::string TextPart(std::mt19937& rng, size_t n)
{
    return "Content-Type: text/plain; charset=ISO-8859-1\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\n" +
           QuotedPrintable(Prose(rng, n)) + "\r\n";
}

std::string AttachmentPart(std::mt19937& rng, size_t n, int k)
{
    return "Content-Type: application/octet-stream; name=\"file" + std::to_string(k) + ".bin\"\r\n"
           "Content-Disposition: attachment; filename=\"file" + std::to_string(k) + ".bin\"\r\n"
           "Content-Transfer-Encoding: base64\r\n\r\n" + Base64(RandomBytes(rng, n));
}
}

CBenchCorpus GenerateBenchCorpus(int nMessages)
{
    std::mt19937 rng(42);
    CBenchCorpus corpus;
    auto add = [&](const std::string& msg) {
        corpus.vecOffsets.push_back(corpus.strData.size());
        corpus.strData += msg;
    };
    const size_t sizes[] = {10'000, 50'000, 200'000, 1'000'000, 5'000'000, 20'000'000};
    for (int i = 0; i < nMessages; ++i) {
        if (i % 4 == 0) {
            add(Header(i, "text/plain; charset=ISO-8859-1") + "\r\n" + Prose(rng, 2'000 + rng() % 20'000));
            continue;
        }
        const size_t nAttachment = sizes[i % std::size(sizes)];
        std::string msg = Header(i, "multipart/mixed; boundary=\"outer" + std::to_string(i) + "\"") +
                          "\r\nThis is a multi-part message in MIME format.\r\n";
        msg += "--outer" + std::to_string(i) + "\r\nContent-Type: multipart/alternative; boundary=\"alt\"\r\n\r\n";
        msg += "--alt\r\n" + TextPart(rng, 3'000) + "--alt\r\nContent-Type: text/html\r\n\r\n<p>" +
               Prose(rng, 3'000) + "</p>\r\n--alt--\r\n";
        msg += "--outer" + std::to_string(i) + "\r\n" + AttachmentPart(rng, nAttachment, i);
        msg += "--outer" + std::to_string(i) + "--\r\n";
        add(msg);
    }
    corpus.vecOffsets.push_back(corpus.strData.size());
    corpus.strBase64 = Base64(RandomBytes(rng, 32'000'000));
    corpus.strQuotedPrintable = QuotedPrintable(Prose(rng, 16'000'000));
    return corpus;
}
