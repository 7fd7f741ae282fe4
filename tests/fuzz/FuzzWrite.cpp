// libFuzzer entry for the store's write path.

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    tolvik::fuzz::initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    tolvik::fuzz::checkWrite(data, size);
    return 0;
}
