#pragma once
// The system's digests for the Checksums dialog: CRC-32 from zlib, the
// others from the system's cryptography API.
#include "commands/ChecksumRun.h"

DigestMaker& systemDigests();
