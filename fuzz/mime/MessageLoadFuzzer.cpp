// Parses arbitrary bytes as a message, full and headers-only, then walks and stores the result.
#include "mime/MimeMessage.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto* text = reinterpret_cast<const char*>(data);
    CMimeMessage msg;
    msg.Load(text, static_cast<int64_t>(size));
    std::list<CMimeBody*> parts;
    msg.GetBodyPartList(parts);
    for (CMimeBody* part : parts) {
        part->IsAttachment();
        part->GetMediaType();
    }
    std::vector<char> out(static_cast<size_t>(msg.GetLength()));
    msg.Store(out.data(), static_cast<int64_t>(out.size()));

    CMimeMessage headers;
    headers.LoadHeadersOnly(text, static_cast<int64_t>(size));
    return 0;
}
