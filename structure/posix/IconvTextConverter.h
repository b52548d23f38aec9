#pragma once
// The native text converter: iconv, as the C library provides it.
#include "structure/TextConverter.h"

namespace structure {

class IconvTextConverter final : public TextConverter {
public:
    bool toUtf8(const std::string& encoding, const std::string& bytes, std::string& out) const override;
};

} // namespace structure
