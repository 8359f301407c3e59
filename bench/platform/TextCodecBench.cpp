// Cost of the text conversions for short header texts (where opening an iconv descriptor per call could
// dominate) and for a large body, next to Qt's own Latin-1 and UTF-8 decoders as a yardstick.
#include "platform/TextCodec.h"

#include <QByteArray>
#include <chrono>
#include <cstdio>
#include <iconv.h>

namespace {

template <typename F>
double NanosecondsPerCall(int calls, F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i)
        f();
    const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / calls;
}

volatile qsizetype g_sink;

} // namespace

int main()
{
    const QByteArray header = "Re: caf\xE9 \x93quoted\x94 \x80 100 - Angebot f\xFCr Sie";
    const QByteArray body = header.repeated(1 << 15); // about 1.3 MB
    constexpr int kCalls = 200000;

    const double open = NanosecondsPerCall(kCalls, [] {
        iconv_t cd = iconv_open("UTF-16LE", "WINDOWS-1252");
        iconv_close(cd);
    });
    const double ansi = NanosecondsPerCall(kCalls, [&] { g_sink = AnsiToWide(header.constData(), header.size()).size(); });
    const double latin1 = NanosecondsPerCall(kCalls, [&] { g_sink = QString::fromLatin1(header).size(); });
    const double utf8 = NanosecondsPerCall(kCalls, [&] { g_sink = Utf8ToWide(header.constData(), header.size()).size(); });
    const double qtUtf8 = NanosecondsPerCall(kCalls, [&] { g_sink = QString::fromUtf8(header).size(); });
    std::printf("iconv_open+close          %8.0f ns\n", open);
    std::printf("AnsiToWide   (%3lld bytes)  %8.0f ns   (QString::fromLatin1 %5.0f ns)\n",
        static_cast<long long>(header.size()), ansi, latin1);
    std::printf("Utf8ToWide   (%3lld bytes)  %8.0f ns   (QString::fromUtf8   %5.0f ns)\n",
        static_cast<long long>(header.size()), utf8, qtUtf8);

    const double mb = body.size() / 1e6;
    const double bodyAnsi = NanosecondsPerCall(20, [&] { g_sink = AnsiToWide(body.constData(), body.size()).size(); });
    const double bodyUtf8 = NanosecondsPerCall(20, [&] { g_sink = Utf8ToWide(body.constData(), body.size()).size(); });
    const double bodyConvert = NanosecondsPerCall(20, [&] {
        QByteArray out;
        ConvertToUtf8(body, "ISO-8859-1", out);
        g_sink = out.size();
    });
    std::printf("AnsiToWide   %.1f MB       %8.0f MB/s\n", mb, mb / (bodyAnsi / 1e9));
    std::printf("Utf8ToWide   %.1f MB       %8.0f MB/s\n", mb, mb / (bodyUtf8 / 1e9));
    std::printf("ConvertToUtf8 %.1f MB      %8.0f MB/s\n", mb, mb / (bodyConvert / 1e9));
    return 0;
}
