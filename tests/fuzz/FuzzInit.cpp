// Every fuzz target starts the same way: a core application, and reports counted.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::start(argc, argv);
    return 0;
}
