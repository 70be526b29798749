// The calculator picture reader on a surface much larger than the calculator's
// screen, so that wide and tall pictures are drawn whole, up to their last byte.
#include "fuzzsupport.h"
#include "lecture.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::initialiser(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Surface surface(1024, 768);
    fuzz::lireEtVerifier(data, size, surface);
    return 0;
}
