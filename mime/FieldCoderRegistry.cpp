#include "mime/FieldCoderRegistry.h"

#include "mime/MimeRegistry.h"

namespace {
template <typename Coder> std::unique_ptr<CFieldCoder> NewCoder() { return std::make_unique<Coder>(); }

CMimeRegistry<FieldCoderFactory>& FieldCoders()
{
    // Built on first use (thread-safe); the last name registered is searched first, as RegisterFieldCoder does.
    static CMimeRegistry<FieldCoderFactory> registry = [] {
        CMimeRegistry<FieldCoderFactory> r;
        const std::pair<const char*, FieldCoderFactory> defaults[] = {
            {"Subject", NewCoder<CTextFieldCoder>},
            {"Comments", NewCoder<CTextFieldCoder>},
            {"Content-Description", NewCoder<CTextFieldCoder>},
            {"From", NewCoder<CAddressFieldCoder>},
            {"To", NewCoder<CAddressFieldCoder>},
            {"Resent-To", NewCoder<CAddressFieldCoder>},
            {"Cc", NewCoder<CAddressFieldCoder>},
            {"Resent-Cc", NewCoder<CAddressFieldCoder>},
            {"Bcc", NewCoder<CAddressFieldCoder>},
            {"Resent-Bcc", NewCoder<CAddressFieldCoder>},
            {"Reply-To", NewCoder<CAddressFieldCoder>},
            {"Resent-Reply-To", NewCoder<CAddressFieldCoder>},
            {"Content-Type", NewCoder<CParameterFieldCoder>},
            {"Content-Disposition", NewCoder<CParameterFieldCoder>},
        };
        for (const auto& [name, factory] : defaults)
            r.Register(name, factory);
        return r;
    }();
    return registry;
}
}

std::unique_ptr<CFieldCoder> CreateFieldCoder(const char* pszName)
{
    const FieldCoderFactory factory = FieldCoders().Find(pszName ? pszName : "");
    return factory ? factory() : std::make_unique<CFieldCoder>();
}

void RegisterFieldCoder(const char* pszName, FieldCoderFactory pfnFactory)
{
    FieldCoders().Register(pszName ? pszName : "", pfnFactory);
}
