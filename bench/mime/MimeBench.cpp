// Throughput of the MIME library over a generated corpus: base64 and quoted-printable decoding, and whole
// messages loaded fully and headers-only. Usage: bench_mime [corpus output file]; the file lets
// python_email.py parse the same bytes.
#include "CorpusGenerator.h"

#include "mime/Base64Codec.h"
#include "mime/MimeMessage.h"
#include "mime/QuotedPrintableCodec.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <list>
#include <memory>

namespace {
// Best of several runs, in MB (10^6 bytes) of input per second.
double MegabytesPerSecond(size_t nBytes, int nRuns, const std::function<void()>& run)
{
    double best = 1e30;
    for (int i = 0; i < nRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return static_cast<double>(nBytes) / 1e6 / best;
}

double DecodeSpeed(CMimeCodec& codec, const std::string& in)
{
    codec.SetInput(in.data(), static_cast<int32_t>(in.size()), false);
    const auto pOut = std::make_unique<char[]>(static_cast<size_t>(codec.GetOutputLength()));
    volatile int32_t nSink = 0;
    return MegabytesPerSecond(in.size(), 7, [&] { nSink = codec.GetOutput(pOut.get(), codec.GetOutputLength()); });
}

double LoadSpeed(const CBenchCorpus& corpus, bool bHeadersOnly)
{
    volatile size_t nSink = 0;
    return MegabytesPerSecond(corpus.strData.size(), 5, [&] {
        for (size_t i = 0; i + 1 < corpus.vecOffsets.size(); ++i) {
            const char* p = corpus.strData.data() + corpus.vecOffsets[i];
            const auto n = static_cast<int64_t>(corpus.vecOffsets[i + 1] - corpus.vecOffsets[i]);
            CMimeMessage msg;
            bHeadersOnly ? msg.LoadHeadersOnly(p, n) : msg.Load(p, n);
            std::list<CMimeBody*> parts;
            msg.GetBodyPartList(parts);
            for (CMimeBody* part : parts)
                nSink = nSink + static_cast<size_t>(part->GetContentLength()) + part->IsAttachment();
        }
    });
}

void WriteCorpus(const CBenchCorpus& corpus, const char* pszPath)
{
    std::ofstream data(pszPath, std::ios::binary);
    data.write(corpus.strData.data(), static_cast<std::streamsize>(corpus.strData.size()));
    std::ofstream index(std::string(pszPath) + ".idx");
    for (const uint64_t offset : corpus.vecOffsets)
        index << offset << '\n';
}
}

int main(int argc, char** argv)
{
    const CBenchCorpus corpus = GenerateBenchCorpus(16);
    if (argc > 1)
        WriteCorpus(corpus, argv[1]);
    CBase64Codec base64;
    CQuotedPrintableCodec qp;
    std::printf("corpus: %zu messages, %.1f MB\n", corpus.vecOffsets.size() - 1, corpus.strData.size() / 1e6);
    std::printf("base64 decode            %9.1f MB/s\n", DecodeSpeed(base64, corpus.strBase64));
    std::printf("quoted-printable decode  %9.1f MB/s\n", DecodeSpeed(qp, corpus.strQuotedPrintable));
    std::printf("message Load             %9.1f MB/s\n", LoadSpeed(corpus, false));
    std::printf("message LoadHeadersOnly  %9.1f MB/s\n", LoadSpeed(corpus, true));
    return 0;
}
