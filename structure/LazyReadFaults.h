#pragma once
// Whether anything the parse leaves for later (instances, elements of lazy
// repeats) can fail when it is read. When nothing can, the JSON writer needs
// no walk ahead of the head to learn every error.
#include "structure/Definition.h"

namespace structure {

bool lazyReadsMayFail(const Definition& definition);

} // namespace structure
