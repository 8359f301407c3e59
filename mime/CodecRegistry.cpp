#include "mime/CodecRegistry.h"

#include "mime/Base64Codec.h"
#include "mime/MimeRegistry.h"
#include "mime/QuotedPrintableCodec.h"

namespace {
std::unique_ptr<CMimeCodec> NewQuotedPrintable() { return std::make_unique<CQuotedPrintableCodec>(); }
std::unique_ptr<CMimeCodec> NewBase64() { return std::make_unique<CBase64Codec>(); }

CMimeRegistry<MimeCodecFactory>& Codecs()
{
    // Built on first use (thread-safe), so nothing depends on the order of static initialisation.
    static CMimeRegistry<MimeCodecFactory> registry = [] {
        CMimeRegistry<MimeCodecFactory> r;
        r.Register("quoted-printable", NewQuotedPrintable);
        r.Register("base64", NewBase64);
        return r;
    }();
    return registry;
}
}

std::unique_ptr<CMimeCodec> CreateCodec(const char* pszName)
{
    const MimeCodecFactory factory = Codecs().Find(pszName ? pszName : "");
    return factory ? factory() : std::make_unique<CMimeCodec>();
}

void RegisterCodec(const char* pszName, MimeCodecFactory pfnFactory) { Codecs().Register(pszName ? pszName : "", pfnFactory); }
