#pragma once
// The Windows text converter: MultiByteToWideChar for the code page a
// definition's encoding names, then UTF-16 to UTF-8.
#include "structure/TextConverter.h"

namespace structure {

class Win32TextConverter final : public TextConverter {
public:
    bool toUtf8(const std::string& encoding, const std::string& bytes, std::string& out) const override;
};

// The Windows code page for an encoding name, or 0 when there is none.
unsigned codePageFor(const std::string& encoding);

} // namespace structure
