// Decodes arbitrary header text, then encodes the result again with the recorded charset and letter.
#include "mime/EncodedWordCodec.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CEncodedWordCodec decoder;
    decoder.SetInput(reinterpret_cast<const char*>(data), static_cast<int32_t>(size), false);
    std::vector<char> decoded(static_cast<size_t>(decoder.GetOutputLength()));
    decoded.resize(static_cast<size_t>(decoder.GetOutput(decoded.data(), static_cast<int32_t>(decoded.size()))));

    CEncodedWordCodec encoder;
    encoder.SetEncoding(decoder.GetEncoding(), decoder.GetCharset());
    encoder.SetInput(decoded.data(), static_cast<int32_t>(decoded.size()), true);
    std::vector<char> encoded(static_cast<size_t>(encoder.GetOutputLength()));
    encoder.GetOutput(encoded.data(), static_cast<int32_t>(encoded.size()));
    return 0;
}
